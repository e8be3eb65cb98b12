// Makes the game's sound effects and its two tunes, from nothing but the
// numbers below: 15 wave files (44.1 kHz, 16-bit, mono) and two General MIDI
// files, all written into the folder named on the command line.
//
// Usage: zoff_gensounds OUTDIR
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr double rate = 44100;
constexpr double pi = 3.14159265358979323846;

using Wave = std::vector<double>;

// ---------------------------------------------------------------- helpers

// A fixed-seed generator, so every build makes the same files.
struct Noise {
    std::uint32_t state;
    explicit Noise(std::uint32_t seed) : state(seed) {}
    double next() { // uniform in [-1, 1)
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state / 2147483648.0 - 1.0;
    }
};

int samples(double seconds) {
    return static_cast<int>(std::lround(seconds * rate));
}

// Raised-cosine ramp from 0 to 1 as x runs 0..1.
double ramp(double x) {
    x = std::clamp(x, 0.0, 1.0);
    return 0.5 - 0.5 * std::cos(pi * x);
}

// Attack (raised cosine), then exponential decay with time constant tau,
// then a raised-cosine fade to exact silence at the end of the sound.
double envelope(double t, double attack, double tau, double length, double fade) {
    double a = attack > 0 ? ramp(t / attack) : 1.0;
    double d = t < attack ? 1.0 : std::exp(-(t - attack) / tau);
    double f = ramp((length - t) / fade);
    return a * d * f;
}

// A band-limited oscillator: harmonics below 9 kHz with the given amplitude
// for harmonic k, phase kept by the caller.
double harmonics(double phase, double freq, double (*amp)(int)) {
    double s = 0;
    // Harmonics fade out between 7 and 9 kHz, so a glide never switches one on
    // or off at full strength.
    for (int k = 1; k * freq < 9000 && k < 64; ++k)
        s += amp(k) * ramp((9000 - k * freq) / 2000) * std::sin(k * phase);
    return s;
}
double sawamp(int k) {
    return 1.0 / k;
}
double squareamp(int k) {
    return (k % 2) ? 1.0 / k : 0.0;
}
double triangleamp(int k) {
    return (k % 2) ? ((k / 2) % 2 ? -1.0 : 1.0) / (k * k) : 0.0;
}

// A second-order filter (the usual cookbook biquads); coefficients may be
// changed while it runs, for sweeps.
struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    void set(double c0, double c1, double c2, double d0, double d1, double d2) {
        b0 = c0 / d0, b1 = c1 / d0, b2 = c2 / d0, a1 = d1 / d0, a2 = d2 / d0;
    }
    void lowpass(double f, double q) {
        double w = 2 * pi * f / rate, al = std::sin(w) / (2 * q), c = std::cos(w);
        set((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + al, -2 * c, 1 - al);
    }
    void highpass(double f, double q) {
        double w = 2 * pi * f / rate, al = std::sin(w) / (2 * q), c = std::cos(w);
        set((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + al, -2 * c, 1 - al);
    }
    void bandpass(double f, double q) { // peak gain 1
        double w = 2 * pi * f / rate, al = std::sin(w) / (2 * q), c = std::cos(w);
        set(al, 0, -al, 1 + al, -2 * c, 1 - al);
    }
    double run(double x) {
        double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1, x1 = x, y2 = y1, y1 = y;
        return y;
    }
};

// A small room: four combs and two all-passes (Schroeder), mixed in wet.
void reverb(Wave& w, double wet, double seconds) {
    const int combs[4] = {1557, 1617, 1491, 1422};
    const int passes[2] = {225, 556};
    double feedback = std::pow(0.001, 1422.0 / rate / seconds);
    Wave out(w.size(), 0.0);
    for (int d : combs) {
        Wave buf(d, 0.0);
        int p = 0;
        for (size_t i = 0; i < w.size(); ++i) {
            double y = buf[p];
            buf[p] = w[i] + y * feedback;
            out[i] += y / 4;
            p = (p + 1) % d;
        }
    }
    for (int d : passes) {
        Wave buf(d, 0.0);
        int p = 0;
        for (double& v : out) {
            double b = buf[p];
            double y = -v + b;
            buf[p] = v + b * 0.5;
            v = y;
            p = (p + 1) % d;
        }
    }
    for (size_t i = 0; i < w.size(); ++i) w[i] += wet * out[i];
}

double peak(const Wave& w) {
    double p = 0;
    for (double v : w) p = std::max(p, std::fabs(v));
    return p;
}

// Root mean square of the loudest 150 ms stretch, the deep bass counted less
// (as the ear hears it).
double loudness(const Wave& w) {
    int n = samples(0.15);
    Biquad ear;
    ear.highpass(150, 0.5);
    Wave h(w.size());
    for (size_t i = 0; i < w.size(); ++i) h[i] = ear.run(w[i]);
    double sum = 0, best = 0;
    for (size_t i = 0; i < h.size(); ++i) {
        sum += h[i] * h[i];
        if (i >= size_t(n)) sum -= h[i - n] * h[i - n];
        best = std::max(best, sum);
    }
    return std::sqrt(best / std::min<double>(n, double(w.size())));
}

// Removes any offset, brings the loudest stretch to one common level, keeps
// the peak at -1.5 dBFS at most and makes both ends silent.
void finish(Wave& w) {
    Biquad dc;
    dc.highpass(25, 0.7071);
    for (double& v : w) v = dc.run(v);
    const double target = std::pow(10.0, -15.0 / 20); // common level of the loudest stretch
    const double ceiling = std::pow(10.0, -1.5 / 20);
    double g = target / loudness(w);
    if (peak(w) * g > ceiling) g = ceiling / peak(w);
    int edge = samples(0.004);
    for (size_t i = 0; i < w.size(); ++i) {
        double e = ramp(double(i) / edge) * ramp(double(w.size() - 1 - i) / edge);
        w[i] *= g * e;
    }
}

void writewave(const std::string& path, const Wave& w) {
    std::vector<std::int16_t> pcm(w.size());
    for (size_t i = 0; i < w.size(); ++i)
        pcm[i] = static_cast<std::int16_t>(std::lround(std::clamp(w[i], -1.0, 1.0) * 32767));
    std::ofstream f(path, std::ios::binary);
    auto u32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) f.put(static_cast<char>((v >> (8 * i)) & 255));
    };
    auto u16 = [&](std::uint16_t v) {
        f.put(static_cast<char>(v & 255));
        f.put(static_cast<char>(v >> 8));
    };
    std::uint32_t bytes = static_cast<std::uint32_t>(pcm.size() * 2);
    f.write("RIFF", 4);
    u32(36 + bytes);
    f.write("WAVEfmt ", 8);
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(static_cast<std::uint32_t>(rate));
    u32(static_cast<std::uint32_t>(rate) * 2);
    u16(2);
    u16(16);
    f.write("data", 4);
    u32(bytes);
    for (std::int16_t v : pcm) u16(static_cast<std::uint16_t>(v));
    if (!f) {
        std::fprintf(stderr, "gensounds: cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

double notefreq(double midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12);
}

// Adds a note of a band-limited timbre to w, starting at 'start' seconds,
// its pitch gliding exponentially from f0 to f1 over its length.
void addtone(Wave& w, double start, double length, double f0, double f1, double (*amp)(int),
             double level, double attack, double tau, double vibrato = 0) {
    int s0 = samples(start), n = samples(length);
    if (w.size() < size_t(s0 + n)) w.resize(s0 + n, 0.0);
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        double t = i / rate;
        double f = f0 * std::pow(f1 / f0, t / length);
        f *= 1 + vibrato * std::sin(2 * pi * 5.5 * t) * ramp(t / 0.15);
        phase += 2 * pi * f / rate;
        w[s0 + i] += level * envelope(t, attack, tau, length, std::min(0.03, length / 3)) *
                     harmonics(phase, f, amp);
    }
}

