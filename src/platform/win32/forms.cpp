#include "platform/win32/forms.h"

#include <windowsx.h>

#include <algorithm>
#include <iterator>

#include "base/runtime_error.h"
#include "base/texts.h"
#include "platform/win32/alert_accessible.h"
#include "platform/win32/text.h"

namespace wendora::win32 {
namespace {

constexpr wchar_t kFormClass[] = L"TWendoraForm";
constexpr wchar_t kPictureClass[] = L"TWendoraPicture";
constexpr wchar_t kTimerClass[] = L"TWendoraTimer";
constexpr wchar_t kClipboardListenerClass[] = L"TWendoraClipboardListener";
constexpr wchar_t kNotifyIconClass[] = L"TWendoraNotifyIcon";
constexpr int kSmallIconId = 2;
constexpr UINT_PTR kTimerId = 1;
// The icon's identifier, and the message its events arrive as: the
// mouse-move message, with the mouse message over the icon in lparam.
constexpr UINT kNotifyIconId = 1;
constexpr UINT kNotifyIconCallback = WM_MOUSEMOVE;

// The banner's frame: a fixed dialog frame without a title bar; a tool
// window, so that it has no taskbar button.
constexpr DWORD kFormStyle = WS_POPUP | WS_DLGFRAME | WS_CLIPCHILDREN;
constexpr DWORD kFormExStyle = WS_EX_TOOLWINDOW;

}  // namespace

UniqueIcon GreyedCopy(HICON icon) {
  ICONINFO info{};
  if (!::GetIconInfo(icon, &info)) {
    return {};
  }
  const UniqueBitmap color(info.hbmColor);
  const UniqueBitmap mask(info.hbmMask);
  BITMAP size{};
  if (!color || ::GetObjectW(color.get(), sizeof(size), &size) == 0) {
    return {};
  }
  // The colours as 32-bit pixels, each made a light grey of its brightness.
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof(format.bmiHeader);
  format.bmiHeader.biWidth = size.bmWidth;
  format.bmiHeader.biHeight = -size.bmHeight;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  std::vector<RGBQUAD> pixels(static_cast<std::size_t>(size.bmWidth) * size.bmHeight);
  const ScreenDc screen;
  if (::GetDIBits(screen.get(), color.get(), 0, size.bmHeight, pixels.data(), &format,
                  DIB_RGB_COLORS) == 0) {
    return {};
  }
  for (RGBQUAD& p : pixels) {
    const int grey = (p.rgbRed * 30 + p.rgbGreen * 59 + p.rgbBlue * 11) / 100;
    const auto light = static_cast<BYTE>(128 + grey / 2);
    p.rgbRed = p.rgbGreen = p.rgbBlue = light;
  }
  const UniqueBitmap greyed(::CreateCompatibleBitmap(screen.get(), size.bmWidth, size.bmHeight));
  ::SetDIBits(screen.get(), greyed.get(), 0, size.bmHeight, pixels.data(), &format, DIB_RGB_COLORS);
  ICONINFO made = info;
  made.hbmColor = greyed.get();
  return UniqueIcon(::CreateIconIndirect(&made));
}

// --- Form -------------------------------------------------------------

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
  ::SetWindowPos(window_.get(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
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
  if (message == kDpiChangedMessage) {
    // The owner lays the window out anew; the suggested rectangle is not
    // taken, since the banner spans the screen whatever its scale.
    ChangeScale({LOWORD(wparam), HIWORD(wparam)});
    return 0;
  }
  return DefaultHandling(ui_, window_.get(), message, wparam, lparam);
}

// --- Timer ------------------------------------------------------------

Win32Timer::Win32Timer(int interval_ms) : interval_ms_(static_cast<UINT>(interval_ms)) {
  RegisterWindowClass(kTimerClass, &ForwardToOwner<Win32Timer>);
  window_ = MakeWindow(0, kTimerClass, L"", 0, {}, HWND_MESSAGE, nullptr, this);
  Start();
}

Win32Timer::~Win32Timer() {
  Stop();
}

void Win32Timer::Start() {
  if (running_) {
    return;
  }
  if (::SetTimer(window_.get(), kTimerId, interval_ms_, nullptr) == 0) {
    throw RuntimeError(kErrInternal, std::string(Text(TextId::kCannotStartTimer)));
  }
  running_ = true;
}

void Win32Timer::Stop() {
  if (running_) {
    ::KillTimer(window_.get(), kTimerId);
    running_ = false;
  }
}

LRESULT Win32Timer::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_TIMER && on_timer) {
    on_timer();
    return 0;
  }
  return ::DefWindowProcW(window_.get(), message, wparam, lparam);
}

