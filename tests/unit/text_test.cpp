#include "base/text.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wendora {
namespace {

// A string of raw bytes, which may hold NUL.
std::string Bytes(std::initializer_list<int> bytes) {
  std::string out;
  for (int b : bytes) {
    out += static_cast<char>(b);
  }
  return out;
}

// The bytes of UTF-16 little-endian text made of the given units.
std::string Units(std::initializer_list<std::uint32_t> units) {
  std::string out;
  for (std::uint32_t unit : units) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
  }
  return out;
}

// The bytes shown as hex, for messages about malformed text.
std::string Hex(std::string_view text) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  for (char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (!out.empty()) {
      out += ' ';
    }
    out += kDigits[b >> 4];
    out += kDigits[b & 0xF];
  }
  return out;
}

const std::string kGrinning = "\xF0\x9F\x98\x80";  // U+1F600, outside the basic plane

TEST(Text, AsciiLowerChangesOnlyTheCapitalLetters) {
  struct Case {
    char in;
    char out;
  };
  for (const Case c : {Case{'@', '@'}, Case{'A', 'a'}, Case{'M', 'm'}, Case{'Z', 'z'},
                       Case{'[', '['}, Case{'`', '`'}, Case{'a', 'a'}, Case{'z', 'z'},
                       Case{'{', '{'}, Case{'0', '0'}, Case{'\0', '\0'}}) {
    EXPECT_EQ(AsciiLower(c.in), c.out) << c.in;
  }
  // Bytes of UTF-8 sequences are never letters, even where their low seven
  // bits would be.
  for (int b = 0x80; b <= 0xFF; ++b) {
    EXPECT_EQ(AsciiLower(static_cast<char>(b)), static_cast<char>(b)) << b;
  }
  EXPECT_EQ(AsciiLower(std::string("MiXeD @[`{ 09 \xC3\x84\xC3\xA4")),
            std::string("mixed @[`{ 09 \xC3\x84\xC3\xA4"));
  EXPECT_EQ(AsciiLower(std::string("A\0Z", 3)), std::string("a\0z", 3));
}

TEST(Text, SameIgnoringAsciiCaseFoldsOnlyAsciiLetters) {
  struct Case {
    std::string_view a;
    std::string_view b;
    bool same;
  };
  for (const Case c : {
           Case{"chrome.exe", "CHROME.EXE", true}, Case{"Zoom.exe", "zOOM.EXE", true},
           Case{"", "", true}, Case{"az", "AZ", true}, Case{"a", "b", false},
           Case{"abc", "ab", false}, Case{"ab", "abc", false}, Case{"", "a", false},
           Case{"@", "`", false},  // 0x40 and 0x60: one bit apart, but no letters
           Case{"[", "{", false}, Case{"Z", "z ", false},
           Case{"\xC3\x84", "\xC3\xA4", false},  // Ä and ä in UTF-8
           Case{"\xC1", "\xE1", false},          // Á and á as single bytes
       }) {
    EXPECT_EQ(SameIgnoringAsciiCase(c.a, c.b), c.same) << "'" << c.a << "' '" << c.b << "'";
    EXPECT_EQ(SameIgnoringAsciiCase(c.b, c.a), c.same) << "'" << c.b << "' '" << c.a << "'";
  }
}

