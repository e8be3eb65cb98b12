// The menu window: placement, the press animation and nested clicks, the
// options panel, the high score, about and quit boxes, the title frames and
// the hand-over to the game, driven headless through real clicks.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "audio/music.h"
#include "audio/sound.h"
#include "game/form1.h"
#include "game/startup.h"
#include "menu/form2.h"
#include "platform/clock.h"
#include "platform/media.h"
#include "platform/window.h"
#include "state/state.h"

namespace {

constexpr int W = form2outerwidth, H = form2outerheight;

void openmenu() {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    if (Form1.shown) unloadwindow(Form1);
    if (Form2.shown) unloadwindow(Form2);
    resetstate();
    setdefaultsettings();
    simulateclock(100000);
    gamewindowload = Form1_Load;
    form2startup();
    doevents();
    soundlog().clear();
    mcilog().clear();
}

// A control's left and top on the client area, in twips.
int screenleft(const Control& c) {
    return c.left + (c.parent ? screenleft(*c.parent) : 0);
}
int screentop(const Control& c) {
    return c.top + (c.parent ? screentop(*c.parent) : 0);
}

// Queues a click on a control's middle (or at a pixel offset from its top-left).
void queueclick(const Control& c) {
    injectclick(Form2, (screenleft(c) + c.width / 2) / twipsperpixel,
                (screentop(c) + c.height / 2) / twipsperpixel);
}
void queueclickat(const Control& c, int dx, int dy) {
    injectclick(Form2, screenleft(c) / twipsperpixel + dx, screentop(c) / twipsperpixel + dy);
}
void click(const Control& c) {
    queueclick(c);
    doevents();
}

// The spin arrows: the upper half of the control is its up arrow.
void spin(const Control& s, bool up) {
    queueclickat(s, 8, up ? 3 : 13);
    doevents();
}

std::vector<std::string> sounds() {
    return soundlog();
}

bool endswith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// Samples taken once per event pass through the gauge's change event, which
// the window raises at the end of a pass whenever the gauge's value moved:
// each sample moves the value again, so the next pass samples too.
struct sample {
    int boxtop, curtainleft;
    bool titleshown;
};
std::vector<sample> samples;
void takesample() {
    samples.push_back({highscorebox.top, highscorebackL.left, title.visible});
    Gauge1.value = Gauge1.value == 50 ? 51 : 50;
}

} // namespace

TEST(Menu, StartupPlacesItemsShadowsBoxesAndCurtains) {
    openmenu();
    EXPECT_TRUE(Form2.shown);
    EXPECT_EQ(Form2.caption, "Zoff");
    EXPECT_EQ(Form2.clientwidth, 796);
    EXPECT_EQ(Form2.clientheight, 591);

    // Items 15 twips left of the centre, W / 2 - width / 2 - 15; every shadow,
    // 3975 wide, 15 right of it, 120 lower.
    struct row {
        Control* item;
        Control* shadow;
        int left, top;
    };
    const row rows[] = {{&oneplayer, &Label[0], 4052, 3120}, {&twoplayer, &Label[1], 3768, 3840},
                        {&options, &Label[2], 4532, 4560},   {&highscores, &Label[5], 3872, 5280},
                        {&About, &Label[3], 4532, 6000},     {&quit, &Label[4], 4532, 6720}};
    for (const row& r : rows) {
        SCOPED_TRACE(r.item->name);
        EXPECT_EQ(r.item->left, r.left);
        EXPECT_EQ(r.item->top, r.top);
        EXPECT_EQ(r.shadow->width, 3975);
        EXPECT_EQ(r.shadow->left, 4082);
        EXPECT_EQ(r.shadow->top, r.top + 120);
        EXPECT_EQ(r.shadow->caption, r.item->caption);
        EXPECT_EQ(r.shadow->forecolor, RGB(128, 0, 0));
    }
    // ONE PLAYER dips exactly onto its shadow.
    EXPECT_EQ(oneplayer.left + 30, Label[0].left);

    EXPECT_EQ(title.left, 1555);
    EXPECT_EQ(title.top, 360);

    // The three boxes centred and parked just below the window, their labels centred.
    EXPECT_EQ(optionbox.left, 3048);
    EXPECT_EQ(optionbox.top, H);
    EXPECT_EQ(done.left, 1020);
    EXPECT_EQ(label1.left, 1020);
    EXPECT_EQ(plusspeedback.left, plusspeed.left + 30);
    EXPECT_EQ(minusspeedback.left, minusspeed.left + 30);
    EXPECT_EQ(aboutbox.left, 3048);
    EXPECT_EQ(aboutbox.top, H);
    EXPECT_EQ(aboutdone.left, 1020);
    EXPECT_EQ(Label3.left, 1020);
    EXPECT_EQ(quitbox.left, 3888);
    EXPECT_EQ(quitbox.top, H);
    for (Control* c : {&yes, &Label7, &no, &Label6}) EXPECT_EQ(c->left, 180) << c->name;

    // The curtains, window-sized, just off either side.
    EXPECT_EQ(highscorebackL.width, W);
    EXPECT_EQ(highscorebackL.height, H);
    EXPECT_EQ(highscorebackL.top, 0);
    EXPECT_EQ(highscorebackL.left, -W);
    EXPECT_EQ(highscorebackr.width, W);
    EXPECT_EQ(highscorebackr.height, H);
    EXPECT_EQ(highscorebackr.top, 0);
    EXPECT_EQ(highscorebackr.left, W);
    // The high score box: half the window wide, 8600 high, parked, DONE near its foot.
    EXPECT_EQ(highscorebox.width, 6055);
    EXPECT_EQ(highscorebox.height, 8600);
    EXPECT_EQ(highscorebox.top, H);
    EXPECT_EQ(highscorebox.left, 3028);
    EXPECT_EQ(highscoredone.left, 1025);
    EXPECT_EQ(highscoredone.top, 7700);
    EXPECT_EQ(highscoredoneback.left, 1055);
    EXPECT_EQ(highscoredoneback.top, 7820);
}

