#include "settings/profile.h"

#include <cstdint>
#include <vector>

#include "platform/platform.h"

namespace wendora {
namespace {

constexpr std::string_view kNewLine = "\r\n";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16Bom = "\xFF\xFE";  // little-endian, as Notepad writes it

// A file saved as "Unicode" is UTF-16: it is read and rewritten as such.
std::string Utf16ToUtf8(std::string_view bytes) {
  std::string out;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    std::uint32_t c = static_cast<unsigned char>(bytes[i]) |
                      (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 1])) << 8);
    if (c >= 0xD800 && c < 0xDC00 && i + 3 < bytes.size()) {
      const std::uint32_t low =
          static_cast<unsigned char>(bytes[i + 2]) |
          (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i + 3])) << 8);
      if (low >= 0xDC00 && low < 0xE000) {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
    }
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
  return out;
}

std::string Utf8ToUtf16(std::string_view text) {
  std::string out;
  const auto unit = [&out](std::uint32_t u) {
    out += static_cast<char>(u & 0xFF);
    out += static_cast<char>(u >> 8);
  };
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::uint32_t c = lead;
    std::size_t length = 1;
    if (lead >= 0xF0 && i + 3 < text.size()) {
      c = ((lead & 0x07u) << 18) | ((text[i + 1] & 0x3Fu) << 12) | ((text[i + 2] & 0x3Fu) << 6) |
          (text[i + 3] & 0x3Fu);
      length = 4;
    } else if (lead >= 0xE0 && i + 2 < text.size()) {
      c = ((lead & 0x0Fu) << 12) | ((text[i + 1] & 0x3Fu) << 6) | (text[i + 2] & 0x3Fu);
      length = 3;
    } else if (lead >= 0xC0 && i + 1 < text.size()) {
      c = ((lead & 0x1Fu) << 6) | (text[i + 1] & 0x3Fu);
      length = 2;
    }
    if (c >= 0x10000) {
      unit(0xD800 + ((c - 0x10000) >> 10));
      unit(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      unit(c);
    }
    i += length;
  }
  return out;
}

struct Line {
  std::string_view text;  // without its line end
  std::string_view end;   // "\r\n", "\n", "\r" or empty for a last line without one
};

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\f' || c == '\v' || c == '\x1a';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) {
    s.remove_prefix(1);
  }
  while (!s.empty() && IsBlank(s.back())) {
    s.remove_suffix(1);
  }
  return s;
}

char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) {
      return false;
    }
  }
  return true;
}

std::vector<Line> SplitLines(std::string_view content) {
  std::vector<Line> lines;
  std::size_t pos = 0;
  while (pos < content.size()) {
    std::size_t stop = content.find_first_of("\r\n", pos);
    if (stop == std::string_view::npos) {
      lines.push_back({content.substr(pos), {}});
      break;
    }
    std::size_t after = stop + 1;
    if (content[stop] == '\r' && after < content.size() && content[after] == '\n') {
      ++after;
    }
    lines.push_back({content.substr(pos, stop - pos), content.substr(stop, after - stop)});
    pos = after;
  }
  return lines;
}

// The name of a section header line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view text) {
  text = Trim(text);
  if (text.empty() || text.front() != '[') {
    return std::nullopt;
  }
  const std::size_t close = text.find(']');
  if (close == std::string_view::npos) {
    return std::nullopt;
  }
  return Trim(text.substr(1, close - 1));
}

struct KeyLine {
  std::string_view name;
  std::string_view value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view text) {
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) {
    return std::nullopt;
  }
  return KeyLine{Trim(text.substr(0, equals)), Trim(text.substr(equals + 1))};
}

// Where a section lies in the list of lines: its header and the first line
// after it that belongs to the next section (or the end).
struct SectionSpan {
  std::size_t header;
  std::size_t end;
};

std::optional<SectionSpan> FindSection(const std::vector<Line>& lines, std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = SectionName(lines[i].text);
    if (name && SameName(*name, section)) {
      std::size_t end = i + 1;
      while (end < lines.size() && !SectionName(lines[end].text)) {
        ++end;
      }
      return SectionSpan{i, end};
    }
  }
  return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<Line>& lines, SectionSpan span,
                                   std::string_view key) {
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    const auto line = ParseKeyLine(lines[i].text);
    if (line && SameName(line->name, key)) {
      return i;
    }
  }
  return std::nullopt;
}

