// The settings dialog: edits the wait time, the default action, the tray
// icon and the two colours of the banner's gradient, and opens the dialog of
// more settings. OK applies them to the
// current settings at once; Cancel drops everything. The settings file is
// written only at shut-down.
#pragma once

#include <memory>
#include <vector>

#include "announce/frm_main.h"
#include "platform/platform.h"
#include "settings/settings.h"
#include "settings_dialog/frm_more_settings.h"
#include "tray/task_tray.h"

namespace wendora {

class FrmSettings {
 public:
  FrmSettings(platform::Platform& platform, CurrentSettings& settings, FrmMain& frmMain,
              TaskTrayIcon& tray_icon, MoreSettingsActions more_actions = {});
  ~FrmSettings();

  // From the tray menu: loads the dialog if needed and shows it modeless; an
  // open dialog is shown again as it is.
  void ShowModeless();
  // From the settings command word: loads the dialog if needed, hides it and
  // shows it modal; returns when it has closed. False, and nothing done,
  // while the open dialog waits on its colour chooser or a warning.
  bool ShowModal();

  bool Loaded() const { return form_ != nullptr; }

  // The event handlers.
  void cmdOK_Click();
  void cmdCancel_Click();
  // Opens the dialog of more settings, modal.
  void cmdMore_Click();
  void picTopColor_Click();
  void picBottomColor_Click();
  void Form_KeyUp(char letter, int shift);

 private:
  // The dialog and its controls, which live as long as it does.
  struct Controls {
    std::unique_ptr<platform::Dialog> dialog;
    platform::DialogControl* txtWaitTime = nullptr;
    platform::DialogControl* picTopColor = nullptr;
    platform::DialogControl* picBottomColor = nullptr;
    platform::DialogControl* chkShowTaskTrayIcon = nullptr;
    platform::DialogControl* optRun = nullptr;
    platform::DialogControl* optCancel = nullptr;
  };

  void Load();
  void Unload();
  void ChooseColorFor(platform::DialogControl& swatch);

  platform::Platform& platform_;
  CurrentSettings& settings_;
  FrmMain& frmMain_;
  TaskTrayIcon& tray_icon_;
  FrmMoreSettings more_;
  std::unique_ptr<Controls> form_;
  // Unloaded dialogs wait here until no handler of theirs can be running.
  std::vector<std::unique_ptr<Controls>> unloaded_;
  int modal_loops_ = 0;  // modal loops (dialog, chooser, warning) its handlers wait in
  bool ColorChanged = false;
};

}  // namespace wendora
