// Counts what a running program holds of the system's user-interface
// objects, for the tests and benchmarks:
//   gui_counter EXE-NAME
// prints "gdi=N windows=N gui_gdi=N gui_user=N" for the first process of
// that executable name. gui_gdi and gui_user are the system's own counts
// (GetGuiResources; 0 where the system does not keep them, as under Wine);
// gdi is counted from the process's GDI handle table, windows by walking
// its top-level windows and their children.
#include <windows.h>
#include <winternl.h>

#include <tlhelp32.h>

#include <cstdio>
#include <cwchar>
#include <vector>

namespace {

// An entry of the GDI handle table that the process environment block
// points to.
struct GdiHandleEntry {
  void* object;
  ULONG owner;
  USHORT unique;
  UCHAR type;
  UCHAR flags;
  void* user;
};
constexpr std::size_t kGdiHandles = 0x10000;
constexpr std::size_t kGdiTableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;

DWORD FindProcess(const wchar_t* name) {
  HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  DWORD found = 0;
  for (BOOL more = ::Process32FirstW(snapshot, &entry); more && found == 0;
       more = ::Process32NextW(snapshot, &entry)) {
    if (::_wcsicmp(entry.szExeFile, name) == 0) {
      found = entry.th32ProcessID;
    }
  }
  ::CloseHandle(snapshot);
  return found;
}

long CountGdiObjects(HANDLE process, DWORD pid) {
  using QueryProcess = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
  auto query = reinterpret_cast<QueryProcess>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic{};
  if (query == nullptr ||
      query(process, ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0) {
    return -1;
  }
  void* table = nullptr;
  SIZE_T read = 0;
  if (!::ReadProcessMemory(
          process, static_cast<char*>(static_cast<void*>(basic.PebBaseAddress)) + kGdiTableOffset,
          &table, sizeof(table), &read) ||
      table == nullptr) {
    return -1;
  }
  std::vector<GdiHandleEntry> entries(kGdiHandles);
  if (!::ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof(entries[0]),
                           &read)) {
    return -1;
  }
  long count = 0;
  for (const GdiHandleEntry& e : entries) {
    // On Windows the table is shared by all processes; an entry names its owner.
    const bool ours = (e.owner & 0xFFFF) == 0 || (e.owner & 0xFFFF) == (pid & 0xFFFF);
    if (e.type != 0 && e.object != nullptr && ours) {
      ++count;
    }
  }
  return count;
}

struct WindowCount {
  DWORD pid;
  long count;
};

BOOL CALLBACK CountChild(HWND, LPARAM param) {
  ++reinterpret_cast<WindowCount*>(param)->count;
  return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM param) {
  auto* windows = reinterpret_cast<WindowCount*>(param);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(hwnd, &pid);
  if (pid == windows->pid) {
    ++windows->count;
    ::EnumChildWindows(hwnd, &CountChild, param);
  }
  return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    return 2;
  }
  const DWORD pid = FindProcess(argv[1]);
  HANDLE process =
      pid == 0 ? nullptr : ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  if (process == nullptr) {
    std::printf("no process\n");
    return 1;
  }
  WindowCount windows{pid, 0};
  ::EnumWindows(&CountTopLevel, reinterpret_cast<LPARAM>(&windows));
  std::printf("gdi=%ld windows=%ld gui_gdi=%lu gui_user=%lu\n", CountGdiObjects(process, pid),
              windows.count, ::GetGuiResources(process, GR_GDIOBJECTS),
              ::GetGuiResources(process, GR_USEROBJECTS));
  ::CloseHandle(process);
  return 0;
}