// --- Clipboard listener -------------------------------------------------

std::unique_ptr<Win32ClipboardListener> Win32ClipboardListener::Create() {
  std::unique_ptr<Win32ClipboardListener> listener(new Win32ClipboardListener());
  if (!listener->listening_) {
    return nullptr;
  }
  return listener;
}

Win32ClipboardListener::Win32ClipboardListener() {
  RegisterWindowClass(kClipboardListenerClass, &ForwardToOwner<Win32ClipboardListener>);
  window_ = MakeWindow(0, kClipboardListenerClass, L"", 0, {}, HWND_MESSAGE, nullptr, this);
  listening_ = ::AddClipboardFormatListener(window_.get()) != FALSE;
}

Win32ClipboardListener::~Win32ClipboardListener() {
  if (listening_) {
    ::RemoveClipboardFormatListener(window_.get());
  }
}

LRESULT Win32ClipboardListener::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_CLIPBOARDUPDATE) {
    if (on_changed) {
      on_changed();
    }
    return 0;
  }
  return ::DefWindowProcW(window_.get(), message, wparam, lparam);
}

// --- Notification-area icon --------------------------------------------

Win32NotifyIcon::Win32NotifyIcon(std::string_view tip)
    : tip_(Widen(tip)),
      icon_(static_cast<HICON>(::LoadImageW(ModuleInstance(), MAKEINTRESOURCEW(kSmallIconId),
                                            IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR))),
      taskbar_created_message_(::RegisterWindowMessageW(L"TaskbarCreated")) {
  if (!icon_) {
    icon_.reset(::CopyIcon(::LoadIconW(nullptr, IDI_APPLICATION)));
  }
  RegisterWindowClass(kNotifyIconClass, &ForwardToOwner<Win32NotifyIcon>);
  // A top-level window that is never shown: only those hear that the
  // notification area was made anew.
  window_ =
      MakeWindow(WS_EX_TOOLWINDOW, kNotifyIconClass, L"", WS_POPUP, {}, nullptr, nullptr, this);
}

Win32NotifyIcon::~Win32NotifyIcon() {
  Remove();
}

platform::Handle Win32NotifyIcon::handle() const {
  return reinterpret_cast<platform::Handle>(window_.get());
}

NOTIFYICONDATAW Win32NotifyIcon::Record() const {
  // The record of the running build's own size: the first-version callback
  // protocol stays in force as long as no version is set.
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof(record);
  record.hWnd = window_.get();
  record.uID = kNotifyIconId;
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = kNotifyIconCallback;
  record.hIcon = greyed_ && greyed_icon_ ? greyed_icon_.get() : icon_.get();
  tip_.copy(record.szTip, std::size(record.szTip) - 1);
  return record;
}

void Win32NotifyIcon::Show() {
  NOTIFYICONDATAW record = Record();
  // The shell's answer is not examined: a failed add leaves the program
  // running without an icon.
  ::Shell_NotifyIconW(NIM_ADD, &record);
  shown_ = true;
}

void Win32NotifyIcon::Remove() {
  NOTIFYICONDATAW record = Record();
  ::Shell_NotifyIconW(NIM_DELETE, &record);
  shown_ = false;
}

void Win32NotifyIcon::SetLook(std::string_view tip, bool greyed) {
  tip_ = Widen(tip);
  greyed_ = greyed;
  if (greyed_ && !greyed_icon_) {
    greyed_icon_ = GreyedCopy(icon_.get());
  }
  if (shown_) {
    NOTIFYICONDATAW record = Record();
    ::Shell_NotifyIconW(NIM_MODIFY, &record);  // not examined, as the add
  }
}

