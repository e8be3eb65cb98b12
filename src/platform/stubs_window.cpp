// Placeholder bodies until the window layer is built.
#include <cstdlib>

#include "platform/clock.h"
#include "platform/keyboard.h"
#include "platform/msgbox.h"
#include "platform/window.h"
void addcontrol(Window& w, Control& c) {
    c.window = &w;
    w.controls.push_back(&c);
}
void showwindow(Window& w) {
    w.shown = true;
}
void unloadwindow(Window& w) {
    w.shown = false;
}
void doevents() {}
Picture composewindow(const Window&) {
    return {};
}
void endprogram() {
    std::exit(0);
}
void injectclick(Window&, int, int, int) {}
void injectkey(int, int) {}
void injectkeystate(int, bool) {}
bool keyheld(int) {
    return false;
}
void releaseallkeys() {}
static Long simtime;
Long gettickcount() {
    return simtime;
}
void sleepms(int ms) {
    simtime += ms;
}
void simulateclock(Long t) {
    simtime = t;
}
bool clocksimulated() {
    return true;
}
void advanceclock(Long ms) {
    simtime += ms;
}
void waitingfor(double) {}
bool askyesno(const std::string&) {
    return false;
}
void queueanswer(bool) {}
const std::string& lastquestion() {
    static std::string s;
    return s;
}
