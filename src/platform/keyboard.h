// Which of the movement and drop keys are held right now, by virtual-key code
// (37-40 arrows, 17 either Ctrl, 65 A, 68 D, 87 W, 83 S, 81 Q). Keys are
// mapped by physical position, so W, A, S, D and Q stay put on any layout.
#pragma once

bool keyheld(int keycode);
// Forgets every held key (a window lost the focus).
void releaseallkeys();