TEST(Menu, StartupMusicAndGameSpeedUntilTheFirstPass) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    if (Form2.shown) unloadwindow(Form2);
    resetstate();
    setdefaultsettings();
    simulateclock(100000);
    mcilog().clear();
    form2startup();
    EXPECT_EQ(Form2MMControl1.DeviceType, "Sequencer");
    EXPECT_FALSE(Form2MMControl1.Notify);
    EXPECT_TRUE(Form2MMControl1.Wait);
    EXPECT_FALSE(Form2MMControl1.Shareable);
    ASSERT_EQ(mcilog().size(), 2u);
    EXPECT_TRUE(endswith(mcilog()[0], "Open.mid Open")) << mcilog()[0];
    EXPECT_TRUE(endswith(mcilog()[1], "Open.mid play")) << mcilog()[1];

    EXPECT_EQ(gamespeed, 15.0f);
    menupass();
    EXPECT_EQ(gamespeed, 10.0f);
    EXPECT_EQ(firedelay, 3);
    EXPECT_EQ(powerupchance, 5);
    EXPECT_EQ(rangelimit, 5);
    EXPECT_EQ(fuselimit, 4);
    EXPECT_EQ(bombnumberlimit, 8);
    EXPECT_EQ(shakefactor, 10);
}

TEST(Menu, PressAnimationDipsAndReturnsEveryLabelExactly) {
    openmenu();
    for (Control* c : {&oneplayer, &twoplayer, &options, &highscores, &About, &quit, &done, &yes}) {
        int left = c->left, top = c->top;
        Long t0 = gettickcount();
        pressanimation(*c);
        EXPECT_EQ(c->left, left) << c->name;
        EXPECT_EQ(c->top, top) << c->name;
        EXPECT_EQ(gettickcount() - t0, 120) << "60 steps of 2 ms";
    }
}

TEST(Menu, ClickDuringAnAnimationIsServedCompletelyInsideIt) {
    openmenu();
    int left = options.left, top = options.top;
    // Where OPTIONS stood while ABOUT was served, and where the about box got to.
    int leftduring = 0, topduring = 0, leftafter = 0, topafter = 0, aboutafter = 0;
    auto aboutclick = About.onclick;
    About.onclick = [&](int arg) {
        leftduring = options.left;
        topduring = options.top;
        aboutclick(arg);
        leftafter = options.left;
        topafter = options.top;
        aboutafter = aboutbox.top;
    };
    queueclick(options);
    queueclick(About);
    doevents();
    // ABOUT ran inside the first step of OPTIONS' dip, animation, cue and slide.
    EXPECT_EQ(leftduring, left + 1);
    EXPECT_EQ(topduring, top + 4);
    EXPECT_EQ(leftafter, left + 1);
    EXPECT_EQ(topafter, top + 4);
    EXPECT_EQ(aboutafter, H - 6300);
    // Then OPTIONS went on to the end.
    EXPECT_EQ(options.left, left);
    EXPECT_EQ(options.top, top);
    EXPECT_EQ(optionbox.top, H - 6300);
    EXPECT_EQ(sounds(), (std::vector<std::string>{"\\orchhit.wav", "\\orchhit.wav"}));
}

