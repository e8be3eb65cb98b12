// Every picture and sprite sheet of the game. The figures are pixel art kept
// here as text grids, one character a pixel (most of them drawn at double
// size), coloured through a small palette; '.' is the background. Glows,
// rings and the title's flames are painted by code.
#include "playfield/pictures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <string>
#include <vector>

#include "state/state.h"

Sheet guy1right, guy1left, guy1down, guy1up, guy2right, guy2left, guy2down, guy2up;
Sheet guy1die, guy2die, dinowalkright, dinowalkleft, dinowalkup, dinowalkdown;
Sheet rangeuppic, rangedownpic, boltpic, oneheartpic, tenheartspic, bombuppic;
Picture block, rock, bombpic[7], fuseup, fusedown, coinpic, heart, halfheart, emptyheart;
Picture Image1, Image2, Image3, Image8, Image4, Image7, Image5, Image6, titlepicture;

namespace {

using Grid = std::vector<std::string>;

struct Ink {
    char key;
    Long colour;
};
using Palette = std::vector<Ink>;

constexpr Long ground = RGB(48, 120, 48);
constexpr Long scoreboardgrey = RGB(63, 63, 63);

// ---------------------------------------------------------------------------
// Drawing helpers
// ---------------------------------------------------------------------------

Picture blank(int w, int h, Long c) {
    Picture p;
    p.width = w;
    p.height = h;
    p.pixels.assign(size_t(w) * h, std::uint32_t(c));
    return p;
}

void put(Picture& p, int x, int y, Long c) {
    if (x >= 0 && y >= 0 && x < p.width && y < p.height)
        p.pixels[size_t(y) * p.width + x] = std::uint32_t(c);
}

Long colourof(const Palette& pal, char key) {
    for (const Ink& i : pal)
        if (i.key == key) return i.colour;
    std::fprintf(stderr, "zoff: no colour for '%c' in a picture's palette\n", key);
    std::abort();
}

// Paints grid g over p, each character an sx by sy block, its top-left corner
// at pixel (ox, oy); '.' leaves what is there. Clipped at p's edges.
void overlay(Picture& p, const Grid& g, const Palette& pal, int sx, int sy, int ox, int oy) {
    for (size_t r = 0; r < g.size(); ++r) {
        if (g[r].size() != g[0].size()) {
            std::fprintf(stderr, "zoff: ragged picture grid at row \"%s\"\n", g[r].c_str());
            std::abort();
        }
        for (size_t c = 0; c < g[r].size(); ++c) {
            if (g[r][c] == '.') continue;
            Long col = colourof(pal, g[r][c]);
            for (int dy = 0; dy < sy; ++dy)
                for (int dx = 0; dx < sx; ++dx)
                    put(p, ox + int(c) * sx + dx, oy + int(r) * sy + dy, col);
        }
    }
}

// A w x h picture in bg with grid g on it at double size from its top-left corner.
Picture fromgrid(const Grid& g, const Palette& pal, int w, int h, Long bg = ground, int scale = 2) {
    Picture p = blank(w, h, bg);
    overlay(p, g, pal, scale, scale, 0, 0);
    return p;
}

Grid mirror(Grid g) {
    for (std::string& row : g) std::reverse(row.begin(), row.end());
    return g;
}

// g with its rows from `from` on replaced by rows.
Grid withrows(Grid g, size_t from, const Grid& rows) {
    for (size_t i = 0; i < rows.size(); ++i) g[from + i] = rows[i];
    return g;
}

// The cells side by side, ready to be cut by makesheet.
Sheet sheetof(const std::vector<Picture>& cells) {
    int w = 0;
    for (const Picture& c : cells) w += c.width;
    Picture all = blank(w, cells[0].height, 0);
    int x = 0;
    for (const Picture& c : cells) {
        for (int y = 0; y < c.height; ++y)
            for (int i = 0; i < c.width; ++i) put(all, x + i, y, Long(c.at(i, y)));
        x += c.width;
    }
    return makesheet(std::move(all), int(cells.size()));
}

int channel(Long c, int shift) {
    return (c >> shift) & 255;
}

// The colour t of the way from a to b.
Long mix(Long a, Long b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto m = [&](int s) {
        return int(std::lround(channel(a, s) + (channel(b, s) - channel(a, s)) * t));
    };
    return RGB(m(0), m(8), m(16));
}

void disc(Picture& p, double cx, double cy, double r, Long c) {
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            if (std::hypot(x + 0.5 - cx, y + 0.5 - cy) <= r) put(p, x, y, c);
}

// A ring between radius r - w and r; with dots > 0 only every other arc of
// that many degrees is drawn.
void ring(Picture& p, double cx, double cy, double r, double w, Long c, int dots = 0) {
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (d > r || d < r - w) continue;
            if (dots) {
                double deg = std::atan2(y + 0.5 - cy, x + 0.5 - cx) * 180 / std::numbers::pi + 180;
                if (int(deg / dots) % 2) continue;
            }
            put(p, x, y, c);
        }
}

// A round glow of radius r around (cx, cy): inner colour at the centre
// fading to outer at the rim; pixels past the rim are left alone.
void glow(Picture& p, double cx, double cy, double r, Long inner, Long outer) {
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (d <= r) put(p, x, y, mix(inner, outer, d / r));
        }
}

// ---------------------------------------------------------------------------
// Tiles
// ---------------------------------------------------------------------------

