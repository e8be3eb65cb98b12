// The Yes/No question: a small modal box of our own, drawn over the window
// that has the focus, with its own event loop until it is answered.
#include "platform/msgbox.h"

#include <SDL.h>

#include <algorithm>
#include <deque>
#include <sstream>
#include <vector>

#include "platform/font.h"
#include "platform/keyboard.h"
#include "platform/media.h"
#include "platform/window.h"

namespace {

std::deque<bool> answers;
std::string asked;

constexpr Long boxface = 0xC0C0C0;  // classic button face
constexpr Long boxtitle = 0x800000; // the title bar's dark blue, RGB(0, 0, 128)
constexpr Long boxshadow = 0x808080;
constexpr Long boxdarkshadow = 0x000000;
constexpr Long boxhighlight = 0xFFFFFF;
constexpr Long iconblue = 0xFF0000; // RGB(0, 0, 255)

const Font boxfont{"MS Sans Serif", 8};

struct Box {
    int x = 0, y = 0, width = 0, height = 0; // in the window, pixels
    SDL_Rect yes{}, no{};                    // the buttons, window pixels
};

std::vector<std::string> linesof(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    if (lines.empty()) lines.push_back("");
    return lines;
}

void fill(Picture& p, int x0, int y0, int x1, int y1, Long c) {
    x0 = std::max(x0, 0);
    y0 = std::max(y0, 0);
    x1 = std::min(x1, p.width);
    y1 = std::min(y1, p.height);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) p.pixels[size_t(y) * p.width + x] = std::uint32_t(c);
}

void text(Picture& p, int x, int y, const std::string& s, Long c) {
    const TextMask& m = rendertext(boxfont, s);
    for (int ty = 0; ty < m.height; ++ty)
        for (int tx = 0; tx < m.width; ++tx) {
            int px = x + tx, py = y + ty;
            if (m.ink[size_t(ty) * m.width + tx] && px >= 0 && py >= 0 && px < p.width &&
                py < p.height)
                p.pixels[size_t(py) * p.width + px] = std::uint32_t(c);
        }
}

// A raised 3D edge around a rectangle (or a sunken one while pressed).
void edge(Picture& p, int x0, int y0, int x1, int y1, bool pressed) {
    Long light = pressed ? boxdarkshadow : boxhighlight;
    Long dark = pressed ? boxhighlight : boxdarkshadow;
    fill(p, x0, y0, x1, y0 + 1, light);
    fill(p, x0, y0, x0 + 1, y1, light);
    fill(p, x0, y1 - 1, x1, y1, dark);
    fill(p, x1 - 1, y0, x1, y1, dark);
    fill(p, x0 + 1, y1 - 2, x1 - 1, y1 - 1, boxshadow);
    fill(p, x1 - 2, y0 + 1, x1 - 1, y1 - 1, boxshadow);
}

// The question icon: a blue disc with a white question mark.
void questionicon(Picture& p, int x0, int y0) {
    const int r = 15;
    for (int y = -r; y <= r; ++y)
        for (int x = -r; x <= r; ++x)
            if (x * x + y * y <= r * r)
                fill(p, x0 + r + x, y0 + r + y, x0 + r + x + 1, y0 + r + y + 1, iconblue);
    Font big{"MS Sans Serif", 16};
    const TextMask& m = rendertext(big, "?");
    for (int ty = 0; ty < m.height; ++ty)
        for (int tx = 0; tx < m.width; ++tx)
            if (m.ink[size_t(ty) * m.width + tx]) {
                int px = x0 + r - m.width / 2 + tx, py = y0 + r - m.height / 2 + ty;
                fill(p, px, py, px + 1, py + 1, boxhighlight);
            }
}

Box layout(const Window& w, const std::vector<std::string>& lines) {
    int textw = 0, lh = lineheight(boxfont);
    for (const std::string& l : lines) textw = std::max(textw, rendertext(boxfont, l).width);
    const int titleh = 18, icon = 32, bw = 75, bh = 23;
    Box b;
    b.width = std::max(12 + icon + 12 + textw + 16, 2 * bw + 48);
    int texth = int(lines.size()) * lh;
    b.height = titleh + 12 + std::max(icon, texth) + 16 + bh + 12;
    b.x = (w.clientwidth - b.width) / 2;
    b.y = (w.clientheight - b.height) / 2;
    int by = b.y + b.height - 12 - bh;
    int bx = b.x + (b.width - (2 * bw + 8)) / 2;
    b.yes = {bx, by, bw, bh};
    b.no = {bx + bw + 8, by, bw, bh};
    return b;
}

void drawbutton(Picture& p, const SDL_Rect& r, const std::string& caption, bool pressed) {
    fill(p, r.x, r.y, r.x + r.w, r.y + r.h, boxface);
    edge(p, r.x, r.y, r.x + r.w, r.y + r.h, pressed);
    const TextMask& m = rendertext(boxfont, caption);
    int d = pressed ? 1 : 0;
    text(p, r.x + (r.w - m.width) / 2 + d, r.y + (r.h - m.height) / 2 + d, caption, boxdarkshadow);
}

