// Coins: collection by the square a sprite's corner is in, the repaint that
// only shows through bare ground, and the points that come with the pop-up.
#include <gtest/gtest.h>

#include "fixture.h"

#include "audio/sound.h"
#include "game/coins.h"
#include "game/form1.h"
#include "game/popups.h"
#include "game/powerups.h"
#include "platform/random.h"
#include "playfield/pictures.h"
#include "playfield/playfield.h"
#include "state/levels.h"
#include "state/state.h"

namespace {

// Level 0 with two players standing on the open row 8, no coins of the map
// and no pop-ups.
void coinboard() {
    buildboard(0, 11);
    guy[1].x = 1, guy[1].y = 8;
    guy[2].x = 15, guy[2].y = 8;
    coincount = 0;
    soundlog().clear();
}

void placecoin(Integer x, Integer y) {
    int i = addcoin();
    coin[i].x = x, coin[i].y = y, coin[i].taken = 0, coin[i].spin = 0;
}

// One unpaused frame, the passes in the frame loop's order.
void frame() {
    poweruppass();
    popuppass();
    if (bolting != 0) boltsweep();
    coinpass();
}

} // namespace

TEST(Coins, CollectedWhenTheSpritesCornerIsInTheSquare) {
    struct Case {
        Single x, y;
        bool collected;
    };
    // The coin lies on (5, 8). Walking right the sprite must reach x = 5
    // exactly; walking left it counts as soon as x drops below 6.
    const Case cases[] = {{4.99f, 8, false}, {5, 8, true},      {5.99f, 8, true},
                          {6, 8, false},     {5, 7.99f, false}, {5, 8.99f, true}};
    for (const Case& c : cases) {
        coinboard();
        placecoin(5, 8);
        guy[1].x = c.x, guy[1].y = c.y;
        coinpass();
        SCOPED_TRACE(testing::Message() << "guy at " << c.x << ", " << c.y);
        if (c.collected) {
            EXPECT_EQ(coincount, 0);
            ASSERT_EQ(popupcount, 1);
            EXPECT_EQ(popup[1].points, 150);
            EXPECT_EQ(popup[1].owner, 1);
            EXPECT_EQ(popup[1].x, 5);
            EXPECT_EQ(popup[1].y, 8);
            EXPECT_EQ(soundlog(), std::vector<std::string>{"\\ding.wav"});
        } else {
            EXPECT_EQ(coincount, 1);
            EXPECT_EQ(popupcount, 0);
            EXPECT_TRUE(soundlog().empty());
        }
    }
}

TEST(Coins, PlayerOneWinsACoinBothReachInOneFrame) {
    coinboard();
    placecoin(5, 8);
    guy[1].x = 5, guy[1].y = 8;
    guy[2].x = 5.5f, guy[2].y = 8.2f;
    coinpass();
    coinpass();
    EXPECT_EQ(coincount, 0);
    ASSERT_EQ(popupcount, 1);
    EXPECT_EQ(popup[1].owner, 1);
    EXPECT_EQ(soundlog().size(), 1u);
}

TEST(Coins, TwoCoinsOnOneSquareAreBothCollected) {
    coinboard();
    placecoin(5, 8);
    placecoin(5, 8);
    guy[2].x = 5, guy[2].y = 8;
    coinpass();
    coinpass();
    EXPECT_EQ(coincount, 0);
    ASSERT_EQ(popupcount, 2);
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(popup[i].points, 150);
        EXPECT_EQ(popup[i].owner, 2);
    }
    EXPECT_EQ(soundlog(), (std::vector<std::string>{"\\ding.wav", "\\ding.wav"}));
}

TEST(Coins, PaintedOnlyWhereTheSquaresMiddleIsBareGround) {
    // Anything but exact ground colour in the middle hides the coin, even a
    // colour one step away from it.
    const Long covers[] = {RGB(200, 30, 30), RGB(48, 120, 49)};
    for (Long cover : covers) {
        coinboard();
        placecoin(5, 8);
        fillbox(pic, 5, 8, 6, 9, cover);
        for (int f = 0; f < 250; ++f) coinpass();
        EXPECT_TRUE(squareisall(5, 8, cover)) << "cover " << cover;

        // Once the square is bare again the coin is back within 100 frames.
        drawsquare(5, 8);
        int shown = 0;
        for (int f = 1; f <= 100 && !shown; ++f) {
            coinpass();
            if (squareshows(5, 8, coinpic)) shown = f;
        }
        EXPECT_GT(shown, 0) << "cover " << cover;
        EXPECT_EQ(coincount, 1);
    }
}

TEST(Coins, ScoreRisesOnlyWhenThePopupExpires) {
    coinboard();
    placecoin(5, 8);
    guy[1].x = 5, guy[1].y = 8;
    scoreboard[1].caption = "0";
    frame();
    ASSERT_EQ(coincount, 0);
    for (int f = 1; f <= 499; ++f) {
        frame();
        ASSERT_EQ(guy[1].score, 0) << "frame " << f;
    }
    frame();
    EXPECT_EQ(guy[1].score, 150);
    EXPECT_EQ(scoreboard[1].caption, "150");
    EXPECT_EQ(popupcount, 0);
}
