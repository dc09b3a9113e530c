#include "tray/tray_menu.h"

#include <string>
#include <vector>

namespace wendora {
namespace {

enum MenuIndex { kSettingItem = 0, kTopicItem = 1, kLineItem = 2, kExitItem = 3 };

std::vector<platform::MenuItem> MenuItems() {
  return {{"設定(&S)"}, {"ヘルプ(&T)"}, {""}, {"Wendora の終了(&X)"}};
}

std::string WithoutExtension(const std::string& name) {
  const std::size_t dot = name.find_last_of('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

}  // namespace

TrayMenu::TrayMenu(platform::Platform& platform, platform::Handle owner,
                   std::function<void()> show_settings, std::function<void()> exit_application)
    : platform_(platform),
      owner_(owner),
      show_settings_(std::move(show_settings)),
      exit_application_(std::move(exit_application)) {}

void TrayMenu::ShowMenu() {
  // The menu closes when the user clicks elsewhere only if its owner is in
  // the foreground.
  platform_.SetForegroundWindow(owner_);
  platform_.DoEvents();
  switch (platform_.ShowPopupMenu(owner_, MenuItems(), kSettingItem)) {
    case kSettingItem:
      mnuSetting_Click();
      break;
    case kTopicItem:
      mnuTopic_Click();
      break;
    case kExitItem:
      mnuExitWendora_Click();
      break;
    default:
      break;
  }
}

void TrayMenu::mnuSetting_Click() {
  show_settings_();
}

void TrayMenu::mnuTopic_Click() {
  // Named after the executable, so a renamed program looks for its own help.
  // A missing help file or no program for it: nothing is reported.
  platform_.OpenWithShell(owner_, platform_.ProgramFolder() + "\\" +
                                      WithoutExtension(platform_.ExecutableName()) + ".chm");
}

void TrayMenu::mnuExitWendora_Click() {
  exit_application_();
}

}  // namespace wendora
