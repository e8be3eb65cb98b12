#include "game/coins.h"

#include "audio/sound.h"
#include "game/popups.h"
#include "playfield/pictures.h"
#include "playfield/playfield.h"
#include "state/convert.h"
#include "state/state.h"

void drawcoin(Integer i) {
    const coinrec& c = coin[i];
    // Only bare ground in the square's middle lets the coin through: whatever
    // stands there (a sprite, a bomb, a flame) is never painted over.
    if (point(pic, c.x + 0.5, c.y + 0.5) == groundcolor) paintpicture(pic, coinpic, c.x, c.y);
}

void coinpass() {
    for (Integer i = 1; i <= coincount; ++i) {
        coinrec& c = coin[i];
        c.spin = Integer(c.spin - 1);
        // Player 1 looks first, so he wins a coin both reach in one frame.
        for (Integer n = 1; n <= players; ++n) {
            if (Int(guy[n].x) == c.x && Int(guy[n].y) == c.y && c.taken == 0) {
                c.taken = 1;
                c.spin = 0;
                makescore(c.x, c.y, 150, n);
                sound("\\ding.wav", 1);
            }
        }
        if (c.spin < 1) {
            c.spin = 100;
            drawcoin(i);
            // The coin moved in from the last slot waits for the next frame.
            if (c.taken == 1) removecoin(i);
        }
    }
}
