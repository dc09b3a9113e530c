// A platform for tests: it keeps files, clipboard, clock and windows in
// memory, answers message boxes as told, and records what the program did.
// Ending the process throws ProcessExited, so a test sees where the program
// would have ended. Windows keep their geometry in whole pixels, as real ones
// do, and convert with the configured twips per pixel.
#pragma once

#include <array>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "base/text.h"
#include "platform/platform.h"

namespace wendora::fake {

struct ProcessExited {};

struct MessageBoxCall {
  std::string text;
  std::string title;
  platform::MessageBoxKind kind;
  platform::Handle owner;
};

struct ShellCall {
  platform::Handle owner;
  std::string file;
};

struct Line {
  double x1, y1, x2, y2;
  platform::Color color;
};

class FakePlatform;

class FakeLabel final : public platform::Label {
 public:
  FakeLabel(const platform::Bounds& bounds, const platform::FontDesign& font)
      : bounds(bounds), font(font) {}
  std::string Caption() const override { return caption; }
  void SetCaption(std::string_view text) override {
    caption = std::string(text);
    captions.push_back(caption);
  }
  double Width() const override { return bounds.width; }
  void SetWidth(double width) override { bounds.width = width; }
  void SetFontUnderline(bool underline) override { font.underline = underline; }
  void SetForeColor(platform::TextColor color) override { fore_color = color; }
  // Each UTF-16 unit as wide as the font is high: a point is 20 twips.
  double TextWidth(std::string_view text) const override {
    return static_cast<double>(Utf16Length(text)) * font.points * 20;
  }

  platform::Bounds bounds;
  platform::FontDesign font;
  platform::TextColor fore_color = platform::TextColor::ButtonText();
  std::string caption;
  std::vector<std::string> captions;  // every caption set, in order
};

class FakePictureBox final : public platform::PictureBox {
 public:
  FakePictureBox(FakePlatform& platform, const platform::Bounds& bounds);
  double Width() const override;
  double Height() const override;
  void SetWidth(double width) override;
  void SetHeight(double height) override;
  void DrawLine(double x1, double y1, double x2, double y2, platform::Color color) override;
  platform::Label& CreateLabel(const platform::Bounds& bounds,
                               const platform::FontDesign& font) override;
  void CaptureMouse() override { mouse_captured = true; }
  void ReleaseMouse() override { mouse_captured = false; }

  bool mouse_captured = false;
  std::vector<Line> lines;
  std::vector<FakeLabel*> labels;
  int width_px = 0;
  int height_px = 0;

 private:
  FakePlatform& platform_;
  std::vector<std::unique_ptr<FakeLabel>> owned_labels_;
};

class FakeTimer final : public platform::Timer {
 public:
  FakeTimer(FakePlatform& platform, int interval) : interval(interval), platform_(platform) {}
  ~FakeTimer() override;
  void Start() override;
  void Stop() override;
  void Fire() {
    if (on_timer) {
      on_timer();
    }
  }
  int interval;
  bool running = true;
  int starts = 0;  // how often a standing timer was started

 private:
  FakePlatform& platform_;
};

class FakeGlobalKeys final : public platform::GlobalKeys {
 public:
  explicit FakeGlobalKeys(FakePlatform& platform) : platform_(platform) {}
  bool Hold(int id, int shift, platform::GlobalKey key) override;
  void Release(int id) override;
  // The user presses a combination: it reaches the program if it is held.
  void Press(int shift, platform::GlobalKey key);

  struct Held {
    int shift;
    platform::GlobalKey key;
  };
  std::map<int, Held> held;

 private:
  FakePlatform& platform_;
};

class FakeClipboardListener final : public platform::ClipboardListener {
 public:
  explicit FakeClipboardListener(FakePlatform& platform) : platform_(platform) {}
  ~FakeClipboardListener() override;
  void Notify() {
    if (on_changed) {
      on_changed();
    }
  }

 private:
  FakePlatform& platform_;
};

class FakeNotifyIcon final : public platform::NotifyIcon {
 public:
  FakeNotifyIcon(FakePlatform& platform, platform::Handle handle, std::string_view tip)
      : tip(tip), platform_(platform), handle_(handle) {}
  ~FakeNotifyIcon() override;
  platform::Handle handle() const override { return handle_; }
  void Show() override;
  void Remove() override;
  void SetLook(std::string_view new_tip, bool is_greyed) override {
    tip = std::string(new_tip);
    greyed = is_greyed;
  }
  // What the user and the shell do.
  void RequestMenu() {
    if (on_menu_requested) {
      on_menu_requested();
    }
  }
  void RecreateArea() {
    shown = false;
    if (on_area_recreated) {
      on_area_recreated();
    }
  }

