// Which of the movement and drop keys are held right now, by virtual-key code
// (37-40 arrows, 17 either Ctrl, 65 A, 68 D, 87 W, 83 S, 81 Q). Keys are
// mapped by physical position, so W, A, S, D and Q stay put on any layout.
#pragma once

bool keyheld(int keycode);
// Forgets every held key (a window lost the focus).
void releaseallkeys();

// For the platform layer's event processing:
// Records a physical key (an SDL scancode) going down or up.
void notekey(int scancode, bool down);
// The virtual-key code of a key event (SDL key code and scancode); 0 for keys without one.
int virtualkey(int keycode, int scancode);
// The character a key event types with its modifier state (SDL values); 0 for none.
int typedchar(int keycode, int modifiers);
// The physical key (SDL scancode) of a virtual-key code; 0 for codes without one.
int scancodeof(int vk);
