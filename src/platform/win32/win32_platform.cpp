#include "platform/win32/win32_platform.h"

#include <commdlg.h>
#include <mmsystem.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <array>
#include <cwchar>
#include <iterator>
#include <optional>
#include <vector>

#include "base/path.h"
#include "platform/win32/clipboard_listener.h"
#include "platform/win32/dialogs.h"
#include "platform/win32/form.h"
#include "platform/win32/global_keys.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/notify_icon.h"
#include "platform/win32/opening.h"
#include "platform/win32/text.h"
#include "platform/win32/timer.h"

namespace wendora::win32 {
namespace {

constexpr wchar_t kInstanceMutexName[] = L"Local\\Tamberlyn.TWendora.SingleInstance";

// What follows the program's own name on a command line.
std::wstring ArgumentsAfterProgramName(std::wstring_view line) {
  std::size_t pos = 0;
  // The program name is either quoted, up to the closing quotation mark, or
  // runs up to the first blank.
  if (!line.empty() && line[0] == L'"') {
    const std::size_t close = line.find(L'"', 1);
    pos = close == std::wstring_view::npos ? line.size() : close + 1;
  } else {
    while (pos < line.size() && line[pos] != L' ' && line[pos] != L'\t') {
      ++pos;
    }
  }
  while (pos < line.size() && (line[pos] == L' ' || line[pos] == L'\t')) {
    ++pos;
  }
  return std::wstring(line.substr(pos));
}

}  // namespace

std::wstring Win32Platform::ModulePath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length < buffer.size()) {
      return std::wstring(buffer.data(), length);
    }
    buffer.resize(buffer.size() * 2);
  }
}

std::string Win32Platform::ProductName() {
  if (!product_name_.empty()) {
    return product_name_;
  }
  const std::wstring module = ModulePath();
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(module.c_str(), &ignored);
  std::vector<unsigned char> record(size);
  struct Translation {
    WORD language;
    WORD code_page;
  };
  Translation* translation = nullptr;
  UINT length = 0;
  if (size != 0 && ::GetFileVersionInfoW(module.c_str(), 0, size, record.data()) &&
      ::VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation",
                       reinterpret_cast<void**>(&translation), &length) &&
      length >= sizeof(Translation)) {
    wchar_t key[64];
    ::wsprintfW(key, L"\\StringFileInfo\\%04x%04x\\ProductName", translation->language,
                translation->code_page);
    wchar_t* value = nullptr;
    if (::VerQueryValueW(record.data(), key, reinterpret_cast<void**>(&value), &length) &&
        length > 1) {
      product_name_ = Narrow(std::wstring_view(value, length - 1));
    }
  }
  if (product_name_.empty()) {
    product_name_ = "Tamberlyn Wendora 2002";  // a build without its resources
  }
  return product_name_;
}

std::string Win32Platform::DisplayLanguage() {
  // The first of the user's display languages, by name.
  ULONG count = 0;
  ULONG size = 0;
  if (::GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, nullptr, &size) && size > 1) {
    std::wstring names(size, L'\0');
    if (::GetUserPreferredUILanguages(MUI_LANGUAGE_NAME, &count, names.data(), &size)) {
      return Narrow(names.c_str());
    }
  }
  // Without the list: the user's display language, as a number.
  wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
  if (::LCIDToLocaleName(MAKELCID(::GetUserDefaultUILanguage(), SORT_DEFAULT), name,
                         LOCALE_NAME_MAX_LENGTH, 0) > 0) {
    return Narrow(name);
  }
  return {};
}

std::string Win32Platform::ProgramFolder() {
  return std::string(FolderOf(Narrow(ModulePath())));
}

std::string Win32Platform::ExecutableName() {
  return std::string(FileName(Narrow(ModulePath())));
}

std::string Win32Platform::CommandLineArguments() {
  return Narrow(ArgumentsAfterProgramName(::GetCommandLineW()));
}

bool Win32Platform::ClaimSingleInstance() {
  instance_mutex_.reset(::CreateMutexW(nullptr, FALSE, kInstanceMutexName));
  // Without the mutex (no rights, no memory) the program cannot tell and runs.
  return !(instance_mutex_ && ::GetLastError() == ERROR_ALREADY_EXISTS);
}

void Win32Platform::EndProcess() {
  ::ExitProcess(0);
}

