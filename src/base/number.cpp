#include "base/number.h"

#include <cmath>
#include <cstdlib>

#include "base/runtime_error.h"
#include "base/text.h"

namespace wendora {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Moves past an optional sign.
void SkipSign(std::string_view text, std::size_t& i) {
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    ++i;
  }
}

// Moves past decimal digits; how many there were.
std::size_t SkipDigits(std::string_view text, std::size_t& i) {
  const std::size_t start = i;
  while (i < text.size() && IsDigit(text[i])) {
    ++i;
  }
  return i - start;
}

// Rounds halves to even; nothing when the result lies outside the range.
std::optional<double> Rounded(double value, double lowest, double highest) {
  const double rounded = std::nearbyint(value);  // default rounding: halves to even
  if (!(rounded >= lowest && rounded <= highest)) {
    return std::nullopt;
  }
  return rounded;
}

// The same, raising 6 when outside.
double RoundChecked(double value, double lowest, double highest) {
  const std::optional<double> rounded = Rounded(value, lowest, highest);
  if (!rounded) {
    throw RuntimeError(kErrOverflow);
  }
  return *rounded;
}

double ParseOrThrow(std::string_view text) {
  const auto value = ParseNumber(text);
  if (!value) {
    throw RuntimeError(kErrTypeMismatch);
  }
  return *value;
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
  const std::string_view body = Trim(text, " \t");

  // Check the shape first, so that nothing the C library would also accept
  // (hexadecimal, "inf", "nan", inner blanks) slips through.
  std::size_t i = 0;
  SkipSign(body, i);
  std::size_t digits = SkipDigits(body, i);
  if (i < body.size() && body[i] == '.') {
    ++i;
    digits += SkipDigits(body, i);
  }
  if (digits == 0) {
    return std::nullopt;
  }
  if (i < body.size() && (body[i] == 'e' || body[i] == 'E')) {
    ++i;
    SkipSign(body, i);
    if (SkipDigits(body, i) == 0) {
      return std::nullopt;
    }
  }
  if (i != body.size()) {
    return std::nullopt;
  }

  // The program never changes the C locale, so the decimal point is '.'.
  const std::string copy(body);
  const double value = std::strtod(copy.c_str(), nullptr);
  return value;  // on overflow strtod gives +-HUGE_VAL, on underflow 0
}

std::optional<std::int32_t> Int32Value(std::string_view text) {
  const std::optional<double> number = ParseNumber(text);
  const std::optional<double> rounded =
      number ? Rounded(*number, INT32_MIN, INT32_MAX) : std::nullopt;
  if (!rounded) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(*rounded);
}

std::int32_t RoundToInt32(double value) {
  return static_cast<std::int32_t>(RoundChecked(value, INT32_MIN, INT32_MAX));
}

std::int32_t ToInt32(std::string_view text) {
  return RoundToInt32(ParseOrThrow(text));
}

std::int16_t ToInt16(std::string_view text) {
  return static_cast<std::int16_t>(RoundChecked(ParseOrThrow(text), INT16_MIN, INT16_MAX));
}

std::uint8_t ToUInt8(std::string_view text) {
  return static_cast<std::uint8_t>(RoundChecked(ParseOrThrow(text), 0, UINT8_MAX));
}

std::string DecimalText(std::int64_t value) {
  return std::to_string(value);
}

}  // namespace wendora
