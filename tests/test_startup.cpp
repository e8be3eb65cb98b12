// The game window: start-up, the layout, the paced frame loop and its handlers,
// driven through the real event path headless on the simulated clock.
#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/audio.h"

#include <cstdlib>
#include <set>
#include <string>

#include "audio/music.h"
#include "audio/sound.h"
#include "game/form1.h"
#include "game/lives.h"
#include "game/startup.h"
#include "platform/clock.h"
#include "platform/media.h"
#include "platform/window.h"
#include "playfield/pictures.h"
#include "playfield/playfield.h"
#include "state/convert.h"
#include "state/state.h"

namespace {

void startgame(Integer nplayers, Integer firstlevel = 0) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    resetstate();
    setdefaultsettings();
    players = nplayers;
    simulateclock(100000);
    batchstart = 0; // as at program start: no batch yet
    startup(11, firstlevel);
}

bool endswith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// The client-area pixel of a playfield position.
int clickx(double x) {
    return pic.left / twipsperpixel + pixelx(pic, x);
}
int clicky(double y) {
    return pic.top / twipsperpixel + pixely(pic, y);
}

} // namespace

TEST(Startup, PlacesPlayfieldFramesAndPauseLabel) {
    startgame(2);
    EXPECT_TRUE(Form1.shown);
    EXPECT_EQ(pic.left, 1200);
    EXPECT_EQ(pic.top, 0);
    EXPECT_EQ(piccontrol.width, 10710);
    EXPECT_EQ(piccontrol.height, 8970);
    EXPECT_EQ(pic.width, 714);
    EXPECT_EQ(pic.height, 598);
    EXPECT_EQ(pic.scalewidth, 17);
    EXPECT_EQ(pic.scaleheight, 13);
    EXPECT_EQ(piccontrol.surface, &pic);

    struct Box {
        const Control* c;
        int left, top, width, height;
    };
    const Box boxes[] = {{&Frame1, 0, 0, 1200, 4085},
                         {&Frame3, 0, 4085, 1200, 800},
                         {&Frame2, 0, 4885, 1200, 4085},
                         // Centred on the 12110 x 9270 window, measured inside the playfield.
                         {&Pauselbl, 4008, 4388, 1695, 495}};
    for (const Box& b : boxes) {
        EXPECT_EQ(b.c->left, b.left) << b.c->name;
        EXPECT_EQ(b.c->top, b.top) << b.c->name;
        EXPECT_EQ(b.c->width, b.width) << b.c->name;
        EXPECT_EQ(b.c->height, b.height) << b.c->name;
    }
    EXPECT_FALSE(Pauselbl.visible);
    EXPECT_EQ(Pauselbl.caption, "PAUSED");
}

TEST(Startup, ReadiesPlayersAndStartsMusic) {
    mcilog().clear();
    startgame(2);
    for (Integer n = 1; n <= 2; ++n) {
        const guyrec& g = guy[n];
        EXPECT_FLOAT_EQ(g.life, 10);
        EXPECT_EQ(g.lives, 3);
        EXPECT_EQ(g.continues, 3);
        EXPECT_EQ(g.fuse, 3000);
        EXPECT_EQ(g.range, 1);
        EXPECT_EQ(g.bombs, 5);
        EXPECT_EQ(fuselbl[n].caption, "2");
        EXPECT_EQ(liveslbl[n].caption, "3");
        EXPECT_EQ(rangelbl[n].caption, "1");
        EXPECT_EQ(bombnumberlbl[n].caption, "5");
        EXPECT_EQ(scoreboard[n].caption, "0");
    }
    EXPECT_EQ(level, 0);
    EXPECT_EQ(levelstart, 100000);
    EXPECT_EQ(endcount, 7000);
    EXPECT_FLOAT_EQ(guyspeed, 0.01f);
    EXPECT_FLOAT_EQ(enemyspeed, 0.005f);
    EXPECT_EQ(framestep, 1);
    EXPECT_EQ(framecount, 0);

    ASSERT_GE(mcilog().size(), 2u);
    EXPECT_TRUE(endswith(mcilog()[mcilog().size() - 2], "open"));
    EXPECT_TRUE(endswith(mcilog().back(), "play"));
    // The game tune is found beside the program, not in the working folder.
    EXPECT_EQ(Form1MMControl1.FileName, programdir() + "/gimmeall.mid");
    EXPECT_EQ(Form1MMControl1.owner, &Form1);
}

