// Enemies: walking and snapping on the grid, new directions, the walking
// cells, death in fire with its splatter and removal, contact with players,
// and long random walks that must stay on ground and leave no smear.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "audio/sound.h"
#include "game/enemies.h"
#include "platform/random.h"
#include "playfield/pictures.h"
#include "playfield/playfield.h"
#include "state/convert.h"
#include "state/levels.h"
#include "state/state.h"

namespace {

constexpr Long ground = RGB(48, 120, 48);

// A level built the way the game builds it, with the game's enemy speed.
void startlevel(Integer n, std::uint64_t seed = 1) {
    resetstate();
    setdefaultsettings();
    makeplayfield();
    loadpictures();
    randomize(seed);
    level = n;
    reset();
    enemyspeed = 0.005f;
    players = 2;
    for (int p = 1; p <= 2; ++p) {
        guy[p].life = 10;
        guy[p].hurttime = 30000; // out of the enemies' reach unless a test says otherwise
    }
    soundlog().clear();
}

// An empty board: the rows give each square's kind ('g' ground, 'r' rock,
// 'b' block), missing rows and letters are ground; no enemies, players far off.
void startboard(std::vector<std::string> rows = {}) {
    startlevel(0);
    enemycount = coincount = 0;
    popupcount = 0;
    for (int p = 1; p <= 2; ++p) guy[p].x = guy[p].y = -10;
    for (Integer x = 0; x <= 16; ++x)
        for (Integer y = 0; y <= 12; ++y) {
            char c = y < int(rows.size()) && x < int(rows[y].size()) ? rows[y][x] : 'g';
            square[x][y].kind = c == 'r' ? 2 : c == 'b' ? 3 : 1;
            square[x][y].fireowner = 0;
            drawsquare(x, y);
        }
}

int placeenemy(Single x, Single y, Integer dir = 0) {
    int i = addenemy();
    enemy[i].x = x;
    enemy[i].y = y;
    enemy[i].dir = dir;
    return i;
}

void frames(int n) {
    for (int k = 0; k < n; ++k) enemypass();
}

// Pixels of square (x, y) that are not ground.
int smearedpixels(int x, int y) {
    int n = 0;
    for (int py = y * 46; py < (y + 1) * 46; ++py)
        for (int px = x * 42; px < (x + 1) * 42; ++px)
            if (pixelat(pic, px, py) != ground) ++n;
    return n;
}

// Swaps the four walking sheets for test sheets and puts the real ones back.
struct SheetSwap {
    Sheet saved[4];
    Sheet* sheets[4] = {&dinowalkup, &dinowalkright, &dinowalkdown, &dinowalkleft};
    SheetSwap() {
        // Load the real art first, so that a later load cannot overwrite the swap.
        loadpictures();
        for (int k = 0; k < 4; ++k) saved[k] = *sheets[k];
    }
    ~SheetSwap() {
        for (int k = 0; k < 4; ++k) *sheets[k] = saved[k];
    }
};

// Every pixel of cell k of the sheet for dir is one colour that names both.
Long cellcolour(int dir, int k) {
    return RGB(200, 10 * dir, 20 * k + 5);
}
Sheet colouredsheet(int dir, int cols) {
    Picture p;
    p.width = 42 * cols;
    p.height = 45;
    p.pixels.resize(size_t(p.width) * p.height);
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            p.pixels[size_t(y) * p.width + x] = std::uint32_t(cellcolour(dir, x / 42));
    return makesheet(p, cols);
}

} // namespace

TEST(EnemySetup, LevelSetupClearsDirectionAndDying) {
    // Slots left dying and walking by an earlier level start clean.
    for (Integer lv : {Integer(0), Integer(7)}) {
        startlevel(0);
        for (int i = 1; i <= 10; ++i) enemy[i] = enemyrec{2.5f, 3.5f, 3, 1};
        level = lv;
        reset();
        ASSERT_EQ(enemycount, lv == 0 ? 2 : 7);
        for (int i = 1; i <= enemycount; ++i) {
            EXPECT_EQ(enemy[i].dir, 0) << "level " << lv << " slot " << i;
            EXPECT_EQ(enemy[i].dying, 0) << "level " << lv << " slot " << i;
            EXPECT_EQ(enemy[i].x, Int(enemy[i].x));
            EXPECT_EQ(enemy[i].y, Int(enemy[i].y));
        }
    }
}

