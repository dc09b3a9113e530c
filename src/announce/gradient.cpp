#include "announce/gradient.h"

#include <cmath>

#include "base/runtime_error.h"

namespace wendora {
namespace {

// The component of line i: top + i * step in single precision, rounded to
// the nearest integer, halves to even.
int Component(std::int16_t top, int i, float step) {
  const float value = static_cast<float>(top) + static_cast<float>(i) * step;
  const float rounded = std::nearbyint(value);
  if (!(rounded >= INT16_MIN && rounded <= INT16_MAX)) {
    throw RuntimeError(kErrOverflow);
  }
  return static_cast<int>(rounded);
}

}  // namespace

void DrawGradient(platform::PictureBox& target, double twips_per_pixel, platform::Color top,
                  platform::Color bottom) {
  const std::int16_t top_red = GetRed(top);
  const std::int16_t top_green = GetGreen(top);
  const std::int16_t top_blue = GetBlue(top);
  const std::int16_t bottom_red = GetRed(bottom);
  const std::int16_t bottom_green = GetGreen(bottom);
  const std::int16_t bottom_blue = GetBlue(bottom);
  const double height = target.Height();
  const double width = target.Width();
  const double p = twips_per_pixel;
  if (!(height > 0) || !(p > 0)) {
    return;  // nothing to paint into; the step would divide by zero
  }
  const double rows = height / p;
  const float step_red = static_cast<float>((bottom_red - top_red) / rows);
  const float step_green = static_cast<float>((bottom_green - top_green) / rows);
  const float step_blue = static_cast<float>((bottom_blue - top_blue) / rows);

  // The last line's index: the whole number of pixel rows. With a whole
  // number of twips per pixel this is the rounded height divided by it; at
  // 175 % or 200 % scaling (8.57 or 7.5 twips per pixel) rounding the twips
  // per pixel first would leave the bottom rows unpainted.
  const double whole_rows = std::floor(rows + 1e-9);
  if (whole_rows > INT16_MAX) {
    throw RuntimeError(kErrOverflow);
  }
  const int last = static_cast<int>(whole_rows);

  for (int i = 0; i <= last; ++i) {
    const auto color = RgbColor(static_cast<std::int16_t>(Component(top_red, i, step_red)),
                                static_cast<std::int16_t>(Component(top_green, i, step_green)),
                                static_cast<std::int16_t>(Component(top_blue, i, step_blue)));
    target.DrawLine(0, i * p, width, i * p, color);
  }
}

}  // namespace wendora
