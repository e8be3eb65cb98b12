// The game window's start-up and the frame loop that runs the game.
#include "game/startup.h"

#include <chrono>

#include "audio/music.h"
#include "game/bombs.h"
#include "game/coins.h"
#include "game/enemies.h"
#include "game/fire.h"
#include "game/form1.h"
#include "game/guysprites.h"
#include "game/lives.h"
#include "game/players.h"
#include "game/popups.h"
#include "game/powerups.h"
#include "menu/form2.h"
#include "platform/clock.h"
#include "platform/random.h"
#include "platform/window.h"
#include "playfield/pictures.h"
#include "playfield/playfield.h"
#include "state/convert.h"
#include "state/levels.h"
#include "state/state.h"

Long framecount;
Long batchstart;

void startup(std::uint64_t seed, Integer firstlevel) {
    randomize(seed);
    level = firstlevel;
    levelstart = gettickcount();

    // The window as designed, with its handlers; it takes the menu window's
    // place, and the menu window goes for good.
    loadpictures();
    form1layout();
    Form1.onkeydown = Form_KeyDown;
    Form1.onkeypress = Form_KeyPress;
    Form1.onclose = Form_Unload;
    Form1.onmusicdone = MMControl1_Done;
    piccontrol.onmousedown = pic_MouseDown;
    placeatmenu(Form1);
    showwindow(Form1);
    unloadmenu();

    pic.left = 1200;
    pic.top = 0;
    Pauselbl.left = CLng(form1outerwidth / 2.0 - Pauselbl.width / 2.0 - pic.left);
    Pauselbl.top = CLng(form1outerheight / 2.0 - Pauselbl.height / 2.0);

    // The playfield fills the window right of the scoreboard column, one unit per square.
    makeplayfield();
    pic.left = 1200;
    pic.top = 0;
    piccontrol.left = pic.left;
    piccontrol.top = pic.top;
    piccontrol.height = form1outerheight - 300;
    piccontrol.width = form1outerwidth - 1400;
    setscale(pic, 17, 13);

    int half = (piccontrol.height - 800) / 2;
    Frame1.left = 0, Frame1.top = 0, Frame1.width = 1200, Frame1.height = half;
    Frame3.left = 0, Frame3.top = half, Frame3.width = 1200, Frame3.height = 800;
    Frame2.left = 0, Frame2.top = half + 800, Frame2.width = 1200, Frame2.height = half;

    reset();
    doevents();

    mcicommand(Form1MMControl1, "open");
    mcicommand(Form1MMControl1, "play");

    paintpicture(pic, guy1right.cell(0), guy[1].x, guy[1].y);
    if (players > 1) paintpicture(pic, guy2left.cell(0), guy[2].x, guy[2].y);

    for (Integer n = 1; n <= players; ++n) {
        guyrec& g = guy[n];
        g.life = 10;
        g.lives = 3;
        g.continues = 3;
        g.fuse = 3000;
        g.range = 1;
        g.bombs = 5;
        fuselbl[n].caption = numtext(g.fuse / 1000.0 - 1);
        liveslbl[n].caption = numtext(g.lives);
        rangelbl[n].caption = numtext(g.range);
        bombnumberlbl[n].caption = numtext(g.bombs);
    }

    guyspeed = 0.01f;
    enemyspeed = 0.005f;
    framestep = 1;
    framecount = 0;
}

void framepasses() {
    doevents();
    if (paused != 0) return;

    if (framecount == 0) batchstart = gettickcount();
    ++framecount;
    if (framecount == gamespeed) {
        timebonusstep();
        framecount = 0;
    }

    readkeys();

    bool restarted = false;
    for (Integer n = 1; n <= players; ++n) {
        hurtcountdown(n);
        firehurttest(n);
        deathstep(n);
        if (deadplayer(n)) {
            // Everybody is out and the level starts again: nothing more of
            // the old board runs in this frame.
            restarted = true;
            break;
        }
        startdying(n);
        supplylimits(n);
        moveguy(n);
        bombdrop(n);
    }

    if (!restarted) {
        bombpass();
        shakestep();
        firepass();
        poweruppass();
        popuppass();
        if (bolting != 0) boltsweep();
        if (enemycount < 1) endlevelcheck();
    }

    coinpass();
    enemypass();
}

void pacingwait() {
    // Every frame of a batch has the same deadline; a late frame goes on at once.
    double deadline = batchstart + 80.0 / gamespeed;
    while (gettickcount() < deadline) waitingfor(deadline);
}

void frame() {
    framepasses();
    pacingwait();
}

void Form1_Load() {
    auto now = std::chrono::system_clock::now().time_since_epoch();
    startup(std::uint64_t(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
    for (;;) frame();
}
