// Explosions and fire: the cross of fire records, broken blocks, the timing of
// lighting, burning and marking, chain reactions, the flame bars and the shake.
#include <gtest/gtest.h>

#include "fixture.h"

#include <vector>

#include "audio/sound.h"
#include "game/bombs.h"
#include "game/fire.h"
#include "game/form1.h"
#include "platform/clock.h"
#include "platform/random.h"
#include "playfield/pictures.h"
#include "playfield/playfield.h"
#include "state/convert.h"
#include "state/levels.h"
#include "state/state.h"

namespace {

// Level 0 with two players at their start values, then the whole board
// turned into ground so every test places its own blocks and rocks.
void openboard() {
    buildboard(0, 9);
    simulateclock(32000);
    for (int n = 1; n <= 2; ++n) {
        guy[n].life = 10;
        guy[n].fuse = 3000;
        guy[n].range = 1;
        guy[n].bombs = 5;
    }
    for (Integer x = 0; x <= 16; ++x)
        for (Integer y = 0; y <= 12; ++y) {
            square[x][y].kind = 1;
            drawsquare(x, y);
        }
    blocksleft = 0;
    pic.left = 1200;
    soundlog().clear();
}

// One frame of the game's bomb and fire work, in the frame loop's order.
void frame() {
    for (Integer n = 1; n <= players; ++n) bombdrop(n);
    bombpass();
    shakestep();
    firepass();
}

// Adds a bomb record the way the bomb-grid key does: no square is looked at.
int placebomb(Integer x, Integer y, Integer fuse, Integer range, Integer owner) {
    int i = addbomb();
    bomb[i] = {fuse, fuse, range, x, y, 0, owner};
    return i;
}

// Slot of the fire on square (x, y), 0 when none burns or waits there.
int fireat(Integer x, Integer y) {
    for (int i = 1; i <= firecount; ++i)
        if (fire[i].x == x && fire[i].y == y) return i;
    return 0;
}

void setsquare(Integer x, Integer y, Single kind) {
    square[x][y].kind = kind;
    drawsquare(x, y);
}

} // namespace

TEST(Explosion, CrossOfFiresDownUpRightLeft) {
    openboard();
    firedelay = 3;
    placebomb(8, 6, 0, 3, 2);
    bombpass();
    EXPECT_EQ(explosions, 1);
    EXPECT_EQ(guy[2].bombs, 6);
    EXPECT_EQ(bombnumberlbl[2].caption, "6");
    EXPECT_EQ(square[8][6].fireowner, 1); // the centre is marked 1 whoever dropped it
    EXPECT_EQ(square[8][6].bombflag, -1);
    const firerec want[] = {
        {8, 6, 1, 0, 45, 0, 2},  {8, 7, 3, 3, 45, 0, 2}, {8, 8, 3, 6, 45, 0, 2},
        {8, 9, 3, 9, 45, 0, 2},  {8, 5, 3, 3, 45, 0, 2}, {8, 4, 3, 6, 45, 0, 2},
        {8, 3, 3, 9, 45, 0, 2},  {9, 6, 2, 3, 45, 0, 2}, {10, 6, 2, 6, 45, 0, 2},
        {11, 6, 2, 9, 45, 0, 2}, {7, 6, 2, 3, 45, 0, 2}, {6, 6, 2, 6, 45, 0, 2},
        {5, 6, 2, 9, 45, 0, 2},
    };
    ASSERT_EQ(firecount, 13);
    for (int i = 0; i < 13; ++i) {
        SCOPED_TRACE(i + 1);
        const firerec& f = fire[i + 1];
        EXPECT_EQ(f.x, want[i].x);
        EXPECT_EQ(f.y, want[i].y);
        EXPECT_EQ(f.kind, want[i].kind);
        EXPECT_EQ(f.count, want[i].count);
        EXPECT_EQ(f.length, 45);
        EXPECT_EQ(f.burning, 0);
        EXPECT_EQ(f.owner, 2);
    }
    for (Integer y = 3; y <= 9; ++y) EXPECT_EQ(square[8][y].fireowner, y == 6 ? 1 : 0);
}

