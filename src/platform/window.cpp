// Windows: composing a control tree into one picture, showing it in an SDL
// window, and the event processing that runs the windows' handlers.
#include "platform/window.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>
#include <thread>

#include "platform/gamepad.h"
#include "platform/keyboard.h"
#include "platform/media.h"

namespace {

// ---------------------------------------------------------------------------
// Composition

// A pixel rectangle, right and bottom exclusive.
struct Rect {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool empty() const { return x0 >= x1 || y0 >= y1; }
    bool contains(int x, int y) const { return x >= x0 && x < x1 && y >= y0 && y < y1; }
};

Rect intersect(Rect a, Rect b) {
    return {std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
}

// The smallest box holding both.
Rect unite(Rect a, Rect b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

bool same(Rect a, Rect b) {
    return a.x0 == b.x0 && a.y0 == b.y0 && a.x1 == b.x1 && a.y1 == b.y1;
}

// Twips to whole pixels, rounding down (boxes may start left of the window).
int topixels(int twips) {
    return int(std::floor(twips / double(twipsperpixel)));
}

// Frames, the playfield and the platform controls lie in front of the labels
// and images of the same parent.
bool frontgroup(const Control& c) {
    return c.kind != ControlKind::Label && c.kind != ControlKind::Image;
}

// Kinds that never show anything.
bool drawless(const Control& c) {
    return c.kind == ControlKind::Media || c.kind == ControlKind::Clip;
}

// A control's top-left corner relative to its parent, in twips: the playfield
// stands where its surface is placed.
int leftof(const Control& c) {
    return c.kind == ControlKind::Playfield && c.surface ? c.surface->left : c.left;
}
int topof(const Control& c) {
    return c.kind == ControlKind::Playfield && c.surface ? c.surface->top : c.top;
}

// A control's box in window pixels, given its parent's corner in twips.
Rect boxof(const Control& c, int parentx, int parenty) {
    int x = parentx + leftof(c), y = parenty + topof(c);
    Rect r{topixels(x), topixels(y), 0, 0};
    if (c.kind == ControlKind::Playfield && c.surface) {
        r.x1 = r.x0 + c.surface->width;
        r.y1 = r.y0 + c.surface->height;
    } else {
        r.x1 = topixels(x + c.width);
        r.y1 = topixels(y + c.height);
    }
    return r;
}

// The children of parent (nullptr: the client area) from front to back.
std::vector<Control*> frontfirst(const Window& w, const Control* parent) {
    std::vector<Control*> out;
    for (bool front : {true, false})
        for (Control* c : w.controls)
            if (c->parent == parent && frontgroup(*c) == front) out.push_back(c);
    return out;
}

void fill(Picture& p, Rect clip, Rect r, Long colour) {
    r = intersect(intersect(r, clip), {0, 0, p.width, p.height});
    if (r.x1 <= r.x0) return; // wholly outside: a box parked beside the window
    for (int y = r.y0; y < r.y1; ++y)
        std::fill(&p.pixels[size_t(y) * p.width + r.x0], &p.pixels[size_t(y) * p.width + r.x1],
                  std::uint32_t(colour));
}

void plot(Picture& p, Rect clip, int x, int y, Long colour) {
    if (clip.contains(x, y) && x >= 0 && y >= 0 && x < p.width && y < p.height)
        p.pixels[size_t(y) * p.width + x] = std::uint32_t(colour);
}

// Draws a line of text with its top-left at (x, y), only its ink.
void drawtext(Picture& p, Rect clip, int x, int y, const Font& font, const std::string& text,
              Long colour) {
    const TextMask& m = rendertext(font, text);
    for (int ty = 0; ty < m.height; ++ty)
        for (int tx = 0; tx < m.width; ++tx)
            if (m.ink[size_t(ty) * m.width + tx]) plot(p, clip, x + tx, y + ty, colour);
}

void drawframe(Picture& p, Rect clip, Rect box, const Control& c) {
    fill(p, clip, box, c.backcolor);
    // The outline runs through the middle of the caption's line, and the
    // caption stands on a gap in it at the top left.
    int half = c.caption.empty() ? 0 : rendertext(c.font, c.caption).height / 2;
    Rect line{box.x0, box.y0 + half, box.x1 - 1, box.y1 - 1};
    auto outline = [&](Rect r, Long colour) {
        fill(p, clip, {r.x0, r.y0, r.x1, r.y0 + 1}, colour);
        fill(p, clip, {r.x0, r.y1 - 1, r.x1, r.y1}, colour);
        fill(p, clip, {r.x0, r.y0, r.x0 + 1, r.y1}, colour);
        fill(p, clip, {r.x1 - 1, r.y0, r.x1, r.y1}, colour);
    };
    outline({line.x0 + 1, line.y0 + 1, line.x1 + 1, line.y1 + 1}, framehighlight);
    outline(line, frameshadow);
    if (c.caption.empty()) return;
    const TextMask& m = rendertext(c.font, c.caption);
    int tx = box.x0 + 8;
    fill(p, clip, {tx - 2, box.y0, tx + m.width + 2, box.y0 + m.height}, c.backcolor);
    drawtext(p, clip, tx, box.y0, c.font, c.caption, c.forecolor);
}

void drawlabel(Picture& p, Rect clip, Rect box, const Control& c) {
    const TextMask& m = rendertext(c.font, c.caption);
    int x = box.x0;
    if (c.alignment == Align::Right) x = box.x1 - m.width;
    if (c.alignment == Align::Center) x = box.x0 + (box.x1 - box.x0 - m.width) / 2;
    drawtext(p, intersect(clip, box), x, box.y0, c.font, c.caption, c.forecolor);
}

void drawimage(Picture& p, Rect clip, Rect box, const Control& c) {
    if (!c.picture) return;
    const Picture& src = *c.picture;
    Rect r = intersect(intersect(clip, {box.x0, box.y0, box.x0 + src.width, box.y0 + src.height}),
                       {0, 0, p.width, p.height});
    for (int y = r.y0; y < r.y1; ++y)
        for (int x = r.x0; x < r.x1; ++x)
            p.pixels[size_t(y) * p.width + x] = src.at(x - box.x0, y - box.y0);
}

void drawplayfield(Picture& p, Rect clip, Rect box, const Control& c) {
    if (!c.surface) return;
    const Surface& s = *c.surface;
    Rect r = intersect(intersect(clip, box), {0, 0, p.width, p.height});
    if (r.empty()) return;
    for (int y = r.y0; y < r.y1; ++y)
        std::memcpy(&p.pixels[size_t(y) * p.width + r.x0],
                    &s.pixels[size_t(y - box.y0) * s.width + (r.x0 - box.x0)],
                    size_t(r.x1 - r.x0) * sizeof(std::uint32_t));
}

// A spin control: an up arrow over a down arrow, orange on dark red.
void drawspin(Picture& p, Rect clip, Rect box) {
    fill(p, clip, box, controldarkred);
    int w = box.x1 - box.x0, h = box.y1 - box.y0;
    int half = h / 2;
    int cx = box.x0 + w / 2;
    int rows = std::max(1, std::min(half - 2, w / 2 - 1));
    for (int i = 0; i < rows; ++i) {
        int up = box.y0 + (half - rows) / 2 + i;          // widens downwards
        int down = box.y0 + half + (half - rows) / 2 + i; // narrows downwards
        fill(p, clip, {cx - i, up, cx + i + 1, up + 1}, controlorange);
        int k = rows - 1 - i;
        fill(p, clip, {cx - k, down, cx + k + 1, down + 1}, controlorange);
    }
    fill(p, clip, {box.x0, box.y0 + half, box.x1, box.y0 + half + 1}, controlorange);
}

// A gauge: an orange bar from the left, as long as value is far from min to max.
void drawgauge(Picture& p, Rect clip, Rect box, const Control& c) {
    fill(p, clip, box, controldarkred);
    if (c.max <= c.min) return;
    double f = std::clamp(double(c.value - c.min) / (c.max - c.min), 0.0, 1.0);
    int len = int(std::lround(f * (box.x1 - box.x0)));
    fill(p, clip, {box.x0, box.y0, box.x0 + len, box.y1}, controlorange);
}

void drawcontrol(Picture& p, Rect clip, Rect box, const Control& c) {
    switch (c.kind) {
    case ControlKind::Frame:
        drawframe(p, clip, box, c);
        break;
    case ControlKind::Label:
        drawlabel(p, clip, box, c);
        break;
    case ControlKind::Image:
        drawimage(p, clip, box, c);
        break;
    case ControlKind::Playfield:
        drawplayfield(p, clip, box, c);
        break;
    case ControlKind::Spin:
        drawspin(p, clip, box);
        break;
    case ControlKind::Gauge:
        drawgauge(p, clip, box, c);
        break;
    case ControlKind::Media:
    case ControlKind::Clip:
        break;
    }
}

// Whether a control and its children draw nothing inside clip. Labels, the
// playfield, spins and gauges keep to their boxes; an image reaches as far as
// its picture; a frame's caption may stand out of its box, so frames are drawn.
bool outside(const Control& c, Rect box, Rect clip) {
    if (c.kind == ControlKind::Frame) return false;
    Rect reach = box;
    if (c.kind == ControlKind::Image && c.picture)
        reach = {box.x0, box.y0, std::max(box.x1, box.x0 + c.picture->width),
                 std::max(box.y1, box.y0 + c.picture->height)};
    return intersect(reach, clip).empty();
}

// Paints the children of parent back to front, each with its own children
// over it, clipped to the parent.
void drawchildren(Picture& p, const Window& w, const Control* parent, int px, int py, Rect clip) {
    std::vector<Control*> order = frontfirst(w, parent);
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const Control& c = **it;
        if (!c.visible || drawless(c)) continue;
        Rect box = boxof(c, px, py);
        if (outside(c, box, clip)) continue;
        drawcontrol(p, clip, box, c);
        drawchildren(p, w, &c, px + leftof(c), py + topof(c), intersect(clip, box));
    }
}

// Composes the box of a window into p again (p is the window's size, or is
// made so and composed whole).
void composebox(Picture& p, const Window& w, Rect box) {
    if (p.width != w.clientwidth || p.height != w.clientheight) {
        p.width = w.clientwidth;
        p.height = w.clientheight;
        p.pixels.assign(size_t(p.width) * p.height, 0);
        box = {0, 0, p.width, p.height};
    }
    fill(p, box, box, w.backcolor);
    drawchildren(p, w, nullptr, 0, 0, box);
}

// The front-most visible control under pixel (x, y), and its box.
Control* hit(const Window& w, const Control* parent, int px, int py, Rect clip, int x, int y,
             Rect& box) {
    for (Control* c : frontfirst(w, parent)) {
        if (!c->visible || drawless(*c)) continue;
        Rect b = boxof(*c, px, py);
        Rect inside = intersect(clip, b);
        if (!inside.contains(x, y)) continue;
        if (Control* child = hit(w, c, px + leftof(*c), py + topof(*c), inside, x, y, box))
            return child;
        box = b;
        return c;
    }
    return nullptr;
}

// ---------------------------------------------------------------------------
// Native windows

// What the platform keeps for a shown window. The window is the main
// thread's; the renderer and texture are the presenter's.
struct Native {
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    // The window's picture passes from thread to thread in three copies, and
    // only the parts that changed are copied on: composed is the main
    // thread's and always whole; pending holds what was handed over, of which
    // pendingbox is not shown yet; showing is the presenter's.
    Picture composed, pending, showing;
    Rect pendingbox;
    bool haspending = false;
    // Each control's look and reach when last presented, and the window's colour.
    struct Seen {
        const Control* control = nullptr;
        std::size_t look = 0;
        Rect reach;
    };
    std::vector<Seen> seen;
    Long seenback = -1;
    std::vector<Rect> damage;                  // what the present being made composes again
    bool dirty = true;                         // present again even if the look did not change
    Uint64 lastpresent = 0;                    // SDL ticks of the last present
    Control* pressed = nullptr;                // where the last mouse button went down
    std::map<const Control*, int> gaugevalues; // gauge values last seen, for onchange
};

// With ZOFF_TRACE set in the environment every present (composed on the main
// thread, then shown by the presenter) and every mouse button going down is
// written to standard error with its time since the program started, for
// measuring start-up and the cost and rate of presents.
const auto programstart = std::chrono::steady_clock::now();
// The first line gives the moment the program started on the system's clock
// (milliseconds since 1970), so that a measurement from outside can join on.
const bool tracing = [] {
    if (!std::getenv("ZOFF_TRACE")) return false;
    double epoch = std::chrono::duration<double, std::milli>(
                       std::chrono::system_clock::now().time_since_epoch())
                       .count();
    std::fprintf(stderr, "zoff-trace 0.000 start %.3f\n", epoch);
    return true;
}();
PresentStats presenttally; // the main thread's half of the figures

double msrunning() {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() -
                                                     programstart)
        .count();
}

// ---------------------------------------------------------------------------
// The presenter
//
// A thread of its own puts the composed pictures on the screen, so the frame
// loop never waits for the display or the system's drawing. It owns every
// renderer and texture (an OpenGL context belongs to the thread that made it);
// the main thread keeps the windows and takes their events. SDL's video calls
// of the two threads never run at once: both hold the video lock for them.
// The frame loop's event pump only tries the lock, so while a present is under
// way a frame goes on without the system's newest events (they wait a few
// milliseconds for the next frame).

struct Presenter {
    std::mutex video;                      // SDL's video calls, one thread at a time
    std::mutex handoff;                    // guards everything below
    std::condition_variable wake, jobdone; // jobdone: a job or a present finished
    struct Job {
        std::function<void()> run;
        bool* done;
    };
    std::deque<Job> jobs;        // run on the presenter thread, in order
    std::deque<Native*> waiting; // windows with a pending picture
    PresentStats stats;          // the presenter's half of the figures
    bool started = false;
};

Presenter& presenter() {
    // Never destroyed: the thread outlives the program's static objects.
    static Presenter* p = new Presenter;
    return *p;
}

std::mutex& videolock() {
    return presenter().video;
}

// Runs fn on the presenter thread and waits until it has run. Not with the video lock held.
void onpresenter(const std::function<void()>& fn) {
    Presenter& pr = presenter();
    std::unique_lock lk(pr.handoff);
    bool done = false;
    pr.jobs.push_back({fn, &done});
    pr.wake.notify_one();
    pr.jobdone.wait(lk, [&done] { return done; });
}

// Copies the rows of box from one picture to another of the same size.
void copybox(Picture& to, const Picture& from, Rect box) {
    if (to.width != from.width || to.height != from.height) {
        to.width = from.width;
        to.height = from.height;
        to.pixels.resize(from.pixels.size());
    }
    box = intersect(box, {0, 0, from.width, from.height});
    if (box.empty()) return;
    for (int y = box.y0; y < box.y1; ++y)
        std::memcpy(&to.pixels[size_t(y) * to.width + box.x0],
                    &from.pixels[size_t(y) * from.width + box.x0],
                    size_t(box.x1 - box.x0) * sizeof(std::uint32_t));
}

// Hands boxes of a window's composed picture over to the presenter.
void handover(Native& n, const std::vector<Rect>& boxes) {
    Presenter& pr = presenter();
    std::lock_guard lk(pr.handoff);
    Rect all;
    for (const Rect& box : boxes) {
        copybox(n.pending, n.composed, box);
        all = unite(all, box);
    }
    n.pendingbox = n.haspending ? unite(n.pendingbox, all) : all;
    if (!n.haspending) {
        n.haspending = true;
        pr.waiting.push_back(&n);
    }
    pr.wake.notify_one();
}

void show(Native& n, Rect box); // below: puts n.showing on the screen, box changed

// The presenter thread: jobs first, then the waiting pictures, one at a time.
void presenterloop() {
    Presenter& pr = presenter();
    std::unique_lock lk(pr.handoff);
    for (;;) {
        pr.wake.wait(lk, [&pr] { return !pr.jobs.empty() || !pr.waiting.empty(); });
        if (!pr.jobs.empty()) {
            Presenter::Job job = std::move(pr.jobs.front());
            pr.jobs.pop_front();
            lk.unlock();
            job.run();
            lk.lock();
            *job.done = true;
            pr.jobdone.notify_all();
            continue;
        }
        Native* n = pr.waiting.front();
        pr.waiting.pop_front();
        Rect box = n->pendingbox;
        copybox(n->showing, n->pending, box);
        n->haspending = false;
        lk.unlock();
        auto start = std::chrono::steady_clock::now();
        {
            std::lock_guard v(pr.video);
            show(*n, box);
        }
        double us =
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count();
        if (tracing)
            std::fprintf(stderr, "zoff-trace %.3f shown %.1f us\n", msrunning() - us / 1000, us);
        lk.lock();
        ++pr.stats.shown;
        pr.stats.showmicroseconds += us;
        pr.jobdone.notify_all();
    }
}

// Takes the system's events into SDL's queue, unless the presenter has SDL
// now; the pads are read either way.
void pumpevents() {
    if (videolock().try_lock()) {
        SDL_PumpEvents();
        videolock().unlock();
    } else if (SDL_WasInit(SDL_INIT_JOYSTICK)) {
        SDL_JoystickUpdate();
    }
}

std::vector<Window*> shown;  // shown windows, in the order shown
bool fullscreen = false;     // windows fill the screen (F11, Alt+Enter); new ones too
Window* focus = nullptr;     // the shown window that gets the keys
Uint32 musicwindowevent = 0; // postmusicdone's event type

Native* nativeof(const Window& w) {
    return static_cast<Native*>(w.native);
}

// A cheap fingerprint of everything that changes what a control looks like,
// but where it is and what is painted on its surface.
std::size_t lookof(const Control& c) {
    std::size_t h = std::size_t(c.parent);
    auto mix = [&h](std::size_t v) { h ^= v + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2); };
    mix(std::size_t(c.kind) | std::size_t(c.visible) << 4 | std::size_t(c.alignment) << 5);
    if (!c.caption.empty()) mix(std::hash<std::string>()(c.caption));
    mix(std::hash<std::string>()(c.font.family) ^ std::hash<double>()(c.font.points));
    mix(std::size_t(std::uint32_t(c.forecolor)) | std::size_t(std::uint32_t(c.backcolor)) << 32);
    mix(std::size_t(c.picture));
    mix(std::size_t(std::uint32_t(c.value)) ^ std::size_t(std::uint32_t(c.min)) << 16 ^
        std::size_t(std::uint32_t(c.max)) << 40);
    mix(std::size_t(c.surface));
    return h;
}

