// Placeholder pictures until the art is drawn: the right sizes and grids, a
// plain square figure on ground in each cell.
#include "playfield/pictures.h"
#include "state/state.h"
Sheet guy1right, guy1left, guy1down, guy1up, guy2right, guy2left, guy2down, guy2up;
Sheet guy1die, guy2die, dinowalkright, dinowalkleft, dinowalkup, dinowalkdown;
Sheet rangeuppic, rangedownpic, boltpic, oneheartpic, tenheartspic, bombuppic;
Picture block, rock, bombpic[7], fuseup, fusedown, coinpic, heart, halfheart, emptyheart;
Picture Image1, Image2, Image3, Image8, Image4, Image7, Image5, Image6, titlepicture;
static Picture figure(int w, int h, std::uint32_t c, std::uint32_t bg = RGB(48, 120, 48)) {
    Picture p;
    p.width = w;
    p.height = h;
    p.pixels.assign(size_t(w) * h, bg);
    for (int y = h / 4; y < h * 3 / 4; ++y)
        for (int x = w / 4; x < w * 3 / 4; ++x) p.pixels[size_t(y) * w + x] = c;
    return p;
}
static Sheet sheet(int cols, int h, std::uint32_t c) {
    return makesheet(figure(42 * cols, h, c), cols);
}
void loadpictures() {
    if (rock.width) return;
    rock = figure(42, 46, RGB(128, 128, 128), RGB(90, 90, 90));
    block = figure(42, 46, RGB(160, 90, 40), RGB(120, 60, 20));
    guy1right = sheet(4, 45, RGB(40, 80, 220));
    guy1left = sheet(4, 45, RGB(40, 80, 220));
    guy1down = sheet(4, 45, RGB(40, 80, 220));
    guy1up = sheet(4, 46, RGB(40, 80, 220));
    guy2right = sheet(4, 45, RGB(220, 40, 40));
    guy2left = sheet(4, 45, RGB(220, 40, 40));
    guy2down = sheet(4, 45, RGB(220, 40, 40));
    guy2up = sheet(4, 46, RGB(220, 40, 40));
    guy1die = sheet(10, 45, RGB(40, 80, 220));
    guy2die = sheet(10, 45, RGB(220, 40, 40));
    dinowalkright = sheet(8, 45, RGB(200, 200, 40));
    dinowalkleft = sheet(8, 45, RGB(200, 200, 40));
    dinowalkup = sheet(4, 45, RGB(200, 200, 40));
    dinowalkdown = sheet(4, 45, RGB(200, 200, 40));
    rangeuppic = sheet(3, 45, RGB(255, 200, 0));
    rangedownpic = sheet(3, 45, RGB(60, 60, 60));
    bombuppic = sheet(7, 45, RGB(10, 10, 10));
    boltpic = sheet(3, 45, RGB(255, 255, 200));
    oneheartpic = sheet(3, 45, RGB(255, 0, 0));
    tenheartspic = sheet(3, 45, RGB(255, 60, 60));
    for (int k = 0; k < 7; ++k) bombpic[k] = figure(42, 46, RGB(255 - 30 * k, 120 - 10 * k, 40));
    fuseup = figure(42, 45, RGB(255, 255, 255));
    fusedown = figure(42, 45, RGB(200, 200, 200));
    coinpic = figure(42, 46, RGB(255, 220, 0));
    const std::uint32_t grey = RGB(63, 63, 63);
    heart = figure(14, 16, RGB(255, 0, 0), grey);
    halfheart = figure(14, 16, RGB(128, 0, 0), grey);
    emptyheart = figure(14, 16, RGB(20, 20, 20), grey);
    Image2 = figure(22, 23, RGB(40, 80, 220), grey);
    Image1 = figure(20, 22, RGB(220, 40, 40), grey);
    Image3 = Image8 = figure(22, 22, RGB(0, 0, 0), grey);
    Image4 = Image7 = figure(22, 22, RGB(255, 160, 0), grey);
    Image5 = Image6 = figure(22, 22, RGB(255, 255, 255), grey);
    titlepicture = figure(600, 150, RGB(255, 100, 0), 0);
}
