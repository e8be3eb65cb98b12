// The high score box: two black curtains close over the menu and an empty
// box rises over them; its DONE plays the same in reverse.
#include "audio/sound.h"
#include "menu/form2.h"
#include "platform/clock.h"
#include "platform/window.h"

namespace {

// The curtains move 100 twips each per step, the left one first.
void curtains(int steps, int dx) {
    for (int i = 0; i < steps; ++i) {
        highscorebackL.left += dx;
        highscorebackr.left -= dx;
        doevents();
        sleepms(2);
    }
}

} // namespace

void highscores_Click() {
    if (highscorebackL.left >= 0) return; // the curtains are out
    pressanimation(highscores);
    sound("\\orchhit.wav", 1);
    curtains(60, 100);
    sound("\\orchhith.wav", 1);
    slidebox(highscorebox, -100, 91);
}

void highscoredone_Click() {
    if (highscorebox.top >= 900) return; // not up yet
    pressanimation(highscoredone);
    sound("\\orchhitl.wav", 1);
    // The title stays hidden until the curtains are fully open again.
    title.visible = false;
    slidebox(highscorebox, 100, 91);
    sound("\\orchhit.wav", 1);
    curtains(60, -100);
    title.visible = true;
}
