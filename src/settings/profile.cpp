#include "settings/profile.h"

#include <cstdint>
#include <vector>

#include "base/text.h"
#include "platform/platform.h"

namespace wendora {
namespace {

constexpr std::string_view kNewLine = "\r\n";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16Bom = "\xFF\xFE";  // little-endian, as Notepad writes it

struct Line {
  std::string_view text;  // without its line end
  std::string_view end;   // "\r\n", "\n", "\r" or empty for a last line without one
};

// What the system's profile functions trim around names and values.
constexpr std::string_view kProfileBlanks = " \t\f\v\x1a";

std::string_view Trim(std::string_view s) {
  return wendora::Trim(s, kProfileBlanks);
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
    if (name && SameIgnoringAsciiCase(*name, section)) {
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
    if (line && SameIgnoringAsciiCase(line->name, key)) {
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
    return ProfileLookup(Utf16LeToUtf8(content.substr(kUtf16Bom.size())), section, key);
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
  return std::string(FirstUtf16Units(StripQuotes(value), kProfileValueMaxChars));
}

std::string ProfileAssign(std::string_view content, std::string_view section, std::string_view key,
                          std::string_view value) {
  if (content.substr(0, kUtf16Bom.size()) == kUtf16Bom) {
    const std::string text = Utf16LeToUtf8(content.substr(kUtf16Bom.size()));
    return std::string(kUtf16Bom) + Utf8ToUtf16Le(ProfileAssign(text, section, key, value));
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
  return std::string(FirstUtf16Units(default_value, kProfileValueMaxChars));
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
