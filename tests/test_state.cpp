// Conversions, the table rule and the start values of the shared state.
#include <gtest/gtest.h>

#include <cstring>

#include "state/convert.h"
#include "state/state.h"

TEST(Conversions, RoundingAndText) {
    struct Case {
        double v;
        double intv;
        int cint;
    };
    const Case cases[] = {{2.5, 2, 2},    {3.5, 3, 4},    {-0.5, -1, 0}, {42.5, 42, 42},
                          {39.5, 39, 40}, {-1.5, -2, -2}, {0.49, 0, 0},  {7, 7, 7}};
    for (const Case& c : cases) {
        EXPECT_EQ(Int(c.v), c.intv) << c.v;
        EXPECT_EQ(CInt(c.v), c.cint) << c.v;
        EXPECT_EQ(CLng(c.v), c.cint) << c.v;
    }
    EXPECT_EQ(CLng(100000.5), 100000);
    EXPECT_EQ(Str(3), " 3");
    EXPECT_EQ(Str(-1), "-1");
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(numtext(3), "3");
    EXPECT_EQ(numtext(-1), "-1");
    EXPECT_EQ(numtext(-0.0), "0");
    EXPECT_EQ(numtext(1.5), "1.5");
    EXPECT_EQ(printtext(1), " 1 ");
    EXPECT_EQ(printtext(-1), "-1 ");
}

TEST(Tables, RemoveCopiesTheLastRecordOver) {
    resetstate();
    for (int i = 1; i <= 3; ++i) {
        int slot = addbomb();
        ASSERT_EQ(slot, i);
        bomb[slot].x = Integer(10 * i);
    }
    removebomb(2);
    EXPECT_EQ(bombcount, 2);
    EXPECT_EQ(bomb[1].x, 10);
    EXPECT_EQ(bomb[2].x, 30);
}

// A full table drops the addition and keeps every record it holds.
template <typename Rec, int N>
void fillandoverflow(Rec (&table)[N], Integer& count, int (*add)(), int capacity) {
    for (int i = 1; i <= capacity; ++i) {
        int slot = add();
        ASSERT_EQ(slot, i);
        std::memset(&table[slot], 0, sizeof(Rec));
        reinterpret_cast<unsigned char*>(&table[slot])[0] = static_cast<unsigned char>(i);
    }
    EXPECT_EQ(add(), 0);
    EXPECT_EQ(count, capacity);
    for (int i = 1; i <= capacity; ++i)
        EXPECT_EQ(reinterpret_cast<unsigned char*>(&table[i])[0], static_cast<unsigned char>(i));
}

TEST(Tables, AdditionsToAFullTableAreDropped) {
    resetstate();
    fillandoverflow(enemy, enemycount, addenemy, 100);
    fillandoverflow(bomb, bombcount, addbomb, 100);
    fillandoverflow(popup, popupcount, addpopup, 100);
    fillandoverflow(coin, coincount, addcoin, 100);
    fillandoverflow(powerup, powerupcount, addpowerup, 100);
    fillandoverflow(fire, firecount, addfire, 1000);
}

TEST(State, ResetStateReturnsToProgramStart) {
    guy[2].life = 5;
    square[3][4].kind = 2;
    level = 7;
    gamespeed = 20;
    bombcount = 4;
    resetstate();
    EXPECT_EQ(guy[2].life, 0);
    EXPECT_EQ(square[3][4].kind, 0);
    EXPECT_EQ(level, 0);
    EXPECT_EQ(gamespeed, 0);
    EXPECT_EQ(bombcount, 0);
    // Column 17 and row 13 read as an empty square.
    EXPECT_EQ(square[17][5].kind, 0);
    EXPECT_EQ(square[5][13].bombflag, 0);
    EXPECT_EQ(square[17][13].fireowner, 0);
}
