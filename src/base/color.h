// Packed colours: red in bits 0 to 7, green in bits 8 to 15, blue in bits
// 16 to 23, as Windows keeps them.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace wendora {

platform::Color RgbColor(std::int16_t red, std::int16_t green, std::int16_t blue);
// The components of a packed colour, 0 to 255; a top byte does not count.
std::int16_t GetRed(platform::Color color);
std::int16_t GetGreen(platform::Color color);
std::int16_t GetBlue(platform::Color color);

}  // namespace wendora
