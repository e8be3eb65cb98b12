// Game controllers: SDL's virtual pads, laid out as standard controllers,
// plugged into a running game headless; the game reads them through its own
// key polling and event loop on the simulated clock.
#include <gtest/gtest.h>

#include <SDL.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <set>
#include <utility>

#include "game/form1.h"
#include "game/startup.h"
#include "platform/clock.h"
#include "platform/keyboard.h"
#include "platform/window.h"
#include "playfield/playfield.h"
#include "state/state.h"

namespace {

// The movement and drop keys of both players: Left, Up, Right, Down, drop.
const int p1keys[] = {37, 38, 39, 40, 17};
const int p2keys[] = {65, 87, 68, 83, 81};

// A virtual pad whose buttons and axes are SDL's controller buttons and axes
// in order, so SDL maps it as a standard controller. Plugged in on creation.
class Pad {
  public:
    Pad() {
        SDL_VirtualJoystickDesc d{};
        d.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        d.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        d.naxes = SDL_CONTROLLER_AXIS_MAX;
        d.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        d.name = "Zoff test pad";
        int index = SDL_JoystickAttachVirtualEx(&d);
        EXPECT_GE(index, 0) << SDL_GetError();
        if (index >= 0) joy = SDL_JoystickOpen(index);
        EXPECT_NE(joy, nullptr) << SDL_GetError();
        doevents(); // the game hears of it
    }
    Pad(const Pad&) = delete;
    Pad& operator=(const Pad&) = delete;
    ~Pad() { unplug(); }

    // The state changes reach the game at its next doevents, which reads the
    // pads every time.
    void button(SDL_GameControllerButton b, bool down) {
        if (joy) SDL_JoystickSetVirtualButton(joy, b, down ? SDL_PRESSED : SDL_RELEASED);
    }
    void axis(SDL_GameControllerAxis a, Sint16 v) {
        if (joy) SDL_JoystickSetVirtualAxis(joy, a, v);
    }
    // Pulls the pad out; the game hears of it at once.
    void unplug() {
        if (!joy) return;
        SDL_JoystickID id = SDL_JoystickInstanceID(joy);
        SDL_JoystickClose(joy);
        joy = nullptr;
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
        doevents();
    }

  private:
    SDL_Joystick* joy = nullptr;
};

// What a case does to a pad: a button held or an axis set.
struct Input {
    bool isbutton;
    int which;
    Sint16 value;
    void apply(Pad& p) const {
        if (isbutton)
            p.button(SDL_GameControllerButton(which), true);
        else
            p.axis(SDL_GameControllerAxis(which), value);
    }
};
Input button(SDL_GameControllerButton b) {
    return {true, b, 0};
}
Input stick(SDL_GameControllerAxis a, Sint16 v) {
    return {false, a, v};
}

// The keys of keys[] held now.
std::set<int> heldof(const int (&keys)[5]) {
    std::set<int> held;
    for (int k : keys)
        if (keyheld(k)) held.insert(k);
    return held;
}

// A game on level 0 with the board turned to open ground and nothing on it
// but the players, player 1 at (6, 6) and player 2 at (10, 10), so they can
// walk any way for a few squares.
class Gamepad : public testing::Test {
  protected:
    void SetUp() override {
        // SDL drops pad presses while it has windows but none with the focus,
        // and the dummy driver never gives one the focus.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        startgame(1);
    }
    void TearDown() override {
        for (int k : p1keys) injectkeystate(k, false);
        doevents();
        SDL_ResetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS);
    }

    void startgame(Integer nplayers) {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        resetstate();
        setdefaultsettings();
        players = nplayers;
        simulateclock(100000);
        batchstart = 0;
        startup(11, 0);
        ASSERT_TRUE(SDL_WasInit(SDL_INIT_GAMECONTROLLER)); // the game opened the pads layer
        enemycount = coincount = 0;
        for (Integer x = 0; x <= 16; ++x)
            for (Integer y = 0; y <= 12; ++y) {
                square[x][y].kind = 1;
                drawsquare(x, y);
            }
        guy[1].x = guy[1].y = 6;
        guy[2].x = guy[2].y = 10;
    }

    // Where player n stands after the given frames of a fresh game whose
    // input hold() sets up before the first.
    std::pair<Single, Single> walk(Integer n, int frames, const std::function<void()>& hold) {
        startgame(players);
        hold();
        for (int i = 0; i < frames; ++i) frame();
        return {guy[n].x, guy[n].y};
    }
};

