// Writes the 48 frames of the menu's title: the word "Zoff" in burning
// letters on black, 600 x 150 px, as "small title/zofftitle 2.bmp" to
// "zofftitle 49.bmp" in the folder given. The flames rise through the letters
// and lick above them; the fire pattern scrolls exactly one period over the 48
// frames, so frame 49 runs smoothly on into frame 2.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int width = 600, height = 150;
constexpr int frames = 48;
constexpr double pi = 3.14159265358979323846;

struct point {
    double x, y;
};

// A letter stroke: a polyline drawn with a round pen of the given half width.
struct stroke {
    std::vector<point> points;
    double half;
};

double segmentdistance(point p, point a, point b) {
    double dx = b.x - a.x, dy = b.y - a.y;
    double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / len2, 0.0, 1.0) : 0;
    double ex = a.x + t * dx - p.x, ey = a.y + t * dy - p.y;
    return std::sqrt(ex * ex + ey * ey);
}

// Points along an elliptic arc from angle a0 to a1 (radians, y down).
std::vector<point> arc(double cx, double cy, double rx, double ry, double a0, double a1, int n) {
    std::vector<point> p;
    for (int i = 0; i <= n; ++i) {
        double a = a0 + (a1 - a0) * i / n;
        p.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    return p;
}

// An "f" whose stem stands at x, from the baseline up to its hook.
void addf(std::vector<stroke>& s, double x) {
    std::vector<point> stem = {{x, 125}};
    std::vector<point> hook = arc(x + 24, 56, 24, 22, pi, 1.65 * pi, 12);
    stem.insert(stem.end(), hook.begin(), hook.end());
    s.push_back({stem, 9});
    s.push_back({{{x - 18, 72}, {x + 24, 72}}, 7});
}

// The word, centred in the picture: Z, o, f, f.
std::vector<stroke> word() {
    std::vector<stroke> s;
    s.push_back({{{120, 36}, {214, 36}, {122, 124}, {216, 124}}, 10});
    s.push_back({arc(282, 96, 33, 30, 0, 2 * pi, 48), 9});
    addf(s, 358);
    addf(s, 438);
    return s;
}

// Signed distance in pixels from the letters' edge (negative inside).
std::vector<double> letterdistance() {
    std::vector<stroke> s = word();
    std::vector<double> d(size_t(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            double best = 1e9;
            for (const stroke& k : s)
                for (size_t i = 0; i + 1 < k.points.size(); ++i)
                    best = std::min(best, segmentdistance({double(x), double(y)}, k.points[i],
                                                          k.points[i + 1]) -
                                              k.half);
            d[size_t(y) * width + x] = best;
        }
    return d;
}

// Lattice value noise that repeats every period cells in both directions.
struct noise {
    int period;
    double cell;
    std::vector<double> lattice;

    noise(int period_, double cell_, std::uint32_t seed) : period(period_), cell(cell_) {
        lattice.resize(size_t(period) * period);
        for (double& v : lattice) {
            seed = seed * 1664525u + 1013904223u;
            v = (seed >> 8) / double(1u << 24);
        }
    }
    double at(int i, int j) const {
        i = ((i % period) + period) % period;
        j = ((j % period) + period) % period;
        return lattice[size_t(j) * period + i];
    }
    // Smoothly interpolated value in [0, 1) at pixel (x, y).
    double operator()(double x, double y) const {
        double fx = x / cell, fy = y / cell;
        int i = int(std::floor(fx)), j = int(std::floor(fy));
        double u = fx - i, v = fy - j;
        u = u * u * (3 - 2 * u);
        v = v * v * (3 - 2 * v);
        double a = at(i, j) + (at(i + 1, j) - at(i, j)) * u;
        double b = at(i, j + 1) + (at(i + 1, j + 1) - at(i, j + 1)) * u;
        return a + (b - a) * v;
    }
};

struct rgb {
    double r, g, b;
};

// Fire colours from cold to hot: black, dark red, red, orange, yellow, white.
rgb firecolour(double heat) {
    static const double stops[][4] = {{0.00, 0, 0, 0},      {0.22, 110, 0, 0},
                                      {0.42, 220, 30, 0},   {0.60, 255, 120, 0},
                                      {0.80, 255, 210, 40}, {1.00, 255, 255, 220}};
    heat = std::clamp(heat, 0.0, 1.0);
    for (int k = 1; k < 6; ++k)
        if (heat <= stops[k][0]) {
            double t = (heat - stops[k - 1][0]) / (stops[k][0] - stops[k - 1][0]);
            return {stops[k - 1][1] + (stops[k][1] - stops[k - 1][1]) * t,
                    stops[k - 1][2] + (stops[k][2] - stops[k - 1][2]) * t,
                    stops[k - 1][3] + (stops[k][3] - stops[k - 1][3]) * t};
        }
    return {255, 255, 220};
}

// One 24-bit BMP: header, then rows bottom-up in blue, green, red order.
bool writebmp(const std::string& path, const std::vector<rgb>& pixels) {
    std::ofstream f(path, std::ios::binary);
    if (!f) return false;
    int row = (width * 3 + 3) / 4 * 4;
    std::uint32_t datasize = std::uint32_t(row) * height;
    auto u16 = [&f](std::uint32_t v) {
        f.put(char(v & 255));
        f.put(char((v >> 8) & 255));
    };
    auto u32 = [&u16](std::uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    };
    f.put('B');
    f.put('M');
    u32(54 + datasize);
    u32(0);
    u32(54);
    u32(40);
    u32(width);
    u32(height);
    u16(1);
    u16(24);
    u32(0);
    u32(datasize);
    u32(2835);
    u32(2835);
    u32(0);
    u32(0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const rgb& c = pixels[size_t(y) * width + x];
            f.put(char(int(std::lround(c.b))));
            f.put(char(int(std::lround(c.g))));
            f.put(char(int(std::lround(c.r))));
        }
        for (int pad = width * 3; pad < row; ++pad) f.put(0);
    }
    return bool(f);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zoff_gentitle OUTPUT-FOLDER\n");
        return 2;
    }
    std::filesystem::path folder = std::filesystem::path(argv[1]) / "small title";
    std::filesystem::create_directories(folder);

    std::vector<double> dist = letterdistance();
    // How far each pixel lies above the nearest letter pixel in its column
    // (the flames grow up from the letters' tops).
    std::vector<double> above(size_t(width) * height, 1e9);
    for (int x = 0; x < width; ++x) {
        double last = 1e9;
        for (int y = height - 1; y >= 0; --y) {
            if (dist[size_t(y) * width + x] <= 0)
                last = 0;
            else
                last += 1;
            above[size_t(y) * width + x] = last;
        }
    }

    // Two octaves of fire, each repeating every 192 px; the coarse one rises
    // 192 px and the fine one 384 px over the cycle, so the cycle closes.
    const double repeat = 192;
    noise coarse(12, repeat / 12, 7u), fine(24, repeat / 24, 1234u), sway(12, repeat / 12, 99u);

    for (int frame = 0; frame < frames; ++frame) {
        double rise = repeat * frame / frames;
        std::vector<rgb> pixels(size_t(width) * height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                size_t i = size_t(y) * width + x;
                // The tongues lean a little from side to side as they rise.
                double sx = x + 10 * (sway(x, y + rise) - 0.5);
                double n = 0.65 * coarse(sx, y + rise) + 0.35 * fine(sx * 1.3, y + 2 * rise);
                double heat = 0;
                if (dist[i] <= 0) {
                    // Inside a letter: hot, with the fire's grain moving through it.
                    heat = 0.55 + 0.5 * n - 0.02 * std::max(0.0, -dist[i] - 6);
                } else if (dist[i] < 3) {
                    heat = (0.55 + 0.5 * n) * (1 - dist[i] / 3) * 0.9;
                }
                double h = above[i];
                if (h < 60) {
                    // Above a letter: flames that thin out with height.
                    double f = (1 - h / 60) * (0.35 + 1.1 * n) - 0.35;
                    heat = std::max(heat, f);
                }
                pixels[i] = firecolour(heat);
            }
        std::string name = "zofftitle " + std::to_string(frame + 2) + ".bmp";
        if (!writebmp((folder / name).string(), pixels)) {
            std::fprintf(stderr, "zoff_gentitle: cannot write %s\n", (folder / name).c_str());
            return 1;
        }
    }
    return 0;
}
