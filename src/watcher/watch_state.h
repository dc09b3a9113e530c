// The state of an announcement: what the watch timer's tick and the click
// handler share. (The clipboard text seen last is the clipboard watch's.)
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace wendora {

// What runs when the countdown ends.
enum class Action : std::uint8_t {
  None = 0,
  OpenURL = 1,
  OpenPath = 2,
  SetWaitTime = 10,
  Pause = 20,
  Resume = 21,
  ExitProgram = 255,
};

// Run mode: the action runs when the countdown ends unless a right click
// cancels it. Click mode: it runs only on a left click.
enum class Mode : std::uint8_t { Run = 0, Click = 1 };

struct WatchState {
  // The extended tick count at which the running countdown began; empty when
  // no countdown runs.
  std::optional<std::int64_t> CountdownStart;
  // What an OpenURL or OpenPath action opens.
  std::string TargetText;
  Action PendingAction = Action::None;
  Mode WaitForClick = Mode::Run;
};

}  // namespace wendora