// The corner of a control's parent in the window, in twips, through all its
// parents; false when one of them is hidden.
bool parentcorner(const Control& c, int& px, int& py) {
    px = py = 0;
    bool seen = true;
    for (const Control* p = c.parent; p; p = p->parent) {
        seen = seen && p->visible;
        px += leftof(*p);
        py += topof(*p);
    }
    return seen;
}

// The pixels a control may draw on, in the window; empty when it or a parent is hidden.
Rect reachof(const Control& c) {
    int px, py;
    if (!parentcorner(c, px, py) || !c.visible || drawless(c)) return {};
    Rect box = boxof(c, px, py);
    if (c.kind == ControlKind::Image && c.picture)
        box = unite(box, {box.x0, box.y0, box.x0 + c.picture->width, box.y0 + c.picture->height});
    if (c.kind == ControlKind::Frame && !c.caption.empty()) {
        const TextMask& m = rendertext(c.font, c.caption);
        box = unite(box, {box.x0 + 6, box.y0, box.x0 + 10 + m.width, box.y0 + m.height});
    }
    return box;
}

// The box of the window that changed since the last call because controls
// changed their look or moved (both where they were and where they are).
Rect changedbox(const Window& w, Native& n) {
    Rect changed;
    if (n.seen.size() != w.controls.size() || n.seenback != w.backcolor) {
        n.seen.assign(w.controls.size(), {});
        n.seenback = w.backcolor;
        changed = {0, 0, w.clientwidth, w.clientheight};
    }
    for (std::size_t i = 0; i < w.controls.size(); ++i) {
        const Control* c = w.controls[i];
        Native::Seen now{c, lookof(*c), reachof(*c)};
        Native::Seen& was = n.seen[i];
        if (was.control != now.control || was.look != now.look || !same(was.reach, now.reach)) {
            changed = unite(changed, unite(was.reach, now.reach));
            was = now;
        }
    }
    return intersect(changed, {0, 0, w.clientwidth, w.clientheight});
}