// A corridor along row 5 (or column 5) that ends at a rock, so the only way on
// from the end square is back: the reversal shows that newdirection ran there.
TEST(EnemyWalk, SnapsOntoTheSquareJustReached) {
    struct Case {
        bool vertical;
        Single start;
        Integer dir;
        int frames; // frames until the enemy stands on end
        Single end;
        Integer backdir;
    };
    const Case cases[] = {
        {false, 4, 2, 200, 5, 4}, // the 200th step lands a little above 5
        {false, 6, 4, 199, 5, 2}, // the 199th step lands just below 5 + enemyspeed
        {true, 4, 3, 200, 5, 1},  {true, 6, 1, 199, 5, 3},
        {false, 1, 2, 201, 2, 4}, // column 1 walks right: its first step lands just below
        {true, 1, 3, 201, 2, 1},  // 1.005 and stands, the 201st is pulled back to 2
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << (c.vertical ? "y" : "x") << " from " << c.start << " dir " << c.dir);
        // Rock all round except a line through row/column 5 from start to end.
        std::vector<std::string> rows(13, std::string(17, 'r'));
        int lo = int(std::min(c.start, c.end)), hi = int(std::max(c.start, c.end));
        for (int k = lo; k <= hi; ++k) {
            if (c.vertical)
                rows[k][5] = 'g';
            else
                rows[5][k] = 'g';
        }
        startboard(rows);
        int i = c.vertical ? placeenemy(5, c.start, c.dir) : placeenemy(c.start, 5, c.dir);
        Single& along = c.vertical ? enemy[i].y : enemy[i].x;
        Single& across = c.vertical ? enemy[i].x : enemy[i].y;

        frames(1);
        EXPECT_NE(along, c.start) << "the first step stands";
        frames(c.frames - 2);
        EXPECT_NE(along, Int(along)) << "still between squares one frame before";
        EXPECT_EQ(enemy[i].dir, c.dir);
        frames(1);
        EXPECT_EQ(along, c.end);
        EXPECT_EQ(across, 5);
        EXPECT_EQ(enemy[i].dir, c.backdir);
    }
}

TEST(EnemyWalk, TurnsBackAtTheEdgesWithoutWalkingAlongThem) {
    struct Case {
        Single x, y;
        Integer dir, backdir;
        Single edgepos; // the coordinate after the single step into row/column 0
    };
    const Case cases[] = {{5, 1, 1, 3, 0.995f}, {1, 5, 4, 2, 0.995f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "dir " << c.dir);
        startboard();
        int i = placeenemy(c.x, c.y, c.dir);
        Single& along = c.dir == 1 ? enemy[i].y : enemy[i].x;
        frames(1);
        EXPECT_EQ(along, c.edgepos);
        frames(1); // turned without a step
        EXPECT_EQ(along, c.edgepos);
        EXPECT_EQ(enemy[i].dir, c.backdir);
        frames(1); // back on the whole square, where newdirection runs
        EXPECT_EQ(along, 1);
    }
}

TEST(EnemyWalk, BoxedInEnemyWaitsUnpaintedAndLeavesWhenABlockBreaks) {
    startboard({"", "", "", "", "     b", "    rgr", "     r"});
    int i = placeenemy(5, 5);
    frames(1);
    EXPECT_EQ(enemy[i].dir, -1);
    // Paint the square so any repaint of the sprite would show.
    fillbox(pic, 5, 5, 6, 6, RGB(1, 2, 3));
    frames(50);
    EXPECT_EQ(enemy[i].dir, -1);
    EXPECT_EQ(enemy[i].x, 5);
    EXPECT_EQ(enemy[i].y, 5);
    EXPECT_EQ(smearedpixels(5, 5), 42 * 46);
    EXPECT_EQ(point(pic, 5.5, 5.5), RGB(1, 2, 3));

    square[5][4].kind = 1; // the block above breaks
    drawsquare(5, 4);
    frames(1);
    EXPECT_EQ(enemy[i].dir, 1) << "the only open side";
    EXPECT_EQ(enemy[i].y, 5) << "no step in the frame the block breaks";
    EXPECT_NE(point(pic, 5.5, 5.5), RGB(1, 2, 3)) << "painted again";
    frames(1);
    EXPECT_LT(enemy[i].y, 5);
    EXPECT_EQ(enemy[i].x, 5);
}

