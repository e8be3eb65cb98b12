// The cost of one frame of the game loop without its pacing wait, in three
// scenes: level 0 with nothing going on, a busy board kept full of bombs,
// fires, enemies and pop-ups with both players on the move, and the bolt
// sweep. Each reports the frames per second it allows ("fps"); the designed
// pace is 12.5 x gamespeed^2 frames a second, 5000 at gamespeed 20.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

#include "benchgame.h"
#include "game/popups.h"
#include "game/startup.h"
#include "platform/clock.h"
#include "platform/window.h"
#include "state/levels.h"
#include "state/state.h"

namespace {

void report(benchmark::State& st) {
    st.counters["fps"] = benchmark::Counter(double(st.iterations()), benchmark::Counter::kIsRate);
}

// Nobody gets hurt and the level never ends, so the scene stays as it is.
void keepalive() {
    endcount = 7000;
    for (int n = 1; n <= players; ++n) {
        guy[n].life = 10;
        guy[n].hurttime = 1000;
    }
}

void BM_FrameIdle(benchmark::State& st) {
    startbenchgame(1, 0);
    for (auto _ : st) {
        keepalive();
        framepasses();
    }
    report(st);
}

struct squarexy {
    Integer x, y;
};

// Ground squares of rows from..to, away from both start corners.
std::vector<squarexy> groundin(int from, int to) {
    std::vector<squarexy> out;
    for (int y = from; y <= to; ++y)
        for (int x = 2; x <= 14; ++x)
            if (square[x][y].kind == 1) out.push_back({Integer(x), Integer(y)});
    return out;
}

void BM_FrameBusy(benchmark::State& st) {
    // Level 20: a random board with 20 enemies. Fires burn in the upper rows,
    // bombs tick in the lower ones, out of each other's way.
    startbenchgame(2, 20);
    std::vector<squarexy> firesquares = groundin(0, 5), bombsquares = groundin(8, 12),
                          anywhere = groundin(0, 12);
    for (int k = 0; k < 16 && k < int(bombsquares.size()); ++k) {
        int i = addbomb();
        bomb[i] = {30000, 30000, 1, bombsquares[size_t(k)].x, bombsquares[size_t(k)].y, 0, 1};
        square[bomb[i].x][bomb[i].y].bombflag = 1;
    }
    size_t nextfire = 0, nextenemy = 0, nextpopup = 0;
    long frames = 0;
    bool right = true;
    auto hold = [](bool toright) {
        injectkeystate(39, toright); // player 1: Right or Left
        injectkeystate(37, !toright);
        injectkeystate(65, toright); // player 2: A or D, the other way
        injectkeystate(68, !toright);
    };
    hold(right);
    for (auto _ : st) {
        keepalive();
        while (firecount < 100) {
            int i = addfire();
            const squarexy& s = firesquares[nextfire++ % firesquares.size()];
            fire[i] = {s.x, s.y, Integer(2 + nextfire % 2), Integer(nextfire % 7), 45, 0, 1};
        }
        while (enemycount < 20) {
            int i = addenemy();
            const squarexy& s = anywhere[nextenemy++ % anywhere.size()];
            enemy[i] = {Single(s.x), Single(s.y), 0, 0};
        }
        while (popupcount < 10) {
            const squarexy& s = anywhere[nextpopup++ % anywhere.size()];
            makescore(s.x, s.y, 10, 1);
        }
        if (++frames % 300 == 0) hold(right = !right);
        framepasses();
    }
    hold(false);
    injectkeystate(37, false);
    injectkeystate(68, false);
    report(st);
    st.counters["fires"] = double(firecount);
    st.counters["bombs"] = double(bombcount);
}

void BM_FrameBoltSweep(benchmark::State& st) {
    startbenchgame(1, 0);
    auto startbolt = [] {
        bolting = 1;
        boltx = 0;
        bolty = 0;
        boltowner = 1;
    };
    startbolt();
    for (auto _ : st) {
        if (bolting == 0) {
            // The sweep is over: a fresh board with its blocks for the next one.
            st.PauseTiming();
            reset();
            startbolt();
            st.ResumeTiming();
        }
        keepalive();
        framepasses();
    }
    report(st);
}

} // namespace

BENCHMARK(BM_FrameIdle);
BENCHMARK(BM_FrameBusy);
BENCHMARK(BM_FrameBoltSweep);
