// Player movement and input. Keys are polled once a frame into flags; a
// player then moves along a row only while standing exactly on it (and
// along a column likewise), and glides on to the next square boundary when
// his keys are let go between two squares.
#include "game/players.h"

#include "game/guysprites.h"
#include "playfield/playfield.h"
#include "state/convert.h"
#include "state/keys.h"
#include "state/state.h"

namespace {

// Virtual-key codes of one player's keys.
struct keyset {
    int left, right, up, down, drop;
};

// Player 1: arrows and either Ctrl; player 2: A, D, W, S and Q.
const keyset playerkeys[3] = {{}, {37, 39, 38, 40, 17}, {65, 68, 87, 83, 81}};

// Is v a whole number (Int(v) = v)?
bool whole(Single v) {
    return Int(v) == double(v);
}

// Does square (x, y) let a player in?
bool ground(double x, double y) {
    return square[int(x)][int(y)].kind == 1;
}

// Turns player n's held keys into his flags. Left or Right held on a row
// shadows Up and Down, even when the look-ahead refuses Left.
void readplayer(Integer n) {
    const keyset& k = playerkeys[n];
    double x = guy[n].x, y = guy[n].y;
    bool rowkey = false;
    if (whole(guy[n].y)) {
        if (keyisdown(k.left) != 0) {
            // Left looks at the square left of the one holding x + 0.2;
            // left of column 0 there is nothing to test.
            double c = Int(x + 0.2) - 1;
            if (c < 0 || ground(c, Int(y + 0.2))) {
                goleft[n] = -1;
                facing[n] = 4;
            }
            rowkey = true;
        } else if (keyisdown(k.right) != 0) {
            // Right is tested by the step itself.
            goright[n] = -1;
            facing[n] = 2;
            rowkey = true;
        }
    }
    if (!rowkey && whole(guy[n].x)) {
        if (keyisdown(k.up) != 0) {
            double r = Int(y + 0.2) - 1;
            if (r < 0 || ground(Int(x + 0.2), r)) {
                goup[n] = -1;
                facing[n] = 1;
            }
        } else if (keyisdown(k.down) != 0) {
            godown[n] = -1;
            facing[n] = 3;
        }
    }
    if (keyisdown(k.drop) != 0 && guy[n].bombs > 0) dropbomb[n] = -1;
}

// One step of guyspeed from v, formed in double and stored as a Single.
Single stepback(Single v) {
    return Single(double(v) - double(guyspeed));
}
Single stepon(Single v) {
    return Single(double(v) + double(guyspeed));
}

// With no row key set: a player just past a whole x snaps onto it, and one
// further between two squares glides on in his facing direction.
void settlex(Integer n) {
    guyrec& g = guy[n];
    if (!whole(g.x) && double(g.x) < Int(g.x) + 0.15) {
        g.x = Single(Int(g.x));
        snaptrailx(n);
    }
    // The lower bound is the Single 0.1.
    if (!whole(g.x) && double(g.x) > double(Single(0.1)) && g.x < 16) {
        if (ground(Int(g.x), Int(g.y))) {
            if (facing[n] == 4) {
                glidetrail(n);
                g.x = stepback(g.x);
            } else if (facing[n] == 2) {
                glidetrail(n);
                g.x = stepon(g.x);
            }
        } else {
            // Gliding over no ground: stop on the next whole number, unpainted.
            facing[n] = -1;
            g.x = Single(Int(double(g.x) + 1));
        }
    }
}

// The same for y with no column key set.
void settley(Integer n) {
    guyrec& g = guy[n];
    if (!whole(g.y) && double(g.y) < Int(g.y) + 0.15) {
        g.y = Single(Int(g.y));
        snaptraily(n);
    }
    if (!whole(g.y) && double(g.y) > double(Single(0.1)) && g.y < 12) {
        if (ground(Int(g.x), Int(g.y))) {
            if (facing[n] == 1) {
                glidetrail(n);
                g.y = stepback(g.y);
            } else if (facing[n] == 3) {
                glidetrail(n);
                g.y = stepon(g.y);
            }
        } else {
            facing[n] = -1;
            g.y = Single(Int(double(g.y) + 1));
        }
    }
}

} // namespace

void readkeys() {
    for (int n = 1; n <= 2; ++n) goleft[n] = goright[n] = goup[n] = godown[n] = dropbomb[n] = 0;
    // Both players' keys are read even in a one-player game.
    readplayer(1);
    readplayer(2);
}

void moveguy(Integer n) {
    guyrec& g = guy[n];
    pic.drawwidth = 1;
    // A keyed step needs ground under the sprite's leading part.
    if (goleft[n] != 0 && g.x > guyspeed && ground(Int(g.x), Int(g.y))) {
        g.x = stepback(g.x);
        eraseguytrails(4, n);
    }
    if (goright[n] != 0 && g.x < 16 && ground(Int(double(g.x) + 1), Int(g.y))) {
        g.x = stepon(g.x);
        eraseguytrails(2, n);
    }
    if (goup[n] != 0 && g.y > guyspeed && ground(Int(g.x), Int(g.y))) {
        g.y = stepback(g.y);
        eraseguytrails(1, n);
    }
    if (godown[n] != 0 && g.y < 12 && ground(Int(g.x), Int(double(g.y) + 1))) {
        g.y = stepon(g.y);
        eraseguytrails(3, n);
    }
    if (goleft[n] == 0 && goright[n] == 0) settlex(n);
    if (goup[n] == 0 && godown[n] == 0) settley(n);
    drawguy(n);
}
