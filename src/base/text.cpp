#include "base/text.h"

#include <algorithm>

namespace wendora {

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

}  // namespace wendora
