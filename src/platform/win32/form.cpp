// The banner's form: its window, its place on a monitor and its scale.
#include "platform/win32/form.h"

#include "platform/win32/alert_accessible.h"
#include "platform/win32/text.h"

namespace wendora::win32 {
namespace {

constexpr wchar_t kFormClass[] = L"TWendoraForm";

// The banner's frame: a fixed dialog frame without a title bar; a tool
// window, so that it has no taskbar button.
constexpr DWORD kFormStyle = WS_POPUP | WS_DLGFRAME | WS_CLIPCHILDREN;
// A tool window, so that it has no taskbar button; it never takes the
// keyboard from the window the user types in, not even when clicked.
constexpr DWORD kFormExStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;

}  // namespace

Win32Form::Win32Form(const UiState& ui, const platform::FormDesign& design)
    : ui_(ui),
      scale_(ScreenScale()),
      client_height_(design.client_height),
      monitor_(::MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY)) {
  RegisterWindowClass(kFormClass, &ForwardToOwner<Win32Form>);
  // Created hidden, its client area at the designed place and size.
  const RECT client =
      scale_.ToPixels({design.left, design.top, design.client_width, design.client_height});
  window_ =
      MakeWindow(kFormExStyle, kFormClass, L"", kFormStyle,
                 FrameAround(client, kFormStyle, kFormExStyle, scale_), nullptr, nullptr, this);
  if (const Scale monitor = ScaleOf(window_.get()); !(monitor == scale_)) {
    ChangeScale(monitor);
  }
}

Win32Form::~Win32Form() {
  pictures_.clear();  // the children go before their parent window
}

platform::Handle Win32Form::handle() const {
  return reinterpret_cast<platform::Handle>(window_.get());
}

void Win32Form::PutOnMonitor(platform::MonitorChoice choice) {
  HMONITOR monitor = nullptr;
  if (choice == platform::MonitorChoice::kForegroundWindow) {
    if (HWND foreground = ::GetForegroundWindow(); foreground != nullptr) {
      monitor = ::MonitorFromWindow(foreground, MONITOR_DEFAULTTONULL);
    }
  }
  if (monitor == nullptr && choice != platform::MonitorChoice::kPrimary) {
    POINT pointer{};
    ::GetCursorPos(&pointer);
    monitor = ::MonitorFromPoint(pointer, MONITOR_DEFAULTTONEAREST);
  }
  if (monitor == nullptr) {
    monitor = ::MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);
  }
  monitor_ = monitor;
  // The hidden form moves above the monitor's top edge first, so that the
  // system takes it as standing there.
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (::GetMonitorInfoW(monitor_, &info)) {
    const RECT outer = WindowRect();
    ::SetWindowPos(window_.get(), nullptr, info.rcMonitor.left,
                   info.rcMonitor.top - (outer.bottom - outer.top), 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (const Scale scale = ScaleOf(monitor_); !(scale == scale_)) {
    ChangeScale(scale);
  }
}

platform::MonitorArea Win32Form::Monitor() const {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!::GetMonitorInfoW(monitor_, &info)) {
    // A monitor that went away: the primary screen.
    return {0, 0, ::GetSystemMetrics(SM_CXSCREEN) * scale_.TwipsPerPixelX()};
  }
  const RECT& r = info.rcMonitor;
  return {r.left * scale_.TwipsPerPixelX(), r.top * scale_.TwipsPerPixelY(),
          (r.right - r.left) * scale_.TwipsPerPixelX()};
}

