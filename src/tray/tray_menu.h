// The tray icon's popup menu: settings, help, pause, starting with Windows
// and exit.
#pragma once

#include <functional>

#include "platform/platform.h"
#include "tray/start_with_windows.h"

namespace wendora {

// What the menu's items do beyond the menu itself.
struct TrayMenuActions {
  // Shows the settings dialog modeless.
  std::function<void()> show_settings;
  // Shuts the program down.
  std::function<void()> exit_application;
  // Whether the watch is paused, and pausing or resuming it.
  std::function<bool()> paused;
  std::function<void(bool paused)> set_paused;
};

class TrayMenu {
 public:
  // The menu belongs to the owner window.
  TrayMenu(platform::Platform& platform, platform::Handle owner, TrayMenuActions actions,
           StartWithWindows& start_with_windows);

  // Pops the menu up at the mouse position, with the pause and the start
  // with Windows checked as they are, and carries out the chosen item.
  void ShowMenu();

  void mnuSetting_Click();
  void mnuTopic_Click();
  void mnuPause_Click();
  void mnuStartWithWindows_Click();
  void mnuExitWendora_Click();

 private:
  // Whether Windows starts the program at logon; a failure to tell is shown
  // in a warning and counts as no.
  bool StartsWithWindows();
  void Warn(const std::string& text);

  platform::Platform& platform_;
  platform::Handle owner_;
  TrayMenuActions actions_;
  StartWithWindows& start_with_windows_;
};

}  // namespace wendora
