// Coins: drawn when their square's middle is bare ground, collected for 150.
#pragma once
#include "state/types.h"

// Redraws coin i if the centre of its square shows groundcolor.
void drawcoin(Integer i);
// Collection and the redraw every 100 frames.
void coinpass();