// A struck bell-like note: a few partials, the higher ones dying sooner.
void addbell(Wave& w, double start, double length, double f, double level, double tau) {
    const double ratio[5] = {1, 2, 3, 4.17, 5.43};
    const double gain[5] = {1, 0.45, 0.22, 0.14, 0.08};
    for (int k = 0; k < 5; ++k) {
        if (f * ratio[k] > 16000) continue;
        int s0 = samples(start), n = samples(length);
        if (w.size() < size_t(s0 + n)) w.resize(s0 + n, 0.0);
        for (int i = 0; i < n; ++i) {
            double t = i / rate;
            w[s0 + i] += level * gain[k] * envelope(t, 0.002, tau / (1 + 0.7 * k), length, 0.03) *
                         std::sin(2 * pi * f * ratio[k] * t);
        }
    }
}

// Band-passed noise burst (clicks of a mechanism, a snip).
void addnoise(Wave& w, double start, double length, double f, double q, double level,
              std::uint32_t seed) {
    Noise r(seed);
    Biquad bp;
    bp.bandpass(f, q);
    int s0 = samples(start), n = samples(length);
    if (w.size() < size_t(s0 + n)) w.resize(s0 + n, 0.0);
    for (int i = 0; i < n; ++i) {
        double t = i / rate;
        w[s0 + i] += level * envelope(t, 0.001, length / 3, length, length / 3) * bp.run(r.next());
    }
}

// ---------------------------------------------------------------- effects

// A deep, noisy blast: a falling thump under noise whose brightness dies away.
Wave explosion() {
    double length = 1.3;
    Wave w(samples(length), 0.0);
    Noise r(7);
    Biquad lp1, lp2;
    double thump = 0, rumble = 0;
    for (size_t i = 0; i < w.size(); ++i) {
        double t = i / rate;
        if (i % 32 == 0) {
            double cut = 3200 * std::pow(120.0 / 3200, std::min(1.0, t / 1.0));
            lp1.lowpass(cut, 0.8);
            lp2.lowpass(cut * 1.2, 0.6);
        }
        double n = lp2.run(lp1.run(r.next()));
        rumble = 0.995 * rumble + 0.05 * r.next(); // brown noise for the low roar
        double f = 75 * std::pow(32.0 / 75, std::min(1.0, t / 0.45));
        thump += 2 * pi * f / rate;
        double e = envelope(t, 0.003, 0.32, length, 0.25);
        double s = 1.4 * n * e + 0.9 * rumble * envelope(t, 0.01, 0.45, length, 0.3) +
                   0.9 * std::sin(thump) * envelope(t, 0.002, 0.22, length, 0.3);
        w[i] = std::tanh(1.6 * s);
    }
    return w;
}

