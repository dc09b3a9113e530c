// Conversion of text to whole numbers, as used for the settings file, the
// wait-time command word and the settings dialog's wait-time box.
//
// A number is: optional blanks, an optional sign, decimal digits with an
// optional fraction and an optional exponent, optional blanks. A fraction is
// rounded to the nearest whole number, halves to the even neighbour.
// Text that is not a number raises error 13 (type mismatch); a number outside
// the target range raises error 6 (overflow).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wendora {

// The value of the text, or nothing when it is not a number. A number too
// large for a double comes back as an infinity.
std::optional<double> ParseNumber(std::string_view text);

// The whole number the text stands for, when it is a number that rounds to
// a 32-bit signed integer; nothing otherwise. For texts that may be anything,
// such as a copied command word or what the user typed.
std::optional<std::int32_t> Int32Value(std::string_view text);

// Whole-number conversions, named for their target width; they raise the
// errors above.
std::int32_t ToInt32(std::string_view text);
std::int16_t ToInt16(std::string_view text);
std::uint8_t ToUInt8(std::string_view text);

// The same rounding and range check for a value already read.
std::int32_t RoundToInt32(double value);

// Plain decimal text of a whole number: no blanks, no leading zeros.
std::string DecimalText(std::int64_t value);

}  // namespace wendora
