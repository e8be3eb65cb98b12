// The millisecond tick count and sleep. A simulated clock replaces the real
// one for tests and the headless runner: it moves only when told to.
#pragma once
#include "state/types.h"

// Milliseconds since some fixed moment; increases by one per millisecond.
Long gettickcount();
// Sleeps ms milliseconds (on the simulated clock: moves it on by ms).
void sleepms(int ms);
// Switches to the simulated clock, starting at t.
void simulateclock(Long t);
bool clocksimulated();
// Moves the simulated clock on by ms.
void advanceclock(Long ms);
// Called while busy-waiting for the tick count to reach deadline: nothing on
// the real clock, a jump to the deadline on the simulated one.
void waitingfor(double deadline);
// Goes back to the real clock.
void realclock();
