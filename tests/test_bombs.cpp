// Bombs: the drop and its square, the bomb pass with its fuses and repaints,
// the removal of spent bombs, the fuse picture and digit, the supply limits.
#include <gtest/gtest.h>

#include "fixture.h"

#include <set>
#include <string>

#include "audio/sound.h"
#include "game/bombs.h"
#include "game/fire.h"
#include "game/form1.h"
#include "platform/clock.h"
#include "platform/font.h"
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
    buildboard(0, 5);
    simulateclock(100000);
    for (int n = 1; n <= 2; ++n) {
        guy[n].life = 10;
        guy[n].lives = 3;
        guy[n].continues = 3;
        guy[n].fuse = 3000;
        guy[n].range = 1;
        guy[n].bombs = 5;
        bombnumberlbl[n].caption = "5";
    }
    for (Integer x = 0; x <= 16; ++x)
        for (Integer y = 0; y <= 12; ++y) {
            square[x][y].kind = 1;
            drawsquare(x, y);
        }
    blocksleft = 0;
    soundlog().clear();
}

// One frame of the game's bomb work, in the frame loop's order; the input
// flags are cleared afterwards, as the next frame would clear them.
void frame() {
    for (Integer n = 1; n <= players; ++n) bombdrop(n);
    bombpass();
    shakestep();
    firepass();
    for (int n = 1; n <= 2; ++n) goleft[n] = goright[n] = goup[n] = godown[n] = dropbomb[n] = 0;
}

// Adds a bomb record the way the bomb-grid key does: no square is looked at.
int placebomb(Integer x, Integer y, Integer fuse, Integer range, Integer owner) {
    int i = addbomb();
    bomb[i] = {fuse, fuse, range, x, y, 0, owner};
    return i;
}

// The square's pixels as they should look with picture p (or, with no
// picture, the colour background) and the text printed in colour c at
// (x + 0.35, y + 0.35).
void expectsquare(Integer x, Integer y, const Picture* p, const std::string& text, Long c,
                  Long background) {
    const TextMask& m = rendertext(pic.font, text);
    ASSERT_GT(m.width, 0) << "no font to print with";
    int x0 = pixelx(pic, x), y0 = pixely(pic, y);
    int tx = pixelx(pic, x + 0.35), ty = pixely(pic, y + 0.35);
    int inked = 0, wrong = 0;
    for (int py = y0; py < y0 + 46; ++py)
        for (int px = x0; px < x0 + 42; ++px) {
            int mx = px - tx, my = py - ty;
            bool ink = mx >= 0 && my >= 0 && mx < m.width && my < m.height &&
                       m.ink[size_t(my) * m.width + mx];
            Long want = ink ? c : p ? Long(p->at(px - x0, py - y0)) : background;
            inked += ink;
            if (pixelat(pic, px, py) != want) ++wrong;
        }
    EXPECT_GT(inked, 0);
    EXPECT_EQ(wrong, 0) << "square " << x << "," << y << " text '" << text << "'";
}

} // namespace

