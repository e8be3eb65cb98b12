#include "audio/sound.h"

#include "platform/audio.h"

std::vector<std::string>& soundlog() {
    static std::vector<std::string> log;
    return log;
}

void sound(const std::string& file, Long flags) {
    // Every caller asks for asynchronous playback (1), which is all the mixer
    // does: the call returns at once and the newest effect cuts off the last.
    (void)flags;
    soundlog().push_back(file);
    playwave(programfile(file));
}
