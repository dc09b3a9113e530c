// Opening an address or a path on a thread of its own: the shell may wait
// for seconds on a network path or a disconnected drive, and the user
// interface must not wait with it.
#pragma once

#include <memory>
#include <optional>

#include "platform/platform.h"

namespace wendora::win32 {

class Win32Opening final : public platform::Opening {
 public:
  // Starts the opening's thread, which initialises COM for the shell.
  explicit Win32Opening(platform::OpenRequest request);

  std::optional<platform::OpenOutcome> Outcome() override;

  struct Shared;

 private:
  std::shared_ptr<Shared> shared_;
};

}  // namespace wendora::win32