TEST(Options, SpinArrowsStepAndStopAtTheirFloors) {
    openmenu();
    click(options);
    ASSERT_EQ(optionbox.top, H - 6300);
    struct row {
        Control* spin;
        Control* label;
        std::vector<bool> arrows; // true: up
        std::vector<const char*> shown;
        Integer* setting;
    };
    const row rows[] = {
        {&firedelayspin,
         &firedelaylbl,
         {false, false, false, false, true},
         {"2", "1", "0", "0", "1"},
         &firedelay},
        {&fusespin,
         &fuselimitlbl,
         {false, false, false, false, false},
         {"3", "2", "1", "0", "0"},
         &fuselimit},
        {&powerupspin,
         &powerupchancelbl,
         {false, false, false, false, false},
         {"4", "3", "2", "1", "1"},
         &powerupchance},
        {&rangespin,
         &rangelimitlbl,
         {false, false, false, false, false},
         {"4", "3", "2", "1", "1"},
         &rangelimit},
        {&bombspin,
         &bombnumberlimitlbl,
         {true, false, false, false, false, false, false, false, false, false},
         {"9", "8", "7", "6", "5", "4", "3", "2", "1", "1"},
         &bombnumberlimit},
        {&shakespin,
         &shakefactorlbl,
         {false, false, false, true, true},
         {"5", "0", "0", "5", "10"},
         &shakefactor},
    };
    for (const row& r : rows) {
        SCOPED_TRACE(r.spin->name);
        for (size_t i = 0; i < r.arrows.size(); ++i) {
            spin(*r.spin, r.arrows[i]);
            EXPECT_EQ(r.label->caption, r.shown[i]) << "click " << i + 1;
        }
        menupass();
        EXPECT_EQ(*r.setting, std::atoi(r.shown.back()));
    }
    EXPECT_EQ(sounds(), std::vector<std::string>{"\\orchhit.wav"}) << "spin arrows have no cue";
}

TEST(Options, GameSpeedPlusMinusAndGaugePress) {
    openmenu();
    click(options);
    for (int i = 0; i < 7; ++i) click(plusspeed);
    EXPECT_EQ(Gauge1.value, 85);
    EXPECT_EQ(speedlbl.caption, "135");
    for (int i = 0; i < 20; ++i) click(plusspeed);
    EXPECT_EQ(Gauge1.value, 150);
    EXPECT_EQ(speedlbl.caption, "200");
    menupass();
    EXPECT_EQ(gamespeed, 20.0f);
    for (int i = 0; i < 40; ++i) click(minusspeed);
    EXPECT_EQ(Gauge1.value, 0);
    EXPECT_EQ(speedlbl.caption, "50");
    menupass();
    EXPECT_EQ(gamespeed, 5.0f);
    click(plusspeed);
    menupass();
    EXPECT_EQ(gamespeed, 5.0f) << "value 5 is still speed 5";

    // A press on the gauge sets it by where it lands.
    queueclickat(Gauge1, 0, 12);
    doevents();
    EXPECT_EQ(Gauge1.value, 0);
    queueclickat(Gauge1, Gauge1.width / twipsperpixel / 2, 12);
    doevents();
    EXPECT_EQ(Gauge1.value, 75);
    EXPECT_EQ(speedlbl.caption, "125");
}

TEST(Options, OpenGuardAndDoneWithoutGuard) {
    openmenu();
    click(options);
    ASSERT_EQ(optionbox.top, H - 6300);
    // Up, or still rising: OPTIONS does nothing.
    soundlog().clear();
    for (int top : {H - 6300, H - 100}) {
        optionbox.top = top;
        options_Click();
        EXPECT_EQ(optionbox.top, top);
    }
    EXPECT_TRUE(sounds().empty());

    // DONE clicked again during its own slide moves the box twice.
    optionbox.top = H - 6300;
    Gauge1.value = 120;
    queueclick(done);
    queueclick(done);
    doevents();
    EXPECT_EQ(optionbox.top, H + 6300);
    EXPECT_EQ(gamespeed, 17.0f);
    EXPECT_EQ(sounds(), (std::vector<std::string>{"\\orchhitl.wav", "\\orchhitl.wav"}));
    EXPECT_EQ(done.top, 4440);
}

