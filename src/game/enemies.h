// Enemy movement: random walking on the grid, drawn walking.
#pragma once
#include "state/types.h"

// The whole enemy pass: fire test, dying, stepping, snapping, new directions,
// contact with players and drawing, for every enemy.
void enemypass();
// Erases the strip behind enemy i for its direction, then picks a new dir.
void newdirection(Integer i);
// Paints in groundcolor the strip enemy i uncovers by one step in direction d.
void eraseenemytrails(Integer d, Integer i);
// Paints enemy i's walking picture (nothing when dir is not 1-4).
void drawenemy(Integer i);
