#include <cstdio>

int main() {
    std::puts("zoff: the game window is not built yet");
    return 0;
}
