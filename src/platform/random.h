// The game's one random source: uniform values in [0, 1).
#pragma once
#include <cstdint>

#include "state/types.h"

// Seeds the generator; the same seed gives the same sequence of draws.
void randomize(std::uint64_t seed);
// The next draw, a Single in [0, 1).
Single Rnd();
