// Plays the parts of other programs on the desktop, for the tests:
//   desktop_tool fullscreen SECONDS
//       a window that covers the whole primary monitor, in the foreground,
//       as a game or a video player has; prints "shown"
//   desktop_tool alerts SECONDS
//       listens, from outside, to the alerts windows raise for screen
//       readers, and prints "alert: " and the window's text for each (UTF-8)
//   desktop_tool texts PROGRAM
//       prints the texts of the program's visible windows, their controls and
//       its open menus, as "window: ", "control: " and "item: " lines (UTF-8)
//   desktop_tool fit PROGRAM
//       measures each text of the controls of the program's visible windows
//       in the control's own font, and prints "fits: " or "clipped: " lines
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

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

std::wstring WindowText(HWND window) {
  const int length = ::GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  return name;
}

// The file name of the program that made the window.
std::wstring ProgramOf(HWND window) {
  DWORD id = 0;
  ::GetWindowThreadProcessId(window, &id);
  HANDLE process = ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
  if (process == nullptr) {
    return {};
  }
  wchar_t path[MAX_PATH] = {};
  DWORD size = MAX_PATH;
  const BOOL done = ::QueryFullProcessImageNameW(process, 0, path, &size);
  ::CloseHandle(process);
  if (!done) {
    return {};
  }
  const wchar_t* slash = std::wcsrchr(path, L'\\');
  return slash != nullptr ? slash + 1 : path;
}

struct Search {
  const std::wstring* program;
  std::vector<HWND> found;
};

BOOL CALLBACK AddIfVisibleOfProgram(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  if (::IsWindowVisible(window) &&
      ::lstrcmpiW(ProgramOf(window).c_str(), search->program->c_str()) == 0) {
    search->found.push_back(window);
  }
  return TRUE;
}

BOOL CALLBACK AddChild(HWND child, LPARAM data) {
  reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
  return TRUE;
}

std::vector<HWND> VisibleWindowsOf(const std::wstring& program) {
  Search search{&program, {}};
  ::EnumWindows(AddIfVisibleOfProgram, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> ChildrenOf(HWND window) {
  std::vector<HWND> children;
  ::EnumChildWindows(window, AddChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

constexpr UINT kGetMenuOfMenuWindow = 0x01E1;  // MN_GETHMENU

int Texts(const std::wstring& program) {
  for (HWND window : VisibleWindowsOf(program)) {
    PrintUtf8("window: ", ClassOf(window) + L" | " + WindowText(window));
    if (ClassOf(window) == L"#32768") {
      HMENU menu = reinterpret_cast<HMENU>(::SendMessageW(window, kGetMenuOfMenuWindow, 0, 0));
      for (int i = 0; menu != nullptr && i < ::GetMenuItemCount(menu); ++i) {
        wchar_t item[256] = {};
        ::GetMenuStringW(menu, static_cast<UINT>(i), item, 256, MF_BYPOSITION);
        PrintUtf8("item: ", item);
      }
    }
    for (HWND child : ChildrenOf(window)) {
      PrintUtf8("control: ", ClassOf(child) + L" | " + WindowText(child));
    }
  }
  return 0;
}

// The room the text needs in its control, in pixels, and the room it has.
int Fit(const std::wstring& program) {
  for (HWND window : VisibleWindowsOf(program)) {
    for (HWND child : ChildrenOf(window)) {
      const std::wstring text = WindowText(child);
      const std::wstring kind = ClassOf(child);
      if (text.empty() || (::lstrcmpiW(kind.c_str(), L"Static") != 0 &&
                           ::lstrcmpiW(kind.c_str(), L"Button") != 0)) {
        continue;
      }
      HDC dc = ::GetDC(child);
      HGDIOBJ old =
          ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(child, WM_GETFONT, 0, 0)));
      RECT need{0, 0, 0, 0};
      ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &need,
                  DT_CALCRECT | DT_SINGLELINE);
      TEXTMETRICW metrics{};
      ::GetTextMetricsW(dc, &metrics);
      ::SelectObject(dc, old);
      ::ReleaseDC(child, dc);
      RECT have{};
      ::GetClientRect(child, &have);
      int room = have.right;
      const LONG style = ::GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK;
      if (::lstrcmpiW(kind.c_str(), L"Button") == 0) {
        if (style == BS_3STATE || style == BS_AUTORADIOBUTTON || style == BS_CHECKBOX ||
            style == BS_AUTOCHECKBOX || style == BS_RADIOBUTTON || style == BS_AUTO3STATE) {
          room -= ::GetSystemMetrics(SM_CXMENUCHECK) + metrics.tmAveCharWidth;  // the box
        } else if (style == BS_GROUPBOX) {
          room -= 2 * metrics.tmAveCharWidth;  // the frame's corners
        } else {
          room -= 2 * ::GetSystemMetrics(SM_CXEDGE) + 2;  // a push button's edges
        }
      }
      wchar_t numbers[64];
      ::wsprintfW(numbers, L" | need %d, have %d", static_cast<int>(need.right), room);
      PrintUtf8(need.right <= room ? "fits: " : "clipped: ", kind + L" | " + text + numbers);
    }
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 3 && std::wcscmp(argv[1], L"texts") == 0) {
    return Texts(argv[2]);
  }
  if (argc == 3 && std::wcscmp(argv[1], L"fit") == 0) {
    return Fit(argv[2]);
  }
  if (argc == 3 && std::wcscmp(argv[1], L"fullscreen") == 0) {
    return FullScreen(std::wcstoul(argv[2], nullptr, 10));
  }
  if (argc == 3 && std::wcscmp(argv[1], L"alerts") == 0) {
    return Alerts(std::wcstoul(argv[2], nullptr, 10));
  }
  return 2;
}
