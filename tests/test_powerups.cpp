// Power-ups: the draws that make them, the effect of each kind at and away
// from its limit, the animation cells, expiry, and the bolt sweep.
#include <gtest/gtest.h>

#include "fixture.h"

#include <set>
#include <string>
#include <vector>

#include "audio/sound.h"
#include "game/coins.h"
#include "game/form1.h"
#include "game/popups.h"
#include "game/powerups.h"
#include "platform/random.h"
#include "playfield/pictures.h"
#include "playfield/playfield.h"
#include "state/convert.h"
#include "state/levels.h"
#include "state/state.h"

namespace {

// Level 0 with both players on the open row 8, away from the squares used.
void powerupboard() {
    buildboard(0, 3);
    guy[1].x = 1, guy[1].y = 8;
    guy[2].x = 15, guy[2].y = 8;
    coincount = 0;
    soundlog().clear();
}

int placepowerup(Integer kind, Integer amount, Integer x, Integer y) {
    int i = addpowerup();
    powerup[i] = {kind, amount, x, y, 10000, 0};
    return i;
}

void frame() {
    poweruppass();
    popuppass();
    if (bolting != 0) boltsweep();
    coinpass();
}

// A sheet whose cells are plain fills, each in its own colour, so that a
// painted cell can be told from every other.
Sheet plainsheet(int cols, int base) {
    Picture p;
    p.width = 42 * cols, p.height = 45;
    p.pixels.resize(size_t(p.width) * p.height);
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            p.pixels[size_t(y) * p.width + x] = std::uint32_t(RGB(base, 20 * (x / 42) + 10, 99));
    return makesheet(p, cols);
}

Picture plainpicture(Long c) {
    Picture p;
    p.width = 42, p.height = 45;
    p.pixels.assign(size_t(42) * 45, std::uint32_t(c));
    return p;
}

// Swaps the power-up art for plain, distinct cells while a test runs.
struct PowerupPictures : testing::Test {
    Sheet keep[6];
    Picture keepup, keepdown;
    void SetUp() override {
        loadpictures();
        Sheet* sheets[6] = {&rangeuppic, &rangedownpic, &bombuppic,
                            &boltpic,    &oneheartpic,  &tenheartspic};
        for (int k = 0; k < 6; ++k) keep[k] = *sheets[k];
        keepup = fuseup, keepdown = fusedown;
        rangeuppic = plainsheet(3, 201);
        rangedownpic = plainsheet(3, 202);
        bombuppic = plainsheet(7, 203);
        boltpic = plainsheet(3, 204);
        oneheartpic = plainsheet(3, 205);
        tenheartspic = plainsheet(3, 206);
        fuseup = plainpicture(RGB(207, 1, 1));
        fusedown = plainpicture(RGB(208, 2, 2));
    }
    void TearDown() override {
        Sheet* sheets[6] = {&rangeuppic, &rangedownpic, &bombuppic,
                            &boltpic,    &oneheartpic,  &tenheartspic};
        for (int k = 0; k < 6; ++k) *sheets[k] = keep[k];
        fuseup = keepup, fusedown = keepdown;
    }
};

} // namespace

