// Hurt, death, respawn, continues, the time bonus and the scoreboard column,
// run through the game window's real start-up and frames.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "audio/sound.h"
#include "game/form1.h"
#include "game/lives.h"
#include "game/startup.h"
#include "platform/clock.h"
#include "platform/msgbox.h"
#include "playfield/pictures.h"
#include "state/state.h"

namespace {

// A game started headless on the simulated clock.
void startgame(Integer nplayers, Integer firstlevel = 0) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    resetstate();
    setdefaultsettings();
    players = nplayers;
    simulateclock(500000);
    batchstart = 0; // as at program start: no batch yet
    startup(7, firstlevel);
    soundlog().clear();
}

// The ten hearts of a player as letters: H full, h half, E empty.
std::string hearts(Integer n) {
    const Control* h = n == 1 ? heart1 : heart2;
    std::string s;
    for (int i = 0; i < 10; ++i)
        s += h[i].picture == &heart        ? 'H'
             : h[i].picture == &halfheart  ? 'h'
             : h[i].picture == &emptyheart ? 'E'
                                           : '?';
    return s;
}

int count(const std::string& file) {
    int c = 0;
    for (const std::string& s : soundlog()) c += s == file;
    return c;
}

// Keeps the board free of fire, the player out of the enemies' way, and no
// level clearing in the middle of a test.
void quietboard() {
    for (auto& col : square)
        for (auto& s : col) s.fireowner = 0;
}

} // namespace

TEST(Hearts, PicturesFollowLife) {
    startgame(2);
    struct Case {
        float life;
        const char* shown;
    };
    const Case cases[] = {{10, "HHHHHHHHHH"},   {9.5f, "HHHHHHHHHh"}, {0.5f, "hEEEEEEEEE"},
                          {0, "EEEEEEEEEE"},    {-1, "EEEEEEEEEE"},   {3, "HHHEEEEEEE"},
                          {-0.5f, "EEEEEEEEEE"}};
    for (const Case& c : cases) {
        for (Integer n = 1; n <= 2; ++n) {
            guy[n].life = c.life;
            updatelife(n);
            EXPECT_EQ(hearts(n), c.shown) << "player " << n << " life " << c.life;
        }
    }
    // Only players 1 and 2 have hearts.
    guy[1].life = 10;
    updatelife(1);
    guy[3].life = 0;
    updatelife(3);
    updatelife(0);
    EXPECT_EQ(hearts(1), "HHHHHHHHHH");
}

TEST(Hurt, FireHitThenProtectionThenDeath) {
    startgame(1);
    quietboard();
    square[int(guy[1].x)][int(guy[1].y)].fireowner = 1;
    framepasses();
    EXPECT_FLOAT_EQ(guy[1].life, 0.5f);
    EXPECT_EQ(guy[1].hurttime, 1000);
    EXPECT_EQ(hearts(1), "hEEEEEEEEE");
    EXPECT_EQ(count("\\pain.wav"), 1);

    // Still standing in the fire: the protection holds.
    for (int i = 0; i < 5; ++i) framepasses();
    EXPECT_FLOAT_EQ(guy[1].life, 0.5f);
    EXPECT_EQ(guy[1].hurttime, 995);
    EXPECT_EQ(count("\\pain.wav"), 1);
    EXPECT_EQ(guy[1].dead, 0);

    // Once it has run out the next hit kills, and dying starts in the same frame.
    guy[1].hurttime = 1;
    framepasses();
    EXPECT_FLOAT_EQ(guy[1].life, -9.0f);
    EXPECT_EQ(count("\\pain.wav"), 2);
    EXPECT_EQ(guy[1].dead, -1);
    EXPECT_EQ(count("\\death.wav"), 1);
    EXPECT_GT(guy[1].dietime, 890);
}

TEST(Hurt, FireSquareIsTheOneUnderMostOfTheSprite) {
    startgame(1);
    quietboard();
    struct Case {
        float x, y;
        bool hurt;
    };
    // Fire on square (3, 0): a sprite more than 0.9 of the way there counts as on it.
    const Case cases[] = {{3, 0, true}, {2.95f, 0, true}, {2.85f, 0, false}, {3.95f, 0, false}};
    for (const Case& c : cases) {
        square[3][0].fireowner = 2;
        guy[1].x = c.x;
        guy[1].y = c.y;
        guy[1].life = 10;
        guy[1].hurttime = 0;
        firehurttest(1);
        EXPECT_EQ(guy[1].life < 10, c.hurt) << c.x;
    }
}

