// Reports what the system's clipboard costs a watch tick: the change-counter
// check of an idle tick, and the full read of a tick that meets new text, for
// texts of 10 bytes, 1 MB and 10 MB on the real clipboard.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/win32/win32_platform.h"

namespace {

using Clock = std::chrono::steady_clock;

bool PutText(std::size_t size) {
  if (!::OpenClipboard(nullptr)) {
    return false;
  }
  ::EmptyClipboard();
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (size + 1) * sizeof(wchar_t));
  auto* chars = static_cast<wchar_t*>(::GlobalLock(memory));
  for (std::size_t i = 0; i < size; ++i) {
    chars[i] = L'a';
  }
  chars[size] = L'\0';
  ::GlobalUnlock(memory);
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

}  // namespace

int main() {
  wendora::win32::Win32Platform platform;
  for (const std::size_t size : {std::size_t{10}, std::size_t{1} << 20, std::size_t{10} << 20}) {
    if (!PutText(size)) {
      std::printf("%zu: the clipboard could not be set\n", size);
      continue;
    }
    const int rounds = size > 1'000'000 ? 10 : 1000;
    volatile std::uint32_t sink = 0;
    const double idle =
        NanosecondsPer(rounds * 10, [&] { sink = sink + platform.ClipboardSequenceNumber(); });
    const double read =
        NanosecondsPer(rounds, [&] { sink = sink + platform.ReadClipboardText().text.size(); });
    std::printf("%-10zu idle check %10.0f ns   full read %14.0f ns\n", size, idle, read);
  }
  return 0;
}
