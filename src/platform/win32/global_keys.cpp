#include "platform/win32/global_keys.h"

#include "platform/win32/window_class.h"

namespace wendora::win32 {
namespace {

constexpr wchar_t kGlobalKeysClass[] = L"TWendoraGlobalKeys";

UINT VirtualKey(platform::GlobalKey key) {
  return key == platform::GlobalKey::kEnter ? VK_RETURN : VK_BACK;
}

UINT Modifiers(int shift) {
  // A key held down does not repeat the press.
  UINT modifiers = MOD_NOREPEAT;
  if ((shift & platform::kShiftMask) != 0) {
    modifiers |= MOD_SHIFT;
  }
  if ((shift & platform::kCtrlMask) != 0) {
    modifiers |= MOD_CONTROL;
  }
  if ((shift & platform::kAltMask) != 0) {
    modifiers |= MOD_ALT;
  }
  return modifiers;
}

}  // namespace

Win32GlobalKeys::Win32GlobalKeys() {
  RegisterWindowClass(kGlobalKeysClass, &ForwardToOwner<Win32GlobalKeys>);
  window_ = MakeWindow(0, kGlobalKeysClass, L"", 0, {}, HWND_MESSAGE, nullptr, this);
}

Win32GlobalKeys::~Win32GlobalKeys() {
  for (const int id : held_) {
    ::UnregisterHotKey(window_.get(), id);
  }
}

bool Win32GlobalKeys::Hold(int id, int shift, platform::GlobalKey key) {
  if (held_.count(id) != 0) {
    return false;
  }
  // Fails when another program holds the combination already.
  if (!::RegisterHotKey(window_.get(), id, Modifiers(shift), VirtualKey(key))) {
    return false;
  }
  held_.insert(id);
  return true;
}

void Win32GlobalKeys::Release(int id) {
  if (held_.erase(id) != 0) {
    ::UnregisterHotKey(window_.get(), id);
  }
}

LRESULT Win32GlobalKeys::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_HOTKEY) {
    if (on_pressed && held_.count(static_cast<int>(wparam)) != 0) {
      on_pressed(static_cast<int>(wparam));
    }
    return 0;
  }
  return ::DefWindowProcW(window_.get(), message, wparam, lparam);
}

}  // namespace wendora::win32
