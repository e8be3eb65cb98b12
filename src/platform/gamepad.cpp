// Game controllers: not yet; no pad holds anything.
#include "platform/gamepad.h"

#include <SDL.h>

void startpads() {}

bool padevent(const SDL_Event&) {
    return false;
}

bool padheld(int) {
    return false;
}
