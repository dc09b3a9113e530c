// Recognition of clipboard text: a fixed chain of prefix and substring tests
// that tells a web address, a local path, a command word or nothing, and
// repairs an address whose scheme was cut off at the front.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace wendora {

enum class ClipTextKind {
  Url,
  Path,
  LooseUrl,
  WaitTimeCommand,
  IgnoredCommand,
  ChangeSettingCommand,
  ExitCommand,
  PauseCommand,
  ResumeCommand,
  NotRecognised,
};

enum class ModeRule {
  FollowDefaultAction,  // the announcement takes the setting DefaultAction
  AlwaysClick,          // the announcement always waits for a click
  None,                 // not an address or path
};

struct Classification {
  ClipTextKind kind = ClipTextKind::NotRecognised;
  std::string target;              // Url, Path, LooseUrl: what will be opened
  ModeRule mode = ModeRule::None;  // Url, Path, LooseUrl
  std::int32_t wait_time = 0;      // WaitTimeCommand: the new wait time, in seconds
};

inline constexpr std::string_view kWaitTimeCommand = "WendoraWaitTime=";
inline constexpr std::string_view kChangeSettingCommand = "WendoraChangeSetting";
inline constexpr std::string_view kExitCommand = "ExitWendora";
inline constexpr std::string_view kPauseCommand = "WendoraPause";
inline constexpr std::string_view kResumeCommand = "WendoraResume";

// The longest address or path the shell can open, in UTF-16 units. A longer
// one is not recognised.
inline constexpr std::size_t kMaxTargetUnits = 32767;

// The text is taken whole: no trimming, no case change, line breaks kept.
// The target is the text with a repaired or added front.
Classification ClassifyClipboardText(std::string_view text);

}  // namespace wendora
