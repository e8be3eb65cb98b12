// What many tests start from: a level built headless, and questions about
// what one square of the playfield shows.
#pragma once
#include <cstdint>

#include "platform/random.h"
#include "platform/surface.h"
#include "playfield/pictures.h"
#include "playfield/playfield.h"
#include "state/levels.h"
#include "state/state.h"

// Level n built from a clean state and the given seed, with two players and
// countdowns dropping by one a frame.
inline void buildboard(Integer n, std::uint64_t seed) {
    resetstate();
    setdefaultsettings();
    makeplayfield();
    loadpictures();
    randomize(seed);
    level = n;
    reset();
    players = 2;
    framestep = 1;
}

// Does square (x, y) show picture p from its top-left corner?
inline bool squareshows(Integer x, Integer y, const Picture& p) {
    int px = pixelx(pic, x), py = pixely(pic, y);
    for (int j = 0; j < p.height; ++j)
        for (int i = 0; i < p.width; ++i)
            if (pixelat(pic, px + i, py + j) != Long(p.at(i, j))) return false;
    return true;
}

// Is every pixel of square (x, y) colour c?
inline bool squareisall(Integer x, Integer y, Long c) {
    for (int py = pixely(pic, y); py < pixely(pic, y + 1); ++py)
        for (int px = pixelx(pic, x); px < pixelx(pic, x + 1); ++px)
            if (pixelat(pic, px, py) != c) return false;
    return true;
}