std::string_view StripQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// The first `count` characters of UTF-8 text, counted as the system's
// wide-character functions count them (a character outside the basic plane
// counts twice). A byte that does not start a valid sequence counts once.
std::string_view CutToChars(std::string_view text, std::size_t count) {
  std::size_t pos = 0;
  std::size_t units = 0;
  while (pos < text.size()) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 1;
    if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
    } else if (lead >= 0xE0) {
      length = 3;
    } else if (lead >= 0xC2 && lead < 0xE0) {
      length = 2;
    }
    if (lead >= 0xF5 || pos + length > text.size()) {
      length = 1;
    }
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[pos + k]) & 0xC0) != 0x80) {
        length = 1;
        break;
      }
    }
    const std::size_t width = length == 4 ? 2 : 1;
    if (units + width > count) {
      break;
    }
    units += width;
    pos += length;
  }
  return text.substr(0, pos);
}

std::string KeyLineText(std::string_view key, std::string_view value) {
  std::string text;
  text.reserve(key.size() + 1 + value.size());
  text.append(key).append("=").append(value);
  return text;
}

std::string Join(const std::vector<Line>& lines, std::string_view prefix) {
  std::string out(prefix);
  for (const Line& line : lines) {
    out.append(line.text);
    out.append(line.end);
  }
  return out;
}

}  // namespace

std::optional<std::string> ProfileLookup(std::string_view content, std::string_view section,
                                         std::string_view key) {
  if (content.substr(0, kUtf16Bom.size()) == kUtf16Bom) {
    return ProfileLookup(Utf16ToUtf8(content.substr(kUtf16Bom.size())), section, key);
  }
  if (content.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
    content.remove_prefix(kUtf8Bom.size());
  }
  const std::vector<Line> lines = SplitLines(content);
  const auto span = FindSection(lines, section);
  if (!span) {
    return std::nullopt;
  }
  const auto index = FindKey(lines, *span, key);
  if (!index) {
    return std::nullopt;
  }
  const std::string_view value = ParseKeyLine(lines[*index].text)->value;
  return std::string(CutToChars(StripQuotes(value), kProfileValueMaxChars));
}

std::string ProfileAssign(std::string_view content, std::string_view section, std::string_view key,
                          std::string_view value) {
  if (content.substr(0, kUtf16Bom.size()) == kUtf16Bom) {
    const std::string text = Utf16ToUtf8(content.substr(kUtf16Bom.size()));
    return std::string(kUtf16Bom) + Utf8ToUtf16(ProfileAssign(text, section, key, value));
  }
  std::string_view bom;
  if (content.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
    bom = kUtf8Bom;
    content.remove_prefix(kUtf8Bom.size());
  }
  std::vector<Line> lines = SplitLines(content);
  std::string replaced;  // owns the text of the one line that changes

  const auto span = FindSection(lines, section);
  if (!span) {
    if (!lines.empty() && lines.back().end.empty()) {
      lines.back().end = kNewLine;
    }
    std::string out = Join(lines, bom);
    out.append("[").append(section).append("]").append(kNewLine);
    out.append(KeyLineText(key, value)).append(kNewLine);
    return out;
  }

  if (const auto index = FindKey(lines, *span, key)) {
    // The key keeps its spelling and its place; only the value changes.
    replaced = KeyLineText(ParseKeyLine(lines[*index].text)->name, value);
    lines[*index].text = replaced;
    if (lines[*index].end.empty()) {
      lines[*index].end = kNewLine;
    }
    return Join(lines, bom);
  }

  // A new key goes after the section's last non-blank line.
  std::size_t insert_at = span->end;
  while (insert_at > span->header + 1 && Trim(lines[insert_at - 1].text).empty()) {
    --insert_at;
  }
  if (lines[insert_at - 1].end.empty()) {
    lines[insert_at - 1].end = kNewLine;
  }
  replaced = KeyLineText(key, value);
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insert_at), Line{replaced, kNewLine});
  return Join(lines, bom);
}

std::string ReadINI(platform::Platform& platform, std::string_view section, std::string_view key,
                    std::string_view default_value, const std::string& file) {
  const platform::FileContent content = platform.ReadFile(file);
  if (content.status == platform::FileStatus::kRead) {
    if (auto value = ProfileLookup(content.bytes, section, key)) {
      return *value;
    }
  }
  return std::string(CutToChars(default_value, kProfileValueMaxChars));
}

void WriteINI(platform::Platform& platform, std::string_view value, std::string_view section,
              std::string_view key, const std::string& file) {
  const platform::FileContent content = platform.ReadFile(file);
  if (content.status == platform::FileStatus::kFailed) {
    return;  // never replace a file that exists but could not be read
  }
  // A failed write leaves the old file as it was; like the system's own
  // profile writer, the program does not report it.
  platform.ReplaceFileAtomically(file, ProfileAssign(content.bytes, section, key, value));
}

}  // namespace wendora
