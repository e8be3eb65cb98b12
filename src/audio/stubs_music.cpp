// Placeholder bodies until the media control is built.
#include "audio/music.h"
MediaControl Form1MMControl1, Form2MMControl1;
void mcicommand(MediaControl&, const std::string& command) { mcilog().push_back(command); }
std::vector<std::string>& mcilog() {
    static std::vector<std::string> log;
    return log;
}
