// The game window as designed: every control with its kind, parent, place,
// size, caption, font and colours. The start-up moves the playfield, the
// pause label and the three frames from here.
#include "game/form1.h"
#include <string>

#include "audio/music.h"
#include "platform/audio.h"
#include "playfield/pictures.h"
#include "playfield/playfield.h"
#include "screens/layout.h"
#include "state/state.h"

Window Form1;
Control piccontrol, Pauselbl, Frame1, Frame2, Frame3, timebonuslbl;
Control scoreboard[3], liveslbl[3], bombnumberlbl[3], rangelbl[3], fuselbl[3];
Control heart1[10], heart2[10];
Control Form1Label1, Form1Label2, Form1Label3, Form1Label4, Form1Label5, Form1Label6, Form1Label7,
    Form1Label8, Form1Label9, Form1Label10;
Control Form1Image1, Form1Image2, Form1Image3, Form1Image4, Form1Image5, Form1Image6, Form1Image7,
    Form1Image8;
Control blockimage, rockimage, bombpicimage[7], fusedownimage, fuseupimage, coinpicimage;
Control heartimage, halfheartimage, emptyheartimage;
Control Form1media;

namespace {

constexpr Long white = 0xFFFFFF;
constexpr Long grey = RGB(64, 64, 64);
constexpr const char* TNR = "Times New Roman";
constexpr const char* MSS = "MS Sans Serif";

// One control of the design. A null font means the window's default font.
using K = ControlKind;
using A = Align;

// In design order: within one parent and one layer, earlier lies in front.
const controldesign form1design[] = {
    {&Frame3, "Frame3", K::Frame, nullptr, 120, 3960, 1095, 615, "Time", nullptr, 0, white, grey,
     A::Left, true, nullptr},
    {&timebonuslbl, "timebonuslbl", K::Label, &Frame3, 120, 240, 975, 375, "0", MSS, 13.5, white, 0,
     A::Center, true, nullptr},
    {&Frame2, "Frame2", K::Frame, nullptr, 0, 4680, 1200, 4095, "Player 2", nullptr, 0,
     systemhighlighttext, grey, A::Left, true, nullptr},
    {&Frame1, "Frame1", K::Frame, nullptr, 0, 0, 1200, 3855, "Player 1", nullptr, 0,
     systemhighlighttext, grey, A::Left, true, nullptr},
    {&piccontrol, "pic", K::Playfield, nullptr, 9600, 120, 1815, 615, "", nullptr, 0,
     systemwindowtext, systemwindowbackground, A::Left, true, nullptr},
    {&Pauselbl, "Pauselbl", K::Label, &piccontrol, 2040, 1440, 1695, 495, "PAUSED", TNR, 21.75,
     white, 0, A::Center, false, nullptr},
    {&blockimage, "block", K::Image, nullptr, 3480, 8160, 630, 690, "", nullptr, 0, 0, 0, A::Left,
     true, &block},
    {&rockimage, "rock", K::Image, nullptr, 2760, 7440, 630, 690, "", nullptr, 0, 0, 0, A::Left,
     true, &rock},
    {&bombpicimage[0], "bombpic(0)", K::Image, nullptr, 6720, 6000, 630, 690, "", nullptr, 0, 0, 0,
     A::Left, false, &bombpic[0]},
    {&bombpicimage[1], "bombpic(1)", K::Image, nullptr, 6000, 6000, 630, 690, "", nullptr, 0, 0, 0,
     A::Left, false, &bombpic[1]},
    {&bombpicimage[2], "bombpic(2)", K::Image, nullptr, 5280, 6000, 630, 690, "", nullptr, 0, 0, 0,
     A::Left, false, &bombpic[2]},
    {&bombpicimage[3], "bombpic(3)", K::Image, nullptr, 4560, 6000, 630, 690, "", nullptr, 0, 0, 0,
     A::Left, false, &bombpic[3]},
    {&bombpicimage[4], "bombpic(4)", K::Image, nullptr, 3840, 6000, 630, 690, "", nullptr, 0, 0, 0,
     A::Left, false, &bombpic[4]},
    {&bombpicimage[5], "bombpic(5)", K::Image, nullptr, 3120, 6000, 630, 690, "", nullptr, 0, 0, 0,
     A::Left, false, &bombpic[5]},
    {&bombpicimage[6], "bombpic(6)", K::Image, nullptr, 2400, 6000, 630, 690, "", nullptr, 0, 0, 0,
     A::Left, false, &bombpic[6]},
    {&fusedownimage, "fusedown", K::Image, nullptr, 2040, 8160, 630, 675, "", nullptr, 0, 0, 0,
     A::Left, false, &fusedown},
    {&fuseupimage, "fuseup", K::Image, nullptr, 2040, 7440, 630, 675, "", nullptr, 0, 0, 0, A::Left,
     false, &fuseup},
    {&coinpicimage, "coinpic", K::Image, nullptr, 2760, 8160, 630, 690, "", nullptr, 0, 0, 0,
     A::Left, false, &coinpic},
    {&heartimage, "heart", K::Image, nullptr, 1800, 8280, 210, 240, "", nullptr, 0, 0, 0, A::Left,
     false, &heart},
    {&halfheartimage, "halfheart", K::Image, nullptr, 1560, 8280, 210, 240, "", nullptr, 0, 0, 0,
     A::Left, false, &halfheart},
    {&emptyheartimage, "emptyheart", K::Image, nullptr, 1320, 8280, 210, 240, "", nullptr, 0, 0, 0,
     A::Left, false, &emptyheart},
    {&Form1media, "MMControl1", K::Media, nullptr, 10320, 840, 810, 495, "", nullptr, 0, 0, 0,
     A::Left, false, nullptr},

    // Player 1's scoreboard.
    {&Form1Label1, "Label1", K::Label, &Frame1, 120, 240, 615, 255, "Score", nullptr, 0, white, 0,
     A::Left, true, nullptr},
    {&scoreboard[1], "scoreboard(1)", K::Label, &Frame1, 120, 480, 975, 375, "0", MSS, 13.5, white,
     0, A::Right, true, nullptr},
    {&Form1Image2, "Image2", K::Image, &Frame1, 120, 960, 330, 345, "", nullptr, 0, 0, 0, A::Left,
     true, &Image2},
    {&Form1Label3, "Label3", K::Label, &Frame1, 600, 1080, 255, 255, "X", nullptr, 0, white, 0,
     A::Left, true, nullptr},
    {&liveslbl[1], "liveslbl(1)", K::Label, &Frame1, 840, 960, 255, 375, "3", MSS, 13.5, white, 0,
     A::Left, true, nullptr},
    {&Form1Image3, "Image3", K::Image, &Frame1, 120, 1560, 330, 330, "", nullptr, 0, 0, 0, A::Left,
     true, &Image3},
    {&Form1Label5, "Label5", K::Label, &Frame1, 600, 1560, 255, 255, "X", nullptr, 0, white, 0,
     A::Left, true, nullptr},
    {&bombnumberlbl[1], "bombnumberlbl(1)", K::Label, &Frame1, 840, 1440, 255, 375, "3", MSS, 13.5,
     white, 0, A::Left, true, nullptr},
    {&Form1Image4, "Image4", K::Image, &Frame1, 120, 2040, 330, 330, "", nullptr, 0, 0, 0, A::Left,
     true, &Image4},
    {&Form1Label6, "Label6", K::Label, &Frame1, 600, 2040, 255, 255, "X", nullptr, 0, white, 0,
     A::Left, true, nullptr},
    {&rangelbl[1], "rangelbl(1)", K::Label, &Frame1, 840, 1920, 255, 375, "3", MSS, 13.5, white, 0,
     A::Left, true, nullptr},
    {&Form1Image5, "Image5", K::Image, &Frame1, 120, 2520, 330, 330, "", nullptr, 0, 0, 0, A::Left,
     true, &Image5},
    {&Form1Label7, "Label7", K::Label, &Frame1, 600, 2520, 255, 255, "X", nullptr, 0, white, 0,
     A::Left, true, nullptr},
    {&fuselbl[1], "fuselbl(1)", K::Label, &Frame1, 840, 2400, 255, 375, "3", MSS, 13.5, white, 0,
     A::Left, true, nullptr},

    // Player 2's scoreboard.
    {&Form1Label2, "Label2", K::Label, &Frame2, 120, 240, 615, 375, "Score", nullptr, 0, white, 0,
     A::Left, true, nullptr},
    {&scoreboard[2], "scoreboard(2)", K::Label, &Frame2, 120, 480, 975, 375, "0", MSS, 13.5, white,
     0, A::Right, true, nullptr},
    {&Form1Image1, "Image1", K::Image, &Frame2, 120, 960, 300, 330, "", nullptr, 0, 0, 0, A::Left,
     true, &Image1},
    {&Form1Label10, "Label10", K::Label, &Frame2, 600, 1080, 255, 255, "X", nullptr, 0, white, 0,
     A::Left, true, nullptr},
    {&liveslbl[2], "liveslbl(2)", K::Label, &Frame2, 840, 960, 255, 375, "3", MSS, 13.5, white, 0,
     A::Left, true, nullptr},
    {&Form1Image8, "Image8", K::Image, &Frame2, 120, 1560, 330, 330, "", nullptr, 0, 0, 0, A::Left,
     true, &Image8},
    {&Form1Label9, "Label9", K::Label, &Frame2, 600, 1560, 255, 255, "X", nullptr, 0, white, 0,
     A::Left, true, nullptr},
    {&bombnumberlbl[2], "bombnumberlbl(2)", K::Label, &Frame2, 840, 1440, 255, 375, "3", MSS, 13.5,
     white, 0, A::Left, true, nullptr},
    {&Form1Image7, "Image7", K::Image, &Frame2, 120, 2040, 330, 330, "", nullptr, 0, 0, 0, A::Left,
     true, &Image7},
    {&Form1Label8, "Label8", K::Label, &Frame2, 600, 2040, 255, 255, "X", nullptr, 0, white, 0,
     A::Left, true, nullptr},
    {&rangelbl[2], "rangelbl(2)", K::Label, &Frame2, 840, 1920, 255, 375, "3", MSS, 13.5, white, 0,
     A::Left, true, nullptr},
    {&Form1Image6, "Image6", K::Image, &Frame2, 120, 2520, 330, 330, "", nullptr, 0, 0, 0, A::Left,
     true, &Image6},
    {&Form1Label4, "Label4", K::Label, &Frame2, 600, 2520, 255, 255, "X", nullptr, 0, white, 0,
     A::Left, true, nullptr},
    {&fuselbl[2], "fuselbl(2)", K::Label, &Frame2, 840, 2400, 255, 375, "3", MSS, 13.5, white, 0,
     A::Left, true, nullptr},
};

// The ten hearts of a scoreboard: four, four and two in three rows.
const int heartplace[10][2] = {{120, 2880}, {360, 2880}, {600, 2880}, {840, 2880}, {120, 3120},
                               {360, 3120}, {600, 3120}, {840, 3120}, {360, 3360}, {600, 3360}};

void placehearts(Control (&hearts)[10], Control& frame, int n) {
    for (int i = 0; i < 10; ++i) {
        Control& c = hearts[i];
        c = Control{};
        c.name = "heart" + std::to_string(n) + "(" + std::to_string(i) + ")";
        c.kind = ControlKind::Image;
        c.parent = &frame;
        c.left = heartplace[i][0];
        c.top = heartplace[i][1];
        c.width = 210;
        c.height = 240;
        c.picture = &heart;
        addcontrol(Form1, c);
    }
}

} // namespace

void form1layout() {
    Form1.caption = "Zoff";
    Form1.icon = &bombpic[0];
    Form1.clientwidth = 796;
    Form1.clientheight = 591;
    Form1.backcolor = 0;
    Form1.controls.clear();
    for (const controldesign& d : form1design) placecontrol(Form1, d);
    placehearts(heart1, Frame1, 1);
    placehearts(heart2, Frame2, 2);
    piccontrol.surface = &pic;

    // The tune lies beside the program, wherever the game is started from.
    Form1MMControl1.FileName = programfile(".\\gimmeall.mid");
    Form1MMControl1.DeviceType = ""; // the media layer picks the device from the file's extension
    Form1MMControl1.owner = &Form1;
}
