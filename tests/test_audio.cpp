// Sound effects, the media control and the generated sound files. Playback
// tests run on SDL's disk audio driver, which writes the mix to a file in real
// time, and read the samples back.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "audio/music.h"
#include "audio/sound.h"
#include "platform/audio.h"
#include "platform/media.h"
#include "platform/window.h"

namespace fs = std::filesystem;

namespace {

// The folder of this test program, where the build puts the game's files.
fs::path testdir() {
    return fs::read_symlink("/proc/self/exe").parent_path();
}

std::string uniquename(const std::string& stem, const std::string& ext) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return "zofftest_" + stem + "_" + std::to_string(getpid()) + "_" + info->name() + ext;
}

void sleepfor(double seconds) {
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

void put32(std::ofstream& f, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) f.put(char((v >> (8 * i)) & 255));
}
void put16(std::ofstream& f, std::uint16_t v) {
    f.put(char(v & 255));
    f.put(char(v >> 8));
}

// A sine tone with soft ends, as a 44.1 kHz mono wave file.
void writetone(const fs::path& path, double freq, double seconds) {
    int n = int(seconds * 44100);
    std::ofstream f(path, std::ios::binary);
    f.write("RIFF", 4);
    put32(f, 36 + 2 * n);
    f.write("WAVEfmt ", 8);
    put32(f, 16);
    put16(f, 1);
    put16(f, 1);
    put32(f, 44100);
    put32(f, 88200);
    put16(f, 2);
    put16(f, 16);
    f.write("data", 4);
    put32(f, 2 * n);
    for (int i = 0; i < n; ++i) {
        double edge = std::min(1.0, std::min(i, n - 1 - i) / 200.0);
        put16(f, std::uint16_t(std::int16_t(12000 * edge * std::sin(2 * M_PI * freq * i / 44100))));
    }
}

// A one-track MIDI file holding one piano note of the given length.
void writeshorttune(const fs::path& path, double seconds) {
    // 480 ticks a beat at 120 beats a minute: 960 ticks a second.
    std::uint32_t len = std::uint32_t(seconds * 960);
    std::vector<unsigned char> trk = {0x00, 0xC0, 0x00, 0x00, 0x90, 60, 100};
    std::vector<unsigned char> d;
    unsigned long v = len;
    d.push_back(v & 0x7F);
    while (v >>= 7) d.insert(d.begin(), static_cast<unsigned char>(0x80 | (v & 0x7F)));
    trk.insert(trk.end(), d.begin(), d.end());
    trk.insert(trk.end(), {0x80, 60, 64, 0x00, 0xFF, 0x2F, 0x00});
    std::ofstream f(path, std::ios::binary);
    const unsigned char head[] = {'M', 'T', 'h', 'd',  0,    0,   0,   6,   0,
                                  0,   0,   1,   0x01, 0xE0, 'M', 'T', 'r', 'k'};
    f.write(reinterpret_cast<const char*>(head), sizeof head);
    for (int s = 24; s >= 0; s -= 8) f.put(char((trk.size() >> s) & 255));
    f.write(reinterpret_cast<const char*>(trk.data()), std::streamsize(trk.size()));
}

// Runs the audio on the disk driver into a file of its own for the length of
// 'script' plus 'tail' seconds, then hands back the samples (stereo pairs
// folded to their larger magnitude).
struct DiskAudio : ::testing::Test {
    std::string olddriver;
    std::vector<fs::path> scratch;

