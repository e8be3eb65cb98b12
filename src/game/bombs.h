// Bombs: the drop, the fuses counting down, the bomb pass with its
// explosions, the removal of spent bombs and the limits of the supplies.
#pragma once
#include "state/types.h"

// Player n drops a bomb when his drop flag is set.
void bombdrop(Integer n);
// explosions = 0, then the bomb pass (fuses, marks, explosions) and the removal pass.
void bombpass();
// Paints bomb i with its picture and fuse digit.
void drawbomb(Integer i);
// A range of 0 becomes 1, a fuse of 0 becomes 1000, more than 8 bombs become 8.
void supplylimits(Integer n);
