// Players: key reading with its look-ahead and shadowing, grid movement with
// gliding and snapping, the walking sprite, the trails and the death animation.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "game/guysprites.h"
#include "game/players.h"
#include "game/startup.h"
#include "platform/random.h"
#include "platform/window.h"
#include "playfield/pictures.h"
#include "playfield/playfield.h"
#include "state/convert.h"
#include "state/levels.h"
#include "state/state.h"

namespace {

// The ten movement and drop keys of both players.
const int allkeys[] = {37, 38, 39, 40, 17, 65, 68, 87, 83, 81};

// Holds exactly the given keys, through the platform's key events.
void holdkeys(std::initializer_list<int> down) {
    for (int k : allkeys) injectkeystate(k, false);
    for (int k : down) injectkeystate(k, true);
    doevents();
}

void setkind(int x, int y, Single kind) {
    square[x][y].kind = kind;
    drawsquare(Integer(x), Integer(y));
}

void setflags(Integer n, Integer l, Integer r, Integer u, Integer d) {
    goleft[n] = l;
    goright[n] = r;
    goup[n] = u;
    godown[n] = d;
}

// The walking and death sheets, replaced in the tests by sheets of the same
// sizes whose cells are solid and all of different colours, so every cell
// and every left-over sprite pixel can be told from ground and from the others.
Sheet* const guysheets[] = {&guy1right, &guy1left, &guy1down, &guy1up, &guy1die,
                            &guy2right, &guy2left, &guy2down, &guy2up, &guy2die};

Long cellcolour(int sheet, int k) {
    return RGB(200, 10 + 18 * k, 5 + 9 * sheet);
}

Sheet solidsheet(const Sheet& like, int tag) {
    Picture p;
    p.width = like.picture.width;
    p.height = like.picture.height;
    p.pixels.resize(size_t(p.width) * p.height);
    int cw = p.width / like.cols;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            p.pixels[size_t(y) * p.width + x] = std::uint32_t(cellcolour(tag, x / cw));
    return makesheet(std::move(p), like.cols);
}

// What the board shows without any sprite, pixel by pixel, as drawsquare paints it.
Long boardpixel(int px, int py) {
    int x = px / 42, y = py / 46;
    Single kind = square[x][y].kind;
    if (kind == 2) return Long(rock.at(px % 42, py % 46));
    if (kind == 3) return Long(block.at(px % 42, py % 46));
    return groundcolor;
}

// A box of pixels, both corners included.
struct Pixels {
    int x0, y0, x1, y1;
};

// Does the playfield show the board and nothing else but this picture at (x, y),
// whatever lies in the box let through? Looks at the scanned box only (all of
// it unless told). Gives the first stray pixel when not.
testing::AssertionResult showsonly(const Picture& sprite, double x, double y,
                                   Pixels let = {0, 0, -1, -1},
                                   Pixels scan = {0, 0, picwidthpx - 1, picheightpx - 1}) {
    int sx = pixelx(pic, x), sy = pixely(pic, y);
    int stray = 0;
    std::string first;
    for (int py = scan.y0; py <= scan.y1; ++py)
        for (int px = scan.x0; px <= scan.x1; ++px) {
            bool insprite =
                px >= sx && px < sx + sprite.width && py >= sy && py < sy + sprite.height;
            bool letthrough = px >= let.x0 && px <= let.x1 && py >= let.y0 && py <= let.y1;
            Long want = insprite ? Long(sprite.at(px - sx, py - sy)) : boardpixel(px, py);
            if (!letthrough && pixelat(pic, px, py) != want && stray++ == 0)
                first = "pixel (" + std::to_string(px) + ", " + std::to_string(py) + ")";
        }
    if (stray == 0) return testing::AssertionSuccess();
    return testing::AssertionFailure() << stray << " stray pixels, first " << first;
}

// Is picture p what the playfield shows with its corner at (x, y)?
bool showsat(const Picture& p, double x, double y) {
    int sx = pixelx(pic, x), sy = pixely(pic, y);
    for (int py = 0; py < p.height; ++py)
        for (int px = 0; px < p.width; ++px)
            if (pixelat(pic, sx + px, sy + py) != Long(p.at(px, py))) return false;
    return true;
}

// Level 0 with its players, then the whole board turned into ground with
// nothing on it, so every test places its own rocks and blocks.
class Players : public testing::Test {
  protected:
    std::vector<Sheet> realsheets;

