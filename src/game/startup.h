// The game window's start-up and its paced frame loop.
#pragma once
#include <cstdint>

#include "state/types.h"

// Frames counted in the current pacing batch, 0 at its start.
extern Long framecount;
// The tick count read at the first frame of the current batch.
extern Long batchstart;

// Lays out and shows the game window, builds the first level, starts the
// music and readies the players (the random source seeded with seed).
void startup(std::uint64_t seed, Integer firstlevel = 0);
// One pass of the frame loop up to its wait: events, then the game's passes
// unless paused.
void framepasses();
// Waits, without sleeping or taking events, until the batch's time is up.
void pacingwait();
// One whole frame: the passes and the wait.
void frame();
// The load handler: start-up seeded from the clock, then frames for ever.
[[noreturn]] void Form1_Load();
