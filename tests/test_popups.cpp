// Score pop-ups: their colours, the delayed credit and the repaint on expiry.
#include <gtest/gtest.h>

#include "fixture.h"

#include <set>

#include "game/fire.h"
#include "game/form1.h"
#include "game/popups.h"
#include "platform/random.h"
#include "playfield/pictures.h"
#include "playfield/playfield.h"
#include "state/levels.h"
#include "state/state.h"

namespace {

void popupboard() {
    buildboard(0, 5);
}

} // namespace

TEST(Popups, TextColourBrightensAndTakesTheOwnersTint) {
    struct Case {
        Integer owner, timeleft;
        Long colour;
    };
    const Case cases[] = {
        {2, 100, RGB(255, 222, 222)}, // c + 50 = 272 counts as 255
        {1, 100, RGB(222, 222, 255)}, {1, 400, RGB(122, 122, 172)},
        {2, 300, RGB(205, 155, 155)}, {1, 0, RGB(255, 255, 255)},
    };
    for (const Case& c : cases) {
        popupboard();
        makescore(5, 8, 150, c.owner);
        popup[1].timeleft = c.timeleft;
        drawscore(1);
        // Every pixel that is no longer ground is the text, in one colour, to
        // the right of and below the print position.
        std::set<Long> inks;
        int left = 9999, top = 9999;
        for (int py = pixely(pic, 8); py < pixely(pic, 9); ++py)
            for (int px = pixelx(pic, 5); px < pixelx(pic, 6); ++px)
                if (pixelat(pic, px, py) != groundcolor) {
                    inks.insert(pixelat(pic, px, py));
                    left = std::min(left, px), top = std::min(top, py);
                }
        SCOPED_TRACE(testing::Message() << "owner " << c.owner << " timeleft " << c.timeleft);
        EXPECT_EQ(inks, std::set<Long>{c.colour});
        EXPECT_GE(left, pixelx(pic, 5.33));
        EXPECT_GE(top, pixely(pic, 8.5));
        EXPECT_EQ(popupcount, 1); // drawing alone changes nothing
    }
}

TEST(Popups, ThreeBlocksOfOneBombCreditThirty) {
    // Once as the fire awards them, once through a real explosion: a bomb on
    // (6, 2) of level 0 has blocks left, above and below it.
    for (bool realbomb : {false, true}) {
        SCOPED_TRACE(realbomb ? "explode" : "makescore");
        popupboard();
        scoreboard[1].caption = "0";
        if (realbomb) {
            int b = addbomb();
            bomb[b] = {0, 3000, 1, 6, 2, 0, 1};
            explode(Integer(b));
            ASSERT_EQ(blocksleft, 56);
        } else {
            makescore(5, 2, 10, 1);
            makescore(6, 1, 10, 1);
            makescore(6, 3, 10, 1);
        }
        ASSERT_EQ(popupcount, 3);
        for (int f = 1; f <= 499; ++f) popuppass();
        EXPECT_EQ(guy[1].score, 0);
        EXPECT_EQ(popupcount, 3);
        // The third pop-up is moved into the first slot by the first expiry
        // and has its turn in the next frame.
        popuppass();
        EXPECT_EQ(guy[1].score, 20);
        EXPECT_EQ(popupcount, 1);
        popuppass();
        EXPECT_EQ(guy[1].score, 30);
        EXPECT_EQ(scoreboard[1].caption, "30");
        EXPECT_EQ(popupcount, 0);
        EXPECT_EQ(guy[2].score, 0);
    }
}

TEST(Popups, ExpiryRepaintsTheWholeSquareItWasMadeOn) {
    // (4, 8) is ground and (2, 9) a block; the square above each holds a coin
    // picture that must survive, although the number has crept towards it.
    struct Case {
        Integer x, y;
        const Picture* after; // nullptr: bare ground
    };
    const Case cases[] = {{4, 8, nullptr}, {2, 9, &block}};
    for (const Case& c : cases) {
        popupboard();
        paintpicture(pic, coinpic, c.x, c.y);
        paintpicture(pic, coinpic, c.x, c.y - 1);
        makescore(c.x, c.y, 150, 2);
        for (int f = 1; f <= 499; ++f) popuppass();
        SCOPED_TRACE(testing::Message() << "square " << c.x << ", " << c.y);
        // Still the coin and the number before the last frame.
        EXPECT_TRUE(c.after ? !squareshows(c.x, c.y, *c.after)
                            : !squareisall(c.x, c.y, groundcolor));
        popuppass();
        EXPECT_EQ(popupcount, 0);
        EXPECT_TRUE(c.after ? squareshows(c.x, c.y, *c.after) : squareisall(c.x, c.y, groundcolor));
        EXPECT_TRUE(squareshows(c.x, Integer(c.y - 1), coinpic));
        EXPECT_EQ(guy[2].score, 150);
    }
}

TEST(Popups, SurviveALevelChange) {
    popupboard();
    makescore(4, 8, 150, 1);
    for (int f = 1; f <= 300; ++f) popuppass();
    level = 1;
    reset();
    EXPECT_EQ(popupcount, 1);
    for (int f = 1; f <= 200; ++f) popuppass();
    EXPECT_EQ(guy[1].score, 150);
    EXPECT_EQ(popupcount, 0);
}
