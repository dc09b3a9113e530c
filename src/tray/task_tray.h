// The notification-area (task tray) icon: shown or removed as a whole, and
// put up again when the shell restarts while the settings want it shown.
#pragma once

#include <functional>
#include <memory>

#include "base/texts.h"
#include "platform/platform.h"
#include "settings/settings.h"

namespace wendora {

class TaskTrayIcon {
 public:
  TaskTrayIcon(platform::Platform& platform, const CurrentSettings& settings);

  void Show() { icon_->Show(); }
  // Removing an icon that is not there does nothing.
  void Remove() { icon_->Remove(); }
  // A paused program's icon is greyed, and its tip says so.
  void ShowPaused(bool paused) {
    icon_->SetLook(Text(paused ? TextId::kPausedTrayTip : TextId::kTrayTip), paused);
  }

  // The window that owns the icon's menu.
  platform::Handle handle() const { return icon_->handle(); }

  // The user released the right mouse button over the icon.
  std::function<void()> on_menu_requested;

 private:
  const CurrentSettings& settings_;
  std::unique_ptr<platform::NotifyIcon> icon_;
};

}  // namespace wendora
