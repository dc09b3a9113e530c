// The one door to the operating system. Everything outside platform/ reaches
// files, the process, message boxes, windows and the notification area only
// through these interfaces. The Windows program links the implementation in
// platform/win32/; the tests link a fake that records every call.
//
// Texts are UTF-8; the implementation converts them at the door. Geometry is
// in twips (1/1440 inch) unless a name says otherwise. The values that pass
// the door are in platform/types.h, the windows and controls it builds in
// platform/controls.h.
#pragma once

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls.h"
#include "platform/types.h"

namespace wendora::platform {

class Platform {
 public:
  virtual ~Platform() = default;

  // Process.
  virtual std::string ProgramFolder() = 0;         // the executable's folder, no trailing separator
  virtual std::string ExecutableName() = 0;        // file name with extension, e.g. "TWendora.exe"
  virtual std::string CommandLineArguments() = 0;  // what follows the program's own name
  // The product name of the program's version record: the title of its
  // message boxes.
  virtual std::string ProductName() = 0;
  // The user's display language, as a language name such as "ja-JP" or
  // "en-US" (not the regional format).
  virtual std::string DisplayLanguage() = 0;
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
  // read as kFailed. ReplaceFileAtomically writes the bytes to a temporary file in the
  // same folder, flushes it and renames it over the old file: the file holds
  // either its old or its new contents, never a mixture. False on failure, in
  // which case the old file is untouched.
  virtual FileContent ReadFile(const std::string& path) = 0;
  virtual bool ReplaceFileAtomically(const std::string& path, std::string_view bytes) = 0;

  // A modal message box; owner 0 for none.
  virtual MessageBoxResult ShowMessageBox(std::string_view text, std::string_view title,
                                          MessageBoxKind kind, Handle owner) = 0;

  // Time. The tick count is the system's millisecond counter since it
  // started; it wraps after 49.7 days.
  virtual std::uint32_t TickCount() = 0;
  virtual void Sleep(int milliseconds) = 0;
  // While fine is on, a sleep of 1 ms lasts about 1 ms rather than a whole
  // scheduler tick (15.6 ms by default on Windows).
  virtual void SetFineTimerResolution(bool fine) = 0;
  // Processes every pending window message, then returns.
  virtual void DoEvents() = 0;

  // Clipboard. ReadClipboardText raises error 521 when the clipboard cannot
  // be opened. It never waits long for the program that owns the clipboard:
  // while that program keeps the text back, the read is pending, and a later
  // call takes it up again. The sequence number changes whenever the
  // clipboard's contents change (0 if unknown); reading it never waits.
  virtual ClipboardText ReadClipboardText() = 0;
  virtual std::uint32_t ClipboardSequenceNumber() = 0;
  // Starts listening to the clipboard's changes; null when the system cannot
  // tell of them, and the program must look for itself.
  virtual std::unique_ptr<ClipboardListener> ListenToClipboard() = 0;

  // The colours of the high-contrast theme the user has on; none when it is
  // off.
  virtual std::optional<HighContrastColors> HighContrast() = 0;

  // The mouse pointer over all of the program's windows.
  virtual void SetMousePointer(MousePointer pointer) = 0;

  // Opens a file, folder or address with the program the shell associates
  // with it, shown normally. The shell's answer is not examined.
  virtual void OpenWithShell(Handle owner, std::string_view file) = 0;
  // Starts opening an address or path on a thread of its own (with COM
  // there). A path is judged and opened as the system resolves it (made
  // absolute, "." and ".." and trailing dots and blanks dropped, short names
  // made long); a program there gets the file's folder as its working
  // folder. A file that runs code, by the request's judgement or the
  // shell's, is shown in its folder (Explorer started by its full path)
  // instead of opened.
  virtual std::unique_ptr<Opening> StartOpening(OpenRequest request) = 0;
  // The system's list of the extensions of files it runs as programs, such
  // as ".COM;.EXE;.BAT" (empty when it has none).
  virtual std::string ProgramFileExtensions() = 0;
  // Whether a file or folder of that path exists.
  virtual bool PathExists(const std::string& path) = 0;
  // The window in front of all others; none when there is none.
  virtual std::optional<ForegroundWindow> ForegroundWindowShape() = 0;
  // Whether the system says the user is presenting, running a full-screen
  // game or video, or busy and not to be disturbed.
  virtual bool SystemSaysUserIsBusy() = 0;

  // Windows. A window, timer or icon that cannot be made raises a run-time
  // error.
  virtual std::unique_ptr<Form> CreateForm(const FormDesign& design) = 0;
  virtual std::unique_ptr<Timer> CreateTimer(int interval_ms) = 0;
  virtual std::unique_ptr<GlobalKeys> CreateGlobalKeys() = 0;
  // The icon shows the program's small icon and the tip.
  virtual std::unique_ptr<NotifyIcon> CreateNotifyIcon(std::string_view tip) = 0;
  virtual std::unique_ptr<Dialog> CreateDialogWindow(const DialogDesign& design) = 0;
  // Brings the window to the foreground. The result is not examined.
  virtual void SetForegroundWindow(Handle window) = 0;
  // Shows a popup menu at the mouse position, its left edge at the pointer,
  // with the default item in bold; returns when it closes, with the index of
  // the chosen item, or -1 when none was chosen.
  virtual int ShowPopupMenu(Handle owner, const std::vector<MenuItem>& items, int default_item) = 0;

  // The entry of that name among the programs that Windows starts at the
  // user's logon: read it, write its command line, turn it on where the
  // system's list of start-up programs has it off, delete it (deleting one
  // that is not there does nothing). A failure raises a run-time error whose
  // description is the system's message.
  virtual LogonStart ReadLogonStart(std::string_view name) = 0;
  virtual void WriteLogonStart(std::string_view name, std::string_view command) = 0;
  virtual void EnableLogonStart(std::string_view name) = 0;
  virtual void DeleteLogonStart(std::string_view name) = 0;

  // The system's colour dialog, modal to the owner, offering the sixteen
  // custom colours; the chosen colour, or -1 when it was cancelled.
  virtual std::int32_t PickColor(Handle owner, Color initial,
                                 const std::array<Color, 16>& custom_colors) = 0;

 protected:
  virtual void EndProcess() = 0;
};

}  // namespace wendora::platform