TEST(Hurt, DyingPlayerTakesNoFireDamage) {
    startgame(1);
    quietboard();
    guy[1].life = 0;
    guy[1].dead = -1;
    guy[1].dietime = 500;
    square[int(guy[1].x)][int(guy[1].y)].fireowner = 1;
    framepasses();
    EXPECT_FLOAT_EQ(guy[1].life, 0);
    EXPECT_EQ(count("\\pain.wav"), 0);
    EXPECT_EQ(count("\\death.wav"), 0); // dying has started already
}

TEST(Death, DeadPlayerCannotMove) {
    startgame(1);
    quietboard();
    guy[1].dead = -1;
    guy[1].life = 0;
    guy[1].dietime = 500;
    goleft[1] = goright[1] = goup[1] = godown[1] = dropbomb[1] = -1;
    EXPECT_FALSE(deadplayer(1));
    EXPECT_EQ(goleft[1] | goright[1] | goup[1] | godown[1] | dropbomb[1], 0);
    EXPECT_EQ(guy[1].lives, 3); // still dying: no respawn yet
}

TEST(Death, RespawnInOwnCornerOnEveryLevel) {
    struct Case {
        Integer level, n;
        float x, y;
    };
    // Levels 0 and 1 start player 2 at (16, 0); he comes back at (16, 12) anyway.
    const Case cases[] = {{0, 1, 0, 0}, {0, 2, 16, 12}, {1, 2, 16, 12}, {3, 1, 0, 0}};
    for (const Case& c : cases) {
        startgame(2, c.level);
        quietboard();
        guyrec& g = guy[c.n];
        g.x = 5;
        g.y = 6;
        g.life = 0;
        g.dead = -1;
        g.dietime = 0;
        g.dieframe = 90;
        g.lives = 2;
        g.bombs = 0;
        g.range = 4;
        g.fuse = 5000;
        updatelife(c.n);
        EXPECT_FALSE(deadplayer(c.n));
        EXPECT_EQ(g.dead, 0);
        EXPECT_EQ(g.x, c.x) << "level " << c.level << " player " << c.n;
        EXPECT_EQ(g.y, c.y) << "level " << c.level << " player " << c.n;
        EXPECT_EQ(g.lives, 1);
        EXPECT_FLOAT_EQ(g.life, 10);
        EXPECT_EQ(g.dieframe, 0);
        EXPECT_EQ(g.bombs, 5);
        EXPECT_EQ(g.range, 1);
        EXPECT_EQ(g.fuse, 3000);
        EXPECT_EQ(liveslbl[c.n].caption, "1");
        EXPECT_EQ(bombnumberlbl[c.n].caption, "5");
        EXPECT_EQ(rangelbl[c.n].caption, "1");
        EXPECT_EQ(fuselbl[c.n].caption, "2");
        EXPECT_EQ(hearts(c.n), "HHHHHHHHHH");
        EXPECT_EQ(level, c.level);
    }
}

TEST(Death, StartOfDyingOnlyOnce) {
    startgame(1);
    quietboard();
    guy[1].life = 0;
    startdying(1);
    EXPECT_EQ(guy[1].dead, -1);
    EXPECT_EQ(guy[1].dietime, 900);
    startdying(1);
    guy[1].dietime = 0; // animation over, but not yet respawned
    startdying(1);
    EXPECT_EQ(count("\\death.wav"), 1);
}

TEST(Continue, QuestionText) {
    startgame(2);
    guy[1].continues = 3;
    guy[2].continues = 1;
    EXPECT_EQ(continuequestion(1), "Player 1 continue?\r\nContinues left:  3 ");
    EXPECT_EQ(continuequestion(2), "Player 2 continue?\r\nContinues left:  1 ");
}

// Player 1 out of lives and hearts at the end of his death animation.
void outofplay(Integer n) {
    guy[n].life = 0;
    guy[n].lives = 0;
    guy[n].dead = -1;
    guy[n].dietime = 0;
    guy[n].dieframe = 90;
    guy[n].score = 1234;
    guy[n].range = 3;
    guy[n].bombs = 2;
    guy[n].fuse = 4000;
}

