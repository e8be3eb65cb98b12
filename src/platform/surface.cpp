#include "platform/surface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

Sheet makesheet(Picture picture, int cols) {
    Sheet sh;
    sh.cols = cols;
    int cw = picture.width / cols;
    for (int k = 0; k < cols; ++k) {
        Picture c;
        c.width = cw;
        c.height = picture.height;
        c.pixels.resize(size_t(cw) * c.height);
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < cw; ++x) c.pixels[size_t(y) * cw + x] = picture.at(k * cw + x, y);
        sh.cells.push_back(std::move(c));
    }
    sh.picture = std::move(picture);
    return sh;
}

namespace {

PixelBox unite(const PixelBox& a, const PixelBox& b) {
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

long area(const PixelBox& b) {
    return long(b.x1 - b.x0) * (b.y1 - b.y0);
}

// Notes pixels x0..x1 - 1 by y0..y1 - 1 as painted (already clipped). A box
// that overlaps or touches a noted one joins it; with no room left, the new
// box joins the one that grows least by it.
void painted(Surface& s, int x0, int y0, int x1, int y1) {
    PixelBox b{x0, y0, x1, y1};
    if (b.empty()) return;
    for (int i = 0; i < s.npainted; ++i) {
        PixelBox& p = s.painted[i];
        if (b.x0 <= p.x1 && p.x0 <= b.x1 && b.y0 <= p.y1 && p.y0 <= b.y1) {
            p = unite(p, b);
            return;
        }
    }
    if (s.npainted < maxpainted) {
        s.painted[s.npainted++] = b;
        return;
    }
    int best = 0;
    long growth = -1;
    for (int i = 0; i < s.npainted; ++i) {
        long g = area(unite(s.painted[i], b)) - area(s.painted[i]);
        if (growth < 0 || g < growth) best = i, growth = g;
    }
    s.painted[best] = unite(s.painted[best], b);
}

} // namespace

int takepainted(Surface& s, PixelBox out[maxpainted]) {
    int n = s.npainted;
    for (int i = 0; i < n; ++i) out[i] = s.painted[i];
    s.npainted = 0;
    return n;
}

void makesurface(Surface& s, int w, int h, Long c) {
    s.width = w;
    s.height = h;
    s.pixels.assign(size_t(w) * h, std::uint32_t(c));
    s.scalewidth = w;
    s.scaleheight = h;
    s.npainted = 0;
    painted(s, 0, 0, w, h);
    ++s.changes;
}

void setscale(Surface& s, double sw, double sh) {
    s.scalewidth = sw;
    s.scaleheight = sh;
}

namespace {

double pxperx(const Surface& s) {
    return s.width / s.scalewidth;
}
double pxpery(const Surface& s) {
    return s.height / s.scaleheight;
}

// Pixels of a unit position, nudged so that a product that should be whole
// (7 * 42) is not taken for the pixel before it by a rounding error.
int topixel(double u, double per) {
    return int(std::floor(u * per + 1e-9));
}
int topixelend(double u, double per) {
    return int(std::ceil(u * per - 1e-9)) - 1;
}

void fillpixels(Surface& s, int x0, int y0, int x1, int y1, Long c) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, s.width - 1);
    y1 = std::min(y1, s.height - 1);
    if (x0 > x1 || y0 > y1) return;
    for (int y = y0; y <= y1; ++y) {
        auto* row = &s.pixels[size_t(y) * s.width];
        std::fill(row + x0, row + x1 + 1, std::uint32_t(c));
    }
    painted(s, x0, y0, x1 + 1, y1 + 1);
}

// A square pen of DrawWidth pixels centred on a pixel.
void pen(Surface& s, int px, int py, Long c) {
    int w = std::max(s.drawwidth, 1);
    int lo = -(w - 1) / 2;
    fillpixels(s, px + lo, py + lo, px + lo + w - 1, py + lo + w - 1, c);
}

} // namespace

