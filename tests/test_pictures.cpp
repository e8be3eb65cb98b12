// The game's pictures: sizes and grids, ground-coloured backgrounds, figures
// covering the square's centre, the equal cells of the animations and the
// scoreboard's grey.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "playfield/pictures.h"
#include "state/state.h"

namespace {

constexpr Long ground = RGB(48, 120, 48);
constexpr Long grey = RGB(63, 63, 63);

using Named = namedpicture;

// Every sprite sheet, and every single picture that is painted on the playfield
// (all but the scoreboard's hearts and icons and the menu's title).
std::vector<Named> playfieldart() {
    std::vector<Named> all;
    for (int k = 0; k < allpicturecount; ++k) {
        const std::string name = allpictures[k].name;
        bool offfield = name.find("heart") != std::string::npos && !allpictures[k].sheet;
        offfield |= name.rfind("Image", 0) == 0 || name == "titlepicture";
        if (!offfield) all.push_back(allpictures[k]);
    }
    return all;
}

// The pictures of one entry: the cells of a sheet, or the single picture.
std::vector<const Picture*> cellsof(const Named& n) {
    std::vector<const Picture*> out;
    if (n.picture) out.push_back(n.picture);
    if (n.sheet)
        for (const Picture& c : n.sheet->cells) out.push_back(&c);
    return out;
}

bool same(const Picture& a, const Picture& b) {
    return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

Picture mirrored(const Picture& p) {
    Picture m = p;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            m.pixels[size_t(y) * p.width + x] = p.at(p.width - 1 - x, y);
    return m;
}

int red(std::uint32_t c) {
    return c & 255;
}
int green(std::uint32_t c) {
    return (c >> 8) & 255;
}
int blue(std::uint32_t c) {
    return (c >> 16) & 255;
}

class Pictures : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { loadpictures(); }
};

TEST_F(Pictures, SheetsHaveTheirSizesAndCells) {
    struct Case {
        const char* name;
        const Sheet& sheet;
        int width, height, cols;
    };
    const Case cases[] = {
        {"guy1right", guy1right, 168, 45, 4},
        {"guy1left", guy1left, 168, 45, 4},
        {"guy1down", guy1down, 168, 45, 4},
        {"guy1up", guy1up, 168, 46, 4},
        {"guy2right", guy2right, 168, 45, 4},
        {"guy2left", guy2left, 168, 45, 4},
        {"guy2down", guy2down, 168, 45, 4},
        {"guy2up", guy2up, 168, 46, 4},
        {"guy1die", guy1die, 420, 45, 10},
        {"guy2die", guy2die, 420, 45, 10},
        {"dinowalkright", dinowalkright, 336, 45, 8},
        {"dinowalkleft", dinowalkleft, 336, 45, 8},
        {"dinowalkup", dinowalkup, 168, 45, 4},
        {"dinowalkdown", dinowalkdown, 168, 45, 4},
        {"rangeuppic", rangeuppic, 126, 45, 3},
        {"rangedownpic", rangedownpic, 126, 45, 3},
        {"bombuppic", bombuppic, 294, 45, 7},
        {"boltpic", boltpic, 126, 45, 3},
        {"oneheartpic", oneheartpic, 126, 45, 3},
        {"tenheartspic", tenheartspic, 126, 45, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.sheet.picture.width, c.width);
        EXPECT_EQ(c.sheet.picture.height, c.height);
        EXPECT_EQ(c.sheet.cols, c.cols);
        ASSERT_EQ(int(c.sheet.cells.size()), c.cols);
        // cell k is the k-th 42-pixel strip of the sheet's picture
        for (int k = 0; k < c.cols; ++k) {
            const Picture& cell = c.sheet.cell(k);
            ASSERT_EQ(cell.width, 42);
            ASSERT_EQ(cell.height, c.height);
            for (int y = 0; y < cell.height; y += 4)
                for (int x = 0; x < 42; x += 3)
                    ASSERT_EQ(cell.at(x, y), c.sheet.picture.at(42 * k + x, y)) << k;
        }
    }
}

TEST_F(Pictures, SinglePicturesHaveTheirSizes) {
    struct Case {
        const char* name;
        const Picture& picture;
        int width, height;
    };
    const Case cases[] = {
        {"block", block, 42, 46},
        {"rock", rock, 42, 46},
        {"bombpic(0)", bombpic[0], 42, 46},
        {"bombpic(6)", bombpic[6], 42, 46},
        {"fuseup", fuseup, 42, 45},
        {"fusedown", fusedown, 42, 45},
        {"coinpic", coinpic, 42, 46},
        {"heart", heart, 14, 16},
        {"halfheart", halfheart, 14, 16},
        {"emptyheart", emptyheart, 14, 16},
        {"Image2", Image2, 22, 23},
        {"Image1", Image1, 20, 22},
        {"Image3", Image3, 22, 22},
        {"Image8", Image8, 22, 22},
        {"Image4", Image4, 22, 22},
        {"Image7", Image7, 22, 22},
        {"Image5", Image5, 22, 22},
        {"Image6", Image6, 22, 22},
        {"titlepicture", titlepicture, 600, 150},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.picture.width, c.width);
        EXPECT_EQ(c.picture.height, c.height);
        EXPECT_EQ(c.picture.pixels.size(), size_t(c.width) * c.height);
    }
    for (int k = 1; k < 6; ++k) {
        EXPECT_EQ(bombpic[k].width, 42);
        EXPECT_EQ(bombpic[k].height, 46);
    }
}