    void SetUp() override {
        resetstate();
        setdefaultsettings();
        makeplayfield();
        loadpictures();
        randomize(11);
        level = 0;
        reset();
        players = 2;
        guyspeed = 0.01f;
        framestep = 1;
        coincount = enemycount = 0;
        for (int x = 0; x <= 16; ++x)
            for (int y = 0; y <= 12; ++y) setkind(x, y, 1);
        for (int n = 1; n <= 2; ++n) {
            guy[n].bombs = 5;
            guy[n].life = 10;
            guy[n].lives = 3;
        }
        guy[1].x = guy[1].y = 0;
        guy[2].x = 16;
        guy[2].y = 12;
        for (int i = 0; i < 10; ++i) {
            realsheets.push_back(*guysheets[i]);
            *guysheets[i] = solidsheet(*guysheets[i], i);
        }
        holdkeys({});
    }
    void TearDown() override {
        holdkeys({});
        for (int i = 0; i < 10; ++i) *guysheets[i] = realsheets[size_t(i)];
    }

    // Frames until player n stands on whole numbers, each a movement step.
    int settle(Integer n) {
        int frames = 0;
        while ((Int(guy[n].x) != guy[n].x || Int(guy[n].y) != guy[n].y) && frames < 400) {
            moveguy(n);
            ++frames;
        }
        return frames;
    }
};

// A frame of keys for one player standing at (x, y), then one movement step.
TEST_F(Players, KeyReadingLooksAheadForLeftAndUpAndLetsRowKeysShadow) {
    enum { L = 1, R = 2, U = 4, D = 8 };
    struct Case {
        const char* what;
        Integer n;
        Single x, y;
        std::vector<std::pair<int, int>> rocks;
        std::initializer_list<int> keys;
        Integer facingbefore;
        int flags; // L, R, U, D set
        Integer facingafter;
        Single xafter, yafter;
    };
    const Case cases[] = {
        {"Left on column 0 turns without moving", 1, 0, 5, {}, {37}, 2, L, 4, 0, 5},
        {"Up on row 0 turns without moving", 1, 5, 0, {}, {38}, 2, U, 1, 5, 0},
        {"Right into a rock turns without moving", 1, 5, 5, {{6, 5}}, {39}, 1, R, 2, 5, 5},
        {"Down into a rock turns without moving", 1, 5, 5, {{5, 6}}, {40}, 2, D, 3, 5, 5},
        {"Left refused by the look-ahead", 1, 5, 5, {{4, 5}}, {37}, 1, 0, 1, 5, 5},
        {"Up refused by the look-ahead", 1, 5, 5, {{5, 4}}, {38}, 2, 0, 2, 5, 5},
        {"Left and Up at a crossing, rock to the left", 1, 5, 5, {{4, 5}}, {37, 38}, 2, 0, 2, 5, 5},
        {"Right shadows Up", 1, 5, 5, {}, {39, 38}, 1, R, 2, 5.01f, 5},
        {"Left shadows Down", 1, 5, 5, {}, {37, 40}, 1, L, 4, 4.99f, 5},
        {"Left at 4.3 with square 3 ground", 1, 4.3f, 5, {}, {37}, 2, L, 4, 4.29f, 5},
        {"Left at 4.3 with square 3 a rock", 1, 4.3f, 5, {{3, 5}}, {37}, 2, 0, 2, 4.31f, 5},
        {"Left at 4.8 looks at square 4", 1, 4.8f, 5, {{3, 5}}, {37}, 2, L, 4, 4.79f, 5},
        {"Up is not read between two columns", 1, 4.5f, 5, {}, {38}, 2, 0, 2, 4.51f, 5},
        {"Right is not read between two rows", 1, 5, 4.5f, {}, {39}, 3, 0, 3, 5, 4.51f},
        {"Player 2 reads W, A, S, D", 2, 5, 5, {}, {65}, 2, L, 4, 4.99f, 5},
        {"Player 2 Down", 2, 5, 5, {}, {83}, 2, D, 3, 5, 5.01f},
        {"Player 1's keys leave player 2 alone", 2, 5, 5, {}, {37, 38}, 2, 0, 2, 5, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (auto [x, y] : c.rocks) setkind(x, y, 2);
        guy[c.n].x = c.x;
        guy[c.n].y = c.y;
        facing[c.n] = c.facingbefore;
        holdkeys(c.keys);
        readkeys();
        EXPECT_EQ(goleft[c.n], (c.flags & L) ? -1 : 0);
        EXPECT_EQ(goright[c.n], (c.flags & R) ? -1 : 0);
        EXPECT_EQ(goup[c.n], (c.flags & U) ? -1 : 0);
        EXPECT_EQ(godown[c.n], (c.flags & D) ? -1 : 0);
        EXPECT_EQ(facing[c.n], c.facingafter);
        moveguy(c.n);
        EXPECT_FLOAT_EQ(guy[c.n].x, c.xafter);
        EXPECT_FLOAT_EQ(guy[c.n].y, c.yafter);
        for (auto [x, y] : c.rocks) setkind(x, y, 1);
    }
}

TEST_F(Players, KeyReadingClearsTheFlagsAndDropsOnlyWithBombsInHand) {
    for (Integer n = 1; n <= 2; ++n) {
        setflags(n, -1, -1, -1, -1);
        dropbomb[n] = -1;
        facing[n] = 3;
    }
    readkeys();
    for (Integer n = 1; n <= 2; ++n) {
        EXPECT_EQ(goleft[n] | goright[n] | goup[n] | godown[n] | dropbomb[n], 0) << n;
        EXPECT_EQ(facing[n], 3) << n;
    }

    // Drop is read wherever the player stands, while bombs are in hand.
    guy[1].x = 4.5f;
    guy[2].y = 7.25f;
    holdkeys({17, 81});
    guy[1].bombs = 0;
    guy[2].bombs = 1;
    readkeys();
    EXPECT_EQ(dropbomb[1], 0);
    EXPECT_EQ(dropbomb[2], -1);
    guy[1].bombs = 1;
    readkeys();
    EXPECT_EQ(dropbomb[1], -1);
}

TEST_F(Players, SecondPlayersKeysAreReadInAOnePlayerGameButMoveNobody) {
    players = 1;
    guy[1].x = guy[1].y = 4;
    guy[2].x = guy[2].y = 8;
    facing[1] = 2;
    holdkeys({68, 83});
    for (int i = 0; i < 20; ++i) framepasses();
    EXPECT_EQ(goright[2], -1);
    EXPECT_EQ(facing[2], 2);
    EXPECT_EQ(goright[1], 0);
    EXPECT_EQ(guy[1].x, 4.0f);
    EXPECT_EQ(guy[1].y, 4.0f);
    EXPECT_EQ(guy[2].x, 8.0f);
    EXPECT_EQ(guy[2].y, 8.0f);
}

// A set flag with no key reading in front: Right and Down test the square the
// sprite moves into, Left and Up the square under its leading part, so a Left
// or Up flag alone takes a player one step into a rock (the look-ahead of the
// key reading is what keeps him out).
TEST_F(Players, KeyedStepsStopAtRocksBlocksAndTheBorder) {
    struct Case {
        const char* what;
        Single x, y;
        int dir; // 1 up, 2 right, 3 down, 4 left
        int rx, ry;
        Single kind;
        Single xend, yend;
    };
    const Case cases[] = {
        {"Right into a rock", 5, 5, 2, 6, 5, 2, 5, 5},
        {"Down into a block", 5, 5, 3, 5, 6, 3, 5, 5},
        {"Left into a rock", 5, 5, 4, 4, 5, 2, 4.99f, 5},
        {"Up into a block", 5, 5, 1, 5, 4, 3, 5, 4.99f},
        {"Right on column 16", 16, 5, 2, 0, 0, 1, 16, 5},
        {"Down on row 12", 5, 12, 3, 0, 0, 1, 5, 12},
        {"Left on column 0", 0, 5, 4, 0, 0, 1, 0, 5},
        {"Up on row 0", 5, 0, 1, 0, 0, 1, 5, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        setkind(c.rx, c.ry, c.kind);
        guy[1].x = c.x;
        guy[1].y = c.y;
        facing[1] = Integer(c.dir);
        setflags(1, c.dir == 4 ? -1 : 0, c.dir == 2 ? -1 : 0, c.dir == 1 ? -1 : 0,
                 c.dir == 3 ? -1 : 0);
        for (int i = 0; i < 30; ++i) moveguy(1);
        EXPECT_FLOAT_EQ(guy[1].x, c.xend);
        EXPECT_FLOAT_EQ(guy[1].y, c.yend);
        setkind(c.rx, c.ry, 1);
    }
}

TEST_F(Players, CrossingOneSquareTakesAHundredFrames) {
    struct Case {
        int dir;
        double target; // the coordinate of the next square
    };
    const Case cases[] = {{1, 5}, {2, 7}, {3, 7}, {4, 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dir);
        guy[1].x = guy[1].y = 6;
        facing[1] = Integer(c.dir);
        setflags(1, c.dir == 4 ? -1 : 0, c.dir == 2 ? -1 : 0, c.dir == 1 ? -1 : 0,
                 c.dir == 3 ? -1 : 0);
        bool horizontal = c.dir == 2 || c.dir == 4;
        int frames = 0;
        auto pos = [&] { return double(horizontal ? guy[1].x : guy[1].y); };
        while ((c.dir == 2 || c.dir == 3 ? pos() < c.target : pos() > c.target) && frames < 200) {
            moveguy(1);
            ++frames;
        }
        EXPECT_GE(frames, 99);
        EXPECT_LE(frames, 101);
        // A held key carries him on across the boundary without stopping.
        moveguy(1);
        EXPECT_NEAR(pos(), c.target + (c.dir == 2 || c.dir == 3 ? 0.01 : -0.01), 0.0001);
    }
}

TEST_F(Players, ReleasedKeysGlideOnToTheNextWholeNumber) {
    struct Case {
        const char* what;
        int dir;
        int held;     // frames the key is held from (6, 6)
        Single end;   // where he comes to stand
        int min, max; // frames of settling
    };
    const Case cases[] = {
        {"Right released at 6.5 glides on to 7", 2, 50, 7, 49, 52},
        {"Down released at 6.5 glides on to 7", 3, 50, 7, 49, 52},
        {"Left released at 5.5 ends on 5 with one jump", 4, 50, 5, 34, 37},
        {"Up released at 5.5 ends on 5 with one jump", 1, 50, 5, 34, 37},
        {"Right released just past 6 snaps back", 2, 5, 6, 1, 1},
        {"Right released at 6.16 glides on", 2, 16, 7, 82, 86},
        {"Left released at 5.95 glides on", 4, 5, 5, 80, 82},
        {"Down released at 6.14 snaps back", 3, 14, 6, 1, 1},
        {"Right held 99 frames", 2, 99, 7, 0, 2},
        {"Left held 99 frames", 4, 99, 5, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        guy[1].x = guy[1].y = 6;
        facing[1] = Integer(c.dir);
        setflags(1, c.dir == 4 ? -1 : 0, c.dir == 2 ? -1 : 0, c.dir == 1 ? -1 : 0,
                 c.dir == 3 ? -1 : 0);
        for (int i = 0; i < c.held; ++i) moveguy(1);
        setflags(1, 0, 0, 0, 0);
        bool horizontal = c.dir == 2 || c.dir == 4;
        Single* pos = horizontal ? &guy[1].x : &guy[1].y;
        // The last move of the glide.
        double before = *pos, jump = 0;
        int frames = 0;
        while (Int(*pos) != *pos && frames < 400) {
            before = *pos;
            moveguy(1);
            jump = before - *pos;
            ++frames;
        }
        EXPECT_GE(frames, c.min);
        EXPECT_LE(frames, c.max);
        EXPECT_EQ(*pos, c.end);
        EXPECT_EQ(horizontal ? guy[1].y : guy[1].x, 6.0f);
        EXPECT_EQ(facing[1], c.dir);
        if (c.dir == 1 || c.dir == 4) {
            if (c.held == 50) {
                // Moving left or up the last part of the way is one jump.
                EXPECT_GT(jump, 0.13);
                EXPECT_LT(jump, 0.15);
            }
        }
        // Standing is standing: more frames change nothing.
        for (int i = 0; i < 5; ++i) moveguy(1);
        EXPECT_EQ(*pos, c.end);
    }
}

TEST_F(Players, AGlideOverNoGroundStopsOnTheNextWholeNumberUnpainted) {
    struct Case {
        int dir;
        Single x, y;
        int rx, ry;
    };
    // A square under the sprite that is no longer ground.
    const Case cases[] = {{4, 4.5f, 6, 4, 6}, {1, 6, 4.5f, 6, 4}, {2, 4.5f, 6, 4, 6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dir);
        setkind(c.rx, c.ry, 2);
        guy[1].x = c.x;
        guy[1].y = c.y;
        facing[1] = Integer(c.dir);
        setflags(1, 0, 0, 0, 0);
        auto changes = pic.changes;
        moveguy(1);
        EXPECT_EQ(facing[1], -1);
        EXPECT_EQ(guy[1].x, c.dir == 1 ? 6.0f : 5.0f);
        EXPECT_EQ(guy[1].y, c.dir == 1 ? 5.0f : 6.0f);
        EXPECT_EQ(pic.changes, changes);
        moveguy(1);
        EXPECT_EQ(pic.changes, changes);
        setkind(c.rx, c.ry, 1);
    }
}

TEST_F(Players, SpriteCellFollowsFacingAndEveryHalfSquare) {
    struct Case {
        Integer n, facing;
        Single x, y;
        const Sheet* sheet;
        int cell;
    };
    const Case cases[] = {
        {1, 2, 5, 3, &guy1right, 2},   {1, 2, 6, 3, &guy1right, 0}, {1, 2, 6.5f, 3, &guy1right, 1},
        {1, 4, 5.5f, 3, &guy1left, 3}, {1, 3, 4, 7, &guy1down, 2},  {1, 1, 4, 6.5f, &guy1up, 1},
        {2, 4, 5, 3, &guy2left, 2},    {2, 1, 3, 8, &guy2up, 0},    {2, 3, 3, 8.5f, &guy2down, 1},
        {2, 2, 16, 12, &guy2right, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "player " << c.n << " facing " << c.facing << " at " << c.x << ", " << c.y);
        guy[c.n].x = c.x;
        guy[c.n].y = c.y;
        facing[c.n] = c.facing;
        drawguy(c.n);
        EXPECT_TRUE(showsat(c.sheet->cell(c.cell), c.x, c.y));
    }
}

TEST_F(Players, NoDirectionYetOrDeadPaintsNoSprite) {
    struct Case {
        Integer facing, dead;
    };
    const Case cases[] = {{0, 0}, {-1, 0}, {2, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "facing " << c.facing << " dead " << c.dead);
        guy[1].x = guy[1].y = 5;
        facing[1] = c.facing;
        guy[1].dead = c.dead;
        auto changes = pic.changes;
        drawguy(1);
        moveguy(1);
        EXPECT_EQ(pic.changes, changes);
        EXPECT_TRUE(showsonly(Picture{}, 0, 0));
    }
}

// The old sprite is left on the board, then one step away from a rock, from
// every square of a row or column: the rounding of the Single steps puts the
// strip's far edge on either side of the boundary.
TEST_F(Players, AStepAwayFromARockErasesTheStripButNothingOfTheRock) {
    struct Case {
        int dir;
        int rdx, rdy; // the rock, from the start square
        const Sheet* sheet;
    };
    const Case cases[] = {
        {4, 1, 0, &guy1left}, {2, -1, 0, &guy1right}, {1, 0, 1, &guy1up}, {3, 0, -1, &guy1down}};
    for (const Case& c : cases) {
        bool horizontal = c.dir == 2 || c.dir == 4;
        for (int at = 1; at <= (horizontal ? 15 : 11); ++at) {
            SCOPED_TRACE(testing::Message() << "direction " << c.dir << " from " << at);
            int sx = horizontal ? at : 6, sy = horizontal ? 6 : at;
            setkind(sx + c.rdx, sy + c.rdy, 2);
            guy[1].x = Single(sx);
            guy[1].y = Single(sy);
            facing[1] = Integer(c.dir);
            setflags(1, 0, 0, 0, 0);
            drawguy(1);
            setflags(1, c.dir == 4 ? -1 : 0, c.dir == 2 ? -1 : 0, c.dir == 1 ? -1 : 0,
                     c.dir == 3 ? -1 : 0);
            moveguy(1);
            Single x = guy[1].x, y = guy[1].y;
            EXPECT_NE(horizontal ? x : y, Single(at));
            int cell = int(Int(2.0 * (horizontal ? x : y))) % 4;
            EXPECT_TRUE(showsonly(c.sheet->cell(cell), x, y));
            setkind(sx + c.rdx, sy + c.rdy, 1);
            setkind(sx, sy, 1);
            setkind(sx + (c.dir == 2) - (c.dir == 4), sy + (c.dir == 3) - (c.dir == 1), 1);
        }
    }
}

// While the keys are held the board shows nothing but the sprite after every
// frame; while he glides, at most the one line of the last step lies behind it.
TEST_F(Players, EveryFrameOfAWalkAndGlidePaintsBehindTheSprite) {
    struct Case {
        int dir;
        const Sheet* sheet;
    };
    const Case cases[] = {{4, &guy1left}, {2, &guy1right}, {1, &guy1up}, {3, &guy1down}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dir);
        bool horizontal = c.dir == 2 || c.dir == 4;
        for (int x = 0; x <= 16; ++x)
            for (int y = 0; y <= 12; ++y) setkind(x, y, 1);
        guy[1].x = guy[1].y = 6;
        facing[1] = Integer(c.dir);
        setflags(1, c.dir == 4 ? -1 : 0, c.dir == 2 ? -1 : 0, c.dir == 1 ? -1 : 0,
                 c.dir == 3 ? -1 : 0);
        // Squares 4 to 9 around his way from 6 to 7.5 and back to 4.5.
        const Pixels near = {4 * 42, 4 * 46, 10 * 42 - 1, 10 * 46 - 1};
        auto sprite = [&]() -> const Picture& {
            Single v = horizontal ? guy[1].x : guy[1].y;
            return c.sheet->cell(int(Int(2.0 * v)) % 4);
        };
        for (int f = 0; f < 150; ++f) {
            moveguy(1);
            ASSERT_TRUE(showsonly(sprite(), guy[1].x, guy[1].y, {0, 0, -1, -1}, near))
                << "keyed frame " << f;
        }
        setflags(1, 0, 0, 0, 0);
        for (int f = 0;
             f < 60 && Int(horizontal ? guy[1].x : guy[1].y) != (horizontal ? guy[1].x : guy[1].y);
             ++f) {
            const Picture& p0 = sprite();
            int sx = pixelx(pic, guy[1].x), sy = pixely(pic, guy[1].y);
            moveguy(1);
            // The line the sprite stood on one frame ago at its trailing edge.
            Pixels behind = {sx, sy, sx + p0.width - 1, sy + p0.height - 1};
            if (c.dir == 4) behind.x0 = behind.x1;
            if (c.dir == 2) behind.x1 = behind.x0;
            if (c.dir == 1) behind.y0 = behind.y1;
            if (c.dir == 3) behind.y1 = behind.y0;
            ASSERT_TRUE(showsonly(sprite(), guy[1].x, guy[1].y, behind, near))
                << "glide frame " << f;
        }
        EXPECT_TRUE(showsonly(sprite(), guy[1].x, guy[1].y));
    }
}

// Player 1 walks a row of ground between rocks and blocks, stopping and
// gliding on the way; wherever he stands the board shows only him.
TEST_F(Players, AWalkAcrossARowAndBackLeavesNoSmear) {
    const int row = 6;
    for (int x = 0; x <= 16; ++x) {
        setkind(x, row - 1, x % 2 ? 2 : 3);
        setkind(x, row + 1, x % 3 ? 3 : 2);
    }
    setkind(16, row, 2);
    guy[1].x = 0;
    guy[1].y = row;
    auto standing = [&](const char* where) {
        SCOPED_TRACE(where);
        ASSERT_EQ(Int(guy[1].x), guy[1].x);
        const Sheet& s = facing[1] == 2 ? guy1right : guy1left;
        EXPECT_TRUE(showsonly(s.cell(int(guy[1].x) % 2 ? 2 : 0), guy[1].x, guy[1].y));
    };
    auto walk = [&](int dir, int frames) {
        facing[1] = Integer(dir);
        setflags(1, dir == 4 ? -1 : 0, dir == 2 ? -1 : 0, 0, 0);
        for (int i = 0; i < frames; ++i) moveguy(1);
        setflags(1, 0, 0, 0, 0);
        settle(1);
    };
    walk(2, 450); // to 4.5, gliding on to 5
    EXPECT_EQ(guy[1].x, 5.0f);
    standing("glided right to 5");
    walk(2, 8); // a short tap snaps back
    EXPECT_EQ(guy[1].x, 5.0f);
    standing("snapped back to 5");
    walk(2, 1200); // into the rock on column 16
    EXPECT_EQ(guy[1].x, 15.0f);
    standing("against the rock");
    walk(4, 450); // to 10.5, then one jump to 10
    EXPECT_EQ(guy[1].x, 10.0f);
    standing("glided left to 10");
    walk(4, 1100); // onto the border
    EXPECT_EQ(guy[1].x, 0.0f);
    standing("back on column 0");
}

TEST_F(Players, DeathAnimationShowsTenCellsNineTimesEachOver450Frames) {
    for (Integer n = 1; n <= 2; ++n) {
        SCOPED_TRACE(n);
        const Sheet& die = n == 1 ? guy1die : guy2die;
        guyrec& g = guy[n];
        g.x = 5;
        g.y = 6;
        g.dead = -1;
        g.dietime = 900;
        g.dieframe = 0;
        std::vector<int> paintframes, cells;
        for (int f = 1; f <= 470; ++f) {
            auto changes = pic.changes;
            deathstep(n);
            if (pic.changes == changes) continue;
            paintframes.push_back(f);
            int shown = -1;
            for (int k = 0; k < 10; ++k)
                if (showsat(die.cell(k), 5, 6)) shown = k;
            cells.push_back(shown);
        }
        ASSERT_EQ(paintframes.size(), 90u);
        for (size_t i = 0; i < 90; ++i) {
            EXPECT_EQ(paintframes[i], int(5 * (i + 1))) << i;
            EXPECT_EQ(cells[i], int(i / 9)) << i;
        }
        EXPECT_EQ(g.dietime, 0);
        EXPECT_EQ(g.dieframe, 90);
    }

    // The game's own last death picture is plain ground.
    for (int i = 0; i < 10; ++i) *guysheets[i] = realsheets[size_t(i)];
    guy[1].dietime = 900;
    guy[1].dieframe = 0;
    for (int f = 0; f < 450; ++f) deathstep(1);
    EXPECT_TRUE(showsonly(Picture{}, 0, 0));
}

// In the frame a dead player's flags are cleared, but his glide goes on.
TEST_F(Players, APlayerWhoDiesBetweenSquaresDiesWhereHeGlidesTo) {
    guyrec& g = guy[1];
    g.x = 4;
    g.y = 6;
    facing[1] = 2;
    setflags(1, 0, -1, 0, 0);
    for (int i = 0; i < 50; ++i) moveguy(1);
    g.dead = -1;
    g.dietime = 900;
    for (int f = 0; f < 450; ++f) {
        deathstep(1);
        setflags(1, 0, 0, 0, 0);
        moveguy(1);
    }
    EXPECT_EQ(g.x, 5.0f);
    EXPECT_EQ(g.y, 6.0f);
    EXPECT_TRUE(showsonly(guy1die.cell(9), 5, 6));
}

} // namespace
