// Placeholder bodies until the enemies are built.
#include "game/enemies.h"
#include "game/enemycontact.h"
void enemypass() {}
void newdirection(Integer) {}
void eraseenemytrails(Integer, Integer) {}
void drawenemy(Integer) {}
void enemyfiretest(Integer) {}
bool enemydeathstep(Integer) {
    return false;
}
void enemycontact(Integer) {}
