#include "game/popups.h"

#include <algorithm>

#include "game/form1.h"
#include "playfield/playfield.h"
#include "state/convert.h"
#include "state/state.h"

// True when countdown t has reached one of its every-100-frames points.
static bool hundredth(Integer t) {
    double q = t / (100.0 / framestep);
    return q == Int(q);
}

void makescore(Integer x, Integer y, Integer points, Integer owner) {
    int i = addpopup();
    if (i == 0) return; // a full table drops the award
    popup[i].x = x;
    popup[i].y = y;
    popup[i].points = points;
    popup[i].timeleft = 500;
    popup[i].owner = owner;
}

void drawscore(Integer i) {
    const popuprec& p = popup[i];
    pic.currentx = p.x + 0.33;
    pic.currenty = p.y + 0.5;
    int c = CInt(255 - p.timeleft / 3.0);
    // A component past full brightness stays at full brightness.
    auto clamp = [](int v) { return std::clamp(v, 0, 255); };
    if (p.owner == 1)
        pic.forecolor = RGB(clamp(c), clamp(c), clamp(c + 50));
    else
        pic.forecolor = RGB(clamp(c + 50), clamp(c), clamp(c));
    printtext(pic, Str(p.points));
}

void popuppass() {
    for (Integer i = 1; i <= popupcount; ++i) {
        popuprec& p = popup[i];
        p.timeleft = Integer(p.timeleft - framestep);
        p.y = Single(p.y - 0.0001);
        if (hundredth(p.timeleft)) drawscore(i);
        if (p.timeleft < 1) {
            // The points count only now, 500 frames after they were earned.
            if (p.owner >= 0 && p.owner <= maxguys) {
                guy[p.owner].score = Single(guy[p.owner].score + p.points);
                if (p.owner >= 1 && p.owner <= 2)
                    scoreboard[p.owner].caption = numtext(guy[p.owner].score);
            }
            // The number has crept up a little; + 0.1 finds the row it was made on.
            drawsquare(p.x, Integer(Int(p.y + 0.1)));
            removepopup(i); // the record moved in waits for the next frame
        }
    }
}
