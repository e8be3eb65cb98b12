// The playfield: the game window's retained picture surface, one unit per
// square, and the repainting of single squares from the board.
#pragma once
#include "platform/surface.h"
#include "state/types.h"

// The surface every square, sprite, bomb, flame, coin and score is painted on.
extern Surface pic;

// Playfield size in pixels: 10710 x 8970 twips, one square 42 x 46 pixels.
constexpr int picwidthpx = 714, picheightpx = 598;

// Makes the surface at its game size, scaled 17 x 13 units.
void makeplayfield();
// Repaints square (x, y) from its kind: ground in groundcolor, rock and block
// from their pictures, nothing for kind 0.
void drawsquare(Integer x, Integer y);