// Bricks: anyone can see they break. One brick carries a crack.
const Grid blockgrid = {
    "mmmmmmmmmmmmmmmmmmmmm", "mHHHHHHHHHmHHHHHHHHHm", "mHRRRRRRRDmHRRRRmRRDm",
    "mHRRRRRRRDmHRRRmRRRDm", "mHRRRRRRRDmHRRRRmRRDm", "mDDDDDDDDDmDDDDDDDDDm",
    "mmmmmmmmmmmmmmmmmmmmm", "HHHHHmHHHHHHHHHmHHHHH", "HRRRDmHRRRRRRRDmHRRRD",
    "HRRRDmHRRRRRRRDmHRRRD", "HRRRDmHRRRRRRRDmHRRRD", "DDDDDmDDDDDDDDDmDDDDD",
    "mmmmmmmmmmmmmmmmmmmmm", "mHHHHHHHHHmHHHHHHHHHm", "mHRRRmRRRDmHRRRRRRRDm",
    "mHRRRRmRRDmHRRRRRRRDm", "mHRRRmRRRDmHRRRRRRRDm", "mDDDDDDDDDmDDDDDDDDDm",
    "mmmmmmmmmmmmmmmmmmmmm", "HHHHHmHHHHHHHHHmHHHHH", "HRRRDmHRRRRRRRDmHRRRD",
    "HRRRDmHRRRRRRRDmHRRRD", "DDDDDmDDDDDDDDDmDDDDD",
};
const Palette blockpalette = {{'m', RGB(92, 52, 36)},
                              {'H', RGB(236, 150, 96)},
                              {'R', RGB(196, 96, 54)},
                              {'D', RGB(140, 62, 36)}};

// A bevelled stone block, lit from the top left: it will never move.
const Grid rockgrid = {
    "WWWWWWWWWWWWWWWWWWWWK", "WLLLLLLLLLLLLLLLLLLSK", "WLSSSSSSSSSSSSSSSSSDK",
    "WLSSSSSSSSSSSSSSSSSDK", "WLSSSSSSSLSSSSSSSSSDK", "WLSSSSSDSSSSSSLSSSSDK",
    "WLSSDSSSSSSLSSSSSSSDK", "WLSDLSSSDSSSSSSSSSSDK", "WLSSSSSSSSSSSSSSDSSDK",
    "WLSSSSSSSSSSSDLSSSSDK", "WLSSLDSSSSSSSSSSSSSDK", "WLSSSSSSSSSSSSSSSSSDK",
    "WLSSSSSSSSSSSSSSSSSDK", "WLSSSDSSSSSDSSSDSSSDK", "WLSSSSSSSSDLSSSSSSSDK",
    "WLSDSSSSSSSSSSSSSSSDK", "WLSSSSSSSDLDSSSSSSSDK", "WLSSSSSSSSSSSSSSSSSDK",
    "WLSSSSLSSSSDLSSSSSSDK", "WLSSSSSSSSSSSSSSSDLDK", "WLSSSSSSSSSSSSSSSSSDK",
    "WSDDDDDDDDDDDDDDDDDDK", "KKKKKKKKKKKKKKKKKKKKK",
};
const Palette rockpalette = {{'W', RGB(214, 214, 222)},
                             {'L', RGB(172, 172, 182)},
                             {'S', RGB(132, 132, 142)},
                             {'D', RGB(92, 92, 102)},
                             {'K', RGB(52, 52, 60)}};

// ---------------------------------------------------------------------------
// The players: a little bomber in a round helmet with a pom-pom
// ---------------------------------------------------------------------------

// Facing down, standing.
const Grid guyfront = {
    ".....................", ".........kCk.........", "......kkBBBBBkk......",
    ".....kBCCBBBBBBk.....", "....kBCCBBBBBBBBk....", "....kBCBBBBBBBBBk....",
    "...kAAAAAAAAAAAAAk...", "....ksssssssssssk....", "....kssesssssessk....",
    "....kssesssssessk....", "....kSsssmmmsssSk....", ".....kSsssssssSk.....",
    ".....kkBBBBBBBkk.....", "...kBkBBBBBBBBBkBk...", "...kBkBCBBBBBBBkBk...",
    "...kgkBBBBBBBBBkgk...", "...kgkAAAAyAAAAkgk...", "....kkBBBBBBBBBkk....",
    ".....kAAAk.kAAAk.....", ".....kAAAk.kAAAk.....", "....kbbbbk.kbbbbk....",
    "....kkkkkk.kkkkkk....", ".....................",
};
// A stride seen from the front or back: one foot lifted (the other stride is its mirror).
const Grid frontstride = {
    ".....kAAAk.kAAAk.....",
    "....kbbbbk.kAAAk.....",
    "....kkkkkk.kbbbbk....",
    "...........kkkkkk....",
};
// Facing up: the back of the helmet and a backpack.
const Grid guyback = withrows(guyfront, 7,
                              {
                                  "....kBBBBBBBBBBBk....",
                                  "....kBBBBBBBBBBBk....",
                                  "....kABBBBBBBBBAk....",
                                  "....kAAAAAAAAAAAk....",
                                  ".....kSsssssssSk.....",
                                  ".....kkBBBBBBBkk.....",
                                  "...kBkBBkAAAkBBkBk...",
                                  "...kBkBBkACAkBBkBk...",
                                  "...kgkBBkAAAkBBkgk...",
                                  "...kgkAAkkkkkAAkgk...",
                              });
// Facing right, standing; the two strides swing arm and legs.
const Grid guyside = {
    ".....................", "........kCk..........", ".....kkBBBBBkk.......",
    "....kBCCBBBBBBk......", "...kBCCBBBBBBBBk.....", "...kBCBBBBBBBBBk.....",
    "...kAAAAAAAAAAAAk....", "...kBBBBBsssssssk....", "...kBBBBBsssssesk....",
    "...kBBBBBsssssesk....", "...kABBBBSssssmmk....", "....kAAASssssssk.....",
    ".....kkBBBBBBBkk.....", ".....kBBBkBkBBBk.....", ".....kBCBkBkBBBk.....",
    ".....kBBBkgkBBBk.....", ".....kAAAkkkAAyk.....", ".....kBBBBBBBBBk.....",
    ".......kAAAAAk.......", ".......kAAAAAk.......", ".......kbbbbbbk......",
    ".......kkkkkkkk......", ".....................",
};
const Grid guysidestride1 = withrows(guyside, 13,
                                     {
                                         ".....kBBBBkBkBBk.....",
                                         ".....kBCBBkBkBBk.....",
                                         ".....kBBBBkgkBBk.....",
                                         ".....kAAAAkkkAyk.....",
                                         ".....kBBBBBBBBBk.....",
                                         "......kAAk.kAAk......",
                                         ".....kAAk...kAAk.....",
                                         "....kbbbk....kbbbbk..",
                                         "....kkkkk....kkkkkk..",
                                     });
