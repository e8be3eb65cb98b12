#include "platform/audio.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/media.h"

namespace {
enum class DeviceState { Unopened, Open, Failed };
DeviceState device = DeviceState::Unopened;
Mix_Chunk* effect = nullptr; // the effect on the channel, freed when the next one starts
constexpr int effectchannel = 0;
constexpr int musicvolume = 56; // of the mixer's 128
} // namespace

std::string programdir() {
    char buf[4096];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    std::string path(buf, static_cast<size_t>(n));
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "";
    return path.substr(0, slash);
}

std::string programfile(const std::string& name) {
    std::string rest = name;
    if (rest.rfind(".\\", 0) == 0 || rest.rfind("./", 0) == 0) rest.erase(0, 2);
    while (!rest.empty() && (rest[0] == '\\' || rest[0] == '/')) rest.erase(0, 1);
    for (char& c : rest)
        if (c == '\\') c = '/';
    return programdir() + "/" + rest;
}

bool audioready() {
    if (device == DeviceState::Open) return true;
    if (device == DeviceState::Failed) return false;
    device = DeviceState::Failed;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) return false;
    // SDL_SOUNDFONTS, when set, is read by the mixer itself.
    if (!std::getenv("SDL_SOUNDFONTS")) Mix_SetSoundFonts(defaultsoundfont);
    Mix_Init(MIX_INIT_MID);
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO | SDL_INIT_EVENTS | SDL_INIT_TIMER);
        return false;
    }
    Mix_AllocateChannels(1);
    // The synthesizer at full gain is far louder than the effects and clips:
    // the tunes sit under the effects.
    Mix_VolumeMusic(musicvolume);
    device = DeviceState::Open;
    return true;
}

void closeaudio() {
    if (device == DeviceState::Open) {
        releasemusic();
        Mix_HaltChannel(-1);
        if (effect) Mix_FreeChunk(effect);
        effect = nullptr;
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO | SDL_INIT_EVENTS | SDL_INIT_TIMER);
    }
    device = DeviceState::Unopened;
}

void playwave(const std::string& path) {
    if (!audioready()) return;
    Mix_Chunk* next = Mix_LoadWAV(path.c_str());
    if (!next) return;
    Mix_HaltChannel(effectchannel); // returns once the mixer has let go of the old chunk
    if (effect) Mix_FreeChunk(effect);
    effect = next;
    Mix_PlayChannel(effectchannel, effect, 0);
}

bool waveplaying() {
    return device == DeviceState::Open && Mix_Playing(effectchannel) != 0;
}
