// The menu window and every control on it. The controls exist from program
// start; form2layout() puts each at its designed place, and the menu's
// start-up then centres the items and parks the boxes out of sight.
#pragma once
#include <string>

#include "platform/surface.h"
#include "platform/window.h"
#include "state/types.h"

extern Window Form2;

// The high score box with its DONE and DONE's shadow, and the two curtains.
extern Control highscorebox, highscoredone, highscoredoneback, highscorebackr, highscorebackL;
// The quit box: YES and NO with their shadows (Label7, Label6).
extern Control quitbox, yes, Label7, no, Label6;
// The options panel (its contents are below).
extern Control optionbox;
// The about box: DONE and its shadow.
extern Control aboutbox, aboutdone, Label3;
// The six menu items, their six shadows Label(0) to Label(5), and the title picture.
extern Control highscores, quit, About, options, twoplayer, oneplayer;
extern Control Label[6];
extern Control title;
extern Control Form2media; // MMControl1 of the menu window, hidden

// The options panel's contents: the game speed row (caption, gauge, shown
// speed and "%", minus and plus with their shadows) ...
extern Control Label2, Gauge1, speedlbl, Label5;
extern Control minusspeed, minusspeedback, plusspeed, plusspeedback;
// ... the six settings rows: caption label, value label and spin control ...
extern Control Label4, firedelaylbl, firedelayspin;
extern Control Label8, Label15, powerupchancelbl, powerupspin; // Label15: "1 in "
extern Control Label9, rangelimitlbl, rangespin;
extern Control Label10, fuselimitlbl, fusespin;
extern Control Label11, bombnumberlimitlbl, bombspin;
extern Control Label13, shakefactorlbl, shakespin;
// ... and DONE with its shadow.
extern Control done, label1;

// The outer size of the menu window (client area and frame) in twips: W and
// H of every placement rule of the menu.
constexpr int form2outerwidth = 12110, form2outerheight = 9270;

// Lays out every control of the menu window at its designed place, caption,
// font and colour, and hooks up every handler; a repeat call puts everything
// back to the design.
void form2layout();

// --- The title menu ---

// The game window's load handler that ONE PLAYER and TWO PLAYER run: Form1_Load
// in the program; tests put a start-up that returns here.
extern void (*gamewindowload)();

// Steps 1 to 6 of the menu window's load: show, music settings, gamespeed,
// placement, one pass of events, the tune started.
void form2startup();
// One pass of the menu loop: events, the settings copied from the panel, the
// title frame of the current tick count.
void menupass();
// The menu window's load handler: start-up, then menu passes for ever.
[[noreturn]] void Form2_Load();

// The title frame shown at tick count t: 2 to 49, a new one every 50 ms.
int titleframe(Long t);
// The file of title frame n: "<program folder>/small title/zofftitle <n>.bmp".
std::string titleframefile(int n);
// The picture of title frame n, read from its file the first time it is
// asked for; a frame that cannot be read ends the program, naming the file.
const Picture& titleframepicture(int n);

// A menu label's reaction to a click: 30 steps down and right, 30 back, with
// events processed and 2 ms slept in each step.
void pressanimation(Control& c);
// A box sliding: steps steps of dy twips down (up when negative), with events
// processed and 2 ms slept in each.
void slidebox(Control& box, int dy, int steps);

// Where the game window goes: the menu window's place, while the menu is shown.
void placeatmenu(Window& game);
// The game has its window: the menu window unloads (its music closes) and is gone.
void unloadmenu();

void oneplayer_Click();      // one-player game
void twoplayer_Click();      // two-player game
void Form2_KeyPress(int ch); // Esc ends the program
void Form2_Unload();         // the menu tune stops and closes

// --- The options panel ---

void options_Click();            // slides the panel up, unless it is already up or rising
void done_Click();               // slides the panel down, wherever it is
void plusspeed_Click();          // game speed + 5, at most the gauge's maximum
void minusspeed_Click();         // game speed - 5, at least the gauge's minimum
void Gauge1_Change();            // the shown speed follows the gauge: value + 50
void Gauge1_MouseDown(double x); // a press on the gauge sets it by its x in twips
// The spin arrows: up adds the row's step, down takes it away unless that
// would go below the row's floor.
void firedelayspin_SpinUp(), firedelayspin_SpinDown();
void powerupspin_SpinUp(), powerupspin_SpinDown();
void rangespin_SpinUp(), rangespin_SpinDown();
void fusespin_SpinUp(), fusespin_SpinDown();
void bombspin_SpinUp(), bombspin_SpinDown();
void shakespin_SpinUp(), shakespin_SpinDown();
// gamespeed from the gauge: Int(value / 10) + 5.
Single gaugespeed();
// Copies the panel's values into the shared settings.
void copysettings();

// --- The high score box ---

void highscores_Click();    // closes the curtains, raises the box
void highscoredone_Click(); // lowers the box, opens the curtains

// --- The about and quit boxes ---

void About_Click();     // raises the about box unless it is up or rising
void aboutdone_Click(); // lowers the about box
void quit_Click();      // raises the quit box, wherever it is
void no_Click();        // lowers the quit box
void yes_Click();       // ends the program
