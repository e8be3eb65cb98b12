// What every benchmark starts from: a game started headless on the simulated
// clock at gamespeed 20, the fastest pace the options give.
#pragma once
#include <cstdlib>

#include "game/startup.h"
#include "platform/clock.h"
#include "state/state.h"

inline void startbenchgame(Integer nplayers, Integer firstlevel) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    resetstate();
    setdefaultsettings();
    gamespeed = 20;
    players = nplayers;
    simulateclock(0);
    startup(1, firstlevel);
}
