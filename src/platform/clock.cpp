// The millisecond tick count: SDL's, or a simulated one that moves only when told.
#include "platform/clock.h"

#include <SDL.h>

#include <cmath>

namespace {
bool simulated = false;
Long simtime = 0;
} // namespace

Long gettickcount() {
    if (simulated) return simtime;
    // Wraps like GetTickCount after 2^32 ms; Long holds its low 32 bits.
    return Long(std::uint32_t(SDL_GetTicks64()));
}

void sleepms(int ms) {
    if (simulated) {
        simtime += ms;
        return;
    }
    if (ms > 0) SDL_Delay(Uint32(ms));
}

void simulateclock(Long t) {
    simulated = true;
    simtime = t;
}

void realclock() {
    simulated = false;
}

bool clocksimulated() {
    return simulated;
}

void advanceclock(Long ms) {
    simtime += ms;
}

void waitingfor(double deadline) {
    // The busy wait on the simulated clock would never end: jump to the first
    // whole millisecond at or after the deadline instead.
    if (simulated && simtime < deadline) simtime = Long(std::ceil(deadline));
}
