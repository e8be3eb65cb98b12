// Sound effects: sound(file, flags) plays one of the game's wave files from the
// program's folder, asynchronously; a new sound cuts off the one playing.
#pragma once
#include <string>
#include <vector>

#include "state/types.h"

// file is a name like "\pain.wav"; flags is 1 (asynchronous) at every call.
void sound(const std::string& file, Long flags);

// Every request since the log was last cleared, oldest first (for tests and
// the headless runner).
std::vector<std::string>& soundlog();
