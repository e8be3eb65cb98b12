// Enemy contact and defeat: an enemy that walks into fire stops, is splattered
// red for a hundred frames and leaves the table; one that touches a player
// costs him half a heart.
#include "game/enemycontact.h"

#include "audio/sound.h"
#include "game/lives.h"
#include "game/popups.h"
#include "platform/random.h"
#include "playfield/playfield.h"
#include "state/convert.h"
#include "state/state.h"

void enemyfiretest(Integer i) {
    enemyrec& e = enemy[i];
    // The square holding a point a little inside the sprite's top-left corner.
    const Integer f = square[int(Int(e.x + 0.21))][int(Int(e.y + 0.21))].fireowner;
    if (f == 0 || e.dying != 0) return; // a dying enemy is not scored again
    makescore(Integer(Int(e.x)), Integer(Int(e.y)), 150, f);
    e.dying = 100;
}

void enemydeathstep(Integer i) {
    enemyrec& e = enemy[i];
    e.dying = Integer(e.dying - 1);
    if (e.dying % 10 == 0) {
        pic.drawwidth = CInt(Rnd() * 20.0 + 1);
        const Single r1 = Rnd(), r2 = Rnd(), r3 = Rnd();
        setpoint(pic, e.x + r1, e.y + r2, RGB(CInt(r3 * 255.0), 0, 0));
    }
    // The sprite and its dots stay on the playfield after the record goes.
    if (e.dying == 1) removeenemy(i);
}

void enemycontact(Integer i) {
    const enemyrec& e = enemy[i];
    for (Integer n = 1; n <= players; ++n) {
        guyrec& g = guy[n];
        if (Int(g.x + 0.1) != Int(e.x + 0.1) || Int(g.y + 0.1) != Int(e.y + 0.1)) continue;
        if (g.hurttime > 0 || g.dead != 0) continue;
        g.life = Single(g.life - 0.5);
        g.hurttime = 1000;
        updatelife(n);
        sound("\\pain.wav", 1);
    }
}
