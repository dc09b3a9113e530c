// The clipboard listener's window, among the system's listeners from its
// creation to its end.
#include "platform/win32/clipboard_listener.h"

#include "platform/win32/window_class.h"

namespace wendora::win32 {
namespace {

constexpr wchar_t kClipboardListenerClass[] = L"TWendoraClipboardListener";

}  // namespace

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

}  // namespace wendora::win32
