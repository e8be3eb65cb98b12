// Placeholder bodies until coins, power-ups and pop-ups are built.
#include "game/coins.h"
#include "game/popups.h"
#include "game/powerups.h"
void drawcoin(Integer) {}
void coinpass() {}
void makepowerup(Integer, Integer) {}
void drawpowerup(Integer) {}
void poweruppass() {}
void boltsweep() {}
void makescore(Integer, Integer, Integer, Integer) {}
void drawscore(Integer) {}
void popuppass() {}