TEST(Explosion, ArmsEndAtTheBoardsEdge) {
    struct Case {
        Integer x, y, range;
        int fires;
    };
    const Case cases[] = {{0, 12, 2, 5}, {16, 0, 5, 11}, {0, 0, 0, 1}, {1, 11, 3, 9}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " range " << c.range);
        openboard();
        placebomb(c.x, c.y, 0, c.range, 1);
        bombpass();
        EXPECT_EQ(firecount, c.fires);
        for (int i = 1; i <= firecount; ++i) {
            EXPECT_GE(fire[i].x, 0);
            EXPECT_LE(fire[i].x, 16);
            EXPECT_GE(fire[i].y, 0);
            EXPECT_LE(fire[i].y, 12);
        }
    }
}

TEST(Explosion, OnlyABlockRightNextToTheBombBreaks) {
    openboard();
    setsquare(9, 6, 3); // right, next to the bomb: breaks
    setsquare(6, 6, 3); // left, two away: stops the arm and stays
    setsquare(8, 5, 2); // up, a rock: the arm ends at once
    setsquare(8, 8, 2); // down, a rock two away
    blocksleft = 5;
    placebomb(8, 6, 0, 2, 1);
    bombpass();

    EXPECT_EQ(blocksleft, 4);
    EXPECT_EQ(square[9][6].kind, 1);
    EXPECT_EQ(point(pic, 9.5, 6.5), groundcolor);
    EXPECT_EQ(square[6][6].kind, 3);
    EXPECT_EQ(point(pic, 6.05, 6.05), Long(block.at(2, 2)));
    EXPECT_EQ(square[8][5].kind, 2);
    ASSERT_EQ(popupcount, 1);
    EXPECT_EQ(popup[1].x, 9);
    EXPECT_EQ(popup[1].points, 10);
    EXPECT_EQ(popup[1].owner, 1);

    EXPECT_EQ(firecount, 3);
    EXPECT_NE(fireat(8, 6), 0);
    EXPECT_NE(fireat(8, 7), 0);
    EXPECT_NE(fireat(7, 6), 0);
    EXPECT_EQ(fireat(9, 6), 0);
    EXPECT_EQ(fireat(6, 6), 0);
    EXPECT_EQ(fireat(8, 5), 0);
}

TEST(Explosion, ABombGridBombTurnsItsSquareIntoGround) {
    for (Single kind : {2.0f, 3.0f}) {
        SCOPED_TRACE(kind);
        openboard();
        setsquare(4, 4, kind);
        blocksleft = 7;
        placebomb(4, 4, 1, 0, 1);
        EXPECT_EQ(square[4][4].bombflag, -1);
        frame();
        EXPECT_EQ(square[4][4].bombflag, 1); // the bomb pass marks it
        EXPECT_EQ(square[4][4].kind, kind);
        frame();
        EXPECT_EQ(explosions, 1);
        EXPECT_EQ(bombcount, 0);
        EXPECT_EQ(square[4][4].kind, 1);
        EXPECT_EQ(square[4][4].bombflag, -1);
        EXPECT_EQ(point(pic, 4.05, 4.05), groundcolor);
        EXPECT_EQ(blocksleft, 7);
        EXPECT_EQ(firecount, 1);
    }
}

TEST(FirePass, LightingDelayGrowsWithTheDistance) {
    struct Case {
        Integer firedelay;
        int lights[4]; // frame after the explosion's, for distances 0 to 3
    };
    const Case cases[] = {{3, {0, 2, 5, 8}}, {1, {0, 0, 1, 2}}, {0, {0, 0, 0, 0}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.firedelay);
        openboard();
        firedelay = c.firedelay;
        placebomb(8, 6, 0, 3, 1); // goes off in frame 0
        int lit[4][4];
        for (auto& arm : lit)
            for (int& f : arm) f = -1;
        const int steps[4][2] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};
        for (int f = 0; f <= 12; ++f) {
            frame();
            for (int a = 0; a < 4; ++a)
                for (int k = 0; k <= 3; ++k) {
                    int i = fireat(Integer(8 + steps[a][0] * k), Integer(6 + steps[a][1] * k));
                    if (i && fire[i].burning == 1 && lit[a][k] < 0) lit[a][k] = f;
                }
        }
        for (int a = 0; a < 4; ++a)
            for (int k = 0; k <= 3; ++k)
                EXPECT_EQ(lit[a][k], c.lights[k]) << "arm " << a << " distance " << k;
    }
}

