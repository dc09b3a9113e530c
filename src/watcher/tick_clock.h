// The system's 32-bit millisecond tick count, extended to 64 bits so that a
// countdown stays right when the count turns negative (after 24.8 days of
// uptime) or wraps (after 49.7 days). Only differences count, and they are
// right as long as the clock is read at least once per wrap period while
// they matter: a running countdown keeps the watch ticking, and every tick
// reads it. While the program sleeps at rest, whole wrap periods may go
// uncounted, which changes no countdown.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/platform.h"

namespace wendora {

class TickClock {
 public:
  explicit TickClock(platform::Platform& platform) : platform_(platform) {}

  std::int64_t Now() {
    const std::uint32_t raw = platform_.TickCount();
    if (last_raw_) {
      now_ += static_cast<std::uint32_t>(raw - *last_raw_);  // modulo 2^32
    } else {
      now_ = raw;
    }
    last_raw_ = raw;
    return now_;
  }

 private:
  platform::Platform& platform_;
  std::optional<std::uint32_t> last_raw_;
  std::int64_t now_ = 0;
};

}  // namespace wendora