// Adds the boxes of the window's pixels painted on its playfields since the
// last call to out.
void paintedboxes(const Window& w, std::vector<Rect>& out) {
    for (Control* c : w.controls) {
        if (c->kind != ControlKind::Playfield || !c->surface) continue;
        PixelBox painted[maxpainted];
        int k = takepainted(*c->surface, painted);
        if (k == 0) continue;
        int px, py;
        parentcorner(*c, px, py);
        Rect at = boxof(*c, px, py);
        Rect clip = intersect(at, {0, 0, w.clientwidth, w.clientheight});
        for (int i = 0; i < k; ++i) {
            const PixelBox& b = painted[i];
            Rect r = intersect(clip, {at.x0 + b.x0, at.y0 + b.y0, at.x0 + b.x1, at.y0 + b.y1});
            if (!r.empty()) out.push_back(r);
        }
    }
}

Window* windowofid(Uint32 id) {
    SDL_Window* sw = SDL_GetWindowFromID(id);
    if (!sw) return nullptr;
    auto* w = static_cast<Window*>(SDL_GetWindowData(sw, "zoff"));
    return w && w->shown ? w : nullptr;
}

// The window a key or mouse event belongs to; events without a window (the
// scripted keys) go to the one with the focus.
Window* windowofevent(Uint32 id) {
    if (Window* w = windowofid(id)) return w;
    return id == 0 ? focus : nullptr;
}

