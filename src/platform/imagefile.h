// Reading and writing picture files (BMP through SDL, PNG through ImageMagick's
// convert when it is installed).
#pragma once
#include <string>

#include "platform/surface.h"

// Loads a BMP file; false when it cannot be read.
bool loadbmp(const std::string& path, Picture& out);
// Writes pixels as a BMP file, or as PNG when path ends in ".png"; false on failure.
bool savepicture(const Picture& p, const std::string& path);
// A surface's pixels as a picture.
Picture topicture(const Surface& s);
