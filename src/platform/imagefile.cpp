#include "platform/imagefile.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>

bool loadbmp(const std::string& path, Picture& out) {
    SDL_Surface* raw = SDL_LoadBMP(path.c_str());
    if (!raw) return false;
    SDL_Surface* s = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_XBGR8888, 0);
    SDL_FreeSurface(raw);
    if (!s) return false;
    out.width = s->w;
    out.height = s->h;
    out.pixels.resize(size_t(s->w) * s->h);
    SDL_LockSurface(s);
    for (int y = 0; y < s->h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(
            static_cast<const char*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < s->w; ++x) out.pixels[size_t(y) * s->w + x] = row[x] & 0xFFFFFFu;
    }
    SDL_UnlockSurface(s);
    SDL_FreeSurface(s);
    return true;
}

bool savepicture(const Picture& p, const std::string& path) {
    bool png = path.size() > 4 && path.compare(path.size() - 4, 4, ".png") == 0;
    std::string bmp = png ? path + ".tmp.bmp" : path;
    SDL_Surface* s =
        SDL_CreateRGBSurfaceWithFormat(0, p.width, p.height, 32, SDL_PIXELFORMAT_XBGR8888);
    if (!s) return false;
    SDL_LockSurface(s);
    for (int y = 0; y < p.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(static_cast<char*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < p.width; ++x) row[x] = p.at(x, y) | 0xFF000000u;
    }
    SDL_UnlockSurface(s);
    bool ok = SDL_SaveBMP(s, bmp.c_str()) == 0;
    SDL_FreeSurface(s);
    if (ok && png) {
        std::string cmd = "convert '" + bmp + "' '" + path + "' 2>/dev/null";
        ok = std::system(cmd.c_str()) == 0;
        std::remove(bmp.c_str());
    }
    return ok;
}

Picture topicture(const Surface& s) {
    Picture p;
    p.width = s.width;
    p.height = s.height;
    p.pixels = s.pixels;
    return p;
}