TEST(Powerups, EffectsAtAndAwayFromTheirLimits) {
    struct Case {
        const char* name;
        Integer kind, amount;
        Long fuse;
        Integer range, bombs;
        Single life;
        Integer bolting, blocks;
        // after:
        Long wfuse;
        Integer wrange, wbombs;
        Single wlife;
        Integer wbolting, points; // points 0: no pop-up
        const char* sound;        // nullptr: none
        Control* label = nullptr;
        const char* caption = nullptr;
    };
    const Case cases[] = {
        {"fuse up at 5000", 1, 1000, 5000, 1, 5, 10, 0, 59, 5000, 1, 5, 10, 0, 150, "\\add.wav",
         &fuselbl[1], "4"},
        {"fuse up", 1, 1000, 3000, 1, 5, 10, 0, 59, 4000, 1, 5, 10, 0, 50, "\\add.wav", &fuselbl[1],
         "3"},
        {"fuse down", 1, -1000, 3000, 1, 5, 10, 0, 59, 2000, 1, 5, 10, 0, 50, "\\cut.wav",
         &fuselbl[1], "1"},
        {"fuse down at 1000", 1, -1000, 1000, 1, 5, 10, 0, 59, 0, 1, 5, 10, 0, 50, "\\cut.wav",
         &fuselbl[1], "-1"},
        {"range up at 5", 2, 1, 3000, 5, 5, 10, 0, 59, 3000, 5, 5, 10, 0, 150, "\\rangeup.wav",
         &rangelbl[1], "5"},
        {"range up", 2, 1, 3000, 1, 5, 10, 0, 59, 3000, 2, 5, 10, 0, 50, "\\rangeup.wav",
         &rangelbl[1], "2"},
        {"range down at 1", 2, -1, 3000, 1, 5, 10, 0, 59, 3000, 0, 5, 10, 0, 50, "\\down.wav",
         &rangelbl[1], "0"},
        {"bomb at 8", 3, 0, 3000, 1, 8, 10, 0, 59, 3000, 1, 8, 10, 0, 150, "\\getammo.wav",
         &bombnumberlbl[1], "8"},
        {"bomb", 3, 0, 3000, 1, 5, 10, 0, 59, 3000, 1, 6, 10, 0, 50, "\\getammo.wav",
         &bombnumberlbl[1], "6"},
        {"one heart at 8", 5, 0, 3000, 1, 5, 8, 0, 59, 3000, 1, 5, 9, 0, 0, "\\oneheart.wav"},
        {"one heart at 8.5", 5, 0, 3000, 1, 5, 8.5f, 0, 59, 3000, 1, 5, 10, 0, 0, "\\oneheart.wav"},
        {"one heart at 9.5", 5, 0, 3000, 1, 5, 9.5f, 0, 59, 3000, 1, 5, 10, 0, 0, "\\oneheart.wav"},
        {"one heart at 10", 5, 0, 3000, 1, 5, 10, 0, 59, 3000, 1, 5, 10, 0, 50, "\\oneheart.wav"},
        {"full hearts at 3", 6, 0, 3000, 1, 5, 3, 0, 59, 3000, 1, 5, 10, 0, 0, "\\tenheart.wav"},
        {"full hearts at 10", 6, 0, 3000, 1, 5, 10, 0, 59, 3000, 1, 5, 10, 0, 150,
         "\\tenheart.wav"},
        {"bolt", 4, 0, 3000, 1, 5, 10, 0, 59, 3000, 1, 5, 10, 1, 50, "\\bolt.wav"},
        {"bolt while a sweep runs", 4, 0, 3000, 1, 5, 10, 2, 59, 3000, 1, 5, 10, 2, 50, nullptr},
        {"bolt with no block left", 4, 0, 3000, 1, 5, 10, 0, 0, 3000, 1, 5, 10, 0, 50, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        powerupboard();
        guy[1].x = 8, guy[1].y = 6;
        guy[1].fuse = c.fuse, guy[1].range = c.range, guy[1].bombs = c.bombs;
        guy[1].life = c.life;
        bolting = boltowner = c.bolting;
        boltx = 5, bolty = 3;
        blocksleft = c.blocks;
        for (Control* l : {&fuselbl[1], &rangelbl[1], &bombnumberlbl[1]}) l->caption = "?";
        placepowerup(c.kind, c.amount, 8, 6);
        fillbox(pic, 8, 6, 9, 7, RGB(250, 0, 250));
        poweruppass();

        EXPECT_EQ(powerupcount, 0);
        EXPECT_TRUE(squareisall(8, 6, groundcolor));
        EXPECT_EQ(guy[1].fuse, c.wfuse);
        EXPECT_EQ(guy[1].range, c.wrange);
        EXPECT_EQ(guy[1].bombs, c.wbombs);
        EXPECT_EQ(guy[1].life, c.wlife);
        EXPECT_EQ(bolting, c.wbolting);
        EXPECT_EQ(boltowner, c.wbolting);
        bool started = c.wbolting != c.bolting;
        EXPECT_EQ(boltx, started ? 0 : 5);
        EXPECT_EQ(bolty, started ? 0 : 3);
        if (c.points) {
            ASSERT_EQ(popupcount, 1);
            EXPECT_EQ(popup[1].points, c.points);
            EXPECT_EQ(popup[1].owner, 1);
            EXPECT_EQ(popup[1].x, 8);
            EXPECT_EQ(popup[1].y, 6);
        } else {
            EXPECT_EQ(popupcount, 0);
        }
        std::vector<std::string> sounds;
        if (c.sound) sounds.push_back(c.sound);
        EXPECT_EQ(soundlog(), sounds);
        for (Control* l : {&fuselbl[1], &rangelbl[1], &bombnumberlbl[1]})
            EXPECT_EQ(l->caption, l == c.label ? c.caption : "?");
        EXPECT_EQ(guy[2].bombs, 0); // the other player is untouched
    }
}

TEST(Powerups, PlayerOneWinsATieAndAMovedRecordIsTestedByTheRest) {
    powerupboard();
    // Both stand on (8, 6); player 2 also has the corner of a second square,
    // whose power-up is in the last slot and moves into slot 1 when player 1
    // takes the first.
    placepowerup(3, 0, 8, 6);
    placepowerup(3, 0, 4, 8);
    guy[1].x = 8, guy[1].y = 6, guy[1].bombs = 5;
    guy[2].x = 4, guy[2].y = 8, guy[2].bombs = 5;
    poweruppass();
    EXPECT_EQ(powerupcount, 0);
    EXPECT_EQ(guy[1].bombs, 6);
    EXPECT_EQ(guy[2].bombs, 6);

    powerupboard();
    placepowerup(3, 0, 8, 6);
    guy[1].x = 8, guy[1].y = 6, guy[1].bombs = 5;
    guy[2].x = 8.5f, guy[2].y = 6.5f, guy[2].bombs = 5;
    poweruppass();
    EXPECT_EQ(powerupcount, 0);
    EXPECT_EQ(guy[1].bombs, 6);
    EXPECT_EQ(guy[2].bombs, 5);
    ASSERT_EQ(popupcount, 1);
    EXPECT_EQ(popup[1].owner, 1);
}

TEST(Powerups, MakepowerupDrawsChanceThenKindThenUpOrDown) {
    powerupboard();
    powerupchance = 3;
    // What the draws should give, read straight off the same sequence.
    struct Want {
        bool made;
        int kind, amount;
    };
    std::vector<Want> want;
    randomize(99);
    for (int k = 0; k < 90; ++k) {
        if (Int(Rnd() * 3) != 0) {
            want.push_back({false, 0, 0});
            continue;
        }
        int kind = int(Int(Rnd() * 6)) + 1;
        bool up = Rnd() > 0.5f;
        int amount = kind == 1 ? (up ? 1000 : -1000) : kind == 2 ? (up ? 1 : -1) : 0;
        want.push_back({true, kind, amount});
    }
    Single next = Rnd();

    randomize(99);
    std::set<int> kinds;
    for (const Want& w : want) {
        Integer before = powerupcount;
        makepowerup(7, 8);
        ASSERT_EQ(powerupcount, before + (w.made ? 1 : 0));
        if (!w.made) continue;
        const poweruprec& p = powerup[powerupcount];
        EXPECT_EQ(p.kind, w.kind);
        EXPECT_EQ(p.amount, w.amount);
        EXPECT_EQ(p.x, 7);
        EXPECT_EQ(p.y, 8);
        EXPECT_EQ(p.timeleft, 10000);
        EXPECT_EQ(p.frame, 0);
        kinds.insert(p.kind);
    }
    EXPECT_EQ(Rnd(), next); // not one draw more or less
    EXPECT_EQ(kinds.size(), 6u);
}

TEST(Powerups, BoltSweepBreaksEveryBlockOfLevelZero) {
    powerupboard();
    powerupchance = 1;
    int rocks = 0;
    for (int x = 0; x < 17; ++x)
        for (int y = 0; y < 13; ++y) rocks += square[x][y].kind == 2;
    ASSERT_EQ(blocksleft, 59);
    placepowerup(4, 0, 8, 8);
    guy[1].x = 8, guy[1].y = 8;

    // The sweep starts in the frame the bolt is taken.
    int sweeps = 0;
    frame();
    sweeps += 1;
    ASSERT_EQ(bolting, 1);
    while (bolting != 0 && sweeps < 3000) {
        if (sweeps == 130) {
            EXPECT_EQ(boltx, 1);
            EXPECT_EQ(bolty, 0);
        }
        frame();
        ++sweeps;
    }
    EXPECT_EQ(sweeps, 2210);
    EXPECT_EQ(boltowner, 0);
    EXPECT_EQ(blocksleft, 0);
    int rocksafter = 0;
    for (int x = 0; x < 17; ++x)
        for (int y = 0; y < 13; ++y) {
            EXPECT_NE(square[x][y].kind, 3) << x << ", " << y;
            rocksafter += square[x][y].kind == 2;
        }
    EXPECT_EQ(rocksafter, rocks);

    // With a chance of 1 every broken block left a power-up on its square,
    // and the sweep broke none of them.
    EXPECT_EQ(powerupcount, 59);
    for (int i = 1; i <= powerupcount; ++i) {
        EXPECT_EQ(square[powerup[i].x][powerup[i].y].kind, 1);
        EXPECT_GE(powerup[i].kind, 1);
        EXPECT_LE(powerup[i].kind, 6);
    }

    for (int f = 0; f < 600 && popupcount > 0; ++f) frame();
    EXPECT_EQ(popupcount, 0);
    EXPECT_EQ(guy[1].score, 59 * 10 + 50);
    EXPECT_EQ(guy[2].score, 0);
}

TEST_F(PowerupPictures, AnUntakenPowerupVanishesAtTimeleftZero) {
    powerupboard();
    placepowerup(6, 0, 8, 6);
    for (int f = 1; f <= 9999; ++f) poweruppass();
    ASSERT_EQ(powerupcount, 1);
    bool showing = false;
    for (int k = 0; k < 3; ++k) showing = showing || squareshows(8, 6, tenheartspic.cell(k));
    EXPECT_TRUE(showing);
    poweruppass();
    EXPECT_EQ(powerupcount, 0);
    EXPECT_TRUE(squareisall(8, 6, groundcolor));
    EXPECT_EQ(popupcount, 0);
}

TEST_F(PowerupPictures, EachKindPaintsItsCellsInTurn) {
    struct Case {
        const char* name;
        Integer kind, amount;
        std::vector<const Picture*> cells;
        std::string want; // two cycles, one letter per step; '-' paints nothing
    };
    auto cellsof = [](const Sheet& s) {
        std::vector<const Picture*> v;
        for (int k = 0; k < s.cols; ++k) v.push_back(&s.cell(k));
        return v;
    };
    const Case cases[] = {
        {"fuse up", 1, 1000, {&fuseup, &fusedown}, "00000000"},
        {"fuse down", 1, -1000, {&fuseup, &fusedown}, "11111111"},
        {"range up", 2, 1, cellsof(rangeuppic),
         "-0-1-2-1-00000000000"
         "0-1-2-1-00000000000"},
        {"range down", 2, -1, cellsof(rangedownpic),
         "-0-1-2-1-00000000000"
         "0-1-2-1-00000000000"},
        {"extra bomb", 3, 0, cellsof(bombuppic),
         "345654321012"
         "45654321012"},
        {"bolt", 4, 0, cellsof(boltpic),
         "0121"
         "0121"},
        {"one heart", 5, 0, cellsof(oneheartpic),
         "-0-1-2-1-0"
         "0-1-2-1-0"},
        {"full hearts", 6, 0, cellsof(tenheartspic),
         "01210"
         "1210"},
    };
    const Long blank = RGB(1, 2, 3);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        powerupboard();
        placepowerup(c.kind, c.amount, 8, 6);
        std::string seen;
        for (size_t step = 0; step < c.want.size(); ++step) {
            fillbox(pic, 8, 6, 9, 7, blank);
            for (int f = 0; f < 100; ++f) poweruppass();
            char got = '?';
            if (squareisall(8, 6, blank)) got = '-';
            for (size_t k = 0; k < c.cells.size() && got == '?'; ++k)
                if (squareshows(8, 6, *c.cells[k])) got = char('0' + k);
            seen += got;
        }
        EXPECT_EQ(seen, c.want);
    }
}