  std::string tip;
  bool greyed = false;
  bool shown = false;

 private:
  FakePlatform& platform_;
  platform::Handle handle_;
};

// An opening that ends when it is first asked how it went, unless the
// platform holds openings back (a network path that keeps the system busy).
class FakeOpening final : public platform::Opening {
 public:
  FakeOpening(FakePlatform& platform, platform::OpenRequest request)
      : platform_(platform), request_(std::move(request)) {}
  std::optional<platform::OpenOutcome> Outcome() override;

 private:
  FakePlatform& platform_;
  platform::OpenRequest request_;
  std::optional<platform::OpenOutcome> outcome_;
};

class FakeForm final : public platform::Form {
 public:
  FakeForm(FakePlatform& platform, platform::Handle handle, const platform::FormDesign& design);
  platform::Handle handle() const override { return handle_; }
  double TwipsPerPixelX() const override;
  double TwipsPerPixelY() const override;
  void PutOnMonitor(platform::MonitorChoice choice) override;
  platform::MonitorArea Monitor() const override;
  double Left() const override;
  double Top() const override;
  double Width() const override;
  double Height() const override;
  double ClientWidth() const override;
  double ClientHeight() const override;
  void SetLeft(double left) override;
  void SetTop(double top) override;
  void SetWidth(double width) override;
  void Show() override;
  void Hide() override;
  bool Visible() const override { return visible; }
  void SetTopmost() override;
  void SetText(std::string_view new_text) override { text = std::string(new_text); }
  void RaiseAlert() override;
  platform::PictureBox& CreatePictureBox(const platform::Bounds& bounds) override;

  // The monitor's scale changed to these twips per pixel: the client area
  // keeps its designed height in twips.
  void ChangeScale(double twips_per_pixel);
  // Windows tells the window that the session ends.
  void EndSession() {
    if (on_session_ending) {
      on_session_ending();
    }
  }

  // Outer geometry, frame included.
  int left_px = 0;
  int top_px = 0;
  int width_px = 0;
  int height_px = 0;
  int frame_px = 0;
  double client_height_twips = 0;
  bool visible = false;
  bool topmost = false;
  std::size_t monitor = 0;          // the monitor the form was put on
  std::string text;                 // the window's text
  std::vector<std::string> alerts;  // the window's text at each alert raised
  std::vector<int> tops_px;         // every top set, in order
  std::vector<FakePictureBox*> pictures;

 private:
  FakePlatform& platform_;
  platform::Handle handle_;
  std::vector<std::unique_ptr<FakePictureBox>> owned_pictures_;
};

class FakeDialogControl final : public platform::DialogControl {
 public:
  explicit FakeDialogControl(FakePlatform& platform, const platform::ControlDesign& design)
      : design(design), text(design.caption), platform_(platform) {}
  std::string Text() const override { return text; }
  void SetText(std::string_view value) override { text = std::string(value); }
  int Value() const override { return value; }
  void SetValue(int v) override;
  platform::Color BackColor() const override { return back_color; }
  void SetBackColor(platform::Color color) override { back_color = color; }
  void SetFocus() override;
  void SetEnabled(bool is_enabled) override { enabled = is_enabled; }
  // What a click on the control does.
  void Click();

  platform::ControlDesign design;
  std::string text;
  int value = 0;
  bool enabled = true;
  platform::Color back_color = 0xFFFFFF;
  class FakeDialog* dialog = nullptr;

 private:
  FakePlatform& platform_;
};

class FakeDialog final : public platform::Dialog {
 public:
  FakeDialog(FakePlatform& platform, platform::Handle handle, const platform::DialogDesign& design)
      : design(design), platform_(platform), handle_(handle) {}
  ~FakeDialog() override;
  platform::Handle handle() const override { return handle_; }
  platform::DialogControl& AddControl(const platform::ControlDesign& design) override;
  void ShowModeless() override;
  void ShowModal() override;
  void Hide() override;
  bool Visible() const override { return visible; }
  void SetTopmost(bool topmost) override;

  // The control whose caption is the given one, or the one at that place in
  // the tab order.
  FakeDialogControl& Control(std::string_view caption);
  FakeDialogControl& ControlAt(std::size_t tab_index) { return *controls.at(tab_index); }
  void KeyUp(char letter, int shift) {
    if (on_key_up) {
      on_key_up(letter, shift);
    }
  }

