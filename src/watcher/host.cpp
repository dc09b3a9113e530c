#include "watcher/host.h"

#include <algorithm>
#include <array>
#include <vector>

#include "base/text.h"
#include "watcher/punycode.h"

namespace wendora {
namespace {

// What a range of characters is: letters of a script, characters that names
// may hold but that belong to no script (combining marks, the kana's sound
// marks, the prolonged sound mark), or characters no name holds
// (punctuation, symbols, spaces).
enum class Kind : std::uint8_t { kLetter, kShared, kNoName };

struct Range {
  std::uint32_t first;
  std::uint32_t last;
  Kind kind;
  Script script;
};

constexpr Range L(std::uint32_t first, std::uint32_t last, Script script) {
  return {first, last, Kind::kLetter, script};
}
constexpr Range Shared(std::uint32_t first, std::uint32_t last) {
  return {first, last, Kind::kShared, Script::kNone};
}
constexpr Range NoName(std::uint32_t first, std::uint32_t last) {
  return {first, last, Kind::kNoName, Script::kNone};
}

// Sorted by their first character; what no range holds above U+007F is a
// letter of a script of its own (Script::kOther, by its block).
constexpr Range kRanges[] = {
    NoName(0x0000, 0x002C),
    Shared(0x002D, 0x002D),  // the hyphen
    NoName(0x002E, 0x002F),
    Shared(0x0030, 0x0039),  // digits
    NoName(0x003A, 0x0040),
    L(0x0041, 0x005A, Script::kLatin),
    NoName(0x005B, 0x0060),
    L(0x0061, 0x007A, Script::kLatin),
    NoName(0x007B, 0x00A9),
    L(0x00AA, 0x00AA, Script::kLatin),
    NoName(0x00AB, 0x00B9),
    L(0x00BA, 0x00BA, Script::kLatin),
    NoName(0x00BB, 0x00BF),
    L(0x00C0, 0x00D6, Script::kLatin),
    NoName(0x00D7, 0x00D7),
    L(0x00D8, 0x00F6, Script::kLatin),
    NoName(0x00F7, 0x00F7),
    L(0x00F8, 0x02AF, Script::kLatin),
    NoName(0x02B0, 0x02FF),  // modifier letters
    Shared(0x0300, 0x036F),  // combining marks
    L(0x0370, 0x03FF, Script::kGreek),
    L(0x0400, 0x052F, Script::kCyrillic),
    L(0x0530, 0x058F, Script::kArmenian),
    L(0x0590, 0x05FF, Script::kHebrew),
    L(0x0600, 0x06FF, Script::kArabic),
    L(0x0750, 0x077F, Script::kArabic),
    L(0x08A0, 0x08FF, Script::kArabic),
    L(0x0900, 0x097F, Script::kDevanagari),
    L(0x0E00, 0x0E7F, Script::kThai),
    L(0x10A0, 0x10FF, Script::kGeorgian),
    L(0x1100, 0x11FF, Script::kHangul),
    L(0x1C80, 0x1C8F, Script::kCyrillic),
    L(0x1D00, 0x1DBF, Script::kLatin),  // phonetic letters
    Shared(0x1DC0, 0x1DFF),             // combining marks
    L(0x1E00, 0x1EFF, Script::kLatin),
    L(0x1F00, 0x1FFF, Script::kGreek),
    NoName(0x2000, 0x2BFF),  // punctuation, symbols, arrows, shapes
    L(0x2C60, 0x2C7F, Script::kLatin),
    L(0x2DE0, 0x2DFF, Script::kCyrillic),
    NoName(0x2E00, 0x2E7F),  // more punctuation
    L(0x2E80, 0x2FDF, Script::kHan),
    NoName(0x2FE0, 0x3004),  // the ideographic space and marks
    L(0x3005, 0x3005, Script::kHan),
    NoName(0x3006, 0x3006),
    L(0x3007, 0x3007, Script::kHan),
    NoName(0x3008, 0x3020),  // brackets, the postal mark
    L(0x3021, 0x3029, Script::kHan),
    Shared(0x302A, 0x302F),
    NoName(0x3030, 0x3037),
    L(0x3038, 0x303B, Script::kHan),
    NoName(0x303C, 0x3040),
    L(0x3041, 0x3096, Script::kHiragana),
    NoName(0x3097, 0x3098),
    Shared(0x3099, 0x309C),  // the kana's sound marks
    L(0x309D, 0x309F, Script::kHiragana),
    NoName(0x30A0, 0x30A0),
    L(0x30A1, 0x30FA, Script::kKatakana),
    NoName(0x30FB, 0x30FB),  // the middle dot
    Shared(0x30FC, 0x30FC),  // the prolonged sound mark
    L(0x30FD, 0x30FF, Script::kKatakana),
    L(0x3100, 0x312F, Script::kBopomofo),
    L(0x3130, 0x318F, Script::kHangul),
    L(0x31A0, 0x31BF, Script::kBopomofo),
    L(0x31F0, 0x31FF, Script::kKatakana),
    NoName(0x3200, 0x33FF),  // enclosed letters, squared words
    L(0x3400, 0x4DBF, Script::kHan),
    NoName(0x4DC0, 0x4DFF),
    L(0x4E00, 0x9FFF, Script::kHan),
    L(0xA640, 0xA69F, Script::kCyrillic),
    L(0xA720, 0xA7FF, Script::kLatin),
    L(0xAB30, 0xAB6F, Script::kLatin),
    L(0xAC00, 0xD7AF, Script::kHangul),
    NoName(0xD800, 0xF8FF),  // surrogates, private use
    L(0xF900, 0xFAFF, Script::kHan),
    L(0xFB1D, 0xFB4F, Script::kHebrew),
    L(0xFB50, 0xFDFF, Script::kArabic),
    NoName(0xFE00, 0xFE6F),  // variation selectors, compatibility forms
    L(0xFE70, 0xFEFE, Script::kArabic),
    NoName(0xFEFF, 0xFF20),  // full-width punctuation and digits
    L(0xFF21, 0xFF3A, Script::kLatin),
    NoName(0xFF3B, 0xFF40),
    L(0xFF41, 0xFF5A, Script::kLatin),
    NoName(0xFF5B, 0xFF65),
    L(0xFF66, 0xFF6F, Script::kKatakana),
    Shared(0xFF70, 0xFF70),
    L(0xFF71, 0xFF9D, Script::kKatakana),
    Shared(0xFF9E, 0xFF9F),
    L(0xFFA0, 0xFFDC, Script::kHangul),
    NoName(0xFFDD, 0xFFFF),
    L(0x20000, 0x3134F, Script::kHan),
    NoName(0xE0000, 0x10FFFF),  // tags, private use
};

const Range* RangeOf(std::uint32_t c) {
  const auto after = std::upper_bound(std::begin(kRanges), std::end(kRanges), c,
                                      [](std::uint32_t x, const Range& r) { return x < r.first; });
  if (after == std::begin(kRanges)) {
    return nullptr;
  }
  const Range* range = &*(after - 1);
  return c <= range->last ? range : nullptr;
}

bool IsNameCharacter(std::uint32_t c) {
  const Range* range = RangeOf(c);
  return range == nullptr ? c >= 0x80 : range->kind != Kind::kNoName;
}

// The separators of labels: the full stop, and the ideographic, full-width
// and half-width ideographic full stops.
bool IsLabelSeparator(std::uint32_t c) {
  return c == '.' || c == 0x3002 || c == 0xFF0E || c == 0xFF61;
}

std::vector<std::vector<std::uint32_t>> Labels(std::string_view host) {
  std::vector<std::vector<std::uint32_t>> labels(1);
  for (const std::uint32_t c : CodePoints(host)) {
    if (IsLabelSeparator(c)) {
      labels.emplace_back();
    } else {
      labels.back().push_back(c);
    }
  }
  return labels;
}

// The scripts a label uses, as a set of bits; each block of other letters
// has a bit of its own beyond the named scripts.
struct Scripts {
  std::uint32_t named = 0;
  std::vector<std::uint32_t> other_blocks;

