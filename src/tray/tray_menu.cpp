#include "tray/tray_menu.h"

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

TrayMenu::TrayMenu(platform::Platform& platform, FrmMain& frmMain, FrmSettings& frmSettings,
                   std::function<void()> exit_application)
    : platform_(platform),
      frmMain_(frmMain),
      frmSettings_(frmSettings),
      exit_application_(std::move(exit_application)) {}

void TrayMenu::HandleNotifyIconMessage(std::uint32_t mouse_message) {
  if (mouse_message != kRightButtonUp) {
    return;
  }
  const platform::Handle owner = frmMain_.form().handle();
  platform_.SetForegroundWindow(owner);
  platform_.DoEvents();
  switch (platform_.ShowPopupMenu(owner, MenuItems(), kSettingItem)) {
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
  frmSettings_.ShowModeless();
}

void TrayMenu::mnuTopic_Click() {
  // Named after the executable, so a renamed program looks for its own help.
  help_file_ =
      platform_.ProgramFolder() + "\\" + WithoutExtension(platform_.ExecutableName()) + ".chm";
  // A missing help file or no program for it: the shell's answer is not
  // examined and nothing is reported.
  platform_.ShellExecuteVerb(frmMain_.form().handle(), "open", help_file_, "", "", 5);
}

void TrayMenu::mnuExitWendora_Click() {
  exit_application_();
}

}  // namespace wendora
