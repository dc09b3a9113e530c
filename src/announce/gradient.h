// The banner's background: a two-colour gradient painted as one solid line
// per pixel row into a picture box's persistent image.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace wendora {

// Paints from the top colour (the first line) to the bottom colour (the
// last), top to bottom; twips_per_pixel is the screen's vertical value. A
// target of no height paints nothing.
void DrawGradient(platform::PictureBox& target, double twips_per_pixel, std::int16_t top_red,
                  std::int16_t top_green, std::int16_t top_blue, std::int16_t bottom_red,
                  std::int16_t bottom_green, std::int16_t bottom_blue);

// A packed colour (red in bits 0-7, green 8-15, blue 16-23) and its parts.
platform::Color RgbColor(std::int16_t red, std::int16_t green, std::int16_t blue);
std::int16_t GetRed(std::int32_t color);
std::int16_t GetGreen(std::int32_t color);
std::int16_t GetBlue(std::int32_t color);

}  // namespace wendora
