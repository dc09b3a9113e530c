// The banner's background: a two-colour gradient painted as one solid line
// per pixel row into a picture box's persistent image.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace wendora {

enum GradientDirection : std::uint8_t { kTopToBottom = 0, kLeftToRight = 1 };

// Paints from the top colour (first line) to the bottom colour (last line).
// twips_per_pixel is the screen's vertical value for top to bottom, its
// horizontal one for left to right. Any other direction, and a target of no
// size, paint nothing.
void DrawGradient(platform::PictureBox& target, double twips_per_pixel, std::int16_t top_red,
                  std::int16_t top_green, std::int16_t top_blue, std::int16_t bottom_red,
                  std::int16_t bottom_green, std::int16_t bottom_blue, std::uint8_t direction);

// The components of a packed colour (red in bits 0-7, green 8-15, blue 16-23).
std::int16_t GetRed(std::int32_t color);
std::int16_t GetGreen(std::int32_t color);
std::int16_t GetBlue(std::int32_t color);

}  // namespace wendora
