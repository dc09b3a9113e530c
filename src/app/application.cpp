#include "app/application.h"

#include "base/fatal.h"
#include "base/number.h"
#include "base/text.h"
#include "base/texts.h"
#include "settings/profile.h"

namespace wendora {
namespace {

constexpr const char* kTemplateTitle = "project1";
}  // namespace

Application::Application(platform::Platform& platform, std::string title)
    : platform_(platform), title_(std::move(title)) {}

void Application::StartUp() {
  // A second instance ends before it touches any file, window or icon.
  if (!platform_.ClaimSingleInstance()) {
    platform_.ExitProcess();
  }
  try {
    RunStartUpSteps();
  } catch (const std::exception& error) {
    ReportFatalError(platform_, AsRuntimeError(error));
  }
}

void Application::RunStartUpSteps() {
  // Until the settings are read, the texts follow the display language.
  const std::string display_language = platform_.DisplayLanguage();
  UseLanguage(ChooseLanguage("", display_language));
  if (AsciiLower(platform_.CommandLineArguments()).find("/debug") != std::string::npos) {
    if (!AdvanceBuildCounter()) {
      platform_.ExitProcess();
    }
  }

  settings_ = settings_as_read_ = ReadSettings(platform_);
  UseLanguage(ChooseLanguage(settings_.Language, display_language));

  frmMain_ = std::make_unique<FrmMain>(platform_, settings_);
  frmMain_->Load();
  tray_icon_ = std::make_unique<TaskTrayIcon>(platform_, settings_);
  frmSettings_ = std::make_unique<FrmSettings>(
      platform_, settings_, *frmMain_, *tray_icon_,
      MoreSettingsActions{[this] { return watchCycle_->clipboard().LastCopyProgram(); },
                          [this] { watchCycle_->SettingsChanged(); }});
  start_with_windows_ = std::make_unique<StartWithWindows>(platform_);
  trayMenu_ = std::make_unique<TrayMenu>(
      platform_, tray_icon_->handle(),
      TrayMenuActions{[this] { frmSettings_->ShowModeless(); }, [this] { ExitApplication(); },
                      [this] { return settings_.Paused; },
                      [this](bool paused) { watchCycle_->SetPaused(paused); }},
      *start_with_windows_);
  watchCycle_ = std::make_unique<WatchCycle>(
      platform_, settings_, *frmMain_,
      AnnouncementActions{[this] { ExitApplication(); },
                          [this] { return frmSettings_->ShowModal(); },
                          [this](bool paused) { tray_icon_->ShowPaused(paused); }});
  frmMain_->on_mouse_up = [this](int button) {
    RunGuarded(platform_, [&] { watchCycle_->HandleAnnounceClick(button); });
  };
  tray_icon_->on_menu_requested = [this] { RunGuarded(platform_, [&] { trayMenu_->ShowMenu(); }); };
  // Most people never choose exit: they shut Windows down. Its end saves
  // as the exit does, before Windows may end the process.
  frmMain_->form().on_session_ending = [this] {
    RunGuarded(platform_, [this] { ExitApplication(); });
  };

  // The program's folder may have moved since Windows was told to start it.
  try {
    start_with_windows_->MendMovedEntry();
  } catch (const RuntimeError& error) {
    platform_.ShowMessageBox(error.description(), platform_.ProductName(),
                             platform::MessageBoxKind::kOkExclamation, 0);
  }
  tray_icon_->ShowPaused(settings_.Paused);
  if (settings_.ShowTaskTrayIcon == 1) {
    tray_icon_->Show();
  }
}

bool Application::AdvanceBuildCounter() {
  if (AsciiLower(title_) == kTemplateTitle) {
    const auto answer =
        platform_.ShowMessageBox(Text(TextId::kTemplateWarning), Text(TextId::kTemplateCaption),
                                 platform::MessageBoxKind::kOkCancelExclamation, 0);
    // OK ends the program; Cancel goes on without touching the counter.
    return answer != platform::MessageBoxResult::kOk;
  }
  const std::string file = platform_.ProgramFolder() + "\\..\\TamberlynApps.ini";
  const std::int16_t count = ToInt16(ReadINI(platform_, title_, "BuildNumber", "0", file));
  if (count == INT16_MAX) {
    throw RuntimeError(kErrOverflow);
  }
  WriteINI(platform_, DecimalText(count + 1), title_, "BuildNumber", file);
  return true;
}

void Application::ExitApplication() {
  // The icon is removed whether or not it was ever added.
  if (tray_icon_) {
    tray_icon_->Remove();
  }
  WriteSettings(platform_, settings_, settings_as_read_);
  platform_.ExitProcess();
}

}  // namespace wendora
