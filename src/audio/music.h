// The two windows' media controls (each window's MMControl1) and the command
// sequences each window sends them.
#pragma once
#include "platform/media.h"

extern MediaControl Form1MMControl1; // the game tune, ".\gimmeall.mid"
extern MediaControl Form2MMControl1; // the menu tune, ".\Open.mid"

// Both controls as the windows are designed: their tunes found in the program's
// folder (not the working directory, so a game started from anywhere has music),
// the game's control with no device type. Call once, from either window's layout.
void musiclayout();

// The menu window's start-up settings, right after it is shown: Notify off,
// Wait on, Shareable off, DeviceType "Sequencer", in that order.
void form2musicsettings();
// The menu tune starts ("Open", "play"); it plays once.
void form2musicstart();
// A game was chosen: the menu tune stops ("stop").
void form2musicstop();
// The menu window unloads: "stop", "Close". It must run before form1musicstart,
// since the game cannot open its tune while the menu's holds the device.
void form2musicunload();
// The game tune starts ("open", "play").
void form1musicstart();
// The game tune ended: "close", "open", "play", so it loops for the whole game.
void form1musicdone();
