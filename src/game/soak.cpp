// The soak run and the invariants it checks after every frame.
#include "game/soak.h"

#include <algorithm>
#include <random>

#include "audio/sound.h"
#include "game/startup.h"
#include "platform/clock.h"
#include "platform/msgbox.h"
#include "platform/window.h"
#include "state/state.h"

namespace {

std::string at(const char* what, int i) {
    return std::string(what) + " " + std::to_string(i);
}

std::string countcheck(const char* name, int count, int capacity) {
    if (count < 0 || count > capacity)
        return std::string(name) + " " + std::to_string(count) + " outside 0.." +
               std::to_string(capacity);
    return "";
}

// Gliding in single precision can leave a sprite a few millionths of a square
// past the edge (a player stepping right from just below 16 lands on
// 16.000023); a thousandth of a square, far below a pixel, is let through.
bool onboard(double x, double y) {
    constexpr double slack = 0.001;
    return x >= -slack && x <= 16 + slack && y >= -slack && y <= 12 + slack;
}

// Bombs lie on whole squares, so they get no slack.
bool onsquare(int x, int y) {
    return x >= 0 && x <= 16 && y >= 0 && y <= 12;
}

std::string position(double x, double y) {
    return " at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

} // namespace

bombmap bombsonboard() {
    bombmap m;
    for (int i = 1; i <= bombcount; ++i)
        if (bomb[i].x >= 0 && bomb[i].x <= 16 && bomb[i].y >= 0 && bomb[i].y <= 12)
            ++m.count[bomb[i].x][bomb[i].y];
    return m;
}

std::string checkinvariants(int blockseaten, const bombmap* before) {
    const struct {
        const char* name;
        int count, capacity;
    } counts[] = {
        {"enemycount", enemycount, maxenemies},      {"bombcount", bombcount, maxbombs},
        {"firecount", firecount, maxfires},          {"coincount", coincount, maxcoins},
        {"powerupcount", powerupcount, maxpowerups}, {"popupcount", popupcount, maxpopups}};
    for (const auto& c : counts)
        if (std::string e = countcheck(c.name, c.count, c.capacity); !e.empty()) return e;

    for (int n = 1; n <= players; ++n) {
        const guyrec& g = guy[n];
        if (!onboard(g.x, g.y)) return at("player", n) + " off the board" + position(g.x, g.y);
        if (!(g.life >= -9.5f && g.life <= 10))
            return at("player", n) + " has " + std::to_string(g.life) + " hearts";
    }
    for (int i = 1; i <= enemycount; ++i)
        if (!onboard(enemy[i].x, enemy[i].y))
            return at("enemy", i) + " off the board" + position(enemy[i].x, enemy[i].y);

    // Where the bombs lie; a bomb off the board is a fault of its own.
    int bombsat[17][13] = {};
    for (int i = 1; i <= bombcount; ++i) {
        const bombrec& b = bomb[i];
        if (!onsquare(b.x, b.y)) return at("bomb", i) + " off the board" + position(b.x, b.y);
        if (b.exploded != 0) return at("bomb", i) + " gone off but still in the table";
        ++bombsat[b.x][b.y];
    }
    int blocks = 0;
    for (int x = 0; x <= 16; ++x) {
        for (int y = 0; y <= 12; ++y) {
            const squarerec& s = square[x][y];
            if (s.kind == 3) ++blocks;
            int want = bombsat[x][y] > 0 ? 1 : -1;
            // Bomb-grid bombs can lie two on a square. When one of them goes
            // off, its explosion clears the flag under the other, whose pass
            // may already have run; that one marks it again in the next pass.
            bool stacked = want == 1 && before != nullptr && before->count[x][y] > bombsat[x][y];
            if (s.bombflag != want && !stacked)
                return "square (" + std::to_string(x) + ", " + std::to_string(y) +
                       ") has bombflag " + std::to_string(s.bombflag) + " with " +
                       std::to_string(bombsat[x][y]) + " bombs on it";
        }
    }
    if (blocks + blockseaten != blocksleft)
        return "blocksleft " + std::to_string(blocksleft) + " but " + std::to_string(blocks) +
               " blocks on the board and " + std::to_string(blockseaten) +
               " eaten by bombs lying on them";
    return "";
}

namespace {

struct keyset {
    int left, right, up, down, drop;
};
const keyset playerkeys[3] = {{}, {37, 39, 38, 40, 17}, {65, 68, 87, 83, 81}};
constexpr int bombgridkey = 72;

// The keys a player holds now: at most one way to go, and the drop key or not.
struct held {
    int move = 0; // a key code, 0 none
    bool drop = false;
};

// Holds the new set of keys, letting go of the old ones first.
void changekeys(int n, held& now, std::mt19937_64& rng) {
    const keyset& k = playerkeys[n];
    const int moves[] = {0, k.left, k.right, k.up, k.down};
    held next;
    next.move = moves[rng() % 5];
    next.drop = rng() % 4 == 0;
    if (now.move != 0 && now.move != next.move) injectkeystate(now.move, false);
    if (now.drop && !next.drop) injectkeystate(k.drop, false);
    if (next.move != 0 && next.move != now.move) injectkeystate(next.move, true);
    if (next.drop && !now.drop) injectkeystate(k.drop, true);
    now = next;
}

// Lets go of every movement and drop key (taken at the next frame's events).
void releaseall() {
    for (int n = 1; n <= 2; ++n)
        for (int code : {playerkeys[n].left, playerkeys[n].right, playerkeys[n].up,
                         playerkeys[n].down, playerkeys[n].drop})
            injectkeystate(code, false);
}

bool gameover() {
    for (int n = 1; n <= players; ++n) {
        const guyrec& g = guy[n];
        if (!(g.life <= 0 && g.lives < 1 && g.continues < 1)) return false;
    }
    return true;
}

// A game as the program starts it: settings from the design, two players.
void newgame(std::uint64_t seed) {
    resetstate();
    setdefaultsettings();
    players = 2;
    soundlog().clear();
    startup(seed, 0);
}

} // namespace

soakresult soak(std::uint64_t seed, long frames) {
    soakresult r;
    std::mt19937_64 rng(seed);
    simulateclock(0);
    releaseall(); // keys held by an earlier run in this process
    clearanswers();
    newgame(seed);

    held keys[3];
    long nextchange[3] = {0, 0, 0};
    // Answers queued for the continue question and not yet known to be used.
    // More queued than asked is harmless, since every answer is a coin toss;
    // too few would show the box and wait for a click.
    long queued = 0;
    int gameoverrestarts = 0;
    int blockseaten = 0;

    for (long f = 0; f < frames; ++f) {
        for (int n = 1; n <= 2; ++n) {
            if (f >= nextchange[n]) {
                changekeys(n, keys[n], rng);
                nextchange[n] = f + 100 + long(rng() % 400);
            }
        }
        bool gridpress = rng() % 20000 == 0;
        if (gridpress) injectkey(bombgridkey, 'h');

        long askable = 0;
        for (int n = 1; n <= players; ++n)
            if (guy[n].lives < 1 && guy[n].continues > 0) ++askable;
        while (queued < askable + 2) {
            queueanswer(rng() % 2 == 0);
            ++queued;
        }

        Integer wasdead[3] = {0, guy[1].dead, guy[2].dead};
        Integer hadcontinues[3] = {0, guy[1].continues, guy[2].continues};
        // Blocks with a bomb on them: one that is ground after the frame, where
        // a bomb went off, was eaten by the bomb lying on it, not broken.
        bombmap before = bombsonboard();
        if (gridpress) {
            // The key's bombs, added in the frame's events as far as the table has room.
            int room = maxbombs - bombcount;
            for (int x = 2; x <= 16 && room > 0; x += 2)
                for (int y = 2; y <= 12 && room > 0; y += 2, --room) ++before.count[x][y];
        }
        bool bombonblock[17][13] = {};
        for (int i = 1; i <= bombcount; ++i)
            if (square[bomb[i].x][bomb[i].y].kind == 3) bombonblock[bomb[i].x][bomb[i].y] = true;
        Integer waslevel = level;
        Long wasstart = levelstart;

        frame();
        soundlog().clear();
        r.frames = f + 1;

        bool rebuilt = levelstart != wasstart || level != waslevel;
        bombmap after = bombsonboard();
        if (rebuilt) {
            blockseaten = 0; // a new board, counted afresh
        } else {
            for (int x = 0; x <= 16; ++x)
                for (int y = 0; y <= 12; ++y)
                    if (bombonblock[x][y] && square[x][y].kind == 1 &&
                        before.count[x][y] > after.count[x][y])
                        ++blockseaten;
        }

        if (std::string e = checkinvariants(blockseaten, &before); !e.empty()) {
            r.failframe = f;
            r.failure = e;
            releaseall();
            doevents();
            clearanswers(); // none left over for a later question
            return r;
        }

        for (int n = 1; n <= players; ++n) {
            if (wasdead[n] == 0 && guy[n].dead == -1) ++r.deaths;
            if (guy[n].continues < hadcontinues[n]) ++r.continues;
        }
        if (rebuilt) {
            queued = std::max(0L, queued - askable);
            if (level == waslevel) {
                ++r.restarts;
                if (gameover() && ++gameoverrestarts >= 2) {
                    // Nobody can play on: a fresh game, as a new start of the program would.
                    gameoverrestarts = 0;
                    ++r.newgames;
                    for (int n = 1; n <= 2; ++n) {
                        keys[n] = held{};
                        nextchange[n] = f + 1;
                    }
                    releaseall();
                    newgame(rng());
                    blockseaten = 0;
                }
            }
        }
        r.maxlevel = std::max<int>(r.maxlevel, level);
        r.maxenemies = std::max<int>(r.maxenemies, enemycount);
        r.maxbombs = std::max<int>(r.maxbombs, bombcount);
        r.maxfires = std::max<int>(r.maxfires, firecount);
        r.maxcoins = std::max<int>(r.maxcoins, coincount);
        r.maxpowerups = std::max<int>(r.maxpowerups, powerupcount);
        r.maxpopups = std::max<int>(r.maxpopups, popupcount);
    }
    releaseall();
    doevents();
    clearanswers(); // none left over for a later question
    return r;
}

std::string soaksummary(std::uint64_t seed, const soakresult& r) {
    return "seed " + std::to_string(seed) + ": " + std::to_string(r.frames) + " frames, level " +
           std::to_string(r.maxlevel) + " reached, " + std::to_string(r.deaths) + " deaths, " +
           std::to_string(r.continues) + " continues, " + std::to_string(r.restarts) +
           " restarts, " + std::to_string(r.newgames) + " new games; max counts: enemies " +
           std::to_string(r.maxenemies) + ", bombs " + std::to_string(r.maxbombs) + ", fires " +
           std::to_string(r.maxfires) + ", coins " + std::to_string(r.maxcoins) + ", power-ups " +
           std::to_string(r.maxpowerups) + ", pop-ups " + std::to_string(r.maxpopups);
}