  platform::DialogDesign design;
  std::vector<FakeDialogControl*> controls;
  FakeDialogControl* focus = nullptr;
  bool visible = false;
  bool modal = false;

 private:
  FakePlatform& platform_;
  platform::Handle handle_;
  std::vector<std::unique_ptr<FakeDialogControl>> owned_controls_;
};

struct ColorDialogCall {
  platform::Handle owner;
  platform::Color initial;
  std::array<platform::Color, 16> custom_colors;
};

class FakePlatform final : public platform::Platform {
 public:
  // What the process looks like.
  std::string product_name = "Tamberlyn Wendora 2002";
  std::string program_folder = "C:\\Tools\\Wendora";
  std::string executable_name = "TWendora.exe";
  std::string command_line;
  bool another_instance_running = false;
  std::string display_language = "ja-JP";

  // The file system: path (as the program spells it) to contents.
  std::map<std::string, std::string> files;
  std::set<std::string> unreadable;      // exist but cannot be read
  std::set<std::string> unwritable;      // replacing them fails
  std::set<std::string> existing_paths;  // for PathExists, besides the files
  // Openings: held back until this is false again; the paths as the system
  // resolves them (a path not listed resolves to itself); the extensions the
  // shell judges dangerous; the files the shell fails to open, with the
  // system's message.
  bool openings_held = false;
  std::map<std::string, std::string> resolved_paths;
  std::set<std::string> shell_dangerous;
  std::map<std::string, std::string> shell_failures;
  std::vector<platform::OpenRequest> open_requests;
  // Runs after each read of a file (another program changing it meanwhile).
  std::function<void(const std::string& path)> after_file_read;
  // The process is ended (a crash, a power cut) when it replaces a file
  // for the time after this many replacements; -1: never.
  int replacements_before_end = -1;
  std::string program_extensions = ".COM;.EXE;.BAT;.CMD;.VBS;.VBE;.JS;.JSE;.WSF;.WSH;.MSC";

  // The programs Windows starts at logon, by name; while logon_failure is
  // set, every access to them fails with that message.
  std::map<std::string, platform::LogonStart> logon_starts;
  std::string logon_failure;

  // Answers for the next message boxes; OK when none is queued.
  std::deque<platform::MessageBoxResult> message_box_answers;

  // The clock: Sleep advances it.
  std::uint32_t tick_count = 1'000'000;

  // The clipboard. SetClipboard and ClearClipboard change its sequence
  // number as a real clipboard does; 0 means the sequence number is unknown.
  std::optional<std::string> clipboard_text;
  bool clipboard_private = false;
  std::string clipboard_owner;  // the owning program's file name; empty: unknown
  // Raised when the clipboard is read: 521 while another program holds it.
  int clipboard_error = 0;
  // Reading the clipboard runs out of memory (an exception of the library).
  bool clipboard_out_of_memory = false;
  // How the next reads go (a pending or failed read), before they succeed.
  std::deque<platform::ClipboardRead> clipboard_read_outcomes;
  std::uint32_t clipboard_sequence = 1;
  bool sequence_numbers = true;
  // Whether the system tells listeners of clipboard changes. A change is
  // told when the events are next delivered (DeliverEvents).
  bool clipboard_listener_available = true;
  std::vector<FakeClipboardListener*> clipboard_listeners;
  int clipboard_changes_untold = 0;
  void SetClipboard(std::string text, bool is_private = false);
  void ClearClipboard();
  // Delivers the news of the clipboard's changes to its listeners, as the
  // message loop would; false when there was none.
  bool DeliverClipboardChanges();

  // The screen: 1024 pixels wide at 96 DPI unless changed. A form's fixed
  // dialog frame is 3 pixels wide on each side.
  int screen_width_px = 1024;
  double twips_per_pixel_x = 15;
  double twips_per_pixel_y = 15;
  int form_frame_px = 3;
  // More monitors, in pixels on the desktop, each with its scale; the first
  // is the primary one. Without any, the screen above is the only monitor.
  struct Monitor {
    int left_px = 0;
    int top_px = 0;
    int width_px = 0;
    double twips_per_pixel = 15;
  };
  std::vector<Monitor> monitors;
  int foreground_monitor = -1;  // that of the foreground window; -1: there is none
  std::size_t pointer_monitor = 0;
  // The window in front, and whether the system says the user is busy.
  std::optional<platform::ForegroundWindow> foreground_window;
  bool system_says_busy = false;
  // A program in full screen in front: no caption, covering its monitor.
  void PutFullScreenProgramInFront() {
    foreground_window = platform::ForegroundWindow{false, true, false, false, false};
  }
  std::optional<platform::HighContrastColors> high_contrast;