// The coin: a short grace note, then a bright bell a fourth above.
Wave ding() {
    Wave w;
    addbell(w, 0.0, 0.09, notefreq(83), 0.6, 0.08);  // B5
    addbell(w, 0.075, 0.6, notefreq(88), 1.0, 0.22); // E6
    reverb(w, 0.15, 0.6);
    return w;
}

// Fuse up: a pulse sweeping up an octave with a quick warble.
Wave addsound() {
    Wave w;
    addtone(w, 0, 0.32, 392, 1046, squareamp, 0.6, 0.005, 0.25, 0.02);
    return w;
}

// Range up: a quick rising arpeggio of triangle-bell notes.
Wave rangeup() {
    Wave w;
    const int notes[4] = {72, 76, 79, 84};
    for (int k = 0; k < 4; ++k)
        addtone(w, 0.065 * k, 0.22, notefreq(notes[k]), notefreq(notes[k]), triangleamp, 0.8, 0.004,
                0.09);
    addbell(w, 0.195, 0.3, notefreq(96), 0.15, 0.1);
    return w;
}

// Bomb up: the click-clack of a loaded mechanism, then a rising blip.
Wave getammo() {
    Wave w;
    addnoise(w, 0.0, 0.025, 2200, 4, 3.0, 11);
    addnoise(w, 0.07, 0.03, 3300, 4, 3.0, 12);
    addtone(w, 0.11, 0.2, 600, 1250, squareamp, 0.5, 0.004, 0.12);
    return w;
}

// Fuse down: a snip, then a pulse sweeping down.
Wave cut() {
    Wave w;
    addnoise(w, 0.0, 0.035, 5200, 3, 3.0, 21);
    addtone(w, 0.03, 0.3, 1046, 392, squareamp, 0.6, 0.005, 0.22, 0.02);
    return w;
}

// Range down: the range-up arpeggio falling, darker.
Wave down() {
    Wave w;
    const int notes[4] = {84, 79, 75, 72};
    for (int k = 0; k < 4; ++k)
        addtone(w, 0.065 * k, 0.22, notefreq(notes[k]), notefreq(notes[k]) * 0.97, triangleamp, 0.8,
                0.004, 0.09);
    addtone(w, 0.195, 0.25, notefreq(60), notefreq(55), sawamp, 0.25, 0.01, 0.1);
    return w;
}

// The bolt: a crackling electric zap over a falling buzz.
Wave bolt() {
    double length = 0.9;
    Wave w(samples(length), 0.0);
    Noise r(31);
    Biquad hp, res;
    hp.highpass(1500, 0.7);
    double gate = 0, phase = 0;
    for (size_t i = 0; i < w.size(); ++i) {
        double t = i / rate;
        if (i % 64 == 0) gate = r.next() > 0.1 ? 1.0 : 0.15; // the crackle
        if (i % 32 == 0) res.bandpass(2400 * std::pow(300.0 / 2400, t / length), 3);
        double f = 95 * (1 + 0.08 * r.next());
        phase += 2 * pi * f / rate;
        double buzz = harmonics(phase, f, sawamp);
        double zap = hp.run(r.next()) * gate;
        double e = envelope(t, 0.003, 0.35, length, 0.2);
        w[i] = e * (0.5 * zap + 0.35 * buzz + 0.8 * res.run(buzz + zap));
    }
    return w;
}

// One heart: two warm notes, up a fourth.
Wave oneheart() {
    Wave w;
    addtone(w, 0, 0.16, notefreq(76), notefreq(76), triangleamp, 0.8, 0.006, 0.15, 0.004);
    addtone(w, 0.12, 0.38, notefreq(81), notefreq(81), triangleamp, 0.9, 0.006, 0.2, 0.006);
    addbell(w, 0.12, 0.38, notefreq(93), 0.12, 0.12);
    reverb(w, 0.15, 0.5);
    return w;
}

// Ten hearts: a sparkling major arpeggio climbing two octaves.
Wave tenheart() {
    Wave w;
    const int notes[7] = {69, 73, 76, 81, 85, 88, 93};
    for (int k = 0; k < 7; ++k) {
        addtone(w, 0.07 * k, 0.5, notefreq(notes[k]), notefreq(notes[k]), triangleamp, 0.45, 0.004,
                0.18, 0.004);
        addbell(w, 0.07 * k, 0.45, notefreq(notes[k] + 12), 0.12, 0.12);
    }
    addtone(w, 0.49, 0.45, notefreq(81), notefreq(81), triangleamp, 0.4, 0.01, 0.25, 0.006);
    reverb(w, 0.2, 0.6);
    return w;
}

