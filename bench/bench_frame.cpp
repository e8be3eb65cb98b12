// The cost of one frame of the game loop without its pacing wait. Each scene
// sets up a board after start-up; add a scene with bombs or enemies by adding
// a function to the table below.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "benchgame.h"
#include "game/startup.h"
#include "platform/clock.h"
#include "state/state.h"

namespace {

// Level 0 as the game starts it, one player.
void levelzero() {}

struct scene {
    const char* name;
    Integer players, level;
    void (*setup)();
};

const scene scenes[] = {
    {"level0", 1, 0, levelzero},
};

void BM_Frame(benchmark::State& st) {
    const scene& s = scenes[st.range(0)];
    startbenchgame(s.players, s.level);
    s.setup();
    st.SetLabel(s.name);
    for (auto _ : st) framepasses();
}

} // namespace

BENCHMARK(BM_Frame)->DenseRange(0, int(std::size(scenes)) - 1);