// How many pixels of the playfield at (x, y) show picture p.
int showing(const Picture& p, double x, double y) {
    int px = pixelx(pic, x), py = pixely(pic, y), same = 0;
    for (int j = 0; j < p.height; ++j)
        for (int i = 0; i < p.width; ++i) same += pixelat(pic, px + i, py + j) == Long(p.at(i, j));
    return same;
}

TEST(Startup, PaintsTheFirstPicturesOfThePlayersInTheGame) {
    // Marked first cells, so their painting cannot be mistaken for the ground.
    loadpictures();
    Picture keep1 = guy1right.cells[0], keep2 = guy2left.cells[0];
    for (auto& px : guy1right.cells[0].pixels) px = 0x0000FE;
    for (auto& px : guy2left.cells[0].pixels) px = 0x00FE00;
    const Picture &one = guy1right.cells[0], &two = guy2left.cells[0];
    int all = one.width * one.height;
    startgame(1);
    EXPECT_EQ(showing(one, guy[1].x, guy[1].y), all);
    EXPECT_EQ(showing(two, 16, 0), 0); // player 2's start square on this map
    startgame(2);
    EXPECT_EQ(showing(one, guy[1].x, guy[1].y), all);
    EXPECT_EQ(guy[2].x, 16);
    EXPECT_EQ(showing(two, guy[2].x, guy[2].y), two.width * two.height);
    guy1right.cells[0] = keep1;
    guy2left.cells[0] = keep2;
}

TEST(Startup, OnePlayerLeavesTheSecondRecordEmpty) {
    startgame(1);
    EXPECT_FLOAT_EQ(guy[2].life, 0);
    EXPECT_EQ(guy[2].lives, 0);
    EXPECT_EQ(guy[2].continues, 0);
    EXPECT_EQ(guy[2].bombs, 0);
    EXPECT_EQ(fuselbl[2].caption, "3"); // player 2's labels keep their design text
    EXPECT_EQ(fuselbl[1].caption, "2");
}

