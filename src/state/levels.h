// The three map levels and level setup.
#pragma once

// Copies the map of level 0, 1 or 2 into levelrow; other levels keep the last map.
void levelcheck();
// Builds the board and tables for the current level and draws it all.
void reset();
