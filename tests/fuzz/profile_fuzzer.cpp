// Fuzzes the settings-file reader and writer (ProfileLookup, ProfileAssign) on
// arbitrary bytes, in every encoding the settings file can have, and checks
// the round trip: after writing K=V, K reads as V, and every other key of any
// section reads as it did before (and no new one appears). Writing the same
// value twice changes nothing, and the file keeps its encoding.
//
// The round trip is only checked where the file can carry the names and the
// value (see CanCarry): no line break anywhere; no ']' in the section name and
// no '=' in the key name, as these end the names; no blanks at the ends of
// either name, as the reader trims them; no key line that would look like a
// section header; and, in a UTF-16 file, valid UTF-8 text only. A value with
// blanks at its ends or in one pair of quotation marks reads back trimmed and
// stripped, and a long value reads back cut to kProfileValueMaxChars UTF-16
// code units; in a UTF-8 file, a value that is not valid UTF-8 and longer
// than that is not compared.
//
// Input layout:
//   byte 0        selector
//   section SEP key SEP value SEP content
// where SEP is 0x00, or 0x01 when selector bit 2 is set (so that names and
// values can hold a NUL byte too). The content is the rest of the input;
// selector bits 0-1 choose how its bytes become the file:
//   0  as they are (they may start with a byte-order mark of their own)
//   1  after the UTF-8 byte-order mark
//   2  read as UTF-8 text and stored as UTF-16LE after its byte-order mark
//      (a byte that starts no valid sequence becomes the code unit of its value)
//   3  after the UTF-16LE byte-order mark, as raw code units: lone surrogates
//      and an odd last byte included
// Selector bit 3 reads the key back with the letter case of both names swapped.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/profile.h"

namespace {

using wendora::kProfileValueMaxChars;
using wendora::ProfileAssign;
using wendora::ProfileLookup;

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16Bom = "\xFF\xFE";

// The inputs of the current run, printed when a check fails.
struct Run {
  std::string file;
  std::string section;
  std::string key;
  std::string value;
  std::string written;
};

std::string Escaped(std::string_view bytes) {
  std::string out = "\"";
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b == '\\' || b == '"') {
      out += '\\';
      out += c;
    } else if (b >= 0x20 && b < 0x7F) {
      out += c;
    } else {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", b);
      out += hex;
    }
  }
  return out + "\"";
}

std::string Shown(const std::optional<std::string>& value) {
  return value ? Escaped(*value) : "(missing)";
}

[[noreturn]] void Fail(const Run& run, const std::string& what) {
  std::fprintf(stderr,
               "profile round trip broken: %s\n  file:    %s\n  section: %s\n  key:     %s\n"
               "  value:   %s\n  written: %s\n",
               what.c_str(), Escaped(run.file).c_str(), Escaped(run.section).c_str(),
               Escaped(run.key).c_str(), Escaped(run.value).c_str(), Escaped(run.written).c_str());
  std::abort();
}

// The characters the reader strips from both ends of names and values.
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\f' || c == '\v' || c == '\x1a';
}

bool HasBlankEnds(std::string_view s) {
  return !s.empty() && (IsBlank(s.front()) || IsBlank(s.back()));
}

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) {
    s.remove_prefix(1);
  }
  while (!s.empty() && IsBlank(s.back())) {
    s.remove_suffix(1);
  }
  return s;
}

bool HasLineBreak(std::string_view s) {
  return s.find_first_of("\r\n") != std::string_view::npos;
}

char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string AsciiLowered(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    c = AsciiLower(c);
  }
  return out;
}

std::string AsciiCaseSwapped(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
    } else if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
    }
  }
  return out;
}

// One character of strictly valid UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF): its code point and length, or nothing.
struct Decoded {
  std::uint32_t code_point;
  std::size_t length;
};