TEST(FirePass, AFireBurns22FramesAndLeavesGround) {
    openboard();
    placebomb(3, 3, 0, 0, 1);
    std::vector<int> counts;
    for (int f = 0; f < 30 && (f == 0 || firecount > 0); ++f) {
        frame();
        if (firecount > 0) counts.push_back(fire[1].count);
    }
    // 45 - 2.5 rounds to 42 and 42 - 2.5 to 40: ties go to the even number.
    std::vector<int> want;
    for (int c = 42; c >= 2; c -= 2) want.push_back(c);
    EXPECT_EQ(counts, want);
    EXPECT_EQ(firecount, 0);
    EXPECT_EQ(square[3][3].fireowner, 0);
    EXPECT_EQ(point(pic, 3.5, 3.5), groundcolor);
}

TEST(FirePass, AnEndingFireRestartsTheWalkFromSlotOne) {
    openboard();
    for (Integer c : {30, 2, 40}) {
        int i = addfire();
        fire[i] = {Integer(2 + i), 2, 2, c, 45, 1, 1};
    }
    firepass();
    // Slot 1 is stepped twice (30, 28, 26); the last fire moves into slot 2
    // and is stepped once (40 to 38).
    ASSERT_EQ(firecount, 2);
    EXPECT_EQ(fire[1].count, 26);
    EXPECT_EQ(fire[2].x, 5);
    EXPECT_EQ(fire[2].count, 38);
    EXPECT_EQ(square[4][2].fireowner, 0);
}

TEST(FireMarks, CentreAndArmSquaresHurtFromTheirShrinkingHalf) {
    // The player's hurt test runs early in a frame, so he is hurt in the
    // frame after the one that set the mark: on the centre in frame 1, on an
    // arm square in frame 13, after the flame has grown for 10 frames.
    openboard();
    firedelay = 3;
    placebomb(8, 6, 0, 1, 2); // player 2's bomb goes off in frame 0
    std::vector<int> centre, arm;
    for (int f = 0; f <= 25; ++f) {
        frame();
        centre.push_back(square[8][6].fireowner);
        arm.push_back(square[8][7].fireowner);
    }
    std::vector<int> wantcentre, wantarm;
    for (int f = 0; f <= 25; ++f) {
        wantcentre.push_back(f <= 9 ? 1 : f <= 20 ? 2 : 0);
        wantarm.push_back(f >= 12 && f <= 22 ? 2 : 0);
    }
    EXPECT_EQ(centre, wantcentre);
    EXPECT_EQ(arm, wantarm);
}

TEST(FireMarks, ChainReaction) {
    openboard();
    firedelay = 3;
    placebomb(4, 8, 0, 2, 1);    // A goes off in frame 0
    placebomb(6, 8, 3000, 1, 2); // B, two squares to the right
    int lit = -1, marked = -1, wentoff = -1;
    for (int f = 0; f <= 20; ++f) {
        frame();
        int i = fireat(6, 8);
        if (lit < 0 && i && fire[i].burning == 1) lit = f;
        if (marked < 0 && square[6][8].fireowner != 0) marked = f;
        if (wentoff < 0 && bombcount == 0) {
            wentoff = f;
            EXPECT_EQ(explosions, 1);
        }
    }
    EXPECT_EQ(lit, 5);
    EXPECT_EQ(marked, 15);
    EXPECT_EQ(wentoff, 16);
    EXPECT_EQ(guy[2].bombs, 6);
}

