#include "platform/font.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <tuple>
#include <utility>

namespace {

// Families fontconfig may answer with when it has no close match for a name.
const char* fallbackfor(const std::string& family) {
    if (family.find("Sans") != std::string::npos) return "Liberation Sans";
    return "Liberation Serif";
}

[[noreturn]] void missingfont(const std::string& what) {
    std::fprintf(stderr, "zoff: %s (install fonts-liberation and fonts-dejavu-core)\n",
                 what.c_str());
    std::exit(1);
}

std::string fcmatch(const std::string& family) {
    if (!FcInit()) return "";
    FcPattern* pat = FcNameParse(reinterpret_cast<const FcChar8*>(family.c_str()));
    if (!pat) return "";
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result;
    FcPattern* match = FcFontMatch(nullptr, pat, &result);
    std::string file;
    if (match) {
        FcChar8* f = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &f) == FcResultMatch && f)
            file = reinterpret_cast<const char*>(f);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pat);
    return file;
}

TTF_Font* openfont(const Font& font) {
    static std::map<std::pair<std::string, int>, TTF_Font*> fonts;
    // Points become pixels at 96 dots per inch.
    int px = int(std::lround(font.points * 96.0 / 72.0));
    auto key = std::make_pair(font.family, px);
    auto it = fonts.find(key);
    if (it != fonts.end()) return it->second;
    if (!TTF_WasInit() && TTF_Init() != 0)
        missingfont(std::string("cannot start SDL_ttf: ") + TTF_GetError());
    std::string file = fontfile(font.family);
    if (file.empty()) missingfont("no font found for \"" + font.family + "\"");
    // TTF_OpenFont's size is in points at 72 dpi, which makes it our pixel size.
    TTF_Font* f = TTF_OpenFont(file.c_str(), px);
    if (!f) missingfont("cannot open font " + file + " for \"" + font.family + "\"");
    fonts[key] = f;
    return f;
}

} // namespace

std::string fontfile(const std::string& family) {
    static std::map<std::string, std::string> files;
    auto it = files.find(family);
    if (it != files.end()) return it->second;
    std::string file = fcmatch(family);
    if (file.empty()) file = fcmatch(fallbackfor(family));
    files[family] = file;
    return file;
}

int lineheight(const Font& font) {
    return TTF_FontLineSkip(openfont(font));
}

const TextMask& rendertext(const Font& font, const std::string& text) {
    static std::map<std::tuple<std::string, double, std::string>, TextMask> cache;
    auto key = std::make_tuple(font.family, font.points, text);
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;
    TextMask& m = cache[key];
    if (text.empty()) return m;
    SDL_Color white{255, 255, 255, 255};
    SDL_Surface* s = TTF_RenderUTF8_Solid(openfont(font), text.c_str(), white);
    if (!s) return m;
    m.width = s->w;
    m.height = s->h;
    m.ink.assign(size_t(m.width) * m.height, 0);
    SDL_LockSurface(s);
    // A solid render is an 8-bit surface: index 0 is the background.
    for (int y = 0; y < s->h; ++y) {
        const auto* row = static_cast<const std::uint8_t*>(s->pixels) + y * s->pitch;
        for (int x = 0; x < s->w; ++x) m.ink[size_t(y) * m.width + x] = row[x] != 0;
    }
    SDL_UnlockSurface(s);
    SDL_FreeSurface(s);
    return m;
}
