// The game window's event handlers.
#include "game/form1.h"

#include "audio/music.h"
#include "platform/media.h"
#include "playfield/playfield.h"
#include "state/convert.h"
#include "state/state.h"

void Form_KeyDown(int keycode) {
    // Pause, or P for the many keyboards that have no Pause key.
    if (keycode == 19 || keycode == 80) {
        paused = paused == 0 ? -1 : 0;
        Pauselbl.visible = !Pauselbl.visible;
    } else if (keycode == 72) {
        bombgrid();
    }
}

void Form_KeyPress(int ch) {
    if (ch == 27) endprogram();
}

void Form_Unload() {
    endprogram();
}

void pic_MouseDown(int, double x, double y) {
    // A click on the right or bottom edge reads the unused column 17 or row 13.
    int sx = int(Int(x)), sy = int(Int(y));
    if (sx < 0 || sx > 17 || sy < 0 || sy > 13) return;
    pic.currentx = x;
    pic.currenty = y;
    printtext(pic, printtext(double(square[sx][sy].bombflag)));
}

void MMControl1_Done() {
    mcicommand(Form1MMControl1, "close");
    mcicommand(Form1MMControl1, "open");
    mcicommand(Form1MMControl1, "play");
}

void bombgrid() {
    // Bombs on every even crossing, going off one after another from the top
    // left; each burns only its own square.
    for (Integer x = 1; x <= 16; ++x) {
        for (Integer y = 1; y <= 12; ++y) {
            if (x % 2 != 0 || y % 2 != 0) continue;
            int i = addbomb();
            if (i == 0) return; // the table is full
            bomb[i].x = x;
            bomb[i].y = y;
            bomb[i].fuse = Integer(50 * x + 50 * y + 1000);
            bomb[i].fusetotal = bomb[i].fuse;
            bomb[i].owner = 1;
            bomb[i].range = 0;
            bomb[i].exploded = 0;
        }
    }
}
