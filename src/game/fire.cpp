// Explosions and fire: a bomb going off puts fire on its square and along the
// four arms of a cross, each arm square lighting later the farther out it is;
// a fire hurts only in its shrinking half, by marking its square. Every frame
// with an explosion also shakes the playfield sideways for 200 ms.
#include "game/fire.h"

#include <cstdint>

#include "game/form1.h"
#include "game/popups.h"
#include "game/powerups.h"
#include "platform/clock.h"
#include "platform/random.h"
#include "platform/window.h"
#include "playfield/playfield.h"
#include "state/convert.h"
#include "state/state.h"

namespace {

// Adds a fire on square (x, y) that waits count frames before it lights.
void addflame(Integer x, Integer y, Integer kind, Integer count, Integer owner) {
    int i = addfire();
    if (i == 0) return; // a full table drops the fire
    firerec& f = fire[i];
    f.x = x;
    f.y = y;
    f.kind = kind;
    f.count = count;
    f.length = 45;
    f.burning = 0;
    f.owner = owner;
}

// One flame colour, from red to yellow.
Long flamecolor() {
    return RGB(255, CInt(Rnd() * 255), 0);
}

// Where the playfield rests in its window, in twips.
constexpr int picrestleft = 1200;

} // namespace

void explode(Integer i) {
    const bombrec& b = bomb[i];
    Integer o = b.owner, bx = b.x, by = b.y, range = b.range;

    if (o >= 0 && o <= maxguys) guy[o].bombs += 1;
    if (o >= 1 && o <= 2) bombnumberlbl[o].caption = numtext(guy[o].bombs);

    // The centre burns at once, marked for player 1 whoever dropped it, and
    // turns into ground whatever lay there.
    square[bx][by].fireowner = 1;
    square[bx][by].bombflag = -1;
    square[bx][by].kind = 1;
    addflame(bx, by, 1, 0, o);

    // Down, up, right, left; vertical arms burn as kind 3, horizontal as kind 2.
    const Integer arms[4][3] = {{0, 1, 3}, {0, -1, 3}, {1, 0, 2}, {-1, 0, 2}};
    for (const auto& arm : arms) {
        for (Integer k = 1; k <= range; ++k) {
            Integer ax = Integer(bx + arm[0] * k), ay = Integer(by + arm[1] * k);
            if (ax < 0 || ax > 16 || ay < 0 || ay > 12) break;
            squarerec& s = square[ax][ay];
            if (s.kind == 1) {
                addflame(ax, ay, arm[2], Integer(firedelay * k), o);
                continue;
            }
            // Only a block right next to the bomb breaks; any block or rock
            // stops the arm and gets no fire.
            if (s.kind == 3 && k == 1) {
                blocksleft -= 1;
                s.kind = 1;
                drawsquare(ax, ay);
                makepowerup(ax, ay);
                makescore(ax, ay, 10, o);
            }
            break;
        }
    }
}

void shakestep() {
    if (shakefactor <= 0) return;
    if (explosions >= 1) {
        shaketime = 1000;
        shakeend = Long(std::int64_t(gettickcount()) + 200);
    }
    if (shaketime <= 0) return;

    // The time left wraps as a 16-bit number; the last test below ends a
    // shake whose time left has wrapped back to positive.
    Integer rem = Integer(std::int64_t(shakeend) - gettickcount());
    double a = rem / 1000.0 * 100 * shakefactor; // twips
    int px = int(CLng(a / twipsperpixel));
    if (CLng(gettickcount() / 16.0) % 2 == 0)
        pic.left = picrestleft + px * twipsperpixel;
    else
        pic.left = picrestleft - px * twipsperpixel;
    if (rem <= 0) {
        pic.left = picrestleft;
        shaketime = 0;
    }
    if (std::int64_t(gettickcount()) > std::int64_t(shaketime) + shakeend) {
        // Put back too: a wrapped time left would otherwise leave the
        // playfield standing off its place.
        pic.left = picrestleft;
        shaketime = 0;
    }
}

void firepass() {
    Integer last = firecount;
    Integer i = 1;
    while (i <= last) {
        firerec& f = fire[i];
        if (f.count > 0 && f.burning == 0) f.count -= 1;
        if (f.count == 0 && f.burning == 0) {
            f.burning = 1;
            f.count = f.length;
        }
        if (f.burning == 1) {
            f.count = CInt(f.count - 2.5);
            drawfire(i);
            if (f.count == 0) {
                // Burnt out: the square is cleared even if another fire still
                // burns there, and the walk starts again from the first slot.
                square[f.x][f.y].fireowner = 0;
                drawsquare(f.x, f.y);
                removefire(i);
                last = firecount;
                i = 1;
                continue;
            }
        }
        ++i;
    }
}

void drawfire(Integer i) {
    const firerec& f = fire[i];
    pic.drawwidth = 1;
    double L = f.length, c = f.count, w;
    double x = f.x, y = f.y;
    if (L / 2 >= c) {
        // The shrinking half: the fire hurts now, and each smaller bar is
        // painted on a freshly repainted square.
        square[f.x][f.y].fireowner = f.owner;
        if (c < 1) return;
        w = c / 100;
        drawsquare(f.x, f.y);
    } else {
        w = (L - c + 1) / 100; // growing: each bar painted over the last
    }
    switch (f.kind) {
    case 1:
        fillbox(pic, x + 0.5 + w, y, x + 0.5 - w, y + 1, flamecolor());
        fillbox(pic, x, y + 0.5 + w, x + 1, y + 0.5 - w, flamecolor());
        break;
    case 2:
        fillbox(pic, x, y + 0.5 + w, x + 1, y + 0.5 - w, flamecolor());
        break;
    case 3:
        fillbox(pic, x + 0.5 + w, y, x + 0.5 - w, y + 1, flamecolor());
        break;
    default:
        break;
    }
}