int pixelx(const Surface& s, double x) {
    return topixel(x, pxperx(s));
}
int pixely(const Surface& s, double y) {
    return topixel(y, pxpery(s));
}

void paintpicture(Surface& s, const Picture& p, double x, double y) {
    int px = pixelx(s, x), py = pixely(s, y);
    int x0 = std::max(0, -px), y0 = std::max(0, -py);
    int x1 = std::min(p.width, s.width - px), y1 = std::min(p.height, s.height - py);
    for (int r = y0; r < y1; ++r)
        if (x1 > x0)
            std::copy(&p.pixels[size_t(r) * p.width + x0], &p.pixels[size_t(r) * p.width + x1],
                      &s.pixels[size_t(py + r) * s.width + px + x0]);
    painted(s, px + x0, py + y0, px + x1, py + y1);
    ++s.changes;
}

void fillbox(Surface& s, double x1, double y1, double x2, double y2, Long c) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    int c0 = topixel(x1, pxperx(s)), c1 = std::max(c0, topixelend(x2, pxperx(s)));
    int r0 = topixel(y1, pxpery(s)), r1 = std::max(r0, topixelend(y2, pxpery(s)));
    fillpixels(s, c0, r0, c1, r1, c);
    ++s.changes;
}

void drawline(Surface& s, double x1, double y1, double x2, double y2, Long c) {
    int ax = pixelx(s, x1), ay = pixely(s, y1), bx = pixelx(s, x2), by = pixely(s, y2);
    int dx = std::abs(bx - ax), dy = -std::abs(by - ay);
    int sx = ax < bx ? 1 : -1, sy = ay < by ? 1 : -1;
    int err = dx + dy;
    // Bresenham; a line far outside the surface is clipped pixel by pixel.
    for (int guard = 0; guard < 1 << 16; ++guard) {
        pen(s, ax, ay, c);
        if (ax == bx && ay == by) break;
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            ax += sx;
        }
        if (e2 <= dx) {
            err += dx;
            ay += sy;
        }
    }
    ++s.changes;
}

void setpoint(Surface& s, double x, double y, Long c) {
    int cx = pixelx(s, x), cy = pixely(s, y);
    int w = std::max(s.drawwidth, 1);
    if (w <= 2) {
        pen(s, cx, cy, c);
    } else {
        // A disc of DrawWidth pixels across.
        double r = w / 2.0;
        int lo = -int(std::ceil(r)), hi = int(std::ceil(r));
        for (int dy = lo; dy <= hi; ++dy)
            for (int dx = lo; dx <= hi; ++dx)
                if (dx * dx + dy * dy <= r * r)
                    fillpixels(s, cx + dx, cy + dy, cx + dx, cy + dy, c);
    }
    ++s.changes;
}

void printtext(Surface& s, const std::string& text) {
    const TextMask& m = rendertext(s.font, text);
    int px = pixelx(s, s.currentx), py = pixely(s, s.currenty);
    for (int y = 0; y < m.height; ++y) {
        int ty = py + y;
        if (ty < 0 || ty >= s.height) continue;
        for (int x = 0; x < m.width; ++x) {
            int tx = px + x;
            if (tx < 0 || tx >= s.width || !m.ink[size_t(y) * m.width + x]) continue;
            s.pixels[size_t(ty) * s.width + tx] = std::uint32_t(s.forecolor);
        }
    }
    painted(s, std::max(px, 0), std::max(py, 0), std::min(px + m.width, s.width),
            std::min(py + m.height, s.height));
    s.currentx = 0;
    s.currenty += lineheight(s.font) / pxpery(s);
    ++s.changes;
}

Long pixelat(const Surface& s, int px, int py) {
    if (px < 0 || py < 0 || px >= s.width || py >= s.height) return -1;
    return Long(s.pixels[size_t(py) * s.width + px]);
}

Long point(const Surface& s, double x, double y) {
    return pixelat(s, pixelx(s, x), pixely(s, y));
}
