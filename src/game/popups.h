// Score pop-ups: every award rises on its square and is credited when it expires.
#pragma once
#include "state/types.h"

// Adds a pop-up of points on square (x, y) for player owner.
void makescore(Integer x, Integer y, Integer points, Integer owner);
// Prints pop-up i once.
void drawscore(Integer i);
// Rising, brightening, expiry with the credit and the repaint.
void popuppass();