    void SetUp() override {
        const char* d = std::getenv("SDL_AUDIODRIVER");
        olddriver = d ? d : "";
        closeaudio();
    }
    void TearDown() override {
        closeaudio();
        if (olddriver.empty())
            unsetenv("SDL_AUDIODRIVER");
        else
            setenv("SDL_AUDIODRIVER", olddriver.c_str(), 1);
        unsetenv("SDL_DISKAUDIOFILE");
        std::error_code ec;
        for (const fs::path& p : scratch) fs::remove(p, ec);
    }
    fs::path scratchfile(const fs::path& p) {
        scratch.push_back(p);
        return p;
    }
    // A wave file of our own beside the program, named as sound() names one.
    std::string testwave(const std::string& stem, double freq, double seconds) {
        std::string name = uniquename(stem, ".wav");
        writetone(scratchfile(testdir() / name), freq, seconds);
        return "\\" + name;
    }
    std::vector<int> render(const std::function<void()>& script, double tail) {
        fs::path out = scratchfile(fs::temp_directory_path() / uniquename("mix", ".raw"));
        closeaudio();
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", out.c_str(), 1);
        EXPECT_TRUE(audioready());
        int freq = 0, channels = 0;
        Uint16 format = 0;
        EXPECT_EQ(Mix_QuerySpec(&freq, &format, &channels), 1);
        EXPECT_EQ(format, AUDIO_S16SYS);
        EXPECT_EQ(channels, 2);
        EXPECT_EQ(freq, 44100);
        script();
        sleepfor(tail);
        closeaudio();
        std::ifstream f(out, std::ios::binary);
        std::vector<int> frames;
        std::int16_t s[2];
        while (f.read(reinterpret_cast<char*>(s), sizeof s))
            frames.push_back(std::max(std::abs(int(s[0])), std::abs(int(s[1]))));
        return frames;
    }
};

// How long the mix is not silent: from the first to the last audible frame.
double soundingseconds(const std::vector<int>& frames) {
    int first = -1, last = -1;
    for (int i = 0; i < int(frames.size()); ++i)
        if (frames[i] > 30) {
            if (first < 0) first = i;
            last = i;
        }
    return first < 0 ? 0.0 : (last - first) / 44100.0;
}

int loudest(const std::vector<int>& frames) {
    int p = 0;
    for (int v : frames) p = std::max(p, v);
    return p;
}

} // namespace

// ---------------------------------------------------------------- sound()

TEST(SoundFiles, NamesResolveInTheProgramsFolder) {
    const std::string dir = testdir().string();
    EXPECT_EQ(programdir(), dir);
    struct Case {
        const char* name;
        const char* file;
    } cases[] = {{"\\pain.wav", "pain.wav"},
                 {"\\orchhith.wav", "orchhith.wav"},
                 {".\\Open.mid", "Open.mid"},
                 {".\\gimmeall.mid", "gimmeall.mid"}};
    for (const Case& c : cases) EXPECT_EQ(programfile(c.name), dir + "/" + c.file) << c.name;
    musiclayout();
    EXPECT_EQ(Form1MMControl1.FileName, dir + "/gimmeall.mid");
    EXPECT_EQ(Form1MMControl1.DeviceType, "");
    EXPECT_EQ(Form2MMControl1.FileName, dir + "/Open.mid");
}

TEST(SoundFiles, EveryRequestIsLoggedInOrderEvenWithoutAFile) {
    soundlog().clear();
    sound("\\exb.wav", 1);
    sound("\\no such file.wav", 1);
    sound("\\ding.wav", 1);
    EXPECT_EQ(soundlog(),
              (std::vector<std::string>{"\\exb.wav", "\\no such file.wav", "\\ding.wav"}));
}

TEST_F(DiskAudio, AnEffectIsHeard) {
    auto frames = render([] { sound("\\ding.wav", 1); }, 0.8);
    EXPECT_GT(loudest(frames), 3000);
    EXPECT_GT(soundingseconds(frames), 0.3);
}