TEST(Text, CharacterLengthTakesOnlyWellShapedSequences) {
  struct Case {
    std::string text;
    std::size_t pos;
    std::size_t length;
  };
  const std::vector<Case> cases = {
      {"a", 0, 1},
      {Bytes({0x00}), 0, 1},
      {Bytes({0x7F, 0x80}), 0, 1},
      // Two-byte sequences: C2 is the first lead, C0 and C1 only start
      // overlong forms and are never leads.
      {Bytes({0xC2, 0x80}), 0, 2},
      {Bytes({0xDF, 0xBF}), 0, 2},
      {Bytes({0xC0, 0x80}), 0, 1},
      {Bytes({0xC1, 0xBF}), 0, 1},
      // Three and four bytes.
      {Bytes({0xE0, 0xA0, 0x80}), 0, 3},
      {"\xE3\x81\x82", 0, 3},
      {Bytes({0xEF, 0xBF, 0xBF}), 0, 3},
      {kGrinning, 0, 4},
      {Bytes({0xF4, 0x8F, 0xBF, 0xBF}), 0, 4},
      // A surrogate in UTF-8 form is one character, as Utf16LeToUtf8 writes a
      // lone one.
      {Bytes({0xED, 0xA0, 0x80}), 0, 3},
      {Bytes({0xED, 0xBF, 0xBF}), 0, 3},
      // The lead byte decides the length; the continuation bytes are checked
      // for their shape only, so overlong three- and four-byte forms count
      // as one character.
      {Bytes({0xE0, 0x80, 0x80}), 0, 3},
      {Bytes({0xF0, 0x80, 0x80, 0x80}), 0, 4},
      // No lead beyond F4.
      {Bytes({0xF5, 0x80, 0x80, 0x80}), 0, 1},
      {Bytes({0xF8, 0x80, 0x80, 0x80}), 0, 1},
      {Bytes({0xFE, 0x80, 0x80, 0x80}), 0, 1},
      {Bytes({0xFF, 0x80, 0x80, 0x80}), 0, 1},
      // Lone continuation bytes.
      {Bytes({0x80}), 0, 1},
      {Bytes({0xBF, 0xBF}), 0, 1},
      {"\xE3\x81\x82", 1, 1},
      {"\xE3\x81\x82", 2, 1},
      // A byte that is no continuation, anywhere in the sequence.
      {Bytes({0xC3, 0x41}), 0, 1},
      {Bytes({0xC3, 0xC3}), 0, 1},
      {Bytes({0xC3, 0x40}), 0, 1},
      {Bytes({0xE3, 0x41, 0x82}), 0, 1},
      {Bytes({0xE3, 0x81, 0x41}), 0, 1},
      {Bytes({0xF0, 0x9F, 0x98, 0x41}), 0, 1},
      {Bytes({0xF0, 0x9F, 0xC0, 0x80}), 0, 1},
      // Cut short by the end of the text, and just fitting.
      {Bytes({0xC3}), 0, 1},
      {Bytes({0xE3, 0x81}), 0, 1},
      {Bytes({0xF0, 0x9F, 0x98}), 0, 1},
      {"ab\xE3\x81", 2, 1},
      {"ab\xE3\x81\x82", 2, 3},
      {"ab" + kGrinning, 2, 4},
      {"ab" + kGrinning.substr(0, 3), 2, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CharacterLength(c.text, c.pos), c.length) << Hex(c.text) << " at " << c.pos;
  }
}

TEST(Text, CountsUtf16UnitsAsWindowsDoes) {
  struct Case {
    std::string text;
    std::size_t units;
  };
  const std::vector<Case> cases = {
      {"", 0},
      {"abc", 3},
      {"\xE3\x81\x82\xE3\x81\x84", 2},
      {kGrinning, 2},
      {"a" + kGrinning + "b", 4},
      {kGrinning + kGrinning, 4},
      {Bytes({0xED, 0xA0, 0x80}), 1},  // a lone surrogate is one unit
      // Each byte that starts no sequence is a character of its own.
      {Bytes({0xC0, 0x80}), 2},
      {Bytes({0xE3, 0x81}), 2},
      {Bytes({0xF0, 0x9F, 0x98}), 3},
      {Bytes({0x80, 0x80, 0x80, 0x80}), 4},
      {Bytes({0xF5, 0x80, 0x80, 0x80}), 4},
      {Bytes({0xFF}), 1},
      {"x" + Bytes({0xE3, 0x81, 0x41}), 4},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf16Length(c.text), c.units) << Hex(c.text);
  }
}

