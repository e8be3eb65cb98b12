// The soak: two players holding random keys through level after level, with
// the game's invariants checked after every frame.
#pragma once
#include <cstdint>
#include <string>

// Bombs per square of the board.
struct bombmap {
    int count[17][13] = {};
};
// Where the bombs of the table lie now.
bombmap bombsonboard();

// What breaks first when the game state goes wrong, "" when nothing does.
// Meant to be called after a whole pass of the frame loop: every count within
// its table, players and enemies inside the board, a square's bombflag 1
// exactly where a ticking bomb lies, blocksleft equal to the blocks on the
// board and every player's hearts between -9.5 and 10.
// blockseaten is the number of blocks that bomb-grid bombs lying on them have
// turned into ground since the level was built: such a block leaves
// blocksleft as it was. before, when given, holds the bombs as they lay before
// the frame (with any the frame's events added): a square where one of them
// went off may show no flag under a second bomb until the next bomb pass.
std::string checkinvariants(int blockseaten = 0, const bombmap* before = nullptr);

// What a soak run saw.
struct soakresult {
    long frames = 0;     // frames run
    long failframe = -1; // the frame whose check failed, -1 none
    std::string failure; // what broke
    int maxlevel = 0;    // highest level reached
    long deaths = 0;     // death animations started
    long continues = 0;  // continues taken
    long restarts = 0;   // levels started again with everybody out
    long newgames = 0;   // games started afresh after a game over
    int maxenemies = 0, maxbombs = 0, maxfires = 0, maxcoins = 0, maxpowerups = 0,
        maxpopups = 0; // the largest counts seen
};

// Starts a two-player game seeded with seed on the simulated clock and runs
// frames frames: every few hundred frames each player holds a fresh random
// set of keys, now and then the bomb-grid key is pressed, and the continue
// question gets random answers. A game with everybody out and no continue
// left starts afresh after a few restarts. Stops at the first broken invariant.
soakresult soak(std::uint64_t seed, long frames);
// The result as one line of text.
std::string soaksummary(std::uint64_t seed, const soakresult& r);
