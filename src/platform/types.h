// The values that pass through the door to the operating system: handles,
// colours, geometry, files, the clipboard's text, and the designs of windows
// and controls. Texts are UTF-8; geometry is in twips (1/1440 inch) unless a
// name says otherwise.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
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

struct FormDesign {
  double left = 0;
  double top = 0;
  double client_width = 0;
  double client_height = 0;
};

// The window in front of all others, as far as telling a full-screen
// program goes.
struct ForegroundWindow {
  bool shell = false;           // the desktop or the taskbar
  bool covers_monitor = false;  // its rectangle covers its whole monitor
  bool caption = false;         // it has a title bar (WS_DLGFRAME)
  bool window_edge = false;     // a raised edge, as windows with a frame have
  bool tool_window = false;     // a tool window (palettes, overlays)
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

// What to open, off the user-interface thread: a network path may keep the
// system waiting for many seconds.
struct OpenRequest {
  enum class Kind {
    kAddress,  // opened in the default browser, after "about:blank"
    kPath,     // resolved as the system resolves it, checked, then opened
  };
  Handle owner = 0;
  Kind kind = Kind::kAddress;
  std::string target;
  // Whether a file of that resolved path runs code or reaches the network
  // when opened: then its folder is shown with it selected, instead. Called
  // on the opening's own thread.
  std::function<bool(std::string_view path)> runs_code;
};

// How an opening ended.
struct OpenOutcome {
  enum class Status {
    kOpened,
    kShownInFolder,  // the folder that holds the file, with it selected
    kMissing,        // no file or folder of that path
    kFailed,         // the shell could not open it (no program for it, no access)
  };
  Status status = Status::kOpened;
  std::string path;     // a path as the system resolved it
  std::string message;  // kFailed: the system's own words
};

// The controls of a dialog. Captions may carry an access key, written "&X".
enum class ControlKind {
  kLabel,
  kTextBox,
  kSwatch,         // a bordered box showing a colour; clicking it is its click
  kCheckBox,       // values 0 unchecked, 1 checked, 2 greyed
  kOptionButton,   // values 0 and 1; one of a group at a time
  kFrame,          // a captioned border around other controls
  kDefaultButton,  // Enter presses it
  kCancelButton,   // Esc presses it
  kButton,         // any other push button
};

struct ControlDesign {
  ControlKind kind = ControlKind::kLabel;
  std::string caption;
  Bounds bounds;  // in twips, within the dialog's client area
  int group = 0;  // option buttons: those of one group exclude each other
};

// A key that a combination of the program's can take, wherever the
// keyboard focus is.
enum class GlobalKey { kEnter, kBackspace };

// Shift states of a key event: any combination of these bits.
enum ShiftState : int { kShiftMask = 1, kCtrlMask = 2, kAltMask = 4 };

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

}  // namespace wendora::platform