TEST(Layout, ScoreboardRowsAsDesigned) {
    startgame(2);
    struct Place {
        const Control* c;
        const Control* parent;
        int left, top, width, height;
        const char* caption;
    };
    // The icon and the value share a top in the lives row, with the "X" lower;
    // in the other rows the icon and the "X" share one and the value is higher.
    const Place places[] = {
        {&Form1Label1, &Frame1, 120, 240, 615, 255, "Score"},
        {&Form1Label2, &Frame2, 120, 240, 615, 375, "Score"},
        {&scoreboard[1], &Frame1, 120, 480, 975, 375, "0"},
        {&Form1Image2, &Frame1, 120, 960, 330, 345, ""},
        {&Form1Label3, &Frame1, 600, 1080, 255, 255, "X"},
        {&liveslbl[1], &Frame1, 840, 960, 255, 375, "3"},
        {&Form1Image8, &Frame2, 120, 1560, 330, 330, ""},
        {&Form1Label9, &Frame2, 600, 1560, 255, 255, "X"},
        {&bombnumberlbl[2], &Frame2, 840, 1440, 255, 375, "5"},
        {&Form1Image4, &Frame1, 120, 2040, 330, 330, ""},
        {&Form1Label6, &Frame1, 600, 2040, 255, 255, "X"},
        {&rangelbl[1], &Frame1, 840, 1920, 255, 375, "1"},
        {&Form1Image6, &Frame2, 120, 2520, 330, 330, ""},
        {&Form1Label4, &Frame2, 600, 2520, 255, 255, "X"},
        {&fuselbl[2], &Frame2, 840, 2400, 255, 375, "2"},
        {&heart1[0], &Frame1, 120, 2880, 210, 240, ""},
        {&heart1[7], &Frame1, 840, 3120, 210, 240, ""},
        {&heart2[8], &Frame2, 360, 3360, 210, 240, ""},
        {&heart2[9], &Frame2, 600, 3360, 210, 240, ""},
        {&timebonuslbl, &Frame3, 120, 240, 975, 375, "0"},
    };
    for (const Place& p : places) {
        EXPECT_EQ(p.c->parent, p.parent) << p.c->name;
        EXPECT_EQ(p.c->left, p.left) << p.c->name;
        EXPECT_EQ(p.c->top, p.top) << p.c->name;
        EXPECT_EQ(p.c->width, p.width) << p.c->name;
        EXPECT_EQ(p.c->height, p.height) << p.c->name;
        EXPECT_EQ(p.c->caption, p.caption) << p.c->name;
    }
    EXPECT_EQ(scoreboard[2].alignment, Align::Right);
    EXPECT_EQ(scoreboard[2].font.family, "MS Sans Serif");
    EXPECT_EQ(scoreboard[2].font.points, 13.5);
    EXPECT_EQ(timebonuslbl.alignment, Align::Center);
    EXPECT_EQ(Pauselbl.font.family, "Times New Roman");
    EXPECT_EQ(Pauselbl.font.points, 21.75);
    EXPECT_EQ(Form1Image2.picture, &Image2);
    EXPECT_EQ(Form1Image1.picture, &Image1);
    EXPECT_EQ(Frame1.caption, "Player 1");
    EXPECT_EQ(Frame2.caption, "Player 2");
    EXPECT_EQ(Frame3.caption, "Time");
    EXPECT_EQ(Frame3.backcolor, RGB(64, 64, 64));
    EXPECT_FALSE(heartimage.visible);
    EXPECT_FALSE(bombpicimage[6].visible);
    EXPECT_EQ(bombpicimage[6].left, 6720 - 720 * 6);
}

TEST(Layout, EveryControlOnceAndAfterItsParent) {
    startgame(1);
    form1layout(); // a second layout must not add the controls twice
    std::set<const Control*> seen;
    std::set<std::string> names;
    for (const Control* c : Form1.controls) {
        EXPECT_TRUE(seen.insert(c).second) << c->name;
        EXPECT_TRUE(names.insert(c->name).second) << c->name;
        if (c->parent) {
            EXPECT_TRUE(seen.count(c->parent)) << c->name;
        }
    }
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(seen.count(&heart1[i]));
        EXPECT_TRUE(seen.count(&heart2[i]));
    }
    EXPECT_TRUE(seen.count(&Pauselbl));
    EXPECT_TRUE(seen.count(&piccontrol));
    EXPECT_TRUE(names.count("heart2(9)"));
    EXPECT_TRUE(names.count("scoreboard(2)"));
}

TEST(Pacing, NoFrameOfABatchEndsBeforeItsDeadline) {
    for (float speed : {15.0f, 20.0f, 1.0f}) {
        startgame(1);
        gamespeed = speed;
        double budget = 80.0 / speed;
        for (int f = 0; f < 3 * int(speed); ++f) {
            Long before = gettickcount();
            framepasses();
            bool first = framecount == 1 || (speed == 1 && framecount == 0);
            Long beforewait = gettickcount();
            pacingwait();
            Long after = gettickcount();
            EXPECT_GE(after, batchstart + budget) << "speed " << speed << " frame " << f;
            if (first) {
                EXPECT_EQ(batchstart, before);
                EXPECT_LT(after, batchstart + budget + 1); // waits no longer than needed
            } else {
                EXPECT_EQ(after, beforewait); // the batch's time is up already
            }
        }
    }
}