TEST(EnemyDrawing, CellFollowsTheWayAcrossTheSquare) {
    SheetSwap swap;
    dinowalkup = colouredsheet(1, 4);
    dinowalkright = colouredsheet(2, 8);
    dinowalkdown = colouredsheet(3, 4);
    dinowalkleft = colouredsheet(4, 8);
    struct Case {
        Single x, y;
        Integer dir;
        int cell;
    };
    const Case cases[] = {
        {3.5f, 4, 2, 4},   {3, 4, 2, 0},     {3.124f, 4, 2, 0},  {3.125f, 4, 2, 1},
        {3.999f, 4, 4, 7}, {5, 7.75f, 3, 3}, {5, 7.7499f, 3, 2}, {5, 7, 3, 0},
        {5, 7.25f, 1, 1},  {5, 7.5f, 1, 2},
    };
    for (const Case& c : cases) {
        startboard();
        int i = placeenemy(c.x, c.y, c.dir);
        drawenemy(Integer(i));
        EXPECT_EQ(point(pic, c.x + 0.5, c.y + 0.5), cellcolour(c.dir, c.cell))
            << "x " << c.x << " y " << c.y << " dir " << c.dir;
        // Painted unscaled with its top-left corner at (x, y).
        EXPECT_EQ(pixelat(pic, pixelx(pic, c.x), pixely(pic, c.y)), cellcolour(c.dir, c.cell));
        EXPECT_EQ(pixelat(pic, pixelx(pic, c.x) + 42, pixely(pic, c.y) + 20), ground);
        EXPECT_EQ(pixelat(pic, pixelx(pic, c.x) + 20, pixely(pic, c.y) + 45), ground);
    }
    for (Integer dir : {Integer(0), Integer(-1)}) {
        startboard();
        int i = placeenemy(3, 4, dir);
        drawenemy(Integer(i));
        EXPECT_EQ(smearedpixels(3, 4), 0) << "dir " << dir;
    }
}

TEST(EnemyDefeat, FireCatchesTheSquareUnderTheCornerAndPopsUp150) {
    struct Case {
        Single x, y;
        bool caught;
    };
    const Case cases[] = {
        {4.8f, 3, true}, {4.78f, 3, false}, {4.795f, 3, true}, {5, 2.8f, true}, {5, 2.78f, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "x " << c.x << " y " << c.y);
        startboard();
        square[5][3].fireowner = 2;
        int i = placeenemy(c.x, c.y, -1); // standing still
        frames(1);
        if (!c.caught) {
            EXPECT_EQ(enemy[i].dying, 0);
            EXPECT_EQ(popupcount, 0);
            continue;
        }
        EXPECT_EQ(enemy[i].dying, 99) << "the countdown starts in the frame of the hit";
        ASSERT_EQ(popupcount, 1);
        EXPECT_EQ(popup[1].x, Int(c.x));
        EXPECT_EQ(popup[1].y, Int(c.y));
        EXPECT_EQ(popup[1].points, 150);
        EXPECT_EQ(popup[1].owner, 2);
        frames(5); // still in the fire, but already dying: no second award
        EXPECT_EQ(popupcount, 1);
    }
}

TEST(EnemyDefeat, DyingEnemyStopsIsSplatteredAndRemoved) {
    // A second enemy shut in by rocks lives on and takes no random draws.
    startboard({"", "", "", "", "", "", "", "          r", "         rgr", "          r"});
    square[4][3].fireowner = 1;
    placeenemy(4.5f, 3, 2);
    placeenemy(10, 8);
    guy[1].x = 4;
    guy[1].y = 3;
    guy[1].hurttime = 0; // a living enemy here would hurt him
    randomize(77);
    frames(98);
    EXPECT_EQ(enemycount, 2);
    EXPECT_EQ(enemy[1].dying, 2);
    EXPECT_EQ(enemy[1].x, 4.5f) << "a dying enemy does not move";
    EXPECT_EQ(guy[1].life, 10) << "nor touch players";
    EXPECT_EQ(guy[1].hurttime, 0);
    frames(1); // the 99th frame from the hit removes it
    ASSERT_EQ(enemycount, 1);
    EXPECT_EQ(enemy[1].x, 10);
    EXPECT_EQ(enemy[1].dir, -1);

    // Nine splatters of four draws each, and nothing else drawn.
    Single next = Rnd();
    randomize(77);
    for (int k = 0; k < 9 * 4; ++k) Rnd();
    EXPECT_EQ(next, Rnd());

    // Red dots over the spot: pixels with no green and no blue.
    int red = 0;
    for (int py = pixely(pic, 2.5); py < pixely(pic, 4.5); ++py)
        for (int px = pixelx(pic, 4); px < pixelx(pic, 6); ++px) {
            Long c = pixelat(pic, px, py);
            if (((c >> 8) & 255) == 0 && ((c >> 16) & 255) == 0) ++red;
        }
    EXPECT_GT(red, 0);
}