std::optional<Decoded> DecodeUtf8(std::string_view s, std::size_t pos) {
  const auto b0 = static_cast<unsigned char>(s[pos]);
  if (b0 < 0x80) {
    return Decoded{b0, 1};
  }
  std::size_t length = 0;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    length = 2;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    length = 3;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    length = 4;
  } else {
    return std::nullopt;
  }
  constexpr std::uint32_t kLeadBits[] = {0, 0, 0x1F, 0x0F, 0x07};
  constexpr std::uint32_t kLowest[] = {0, 0, 0x80, 0x800, 0x10000};  // shorter forms are overlong
  std::uint32_t c = b0 & kLeadBits[length];
  const std::uint32_t lowest = kLowest[length];
  if (pos + length > s.size()) {
    return std::nullopt;
  }
  for (std::size_t k = 1; k < length; ++k) {
    const auto b = static_cast<unsigned char>(s[pos + k]);
    if ((b & 0xC0) != 0x80) {
      return std::nullopt;
    }
    c = (c << 6) | (b & 0x3Fu);
  }
  if (c < lowest || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) {
    return std::nullopt;
  }
  return Decoded{c, length};
}

bool IsValidUtf8(std::string_view s) {
  for (std::size_t pos = 0; pos < s.size();) {
    const auto d = DecodeUtf8(s, pos);
    if (!d) {
      return false;
    }
    pos += d->length;
  }
  return true;
}

void AppendUnit(std::string& out, std::uint32_t unit) {
  out += static_cast<char>(unit & 0xFF);
  out += static_cast<char>((unit >> 8) & 0xFF);
}

// UTF-8 text as UTF-16LE code units; a byte that starts no valid sequence
// becomes the code unit of its own value.
std::string ToUtf16(std::string_view text) {
  std::string out;
  for (std::size_t pos = 0; pos < text.size();) {
    const auto d = DecodeUtf8(text, pos);
    if (!d) {
      AppendUnit(out, static_cast<unsigned char>(text[pos]));
      ++pos;
    } else if (d->code_point >= 0x10000) {
      AppendUnit(out, 0xD800 + ((d->code_point - 0x10000) >> 10));
      AppendUnit(out, 0xDC00 + ((d->code_point - 0x10000) & 0x3FF));
      pos += d->length;
    } else {
      AppendUnit(out, d->code_point);
      pos += d->length;
    }
  }
  return out;
}

void AppendUtf8(std::string& out, std::uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The file's text as UTF-8, for finding the names in it: UTF-16 decoded (a
// lone surrogate as its three-byte form), a UTF-8 byte-order mark dropped.
std::string TextOf(std::string_view file) {
  if (file.substr(0, kUtf16Bom.size()) == kUtf16Bom) {
    file.remove_prefix(kUtf16Bom.size());
    std::string out;
    for (std::size_t i = 0; i + 1 < file.size(); i += 2) {
      std::uint32_t c = static_cast<unsigned char>(file[i]) |
                        (static_cast<std::uint32_t>(static_cast<unsigned char>(file[i + 1])) << 8);
      if (c >= 0xD800 && c < 0xDC00 && i + 3 < file.size()) {
        const std::uint32_t low =
            static_cast<unsigned char>(file[i + 2]) |
            (static_cast<std::uint32_t>(static_cast<unsigned char>(file[i + 3])) << 8);
        if (low >= 0xDC00 && low < 0xE000) {
          c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
          i += 2;
        }
      }
      AppendUtf8(out, c);
    }
    return out;
  }
  if (file.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
    file.remove_prefix(kUtf8Bom.size());
  }
  return std::string(file);
}

// The names a file holds, as its reader sees them: the section headers and,
// under each, its key lines. Names match in any letter case, so they are
// kept in lower case.
struct Names {
  std::vector<std::string> sections;
  std::vector<std::pair<std::string, std::string>> keys;  // section ("" before any), key
};

Names NamesIn(std::string_view text) {
  Names names;
  std::string current;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t stop = text.find_first_of("\r\n", pos);
    if (stop == std::string_view::npos) {
      stop = text.size();
    }
    const std::string_view line = text.substr(pos, stop - pos);
    const std::string_view trimmed = Trimmed(line);
    const std::size_t close = trimmed.find(']');
    if (!trimmed.empty() && trimmed.front() == '[' && close != std::string_view::npos) {
      current = AsciiLowered(Trimmed(trimmed.substr(1, close - 1)));
      names.sections.push_back(current);
    } else if (const std::size_t equals = line.find('='); equals != std::string_view::npos) {
      names.keys.emplace_back(current, AsciiLowered(Trimmed(line.substr(0, equals))));
    }
    pos = stop + 1;
  }
  return names;
}