TEST_F(DiskAudio, ANewEffectCutsOffTheOneBefore) {
    std::string longtone = testwave("long", 440, 1.5);
    std::string shorttone = testwave("short", 880, 0.1);
    // Alone, the long tone is heard to its end; a second request 0.2 s in cuts
    // it off, and a request for a missing file cuts off nothing.
    struct Case {
        const char* what;
        std::string second;
        double atleast, atmost;
    } cases[] = {{"alone", "", 1.3, 1.7},
                 {"cut off", shorttone, 0.2, 0.6},
                 {"missing file", "\\zofftest_no_such_file.wav", 1.3, 1.7}};
    for (const Case& c : cases) {
        auto frames = render(
            [&] {
                sound(longtone, 1);
                EXPECT_TRUE(waveplaying());
                sleepfor(0.2);
                if (!c.second.empty()) sound(c.second, 1);
            },
            1.8);
        double heard = soundingseconds(frames);
        EXPECT_GE(heard, c.atleast) << c.what;
        EXPECT_LE(heard, c.atmost) << c.what;
    }
}

TEST_F(DiskAudio, NoDeviceMeansSilenceAndNothingFails) {
    closeaudio();
    setenv("SDL_AUDIODRIVER", "zoff_no_such_driver", 1);
    soundlog().clear();
    sound("\\ding.wav", 1);
    EXPECT_FALSE(audioready());
    EXPECT_FALSE(waveplaying());
    EXPECT_EQ(soundlog(), std::vector<std::string>{"\\ding.wav"});
    MediaControl m;
    m.FileName = programfile(".\\gimmeall.mid");
    mcicommand(m, "open");
    mcicommand(m, "play");
    EXPECT_FALSE(m.isopen);
    EXPECT_FALSE(m.playing);
    mcicommand(m, "close");
}

// ---------------------------------------------------------------- music

TEST_F(DiskAudio, TheGameTuneIsHeard) {
    musiclayout();
    auto frames = render(
        [] {
            form1musicstart();
            EXPECT_TRUE(Form1MMControl1.isopen);
            EXPECT_TRUE(Form1MMControl1.playing);
            sleepfor(2.5);
            mcicommand(Form1MMControl1, "close");
        },
        0.1);
    EXPECT_GT(loudest(frames), 1000);
    EXPECT_GT(soundingseconds(frames), 1.5);
}

TEST_F(DiskAudio, TheMenuTuneIsHeard) {
    musiclayout();
    auto frames = render(
        [] {
            form2musicsettings();
            form2musicstart();
            EXPECT_TRUE(Form2MMControl1.playing);
            sleepfor(2.5);
            form2musicunload();
            EXPECT_FALSE(Form2MMControl1.isopen);
        },
        0.1);
    EXPECT_GT(loudest(frames), 1000);
}

TEST_F(DiskAudio, TheGameTuneStartsAgainWhenItEnds) {
    // A short tune in the game control's place, so it ends within the test.
    fs::path tune = scratchfile(fs::temp_directory_path() / uniquename("tune", ".mid"));
    writeshorttune(tune, 0.4);
    MediaControl saved = Form1MMControl1;
    Form1MMControl1 = MediaControl{};
    Form1MMControl1.FileName = tune.string();
    Window w;
    int ends = 0;
    Form1MMControl1.owner = &w;
    w.onmusicdone = [&] {
        ++ends;
        form1musicdone();
    };
    mcilog().clear();
    double took = 0;
    auto frames = render(
        [&] {
            auto start = std::chrono::steady_clock::now();
            form1musicstart();
            // The end arrives as an event that event processing hands to the window.
            for (int i = 0; i < 400 && ends < 2; ++i) {
                doevents();
                sleepfor(0.01);
            }
            took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            mcicommand(Form1MMControl1, "close");
        },
        0.1);
    EXPECT_EQ(ends, 2);
    // Each round ends when its notes do, not after the seconds the synthesizer
    // lets them ring, so the loop has no pause in it.
    EXPECT_LT(took, 2 * 0.4 + 0.6);
    const std::string f = tune.string();
    ASSERT_GE(mcilog().size(), 8u);
    EXPECT_EQ(std::vector<std::string>(mcilog().begin(), mcilog().begin() + 8),
              (std::vector<std::string>{f + " open", f + " play", f + " close", f + " open",
                                        f + " play", f + " close", f + " open", f + " play"}));
    EXPECT_GT(loudest(frames), 1000);
    Form1MMControl1 = saved;
}

