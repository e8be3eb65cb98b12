// zoff: the game. "zoff" opens the menu; "zoff --one" and "zoff --two" start a
// one- or two-player game at once, with the options panel's starting settings.
#include <cstdio>
#include <cstring>

#include "game/startup.h"
#include "menu/form2.h"
#include "state/state.h"

int main(int argc, char** argv) {
    resetstate();
    setdefaultsettings();
    players = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--one") == 0 || std::strcmp(argv[i], "-1") == 0) {
            players = 1;
        } else if (std::strcmp(argv[i], "--two") == 0 || std::strcmp(argv[i], "-2") == 0) {
            players = 2;
        } else {
            std::fprintf(stderr, "usage: zoff [--one | --two]\n");
            return 2;
        }
    }
    if (players == 0) Form2_Load();
    Form1_Load();
}
