// Player movement and input: the key reading of both players and the
// grid-bound movement step with its gliding and snapping.
#pragma once
#include "state/types.h"

// Clears the input flags and reads both players' keys (once per unpaused frame).
void readkeys();
// Moves player n one frame, paints the strips it uncovers and ends with drawguy(n).
void moveguy(Integer n);
