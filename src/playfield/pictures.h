// Every picture and sprite sheet of the game, drawn as pixel art in the source.
// Sprite cells show ground colour wherever there is no figure; scoreboard
// pictures are drawn on grey RGB(63, 63, 63).
#pragma once
#include "platform/surface.h"

// Sprite sheets, one row of cells each.
extern Sheet guy1right, guy1left, guy1down, guy1up; // 4 cells, 42 x 45 (up: 42 x 46)
extern Sheet guy2right, guy2left, guy2down, guy2up;
extern Sheet guy1die, guy2die;                                             // 10 cells, 42 x 45
extern Sheet dinowalkright, dinowalkleft;                                  // 8 cells, 42 x 45
extern Sheet dinowalkup, dinowalkdown;                                     // 4 cells, 42 x 45
extern Sheet rangeuppic, rangedownpic, boltpic, oneheartpic, tenheartspic; // 3 cells
extern Sheet bombuppic;                                                    // 7 cells

// Single pictures.
extern Picture block, rock;                  // 42 x 46 tiles
extern Picture bombpic[7];                   // 42 x 46; 0 bright orange ... 6 dark grey
extern Picture fuseup, fusedown;             // 42 x 45
extern Picture coinpic;                      // 42 x 46
extern Picture heart, halfheart, emptyheart; // 14 x 16
extern Picture Image1, Image2;               // player 2 (20 x 22) and player 1 (22 x 23) icons
extern Picture Image3, Image8;               // bomb icons, 22 x 22
extern Picture Image4, Image7;               // flame cross icons, 22 x 22
extern Picture Image5, Image6;               // FUSE+ icons, 22 x 22
extern Picture titlepicture;                 // the menu's design title, 600 x 150

// Every sheet and picture by its name, sheets first (for the picture tool and
// the tests); exactly one of sheet and picture is set.
struct namedpicture {
    const char* name;
    const Sheet* sheet;
    const Picture* picture;
};
extern const namedpicture allpictures[];
extern const int allpicturecount;

// Builds every picture; call once before drawing (repeat calls do nothing).
void loadpictures();
