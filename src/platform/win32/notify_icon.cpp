// The notification-area icon's window and the grey copy of its icon.
#include "platform/win32/notify_icon.h"

#include <cstddef>
#include <iterator>
#include <vector>

#include "platform/win32/text.h"
#include "platform/win32/window_class.h"

namespace wendora::win32 {
namespace {

constexpr wchar_t kNotifyIconClass[] = L"TWendoraNotifyIcon";
constexpr int kSmallIconId = 2;
// The icon's identifier, and the message its events arrive as: the
// mouse-move message, with the mouse message over the icon in lparam.
constexpr UINT kNotifyIconId = 1;
constexpr UINT kNotifyIconCallback = WM_MOUSEMOVE;

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

}  // namespace wendora::win32
