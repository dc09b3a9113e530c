// Reports what one watch tick costs in the program's own logic: an idle tick
// (the clipboard unchanged, no countdown) and a tick that meets new text, for
// clipboard texts of 10 bytes, 1 MB and 10 MB. The clipboard is the fake one,
// so this measures the program, not the system's clipboard.
#include <chrono>
#include <cstdio>
#include <string>

#include "app/application.h"
#include "fake/fake_platform.h"

namespace {

using Clock = std::chrono::steady_clock;

template <typename F>
double NanosecondsPer(int rounds, F&& f) {
  const auto start = Clock::now();
  for (int i = 0; i < rounds; ++i) {
    f(i);
  }
  const std::chrono::duration<double, std::nano> spent = Clock::now() - start;
  return spent.count() / rounds;
}

void Measure(std::size_t size, bool sequence_numbers) {
  wendora::fake::FakePlatform platform;
  platform.sequence_numbers = sequence_numbers;
  wendora::Application app(platform);
  app.StartUp();
  wendora::fake::FakeTimer& timer = *platform.timers.at(0);

  // Two texts of the size that differ only in their last byte: the worst
  // case for a comparison. No slash, so neither is announced.
  std::string a(size, 'a');
  std::string b = a;
  b.back() = 'b';
  const int rounds = size > 1'000'000 ? 20 : 2000;

  platform.SetClipboard(a);
  timer.Fire();
  const double idle = NanosecondsPer(rounds, [&](int) { timer.Fire(); });
  const double fresh = NanosecondsPer(rounds, [&](int i) {
    platform.SetClipboard(i % 2 == 0 ? b : a);
    timer.Fire();
  });
  std::printf("%-10zu %-18s idle tick %12.0f ns   new-text tick %14.0f ns\n", size,
              sequence_numbers ? "sequence number" : "no sequence number", idle, fresh);
}

}  // namespace

int main() {
  for (const bool sequence : {true, false}) {
    for (const std::size_t size : {std::size_t{10}, std::size_t{1} << 20, std::size_t{10} << 20}) {
      Measure(size, sequence);
    }
  }
  return 0;
}
