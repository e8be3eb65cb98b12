// Level setup: the three maps and random boards.
#include <gtest/gtest.h>

#include "platform/random.h"
#include "playfield/pictures.h"
#include "playfield/playfield.h"
#include "state/levels.h"
#include "state/state.h"

namespace {

void buildlevel(int n, std::uint64_t seed = 1) {
    resetstate();
    setdefaultsettings();
    loadpictures();
    makeplayfield();
    randomize(seed);
    level = Integer(n);
    reset();
}

int countkind(int kind) {
    int n = 0;
    for (int x = 0; x <= 16; ++x)
        for (int y = 0; y <= 12; ++y) n += square[x][y].kind == kind;
    return n;
}

} // namespace

struct MapCase {
    int level;
    int blocks, coins, enemies;
    int p1x, p1y, p2x, p2y;
    int firstcoinx, firstcoiny, firstenemyx, firstenemyy;
};

TEST(Levels, MapsBuildTheirBoards) {
    // Squares are read column by column, so the first coin and enemy are the
    // leftmost (then topmost) ones.
    const MapCase cases[] = {
        {0, 59, 14, 2, 0, 0, 16, 0, 0, 5, 6, 2},
        {1, 51, 5, 2, 0, 0, 16, 0, 6, 0, 7, 11},
        {2, 14, 2, 3, 0, 0, 16, 12, 6, 1, 7, 9},
    };
    for (const MapCase& c : cases) {
        SCOPED_TRACE(c.level);
        buildlevel(c.level);
        EXPECT_EQ(blocksleft, c.blocks);
        EXPECT_EQ(countkind(3), c.blocks);
        EXPECT_EQ(coincount, c.coins);
        EXPECT_EQ(enemycount, c.enemies);
        EXPECT_EQ(guy[1].x, c.p1x);
        EXPECT_EQ(guy[1].y, c.p1y);
        EXPECT_EQ(guy[2].x, c.p2x);
        EXPECT_EQ(guy[2].y, c.p2y);
        EXPECT_EQ(coin[1].x, c.firstcoinx);
        EXPECT_EQ(coin[1].y, c.firstcoiny);
        EXPECT_EQ(enemy[1].x, c.firstenemyx);
        EXPECT_EQ(enemy[1].y, c.firstenemyy);
        for (int i = 1; i <= coincount; ++i) EXPECT_EQ(square[coin[i].x][coin[i].y].kind, 1);
        for (int i = 1; i <= enemycount; ++i)
            EXPECT_EQ(square[int(enemy[i].x)][int(enemy[i].y)].kind, 1);
        // Every used square is ground, rock or block, and has no fire or bomb.
        for (int x = 0; x <= 16; ++x)
            for (int y = 0; y <= 12; ++y) {
                EXPECT_GE(square[x][y].kind, 1);
                EXPECT_LE(square[x][y].kind, 3);
                EXPECT_EQ(square[x][y].fireowner, 0);
                EXPECT_EQ(square[x][y].bombflag, -1);
            }
        EXPECT_EQ(endcount, 7000);
        EXPECT_EQ(timebonus, 20000);
        EXPECT_EQ(groundcolor, RGB(48, 120, 48));
    }
}

TEST(Levels, LongRowsOfLevelTwoReadOnlySeventeenLetters) {
    buildlevel(2);
    EXPECT_EQ(levelrow[2].size(), 18u);
    // Row 2 holds the coin at (6, 1); its 18th letter would be column 17.
    bool found = false;
    for (int i = 1; i <= coincount; ++i) found |= coin[i].x == 6 && coin[i].y == 1;
    EXPECT_TRUE(found);
    EXPECT_EQ(square[17][1].kind, 0);
    EXPECT_EQ(square[15][1].kind, 3);
}

TEST(Levels, RandomBoardsFollowTheirRules) {
    for (int n : {3, 7, 12}) {
        SCOPED_TRACE(n);
        buildlevel(n, 1234 + n);
        EXPECT_EQ(enemycount, n);
        for (int i = 1; i <= enemycount; ++i) {
            int x = int(enemy[i].x), y = int(enemy[i].y);
            EXPECT_EQ(enemy[i].x, x);
            EXPECT_TRUE(x >= 1 && x <= 15 && y >= 1 && y <= 11);
            EXPECT_EQ(square[x][y].kind, 1);
            EXPECT_EQ(enemy[i].dir, 0);
            EXPECT_EQ(enemy[i].dying, 0);
        }
        EXPECT_EQ(coincount, 10);
        for (int i = 1; i <= coincount; ++i) {
            EXPECT_TRUE(coin[i].x >= 0 && coin[i].x <= 15 && coin[i].y >= 0 && coin[i].y <= 11);
            EXPECT_EQ(square[coin[i].x][coin[i].y].kind, 1);
            EXPECT_EQ(coin[i].spin, 0);
            EXPECT_EQ(coin[i].taken, 0);
        }
        for (int x = 1; x <= 16; x += 2)
            for (int y = 1; y <= 12; y += 2) EXPECT_EQ(square[x][y].kind, 2);
        for (auto s : {std::pair{0, 0}, {1, 0}, {0, 1}, {16, 12}, {15, 12}, {16, 11}})
            EXPECT_EQ(square[s.first][s.second].kind, 1);
        EXPECT_EQ(blocksleft, countkind(3));
        EXPECT_GT(countkind(3), 0);
        EXPECT_EQ(guy[1].x, 0);
        EXPECT_EQ(guy[2].x, 16);
        EXPECT_EQ(guy[2].y, 12);
    }
}

TEST(Levels, SameSeedSameBoard) {
    auto snapshot = [] {
        std::vector<float> v;
        for (int x = 0; x <= 16; ++x)
            for (int y = 0; y <= 12; ++y) v.push_back(square[x][y].kind);
        for (int i = 1; i <= coincount; ++i) v.push_back(coin[i].x * 100 + coin[i].y);
        for (int i = 1; i <= enemycount; ++i) v.push_back(enemy[i].x * 100 + enemy[i].y);
        return v;
    };
    buildlevel(9, 42);
    auto a = snapshot();
    buildlevel(9, 42);
    EXPECT_EQ(snapshot(), a);
    buildlevel(9, 43);
    EXPECT_NE(snapshot(), a);
}

TEST(Levels, SetupClearsReusedSlots) {
    buildlevel(0);
    // A game in progress leaves traces in the enemy, coin and fire tables...
    enemy[1].dying = 50;
    enemy[1].dir = 3;
    coin[1].spin = 40;
    enemy[3].dying = 7; // a slot beyond the level's enemies
    reset();
    // ...which a rebuilt level does not inherit.
    EXPECT_EQ(enemycount, 2);
    EXPECT_EQ(enemy[1].dying, 0);
    EXPECT_EQ(enemy[1].dir, 0);
    EXPECT_EQ(coin[1].spin, 0);
    // A restart starts with the map's enemies only.
    enemycount = 1;
    reset();
    EXPECT_EQ(enemycount, 2);
}

TEST(Levels, LevelsAboveAHundredPlaceTheTablesHundred) {
    buildlevel(130, 5);
    EXPECT_EQ(enemycount, 100);
    for (int i = 1; i <= enemycount; ++i)
        EXPECT_EQ(square[int(enemy[i].x)][int(enemy[i].y)].kind, 1);
}

TEST(Levels, RandomLevelsKeepTheLastMapText) {
    buildlevel(1);
    std::string row = levelrow[1];
    level = 5;
    levelcheck();
    EXPECT_EQ(levelrow[1], row);
}
