// Windows, controls, events, keys, the clock and the question box, run
// headless under SDL's dummy video driver through the same paths as real input.
#include <SDL.h>
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/keyboard.h"
#include "platform/msgbox.h"
#include "platform/window.h"

namespace {

constexpr Long black = 0x000000, white = 0xFFFFFF, grey = 0x404040;
constexpr Long red = 0x0000FF, blue = 0xFF0000, green = 0x00FF00;
// Text colour unlike any outline or fill.
constexpr Long yellow = 0x00FFFF;

// A window of our own with controls that live as long as it does.
struct WindowTest : ::testing::Test {
    Window w;
    std::deque<Control> controls;

    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        w.caption = "test";
        w.backcolor = black;
        doevents(); // nothing left over from an earlier test
    }
    void TearDown() override {
        unloadwindow(w);
        releaseallkeys();
    }
    // Adds a control: box in pixels (converted to twips), parent optional.
    Control& add(ControlKind kind, int x, int y, int wd, int ht, Control* parent = nullptr) {
        Control& c = controls.emplace_back();
        c.kind = kind;
        c.parent = parent;
        c.left = x * twipsperpixel;
        c.top = y * twipsperpixel;
        c.width = wd * twipsperpixel;
        c.height = ht * twipsperpixel;
        addcontrol(w, c);
        return c;
    }
    // A playfield showing s, made 100 x 50 red pixels (10 x 5 units) at (100, 60) of parent.
    Control& playfield(Surface& s, Control* parent) {
        makesurface(s, 100, 50, red);
        setscale(s, 10, 5);
        s.left = 100 * twipsperpixel;
        s.top = 60 * twipsperpixel;
        Control& pf = add(ControlKind::Playfield, 0, 0, 0, 0, parent);
        pf.surface = &s;
        return pf;
    }
    Control& label(const std::string& text, int x, int y, int wd, int ht, Long colour,
                   Control* parent = nullptr) {
        Control& c = add(ControlKind::Label, x, y, wd, ht, parent);
        c.caption = text;
        c.forecolor = colour;
        return c;
    }
};

Long at(const Picture& p, int x, int y) {
    return Long(p.at(x, y));
}

// Columns x0..x1-1 and rows y0..y1-1 holding colour c: the ink's bounding box.
struct Ink {
    int x0 = INT_MAX, y0 = INT_MAX, x1 = INT_MIN, y1 = INT_MIN;
    bool any() const { return x0 <= x1; }
};
Ink inkof(const Picture& p, Long c, int x0 = 0, int y0 = 0, int x1 = -1, int y1 = -1) {
    if (x1 < 0) x1 = p.width;
    if (y1 < 0) y1 = p.height;
    Ink k;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (at(p, x, y) == c) {
                k.x0 = std::min(k.x0, x);
                k.x1 = std::max(k.x1, x);
                k.y0 = std::min(k.y0, y);
                k.y1 = std::max(k.y1, y);
            }
    return k;
}

Picture solid(int wd, int ht, Long c) {
    Picture p;
    p.width = wd;
    p.height = ht;
    p.pixels.assign(size_t(wd) * ht, std::uint32_t(c));
    return p;
}

// ---------------------------------------------------------------------------
// Composition

TEST_F(WindowTest, ComposesWindowBackgroundAtClientSize) {
    w.backcolor = blue;
    Picture p = composewindow(w);
    ASSERT_EQ(p.width, 796);
    ASSERT_EQ(p.height, 591);
    EXPECT_EQ(at(p, 0, 0), blue);
    EXPECT_EQ(at(p, 795, 590), blue);
}

TEST_F(WindowTest, FrameFillsOutlinesAndCaptionsAtTopLeft) {
    Control& f = add(ControlKind::Frame, 20, 30, 100, 80);
    f.backcolor = grey;
    f.forecolor = yellow;
    f.caption = "Time";
    Picture p = composewindow(w);
    // Filled inside, window background outside.
    EXPECT_EQ(at(p, 70, 80), grey);
    EXPECT_EQ(at(p, 19, 80), black);
    EXPECT_EQ(at(p, 120, 80), black);
    // The outline's left and bottom edges.
    EXPECT_EQ(at(p, 20, 80), frameshadow);
    EXPECT_EQ(at(p, 70, 108), frameshadow);
    // The caption's ink lies in the top-left part of the frame, in its colour.
    Ink k = inkof(p, yellow, 20, 30, 120, 110);
    ASSERT_TRUE(k.any());
    EXPECT_LT(k.x0, 20 + 20);
    EXPECT_LT(k.y1, 30 + 20);
    EXPECT_GE(k.y0, 30);
}

