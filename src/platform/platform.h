// The one door to the operating system. Everything outside platform/ reaches
// files, the process, message boxes, windows and the notification area only
// through these interfaces. The Windows program links the implementation in
// platform/win32/; the tests link a fake that records every call.
//
// Texts are UTF-8; the implementation converts them at the door. Geometry is
// in twips (1/1440 inch) unless a name says otherwise.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace wendora::platform {

// A native window or icon handle, as a number (a window handle on Windows).
using Handle = std::uintptr_t;

enum class FileStatus { kRead, kMissing, kFailed };

struct FileContent {
  FileStatus status = FileStatus::kMissing;
  std::string bytes;
};

enum class MessageBoxKind {
  kOkExclamation,        // a warning with only an OK button
  kOkCritical,           // a fatal error with only an OK button
  kOkCancelExclamation,  // a warning asking OK or Cancel; OK is the default button
};

enum class MessageBoxResult { kOk, kCancel };

// The notification-area icon's record: identifier, owner window, valid-field
// flags, callback message, icon and tip.
struct NotifyIconData {
  std::uint32_t id = 0;
  Handle owner = 0;
  std::uint32_t flags = 0;
  std::uint32_t callback_message = 0;
  Handle icon = 0;
  std::string tip;
};

enum class NotifyIconMessage : std::uint32_t { kAdd = 0, kDelete = 2 };

// A picture box: a child area of a form.
class PictureBox {
 public:
  virtual ~PictureBox() = default;
  virtual Handle handle() const = 0;
  // The handle of the picture it shows (an icon), 0 for none.
  virtual Handle picture() const = 0;

  // The notification-area icon's messages, when this box owns the icon: the
  // number of the mouse message that happened over the icon.
  std::function<void(std::uint32_t mouse_message)> on_notify_icon;
};

// A top-level window without a title bar and without a taskbar button, built
// hidden at its designed place and size.
class Form {
 public:
  virtual ~Form() = default;
  virtual Handle handle() const = 0;

  // A picture box showing the program's small (16 x 16) icon; it is never
  // shown and receives the notification-area icon's messages.
  virtual std::unique_ptr<PictureBox> CreateNotifyIconHost(int left, int top, int width,
                                                           int height) = 0;

  // Called when the notification area was re-created (the shell restarted).
  std::function<void()> on_taskbar_created;
};

struct FormDesign {
  int left = 0;
  int top = 0;
  int client_width = 0;
  int client_height = 0;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Process.
  virtual std::string ProgramFolder() = 0;         // the executable's folder, no trailing separator
  virtual std::string ExecutableName() = 0;        // file name with extension, e.g. "TWendora.exe"
  virtual std::string CommandLineArguments() = 0;  // what follows the program's own name
  // Claims the program's single-instance token for this process; false when
  // another instance holds it already.
  virtual bool ClaimSingleInstance() = 0;
  // Ends the process at once: no window's closing is handled, nothing else
  // is saved.
  [[noreturn]] void ExitProcess() {
    EndProcess();
    std::abort();  // not reached: EndProcess does not return
  }

  // Files. A missing file reads as kMissing; one that exists but cannot be
  // read as kFailed. ReplaceFile writes the bytes to a temporary file in the
  // same folder, flushes it and renames it over the old file: the file holds
  // either its old or its new contents, never a mixture. False on failure, in
  // which case the old file is untouched.
  virtual FileContent ReadFile(const std::string& path) = 0;
  virtual bool ReplaceFile(const std::string& path, std::string_view bytes) = 0;

  // A modal message box; owner 0 for none.
  virtual MessageBoxResult ShowMessageBox(std::string_view text, std::string_view title,
                                          MessageBoxKind kind, Handle owner) = 0;

  // Windows.
  virtual std::unique_ptr<Form> CreateForm(const FormDesign& design) = 0;

  // Notification area. The result is not reported.
  virtual void ShellNotifyIcon(NotifyIconMessage message, const NotifyIconData& data) = 0;

 protected:
  virtual void EndProcess() = 0;
};

}  // namespace wendora::platform
