// Placeholder pictures until the art is drawn: plain blocks of the right sizes.
#include "playfield/pictures.h"
Sheet guy1right, guy1left, guy1down, guy1up, guy2right, guy2left, guy2down, guy2up;
Sheet guy1die, guy2die, dinowalkright, dinowalkleft, dinowalkup, dinowalkdown;
Sheet rangeuppic, rangedownpic, boltpic, oneheartpic, tenheartspic, bombuppic;
Picture block, rock, bombpic[7], fuseup, fusedown, coinpic, heart, halfheart, emptyheart;
Picture Image1, Image2, Image3, Image8, Image4, Image7, Image5, Image6, titlepicture;
static Picture plain(int w, int h, std::uint32_t c) {
    Picture p;
    p.width = w;
    p.height = h;
    p.pixels.assign(size_t(w) * h, c);
    return p;
}
void loadpictures() {
    if (rock.width) return;
    rock = plain(42, 46, 0x808080);
    block = plain(42, 46, 0x3060a0);
}
