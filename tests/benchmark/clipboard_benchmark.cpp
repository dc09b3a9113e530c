// Reports what the system's clipboard costs the program: the change-counter
// check of an idle tick and the full read of a tick that meets new text, for
// texts of 10 bytes, 1 MB and 10 MB on the real clipboard; and how long a
// read keeps the clipboard open, so that other programs cannot copy, for
// texts of 10 bytes, 1 MB and 50 MB.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>

#include "base/runtime_error.h"
#include "platform/win32/win32_platform.h"

namespace {

using Clock = std::chrono::steady_clock;

bool PutText(std::size_t size) {
  // The block is filled before the clipboard is opened.
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (size + 1) * sizeof(wchar_t));
  auto* chars = static_cast<wchar_t*>(::GlobalLock(memory));
  std::fill(chars, chars + size, L'a');
  chars[size] = L'\0';
  ::GlobalUnlock(memory);
  if (!::OpenClipboard(nullptr)) {
    ::GlobalFree(memory);
    return false;
  }
  ::EmptyClipboard();
  const bool done = ::SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  ::CloseClipboard();
  return done;
}

template <typename F>
double NanosecondsPer(int rounds, F&& f) {
  const auto start = Clock::now();
  for (int i = 0; i < rounds; ++i) {
    f();
  }
  const std::chrono::duration<double, std::nano> spent = Clock::now() - start;
  return spent.count() / rounds;
}

// Tries to open the clipboard over and over for that long, as another
// program that copies would, and prints the longest time it had to wait, in
// nanoseconds. It runs as a process of its own: under Wine a thread of the
// reading process itself could open the clipboard while the reader has it.
constexpr wchar_t kProbeReady[] = L"Local\\WendoraClipboardProbeReady";

int Probe(DWORD milliseconds) {
  const auto end = Clock::now() + std::chrono::milliseconds(milliseconds);
  if (HANDLE ready = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, kProbeReady)) {
    ::SetEvent(ready);
    ::CloseHandle(ready);
  }
  long long longest = 0;
  // With a window of its own, as programs that copy have: under Wine two
  // programs that open the clipboard without a window do not exclude each
  // other.
  HWND window =
      ::CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  while (Clock::now() < end) {
    const auto first_try = Clock::now();
    bool waited = false;
    while (!::OpenClipboard(window) && Clock::now() < end) {
      waited = true;
    }
    ::CloseClipboard();
    if (waited) {
      longest = std::max<long long>(
          longest,
          std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - first_try).count());
    }
    ::Sleep(1);  // leaves the clipboard free most of the time: a 1 ms resolution
  }
  ::DestroyWindow(window);
  std::printf("%lld\n", longest);
  return 0;
}

// Runs the probe beside whatever the caller does meanwhile; the longest wait
// it saw, in milliseconds.
template <typename F>
double LongestWaitMsWhile(F&& work) {
  wchar_t self[MAX_PATH];
  ::GetModuleFileNameW(nullptr, self, MAX_PATH);
  wchar_t folder[MAX_PATH];
  ::GetTempPathW(MAX_PATH, folder);
  wchar_t output[MAX_PATH];
  ::GetTempFileNameW(folder, L"prb", 0, output);
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  HANDLE file = ::CreateFileW(output, GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = file;
  startup.hStdError = file;
  PROCESS_INFORMATION process{};
  std::wstring command = L"\"" + std::wstring(self) + L"\" probe 2000";
  HANDLE ready = ::CreateEventW(nullptr, TRUE, FALSE, kProbeReady);
  if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process)) {
    ::CloseHandle(ready);
    ::CloseHandle(file);
    return -1;
  }
  ::WaitForSingleObject(ready, 20'000);  // the probe is under way
  ::CloseHandle(ready);
  ::Sleep(50);
  work();
  ::WaitForSingleObject(process.hProcess, INFINITE);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  ::CloseHandle(file);
  long long nanoseconds = -1;
  if (FILE* f = ::_wfopen(output, L"r")) {
    if (std::fscanf(f, "%lld", &nanoseconds) != 1) {
      nanoseconds = -1;
    }
    std::fclose(f);
  }
  ::DeleteFileW(output);
  return nanoseconds / 1e6;
}

// Reads the text once through the program's reader, however often another
// program's probe or a slow owner makes it try again.
std::size_t ReadWhole(wendora::win32::Win32Platform& platform) {
  for (;;) {
    try {
      const auto clip = platform.ReadClipboardText();
      if (clip.status == wendora::platform::ClipboardRead::kText) {
        return clip.text.size();
      }
    } catch (const wendora::RuntimeError&) {
      // held by the probe for a moment: ask again
    }
    ::Sleep(1);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 3 && std::wcscmp(argv[1], L"probe") == 0) {
    return Probe(static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10)));
  }
  wendora::win32::Win32Platform platform;
  std::printf("== One tick\n");
  for (const std::size_t size : {std::size_t{10}, std::size_t{1} << 20, std::size_t{10} << 20}) {
    if (!PutText(size)) {
      std::printf("%zu: the clipboard could not be set\n", size);
      continue;
    }
    const int rounds = size > 1'000'000 ? 10 : 1000;
    volatile std::uint32_t sink = 0;
    const double idle =
        NanosecondsPer(rounds * 10, [&] { sink = sink + platform.ClipboardSequenceNumber(); });
    const double read = NanosecondsPer(rounds, [&] { sink = sink + ReadWhole(platform); });
    std::printf("%-10zu idle check %10.0f ns   full read %14.0f ns\n", size, idle, read);
    std::fflush(stdout);
  }
  std::printf("== How long a read keeps the clipboard from other programs\n");
  for (const std::size_t size : {std::size_t{10}, std::size_t{1} << 20, std::size_t{50} << 20}) {
    if (!PutText(size)) {
      std::printf("%zu: the clipboard could not be set\n", size);
      continue;
    }
    const double alone = LongestWaitMsWhile([] {});
    const double longest = LongestWaitMsWhile([&] {
      for (int round = 0; round < 3; ++round) {
        ReadWhole(platform);
      }
    });
    std::printf("%-10zu longest wait of another program: %8.2f ms (%.2f ms without a read)\n", size,
                longest, alone);
    std::fflush(stdout);
  }
  return 0;
}