LRESULT Win32NotifyIcon::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == taskbar_created_message_ && taskbar_created_message_ != 0) {
    if (on_area_recreated) {
      on_area_recreated();
    }
    return 0;
  }
  // The window is never shown, so every mouse-move message it gets is the
  // icon's: only the right button's release asks for the menu.
  if (message == kNotifyIconCallback) {
    if (LOWORD(lparam) == WM_RBUTTONUP && on_menu_requested) {
      on_menu_requested();
    }
    return 0;
  }
  return ::DefWindowProcW(window_.get(), message, wparam, lparam);
}

// --- Picture box ------------------------------------------------------

Win32PictureBox::Win32PictureBox(const UiState& ui, const Scale& scale, HWND parent,
                                 const platform::Bounds& bounds)
    : ui_(ui), scale_(scale), bounds_(bounds) {
  RegisterWindowClass(kPictureClass, &ForwardToOwner<Win32PictureBox>);
  const RECT place = scale_.ToPixels(bounds);
  window_ = MakeWindow(0, kPictureClass, L"", WS_CHILD | WS_VISIBLE, place, parent, nullptr, this);
  Resize(place.right - place.left, place.bottom - place.top);
}

Win32PictureBox::~Win32PictureBox() {
  labels_.clear();
  if (image_dc_ && original_bitmap_ != nullptr) {
    ::SelectObject(image_dc_.get(), original_bitmap_);
  }
}

double Win32PictureBox::Width() const {
  return width_ * scale_.TwipsPerPixelX();
}
double Win32PictureBox::Height() const {
  return height_ * scale_.TwipsPerPixelY();
}

void Win32PictureBox::SetWidth(double width) {
  bounds_.width = width;
  Resize(scale_.ToPixelsX(width), height_);
}
void Win32PictureBox::SetHeight(double height) {
  bounds_.height = height;
  Resize(width_, scale_.ToPixelsY(height));
}

