// Hosts as the banner shows them: Punycode, the scripts of characters, and
// which texts can be hosts.
#include "watcher/host.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "watcher/punycode.h"

namespace wendora {
namespace {

std::string Lower(std::string text) {
  for (char& c : text) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return text;
}

// The sample strings of RFC 3492, section 7.1. The encoder writes its digits
// in lower case; the samples' capitals are annotations of case, which only
// the letters copied as they are keep.
TEST(Punycode, TheSampleStringsOfItsDefinition) {
  struct Sample {
    const char* name;
    std::vector<std::uint32_t> code_points;
    std::string punycode;
  };
  const Sample samples[] = {
      {"A Arabic (Egyptian)",
       {0x0644, 0x064A, 0x0647, 0x0645, 0x0627, 0x0628, 0x062A, 0x0643, 0x0644, 0x0645, 0x0648,
        0x0634, 0x0639, 0x0631, 0x0628, 0x064A, 0x061F},
       "egbpdaj6bu4bxfgehfvwxn"},
      {"B Chinese (simplified)",
       {0x4ED6, 0x4EEC, 0x4E3A, 0x4EC0, 0x4E48, 0x4E0D, 0x8BF4, 0x4E2D, 0x6587},
       "ihqwcrb4cv8a8dqg056pqjye"},
      {"C Chinese (traditional)",
       {0x4ED6, 0x5011, 0x7232, 0x4EC0, 0x9EBD, 0x4E0D, 0x8AAA, 0x4E2D, 0x6587},
       "ihqwctvzc91f659drss3x8bo0yb"},
      {"D Czech",
       {0x0050, 0x0072, 0x006F, 0x010D, 0x0070, 0x0072, 0x006F, 0x0073, 0x0074, 0x011B, 0x006E,
        0x0065, 0x006D, 0x006C, 0x0075, 0x0076, 0x00ED, 0x010D, 0x0065, 0x0073, 0x006B, 0x0079},
       "Proprostnemluvesky-uyb24dma41a"},
      {"E Hebrew",
       {0x05DC, 0x05DE, 0x05D4, 0x05D4, 0x05DD, 0x05E4, 0x05E9, 0x05D5, 0x05D8, 0x05DC, 0x05D0,
        0x05DE, 0x05D3, 0x05D1, 0x05E8, 0x05D9, 0x05DD, 0x05E2, 0x05D1, 0x05E8, 0x05D9, 0x05EA},
       "4dbcagdahymbxekheh6e0a7fei0b"},
      {"F Hindi (Devanagari)",
       {0x092F, 0x0939, 0x0932, 0x094B, 0x0917, 0x0939, 0x093F, 0x0928, 0x094D, 0x0926,
        0x0940, 0x0915, 0x094D, 0x092F, 0x094B, 0x0902, 0x0928, 0x0939, 0x0940, 0x0902,
        0x092C, 0x094B, 0x0932, 0x0938, 0x0915, 0x0924, 0x0947, 0x0939, 0x0948, 0x0902},
       "i1baa7eci9glrd9b2ae1bj0hfcgg6iyaf8o0a1dig0cd"},
      {"G Japanese (kanji and hiragana)",
       {0x306A, 0x305C, 0x307F, 0x3093, 0x306A, 0x65E5, 0x672C, 0x8A9E, 0x3092, 0x8A71, 0x3057,
        0x3066, 0x304F, 0x308C, 0x306A, 0x3044, 0x306E, 0x304B},
       "n8jok5ay5dzabd5bym9f0cm5685rrjetr6pdxa"},
      {"H Korean (Hangul syllables)",
       {0xC138, 0xACC4, 0xC758, 0xBAA8, 0xB4E0, 0xC0AC, 0xB78C, 0xB4E4,
        0xC774, 0xD55C, 0xAD6D, 0xC5B4, 0xB97C, 0xC774, 0xD574, 0xD55C,
        0xB2E4, 0xBA74, 0xC5BC, 0xB9C8, 0xB098, 0xC88B, 0xC744, 0xAE4C},
       "989aomsvi5e83db1d2a355cv1e0vak1dwrv93d5xbh15a0dt30a5jpsd879ccm6fea98c"},
      {"I Russian (Cyrillic)",
       {0x043F, 0x043E, 0x0447, 0x0435, 0x043C, 0x0443, 0x0436, 0x0435, 0x043E, 0x043D,
        0x0438, 0x043D, 0x0435, 0x0433, 0x043E, 0x0432, 0x043E, 0x0440, 0x044F, 0x0442,
        0x043F, 0x043E, 0x0440, 0x0443, 0x0441, 0x0441, 0x043A, 0x0438},
       "b1abfaaepdrnnbgefbaDotcwatmq2g4l"},
      {"J Spanish",
       {0x0050, 0x006F, 0x0072, 0x0071, 0x0075, 0x00E9, 0x006E, 0x006F, 0x0070, 0x0075,
        0x0065, 0x0064, 0x0065, 0x006E, 0x0073, 0x0069, 0x006D, 0x0070, 0x006C, 0x0065,
        0x006D, 0x0065, 0x006E, 0x0074, 0x0065, 0x0068, 0x0061, 0x0062, 0x006C, 0x0061,
        0x0072, 0x0065, 0x006E, 0x0045, 0x0073, 0x0070, 0x0061, 0x00F1, 0x006F, 0x006C},
       "PorqunopuedensimplementehablarenEspaol-fmd56a"},
      {"K Vietnamese",
       {0x0054, 0x1EA1, 0x0069, 0x0073, 0x0061, 0x006F, 0x0068, 0x1ECD, 0x006B, 0x0068, 0x00F4,
        0x006E, 0x0067, 0x0074, 0x0068, 0x1EC3, 0x0063, 0x0068, 0x1EC9, 0x006E, 0x00F3, 0x0069,
        0x0074, 0x0069, 0x1EBF, 0x006E, 0x0067, 0x0056, 0x0069, 0x1EC7, 0x0074},
       "TisaohkhngthchnitingVit-kjcr8268qyxafd2f1b9g"},
      {"L 3nen B gumi kinpachi sensei",
       {0x0033, 0x5E74, 0x0042, 0x7D44, 0x91D1, 0x516B, 0x5148, 0x751F},
       "3B-ww4c5e180e575a65lsy2b"},
      {"M amuro namie with SUPER MONKEYS",
       {0x5B89, 0x5BA4, 0x5948, 0x7F8E, 0x6075, 0x002D, 0x0077, 0x0069,
        0x0074, 0x0068, 0x002D, 0x0053, 0x0055, 0x0050, 0x0045, 0x0052,
        0x002D, 0x004D, 0x004F, 0x004E, 0x004B, 0x0045, 0x0059, 0x0053},
       "-with-SUPER-MONKEYS-pc58ag80a8qai00g7n9n"},
      {"N Hello Another Way",
       {0x0048, 0x0065, 0x006C, 0x006C, 0x006F, 0x002D, 0x0041, 0x006E, 0x006F,
        0x0074, 0x0068, 0x0065, 0x0072, 0x002D, 0x0057, 0x0061, 0x0079, 0x002D,
        0x305D, 0x308C, 0x305E, 0x308C, 0x306E, 0x5834, 0x6240},
       "Hello-Another-Way--fc4qua05auwb3674vfr0b"},
      {"O hitotsu yane no shita 2",
       {0x3072, 0x3068, 0x3064, 0x5C4B, 0x6839, 0x306E, 0x4E0B, 0x0032},
       "2-u9tlzr9756bt3uc0v"},
      {"P Maji de Koi suru 5 byou mae",
       {0x004D, 0x0061, 0x006A, 0x0069, 0x3067, 0x004B, 0x006F, 0x0069, 0x3059, 0x308B, 0x0035,
        0x79D2, 0x524D},
       "MajiKoi5-783gue6qz075azm5e"},
      {"Q pafii de runba",
       {0x30D1, 0x30D5, 0x30A3, 0x30FC, 0x0064, 0x0065, 0x30EB, 0x30F3, 0x30D0},
       "de-jg4avhby1noc0d"},
      {"R sono supiido de",
       {0x305D, 0x306E, 0x30B9, 0x30D4, 0x30FC, 0x30C9, 0x3067},
       "d9juau41awczczp"},
      {"S an ASCII string",
       {0x002D, 0x003E, 0x0020, 0x0024, 0x0031, 0x002E, 0x0030, 0x0030, 0x0020, 0x003C, 0x002D},
       "-> $1.00 <--"},
  };
  for (const Sample& sample : samples) {
    const std::optional<std::string> encoded = PunycodeEncode(sample.code_points);
    ASSERT_TRUE(encoded.has_value()) << sample.name;
    EXPECT_EQ(Lower(*encoded), Lower(sample.punycode)) << sample.name;
    // The letters copied as they are keep their case.
    const std::size_t delimiter = sample.punycode.rfind('-');
    if (delimiter != std::string::npos) {
      EXPECT_EQ(encoded->substr(0, delimiter), sample.punycode.substr(0, delimiter)) << sample.name;
    }
  }
  EXPECT_EQ(PunycodeEncode({}), "");
  // A label too long for the encoding's integers.
  std::vector<std::uint32_t> long_label(5000, 'a');
  long_label.push_back(0x10FFFF);
  EXPECT_FALSE(PunycodeEncode(long_label).has_value());
  long_label.resize(100);
  long_label.push_back(0x10FFFF);
  EXPECT_TRUE(PunycodeEncode(long_label).has_value());
}

TEST(Host, TheScriptsOfCharacters) {
  EXPECT_EQ(ScriptOf('a').script, Script::kLatin);
  EXPECT_EQ(ScriptOf(0x00E9).script, Script::kLatin);  // é
  EXPECT_EQ(ScriptOf(0x0430).script, Script::kCyrillic);
  EXPECT_EQ(ScriptOf(0x03C1).script, Script::kGreek);
  EXPECT_EQ(ScriptOf(0x65E5).script, Script::kHan);
  EXPECT_EQ(ScriptOf(0x3042).script, Script::kHiragana);
  EXPECT_EQ(ScriptOf(0x30A2).script, Script::kKatakana);
  EXPECT_EQ(ScriptOf(0xAC00).script, Script::kHangul);
  EXPECT_EQ(ScriptOf(0x20000).script, Script::kHan);
  // Shared by all, or no letter: no script.
  for (const std::uint32_t c :
       {std::uint32_t{'7'}, std::uint32_t{'-'}, 0x30FCu, 0x0301u, 0x3000u}) {
    EXPECT_EQ(ScriptOf(c).script, Script::kNone) << c;
  }
  // Letters of other scripts count by their block.
  EXPECT_EQ(ScriptOf(0x0B85).script, Script::kOther);  // Tamil
  EXPECT_NE(ScriptOf(0x0B85).block, ScriptOf(0x0C05).block);
}

TEST(Host, MixedScriptsShowAsPunycode) {
  const HostView japanese = ViewHost("日本語とカタカナ-abc.jp");
  EXPECT_EQ(japanese.shown, "日本語とカタカナ-abc.jp");
  EXPECT_FALSE(japanese.punycode);
  // Korean and Chinese mixes too, but not Japanese kana with Hangul.
  EXPECT_FALSE(ViewHost("한국abc漢字.kr").punycode);
  EXPECT_FALSE(ViewHost("ㄅabc漢字.tw").punycode);
  EXPECT_TRUE(ViewHost("한국かな.kr").punycode);
  // Every label in other characters becomes Punycode, ASCII in lower case.
  const HostView mixed = ViewHost("WWW.\xD0\xB0pple.日本.COM");
  EXPECT_TRUE(mixed.punycode);
  EXPECT_EQ(mixed.shown, "www.xn--pple-43d.xn--wgv71a.com");
  EXPECT_TRUE(mixed.latin_with_lookalikes);
  // Capitals are made small first, as browsers map a name: a capital
  // Cyrillic A is the same name as a small one.
  EXPECT_EQ(ViewHost("\xD0\x90pple.com").shown, "xn--pple-43d.com");
  EXPECT_EQ(ViewHost("\xD0\x90PPLE.COM").shown, "xn--pple-43d.com");
  // The ideographic full stop separates labels as a dot does.
  EXPECT_EQ(ViewHost("ab\xD0\xB0\xE3\x80\x82jp").shown, "xn--ab-8kc.jp");
  EXPECT_FALSE(ViewHost("παράδειγμα.δοκιμή").latin_with_lookalikes);
  EXPECT_TRUE(ViewHost("παράδειγμα.com").latin_with_lookalikes);
  EXPECT_FALSE(ViewHost("παράδειγμα.com").punycode);
  EXPECT_TRUE(ViewHost("\xE0\xAE\x85\xE0\xB0\x85.in").punycode);  // Tamil with Telugu
  // A label in other characters with punctuation in it is no name at all.
  EXPECT_TRUE(ViewHost("\xD0\xB0pple!.com").broken);
  EXPECT_TRUE(ViewHost("[::1\xD0\xB0]").broken);
  EXPECT_FALSE(ViewHost("a!b.com").broken);  // ASCII is left to the browser
  EXPECT_FALSE(ViewHost("日本.jp").broken);
}

TEST(Host, WhatCanBeAHost) {
  for (const char* host :
       {"a.b", "example.com", "xn--pple-43d.com", "a-b.c-d", "1a.2b", "localhost", "LocalHost:80",
        "0.0.0.0", "10.1.2.3:8080", "[::]", "[fe80::1%25eth0]", "日本.jp", "例え。テスト"}) {
    if (std::string(host) == "[fe80::1%25eth0]") {
      EXPECT_FALSE(CanBeHost(host)) << host;  // a zone is not taken
    } else {
      EXPECT_TRUE(CanBeHost(host)) << host;
    }
  }
  for (const char* text :
       {"",          "a",         "a.",    ".a",        "a..b",   "1.2",        "1.2.3",
        "256.1.1.1", "1.2.3.4.5", "a.b:",  "a.b:65536", "a.b:-1", "[::1",       "[::1]x",
        "[1.2.3.4]", "a b.c",     "a_b.c", "a!.b",      "a.b c",  "localhost.", "user@a.b"}) {
    EXPECT_FALSE(CanBeHost(text)) << text;
  }
}

}  // namespace
}  // namespace wendora
