// A window's controls as designed: one row of a layout table per control, and
// the placing of a row into its window.
#pragma once
#include "platform/window.h"

struct controldesign {
    Control* control;
    const char* name;
    ControlKind kind;
    Control* parent;
    int left, top, width, height; // twips
    const char* caption;
    const char* font; // nullptr: the window's default interface font
    double points;
    Long forecolor, backcolor;
    Align align;
    bool visible;
    const Picture* picture = nullptr;
};

// Resets the row's control to its design and adds it to the window.
void placecontrol(Window& w, const controldesign& d);