TEST_F(WindowTest, LabelAlignsItsTextInItsWidth) {
    struct Case {
        Align align;
        const char* name;
    };
    for (Case c :
         {Case{Align::Left, "left"}, Case{Align::Right, "right"}, Case{Align::Center, "centre"}}) {
        controls.clear();
        w.controls.clear();
        Control& l = label("HIGH", 100, 50, 300, 30, white);
        l.alignment = c.align;
        Picture p = composewindow(w);
        Ink k = inkof(p, white);
        ASSERT_TRUE(k.any()) << c.name;
        int leftgap = k.x0 - 100, rightgap = 399 - k.x1;
        int off = c.align == Align::Left    ? leftgap
                  : c.align == Align::Right ? rightgap
                                            : std::abs(leftgap - rightgap);
        EXPECT_LE(off, 3) << c.name;
        EXPECT_GT(c.align == Align::Center ? std::min(leftgap, rightgap)
                                           : std::max(leftgap, rightgap),
                  50)
            << c.name << ": the text stands away from the other side";
        EXPECT_GE(k.y0, 50) << c.name; // text starts at the label's top
    }
}

TEST_F(WindowTest, LabelIsTransparentAndClippedToItsBoxAndParent) {
    // Wider text than its box: the ink stops at the box's right edge.
    label("WWWWWWWWWWWWWWWWWWWW", 10, 10, 40, 30, white);
    // Listed after the label, so behind it.
    Control& img = add(ControlKind::Image, 0, 0, 200, 100);
    Picture bg = solid(200, 100, blue);
    img.picture = &bg;
    // A label hanging out of a frame is cut at the frame.
    Control& f = add(ControlKind::Frame, 300, 100, 60, 60);
    f.backcolor = grey;
    label("WWWWWWWWWWWWWWWWWWWW", 10, 20, 300, 30, yellow, &f);
    Picture p = composewindow(w);
    Ink k = inkof(p, white, 0, 0, 200, 100);
    ASSERT_TRUE(k.any());
    EXPECT_LE(k.x1, 49);
    EXPECT_GE(k.x1, 44); // cut, not shortened
    // Around the text the image behind shows through.
    EXPECT_EQ(at(p, 12, 38), blue);
    EXPECT_EQ(at(p, 60, 20), blue);
    // Nothing of the frame's label right of the frame.
    EXPECT_FALSE(inkof(p, yellow, 360, 100, 796, 160).any());
    EXPECT_TRUE(inkof(p, yellow, 310, 120, 359, 150).any());
}

TEST_F(WindowTest, LayeringPutsFramesBeforeLabelsAndEarlierBeforeLater) {
    // Listed first but a label: behind the frame listed after it.
    label("XXXXXXXX", 10, 10, 100, 30, yellow);
    Control& f1 = add(ControlKind::Frame, 0, 0, 60, 60);
    f1.backcolor = red;
    // A frame listed later lies behind f1, and so does its child.
    Control& f2 = add(ControlKind::Frame, 30, 30, 60, 60);
    f2.backcolor = green;
    Control& inner = add(ControlKind::Image, 0, 0, 40, 40, &f2);
    Picture pb = solid(40, 40, blue);
    inner.picture = &pb;
    // Two images: the earlier one lies in front.
    Control& i1 = add(ControlKind::Image, 200, 0, 20, 20);
    Picture p1 = solid(20, 20, red);
    i1.picture = &p1;
    Control& i2 = add(ControlKind::Image, 210, 0, 20, 20);
    Picture p2 = solid(20, 20, green);
    i2.picture = &p2;
    Picture p = composewindow(w);
    EXPECT_FALSE(inkof(p, yellow, 0, 0, 60, 60).any()) << "label over a frame";
    EXPECT_TRUE(inkof(p, yellow, 60, 0, 110, 30).any()) << "the label beside the frame";
    EXPECT_EQ(at(p, 40, 40), red) << "later frame's child over the earlier frame";
    EXPECT_EQ(at(p, 65, 65), blue) << "child over its own frame";
    EXPECT_EQ(at(p, 85, 85), green);
    EXPECT_EQ(at(p, 215, 5), red) << "later image over the earlier one";
    EXPECT_EQ(at(p, 225, 5), green);
}