// A pained grunt: a voiced "uh" through vowel formants, its pitch sagging.
Wave pain() {
    double length = 0.36;
    Wave w(samples(length), 0.0);
    Noise r(41);
    const double formant[3] = {640, 1190, 2390};
    const double q[3] = {5, 7, 9};
    const double gain[3] = {1.0, 0.5, 0.22};
    Biquad f[3], throat;
    for (int k = 0; k < 3; ++k) f[k].bandpass(formant[k], q[k]);
    throat.lowpass(3200, 0.7);
    double phase = 0;
    for (size_t i = 0; i < w.size(); ++i) {
        double t = i / rate;
        double f0 = 200 * std::pow(120.0 / 200, t / length) * (1 + 0.02 * r.next());
        phase += 2 * pi * f0 / rate;
        double source = harmonics(phase, f0, sawamp) + 0.15 * r.next();
        double v = 0;
        for (int k = 0; k < 3; ++k) v += gain[k] * f[k].run(source);
        // A push at the start, then the voice gives out.
        double e = ramp(t / 0.02) * (0.6 + 0.4 * std::exp(-t / 0.05)) * ramp((length - t) / 0.16);
        w[i] = throat.run(std::tanh(1.6 * v)) * e;
    }
    return w;
}

// Death: a falling phrase in a hollow tone, its last note sinking away.
Wave death() {
    Wave w;
    const int notes[5] = {79, 77, 74, 71, 68};
    for (int k = 0; k < 5; ++k)
        addtone(w, 0.15 * k, 0.17, notefreq(notes[k]), notefreq(notes[k]), squareamp, 0.5, 0.006,
                0.2, 0.004);
    addtone(w, 0.75, 0.6, notefreq(65), notefreq(53), squareamp, 0.55, 0.008, 0.35, 0.012);
    reverb(w, 0.2, 0.6);
    return w;
}

// An orchestral stab on the given root: brass-and-strings chord of detuned
// saws through a closing filter, a timpani thud below, a room around it.
Wave orchestrahit(double root) {
    double length = 0.95;
    Wave w(samples(length), 0.0);
    const int chord[6] = {0, 7, 12, 16, 19, 24};
    const double detune[3] = {-0.006, 0.0, 0.007};
    double phase[6][3];
    Biquad lp;
    Noise r(51);
    for (auto& p : phase) // scattered starting phases keep the stack from one sharp peak
        for (double& v : p) v = pi * (1 + r.next());
    Biquad hit;
    hit.bandpass(1800, 1.2);
    double tphase = 0;
    for (size_t i = 0; i < w.size(); ++i) {
        double t = i / rate;
        if (i % 32 == 0) lp.lowpass(1100 + 6000 * std::exp(-t / 0.09), 0.9);
        double s = 0;
        for (int n = 0; n < 6; ++n) {
            double f = notefreq(root + chord[n]);
            for (int d = 0; d < 3; ++d) {
                double fd = f * (1 + detune[d]);
                phase[n][d] += 2 * pi * fd / rate;
                s += harmonics(phase[n][d], fd, sawamp) / 18;
            }
        }
        double chordpart =
            lp.run(s) * envelope(t, 0.004, 0.1, length, 0.35) * (0.85 + 0.15 * std::exp(-t / 0.4));
        double ft = notefreq(root - 12) * (1 - 0.05 * std::min(1.0, t / 0.3));
        tphase += 2 * pi * ft / rate;
        double timpani = std::sin(tphase) * envelope(t, 0.002, 0.25, length, 0.35);
        double attack = hit.run(r.next()) * envelope(t, 0.001, 0.02, 0.12, 0.05);
        w[i] = 1.2 * chordpart + 0.5 * timpani + (t < 0.12 ? 0.6 * attack : 0.0);
    }
    reverb(w, 0.3, 0.8);
    return w;
}

// ---------------------------------------------------------------- tunes

constexpr int ticks = 480; // per beat

struct Event {
    long tick;
    int order; // at one tick: ends of notes before starts
    std::vector<unsigned char> bytes;
};

struct Track {
    std::string name;
    std::vector<Event> events;
    void add(long tick, int order, std::vector<unsigned char> b) {
        events.push_back({tick, order, std::move(b)});
    }
    void note(int channel, long tick, long length, int key, int velocity) {
        add(tick, 1,
            {static_cast<unsigned char>(0x90 | channel), static_cast<unsigned char>(key),
             static_cast<unsigned char>(velocity)});
        add(tick + length, 0,
            {static_cast<unsigned char>(0x80 | channel), static_cast<unsigned char>(key), 64});
    }
    void program(int channel, long tick, int p) {
        add(tick, -1, {static_cast<unsigned char>(0xC0 | channel), static_cast<unsigned char>(p)});
    }
    void control(int channel, long tick, int c, int v) {
        add(tick, -1,
            {static_cast<unsigned char>(0xB0 | channel), static_cast<unsigned char>(c),
             static_cast<unsigned char>(v)});
    }
    void tempo(long tick, double bpm) {
        auto us = static_cast<std::uint32_t>(std::lround(60e6 / bpm));
        add(tick, -1,
            {0xFF, 0x51, 3, static_cast<unsigned char>(us >> 16),
             static_cast<unsigned char>(us >> 8), static_cast<unsigned char>(us)});
    }
};

