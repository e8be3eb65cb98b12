// Windows and their controls. A window is a tree of plain Control records
// placed in twips (15 to a pixel) relative to their parent; the platform
// composes the tree into one picture and shows it with SDL. With SDL's dummy
// or offscreen video driver everything works the same with nothing on screen.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/font.h"
#include "platform/surface.h"
#include "state/types.h"

constexpr int twipsperpixel = 15;

enum class ControlKind { Frame, Label, Image, Playfield, Spin, Gauge, Media, Clip };
enum class Align { Left, Right, Center };

// System colours of the one classic scheme we draw with.
constexpr Long systemhighlighttext = 0xFFFFFF; // white
constexpr Long systemwindowtext = 0x000000;    // black
constexpr Long systemwindowbackground = 0xFFFFFF;
// The two lines of a frame's etched outline (button shadow and highlight).
constexpr Long frameshadow = 0x808080;
constexpr Long framehighlight = 0xFFFFFF;
// The spin arrows and the gauge bar: orange on dark red.
constexpr Long controlorange = 0x0080FF;
constexpr Long controldarkred = 0x000080;

struct Window;

struct Control {
    std::string name;
    ControlKind kind = ControlKind::Label;
    Control* parent = nullptr; // nullptr: the window's client area
    Window* window = nullptr;
    int left = 0, top = 0, width = 0, height = 0; // twips
    bool visible = true;
    std::string caption;
    Font font;
    Long forecolor = 0xFFFFFF;
    Long backcolor = 0;
    Align alignment = Align::Left;
    const Picture* picture = nullptr; // images
    Surface* surface = nullptr;       // the playfield: placed at its surface's left and top
    // Spin and gauge state (menu).
    int value = 0, min = 0, max = 0;
    // Mouse-down on this control: button (1 left, 2 right, 4 middle), position in
    // the control's units (playfield units for the playfield, twips otherwise).
    std::function<void(int button, double x, double y)> onmousedown;
    // Click (mouse-down then up on the same control); spin arrows: arg 1 up, -1 down.
    std::function<void(int arg)> onclick;
    // Gauge value change.
    std::function<void()> onchange;
};

struct Window {
    std::string caption;
    int left = 0, top = 0;                     // screen position, pixels
    int clientwidth = 796, clientheight = 591; // pixels
    // The size it opens at on the screen, its picture scaled to fit; 0: the
    // picture's own size (larger on a dense screen).
    int openwidth = 0, openheight = 0;
    Long backcolor = 0;
    bool shown = false;
    // Controls in design order. Layering: frames, the playfield and platform
    // controls lie in front of labels and images of the same parent; within each
    // group an earlier control lies in front of a later one.
    std::vector<Control*> controls;
    std::function<void(int keycode)> onkeydown; // Windows virtual-key codes
    std::function<void(int ch)> onkeypress;     // typed characters (27 is Esc)
    std::function<void()> onclose;              // the close box
    std::function<void()> onmusicdone;          // the media control finished playing
    const Picture* icon = nullptr;              // shown in the title bar and task list
    void* native = nullptr;                     // the platform's own data
};

// Adds a control to a window (its parent must already be in it).
void addcontrol(Window& w, Control& c);
// Shows the window at its left and top (creates it on first show).
void showwindow(Window& w);
// Closes the window for good. A shown window must be unloaded before its record goes away.
void unloadwindow(Window& w);
// Takes every pending event, runs its handler and repaints the shown windows
// from their controls when a display refresh interval has passed. Re-entrant:
// handlers may call it again.
void doevents();
// Composes a window's controls into one client-area picture (what is shown).
Picture composewindow(const Window& w);
// How often the shown windows were presented since the program started: the
// main thread's part (composing the picture and handing it over) and the
// presenter thread's (handing it to SDL and the screen), with their times.
// A picture handed over while one waits replaces it, so shown <= presents.
struct PresentStats {
    long presents = 0;
    double microseconds = 0;
    long shown = 0;
    double showmicroseconds = 0;
};
PresentStats presentstats();
// What the presenter put on the screen for a window last, once it has shown
// everything handed over; empty for a window with nothing on a screen.
Picture shownpicture(Window& w);
// Ends the program at once, with status 0.
[[noreturn]] void endprogram();
// Queues a mouse-down and mouse-up at a client-area pixel of a shown window,
// as a click would (a window not shown gets no clicks). Button 1 left, 2 right, 4 middle.
void injectclick(Window& w, int px, int py, int button = 1);
// Resizes a shown window on the screen, as dragging its border would; its
// picture is scaled to fit.
void sizewindow(Window& w, int width, int height);
// Where a shown window is on the screen now and its size there (the player
// may have moved and resized it); false for a window not shown.
bool windowplace(const Window& w, int& left, int& top, int& width, int& height);
// Whether the windows fill the screen (F11 and Alt+Enter switch it).
bool fullscreenshown();
// Queues a key going down and up again (virtual-key code) and the character it
// types (0 none), delivered to the active window.
void injectkey(int keycode, int ch);
// Queues a held key going up or down (virtual-key code).
void injectkeystate(int keycode, bool down);
// Queues the notice that a window's media control finished playing (its onmusicdone).
void postmusicdone(Window& w);

// For the platform layer itself (the message box, the media control):
// Starts SDL's video and events on first need (the dummy driver when no display opens).
void startvideo();
// Whether windows reach a screen: false under SDL's dummy and offscreen drivers.
bool screenshown();
// The shown window that has the keyboard focus (the last one shown), or nullptr.
Window* activewindow();
// Hands a picture of the client area's size to the presenter, which puts it
// on the screen as soon as it can, scaled to fit the window as it is then.
void presentpicture(Window& w, const Picture& p);
// Takes the next event into e, waiting up to waitms for one; false when none came.
bool nextevent(union SDL_Event& e, int waitms);
// Maps a point of a shown window, as the system reports mouse positions, to a
// pixel of its client-area picture; false on the black bars around it.
bool windowpoint(const Window& w, int x, int y, int& px, int& py);
// F11 and Alt+Enter (SDL key code and modifiers) switch the window between
// fullscreen and a window (new windows follow); true when the key was one of
// them, repeat or not.
bool fullscreenkey(Window& w, int sdlkey, int sdlmod, bool repeat);

// Where a picture of picw x pich pixels is shown in an output of outw x outh
// pixels: as large as fits with its aspect kept, at a whole-number scale when
// one fits (sharp pixels), centred between black bars.
struct Viewport {
    int x = 0, y = 0, width = 0, height = 0;
};
Viewport fitpicture(int outw, int outh, int picw, int pich);
