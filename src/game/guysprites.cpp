// Player sprites and trails. Nothing behind a player is remembered: every
// step paints ground over exactly the strip the sprite moved off, cut short
// at a square boundary so no ground is painted into a rock or block.
#include "game/guysprites.h"

#include "playfield/pictures.h"
#include "playfield/playfield.h"
#include "state/convert.h"
#include "state/state.h"

namespace {

// Kind of square (x, y); the column and row past the board read as 0.
Single kindat(double x, double y) {
    return square[int(x)][int(y)].kind;
}

// A box of ground between two corners in playfield units.
void groundbox(double x1, double y1, double x2, double y2) {
    fillbox(pic, x1, y1, x2, y2, groundcolor);
}

// Cell Int(2 * v) Mod 4 of a walking sheet: a new cell every half square.
int walkcell(Single v) {
    return int(Int(2.0 * double(v))) % 4;
}

} // namespace

void drawguy(Integer n) {
    const guyrec& g = guy[n];
    if (g.dead != 0) return;
    bool one = n == 1;
    // Each test paints on its own; a flag always comes with its facing, so
    // only one of them holds, and none while facing is 0 or -1.
    if (facing[n] == 4 || goleft[n] != 0)
        paintpicture(pic, (one ? guy1left : guy2left).cell(walkcell(g.x)), g.x, g.y);
    if (goright[n] != 0 || facing[n] == 2)
        paintpicture(pic, (one ? guy1right : guy2right).cell(walkcell(g.x)), g.x, g.y);
    if (godown[n] != 0 || facing[n] == 3)
        paintpicture(pic, (one ? guy1down : guy2down).cell(walkcell(g.y)), g.x, g.y);
    if (goup[n] != 0 || facing[n] == 1)
        paintpicture(pic, (one ? guy1up : guy2up).cell(walkcell(g.y)), g.x, g.y);
}

void eraseguytrails(Integer d, Integer n) {
    // The position after the step, and the step.
    double x = guy[n].x, y = guy[n].y, s = guyspeed;
    switch (d) {
    case 1: // up: the strip below the sprite
        // Its far edge can round past the boundary into the next square down
        // (0.99 + 1 + 0.01 is a hair over 2), so that square must be ground too.
        if (kindat(Int(x + 0.2), Int(y) + 1) == 1 && kindat(Int(x + 0.2), Int(y + 1 + s)) == 1)
            groundbox(x, y + 1, x + 1, y + 1 + s);
        else
            groundbox(x, y + 1, x + 1, Int(y + 1.5));
        break;
    case 2: { // right: the strip left of the sprite; nothing to test left of column 0
        double c = Int(x - s);
        if (c < 0 || kindat(c, Int(y + 0.2)) == 1)
            groundbox(x, y, x - s, y + 1);
        else
            groundbox(x, y, Int(x), y + 1);
        break;
    }
    case 3: { // down: the strip above the sprite; nothing to test above row 0
        double r = Int(y - s);
        if (r < 0 || kindat(Int(x + 0.2), r) == 1)
            groundbox(x, y, x + 1, y - s);
        else
            groundbox(x, y, x + 1, Int(y));
        break;
    }
    case 4: // left: the strip right of the sprite (column 17 reads as no ground)
        if (kindat(Int(x + 1 + s), Int(y + 0.2)) == 1)
            groundbox(x + 1, y, x + 1 + s, y + 1);
        else
            groundbox(x + 1, y, Int(x + 1.5), y + 1);
        break;
    default:
        break;
    }
}

void snaptrailx(Integer n) {
    double x = guy[n].x, y = guy[n].y;
    pic.drawwidth = 1;
    if (facing[n] == 2)
        groundbox(x, y, x - 0.15, y + 1);
    else if (facing[n] == 4)
        groundbox(x + 1, y, x + 1.15, y + 1);
    drawsquare(Integer(Int(x) + 1), Integer(Int(y)));
}

void snaptraily(Integer n) {
    double x = guy[n].x, y = guy[n].y;
    pic.drawwidth = 1;
    if (facing[n] == 1)
        groundbox(x, y + 1, x + 1, y + 1.15);
    else if (facing[n] == 3)
        groundbox(x, y, x + 1, y - 0.15);
    drawsquare(Integer(Int(x + 0.1)), Integer(Int(y + 0.1) + 1));
}

void glidetrail(Integer n) {
    // The position before this gliding step: the box covers the strip the
    // previous step uncovered.
    double x = guy[n].x, y = guy[n].y, s = guyspeed;
    switch (facing[n]) {
    case 4:
        groundbox(x + 1, y, x + 1 + s, y + 1);
        break;
    case 2:
        groundbox(x, y, x - s, y + 1);
        break;
    case 1:
        groundbox(x, y + 1, x + 1, y + 1 + s);
        break;
    case 3:
        groundbox(x, y, x + 1, y - s);
        break;
    default:
        break;
    }
}

void deathstep(Integer n) {
    guyrec& g = guy[n];
    if (g.dietime <= 0) return;
    g.dietime = Integer(g.dietime - 2);
    if (g.dietime % 10 != 0) return;
    const Sheet& sheet = n == 1 ? guy1die : guy2die;
    int k = int(Int(double(g.dieframe) / 9));
    // From dieframe 0 the count ends on the last cell; a count that started
    // elsewhere has no picture past it.
    if (k >= 0 && k < int(sheet.cells.size())) paintpicture(pic, sheet.cell(k), g.x, g.y);
    g.dieframe = Integer(g.dieframe + 1);
}
