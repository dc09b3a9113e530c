#include "base/text.h"

#include <algorithm>
#include <cstdint>

namespace wendora {
namespace {

std::uint32_t Byte(std::string_view text, std::size_t pos) {
  return static_cast<unsigned char>(text[pos]);
}

}  // namespace

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

namespace {

void AppendUtf16Unit(std::string& out, std::uint32_t unit) {
  out += static_cast<char>(unit & 0xFF);
  out += static_cast<char>(unit >> 8);
}

}  // namespace

char AsciiLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string AsciiLower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](char c) { return AsciiLower(c); });
  return text;
}

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return AsciiLower(x) == AsciiLower(y);
         });
}

std::string_view Trim(std::string_view text, std::string_view blanks) {
  const std::size_t begin = text.find_first_not_of(blanks);
  if (begin == std::string_view::npos) {
    return {};
  }
  return text.substr(begin, text.find_last_not_of(blanks) - begin + 1);
}

std::vector<std::string_view> ListItems(std::string_view list) {
  std::vector<std::string_view> items;
  while (!list.empty()) {
    const std::size_t end = list.find(';');
    const std::string_view item = Trim(list.substr(0, end), " \t");
    if (!item.empty()) {
      items.push_back(item);
    }
    list = end == std::string_view::npos ? std::string_view() : list.substr(end + 1);
  }
  return items;
}

std::size_t CharacterLength(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  std::size_t length = 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
  }
  if (pos + length > text.size()) {
    return 1;
  }
  for (std::size_t k = 1; k < length; ++k) {
    if ((static_cast<unsigned char>(text[pos + k]) & 0xC0) != 0x80) {
      return 1;
    }
  }
  return length;
}

std::uint32_t CodePointAt(std::string_view text, std::size_t pos) {
  const std::size_t length = CharacterLength(text, pos);
  std::uint32_t c = Byte(text, pos);
  if (length == 2) {
    c = ((c & 0x1F) << 6) | (Byte(text, pos + 1) & 0x3F);
  } else if (length == 3) {
    c = ((c & 0x0F) << 12) | ((Byte(text, pos + 1) & 0x3F) << 6) | (Byte(text, pos + 2) & 0x3F);
  } else if (length == 4) {
    c = ((c & 0x07) << 18) | ((Byte(text, pos + 1) & 0x3F) << 12) |
        ((Byte(text, pos + 2) & 0x3F) << 6) | (Byte(text, pos + 3) & 0x3F);
  }
  return c;
}

namespace {

bool IsHidden(std::uint32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) ||       // control characters
         c == 0xAD || c == 0x34F || c == 0x61C ||      // soft hyphen, grapheme joiner, letter mark
         c == 0x115F || c == 0x1160 || c == 0x3164 ||  // the Hangul fillers
         c == 0xFFA0 || c == 0x17B4 || c == 0x17B5 ||  // the half-width filler, Khmer vowels
         (c >= 0x180B && c <= 0x180F) ||               // Mongolian selectors and vowel separator
         (c >= 0x200B && c <= 0x200F) ||               // zero-width characters, direction marks
         (c >= 0x2028 && c <= 0x202E) ||               // line and paragraph separators, embeddings
         (c >= 0x2060 && c <= 0x206F) ||               // word joiner, invisible operators, isolates
         (c >= 0xFE00 && c <= 0xFE0F) ||               // variation selectors
         c == 0xFEFF ||                                // the zero-width no-break space
         (c >= 0xFFF0 && c <= 0xFFF8) || (c >= 0x1BCA0 && c <= 0x1BCA3) ||
         (c >= 0x1D173 && c <= 0x1D17A) ||  // shorthand and musical format controls
         (c >= 0xE0000 && c <= 0xE0FFF);    // tags and more variation selectors
}

}  // namespace

bool HoldsHiddenCharacters(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size(); pos += CharacterLength(text, pos)) {
    if (IsHidden(CodePointAt(text, pos))) {
      return true;
    }
  }
  return false;
}

bool IsWellFormedUtf8(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = CharacterLength(text, pos);
    const std::uint32_t c = CodePointAt(text, pos);
    const std::uint32_t lowest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if ((length == 1 && c >= 0x80) || (length > 1 && c < lowest) || c > 0x10FFFF ||
        (c >= 0xD800 && c < 0xE000)) {
      return false;
    }
    pos += length;
  }
  return true;
}

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  c = AsciiLower(c);
  return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

}  // namespace

std::optional<std::string> PercentDecoded(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    const int high = i + 2 < text.size() ? HexValue(text[i + 1]) : -1;
    const int low = high >= 0 ? HexValue(text[i + 2]) : -1;
    if (low < 0) {
      return std::nullopt;
    }
    out += static_cast<char>(high * 16 + low);
    i += 2;
  }
  if (!IsWellFormedUtf8(out)) {
    return std::nullopt;
  }
  return out;
}

std::vector<std::uint32_t> CodePoints(std::string_view text) {
  std::vector<std::uint32_t> points;
  for (std::size_t pos = 0; pos < text.size(); pos += CharacterLength(text, pos)) {
    points.push_back(CodePointAt(text, pos));
  }
  return points;
}

std::size_t Utf16Length(std::string_view text) {
  std::size_t units = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = CharacterLength(text, pos);
    units += length == 4 ? 2 : 1;
    pos += length;
  }
  return units;
}

std::string_view FirstUtf16Units(std::string_view text, std::size_t units) {
  std::size_t pos = 0;
  std::size_t taken = 0;
  while (pos < text.size()) {
    const std::size_t length = CharacterLength(text, pos);
    const std::size_t width = length == 4 ? 2 : 1;
    if (taken + width > units) {
      break;
    }
    taken += width;
    pos += length;
  }
  return text.substr(0, pos);
}

std::string Utf16LeToUtf8(std::string_view bytes) {
  std::string out;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    std::uint32_t c = Byte(bytes, i) | (Byte(bytes, i + 1) << 8);
    if (c >= 0xD800 && c < 0xDC00 && i + 3 < bytes.size()) {
      const std::uint32_t low = Byte(bytes, i + 2) | (Byte(bytes, i + 3) << 8);
      if (low >= 0xDC00 && low < 0xE000) {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
    }
    AppendUtf8(out, c);
  }
  return out;
}

std::string Utf8ToUtf16Le(std::string_view text) {
  std::string out;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t length = CharacterLength(text, pos);
    const std::uint32_t c = CodePointAt(text, pos);
    if (c >= 0x10000) {
      AppendUtf16Unit(out, 0xD800 + ((c - 0x10000) >> 10));
      AppendUtf16Unit(out, 0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      AppendUtf16Unit(out, c);
    }
    pos += length;
  }
  return out;
}

}  // namespace wendora
