// Player sprites and trails: the walking sprite, the strips a step uncovers,
// and the death animation.
#pragma once
#include "state/types.h"

// Paints player n's walking sprite at his position.
void drawguy(Integer n);
// Paints the strip uncovered by player n's keyed step in direction d.
void eraseguytrails(Integer d, Integer n);
// One frame of player n's death animation (while dietime is above 0).
void deathstep(Integer n);
// Paints behind player n after his x was snapped onto a whole number, and
// repaints the square to his right.
void snaptrailx(Integer n);
// Paints behind player n after his y was snapped onto a whole number, and
// repaints the square below him.
void snaptraily(Integer n);
// Paints the strip left by player n's previous gliding step in his facing
// direction; called with the position before the next gliding step.
void glidetrail(Integer n);