TEST_F(Gamepad, EachPadHoldsItsPlayersKeysFromTheDpadStickAndSouthButton) {
    struct Case {
        const char* what;
        std::initializer_list<Input> inputs;
        std::set<int> held; // by index into a player's keys: 0 Left, 1 Up, 2 Right, 3 Down, 4 drop
    };
    const Case cases[] = {
        {"nothing", {}, {}},
        {"d-pad left", {button(SDL_CONTROLLER_BUTTON_DPAD_LEFT)}, {0}},
        {"d-pad up", {button(SDL_CONTROLLER_BUTTON_DPAD_UP)}, {1}},
        {"d-pad right", {button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT)}, {2}},
        {"d-pad down", {button(SDL_CONTROLLER_BUTTON_DPAD_DOWN)}, {3}},
        {"south button", {button(SDL_CONTROLLER_BUTTON_A)}, {4}},
        {"stick full left", {stick(SDL_CONTROLLER_AXIS_LEFTX, -32768)}, {0}},
        {"stick full up", {stick(SDL_CONTROLLER_AXIS_LEFTY, -32768)}, {1}},
        {"stick full right", {stick(SDL_CONTROLLER_AXIS_LEFTX, 32767)}, {2}},
        {"stick full down", {stick(SDL_CONTROLLER_AXIS_LEFTY, 32767)}, {3}},
        {"stick half right", {stick(SDL_CONTROLLER_AXIS_LEFTX, 16000)}, {2}},
        {"stick leaning down-left past the dead zone",
         {stick(SDL_CONTROLLER_AXIS_LEFTX, -12000), stick(SDL_CONTROLLER_AXIS_LEFTY, 12000)},
         {0, 3}},
        {"stick inside the dead zone up-right",
         {stick(SDL_CONTROLLER_AXIS_LEFTX, 9000), stick(SDL_CONTROLLER_AXIS_LEFTY, -9000)},
         {}},
        {"stick inside the dead zone down-left",
         {stick(SDL_CONTROLLER_AXIS_LEFTX, -9000), stick(SDL_CONTROLLER_AXIS_LEFTY, 9000)},
         {}},
        {"d-pad and stick together",
         {button(SDL_CONTROLLER_BUTTON_DPAD_UP), stick(SDL_CONTROLLER_AXIS_LEFTX, 32767)},
         {1, 2}},
        {"other buttons, right stick and triggers",
         {button(SDL_CONTROLLER_BUTTON_B), button(SDL_CONTROLLER_BUTTON_X),
          button(SDL_CONTROLLER_BUTTON_Y), button(SDL_CONTROLLER_BUTTON_BACK),
          button(SDL_CONTROLLER_BUTTON_LEFTSHOULDER), stick(SDL_CONTROLLER_AXIS_RIGHTX, 32767),
          stick(SDL_CONTROLLER_AXIS_RIGHTY, 32767), stick(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767),
          stick(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767)},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Fresh pads each time: the first plays player 1, the second player 2.
        Pad one, two;
        for (int player : {1, 2}) {
            SCOPED_TRACE(player);
            Pad& pad = player == 1 ? one : two;
            for (const Input& in : c.inputs) in.apply(pad);
            doevents();
            std::set<int> want;
            for (int i : c.held) want.insert(player == 1 ? p1keys[i] : p2keys[i]);
            EXPECT_EQ(heldof(p1keys), player == 1 ? want : std::set<int>{});
            EXPECT_EQ(heldof(p2keys), player == 2 ? want : std::set<int>{});
            // Let go: nothing stays held.
            for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX; ++b)
                pad.button(SDL_GameControllerButton(b), false);
            for (int a = 0; a < SDL_CONTROLLER_AXIS_MAX; ++a)
                pad.axis(SDL_GameControllerAxis(a), 0);
            doevents();
            EXPECT_TRUE(heldof(p1keys).empty());
            EXPECT_TRUE(heldof(p2keys).empty());
        }
    }
}

// The same frames with the pad as with the key it stands for, in the running game.
TEST_F(Gamepad, DpadAndStickWalkPlayerOneAsHisArrowKeysDo) {
    struct Case {
        const char* what;
        std::initializer_list<Input> inputs;
        int key;       // 0: none
        Single dx, dy; // the way he goes
    };
    const Case cases[] = {
        {"d-pad right", {button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT)}, 39, 1, 0},
        {"d-pad up", {button(SDL_CONTROLLER_BUTTON_DPAD_UP)}, 38, 0, -1},
        {"stick left", {stick(SDL_CONTROLLER_AXIS_LEFTX, -20000)}, 37, -1, 0},
        {"stick down", {stick(SDL_CONTROLLER_AXIS_LEFTY, 32767)}, 40, 0, 1},
        {"stick inside the dead zone",
         {stick(SDL_CONTROLLER_AXIS_LEFTX, 9500), stick(SDL_CONTROLLER_AXIS_LEFTY, -9500)},
         0,
         0,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Crossing a square takes a hundred frames: 150 take him half into the next but one.
        auto bykey = walk(1, 150, [&] {
            if (c.key) injectkeystate(c.key, true);
        });
        if (c.key) injectkeystate(c.key, false);
        doevents();
        Pad pad;
        auto bypad = walk(1, 150, [&] {
            for (const Input& in : c.inputs) in.apply(pad);
        });
        EXPECT_FLOAT_EQ(bypad.first, bykey.first);
        EXPECT_FLOAT_EQ(bypad.second, bykey.second);
        EXPECT_NEAR(bypad.first, 6 + 1.5 * c.dx, 0.02);
        EXPECT_NEAR(bypad.second, 6 + 1.5 * c.dy, 0.02);
    }
}

