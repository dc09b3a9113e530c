#include "watcher/classify.h"

#include <algorithm>

#include "base/number.h"
#include "base/text.h"
#include "watcher/address.h"
#include "watcher/host.h"
#include "watcher/path_text.h"

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

bool IsBlank(std::uint32_t c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == 0xA0 || c == 0x3000;
}

// One longer than the shell can take is no address or path at all.
bool FitsTheShell(std::string_view target) {
  // A character takes at most three bytes per UTF-16 unit, so only a text of
  // a length near the limit needs counting.
  return target.size() <= kMaxTargetUnits ||
         (target.size() / 3 <= kMaxTargetUnits && Utf16Length(target) <= kMaxTargetUnits);
}

Classification Path(const PathText& path) {
  if (!FitsTheShell(path.path)) {
    return {};
  }
  Classification c;
  c.kind = ClipTextKind::Path;
  c.target = c.display = path.path;
  c.mode = ModeRule::AlwaysClick;
  return c;
}

// An address: the text with a repaired or added front. It runs by itself
// only when the rule lets it and the banner shows it as it will open: its
// host as it is, no user name.
Classification Address(ClipTextKind kind, std::string_view front, std::string_view text,
                       ModeRule mode) {
  const std::size_t room = kMaxTargetUnits - front.size();
  if (text.size() > room && (text.size() / 3 > room || Utf16Length(text) > room)) {
    return {};
  }
  std::string address;
  address.reserve(front.size() + text.size());
  address.append(front).append(text);
  AddressView view = ViewAddress(address);
  if (view.broken_host || !FitsTheShell(view.target)) {
    return {};
  }
  Classification c;
  c.kind = kind;
  c.target = std::move(view.target);
  c.display = std::move(view.display);
  c.display_front = view.front;
  c.has_user_info = view.has_user_info;
  const bool shown_otherwise =
      view.has_user_info || view.punycode || view.escaped_host || view.latin_with_lookalikes;
  c.mode = shown_otherwise ? ModeRule::AlwaysClick : mode;
  return c;
}

// A text without a scheme that has a "/": a loose address when the part
// before it can be a host, or, by the original rule, always.
bool IsLooseAddress(std::string_view text, const RecognitionRules& rules) {
  const std::size_t slash = text.find('/');
  if (slash == std::string_view::npos) {
    return false;
  }
  if (rules.any_text_with_slash) {
    return true;
  }
  for (std::size_t pos = 0; pos < text.size(); pos += CharacterLength(text, pos)) {
    if (IsBlank(CodePointAt(text, pos))) {
      return false;
    }
  }
  return CanBeHost(text.substr(0, slash));
}

Classification AddressOrPath(std::string_view text, const RecognitionRules& rules) {
  if (text.empty() || HoldsHiddenCharacters(text)) {
    return {};
  }
  // A "file:" address is a path or nothing: never one for the browser.
  if (IsFileAddress(text)) {
    const std::optional<PathText> path = PathFromFileAddress(text);
    return path && !HoldsHiddenCharacters(path->path) ? Path(*path) : Classification{};
  }
  // The secure forms are recognised like the plain ones, so that a copied
  // "https://host" opens as itself.
  if (StartsWithAnyCase(text, "http://") || StartsWithAnyCase(text, "https://")) {
    return Address(ClipTextKind::Url, "", text, ModeRule::FollowDefaultAction);
  }
  if (StartsWithAnyCase(text, "ttp://") || StartsWithAnyCase(text, "ttps://")) {
    return Address(ClipTextKind::Url, "h", text, ModeRule::FollowDefaultAction);
  }
  if (StartsWithAnyCase(text, "tp://") || StartsWithAnyCase(text, "tps://")) {
    return Address(ClipTextKind::Url, "ht", text, ModeRule::AlwaysClick);
  }
  if (StartsWithAnyCase(text, "www.")) {
    return Address(ClipTextKind::Url, "http://", text, ModeRule::FollowDefaultAction);
  }
  if (const std::optional<PathText> path = PathFromText(text)) {
    return Path(*path);
  }
  if (text.substr(0, 2) == "\\\\") {
    return {};  // a network path of a kind that is not opened
  }
  if (IsLooseAddress(text, rules)) {
    return Address(ClipTextKind::LooseUrl, "http://", text, ModeRule::AlwaysClick);
  }
  return {};
}

// A command word; its announcement takes the setting DefaultAction.
Classification Command(ClipTextKind kind, std::int32_t wait_time = 0) {
  Classification c;
  c.kind = kind;
  c.wait_time = wait_time;
  return c;
}

// The text without blanks at either end.
std::string_view WithoutBlanks(std::string_view text) {
  std::size_t begin = std::string_view::npos;
  std::size_t end = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = CharacterLength(text, pos);
    if (!IsBlank(CodePointAt(text, pos))) {
      begin = std::min(begin, pos);
      end = pos + length;
    }
    pos += length;
  }
  if (begin == std::string_view::npos) {
    return {};
  }
  return text.substr(begin, end - begin);
}

}  // namespace

std::string_view WithoutEnds(std::string_view text) {
  text = WithoutBlanks(text);
  if (text.size() >= 2 && ((text.front() == '"' && text.back() == '"') ||
                           (text.front() == '<' && text.back() == '>'))) {
    text = WithoutBlanks(text.substr(1, text.size() - 2));
  }
  return text;
}

Classification ClassifyClipboardText(std::string_view text, const RecognitionRules& rules) {
  if (Classification c = AddressOrPath(WithoutEnds(text), rules);
      c.kind != ClipTextKind::NotRecognised) {
    return c;
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
