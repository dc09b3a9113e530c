// The tray icon's messages and its popup menu: settings, help and exit.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "announce/frm_main.h"
#include "platform/platform.h"
#include "settings_dialog/frm_settings.h"

namespace wendora {

inline constexpr std::uint32_t kRightButtonUp = 517;  // WM_RBUTTONUP

class TrayMenu {
 public:
  TrayMenu(platform::Platform& platform, FrmMain& frmMain, FrmSettings& frmSettings,
           std::function<void()> exit_application);

  // A mouse message over the icon: only the right button's release opens
  // the menu.
  void HandleNotifyIconMessage(std::uint32_t mouse_message);

  void mnuSetting_Click();
  void mnuTopic_Click();
  void mnuExitWendora_Click();

  // The help file last asked for.
  const std::string& HelpFile() const { return help_file_; }

 private:
  platform::Platform& platform_;
  FrmMain& frmMain_;
  FrmSettings& frmSettings_;
  std::function<void()> exit_application_;
  std::string help_file_;
};

}  // namespace wendora
