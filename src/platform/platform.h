// The one door to the operating system. Everything outside platform/ reaches
// files, the process, message boxes, windows and the notification area only
// through these interfaces. The Windows program links the implementation in
// platform/win32/; the tests link a fake that records every call.
//
// Texts are UTF-8; the implementation converts them at the door. Geometry is
// in twips (1/1440 inch) unless a name says otherwise.
#pragma once

#include <array>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// A colour: red in bits 0 to 7, green in bits 8 to 15, blue in bits 16 to 23.
using Color = std::uint32_t;

// The colour of a label's text: a colour of its own, or the system's colour
// for the text of buttons, which follows the user's colour scheme.
struct TextColor {
  static TextColor ButtonText() { return {}; }
  static TextColor Rgb(Color color) { return {color}; }
  std::optional<Color> rgb;
  bool operator==(const TextColor&) const = default;
};

enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

struct Bounds {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

struct FontDesign {
  std::string name;
  double points = 9;
  bool underline = false;
};

// A label: centred text on a transparent background, drawn by the picture box
// that holds it and clipped to its own box.
class Label {
 public:
  virtual ~Label() = default;
  virtual std::string Caption() const = 0;
  virtual void SetCaption(std::string_view caption) = 0;
  virtual double Width() const = 0;
  virtual void SetWidth(double width) = 0;
  virtual void SetFontUnderline(bool underline) = 0;
  virtual void SetForeColor(TextColor color) = 0;

  // A mouse button was released over the label.
  std::function<void(int button)> on_mouse_up;
};

// A picture box: a child area of a form with a persistent image. What is
// drawn into it stays until drawn over. Its labels live as long as it does.
class PictureBox {
 public:
  virtual ~PictureBox() = default;
  virtual double Width() const = 0;
  virtual double Height() const = 0;
  virtual void SetWidth(double width) = 0;
  virtual void SetHeight(double height) = 0;
  // A one-pixel solid line into the persistent image, in twips.
  virtual void DrawLine(double x1, double y1, double x2, double y2, Color color) = 0;
  virtual Label& CreateLabel(const Bounds& bounds, const FontDesign& font) = 0;
  // While the mouse is captured, its buttons' releases come to the box
  // wherever the pointer is, as releases over the box itself.
  virtual void CaptureMouse() = 0;
  virtual void ReleaseMouse() = 0;

  // A mouse button was pressed over the box or any of its labels.
  std::function<void(int button)> on_mouse_down;
  // A mouse button was released over the box itself (not over a label).
  std::function<void(int button)> on_mouse_up;
};

// A timer that fires at its interval while it runs. It runs from its
// creation until stopped; Start and Stop do nothing when it already runs or
// stands.
class Timer {
 public:
  virtual ~Timer() = default;
  virtual void Start() = 0;
  virtual void Stop() = 0;
  virtual bool Running() const = 0;
  std::function<void()> on_timer;
};

// Hears of every change of the clipboard's contents, for as long as it lives.
// The news arrives as an event on the user-interface thread, like a timer's,
// once per change or for several changes in a row.
class ClipboardListener {
 public:
  virtual ~ClipboardListener() = default;
  std::function<void()> on_changed;
};

// The program's icon in the notification area, with its tip. It is created
// out of the notification area; Show puts it there and Remove takes it away
// (removing an icon that is not there does nothing). The shell's answers are
// not examined.
class NotifyIcon {
 public:
  virtual ~NotifyIcon() = default;
  // The hidden window that receives the icon's messages; it owns the menu
  // the icon asks for.
  virtual Handle handle() const = 0;
  virtual void Show() = 0;
  virtual void Remove() = 0;

  // Changes the tip, and whether the icon is shown greyed (as for a program
  // that is paused); an icon in the notification area changes at once.
  virtual void SetLook(std::string_view tip, bool greyed) = 0;

  // The user released the right mouse button over the icon: the menu is
  // asked for. Nothing else the mouse does over the icon is reported.
  std::function<void()> on_menu_requested;
  // The notification area was made anew (the shell restarted): every icon
  // that was in it is gone.
  std::function<void()> on_area_recreated;
};

// Which monitor a window goes to: the primary one, that of the foreground
// window (or, without one, that of the mouse pointer), or that of the
// mouse pointer.
enum class MonitorChoice { kPrimary, kForegroundWindow, kMousePointer };

// Where a monitor is on the desktop, in twips at its own scale.
struct MonitorArea {
  double left = 0;
  double top = 0;
  double width = 0;
  bool operator==(const MonitorArea&) const = default;
};

// The colours of the user's high-contrast theme for the contents of windows.
struct HighContrastColors {
  Color window = 0;  // the background
  Color text = 0;
  bool operator==(const HighContrastColors&) const = default;
};

// A top-level window with a fixed dialog frame but no title bar, and without
// a taskbar button, built hidden at its designed place and client size. Left,
// Top, Width and Height are its outer geometry (the frame included). Its
// picture boxes live as long as it does.
//
// Its geometry is in twips at the scale of the monitor it stands on. When
// that scale changes (another monitor, or the user's setting), the form keeps
// its client height in twips, its picture boxes' labels keep their places and
// fonts in twips, and on_dpi_changed lets the owner lay out the rest anew.
class Form {
 public:
  virtual ~Form() = default;
  virtual Handle handle() const = 0;

  // Twips per pixel at the form's present scale.
  virtual double TwipsPerPixelX() const = 0;
  virtual double TwipsPerPixelY() const = 0;
  // Puts the hidden form on the chosen monitor, at its scale (on_dpi_changed
  // tells when that is another). A form starts on the primary monitor.
  virtual void PutOnMonitor(MonitorChoice choice) = 0;
  // Where the monitor the form was put on is, in twips at the form's scale.
  virtual MonitorArea Monitor() const = 0;