TEST_F(DiskAudio, TheMenuTuneEndsSilentlyAndTheHandOverNeedsItClosed) {
    fs::path tune = scratchfile(fs::temp_directory_path() / uniquename("tune", ".mid"));
    writeshorttune(tune, 0.3);
    MediaControl menu, game;
    menu.FileName = tune.string();
    game.FileName = programfile(".\\gimmeall.mid");
    Window w;
    int heard = 0;
    w.onmusicdone = [&] { ++heard; };
    menu.owner = game.owner = &w;
    render(
        [&] {
            menu.Notify = false;
            menu.Wait = true;
            menu.DeviceType = "Sequencer";
            mcicommand(menu, "Open");
            mcicommand(menu, "play");
            EXPECT_TRUE(menu.playing);
            for (int i = 0; i < 150; ++i) {
                doevents();
                sleepfor(0.01);
            }
            EXPECT_EQ(heard, 0); // no notification: the menu stays silent
            // While the menu holds the device the game cannot open its tune.
            mcicommand(menu, "stop");
            mcicommand(game, "open");
            EXPECT_FALSE(game.isopen);
            mcicommand(menu, "stop");
            mcicommand(menu, "CLOSE");
            EXPECT_FALSE(menu.isopen);
            mcicommand(game, "OPEN");
            mcicommand(game, "Play");
            EXPECT_TRUE(game.isopen);
            EXPECT_TRUE(game.playing);
            mcicommand(game, "close");
        },
        0.1);
}

TEST_F(DiskAudio, AMissingTuneIsSilent) {
    MediaControl m;
    m.FileName = (testdir() / "zofftest_no_such_tune.mid").string();
    auto frames = render(
        [&] {
            mcicommand(m, "open");
            mcicommand(m, "play");
            EXPECT_FALSE(m.isopen);
            EXPECT_FALSE(m.playing);
            sleepfor(0.3);
            mcicommand(m, "stop");
            mcicommand(m, "close");
        },
        0.1);
    EXPECT_FALSE(frames.empty()); // the device ran
    EXPECT_EQ(loudest(frames), 0);
}

TEST_F(DiskAudio, UnknownCommandsAndDevicesDoNothing) {
    MediaControl m;
    m.FileName = programfile(".\\gimmeall.mid");
    render(
        [&] {
            m.DeviceType = "WaveAudio"; // not a MIDI device: the open fails
            mcicommand(m, "open");
            EXPECT_FALSE(m.isopen);
            m.DeviceType = "sequencer";
            mcicommand(m, "rewind");
            mcicommand(m, "play"); // not open yet
            EXPECT_FALSE(m.playing);
            mcicommand(m, "open");
            EXPECT_TRUE(m.isopen);
            mcicommand(m, "close");
        },
        0.0);
}

// ---------------------------------------------------------------- the files

namespace {

std::vector<unsigned char> readall(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}
std::uint32_t le32(const std::vector<unsigned char>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}
std::uint16_t le16(const std::vector<unsigned char>& b, size_t at) {
    return std::uint16_t(b[at] | b[at + 1] << 8);
}

const char* wavenames[] = {"pain.wav",    "death.wav",    "exb.wav",      "cut.wav",
                           "add.wav",     "down.wav",     "rangeup.wav",  "getammo.wav",
                           "bolt.wav",    "oneheart.wav", "tenheart.wav", "ding.wav",
                           "orchhit.wav", "orchhitl.wav", "orchhith.wav"};

} // namespace

