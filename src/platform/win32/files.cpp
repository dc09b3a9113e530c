// The files of the program (its profile), read whole and replaced whole,
// at paths of any length: the file members of Win32Platform.
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "platform/win32/paths.h"
#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_platform.h"

namespace wendora::win32 {
namespace {

// A new, empty file beside the target, with a name of its own.
std::optional<std::wstring> NewFileBeside(const std::wstring& target) {
  const DWORD seed = ::GetCurrentProcessId() ^ ::GetTickCount();
  for (DWORD attempt = 0; attempt < 16; ++attempt) {
    wchar_t suffix[32];
    ::wsprintfW(suffix, L".%08lx.tmp", static_cast<unsigned long>(seed + attempt * 7919));
    std::wstring name = target + suffix;
    UniqueHandle file(::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file) {
      return name;
    }
    if (::GetLastError() != ERROR_FILE_EXISTS) {
      return std::nullopt;
    }
  }
  return std::nullopt;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) {
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

}  // namespace

platform::FileContent Win32Platform::ReadFile(const std::string& path) {
  platform::FileContent content;
  UniqueHandle file(::CreateFileW(ExtendedPath(Widen(path)).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD error = ::GetLastError();
    content.status = (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
                         ? platform::FileStatus::kMissing
                         : platform::FileStatus::kFailed;
    return content;
  }
  content.status = platform::FileStatus::kFailed;
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart > (1LL << 30)) {
    return content;
  }
  content.bytes.resize(static_cast<std::size_t>(size.QuadPart));
  std::size_t done = 0;
  while (done < content.bytes.size()) {
    DWORD read = 0;
    const DWORD chunk = static_cast<DWORD>(content.bytes.size() - done);
    if (!::ReadFile(file.get(), content.bytes.data() + done, chunk, &read, nullptr)) {
      content.bytes.clear();
      return content;
    }
    if (read == 0) {
      break;
    }
    done += read;
  }
  content.bytes.resize(done);
  content.status = platform::FileStatus::kRead;
  return content;
}

bool Win32Platform::ReplaceFileAtomically(const std::string& path, std::string_view bytes) {
  const std::wstring target = ExtendedPath(Widen(path));
  const DWORD attributes = ::GetFileAttributesW(target.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
    return false;  // the system's profile writer cannot write these either
  }

  // The new contents go to a file of their own in the same folder first, of
  // whatever length the folder's path is.
  const std::optional<std::wstring> made = NewFileBeside(target);
  if (!made) {
    return false;
  }
  const wchar_t* temp = made->c_str();
  bool written = false;
  {
    UniqueHandle file(::CreateFileW(temp, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    written = file && WriteAll(file.get(), bytes) && ::FlushFileBuffers(file.get());
  }
  bool replaced = false;
  // A virus scanner or indexer may hold the new file open for a moment:
  // try a few times before giving up.
  for (int attempt = 0; written && !replaced && attempt < 5; ++attempt) {
    if (attempt > 0) {
      ::Sleep(50);
    }
    // ReplaceFileW keeps the old file's attributes and security; where it
    // cannot be used (no old file, or a file system without support), a
    // write-through rename does the same job.
    replaced = ::GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES &&
               ::ReplaceFileW(target.c_str(), temp, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                              nullptr, nullptr);
    if (!replaced) {
      replaced = ::MoveFileExW(temp, target.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    }
  }
  // The temporary file goes only while the old file is still in place: a
  // replacement that failed halfway may have removed it already, and then
  // the temporary file holds the only copy.
  const bool old_file_kept = ::GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES;
  if (!replaced && (old_file_kept || !exists)) {
    ::DeleteFileW(temp);
  }
  return replaced;
}

bool Win32Platform::PathExists(const std::string& path) {
  return ::GetFileAttributesW(ExtendedPath(Widen(path)).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace wendora::win32