TEST(BombDrop, LandsOnTheSquareThePlayerIsLeaving) {
    struct Case {
        const char* what;
        Single x, y;
        bool left, right, up, down;
        Integer c, r;
    };
    const Case cases[] = {
        {"Right at 4.3", 4.3f, 8, false, true, false, false, 4, 8},
        {"Left at 4.3", 4.3f, 8, true, false, false, false, 5, 8},
        {"gliding at 4.3", 4.3f, 8, false, false, false, false, 4, 8},
        {"Left on column 0", 0, 8, true, false, false, false, 1, 8},
        {"Up at y 6.3", 7, 6.3f, false, false, true, false, 7, 7},
        {"Down at y 6.3", 7, 6.3f, false, false, false, true, 7, 6},
        {"standing still", 16, 12, false, false, false, false, 16, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        openboard();
        guy[1].x = c.x;
        guy[1].y = c.y;
        guy[1].fuse = 4000;
        guy[1].range = 3;
        goleft[1] = c.left ? -1 : 0;
        goright[1] = c.right ? -1 : 0;
        goup[1] = c.up ? -1 : 0;
        godown[1] = c.down ? -1 : 0;
        dropbomb[1] = -1;
        bombdrop(1);
        ASSERT_EQ(bombcount, 1);
        const bombrec& b = bomb[1];
        EXPECT_EQ(b.x, c.c);
        EXPECT_EQ(b.y, c.r);
        EXPECT_EQ(b.fuse, 4000);
        EXPECT_EQ(b.fusetotal, 4000);
        EXPECT_EQ(b.range, 3);
        EXPECT_EQ(b.owner, 1);
        EXPECT_EQ(b.exploded, 0);
        EXPECT_EQ(square[c.c][c.r].bombflag, 1);
        EXPECT_EQ(guy[1].bombs, 4);
        EXPECT_EQ(bombnumberlbl[1].caption, "4");
        expectsquare(c.c, c.r, &bombpic[4], " 4", RGB(0, 0, 0), 0);
    }
}

TEST(BombDrop, RefusedDropsKeepTheBomb) {
    struct Case {
        const char* what;
        Single kind;
        Integer bombflag;
        Integer dropflag;
    };
    const Case cases[] = {
        {"onto a rock", 2, -1, -1},
        {"onto a block", 3, -1, -1},
        {"onto a bomb", 1, 1, -1},
        {"without the drop key", 1, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        openboard();
        guy[1].x = 6;
        guy[1].y = 4;
        square[6][4].kind = c.kind;
        square[6][4].bombflag = c.bombflag;
        dropbomb[1] = c.dropflag;
        bombdrop(1);
        EXPECT_EQ(bombcount, 0);
        EXPECT_EQ(guy[1].bombs, 5);
        EXPECT_EQ(bombnumberlbl[1].caption, "5");
        EXPECT_EQ(square[6][4].bombflag, c.bombflag);
    }
}

TEST(BombDrop, TwoPlayersOnOneSquareOnlyTheFirstDrops) {
    openboard();
    guy[1].x = guy[2].x = 3;
    guy[1].y = guy[2].y = 5;
    dropbomb[1] = dropbomb[2] = -1;
    frame();
    ASSERT_EQ(bombcount, 1);
    EXPECT_EQ(bomb[1].owner, 1);
    EXPECT_EQ(guy[1].bombs, 4);
    EXPECT_EQ(guy[2].bombs, 5);
    EXPECT_EQ(bombnumberlbl[2].caption, "5");
}

TEST(BombPass, ABombDroppedIntoFireGoesOffInTheSameFrame) {
    openboard();
    guy[1].x = 8;
    guy[1].y = 6;
    square[8][6].fireowner = 2; // an arm of someone's fire in its shrinking half
    dropbomb[1] = -1;
    bombdrop(1);
    ASSERT_EQ(bombcount, 1);
    EXPECT_EQ(guy[1].bombs, 4);
    bombpass();
    EXPECT_EQ(explosions, 1);
    EXPECT_EQ(bombcount, 0);
    EXPECT_EQ(guy[1].bombs, 5);
    EXPECT_EQ(bombnumberlbl[1].caption, "5");
    EXPECT_EQ(square[8][6].bombflag, -1);
    EXPECT_GE(firecount, 1);
    EXPECT_EQ(soundlog(), std::vector<std::string>{"\\exb.wav"});
}

TEST(BombPass, RemovalKeepsOnlyTheTickingBomb) {
    openboard();
    placebomb(2, 2, 1, 1, 1);
    placebomb(8, 6, 2000, 1, 2);
    placebomb(14, 10, 1, 1, 2);
    bombpass(); // fuses 1 run down to 0
    EXPECT_EQ(bombcount, 3);
    EXPECT_EQ(explosions, 0);
    bombpass();
    EXPECT_EQ(explosions, 2);
    ASSERT_EQ(bombcount, 1);
    EXPECT_EQ(bomb[1].x, 8);
    EXPECT_EQ(bomb[1].y, 6);
    EXPECT_EQ(bomb[1].fuse, 1998);
    EXPECT_EQ(square[8][6].bombflag, 1);
    EXPECT_EQ(square[2][2].bombflag, -1);
    EXPECT_EQ(square[14][10].bombflag, -1);
    EXPECT_EQ(guy[1].bombs, 6);
    EXPECT_EQ(guy[2].bombs, 6);
    EXPECT_EQ(soundlog().size(), 2u);
}

TEST(BombPass, AFuseOf3000GoesOffInPass3001) {
    openboard();
    guy[1].x = 4;
    guy[1].y = 4;
    dropbomb[1] = -1;
    frame(); // the frame of the drop runs the first pass
    int passes = 1;
    while (bombcount == 1 && passes < 5000) {
        EXPECT_EQ(explosions, 0) << "pass " << passes;
        frame();
        ++passes;
    }
    EXPECT_EQ(passes, 3001);
    EXPECT_EQ(explosions, 1);
    EXPECT_EQ(guy[1].bombs, 5);
}

TEST(BombPass, RepaintsInTheFirstTenPassesThenEvery100) {
    openboard();
    guy[1].x = 10;
    guy[1].y = 2;
    dropbomb[1] = -1;
    bombdrop(1);
    const Long white = RGB(255, 255, 255);
    std::set<int> painted;
    for (int pass = 1; pass <= 300; ++pass) {
        fillbox(pic, 10, 2, 11, 3, white);
        bombpass();
        bool any = false;
        for (int py = pixely(pic, 2); py < pixely(pic, 3); ++py)
            for (int px = pixelx(pic, 10); px < pixelx(pic, 11); ++px)
                any = any || pixelat(pic, px, py) != white;
        if (any) painted.insert(pass);
        if (pass == 1) expectsquare(10, 2, &bombpic[2], " 2", RGB(0, 0, 0), 0);
    }
    const std::set<int> expected = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 100, 200, 300};
    EXPECT_EQ(painted, expected);
}

TEST(BombPass, TwoBombsOnOneSquareGoOffTogether) {
    // Two presses of the bomb-grid key lay two bombs on each grid square; the
    // first one's centre fire sets the second off in the same pass.
    openboard();
    placebomb(4, 4, 1, 0, 1);
    placebomb(6, 6, 500, 0, 1);
    placebomb(4, 4, 1, 0, 1);
    guy[1].bombs = 0;
    bombpass();
    EXPECT_EQ(square[4][4].bombflag, 1);
    bombpass();
    EXPECT_EQ(explosions, 2);
    ASSERT_EQ(bombcount, 1);
    EXPECT_EQ(bomb[1].x, 6);
    EXPECT_EQ(guy[1].bombs, 2);
    EXPECT_EQ(square[4][4].bombflag, -1);
}

TEST(BombPass, ABombGoingOffDrawsOneFlickerColour) {
    // The pass paints a bomb whose fuse is a multiple of 100 even as it goes
    // off, so each explosion takes one random draw before the fire does.
    for (int bombs : {1, 2}) {
        SCOPED_TRACE(bombs);
        openboard();
        for (int b = 0; b < bombs; ++b) {
            int i = placebomb(Integer(3 + 4 * b), 3, 0, 2, 1);
            bomb[i].fusetotal = 3000; // long past its first ten passes
        }
        randomize(11);
        std::vector<Single> draws;
        for (int d = 0; d < 4; ++d) draws.push_back(Rnd());
        randomize(11);
        bombpass();
        EXPECT_EQ(explosions, bombs);
        EXPECT_EQ(Rnd(), draws[size_t(bombs)]);
    }
}

TEST(DrawBomb, PictureAndDigitByFuse) {
    struct Case {
        Integer fuse;
        int picture;
        const char* digit;
    };
    const Case cases[] = {{3000, 3, " 3"}, {2999, 2, " 2"}, {1000, 1, " 1"},
                          {999, 0, " 0"},  {501, 0, " 0"},  {5000, 5, " 5"},
                          {6999, 6, " 6"}, {7000, 6, " 7"}, {32000, 6, " 32"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fuse);
        openboard();
        int i = placebomb(5, 9, c.fuse, 1, 1);
        drawbomb(Integer(i));
        expectsquare(5, 9, &bombpic[c.picture], c.digit, RGB(0, 0, 0), 0);
    }
}

TEST(DrawBomb, TheLast500TicksFlickerAZeroOverTheOldPicture) {
    for (Integer fuse : {500, 100, 0}) {
        for (std::uint64_t seed : {1u, 2u, 3u}) {
            SCOPED_TRACE(testing::Message() << "fuse " << fuse << " seed " << seed);
            openboard();
            int i = placebomb(12, 3, fuse, 1, 1);
            fillbox(pic, 12, 3, 13, 4, RGB(255, 255, 255));
            randomize(seed);
            Long want = RGB(255, CInt(Rnd() * 255), 0);
            randomize(seed);
            drawbomb(Integer(i));
            expectsquare(12, 3, nullptr, " 0", want, RGB(255, 255, 255));
        }
    }
}

TEST(SupplyLimits, CutsAndRepairsTheSupplies) {
    struct Case {
        Integer range;
        Long fuse;
        Integer bombs;
        Integer wantrange;
        Long wantfuse;
        Integer wantbombs;
        const char *rangelabel, *fuselabel, *bomblabel;
    };
    const Case cases[] = {
        {0, 3000, 5, 1, 3000, 5, "1", "-", "-"}, {2, 0, 5, 2, 1000, 5, "-", "1", "-"},
        {2, 3000, 9, 2, 3000, 8, "-", "-", "8"}, {0, 0, 48, 1, 1000, 8, "1", "1", "8"},
        {5, 5000, 8, 5, 5000, 8, "-", "-", "-"},
    };
    for (int n = 1; n <= 2; ++n)
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "player " << n << " range " << c.range << " fuse "
                                            << c.fuse << " bombs " << c.bombs);
            openboard();
            rangelbl[n].caption = fuselbl[n].caption = bombnumberlbl[n].caption = "-";
            guy[n].range = c.range;
            guy[n].fuse = c.fuse;
            guy[n].bombs = c.bombs;
            supplylimits(Integer(n));
            EXPECT_EQ(guy[n].range, c.wantrange);
            EXPECT_EQ(guy[n].fuse, c.wantfuse);
            EXPECT_EQ(guy[n].bombs, c.wantbombs);
            EXPECT_EQ(rangelbl[n].caption, c.rangelabel);
            EXPECT_EQ(fuselbl[n].caption, c.fuselabel);
            EXPECT_EQ(bombnumberlbl[n].caption, c.bomblabel);
        }
}