TEST(Text, FirstUtf16UnitsNeverSplitsACharacter) {
  struct Case {
    std::string text;
    std::size_t units;
    std::string front;
  };
  const std::string mixed = "a" + kGrinning + "b";
  const std::vector<Case> cases = {
      {mixed, 0, ""},
      {mixed, 1, "a"},
      {mixed, 2, "a"},  // the pair would not fit
      {mixed, 3, "a" + kGrinning},
      {mixed, 4, mixed},
      {mixed, 100, mixed},
      {kGrinning, 1, ""},
      {kGrinning, 2, kGrinning},
      {"\xE3\x81\x82\xE3\x81\x84\xE3\x81\x86", 2, "\xE3\x81\x82\xE3\x81\x84"},
      {"", 5, ""},
      // Malformed bytes count one unit each.
      {Bytes({0xE3, 0x81}), 1, Bytes({0xE3})},
      {Bytes({0xC0, 0x80, 'x'}), 2, Bytes({0xC0, 0x80})},
      {Bytes({0x80, 0x80, 0x80}), 2, Bytes({0x80, 0x80})},
      {Bytes({0xF5, 0x80, 0x80, 0x80}), 3, Bytes({0xF5, 0x80, 0x80})},
      {Bytes({0xF0, 0x9F, 0x98}) + "x", 3, Bytes({0xF0, 0x9F, 0x98})},
      {Bytes({0xED, 0xA0, 0x80, 0xED, 0xB0, 0x80}), 1, Bytes({0xED, 0xA0, 0x80})},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FirstUtf16Units(c.text, c.units), c.front) << Hex(c.text) << ", " << c.units;
  }
}

TEST(Text, ConvertsBetweenUtf8AndUtf16) {
  struct Case {
    std::string utf8;
    std::string utf16;
  };
  // Both ways, and each way back gives the start again.
  const std::vector<Case> cases = {
      {"", ""},
      {"A", Units({'A'})},
      {std::string(1, '\0'), Units({0})},
      {Bytes({0x7F}), Units({0x7F})},
      {Bytes({0xC2, 0x80}), Units({0x80})},
      {"\xC3\xA9", Units({0xE9})},
      {Bytes({0xDF, 0xBF}), Units({0x7FF})},
      {Bytes({0xE0, 0xA0, 0x80}), Units({0x800})},
      {"\xE3\x81\x82", Units({0x3042})},
      {Bytes({0xEF, 0xBF, 0xBF}), Units({0xFFFF})},
      {Bytes({0xF0, 0x90, 0x80, 0x80}), Units({0xD800, 0xDC00})},
      {kGrinning, Units({0xD83D, 0xDE00})},
      {"a" + kGrinning + "\xE3\x81\x82", Units({'a', 0xD83D, 0xDE00, 0x3042})},
      {Bytes({0xF4, 0x8F, 0xB0, 0x80}), Units({0xDBFF, 0xDC00})},
      {Bytes({0xF4, 0x8F, 0xBF, 0xBF}), Units({0xDBFF, 0xDFFF})},
      // Surrogates without their partner are carried over.
      {Bytes({0xED, 0xA0, 0x80}), Units({0xD800})},
      {Bytes({0xED, 0xAF, 0xBF, 'A'}), Units({0xDBFF, 'A'})},
      {Bytes({0xED, 0xB0, 0x80}), Units({0xDC00})},
      {Bytes({0xED, 0xB8, 0x80, 0xED, 0xA0, 0xBD}), Units({0xDE00, 0xD83D})},  // wrong order
      {Bytes({0xED, 0xB0, 0x80, 0xED, 0xB0, 0x80}), Units({0xDC00, 0xDC00})},
      {Bytes({0xED, 0xA0, 0x80, 0xEE, 0x80, 0x80}), Units({0xD800, 0xE000})},
      {Bytes({0xED, 0xA0, 0x80, 0xED, 0xAF, 0xBF}), Units({0xD800, 0xDBFF})},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Hex(Utf8ToUtf16Le(c.utf8)), Hex(c.utf16)) << Hex(c.utf8);
    EXPECT_EQ(Hex(Utf16LeToUtf8(c.utf16)), Hex(c.utf8)) << Hex(c.utf16);
    EXPECT_EQ(Hex(Utf16LeToUtf8(Utf8ToUtf16Le(c.utf8))), Hex(c.utf8)) << Hex(c.utf8);
  }
}

