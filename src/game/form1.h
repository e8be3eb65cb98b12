// The game window and the controls the game writes to. The controls exist
// from program start, so their captions can be set with no window shown.
#pragma once
#include "platform/window.h"

extern Window Form1;
extern Control piccontrol; // the playfield control, showing the surface pic
extern Control Pauselbl;
extern Control Frame1, Frame2, Frame3;
extern Control timebonuslbl;
extern Control scoreboard[3], liveslbl[3], bombnumberlbl[3], rangelbl[3], fuselbl[3]; // 1, 2
extern Control heart1[10], heart2[10];

// Lays out every control of the game window at its designed place (once).
void form1layout();
