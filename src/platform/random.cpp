#include "platform/random.h"

namespace {
std::uint64_t rngstate = 0x853c49e6748fea9bULL;
}

void randomize(std::uint64_t seed) {
    rngstate = seed;
}

Single Rnd() {
    // splitmix64; the top 24 bits make a Single that is exactly representable
    // and always below 1.
    std::uint64_t z = (rngstate += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    z ^= z >> 31;
    return Single(z >> 40) * (1.0f / 16777216.0f);
}
