// Placeholder bodies until the game window is built.
#include "game/form1.h"
#include "game/lives.h"
Window Form1;
Control piccontrol, Pauselbl, Frame1, Frame2, Frame3, timebonuslbl;
Control scoreboard[3], liveslbl[3], bombnumberlbl[3], rangelbl[3], fuselbl[3];
Control heart1[10], heart2[10];
void form1layout() {}
void updatelife(Integer) {}
void updatescoreboard(Integer) {}
