// Fuzzes the recognition of clipboard text: the whole input is the text, valid
// UTF-8 or not, recognised by both rules for texts with a slash. Whatever the
// text:
//   - a command word is recognised exactly as it stands, whole and in its
//     letter case, and no other kind has a command word's value;
//   - an address or path has a target and a display free of control,
//     invisible and direction characters, at most as long as the shell can
//     open, a display that shows no user name, and a front that lies in it;
//   - the target of an address or path, copied again, is recognised as the
//     same address or path, and a plain http(s) address may run by itself
//     only when it is shown as it opens;
//   - a text with a slash, without a scheme or a path's shape, is a loose
//     address by the original rule whenever it holds no hidden characters
//     and its front is no name in other characters broken by punctuation.
// For valid UTF-8 text the front of an address is what the banner shows of
// its host.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/number.h"
#include "base/text.h"
#include "watcher/address.h"
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

// Whether the text starts with a scheme (or "www."), whose own rules come
// before those of loose addresses.
bool HasScheme(std::string_view text) {
  for (const char* front :
       {"file:", "http://", "https://", "ttp://", "ttps://", "tp://", "tps://", "www."}) {
    if (StartsWithAnyCase(text, front)) {
      return true;
    }
  }
  return false;
}

bool IsCommandWord(std::string_view text) {
  return text == wendora::kChangeSettingCommand || text == wendora::kExitCommand ||
         text == wendora::kPauseCommand || text == wendora::kResumeCommand ||
         text.substr(0, wendora::kWaitTimeCommand.size()) == wendora::kWaitTimeCommand;
}

bool IsAddressOrPath(ClipTextKind kind) {
  return kind == ClipTextKind::Url || kind == ClipTextKind::Path || kind == ClipTextKind::LooseUrl;
}

void Check(std::string_view text, const wendora::RecognitionRules& rules) {
  const wendora::Classification got = wendora::ClassifyClipboardText(text, rules);
  if (!IsAddressOrPath(got.kind)) {
    if (!got.target.empty() || !got.display.empty()) {
      Fail("a command word or unrecognised text has a target", got);
    }
    const bool command = got.kind != ClipTextKind::NotRecognised;
    if (command != IsCommandWord(text)) {
      Fail("a command word not as it stands", got);
    }
    if ((got.kind == ClipTextKind::WaitTimeCommand) !=
        (IsCommandWord(text) &&
         text.substr(0, wendora::kWaitTimeCommand.size()) == wendora::kWaitTimeCommand &&
         wendora::Int32Value(text.substr(wendora::kWaitTimeCommand.size())).has_value())) {
      Fail("a wait-time command not as its number says", got);
    }
    // A text with a slash and no hidden characters is an address by the
    // original rule, unless it has a scheme that makes it none, is a
    // network path of a kind that is refused, or its front is a name in
    // other characters broken by punctuation.
    const std::string_view trimmed = wendora::WithoutEnds(text);
    if (rules.any_text_with_slash && trimmed.find('/') != std::string_view::npos &&
        !wendora::HoldsHiddenCharacters(trimmed) && !HasScheme(trimmed) &&
        trimmed.substr(0, 2) != "\\\\" && IsValidUtf8(trimmed) && trimmed.size() < 30000 &&
        !wendora::ViewAddress("http://" + std::string(trimmed)).broken_host) {
      Fail("a text with a slash is no address by the original rule", got);
    }
    return;
  }
  if (got.wait_time != 0 || got.target.empty() || got.display.empty()) {
    Fail("an address or path without its target", got);
  }
  if (wendora::HoldsHiddenCharacters(got.target) || wendora::HoldsHiddenCharacters(got.display)) {
    Fail("a hidden character in what is opened or shown", got);
  }
  if (wendora::Utf16Length(got.target) > wendora::kMaxTargetUnits ||
      got.display_front > got.display.size()) {
    Fail("a target too long or a front beyond the display", got);
  }
  if (got.kind != ClipTextKind::Path && wendora::SplitAddress(got.display).has_user_info) {
    Fail("a user name shown", got);
  }
  if (got.mode == ModeRule::FollowDefaultAction &&
      (got.kind != ClipTextKind::Url || got.has_user_info || got.display != got.target)) {
    Fail("runs by itself although it is not shown as it opens", got);
  }
  const wendora::Classification again = wendora::ClassifyClipboardText(got.target, rules);
  const bool same_kind = got.kind == ClipTextKind::Path ? again.kind == ClipTextKind::Path
                                                        : again.kind == ClipTextKind::Url;
  if (!same_kind || again.target != got.target) {
    Fail("the target copied again is another address or path", got);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  g_text = text;
  Check(text, wendora::RecognitionRules{false});
  Check(text, wendora::RecognitionRules{true});
  return 0;
}
