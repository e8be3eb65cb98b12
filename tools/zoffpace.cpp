// zoffpace: plays the game window on the real clock, in a real window when
// there is a display, and counts the frames the loop reaches against its
// designed pace of 12.5 x gamespeed^2 frames a second, and the presents that
// put the window on the screen meanwhile. Nobody presses a key; the enemies
// walk and the level-time runs as in a game left alone.
//
//   zoffpace [--seconds N] [--players 1|2] gamespeed
//
// Prints one line: speed, frames, seconds, frames a second, the designed pace,
// the share of it reached, and the presents a second with their mean cost in
// the frame loop (composing, handing over) and on the presenter thread.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "game/startup.h"
#include "platform/window.h"
#include "state/state.h"

namespace {

[[noreturn]] void usage() {
    std::fprintf(stderr, "usage: zoffpace [--seconds N] [--players 1|2] gamespeed\n");
    std::exit(2);
}

double number(const char* text) {
    char* end = nullptr;
    double v = std::strtod(text, &end);
    if (!*text || *end || !(v > 0)) usage();
    return v;
}

} // namespace

int main(int argc, char** argv) {
    double seconds = 10, speed = 0;
    Integer who = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc)
            seconds = number(argv[++i]);
        else if (std::strcmp(argv[i], "--players") == 0 && i + 1 < argc)
            who = Integer(number(argv[++i]));
        else if (speed == 0)
            speed = number(argv[i]);
        else
            usage();
    }
    if (speed == 0 || (who != 1 && who != 2)) usage();

    resetstate();
    setdefaultsettings();
    players = who;
    gamespeed = Single(speed);
    startup(1);

    using clock = std::chrono::steady_clock;
    PresentStats before = presentstats();
    auto start = clock::now();
    auto end = start + std::chrono::duration<double>(seconds);
    long frames = 0;
    framecount = 0;
    while (clock::now() < end) {
        frame();
        ++frames;
    }
    double took = std::chrono::duration<double>(clock::now() - start).count();
    PresentStats after = presentstats();
    long presents = after.presents - before.presents;
    double designed = 12.5 * speed * speed;
    double fps = frames / took;
    long shown = after.shown - before.shown;
    std::printf("speed %g: %ld frames in %.3f s = %.1f a second, designed %.1f (%.2f %%); "
                "%.1f presents a second, %.0f us each in the frame loop; "
                "%.1f shown a second, %.0f us each on the presenter\n",
                speed, frames, took, fps, designed, 100 * fps / designed, presents / took,
                presents ? (after.microseconds - before.microseconds) / presents : 0.0,
                shown / took,
                shown ? (after.showmicroseconds - before.showmicroseconds) / shown : 0.0);
    return 0;
}
