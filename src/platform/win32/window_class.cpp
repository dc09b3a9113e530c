#include "platform/win32/window_class.h"

#include <algorithm>

#include "base/runtime_error.h"
#include "base/texts.h"

namespace wendora::win32 {

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
  if (::RegisterClassExW(&wc) == 0) {
    throw RuntimeError(kErrInternal, std::string(Text(TextId::kCannotCreateWindow)));
  }
}

UniqueWindow MakeWindow(DWORD ex_style, const wchar_t* window_class, std::wstring_view title,
                        DWORD style, RECT place, HWND parent, HMENU menu, void* owner) {
  const std::wstring caption(title);
  UniqueWindow window(::CreateWindowExW(
      ex_style, window_class, caption.c_str(), style, place.left, place.top,
      place.right - place.left, place.bottom - place.top, parent, menu, ModuleInstance(), owner));
  if (!window) {
    throw RuntimeError(kErrInternal, std::string(Text(TextId::kCannotCreateWindow)));
  }
  return window;
}

std::wstring WindowText(HWND window) {
  const int length = ::GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  return text;
}

COLORREF ToColorRef(platform::Color color) {
  return static_cast<COLORREF>(color & 0xFFFFFF);
}

COLORREF ToColorRef(platform::TextColor color) {
  return color.rgb ? ToColorRef(*color.rgb) : ::GetSysColor(COLOR_BTNTEXT);
}

LRESULT DefaultHandling(const UiState& ui, HWND window, UINT message, WPARAM wparam,
                        LPARAM lparam) {
  if (message == WM_SETCURSOR && ui.busy && LOWORD(lparam) == HTCLIENT) {
    ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    return TRUE;
  }
  return ::DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace wendora::win32
