#include "watcher/seen_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace wendora {
namespace {

constexpr std::size_t kWhole = SeenText::kKeptWhole;
constexpr std::size_t kMiB = 1024 * 1024;

// A text of the given length whose bytes vary, so that no difference can hide
// in a run of equal bytes.
std::string Varied(std::size_t length, std::uint32_t seed = 1) {
  std::string text(length, '\0');
  std::uint32_t state = seed;
  for (char& c : text) {
    state = state * 1664525u + 1013904223u;
    c = static_cast<char>(state >> 24);
  }
  return text;
}

// The text with the byte at `pos` changed to another value.
std::string Changed(std::string text, std::size_t pos, unsigned char flip = 0x01) {
  text[pos] = static_cast<char>(static_cast<unsigned char>(text[pos]) ^ flip);
  return text;
}

// Both ways of asking: comparing two kept texts and matching a text.
void ExpectSame(const std::string& a, const std::string& b, const std::string& what) {
  EXPECT_TRUE(SeenText(a) == SeenText(b)) << what;
  EXPECT_TRUE(SeenText(a).Matches(b)) << what;
  EXPECT_TRUE(SeenText(b).Matches(a)) << what;
}

void ExpectDifferent(const std::string& a, const std::string& b, const std::string& what) {
  EXPECT_FALSE(SeenText(a) == SeenText(b)) << what;
  EXPECT_FALSE(SeenText(a).Matches(b)) << what;
  EXPECT_FALSE(SeenText(b).Matches(a)) << what;
}

TEST(SeenText, LongTextsThatDifferInOneByteNeverMatch) {
  for (const std::size_t length : {kWhole + 1, kWhole + 8, kWhole + 13, kMiB}) {
    const std::string text = Varied(length);
    ExpectSame(text, std::string(text), "length " + std::to_string(length));
    for (const std::size_t pos : {std::size_t{0}, length / 2, length - 1}) {
      for (const unsigned char flip : {0x01, 0x80, 0xFF}) {
        ExpectDifferent(text, Changed(text, pos, flip),
                        "length " + std::to_string(length) + ", byte " + std::to_string(pos) +
                            " ^ " + std::to_string(flip));
      }
    }
  }
}

TEST(SeenText, LongTextsAreComparedInOrder) {
  // The same bytes in another order: two words swapped, the halves swapped.
  const std::string text = Varied(kWhole + 40);
  std::string words_swapped = text;
  std::swap_ranges(words_swapped.begin(), words_swapped.begin() + 8, words_swapped.begin() + 8);
  ExpectDifferent(text, words_swapped, "first two words swapped");
  const std::string halves_swapped = text.substr(text.size() / 2) + text.substr(0, text.size() / 2);
  ExpectDifferent(text, halves_swapped, "halves swapped");
  // Texts of one repeated byte, which a fingerprint of the bytes' sum would
  // take for equal.
  ExpectDifferent(std::string(kWhole + 16, 'a'), std::string(kWhole + 16, 'b'), "all a, all b");
  ExpectSame(std::string(kWhole + 16, 'a'), std::string(kWhole + 16, 'a'), "all a");
}

TEST(SeenText, FindsADifferenceInTheLastPartialWord) {
  // Every length that ends in a partial eight-byte word and one that does
  // not; a change to any byte of the last word counts.
  for (std::size_t length = kWhole + 1; length <= kWhole + 16; ++length) {
    const std::string text = Varied(length, static_cast<std::uint32_t>(length));
    const std::size_t tail = length % 8 == 0 ? 8 : length % 8;
    for (std::size_t pos = length - tail; pos < length; ++pos) {
      ExpectDifferent(text, Changed(text, pos),
                      "length " + std::to_string(length) + ", byte " + std::to_string(pos));
    }
    ExpectSame(text, std::string(text), "length " + std::to_string(length));
  }
}

TEST(SeenText, ReadsNothingPastTheEndOfTheText) {
  // The same long text inside two buffers that go on differently: only the
  // text's own bytes count, however short its last word.
  for (std::size_t length = kWhole + 1; length <= kWhole + 8; ++length) {
    const std::string text = Varied(length);
    const std::string one = text + "AAAAAAAA";
    const std::string other = text + "BBBBBBBB";
    const SeenText seen(std::string_view(one).substr(0, length));
    EXPECT_TRUE(seen == SeenText(std::string_view(other).substr(0, length))) << length;
    EXPECT_TRUE(seen.Matches(text)) << length;
  }
}

TEST(SeenText, KeepsShortTextsWholeAndLongOnesAsAFingerprint) {
  struct Case {
    std::size_t length;
    std::size_t kept;
  };
  for (const Case c : {Case{0, 0}, Case{1, 1}, Case{kWhole - 1, kWhole - 1}, Case{kWhole, kWhole},
                       Case{kWhole + 1, 0}, Case{kMiB, 0}}) {
    const std::string text = Varied(c.length);
    EXPECT_EQ(SeenText(text).KeptBytes(), c.kept) << "length " << c.length;
    if (c.length == 0) {
      continue;
    }
    // At the bound and on either side of it: the same text matches, a change
    // to its last byte does not.
    ExpectSame(text, std::string(text), "length " + std::to_string(c.length));
    ExpectDifferent(text, Changed(text, c.length - 1), "length " + std::to_string(c.length));
  }
  EXPECT_EQ(SeenText().KeptBytes(), 0u);
}

TEST(SeenText, TextsOfDifferentLengthsNeverMatch) {
  const std::string whole = Varied(kWhole);
  const std::string longer = Varied(kWhole + 9);
  const std::vector<std::pair<std::string, std::string>> pairs = {
      {"", "a"},
      {"abc", std::string("abc\0", 4)},
      {whole, whole + "x"},                     // the last whole one, the first long one
      {whole.substr(0, kWhole - 1), whole},     // both kept whole
      {longer, longer + std::string(1, '\0')},  // a zero byte fills the last word either way
      {longer, longer.substr(0, kWhole + 8)},   // one byte shorter: a whole last word
      {Varied(kMiB), Varied(kMiB).substr(0, kMiB - 1)},
  };
  for (const auto& [a, b] : pairs) {
    ExpectDifferent(a, b,
                    "lengths " + std::to_string(a.size()) + " and " + std::to_string(b.size()));
  }
  // Nothing seen yet is the empty text, and nothing else.
  EXPECT_TRUE(SeenText() == SeenText(""));
  EXPECT_FALSE(SeenText().Matches("a"));
  EXPECT_FALSE(SeenText().Matches(longer));
}

TEST(SeenText, ShortTextsAreComparedExactly) {
  const std::vector<std::pair<std::string, std::string>> different = {
      {"Hello", "hello"},
      {"http://a.example/", "HTTP://A.EXAMPLE/"},
      {"text", "text "},
      {std::string("a\0b", 3), std::string("a\0c", 3)},
      {std::string("a\0b", 3), "a"},
      {std::string("\0", 1), ""},
      {"\xE3\x81\x82", "\xE3\x81\x83"},
  };
  for (const auto& [a, b] : different) {
    ExpectDifferent(a, b, "'" + a + "' and '" + b + "'");
  }
  for (const std::string& text : {std::string("Hello"), std::string("a\0b", 3), std::string()}) {
    ExpectSame(text, std::string(text), "'" + text + "'");
  }
}

}  // namespace
}  // namespace wendora
