// The game window and the controls the game writes to. The controls exist
// from program start, so their captions can be set with no window shown.
#pragma once
#include "platform/window.h"

extern Window Form1;
extern Control piccontrol; // the playfield control, showing the surface pic
extern Control Pauselbl;
extern Control Frame1, Frame2, Frame3;
extern Control timebonuslbl;
extern Control scoreboard[3], liveslbl[3], bombnumberlbl[3], rangelbl[3], fuselbl[3]; // 1, 2
extern Control heart1[10], heart2[10];

// The rest of the window: the "Score" captions (Label1, Label2), the "X" labels
// (Label3 to Label10), the scoreboard icons (Image1 to Image8), the hidden
// picture holders and the hidden media control.
extern Control Form1Label1, Form1Label2, Form1Label3, Form1Label4, Form1Label5, Form1Label6,
    Form1Label7, Form1Label8, Form1Label9, Form1Label10;
extern Control Form1Image1, Form1Image2, Form1Image3, Form1Image4, Form1Image5, Form1Image6,
    Form1Image7, Form1Image8;
extern Control blockimage, rockimage, bombpicimage[7], fusedownimage, fuseupimage, coinpicimage;
extern Control heartimage, halfheartimage, emptyheartimage; // the three heart pictures
extern Control Form1media;                                  // MMControl1 of the game window

// The outer size of the game window (client area and frame) in twips; the
// playfield and the scoreboard column are sized from it.
constexpr int form1outerwidth = 12110, form1outerheight = 9270;

// Lays out every control of the game window at its designed place, caption,
// font and colour; a repeat call puts everything back to the design.
void form1layout();

// The window's event handlers.
void Form_KeyDown(int keycode);                     // Pause and the bomb-grid key
void Form_KeyPress(int ch);                         // Esc ends the program
void Form_Unload();                                 // the close box: as Esc
void pic_MouseDown(int button, double x, double y); // prints the square's bomb mark
void MMControl1_Done();                             // the tune ended: start it again
// Lays the 48 bombs of the hidden grid key (as far as the bomb table has room).
void bombgrid();
