// Fuzzes the recognition of clipboard text: the whole input is the text, valid
// UTF-8 or not. Whatever the text, a web address or path opens the whole text,
// at most with "h", "ht" or "http://" put in front; a command word or
// unrecognised text has no target.
//
// For valid UTF-8 text short enough that its target fits in any Windows
// command line, the kind, target and mode also follow the table of what the
// program recognises, checked in its order (and whether an address or path
// waits for a click).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/number.h"
#include "watcher/classify.h"

namespace {

using wendora::ClipTextKind;
using wendora::ModeRule;

std::string_view g_text;  // the current input, printed when a check fails

[[noreturn]] void Fail(const char* what, const wendora::Classification& got) {
  std::fprintf(stderr,
               "clipboard recognition broken: %s\n  kind %d, mode %d, target of %zu bytes\n", what,
               static_cast<int>(got.kind), static_cast<int>(got.mode), got.target.size());
  std::fprintf(stderr, "  text (%zu bytes):", g_text.size());
  for (const char c : g_text.substr(0, 200)) {
    std::fprintf(stderr, " %02X", static_cast<unsigned char>(c));
  }
  std::fprintf(stderr, "%s\n", g_text.size() > 200 ? " ..." : "");
  std::abort();
}

bool StartsWithAnyCase(std::string_view text, std::string_view lower_prefix) {
  if (text.size() < lower_prefix.size()) {
    return false;
  }
  for (std::size_t i = 0; i < lower_prefix.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
    }
    if (c != lower_prefix[i]) {
      return false;
    }
  }
  return true;
}

// The length of the strictly valid UTF-8 character at pos, or 0.
std::size_t Utf8Length(std::string_view s, std::size_t pos) {
  const auto b0 = static_cast<unsigned char>(s[pos]);
  std::size_t length = 0;
  std::uint32_t c = 0;
  std::uint32_t lowest = 0;
  if (b0 < 0x80) {
    return 1;
  } else if (b0 >= 0xC2 && b0 <= 0xDF) {
    length = 2;
    c = b0 & 0x1Fu;
    lowest = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    length = 3;
    c = b0 & 0x0Fu;
    lowest = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    length = 4;
    c = b0 & 0x07u;
    lowest = 0x10000;
  } else {
    return 0;
  }
  if (pos + length > s.size()) {
    return 0;
  }
  for (std::size_t k = 1; k < length; ++k) {
    const auto b = static_cast<unsigned char>(s[pos + k]);
    if ((b & 0xC0) != 0x80) {
      return 0;
    }
    c = (c << 6) | (b & 0x3Fu);
  }
  if (c < lowest || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) {
    return 0;
  }
  return length;
}

bool IsValidUtf8(std::string_view s) {
  for (std::size_t pos = 0; pos < s.size();) {
    const std::size_t length = Utf8Length(s, pos);
    if (length == 0) {
      return false;
    }
    pos += length;
  }
  return true;
}

struct Expected {
  ClipTextKind kind;
  std::string target;
  ModeRule mode;
};

// What the program recognises, for valid UTF-8 text.
Expected Recognise(std::string_view text) {
  const std::string whole(text);
  constexpr auto kDefault = ModeRule::FollowDefaultAction;
  constexpr auto kClick = ModeRule::AlwaysClick;
  if (StartsWithAnyCase(text, "http://") || StartsWithAnyCase(text, "https://")) {
    return {ClipTextKind::Url, whole, kDefault};
  }
  if (StartsWithAnyCase(text, "ttp://") || StartsWithAnyCase(text, "ttps://")) {
    return {ClipTextKind::Url, "h" + whole, kDefault};
  }
  if (StartsWithAnyCase(text, "tp://") || StartsWithAnyCase(text, "tps://")) {
    return {ClipTextKind::Url, "ht" + whole, kClick};
  }
  if (StartsWithAnyCase(text, "www.")) {
    return {ClipTextKind::Url, "http://" + whole, kDefault};
  }
  // Any one character, then ":\".
  if (!text.empty() && text.substr(Utf8Length(text, 0), 2) == ":\\") {
    return {ClipTextKind::Path, whole, kClick};
  }
  if (text.find('/') != std::string_view::npos) {
    return {ClipTextKind::LooseUrl, "http://" + whole, kClick};
  }
  if (text.substr(0, wendora::kWaitTimeCommand.size()) == wendora::kWaitTimeCommand) {
    const bool fits =
        wendora::Int32Value(text.substr(wendora::kWaitTimeCommand.size())).has_value();
    return {fits ? ClipTextKind::WaitTimeCommand : ClipTextKind::IgnoredCommand, {}, kDefault};
  }
  if (text == wendora::kChangeSettingCommand) {
    return {ClipTextKind::ChangeSettingCommand, {}, kDefault};
  }
  if (text == wendora::kExitCommand) {
    return {ClipTextKind::ExitCommand, {}, kDefault};
  }
  if (text == wendora::kPauseCommand) {
    return {ClipTextKind::PauseCommand, {}, kDefault};
  }
  if (text == wendora::kResumeCommand) {
    return {ClipTextKind::ResumeCommand, {}, kDefault};
  }
  return {ClipTextKind::NotRecognised, {}, ModeRule::None};
}

// A target of at most this many bytes has at most as many UTF-16 units, so
// it is never too long to open.
constexpr std::size_t kShortTargetBytes = 32767;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  g_text = text;
  const wendora::Classification got = wendora::ClassifyClipboardText(text);

  switch (got.kind) {
    case ClipTextKind::Url:
    case ClipTextKind::Path:
    case ClipTextKind::LooseUrl: {
      const std::string_view target = got.target;
      const std::size_t front = target.size() - std::min(target.size(), text.size());
      const std::string_view prefix = target.substr(0, front);
      if (target.size() < text.size() || target.substr(front) != text ||
          !(prefix.empty() || prefix == "h" || prefix == "ht" || prefix == "http://")) {
        Fail("the target is not the whole text behind \"\", \"h\", \"ht\" or \"http://\"", got);
      }
      break;
    }
    default:
      if (!got.target.empty()) {
        Fail("a command word or unrecognised text has a target", got);
      }
      break;
  }

  if (size + 7 <= kShortTargetBytes && IsValidUtf8(text)) {
    const Expected expected = Recognise(text);
    if (got.kind != expected.kind) {
      Fail("not the kind the table gives", got);
    }
    if (got.target != expected.target) {
      Fail("not the target the table gives", got);
    }
    // Whether an address or path waits for a click; the mode of anything
    // else is not the table's business.
    if (!expected.target.empty() && got.mode != expected.mode) {
      Fail("not the mode the table gives", got);
    }
  }
  return 0;
}
