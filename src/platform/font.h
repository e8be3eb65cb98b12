// Text in the fonts the windows ask for by family name, found through
// fontconfig and rendered with SDL2_ttf as sharp (not antialiased) masks.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct Font {
    std::string family = "MS Sans Serif"; // the default interface font
    double points = 8;
};

// One line of text rendered as a coverage mask: 1 where the text's ink is.
struct TextMask {
    int width = 0, height = 0;
    std::vector<std::uint8_t> ink;
};

// The mask of text in font; cached, so a caption drawn every repaint costs a lookup.
const TextMask& rendertext(const Font& font, const std::string& text);
// The font file fontconfig chooses for a family ("" when none is found).
std::string fontfile(const std::string& family);
// Height in pixels of a line of the font.
int lineheight(const Font& font);