  void Add(ScriptOfCharacter s) {
    if (s.script == Script::kOther) {
      if (std::find(other_blocks.begin(), other_blocks.end(), s.block) == other_blocks.end()) {
        other_blocks.push_back(s.block);
      }
    } else if (s.script != Script::kNone) {
      named |= Bit(s.script);
    }
  }
  static constexpr std::uint32_t Bit(Script s) { return 1u << static_cast<unsigned>(s); }
  bool Has(Script s) const { return (named & Bit(s)) != 0; }
  std::size_t Count() const {
    std::size_t count = other_blocks.size();
    for (std::uint32_t bits = named; bits != 0; bits &= bits - 1) {
      ++count;
    }
    return count;
  }
};

// Whether a label keeps to one script, or to a mix that a language uses.
bool ShowsAsItIs(const Scripts& scripts) {
  if (scripts.Count() <= 1) {
    return true;
  }
  if (!scripts.other_blocks.empty()) {
    return false;
  }
  using S = Script;
  const std::uint32_t latin_han = Scripts::Bit(S::kLatin) | Scripts::Bit(S::kHan);
  for (const std::uint32_t allowed :
       {latin_han | Scripts::Bit(S::kHiragana) | Scripts::Bit(S::kKatakana),
        latin_han | Scripts::Bit(S::kBopomofo), latin_han | Scripts::Bit(S::kHangul)}) {
    if ((scripts.named & ~allowed) == 0) {
      return true;
    }
  }
  return false;
}

// The small letter of a capital one, for the scripts that lookalike names
// use (Latin, Greek, Cyrillic), as browsers map a name before they encode
// it: "Аpple" with a capital Cyrillic A is the same name as "аpple".
std::uint32_t SmallLetter(std::uint32_t c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ||
      (c >= 0x391 && c <= 0x3AB && c != 0x3A2) || (c >= 0x410 && c <= 0x42F)) {
    return c + 0x20;
  }
  if (c >= 0x400 && c <= 0x40F) {
    return c + 0x50;
  }
  // Latin Extended-A and Cyrillic's later letters pair a capital with the
  // small letter after it.
  const bool even_pairs = (c >= 0x100 && c <= 0x137 && c != 0x130) || (c >= 0x14A && c <= 0x177) ||
                          (c >= 0x460 && c <= 0x481) || (c >= 0x48A && c <= 0x4BF) ||
                          (c >= 0x4D0 && c <= 0x52F);
  const bool odd_pairs =
      (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E) || (c >= 0x4C1 && c <= 0x4CE);
  if ((even_pairs && c % 2 == 0) || (odd_pairs && c % 2 == 1)) {
    return c + 1;
  }
  switch (c) {
    case 0x178:
      return 0xFF;  // Ÿ
    case 0x386:
      return 0x3AC;
    case 0x388:
    case 0x389:
    case 0x38A:
      return c + 0x25;
    case 0x38C:
      return 0x3CC;
    case 0x38E:
    case 0x38F:
      return c + 0x3F;
    case 0x4C0:
      return 0x4CF;
    default:
      return c;
  }
}

bool AllDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsPort(std::string_view text) {
  return AllDigits(text) && text.size() <= 5 && std::stoul(std::string(text)) <= 65535;
}

bool IsIpv4(std::string_view text) {
  int parts = 0;
  while (true) {
    const std::size_t dot = text.find('.');
    const std::string_view part = text.substr(0, dot);
    if (!AllDigits(part) || part.size() > 3 || std::stoi(std::string(part)) > 255) {
      return false;
    }
    ++parts;
    if (dot == std::string_view::npos) {
      return parts == 4;
    }
    text.remove_prefix(dot + 1);
  }
}

bool IsIpv6(std::string_view text) {
  // Hexadecimal groups and colons, with an IPv4 address at the end allowed.
  if (std::count(text.begin(), text.end(), ':') < 2) {
    return false;
  }
  const std::size_t last_colon = text.rfind(':');
  std::string_view tail = text.substr(last_colon + 1);
  if (tail.find('.') != std::string_view::npos) {
    if (!IsIpv4(tail)) {
      return false;
    }
    text = text.substr(0, last_colon + 1);
  }
  return std::all_of(text.begin(), text.end(), [](char c) {
    return c == ':' || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
  });
}

bool IsName(std::string_view text) {
  const std::vector<std::vector<std::uint32_t>> labels = Labels(text);
  if (labels.size() < 2) {
    return false;
  }
  for (const auto& label : labels) {
    if (label.empty() || !std::all_of(label.begin(), label.end(), IsNameCharacter)) {
      return false;
    }
  }
  // A top-level domain is never a number: "1.5" or "2026.12" is no name.
  const auto& last = labels.back();
  return !std::all_of(last.begin(), last.end(),
                      [](std::uint32_t c) { return c >= '0' && c <= '9'; });
}

}  // namespace