const Grid guysidestride2 = withrows(guyside, 13,
                                     {
                                         ".....kBBkBkBBBBk.....",
                                         ".....kBCkBkBBBBk.....",
                                         ".....kBBkgkBBBBk.....",
                                         ".....kAAkkkAAAyk.....",
                                         ".....kBBBBBBBBBk.....",
                                         "......kAAk..kAAk.....",
                                         "......kAAk..kAAk.....",
                                         ".....kbbbk..kbbbbk...",
                                         ".....kkkkk..kkkkkk...",
                                     });
// Distress: arms thrown up, eyes wide, mouth open.
const Grid guyscared =
    withrows(guyfront, 2,
             {
                 "..k...kkBBBBBkk...k..", ".kgk.kBCCBBBBBBk.kgk.", ".kgkkBCCBBBBBBBBkkgk.",
                 ".kBkkBCBBBBBBBBBkkBk.", ".kBkAAAAAAAAAAAAAkBk.", ".kBkkssssssssssskkBk.",
                 ".kBkkswesssssewskkBk.", ".kBkkswesssssewskkBk.", ".kBkkSssskmksssSkkBk.",
                 ".kBk.kSsskkkssSk.kBk.", "..kBkkBBBBBBBBBkkBk..", "...kBBBBBBBBBBBBBk...",
                 "....kBCBBBBBBBBBk....", "....kBBBBBBBBBBBk....", "....kAAAAAyAAAAAk....",
                 "....kkBBBBBBBBBkk....", "....kAAAk...kAAAk....", "....kAAAk...kAAAk....",
                 "...kbbbbk...kbbbbk...", "...kkkkkk...kkkkkk...", ".....................",
             });
// Distress: hands on the cheeks, eyes squeezed shut.
const Grid guyshock = withrows(guyfront, 8,
                               {
                                   "....ksseessseessk....",
                                   "....ksssssssssssk....",
                                   "...kgSsssmmmsssSgk...",
                                   "...kgkSsssssssSkgk...",
                                   "...kBkkBBBBBBBkkBk...",
                                   "...kBkBBBBBBBBBkBk...",
                                   "....kkBCBBBBBBBkk....",
                                   ".....kBBBBBBBBBk.....",
                                   ".....kAAAAyAAAAk.....",
                                   ".....kBBBBBBBBBk.....",
                               });

Palette guypalette(int n) {
    Palette p = {{'k', RGB(24, 24, 40)},    {'s', RGB(255, 214, 172)}, {'S', RGB(226, 166, 126)},
                 {'e', RGB(20, 20, 40)},    {'w', RGB(255, 255, 255)}, {'m', RGB(196, 64, 64)},
                 {'g', RGB(246, 246, 246)}, {'b', RGB(96, 54, 32)},    {'y', RGB(250, 212, 60)}};
    if (n == 1) {
        p.push_back({'A', RGB(22, 50, 150)});
        p.push_back({'B', RGB(52, 112, 232)});
        p.push_back({'C', RGB(146, 198, 255)});
    } else {
        p.push_back({'A', RGB(150, 22, 28)});
        p.push_back({'B', RGB(228, 56, 46)});
        p.push_back({'C', RGB(255, 156, 136)});
    }
    return p;
}

// A grid squashed to every other row, standing on the bottom: the figure
// folding up as it collapses.
Grid squashed(const Grid& g) {
    Grid out(g.size(), std::string(g[0].size(), '.'));
    size_t half = (g.size() + 1) / 2;
    for (size_t i = 0; i < half; ++i) out[g.size() - 1 - half + i] = g[2 * i];
    return out;
}

void makeguy(int n, Sheet& right, Sheet& left, Sheet& down, Sheet& up, Sheet& die) {
    const Palette pal = guypalette(n);
    auto cell = [&](const Grid& g, int h = 45) { return fromgrid(g, pal, 42, h, ground); };
    right = sheetof({cell(guyside), cell(guysidestride1), cell(guyside), cell(guysidestride2)});
    left = sheetof({cell(mirror(guyside)), cell(mirror(guysidestride1)), cell(mirror(guyside)),
                    cell(mirror(guysidestride2))});
    Grid fs = withrows(guyfront, 18, frontstride), bs = withrows(guyback, 18, frontstride);
    down = sheetof({cell(guyfront), cell(fs), cell(guyfront), cell(mirror(fs))});
    up = sheetof({cell(guyback, 46), cell(bs, 46), cell(guyback, 46), cell(mirror(bs), 46)});

    // The death: two distress poses in turn, the collapse, then what is left
    // shrinks into a ring that fades to a dotted outline, and the ground is bare.
    Long dark = colourof(pal, 'A'), main = colourof(pal, 'B'), light = colourof(pal, 'C');
    Long white = RGB(255, 255, 255);
    Picture scared = cell(guyscared), shock = cell(guyshock);
    std::vector<Picture> cells = {scared, shock, scared, shock, cell(squashed(guyfront))};
    const double cx = 21.5, cy = 23.5;
    Picture c5 = blank(42, 45, ground);
    ring(c5, cx, cy, 17, 3, light);
    disc(c5, cx, cy, 9, dark);
    disc(c5, cx, cy, 7, main);
    disc(c5, cx - 2, cy - 2, 2.5, light);
    Picture c6 = blank(42, 45, ground);
    ring(c6, cx, cy, 14, 3, main);
    ring(c6, cx, cy, 11, 1, light);
    disc(c6, cx, cy, 5, light);
    Picture c7 = blank(42, 45, ground);
    ring(c7, cx, cy, 11, 2, light);
    disc(c7, cx, cy, 3, white);
    Picture c8 = blank(42, 45, ground);
    ring(c8, cx, cy, 8, 2, mix(light, ground, 0.4), 30);
    disc(c8, cx, cy, 1.5, mix(light, white, 0.5));
    cells.insert(cells.end(), {c5, c6, c7, c8, blank(42, 45, ground)});
    die = sheetof(cells);
}

