#include "platform/win32/forms.h"

#include <cmath>

namespace wendora::win32 {
namespace {

constexpr wchar_t kFormClass[] = L"TWendoraForm";
constexpr wchar_t kPictureClass[] = L"TWendoraPicture";

HINSTANCE Instance() {
  return ::GetModuleHandleW(nullptr);
}

double TwipsPerPixel(int index) {
  HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, index);
  ::ReleaseDC(nullptr, screen);
  return 1440.0 / (dpi > 0 ? dpi : 96);
}

// Registers a window class once per process; later calls find it registered.
void RegisterClassOnce(const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (::GetClassInfoExW(Instance(), name, &existing)) {
    return;
  }
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = procedure;
  wc.hInstance = Instance();
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  ::RegisterClassExW(&wc);
}

// Stores the object that owns a window at its creation, so that the window
// procedure can forward every message to it.
template <typename Owner>
Owner* OwnerOf(HWND hwnd, UINT message, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
    auto* owner = static_cast<Owner*>(create->lpCreateParams);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    return owner;
  }
  return reinterpret_cast<Owner*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

}  // namespace

double TwipsPerPixelX() {
  return TwipsPerPixel(LOGPIXELSX);
}
double TwipsPerPixelY() {
  return TwipsPerPixel(LOGPIXELSY);
}
int TwipsToPixelsX(double twips) {
  return static_cast<int>(std::lround(twips / TwipsPerPixelX()));
}
int TwipsToPixelsY(double twips) {
  return static_cast<int>(std::lround(twips / TwipsPerPixelY()));
}

Win32Form::Win32Form(const platform::FormDesign& design)
    : taskbar_created_message_(::RegisterWindowMessageW(L"TaskbarCreated")) {
  RegisterClassOnce(kFormClass, &Win32Form::WindowProc);
  // A popup without caption, and a tool window so that it has no taskbar
  // button. It is created hidden.
  window_.reset(::CreateWindowExW(
      WS_EX_TOOLWINDOW, kFormClass, L"", WS_POPUP | WS_CLIPCHILDREN, TwipsToPixelsX(design.left),
      TwipsToPixelsY(design.top), TwipsToPixelsX(design.client_width),
      TwipsToPixelsY(design.client_height), nullptr, nullptr, Instance(), this));
}

platform::Handle Win32Form::handle() const {
  return reinterpret_cast<platform::Handle>(window_.get());
}

std::unique_ptr<platform::PictureBox> Win32Form::CreateNotifyIconHost(int left, int top, int width,
                                                                      int height) {
  const RECT pixels{TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(left + width),
                    TwipsToPixelsY(top + height)};
  auto icon = static_cast<HICON>(
      ::LoadImageW(Instance(), MAKEINTRESOURCEW(2), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
  if (icon == nullptr) {
    icon = static_cast<HICON>(::CopyIcon(::LoadIconW(nullptr, IDI_APPLICATION)));
  }
  return std::make_unique<Win32PictureBox>(window_.get(), pixels, UniqueIcon(icon));
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
  return ::DefWindowProcW(window_.get(), message, wparam, lparam);
}

Win32PictureBox::Win32PictureBox(HWND parent, RECT pixels, UniqueIcon picture)
    : picture_(std::move(picture)) {
  RegisterClassOnce(kPictureClass, &Win32PictureBox::WindowProc);
  window_.reset(::CreateWindowExW(0, kPictureClass, L"", WS_CHILD, pixels.left, pixels.top,
                                  pixels.right - pixels.left, pixels.bottom - pixels.top, parent,
                                  nullptr, Instance(), this));
}

platform::Handle Win32PictureBox::handle() const {
  return reinterpret_cast<platform::Handle>(window_.get());
}

platform::Handle Win32PictureBox::picture() const {
  return reinterpret_cast<platform::Handle>(picture_.get());
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
  // The box is never visible, so the mouse-move message it receives is the
  // notification-area icon's callback: the mouse message is in lparam.
  if (message == WM_MOUSEMOVE) {
    if (on_notify_icon) {
      on_notify_icon(static_cast<std::uint32_t>(LOWORD(lparam)));
    }
    return 0;
  }
  return ::DefWindowProcW(window_.get(), message, wparam, lparam);
}

}  // namespace wendora::win32
