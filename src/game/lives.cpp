// Lives, continues and scoreboards.
#include "game/lives.h"

#include <cstdlib>
#include <utility>

#include "audio/sound.h"
#include "game/form1.h"
#include "platform/clock.h"
#include "platform/msgbox.h"
#include "playfield/pictures.h"
#include "state/convert.h"
#include "state/levels.h"
#include "state/state.h"

namespace {

// The number a label shows, read the way a caption's value is read.
double captionvalue(const Control& c) {
    return std::atof(c.caption.c_str());
}

// Writes a label's text. (Taking the text by value and moving it in also
// keeps GCC 12's false -Wrestrict alarm about short literals quiet.)
void setcaption(Control& c, std::string text) {
    c.caption = std::move(text);
}

bool playerout(Integer n) {
    return guy[n].lives < 1 && guy[n].life <= 0;
}

} // namespace

void updatelife(Integer n) {
    if (n != 1 && n != 2) return;
    Control* hearts = n == 1 ? heart1 : heart2;
    double life = guy[n].life;
    for (int i = 0; i < 10; ++i) hearts[i].picture = &heart;
    if (life >= 0) {
        for (int i = int(Int(life)); i <= 9; ++i) hearts[i].picture = &emptyheart;
    } else {
        for (int i = 0; i < 10; ++i) hearts[i].picture = &emptyheart;
    }
    if (life > 0 && life != Int(life) && Int(life) < 10)
        hearts[int(Int(life))].picture = &halfheart;
}

void updatescoreboard(Integer n) {
    if (n != 1 && n != 2) return;
    liveslbl[n].caption = numtext(guy[n].lives);
    bombnumberlbl[n].caption = numtext(guy[n].bombs);
    fuselbl[n].caption = numtext(Int(guy[n].fuse / 1000.0) - 1);
    rangelbl[n].caption = numtext(guy[n].range);
}

void hurtcountdown(Integer n) {
    if (guy[n].hurttime > 0) guy[n].hurttime = Integer(guy[n].hurttime - framestep);
}

void firehurttest(Integer n) {
    guyrec& g = guy[n];
    // The square that holds most of the sprite, a tenth of a square ahead.
    int sx = int(Int(double(g.x) + 0.1)), sy = int(Int(double(g.y) + 0.1));
    if (square[sx][sy].fireowner != 0 && g.hurttime < 1 && g.dead == 0) {
        sound("\\pain.wav", 1);
        g.life = Single(g.life - 9.5);
        updatelife(n);
        g.hurttime = 1000;
    }
}

bool deadplayer(Integer n) {
    guyrec& g = guy[n];
    if (g.dead != -1) return false;
    goleft[n] = goright[n] = goup[n] = godown[n] = dropbomb[n] = 0;
    if (g.dietime >= 1) return false;
    if (g.lives > 0) {
        g.dieframe = 0;
        g.life = 10;
        g.lives = Integer(g.lives - 1);
        g.bombs = 5;
        g.range = 1;
        g.fuse = 3000;
        updatescoreboard(n);
        g.dead = 0;
        // Each player comes back in his own corner, whatever the map says.
        g.x = n == 1 ? 0 : 16;
        g.y = n == 1 ? 0 : 12;
        liveslbl[n].caption = numtext(g.lives);
        updatelife(n);
        return false;
    }
    // A second player who never joined counts as out.
    if (playerout(1) && (players < 2 || playerout(2))) {
        level = Integer(level - 1);
        endoflevel();
        return true;
    }
    return false;
}

void startdying(Integer n) {
    guyrec& g = guy[n];
    if (g.life <= 0 && g.dietime == 0 && g.dead == 0) {
        sound("\\death.wav", 1);
        g.dead = -1;
        g.dietime = 900;
    }
}

void timebonusstep() {
    double drained = double(timebonus) - double(gamespeed) * 10;
    if (Int(drained / 100) > 0)
        timebonus = CLng(drained);
    else
        timebonus = 0;

    if (endcount == 7000) {
        // Real time since the level began, pauses included.
        timebonuslbl.caption = numtext(Int(200 - (gettickcount() - levelstart) / 1000.0));
        if (captionvalue(timebonuslbl) < 0) setcaption(timebonuslbl, "0");
        timebonus = CLng(captionvalue(timebonuslbl) * 100);
    }
}

void endlevelcheck() {
    endcount = Integer(endcount - 1);
    if (Int(endcount / 25.0) == endcount / 25.0) {
        if (captionvalue(timebonuslbl) > 10) {
            for (Integer n = 1; n <= players; ++n) {
                guy[n].score = Single(guy[n].score + 10);
                scoreboard[n].caption = numtext(guy[n].score);
            }
            timebonus -= 10000;
            timebonuslbl.caption = numtext(Int(timebonus / 1000.0));
        } else {
            // The remainder goes to whoever comes first.
            for (Integer n = 1; n <= players; ++n) {
                guy[n].score = Single(guy[n].score + Int(timebonus / 1000.0));
                timebonus = 0;
                timebonuslbl.caption = numtext(Int(timebonus / 1000.0));
            }
        }
    }
    if (endcount == 0 && timebonus <= 0) endoflevel();
}

std::string continuequestion(Integer n) {
    return "Player" + Str(n) + " continue?" + "\r\n" + "Continues left: " + Str(guy[n].continues) +
           " ";
}

void endoflevel() {
    for (Integer n = 1; n <= players; ++n) {
        guyrec& g = guy[n];
        if (!(g.life <= 0 && g.lives < 1 && g.continues > 0)) continue;
        if (askyesno(continuequestion(n))) {
            g.lives = 3;
            setcaption(liveslbl[n], "3");
            g.score = 0;
            setcaption(scoreboard[n], "0");
            g.life = 10;
            updatelife(n);
            g.range = 1;
            setcaption(rangelbl[n], "1");
            g.bombs = 5;
            setcaption(bombnumberlbl[n], "5");
            g.continues = Integer(g.continues - 1);
            g.dead = 0;
            g.dietime = 0;
            g.dieframe = 0;
            g.fuse = 3000;
            setcaption(fuselbl[n], "3");
        } else {
            setcaption(scoreboard[n], "X");
        }
    }
    level = Integer(level + 1);
    levelstart = gettickcount();
    // Bombs still on the board go back to their owners before the board is rebuilt.
    for (int i = 1; i <= bombcount; ++i) {
        Integer owner = bomb[i].owner;
        if (owner < 1 || owner > maxguys) continue;
        guy[owner].bombs = Integer(guy[owner].bombs + 1);
        if (owner <= 2) bombnumberlbl[owner].caption = numtext(guy[owner].bombs);
    }
    reset();
}
