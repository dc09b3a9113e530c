// The notification-area (task tray) icon: put up or taken down as a whole.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace wendora {

inline constexpr std::uint32_t kTrayIconId = 1;
inline constexpr std::uint32_t kTrayIconFlags = 7;  // message, icon and tip are valid
inline constexpr std::uint32_t kTrayCallbackMessage = 0x200;
inline constexpr const char* kTrayTip = "Tamberlyn Wendora";

enum TrayAction : std::uint8_t { kTrayRemove = 0, kTrayAdd = 1 };

// Adds (action 1) or removes (action 0) the icon whose messages go to the
// owner window and whose image is the icon source's picture. Any other
// action does nothing. The shell's answer is not examined.
void UpdateTaskTrayIcon(platform::Platform& platform, std::uint32_t id, platform::Handle owner,
                        const platform::PictureBox& icon_source, std::uint8_t action);

}  // namespace wendora
