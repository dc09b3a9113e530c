// Stands in for the browser and every other program the shell would start:
// appends the file it was asked to open, one line per request, to the file
// named by WENDORA_SHELL_LOG.
#include <windows.h>

#include <shellapi.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t log[MAX_PATH] = {};
  if (::GetEnvironmentVariableW(L"WENDORA_SHELL_LOG", log, MAX_PATH) == 0) {
    return 1;
  }
  int count = 0;
  wchar_t** args = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  std::wstring request = count > 1 ? args[1] : L"";
  ::LocalFree(args);
  request += L"\n";
  const int size = ::WideCharToMultiByte(
      CP_UTF8, 0, request.c_str(), static_cast<int>(request.size()), nullptr, 0, nullptr, nullptr);
  std::string line(static_cast<std::size_t>(size), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, request.c_str(), static_cast<int>(request.size()), line.data(),
                        size, nullptr, nullptr);
  // Requests may come at the same time, and Wine does not make appends
  // atomic: one recorder at a time writes, at the end of the log.
  HANDLE turn = ::CreateMutexW(nullptr, FALSE, L"Local\\WendoraShellRecorder");
  ::WaitForSingleObject(turn, 10000);
  HANDLE file = ::CreateFileW(log, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  bool done = false;
  if (file != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    done = ::SetFilePointer(file, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER &&
           ::WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    ::CloseHandle(file);
  }
  ::ReleaseMutex(turn);
  ::CloseHandle(turn);
  return done ? 0 : 1;
}
