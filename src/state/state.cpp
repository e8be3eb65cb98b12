#include "state/state.h"

squarerec square[18][14];
guyrec guy[maxguys + 1];
enemyrec enemy[maxenemies + 1];
bombrec bomb[maxbombs + 1];
firerec fire[maxfires + 1];
coinrec coin[maxcoins + 1];
poweruprec powerup[maxpowerups + 1];
popuprec popup[maxpopups + 1];
Integer enemycount, bombcount, firecount, coincount, powerupcount, popupcount;

Integer goleft[3], goright[3], goup[3], godown[3], dropbomb[3], facing[3];

std::string levelrow[14];

Integer level;
Long levelstart;
Long timebonus;
Integer endcount;
Integer blocksleft;
Long groundcolor;
Integer players;
Integer paused;
Integer framestep;
Single guyspeed, enemyspeed;
Integer explosions;
Integer shaketime;
Long shakeend;
Integer bolting;
Integer boltx;
Single bolty;
Integer boltowner;

Single gamespeed;
Integer firedelay, powerupchance, shakefactor, rangelimit, fuselimit, bombnumberlimit;

namespace {

template <typename Rec, int N> int tableadd(Rec (&table)[N], Integer& count) {
    if (count >= N - 1) return 0;
    ++count;
    table[count] = Rec{};
    return count;
}

template <typename Rec, int N> void tableremove(Rec (&table)[N], Integer& count, int i) {
    if (i < 1 || i > count) return;
    table[i] = table[count];
    --count;
}

} // namespace

int addenemy() {
    return tableadd(enemy, enemycount);
}
int addbomb() {
    return tableadd(bomb, bombcount);
}
int addfire() {
    return tableadd(fire, firecount);
}
int addcoin() {
    return tableadd(coin, coincount);
}
int addpowerup() {
    return tableadd(powerup, powerupcount);
}
int addpopup() {
    return tableadd(popup, popupcount);
}
void removeenemy(int i) {
    tableremove(enemy, enemycount, i);
}
void removebomb(int i) {
    tableremove(bomb, bombcount, i);
}
void removefire(int i) {
    tableremove(fire, firecount, i);
}
void removecoin(int i) {
    tableremove(coin, coincount, i);
}
void removepowerup(int i) {
    tableremove(powerup, powerupcount, i);
}
void removepopup(int i) {
    tableremove(popup, popupcount, i);
}

void resetstate() {
    for (auto& col : square)
        for (auto& s : col) s = {};
    for (auto& r : guy) r = {};
    for (auto& r : enemy) r = {};
    for (auto& r : bomb) r = {};
    for (auto& r : fire) r = {};
    for (auto& r : coin) r = {};
    for (auto& r : powerup) r = {};
    for (auto& r : popup) r = {};
    enemycount = bombcount = firecount = coincount = powerupcount = popupcount = 0;
    for (int n = 0; n < 3; ++n)
        goleft[n] = goright[n] = goup[n] = godown[n] = dropbomb[n] = facing[n] = 0;
    for (auto& r : levelrow) r.clear();
    level = 0;
    levelstart = 0;
    timebonus = 0;
    endcount = 0;
    blocksleft = 0;
    groundcolor = 0;
    players = 0;
    paused = 0;
    framestep = 0;
    guyspeed = enemyspeed = 0;
    explosions = 0;
    shaketime = 0;
    shakeend = 0;
    bolting = 0;
    boltx = 0;
    bolty = 0;
    boltowner = 0;
    gamespeed = 0;
    firedelay = powerupchance = shakefactor = rangelimit = fuselimit = bombnumberlimit = 0;
}

void setdefaultsettings() {
    gamespeed = 15;
    firedelay = 3;
    powerupchance = 5;
    shakefactor = 10;
    rangelimit = 5;
    fuselimit = 4;
    bombnumberlimit = 8;
}