// The (section, key) pairs worth reading before and after a write, each once,
// the written key left out. First every key name found anywhere, under the
// written section (where a write can do harm), then each key under its own
// header, then the written key under every other section. A read costs as
// much as the file is long, so the longer the file, the fewer pairs (a few
// dozen reads of a short file, never fewer than eight pairs).
using Pairs = std::set<std::pair<std::string, std::string>>;

Pairs PairsToCompare(const Names& before, const Names& after, const Run& run) {
  const std::size_t most_pairs = std::clamp<std::size_t>(32768 / (run.written.size() + 1), 8, 64);
  const std::string written_section = AsciiLowered(run.section);
  const std::string written_key = AsciiLowered(run.key);
  Pairs pairs;
  const auto add = [&](const std::string& section, const std::string& key) {
    if (pairs.size() < most_pairs && !(section == written_section && key == written_key)) {
      pairs.emplace(section, key);
    }
  };
  for (const Names* names : {&before, &after}) {
    for (const auto& entry : names->keys) {
      add(written_section, entry.second);
    }
  }
  for (const Names* names : {&before, &after}) {
    for (const auto& [section, key] : names->keys) {
      add(section, key);
    }
  }
  for (const Names* names : {&before, &after}) {
    for (const std::string& section : names->sections) {
      add(section, written_key);
    }
  }
  return pairs;
}

// The longest start of valid UTF-8 text that takes at most `count` UTF-16
// code units (a character outside the basic plane takes two), without
// splitting a character.
std::string CutToUnits(std::string_view text, std::size_t count) {
  std::size_t pos = 0;
  std::size_t units = 0;
  while (pos < text.size()) {
    const auto d = DecodeUtf8(text, pos);
    const std::size_t width = d->code_point >= 0x10000 ? 2 : 1;
    if (units + width > count) {
      break;
    }
    units += width;
    pos += d->length;
  }
  return std::string(text.substr(0, pos));
}

// The text the reader gives back for a value as it stands on its line, when
// that is known: valid UTF-8 is cut to kProfileValueMaxChars UTF-16 units;
// other bytes are never cut when there are no more of them than that.
std::optional<std::string> ExpectedRead(std::string_view value) {
  if (IsValidUtf8(value)) {
    return CutToUnits(value, kProfileValueMaxChars);
  }
  if (value.size() <= kProfileValueMaxChars) {
    return std::string(value);
  }
  return std::nullopt;
}

bool IsQuoted(std::string_view value) {
  return value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
         value.back() == value.front();
}

// Whether the file can carry the section, key and value at all: the header
// "[section]" and the line "key=value" must read back as one header and one
// key line with those names.
bool CanCarry(std::string_view section, std::string_view key, std::string_view value, bool utf16) {
  if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value)) {
    return false;  // a line break would start a new line
  }
  if (section.find(']') != std::string_view::npos || HasBlankEnds(section)) {
    return false;  // the header ends at the first ']'; its name is trimmed
  }
  if (key.find('=') != std::string_view::npos || HasBlankEnds(key)) {
    return false;  // the name ends at the first '='; it is trimmed
  }
  if (!key.empty() && key.front() == '[' &&
      (key.find(']') != std::string_view::npos || value.find(']') != std::string_view::npos)) {
    return false;  // "[k]=v" or "[k=]" would be a section header
  }
  if (utf16 && !(IsValidUtf8(section) && IsValidUtf8(key) && IsValidUtf8(value))) {
    return false;  // a UTF-16 file holds text, not arbitrary bytes
  }
  return true;
}

