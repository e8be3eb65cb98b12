#include "platform/media.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>

#include "platform/audio.h"

namespace {
// The tune last opened stays loaded after "close", so the game's close, open,
// play at the end of each round costs no reloading in the middle of play.
Mix_Music* tune = nullptr;
std::string tunepath;
double tuneseconds = -1;        // how long its notes run, -1 when not known
MediaControl* holder = nullptr; // the control that has the music stream open
// The control to tell when its tune ends by itself; the mixer's finished hook
// and the end timer read it on other threads, so it is cleared before every
// deliberate halt.
std::atomic<MediaControl*> notifyto{nullptr};
bool hooked = false;
// The end timer: the synthesizer lets the last notes ring for seconds before it
// reports the end, so the end is timed from the file's own length instead.
SDL_TimerID endtimer = 0;
Uint64 playstart = 0; // when playback last started or resumed
double playedms = 0;  // played before the last stop

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// How long a standard MIDI file lasts, through its tempo changes: up to the
// last event of its longest track. -1 when it is not a MIDI file.
double midiseconds(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::vector<unsigned char> b{std::istreambuf_iterator<char>(f),
                                 std::istreambuf_iterator<char>()};
    auto be = [&](size_t at, int n) {
        std::uint32_t v = 0;
        for (int i = 0; i < n; ++i) v = v << 8 | b[at + i];
        return v;
    };
    if (b.size() < 14 || std::string(b.begin(), b.begin() + 4) != "MThd") return -1;
    std::uint32_t division = be(12, 2);
    if (division == 0 || (division & 0x8000)) return -1; // frame-based timing: not ours
    std::map<std::uint64_t, std::uint32_t> tempo = {{0, 500000}};
    std::uint64_t last = 0;
    size_t at = 8 + be(4, 4);
    while (at + 8 <= b.size()) {
        size_t end = std::min(b.size(), at + 8 + be(at + 4, 4));
        bool track = std::string(b.begin() + at, b.begin() + at + 4) == "MTrk";
        at += 8;
        std::uint64_t tick = 0;
        int status = 0;
        while (track && at < end) {
            std::uint64_t d = 0;
            while (at < end && (b[at] & 0x80)) d = d << 7 | (b[at++] & 0x7F);
            if (at >= end) break;
            d = d << 7 | b[at++];
            tick += d;
            if (at < end && (b[at] & 0x80)) status = b[at++];
            if (status == 0xFF || status == 0xF0 || status == 0xF7) {
                int meta = status == 0xFF && at < end ? b[at++] : -1;
                std::uint64_t len = 0;
                while (at < end && (b[at] & 0x80)) len = len << 7 | (b[at++] & 0x7F);
                if (at < end) len = len << 7 | b[at++];
                if (meta == 0x51 && len == 3 && at + 3 <= end) tempo[tick] = be(at, 3);
                at += len;
                status = 0;
            } else {
                int type = status & 0xF0;
                at += (type == 0xC0 || type == 0xD0) ? 1 : 2;
            }
        }
        last = std::max(last, tick);
        at = end;
    }
    double seconds = 0;
    std::uint64_t prev = 0;
    std::uint32_t us = 500000;
    for (auto [t, v] : tempo) {
        if (t > last) break;
        seconds += double(t - prev) / division * us / 1e6;
        prev = t, us = v;
    }
    return seconds + double(last - prev) / division * us / 1e6;
}

// Runs on the audio thread at the natural end, inside Mix_HaltMusic, or on the
// timer thread: only an event is pushed here.
void tuneended() {
    MediaControl* m = notifyto.exchange(nullptr);
    if (!m) return;
    SDL_Event e{};
    e.type = static_cast<Uint32>(musicdoneevent());
    e.user.data1 = m;
    SDL_PushEvent(&e);
}

Uint32 endtimerfired(Uint32, void*) {
    tuneended();
    return 0;
}

void starttimer() {
    playstart = SDL_GetTicks64();
    if (tuneseconds < 0) return;
    double left = tuneseconds * 1000 - playedms;
    endtimer = SDL_AddTimer(static_cast<Uint32>(std::max(1.0, left)), endtimerfired, nullptr);
}

void stoptimer() {
    if (endtimer) SDL_RemoveTimer(endtimer);
    endtimer = 0;
}

void halttune() {
    notifyto.store(nullptr);
    stoptimer();
    Mix_HaltMusic();
}

void opentune(MediaControl& m) {
    if (m.isopen) return;
    if (holder) return; // the one music stream is taken
    std::string type = lower(m.DeviceType);
    if (!type.empty() && type != "sequencer") return;
    if (!audioready()) return;
    if (!hooked) {
        musicdoneevent();
        Mix_HookMusicFinished(tuneended);
        hooked = true;
    }
    if (!tune || tunepath != m.FileName) {
        if (tune) Mix_FreeMusic(tune);
        tune = Mix_LoadMUS(m.FileName.c_str());
        tunepath = tune ? m.FileName : "";
        tuneseconds = tune ? midiseconds(m.FileName) : -1;
    }
    if (!tune) return;
    holder = &m;
    m.isopen = true;
}

void closetune(MediaControl& m) {
    if (!m.isopen) return;
    halttune();
    holder = nullptr;
    m.isopen = false;
    m.playing = false;
}

void playtune(MediaControl& m) {
    if (!m.isopen) return;
    if (Mix_PausedMusic()) { // stopped: go on from where it stopped
        notifyto.store(m.Notify ? &m : nullptr);
        Mix_ResumeMusic();
        starttimer();
        m.playing = true;
        return;
    }
    if (Mix_PlayingMusic()) return;
    notifyto.store(m.Notify ? &m : nullptr);
    playedms = 0;
    m.playing = Mix_PlayMusic(tune, 1) == 0;
    if (m.playing)
        starttimer();
    else
        notifyto.store(nullptr);
}

void stoptune(MediaControl& m) {
    if (!m.isopen || !m.playing) return;
    notifyto.store(nullptr);
    stoptimer();
    playedms += double(SDL_GetTicks64() - playstart);
    Mix_PauseMusic();
    m.playing = false;
}
} // namespace

std::vector<std::string>& mcilog() {
    static std::vector<std::string> log;
    return log;
}

int musicdoneevent() {
    static const Uint32 type = SDL_RegisterEvents(1);
    return static_cast<int>(type);
}

void mcicommand(MediaControl& m, const std::string& command) {
    mcilog().push_back(m.FileName + " " + command);
    // A tune that ended by itself leaves its control open and idle.
    if (m.playing && holder == &m && !Mix_PlayingMusic()) m.playing = false;
    std::string c = lower(command);
    if (c == "open")
        opentune(m);
    else if (c == "play")
        playtune(m);
    else if (c == "stop")
        stoptune(m);
    else if (c == "close")
        closetune(m);
}

void releasemusic() {
    if (holder) closetune(*holder);
    if (tune) Mix_FreeMusic(tune);
    tune = nullptr;
    tunepath.clear();
    if (hooked) Mix_HookMusicFinished(nullptr);
    hooked = false;
}
