// Power-ups: left by broken blocks, animated, taken by walking over them;
// and the bolt sweep that breaks every block.
#pragma once
#include "state/types.h"

// May leave a power-up on square (x, y), whose block has just broken.
void makepowerup(Integer x, Integer y);
// Paints power-up i's current animation cell.
void drawpowerup(Integer i);
// Animation, pick-up with its effect, and expiry.
void poweruppass();
// One frame of the bolt sweep (while bolting is not 0).
void boltsweep();