// ---------------------------------------------------------------------------
// The enemies: little purple dinosaurs with orange spikes
// ---------------------------------------------------------------------------

const Palette dinopalette = {
    {'k', RGB(36, 20, 46)},    {'P', RGB(164, 92, 214)},  {'Q', RGB(112, 56, 154)},
    {'L', RGB(210, 166, 244)}, {'y', RGB(255, 226, 132)}, {'w', RGB(255, 255, 255)},
    {'e', RGB(20, 10, 30)},    {'r', RGB(246, 112, 156)}, {'t', RGB(255, 164, 52)}};

// Seen from the side facing right, down to the hips; legs are added per step.
const Grid dinoside = {
    ".....................", "...........kkkkkk....", "..........kLLPPPPk...",
    "..........kLPPPwwPPk.", "..........kPPPPwePPk.", "..........kPPPPPPPPk.",
    "..........kPPPrPPkkk.", "...........kPPPPPPPk.", "...........kPPPkkkk..",
    "......ktktkPPPPk.....", ".....kPPPPPPPPPPyk...", "....kPPPPLPPPPPPyyk..",
    ".k..kPPPPPPPPPPPyyPk.", ".kPkkPPPPPPPPPPPyykk.", ".kPPPPPPPPPPPPPyyyk..",
    "..kPPPPPPPPPPPPyyk...", "..kkQPPPPPPPPPPyk....", "....kkPPPPPPPPPkk....",
    ".....................", ".....................", ".....................",
    ".....................", ".....................",
};

// One leg from the hip at column hx: dx leans it forward (+) or back (-),
// lift raises the foot.
void dinoleg(Grid& g, int hx, int dx, int lift, char colour) {
    int foot = 20 - lift;
    for (int r = 18; r < foot; ++r) {
        int o = hx + int(std::lround(dx * double(r - 17) / (foot - 17)));
        g[size_t(r)].replace(size_t(o - 1), 4, std::string("k") + colour + colour + "k");
    }
    int o = hx + dx;
    g[size_t(foot)].replace(size_t(o - 1), 5, std::string("k") + colour + colour + "wk");
    g[size_t(foot + 1)].replace(size_t(o - 1), 5, "kkkkk");
}

// Step s (0-7) of the walk: each leg swings forward and back and is lifted
// on its way forward; the far leg, in shade, runs half a cycle behind.
Grid dinostep(int s) {
    static const int swing[8] = {2, 1, 0, -1, -2, -1, 0, 1};
    static const int lift[8] = {0, 0, 0, 0, 0, 1, 2, 1};
    Grid g = dinoside;
    dinoleg(g, 7, swing[(s + 4) % 8], lift[(s + 4) % 8], 'Q');
    dinoleg(g, 12, swing[s], lift[s], 'P');
    return g;
}

// Walking down, face to the viewer.
const Grid dinofront = {
    ".....................", "......kkkkkkkkk......", ".....kLLPPPPPPPk.....",
    "....kLPPPPPPPPPPk....", "....kPwwPPPPPwwPk....", "....kPwePPPPPewPk....",
    "....kPPPPPPPPPPPk....", "....krPPPPPPPPPrk....", "....kPPkkkkkkkPPk....",
    ".....kPPwPPPwPPk.....", "......kkPPPPPkk......", "...kk.kPPPPPPPk.kk...",
    "...kPkPPyyyyyPPkPk...", "...kwkPyyyyyyyPkwk...", "....kPyyyyyyyyyPk....",
    "....kPPyyyyyyyPPk....", ".....kPPPPPPPPPk.....", ".....kPPPkkkPPPk.....",
    ".....kPPPk.kPPPk.....", ".....kPPPk.kPPPk.....", "....kwPwPk.kPwPwk....",
    "....kkkkkk.kkkkkk....", ".....................",
};
const Grid dinofrontstride = {
    ".....kPPPk.kPPPk.....",
    "....kwPwPk.kPPPk.....",
    "....kkkkkk.kPwPwk....",
    "...........kkkkkk....",
};
// Walking up: the spiky back and the tail between the feet.
const Grid dinoback = {
    ".....................", "......kkkkkkkkk......", ".....kLLPPPPPPPk.....",
    "....kLPPPPPPPPPPk....", "....kPPPPPPPPPPPk....", "....kPPPPPPPPPPPk....",
    "....kPPPPPtPPPPPk....", "....kQPPPktkPPPQk....", ".....kQPPPtPPPQk.....",
    "......kkPPtPPkk......", "...kk.kPPktkPPk.kk...", "...kPkPPPPtPPPPkPk...",
    "...kPkPPPktkPPPkPk...", "....kPPPPPtPPPPPk....", "....kPPPPktkPPPPk....",
    "....kQPPPPtPPPPQk....", ".....kQPPPPPPPQk.....", ".....kPPPkPkPPPk.....",
    ".....kPPPkPkPPPk.....", ".....kPPPkPkPPPk.....", "....kPPPPkkkPPPPk....",
    "....kkkkkk.kkkkkk....", ".....................",
};
const Grid dinobackstride = {
    ".....kPPPkPkPPPk.....",
    "....kPPPPkkkPPPk.....",
    "....kkkkkk.kPPPPk....",
    "...........kkkkkk....",
};

