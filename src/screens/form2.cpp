// The menu window as designed: every control with its kind, parent, place,
// size, caption, font and colours. The menu's start-up centres the items and
// parks the boxes from here.
#include "menu/form2.h"

#include "audio/music.h"
#include "playfield/pictures.h"
#include "screens/layout.h"
#include "state/state.h"

Window Form2;
Control highscorebox, highscoredone, highscoredoneback, highscorebackr, highscorebackL;
Control quitbox, yes, Label7, no, Label6;
Control optionbox;
Control aboutbox, aboutdone, Label3;
Control highscores, quit, About, options, twoplayer, oneplayer;
Control Label[6];
Control title;
Control Form2media;
Control Label2, Gauge1, speedlbl, Label5;
Control minusspeed, minusspeedback, plusspeed, plusspeedback;
Control Label4, firedelaylbl, firedelayspin;
Control Label8, Label15, powerupchancelbl, powerupspin;
Control Label9, rangelimitlbl, rangespin;
Control Label10, fuselimitlbl, fusespin;
Control Label11, bombnumberlimitlbl, bombspin;
Control Label13, shakefactorlbl, shakespin;
Control done, label1;

namespace {

constexpr Long white = 0xFFFFFF;
constexpr Long darkred = RGB(128, 0, 0);
constexpr const char* TNR = "Times New Roman";

// One control of the design. A null font means the window's default font.
using K = ControlKind;
using A = Align;

// In design order: within one parent and one layer, earlier lies in front, so
// every dark red shadow comes after its white caption.
const controldesign form2design[] = {
    {&highscorebox, "highscorebox", K::Frame, nullptr, 9000, 2520, 4575, 3735, "HIGH SCORES", TNR,
     15.75, white, 0, A::Left, true},
    {&highscoredone, "highscoredone", K::Label, &highscorebox, 120, 2160, 3975, 615, "DONE", TNR,
     24, white, 0, A::Center, true},
    {&highscoredoneback, "highscoredoneback", K::Label, &highscorebox, 1320, 2280, 3975, 615,
     "DONE", TNR, 24, darkred, 0, A::Center, true},
    {&highscorebackr, "highscorebackr", K::Frame, nullptr, 240, 1200, 495, 855, "", nullptr, 0,
     white, 0, A::Left, true},
    {&highscorebackL, "highscorebackL", K::Frame, nullptr, 360, 120, 735, 735, "", nullptr, 0,
     white, 0, A::Left, true},
    {&quitbox, "quitbox", K::Frame, nullptr, 1560, 4680, 4335, 4935, "QUIT?", TNR, 14.25, white, 0,
     A::Left, true},
    {&yes, "yes", K::Label, &quitbox, -120, 1200, 3975, 615, "YES", TNR, 24, white, 0, A::Center,
     true},
    {&Label7, "Label7", K::Label, &quitbox, 1680, 1320, 3975, 615, "YES", TNR, 24, darkred, 0,
     A::Center, true},
    {&no, "no", K::Label, &quitbox, -120, 2760, 3975, 615, "NO", TNR, 24, white, 0, A::Center,
     true},
    {&Label6, "Label6", K::Label, &quitbox, 1680, 2880, 3975, 615, "NO", TNR, 24, darkred, 0,
     A::Center, true},
    {&optionbox, "optionbox", K::Frame, nullptr, 3720, 2400, 6015, 5295, "OPTIONS", TNR, 14.25,
     white, 0, A::Left, true},

    // The options panel: the game speed row.
    {&Label2, "Label2", K::Label, &optionbox, 720, 360, 2415, 375, "GAME SPEED", TNR, 14.25, white,
     0, A::Left, true},
    {&Gauge1, "Gauge1", K::Gauge, &optionbox, 720, 720, 3495, 375, "", nullptr, 0, controlorange,
     controldarkred, A::Left, true},
    {&speedlbl, "speedlbl", K::Label, &optionbox, 4920, 720, 615, 375, "100", TNR, 18, white, 0,
     A::Right, true},
    {&Label5, "Label5", K::Label, &optionbox, 5640, 720, 255, 375, "%", TNR, 18, white, 0, A::Left,
     true},
    {&minusspeed, "minusspeed", K::Label, &optionbox, 240, 600, 600, 615, "\u2212", TNR, 27.75,
     white, 0, A::Center, true},
    {&minusspeedback, "minusspeedback", K::Label, &optionbox, 240, 600, 600, 615, "\u2212", TNR,
     27.75, darkred, 0, A::Center, true},
    {&plusspeed, "plusspeed", K::Label, &optionbox, 4200, 600, 600, 615, "+", TNR, 27.75, white, 0,
     A::Center, true},
    {&plusspeedback, "plusspeedback", K::Label, &optionbox, 4200, 600, 600, 615, "+", TNR, 27.75,
     darkred, 0, A::Center, true},
    // The six settings rows.
    {&Label4, "Label4", K::Label, &optionbox, 360, 1320, 2055, 255, "FIRE DELAY:", TNR, 14.25,
     white, 0, A::Left, true},
    {&firedelaylbl, "firedelaylbl", K::Label, &optionbox, 3600, 1320, 495, 255, "3", TNR, 14.25,
     white, 0, A::Right, true},
    {&firedelayspin, "firedelayspin", K::Spin, &optionbox, 4680, 1320, 255, 255, "", nullptr, 0,
     controlorange, controldarkred, A::Left, true},
    {&Label8, "Label8", K::Label, &optionbox, 360, 1800, 2655, 255, "POWERUP CHANCE:", TNR, 14.25,
     white, 0, A::Left, true},
    {&Label15, "Label15", K::Label, &optionbox, 3480, 1800, 735, 255, "1 in ", TNR, 14.25, white, 0,
     A::Right, true},
    {&powerupchancelbl, "powerupchancelbl", K::Label, &optionbox, 4200, 1800, 495, 255, "5", TNR,
     14.25, white, 0, A::Left, true},
    {&powerupspin, "powerupspin", K::Spin, &optionbox, 4680, 1800, 255, 255, "", nullptr, 0,
     controlorange, controldarkred, A::Left, true},
    {&Label9, "Label9", K::Label, &optionbox, 360, 2280, 2055, 255, "RANGE LIMIT:", TNR, 14.25,
     white, 0, A::Left, true},
    {&rangelimitlbl, "rangelimitlbl", K::Label, &optionbox, 3600, 2280, 495, 255, "5", TNR, 14.25,
     white, 0, A::Right, true},
    {&rangespin, "rangespin", K::Spin, &optionbox, 4680, 2280, 255, 255, "", nullptr, 0,
     controlorange, controldarkred, A::Left, true},
    {&Label10, "Label10", K::Label, &optionbox, 360, 2760, 2055, 255, "FUSE LIMIT:", TNR, 14.25,
     white, 0, A::Left, true},
    {&fuselimitlbl, "fuselimitlbl", K::Label, &optionbox, 3600, 2760, 495, 255, "4", TNR, 14.25,
     white, 0, A::Right, true},
    {&fusespin, "fusespin", K::Spin, &optionbox, 4680, 2760, 255, 255, "", nullptr, 0,
     controlorange, controldarkred, A::Left, true},
    {&Label11, "Label11", K::Label, &optionbox, 360, 3240, 2055, 255, "BOMB LIMIT:", TNR, 14.25,
     white, 0, A::Left, true},
    {&bombnumberlimitlbl, "bombnumberlimitlbl", K::Label, &optionbox, 3600, 3240, 495, 255, "8",
     TNR, 14.25, white, 0, A::Right, true},
    {&bombspin, "bombspin", K::Spin, &optionbox, 4680, 3240, 255, 255, "", nullptr, 0,
     controlorange, controldarkred, A::Left, true},
    {&Label13, "Label13", K::Label, &optionbox, 360, 3720, 2535, 255, "SHAKE FACTOR:", TNR, 14.25,
     white, 0, A::Left, true},
    {&shakefactorlbl, "shakefactorlbl", K::Label, &optionbox, 3600, 3720, 495, 255, "10", TNR,
     14.25, white, 0, A::Right, true},
    {&shakespin, "shakespin", K::Spin, &optionbox, 4680, 3720, 255, 255, "", nullptr, 0,
     controlorange, controldarkred, A::Left, true},
    // DONE and its shadow, which rests exactly behind it.
    {&done, "done", K::Label, &optionbox, 1020, 4440, 3975, 615, "DONE", TNR, 24, white, 0,
     A::Center, true},
    {&label1, "label1", K::Label, &optionbox, 1020, 4440, 3975, 615, "DONE", TNR, 24, darkred, 0,
     A::Center, true},

    {&aboutbox, "aboutbox", K::Frame, nullptr, -2880, 2475, 6015, 4815, "ABOUT", TNR, 14.25, white,
     0, A::Left, true},
    {&aboutdone, "aboutdone", K::Label, &aboutbox, -240, 3840, 3975, 615, "DONE", TNR, 24, white, 0,
     A::Center, true},
    {&Label3, "Label3", K::Label, &aboutbox, 1560, 3960, 3975, 615, "DONE", TNR, 24, darkred, 0,
     A::Center, true},
    {&highscores, "highscores", K::Label, nullptr, 2640, 5280, 4335, 615, "HIGH SCORES", TNR, 24,
     white, 0, A::Center, true},
    {&Label[5], "Label(5)", K::Label, nullptr, 4440, 5400, 3975, 615, "HIGH SCORES", TNR, 24,
     darkred, 0, A::Center, true},
    {&quit, "quit", K::Label, nullptr, 2040, 6720, 3015, 615, "QUIT", TNR, 24, white, 0, A::Center,
     true},
    {&Label[4], "Label(4)", K::Label, nullptr, 3840, 6840, 3975, 615, "QUIT", TNR, 24, darkred, 0,
     A::Center, true},
    {&About, "About", K::Label, nullptr, 2160, 6000, 3015, 615, "ABOUT", TNR, 24, white, 0,
     A::Center, true},
    {&Label[3], "Label(3)", K::Label, nullptr, 3960, 6120, 3975, 615, "ABOUT", TNR, 24, darkred, 0,
     A::Center, true},
    {&options, "options", K::Label, nullptr, 3240, 4560, 3015, 615, "OPTIONS", TNR, 24, white, 0,
     A::Center, true},
    {&Label[2], "Label(2)", K::Label, nullptr, 3720, 4680, 3975, 615, "OPTIONS", TNR, 24, darkred,
     0, A::Center, true},
    {&twoplayer, "twoplayer", K::Label, nullptr, 2790, 3840, 4545, 615, "TWO PLAYER", TNR, 24,
     white, 0, A::Center, true},
    {&Label[1], "Label(1)", K::Label, nullptr, 3240, 3960, 3975, 615, "TWO PLAYER", TNR, 24,
     darkred, 0, A::Center, true},
    {&oneplayer, "oneplayer", K::Label, nullptr, 1560, 3120, 3975, 615, "ONE PLAYER", TNR, 24,
     white, 0, A::Center, true},
    {&title, "title", K::Image, nullptr, 1440, 360, 9000, 2250, "", nullptr, 0, 0, 0, A::Left,
     true},
    {&Label[0], "Label(0)", K::Label, nullptr, 4680, 3240, 3975, 615, "ONE PLAYER", TNR, 24,
     darkred, 0, A::Center, true},
    {&Form2media, "MMControl1", K::Media, nullptr, 360, 5160, 810, 495, "", nullptr, 0, 0, 0,
     A::Left, false},
};

// A label's click handler, ignoring the argument every click carries.
template <void (*handler)()> void clicked(int) {
    handler();
}

// A spin control's handler: its up arrow raises 1, its down arrow -1.
template <void (*up)(), void (*down)()> void spun(int arg) {
    if (arg > 0)
        up();
    else if (arg < 0)
        down();
}

} // namespace