void Win32Form::ChangeScale(const Scale& scale) {
  scale_ = scale;
  const RECT outer = WindowRect();
  const RECT client = ClientRect();
  const RECT frame = FrameAround({0, 0, client.right, scale_.ToPixelsY(client_height_)}, kFormStyle,
                                 kFormExStyle, scale_);
  ::SetWindowPos(window_.get(), nullptr, 0, 0, outer.right - outer.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  for (const auto& picture : pictures_) {
    picture->Rescale();
  }
  if (on_dpi_changed) {
    on_dpi_changed();
  }
}

RECT Win32Form::WindowRect() const {
  RECT r{};
  ::GetWindowRect(window_.get(), &r);
  return r;
}

RECT Win32Form::ClientRect() const {
  RECT r{};
  ::GetClientRect(window_.get(), &r);
  return r;
}

double Win32Form::Left() const {
  return WindowRect().left * scale_.TwipsPerPixelX();
}
double Win32Form::Top() const {
  return WindowRect().top * scale_.TwipsPerPixelY();
}
double Win32Form::Width() const {
  const RECT r = WindowRect();
  return (r.right - r.left) * scale_.TwipsPerPixelX();
}
double Win32Form::Height() const {
  const RECT r = WindowRect();
  return (r.bottom - r.top) * scale_.TwipsPerPixelY();
}
double Win32Form::ClientWidth() const {
  return ClientRect().right * scale_.TwipsPerPixelX();
}
double Win32Form::ClientHeight() const {
  return ClientRect().bottom * scale_.TwipsPerPixelY();
}

void Win32Form::SetLeft(double left) {
  ::SetWindowPos(window_.get(), nullptr, scale_.ToPixelsX(left), WindowRect().top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form::SetTop(double top) {
  ::SetWindowPos(window_.get(), nullptr, WindowRect().left, scale_.ToPixelsY(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
  // The slide does not return to the message loop between its steps: paint
  // the window and its children at the new place now. Bits copied from the
  // old place are not trusted, since part of it lay outside the screen.
  ::RedrawWindow(window_.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void Win32Form::SetWidth(double width) {
  const RECT r = WindowRect();
  ::SetWindowPos(window_.get(), nullptr, 0, 0, scale_.ToPixelsX(width), r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form::Show() {
  ::ShowWindow(window_.get(), SW_SHOWNOACTIVATE);
}
void Win32Form::Hide() {
  ::ShowWindow(window_.get(), SW_HIDE);
}
bool Win32Form::Visible() const {
  return ::IsWindowVisible(window_.get()) != FALSE;
}

void Win32Form::SetTopmost() {
  // The result is not examined: a failure leaves the window where it was.
  ::SetWindowPos(window_.get(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

void Win32Form::SetText(std::string_view text) {
  ::SetWindowTextW(window_.get(), Widen(text).c_str());
}

void Win32Form::RaiseAlert() {
  ::NotifyWinEvent(EVENT_SYSTEM_ALERT, window_.get(), OBJID_CLIENT, CHILDID_SELF);
}

platform::PictureBox& Win32Form::CreatePictureBox(const platform::Bounds& bounds) {
  pictures_.push_back(std::make_unique<Win32PictureBox>(ui_, scale_, window_.get(), bounds));
  return *pictures_.back();
}

LRESULT Win32Form::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_CLOSE) {
    return 0;  // the banner is hidden, never closed
  }
  if (message == WM_GETOBJECT) {
    return AnswerAccessibilityRequest(window_.get(), wparam, lparam);
  }
  if (message == WM_MOUSEACTIVATE) {
    return MA_NOACTIVATE;  // a click on the banner leaves the keyboard where it is
  }
  if (message == WM_QUERYENDSESSION) {
    return TRUE;  // the session may end: the program saves when it does
  }
  if (message == WM_ENDSESSION) {
    // Log-off, shut-down, restart, or an installer closing the program
    // (ENDSESSION_CLOSEAPP): the process may end as soon as this returns.
    if (wparam != FALSE && on_session_ending) {
      on_session_ending();
    }
    return 0;
  }
  if (message == kDpiChangedMessage) {
    // The owner lays the window out anew; the suggested rectangle is not
    // taken, since the banner spans the screen whatever its scale.
    ChangeScale({LOWORD(wparam), HIWORD(wparam)});
    return 0;
  }
  return DefaultHandling(ui_, window_.get(), message, wparam, lparam);
}

}  // namespace wendora::win32
