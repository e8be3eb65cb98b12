// keyisdown: -1 while the key with this virtual-key code is held, else 0.
#pragma once
#include "state/types.h"

Integer keyisdown(int key);