TEST_F(Gamepad, SouthButtonDropsABombOnHisSquare) {
    Pad pad;
    ASSERT_EQ(bombcount, 0);
    pad.button(SDL_CONTROLLER_BUTTON_A, true);
    frame();
    ASSERT_EQ(bombcount, 1);
    EXPECT_EQ(bomb[1].x, 6);
    EXPECT_EQ(bomb[1].y, 6);
    EXPECT_EQ(bomb[1].owner, 1);
    EXPECT_EQ(guy[1].bombs, 4);
    // The keyboard's Ctrl does the same beside the pad.
    pad.button(SDL_CONTROLLER_BUTTON_A, false);
    guy[1].x = 8;
    injectkeystate(17, true);
    frame();
    EXPECT_EQ(bombcount, 2);
    EXPECT_EQ(guy[1].bombs, 3);
}

TEST_F(Gamepad, StartPausesOncePerPress) {
    Pad pad;
    ASSERT_EQ(paused, 0);
    ASSERT_FALSE(Pauselbl.visible);
    pad.button(SDL_CONTROLLER_BUTTON_START, true);
    Single x = guy[1].x;
    for (int i = 0; i < 20; ++i) frame(); // held on: still one press
    EXPECT_EQ(paused, -1);
    EXPECT_TRUE(Pauselbl.visible);
    pad.button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    for (int i = 0; i < 20; ++i) frame();
    EXPECT_EQ(guy[1].x, x); // paused: nobody moves
    pad.button(SDL_CONTROLLER_BUTTON_START, false);
    for (int i = 0; i < 5; ++i) frame(); // letting go is no press
    EXPECT_EQ(paused, -1);
    pad.button(SDL_CONTROLLER_BUTTON_START, true);
    frame();
    EXPECT_EQ(paused, 0);
    EXPECT_FALSE(Pauselbl.visible);
    for (int i = 0; i < 20; ++i) frame();
    EXPECT_GT(guy[1].x, x);
}

TEST_F(Gamepad, SecondPadWalksPlayerTwoInATwoPlayerGame) {
    Pad one, two;
    startgame(2);
    auto before1 = std::pair{guy[1].x, guy[1].y};
    two.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    for (int i = 0; i < 150; ++i) frame();
    EXPECT_NEAR(guy[2].x, 8.5, 0.02);
    EXPECT_EQ(guy[2].y, 10);
    EXPECT_EQ(guy[1].x, before1.first);
    EXPECT_EQ(guy[1].y, before1.second);
}

// A pulled pad lets go of everything, and its player's slot goes to the pad
// plugged in next, or to one waiting without a slot.
TEST_F(Gamepad, UnpluggedPadLetsGoAndFreesItsSlot) {
    auto first = std::make_unique<Pad>();
    Pad second;
    first->button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    second.button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true);
    for (int i = 0; i < 50; ++i) frame();
    EXPECT_EQ(heldof(p1keys), std::set<int>{39});
    EXPECT_NEAR(guy[1].x, 6.5, 0.02);
    first.reset();
    EXPECT_TRUE(heldof(p1keys).empty());
    EXPECT_EQ(heldof(p2keys), std::set<int>{83}); // the other pad keeps its player
    // He glides on to the square boundary and stands.
    for (int i = 0; i < 100; ++i) frame();
    EXPECT_EQ(guy[1].x, 7);

    // A new pad takes the free slot, player 1's.
    auto third = std::make_unique<Pad>();
    third->button(SDL_CONTROLLER_BUTTON_A, true);
    doevents();
    EXPECT_EQ(heldof(p1keys), std::set<int>{17});
    EXPECT_EQ(heldof(p2keys), std::set<int>{83});

    // With both slots taken a fourth pad waits, and takes the first slot to come free.
    Pad fourth;
    fourth.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    doevents();
    EXPECT_EQ(heldof(p1keys), std::set<int>{17});
    third.reset();
    EXPECT_EQ(heldof(p1keys), std::set<int>{37});
    EXPECT_EQ(heldof(p2keys), std::set<int>{83});
}

} // namespace
