// zoffsoak: plays the game headless with two random players for a long time
// and checks the game's invariants after every frame.
//
//   zoffsoak [frames] [--seed N]     frames defaults to 1000000, the seed to 1
//
// Prints one line at the end and exits 0, or prints the frame, the seed and
// what broke and exits 1.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "game/soak.h"

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);

    long frames = 1000000;
    unsigned long long seed = 1;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        char* end = nullptr;
        if (a == "--seed" && i + 1 < argc) {
            seed = std::strtoull(argv[++i], &end, 10);
        } else {
            frames = std::strtol(argv[i], &end, 10);
        }
        if (end == nullptr || *end != 0 || frames < 0) {
            std::fprintf(stderr, "usage: zoffsoak [frames] [--seed N]\n");
            return 2;
        }
    }

    soakresult r = soak(seed, frames);
    if (r.failframe >= 0) {
        std::printf("zoffsoak: frame %ld, seed %llu: %s\n", r.failframe, seed, r.failure.c_str());
        std::printf("%s\n", soaksummary(seed, r).c_str());
        return 1;
    }
    std::printf("%s\n", soaksummary(seed, r).c_str());
    return 0;
}
