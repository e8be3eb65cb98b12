// Enemy contact and defeat: death in fire, the splatter, removal, and the
// half heart a touch costs.
#pragma once
#include "state/types.h"

// Enemy i catches fire when its square burns.
void enemyfiretest(Integer i);
// One frame of a dying enemy; returns true when the enemy was removed.
bool enemydeathstep(Integer i);
// Enemy i hurts the players it touches.
void enemycontact(Integer i);
