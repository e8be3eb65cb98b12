// zoff: the game. "zoff" opens the menu; "zoff --one" and "zoff --two" start a
// one- or two-player game at once, with the options panel's starting settings;
// "zoff --help" and "zoff --version" only print.
#include <cstdio>
#include <cstring>

#include "game/startup.h"
#include "menu/form2.h"
#include "platform/audio.h"
#include "state/state.h"

// Prints what the program accepts on its command line, and where it finds its files.
static void usage(std::FILE* out) {
    std::fprintf(out,
                 "usage: zoff [--one | --two | --help | --version]\n"
                 "Zoff, an arcade bomb game for one or two players on one keyboard.\n"
                 "  (none)       open the menu\n"
                 "  --one, -1    start a one-player game at once\n"
                 "  --two, -2    start a two-player game at once\n"
                 "  --help, -h   show this help and exit\n"
                 "  --version    show the version and exit\n"
                 "Sounds, tunes and title frames are read from %s\n",
                 programdir().c_str());
}

int main(int argc, char** argv) {
    resetstate();
    setdefaultsettings();
    players = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--one") == 0 || std::strcmp(argv[i], "-1") == 0) {
            players = 1;
        } else if (std::strcmp(argv[i], "--two") == 0 || std::strcmp(argv[i], "-2") == 0) {
            players = 2;
        } else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            usage(stdout);
            return 0;
        } else if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("zoff %s\n", ZOFF_VERSION);
            return 0;
        } else {
            std::fprintf(stderr, "zoff: unknown argument \"%s\"\n", argv[i]);
            usage(stderr);
            return 2;
        }
    }
    if (players == 0) Form2_Load();
    Form1_Load();
}
