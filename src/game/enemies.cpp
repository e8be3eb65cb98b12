// Enemy movement: each frame an enemy walks one step along its direction,
// is pulled back onto a whole square when it has just passed one, picks a new
// way on every whole square and is painted from its walking sheet.
#include "game/enemies.h"

#include "game/enemycontact.h"
#include "platform/random.h"
#include "playfield/pictures.h"
#include "playfield/playfield.h"
#include "state/convert.h"
#include "state/state.h"

namespace {

// True when square (x, y) lies in the board array and is ground.
bool isground(double x, double y) {
    if (x < 0 || y < 0 || x > 17 || y > 13) return false;
    return square[int(x)][int(y)].kind == 1;
}

// A whole number, compared exactly on the stored Single.
bool whole(Single v) {
    return double(v) == Int(v);
}

// One step of s along a coordinate: the exact sum of the stored Single and
// the step, rounded once when it is stored back as a Single.
Single stepped(Single v, double s) {
    return Single(double(v) + s);
}

// The enemy has come to within one step past a whole number: the exact
// value Int(v) + enemyspeed, unrounded, lies above the stored v.
bool justpast(Single v) {
    return !whole(v) && Int(v) + double(enemyspeed) > double(v);
}

} // namespace

void eraseenemytrails(Integer d, Integer i) {
    const enemyrec& e = enemy[i];
    const double x = e.x, y = e.y, s = enemyspeed;
    // The strip behind the trailing edge is painted only on ground, so it never
    // cuts into a block or a rock beside the enemy.
    switch (d) {
    case 1:
        if (isground(Int(x + 0.2), CLng(Int(y) + 1 + s)))
            fillbox(pic, x, y + 1, x + 1, y + 1 + s, groundcolor);
        break;
    case 2:
        if (Int(x - s) < 0 || isground(Int(x - s), Int(y + 0.2)))
            fillbox(pic, x, y, x - s, y + 1, groundcolor);
        break;
    case 3:
        if (Int(y - s) < 0 || isground(Int(x + 0.2), Int(y - s)))
            fillbox(pic, x, y, x + 1, y - s, groundcolor);
        break;
    case 4:
        if (isground(Int(x + 1 + s), Int(y + 0.2)))
            fillbox(pic, x + 1, y, x + 1 + s, y + 1, groundcolor);
        break;
    default:
        break;
    }
}

void newdirection(Integer i) {
    enemyrec& e = enemy[i];
    if (e.dir >= 1 && e.dir <= 4) eraseenemytrails(e.dir, i);
    const double x = e.x, y = e.y;
    for (;;) {
        const int b = int(Int(x + 0.251)), d = int(Int(y + 0.251));
        const bool upshut = d == 0 || !isground(b, d - 1);
        const bool downshut = d >= 13 || !isground(b, d + 1);
        const bool leftshut = b == 0 || !isground(b - 1, d);
        const bool rightshut = b >= 17 || !isground(b + 1, d);
        if (upshut && downshut && leftshut && rightshut) {
            e.dir = -1; // boxed in: tried again every frame until a side opens
            return;
        }
        e.dir = Integer(Int(Rnd() * 4) + 1);
        const int tx = int(Int(x + 0.1)), ty = int(Int(y + 0.1));
        const int dx[5] = {0, 0, 1, 0, -1}, dy[5] = {0, -1, 0, 1, 0};
        if (isground(tx + dx[e.dir], ty + dy[e.dir])) return;
    }
}

void drawenemy(Integer i) {
    const enemyrec& e = enemy[i];
    // The cell follows how far the enemy has come across its square: eight
    // steps of a stride sideways, four up and down; a whole square shows cell 0.
    const double fx = double(e.x) - Int(e.x), fy = double(e.y) - Int(e.y);
    switch (e.dir) {
    case 1:
        paintpicture(pic, dinowalkup.cell(int(Int(fy * 4))), e.x, e.y);
        break;
    case 2:
        paintpicture(pic, dinowalkright.cell(int(Int(fx * 8))), e.x, e.y);
        break;
    case 3:
        paintpicture(pic, dinowalkdown.cell(int(Int(fy * 4))), e.x, e.y);
        break;
    case 4:
        paintpicture(pic, dinowalkleft.cell(int(Int(fx * 8))), e.x, e.y);
        break;
    default:
        break; // no direction yet or boxed in: the last picture stays
    }
}

void enemypass() {
    const double s = enemyspeed;
    // A removed enemy's slot takes the last record, which waits for the next
    // frame: i moves on either way, against the count as it now stands.
    for (Integer i = 1; i <= enemycount; ++i) {
        enemyfiretest(i);
        if (enemy[i].dying != 0) {
            enemydeathstep(i);
            continue;
        }
        pic.drawwidth = 1; // the splatter of a dying enemy leaves it wider

        enemyrec& e = enemy[i];
        // A coordinate that stood on a whole number before this step is left
        // where the step put it: one step right from 1 lands just below the
        // exact 1 + enemyspeed and would otherwise be pulled straight back.
        const bool xwaswhole = whole(e.x), ywaswhole = whole(e.y);
        switch (e.dir) {
        case 1:
            if (Int(e.y) > 0) {
                eraseenemytrails(1, i);
                e.y = stepped(e.y, -s);
            } else {
                e.dir = 3;
            }
            break;
        case 2:
            if (Int(e.x) < 16) {
                eraseenemytrails(2, i);
                e.x = stepped(e.x, s);
            } else {
                e.dir = 4;
            }
            break;
        case 3:
            if (Int(e.y) < 12) {
                eraseenemytrails(3, i);
                e.y = stepped(e.y, s);
            } else {
                e.dir = 1;
            }
            break;
        case 4:
            if (Int(e.x) > 0) {
                eraseenemytrails(4, i);
                e.x = stepped(e.x, -s);
            } else {
                e.dir = 2;
            }
            break;
        default:
            break; // no direction yet or boxed in: no step
        }

        // Back onto the whole square just passed, and clean the sliver the
        // sprite had covered beyond it.
        if (!xwaswhole && justpast(e.x)) {
            e.x = Single(Int(e.x));
            if (isground(Int(e.x + 1 + s), Int(e.y + 0.2)))
                fillbox(pic, e.x + 1, e.y, e.x + 1.1, e.y + 1, groundcolor);
        }
        if (!ywaswhole && justpast(e.y)) {
            e.y = Single(Int(e.y));
            if (isground(Int(e.x + 0.2), CLng(Int(e.y) + 1 + s)))
                fillbox(pic, e.x, e.y + 1, e.x + 1, e.y + 1.1, groundcolor);
        }

        if (whole(e.x) && whole(e.y)) newdirection(i);
        enemycontact(i);
        drawenemy(i);
    }
}
