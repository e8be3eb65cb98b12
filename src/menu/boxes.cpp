// The about box and the quit box, both sliding up from below the window.
#include "audio/sound.h"
#include "menu/form2.h"
#include "platform/window.h"

void About_Click() {
    if (aboutbox.top < form2outerheight) return; // up, or on its way
    pressanimation(About);
    sound("\\orchhit.wav", 1);
    slidebox(aboutbox, -100, 63);
}

void aboutdone_Click() {
    pressanimation(aboutdone);
    sound("\\orchhitl.wav", 1);
    slidebox(aboutbox, 100, 63);
}

// QUIT does not look where its box is: a second click while it rises sends
// it on, out of sight above the window.
void quit_Click() {
    pressanimation(quit);
    sound("\\orchhit.wav", 1);
    slidebox(quitbox, -100, 63);
}

void no_Click() {
    pressanimation(no);
    sound("\\orchhitl.wav", 1);
    slidebox(quitbox, 100, 63);
}

void yes_Click() {
    pressanimation(yes);
    sound("\\orchhith.wav", 1);
    endprogram();
}
