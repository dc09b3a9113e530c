#include "settings_dialog/color_dialog.h"

namespace wendora {

std::int32_t ShowColorDialog(platform::Platform& platform, platform::Handle owner,
                             std::int32_t initial) {
  std::array<platform::Color, 16> custom_colors;
  custom_colors.fill(0xFFFFFF);
  custom_colors[0] = static_cast<platform::Color>(initial);
  return platform.PickColor(owner, static_cast<platform::Color>(initial), custom_colors);
}

}  // namespace wendora
