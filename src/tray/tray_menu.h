// The tray icon's popup menu: settings, help and exit.
#pragma once

#include <functional>

#include "platform/platform.h"

namespace wendora {

class TrayMenu {
 public:
  // The menu belongs to the owner window; the settings item shows the
  // settings dialog modeless, the exit item shuts the program down.
  TrayMenu(platform::Platform& platform, platform::Handle owner,
           std::function<void()> show_settings, std::function<void()> exit_application);

  // Pops the menu up at the mouse position and carries out the chosen item.
  void ShowMenu();

  void mnuSetting_Click();
  void mnuTopic_Click();
  void mnuExitWendora_Click();

 private:
  platform::Platform& platform_;
  platform::Handle owner_;
  std::function<void()> show_settings_;
  std::function<void()> exit_application_;
};

}  // namespace wendora