TEST(EnemyDefeat, TwoCaughtTogetherAreRemovedOneFrameApart) {
    startboard();
    square[4][3].fireowner = 1;
    square[8][3].fireowner = 2;
    placeenemy(4, 3, -1);
    placeenemy(8, 3, -1);
    frames(1);
    EXPECT_EQ(enemy[1].dying, 99);
    EXPECT_EQ(enemy[2].dying, 99);
    EXPECT_EQ(popupcount, 2);
    frames(98);
    // Slot 1 went at its count of 1; the record moved into it missed that frame.
    ASSERT_EQ(enemycount, 1);
    EXPECT_EQ(enemy[1].x, 8);
    EXPECT_EQ(enemy[1].dying, 2);
    frames(1);
    EXPECT_EQ(enemycount, 0);
    frames(3); // an empty table is a quiet pass
    EXPECT_EQ(enemycount, 0);
}

TEST(EnemyContact, TouchCostsHalfAHeartUnlessProtectedOrDead) {
    struct Case {
        Single gx, gy;
        Integer hurttime, dead;
        bool hurt;
    };
    const Case cases[] = {
        {6, 4, 0, 0, true},     {6, 4, -5, 0, true},    {6, 4, 1, 0, false},
        {6, 4, 0, 1, false},    {5.95f, 4, 0, 0, true}, {6.9f, 4, 0, 0, false},
        {6, 3.95f, 0, 0, true}, {6, 4.9f, 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "guy at " << c.gx << ", " << c.gy << " hurttime "
                                        << c.hurttime << " dead " << c.dead);
        startboard();
        placeenemy(6, 4);
        guy[1] = guyrec{};
        guy[1].x = c.gx;
        guy[1].y = c.gy;
        guy[1].life = 10;
        guy[1].hurttime = c.hurttime;
        guy[1].dead = c.dead;
        frames(1);
        EXPECT_EQ(guy[1].life, c.hurt ? 9.5f : 10.0f);
        EXPECT_EQ(guy[1].hurttime, c.hurt ? 1000 : c.hurttime);
        EXPECT_EQ(soundlog(),
                  c.hurt ? std::vector<std::string>{"\\pain.wav"} : std::vector<std::string>{});
    }
}

TEST(EnemyContact, OneEnemyHurtsBothPlayersTwoEnemiesHurtOnce) {
    startboard();
    placeenemy(6, 4);
    placeenemy(6, 4);
    for (int p = 1; p <= 2; ++p) {
        guy[p].x = 6;
        guy[p].y = 4;
        guy[p].hurttime = 0;
    }
    frames(1);
    for (int p = 1; p <= 2; ++p) {
        EXPECT_EQ(guy[p].life, 9.5f) << "player " << p;
        EXPECT_EQ(guy[p].hurttime, 1000) << "player " << p;
    }
    EXPECT_EQ(soundlog().size(), 2u);

    // With one player in the game the second is never touched.
    startboard();
    players = 1;
    placeenemy(6, 4);
    for (int p = 1; p <= 2; ++p) {
        guy[p].x = 6;
        guy[p].y = 4;
        guy[p].hurttime = 0;
    }
    frames(1);
    EXPECT_EQ(guy[1].life, 9.5f);
    EXPECT_EQ(guy[2].life, 10);
}