// Note names: "C4" is MIDI 60; "F#5", "Bb3".
int key(const std::string& name) {
    static const std::map<char, int> step = {{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5},
                                             {'G', 7}, {'A', 9}, {'B', 11}};
    auto it = step.find(name.at(0));
    if (it == step.end()) throw std::runtime_error("bad note " + name);
    int k = it->second;
    size_t i = 1;
    while (i < name.size() && (name[i] == '#' || name[i] == 'b')) k += name[i++] == '#' ? 1 : -1;
    return k + 12 * (std::stoi(name.substr(i)) + 1);
}

// A line of "note/beats" tokens ("E5/0.5", "r/1" for a rest) placed from beat
// 'at'; returns the beats it covers. Each bar is checked to hold exactly
// 'bar' beats when bar is not 0, so a mistyped length fails the build.
double line(Track& t, int channel, double at, const std::string& notes, int velocity,
            int transpose = 0, double legato = 0.9, int bar = 4) {
    std::istringstream in(notes);
    std::string tok;
    double beat = 0;
    while (in >> tok) {
        if (tok == "|") {
            if (bar && std::fabs(std::fmod(beat, bar)) > 1e-9 &&
                std::fabs(std::fmod(beat, bar) - bar) > 1e-9) {
                std::fprintf(stderr, "gensounds: bar line at beat %g in \"%s\"\n", beat,
                             notes.c_str());
                std::exit(1);
            }
            continue;
        }
        size_t slash = tok.find('/');
        std::string name = tok.substr(0, slash);
        double len = std::stod(tok.substr(slash + 1));
        if (name != "r") {
            long start = std::lround((at + beat) * ticks);
            long length = std::max(1L, std::lround(len * legato * ticks));
            t.note(channel, start, length, key(name) + transpose, velocity);
        }
        beat += len;
    }
    return beat;
}

// The chord's root in the bass octave ("Am": A2).
int chordroot(const std::string& sym) {
    size_t n = sym.size() > 1 && (sym[1] == '#' || sym[1] == 'b') ? 2 : 1;
    return key(sym.substr(0, n) + "2");
}

// The notes of a chord symbol ("Am", "F", "E": a triad, minor with "m") in one
// close position between F3 and E4.
std::vector<int> chordkeys(const std::string& sym) {
    int root = chordroot(sym) + 24;
    bool minor = sym.find('m') != std::string::npos;
    std::vector<int> k = {root, root + (minor ? 3 : 4), root + 7};
    for (int& v : k) {
        while (v > 64) v -= 12;
        while (v < 53) v += 12;
    }
    std::sort(k.begin(), k.end());
    return k;
}

