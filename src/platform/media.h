// The media control: plays one music file, driven by command strings, and
// raises a completion notification (the window's onmusicdone) through event
// processing when playback ends.
#pragma once
#include <string>
#include <vector>

struct Window;

struct MediaControl {
    std::string FileName;   // the tune, resolved against the program's folder
    std::string DeviceType; // "Sequencer"
    bool Notify = true, Wait = false, Shareable = false;
    Window* owner = nullptr; // the window whose onmusicdone hears the end of playback
    bool isopen = false, playing = false;
};

// Sends one command: "open", "play", "stop" or "close", in any letter case.
// Unknown commands and failures (no device, no file) do nothing.
void mcicommand(MediaControl& m, const std::string& command);
// Every command sent, as "<FileName> <command>" (for tests).
std::vector<std::string>& mcilog();