void form2layout() {
    loadpictures();
    Form2.caption = "Zoff";
    Form2.icon = &bombpic[0];
    // Where the menu opens on the screen (the game window later takes its place).
    Form2.left = 114;
    Form2.top = 88;
    Form2.clientwidth = 796;
    Form2.clientheight = 591;
    Form2.backcolor = 0;
    Form2.controls.clear();
    for (const controldesign& d : form2design) placecontrol(Form2, d);

    // The title shows the built-in picture until the menu loop's first frame.
    title.picture = &titlepicture;
    Gauge1.min = 0;
    Gauge1.max = 150;
    Gauge1.value = 50;

    Form2.onkeypress = Form2_KeyPress;
    Form2.onclose = [] { Form2_KeyPress(27); }; // the close box: as Esc
    oneplayer.onclick = clicked<oneplayer_Click>;
    twoplayer.onclick = clicked<twoplayer_Click>;
    options.onclick = clicked<options_Click>;
    highscores.onclick = clicked<highscores_Click>;
    About.onclick = clicked<About_Click>;
    quit.onclick = clicked<quit_Click>;
    done.onclick = clicked<done_Click>;
    plusspeed.onclick = clicked<plusspeed_Click>;
    minusspeed.onclick = clicked<minusspeed_Click>;
    Gauge1.onchange = Gauge1_Change;
    Gauge1.onmousedown = [](int, double x, double) { Gauge1_MouseDown(x); };
    firedelayspin.onclick = spun<firedelayspin_SpinUp, firedelayspin_SpinDown>;
    powerupspin.onclick = spun<powerupspin_SpinUp, powerupspin_SpinDown>;
    rangespin.onclick = spun<rangespin_SpinUp, rangespin_SpinDown>;
    fusespin.onclick = spun<fusespin_SpinUp, fusespin_SpinDown>;
    bombspin.onclick = spun<bombspin_SpinUp, bombspin_SpinDown>;
    shakespin.onclick = spun<shakespin_SpinUp, shakespin_SpinDown>;
    highscoredone.onclick = clicked<highscoredone_Click>;
    aboutdone.onclick = clicked<aboutdone_Click>;
    yes.onclick = clicked<yes_Click>;
    no.onclick = clicked<no_Click>;

    musiclayout();
    Form2MMControl1.owner = &Form2;
}
