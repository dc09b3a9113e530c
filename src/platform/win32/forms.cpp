#include "platform/win32/forms.h"

#include <windowsx.h>

#include <algorithm>
#include <cmath>

#include "platform/win32/text.h"

namespace wendora::win32 {
namespace {

constexpr wchar_t kFormClass[] = L"TWendoraForm";
constexpr wchar_t kPictureClass[] = L"TWendoraPicture";
constexpr int kSmallIconId = 2;

double TwipsPerPixel(int index) {
  HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, index);
  ::ReleaseDC(nullptr, screen);
  return 1440.0 / (dpi > 0 ? dpi : 96);
}

int Rounded(double value) {
  return static_cast<int>(std::lround(value));
}

// Stores the object that owns a window at its creation, so that the window
// procedure can forward every message to it.
template <typename Owner>
Owner* OwnerOf(HWND hwnd, UINT message, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    auto* owner = static_cast<Owner*>(create->lpCreateParams);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    return nullptr;  // the owner's window handle is not stored yet
  }
  return reinterpret_cast<Owner*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

}  // namespace

HINSTANCE ModuleInstance() {
  return ::GetModuleHandleW(nullptr);
}

void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, HBRUSH background) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (::GetClassInfoExW(ModuleInstance(), name, &existing)) {
    return;
  }
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = procedure;
  wc.hInstance = ModuleInstance();
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = ::LoadIconW(ModuleInstance(), MAKEINTRESOURCEW(1));
  wc.hbrBackground = background;
  wc.lpszClassName = name;
  ::RegisterClassExW(&wc);
}

double TwipsPerPixelX() {
  return TwipsPerPixel(LOGPIXELSX);
}
double TwipsPerPixelY() {
  return TwipsPerPixel(LOGPIXELSY);
}
int TwipsToPixelsX(double twips) {
  return Rounded(twips / TwipsPerPixelX());
}
int TwipsToPixelsY(double twips) {
  return Rounded(twips / TwipsPerPixelY());
}

COLORREF ToColorRef(platform::Color color) {
  if ((color & 0x80000000u) != 0) {
    return ::GetSysColor(static_cast<int>(color & 0xFF));
  }
  return static_cast<COLORREF>(color & 0xFFFFFF);
}

bool SetPointerFor(const UiState& ui, LPARAM hit_test) {
  if (ui.busy && LOWORD(hit_test) == HTCLIENT) {
    ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    return true;
  }
  return false;
}

// --- Form -------------------------------------------------------------

Win32Form::Win32Form(const UiState& ui, const platform::FormDesign& design)
    : ui_(ui), taskbar_created_message_(::RegisterWindowMessageW(L"TaskbarCreated")) {
  RegisterWindowClass(kFormClass, &Win32Form::WindowProc);
  // A popup without caption or frame, and a tool window so that it has no
  // taskbar button. It is created hidden.
  window_.reset(::CreateWindowExW(
      WS_EX_TOOLWINDOW, kFormClass, L"", WS_POPUP | WS_CLIPCHILDREN, TwipsToPixelsX(design.left),
      TwipsToPixelsY(design.top), TwipsToPixelsX(design.client_width),
      TwipsToPixelsY(design.client_height), nullptr, nullptr, ModuleInstance(), this));
}

platform::Handle Win32Form::handle() const {
  return reinterpret_cast<platform::Handle>(window_.get());
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
  return WindowRect().left * TwipsPerPixelX();
}
double Win32Form::Top() const {
  return WindowRect().top * TwipsPerPixelY();
}
double Win32Form::Width() const {
  const RECT r = WindowRect();
  return (r.right - r.left) * TwipsPerPixelX();
}
double Win32Form::Height() const {
  const RECT r = WindowRect();
  return (r.bottom - r.top) * TwipsPerPixelY();
}
double Win32Form::ClientWidth() const {
  return ClientRect().right * TwipsPerPixelX();
}
double Win32Form::ClientHeight() const {
  return ClientRect().bottom * TwipsPerPixelY();
}