void makedinos() {
    auto cell = [](const Grid& g) { return fromgrid(g, dinopalette, 42, 45, ground); };
    std::vector<Picture> r, l;
    for (int s = 0; s < 8; ++s) {
        r.push_back(cell(dinostep(s)));
        l.push_back(cell(mirror(dinostep(s))));
    }
    dinowalkright = sheetof(r);
    dinowalkleft = sheetof(l);
    Grid fs = withrows(dinofront, 18, dinofrontstride);
    Grid bs = withrows(dinoback, 18, dinobackstride);
    dinowalkdown = sheetof({cell(dinofront), cell(fs), cell(dinofront), cell(mirror(fs))});
    dinowalkup = sheetof({cell(dinoback), cell(bs), cell(dinoback), cell(mirror(bs))});
}

// ---------------------------------------------------------------------------
// Bombs and coins
// ---------------------------------------------------------------------------

// A round bomb with a lit fuse, lit from the top left.
const Grid bombgrid = {
    ".....................", "..............YWY....", ".............YWWWY...",
    "............ffYWY....", "..........ff...Y.....", ".........kcck........",
    ".......kkkkkkk.......", ".....kkCCCCCCBkk.....", "....kkCCCCCCBBBkk....",
    "....kCwwwCCBBBBBk....", "...kCCwwwCBBBBBBBk...", "...kCCCCBBBBBBBBBk...",
    "...kCCCBBBBBBBBAAk...", "...kCCBBBBBBBBAAAk...", "...kCBBBBBBBBAAAAk...",
    "...kBBBBBBBBAAAAAk...", "...kBBBBBBBAAAAAAk...", "....kBBBBBAAAAAAk....",
    "....kkBBAAAAAAAkk....", ".....kkAAAAAAAkk.....", ".......kkkkkkk.......",
    ".....................", ".....................",
};

// Bomb k of 7: 0 glows bright orange (about to go off), 6 is cold dark grey.
Palette bombpalette(int k) {
    double t = k / 6.0;
    return {{'k', RGB(22, 20, 20)},
            {'w', mix(RGB(255, 255, 220), RGB(170, 170, 176), t)},
            {'C', mix(RGB(255, 214, 120), RGB(112, 112, 118), t)},
            {'B', mix(RGB(255, 140, 28), RGB(72, 72, 78), t)},
            {'A', mix(RGB(206, 78, 8), RGB(44, 44, 50), t)},
            {'c', RGB(150, 150, 160)},
            {'f', RGB(214, 182, 120)},
            {'Y', RGB(255, 210, 40)},
            {'W', RGB(255, 255, 230)}};
}

// A gold coin with a Z struck on it.
const Grid coingrid = {
    ".....................", ".....................", ".....................",
    ".....................", ".......kkkkkkk.......", "......kkCCCCCkk......",
    ".....kCCCAAABBBk.....", "....kCCAAwCBAABBk....", "...kkCACwCBBBBABkk...",
    "...kCCACAAAAABCBBk...", "...kCACBBBBABBBCAk...", "...kCABBBBABBBACAk...",
    "...kCABBBABBBAACAk...", "...kBBABAAAAAACAAk...", "...kkBABBBBAAACAkk...",
    "....kBBCCBAACCAAk....", ".....kBBACCCAAAk.....", "......kkAAAAAkk......",
    ".......kkkkkkk.......", ".....................", ".....................",
    ".....................", ".....................",
};
const Palette coinpalette = {{'k', RGB(120, 80, 0)},
                             {'w', RGB(255, 255, 230)},
                             {'C', RGB(255, 240, 120)},
                             {'B', RGB(252, 206, 26)},
                             {'A', RGB(214, 152, 0)}};

// ---------------------------------------------------------------------------
// Power-ups
// ---------------------------------------------------------------------------

// A flame cross of size w x h: arms tapering towards their tips, white at the
// heart, then yellow, orange and red at the edge.
Grid flamecross(int w, int h) {
    Grid g(size_t(h), std::string(size_t(w), '.'));
    double cx = (w - 1) / 2.0, cy = (h - 1) / 2.0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double ax = std::abs(x - cx), ay = std::abs(y - cy);
            // distance across an arm over the arm's half width there
            double across =
                std::min(ax / (2.6 - 1.6 * ay / (cy + 0.5)), ay / (2.6 - 1.6 * ax / (cx + 0.5)));
            char c = across < 0.45   ? 'W'
                     : across < 0.8  ? 'Y'
                     : across < 1.1  ? 'O'
                     : across < 1.35 ? 'R'
                                     : '.';
            g[size_t(y)][size_t(x)] = c;
        }
    return g;
}
const Palette flamepalette = {{'W', RGB(255, 255, 236)},
                              {'Y', RGB(255, 230, 60)},
                              {'O', RGB(255, 140, 20)},
                              {'R', RGB(214, 40, 16)}};

// The lightning of the bolt; its body colour is set per cell.
const Grid boltgrid = {
    ".....................", "...........kkkkkk....", "..........kWWWWk.....",
    ".........kWWWWk......", "........kWWWWk.......", ".......kWWWWk........",
    "......kWWWWk.........", ".....kWWWWWkkkkk.....", "....kWWWWWWWWWWk.....",
    "....kkkkkWWWWWk......", "........kWWWWk.......", ".......kWWWWk........",
    "......kWWWWk.........", ".....kWWWWWkkkk......", "....kWWWWWWWWWk......",
    "....kkkkkWWWWk.......", "........kWWWk........", ".......kWWWk.........",
    "......kWWk...........", ".....kWWk............", ".....kWk.............",
    ".....kk..............", ".....................",
};

// A heart at single size; 'E' is the empty inside.
const Grid heartgrid = {
    "..............", "..............", "..kkk....kkk..", ".kRRRk..kRRRk.",
    "kRWWRRkkRRRRRk", "kRWRRRRRRRRRRk", "kRRRRRRRRRRRRk", "kRRRRRRRRRRRDk",
    ".kRRRRRRRRRDk.", "..kRRRRRRRDk..", "...kRRRRRDk...", "....kRRRDk....",
    ".....kRDk.....", "......kk......", "..............", "..............",
};
const Palette heartpalette = {{'k', RGB(28, 8, 12)},
                              {'R', RGB(232, 32, 48)},
                              {'D', RGB(160, 12, 28)},
                              {'W', RGB(255, 190, 196)},
                              {'E', RGB(36, 36, 40)}};

