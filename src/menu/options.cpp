// The options panel: the game speed gauge with + and -, and six settings
// kept as the captions of their value labels, each moved by a spin control.
#include <cstdlib>

#include "audio/sound.h"
#include "menu/form2.h"
#include "platform/window.h"
#include "state/convert.h"
#include "state/state.h"

namespace {

constexpr int H = form2outerheight;

// The number a value label shows; the label is the only store of its setting.
double captionvalue(const Control& lbl) {
    return std::strtod(lbl.caption.c_str(), nullptr);
}

// Up arrow: the value goes up by step.
void spinup(Control& lbl, int step) {
    lbl.caption = numtext(captionvalue(lbl) + step);
}

// Down arrow: the value goes down by step, but never below floor.
void spindown(Control& lbl, int step, int floor) {
    double v = captionvalue(lbl);
    if (v - step >= floor) lbl.caption = numtext(v - step);
}

} // namespace

Single gaugespeed() {
    return Single(Int(Gauge1.value / 10.0) + 5);
}

void copysettings() {
    fuselimit = CInt(captionvalue(fuselimitlbl));
    bombnumberlimit = CInt(captionvalue(bombnumberlimitlbl));
    firedelay = CInt(captionvalue(firedelaylbl));
    rangelimit = CInt(captionvalue(rangelimitlbl));
    powerupchance = CInt(captionvalue(powerupchancelbl));
    gamespeed = gaugespeed();
    shakefactor = CInt(captionvalue(shakefactorlbl));
}

void options_Click() {
    if (optionbox.top < H) return; // up, or on its way
    pressanimation(options);
    sound("\\orchhit.wav", 1);
    slidebox(optionbox, -100, 63);
}

void done_Click() {
    gamespeed = gaugespeed();
    pressanimation(done);
    sound("\\orchhitl.wav", 1);
    slidebox(optionbox, 100, 63);
}

void plusspeed_Click() {
    Gauge1.value = Gauge1.value + 5 > Gauge1.max ? Gauge1.max : Gauge1.value + 5;
}

void minusspeed_Click() {
    Gauge1.value = Gauge1.value - 5 < Gauge1.min ? Gauge1.min : Gauge1.value - 5;
}

void Gauge1_Change() {
    speedlbl.caption = numtext(Gauge1.value + 50);
}

void Gauge1_MouseDown(double x) {
    Gauge1.value = CInt(Gauge1.max * (x / Gauge1.width));
}

void firedelayspin_SpinUp() {
    spinup(firedelaylbl, 1);
}
void firedelayspin_SpinDown() {
    spindown(firedelaylbl, 1, 0);
}
void powerupspin_SpinUp() {
    spinup(powerupchancelbl, 1);
}
void powerupspin_SpinDown() {
    spindown(powerupchancelbl, 1, 1);
}
void rangespin_SpinUp() {
    spinup(rangelimitlbl, 1);
}
void rangespin_SpinDown() {
    spindown(rangelimitlbl, 1, 1);
}
void fusespin_SpinUp() {
    spinup(fuselimitlbl, 1);
}
void fusespin_SpinDown() {
    spindown(fuselimitlbl, 1, 0);
}
void bombspin_SpinUp() {
    spinup(bombnumberlimitlbl, 1);
}
void bombspin_SpinDown() {
    spindown(bombnumberlimitlbl, 1, 1);
}
void shakespin_SpinUp() {
    spinup(shakefactorlbl, 5);
}
void shakespin_SpinDown() {
    spindown(shakefactorlbl, 5, 0);
}
