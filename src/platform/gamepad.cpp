// Game controllers through SDL's GameController layer. Each player has a
// slot; a pad in a slot holds that player's direction and drop keys, read
// straight from the pad's state whenever the game asks about a key, and its
// Start button reaches the focused window as a press of Pause.
#include "platform/gamepad.h"

#include <SDL.h>

#include "platform/window.h"

namespace {

constexpr int slots = 2;

// The pad of each player (index 0 player 1), nullptr for none, and its
// joystick instance id (what SDL's events name it by).
SDL_GameController* pads[slots];
SDL_JoystickID padids[slots];

// How far the stick must lean to hold a direction: about a third of its
// range, so a stick at rest (or one that drifts a little) holds nothing.
constexpr Sint16 deadzone = 10000;

// Pause, as the keyboard's Pause key sends it.
constexpr int pausekey = 19;

// What holds a key on a pad: its button, or the left stick leaning past the
// dead zone along the axis towards sign (sign 0: the button alone).
struct PadKey {
    int vk;
    int slot;
    SDL_GameControllerButton button;
    SDL_GameControllerAxis axis;
    int sign;
};
// Player 1's arrows and Ctrl, player 2's A, W, D, S and Q.
constexpr PadKey padkeys[] = {
    {37, 0, SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_AXIS_LEFTX, -1},
    {38, 0, SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_CONTROLLER_AXIS_LEFTY, -1},
    {39, 0, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_CONTROLLER_AXIS_LEFTX, 1},
    {40, 0, SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_AXIS_LEFTY, 1},
    {17, 0, SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_AXIS_INVALID, 0},
    {65, 1, SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_AXIS_LEFTX, -1},
    {87, 1, SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_CONTROLLER_AXIS_LEFTY, -1},
    {68, 1, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_CONTROLLER_AXIS_LEFTX, 1},
    {83, 1, SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_CONTROLLER_AXIS_LEFTY, 1},
    {81, 1, SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_AXIS_INVALID, 0},
};

// Whether the pad is in a slot already.
bool inslot(SDL_JoystickID id) {
    for (int s = 0; s < slots; ++s)
        if (pads[s] && padids[s] == id) return true;
    return false;
}

// Gives the free slots, lowest first, to the connected pads that have none,
// in SDL's device order. Pads beyond the two wait for a slot to come free.
void fillslots() {
    int n = SDL_NumJoysticks();
    for (int i = 0; i < n; ++i) {
        int s = 0;
        while (s < slots && pads[s]) ++s;
        if (s == slots) return;
        if (!SDL_IsGameController(i) || inslot(SDL_JoystickGetDeviceInstanceID(i))) continue;
        SDL_GameController* c = SDL_GameControllerOpen(i);
        if (!c) continue;
        pads[s] = c;
        padids[s] = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(c));
        SDL_GameControllerSetPlayerIndex(c, s); // lights the player's lamp on pads that have one
    }
}

// Empties the slot of a pad that went away.
void removepad(SDL_JoystickID id) {
    for (int s = 0; s < slots; ++s)
        if (pads[s] && padids[s] == id) {
            SDL_GameControllerClose(pads[s]);
            pads[s] = nullptr;
        }
}

} // namespace

void startpads() {
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return; // no pads, keys only
    fillslots();
}

bool padevent(const SDL_Event& e) {
    switch (e.type) {
    case SDL_CONTROLLERDEVICEADDED:
        // Also comes for the pads found at start, which have their slots already.
        fillslots();
        return true;
    case SDL_CONTROLLERDEVICEREMOVED:
        removepad(e.cdevice.which);
        fillslots(); // a waiting pad takes the freed slot
        return true;
    case SDL_CONTROLLERBUTTONDOWN:
        // Once per press: a held button sends no more downs.
        if (e.cbutton.button == SDL_CONTROLLER_BUTTON_START)
            if (Window* w = activewindow(); w && w->onkeydown) w->onkeydown(pausekey);
        return true;
    case SDL_CONTROLLERBUTTONUP:
    case SDL_CONTROLLERAXISMOTION:
    case SDL_CONTROLLERDEVICEREMAPPED:
        return true; // the held state is read from the pad itself
    default:
        return false;
    }
}

bool padheld(int keycode) {
    for (const PadKey& k : padkeys) {
        if (k.vk != keycode) continue;
        SDL_GameController* c = pads[k.slot];
        if (!c) return false;
        if (SDL_GameControllerGetButton(c, k.button)) return true;
        if (k.sign == 0) return false;
        int v = SDL_GameControllerGetAxis(c, k.axis);
        return k.sign < 0 ? v < -deadzone : v > deadzone;
    }
    return false;
}