// Only the left half of g filled; the rest is the empty inside.
Grid halffilled(Grid g) {
    for (std::string& row : g)
        for (size_t x = row.size() / 2; x < row.size(); ++x)
            if (row[x] != 'k' && row[x] != '.') row[x] = 'E';
    return g;
}
Grid emptied(Grid g) {
    for (std::string& row : g)
        for (char& c : row)
            if (c != 'k' && c != '.') c = 'E';
    return g;
}

// Letters 3 x 5 for the FUSE words.
Grid word(const std::string& text) {
    struct Glyph {
        char c;
        const char* rows[5];
    };
    static const Glyph glyphs[] = {
        {'F', {"ttt", "t..", "tt.", "t..", "t.."}}, {'U', {"t.t", "t.t", "t.t", "t.t", "ttt"}},
        {'S', {"ttt", "t..", "ttt", "..t", "ttt"}}, {'E', {"ttt", "t..", "tt.", "t..", "ttt"}},
        {'+', {"...", ".t.", "ttt", ".t.", "..."}}, {'-', {"...", "...", "ttt", "...", "..."}},
    };
    Grid g(5, "");
    for (size_t i = 0; i < text.size(); ++i) {
        for (const Glyph& gl : glyphs)
            if (gl.c == text[i])
                for (int r = 0; r < 5; ++r)
                    g[size_t(r)] += (i ? "." : "") + std::string(gl.rows[r]);
    }
    return g;
}

// A word on a wooden sign with a burning fuse curling over it.
Picture fusesign(const std::string& text, Long ink) {
    Picture p = blank(42, 45, ground);
    const Palette sign = {{'k', RGB(40, 24, 12)}, {'o', RGB(150, 96, 50)}, {'i', RGB(106, 64, 32)}};
    Grid board(12, std::string(20, 'i'));
    for (int r = 0; r < 12; ++r)
        for (int c = 0; c < 20; ++c) {
            bool edge = r == 0 || r == 11 || c == 0 || c == 19;
            bool rim = r == 1 || c == 1;
            board[size_t(r)][size_t(c)] = edge ? 'k' : rim ? 'o' : 'i';
        }
    board[0][0] = board[0][19] = board[11][0] = board[11][19] = '.';
    overlay(p, board, sign, 2, 2, 1, 13);
    const Palette letters = {{'t', ink}};
    const Palette shadow = {{'t', RGB(30, 16, 8)}};
    Grid w = word(text);
    int ox = (42 - int(w[0].size()) * 2) / 2;
    overlay(p, w, shadow, 2, 2, ox + 1, 19);
    overlay(p, w, letters, 2, 2, ox, 18);
    const Grid fuse = {
        "........Y.", ".......YWY", "....ff..Y.", "...f......", "..f.......", "..f.......",
    };
    overlay(p, fuse,
            {{'f', RGB(214, 182, 120)}, {'Y', RGB(255, 210, 40)}, {'W', RGB(255, 255, 230)}}, 2, 2,
            4, 1);
    return p;
}

// The small black bomb of the extra-bomb power-up, tilted by deg degrees about
// the point it rests on, with a yellow plus beside it.
Picture tiltedbomb(double deg) {
    Picture p = blank(42, 45, ground);
    const double px = 21, py = 37, a = deg * std::numbers::pi / 180;
    for (int y = 0; y < 45; ++y)
        for (int x = 0; x < 42; ++x) {
            // back into the upright bomb's frame, centred on its body
            double rx = x + 0.5 - px, ry = y + 0.5 - py;
            double ux = rx * std::cos(a) + ry * std::sin(a);
            double uy = -rx * std::sin(a) + ry * std::cos(a) + 9.5;
            double d = std::hypot(ux, uy);
            Long c = -1;
            if (d <= 9.5) {
                c = d > 8.3 ? RGB(8, 8, 10) : RGB(40, 40, 46);
                if (d <= 8.3 && ux + uy < -5) c = RGB(70, 70, 80);
                if (std::hypot(ux + 3.5, uy + 3.5) < 2) c = RGB(220, 220, 230);
            } else if (std::abs(ux) <= 3 && uy >= -12.5 && uy < -9) {
                c = RGB(130, 130, 140);
            } else if (uy < -12 && uy > -17.5 && std::abs(ux - (-uy - 12) * 0.8) < 1.1) {
                c = RGB(214, 182, 120);
            } else if (std::hypot(ux - 5, uy + 19.5) < 2.6) {
                c = std::hypot(ux - 5, uy + 19.5) < 1.3 ? RGB(255, 255, 230) : RGB(255, 200, 30);
            }
            if (c >= 0) put(p, x, y, c);
        }
    const Grid plus = {".kkk.", "kkYkk", "kYYYk", "kkYkk", ".kkk."};
    overlay(p, plus, {{'k', RGB(60, 40, 0)}, {'Y', RGB(255, 226, 40)}}, 2, 2, 30, 3);
    return p;
}