TEST(Continue, AllOutRebuildsLevelAndAsksAgainAfterNo) {
    startgame(1, 1);
    quietboard();
    outofplay(1);
    // Marks that the rebuild must wipe.
    square[0][2].kind = 2;
    timebonus = 5;
    endcount = 1234;
    advanceclock(3000);
    Long now = gettickcount();

    queueanswer(false);
    framepasses();
    EXPECT_EQ(lastquestion(), "Player 1 continue?\r\nContinues left:  3 ");
    EXPECT_EQ(scoreboard[1].caption, "X");
    EXPECT_EQ(level, 1);
    EXPECT_EQ(levelstart, now);
    EXPECT_EQ(square[0][2].kind, 3); // level 1's map again
    EXPECT_EQ(endcount, 7000);
    EXPECT_EQ(timebonus, 20000);
    EXPECT_EQ(guy[1].continues, 3);
    EXPECT_EQ(guy[1].lives, 0);
    EXPECT_FLOAT_EQ(guy[1].score, 1234);

    // Still out: the next frame asks again, and Yes brings him back.
    queueanswer(true);
    framepasses();
    guyrec& g = guy[1];
    EXPECT_EQ(g.continues, 2);
    EXPECT_EQ(g.lives, 3);
    EXPECT_FLOAT_EQ(g.score, 0);
    EXPECT_FLOAT_EQ(g.life, 10);
    EXPECT_EQ(g.range, 1);
    EXPECT_EQ(g.bombs, 5);
    EXPECT_EQ(g.fuse, 3000);
    EXPECT_EQ(g.dead, 0);
    EXPECT_EQ(g.dietime, 0);
    EXPECT_EQ(g.dieframe, 0);
    EXPECT_EQ(liveslbl[1].caption, "3");
    EXPECT_EQ(scoreboard[1].caption, "0");
    EXPECT_EQ(rangelbl[1].caption, "1");
    EXPECT_EQ(bombnumberlbl[1].caption, "5");
    EXPECT_EQ(fuselbl[1].caption, "3"); // the game start shows "2" for the same fuse
    EXPECT_EQ(hearts(1), "HHHHHHHHHH");
    EXPECT_EQ(level, 1);
}

TEST(Continue, NoContinuesLeftRebuildsWithoutAsking) {
    startgame(1, 2);
    quietboard();
    outofplay(1);
    guy[1].continues = 0;
    queueanswer(true); // must stay unused
    square[3][5].kind = 3;
    framepasses();
    EXPECT_EQ(level, 2);
    EXPECT_EQ(square[3][5].kind, 1);
    EXPECT_EQ(guy[1].lives, 0);
    EXPECT_EQ(guy[1].continues, 0);
    // The queued Yes is still there for the next question.
    guy[1].continues = 1;
    framepasses();
    EXPECT_EQ(guy[1].lives, 3);
}

TEST(Continue, OnePlayerOutOfTwoWaits) {
    startgame(2);
    quietboard();
    outofplay(1);
    square[0][2].kind = 2;
    framepasses();
    EXPECT_EQ(square[0][2].kind, 2); // no rebuild while player 2 plays
    EXPECT_EQ(guy[1].dead, -1);
    EXPECT_EQ(scoreboard[1].caption, "0");

    // With both out, each player with continues is asked in turn.
    outofplay(2);
    guy[2].continues = 2;
    queueanswer(false);
    queueanswer(true);
    framepasses();
    EXPECT_EQ(lastquestion(), "Player 2 continue?\r\nContinues left:  2 ");
    EXPECT_EQ(scoreboard[1].caption, "X");
    EXPECT_EQ(guy[1].lives, 0);
    EXPECT_EQ(guy[2].lives, 3);
    EXPECT_EQ(guy[2].continues, 1);
    EXPECT_EQ(level, 0);
}

TEST(TimeBonus, DrainsByGamespeedTimesTen) {
    startgame(1);
    endcount = 6000; // level cleared: only the drain runs
    struct Case {
        float gamespeed;
        Long before, after;
    };
    // Drained only while a whole hundred would be left.
    const Case cases[] = {{15, 5000, 4850}, {15, 260, 110}, {15, 250, 100}, {15, 249, 0},
                          {15, 150, 0},     {1, 111, 101},  {1, 109, 0},    {20, 20000, 19800}};
    for (const Case& c : cases) {
        gamespeed = c.gamespeed;
        timebonus = c.before;
        timebonusstep();
        EXPECT_EQ(timebonus, c.after) << c.gamespeed << " " << c.before;
    }
    EXPECT_EQ(timebonuslbl.caption, "0"); // not written once the level is cleared
}