TEST(GeneratedFiles, EveryWaveIsValidShortCleanAndOfALikeLoudness) {
    std::map<std::string, double> level; // dBFS of the loudest 150 ms
    for (const char* name : wavenames) {
        SCOPED_TRACE(name);
        fs::path p = testdir() / name;
        ASSERT_TRUE(fs::exists(p));
        auto b = readall(p);
        ASSERT_GE(b.size(), 44u);
        EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
        EXPECT_EQ(le32(b, 4), b.size() - 8);
        EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ");
        EXPECT_EQ(le32(b, 16), 16u);
        EXPECT_EQ(le16(b, 20), 1); // PCM
        EXPECT_EQ(le16(b, 22), 1); // mono
        EXPECT_EQ(le32(b, 24), 44100u);
        EXPECT_EQ(le16(b, 34), 16);
        EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data");
        ASSERT_EQ(le32(b, 40), b.size() - 44);
        size_t n = (b.size() - 44) / 2;
        std::vector<double> s(n);
        for (size_t i = 0; i < n; ++i) s[i] = std::int16_t(le16(b, 44 + 2 * i)) / 32768.0;
        double seconds = n / 44100.0;
        EXPECT_GT(seconds, 0.1);
        EXPECT_LT(seconds, 1.5);
        double peak = 0;
        for (double v : s) peak = std::max(peak, std::fabs(v));
        EXPECT_LT(20 * std::log10(peak), -1.0);
        EXPECT_GT(20 * std::log10(peak), -12.0);
        // No click at either end: the sound starts and stops at silence.
        EXPECT_LT(std::fabs(s.front()), 0.002);
        EXPECT_LT(std::fabs(s.back()), 0.002);
        size_t w = 6615;
        double sum = 0, most = 0;
        for (size_t i = 0; i < n; ++i) {
            sum += s[i] * s[i];
            if (i >= w) sum -= s[i - w] * s[i - w];
            most = std::max(most, sum);
        }
        level[name] = 10 * std::log10(most / std::min(w, n));
    }
    double lo = 0, hi = -100;
    for (auto& [name, db] : level) lo = std::min(lo, db), hi = std::max(hi, db);
    EXPECT_LT(hi - lo, 8.0) << "loudest " << hi << " dB, quietest " << lo << " dB";
}

