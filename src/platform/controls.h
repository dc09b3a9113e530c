// The windows, controls and event sources that the program builds through
// the door: labels and picture boxes on a form, the form itself, a timer,
// the clipboard's listener, the notification-area icon, and dialogs with
// their controls. Each is made by the Platform and owned by whoever asked for
// it; its events arrive on the user-interface thread.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/types.h"

namespace wendora::platform {

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
  // How wide the text is on one line in the label's font, in twips.
  virtual double TextWidth(std::string_view text) const = 0;

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

// An opening under way on a thread of its own. Destroying it does not stop
// the opening, which ends on its own.
class Opening {
 public:
  virtual ~Opening() = default;
  // How it ended; nothing while it is still under way.
  virtual std::optional<OpenOutcome> Outcome() = 0;
};

// Key combinations held for the program, so that it hears them wherever the
// keyboard focus is and no other program gets them, for as long as they are
// held. Each has an identifier of the program's choosing.
class GlobalKeys {
 public:
  virtual ~GlobalKeys() = default;
  // False when another program holds the combination already. The shift
  // state is a combination of ShiftState bits.
  virtual bool Hold(int id, int shift, GlobalKey key) = 0;
  // Releasing a combination that is not held does nothing.
  virtual void Release(int id) = 0;

  // A held combination was pressed (not repeated while it stays down).
  std::function<void(int id)> on_pressed;
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
  // it, without moving, sizing or activating it. The result is not examined.
  virtual void SetTopmost() = 0;
  // The window's text: what screen readers read as its name. The window is
  // an alert to them; RaiseAlert tells them that it has just appeared.
  virtual void SetText(std::string_view text) = 0;
  virtual void RaiseAlert() = 0;

  virtual PictureBox& CreatePictureBox(const Bounds& bounds) = 0;

  std::function<void()> on_dpi_changed;
  // The Windows session ends (log-off, shut-down, restart, or an installer
  // closing the program): the process may be ended as soon as this returns.
  std::function<void()> on_session_ending;
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
  // A disabled control is greyed and takes no input.
  virtual void SetEnabled(bool enabled) = 0;

  std::function<void()> on_click;
};

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

}  // namespace wendora::platform