void writemidi(const std::string& path, std::vector<Track>& tracks) {
    std::vector<unsigned char> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    out.push_back(static_cast<unsigned char>(tracks.size() >> 8));
    out.push_back(static_cast<unsigned char>(tracks.size()));
    out.push_back(ticks >> 8);
    out.push_back(ticks & 255);
    for (Track& t : tracks) {
        std::stable_sort(t.events.begin(), t.events.end(), [](const Event& a, const Event& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        std::vector<unsigned char> body;
        auto vlq = [&](unsigned long v) {
            unsigned char buf[5];
            int n = 0;
            buf[n++] = v & 0x7F;
            while (v >>= 7) buf[n++] = static_cast<unsigned char>(0x80 | (v & 0x7F));
            while (n) body.push_back(buf[--n]);
        };
        body.push_back(0);
        body.insert(body.end(), {0xFF, 0x03, static_cast<unsigned char>(t.name.size())});
        body.insert(body.end(), t.name.begin(), t.name.end());
        long last = 0;
        for (const Event& e : t.events) {
            vlq(static_cast<unsigned long>(e.tick - last));
            last = e.tick;
            body.insert(body.end(), e.bytes.begin(), e.bytes.end());
        }
        body.insert(body.end(), {0, 0xFF, 0x2F, 0});
        out.insert(out.end(), {'M', 'T', 'r', 'k'});
        for (int s = 24; s >= 0; s -= 8)
            out.push_back(static_cast<unsigned char>(body.size() >> s));
        out.insert(out.end(), body.begin(), body.end());
    }
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    if (!f) {
        std::fprintf(stderr, "gensounds: cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

// General MIDI programs (counted from 0) and drum keys of channel 10.
enum Program {
    timpani = 47,
    strings = 48,
    synthstrings = 50,
    trumpet = 56,
    tuba = 58,
    frenchhorn = 60,
    brass = 61,
    synthbrass = 62,
    epiano = 5,
    vibraphone = 11,
    synthbass = 38,
    squarelead = 80,
    sawlead = 81,
    contrabass = 43
};
enum Drum {
    kick = 36,
    snare = 38,
    closedhat = 42,
    openhat = 46,
    crash = 49,
    lowtom = 45,
    midtom = 47,
    hightom = 50,
    ride = 51
};
constexpr int drums = 9; // channel 10

// Sets up a channel on a track: program, volume, pan, a little reverb.
void voice(Track& t, int channel, int program, int volume, int pan) {
    if (channel != drums) t.program(channel, 0, program);
    t.control(channel, 0, 7, volume);
    t.control(channel, 0, 10, pan);
    t.control(channel, 0, 91, 40);
}

// The menu's opening theme: a stately horn-and-trumpet tune in D major over
// strings, tuba and timpani, about half a minute.
std::vector<Track> openingtheme() {
    std::vector<Track> tr(6);
    tr[0].name = "Zoff opening";
    tr[0].tempo(0, 96);
    tr[0].add(0, -1, {0xFF, 0x58, 4, 4, 2, 24, 8}); // 4/4
    tr[0].tempo(11 * 4 * ticks, 84);                // broaden into the last bar
    tr[0].tempo(11 * 4 * ticks + 2 * ticks, 72);

    Track& horn = tr[1];
    horn.name = "Horns";
    voice(horn, 0, frenchhorn, 88, 50);
    voice(horn, 1, trumpet, 77, 78);
    const std::string tune = "D4/2 A4/1.5 A4/0.5 | D5/3 r/1 |"
                             " F#5/1.5 E5/0.5 D5/1 A4/1 | B4/2 D5/1 G5/1 |"
                             " F#5/1.5 E5/0.5 D5/1 F#5/1 | E5/3 r/1 |"
                             " D5/1.5 E5/0.5 F#5/1 G5/1 | A5/2 F#5/1 D5/1 |"
                             " G5/1.5 F#5/0.5 E5/1 B4/1 | C#5/2 E5/1 A5/1 |"
                             " B5/1 A5/1 G5/1 E5/1 | D5/4 |";
    line(horn, 0, 0, tune, 100, -12, 0.95);
    // The trumpet joins from the third bar, an octave above the horns.
    line(horn, 1, 8,
         "F#5/1.5 E5/0.5 D5/1 A4/1 | B4/2 D5/1 G5/1 | F#5/1.5 E5/0.5 D5/1 F#5/1 | E5/3 r/1 |"
         " D5/1.5 E5/0.5 F#5/1 G5/1 | A5/2 F#5/1 D5/1 | G5/1.5 F#5/0.5 E5/1 B4/1 |"
         " C#5/2 E5/1 A5/1 | B5/1 A5/1 G5/1 E5/1 | D5/4 |",
         92, 0, 0.92);

    Track& str = tr[2];
    str.name = "Strings";
    voice(str, 2, strings, 72, 40);
    const char* chords[12] = {"D", "D", "D", "G", "Bm", "A", "G", "D", "Em", "A", "G", "D"};
    for (int bar = 0; bar < 12; ++bar) {
        std::string c = chords[bar];
        double len = bar == 10 ? 2 : 4;
        for (int k : chordkeys(c)) str.note(2, bar * 4 * ticks, long(len * ticks * 0.98), k, 70);
        if (bar == 10)
            for (int k : chordkeys("A")) str.note(2, (bar * 4 + 2) * ticks, 2 * ticks - 10, k, 74);
    }

    Track& bass = tr[3];
    bass.name = "Tuba";
    voice(bass, 3, tuba, 74, 64);
    line(bass, 3, 0,
         "D2/2 A1/2 | D2/4 | D2/2 F#2/2 | G2/2 B1/2 | B1/2 D2/2 | A1/2 C#2/2 |"
         " G1/2 B1/2 | F#1/2 A1/2 | E2/2 B1/2 | A1/2 E2/2 | G1/2 A1/2 | D2/4 |",
         84, 0, 0.9);

    Track& timp = tr[4];
    timp.name = "Timpani";
    voice(timp, 4, timpani, 80, 64);
    // A roll growing under the opening call, then strokes at the cadences.
    for (int i = 0; i < 16; ++i)
        timp.note(4, 4 * ticks + i * ticks / 4, ticks / 4, key("D2"), 40 + i * 4);
    line(timp, 4, 8, "D2/1 r/3 | r/4 | r/4 | A1/1 r/1 A1/1 A1/1 |", 88, 0, 0.5);
    line(timp, 4, 36, "A1/1 r/3 |", 96, 0, 0.5);
    for (int i = 0; i < 8; ++i)
        timp.note(4, 44 * ticks + i * ticks / 4, ticks / 4, key("D2"), 60 + i * 6);

    Track& perc = tr[5];
    perc.name = "Cymbals";
    voice(perc, drums, 0, 80, 64);
    perc.note(drums, 8 * ticks, ticks, crash, 100);
    perc.note(drums, 24 * ticks, ticks, crash, 84);
    perc.note(drums, 44 * ticks, 2 * ticks, crash, 110);
    for (int bar = 2; bar < 11; ++bar) perc.note(drums, bar * 4 * ticks, ticks / 2, kick, 60);
    return tr;
}

// The game tune: A minor, 144 beats a minute, 48 bars (80 seconds):
// intro, A, B, A on brass, bridge, A with harmony, turnaround to the top.
std::vector<Track> gametune() {
    std::vector<Track> tr(7);
    tr[0].name = "Zoff game";
    tr[0].tempo(0, 144);
    tr[0].add(0, -1, {0xFF, 0x58, 4, 4, 2, 24, 8});

    // The sections, in bars, and the chord of every bar.
    struct Section {
        std::string name;
        std::vector<std::string> chords;
    };
    const std::vector<std::string> achords = {"Am", "F", "C", "G", "Am", "F", "C", "G"};
    const std::vector<std::string> bchords = {"Dm", "Am", "F", "E", "Dm", "Am", "F", "E"};
    const std::vector<std::string> cchords = {"F", "G", "Am", "Am", "F", "G", "E", "E"};
    const std::vector<Section> form = {
        {"intro", {"Am", "Am", "Am", "E"}},
        {"A", achords},
        {"B", bchords},
        {"A2", achords},
        {"C", cchords},
        {"A3", achords},
        {"turn", {"F", "G", "E", "E"}},
    };

    const std::string amelody = "A4/0.5 C5/0.5 E5/0.5 A5/1 G5/0.5 E5/0.5 C5/0.5 |"
                                " F5/0.75 E5/0.25 F5/0.5 A5/1 C6/0.5 A5/0.5 F5/0.5 |"
                                " G5/1 E5/0.5 G5/0.5 C6/1 B5/0.5 G5/0.5 |"
                                " D5/0.5 G5/0.5 B5/0.5 D6/1.5 r/1 |"
                                " A5/0.5 G5/0.5 E5/0.5 A5/0.5 B5/0.5 C6/0.5 B5/0.5 A5/0.5 |"
                                " C6/1 A5/0.5 F5/0.5 A5/1 G5/0.5 F5/0.5 |"
                                " E5/0.5 G5/0.5 C6/0.5 E6/1 D6/0.5 C6/0.5 G5/0.5 |"
                                " B5/1.5 A5/0.25 B5/0.25 D6/1 G5/1 |";
    // The same tune a third lower, for the last time round.
    const std::string aharmony = "F4/0.5 A4/0.5 C5/0.5 F5/1 E5/0.5 C5/0.5 A4/0.5 |"
                                 " D5/0.75 C5/0.25 D5/0.5 F5/1 A5/0.5 F5/0.5 D5/0.5 |"
                                 " E5/1 C5/0.5 E5/0.5 A5/1 G5/0.5 E5/0.5 |"
                                 " B4/0.5 E5/0.5 G5/0.5 B5/1.5 r/1 |"
                                 " F5/0.5 E5/0.5 C5/0.5 F5/0.5 G5/0.5 A5/0.5 G5/0.5 F5/0.5 |"
                                 " A5/1 F5/0.5 D5/0.5 F5/1 E5/0.5 D5/0.5 |"
                                 " C5/0.5 E5/0.5 A5/0.5 C6/1 B5/0.5 A5/0.5 E5/0.5 |"
                                 " G5/1.5 F5/0.25 G5/0.25 B5/1 E5/1 |";
    const std::string bmelody = "D5/1.5 F5/0.5 A5/2 | C6/1 B5/0.5 A5/0.5 E5/2 |"
                                " F5/1 A5/1 C6/1 A5/1 | G#5/2 B5/1 E5/1 |"
                                " A5/0.5 F5/0.5 D5/0.5 F5/0.5 A5/1 D6/1 |"
                                " C6/0.5 B5/0.5 A5/0.5 C6/0.5 E6/2 |"
                                " D6/1 C6/0.5 A5/0.5 F5/1 A5/1 |"
                                " B5/1 G#5/1 E5/0.5 F#5/0.5 G#5/0.5 B5/0.5 |";
    const std::string cmelody = "A5/2 G5/1 F5/1 | D5/2 G5/2 | E5/3 r/1 | C5/1 D5/1 E5/1 G5/1 |"
                                " A5/2 C6/1 A5/1 | B5/2 D6/2 | E6/2 D6/1 B5/1 | G#5/2 B5/1 r/1 |";
    const std::string turnmelody =
        "A5/0.5 C6/0.5 A5/0.5 F5/0.5 r/2 | B5/0.5 D6/0.5 B5/0.5 G5/0.5 r/2 |"
        " G#5/0.5 B5/0.5 E6/1 D6/0.5 B5/0.5 G#5/1 | E5/2 r/2 |";

    Track& lead = tr[1];
    lead.name = "Lead";
    voice(lead, 0, squarelead, 96, 70);
    Track& lead2 = tr[2];
    lead2.name = "Lead two";
    voice(lead2, 1, synthbrass, 100, 56);
    Track& chords = tr[3];
    chords.name = "Chords";
    voice(chords, 2, epiano, 84, 40);
    voice(chords, 4, synthstrings, 70, 90);
    Track& bass = tr[4];
    bass.name = "Bass";
    voice(bass, 3, synthbass, 104, 64);
    Track& arp = tr[5];
    arp.name = "Arpeggio";
    voice(arp, 5, sawlead, 58, 100);
    voice(arp, 6, vibraphone, 100, 30);
    Track& kit = tr[6];
    kit.name = "Drums";
    voice(kit, drums, 0, 104, 64);

    double at = 0; // beats
    for (const Section& s : form) {
        int bars = int(s.chords.size());
        const std::string& n = s.name;
        // Melody.
        if (n == "A") line(lead, 0, at, amelody, 100);
        if (n == "A2") line(lead2, 1, at, amelody, 104, -12);
        if (n == "A3") {
            line(lead, 0, at, amelody, 100);
            line(lead2, 1, at, aharmony, 84, -12);
        }
        if (n == "B") line(lead2, 1, at, bmelody, 104, 0, 0.97);
        if (n == "C") line(arp, 6, at, cmelody, 104, 0, 0.98);
        if (n == "turn") line(lead, 0, at, turnmelody, 96);

        for (int b = 0; b < bars; ++b) {
            double bar = at + 4 * b;
            const std::string& c = s.chords[b];
            std::vector<int> ck = chordkeys(c);
            int root = chordroot(c);
            bool last = b == bars - 1;
            // Chords: offbeat electric piano stabs, or held strings in the B and
            // bridge sections.
            if (n != "intro") {
                const double stabs[5] = {0, 1.5, 2.5, 3, 3.5};
                for (double st : stabs)
                    for (int k : ck)
                        chords.note(2, std::lround((bar + st) * ticks), ticks / 3, k,
                                    st == 0 ? 84 : 70);
            }
            if (n == "B" || n == "C" || n == "turn")
                for (int k : ck)
                    chords.note(4, std::lround(bar * ticks), 4 * ticks - 20, k + 12, 64);
            // Bass: driving eighths with octave jumps; the bridge walks in quarters.
            if (n == "C" && b < 4) {
                const int walk[4] = {0, 7, 12, 7};
                for (int q = 0; q < 4; ++q)
                    bass.note(3, std::lround((bar + q) * ticks), ticks - 30, root + walk[q], 100);
            } else {
                const int oct[8] = {0, 0, 12, 0, 0, 12, 0, 7};
                for (int e = 0; e < 8; ++e)
                    bass.note(3, std::lround((bar + 0.5 * e) * ticks), ticks / 2 - 30,
                              root + oct[e], e % 2 ? 84 : 104);
            }
            // Arpeggio: sixteenths over the chord in the intro and the bridge's
            // second half, climbing then falling.
            if (n == "intro" || (n == "C" && b >= 4) || n == "A3") {
                const int pattern[8] = {0, 1, 2, 1, 0, 2, 1, 2};
                for (int x = 0; x < 16; ++x) {
                    int k = ck[pattern[x % 8]] + 12 + (x >= 8 ? 12 : 0);
                    arp.note(5, std::lround((bar + 0.25 * x) * ticks), ticks / 4 - 20, k,
                             n == "A3" ? 50 : 70 + 2 * x);
                }
            }
            // Drums.
            if (b == 0 && n != "intro")
                kit.note(drums, std::lround(bar * ticks), ticks, crash, 100);
            bool halftime = n == "C" && b < 4;
            bool sparse = n == "intro" && b < 2;
            for (int x = 0; x < 16; ++x) {
                long t = std::lround((bar + 0.25 * x) * ticks);
                bool fill = last && x >= 8 && n != "intro";
                if (fill) {
                    const int toms[8] = {hightom, hightom, midtom, midtom,
                                         lowtom,  lowtom,  snare,  snare};
                    kit.note(drums, t, ticks / 4, toms[x - 8], 80 + 3 * (x - 8));
                    continue;
                }
                if (halftime) {
                    if (x == 0) kit.note(drums, t, ticks / 4, kick, 110);
                    if (x == 8) kit.note(drums, t, ticks / 4, snare, 110);
                    if (x % 2 == 0) kit.note(drums, t, ticks / 4, ride, x % 4 ? 60 : 80);
                    continue;
                }
                bool kickhit = sparse ? x % 8 == 0 : (x == 0 || x == 6 || x == 8 || x == 10);
                if (n == "B") kickhit = x == 0 || x == 3 || x == 8 || x == 11;
                if (kickhit) kit.note(drums, t, ticks / 4, kick, 112);
                if (!sparse && (x == 4 || x == 12)) kit.note(drums, t, ticks / 4, snare, 108);
                if (n == "B" && x == 15) kit.note(drums, t, ticks / 4, snare, 60); // ghost note
                if (x % 2 == 0 || n == "B" || n == "A3")
                    kit.note(drums, t, ticks / 4, x == 14 ? openhat : closedhat,
                             x % 4 == 0 ? 84 : (x % 2 ? 46 : 64));
            }
        }
        at += 4 * bars;
    }
    // The last bar rings to its end, so the tune comes round to the top in time.
    tr[0].add(std::lround(at * ticks), 2, {0xFF, 0x06, 3, 'e', 'n', 'd'});
    return tr;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    std::string dir = argv[1];
    struct Effect {
        const char* name;
        Wave (*make)();
    };
    const Effect effects[] = {
        {"pain.wav", pain},
        {"death.wav", death},
        {"exb.wav", explosion},
        {"cut.wav", cut},
        {"add.wav", addsound},
        {"down.wav", down},
        {"rangeup.wav", rangeup},
        {"getammo.wav", getammo},
        {"bolt.wav", bolt},
        {"oneheart.wav", oneheart},
        {"tenheart.wav", tenheart},
        {"ding.wav", ding},
        {"orchhit.wav", [] { return orchestrahit(55); }},  // G3
        {"orchhitl.wav", [] { return orchestrahit(50); }}, // D3
        {"orchhith.wav", [] { return orchestrahit(62); }}, // D4
    };
    for (const Effect& e : effects) {
        Wave w = e.make();
        finish(w);
        writewave(dir + "/" + e.name, w);
    }
    std::vector<Track> open = openingtheme();
    writemidi(dir + "/Open.mid", open);
    std::vector<Track> game = gametune();
    writemidi(dir + "/gimmeall.mid", game);
    return 0;
}
