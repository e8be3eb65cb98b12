// Writes pictures of the game's art for a developer to look at: the playfield
// after level setup for levels 0, 1, 2 and one random level, the playfield of
// level 0 with sprites standing about on it, and a contact sheet of every
// sprite sheet and picture with its cells framed and its name printed.
//
//   zoffpictures [folder]      (default folder: "pictures")
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/imagefile.h"
#include "platform/random.h"
#include "playfield/pictures.h"
#include "playfield/playfield.h"
#include "state/levels.h"
#include "state/state.h"

namespace {

// Sets up level n from a fixed seed and returns the playfield's picture.
Picture levelpicture(Integer n, std::uint64_t seed) {
    resetstate();
    setdefaultsettings();
    makeplayfield();
    loadpictures();
    randomize(seed);
    level = n;
    reset();
    return topicture(pic);
}

// p enlarged by a whole factor, so single pixels can be judged.
Picture zoomed(const Picture& p, int f) {
    Picture z;
    z.width = p.width * f;
    z.height = p.height * f;
    z.pixels.resize(size_t(z.width) * z.height);
    for (int y = 0; y < z.height; ++y)
        for (int x = 0; x < z.width; ++x) z.pixels[size_t(y) * z.width + x] = p.at(x / f, y / f);
    return z;
}

bool save(const Picture& p, const std::string& path) {
    bool ok = savepicture(p, path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED to write", path.c_str());
    return ok;
}

Picture contactsheet() {
    const std::vector<namedpicture> entries(allpictures, allpictures + allpicturecount);
    const int width = 1000, margin = 10, framegap = 3, label = 16;
    const Long frame = RGB(255, 0, 255), background = RGB(24, 24, 32);

    // First pass finds the height; second paints.
    auto layout = [&](Surface* s) {
        int x = margin, y = margin, rowh = 0;
        for (const namedpicture& e : entries) {
            int cols = e.sheet ? e.sheet->cols : 1;
            const Picture& first = e.sheet ? e.sheet->cell(0) : *e.picture;
            int w = cols * (first.width + framegap) + framegap;
            int h = label + first.height + 2 * framegap;
            if (x + w > width - margin) {
                x = margin;
                y += rowh + margin;
                rowh = 0;
            }
            if (s) {
                s->forecolor = RGB(230, 230, 230);
                s->currentx = x;
                s->currenty = y;
                std::string caption = std::string(e.name) + "  " + std::to_string(cols) + " x " +
                                      std::to_string(first.width) + "x" +
                                      std::to_string(first.height);
                printtext(*s, caption);
                fillbox(*s, x, y + label, x + w, y + label + first.height + 2 * framegap, frame);
                for (int k = 0; k < cols; ++k) {
                    const Picture& c = e.sheet ? e.sheet->cell(k) : *e.picture;
                    paintpicture(*s, c, x + framegap + k * (first.width + framegap),
                                 y + label + framegap);
                }
            }
            x += std::max(w, 130) + margin;
            rowh = std::max(rowh, h);
        }
        return y + rowh + margin;
    };
    Surface s;
    makesurface(s, width, layout(nullptr), background);
    layout(&s);
    return topicture(s);
}

// Level 0 with every kind of sprite standing on its ground squares.
Picture showcase() {
    levelpicture(0, 1);
    struct Spot {
        int x, y;
        const Picture* p;
    };
    const Spot spots[] = {
        {0, 0, &guy1right.cell(0)},
        {16, 0, &guy2left.cell(1)},
        {1, 0, &guy1down.cell(1)},
        {15, 0, &guy2down.cell(0)},
        {0, 1, &guy1up.cell(1)},
        {16, 1, &guy2up.cell(0)},
        {6, 2, &dinowalkright.cell(0)},
        {9, 2, &dinowalkleft.cell(3)},
        {5, 4, &dinowalkdown.cell(1)},
        {11, 4, &dinowalkup.cell(0)},
        {3, 8, &bombpic[0]},
        {4, 8, &bombpic[3]},
        {5, 8, &bombpic[6]},
        {6, 8, &coinpic},
        {7, 8, &rangeuppic.cell(2)},
        {8, 8, &rangedownpic.cell(0)},
        {9, 8, &bombuppic.cell(3)},
        {10, 8, &boltpic.cell(0)},
        {11, 8, &oneheartpic.cell(1)},
        {12, 8, &tenheartspic.cell(1)},
        {13, 8, &fuseup},
        {14, 8, &fusedown},
        {0, 6, &guy1die.cell(0)},
        {16, 6, &guy2die.cell(5)},
    };
    for (const Spot& s : spots) paintpicture(pic, *s.p, s.x, s.y);
    return topicture(pic);
}

} // namespace

int main(int argc, char** argv) {
    std::string dir = argc > 1 ? argv[1] : "pictures";
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    bool ok = true;
    ok &= save(levelpicture(0, 1), dir + "/level0.png");
    ok &= save(levelpicture(1, 1), dir + "/level1.png");
    ok &= save(levelpicture(2, 1), dir + "/level2.png");
    ok &= save(levelpicture(7, 20261210), dir + "/level7-random.png");
    ok &= save(showcase(), dir + "/showcase.png");
    Picture sheet = contactsheet();
    ok &= save(sheet, dir + "/contactsheet.png");
    ok &= save(zoomed(sheet, 3), dir + "/contactsheet-3x.png");
    return ok ? 0 : 1;
}
