// The shared state of a game: the board, the players, the fixed tables with
// their counts, the per-frame input flags, the counters and the settings.
// Every part of the game reads and writes these directly.
#pragma once
#include <string>

#include "state/types.h"

struct squarerec {
    Single kind;       // 1 ground, 2 rock, 3 block, 0 outside the used area
    Integer fireowner; // player whose fire hurts here, 0 none
    Integer bombflag;  // 1 a bomb lies here, -1 none
};

struct guyrec {
    Single x, y;
    Single life; // hearts, 10 full
    Single score;
    Long fuse;
    Integer range, bombs, lives, continues;
    Integer hurttime, dietime, dead, dieframe;
};

struct enemyrec {
    Single x, y;
    Integer dir;
    Integer dying;
};

struct bombrec {
    Integer fuse, fusetotal, range, x, y, exploded, owner;
};

struct firerec {
    Integer x, y, kind, count, length, burning, owner;
};

struct coinrec {
    Integer x, y, spin, taken;
};

struct poweruprec {
    Integer kind, amount, x, y, timeleft, frame;
};

struct popuprec {
    Integer x;
    Single y;
    Integer timeleft, points, owner;
};

// Table capacities; slot 0 of every table exists and is never used.
constexpr int maxenemies = 100, maxpopups = 100, maxcoins = 100, maxpowerups = 100, maxbombs = 100,
              maxfires = 1000, maxguys = 10;

// The board: x 0-17, y 0-13, of which 0-16 and 0-12 are used; column 17 and
// row 13 stay all zero.
extern squarerec square[18][14]; // square[x][y]
extern guyrec guy[maxguys + 1];
extern enemyrec enemy[maxenemies + 1];
extern bombrec bomb[maxbombs + 1];
extern firerec fire[maxfires + 1];
extern coinrec coin[maxcoins + 1];
extern poweruprec powerup[maxpowerups + 1];
extern popuprec popup[maxpopups + 1];
extern Integer enemycount, bombcount, firecount, coincount, powerupcount, popupcount;

// Per-player input flags (slots 1 and 2): -1 set, 0 clear. facing keeps its value.
extern Integer goleft[3], goright[3], goup[3], godown[3], dropbomb[3], facing[3];

extern std::string levelrow[14]; // rows 1-13 hold the current map text

extern Integer level;
extern Long levelstart;
extern Long timebonus;
extern Integer endcount;
extern Integer blocksleft;
extern Long groundcolor;
extern Integer players;
extern Integer paused;
extern Integer framestep;
extern Single guyspeed, enemyspeed;
extern Integer explosions;
extern Integer shaketime;
extern Long shakeend;
extern Integer bolting;
extern Integer boltx;
extern Single bolty;
extern Integer boltowner;

// Settings, written by the menu while it is shown.
extern Single gamespeed;
extern Integer firedelay, powerupchance, shakefactor, rangelimit, fuselimit, bombnumberlimit;

// RGB(r, g, b) packed the Windows way: red in the low byte.
constexpr Long RGB(int r, int g, int b) {
    return Long(r | (g << 8) | (b << 16));
}

// Adds a record at count + 1 and returns its slot, or 0 when the table is full
// (an addition to a full table is dropped and nothing is overwritten).
int addenemy(), addbomb(), addfire(), addcoin(), addpowerup(), addpopup();
// Removes slot i by copying the last live record over it.
void removeenemy(int i), removebomb(int i), removefire(int i), removecoin(int i),
    removepowerup(int i), removepopup(int i);

// Returns every shared variable to its program-start value (all zero).
void resetstate();

// The settings as the options panel shows them when the program starts:
// speed 15, fire delay 3, power-up chance 5, shake 10, limits 5, 4 and 8.
void setdefaultsettings();
