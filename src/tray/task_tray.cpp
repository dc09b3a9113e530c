#include "tray/task_tray.h"

namespace wendora {

void UpdateTaskTrayIcon(platform::Platform& platform, std::uint32_t id, platform::Handle owner,
                        const platform::PictureBox& icon_source, std::uint8_t action) {
  platform::NotifyIconData data;
  data.id = id;
  data.owner = owner;
  data.flags = kTrayIconFlags;
  data.callback_message = kTrayCallbackMessage;
  data.icon = icon_source.picture();
  data.tip = kTrayTip;
  if (action == kTrayRemove) {
    platform.ShellNotifyIcon(platform::NotifyIconMessage::kDelete, data);
  } else if (action == kTrayAdd) {
    platform.ShellNotifyIcon(platform::NotifyIconMessage::kAdd, data);
  }
}

}  // namespace wendora