// Refresh interval of the display in milliseconds.
Uint64 refreshinterval() {
    static Uint64 ms = 0;
    if (ms == 0) {
        SDL_DisplayMode mode;
        int hz = 60;
        std::lock_guard v(videolock());
        if (SDL_GetCurrentDisplayMode(0, &mode) == 0 && mode.refresh_rate > 0)
            hz = mode.refresh_rate;
        ms = std::max<Uint64>(1, Uint64(1000 / hz));
    }
    return ms;
}

// Raises the change event of every gauge whose value moved since it was last seen.
void gaugechanges(Window& w) {
    for (std::size_t i = 0; i < w.controls.size(); ++i) {
        Control* c = w.controls[i];
        Native* n = nativeof(w);
        if (!n || c->kind != ControlKind::Gauge) continue;
        auto it = n->gaugevalues.find(c);
        if (it == n->gaugevalues.end()) {
            n->gaugevalues[c] = c->value;
        } else if (it->second != c->value) {
            it->second = c->value;
            if (c->onchange) c->onchange();
        }
    }
}

void repaint(Window& w, Uint64 now) {
    Native* n = nativeof(w);
    if (!n || !n->renderer) return;
    // Only what changed is composed again and handed over: the boxes painted
    // on a playfield, and where a control changed.
    std::vector<Rect>& boxes = n->damage;
    boxes.clear();
    paintedboxes(w, boxes);
    if (Rect changed = changedbox(w, *n); !changed.empty()) boxes.push_back(changed);
    if (n->dirty || n->composed.width != w.clientwidth || n->composed.height != w.clientheight)
        boxes.assign(1, {0, 0, w.clientwidth, w.clientheight});
    if (!boxes.empty()) {
        double start = msrunning();
        long pixels = 0;
        for (const Rect& box : boxes) {
            composebox(n->composed, w, box);
            pixels += long(box.x1 - box.x0) * (box.y1 - box.y0);
        }
        handover(*n, boxes);
        n->dirty = false;
        double us = (msrunning() - start) * 1000;
        ++presenttally.presents;
        presenttally.microseconds += us;
        if (tracing)
            std::fprintf(stderr,
                         "zoff-trace %.3f present \"%s\" %.1f us, %ld pixels in %zu boxes\n", start,
                         w.caption.c_str(), us, pixels, boxes.size());
    }
    n->lastpresent = now;
}

