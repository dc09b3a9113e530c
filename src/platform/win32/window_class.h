// What every window of the program shares: the registration of its window
// class, its creation with the object that owns it, the window procedure
// that forwards to that object, the handling of what the object leaves
// alone, and small helpers for colours and a window's text.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "platform/types.h"
#include "platform/win32/unique_handle.h"

namespace wendora::win32 {

HINSTANCE ModuleInstance();

// Registers a window class of the program once per process, with the
// program's icon; later calls find it registered. Raises a run-time error
// when the class cannot be registered.
void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, HBRUSH background = nullptr);

// Creates a window; raises a run-time error when it cannot be made.
UniqueWindow MakeWindow(DWORD ex_style, const wchar_t* window_class, std::wstring_view title,
                        DWORD style, RECT place, HWND parent, HMENU menu = nullptr,
                        void* owner = nullptr);

// Stores the object that owns a window at its creation, so that the window
// procedure can forward every message to it; null until then.
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

// The window procedure of a window whose owner object was given at its
// creation: every message goes to the owner's HandleMessage.
template <typename Owner>
LRESULT CALLBACK ForwardToOwner(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* owner = OwnerOf<Owner>(hwnd, message, lparam);
  if (owner == nullptr || owner->window() != hwnd) {
    return ::DefWindowProcW(hwnd, message, wparam, lparam);
  }
  return owner->HandleMessage(message, wparam, lparam);
}

// The text of a window (a control's contents, a frame's title); empty when
// it has none or cannot be read.
std::wstring WindowText(HWND window);

// Colours as GDI takes them.
COLORREF ToColorRef(platform::Color color);
COLORREF ToColorRef(platform::TextColor color);

class Win32Dialog;

// What all windows of the program share.
struct UiState {
  bool busy = false;                  // the busy (hourglass) pointer over every window
  std::vector<Win32Dialog*> dialogs;  // for keyboard navigation in every message loop
  UniqueHook dialog_keyboard;         // which gives it to them
};

// What a window of the program does with a message it does not handle
// itself: the busy pointer while the program is busy, else the default.
LRESULT DefaultHandling(const UiState& ui, HWND window, UINT message, WPARAM wparam, LPARAM lparam);

}  // namespace wendora::win32