TEST_F(WindowTest, HiddenControlsAndTheirChildrenAreNotDrawn) {
    Control& f = add(ControlKind::Frame, 10, 10, 100, 100);
    f.backcolor = red;
    Control& img = add(ControlKind::Image, 10, 10, 20, 20, &f);
    Picture pb = solid(20, 20, blue);
    img.picture = &pb;
    Picture shownpic = composewindow(w);
    EXPECT_EQ(at(shownpic, 25, 25), blue);
    f.visible = false;
    Picture p = composewindow(w);
    EXPECT_EQ(at(p, 50, 50), black);
    EXPECT_EQ(at(p, 25, 25), black);
    f.visible = true;
    img.visible = false;
    EXPECT_EQ(at(composewindow(w), 25, 25), red);
}

TEST_F(WindowTest, PlayfieldStandsAtItsSurfaceAndUncoversItsParent) {
    Control& f = add(ControlKind::Frame, 0, 0, 400, 300);
    f.backcolor = grey;
    Surface s;
    Control& pf = playfield(s, &f);
    Control& onpf = label("PAUSED", 0, 0, 100, 30, yellow, &pf);
    onpf.alignment = Align::Center;
    s.pixels[size_t(49) * 100 + 99] = blue; // the surface's bottom-right pixel
    Picture p = composewindow(w);
    EXPECT_EQ(at(p, 100, 80), red);
    EXPECT_EQ(at(p, 199, 109), blue);
    EXPECT_EQ(at(p, 200, 80), grey);
    EXPECT_TRUE(inkof(p, yellow, 100, 60, 200, 110).any());
    // The shake moves the surface 7 px right: its old left edge shows the frame.
    s.left += 7 * twipsperpixel;
    p = composewindow(w);
    EXPECT_EQ(at(p, 100, 80), grey);
    EXPECT_EQ(at(p, 106, 80), grey);
    EXPECT_EQ(at(p, 107, 80), red);
    EXPECT_EQ(at(p, 206, 109), blue);
    // Its label moved with it.
    Ink k = inkof(p, yellow);
    ASSERT_TRUE(k.any());
    EXPECT_GE(k.x0, 107);
}

TEST_F(WindowTest, GaugeAndSpinDrawOrangeOnDarkRed) {
    Control& g = add(ControlKind::Gauge, 10, 10, 150, 25);
    g.min = 0;
    g.max = 150;
    g.value = 50;
    Control& sp = add(ControlKind::Spin, 300, 10, 17, 17);
    (void)sp;
    Picture p = composewindow(w);
    EXPECT_EQ(at(p, 12, 20), controlorange);
    EXPECT_EQ(at(p, 58, 20), controlorange);
    EXPECT_EQ(at(p, 62, 20), controldarkred);
    EXPECT_EQ(at(p, 158, 20), controldarkred);
    // Both arrows: orange in the top half and in the bottom half, on dark red.
    EXPECT_TRUE(inkof(p, controlorange, 300, 10, 317, 17).any());
    EXPECT_TRUE(inkof(p, controlorange, 300, 20, 317, 27).any());
    EXPECT_EQ(at(p, 300, 11), controldarkred);
    EXPECT_EQ(at(p, 300, 26), controldarkred);
}

// ---------------------------------------------------------------------------
// Events

struct Press {
    std::string who;
    int button;
    double x, y;
};