TEST(Menu, GameChoiceHandsOverWithSettingsAndMusicInOrder) {
    for (Integer chosen : {1, 2}) {
        SCOPED_TRACE(chosen);
        openmenu();
        click(options);
        spin(firedelayspin, false);
        spin(shakespin, false);
        click(plusspeed);
        click(done);
        menupass();
        soundlog().clear();
        mcilog().clear();
        gamewindowload = [] { startup(5); };
        click(chosen == 1 ? oneplayer : twoplayer);

        EXPECT_EQ(players, chosen);
        EXPECT_EQ(firedelay, 2);
        EXPECT_EQ(shakefactor, 5);
        EXPECT_EQ(gamespeed, 10.0f); // gauge 55
        EXPECT_EQ(sounds(), std::vector<std::string>{"\\orchhit.wav"});
        // Only the game window is left, standing where the menu stood.
        EXPECT_FALSE(Form2.shown);
        EXPECT_TRUE(Form1.shown);
        EXPECT_EQ(Form1.left, 114);
        EXPECT_EQ(Form1.top, 88);
        const std::vector<std::string>& log = mcilog();
        ASSERT_EQ(log.size(), 5u);
        EXPECT_TRUE(endswith(log[0], "Open.mid stop")) << log[0];
        EXPECT_TRUE(endswith(log[1], "Open.mid stop")) << log[1];
        EXPECT_TRUE(endswith(log[2], "Open.mid Close")) << log[2];
        EXPECT_TRUE(endswith(log[3], "gimmeall.mid open")) << log[3];
        EXPECT_TRUE(endswith(log[4], "gimmeall.mid play")) << log[4];
    }
    gamewindowload = Form1_Load;
}

// The player moved and enlarged the menu: the game window takes its place and size.
TEST(Menu, GameWindowOpensWhereAndAsLargeAsTheMenuWas) {
    openmenu();
    sizewindow(Form2, 900, 668); // as large as fits the 1024 x 768 screen there
    doevents();
    gamewindowload = [] { startup(5); };
    click(oneplayer);
    int left = 0, top = 0, width = 0, height = 0;
    ASSERT_TRUE(windowplace(Form1, left, top, width, height));
    EXPECT_EQ(left, 114);
    EXPECT_EQ(top, 88);
    EXPECT_EQ(width, 900);
    EXPECT_EQ(height, 668);
    // Its picture stays the design's size, scaled on the screen.
    EXPECT_EQ(composewindow(Form1).width, 796);
    unloadwindow(Form1);
    Form1.openwidth = Form1.openheight = 0;
    gamewindowload = Form1_Load;
}

TEST(HighScores, OpensClosesWithGuardsAndHidesTheTitle) {
    openmenu();
    click(highscores);
    EXPECT_EQ(highscorebackL.left, -W + 6000);
    EXPECT_EQ(highscorebackr.left, W - 6000);
    EXPECT_EQ(highscorebox.top, H - 9100);
    EXPECT_EQ(sounds(), (std::vector<std::string>{"\\orchhit.wav", "\\orchhith.wav"}));

    // HIGH SCORES again, while the curtains are out: the click lands on a
    // curtain, and nothing moves.
    soundlog().clear();
    click(highscores);
    EXPECT_EQ(highscorebackL.left, -W + 6000);
    EXPECT_EQ(highscorebox.top, H - 9100);
    // DONE while the box is not yet up to 900: nothing.
    highscorebox.top = 900;
    highscoredone_Click();
    EXPECT_EQ(highscorebox.top, 900);
    EXPECT_TRUE(sounds().empty());
    highscorebox.top = H - 9100;

    // Closing, sampled once per event pass: the title is out of sight from the
    // box's first step down until the curtains are open again.
    samples.clear();
    Gauge1.onchange = takesample;
    Gauge1.value = 51;
    click(highscoredone);
    Gauge1.onchange = Gauge1_Change;
    EXPECT_EQ(highscorebox.top, H);
    EXPECT_EQ(highscorebackL.left, -W);
    EXPECT_EQ(highscorebackr.left, W);
    EXPECT_TRUE(title.visible);
    EXPECT_EQ(sounds(), (std::vector<std::string>{"\\orchhitl.wav", "\\orchhit.wav"}));
    ASSERT_GT(samples.size(), 200u);
    // The last sample is the click's own event pass, after the handler ended.
    EXPECT_TRUE(samples.back().titleshown);
    EXPECT_EQ(samples.back().curtainleft, -W);
    samples.pop_back();
    int hidden = 0;
    for (const sample& s : samples) {
        bool closing = s.boxtop > H - 9100;
        EXPECT_EQ(s.titleshown, !closing) << "box " << s.boxtop << " curtain " << s.curtainleft;
        hidden += !s.titleshown;
    }
    EXPECT_EQ(hidden, 91 + 60);
}

