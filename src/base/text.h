// Helpers for the program's text, which is UTF-8 throughout. Positions and
// lengths that the program counts are counted as Windows counts them, in
// UTF-16 units: a character outside the basic plane counts twice.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wendora {

char AsciiLower(char c);
std::string AsciiLower(std::string text);
// Whether the two names are the same but for the letter case of ASCII letters.
bool SameIgnoringAsciiCase(std::string_view a, std::string_view b);

// The length in bytes of the character that starts at byte `pos`: 1 for a
// byte that does not start a well-formed UTF-8 sequence.
std::size_t CharacterLength(std::string_view text, std::size_t pos);

// The text without the given blank characters at either end.
std::string_view Trim(std::string_view text, std::string_view blanks);

// The items of a list separated by ";", without the blanks (spaces, tabs)
// around them; empty items are left out.
std::vector<std::string_view> ListItems(std::string_view list);

// The code point of the character that starts at byte `pos` (one of
// CharacterLength bytes); a byte that starts no well-formed sequence stands
// for the character of its own number.
std::uint32_t CodePointAt(std::string_view text, std::size_t pos);
// The characters of the text, as code points.
std::vector<std::uint32_t> CodePoints(std::string_view text);
// Whether the text is well-formed UTF-8: no overlong forms, no surrogates,
// nothing beyond U+10FFFF.
bool IsWellFormedUtf8(std::string_view text);
// The text with its percent escapes ("%E6%97%A5") decoded; nothing when an
// escape is broken or the bytes are no well-formed UTF-8.
std::optional<std::string> PercentDecoded(std::string_view text);

// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, std::uint32_t code_point);

// Whether the text holds a control character (a line break, a tab), an
// invisible one (zero-width spaces and joiners, the soft hyphen, fillers,
// variation selectors, tags) or one that changes the direction of the text:
// no address or path is taken from such a text, since what the banner shows
// would not be what opens.
bool HoldsHiddenCharacters(std::string_view text);

// The number of UTF-16 units the text takes.
std::size_t Utf16Length(std::string_view text);

// The longest front of the text that takes at most `units` UTF-16 units; a
// character is never split.
std::string_view FirstUtf16Units(std::string_view text, std::size_t units);

// Conversions between UTF-8 and the bytes of UTF-16 little-endian text. A
// surrogate without its partner is carried over as it is, so that text goes
// back unchanged; so is a byte that starts no UTF-8 sequence, as the
// character of that number.
std::string Utf16LeToUtf8(std::string_view bytes);
std::string Utf8ToUtf16Le(std::string_view text);

}  // namespace wendora
