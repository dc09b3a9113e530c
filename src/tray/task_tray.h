// The notification-area (task tray) icon: shown or removed as a whole, and
// put up again when the shell restarts while the settings want it shown.
#pragma once

#include <functional>
#include <memory>

#include "platform/platform.h"
#include "settings/settings.h"

namespace wendora {

inline constexpr const char* kTrayTip = "Tamberlyn Wendora";
inline constexpr const char* kPausedTrayTip = "Tamberlyn Wendora (一時停止中)";

class TaskTrayIcon {
 public:
  TaskTrayIcon(platform::Platform& platform, const CurrentSettings& settings);

  void Show() { icon_->Show(); }
  // Removing an icon that is not there does nothing.
  void Hide() { icon_->Remove(); }
  // A paused program's icon is greyed, and its tip says so.
  void ShowPaused(bool paused) { icon_->SetLook(paused ? kPausedTrayTip : kTrayTip, paused); }

  // The window that owns the icon's menu.
  platform::Handle handle() const { return icon_->handle(); }

  // The user released the right mouse button over the icon.
  std::function<void()> on_menu_requested;

 private:
  const CurrentSettings& settings_;
  std::unique_ptr<platform::NotifyIcon> icon_;
};

}  // namespace wendora