void Win32PictureBox::Rescale() {
  const RECT place = scale_.ToPixels(bounds_);
  ::SetWindowPos(window_.get(), nullptr, place.left, place.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  for (const auto& label : labels_) {
    label->Rescale();
  }
}

void Win32PictureBox::Resize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  ::SetWindowPos(window_.get(), nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // A new image of the new size keeps what the old one held, on white.
  UniqueMemoryDc dc;
  UniqueBitmap bitmap;
  {
    const ScreenDc screen;
    dc.reset(::CreateCompatibleDC(screen.get()));
    bitmap.reset(::CreateCompatibleBitmap(screen.get(), std::max(width, 1), std::max(height, 1)));
  }
  HGDIOBJ original = ::SelectObject(dc.get(), bitmap.get());
  RECT all{0, 0, std::max(width, 1), std::max(height, 1)};
  ::FillRect(dc.get(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
  if (image_dc_) {
    ::BitBlt(dc.get(), 0, 0, std::min(width, width_), std::min(height, height_), image_dc_.get(), 0,
             0, SRCCOPY);
    ::SelectObject(image_dc_.get(), original_bitmap_);
  }
  image_dc_ = std::move(dc);
  image_ = std::move(bitmap);
  original_bitmap_ = original;
  width_ = width;
  height_ = height;
  ::InvalidateRect(window_.get(), nullptr, FALSE);
}

void Win32PictureBox::DrawLine(double x1, double y1, double x2, double y2, platform::Color color) {
  UniquePen pen(::CreatePen(PS_SOLID, 1, ToColorRef(color)));
  const SelectObjectScope select(image_dc_.get(), pen.get());
  ::MoveToEx(image_dc_.get(), scale_.ToPixelsX(x1), scale_.ToPixelsY(y1), nullptr);
  ::LineTo(image_dc_.get(), scale_.ToPixelsX(x2), scale_.ToPixelsY(y2));
  ::InvalidateRect(window_.get(), nullptr, FALSE);
}

platform::Label& Win32PictureBox::CreateLabel(const platform::Bounds& bounds,
                                              const platform::FontDesign& font) {
  labels_.push_back(std::make_unique<Win32Label>(*this, bounds, font));
  return *labels_.back();
}

LRESULT Win32PictureBox::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the image covers everything
    case WM_PAINT:
      Paint();
      return 0;
    case WM_LBUTTONDOWN:
      MouseDown(platform::kLeftButton);
      return 0;
    case WM_RBUTTONDOWN:
      MouseDown(platform::kRightButton);
      return 0;
    case WM_MBUTTONDOWN:
      MouseDown(platform::kMiddleButton);
      return 0;
    case WM_LBUTTONUP:
      MouseUp(platform::kLeftButton, lparam);
      return 0;
    case WM_RBUTTONUP:
      MouseUp(platform::kRightButton, lparam);
      return 0;
    case WM_MBUTTONUP:
      MouseUp(platform::kMiddleButton, lparam);
      return 0;
    default:
      return DefaultHandling(ui_, window_.get(), message, wparam, lparam);
  }
}

void Win32PictureBox::Paint() {
  const PaintScope paint(window_.get());
  // Compose the image and the labels off screen, then show them at once.
  UniqueMemoryDc compose(::CreateCompatibleDC(paint.dc()));
  UniqueBitmap frame(
      ::CreateCompatibleBitmap(paint.dc(), std::max(width_, 1), std::max(height_, 1)));
  const SelectObjectScope select(compose.get(), frame.get());
  ::BitBlt(compose.get(), 0, 0, width_, height_, image_dc_.get(), 0, 0, SRCCOPY);
  for (const auto& label : labels_) {
    label->Draw(compose.get());
  }
  ::BitBlt(paint.dc(), 0, 0, width_, height_, compose.get(), 0, 0, SRCCOPY);
}

void Win32PictureBox::CaptureMouse() {
  ::SetCapture(window_.get());
}

void Win32PictureBox::ReleaseMouse() {
  if (::GetCapture() == window_.get()) {
    ::ReleaseCapture();
  }
}

void Win32PictureBox::MouseDown(int button) {
  if (on_mouse_down) {
    on_mouse_down(button);
  }
}

void Win32PictureBox::MouseUp(int button, LPARAM lparam) {
  const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  for (const auto& label : labels_) {
    const RECT r = label->rect();
    if (::PtInRect(&r, at)) {
      if (label->on_mouse_up) {
        label->on_mouse_up(button);
      }
      return;
    }
  }
  if (on_mouse_up) {
    on_mouse_up(button);
  }
}

// --- Label ------------------------------------------------------------

Win32Label::Win32Label(Win32PictureBox& owner, const platform::Bounds& bounds,
                       const platform::FontDesign& font)
    : owner_(owner), bounds_(bounds), rect_(owner.scale().ToPixels(bounds)), design_(font) {
  MakeFont();
}

void Win32Label::Rescale() {
  rect_ = owner_.scale().ToPixels(bounds_);
  MakeFont();
  Invalidate();
}

void Win32Label::MakeFont() {
  font_.reset(::CreateFontW(owner_.scale().FontHeight(design_.points), 0, 0, 0, FW_NORMAL, FALSE,
                            design_.underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                            DEFAULT_PITCH | FF_DONTCARE, Widen(design_.name).c_str()));
}

void Win32Label::Invalidate() const {
  ::InvalidateRect(owner_.window(), &rect_, FALSE);
}

std::string Win32Label::Caption() const {
  return Narrow(caption_);
}

void Win32Label::SetCaption(std::string_view caption) {
  caption_ = Widen(caption);
  caption_.shrink_to_fit();
  Invalidate();
}

double Win32Label::Width() const {
  return (rect_.right - rect_.left) * owner_.scale().TwipsPerPixelX();
}

void Win32Label::SetWidth(double width) {
  Invalidate();
  bounds_.width = width;
  rect_.right = rect_.left + owner_.scale().ToPixelsX(width);
  Invalidate();
}

void Win32Label::SetFontUnderline(bool underline) {
  if (design_.underline != underline) {
    design_.underline = underline;
    MakeFont();
    Invalidate();
  }
}

void Win32Label::SetForeColor(platform::TextColor color) {
  color_ = color;
  Invalidate();
}

void Win32Label::Draw(HDC dc) const {
  // Centred, wrapped at word boundaries, clipped to the label's own box; an
  // ampersand is shown as it is, not taken as an access-key marker.
  const int saved = ::SaveDC(dc);
  ::IntersectClipRect(dc, rect_.left, rect_.top, rect_.right, rect_.bottom);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ToColorRef(color_));
  ::SelectObject(dc, font_.get());
  RECT box = rect_;
  ::DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &box,
              DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
  ::RestoreDC(dc, saved);
}

}  // namespace wendora::win32
