#include "playfield/playfield.h"

#include "playfield/pictures.h"
#include "state/state.h"

Surface pic;

void makeplayfield() {
    Font keepfont = pic.font;
    makesurface(pic, picwidthpx, picheightpx, 0xFFFFFF);
    setscale(pic, 17, 13);
    pic.font = keepfont;
}

void drawsquare(Integer x, Integer y) {
    pic.drawwidth = 1;
    Single kind = square[x][y].kind;
    if (kind == 1)
        fillbox(pic, x, y, x + 1, y + 1, groundcolor);
    else if (kind == 2)
        paintpicture(pic, rock, x, y);
    else if (kind == 3)
        paintpicture(pic, block, x, y);
}
