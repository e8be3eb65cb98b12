// Explosions and fire: the cross of flames, broken blocks, the harmful marks
// on burning squares, and the playfield shake.
#pragma once
#include "state/types.h"

// Bomb i goes off: its fire records, the blocks next to it break.
void explode(Integer i);
// Starts, runs and ends the sideways shake of the playfield.
void shakestep();
// Lights, burns and ends every fire.
void firepass();
// Paints fire i's flame bar and marks its square.
void drawfire(Integer i);