std::optional<std::string_view> NextField(std::string_view& rest, char separator) {
  const std::size_t at = rest.find(separator);
  if (at == std::string_view::npos) {
    return std::nullopt;
  }
  const std::string_view field = rest.substr(0, at);
  rest.remove_prefix(at + 1);
  return field;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) {
    return 0;
  }
  const unsigned selector = data[0];
  const char separator = (selector & 4) ? '\x01' : '\0';
  std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  const auto section = NextField(rest, separator);
  const auto key = section ? NextField(rest, separator) : std::nullopt;
  const auto value = key ? NextField(rest, separator) : std::nullopt;
  if (!value) {
    return 0;
  }

  Run run;
  run.section = std::string(*section);
  run.key = std::string(*key);
  run.value = std::string(*value);
  switch (selector & 3) {
    case 0:
      run.file = std::string(rest);
      break;
    case 1:
      run.file = std::string(kUtf8Bom) + std::string(rest);
      break;
    case 2:
      run.file = std::string(kUtf16Bom) + ToUtf16(rest);
      break;
    default:
      run.file = std::string(kUtf16Bom) + std::string(rest);
      break;
  }
  const bool utf16 = run.file.substr(0, kUtf16Bom.size()) == kUtf16Bom;
  const bool utf8_bom = run.file.substr(0, kUtf8Bom.size()) == kUtf8Bom;

  run.written = ProfileAssign(run.file, run.section, run.key, run.value);

  // The file keeps its encoding, whatever was written.
  if (utf16 && (run.written.substr(0, 2) != kUtf16Bom || run.written.size() % 2 != 0)) {
    Fail(run, "a UTF-16 file is no longer UTF-16");
  }
  if (utf8_bom && run.written.substr(0, 3) != kUtf8Bom) {
    Fail(run, "the UTF-8 byte-order mark was lost");
  }
  if (!utf16 && run.written.substr(0, 2) == kUtf16Bom) {
    Fail(run, "a UTF-8 file turned into UTF-16");
  }

  const bool swap_case = (selector & 8) != 0;
  const std::string read_section = swap_case ? AsciiCaseSwapped(run.section) : run.section;
  const std::string read_key = swap_case ? AsciiCaseSwapped(run.key) : run.key;
  const auto read = ProfileLookup(run.written, read_section, read_key);

  if (!CanCarry(run.section, run.key, run.value, utf16)) {
    return 0;  // the file cannot hold this key: only crashes count
  }

  // The written key reads back.
  if (!read) {
    Fail(run, "the written key is missing");
  }
  // A value with blanks at its ends or in a pair of quotation marks cannot
  // come back as written: the reader trims it and then strips one pair.
  std::string_view stored = Trimmed(run.value);
  if (IsQuoted(stored)) {
    stored = stored.substr(1, stored.size() - 2);
  }
  if (const auto expected = ExpectedRead(stored); expected && *read != *expected) {
    Fail(run, "the written key reads " + Shown(read) + ", expected " + Shown(expected));
  }

  // Writing the same value again changes nothing.
  if (ProfileAssign(run.written, run.section, run.key, run.value) != run.written) {
    Fail(run, "writing the same value twice changes the file");
  }

  // Every other key reads as before: those found in the old file and those
  // found in the new one (nothing else may appear).
  const Pairs pairs = PairsToCompare(NamesIn(TextOf(run.file)), NamesIn(TextOf(run.written)), run);
  for (const auto& [other_section, other_key] : pairs) {
    const auto before = ProfileLookup(run.file, other_section, other_key);
    const auto after = ProfileLookup(run.written, other_section, other_key);
    if (before != after) {
      Fail(run, "[" + Escaped(other_section) + "] " + Escaped(other_key) + " read " +
                    Shown(before) + " before and " + Shown(after) + " after");
    }
  }
  return 0;
}