TEST(Boxes, AboutGuardAndDoneTwice) {
    openmenu();
    click(About);
    EXPECT_EQ(aboutbox.top, H - 6300);
    soundlog().clear();
    About_Click(); // already up: nothing
    EXPECT_EQ(aboutbox.top, H - 6300);
    EXPECT_TRUE(sounds().empty());

    // DONE twice during its slide: the box ends another 6300 down, and the
    // next ABOUT only brings it back to its parked place.
    queueclick(aboutdone);
    queueclick(aboutdone);
    doevents();
    EXPECT_EQ(aboutbox.top, H + 6300);
    click(About);
    EXPECT_EQ(aboutbox.top, H);
    click(About);
    EXPECT_EQ(aboutbox.top, H - 6300);
}

TEST(Boxes, QuitTwiceGoesAboveAndTwoNosBringItBack) {
    openmenu();
    queueclick(quit);
    queueclick(quit);
    doevents();
    EXPECT_EQ(quitbox.top, H - 12600);
    no_Click();
    EXPECT_EQ(quitbox.top, H - 6300);
    click(no);
    EXPECT_EQ(quitbox.top, H);
    EXPECT_EQ(sounds(), (std::vector<std::string>{"\\orchhit.wav", "\\orchhit.wav",
                                                  "\\orchhitl.wav", "\\orchhitl.wav"}));

    // NO twice during its slide: parked 6300 below, and QUIT only brings it back.
    click(quit);
    queueclick(no);
    queueclick(no);
    doevents();
    EXPECT_EQ(quitbox.top, H + 6300);
    click(quit);
    EXPECT_EQ(quitbox.top, H);
}

TEST(MenuDeathTest, YesAndEscEndTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            openmenu();
            click(quit);
            click(yes);
            std::exit(3);
        },
        ::testing::ExitedWithCode(0), "");
    // Esc ends it even in the middle of an animation.
    EXPECT_EXIT(
        {
            openmenu();
            queueclick(options);
            injectkey(27, 27);
            doevents();
            std::exit(3);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(Title, FrameNumbersRunTwoToFortyNineAndBack) {
    std::set<int> seen;
    int previous = titleframe(0);
    EXPECT_EQ(previous, 2);
    for (Long t = 1; t <= 4800; ++t) {
        int n = titleframe(t);
        ASSERT_GE(n, 2);
        ASSERT_LE(n, 49);
        if (n != previous) {
            EXPECT_EQ(n, previous == 49 ? 2 : previous + 1) << "t " << t;
        }
        seen.insert(n);
        previous = n;
    }
    EXPECT_EQ(seen.size(), 48u);
    // Ties go to the even neighbour; a negative tick count counts by its size.
    struct row {
        Long t;
        int n;
    };
    for (row r : {row{25, 2}, row{75, 4}, row{2375, 2}, row{2374, 49}, row{-100, 4},
                  row{-2147483647 - 1, titleframe(2147483647)}})
        EXPECT_EQ(titleframe(r.t), r.n) << r.t;
}

TEST(Title, FramesComeFromTheirFilesByTheClock) {
    EXPECT_TRUE(endswith(titleframefile(7), "/small title/zofftitle 7.bmp")) << titleframefile(7);
    EXPECT_TRUE(endswith(titleframefile(23), "/small title/zofftitle 23.bmp"));
    openmenu();
    simulateclock(250); // 250 / 50 = 5: frame 7
    menupass();
    ASSERT_EQ(title.picture, &titleframepicture(7));
    EXPECT_EQ(title.picture->width, 600);
    EXPECT_EQ(title.picture->height, 150);
    // Fire on black: the corners are black, the letters bright, and the
    // flames move from one frame to the next.
    const Picture& a = titleframepicture(7);
    const Picture& b = titleframepicture(8);
    EXPECT_EQ(a.at(0, 149) & 0xFFFFFF, 0u);
    EXPECT_EQ(a.at(599, 0) & 0xFFFFFF, 0u);
    int bright = 0, changed = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i) {
        std::uint32_t p = a.pixels[i];
        bright += (p & 255) > 200 && ((p >> 8) & 255) > 150; // yellow or white
        changed += a.pixels[i] != b.pixels[i];
    }
    EXPECT_GT(bright, 2000);
    EXPECT_GT(changed, 5000);
    simulateclock(23 * 50 - 100); // frame 23
    menupass();
    EXPECT_EQ(title.picture, &titleframepicture(23));
}

TEST(TitleDeathTest, AMissingFrameEndsTheProgramNamingTheFile) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(titleframepicture(50), ::testing::ExitedWithCode(1), "zofftitle 50\\.bmp");
}