TEST_F(WindowTest, MouseDownGoesToTheFrontMostControlInItsUnits) {
    std::vector<Press> got;
    auto record = [&got](const std::string& who) {
        return [&got, who](int b, double x, double y) { got.push_back({who, b, x, y}); };
    };
    Control& back = label("behind", 0, 0, 300, 300, white);
    back.onmousedown = record("label");
    // In front of everything, but hidden.
    Control& hidden = add(ControlKind::Frame, 0, 0, 300, 300);
    hidden.visible = false;
    hidden.onmousedown = record("hidden");
    Control& f = add(ControlKind::Frame, 20, 20, 200, 200);
    f.onmousedown = record("frame");
    Control& child = add(ControlKind::Image, 10, 10, 50, 50, &f);
    child.onmousedown = record("child");
    Surface s;
    makesurface(s, 714, 598, black);
    setscale(s, 17, 13);
    s.left = 300 * twipsperpixel;
    s.top = 10 * twipsperpixel;
    Control& pf = add(ControlKind::Playfield, 0, 0, 0, 0);
    pf.surface = &s;
    pf.onmousedown = record("pic");
    showwindow(w);

    injectclick(w, 35, 36);                              // the frame's child
    injectclick(w, 150, 100, 2);                         // the frame itself, right button
    injectclick(w, 250, 250, 4);                         // only the label
    injectclick(w, 300 + 3 * 42 + 21, 10 + 4 * 46 + 23); // square (3, 4) of the playfield
    injectclick(w, 790, 5);                              // above the playfield: nothing
    doevents();

    ASSERT_EQ(got.size(), 4u);
    EXPECT_EQ(got[0].who, "child");
    EXPECT_DOUBLE_EQ(got[0].x, 5 * 15);
    EXPECT_DOUBLE_EQ(got[0].y, 6 * 15);
    EXPECT_EQ(got[1].who, "frame");
    EXPECT_EQ(got[1].button, 2);
    EXPECT_DOUBLE_EQ(got[1].x, 130 * 15);
    EXPECT_EQ(got[2].who, "label");
    EXPECT_EQ(got[2].button, 4);
    EXPECT_EQ(got[3].who, "pic");
    EXPECT_DOUBLE_EQ(got[3].x, 3.5);
    EXPECT_DOUBLE_EQ(got[3].y, 4.5);
}

TEST_F(WindowTest, ClicksAndSpinArrowsRaiseTheirEvents) {
    std::vector<int> clicks;
    Control& l = label("DONE", 10, 10, 100, 30, white);
    l.onclick = [&clicks](int) { clicks.push_back(0); };
    Control& sp = add(ControlKind::Spin, 200, 10, 17, 17);
    sp.onclick = [&clicks](int arg) { clicks.push_back(arg); };
    showwindow(w);
    injectclick(w, 20, 20);
    injectclick(w, 208, 12);   // up arrow
    injectclick(w, 208, 25);   // down arrow
    injectclick(w, 20, 20, 2); // the right button does not click
    injectclick(w, 208, 12, 2);
    doevents();
    EXPECT_EQ(clicks, (std::vector<int>{0, 1, -1}));
}

TEST_F(WindowTest, GaugeRaisesChangeWhenItsValueMoves) {
    int changes = 0;
    Control& g = add(ControlKind::Gauge, 10, 10, 150, 25);
    g.max = 150;
    g.value = 50;
    g.onchange = [&changes] { ++changes; };
    showwindow(w);
    doevents();
    EXPECT_EQ(changes, 0);
    g.value = 55;
    doevents();
    doevents();
    EXPECT_EQ(changes, 1);
}

TEST_F(WindowTest, KeysGiveVirtualKeyCodesAndTypedCharacters) {
    struct Case {
        int vk, ch;
    };
    const Case cases[] = {{19, 0}, {72, 'h'}, {72, 'H'}, {27, 27},  {65, 0},
                          {37, 0}, {17, 0},   {13, 13},  {32, ' '}, {'5', '%'}};
    std::vector<int> downs, presses;
    w.onkeydown = [&downs](int k) { downs.push_back(k); };
    w.onkeypress = [&presses](int c) { presses.push_back(c); };
    showwindow(w);
    for (const Case& c : cases) {
        downs.clear();
        presses.clear();
        injectkey(c.vk, c.ch);
        doevents();
        EXPECT_EQ(downs, std::vector<int>{c.vk}) << c.vk;
        EXPECT_EQ(presses, c.ch ? std::vector<int>{c.ch} : std::vector<int>{}) << c.vk;
        EXPECT_FALSE(keyheld(c.vk)) << "a typed key is let go again";
    }
}

