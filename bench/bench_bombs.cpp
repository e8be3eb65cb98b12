// The cost of one frame of the game loop with bombs going off all the time:
// six bombs of range 3 lie in the middle of level 0, and each one that goes
// off is replaced at once, so every frame has fuses ticking and crosses of
// fire lighting, burning and going out.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iterator>

#include "benchgame.h"
#include "game/startup.h"
#include "platform/clock.h"
#include "state/state.h"

namespace {

// Middle squares of level 0, out of the fire's reach of both start squares.
const Integer bombsquares[][2] = {{6, 4}, {8, 6},  {10, 8}, {6, 8}, {10, 4}, {8, 2},
                                  {4, 6}, {12, 6}, {8, 8},  {8, 4}, {6, 6},  {10, 6}};

int nextsquare = 0;

// Tops the table up to six bombs, each on the next square of the list whose
// square holds no bomb and no harmful fire, with fuses spread so that explosions keep coming.
void topup() {
    for (int tries = 0; bombcount < 6 && tries < int(std::size(bombsquares)); ++tries) {
        const Integer* s = bombsquares[nextsquare];
        nextsquare = (nextsquare + 1) % int(std::size(bombsquares));
        const squarerec& q = square[s[0]][s[1]];
        if (q.bombflag == 1 || q.fireowner != 0 || q.kind != 1) continue;
        int i = addbomb();
        if (i == 0) return;
        Integer fuse = Integer(20 + 7 * (i % 5));
        bomb[i] = {fuse, fuse, 3, s[0], s[1], 0, Integer(1 + i % 2)};
        square[s[0]][s[1]].bombflag = 1;
    }
}

void BM_FrameWithBombs(benchmark::State& st) {
    startbenchgame(2, 0);
    long fires = 0, frames = 0;
    for (auto _ : st) {
        topup();
        endcount = 7000; // the scene stays on level 0 when the fire has caught every enemy
        framepasses();
        fires += firecount;
        ++frames;
    }
    st.counters["fires"] = frames ? double(fires) / double(frames) : 0;
    st.SetLabel("level0 bombs and fire");
}

} // namespace

BENCHMARK(BM_FrameWithBombs);
