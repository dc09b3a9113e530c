// Puts text on the Windows clipboard the way other Windows programs do, for
// the tests:
//   clipboard_tool set TEXT            plain text
//   clipboard_tool private TEXT        text marked as a password manager marks it
//   clipboard_tool hold SECONDS TEXT   text, then the clipboard held open
#include <windows.h>

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

}  // namespace

int wmain(int argc, wchar_t** argv) {
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
  return 2;
}