// Windows' button numbers from SDL's.
int buttonof(Uint8 b) {
    if (b == SDL_BUTTON_RIGHT) return 2;
    if (b == SDL_BUTTON_MIDDLE) return 4;
    return 1;
}

// The control under a point of the window as the system reports it (the
// picture may be scaled), with the picture pixel it falls on and its box.
Control* controlat(const Window& w, int wx, int wy, int& px, int& py, Rect& box) {
    if (!windowpoint(w, wx, wy, px, py)) return nullptr; // on the bars around the picture
    return hit(w, nullptr, 0, 0, {0, 0, w.clientwidth, w.clientheight}, px, py, box);
}

void mousedown(Window& w, const SDL_MouseButtonEvent& e) {
    if (tracing) std::fprintf(stderr, "zoff-trace %.3f mousedown %d %d\n", msrunning(), e.x, e.y);
    Rect box;
    int px = 0, py = 0;
    Control* c = controlat(w, e.x, e.y, px, py, box);
    if (Native* n = nativeof(w); n && e.button == SDL_BUTTON_LEFT) n->pressed = c;
    if (!c) return;
    double x = (px - box.x0) * double(twipsperpixel), y = (py - box.y0) * double(twipsperpixel);
    if (c->kind == ControlKind::Playfield && c->surface && c->surface->width > 0 &&
        c->surface->height > 0) {
        x = (px - box.x0) * c->surface->scalewidth / c->surface->width;
        y = (py - box.y0) * c->surface->scaleheight / c->surface->height;
    }
    int button = buttonof(e.button);
    if (c->onmousedown) c->onmousedown(button, x, y);
    // A spin arrow acts as soon as it is pressed (by the left button, as a click).
    if (c->kind == ControlKind::Spin && c->onclick && button == 1)
        c->onclick(py - box.y0 < (box.y1 - box.y0) / 2 ? 1 : -1);
}

void mouseup(Window& w, const SDL_MouseButtonEvent& e) {
    Native* n = nativeof(w);
    if (!n) return;
    Control* pressed = n->pressed;
    n->pressed = nullptr;
    // Only the left button clicks.
    if (e.button != SDL_BUTTON_LEFT) return;
    Rect box;
    int px = 0, py = 0;
    Control* c = controlat(w, e.x, e.y, px, py, box);
    if (c && c == pressed && c->kind != ControlKind::Spin && c->onclick) c->onclick(0);
}

void keydown(const SDL_KeyboardEvent& e) {
    notekey(e.keysym.scancode, true);
    Window* w = windowofevent(e.windowID);
    if (!w) return;
    if (fullscreenkey(*w, e.keysym.sym, e.keysym.mod, e.repeat)) return;
    int vk = virtualkey(e.keysym.sym, e.keysym.scancode);
    if (vk && w->onkeydown) w->onkeydown(vk);
    // The handler may have closed the window.
    if (!w->shown) return;
    int ch = typedchar(e.keysym.sym, e.keysym.mod);
    if (ch && w->onkeypress) w->onkeypress(ch);
}

void windowevent(const SDL_WindowEvent& e) {
    Window* w = windowofid(e.windowID);
    switch (e.event) {
    case SDL_WINDOWEVENT_CLOSE:
        if (w && w->onclose) w->onclose();
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        releaseallkeys();
        break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        if (w) focus = w;
        break;
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        if (w && nativeof(*w)) nativeof(*w)->dirty = true;
        break;
    default:
        break;
    }
}

void handle(const SDL_Event& e) {
    switch (e.type) {
    case SDL_KEYDOWN:
        keydown(e.key);
        return;
    case SDL_KEYUP:
        notekey(e.key.keysym.scancode, false);
        return;
    case SDL_MOUSEBUTTONDOWN:
        if (Window* w = windowofid(e.button.windowID)) mousedown(*w, e.button);
        return;
    case SDL_MOUSEBUTTONUP:
        if (Window* w = windowofid(e.button.windowID)) mouseup(*w, e.button);
        return;
    case SDL_WINDOWEVENT:
        windowevent(e.window);
        return;
    case SDL_QUIT:
        // The system asks us to stop (Ctrl-C, a signal, the session ending):
        // end at once, as Esc does.
        endprogram();
    default:
        if (padevent(e)) return;
        break;
    }
    if (e.type == Uint32(musicdoneevent()) && e.user.data1) {
        Window* w = static_cast<MediaControl*>(e.user.data1)->owner;
        if (w && w->onmusicdone) w->onmusicdone();
    } else if (musicwindowevent && e.type == musicwindowevent) {
        // Only a window still shown hears it: the window may have gone since.
        for (Window* w : shown)
            if (w == e.user.data1 && w->onmusicdone) {
                w->onmusicdone();
                break;
            }
    }
}

