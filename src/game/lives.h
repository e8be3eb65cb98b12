// Lives, continues and scoreboards: hurt, death, respawn, the time bonus, the
// end of a level, and the hearts and values of the scoreboard column.
#pragma once
#include "state/types.h"

// Redraws player n's ten hearts from his life (n other than 1, 2: nothing).
void updatelife(Integer n);
// Shows player n's lives, bombs, fuse and range.
void updatescoreboard(Integer n);
