// The programs that Windows starts at the user's logon: the values of the
// user's Run key, and the system's list of those the user turned off
// (Task Manager's start-up page), which keeps its own value of the same name.
#include <windows.h>

#include <string>
#include <vector>

#include "base/runtime_error.h"
#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/win32_platform.h"

namespace wendora::win32 {
namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kApprovedKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
// The first byte of the list's value: odd when the user turned the entry off.
constexpr BYTE kTurnedOffBit = 0x01;
constexpr BYTE kTurnedOn[12] = {0x02};

[[noreturn]] void RaiseSystemError(LSTATUS status) {
  throw RuntimeError(kErrPathFileAccess, SystemMessage(static_cast<unsigned long>(status)));
}

void Check(LSTATUS status) {
  if (status != ERROR_SUCCESS) {
    RaiseSystemError(status);
  }
}

// A value of a key of the user's, as bytes; empty when there is none.
std::vector<BYTE> ReadValue(const wchar_t* key, const std::wstring& name, DWORD types) {
  DWORD size = 0;
  LSTATUS status =
      ::RegGetValueW(HKEY_CURRENT_USER, key, name.c_str(), types, nullptr, nullptr, &size);
  if (status == ERROR_FILE_NOT_FOUND) {
    return {};
  }
  Check(status);
  std::vector<BYTE> value(size);
  status =
      ::RegGetValueW(HKEY_CURRENT_USER, key, name.c_str(), types, nullptr, value.data(), &size);
  Check(status);
  value.resize(size);
  return value;
}

void WriteValue(const wchar_t* key, const std::wstring& name, DWORD type, const void* data,
                DWORD size) {
  LSTATUS status = ERROR_SUCCESS;
  {
    HKEY opened = nullptr;
    Check(::RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened,
                            nullptr));
    // The key is closed before a failure to set the value is raised.
    const UniqueRegKey owned(opened);
    status =
        ::RegSetValueExW(owned.get(), name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
  }
  Check(status);
}

void DeleteValue(const wchar_t* key, const std::wstring& name) {
  const LSTATUS status = ::RegDeleteKeyValueW(HKEY_CURRENT_USER, key, name.c_str());
  if (status != ERROR_FILE_NOT_FOUND) {
    Check(status);
  }
}

}  // namespace

platform::LogonStart Win32Platform::ReadLogonStart(std::string_view name) {
  const std::wstring value_name = Widen(name);
  platform::LogonStart entry;
  const std::vector<BYTE> command = ReadValue(kRunKey, value_name, RRF_RT_REG_SZ);
  if (command.empty()) {
    return entry;
  }
  entry.present = true;
  entry.command = Narrow(reinterpret_cast<const wchar_t*>(command.data()));
  const std::vector<BYTE> approval = ReadValue(kApprovedKey, value_name, RRF_RT_REG_BINARY);
  entry.disabled = !approval.empty() && (approval[0] & kTurnedOffBit) != 0;
  return entry;
}

void Win32Platform::WriteLogonStart(std::string_view name, std::string_view command) {
  const std::wstring text = Widen(command);
  WriteValue(kRunKey, Widen(name), REG_SZ, text.c_str(),
             static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void Win32Platform::EnableLogonStart(std::string_view name) {
  const std::wstring value_name = Widen(name);
  const std::vector<BYTE> approval = ReadValue(kApprovedKey, value_name, RRF_RT_REG_BINARY);
  if (!approval.empty() && (approval[0] & kTurnedOffBit) != 0) {
    WriteValue(kApprovedKey, value_name, REG_BINARY, kTurnedOn, sizeof(kTurnedOn));
  }
}

void Win32Platform::DeleteLogonStart(std::string_view name) {
  DeleteValue(kRunKey, Widen(name));
}

}  // namespace wendora::win32