platform::MessageBoxResult Win32Platform::ShowMessageBox(std::string_view text,
                                                         std::string_view title,
                                                         platform::MessageBoxKind kind,
                                                         platform::Handle owner) {
  UINT style = MB_SETFOREGROUND;
  switch (kind) {
    case platform::MessageBoxKind::kOkExclamation:
      style |= MB_OK | MB_ICONEXCLAMATION;
      break;
    case platform::MessageBoxKind::kOkCritical:
      style |= MB_OK | MB_ICONSTOP;
      break;
    case platform::MessageBoxKind::kOkCancelExclamation:
      style |= MB_OKCANCEL | MB_ICONEXCLAMATION | MB_DEFBUTTON1;
      break;
  }
  const int answer = ::MessageBoxW(reinterpret_cast<HWND>(owner), Widen(text).c_str(),
                                   Widen(title).c_str(), style);
  return answer == IDOK ? platform::MessageBoxResult::kOk : platform::MessageBoxResult::kCancel;
}

std::uint32_t Win32Platform::TickCount() {
  return ::GetTickCount();
}

void Win32Platform::Sleep(int milliseconds) {
  ::Sleep(static_cast<DWORD>(milliseconds));
}

void Win32Platform::SetFineTimerResolution(bool fine) {
  if (fine == fine_timer_) {
    return;
  }
  fine_timer_ = fine;
  if (fine) {
    ::timeBeginPeriod(1);
  } else {
    ::timeEndPeriod(1);
  }
}

void Win32Platform::DoEvents() {
  while (DispatchNextMessage(false)) {
  }
}

platform::ClipboardText Win32Platform::ReadClipboardText() {
  return clipboard_reader_.Read();
}

std::uint32_t Win32Platform::ClipboardSequenceNumber() {
  return ::GetClipboardSequenceNumber();
}

std::unique_ptr<platform::ClipboardListener> Win32Platform::ListenToClipboard() {
  return Win32ClipboardListener::Create();
}

void Win32Platform::SetMousePointer(platform::MousePointer pointer) {
  ui_.busy = pointer == platform::MousePointer::kBusy;
  ::SetCursor(::LoadCursorW(nullptr, ui_.busy ? IDC_WAIT : IDC_ARROW));
}

void Win32Platform::InitializeCom() {
  // On first use only; a failure (the thread has COM in another mode) is
  // not tried again.
  if (!com_) {
    com_.emplace(COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  }
}

void Win32Platform::OpenWithShell(platform::Handle owner, std::string_view file) {
  InitializeCom();
  // The result is not examined: a target nothing can open fails silently.
  ::ShellExecuteW(reinterpret_cast<HWND>(owner), L"open", Widen(file).c_str(), L"", L"", SW_SHOW);
}

std::unique_ptr<platform::Opening> Win32Platform::StartOpening(platform::OpenRequest request) {
  return std::make_unique<Win32Opening>(std::move(request));
}

std::string Win32Platform::ProgramFileExtensions() {
  const DWORD size = ::GetEnvironmentVariableW(L"PATHEXT", nullptr, 0);
  if (size == 0) {
    return {};
  }
  std::wstring value(size, L'\0');
  value.resize(::GetEnvironmentVariableW(L"PATHEXT", value.data(), size));
  return Narrow(value);
}

bool Win32Platform::SystemSaysUserIsBusy() {
  QUERY_USER_NOTIFICATION_STATE state{};
  return SUCCEEDED(::SHQueryUserNotificationState(&state)) &&
         (state == QUNS_BUSY || state == QUNS_RUNNING_D3D_FULL_SCREEN ||
          state == QUNS_PRESENTATION_MODE);
}

std::optional<platform::ForegroundWindow> Win32Platform::ForegroundWindowShape() {
  HWND foreground = ::GetForegroundWindow();
  if (foreground == nullptr) {
    return std::nullopt;
  }
  platform::ForegroundWindow shape;
  // The desktop and the taskbar cover their monitor too, but are no program.
  wchar_t name[64] = {};
  ::GetClassNameW(foreground, name, static_cast<int>(std::size(name)));
  shape.shell = foreground == ::GetShellWindow() || foreground == ::GetDesktopWindow();
  for (const wchar_t* shell :
       {L"Progman", L"WorkerW", L"Shell_TrayWnd", L"Shell_SecondaryTrayWnd"}) {
    shape.shell = shape.shell || std::wcscmp(name, shell) == 0;
  }
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  RECT window{};
  if (::GetWindowRect(foreground, &window) &&
      ::GetMonitorInfoW(::MonitorFromWindow(foreground, MONITOR_DEFAULTTONEAREST), &info)) {
    const RECT& monitor = info.rcMonitor;
    shape.covers_monitor = window.left <= monitor.left && window.top <= monitor.top &&
                           window.right >= monitor.right && window.bottom >= monitor.bottom;
  }
  const LONG_PTR style = ::GetWindowLongPtrW(foreground, GWL_STYLE);
  const LONG_PTR ex_style = ::GetWindowLongPtrW(foreground, GWL_EXSTYLE);
  shape.caption = (style & WS_DLGFRAME) != 0;
  shape.window_edge = (ex_style & WS_EX_WINDOWEDGE) != 0;
  shape.tool_window = (ex_style & WS_EX_TOOLWINDOW) != 0;
  return shape;
}

std::optional<platform::HighContrastColors> Win32Platform::HighContrast() {
  HIGHCONTRASTW state{};
  state.cbSize = sizeof(state);
  if (!::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(state), &state, 0) ||
      (state.dwFlags & HCF_HIGHCONTRASTON) == 0) {
    return std::nullopt;
  }
  return platform::HighContrastColors{::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_WINDOWTEXT)};
}

