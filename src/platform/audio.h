// The sound device: SDL2_mixer, opened on first use. One channel plays the
// sound effects (a new effect cuts off the one playing); the mixer's music
// stream plays the tunes, MIDI through FluidSynth and a General MIDI
// soundfont. With no audio device everything here is silent and harmless.
#pragma once
#include <string>

// The folder holding the running program, without a trailing separator.
std::string programdir();
// A file of the program's folder named the game's way, with a leading
// backslash or ".\" ("\pain.wav", ".\Open.mid"): "<programdir>/pain.wav".
std::string programfile(const std::string& name);

// Opens the device the first time it is asked (later calls only report); false
// when there is no device. The soundfont is TimGM6mb unless SDL_SOUNDFONTS says.
bool audioready();
// Closes the device and frees what it holds; the next audioready() opens it
// again, reading SDL_AUDIODRIVER anew.
void closeaudio();

// Reads a wave file now and starts it on the effects channel, cutting off the
// effect before it. An unreadable file plays nothing (and stops nothing).
void playwave(const std::string& path);
// True while an effect is sounding.
bool waveplaying();

// The default soundfont: Debian's timgm6mb-soundfont.
constexpr const char* defaultsoundfont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