  // Runs inside DoEvents and inside message boxes, as the events that the
  // message loop would deliver meanwhile; clipboard changes are told then too.
  std::function<void()> pending_events;

  // The program's global keys, and the combinations other programs hold
  // (Ctrl and Alt with the key, by the key).
  FakeGlobalKeys* global_keys = nullptr;
  std::set<platform::GlobalKey> keys_held_elsewhere;

  // The user's answers: the popup menu item chosen (-1 none) and the colour
  // picked in the colour dialog (-1 cancelled); -1 when none is queued.
  std::deque<int> menu_choices;
  bool menu_runs_out_of_memory = false;
  std::deque<std::int32_t> color_choices;
  // Runs while the modal dialog is shown (the test's hand on it).
  std::function<void(FakeDialog&)> while_modal;

  // What the program did.
  std::vector<std::string> calls;
  std::vector<MessageBoxCall> message_boxes;
  std::vector<ShellCall> shell_calls;
  std::vector<ShellCall> folders_shown;      // ShowInFolder: the file selected
  std::vector<std::string> working_folders;  // of each shell call, in order
  std::vector<platform::MousePointer> pointers;
  bool fine_timer = false;
  int sleeps_at_fine_resolution = 0;
  int sleeps = 0;
  platform::MousePointer pointer = platform::MousePointer::kDefault;
  std::vector<FakeForm*> forms;
  std::vector<FakeDialog*> dialogs;  // the ones not yet destroyed
  std::vector<FakeTimer*> timers;    // the same
  std::vector<FakeNotifyIcon*> notify_icons;
  std::vector<ColorDialogCall> color_dialogs;
  std::vector<std::vector<platform::MenuItem>> menus;
  std::vector<int> menu_defaults;
  std::vector<platform::Handle> foreground_requests;
  int clipboard_reads = 0;

  std::string SettingsFile() const { return program_folder + "\\TWendora.ini"; }
  std::string BuildNumberFile() const { return program_folder + "\\..\\TamberlynApps.ini"; }

  platform::Handle NewHandle() { return next_handle_++; }

  std::string ProductName() override { return product_name; }
  std::string DisplayLanguage() override { return display_language; }
  std::string ProgramFolder() override;
  std::string ExecutableName() override;
  std::string CommandLineArguments() override;
  bool ClaimSingleInstance() override;
  platform::FileContent ReadFile(const std::string& path) override;
  bool ReplaceFileAtomically(const std::string& path, std::string_view bytes) override;
  platform::MessageBoxResult ShowMessageBox(std::string_view text, std::string_view title,
                                            platform::MessageBoxKind kind,
                                            platform::Handle owner) override;
  std::uint32_t TickCount() override { return tick_count; }
  void Sleep(int milliseconds) override;
  void SetFineTimerResolution(bool fine) override;
  void DoEvents() override;
  platform::ClipboardText ReadClipboardText() override;
  std::uint32_t ClipboardSequenceNumber() override;
  std::unique_ptr<platform::ClipboardListener> ListenToClipboard() override;
  void SetMousePointer(platform::MousePointer pointer) override;
  void OpenWithShell(platform::Handle owner, std::string_view file) override;
  std::unique_ptr<platform::Opening> StartOpening(platform::OpenRequest request) override;
  // What an opening does: the shell's folder view, and the shell with the
  // folder a program started gets as its working folder.
  void ShowInFolder(platform::Handle owner, std::string_view path);
  bool OpenWithShellIn(platform::Handle owner, std::string_view file, std::string_view folder);
  std::string ProgramFileExtensions() override { return program_extensions; }
  bool PathExists(const std::string& path) override;
  std::optional<platform::ForegroundWindow> ForegroundWindowShape() override {
    return foreground_window;
  }
  bool SystemSaysUserIsBusy() override { return system_says_busy; }
  std::optional<platform::HighContrastColors> HighContrast() override { return high_contrast; }
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

  int ToPixelsX(double twips) const;
  int ToPixelsY(double twips) const;

 protected:
  void EndProcess() override;

 private:
  void RunPendingEvents();

  platform::Handle next_handle_ = 0x1000;
};

}  // namespace wendora::fake
