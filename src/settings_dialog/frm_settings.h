// The settings dialog: edits the wait time, the default action, the tray
// icon and the two colours of the banner's gradient. OK applies them to the
// current settings at once; Cancel drops everything. The settings file is
// written only at shut-down.
#pragma once

#include <memory>
#include <vector>

#include "announce/frm_main.h"
#include "platform/platform.h"
#include "settings/settings.h"

namespace wendora {

class FrmSettings {
 public:
  FrmSettings(platform::Platform& platform, CurrentSettings& settings, FrmMain& frmMain);
  ~FrmSettings();

  // From the tray menu: loads the dialog if needed and shows it modeless; an
  // open dialog is shown again as it is.
  void ShowModeless();
  // From the settings command word: loads the dialog if needed, hides it and
  // shows it modal; returns when it has closed.
  void ShowModal();

  bool Loaded() const { return form_ != nullptr; }

  // The event handlers.
  void cmdOK_Click();
  void cmdCancel_Click();
  void picTopColor_Click();
  void picBottomColor_Click();
  void Form_KeyUp(int key, int shift);

  // The loaded dialog's parts (only while Loaded()).
  platform::Dialog& form() { return *form_->dialog; }
  platform::DialogControl& txtWaitTime() { return *form_->txtWaitTime; }
  platform::DialogControl& picTopColor() { return *form_->picTopColor; }
  platform::DialogControl& picBottomColor() { return *form_->picBottomColor; }
  platform::DialogControl& chkShowTaskTrayIcon() { return *form_->chkShowTaskTrayIcon; }
  platform::DialogControl& optRun() { return *form_->optRun; }
  platform::DialogControl& optCancel() { return *form_->optCancel; }
  platform::DialogControl& cmdOK() { return *form_->cmdOK; }
  platform::DialogControl& cmdCancel() { return *form_->cmdCancel; }

 private:
  struct Controls {
    std::unique_ptr<platform::Dialog> dialog;
    std::unique_ptr<platform::DialogControl> lblWaitTime, txtWaitTime, lblWaitTimeSecondLabel,
        picTopColor, picBottomColor, lblTopColor, lblBottomColor, cmdOK, cmdCancel,
        chkShowTaskTrayIcon, fraAction, optRun, optCancel;
  };

  void Load();
  void Unload();
  void ChooseColorFor(platform::DialogControl& swatch);

  platform::Platform& platform_;
  CurrentSettings& settings_;
  FrmMain& frmMain_;
  std::unique_ptr<Controls> form_;
  // Unloaded dialogs wait here until no handler of theirs can be running.
  std::vector<std::unique_ptr<Controls>> unloaded_;
  int busy_ = 0;  // modal loops (dialog, chooser, warning) its handlers wait in
  bool ColorChanged = false;
};

}  // namespace wendora
