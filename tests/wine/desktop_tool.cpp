// Plays the parts of other programs on the desktop, for the tests:
//   desktop_tool fullscreen SECONDS
//       a window that covers the whole primary monitor, in the foreground,
//       as a game or a video player has; prints "shown"
//   desktop_tool alerts SECONDS
//       listens, from outside, to the alerts windows raise for screen
//       readers, and prints "alert: " and the window's text for each (UTF-8)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>

namespace {

void PrintUtf8(const char* prefix, const std::wstring& text) {
  const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), size,
                        nullptr, nullptr);
  std::fwrite(prefix, 1, std::strlen(prefix), stdout);
  std::fwrite(utf8.data(), 1, utf8.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

void PumpFor(DWORD milliseconds) {
  const DWORD end = ::GetTickCount() + milliseconds;
  for (;;) {
    const auto left = static_cast<LONG>(end - ::GetTickCount());
    if (left <= 0) {
      return;
    }
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left), QS_ALLINPUT);
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&message);
      ::DispatchMessageW(&message);
    }
  }
}

LRESULT CALLBACK FullScreenProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_ERASEBKGND) {
    RECT all{};
    ::GetClientRect(hwnd, &all);
    ::FillRect(reinterpret_cast<HDC>(wparam), &all,
               static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    return 1;
  }
  return ::DefWindowProcW(hwnd, message, wparam, lparam);
}

int FullScreen(DWORD seconds) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = FullScreenProcedure;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = L"WendoraTestFullScreen";
  ::RegisterClassW(&wc);
  HWND window = ::CreateWindowExW(0, wc.lpszClassName, L"Full screen", WS_POPUP | WS_VISIBLE, 0, 0,
                                  ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN),
                                  nullptr, nullptr, wc.hInstance, nullptr);
  ::SetForegroundWindow(window);
  PumpFor(500);
  std::printf("shown%s\n", ::GetForegroundWindow() == window ? "" : " (not in the foreground)");
  std::fflush(stdout);
  PumpFor(seconds * 1000);
  ::DestroyWindow(window);
  return 0;
}

void CALLBACK OnAlert(HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD, DWORD) {
  const int length = ::GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), length + 1)));
  PrintUtf8("alert: ", text);
}

int Alerts(DWORD seconds) {
  HWINEVENTHOOK hook = ::SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_SYSTEM_ALERT, nullptr, OnAlert,
                                         0, 0, WINEVENT_OUTOFCONTEXT);
  if (hook == nullptr) {
    return 1;
  }
  std::printf("listening\n");
  std::fflush(stdout);
  PumpFor(seconds * 1000);
  ::UnhookWinEvent(hook);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 3 && std::wcscmp(argv[1], L"fullscreen") == 0) {
    return FullScreen(std::wcstoul(argv[2], nullptr, 10));
  }
  if (argc == 3 && std::wcscmp(argv[1], L"alerts") == 0) {
    return Alerts(std::wcstoul(argv[2], nullptr, 10));
  }
  return 2;
}