void makepowerups() {
    // Range up: a flame cross on a square that glows a little brighter each step.
    std::vector<Picture> up;
    for (int s = 0; s < 3; ++s) {
        Picture p = blank(42, 45, mix(RGB(120, 30, 0), RGB(200, 70, 0), s / 2.0));
        glow(p, 21, 22.5, 30, mix(RGB(255, 150, 40), RGB(255, 220, 120), s / 2.0),
             mix(RGB(120, 30, 0), RGB(200, 70, 0), s / 2.0));
        for (int i = 0; i < 42; ++i) {
            put(p, i, 0, RGB(255, 200, 90));
            put(p, i, 44, RGB(90, 20, 0));
        }
        for (int i = 0; i < 45; ++i) {
            put(p, 0, i, RGB(255, 200, 90));
            put(p, 41, i, RGB(90, 20, 0));
        }
        overlay(p, flamecross(21, 21), flamepalette, 2, 2, 0, 1);
        up.push_back(p);
    }
    rangeuppic = sheetof(up);

    // Range down: a spark on a dark square, square and spark shrinking.
    std::vector<Picture> down;
    for (int s = 0; s < 3; ++s) {
        Picture p = blank(42, 45, ground);
        int inset = 5 * s;
        for (int y = inset; y < 45 - inset; ++y)
            for (int x = inset; x < 42 - inset; ++x) {
                bool edge = y == inset || x == inset || y == 44 - inset || x == 41 - inset;
                put(p, x, y, edge ? RGB(70, 60, 90) : RGB(30, 26, 40));
            }
        double r = 8 - 2.5 * s;
        for (int y = 0; y < 45; ++y)
            for (int x = 0; x < 42; ++x) {
                double dx = std::abs(x + 0.5 - 21), dy = std::abs(y + 0.5 - 23.5);
                // a four-pointed star: thin rays along the axes
                if (dx * dy < r * 0.6 && dx + dy < r * 1.4)
                    put(p, x, y, dx + dy < r * 0.5 ? RGB(255, 255, 230) : RGB(150, 170, 255));
            }
        down.push_back(p);
    }
    rangedownpic = sheetof(down);

    // Extra bomb: rocking from one side (cell 0) to the other (cell 6).
    std::vector<Picture> rock7;
    for (int k = 0; k < 7; ++k) rock7.push_back(tiltedbomb((k - 3) * 9.0));
    bombuppic = sheetof(rock7);

    // Bolt: the flash turns from white to yellow.
    std::vector<Picture> bolts;
    const Long boltcolours[3] = {RGB(255, 255, 255), RGB(255, 250, 160), RGB(255, 222, 30)};
    for (int s = 0; s < 3; ++s) {
        Picture p = blank(42, 45, ground);
        glow(p, 21, 22.5, 19, mix(RGB(200, 230, 150), ground, 0.3 * s), ground);
        overlay(p, boltgrid, {{'k', RGB(70, 56, 0)}, {'W', boltcolours[s]}}, 2, 2, 0, 0);
        bolts.push_back(p);
    }
    boltpic = sheetof(bolts);

    // One heart on a round glow that brightens step by step.
    std::vector<Picture> one, ten;
    for (int s = 0; s < 3; ++s) {
        Picture p = blank(42, 45, ground);
        glow(p, 21, 22.5, 19, mix(RGB(255, 150, 170), RGB(255, 220, 230), s / 2.0), ground);
        overlay(p, heartgrid, heartpalette, 2, 2, 7, 6);
        one.push_back(p);
    }
    oneheartpic = sheetof(one);

    // A heap of six hearts on a glow that pulses through the whole square.
    for (int s = 0; s < 3; ++s) {
        Long edge = mix(RGB(120, 20, 60), RGB(190, 60, 110), s / 2.0);
        Picture p = blank(42, 45, edge);
        glow(p, 21, 22.5, 31, mix(RGB(255, 170, 200), RGB(255, 235, 240), s / 2.0), edge);
        const int spots[6][2] = {{0, 26}, {14, 27}, {28, 26}, {7, 15}, {21, 15}, {14, 4}};
        for (const auto& at : spots) overlay(p, heartgrid, heartpalette, 1, 1, at[0], at[1]);
        ten.push_back(p);
    }
    tenheartspic = sheetof(ten);
}

// ---------------------------------------------------------------------------
// The title: "Zoff" in letters of fire on black
// ---------------------------------------------------------------------------

const Grid titleletters[4] = {
    {"######", "######", "...##.", "..##..", ".##...", "######", "######"},
    {"......", "......", ".####.", "##..##", "##..##", "##..##", ".####."},
    {"..####", ".##...", ".##...", "#####.", ".##...", ".##...", ".##..."},
    {"..####", ".##...", ".##...", "#####.", ".##...", ".##...", ".##..."},
};

// A small fixed random source for the flames, so building the pictures never
// touches the game's own random draws.
struct Flicker {
    std::uint32_t s = 12345;
    double next() {
        s = s * 1664525u + 1013904223u;
        return (s >> 8) / double(1 << 24);
    }
};

Picture maketitle() {
    const int w = 600, h = 150, cell = 17, gap = 22;
    const int lw = 6 * cell, lh = 7 * cell;
    const int x0 = (w - (4 * lw + 3 * gap)) / 2, y0 = h - lh - 8;
    std::vector<double> heat(size_t(w) * h, 0), inside(size_t(w) * h, 0);
    for (int l = 0; l < 4; ++l)
        for (int r = 0; r < 7; ++r)
            for (int c = 0; c < 6; ++c)
                if (titleletters[l][size_t(r)][size_t(c)] == '#')
                    for (int y = 0; y < cell; ++y)
                        for (int x = 0; x < cell; ++x)
                            inside[size_t(y0 + r * cell + y) * w + x0 + l * (lw + gap) + c * cell +
                                   x] = 1;
    Flicker f;
    // Fire rises from the letters: each pixel takes the cooled heat of those
    // below it, so tongues of flame lick up out of every stroke.
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x) {
            size_t i = size_t(y) * w + x;
            if (inside[i]) {
                heat[i] = 0.78 + 0.22 * f.next();
                continue;
            }
            if (y + 2 >= h) continue;
            int jx = x + int(f.next() * 3) - 1;
            jx = std::clamp(jx, 1, w - 2);
            double below = (heat[size_t(y + 1) * w + jx - 1] + heat[size_t(y + 1) * w + jx] +
                            heat[size_t(y + 1) * w + jx + 1] + heat[size_t(y + 2) * w + jx]) /
                           4;
            heat[i] = std::max(0.0, below - 0.012 - 0.03 * f.next());
        }
    auto nearletter = [&](int x, int y) {
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx) {
                int ax = x + dx, ay = y + dy;
                if (ax >= 0 && ay >= 0 && ax < w && ay < h && inside[size_t(ay) * w + ax])
                    return true;
            }
        return false;
    };
    Picture p = blank(w, h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            size_t i = size_t(y) * w + x;
            double t = heat[i];
            Long c = t < 0.3    ? mix(RGB(0, 0, 0), RGB(170, 20, 0), t / 0.3)
                     : t < 0.6  ? mix(RGB(170, 20, 0), RGB(255, 130, 0), (t - 0.3) / 0.3)
                     : t < 0.85 ? mix(RGB(255, 130, 0), RGB(255, 230, 60), (t - 0.6) / 0.25)
                                : mix(RGB(255, 230, 60), RGB(255, 255, 220), (t - 0.85) / 0.15);
            if (inside[i]) {
                // the letters burn orange at the top and white-hot at their feet
                double down = (y - y0) / double(lh);
                c = mix(mix(RGB(255, 120, 10), RGB(255, 246, 170), down), c, 0.35);
            } else if (nearletter(x, y)) {
                c = mix(c, RGB(70, 0, 0), 0.75); // a dark rim keeps the shapes readable
            }
            put(p, x, y, c);
        }
    return p;
}

} // namespace

