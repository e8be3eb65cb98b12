#include "game/powerups.h"

#include "audio/sound.h"
#include "game/form1.h"
#include "game/lives.h"
#include "game/popups.h"
#include "platform/random.h"
#include "playfield/pictures.h"
#include "playfield/playfield.h"
#include "state/convert.h"
#include "state/state.h"

// The cell painted at each animation step, by frame; -1 paints nothing and
// leaves the last picture standing.
static const int rangecells[21] = {-1, -1, 0, -1, 1, -1, 2, -1, 1, -1, 0,
                                   0,  0,  0, 0,  0, 0,  0, 0,  0, 0};
static const int bombupcells[13] = {-1, 3, 4, 5, 6, 5, 4, 3, 2, 1, 0, 1, 2};
static const int boltcells[5] = {-1, 0, 1, 2, 1};
static const int oneheartcells[11] = {-1, -1, 0, -1, 1, -1, 2, -1, 1, -1, 0};
static const int tenheartscells[6] = {-1, 0, 1, 2, 1, 0};

// True when countdown t has reached one of its every-100-frames points.
static bool hundredth(Integer t) {
    double q = t / (100.0 / framestep);
    return q == Int(q);
}

void makepowerup(Integer x, Integer y) {
    if (Int(Rnd() * powerupchance) != 0) return;
    // The kind and the up-or-down draw are made whatever comes of them, so the
    // random sequence does not depend on the kind or on a full table.
    Integer kind = Integer(Int(Rnd() * 6) + 1);
    bool up = CInt(Rnd()) == 1;
    int i = addpowerup();
    if (i == 0) return;
    poweruprec& p = powerup[i];
    p.frame = 0;
    p.x = x;
    p.y = y;
    p.kind = kind;
    p.timeleft = 10000;
    if (kind == 1) p.amount = up ? 1000 : -1000;
    if (kind == 2) p.amount = up ? 1 : -1;
}

// Paints cell frame of sheet s at the power-up's square, when the table names one.
template <int N> static void paintstep(const poweruprec& p, const Sheet& s, const int (&cells)[N]) {
    if (p.frame < 0 || p.frame >= N || cells[p.frame] < 0) return;
    paintpicture(pic, s.cell(cells[p.frame]), p.x, p.y);
}

void drawpowerup(Integer i) {
    poweruprec& p = powerup[i];
    switch (p.kind) {
    case 1:
        paintpicture(pic, p.amount > 0 ? fuseup : fusedown, p.x, p.y);
        break;
    case 2:
        paintstep(p, p.amount > 0 ? rangeuppic : rangedownpic, rangecells);
        if (p.frame >= 20) p.frame = 1;
        break;
    case 3:
        paintstep(p, bombuppic, bombupcells);
        if (p.frame >= 12) p.frame = 1;
        break;
    case 4:
        // The bolt wraps before it paints: its fifth step shows the first cell.
        if (p.frame >= 5) p.frame = 1;
        paintstep(p, boltpic, boltcells);
        break;
    case 5:
        paintstep(p, oneheartpic, oneheartcells);
        if (p.frame >= 10) p.frame = 1;
        break;
    case 6:
        paintstep(p, tenheartspic, tenheartscells);
        if (p.frame >= 5) p.frame = 1;
        break;
    }
}

// Player n takes the power-up p: its effect, its sound and its points.
static void takepowerup(const poweruprec& p, Integer n) {
    guyrec& g = guy[n];
    auto points = [&](Integer v) { makescore(p.x, p.y, v, n); };
    switch (p.kind) {
    case 1:
        if (p.amount < 0) {
            g.fuse += p.amount;
            sound("\\cut.wav", 1);
            points(50);
        } else if (p.amount > 0) {
            g.fuse += p.amount;
            if (g.fuse > 5000) {
                g.fuse = 5000;
                points(150);
            } else {
                points(50);
            }
            sound("\\add.wav", 1);
        }
        fuselbl[n].caption = numtext(g.fuse / 1000.0 - 1);
        break;
    case 2:
        if (p.amount < 0) {
            g.range = Integer(g.range + p.amount);
            sound("\\down.wav", 1);
            points(50);
        } else if (p.amount > 0) {
            g.range = Integer(g.range + p.amount);
            sound("\\rangeup.wav", 1);
            if (g.range > 5) {
                g.range = 5;
                points(150);
            } else {
                points(50);
            }
        }
        rangelbl[n].caption = numtext(g.range);
        break;
    case 3:
        g.bombs = Integer(g.bombs + 1);
        sound("\\getammo.wav", 1);
        if (g.bombs > 8) {
            g.bombs = 8;
            points(150);
        } else {
            points(50);
        }
        bombnumberlbl[n].caption = numtext(g.bombs);
        break;
    case 4:
        // Only one sweep at a time, and none over a board without blocks.
        if (bolting == 0 && blocksleft > 0) {
            sound("\\bolt.wav", 1);
            bolting = n;
            boltx = 0;
            bolty = 0;
            boltowner = n;
        }
        points(50);
        break;
    case 5:
        sound("\\oneheart.wav", 1);
        if (g.life == 10) {
            points(50);
        } else {
            // A heart below full life pays in life, not points.
            if (g.life <= 9) g.life = g.life + 1;
            if (g.life > 9) g.life = 10;
            updatelife(n);
        }
        break;
    case 6:
        sound("\\tenheart.wav", 1);
        if (g.life == 10) points(150);
        g.life = 10;
        updatelife(n);
        break;
    }
}

void poweruppass() {
    for (Integer i = 1; i <= powerupcount; ++i) {
        powerup[i].timeleft = Integer(powerup[i].timeleft - framestep);
        // Player 1 looks first. When a take moves the last record into this
        // slot, the players still to look are tested against that one.
        for (Integer n = 1; n <= players && i <= powerupcount; ++n) {
            poweruprec& p = powerup[i];
            if (Int(guy[n].x) == p.x && Int(guy[n].y) == p.y) {
                Integer x = p.x, y = p.y;
                takepowerup(p, n);
                drawsquare(x, y);
                removepowerup(i);
            }
        }
        if (i > powerupcount) break;
        poweruprec& p = powerup[i];
        if (hundredth(p.timeleft)) {
            p.frame = Integer(p.frame + 1);
            drawpowerup(i);
        }
        if (p.timeleft < 1) {
            drawsquare(p.x, p.y);
            removepowerup(i); // the record moved in waits for the next frame
        }
    }
}

void boltsweep() {
    if (bolting == 0) return;
    Integer by = Integer(Int(bolty));
    if (square[boltx][by].kind == 3) {
        blocksleft = Integer(blocksleft - 1);
        square[boltx][by].kind = 1;
        drawsquare(boltx, by);
        makepowerup(boltx, by);
        makescore(boltx, by, 10, boltowner);
    }
    // The row position is kept as a Single: 130 steps of 0.1 sum to a little
    // over 13, so each column takes 130 frames and row 13 is never looked at.
    if (Int(bolty) <= 13) bolty = Single(bolty + framestep * 0.1);
    if (bolty > 13) {
        boltx = Integer(boltx + 1);
        bolty = 0;
    }
    if (boltx > 16) {
        bolting = 0;
        boltowner = 0;
    }
}
