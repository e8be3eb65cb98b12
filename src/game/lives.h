// Lives, continues and scoreboards: hurt, death, respawn, the time bonus, the
// end of a level, and the hearts and values of the scoreboard column.
#pragma once
#include <string>

#include "state/types.h"

// Redraws player n's ten hearts from his life (n other than 1, 2: nothing).
void updatelife(Integer n);
// Shows player n's lives, bombs, fuse and range.
void updatescoreboard(Integer n);

// The steps the frame loop runs for player n at the start of his turn, in order.
void hurtcountdown(Integer n); // the protection after a hit runs down
void firehurttest(Integer n);  // a burning square costs 9.5 hearts
// A dead player keeps still; when his animation is over he respawns, or, when
// every player is out, the level starts again. True when the level was restarted.
bool deadplayer(Integer n);
void startdying(Integer n); // hearts run out: the death animation begins

// Every gamespeed frames: the time bonus drains and, while the level is played,
// the time label counts down from 200 by one per second.
void timebonusstep();
// With no enemy left: the 7000-frame run-out, the time-bonus payout and the next level.
void endlevelcheck();
// Offers the continues, advances the level, gives back the bombs on the board
// and builds the level.
void endoflevel();
// The text of the continue question for player n.
std::string continuequestion(Integer n);
