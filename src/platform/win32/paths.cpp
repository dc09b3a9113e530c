#include "platform/win32/paths.h"

#include <windows.h>

namespace wendora::win32 {

std::wstring FullPath(const std::wstring& path) {
  std::wstring full = path;
  if (const DWORD needed = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr); needed != 0) {
    full.assign(needed, L'\0');
    full.resize(::GetFullPathNameW(path.c_str(), needed, full.data(), nullptr));
  }
  return full;
}

std::wstring ResolvedPath(const std::wstring& path) {
  const std::wstring full = FullPath(path);
  const std::wstring extended = ExtendedPath(full);
  const DWORD needed = ::GetLongPathNameW(extended.c_str(), nullptr, 0);
  if (needed == 0) {
    return full;
  }
  std::wstring longer(needed, L'\0');
  longer.resize(::GetLongPathNameW(extended.c_str(), longer.data(), needed));
  if (longer.empty()) {
    return full;
  }
  // Back to the form it was asked in.
  if (longer.rfind(L"\\\\?\\UNC\\", 0) == 0) {
    return L"\\\\" + longer.substr(8);
  }
  if (longer.rfind(L"\\\\?\\", 0) == 0 && full.rfind(L"\\\\?\\", 0) != 0) {
    return longer.substr(4);
  }
  return longer;
}

std::wstring ExtendedPath(const std::wstring& path) {
  const std::wstring full = FullPath(path);
  if (full.rfind(L"\\\\?\\", 0) == 0 || full.rfind(L"\\\\.\\", 0) == 0) {
    return full;
  }
  if (full.rfind(L"\\\\", 0) == 0) {
    return L"\\\\?\\UNC\\" + full.substr(2);  // \\server\share\...
  }
  return L"\\\\?\\" + full;
}

}  // namespace wendora::win32