void pushkey(int vk, bool down, Uint16 mod) {
    startvideo();
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.timestamp = SDL_GetTicks();
    e.key.windowID = 0; // the focused window
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.scancode = SDL_Scancode(scancodeof(vk));
    e.key.keysym.sym = SDL_GetKeyFromScancode(e.key.keysym.scancode);
    e.key.keysym.mod = mod;
    SDL_PushEvent(&e);
}

} // namespace

void startvideo() {
    if (SDL_WasInit(SDL_INIT_VIDEO)) return;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        // No display to open: go on without one.
        SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
        if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
            std::fprintf(stderr, "zoff: cannot start SDL video: %s\n", SDL_GetError());
            std::exit(1);
        }
    }
    musicwindowevent = SDL_RegisterEvents(1);
    std::thread(presenterloop).detach();
    presenter().started = true;
    startpads();
}

bool screenshown() {
    startvideo();
    const char* d = SDL_GetCurrentVideoDriver();
    return d && std::strcmp(d, "dummy") != 0 && std::strcmp(d, "offscreen") != 0;
}

Window* activewindow() {
    return focus;
}

void addcontrol(Window& w, Control& c) {
    c.window = &w;
    w.controls.push_back(&c);
}

Picture composewindow(const Window& w) {
    Picture p;
    composebox(p, w, {0, 0, w.clientwidth, w.clientheight});
    return p;
}

Viewport fitpicture(int outw, int outh, int picw, int pich) {
    Viewport v;
    if (outw <= 0 || outh <= 0 || picw <= 0 || pich <= 0) return v;
    // The largest scale that fits, and the largest whole one.
    double most = std::min(double(outw) / picw, double(outh) / pich);
    int whole = int(most);
    // A whole scale keeps every pixel the same size; it is taken when it
    // gives up little (a fifth at most) of the largest picture that fits.
    if (whole >= 1 && whole >= 0.8 * most) {
        v.width = picw * whole;
        v.height = pich * whole;
    } else if (double(outw) / picw <= double(outh) / pich) {
        v.width = outw;
        v.height = std::max(1, int(std::lround(double(outw) * pich / picw)));
    } else {
        v.height = outh;
        v.width = std::max(1, int(std::lround(double(outh) * picw / pich)));
    }
    v.x = (outw - v.width) / 2;
    v.y = (outh - v.height) / 2;
    return v;
}

namespace {

// The window's size as the system counts it (mouse positions) and its
// drawable size in pixels (larger on HiDPI screens); false without a
// renderer. With the video lock held.
bool windowsizes(const Native* n, int& ww, int& wh, int& ow, int& oh) {
    if (!n || !n->window || !n->renderer) return false;
    SDL_GetWindowSize(n->window, &ww, &wh);
    return SDL_GetRendererOutputSize(n->renderer, &ow, &oh) == 0 && ww > 0 && wh > 0 && ow > 0 &&
           oh > 0;
}

} // namespace

bool windowpoint(const Window& w, int x, int y, int& px, int& py) {
    int ww, wh, ow, oh;
    bool sized;
    {
        std::lock_guard v(videolock());
        sized = windowsizes(nativeof(w), ww, wh, ow, oh);
    }
    if (!sized) {
        px = x;
        py = y;
    } else {
        Viewport v = fitpicture(ow, oh, w.clientwidth, w.clientheight);
        double fx = (x + 0.5) * ow / ww - v.x, fy = (y + 0.5) * oh / wh - v.y;
        if (fx < 0 || fy < 0 || fx >= v.width || fy >= v.height) return false;
        px = int(fx * w.clientwidth / v.width);
        py = int(fy * w.clientheight / v.height);
    }
    return px >= 0 && py >= 0 && px < w.clientwidth && py < w.clientheight;
}