TEST(DrawFire, BarsAndMarksByKindAndCount) {
    const Long white = RGB(255, 255, 255);
    enum Look { Untouched, Ground, Flame };
    struct Case {
        Integer kind, count;
        bool marked;
        Look offbars;    // (x + 0.1, y + 0.1), on no bar
        Look horizontal; // (x + 0.1, y + 0.5), on the horizontal bar only
        Look vertical;   // (x + 0.5, y + 0.1), on the vertical bar only
        Look wide;       // (x + 0.1, y + 0.35), on a horizontal bar wider than 0.15
    };
    const Case cases[] = {
        {2, 42, false, Untouched, Flame, Untouched, Untouched},
        {2, 24, false, Untouched, Flame, Untouched, Flame},
        {3, 23, false, Untouched, Untouched, Flame, Untouched},
        {3, 22, true, Ground, Ground, Flame, Ground},
        {2, 16, true, Ground, Flame, Ground, Flame},
        {2, 2, true, Ground, Flame, Ground, Ground},
        {1, 40, false, Untouched, Flame, Flame, Untouched},
        {1, 10, true, Ground, Flame, Flame, Ground},
        {1, 0, true, Untouched, Untouched, Untouched, Untouched},
        {5, 30, false, Untouched, Untouched, Untouched, Untouched},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " count " << c.count);
        openboard();
        int i = addfire();
        fire[i] = {10, 5, c.kind, c.count, 45, 1, 2};
        fillbox(pic, 10, 5, 11, 6, white);
        randomize(77);
        Long first = RGB(255, CInt(Rnd() * 255), 0), second = RGB(255, CInt(Rnd() * 255), 0);
        randomize(77);
        pic.drawwidth = 4;
        drawfire(Integer(i));
        EXPECT_EQ(pic.drawwidth, 1);
        EXPECT_EQ(square[10][5].fireowner, c.marked ? 2 : 0);
        // A centre paints its vertical bar in the first colour and its
        // horizontal bar in the second; an arm's one bar takes the first.
        Long hcolour = c.kind == 1 ? second : first;
        auto colour = [&](Look l, Long flame) {
            return l == Untouched ? white : l == Ground ? groundcolor : flame;
        };
        EXPECT_EQ(point(pic, 10.1, 5.1), colour(c.offbars, 0));
        EXPECT_EQ(point(pic, 10.1, 5.5), colour(c.horizontal, hcolour));
        EXPECT_EQ(point(pic, 10.5, 5.1), colour(c.vertical, first));
        EXPECT_EQ(point(pic, 10.1, 5.35), colour(c.wide, hcolour));
    }
}

TEST(Shake, JumpsAroundItsPlaceFor200ms) {
    struct Step {
        Long at;        // ms after the explosion's frame
        bool explosion; // a bomb goes off in this frame
        int left;       // twips
        bool shaking;
    };
    struct Case {
        const char* what;
        Integer shakefactor;
        std::vector<Step> steps;
    };
    // At tick 32000 (tick / 16 even) the playfield stands right of its place
    // by 200 twips, 13 pixels; 16 ms later left of it by 184, 12 pixels.
    const Case cases[] = {
        {"strength 10",
         10,
         {{0, true, 1395, true},
          {16, false, 1020, true},
          {100, false, 1305, true},
          {199, false, 1200, true},
          {200, false, 1200, false},
          {300, false, 1200, false}}},
        {"strength 5", 5, {{0, true, 1305, true}, {16, false, 1110, true}}},
        {"off", 0, {{0, true, 1200, false}, {16, false, 1200, false}}},
        {"a new explosion starts afresh",
         10,
         {{0, true, 1395, true},
          {160, true, 1395, true},
          {260, false, 1305, true},
          {360, false, 1200, false}}},
        {"a pause of 5 s ends it", 10, {{0, true, 1395, true}, {5000, false, 1200, false}}},
        {"a pause of 40 s wraps the time left",
         10,
         {{0, true, 1395, true}, {40000, false, 1200, false}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        openboard();
        shakefactor = c.shakefactor;
        for (const Step& s : c.steps) {
            SCOPED_TRACE(s.at);
            simulateclock(32000 + s.at);
            if (s.explosion) placebomb(2, Integer(2 + bombcount), 0, 0, 1);
            frame();
            EXPECT_EQ(explosions, s.explosion ? 1 : 0);
            EXPECT_EQ(pic.left, s.left);
            EXPECT_EQ(shaketime > 0, s.shaking);
        }
    }
}
