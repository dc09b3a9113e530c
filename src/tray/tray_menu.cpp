#include "tray/tray_menu.h"

#include <string>
#include <vector>

#include "base/runtime_error.h"
#include "base/texts.h"

namespace wendora {
namespace {

// The items' places in the menu; a separating line stands before the last.
enum MenuIndex {
  kSettingItem = 0,
  kTopicItem = 1,
  kPauseItem = 2,
  kStartWithWindowsItem = 3,
  kExitItem = 5,
};

std::string WithoutExtension(const std::string& name) {
  const std::size_t dot = name.find_last_of('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

}  // namespace

TrayMenu::TrayMenu(platform::Platform& platform, platform::Handle owner, TrayMenuActions actions,
                   StartWithWindows& start_with_windows)
    : platform_(platform),
      owner_(owner),
      actions_(std::move(actions)),
      start_with_windows_(start_with_windows) {}

void TrayMenu::ShowMenu() {
  const std::vector<platform::MenuItem> items = {
      {std::string(Text(TextId::kMenuSettings)), false},
      {std::string(Text(TextId::kMenuHelp)), false},
      {std::string(Text(TextId::kMenuPause)), actions_.paused()},
      {std::string(Text(TextId::kMenuStartWithWindows)), StartsWithWindows()},
      {"", false},
      {std::string(Text(TextId::kMenuExit)), false}};
  // The menu closes when the user clicks elsewhere only if its owner is in
  // the foreground.
  platform_.SetForegroundWindow(owner_);
  platform_.DoEvents();
  switch (platform_.ShowPopupMenu(owner_, items, kSettingItem)) {
    case kSettingItem:
      mnuSetting_Click();
      break;
    case kTopicItem:
      mnuTopic_Click();
      break;
    case kPauseItem:
      mnuPause_Click();
      break;
    case kStartWithWindowsItem:
      mnuStartWithWindows_Click();
      break;
    case kExitItem:
      mnuExitWendora_Click();
      break;
    default:
      break;
  }
}

void TrayMenu::mnuSetting_Click() {
  actions_.show_settings();
}

void TrayMenu::mnuTopic_Click() {
  // Named after the executable, so a renamed program looks for its own help,
  // in the language in use. A missing help file or no program for it:
  // nothing is reported.
  platform_.OpenWithShell(owner_, platform_.ProgramFolder() + "\\" +
                                      WithoutExtension(platform_.ExecutableName()) +
                                      std::string(Text(TextId::kHelpFileEnding)));
}

void TrayMenu::mnuPause_Click() {
  actions_.set_paused(!actions_.paused());
}

void TrayMenu::mnuStartWithWindows_Click() {
  try {
    start_with_windows_.Toggle();
  } catch (const RuntimeError& error) {
    Warn(error.description());
  }
}

void TrayMenu::mnuExitWendora_Click() {
  actions_.exit_application();
}

bool TrayMenu::StartsWithWindows() {
  try {
    return start_with_windows_.Enabled();
  } catch (const RuntimeError& error) {
    Warn(error.description());
    return false;
  }
}

void TrayMenu::Warn(const std::string& text) {
  platform_.ShowMessageBox(text, platform_.ProductName(), platform::MessageBoxKind::kOkExclamation,
                           0);
}

}  // namespace wendora
