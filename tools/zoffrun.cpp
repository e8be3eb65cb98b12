// zoffrun: runs the game window headless on a simulated clock from a script of
// inputs, and prints the whole game state as one JSON line at chosen frames.
//
//   zoffrun [--seed N] [--players 1|2] [--gamespeed N] [--firedelay N]
//           [--powerupchance N] [--shakefactor N] [--level N] [script]
//
// The script (a file, or standard input without one) has one command a line,
// each at a frame number: the command happens just before that frame runs
// (frame 0 is the first frame after start-up). '#' starts a comment.
//
//   120 hold Right        a movement or drop key goes down and stays down
//   300 release Right     ... and goes up (Left Right Up Down Ctrl A D W S Q)
//   400 key H             a key press: Pause, H or Esc
//   500 click 3.5 4.5     a click on the playfield, in playfield units (button 1)
//   600 answer yes        queues the answer to the next continue question
//   1000 dump             prints the state as JSON
//   1200 picture out.png  saves a picture of the whole window (BMP or PNG)
//   5000 end              stops (the end of the script stops after its last frame)
//
// Every batch of gamespeed frames takes its designed 80 / gamespeed ms on the
// clock; a paused frame takes 1 ms, so time goes on while the game is paused.
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "audio/sound.h"
#include "game/form1.h"
#include "game/startup.h"
#include "platform/clock.h"
#include "platform/imagefile.h"
#include "platform/msgbox.h"
#include "platform/window.h"
#include "playfield/pictures.h"
#include "playfield/playfield.h"
#include "state/state.h"