ScriptOfCharacter ScriptOf(std::uint32_t c) {
  const Range* range = RangeOf(c);
  if (range == nullptr) {
    return c >= 0x80 ? ScriptOfCharacter{Script::kOther, c >> 7} : ScriptOfCharacter{};
  }
  return {range->kind == Kind::kLetter ? range->script : Script::kNone, 0};
}

HostView ViewHost(std::string_view host) {
  HostView view;
  Scripts whole;
  bool all_as_they_are = true;
  const std::vector<std::vector<std::uint32_t>> labels = Labels(host);
  for (const auto& label : labels) {
    Scripts scripts;
    bool ascii = true;
    bool name = true;
    for (const std::uint32_t c : label) {
      scripts.Add(ScriptOf(c));
      whole.Add(ScriptOf(c));
      ascii = ascii && c < 0x80;
      name = name && IsNameCharacter(c);
    }
    view.broken = view.broken || (!ascii && !name);
    all_as_they_are = all_as_they_are && ShowsAsItIs(scripts);
  }
  view.latin_with_lookalikes =
      whole.Has(Script::kLatin) && (whole.Has(Script::kCyrillic) || whole.Has(Script::kGreek));
  if (all_as_they_are) {
    view.shown = std::string(host);
    return view;
  }
  // Every label in other characters as Punycode, the ASCII ones as they are.
  view.punycode = true;
  for (std::size_t i = 0; i < labels.size(); ++i) {
    if (i > 0) {
      view.shown += '.';
    }
    const auto& label = labels[i];
    const bool ascii =
        std::all_of(label.begin(), label.end(), [](std::uint32_t c) { return c < 0x80; });
    std::vector<std::uint32_t> lower(label.size());
    std::transform(label.begin(), label.end(), lower.begin(), SmallLetter);
    if (ascii) {
      for (const std::uint32_t c : lower) {
        view.shown += static_cast<char>(c);
      }
    } else if (const auto encoded = PunycodeEncode(lower)) {
      view.shown += "xn--" + *encoded;
    } else {
      view.shown += "xn--";  // too long for any name: the shell cannot reach it either
    }
  }
  return view;
}

bool CanBeHost(std::string_view text) {
  if (!text.empty() && text.front() == '[') {
    const std::size_t close = text.find(']');
    if (close == std::string_view::npos || !IsIpv6(text.substr(1, close - 1))) {
      return false;
    }
    const std::string_view rest = text.substr(close + 1);
    return rest.empty() || (rest.front() == ':' && IsPort(rest.substr(1)));
  }
  const std::size_t colon = text.find(':');
  if (colon != std::string_view::npos && !IsPort(text.substr(colon + 1))) {
    return false;
  }
  const std::string_view host = text.substr(0, colon);
  return SameIgnoringAsciiCase(host, "localhost") || IsIpv4(host) || IsName(host);
}

}  // namespace wendora