TEST_F(WindowTest, HeldKeysFollowTheirEvents) {
    const int ten[] = {37, 38, 39, 40, 17, 65, 68, 87, 83, 81};
    showwindow(w);
    for (int vk : ten) {
        injectkeystate(vk, true);
        doevents();
        for (int other : ten) EXPECT_EQ(keyheld(other), other == vk) << vk << " " << other;
        injectkeystate(vk, false);
        doevents();
        EXPECT_FALSE(keyheld(vk)) << vk;
    }
    injectkeystate(87, true);
    injectkeystate(17, true);
    doevents();
    EXPECT_TRUE(keyheld(87) && keyheld(17));
    releaseallkeys();
    EXPECT_FALSE(keyheld(87) || keyheld(17));
}

TEST(KeyTranslation, CharactersFollowShiftCapsAndCtrl) {
    // SDL's key codes of letters are their lower-case characters.
    EXPECT_EQ(virtualkey('q', 0), 'Q');
    EXPECT_EQ(virtualkey(0, scancodeof(40)), 40);
    EXPECT_EQ(virtualkey(0, scancodeof(17)), 17);
    EXPECT_EQ(virtualkey(0, scancodeof(19)), 19);
    EXPECT_EQ(typedchar('h', 0), 'h');
    EXPECT_EQ(typedchar('h', 0x0001 /* left Shift */), 'H');
    EXPECT_EQ(typedchar('h', 0x2000 /* Caps Lock */), 'H');
    EXPECT_EQ(typedchar('h', 0x2001), 'h');
    EXPECT_EQ(typedchar('h', 0x0040 /* left Ctrl */), 8);
    EXPECT_EQ(typedchar('h', 0x0100 /* left Alt */), 0);
    EXPECT_EQ(typedchar('/', 0x0001), '?');
}

TEST_F(WindowTest, MusicNoticeRunsTheWindowsHandler) {
    int music = 0;
    w.onmusicdone = [&music] { ++music; };
    showwindow(w);
    postmusicdone(w);
    doevents();
    EXPECT_EQ(music, 1);
    // After the window has gone a late notice is dropped.
    postmusicdone(w);
    unloadwindow(w);
    doevents();
    EXPECT_EQ(music, 1);
}

TEST_F(WindowTest, HandlersMayProcessEventsAgain) {
    std::vector<int> order;
    int depth = 0, deepest = 0;
    w.onkeydown = [&](int k) {
        order.push_back(k);
        ++depth;
        deepest = std::max(deepest, depth);
        doevents(); // the nested call takes the keys still queued
        --depth;
    };
    showwindow(w);
    injectkey(65, 0);
    injectkey(66, 0);
    injectkey(67, 0);
    doevents();
    EXPECT_EQ(order, (std::vector<int>{65, 66, 67}));
    EXPECT_EQ(deepest, 3);
}

TEST_F(WindowTest, HandlerMayUnloadItsOwnWindow) {
    int presses = 0, clicks = 0;
    w.onkeydown = [this](int) { unloadwindow(w); };
    w.onkeypress = [&presses](int) { ++presses; };
    Control& l = label("x", 0, 0, 100, 100, white);
    l.onclick = [&clicks](int) { ++clicks; };
    showwindow(w);
    injectclick(w, 10, 10);
    injectkey(65, 'a');
    injectclick(w, 10, 10);
    doevents();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(presses, 0);
    EXPECT_FALSE(w.shown);
}

// ---------------------------------------------------------------------------
// Clock and question box

TEST(SimulatedClock, MovesOnlyWhenTold) {
    simulateclock(1000);
    EXPECT_TRUE(clocksimulated());
    EXPECT_EQ(gettickcount(), 1000);
    sleepms(5);
    EXPECT_EQ(gettickcount(), 1005);
    advanceclock(10);
    EXPECT_EQ(gettickcount(), 1015);
    waitingfor(1020.3); // to the first whole millisecond at the deadline
    EXPECT_EQ(gettickcount(), 1021);
    waitingfor(900); // a deadline in the past does not go back
    EXPECT_EQ(gettickcount(), 1021);
    realclock();
    EXPECT_FALSE(clocksimulated());
    Long t0 = gettickcount();
    sleepms(20);
    EXPECT_GE(gettickcount() - t0, 20);
    waitingfor(double(gettickcount()) + 1e6); // returns at once on the real clock
}