TEST(Pacing, LateFrameDoesNotWait) {
    startgame(1);
    gamespeed = 15;
    framepasses();
    ASSERT_EQ(framecount, 1);
    advanceclock(20); // a slow frame, past its 5.33 ms
    Long t = gettickcount();
    pacingwait();
    EXPECT_EQ(gettickcount(), t);
    // The next batch starts where the late one ended.
    for (int i = 0; i < 14; ++i) frame();
    EXPECT_EQ(gettickcount(), t);
    framepasses();
    EXPECT_EQ(batchstart, t);
}

TEST(Pause, FreezesAllButTheTimeLabel) {
    startgame(1);
    gamespeed = 15;
    guy[1].hurttime = 500;
    ASSERT_GT(enemycount, 0);
    injectkey(19, 0);
    frame();
    EXPECT_EQ(paused, -1);
    EXPECT_TRUE(Pauselbl.visible);

    injectkey(72, 'h'); // the grid key works while paused
    doevents();
    ASSERT_EQ(bombcount, 48);

    Long fc = framecount, bs = batchstart;
    enemyrec walker = enemy[1];
    for (int i = 0; i < 100; ++i) {
        advanceclock(100);
        Long t = gettickcount();
        frame();
        EXPECT_EQ(gettickcount(), t); // paused frames never wait
    }
    EXPECT_EQ(framecount, fc);
    EXPECT_EQ(batchstart, bs);
    EXPECT_EQ(enemy[1].x, walker.x);
    EXPECT_EQ(enemy[1].y, walker.y);
    EXPECT_EQ(enemy[1].dir, walker.dir);
    EXPECT_EQ(guy[1].hurttime, 500);
    EXPECT_EQ(bomb[1].fuse, 1200);
    EXPECT_EQ(timebonuslbl.caption, "0");

    injectkey(19, 0);
    framepasses();
    EXPECT_EQ(paused, 0);
    EXPECT_FALSE(Pauselbl.visible);
    EXPECT_EQ(guy[1].hurttime, 499);
    for (int i = 0; i < 15; ++i) framepasses();
    // Ten seconds went by while paused; the label counts them.
    EXPECT_EQ(timebonuslbl.caption, "190");
}

TEST(BombGrid, FortyEightPerPressWithinTheTable) {
    startgame(2);
    injectkey(72, 'h');
    doevents();
    ASSERT_EQ(bombcount, 48);
    std::set<std::pair<int, int>> squares;
    for (int i = 1; i <= 48; ++i) {
        const bombrec& b = bomb[i];
        EXPECT_TRUE(b.x % 2 == 0 && b.y % 2 == 0 && b.x >= 2 && b.x <= 16 && b.y >= 2 && b.y <= 12)
            << i;
        EXPECT_EQ(b.fuse, 50 * b.x + 50 * b.y + 1000);
        EXPECT_EQ(b.fusetotal, b.fuse);
        EXPECT_EQ(b.owner, 1);
        EXPECT_EQ(b.range, 0);
        EXPECT_EQ(b.exploded, 0);
        EXPECT_EQ(square[b.x][b.y].bombflag, -1); // the bomb pass marks them
        squares.insert({b.x, b.y});
    }
    EXPECT_EQ(squares.size(), 48u);
    EXPECT_EQ(bomb[1].x, 2);
    EXPECT_EQ(bomb[1].y, 2);
    EXPECT_EQ(bomb[1].fuse, 1200);
    EXPECT_EQ(bomb[48].fuse, 2400);

    injectkey(72, 'h');
    doevents();
    EXPECT_EQ(bombcount, 96);
    EXPECT_EQ(bomb[49].fuse, 1200);
    EXPECT_EQ(bomb[96].x, 16);
    EXPECT_EQ(bomb[96].y, 12);

    injectkey(72, 'h');
    doevents();
    EXPECT_EQ(bombcount, 100);
    EXPECT_EQ(bomb[97].x, 2);
    EXPECT_EQ(bomb[100].x, 2);
    EXPECT_EQ(bomb[100].y, 8);
}

