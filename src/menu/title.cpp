// The title menu: the menu window's start-up and its endless loop, the
// animated title, the two game choices, Esc, and the press animation every
// clickable label of the menu shares.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "audio/music.h"
#include "audio/sound.h"
#include "game/form1.h"
#include "game/startup.h"
#include "menu/form2.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/imagefile.h"
#include "platform/window.h"
#include "state/convert.h"
#include "state/state.h"

void (*gamewindowload)() = Form1_Load;

namespace {

constexpr double W = form2outerwidth, H = form2outerheight;

// Centres a control inside a width: (outer - own) / 2.
int centred(double outer, const Control& c) {
    return CLng((outer - c.width) / 2.0);
}

} // namespace

void pressanimation(Control& c) {
    for (int i = 0; i < 30; ++i) {
        c.left += 1;
        c.top += 4;
        doevents();
        sleepms(2);
    }
    for (int i = 0; i < 30; ++i) {
        c.left -= 1;
        c.top -= 4;
        doevents();
        sleepms(2);
    }
}

void slidebox(Control& box, int dy, int steps) {
    for (int i = 0; i < steps; ++i) {
        box.top += dy;
        doevents();
        sleepms(2);
    }
}

void form2startup() {
    form2layout();
    showwindow(Form2);
    form2musicsettings();
    gamespeed = 15.0f;

    // The options panel parked just below the window, its DONE centred.
    optionbox.left = centred(W, optionbox);
    optionbox.top = CLng(H);
    done.left = centred(optionbox.width, done);
    label1.left = centred(optionbox.width, label1);
    plusspeedback.left = plusspeed.left + 30;
    minusspeedback.left = minusspeed.left + 30;

    aboutbox.left = centred(W, aboutbox);
    aboutbox.top = CLng(H);
    aboutdone.left = centred(aboutbox.width, aboutdone);
    Label3.left = centred(aboutbox.width, Label3);

    quitbox.left = centred(W, quitbox);
    quitbox.top = CLng(H);
    no.left = centred(quitbox.width, no);
    Label6.left = centred(quitbox.width, Label6);
    yes.left = centred(quitbox.width, yes);
    Label7.left = centred(quitbox.width, Label7);

    title.left = centred(W, title);

    // Each item 15 twips left of the centre, its shadow 15 right of it.
    for (Control* item : {&oneplayer, &twoplayer, &options, &About, &quit, &highscores})
        item->left = CLng(W / 2 - item->width / 2.0 - 15);

    // The curtains, each as big as the window, just off either side of it.
    highscorebackL.width = CLng(W);
    highscorebackL.height = CLng(H);
    highscorebackL.top = 0;
    highscorebackL.left = -highscorebackL.width;
    highscorebackr.width = CLng(W);
    highscorebackr.height = CLng(H);
    highscorebackr.top = 0;
    highscorebackr.left = CLng(W);

    highscorebox.width = CLng(W / 2);
    highscorebox.height = 8600;
    highscorebox.top = CLng(H);
    highscorebox.left = centred(W, highscorebox);
    highscoredone.left = CLng(highscorebox.width / 2.0 - highscoredone.width / 2.0 - 15);
    highscoredone.top = highscorebox.height - 900;
    highscoredoneback.left = CLng(highscorebox.width / 2.0 - highscoredoneback.width / 2.0 + 15);
    highscoredoneback.top = highscorebox.height - 780;

    for (Control& shadow : Label) shadow.left = CLng(W / 2 - shadow.width / 2.0 + 15);

    doevents();
    form2musicstart();
}

int titleframe(Long t) {
    // |t| as a double, so the most negative tick count has a size too.
    double size = std::fabs(double(t));
    return int(CLng(size / 50) % 48) + 2;
}

std::string titleframefile(int n) {
    return programfile("\\small title\\zofftitle" + Str(n) + ".bmp");
}

const Picture& titleframepicture(int n) {
    static std::map<int, Picture> frames;
    auto found = frames.find(n);
    if (found != frames.end()) return found->second;
    std::string file = titleframefile(n);
    Picture p;
    if (!loadbmp(file, p)) {
        // Nothing of the menu can go on without its title.
        std::fprintf(stderr, "zoff: File not found: '%s'\n", file.c_str());
        std::fflush(nullptr);
        std::_Exit(1);
    }
    return frames[n] = std::move(p);
}

void menupass() {
    doevents();
    copysettings();
    title.picture = &titleframepicture(titleframe(gettickcount()));
}

void Form2_Load() {
    form2startup();
    for (;;) menupass();
}

void placeatmenu(Window& game) {
    if (!Form2.shown) return;
    game.left = Form2.left;
    game.top = Form2.top;
    // Where the player moved the menu to, as large as he made it.
    int left, top, width, height;
    if (windowplace(Form2, left, top, width, height)) {
        game.left = left;
        game.top = top;
        game.openwidth = width;
        game.openheight = height;
    }
}

void unloadmenu() {
    if (!Form2.shown) return;
    Form2_Unload();
    unloadwindow(Form2);
}

void oneplayer_Click() {
    pressanimation(oneplayer);
    players = 1;
    sound("\\orchhit.wav", 1);
    form2musicstop();
    gamewindowload();
}

void twoplayer_Click() {
    pressanimation(twoplayer);
    players = 2;
    sound("\\orchhit.wav", 1);
    form2musicstop();
    gamewindowload();
}

void Form2_KeyPress(int ch) {
    if (ch == 27) endprogram();
}

void Form2_Unload() {
    form2musicunload();
}