namespace {

// What a MIDI file holds, read strictly: every chunk and event must end where
// its length says.
struct MidiSummary {
    int format = -1, division = 0;
    int tracks = 0;
    std::map<int, int> notesbychannel; // channel (0-15) -> note-ons
    int programchanges = 0;
    int unmatched = 0; // note-ons never ended, or ends of notes never started
    double seconds = 0;
};

unsigned long readvlq(const std::vector<unsigned char>& b, size_t& at, size_t end) {
    unsigned long v = 0;
    for (int i = 0; i < 4; ++i) {
        if (at >= end) throw std::runtime_error("number runs past the track");
        unsigned char c = b[at++];
        v = v << 7 | (c & 0x7F);
        if (!(c & 0x80)) return v;
    }
    throw std::runtime_error("number longer than four bytes");
}

MidiSummary parsemidi(const std::vector<unsigned char>& b) {
    auto be32 = [&](size_t at) {
        return std::uint32_t(b.at(at)) << 24 | b.at(at + 1) << 16 | b.at(at + 2) << 8 |
               b.at(at + 3);
    };
    auto be16 = [&](size_t at) { return int(b.at(at) << 8 | b.at(at + 1)); };
    MidiSummary m;
    if (std::string(b.begin(), b.begin() + 4) != "MThd" || be32(4) != 6)
        throw std::runtime_error("no header");
    m.format = be16(8);
    int ntracks = be16(10);
    m.division = be16(12);
    std::map<unsigned long, std::uint32_t> tempos = {{0, 500000}}; // tick -> microseconds a beat
    unsigned long lasttick = 0;
    size_t at = 14;
    while (at < b.size()) {
        if (std::string(b.begin() + at, b.begin() + at + 4) != "MTrk")
            throw std::runtime_error("chunk is not a track");
        size_t end = at + 8 + be32(at + 4);
        if (end > b.size()) throw std::runtime_error("track runs past the file");
        at += 8;
        unsigned long tick = 0;
        int status = 0;
        bool ended = false;
        std::map<std::pair<int, int>, int> on;
        while (at < end) {
            if (ended) throw std::runtime_error("events after the end of the track");
            tick += readvlq(b, at, end);
            if (b.at(at) & 0x80)
                status = b[at++];
            else if (!status)
                throw std::runtime_error("running status with no status");
            int type = status & 0xF0, ch = status & 0x0F;
            if (status == 0xFF) {
                int meta = b.at(at++);
                unsigned long len = readvlq(b, at, end);
                if (at + len > end) throw std::runtime_error("meta event runs past the track");
                if (meta == 0x2F) ended = true;
                if (meta == 0x51) tempos[tick] = b[at] << 16 | b[at + 1] << 8 | b[at + 2];
                at += len;
                status = 0;
            } else if (status == 0xF0 || status == 0xF7) {
                at += readvlq(b, at, end);
                status = 0;
            } else if (type == 0xC0 || type == 0xD0) {
                if (type == 0xC0) ++m.programchanges;
                at += 1;
            } else {
                int k = b.at(at), v = b.at(at + 1);
                at += 2;
                if (type == 0x90 && v > 0) {
                    ++on[{ch, k}];
                    ++m.notesbychannel[ch];
                } else if (type == 0x80 || type == 0x90) {
                    if (on[{ch, k}]-- <= 0) ++m.unmatched;
                }
            }
        }
        if (at != end || !ended) throw std::runtime_error("track does not end with its end event");
        for (auto& [key, count] : on) m.unmatched += std::max(0, count);
        lasttick = std::max(lasttick, tick);
        ++m.tracks;
    }
    if (m.tracks != ntracks) throw std::runtime_error("track count differs from the header");
    // Length in seconds through the tempo map.
    unsigned long prev = 0;
    std::uint32_t us = 500000;
    for (auto& [t, tempo] : tempos) {
        if (t > lasttick) break;
        m.seconds += double(t - prev) / m.division * us / 1e6;
        prev = t, us = tempo;
    }
    m.seconds += double(lasttick - prev) / m.division * us / 1e6;
    return m;
}

} // namespace

TEST(GeneratedFiles, TheParserRejectsBrokenFiles) {
    fs::path p = testdir() / "gimmeall.mid";
    ASSERT_TRUE(fs::exists(p));
    auto good = readall(p);
    EXPECT_NO_THROW(parsemidi(good));
    auto cut = good;
    cut.resize(cut.size() - 3); // the last track's end event lost
    EXPECT_ANY_THROW(parsemidi(cut));
    auto noend = good;
    noend[noend.size() - 2] = 0x01; // end of track turned into a text event
    EXPECT_ANY_THROW(parsemidi(noend));
}

TEST(GeneratedFiles, BothTunesParseAndHaveTheirShape) {
    struct Case {
        const char* name;
        double atleast, atmost;
        bool drums;
    } cases[] = {{"Open.mid", 25, 40, false}, {"gimmeall.mid", 60, 200, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::path p = testdir() / c.name;
        ASSERT_TRUE(fs::exists(p));
        MidiSummary m;
        ASSERT_NO_THROW(m = parsemidi(readall(p)));
        EXPECT_EQ(m.format, 1);
        EXPECT_GT(m.division, 0);
        EXPECT_EQ(m.unmatched, 0);
        EXPECT_GE(m.seconds, c.atleast);
        EXPECT_LE(m.seconds, c.atmost);
        EXPECT_GT(m.programchanges, 2); // General MIDI instruments chosen
        EXPECT_GE(m.notesbychannel.size(), 4u);
        if (c.drums) {
            EXPECT_GT(m.notesbychannel[9], 200); // drums on channel 10
        }
    }
}
