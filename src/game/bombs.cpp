// Bombs: a player drops one on the square he is leaving, its fuse ticks once a
// frame, it shows the fuse as a picture and a digit and goes off when the fuse
// has run out or fire burns on its square. The explosion itself is in fire.cpp.
#include "game/bombs.h"

#include <cmath>

#include "audio/sound.h"
#include "game/fire.h"
#include "game/form1.h"
#include "platform/random.h"
#include "playfield/pictures.h"
#include "playfield/playfield.h"
#include "state/convert.h"
#include "state/state.h"

void bombdrop(Integer n) {
    if (n < 1 || n > 2 || dropbomb[n] == 0) return;
    guyrec& g = guy[n];
    // Holding Left or Up, the square the player is leaving is the one that
    // holds his right or lower part; otherwise the one his top-left lies on.
    Integer dx = goleft[n] != 0 ? 1 : 0;
    Integer dy = goup[n] != 0 ? 1 : 0;
    double c = Int(g.x + dx), r = Int(g.y + dy);
    if (c < 0 || c > 17 || r < 0 || r > 13) return;
    squarerec& s = square[int(c)][int(r)];
    if (s.bombflag != -1 || s.kind != 1) return; // refused: he keeps the bomb

    int i = addbomb();
    if (i == 0) return; // a full table refuses the drop too
    g.bombs -= 1;
    bombnumberlbl[n].caption = numtext(g.bombs);
    bombrec& b = bomb[i];
    b.fuse = Integer(g.fuse);
    b.fusetotal = Integer(g.fuse);
    b.range = g.range;
    b.x = Integer(c);
    b.y = Integer(r);
    b.exploded = 0;
    b.owner = n;
    s.bombflag = 1;
    drawbomb(Integer(i));
}

namespace {

// Takes every bomb that went off in this frame out of the table and repaints
// its square; a ticking bomb keeps its record and its square's flag.
void removalpass() {
    int i = 1;
    while (i <= bombcount) {
        if (bomb[i].exploded == 1) {
            drawsquare(bomb[i].x, bomb[i].y);
            square[bomb[i].x][bomb[i].y].bombflag = -1;
            removebomb(i); // the slot now holds the moved record: look at it again
        } else {
            ++i;
        }
    }
}

} // namespace

void bombpass() {
    explosions = 0;
    Integer last = bombcount;
    for (Integer i = 1; i <= last; ++i) {
        bombrec& b = bomb[i];
        squarerec& s = square[b.x][b.y];
        if (s.fireowner != 0) b.fuse = 0; // fire on its square sets it off now
        if (b.fuse > 0) {
            s.bombflag = 1; // a bomb of the bomb-grid key marks its square here first
            b.fuse = Integer(b.fuse - framestep);
        } else {
            b.exploded = 1;
            sound("\\exb.wav", 1);
            ++explosions;
        }
        if (b.exploded == 1) explode(i);
        // Fresh bombs are painted in each of their first passes, the rest
        // every 100 frames; a bomb just gone off gets its last flicker too.
        if (b.fuse >= b.fusetotal - 10) drawbomb(i);
        double hundreds = b.fuse / (100.0 / framestep);
        if (hundreds == std::floor(hundreds)) drawbomb(i);
    }
    removalpass();
}

void drawbomb(Integer i) {
    const bombrec& b = bomb[i];
    Integer f = b.fuse;
    if (f <= 500) {
        // The last 500 ticks: a 0 in a fresh shade between red and yellow,
        // printed over the last picture.
        pic.currentx = b.x + 0.35;
        pic.currenty = b.y + 0.35;
        pic.forecolor = RGB(255, CInt(Rnd() * 255), 0);
        printtext(pic, " 0");
        return;
    }
    int k = int(Int(f / 1000.0));
    paintpicture(pic, bombpic[k > 6 ? 6 : k], b.x, b.y);
    pic.forecolor = RGB(0, 0, 0);
    pic.currentx = b.x + 0.35;
    pic.currenty = b.y + 0.35;
    printtext(pic, Str(k));
}

void supplylimits(Integer n) {
    if (n < 1 || n > 2) return;
    guyrec& g = guy[n];
    if (g.range == 0) {
        g.range = 1;
        rangelbl[n].caption = numtext(g.range);
    }
    if (g.fuse == 0) {
        g.fuse = 1000;
        fuselbl[n].caption = numtext(g.fuse / 1000);
    }
    if (g.bombs > 8) {
        g.bombs = 8;
        bombnumberlbl[n].caption = numtext(g.bombs);
    }
}
