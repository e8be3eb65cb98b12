#include "state/levels.h"

#include <algorithm>

#include "game/coins.h"
#include "game/guysprites.h"
#include "platform/random.h"
#include "playfield/playfield.h"
#include "state/convert.h"
#include "state/state.h"

namespace {

// Rows 2 and 4 of level 2 are 18 letters long; only 17 are read.
const char* const levelmaps[3][13] = {
    {"1gbbgggggggggbbg2", "grgrbrbrbrbrbrbrg", "gbbggbegbegbggbbg", "grbrbrbrbrbrbrbrg",
     "bgbgggbbgbbgggbgb", "crbrgrgrgrgrgrbrc", "bgbgggggggggggbgb", "grgrgrgrgrgrgrgrg",
     "ggggggggggggggggg", "bbbbbrgrgrgrbbbbb", "rbrbbgrgggrgbbrbr", "cccrbrgrgrgrbrccc",
     "cccrbgggbgggbrccc"},
    {"1gbgggcccccgggbg2", "grbrbrbrbrbrbrbrg", "bggbbgggbgggbbggb", "grbrbrbrbrbrbrbrg",
     "bbbgggggggggggbbb", "brbrbrbrbrbrbrbrb", "gbgbgggggggggbgbg", "grgrgrgrgrgrgrgrg",
     "ggggggggggggggggg", "grgrgrgrgrgrgrgrg", "grgrgrgrgrgrgrgrg", "grgrgrgegegrgrgrg",
     "brbrbrbrbrbrbrbrb"},
    {"1gggrrrggggggggrg", "gggrbbcrgggggggbgg", "gggbbbrggggggggrb", "gggrbbcrgggggggbgg",
     "ggggrrrggggggggrg", "gggggggggggggggbg", "gggggggggggggggrg", "gggggggggggggggbg",
     "gggggggggggggggrg", "gggggggegegegggbg", "gggggggggggggggrg", "gggggggggggggggbg",
     "gggggggggggggggr2"},
};

// The letter at column x of the map row for y, or 0 past the row's end.
char letterat(int x, int y) {
    const std::string& row = levelrow[y + 1];
    return x < int(row.size()) ? row[size_t(x)] : 0;
}

void applyletter(Integer x, Integer y, char c) {
    squarerec& s = square[x][y];
    switch (c) {
    case 'g':
        s.kind = 1;
        break;
    case 'b':
        s.kind = 3;
        break;
    case 'r':
        s.kind = 2;
        break;
    case 'c': {
        s.kind = 1;
        // A new coin starts clean: a reused slot must not keep an old countdown.
        if (int i = addcoin()) {
            coin[i].x = x;
            coin[i].y = y;
            coin[i].taken = 0;
            drawcoin(Integer(i));
        }
        break;
    }
    case 'e': {
        s.kind = 1;
        // A new enemy starts with dir and dying cleared, so a reused slot
        // neither starts dying nor walks on in an old direction.
        if (int i = addenemy()) {
            enemy[i].x = x;
            enemy[i].y = y;
        }
        break;
    }
    case '1':
    case '2': {
        s.kind = 1;
        guyrec& g = guy[c - '0'];
        g.x = x;
        g.y = y;
        break;
    }
    default:
        break; // any other letter leaves the kind as it was
    }
}

} // namespace

void levelcheck() {
    if (level < 0 || level > 2) return;
    for (int r = 0; r < 13; ++r) levelrow[r + 1] = levelmaps[level][r];
}

void reset() {
    endcount = 7000;
    timebonus = 20000;
    bolting = 0;
    powerupcount = firecount = bombcount = enemycount = 0;
    pic.autoredraw = true;
    groundcolor = RGB(48, 120, 48);
    coincount = 0;
    levelcheck();

    bool randomlevel = level >= 3;
    for (Integer x = 0; x <= 16; ++x) {
        for (Integer y = 0; y <= 12; ++y) {
            applyletter(x, y, letterat(x, y));
            square[x][y].fireowner = 0;
            square[x][y].bombflag = -1;
            if (randomlevel) {
                Integer r = CInt(Rnd() * 5);
                square[x][y].kind = r <= 3 ? 1 : 3;
                if ((x + 1) % 2 == 0 && (y + 1) % 2 == 0) square[x][y].kind = 2;
                square[x][y].fireowner = 0;
                square[x][y].bombflag = -1;
            }
            drawsquare(x, y);
        }
    }

    if (randomlevel) {
        const Integer starts[6][2] = {{0, 0}, {1, 0}, {0, 1}, {16, 12}, {15, 12}, {16, 11}};
        for (auto& s : starts) {
            square[s[0]][s[1]].kind = 1;
            drawsquare(s[0], s[1]);
        }
        coincount = 10;
        for (int i = 1; i <= 10; ++i) {
            coin[i] = coinrec{};
            do {
                coin[i].x = Integer(Int(Rnd() * 16));
                coin[i].y = Integer(Int(Rnd() * 12));
                coin[i].taken = 0;
            } while (square[coin[i].x][coin[i].y].kind != 1);
            drawcoin(Integer(i));
        }
        // Levels above 100 would need more enemies than the table holds: such a
        // level gets the table's 100.
        enemycount = Integer(std::min<int>(level, maxenemies));
        for (int i = 1; i <= enemycount; ++i) {
            enemy[i] = enemyrec{};
            do {
                enemy[i].x = Single(Int(Rnd() * 15) + 1);
                enemy[i].y = Single(Int(Rnd() * 11) + 1);
            } while (square[int(enemy[i].x)][int(enemy[i].y)].kind != 1);
        }
        guy[1].x = 0;
        guy[1].y = 0;
        guy[2].x = 16;
        guy[2].y = 12;
    }

    blocksleft = 0;
    for (int x = 0; x <= 16; ++x)
        for (int y = 0; y <= 12; ++y)
            if (square[x][y].kind == 3) ++blocksleft;

    drawguy(1);
    drawguy(2);
}