  virtual double Left() const = 0;
  virtual double Top() const = 0;
  virtual double Width() const = 0;
  virtual double Height() const = 0;
  virtual double ClientWidth() const = 0;
  virtual double ClientHeight() const = 0;
  virtual void SetLeft(double left) = 0;
  // Moves the window and paints it at its new place at once.
  virtual void SetTop(double top) = 0;
  virtual void SetWidth(double width) = 0;

  // Shows the window modeless and without owner, without activating it.
  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual bool Visible() const = 0;
  // Puts the window at the top of the z-order among topmost windows and shows
  // it, without moving or sizing it. The result is not examined.
  virtual void SetTopmost() = 0;
  // The window's text: what screen readers read as its name. The window is
  // an alert to them; RaiseAlert tells them that it has just appeared.
  virtual void SetText(std::string_view text) = 0;
  virtual void RaiseAlert() = 0;

  virtual PictureBox& CreatePictureBox(const Bounds& bounds) = 0;

  std::function<void()> on_dpi_changed;
};

struct FormDesign {
  double left = 0;
  double top = 0;
  double client_width = 0;
  double client_height = 0;
};

// How a read of the clipboard's text went.
enum class ClipboardRead {
  kText,     // the text was read (it may be empty)
  kNoText,   // the clipboard holds no text
  kPending,  // the program that owns the clipboard has not handed the text
             // over yet (it may hang): ask again later
  kFailed,   // text is on offer, but the read gave nothing
};

// The text on the clipboard, whether its owner asked clipboard watchers to
// look away from it (as password managers do), and the file name of the
// program that owns it (empty when that cannot be told).
struct ClipboardText {
  ClipboardRead status = ClipboardRead::kText;
  std::string text;
  bool private_content = false;
  std::string owner_program;
};

enum class MousePointer { kDefault, kBusy };

// The controls of a dialog. Captions may carry an access key, written "&X".
enum class ControlKind {
  kLabel,
  kTextBox,
  kSwatch,         // a bordered box showing a colour; clicking it is its click
  kCheckBox,       // values 0 unchecked, 1 checked, 2 greyed
  kOptionButton,   // values 0 and 1; the option buttons of a dialog form one group
  kFrame,          // a captioned border around other controls
  kDefaultButton,  // Enter presses it
  kCancelButton,   // Esc presses it
};

struct ControlDesign {
  ControlKind kind = ControlKind::kLabel;
  std::string caption;
  Bounds bounds;  // in twips, within the dialog's client area
};

class DialogControl {
 public:
  virtual ~DialogControl() = default;
  virtual std::string Text() const = 0;
  virtual void SetText(std::string_view text) = 0;
  virtual int Value() const = 0;
  virtual void SetValue(int value) = 0;
  virtual Color BackColor() const = 0;
  virtual void SetBackColor(Color color) = 0;
  virtual void SetFocus() = 0;

  std::function<void()> on_click;
};

// Shift states of a key event: any combination of these bits.
enum ShiftState : int { kShiftMask = 1, kCtrlMask = 2, kAltMask = 4 };

// A dialog window: a caption, a fixed frame with neither minimise nor
// maximise button, and no taskbar button. Controls are added in tab order and
// live as long as the dialog; they keep their places and font in twips at the
// scale of the monitor the dialog stands on, whenever it changes.
class Dialog {
 public:
  virtual ~Dialog() = default;
  virtual Handle handle() const = 0;
  virtual DialogControl& AddControl(const ControlDesign& design) = 0;
  virtual void ShowModeless() = 0;
  // Shows the dialog and returns when it has been hidden; the program's
  // other windows take no input meanwhile.
  virtual void ShowModal() = 0;
  virtual void Hide() = 0;
  virtual bool Visible() const = 0;
  // Shows the dialog and places it at the top of the topmost windows, or of
  // the other windows, without moving or sizing it. Results are not examined.
  virtual void SetTopmost(bool topmost) = 0;

  // A key was released while the dialog or one of its controls had the
  // keyboard focus: the key's letter ('A' to 'Z'; 0 for any other key) and
  // the shift state.
  std::function<void(char letter, int shift)> on_key_up;
  // The user closed the window by its close box or the system menu.
  std::function<void()> on_close;
};

struct DialogDesign {
  std::string caption;
  double client_width = 0;
  double client_height = 0;
  std::string font;  // the font of its controls, 9 points
};

struct MenuItem {
  std::string caption;  // empty: a separator
  bool checked = false;
};

// The program's entry among those that Windows starts when the user logs on.
struct LogonStart {
  bool present = false;   // an entry of that name exists
  std::string command;    // the command line it starts
  bool disabled = false;  // the user turned it off in the system's list of start-up programs
};

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
  // Opens the folder that holds the file, with the file selected, without
  // running it. The shell's answer is not examined.
  virtual void ShowInFolder(Handle owner, std::string_view path) = 0;
  // The system's list of the extensions of files it runs as programs, such
  // as ".COM;.EXE;.BAT" (empty when it has none).
  virtual std::string ProgramFileExtensions() = 0;
  // Whether a file or folder of that path exists.
  virtual bool PathExists(const std::string& path) = 0;
  // Whether the user would not want to be interrupted: the foreground
  // window covers its whole monitor (a game, a video, a presentation; not
  // the desktop or the taskbar), or the system says the user is presenting
  // or busy.
  virtual bool UserIsBusyFullScreen() = 0;

  // Windows. A window, timer or icon that cannot be made raises a run-time
  // error.
  virtual std::unique_ptr<Form> CreateForm(const FormDesign& design) = 0;
  virtual std::unique_ptr<Timer> CreateTimer(int interval_ms) = 0;
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