// A sprite painted on a ground square must leave the ground looking
// untouched around its figure: the whole frame of each cell is ground, save
// the glows and dark squares that fill their cell, and the two tiles.
TEST_F(Pictures, SpriteCellsStandOnGround) {
    for (const Named& n : playfieldart()) {
        std::string name = n.name;
        if (name == "rangeuppic" || name == "tenheartspic" || name == "block" || name == "rock")
            continue;
        std::vector<const Picture*> cells = cellsof(n);
        for (size_t k = 0; k < cells.size(); ++k) {
            if (name == "rangedownpic" && k == 0) continue;
            const Picture& p = *cells[k];
            int wrong = 0;
            for (int x = 0; x < p.width; ++x)
                wrong += (p.at(x, 0) != ground) + (p.at(x, p.height - 1) != ground);
            for (int y = 0; y < p.height; ++y)
                wrong += (p.at(0, y) != ground) + (p.at(p.width - 1, y) != ground);
            EXPECT_EQ(wrong, 0) << name << " cell " << k;
        }
    }
    // The whole-cell ones really do fill their edges.
    EXPECT_NE(Long(rangeuppic.cell(1).at(0, 0)), ground);
    EXPECT_NE(Long(tenheartspic.cell(1).at(41, 44)), ground);
    EXPECT_NE(Long(rangedownpic.cell(0).at(0, 22)), ground);
}

// The coin redraw reads the centre of a square and paints the coin only on
// ground, so every figure covers that pixel; only the last death cell is bare.
TEST_F(Pictures, FiguresCoverTheCentrePixel) {
    for (const Named& n : playfieldart()) {
        std::vector<const Picture*> cells = cellsof(n);
        for (size_t k = 0; k < cells.size(); ++k) {
            bool bare = (n.sheet == &guy1die || n.sheet == &guy2die) && k == 9;
            if (bare) continue;
            EXPECT_NE(Long(cells[k]->at(21, 23)), ground) << n.name << " cell " << k;
        }
    }
}

TEST_F(Pictures, DeathEndsOnBareGroundAndAlternatesItsPoses) {
    for (const Sheet* die : {&guy1die, &guy2die}) {
        const Picture& last = die->cell(9);
        for (std::uint32_t px : last.pixels) ASSERT_EQ(Long(px), ground);
        EXPECT_TRUE(same(die->cell(0), die->cell(2)));
        EXPECT_TRUE(same(die->cell(1), die->cell(3)));
        EXPECT_FALSE(same(die->cell(0), die->cell(1)));
        // the collapse and each step of the fading ring are their own pictures
        for (int k = 3; k < 9; ++k) EXPECT_FALSE(same(die->cell(k), die->cell(k + 1))) << k;
    }
    EXPECT_TRUE(same(guy1die.cell(9), guy2die.cell(9)));
    EXPECT_FALSE(same(guy1die.cell(0), guy2die.cell(0)));
}

// Standing still shows cell 0 or 2, which must look the same; the strides
// differ from the stance and from each other.
TEST_F(Pictures, WalkingSheetsStandInCellsZeroAndTwo) {
    for (const Sheet* s : {&guy1right, &guy1left, &guy1down, &guy1up, &guy2right, &guy2left,
                           &guy2down, &guy2up, &dinowalkup, &dinowalkdown}) {
        EXPECT_TRUE(same(s->cell(0), s->cell(2)));
        EXPECT_FALSE(same(s->cell(0), s->cell(1)));
        EXPECT_FALSE(same(s->cell(0), s->cell(3)));
        EXPECT_FALSE(same(s->cell(1), s->cell(3)));
    }
    // The dinosaurs' side walk has eight different steps, and left is right mirrored.
    for (int a = 0; a < 8; ++a) {
        for (int b = a + 1; b < 8; ++b)
            EXPECT_FALSE(same(dinowalkright.cell(a), dinowalkright.cell(b))) << a << " " << b;
        EXPECT_TRUE(same(dinowalkleft.cell(a), mirrored(dinowalkright.cell(a)))) << a;
    }
    for (int k = 0; k < 4; ++k) {
        EXPECT_TRUE(same(guy1left.cell(k), mirrored(guy1right.cell(k)))) << k;
        EXPECT_TRUE(same(guy2left.cell(k), mirrored(guy2right.cell(k)))) << k;
    }
}