void Win32Form::SetLeft(double left) {
  ::SetWindowPos(window_.get(), nullptr, TwipsToPixelsX(left), WindowRect().top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form::SetTop(double top) {
  ::SetWindowPos(window_.get(), nullptr, WindowRect().left, TwipsToPixelsY(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
  // The slide does not return to the message loop between its steps: paint
  // the window and its children at the new place now. Bits copied from the
  // old place are not trusted, since part of it lay outside the screen.
  ::RedrawWindow(window_.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void Win32Form::SetWidth(double width) {
  const RECT r = WindowRect();
  ::SetWindowPos(window_.get(), nullptr, 0, 0, TwipsToPixelsX(width), r.bottom - r.top,
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

std::unique_ptr<platform::PictureBox> Win32Form::CreatePictureBox(const platform::Bounds& bounds) {
  return std::make_unique<Win32PictureBox>(ui_, window_.get(), bounds, UniqueIcon());
}

std::unique_ptr<platform::PictureBox> Win32Form::CreateNotifyIconHost(
    const platform::Bounds& bounds) {
  auto icon = static_cast<HICON>(::LoadImageW(ModuleInstance(), MAKEINTRESOURCEW(kSmallIconId),
                                              IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
  if (icon == nullptr) {
    icon = ::CopyIcon(::LoadIconW(nullptr, IDI_APPLICATION));
  }
  return std::make_unique<Win32PictureBox>(ui_, window_.get(), bounds, UniqueIcon(icon));
}

std::unique_ptr<platform::Timer> Win32Form::CreateTimer(int interval_ms) {
  const UINT_PTR id = next_timer_id_++;
  return std::make_unique<Win32Timer>(*this, id, interval_ms);
}

LRESULT CALLBACK Win32Form::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = OwnerOf<Win32Form>(hwnd, message, lparam);
  if (self == nullptr || self->window_.get() == nullptr) {
    return ::DefWindowProcW(hwnd, message, wparam, lparam);
  }
  return self->HandleMessage(message, wparam, lparam);
}

LRESULT Win32Form::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == taskbar_created_message_ && taskbar_created_message_ != 0) {
    if (on_taskbar_created) {
      on_taskbar_created();
    }
    return 0;
  }
  switch (message) {
    case WM_TIMER: {
      const auto found = timers_.find(static_cast<UINT_PTR>(wparam));
      if (found != timers_.end() && found->second->on_timer) {
        found->second->on_timer();
      }
      return 0;
    }
    case WM_SETCURSOR:
      if (SetPointerFor(ui_, lparam)) {
        return TRUE;
      }
      break;
    case WM_CLOSE:
      return 0;  // the banner is hidden, never closed
    default:
      break;
  }
  return ::DefWindowProcW(window_.get(), message, wparam, lparam);
}

// --- Timer ------------------------------------------------------------

Win32Timer::Win32Timer(Win32Form& form, UINT_PTR id, int interval_ms) : form_(form), id_(id) {
  form_.timers_[id_] = this;
  ::SetTimer(form_.window_.get(), id_, static_cast<UINT>(interval_ms), nullptr);
}

Win32Timer::~Win32Timer() {
  ::KillTimer(form_.window_.get(), id_);
  form_.timers_.erase(id_);
}

// --- Picture box ------------------------------------------------------

Win32PictureBox::Win32PictureBox(const UiState& ui, HWND parent, const platform::Bounds& bounds,
                                 UniqueIcon picture)
    : ui_(ui), picture_(std::move(picture)) {
  RegisterWindowClass(kPictureClass, &Win32PictureBox::WindowProc);
  const int width = TwipsToPixelsX(bounds.width);
  const int height = TwipsToPixelsY(bounds.height);
  // A box with a picture is the hidden host of the notification-area icon.
  const DWORD visible = picture_ ? 0 : WS_VISIBLE;
  window_.reset(::CreateWindowExW(0, kPictureClass, L"", WS_CHILD | visible,
                                  TwipsToPixelsX(bounds.left), TwipsToPixelsY(bounds.top), width,
                                  height, parent, nullptr, ModuleInstance(), this));
  Resize(width, height);
}

Win32PictureBox::~Win32PictureBox() {
  if (image_dc_ && original_bitmap_ != nullptr) {
    ::SelectObject(image_dc_.get(), original_bitmap_);
  }
}

platform::Handle Win32PictureBox::handle() const {
  return reinterpret_cast<platform::Handle>(window_.get());
}

platform::Handle Win32PictureBox::picture() const {
  return reinterpret_cast<platform::Handle>(picture_.get());
}

double Win32PictureBox::Width() const {
  return width_ * TwipsPerPixelX();
}
double Win32PictureBox::Height() const {
  return height_ * TwipsPerPixelY();
}

void Win32PictureBox::SetWidth(double width) {
  Resize(TwipsToPixelsX(width), height_);
}
void Win32PictureBox::SetHeight(double height) {
  Resize(width_, TwipsToPixelsY(height));
}

void Win32PictureBox::Resize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  ::SetWindowPos(window_.get(), nullptr, 0, 0, width, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // A new image of the new size keeps what the old one held, on white.
  HDC screen = ::GetDC(nullptr);
  UniqueMemoryDc dc(::CreateCompatibleDC(screen));
  UniqueBitmap bitmap(::CreateCompatibleBitmap(screen, std::max(width, 1), std::max(height, 1)));
  ::ReleaseDC(nullptr, screen);
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
  ::MoveToEx(image_dc_.get(), TwipsToPixelsX(x1), TwipsToPixelsY(y1), nullptr);
  ::LineTo(image_dc_.get(), TwipsToPixelsX(x2), TwipsToPixelsY(y2));
  ::InvalidateRect(window_.get(), nullptr, FALSE);
}

std::unique_ptr<platform::Label> Win32PictureBox::CreateLabel(const platform::Bounds& bounds,
                                                              const platform::FontDesign& font) {
  auto label = std::make_unique<Win32Label>(*this, bounds, font);
  labels_.push_back(label.get());
  return label;
}

void Win32PictureBox::Forget(Win32Label* label) {
  labels_.erase(std::remove(labels_.begin(), labels_.end(), label), labels_.end());
}

LRESULT CALLBACK Win32PictureBox::WindowProc(HWND hwnd, UINT message, WPARAM wparam,
                                             LPARAM lparam) {
  auto* self = OwnerOf<Win32PictureBox>(hwnd, message, lparam);
  if (self == nullptr || self->window_.get() == nullptr) {
    return ::DefWindowProcW(hwnd, message, wparam, lparam);
  }
  return self->HandleMessage(message, wparam, lparam);
}

LRESULT Win32PictureBox::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_MOUSEMOVE:
      // The host of the notification-area icon is never visible, so the
      // mouse-move message it receives is the icon's callback, with the
      // mouse message that happened over the icon in lparam.
      if (picture_) {
        if (on_notify_icon) {
          on_notify_icon(static_cast<std::uint32_t>(LOWORD(lparam)));
        }
        return 0;
      }
      break;
    case WM_ERASEBKGND:
      return 1;  // the image covers everything
    case WM_PAINT:
      Paint();
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
    case WM_SETCURSOR:
      if (SetPointerFor(ui_, lparam)) {
        return TRUE;
      }
      break;
    default:
      break;
  }
  return ::DefWindowProcW(window_.get(), message, wparam, lparam);
}

void Win32PictureBox::Paint() {
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(window_.get(), &ps);
  // Compose the image and the labels off screen, then show them at once.
  UniqueMemoryDc compose(::CreateCompatibleDC(dc));
  UniqueBitmap frame(::CreateCompatibleBitmap(dc, std::max(width_, 1), std::max(height_, 1)));
  {
    const SelectObjectScope select(compose.get(), frame.get());
    ::BitBlt(compose.get(), 0, 0, width_, height_, image_dc_.get(), 0, 0, SRCCOPY);
    for (const Win32Label* label : labels_) {
      label->Draw(compose.get());
    }
    ::BitBlt(dc, 0, 0, width_, height_, compose.get(), 0, 0, SRCCOPY);
  }
  ::EndPaint(window_.get(), &ps);
}

void Win32PictureBox::MouseUp(int button, LPARAM lparam) {
  const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  for (Win32Label* label : labels_) {
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
    : owner_(owner),
      rect_{TwipsToPixelsX(bounds.left), TwipsToPixelsY(bounds.top),
            TwipsToPixelsX(bounds.left + bounds.width), TwipsToPixelsY(bounds.top + bounds.height)},
      design_(font) {
  MakeFont();
}

Win32Label::~Win32Label() {
  Invalidate();
  owner_.Forget(this);
}

void Win32Label::MakeFont() {
  HDC screen = ::GetDC(nullptr);
  const int height =
      -::MulDiv(Rounded(design_.points * 10), ::GetDeviceCaps(screen, LOGPIXELSY), 720);
  ::ReleaseDC(nullptr, screen);
  font_.reset(::CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, design_.underline ? TRUE : FALSE,
                            FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                            DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                            Widen(design_.name).c_str()));
}

void Win32Label::Invalidate() const {
  ::InvalidateRect(owner_.window(), &rect_, FALSE);
}

std::string Win32Label::Caption() const {
  return Narrow(caption_);
}

void Win32Label::SetCaption(std::string_view caption) {
  caption_ = Widen(caption);
  Invalidate();
}

double Win32Label::Width() const {
  return (rect_.right - rect_.left) * TwipsPerPixelX();
}

void Win32Label::SetWidth(double width) {
  Invalidate();
  rect_.right = rect_.left + TwipsToPixelsX(width);
  Invalidate();
}

void Win32Label::SetFontUnderline(bool underline) {
  if (design_.underline != underline) {
    design_.underline = underline;
    MakeFont();
    Invalidate();
  }
}

void Win32Label::SetForeColor(platform::Color color) {
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
