// The picture surface: unit-to-pixel mapping, boxes, clipping, reading back.
#include <gtest/gtest.h>

#include "platform/surface.h"
#include "playfield/pictures.h"
#include "playfield/playfield.h"
#include "state/levels.h"
#include "state/state.h"

namespace {
constexpr Long white = 0xFFFFFF, red = RGB(255, 0, 0);

Surface field() {
    Surface s;
    makesurface(s, 714, 598, white);
    setscale(s, 17, 13);
    return s;
}

int countcolour(const Surface& s, Long c, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) n += pixelat(s, x, y) == c;
    return n;
}
} // namespace

TEST(Surface, OneUnitIsOnePicture) {
    Surface s = field();
    EXPECT_EQ(pixelx(s, 1), 42);
    EXPECT_EQ(pixely(s, 1), 46);
    EXPECT_EQ(pixelx(s, 16), 672);
    EXPECT_EQ(pixely(s, 12), 552);
}

TEST(Surface, BoxesStopAtSquareBoundaries) {
    Surface s = field();
    // A box ending exactly on the boundary of square 7 paints none of it.
    fillbox(s, 6.99, 3, 7, 4, red);
    EXPECT_EQ(countcolour(s, red, 294, 0, 713, 597), 0);
    EXPECT_EQ(countcolour(s, red, 293, 138, 293, 183), 46);
    EXPECT_EQ(countcolour(s, red, 0, 0, 713, 597), 46);
    // Either corner order, and a whole square is exactly 42 x 46.
    fillbox(s, 3, 5, 2, 4, red);
    EXPECT_EQ(countcolour(s, red, 84, 184, 125, 229), 42 * 46);
    EXPECT_EQ(pixelat(s, 126, 200), white);
    EXPECT_EQ(pixelat(s, 100, 230), white);
    // A picture painted at x begins at the box's first column.
    Picture p;
    p.width = 3;
    p.height = 2;
    p.pixels.assign(6, RGB(0, 0, 255));
    paintpicture(s, p, 10, 10);
    EXPECT_EQ(pixelat(s, 420, 460), RGB(0, 0, 255));
    EXPECT_EQ(pixelat(s, 419, 460), white);
}

TEST(Surface, ThinBoxesStillPaint) {
    Surface s = field();
    fillbox(s, 5.5, 2, 5.51, 3, red);
    EXPECT_EQ(countcolour(s, red, 0, 92, 713, 92), 1);
}

TEST(Surface, DrawingOutsideIsClipped) {
    Surface s = field();
    Picture p;
    p.width = 42;
    p.height = 46;
    p.pixels.assign(42 * 46, red);
    paintpicture(s, p, 16.5, 12.5);
    paintpicture(s, p, -0.5, -0.5);
    fillbox(s, -3, -3, 30, -1, red);
    drawline(s, -5, -5, 40, 40, red);
    s.drawwidth = 9;
    setpoint(s, 17, 13, red);
    EXPECT_EQ(pixelat(s, 713, 597), red);
    EXPECT_EQ(pixelat(s, 0, 0), red);
    EXPECT_EQ(point(s, 20, 20), -1);
}

TEST(Surface, PointsAreDiscsOfDrawWidth) {
    Surface s = field();
    s.drawwidth = 5;
    setpoint(s, 8.5, 6.5, red);
    int cx = pixelx(s, 8.5), cy = pixely(s, 6.5);
    EXPECT_EQ(pixelat(s, cx, cy), red);
    EXPECT_EQ(pixelat(s, cx + 2, cy), red);
    EXPECT_EQ(pixelat(s, cx + 3, cy), white);
    EXPECT_EQ(pixelat(s, cx + 2, cy + 2), white); // a disc, not a square
    s.drawwidth = 1;
    setpoint(s, 1.5, 1.5, red);
    EXPECT_EQ(countcolour(s, red, 0, 0, 200, 200), 1);
}

TEST(Surface, PrintedTextIsTransparent) {
    Surface s = field();
    fillbox(s, 2, 2, 4, 3, RGB(48, 120, 48));
    s.forecolor = red;
    s.currentx = 2;
    s.currenty = 2;
    printtext(s, "-1 ");
    int ink = countcolour(s, red, 84, 92, 168, 138);
    EXPECT_GT(ink, 3);
    EXPECT_GT(countcolour(s, RGB(48, 120, 48), 84, 92, 168, 138), 84 * 46 - ink - 1);
    EXPECT_EQ(s.currentx, 0);
    EXPECT_GT(s.currenty, 2);
}

TEST(Playfield, LevelZeroPaintsEverySquare) {
    resetstate();
    setdefaultsettings();
    loadpictures();
    makeplayfield();
    level = 0;
    reset();
    for (int x = 0; x <= 16; ++x)
        for (int y = 0; y <= 12; ++y) {
            const Picture* tile = square[x][y].kind == 2   ? &rock
                                  : square[x][y].kind == 3 ? &block
                                                           : nullptr;
            if (!tile) {
                EXPECT_EQ(point(pic, x + 0.5, y + 0.5), RGB(48, 120, 48)) << x << "," << y;
                continue;
            }
            for (int py = 0; py < 46; py += 5)
                for (int px = 0; px < 42; px += 5)
                    ASSERT_EQ(pixelat(pic, x * 42 + px, y * 46 + py), Long(tile->at(px, py)))
                        << x << "," << y;
        }
    // Column 17 and row 13 are kind 0: nothing is painted.
    std::vector<std::uint32_t> before = pic.pixels;
    for (int y = 0; y <= 13; ++y) drawsquare(17, y);
    for (int x = 0; x <= 17; ++x) drawsquare(x, 13);
    EXPECT_EQ(pic.pixels, before);
}
