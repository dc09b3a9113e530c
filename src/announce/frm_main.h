// The announcement window: the program's main form. It is created once,
// hidden, at start-up and lives until the process ends. It also carries the
// invisible parts of the program: the host of the notification-area icon.
#pragma once

#include <memory>

#include "platform/platform.h"
#include "settings/settings.h"

namespace wendora {

class FrmMain {
 public:
  FrmMain(platform::Platform& platform, CurrentSettings& settings);

  // The load handler: builds the window and its controls, hidden.
  void Load();

  platform::Form& form() { return *form_; }
  platform::PictureBox& picNotifyIcon() { return *picNotifyIcon_; }

 private:
  platform::Platform& platform_;
  CurrentSettings& settings_;
  std::unique_ptr<platform::Form> form_;
  std::unique_ptr<platform::PictureBox> picNotifyIcon_;
};

}  // namespace wendora
