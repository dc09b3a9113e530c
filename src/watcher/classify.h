// Recognition of clipboard text: a fixed chain of prefix and substring tests
// that tells a web address, a local path, a command word or nothing, and
// repairs an address whose scheme was cut off at the front. Addresses and
// paths are taken from the text without the blanks and line breaks around
// it and one pair of quotes or angle brackets; command words only as they
// stand, whole and in their letter case.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/text.h"  // HoldsHiddenCharacters

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
  // Url, Path, LooseUrl: what will be opened, and what the banner shows of
  // it: the address without user name and password, its host as a browser
  // shows it; a path as it will be opened.
  std::string target;
  std::string display;
  // The bytes of display that are never shortened: the scheme and host of
  // an address, with its port.
  std::size_t display_front = 0;
  ModeRule mode = ModeRule::None;  // Url, Path, LooseUrl
  bool has_user_info = false;      // an address with a user name or password
  std::int32_t wait_time = 0;      // WaitTimeCommand: the new wait time, in seconds
};

// How texts are recognised beyond the fixed rules.
struct RecognitionRules {
  // Any text with a "/" is a loose address (the original rule), not only one
  // whose front can be a host.
  bool any_text_with_slash = false;
};

inline constexpr std::string_view kWaitTimeCommand = "WendoraWaitTime=";
inline constexpr std::string_view kChangeSettingCommand = "WendoraChangeSetting";
inline constexpr std::string_view kExitCommand = "ExitWendora";
inline constexpr std::string_view kPauseCommand = "WendoraPause";
inline constexpr std::string_view kResumeCommand = "WendoraResume";

// The longest address or path the shell can open, in UTF-16 units. A longer
// one is not recognised.
inline constexpr std::size_t kMaxTargetUnits = 32767;

Classification ClassifyClipboardText(std::string_view text, const RecognitionRules& rules = {});

// The text without blanks, tabs, line breaks, no-break and ideographic
// spaces at either end, then without one pair of double quotes or angle
// brackets around it and the blanks inside them.
std::string_view WithoutEnds(std::string_view text);

}  // namespace wendora
