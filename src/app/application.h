// The program's entry and its one orderly way out.
#pragma once

#include <memory>
#include <string>

#include "announce/frm_main.h"
#include "base/product.h"
#include "platform/platform.h"
#include "settings/settings.h"
#include "settings_dialog/frm_settings.h"
#include "tray/start_with_windows.h"
#include "tray/task_tray.h"
#include "tray/tray_menu.h"
#include "watcher/watch_cycle.h"

namespace wendora {

class Application {
 public:
  // The title can be given so that the template-title warning can be reached.
  explicit Application(platform::Platform& platform, std::string title = kProgramTitle);

  // The start-up sequence. Returns with the program resident (main window
  // loaded and hidden, tray icon up if enabled); every other outcome ends the
  // process inside the call.
  void StartUp();

  // Removes the tray icon, writes the settings in one replacement of the
  // file and ends the process.
  [[noreturn]] void ExitApplication();

  CurrentSettings& settings() { return settings_; }
  FrmMain& frmMain() { return *frmMain_; }
  WatchCycle& watchCycle() { return *watchCycle_; }
  FrmSettings& frmSettings() { return *frmSettings_; }

 private:
  void RunStartUpSteps();
  // The developer's build counter; false when the user chose to end.
  bool AdvanceBuildCounter();

  platform::Platform& platform_;
  std::string title_;
  CurrentSettings settings_;
  CurrentSettings settings_as_read_;  // what the settings file held at start-up
  // Each of these refers to those declared before it.
  std::unique_ptr<FrmMain> frmMain_;
  std::unique_ptr<TaskTrayIcon> tray_icon_;
  std::unique_ptr<StartWithWindows> start_with_windows_;
  std::unique_ptr<FrmSettings> frmSettings_;
  std::unique_ptr<TrayMenu> trayMenu_;
  std::unique_ptr<WatchCycle> watchCycle_;
};

}  // namespace wendora