TEST(Text, CarriesBytesThatStartNoSequenceAsTheirCharacter) {
  struct Case {
    std::string utf8;
    std::string utf16;
  };
  const std::vector<Case> cases = {
      {Bytes({0xFF}), Units({0xFF})},
      {Bytes({0x80}), Units({0x80})},
      {Bytes({0xC0, 0x80}), Units({0xC0, 0x80})},
      {Bytes({0xE3, 0x81}), Units({0xE3, 0x81})},
      {Bytes({0xF0, 0x9F, 0x98}), Units({0xF0, 0x9F, 0x98})},
      {Bytes({0xF5, 0x80, 0x80, 0x80}), Units({0xF5, 0x80, 0x80, 0x80})},
      {Bytes({0xC3, 0x41}), Units({0xC3, 'A'})},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Hex(Utf8ToUtf16Le(c.utf8)), Hex(c.utf16)) << Hex(c.utf8);
  }
  // A last odd byte is no unit.
  EXPECT_EQ(Utf16LeToUtf8(Units({'A'}) + "B"), "A");
  EXPECT_EQ(Hex(Utf16LeToUtf8(Units({0xD800}) + std::string(1, '\0'))),
            Hex(Bytes({0xED, 0xA0, 0x80})));
}

TEST(Text, ReadsNothingPastTheEndOfTheText) {
  // Views cut from longer texts, where the bytes that follow would complete
  // a character.
  const std::string pair = Units({0xD800, 0xDC00});
  EXPECT_EQ(Hex(Utf16LeToUtf8(std::string_view(pair).substr(0, 3))),
            Hex(Bytes({0xED, 0xA0, 0x80})));
  EXPECT_EQ(Hex(Utf16LeToUtf8(std::string_view(pair).substr(0, 2))),
            Hex(Bytes({0xED, 0xA0, 0x80})));
  const std::string hiragana = "\xE3\x81\x82";
  const std::string_view cut = std::string_view(hiragana).substr(0, 2);
  EXPECT_EQ(CharacterLength(cut, 0), 1u);
  EXPECT_EQ(Utf16Length(cut), 2u);
  EXPECT_EQ(FirstUtf16Units(cut, 5), cut);
  EXPECT_EQ(Hex(Utf8ToUtf16Le(cut)), Hex(Units({0xE3, 0x81})));
  const std::string_view cut_pair = std::string_view(kGrinning).substr(0, 3);
  EXPECT_EQ(Utf16Length(cut_pair), 3u);
  EXPECT_EQ(Hex(Utf8ToUtf16Le(cut_pair)), Hex(Units({0xF0, 0x9F, 0x98})));
}

TEST(Text, EveryUtf16UnitGoesBackUnchanged) {
  // Each unit alone and between two others, so that every surrogate is met
  // with and without a partner.
  std::string all;
  for (std::uint32_t unit = 0; unit <= 0xFFFF; ++unit) {
    const std::string alone = Units({unit});
    ASSERT_EQ(Utf8ToUtf16Le(Utf16LeToUtf8(alone)), alone) << unit;
    const std::string between = Units({0xD83D, unit, 0xDE00});
    ASSERT_EQ(Utf8ToUtf16Le(Utf16LeToUtf8(between)), between) << unit;
    all += alone;
  }
  EXPECT_EQ(Utf8ToUtf16Le(Utf16LeToUtf8(all)), all);
}

TEST(Text, TrimRemovesOnlyTheGivenBlanksAtEitherEnd) {
  struct Case {
    std::string_view text;
    std::string_view blanks;
    std::string_view trimmed;
  };
  for (const Case c : {
           Case{"", " ", ""},
           Case{"a", " ", "a"},
           Case{" a", " ", "a"},
           Case{"a ", " ", "a"},
           Case{"  a b  ", " ", "a b"},
           Case{"   ", " ", ""},
           Case{" ", " ", ""},
           Case{"\t a\t ", " \t", "a"},
           Case{"\t a\t ", " ", "\t a\t"},
           Case{"xxhixx", "x", "hi"},
           Case{"ab", "", "ab"},
       }) {
    EXPECT_EQ(Trim(c.text, c.blanks), c.trimmed) << "'" << c.text << "'";
  }
}

}  // namespace
}  // namespace wendora
