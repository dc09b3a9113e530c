// The Windows implementation of the platform. Its members are defined in
// win32_platform.cpp, but for those of files (files.cpp) and of the
// programs started at logon (logon_start.cpp).
#pragma once

#include <windows.h>

#include <optional>

#include "platform/platform.h"
#include "platform/win32/clipboard_reader.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/window_class.h"

namespace wendora::win32 {

class Win32Platform final : public platform::Platform {
 public:
  std::string ProductName() override;
  std::string DisplayLanguage() override;
  std::string ProgramFolder() override;
  std::string ExecutableName() override;
  std::string CommandLineArguments() override;
  bool ClaimSingleInstance() override;

  platform::FileContent ReadFile(const std::string& path) override;
  bool ReplaceFileAtomically(const std::string& path, std::string_view bytes) override;

  platform::MessageBoxResult ShowMessageBox(std::string_view text, std::string_view title,
                                            platform::MessageBoxKind kind,
                                            platform::Handle owner) override;

  std::uint32_t TickCount() override;
  void Sleep(int milliseconds) override;
  void SetFineTimerResolution(bool fine) override;
  void DoEvents() override;
  platform::ClipboardText ReadClipboardText() override;
  std::uint32_t ClipboardSequenceNumber() override;
  std::unique_ptr<platform::ClipboardListener> ListenToClipboard() override;
  void SetMousePointer(platform::MousePointer pointer) override;
  void OpenWithShell(platform::Handle owner, std::string_view file) override;
  std::unique_ptr<platform::Opening> StartOpening(platform::OpenRequest request) override;
  std::string ProgramFileExtensions() override;
  bool PathExists(const std::string& path) override;
  std::optional<platform::ForegroundWindow> ForegroundWindowShape() override;
  bool SystemSaysUserIsBusy() override;
  std::optional<platform::HighContrastColors> HighContrast() override;
  std::unique_ptr<platform::Form> CreateForm(const platform::FormDesign& design) override;
  std::unique_ptr<platform::Timer> CreateTimer(int interval_ms) override;
  std::unique_ptr<platform::GlobalKeys> CreateGlobalKeys() override;
  std::unique_ptr<platform::NotifyIcon> CreateNotifyIcon(std::string_view tip) override;
  std::unique_ptr<platform::Dialog> CreateDialogWindow(
      const platform::DialogDesign& design) override;
  void SetForegroundWindow(platform::Handle window) override;
  int ShowPopupMenu(platform::Handle owner, const std::vector<platform::MenuItem>& items,
                    int default_item) override;
  std::int32_t PickColor(platform::Handle owner, platform::Color initial,
                         const std::array<platform::Color, 16>& custom_colors) override;
  platform::LogonStart ReadLogonStart(std::string_view name) override;
  void WriteLogonStart(std::string_view name, std::string_view command) override;
  void EnableLogonStart(std::string_view name) override;
  void DeleteLogonStart(std::string_view name) override;

  // Dispatches window messages until the process ends.
  void RunMessageLoop();

 protected:
  void EndProcess() override;

 private:
  std::wstring ModulePath();
  // The shell's verbs may be carried out by COM objects in this thread.
  void InitializeCom();

  UniqueHandle instance_mutex_;
  std::string product_name_;
  bool fine_timer_ = false;
  UiState ui_;
  ClipboardReader clipboard_reader_;
  std::optional<ComApartment> com_;  // made by the first InitializeCom
};

}  // namespace wendora::win32
