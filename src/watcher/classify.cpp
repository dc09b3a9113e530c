#include "watcher/classify.h"

#include "base/number.h"
#include "base/text.h"

namespace wendora {
namespace {

// Whether the text starts with the prefix, ignoring the letter case. The
// prefixes are ASCII, so comparing bytes compares characters.
bool StartsWithAnyCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) {
    return false;
  }
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (AsciiLower(text[i]) != prefix[i]) {
      return false;
    }
  }
  return true;
}

// Characters 2 and 3 are ":\" (a drive-letter path, or any one character).
bool HasPathShape(std::string_view text) {
  if (text.empty()) {
    return false;
  }
  return text.substr(CharacterLength(text, 0), 2) == ":\\";
}

// An address or path to open: the text, with a repaired or added front. One
// longer than the shell can take is no address at all.
Classification Target(ClipTextKind kind, std::string_view front, std::string_view text,
                      ModeRule mode) {
  // A character takes at most three bytes per UTF-16 unit, so only a text of
  // a length near the limit needs counting.
  const std::size_t room = kMaxTargetUnits - front.size();
  if (text.size() > room && (text.size() / 3 > room || Utf16Length(text) > room)) {
    return {};
  }
  std::string target;
  target.reserve(front.size() + text.size());
  target.append(front).append(text);
  return {kind, std::move(target), mode};
}

// A command word; its announcement takes the setting DefaultAction.
Classification Command(ClipTextKind kind, std::int32_t wait_time = 0) {
  Classification c;
  c.kind = kind;
  c.wait_time = wait_time;
  return c;
}

}  // namespace

Classification ClassifyClipboardText(std::string_view text) {
  // The secure forms are recognised like the plain ones, so that a copied
  // "https://host" opens as itself.
  if (StartsWithAnyCase(text, "http://") || StartsWithAnyCase(text, "https://")) {
    return Target(ClipTextKind::Url, "", text, ModeRule::FollowDefaultAction);
  }
  if (StartsWithAnyCase(text, "ttp://") || StartsWithAnyCase(text, "ttps://")) {
    return Target(ClipTextKind::Url, "h", text, ModeRule::FollowDefaultAction);
  }
  if (StartsWithAnyCase(text, "tp://") || StartsWithAnyCase(text, "tps://")) {
    return Target(ClipTextKind::Url, "ht", text, ModeRule::AlwaysClick);
  }
  if (StartsWithAnyCase(text, "www.")) {
    return Target(ClipTextKind::Url, "http://", text, ModeRule::FollowDefaultAction);
  }
  if (HasPathShape(text)) {
    return Target(ClipTextKind::Path, "", text, ModeRule::AlwaysClick);
  }
  if (text.find('/') != std::string_view::npos) {
    return Target(ClipTextKind::LooseUrl, "http://", text, ModeRule::AlwaysClick);
  }
  if (text.substr(0, kWaitTimeCommand.size()) == kWaitTimeCommand) {
    const std::optional<std::int32_t> value = Int32Value(text.substr(kWaitTimeCommand.size()));
    if (!value) {
      return Command(ClipTextKind::IgnoredCommand);
    }
    return Command(ClipTextKind::WaitTimeCommand, *value);
  }
  if (text == kChangeSettingCommand) {
    return Command(ClipTextKind::ChangeSettingCommand);
  }
  if (text == kExitCommand) {
    return Command(ClipTextKind::ExitCommand);
  }
  if (text == kPauseCommand) {
    return Command(ClipTextKind::PauseCommand);
  }
  if (text == kResumeCommand) {
    return Command(ClipTextKind::ResumeCommand);
  }
  return {};
}

}  // namespace wendora