TEST(QuestionBox, QueuedAnswersThenNoWithoutAScreen) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    queueanswer(true);
    queueanswer(false);
    EXPECT_TRUE(askyesno("Continue?\nYes or no"));
    EXPECT_EQ(lastquestion(), "Continue?\nYes or no");
    EXPECT_FALSE(askyesno("again"));
    EXPECT_EQ(lastquestion(), "again");
    queueanswer(true);
    EXPECT_TRUE(askyesno("third"));
    // Nothing queued and nobody to see the box: No.
    EXPECT_FALSE(askyesno("fourth"));
    EXPECT_EQ(lastquestion(), "fourth");
}

} // namespace

// Where the picture stands in outputs of several sizes: whole scales when
// they give up little, the aspect kept otherwise, always centred.
TEST(Scaling, PictureFitsTheOutput) {
    struct Case {
        int outw, outh;
        Viewport want;
    } cases[] = {
        {796, 591, {0, 0, 796, 591}},         // its own size
        {1592, 1182, {0, 0, 1592, 1182}},     // twice
        {1700, 1300, {54, 59, 1592, 1182}},   // twice, with bars
        {2560, 1440, {484, 129, 1592, 1182}}, // 2x gives up under a fifth of 2.44x
        {1920, 1080, {232, 0, 1455, 1080}},   // 1x would waste half: scaled, height filled
        {3000, 600, {1102, 4, 796, 591}},     // wide: bars left and right
        {3000, 500, {1163, 0, 673, 500}},     // too low for 1x: shrunk to its height
        {398, 295, {0, 0, 397, 295}},         // smaller than the picture: shrunk
        {10, 2000, {0, 996, 10, 7}},          {0, 591, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        Viewport v = fitpicture(c.outw, c.outh, 796, 591);
        EXPECT_EQ(v.x, c.want.x) << c.outw << "x" << c.outh;
        EXPECT_EQ(v.y, c.want.y) << c.outw << "x" << c.outh;
        EXPECT_EQ(v.width, c.want.width) << c.outw << "x" << c.outh;
        EXPECT_EQ(v.height, c.want.height) << c.outw << "x" << c.outh;
    }
}

// A resized window scales its picture, and the mouse lands on the control under it.
TEST_F(WindowTest, ClicksInAResizedWindowReachTheControlUnderThem) {
    std::vector<Press> got;
    Control& l = label("ITEM", 100, 200, 120, 40, white);
    l.onmousedown = [&got](int b, double x, double y) { got.push_back({"item", b, x, y}); };
    showwindow(w);
    int px = 0, py = 0;
    ASSERT_TRUE(windowpoint(w, 150, 210, px, py));
    EXPECT_EQ(px, 150);
    EXPECT_EQ(py, 210);

    sizewindow(w, 1592, 1182);
    doevents();
    // Both window points over one picture pixel come back to it.
    for (int k : {0, 1}) {
        ASSERT_TRUE(windowpoint(w, 300 + k, 420 + k, px, py));
        EXPECT_EQ(px, 150);
        EXPECT_EQ(py, 210);
    }
    ASSERT_TRUE(windowpoint(w, 1591, 1181, px, py));
    EXPECT_EQ(px, 795);
    EXPECT_EQ(py, 590);
    injectclick(w, 110, 205); // a picture pixel: lands at its doubled place and back
    doevents();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_DOUBLE_EQ(got[0].x, 10 * 15);
    EXPECT_DOUBLE_EQ(got[0].y, 5 * 15);

    // With bars around the picture a point on a bar hits nothing.
    sizewindow(w, 1700, 1300);
    doevents();
    EXPECT_FALSE(windowpoint(w, 20, 650, px, py));
    EXPECT_FALSE(windowpoint(w, 850, 30, px, py));
    ASSERT_TRUE(windowpoint(w, 54 + 300, 59 + 420, px, py));
    EXPECT_EQ(px, 150);
    EXPECT_EQ(py, 210);
}

// ---------------------------------------------------------------------------
// Presenting

// Only what changed is composed again and handed to the screen: after every
// kind of change the picture shown is the whole window composed afresh.
TEST_F(WindowTest, ShownPictureFollowsEveryChange) {
    Control& f = add(ControlKind::Frame, 10, 10, 400, 300);
    f.caption = "Frame";
    f.backcolor = grey;
    Surface s;
    Control& pf = playfield(s, &f);
    Control& onpf = label("PAUSED", 0, 0, 100, 30, yellow, &pf);
    Control& l = label("SCORE", 450, 20, 100, 30, white);
    Picture small = solid(20, 20, green), other = solid(30, 10, yellow);
    Control& img = add(ControlKind::Image, 600, 400, 10, 10);
    img.picture = &small;
    showwindow(w);

    struct Step {
        const char* what;
        std::function<void()> change;
    };
    const Step steps[] = {
        {"nothing", [] {}},
        {"a box painted on the playfield", [&] { fillbox(s, 2, 1, 3, 2, blue); }},
        {"a picture painted over the playfield's edge", [&] { paintpicture(s, small, 9.5, 4.5); }},
        {"text printed on the playfield", [&] { printtext(s, "10"); }},
        {"two boxes far apart",
         [&] {
             fillbox(s, 0, 0, 1, 1, white);
             fillbox(s, 9, 4, 10, 5, white);
         }},
        {"a caption", [&] { l.caption = "SCORE 150"; }},
        {"a label moved", [&] { l.left += 40 * twipsperpixel, l.top += 300 * twipsperpixel; }},
        {"a label on the playfield hidden", [&] { onpf.visible = false; }},
        {"the playfield shaken", [&] { s.left += 7 * twipsperpixel; }},
        {"an image's picture", [&] { img.picture = &other; }},
        {"a frame hidden with its children", [&] { f.visible = false; }},
        {"painting under a hidden frame", [&] { fillbox(s, 4, 2, 6, 3, green); }},
        {"the frame shown again", [&] { f.visible = true; }},
        {"the window's colour", [&] { w.backcolor = blue; }},
    };
    for (const Step& step : steps) {
        step.change();
        SDL_Delay(40); // a display refresh interval passes
        doevents();
        Picture shown = shownpicture(w);
        Picture want = composewindow(w);
        ASSERT_EQ(shown.width, want.width) << step.what;
        ASSERT_EQ(shown.height, want.height) << step.what;
        EXPECT_TRUE(shown.pixels == want.pixels) << "after " << step.what;
    }
}

// A window whose place would hang it over the screen's edge opens on the
// screen (1024 x 768 under the dummy driver), and one too large for it at the corner.
TEST_F(WindowTest, WindowsOpenOnTheScreen) {
    struct Case {
        int left, top, width, height, wantleft, wanttop;
    };
    const Case cases[] = {
        {114, 88, 0, 0, 114, 88},    // fits where it is
        {600, 400, 0, 0, 228, 177},  // over the right and bottom edges
        {-50, -20, 0, 0, 0, 0},      // over the left and top edges
        {114, 88, 1592, 1182, 0, 0}, // larger than the screen
    };
    for (const Case& c : cases) {
        w.left = c.left;
        w.top = c.top;
        w.openwidth = c.width;
        w.openheight = c.height;
        showwindow(w);
        int left = 0, top = 0, width = 0, height = 0;
        ASSERT_TRUE(windowplace(w, left, top, width, height));
        EXPECT_EQ(left, c.wantleft) << c.left << "," << c.top;
        EXPECT_EQ(top, c.wanttop) << c.left << "," << c.top;
        unloadwindow(w);
    }
}

// F11 and Alt+Enter switch fullscreen and never reach the game; Enter alone does.
TEST_F(WindowTest, FullscreenKeysSwitchAndAreSwallowed) {
    std::vector<int> keys;
    w.onkeydown = [&keys](int vk) { keys.push_back(vk); };
    showwindow(w);
    auto press = [](SDL_Keycode sym, Uint16 mod, bool repeat = false) {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.state = SDL_PRESSED;
        e.key.repeat = repeat;
        e.key.keysym.sym = sym;
        e.key.keysym.scancode = SDL_GetScancodeFromKey(sym);
        e.key.keysym.mod = mod;
        SDL_PushEvent(&e);
        doevents();
    };
    bool before = fullscreenshown();
    press(SDLK_F11, KMOD_NONE);
    EXPECT_NE(fullscreenshown(), before);
    press(SDLK_F11, KMOD_NONE, true); // its repeat changes nothing
    EXPECT_NE(fullscreenshown(), before);
    press(SDLK_RETURN, KMOD_LALT);
    EXPECT_EQ(fullscreenshown(), before);
    press(SDLK_RETURN, KMOD_NONE);
    EXPECT_EQ(fullscreenshown(), before);
    EXPECT_EQ(keys, std::vector<int>{13});
}
