// Pictures and the retained picture surface the playfield is drawn on.
// Colours are Longs packed like RGB(): red in the low byte.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/font.h"
#include "state/types.h"

// An opaque rectangle of pixels, painted unscaled.
struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels; // row by row, width * height
    std::uint32_t at(int x, int y) const { return pixels[size_t(y) * width + x]; }
};

// A picture cut into equal cells in one row; cell k is the k-th strip from the left.
struct Sheet {
    Picture picture;
    int cols = 1;
    std::vector<Picture> cells; // prepared once by makesheet
    const Picture& cell(int k) const { return cells[size_t(k)]; }
};
Sheet makesheet(Picture picture, int cols);

// Pixels x0 to x1 - 1 across and y0 to y1 - 1 down; none when empty.
struct PixelBox {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool empty() const { return x0 >= x1 || y0 >= y1; }
};
constexpr int maxpainted = 6;

// A drawing surface that keeps everything painted on it. Positions are in the
// user scale (ScaleWidth by ScaleHeight units over the inner size); one
// playfield unit is 42 x 46 pixels at the game's size.
struct Surface {
    int width = 0, height = 0; // pixels
    std::vector<std::uint32_t> pixels;
    double scalewidth = 0, scaleheight = 0;
    int drawwidth = 1;
    Long forecolor = 0;
    double currentx = 0, currenty = 0;
    Font font;
    bool autoredraw = false;
    int left = 0, top = 0;     // place in its window, in twips (the shake moves left)
    std::uint64_t changes = 0; // counts drawing operations
    // The pixels painted since a window last took them (takepainted), in a
    // few boxes: a painting far from the others starts a box of its own.
    PixelBox painted[maxpainted];
    int npainted = 0;
};

// The boxes of pixels painted since the last call, which the window showing
// the surface puts on the screen again: how many (up to maxpainted) are put
// into out; the surface starts afresh.
int takepainted(Surface& s, PixelBox out[maxpainted]);

// Makes a surface of w x h pixels filled with colour c, scaled 1 unit per pixel.
void makesurface(Surface& s, int w, int h, Long c);
// Sets the user scale: the inner area runs 0..sw across and 0..sh down.
void setscale(Surface& s, double sw, double sh);
// Pixel column of unit x and pixel row of unit y.
int pixelx(const Surface& s, double x);
int pixely(const Surface& s, double y);

// Paints p with its top-left corner at (x, y), clipped.
void paintpicture(Surface& s, const Picture& p, double x, double y);
// Fills the box between two corners (either order) with c. A box that ends on
// a unit boundary paints nothing beyond it; a thin box still paints a pixel.
void fillbox(Surface& s, double x1, double y1, double x2, double y2, Long c);
// A straight line DrawWidth pixels wide.
void drawline(Surface& s, double x1, double y1, double x2, double y2, Long c);
// A dot DrawWidth pixels across centred on (x, y).
void setpoint(Surface& s, double x, double y, Long c);
// Prints text at (CurrentX, CurrentY) in ForeColor with a transparent
// background, then moves CurrentX back to 0 and CurrentY down one line.
void printtext(Surface& s, const std::string& text);
// The colour of the pixel at (x, y); -1 outside the surface.
Long point(const Surface& s, double x, double y);
// Same for a pixel position.
Long pixelat(const Surface& s, int px, int py);
