#include "audio/sound.h"

std::vector<std::string>& soundlog() {
    static std::vector<std::string> log;
    return log;
}

void sound(const std::string& file, Long flags) {
    (void)flags;
    soundlog().push_back(file);
}