bool fullscreenkey(Window& w, int sdlkey, int sdlmod, bool repeat) {
    bool f11 = sdlkey == SDLK_F11;
    bool altenter = (sdlkey == SDLK_RETURN || sdlkey == SDLK_KP_ENTER) && (sdlmod & KMOD_ALT);
    if (!f11 && !altenter) return false;
    if (repeat) return true; // a held key's repeats change nothing more
    fullscreen = !fullscreen;
    if (Native* n = nativeof(w); n && n->window) {
        std::lock_guard v(videolock());
        SDL_SetWindowFullscreen(n->window, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
        n->dirty = true;
    }
    return true;
}

void presentpicture(Window& w, const Picture& p) {
    Native* n = nativeof(w);
    if (!n || !n->texture || p.width != w.clientwidth || p.height != w.clientheight) return;
    n->composed = p;
    handover(*n, {{0, 0, p.width, p.height}});
    n->dirty = false;
}

namespace {

// The presenter puts a window's picture on the screen, scaled to fit the
// window as it is now. With the video lock held.
void show(Native& n, Rect box) {
    const Picture& p = n.showing;
    if (!n.texture || p.pixels.empty()) return;
    box = intersect(box, {0, 0, p.width, p.height});
    if (!box.empty()) {
        SDL_Rect r{box.x0, box.y0, box.x1 - box.x0, box.y1 - box.y0};
        SDL_UpdateTexture(n.texture, &r, &p.pixels[size_t(box.y0) * p.width + box.x0], p.width * 4);
    }
    int ww, wh, ow, oh;
    if (windowsizes(&n, ww, wh, ow, oh)) {
        Viewport v = fitpicture(ow, oh, p.width, p.height);
        bool sharp = v.width % p.width == 0 && v.height % p.height == 0;
        SDL_SetTextureScaleMode(n.texture, sharp ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
        SDL_SetRenderDrawColor(n.renderer, 0, 0, 0, 255);
        SDL_RenderClear(n.renderer); // the bars
        SDL_Rect dst{v.x, v.y, v.width, v.height};
        SDL_RenderCopy(n.renderer, n.texture, nullptr, &dst);
    } else {
        SDL_RenderCopy(n.renderer, n.texture, nullptr, nullptr);
    }
    SDL_RenderPresent(n.renderer);
}

// The presenter's part of closing a window: its renderer and texture go, and
// a picture still waiting for it is dropped.
void droprenderer(Native& n) {
    {
        std::lock_guard lk(presenter().handoff);
        auto& q = presenter().waiting;
        q.erase(std::remove(q.begin(), q.end(), &n), q.end());
        n.haspending = false;
    }
    std::lock_guard v(videolock());
    if (n.texture) SDL_DestroyTexture(n.texture);
    if (n.renderer) SDL_DestroyRenderer(n.renderer);
    n.texture = nullptr;
    n.renderer = nullptr;
}

} // namespace

// How many times larger a new window opens on a dense screen where the system
// does not scale windows itself (X11 counts in pixels): the desktop's scale
// (GDK_SCALE, as GTK programs take it) or else the screen's dots per inch
// over 96, rounded, as long as the window then fits; 1 elsewhere.
static int densityfactor(SDL_Window* win, SDL_Renderer* r, int width, int height) {
    int ww = 0, wh = 0, ow = 0, oh = 0;
    SDL_GetWindowSize(win, &ww, &wh);
    if (!r || SDL_GetRendererOutputSize(r, &ow, &oh) != 0 || ow != ww) return 1;
    SDL_Rect room{};
    int display = SDL_GetWindowDisplayIndex(win);
    if (display < 0 || SDL_GetDisplayUsableBounds(display, &room) != 0) return 1;
    int f = 1;
    float dpi = 0;
    if (const char* scale = std::getenv("GDK_SCALE"))
        f = std::clamp(std::atoi(scale), 1, 8);
    else if (SDL_GetDisplayDPI(display, nullptr, &dpi, nullptr) == 0 && dpi >= 168)
        f = int(std::lround(dpi / 96));
    while (f > 1 && (width * f > room.w || height * f > room.h)) --f;
    return std::max(f, 1);
}

// Moves a place so that the window, opened there, lies on the screen's usable
// part as far as it fits (a window made larger on a dense screen might
// otherwise hang over its bottom edge).
static void onscreen(SDL_Window* win, int& x, int& y) {
    SDL_Rect room{};
    SDL_Point at{x, y};
    int display = 0;
    for (int d = 0; d < SDL_GetNumVideoDisplays(); ++d) {
        SDL_Rect b{};
        if (SDL_GetDisplayBounds(d, &b) == 0 && SDL_PointInRect(&at, &b)) display = d;
    }
    if (SDL_GetDisplayUsableBounds(display, &room) != 0 || room.w <= 0 || room.h <= 0) return;
    int w = 0, h = 0;
    SDL_GetWindowSize(win, &w, &h);
    x = std::max(room.x, std::min(x, room.x + room.w - w));
    y = std::max(room.y, std::min(y, room.y + room.h - h));
}

// Gives a window its icon: the picture, with its ground colour of the top-left
// pixel made transparent.
static void seticon(SDL_Window* win, const Picture& p) {
    SDL_Surface* s =
        SDL_CreateRGBSurfaceWithFormat(0, p.width, p.height, 32, SDL_PIXELFORMAT_ABGR8888);
    if (!s) return;
    std::uint32_t bg = p.pixels.empty() ? 0 : p.pixels[0];
    for (int y = 0; y < p.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(static_cast<char*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < p.width; ++x) {
            std::uint32_t c = p.at(x, y) & 0xFFFFFFu;
            row[x] = c == bg ? 0 : c | 0xFF000000u;
        }
    }
    SDL_SetWindowIcon(win, s);
    SDL_FreeSurface(s);
}

void showwindow(Window& w) {
    startvideo();
    Native* n = nativeof(w);
    if (!n) {
        n = new Native;
        w.native = n;
        // The window may be resized and maximised: the picture is scaled to fit.
        // It is made for OpenGL where there is OpenGL, so that the renderer
        // need not make it again on the presenter thread.
        Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
        if (fullscreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
        {
            std::lock_guard v(videolock());
            n->window = SDL_CreateWindow(w.caption.c_str(), w.left, w.top, w.clientwidth,
                                         w.clientheight, flags | SDL_WINDOW_OPENGL);
            if (!n->window)
                n->window = SDL_CreateWindow(w.caption.c_str(), w.left, w.top, w.clientwidth,
                                             w.clientheight, flags);
            if (n->window) {
                SDL_SetWindowData(n->window, "zoff", &w);
                if (w.icon) seticon(n->window, *w.icon);
            }
        }
        int f = 1;
        if (n->window)
            onpresenter([n, &w, &f] {
                std::lock_guard v(videolock());
                // Never wait for the display: the frame loop paces itself.
                n->renderer = SDL_CreateRenderer(n->window, -1, 0);
                if (!n->renderer)
                    n->renderer = SDL_CreateRenderer(n->window, -1, SDL_RENDERER_SOFTWARE);
                if (!n->renderer) return;
                f = densityfactor(n->window, n->renderer, w.clientwidth, w.clientheight);
                n->texture =
                    SDL_CreateTexture(n->renderer, SDL_PIXELFORMAT_XBGR8888,
                                      SDL_TEXTUREACCESS_STREAMING, w.clientwidth, w.clientheight);
            });
        if (n->window && w.openwidth > 0 && w.openheight > 0) {
            std::lock_guard v(videolock());
            SDL_SetWindowSize(n->window, w.openwidth, w.openheight);
        } else if (f > 1) {
            std::lock_guard v(videolock());
            SDL_SetWindowSize(n->window, w.clientwidth * f, w.clientheight * f);
        }
    }
    if (n->window) {
        std::lock_guard v(videolock());
        SDL_SetWindowTitle(n->window, w.caption.c_str());
        int x = w.left, y = w.top;
        onscreen(n->window, x, y);
        SDL_SetWindowPosition(n->window, x, y);
        SDL_ShowWindow(n->window);
        SDL_RaiseWindow(n->window);
    }
    w.shown = true;
    if (std::find(shown.begin(), shown.end(), &w) == shown.end()) shown.push_back(&w);
    focus = &w;
    gaugechanges(w); // note the gauges' starting values
    n->dirty = true;
    repaint(w, SDL_GetTicks64());
}

void unloadwindow(Window& w) {
    w.shown = false;
    shown.erase(std::remove(shown.begin(), shown.end(), &w), shown.end());
    if (focus == &w) focus = shown.empty() ? nullptr : shown.back();
    Native* n = nativeof(w);
    if (!n) return;
    onpresenter([n] { droprenderer(*n); });
    if (n->window) {
        std::lock_guard v(videolock());
        SDL_DestroyWindow(n->window);
    }
    delete n;
    w.native = nullptr;
}

void doevents() {
    startvideo();
    pumpevents();
    SDL_Event e;
    while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1) handle(e);
    // Handlers may show and unload windows: walk the list by index.
    for (std::size_t i = 0; i < shown.size(); ++i) gaugechanges(*shown[i]);
    Uint64 now = SDL_GetTicks64();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        Native* n = nativeof(*shown[i]);
        if (n && now - n->lastpresent >= refreshinterval()) repaint(*shown[i], now);
    }
}

Picture shownpicture(Window& w) {
    Native* n = nativeof(w);
    if (!n || !n->renderer) return {};
    Presenter& pr = presenter();
    std::unique_lock lk(pr.handoff);
    pr.jobdone.wait(lk, [n] { return !n->haspending; });
    return n->showing;
}

PresentStats presentstats() {
    PresentStats s = presenttally;
    std::lock_guard lk(presenter().handoff);
    s.shown = presenter().stats.shown;
    s.showmicroseconds = presenter().stats.showmicroseconds;
    return s;
}

bool nextevent(SDL_Event& e, int waitms) {
    startvideo();
    Uint64 until = SDL_GetTicks64() + Uint64(std::max(waitms, 0));
    for (;;) {
        {
            std::lock_guard v(videolock());
            SDL_PumpEvents();
        }
        if (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1) return true;
        if (SDL_GetTicks64() >= until) return false;
        SDL_Delay(5);
    }
}

void endprogram() {
    std::fflush(nullptr);
    // The renderers go on the thread that made them; then SDL stops, with
    // the presenter shut out of it for good.
    if (presenter().started) {
        std::vector<Native*> natives;
        for (Window* w : shown)
            if (Native* n = nativeof(*w)) natives.push_back(n);
        onpresenter([&natives] {
            for (Native* n : natives) droprenderer(*n);
        });
        videolock().lock();
    }
    SDL_Quit();
    std::_Exit(0);
}

void injectclick(Window& w, int px, int py, int button) {
    startvideo();
    Native* n = nativeof(w);
    if (!w.shown || !n || !n->window) return;
    SDL_Event e{};
    e.button.windowID = SDL_GetWindowID(n->window);
    e.button.button = button == 2   ? SDL_BUTTON_RIGHT
                      : button == 4 ? SDL_BUTTON_MIDDLE
                                    : SDL_BUTTON_LEFT;
    e.button.clicks = 1;
    // A client-area pixel to the point of the window where it is shown now.
    e.button.x = px;
    e.button.y = py;
    std::lock_guard v(videolock()); // the renderer's event watch reads it
    int ww, wh, ow, oh;
    if (windowsizes(n, ww, wh, ow, oh)) {
        Viewport v = fitpicture(ow, oh, w.clientwidth, w.clientheight);
        e.button.x = int((v.x + (px + 0.5) * v.width / w.clientwidth) * ww / ow);
        e.button.y = int((v.y + (py + 0.5) * v.height / w.clientheight) * wh / oh);
    }
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.state = SDL_PRESSED;
    e.button.timestamp = SDL_GetTicks();
    SDL_PushEvent(&e);
    e.type = SDL_MOUSEBUTTONUP;
    e.button.state = SDL_RELEASED;
    SDL_PushEvent(&e);
}

void sizewindow(Window& w, int width, int height) {
    Native* n = nativeof(w);
    if (!w.shown || !n || !n->window) return;
    std::lock_guard v(videolock());
    SDL_SetWindowSize(n->window, width, height);
    n->dirty = true;
}

bool windowplace(const Window& w, int& left, int& top, int& width, int& height) {
    Native* n = nativeof(w);
    if (!w.shown || !n || !n->window) return false;
    std::lock_guard v(videolock());
    SDL_GetWindowPosition(n->window, &left, &top);
    SDL_GetWindowSize(n->window, &width, &height);
    return true;
}

bool fullscreenshown() {
    return fullscreen;
}

void injectkey(int keycode, int ch) {
    startvideo();
    // Pick the modifiers with which the key types ch (Alt types nothing), so
    // the character comes out of the same translation as a real key's.
    SDL_Keycode sym = SDL_GetKeyFromScancode(SDL_Scancode(scancodeof(keycode)));
    Uint16 mod = 0;
    for (Uint16 m : {Uint16(KMOD_NONE), Uint16(KMOD_LSHIFT), Uint16(KMOD_LCTRL), Uint16(KMOD_LALT)})
        if (typedchar(sym, m) == ch) {
            mod = m;
            break;
        }
    pushkey(keycode, true, mod);
    pushkey(keycode, false, mod);
}

void injectkeystate(int keycode, bool down) {
    pushkey(keycode, down, 0);
}

void postmusicdone(Window& w) {
    startvideo();
    SDL_Event e{};
    e.type = musicwindowevent;
    e.user.data1 = &w;
    SDL_PushEvent(&e);
}