void loadpictures() {
    if (rock.width) return;
    rock = fromgrid(rockgrid, rockpalette, 42, 46);
    block = fromgrid(blockgrid, blockpalette, 42, 46);

    makeguy(1, guy1right, guy1left, guy1down, guy1up, guy1die);
    makeguy(2, guy2right, guy2left, guy2down, guy2up, guy2die);
    makedinos();
    makepowerups();

    for (int k = 0; k < 7; ++k) bombpic[k] = fromgrid(bombgrid, bombpalette(k), 42, 46);
    fuseup = fusesign("FUSE+", RGB(180, 255, 110));
    fusedown = fusesign("FUSE-", RGB(255, 120, 100));
    coinpic = fromgrid(coingrid, coinpalette, 42, 46);

    // The scoreboard's pictures, on its grey.
    heart = fromgrid(heartgrid, heartpalette, 14, 16, scoreboardgrey, 1);
    halfheart = fromgrid(halffilled(heartgrid), heartpalette, 14, 16, scoreboardgrey, 1);
    emptyheart = fromgrid(emptied(heartgrid), heartpalette, 14, 16, scoreboardgrey, 1);
    Image2 = fromgrid(guyfront, guypalette(1), 22, 23, scoreboardgrey, 1);
    Image1 = blank(20, 22, scoreboardgrey);
    overlay(Image1, guyfront, guypalette(2), 1, 1, 0, 0);
    Image3 = blank(22, 22, scoreboardgrey);
    overlay(Image3, bombgrid, bombpalette(6), 1, 1, 0, 0);
    Image8 = Image3;
    Image4 = blank(22, 22, scoreboardgrey);
    overlay(Image4, flamecross(21, 21), flamepalette, 1, 1, 0, 0);
    Image7 = Image4;
    Image5 = blank(22, 22, scoreboardgrey);
    Grid small = word("FUSE+");
    overlay(Image5, small, {{'t', RGB(20, 20, 20)}}, 1, 2, 2, 7);
    overlay(Image5, small, {{'t', RGB(255, 255, 255)}}, 1, 2, 1, 6);
    Image6 = Image5;

    titlepicture = maketitle();
}

const namedpicture allpictures[] = {
    {"guy1right", &guy1right, nullptr},
    {"guy1left", &guy1left, nullptr},
    {"guy1down", &guy1down, nullptr},
    {"guy1up", &guy1up, nullptr},
    {"guy2right", &guy2right, nullptr},
    {"guy2left", &guy2left, nullptr},
    {"guy2down", &guy2down, nullptr},
    {"guy2up", &guy2up, nullptr},
    {"guy1die", &guy1die, nullptr},
    {"guy2die", &guy2die, nullptr},
    {"dinowalkright", &dinowalkright, nullptr},
    {"dinowalkleft", &dinowalkleft, nullptr},
    {"dinowalkup", &dinowalkup, nullptr},
    {"dinowalkdown", &dinowalkdown, nullptr},
    {"rangeuppic", &rangeuppic, nullptr},
    {"rangedownpic", &rangedownpic, nullptr},
    {"bombuppic", &bombuppic, nullptr},
    {"boltpic", &boltpic, nullptr},
    {"oneheartpic", &oneheartpic, nullptr},
    {"tenheartspic", &tenheartspic, nullptr},
    {"block", nullptr, &block},
    {"rock", nullptr, &rock},
    {"bombpic(0)", nullptr, &bombpic[0]},
    {"bombpic(1)", nullptr, &bombpic[1]},
    {"bombpic(2)", nullptr, &bombpic[2]},
    {"bombpic(3)", nullptr, &bombpic[3]},
    {"bombpic(4)", nullptr, &bombpic[4]},
    {"bombpic(5)", nullptr, &bombpic[5]},
    {"bombpic(6)", nullptr, &bombpic[6]},
    {"fuseup", nullptr, &fuseup},
    {"fusedown", nullptr, &fusedown},
    {"coinpic", nullptr, &coinpic},
    {"heart", nullptr, &heart},
    {"halfheart", nullptr, &halfheart},
    {"emptyheart", nullptr, &emptyheart},
    {"Image2", nullptr, &Image2},
    {"Image1", nullptr, &Image1},
    {"Image3", nullptr, &Image3},
    {"Image8", nullptr, &Image8},
    {"Image4", nullptr, &Image4},
    {"Image7", nullptr, &Image7},
    {"Image5", nullptr, &Image5},
    {"Image6", nullptr, &Image6},
    {"titlepicture", nullptr, &titlepicture},
};
const int allpicturecount = int(sizeof allpictures / sizeof allpictures[0]);