// Player 1 wears blue and player 2 red, in every sheet of theirs.
TEST_F(Pictures, PlayersWearTheirColours) {
    auto count = [](const Sheet& s, bool wantblue) {
        int n = 0;
        for (std::uint32_t c : s.picture.pixels) {
            if (wantblue ? blue(c) > red(c) + 80 : red(c) > blue(c) + 80 && red(c) > green(c) + 80)
                ++n;
        }
        return n;
    };
    for (const Sheet* s : {&guy1right, &guy1down, &guy1up, &guy1die}) {
        EXPECT_GT(count(*s, true), 300);
        EXPECT_LT(count(*s, false) * 10, count(*s, true)); // a mouth, no more
    }
    for (const Sheet* s : {&guy2right, &guy2down, &guy2up, &guy2die}) {
        EXPECT_GT(count(*s, false), 300);
        EXPECT_EQ(count(*s, true), 0);
    }
}

// Bomb picture k shows a bomb with k thousand ticks or more left: the one
// about to go off glows orange, and each one further from it is darker.
TEST_F(Pictures, BombsCoolFromOrangeToDarkGrey) {
    auto body = [](int k) { return bombpic[k].at(21, 31); }; // the lower half of the ball
    auto light = [](std::uint32_t c) { return red(c) + green(c) + blue(c); };
    EXPECT_GT(red(body(0)), 220);
    EXPECT_LT(blue(body(0)), 80);
    EXPECT_GT(red(body(0)), green(body(0)) + 60);
    for (int k = 1; k < 7; ++k) EXPECT_LT(light(body(k)), light(body(k - 1))) << k;
    std::uint32_t g = body(6);
    EXPECT_LT(red(g), 100);
    EXPECT_LE(std::abs(red(g) - blue(g)), 12);
    EXPECT_LE(std::abs(red(g) - green(g)), 12);
}

TEST_F(Pictures, ScoreboardPicturesLieOnGrey) {
    for (const Picture* p : {&heart, &halfheart, &emptyheart, &Image1, &Image2, &Image3, &Image4,
                             &Image5, &Image6, &Image7, &Image8}) {
        int w = p->width - 1, h = p->height - 1;
        EXPECT_EQ(Long(p->at(0, 0)), grey);
        EXPECT_EQ(Long(p->at(w, 0)), grey);
        EXPECT_EQ(Long(p->at(0, h)), grey);
        EXPECT_EQ(Long(p->at(w, h)), grey);
        int drawn = 0;
        for (std::uint32_t c : p->pixels) drawn += Long(c) != grey;
        EXPECT_GT(drawn, 20); // something is drawn on it
    }
    // A full heart is red on both sides, a half heart on its left only, an empty one nowhere.
    auto redat = [](const Picture& p, int x, int y) {
        std::uint32_t c = p.at(x, y);
        return red(c) > 150 && green(c) < 100;
    };
    EXPECT_TRUE(redat(heart, 4, 7) && redat(heart, 10, 7));
    EXPECT_TRUE(redat(halfheart, 4, 7));
    EXPECT_FALSE(redat(halfheart, 10, 7));
    EXPECT_FALSE(redat(emptyheart, 4, 7) || redat(emptyheart, 10, 7));
}

TEST_F(Pictures, TitleBurnsOnBlack) {
    EXPECT_EQ(titlepicture.at(0, 0), 0u);
    EXPECT_EQ(titlepicture.at(599, 149), 0u);
    int hot = 0, black = 0;
    for (std::uint32_t c : titlepicture.pixels) {
        hot += red(c) > 200 && blue(c) < 180;
        black += c == 0;
    }
    EXPECT_GT(hot, 600 * 150 / 10);
    EXPECT_GT(black, 600 * 150 / 4);
}

// Building the pictures happens once; asking again keeps what is there.
TEST_F(Pictures, LoadingAgainKeepsThePictures) {
    std::uint32_t keep = coinpic.pixels[0];
    coinpic.pixels[0] = 0x123456;
    loadpictures();
    EXPECT_EQ(coinpic.pixels[0], 0x123456u);
    coinpic.pixels[0] = keep;
}

} // namespace