// The window's picture with the box over it.
Picture drawbox(const Window& w, const Picture& under, const std::vector<std::string>& lines,
                const Box& b, int pressed) {
    Picture p = under;
    fill(p, b.x, b.y, b.x + b.width, b.y + b.height, boxface);
    edge(p, b.x, b.y, b.x + b.width, b.y + b.height, false);
    // An empty title bar.
    fill(p, b.x + 3, b.y + 3, b.x + b.width - 3, b.y + 3 + 18, boxtitle);
    int top = b.y + 18 + 12;
    questionicon(p, b.x + 12, top);
    int lh = lineheight(boxfont);
    int texth = int(lines.size()) * lh;
    int ty = top + std::max(0, (32 - texth) / 2);
    for (std::size_t i = 0; i < lines.size(); ++i)
        text(p, b.x + 12 + 32 + 12, ty + int(i) * lh, lines[i], boxdarkshadow);
    drawbutton(p, b.yes, "Yes", pressed == 1);
    drawbutton(p, b.no, "No", pressed == 2);
    (void)w;
    return p;
}

bool inside(const SDL_Rect& r, int x, int y) {
    return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;
}

// Which button a point is on: 1 Yes, 2 No, 0 none.
int buttonat(const Box& b, int x, int y) {
    return inside(b.yes, x, y) ? 1 : inside(b.no, x, y) ? 2 : 0;
}

// Which button a point of the window (as the mouse reports it) is on.
int pointedbutton(const Window& w, const Box& b, int x, int y) {
    int px = 0, py = 0;
    return windowpoint(w, x, y, px, py) ? buttonat(b, px, py) : 0;
}

// Runs the box over w until it is answered.
bool runbox(Window& w, const std::string& question) {
    std::vector<std::string> lines = linesof(question);
    Box b = layout(w, lines);
    Picture under = composewindow(w);
    int pressed = 0, answer = 0;
    bool redraw = true;
    // The mouse may still be held from the click that led here: only a press
    // made inside the box counts.
    while (answer == 0) {
        if (redraw) {
            presentpicture(w, drawbox(w, under, lines, b, pressed));
            redraw = false;
        }
        SDL_Event e;
        if (!nextevent(e, 100)) {
            continue;
        }
        switch (e.type) {
        case SDL_KEYDOWN:
            notekey(e.key.keysym.scancode, true);
            if (fullscreenkey(w, e.key.keysym.sym, e.key.keysym.mod, e.key.repeat)) {
                redraw = true;
                break;
            }
            if (e.key.keysym.sym == SDLK_y) answer = 1;
            if (e.key.keysym.sym == SDLK_n) answer = 2;
            if (e.key.keysym.sym == SDLK_RETURN || e.key.keysym.sym == SDLK_KP_ENTER) answer = 1;
            break;
        case SDL_KEYUP:
            notekey(e.key.keysym.scancode, false);
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (e.button.button == SDL_BUTTON_LEFT) {
                pressed = pointedbutton(w, b, e.button.x, e.button.y);
                redraw = true;
            }
            break;
        case SDL_MOUSEBUTTONUP:
            if (e.button.button == SDL_BUTTON_LEFT && pressed) {
                if (pointedbutton(w, b, e.button.x, e.button.y) == pressed) answer = pressed;
                pressed = 0;
                redraw = true;
            }
            break;
        case SDL_WINDOWEVENT:
            // Closing does nothing while the question waits; the focus going
            // elsewhere lets go of the held keys.
            if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) releaseallkeys();
            if (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
                e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
                redraw = true;
            break;
        default:
            // The music keeps looping under the box.
            if (e.type == Uint32(musicdoneevent()) && e.user.data1) {
                Window* o = static_cast<MediaControl*>(e.user.data1)->owner;
                if (o && o->onmusicdone) o->onmusicdone();
            }
            break;
        }
    }
    presentpicture(w, under);
    return answer == 1;
}

} // namespace

bool askyesno(const std::string& question) {
    asked = question;
    if (!answers.empty()) {
        bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    // With nothing on a screen nobody could answer: the question is taken as No.
    if (!screenshown()) return false;
    if (Window* w = activewindow()) return runbox(*w, question);
    // No window to stand over: the box gets one of its own.
    Window own;
    own.caption = "";
    own.backcolor = boxface;
    std::vector<std::string> lines = linesof(question);
    Box b = layout(own, lines);
    own.clientwidth = b.width;
    own.clientheight = b.height;
    showwindow(own);
    bool yes = runbox(own, question);
    unloadwindow(own);
    return yes;
}

void clearanswers() {
    answers.clear();
}

void queueanswer(bool yes) {
    answers.push_back(yes);
}

const std::string& lastquestion() {
    return asked;
}
