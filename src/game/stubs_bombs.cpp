// Placeholder bodies until bombs and fire are built.
#include "game/bombs.h"
#include "game/fire.h"
void bombdrop(Integer) {}
void bombpass() {}
void drawbomb(Integer) {}
void supplylimits(Integer) {}
void explode(Integer) {}
void shakestep() {}
void firepass() {}
void drawfire(Integer) {}