TEST(Click, PrintsTheSquaresBombMark) {
    startgame(1);
    for (int flag : {-1, 1}) {
        square[3][4].bombflag = Integer(flag);
        pic.forecolor = RGB(255, 0, 0);
        Surface expected = pic;
        expected.currentx = 3.5;
        expected.currenty = 4.5;
        printtext(expected, flag < 0 ? "-1 " : " 1 ");
        ASSERT_NE(expected.pixels, pic.pixels);
        pic_MouseDown(1, 3.5, 4.5);
        EXPECT_EQ(pic.pixels, expected.pixels) << flag;
        drawsquare(3, 4);
        drawsquare(4, 4);
    }
}

TEST(Click, ThroughTheWindowInTheCurrentColour) {
    startgame(1);
    ASSERT_EQ(square[3][4].bombflag, -1);
    Surface before = pic;
    pic.forecolor = RGB(0, 0, 255);
    int px = clickx(3.5), py = clicky(4.5);
    injectclick(Form1, px, py, 2);
    doevents();
    int changed = 0, stray = 0;
    for (int y = 0; y < pic.height; ++y) {
        for (int x = 0; x < pic.width; ++x) {
            Long now = pixelat(pic, x, y);
            if (now == pixelat(before, x, y)) continue;
            ++changed;
            // The text starts at the click and is printed in blue.
            int relx = x - pixelx(pic, 3.5), rely = y - pixely(pic, 4.5);
            if (now != RGB(0, 0, 255) || relx < -1 || rely < -1 || relx > 60 || rely > 30) ++stray;
        }
    }
    EXPECT_GT(changed, 0);
    EXPECT_EQ(stray, 0);
}

TEST(Music, LoopsWhenTheTuneEnds) {
    startgame(1);
    mcilog().clear();
    ASSERT_TRUE(Form1.onmusicdone);
    Form1.onmusicdone();
    ASSERT_EQ(mcilog().size(), 3u);
    EXPECT_TRUE(endswith(mcilog()[0], "close"));
    EXPECT_TRUE(endswith(mcilog()[1], "open"));
    EXPECT_TRUE(endswith(mcilog()[2], "play"));
}

TEST(Pause, PTogglesLikeThePauseKey) {
    startgame(1);
    injectkey(80, 'p');
    doevents();
    EXPECT_EQ(paused, -1);
    EXPECT_TRUE(Pauselbl.visible);
    injectkey(80, 'P');
    doevents();
    EXPECT_EQ(paused, 0);
    EXPECT_FALSE(Pauselbl.visible);
}

TEST(Keys, OtherKeysChangeNothing) {
    startgame(1);
    injectkey(65, 'a');
    injectkey(13, 13);
    doevents();
    Form_KeyPress('x');
    EXPECT_EQ(paused, 0);
    EXPECT_EQ(bombcount, 0);
}

TEST(KeysDeathTest, EscAndCloseEndTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            startgame(1);
            injectkey(27, 27);
            doevents();
            std::exit(3);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(
        {
            startgame(1);
            Form1.onclose();
            std::exit(3);
        },
        ::testing::ExitedWithCode(0), "");
}

// During play only the squares that were painted and the labels that changed
// are composed again for the screen: what is shown stays the whole window.
TEST(Startup, ScreenShowsTheWholeWindowDuringPlay) {
    startgame(2);
    injectkeystate(39, true); // player 1 walks right, player 2 left
    injectkeystate(65, true);
    for (int k = 0; k < 30; ++k) {
        for (int i = 0; i < 200; ++i) frame();
        if (k == 3) injectkeystate(17, true); // a bomb, its fire and the shake
        if (k == 4) injectkeystate(17, false);
        SDL_Delay(20); // a display refresh interval passes
        doevents();
        Picture shown = shownpicture(Form1);
        ASSERT_FALSE(shown.pixels.empty());
        ASSERT_TRUE(shown.pixels == composewindow(Form1).pixels)
            << "after " << (k + 1) * 200 << " frames";
    }
    injectkeystate(39, false);
    injectkeystate(65, false);
    doevents();
}
