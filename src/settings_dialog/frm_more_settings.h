// The dialog of more settings, opened from the settings dialog: the
// banner's monitor, the quiet over full-screen programs, the language, the
// programs whose copies are not announced, any text with a slash as an
// address, and the banner's keys. OK applies them to the current settings
// at once (the language at the next start); Cancel drops them.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "settings/settings.h"

namespace wendora {

// What the dialog asks of the rest of the program.
struct MoreSettingsActions {
  // The file name of the program that made the last copy; empty when that
  // could not be told.
  std::function<std::string()> last_copy_program;
  // The settings were changed: whoever keeps what follows from them takes
  // them up.
  std::function<void()> applied;
};

class FrmMoreSettings {
 public:
  FrmMoreSettings(platform::Platform& platform, CurrentSettings& settings,
                  MoreSettingsActions actions);

  // Shows the dialog modal, filled from the current settings, and returns
  // when it has closed.
  void ShowModal();
  // Builds the dialog anew, hidden, filled from the current settings.
  void Load();

  // The event handlers.
  void cmdOK_Click();
  void cmdCancel_Click();
  void cmdAddLastProgram_Click();

 private:
  struct Controls {
    std::unique_ptr<platform::Dialog> dialog;
    platform::DialogControl* optPrimaryMonitor = nullptr;
    platform::DialogControl* optForegroundMonitor = nullptr;
    platform::DialogControl* optPointerMonitor = nullptr;
    platform::DialogControl* chkQuietWhenFullScreen = nullptr;
    platform::DialogControl* optSystemLanguage = nullptr;
    platform::DialogControl* optJapanese = nullptr;
    platform::DialogControl* optEnglish = nullptr;
    platform::DialogControl* txtIgnoreCopiesFrom = nullptr;
    platform::DialogControl* cmdAddLastProgram = nullptr;
    platform::DialogControl* chkAnyTextWithSlash = nullptr;
    platform::DialogControl* chkBannerKeys = nullptr;
  };

  std::optional<std::string> LastCopyProgram() const;

  platform::Platform& platform_;
  CurrentSettings& settings_;
  MoreSettingsActions actions_;
  std::unique_ptr<Controls> form_;
};

}  // namespace wendora
