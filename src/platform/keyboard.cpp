// The keyboard: the table of held keys kept from key events, and the
// translation of SDL's key events into Windows virtual-key codes and typed
// characters.
#include "platform/keyboard.h"

#include <SDL.h>

#include <cctype>
#include <cstring>

#include "platform/gamepad.h"

namespace {

// Held keys by physical position, so the table does not follow the layout.
bool held[SDL_NUM_SCANCODES];

struct KeyName {
    int vk;
    SDL_Scancode scancode;
};

// Virtual-key codes of the keys that are not letters or digits. A code may
// have two keys (both Ctrl keys, both Enter keys); the first is the one a
// scripted key presses.
const KeyName keynames[] = {
    {8, SDL_SCANCODE_BACKSPACE},      {9, SDL_SCANCODE_TAB},
    {13, SDL_SCANCODE_RETURN},        {13, SDL_SCANCODE_KP_ENTER},
    {16, SDL_SCANCODE_LSHIFT},        {16, SDL_SCANCODE_RSHIFT},
    {17, SDL_SCANCODE_LCTRL},         {17, SDL_SCANCODE_RCTRL},
    {18, SDL_SCANCODE_LALT},          {18, SDL_SCANCODE_RALT},
    {19, SDL_SCANCODE_PAUSE},         {20, SDL_SCANCODE_CAPSLOCK},
    {27, SDL_SCANCODE_ESCAPE},        {32, SDL_SCANCODE_SPACE},
    {33, SDL_SCANCODE_PAGEUP},        {34, SDL_SCANCODE_PAGEDOWN},
    {35, SDL_SCANCODE_END},           {36, SDL_SCANCODE_HOME},
    {37, SDL_SCANCODE_LEFT},          {38, SDL_SCANCODE_UP},
    {39, SDL_SCANCODE_RIGHT},         {40, SDL_SCANCODE_DOWN},
    {45, SDL_SCANCODE_INSERT},        {46, SDL_SCANCODE_DELETE},
    {96, SDL_SCANCODE_KP_0},          {97, SDL_SCANCODE_KP_1},
    {98, SDL_SCANCODE_KP_2},          {99, SDL_SCANCODE_KP_3},
    {100, SDL_SCANCODE_KP_4},         {101, SDL_SCANCODE_KP_5},
    {102, SDL_SCANCODE_KP_6},         {103, SDL_SCANCODE_KP_7},
    {104, SDL_SCANCODE_KP_8},         {105, SDL_SCANCODE_KP_9},
    {106, SDL_SCANCODE_KP_MULTIPLY},  {107, SDL_SCANCODE_KP_PLUS},
    {109, SDL_SCANCODE_KP_MINUS},     {110, SDL_SCANCODE_KP_PERIOD},
    {111, SDL_SCANCODE_KP_DIVIDE},    {144, SDL_SCANCODE_NUMLOCKCLEAR},
    {145, SDL_SCANCODE_SCROLLLOCK},   {186, SDL_SCANCODE_SEMICOLON},
    {187, SDL_SCANCODE_EQUALS},       {188, SDL_SCANCODE_COMMA},
    {189, SDL_SCANCODE_MINUS},        {190, SDL_SCANCODE_PERIOD},
    {191, SDL_SCANCODE_SLASH},        {192, SDL_SCANCODE_GRAVE},
    {219, SDL_SCANCODE_LEFTBRACKET},  {220, SDL_SCANCODE_BACKSLASH},
    {221, SDL_SCANCODE_RIGHTBRACKET}, {222, SDL_SCANCODE_APOSTROPHE},
};

// Scancodes of a virtual-key code: up to two keys.
int scancodesof(int vk, SDL_Scancode out[2]) {
    if (vk >= 'A' && vk <= 'Z') {
        out[0] = SDL_Scancode(SDL_SCANCODE_A + (vk - 'A'));
        return 1;
    }
    if (vk >= '1' && vk <= '9') {
        out[0] = SDL_Scancode(SDL_SCANCODE_1 + (vk - '1'));
        return 1;
    }
    if (vk == '0') {
        out[0] = SDL_SCANCODE_0;
        return 1;
    }
    if (vk >= 112 && vk <= 123) {
        out[0] = SDL_Scancode(SDL_SCANCODE_F1 + (vk - 112));
        return 1;
    }
    int n = 0;
    for (const KeyName& k : keynames)
        if (k.vk == vk && n < 2) out[n++] = k.scancode;
    return n;
}

// What the shifted keys of a US keyboard type.
char shifted(char c) {
    const char* from = "1234567890-=[]\\;',./`";
    const char* to = "!@#$%^&*()_+{}|:\"<>?~";
    const char* p = std::strchr(from, c);
    return p && *p ? to[p - from] : c;
}

} // namespace

void notekey(int scancode, bool down) {
    if (scancode > 0 && scancode < SDL_NUM_SCANCODES) held[scancode] = down;
}

bool keyheld(int keycode) {
    SDL_Scancode sc[2];
    int n = scancodesof(keycode, sc);
    for (int i = 0; i < n; ++i)
        if (held[sc[i]]) return true;
    return padheld(keycode);
}

void releaseallkeys() {
    for (bool& h : held) h = false;
}

int scancodeof(int vk) {
    SDL_Scancode sc[2];
    return scancodesof(vk, sc) > 0 ? int(sc[0]) : 0;
}

int virtualkey(int keycode, int scancode) {
    // Letters and digits follow the layout, as Windows' codes do.
    if (keycode >= 'a' && keycode <= 'z') return keycode - 'a' + 'A';
    if (keycode >= '0' && keycode <= '9') return keycode;
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z)
        return 'A' + (scancode - SDL_SCANCODE_A);
    if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12)
        return 112 + (scancode - SDL_SCANCODE_F1);
    for (const KeyName& k : keynames)
        if (k.scancode == scancode) return k.vk;
    return 0;
}

int typedchar(int keycode, int modifiers) {
    switch (keycode) {
    case SDLK_ESCAPE:
        return 27;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return 13;
    case SDLK_BACKSPACE:
        return 8;
    case SDLK_TAB:
        return 9;
    default:
        break;
    }
    // Alt with a key is a menu shortcut on Windows and types nothing.
    if (modifiers & (KMOD_ALT | KMOD_GUI)) return 0;
    bool shift = (modifiers & KMOD_SHIFT) != 0;
    bool ctrl = (modifiers & KMOD_CTRL) != 0;
    if (keycode >= 'a' && keycode <= 'z') {
        if (ctrl) return keycode - 'a' + 1;
        bool upper = shift != ((modifiers & KMOD_CAPS) != 0);
        return upper ? keycode - 'a' + 'A' : keycode;
    }
    if (keycode >= 32 && keycode <= 126) {
        if (ctrl) return 0;
        return shift ? shifted(char(keycode)) : keycode;
    }
    if (modifiers & KMOD_NUM) {
        if (keycode >= SDLK_KP_1 && keycode <= SDLK_KP_9) return '1' + (keycode - SDLK_KP_1);
        if (keycode == SDLK_KP_0) return '0';
        if (keycode == SDLK_KP_PERIOD) return '.';
    }
    switch (keycode) {
    case SDLK_KP_MULTIPLY:
        return '*';
    case SDLK_KP_PLUS:
        return '+';
    case SDLK_KP_MINUS:
        return '-';
    case SDLK_KP_DIVIDE:
        return '/';
    default:
        return 0;
    }
}