namespace {

// Runs the enemies alone for a long while and checks, frame by frame, that
// each stays inside the board on ground squares and never walks along row 0
// or column 0, and, every few hundred frames, that every ground square no
// sprite covers is plain ground and every rock and block is as it was drawn.
struct WalkReport {
    bool row12 = false, column16 = false;
};

// The squares a sprite at (x, y) covers.
void coveredsquares(Single x, Single y, int& x0, int& x1, int& y0, int& y1) {
    x0 = int(Int(x));
    y0 = int(Int(y));
    x1 = int(std::ceil(double(x)));
    y1 = int(std::ceil(double(y)));
}

void longwalk(int framecount, int scanevery, WalkReport& r) {
    const std::vector<std::uint32_t> drawn = pic.pixels;
    for (int f = 1; f <= framecount; ++f) {
        enemypass();
        for (int i = 1; i <= enemycount; ++i) {
            const enemyrec& e = enemy[i];
            ASSERT_TRUE(e.x >= 0.99f && e.x <= 16 && e.y >= 0.99f && e.y <= 12)
                << "frame " << f << " enemy " << i << " at " << e.x << ", " << e.y;
            ASSERT_TRUE(e.x == Int(e.x) || e.y == Int(e.y))
                << "frame " << f << " enemy " << i << " off the grid at " << e.x << ", " << e.y;
            int x0, x1, y0, y1;
            coveredsquares(e.x, e.y, x0, x1, y0, y1);
            for (int x = x0; x <= x1; ++x)
                for (int y = y0; y <= y1; ++y)
                    ASSERT_EQ(square[x][y].kind, 1)
                        << "frame " << f << " enemy " << i << " at " << e.x << ", " << e.y;
            r.row12 = r.row12 || e.y == 12;
            r.column16 = r.column16 || e.x == 16;
        }
        if (f % scanevery != 0 && f != framecount) continue;
        bool covered[17][13] = {};
        for (int i = 1; i <= enemycount; ++i) {
            int x0, x1, y0, y1;
            coveredsquares(enemy[i].x, enemy[i].y, x0, x1, y0, y1);
            for (int x = x0; x <= std::min(x1, 16); ++x)
                for (int y = y0; y <= std::min(y1, 12); ++y) covered[x][y] = true;
        }
        for (int p = 1; p <= 2; ++p)
            if (guy[p].x >= 0) covered[int(guy[p].x)][int(guy[p].y)] = true;
        for (int c = 1; c <= coincount; ++c) covered[coin[c].x][coin[c].y] = true;
        for (int x = 0; x <= 16; ++x)
            for (int y = 0; y <= 12; ++y) {
                if (square[x][y].kind == 1) {
                    if (!covered[x][y]) {
                        ASSERT_EQ(smearedpixels(x, y), 0)
                            << "frame " << f << " square " << x << ", " << y;
                    }
                    continue;
                }
                for (int py = y * 46; py < (y + 1) * 46; ++py)
                    for (int px = x * 42; px < (x + 1) * 42; ++px)
                        ASSERT_EQ(pic.pixels[size_t(py) * pic.width + px],
                                  drawn[size_t(py) * pic.width + px])
                            << "frame " << f << " rock or block " << x << ", " << y;
            }
    }
}

// Under the sanitizers level 0 walks half as long; the open levels keep
// their length, since reaching row 12 and column 16 takes it.
#if defined(__SANITIZE_ADDRESS__)
constexpr int levelzeroframes = 50000;
#else
constexpr int levelzeroframes = 100000;
#endif
constexpr int openframes = 50000;

} // namespace

TEST(EnemyLongWalk, LevelZeroStaysOnGroundAndLeavesNoSmear) {
    startlevel(0, 12345);
    ASSERT_EQ(enemycount, 2);
    WalkReport r;
    longwalk(levelzeroframes, 500, r);
    EXPECT_EQ(enemycount, 2);
    for (int p = 1; p <= 2; ++p) EXPECT_EQ(guy[p].life, 10);
}

// Sprites that fill every pixel of their cells, so any strip the erasing
// misses shows.
TEST(EnemyLongWalk, OpenLevelsReachTheFarEdgesWithoutSmear) {
    SheetSwap swap;
    dinowalkup = colouredsheet(1, 4);
    dinowalkright = colouredsheet(2, 8);
    dinowalkdown = colouredsheet(3, 4);
    dinowalkleft = colouredsheet(4, 8);
    bool row12 = false, column16 = false;
    for (Integer lv : {Integer(2), Integer(9)}) {
        SCOPED_TRACE(testing::Message() << "level " << lv);
        startlevel(lv, 4242);
        WalkReport r;
        longwalk(openframes, 1000, r);
        row12 = row12 || r.row12;
        column16 = column16 || r.column16;
    }
    EXPECT_TRUE(row12);
    EXPECT_TRUE(column16);
}
