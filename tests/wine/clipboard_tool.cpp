// Puts text on the Windows clipboard the way other Windows programs do, for
// the tests:
//   clipboard_tool set TEXT            plain text
//   clipboard_tool private TEXT        text marked as a password manager marks it
//   clipboard_tool hold SECONDS TEXT   text, then the clipboard held open
//   clipboard_tool promise SECONDS TEXT
//       owns the clipboard and promises text, to be rendered when asked;
//       answers no message for SECONDS (a hung program), then renders it
//   clipboard_tool own SECONDS TEXT    text, owned by a window of this program,
//                                      which stays for SECONDS
//   clipboard_tool cycle COUNT TEXT    COUNT changes, "TEXT 1", "TEXT 2", ...,
//                                      150 ms apart, so that a watcher sees each
//   clipboard_tool promise-empty-first TEXT
//       promises text, renders nothing when first asked, the text later
//   clipboard_tool promise-empty-for MILLISECONDS TEXT
//       promises text, renders nothing while that long has not passed since
//       it took the clipboard, the text later
// The promising modes stay until another program takes the clipboard, or
// for a minute at most; they print "owner" once they own the clipboard.
//   clipboard_tool --after FILE MODE ...
//       prints "waiting", waits until the file exists, then does what MODE
//       says: a test can have the program ready and let it copy at a moment
//       of its choice.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>

namespace {

HGLOBAL Copy(const void* data, std::size_t size) {
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(::GlobalLock(memory), data, size);
  ::GlobalUnlock(memory);
  return memory;
}

bool Put(const std::wstring& text, bool is_private) {
  for (int attempt = 0; attempt < 50 && !::OpenClipboard(nullptr); ++attempt) {
    ::Sleep(20);
  }
  ::EmptyClipboard();
  const bool done =
      ::SetClipboardData(CF_UNICODETEXT, Copy(text.c_str(), (text.size() + 1) * sizeof(wchar_t)));
  if (is_private) {
    const DWORD zero = 0;
    ::SetClipboardData(::RegisterClipboardFormatW(L"ExcludeClipboardContentFromMonitorProcessing"),
                       Copy(&zero, sizeof(zero)));
    ::SetClipboardData(::RegisterClipboardFormatW(L"CanIncludeInClipboardHistory"),
                       Copy(&zero, sizeof(zero)));
  }
  ::CloseClipboard();
  return done;
}

// What the owner hands over when asked.
struct Promise {
  std::wstring text;
  int renders_to_skip = 0;
  DWORD empty_until = 0;  // a tick count before which nothing is rendered
};

LRESULT CALLBACK PromiseProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* promise = reinterpret_cast<Promise*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (message) {
    case WM_RENDERFORMAT:
      if (promise != nullptr && wparam == CF_UNICODETEXT) {
        if (promise->renders_to_skip > 0) {
          --promise->renders_to_skip;  // the data is not there yet
        } else if (static_cast<LONG>(::GetTickCount() - promise->empty_until) < 0) {
          // not there yet either
        } else {
          const std::wstring& t = promise->text;
          ::SetClipboardData(CF_UNICODETEXT, Copy(t.c_str(), (t.size() + 1) * sizeof(wchar_t)));
        }
      }
      return 0;
    case WM_RENDERALLFORMATS:
      return 0;  // the promise ends with the program
    case WM_DESTROYCLIPBOARD:
      ::PostQuitMessage(0);  // another program took the clipboard
      return 0;
    default:
      return ::DefWindowProcW(hwnd, message, wparam, lparam);
  }
}

// Owns the clipboard with a window of its own: the text now, or promised
// (rendered when asked); then answers no message for `hang_seconds`, and
// stays for `stay_ms` or until another program takes the clipboard.
int OwnText(const std::wstring& text, bool promise_only, int hang_seconds, int renders_to_skip,
            UINT stay_ms, DWORD empty_ms = 0) {
  Promise promise{text, renders_to_skip, 0};
  WNDCLASSW wc{};
  wc.lpfnWndProc = PromiseProc;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = L"WendoraTestOwner";
  ::RegisterClassW(&wc);
  HWND owner = ::CreateWindowW(wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               wc.hInstance, nullptr);
  ::SetWindowLongPtrW(owner, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&promise));
  for (int attempt = 0; attempt < 50 && !::OpenClipboard(owner); ++attempt) {
    ::Sleep(20);
  }
  ::EmptyClipboard();
  promise.empty_until = ::GetTickCount() + empty_ms;
  ::SetClipboardData(CF_UNICODETEXT, promise_only
                                         ? nullptr
                                         : Copy(text.c_str(), (text.size() + 1) * sizeof(wchar_t)));
  ::CloseClipboard();
  std::printf("owner\n");
  std::fflush(stdout);
  ::Sleep(static_cast<DWORD>(hang_seconds) * 1000);  // hung: no message is answered
  ::SetTimer(owner, 1, stay_ms, nullptr);
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0 && message.message != WM_TIMER) {
    ::DispatchMessageW(&message);
  }
  ::DestroyWindow(owner);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc >= 4 && std::wcscmp(argv[1], L"--after") == 0) {
    std::printf("waiting\n");
    std::fflush(stdout);
    for (int waited = 0; ::GetFileAttributesW(argv[2]) == INVALID_FILE_ATTRIBUTES; waited += 10) {
      if (waited > 120'000) {
        return 3;
      }
      ::Sleep(10);
    }
    argv += 2;
    argc -= 2;
  }
  if (argc == 3 && std::wcscmp(argv[1], L"set") == 0) {
    return Put(argv[2], false) ? 0 : 1;
  }
  if (argc == 3 && std::wcscmp(argv[1], L"private") == 0) {
    return Put(argv[2], true) ? 0 : 1;
  }
  if (argc == 4 && std::wcscmp(argv[1], L"hold") == 0) {
    if (!Put(argv[3], false) || !::OpenClipboard(nullptr)) {
      return 1;
    }
    ::Sleep(static_cast<DWORD>(std::wcstol(argv[2], nullptr, 10) * 1000));
    ::CloseClipboard();
    return 0;
  }
  if (argc == 4 && std::wcscmp(argv[1], L"cycle") == 0) {
    const long count = std::wcstol(argv[2], nullptr, 10);
    for (long i = 1; i <= count; ++i) {
      if (!Put(std::wstring(argv[3]) + L" " + std::to_wstring(i), false)) {
        return 1;
      }
      ::Sleep(150);
    }
    return 0;
  }
  if (argc == 4 && std::wcscmp(argv[1], L"own") == 0) {
    return OwnText(argv[3], false, 0, 0, std::wcstoul(argv[2], nullptr, 10) * 1000);
  }
  if (argc == 4 && std::wcscmp(argv[1], L"promise") == 0) {
    return OwnText(argv[3], true, static_cast<int>(std::wcstol(argv[2], nullptr, 10)), 0, 60'000);
  }
  if (argc == 3 && std::wcscmp(argv[1], L"promise-empty-first") == 0) {
    return OwnText(argv[2], true, 0, 1, 60'000);
  }
  if (argc == 4 && std::wcscmp(argv[1], L"promise-empty-for") == 0) {
    return OwnText(argv[3], true, 0, 0, 60'000, std::wcstoul(argv[2], nullptr, 10));
  }
  return 2;
}