std::unique_ptr<platform::Form> Win32Platform::CreateForm(const platform::FormDesign& design) {
  return std::make_unique<Win32Form>(ui_, design);
}

std::unique_ptr<platform::Timer> Win32Platform::CreateTimer(int interval_ms) {
  return std::make_unique<Win32Timer>(interval_ms);
}

std::unique_ptr<platform::GlobalKeys> Win32Platform::CreateGlobalKeys() {
  return std::make_unique<Win32GlobalKeys>();
}

std::unique_ptr<platform::NotifyIcon> Win32Platform::CreateNotifyIcon(std::string_view tip) {
  return std::make_unique<Win32NotifyIcon>(tip);
}

std::unique_ptr<platform::Dialog> Win32Platform::CreateDialogWindow(
    const platform::DialogDesign& design) {
  return std::make_unique<Win32Dialog>(ui_, design);
}

void Win32Platform::SetForegroundWindow(platform::Handle window) {
  ::SetForegroundWindow(reinterpret_cast<HWND>(window));
}

int Win32Platform::ShowPopupMenu(platform::Handle owner,
                                 const std::vector<platform::MenuItem>& items, int default_item) {
  const UniqueMenu menu(::CreatePopupMenu());
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].caption.empty()) {
      ::AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    } else {
      ::AppendMenuW(menu.get(), MF_STRING | (items[i].checked ? MF_CHECKED : MF_UNCHECKED), i + 1,
                    Widen(items[i].caption).c_str());
    }
  }
  ::SetMenuDefaultItem(menu.get(), static_cast<UINT>(default_item + 1), FALSE);
  POINT at{};
  ::GetCursorPos(&at);
  HWND window = reinterpret_cast<HWND>(owner);
  const int chosen = static_cast<int>(
      ::TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RETURNCMD,
                       at.x, at.y, 0, window, nullptr));
  // Lets the menu close properly when the user clicks elsewhere next time.
  ::PostMessageW(window, WM_NULL, 0, 0);
  return chosen - 1;
}

std::int32_t Win32Platform::PickColor(platform::Handle owner, platform::Color initial,
                                      const std::array<platform::Color, 16>& custom_colors) {
  // The custom colours go to the dialog in a copy that lives only for this
  // call; what the user defines there is not kept.
  std::array<COLORREF, 16> custom{};
  std::copy(custom_colors.begin(), custom_colors.end(), custom.begin());
  CHOOSECOLORW record{};
  record.lStructSize = sizeof(record);
  record.hwndOwner = reinterpret_cast<HWND>(owner);
  record.hInstance = reinterpret_cast<HWND>(::GetModuleHandleW(nullptr));
  record.rgbResult = static_cast<COLORREF>(initial);
  record.lpCustColors = custom.data();
  record.Flags = 0;
  return ::ChooseColorW(&record) ? static_cast<std::int32_t>(record.rgbResult) : -1;
}

void Win32Platform::RunMessageLoop() {
  while (DispatchNextMessage(true)) {
  }
}

}  // namespace wendora::win32
