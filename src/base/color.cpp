#include "base/color.h"

namespace wendora {

platform::Color RgbColor(std::int16_t red, std::int16_t green, std::int16_t blue) {
  return static_cast<platform::Color>(red + 256 * green + 65536 * blue);
}

std::int16_t GetRed(platform::Color color) {
  return static_cast<std::int16_t>(color & 0xFF);
}
std::int16_t GetGreen(platform::Color color) {
  return static_cast<std::int16_t>((color >> 8) & 0xFF);
}
std::int16_t GetBlue(platform::Color color) {
  return static_cast<std::int16_t>((color >> 16) & 0xFF);
}

}  // namespace wendora