TEST(TimeBonus, LabelCountsRealSecondsWhilePlayed) {
    startgame(1);
    struct Case {
        Long elapsed;
        const char* label;
        Long bonus;
    };
    const Case cases[] = {{0, "200", 20000}, {999, "199", 19900}, {12345, "187", 18700},
                          {199999, "0", 0},  {200000, "0", 0},    {250000, "0", 0}};
    for (const Case& c : cases) {
        simulateclock(levelstart + c.elapsed);
        endcount = 7000;
        timebonusstep();
        EXPECT_EQ(timebonuslbl.caption, c.label) << c.elapsed;
        EXPECT_EQ(timebonus, c.bonus) << c.elapsed;
    }
}

TEST(TimeBonus, FrameLoopRunsTheStepEveryGamespeedFrames) {
    startgame(1);
    gamespeed = 15;
    advanceclock(5000);
    for (int i = 0; i < 14; ++i) framepasses();
    EXPECT_EQ(timebonuslbl.caption, "0");
    framepasses();
    EXPECT_EQ(timebonuslbl.caption, "195");
    EXPECT_EQ(framecount, 0);
}

TEST(EndOfLevel, PayoutThenNextLevel) {
    startgame(2);
    quietboard();
    enemycount = 0;
    timebonuslbl.caption = "150";
    timebonus = 15000;
    endcount = 27;

    endlevelcheck(); // 26: no payout
    EXPECT_FLOAT_EQ(guy[1].score, 0);
    endlevelcheck(); // 25: ten points each
    EXPECT_FLOAT_EQ(guy[1].score, 10);
    EXPECT_FLOAT_EQ(guy[2].score, 10);
    EXPECT_EQ(scoreboard[1].caption, "10");
    EXPECT_EQ(scoreboard[2].caption, "10");
    EXPECT_EQ(timebonus, 5000);
    EXPECT_EQ(timebonuslbl.caption, "5");

    // Bombs on the board go back to their owners before the next board.
    guy[1].bombs = 7;
    guy[2].bombs = 0;
    for (int k = 0; k < 3; ++k) bomb[addbomb()].owner = 1;
    bomb[addbomb()].owner = 2;

    timebonus = 4750;
    for (int i = 0; i < 24; ++i) endlevelcheck(); // down to 1
    EXPECT_EQ(level, 0);
    endlevelcheck(); // 0: the rest to player 1 only, then the next level
    EXPECT_FLOAT_EQ(guy[1].score, 14);
    EXPECT_FLOAT_EQ(guy[2].score, 10);
    EXPECT_EQ(scoreboard[1].caption, "10"); // not refreshed by the final payout
    EXPECT_EQ(timebonuslbl.caption, "0");
    EXPECT_EQ(level, 1);
    EXPECT_EQ(guy[1].bombs, 10); // above the cap until the next frame's limit
    EXPECT_EQ(guy[2].bombs, 1);
    EXPECT_EQ(bombnumberlbl[1].caption, "10");
    EXPECT_EQ(bombnumberlbl[2].caption, "1");
    EXPECT_EQ(bombcount, 0);
    EXPECT_EQ(endcount, 7000);
    EXPECT_EQ(timebonus, 20000);
}

TEST(EndOfLevel, WaitsWhileBonusRemains) {
    startgame(1);
    quietboard();
    enemycount = 0;
    endcount = 1;
    timebonuslbl.caption = "50";
    timebonus = 50000;
    endlevelcheck(); // 0: ten points, bonus left
    EXPECT_EQ(level, 0);
    EXPECT_EQ(endcount, 0);
    EXPECT_EQ(timebonus, 40000);
}

TEST(EndOfLevel, FrameLoopChecksOnlyWithoutEnemies) {
    startgame(1);
    quietboard();
    ASSERT_GT(enemycount, 0);
    framepasses();
    EXPECT_EQ(endcount, 7000);
    enemycount = 0;
    framepasses();
    framepasses();
    EXPECT_EQ(endcount, 6998);
}

TEST(Scoreboard, ShowsFuseInThousandsMinusOne) {
    startgame(2);
    guy[2].lives = 4;
    guy[2].bombs = 8;
    guy[2].range = 5;
    guy[2].fuse = 5000;
    updatescoreboard(2);
    EXPECT_EQ(liveslbl[2].caption, "4");
    EXPECT_EQ(bombnumberlbl[2].caption, "8");
    EXPECT_EQ(rangelbl[2].caption, "5");
    EXPECT_EQ(fuselbl[2].caption, "4");
    guy[2].fuse = 1500;
    updatescoreboard(2);
    EXPECT_EQ(fuselbl[2].caption, "0");
    EXPECT_EQ(liveslbl[1].caption, "3");
}
