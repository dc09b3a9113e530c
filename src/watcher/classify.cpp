#include "watcher/classify.h"

#include "settings/number.h"

namespace wendora {
namespace {

char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

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

// The length in bytes of the UTF-8 character that starts the text.
std::size_t FirstCharacterLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  std::size_t length = 1;
  if (lead >= 0xF0) {
    length = 4;
  } else if (lead >= 0xE0) {
    length = 3;
  } else if (lead >= 0xC0) {
    length = 2;
  }
  return length <= text.size() ? length : 1;
}

// Characters 2 and 3 are ":\" (a drive-letter path, or any one character).
bool HasPathShape(std::string_view text) {
  if (text.empty()) {
    return false;
  }
  return text.substr(FirstCharacterLength(text), 2) == ":\\";
}

Classification Web(std::string target, ModeRule mode) {
  return {ClipTextKind::Url, std::move(target), mode};
}

}  // namespace

Classification ClassifyClipboardText(std::string_view text) {
  const std::string whole(text);
  // The secure forms are recognised like the plain ones, so that a copied
  // "https://host" opens as itself.
  if (StartsWithAnyCase(text, "http://") || StartsWithAnyCase(text, "https://")) {
    return Web(whole, ModeRule::FollowDefaultAction);
  }
  if (StartsWithAnyCase(text, "ttp://") || StartsWithAnyCase(text, "ttps://")) {
    return Web("h" + whole, ModeRule::FollowDefaultAction);
  }
  if (StartsWithAnyCase(text, "tp://") || StartsWithAnyCase(text, "tps://")) {
    return Web("ht" + whole, ModeRule::AlwaysClick);
  }
  if (StartsWithAnyCase(text, "www.")) {
    return Web("http://" + whole, ModeRule::FollowDefaultAction);
  }
  if (HasPathShape(text)) {
    return {ClipTextKind::Path, whole, ModeRule::AlwaysClick};
  }
  if (text.find('/') != std::string_view::npos) {
    return {ClipTextKind::LooseUrl, "http://" + whole, ModeRule::AlwaysClick};
  }
  if (text.substr(0, kWaitTimeCommand.size()) == kWaitTimeCommand) {
    const bool numeric = ConvertsToInt32(text.substr(kWaitTimeCommand.size()));
    return {numeric ? ClipTextKind::WaitTimeCommand : ClipTextKind::IgnoredCommand,
            {},
            ModeRule::FollowDefaultAction};
  }
  if (text == kChangeSettingCommand) {
    return {ClipTextKind::ChangeSettingCommand, {}, ModeRule::FollowDefaultAction};
  }
  if (text == kExitCommand) {
    return {ClipTextKind::ExitCommand, {}, ModeRule::FollowDefaultAction};
  }
  return {};
}

}  // namespace wendora
