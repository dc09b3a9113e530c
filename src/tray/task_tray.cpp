#include "tray/task_tray.h"

namespace wendora {

TaskTrayIcon::TaskTrayIcon(platform::Platform& platform, const CurrentSettings& settings)
    : settings_(settings), icon_(platform.CreateNotifyIcon(Text(TextId::kTrayTip))) {
  icon_->on_menu_requested = [this] {
    if (on_menu_requested) {
      on_menu_requested();
    }
  };
  // A restarted shell forgets the icon: put it up again if it should be there.
  icon_->on_area_recreated = [this] {
    if (settings_.ShowTaskTrayIcon == 1) {
      icon_->Show();
    }
  };
}

}  // namespace wendora
