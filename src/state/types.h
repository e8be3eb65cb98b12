// The game's value types: Integer is 16-bit, Long 32-bit, Single a 32-bit float.
#pragma once
#include <cstdint>

using Integer = std::int16_t;
using Long = std::int32_t;
using Single = float;
