// The yardsticks for the resident program's idle cost: a bare Windows
// program that waits in its message loop for news of clipboard changes
// ("listener"), and one that wakes at a 100 ms timer as well ("timer").
#include <windows.h>

#include <cwchar>

namespace {

LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  return ::DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const bool timer = argc > 1 && std::wcscmp(argv[1], L"timer") == 0;
  WNDCLASSW wc{};
  wc.lpfnWndProc = Procedure;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = L"WendoraIdleReference";
  ::RegisterClassW(&wc);
  HWND window = ::CreateWindowW(wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                wc.hInstance, nullptr);
  if (window == nullptr || !::AddClipboardFormatListener(window)) {
    return 1;
  }
  if (timer) {
    ::SetTimer(window, 1, 100, nullptr);
  }
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    ::DispatchMessageW(&message);
  }
  return 0;
}
