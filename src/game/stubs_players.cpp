// Placeholder bodies until the players are built.
#include "game/guysprites.h"
#include "game/players.h"
void readkeys() {}
void moveguy(Integer) {}
void drawguy(Integer) {}
void eraseguytrails(Integer, Integer) {}
void deathstep(Integer) {}
