// Enemy contact and defeat: death in fire, the splatter, removal, and the
// half heart a touch costs.
#pragma once
#include "state/types.h"

// Enemy i catches fire when the square under its corner burns: 150 points
// for the fire's owner and the start of its death.
void enemyfiretest(Integer i);
// One frame of a dying enemy: the countdown, a red splatter every tenth frame,
// and its removal from the table when the count reaches 1.
void enemydeathstep(Integer i);
// Enemy i takes half a heart from each unprotected living player it touches.
void enemycontact(Integer i);