namespace {

struct command {
    long frame;
    std::string verb, arg;
    double x = 0, y = 0;
    int line = 0;
};

const std::map<std::string, int> heldkeys = {{"Left", 37}, {"Up", 38}, {"Right", 39}, {"Down", 40},
                                             {"Ctrl", 17}, {"A", 65},  {"D", 68},     {"W", 87},
                                             {"S", 83},    {"Q", 81}};
const std::map<std::string, std::pair<int, int>> presskeys = {
    {"Pause", {19, 0}}, {"H", {72, 'h'}}, {"Esc", {27, 27}}};

[[noreturn]] void fail(const std::string& why) {
    std::fprintf(stderr, "zoffrun: %s\n", why.c_str());
    std::exit(2);
}

std::vector<command> readscript(std::istream& in) {
    std::vector<command> script;
    std::string text;
    int line = 0;
    while (std::getline(in, text)) {
        ++line;
        if (auto hash = text.find('#'); hash != std::string::npos) text.erase(hash);
        std::istringstream words(text);
        command c;
        c.line = line;
        if (!(words >> c.frame)) {
            std::string rest;
            if (std::istringstream(text) >> rest)
                fail("line " + std::to_string(line) + ": no frame");
            continue;
        }
        if (!(words >> c.verb)) fail("line " + std::to_string(line) + ": no command");
        bool ok = true;
        if (c.verb == "hold" || c.verb == "release") {
            ok = bool(words >> c.arg) && heldkeys.count(c.arg);
        } else if (c.verb == "key") {
            ok = bool(words >> c.arg) && presskeys.count(c.arg);
        } else if (c.verb == "click") {
            ok = bool(words >> c.x >> c.y);
        } else if (c.verb == "answer") {
            ok = bool(words >> c.arg) && (c.arg == "yes" || c.arg == "no");
        } else if (c.verb == "picture") {
            ok = bool(words >> c.arg);
        } else if (c.verb != "dump" && c.verb != "end") {
            ok = false;
        }
        if (!ok) fail("line " + std::to_string(line) + ": cannot read \"" + text + "\"");
        script.push_back(c);
    }
    return script;
}

// JSON writing: numbers in their shortest exact form.
std::string num(float v) {
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}
std::string num(long v) {
    return std::to_string(v);
}
std::string num(int v) {
    return std::to_string(v);
}
std::string num(short v) {
    return std::to_string(v);
}
std::string str(const std::string& s) {
    std::string out = "\"";
    for (char ch : s) {
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (ch == '\r') {
            out += "\\r";
        } else if (ch == '\n') {
            out += "\\n";
        } else if (static_cast<unsigned char>(ch) < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", ch);
            out += buf;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

// Builds one object: fields in the order added.
struct object {
    std::string text;
    void add(const std::string& key, const std::string& value) {
        text += text.empty() ? "{" : ",";
        text += str(key) + ":" + value;
    }
    std::string done() const { return text.empty() ? "{}" : text + "}"; }
};

template <typename F> std::string array(int from, int to, F item) {
    std::string out = "[";
    for (int i = from; i <= to; ++i) out += (i > from ? "," : "") + item(i);
    return out + "]";
}

std::string guyjson(int i) {
    const guyrec& g = guy[i];
    object o;
    o.add("x", num(g.x));
    o.add("y", num(g.y));
    o.add("life", num(g.life));
    o.add("score", num(g.score));
    o.add("fuse", num(long(g.fuse)));
    o.add("range", num(g.range));
    o.add("bombs", num(g.bombs));
    o.add("lives", num(g.lives));
    o.add("continues", num(g.continues));
    o.add("hurttime", num(g.hurttime));
    o.add("dietime", num(g.dietime));
    o.add("dead", num(g.dead));
    o.add("dieframe", num(g.dieframe));
    return o.done();
}

std::string heartsjson(const Control* hearts) {
    return array(0, 9, [&](int i) {
        const Picture* p = hearts[i].picture;
        return str(p == &heart        ? "heart"
                   : p == &halfheart  ? "halfheart"
                   : p == &emptyheart ? "emptyheart"
                                      : "");
    });
}

void dump(long framenumber) {
    object o;
    o.add("frame", num(framenumber));
    o.add("tick", num(long(gettickcount())));
    o.add("framecount", num(long(framecount)));
    o.add("batchstart", num(long(batchstart)));

    o.add("level", num(level));
    o.add("levelstart", num(long(levelstart)));
    o.add("timebonus", num(long(timebonus)));
    o.add("endcount", num(endcount));
    o.add("blocksleft", num(blocksleft));
    o.add("groundcolor", num(long(groundcolor)));
    o.add("players", num(players));
    o.add("paused", num(paused));
    o.add("framestep", num(framestep));
    o.add("guyspeed", num(guyspeed));
    o.add("enemyspeed", num(enemyspeed));
    o.add("explosions", num(explosions));
    o.add("shaketime", num(shaketime));
    o.add("shakeend", num(long(shakeend)));
    o.add("bolting", num(bolting));
    o.add("boltx", num(boltx));
    o.add("bolty", num(bolty));
    o.add("boltowner", num(boltowner));
    o.add("gamespeed", num(gamespeed));
    o.add("firedelay", num(firedelay));
    o.add("powerupchance", num(powerupchance));
    o.add("shakefactor", num(shakefactor));
    o.add("rangelimit", num(rangelimit));
    o.add("fuselimit", num(fuselimit));
    o.add("bombnumberlimit", num(bombnumberlimit));

    o.add("enemycount", num(enemycount));
    o.add("bombcount", num(bombcount));
    o.add("firecount", num(firecount));
    o.add("coincount", num(coincount));
    o.add("powerupcount", num(powerupcount));
    o.add("popupcount", num(popupcount));

    o.add("guy", array(1, players, guyjson));
    o.add("enemy", array(1, enemycount, [](int i) {
              object e;
              e.add("x", num(enemy[i].x));
              e.add("y", num(enemy[i].y));
              e.add("dir", num(enemy[i].dir));
              e.add("dying", num(enemy[i].dying));
              return e.done();
          }));
    o.add("bomb", array(1, bombcount, [](int i) {
              const bombrec& b = bomb[i];
              object e;
              e.add("fuse", num(b.fuse));
              e.add("fusetotal", num(b.fusetotal));
              e.add("range", num(b.range));
              e.add("x", num(b.x));
              e.add("y", num(b.y));
              e.add("exploded", num(b.exploded));
              e.add("owner", num(b.owner));
              return e.done();
          }));
    o.add("fire", array(1, firecount, [](int i) {
              const firerec& f = fire[i];
              object e;
              e.add("x", num(f.x));
              e.add("y", num(f.y));
              e.add("kind", num(f.kind));
              e.add("count", num(f.count));
              e.add("length", num(f.length));
              e.add("burning", num(f.burning));
              e.add("owner", num(f.owner));
              return e.done();
          }));
    o.add("coin", array(1, coincount, [](int i) {
              object e;
              e.add("x", num(coin[i].x));
              e.add("y", num(coin[i].y));
              e.add("spin", num(coin[i].spin));
              e.add("taken", num(coin[i].taken));
              return e.done();
          }));
    o.add("powerup", array(1, powerupcount, [](int i) {
              const poweruprec& p = powerup[i];
              object e;
              e.add("kind", num(p.kind));
              e.add("amount", num(p.amount));
              e.add("x", num(p.x));
              e.add("y", num(p.y));
              e.add("timeleft", num(p.timeleft));
              e.add("frame", num(p.frame));
              return e.done();
          }));
    o.add("popup", array(1, popupcount, [](int i) {
              const popuprec& p = popup[i];
              object e;
              e.add("x", num(p.x));
              e.add("y", num(p.y));
              e.add("timeleft", num(p.timeleft));
              e.add("points", num(p.points));
              e.add("owner", num(p.owner));
              return e.done();
          }));

    auto flags = [](const Integer* a) { return array(1, 2, [a](int n) { return num(a[n]); }); };
    o.add("goleft", flags(goleft));
    o.add("goright", flags(goright));
    o.add("goup", flags(goup));
    o.add("godown", flags(godown));
    o.add("dropbomb", flags(dropbomb));
    o.add("facing", flags(facing));

    // The board row by row (y 0-12), each row x 0-16.
    auto rows = [](auto field) {
        return array(0, 12,
                     [&](int y) { return array(0, 16, [&](int x) { return field(x, y); }); });
    };
    o.add("square", rows([](int x, int y) { return num(square[x][y].kind); }));
    o.add("fireowner", rows([](int x, int y) { return num(square[x][y].fireowner); }));
    o.add("bombflag", rows([](int x, int y) { return num(square[x][y].bombflag); }));
    o.add("levelrow", array(1, 13, [](int r) { return str(levelrow[r]); }));

    for (int n = 1; n <= 2; ++n) {
        std::string k = "(" + std::to_string(n) + ")";
        o.add("scoreboard" + k, str(scoreboard[n].caption));
        o.add("liveslbl" + k, str(liveslbl[n].caption));
        o.add("bombnumberlbl" + k, str(bombnumberlbl[n].caption));
        o.add("rangelbl" + k, str(rangelbl[n].caption));
        o.add("fuselbl" + k, str(fuselbl[n].caption));
    }
    o.add("timebonuslbl", str(timebonuslbl.caption));
    o.add("Pauselbl.Visible", Pauselbl.visible ? "true" : "false");
    o.add("heart1", heartsjson(heart1));
    o.add("heart2", heartsjson(heart2));
    o.add("pic.Left", num(pic.left));
    o.add("question", str(lastquestion()));

    o.add("sounds",
          array(0, int(soundlog().size()) - 1, [](int i) { return str(soundlog()[size_t(i)]); }));
    soundlog().clear();

    std::fputs((o.done() + "\n").c_str(), stdout);
    std::fflush(stdout); // Esc ends the process without any clean-up
}

void apply(const command& c) {
    if (c.verb == "hold" || c.verb == "release") {
        injectkeystate(heldkeys.at(c.arg), c.verb == "hold");
    } else if (c.verb == "key") {
        auto [code, ch] = presskeys.at(c.arg);
        injectkey(code, ch);
    } else if (c.verb == "click") {
        injectclick(Form1, pic.left / twipsperpixel + pixelx(pic, c.x),
                    pic.top / twipsperpixel + pixely(pic, c.y), 1);
    } else if (c.verb == "answer") {
        queueanswer(c.arg == "yes");
    } else if (c.verb == "picture") {
        if (!savepicture(composewindow(Form1), c.arg)) fail("cannot write " + c.arg);
    }
}

long optionvalue(int& i, int argc, char** argv) {
    if (i + 1 >= argc) fail(std::string("no value for ") + argv[i]);
    char* end = nullptr;
    long v = std::strtol(argv[++i], &end, 10);
    if (*end != 0) fail(std::string("not a number: ") + argv[i]);
    return v;
}

} // namespace

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);

    resetstate();
    setdefaultsettings();
    players = 1;
    long seed = 1, firstlevel = 0;
    std::string scriptfile;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--seed")
            seed = optionvalue(i, argc, argv);
        else if (a == "--players")
            players = Integer(optionvalue(i, argc, argv));
        else if (a == "--gamespeed")
            gamespeed = Single(optionvalue(i, argc, argv));
        else if (a == "--firedelay")
            firedelay = Integer(optionvalue(i, argc, argv));
        else if (a == "--powerupchance")
            powerupchance = Integer(optionvalue(i, argc, argv));
        else if (a == "--shakefactor")
            shakefactor = Integer(optionvalue(i, argc, argv));
        else if (a == "--level")
            firstlevel = optionvalue(i, argc, argv);
        else if (!a.empty() && a[0] != '-' && scriptfile.empty())
            scriptfile = a;
        else
            fail("usage: zoffrun [--seed N] [--players 1|2] [--gamespeed N] [--firedelay N] "
                 "[--powerupchance N] [--shakefactor N] [--level N] [script]");
    }
    if (players != 1 && players != 2) fail("--players must be 1 or 2");
    if (gamespeed < 1) fail("--gamespeed must be at least 1");

    std::vector<command> script;
    if (scriptfile.empty()) {
        script = readscript(std::cin);
    } else {
        std::ifstream in(scriptfile);
        if (!in) fail("cannot read " + scriptfile);
        script = readscript(in);
    }
    long last = 0;
    for (const command& c : script) last = std::max(last, c.frame);

    simulateclock(0);
    soundlog().clear();
    startup(std::uint64_t(seed), Integer(firstlevel));

    for (long f = 0; f <= last; ++f) {
        bool stop = false;
        for (const command& c : script) {
            if (c.frame != f) continue;
            if (c.verb == "end")
                stop = true;
            else if (c.verb == "dump")
                dump(f);
            else
                apply(c);
        }
        if (stop || f == last) break;
        bool waspaused = paused != 0;
        frame();
        if (waspaused && paused != 0) advanceclock(1);
    }
    return 0;
}
