// The media control: plays one music file, driven by command strings, and
// raises a completion notification (the window's onmusicdone) through event
// processing when playback ends.
#pragma once
#include <string>
#include <vector>

struct Window;

struct MediaControl {
    std::string FileName;   // the tune, resolved against the program's folder
    std::string DeviceType; // "Sequencer", or empty: the device follows from the file
    // Notify: the end of playback is reported to the owner. Wait and Shareable are
    // kept as set; every command returns at once and the mixer has one music
    // stream, so a second control cannot open while another one holds it.
    bool Notify = true, Wait = false, Shareable = false;
    Window* owner = nullptr; // the window whose onmusicdone hears the end of playback
    bool isopen = false, playing = false;
};

// Sends one command: "open", "play", "stop" or "close", in any letter case.
// Unknown commands and failures (no device, no file) do nothing.
void mcicommand(MediaControl& m, const std::string& command);
// Every command sent, as "<FileName> <command>" (for tests).
std::vector<std::string>& mcilog();
// The SDL event type (registered once) pushed when a tune ends by itself, with
// user.data1 the MediaControl whose playback ended; event processing hands it
// to that control's owner->onmusicdone.
int musicdoneevent();
// Lets go of the tune the mixer holds; every control is closed (closeaudio).
void releasemusic();
