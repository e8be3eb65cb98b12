// The main thread's share of putting the game window on the screen: composing
// the whole window (start-up, the shake, a changed label) and composing the
// window again after a frame of play, when only the squares painted since and
// the labels that changed are composed and handed over. The presenter
// thread's share (the upload and the display) depends on the display and is
// measured in a real window with zoffpace.
#include <benchmark/benchmark.h>

#include <SDL.h>

#include <cstdlib>

#include "benchgame.h"
#include "game/form1.h"
#include "game/startup.h"
#include "platform/clock.h"
#include "platform/window.h"
#include "state/state.h"

namespace {

void BM_ComposeWholeGameWindow(benchmark::State& st) {
    startbenchgame(2, 0);
    for (auto _ : st) benchmark::DoNotOptimize(composewindow(Form1));
}

// A present during play: 47 frames (a display refresh interval at gamespeed
// 15) with both players walking, then the events pass that composes what
// they painted and hands it over.
void BM_PresentDuringPlay(benchmark::State& st) {
    startbenchgame(2, 0);
    injectkeystate(39, true);
    injectkeystate(65, true);
    long frames = 0;
    for (auto _ : st) {
        st.PauseTiming();
        for (int i = 0; i < 47; ++i, ++frames) {
            // Back and forth along the top row.
            if (frames % 4000 == 0) injectkeystate(37, true), injectkeystate(39, false);
            if (frames % 4000 == 2000) injectkeystate(39, true), injectkeystate(37, false);
            frame();
        }
        SDL_Delay(17); // a display refresh interval passes
        st.ResumeTiming();
        doevents();
    }
    PresentStats s = presentstats();
    st.counters["presents"] = double(s.presents);
}

} // namespace

BENCHMARK(BM_ComposeWholeGameWindow);
BENCHMARK(BM_PresentDuringPlay)->Iterations(300);
