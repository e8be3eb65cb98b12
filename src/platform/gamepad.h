// Game controllers. The first pad connected plays player 1, the second player 2:
// the d-pad and the left stick hold that player's direction keys, the south
// face button his drop key, and Start presses Pause. Pads may come and go: a
// pad pulled out frees its player, and the next pad takes the lowest free one.
#pragma once

union SDL_Event;

// Opens the controller subsystem and the pads already connected.
void startpads();
// Handles a controller event (a pad added or removed, Start pressed); false
// for every other event.
bool padevent(const SDL_Event& e);
// Whether a pad holds the key with this virtual-key code (a player's
// direction and drop keys: 37-40 and 17 for player 1, 65 68 87 83 and 81 for player 2).
bool padheld(int keycode);
