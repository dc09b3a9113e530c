#include "settings/profile.h"

#include <gtest/gtest.h>

#include "fake/fake_platform.h"

namespace wendora {
namespace {

constexpr const char* kFile = "C:\\Tools\\Wendora\\TWendora.ini";

TEST(ProfileLookup, MatchesSectionAndKeyInAnyLetterCase) {
  const std::string content =
      "[other]\r\nWaitTime=9\r\n[SETTINGS]\r\ntopcolorb=0\r\nWaitTime=7\r\n";
  EXPECT_EQ(ProfileLookup(content, "Settings", "TopColorB"), "0");
  EXPECT_EQ(ProfileLookup(content, "settings", "WAITTIME"), "7");
  EXPECT_EQ(ProfileLookup(content, "other", "WaitTime"), "9");
  EXPECT_EQ(ProfileLookup(content, "Settings", "Missing"), std::nullopt);
  EXPECT_EQ(ProfileLookup(content, "Nowhere", "WaitTime"), std::nullopt);
  EXPECT_EQ(ProfileLookup("", "Settings", "WaitTime"), std::nullopt);
}

TEST(ProfileLookup, TrimsBlanksAndOnePairOfQuotes) {
  const std::string content =
      "[Settings]\nEmpty=\n Spaced  =  4  \nQuoted=\" 5 \"\nSingle='6'\nHalf=\"7\nInner=a=b\n";
  EXPECT_EQ(ProfileLookup(content, "Settings", "Empty"), "");
  EXPECT_EQ(ProfileLookup(content, "Settings", "Spaced"), "4");
  EXPECT_EQ(ProfileLookup(content, "Settings", "Quoted"), " 5 ");
  EXPECT_EQ(ProfileLookup(content, "Settings", "Single"), "6");
  EXPECT_EQ(ProfileLookup(content, "Settings", "Half"), "\"7");
  EXPECT_EQ(ProfileLookup(content, "Settings", "Inner"), "a=b");
}

TEST(ProfileLookup, CutsLongValuesTo255Characters) {
  const std::string long_value(300, '7');
  const auto value =
      ProfileLookup("[Settings]\r\nWaitTime=" + long_value + "\r\n", "Settings", "WaitTime");
  EXPECT_EQ(value, std::string(255, '7'));

  // Characters, not bytes: a Japanese character is three bytes of UTF-8.
  std::string japanese;
  for (int i = 0; i < 300; ++i) {
    japanese += "\xE3\x81\x82";  // HIRAGANA A
  }
  const auto cut = ProfileLookup("[S]\nK=" + japanese + "\n", "S", "K");
  EXPECT_EQ(cut->size(), 255u * 3);
}

TEST(ProfileLookup, SkipsAByteOrderMarkAndKeysBeforeAnySection) {
  EXPECT_EQ(ProfileLookup("\xEF\xBB\xBF[Settings]\r\nWaitTime=3\r\n", "Settings", "WaitTime"), "3");
  EXPECT_EQ(ProfileLookup("WaitTime=3\r\n[Settings]\r\n", "Settings", "WaitTime"), std::nullopt);
}

TEST(ProfileAssign, CreatesAFileFromNothing) {
  std::string content = ProfileAssign("", "Settings", "WaitTime", "4");
  content = ProfileAssign(content, "Settings", "ShowTaskTrayIcon", "1");
  EXPECT_EQ(content, "[Settings]\r\nWaitTime=4\r\nShowTaskTrayIcon=1\r\n");
}

TEST(ProfileAssign, ReplacesInPlaceAndKeepsEverythingElse) {
  const std::string before =
      "; hand-written notes\r\n[Other]\r\nWaitTime=99\r\n\r\n[settings]\r\n"
      "TopColorb = 0\r\nExtra=keep me\r\n\r\n[Tail]\r\nx=1";
  const std::string after = ProfileAssign(before, "Settings", "TopColorB", "255");
  EXPECT_EQ(after,
            "; hand-written notes\r\n[Other]\r\nWaitTime=99\r\n\r\n[settings]\r\n"
            "TopColorb=255\r\nExtra=keep me\r\n\r\n[Tail]\r\nx=1");
}

TEST(ProfileAssign, AddsAMissingKeyAfterTheSectionsLastLine) {
  const std::string before = "[Settings]\r\nWaitTime=4\r\n\r\n[Tail]\r\nx=1\r\n";
  EXPECT_EQ(ProfileAssign(before, "Settings", "DefaultAction", "0"),
            "[Settings]\r\nWaitTime=4\r\nDefaultAction=0\r\n\r\n[Tail]\r\nx=1\r\n");
  EXPECT_EQ(ProfileAssign("[Settings]", "Settings", "WaitTime", "4"),
            "[Settings]\r\nWaitTime=4\r\n");
}

TEST(ProfileAssign, RewritesAKeyOnTheLastLineWithoutALineEnd) {
  EXPECT_EQ(ProfileAssign("[Settings]\r\nWaitTime=4", "Settings", "WaitTime", "10"),
            "[Settings]\r\nWaitTime=10\r\n");
  EXPECT_EQ(ProfileAssign("[Settings]\nx=1\nWaitTime = 4 ", "settings", "waittime", "-3"),
            "[Settings]\nx=1\nWaitTime=-3\r\n");
  // A key added after it then stands on a line of its own.
  const std::string once = ProfileAssign("[Settings]\r\nWaitTime=4", "Settings", "WaitTime", "5");
  EXPECT_EQ(ProfileAssign(once, "Settings", "DefaultAction", "1"),
            "[Settings]\r\nWaitTime=5\r\nDefaultAction=1\r\n");
  EXPECT_EQ(ProfileLookup(once, "Settings", "WaitTime"), "5");
}

TEST(ProfileAssign, AddsAMissingSectionAtTheEnd) {
  EXPECT_EQ(ProfileAssign("[Other]\r\na=1", "Settings", "WaitTime", "4"),
            "[Other]\r\na=1\r\n[Settings]\r\nWaitTime=4\r\n");
}

TEST(ProfileAssign, KeepsEveryKindOfLineEnd) {
  // Each kind of line end, with an empty line between the sections: a new
  // key goes before the empty line, and no two line ends become one.
  for (const std::string end : {"\r\n", "\n", "\r"}) {
    const std::string before =
        "[Settings]" + end + "WaitTime=4" + end + end + "[Tail]" + end + "x=1" + end;
    EXPECT_EQ(ProfileLookup(before, "Settings", "WaitTime"), "4") << int(end.back());
    EXPECT_EQ(ProfileLookup(before, "Tail", "x"), "1") << int(end.back());
    EXPECT_EQ(ProfileAssign(before, "Settings", "DefaultAction", "0"),
              "[Settings]" + end + "WaitTime=4" + end + "DefaultAction=0\r\n" + end + "[Tail]" +
                  end + "x=1" + end)
        << int(end.back());
    EXPECT_EQ(ProfileAssign(before, "Tail", "x", "2"),
              "[Settings]" + end + "WaitTime=4" + end + end + "[Tail]" + end + "x=2" + end)
        << int(end.back());
  }
  // A lone CR before a CRLF is a line end of its own.
  const std::string mixed = "[Settings]\r\r\nWaitTime=4\n\r\n";
  EXPECT_EQ(ProfileLookup(mixed, "Settings", "WaitTime"), "4");
  EXPECT_EQ(ProfileAssign(mixed, "Settings", "DefaultAction", "1"),
            "[Settings]\r\r\nWaitTime=4\nDefaultAction=1\r\n\r\n");
}

TEST(ProfileAssign, KeepsLineEndsAndByteOrderMark) {
  EXPECT_EQ(ProfileAssign("\xEF\xBB\xBF[Settings]\nWaitTime=4\nZ=\xE3\x81\x82\n", "Settings",
                          "WaitTime", "10"),
            "\xEF\xBB\xBF[Settings]\nWaitTime=10\nZ=\xE3\x81\x82\n");
}

// A file in UTF-16 (little-endian, with its byte-order mark).
std::string Utf16(std::u16string_view text) {
  std::string out = "\xFF\xFE";
  for (char16_t unit : text) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
  }
  return out;
}

TEST(ProfileAssign, KeepsAUtf16FileUtf16) {
  const std::string before = Utf16(u"[Settings]\r\nWaitTime=7\r\n[Mine]\r\nx=1\r\n");
  EXPECT_EQ(ProfileLookup(before, "settings", "WAITTIME"), "7");
  EXPECT_EQ(ProfileAssign(before, "Settings", "WaitTime", "12"),
            Utf16(u"[Settings]\r\nWaitTime=12\r\n[Mine]\r\nx=1\r\n"));
  // Japanese text and a character outside the basic plane survive.
  const std::string japanese = Utf16(u"[S]\r\nk=あ\U0001F600\r\n");
  EXPECT_EQ(ProfileLookup(japanese, "S", "k"), "あ\U0001F600");
  EXPECT_EQ(ProfileAssign(japanese, "S", "j", "1"), Utf16(u"[S]\r\nk=あ\U0001F600\r\nj=1\r\n"));
}

TEST(ProfileAssign, RoundTripsEveryKeyOnce) {
  std::string content = "[Settings]\r\nTopColorb=0\r\n";
  for (int i = 0; i < 3; ++i) {
    content = ProfileAssign(content, "Settings", "TopColorB", std::to_string(i));
  }
  EXPECT_EQ(content, "[Settings]\r\nTopColorb=2\r\n");
  EXPECT_EQ(ProfileLookup(content, "Settings", "TopColorB"), "2");
}

TEST(ProfileLookup, SkipsEveryKindOfBlank) {
  // Each blank the reader skips, on its own: around a section's name and
  // its brackets, around a key and around a value.
  for (const std::string blank : {" ", "\t", "\f", "\v", "\x1a"}) {
    const std::string b2 = blank + blank;
    const std::string header = b2 + "[" + b2 + "Settings" + b2 + "]" + b2 + "\r\n";
    EXPECT_EQ(ProfileLookup(header + "Key=v\r\n", "Settings", "Key"), "v") << int(blank[0]);
    EXPECT_EQ(ProfileLookup("[Settings]\r\n" + b2 + "Key" + b2 + "=v\r\n", "Settings", "Key"), "v")
        << int(blank[0]);
    EXPECT_EQ(ProfileLookup("[Settings]\r\nKey=" + b2 + "v w" + b2 + "\r\n", "Settings", "Key"),
              "v w")
        << int(blank[0]);
    EXPECT_EQ(ProfileLookup("[Settings]\r\nKey=" + b2 + "\r\n", "Settings", "Key"), "")
        << int(blank[0]);
    // Inside quotation marks they stay.
    EXPECT_EQ(ProfileLookup("[Settings]\r\nKey=" + blank + "\"" + blank + "v" + blank + "\"\r\n",
                            "Settings", "Key"),
              blank + "v" + blank)
        << int(blank[0]);
    // A key among blanks is found and rewritten in place, keeping its header.
    EXPECT_EQ(ProfileAssign(header + blank + "Key" + blank + "=" + blank + "1" + blank + "\r\n",
                            "Settings", "Key", "2"),
              header + "Key=2\r\n")
        << int(blank[0]);
    // A line of nothing but blanks ends what a new key follows.
    EXPECT_EQ(ProfileAssign("[Settings]\r\na=1\r\n" + b2 + "\r\n[Tail]\r\n", "Settings", "b", "2"),
              "[Settings]\r\na=1\r\nb=2\r\n" + b2 + "\r\n[Tail]\r\n")
        << int(blank[0]);
  }
  // Other control characters are part of the name or value.
  for (const std::string other : {"\x1b", "\x01", "\x7f"}) {
    EXPECT_EQ(ProfileLookup("[Settings]\r\nKey=" + other + "v" + other + "\r\n", "Settings", "Key"),
              other + "v" + other)
        << int(other[0]);
    EXPECT_EQ(ProfileLookup("[Settings]\r\n" + other + "Key=v\r\n", "Settings", "Key"),
              std::nullopt)
        << int(other[0]);
    EXPECT_EQ(ProfileLookup("[" + other + "Settings]\r\nKey=v\r\n", "Settings", "Key"),
              std::nullopt)
        << int(other[0]);
  }
}

TEST(ProfileLookup, TakesOffOnePairOfMatchingQuotes) {
  struct Case {
    std::string_view written;
    std::string_view read;
  };
  for (const Case c :
       {Case{"\"\"", ""}, Case{"''", ""}, Case{" \"\" ", ""}, Case{"\"", "\""}, Case{"'", "'"},
        Case{"\"'", "\"'"}, Case{"'\"", "'\""}, Case{"\"\"\"\"", "\"\""}, Case{"\" \"", " "},
        Case{"\"a", "\"a"}, Case{"a\"", "a\""}, Case{"\"a\"b", "\"a\"b"}, Case{"x", "x"}}) {
    EXPECT_EQ(ProfileLookup("[S]\r\nk=" + std::string(c.written) + "\r\n", "S", "k"), c.read)
        << c.written;
  }
  // An empty value in quotation marks is a value, not a missing key.
  fake::FakePlatform platform;
  platform.files[kFile] = "[Settings]\r\nIgnoredPrograms=\"\"\r\n";
  EXPECT_EQ(ReadINI(platform, "Settings", "IgnoredPrograms", "chrome.exe", kFile), "");
}

TEST(ReadWriteINI, KeepACharacterOutsideTheBasicPlaneInAUtf16File) {
  fake::FakePlatform platform;
  platform.files[kFile] = Utf16(u"[Settings]\r\nName=x\r\n");
  WriteINI(platform, "a\U0001F600b", "Settings", "Name", kFile);
  // In the file: the surrogate pair D83D DE00, little-endian.
  EXPECT_EQ(platform.files[kFile], Utf16(u"[Settings]\r\nName=a\U0001F600b\r\n"));
  EXPECT_NE(platform.files[kFile].find(std::string("\x3D\xD8\x00\xDE", 4)), std::string::npos);
  EXPECT_EQ(ReadINI(platform, "Settings", "Name", "", kFile), "a\U0001F600b");

  // A value is cut to 255 UTF-16 units, never inside the pair.
  const std::string fits = std::string(253, 'x') + "\U0001F600";
  const std::string too_long = std::string(254, 'x') + "\U0001F600";
  WriteINI(platform, fits, "Settings", "Name", kFile);
  EXPECT_EQ(ReadINI(platform, "Settings", "Name", "", kFile), fits);
  WriteINI(platform, too_long, "Settings", "Name", kFile);
  EXPECT_EQ(ReadINI(platform, "Settings", "Name", "", kFile), std::string(254, 'x'));
  EXPECT_EQ(platform.files[kFile].substr(0, 2), "\xFF\xFE");

  // A file the program creates is UTF-8, and keeps the character just as well.
  fake::FakePlatform fresh;
  WriteINI(fresh, "\U0001F600", "Settings", "Name", kFile);
  EXPECT_EQ(fresh.files[kFile], "[Settings]\r\nName=\xF0\x9F\x98\x80\r\n");
  EXPECT_EQ(ReadINI(fresh, "Settings", "Name", "", kFile), "\U0001F600");
}

TEST(ReadWriteINI, GoThroughThePlatformsFiles) {
  fake::FakePlatform platform;
  EXPECT_EQ(ReadINI(platform, "Settings", "WaitTime", "4", kFile), "4");
  WriteINI(platform, "12", "Settings", "WaitTime", kFile);
  EXPECT_EQ(platform.files[kFile], "[Settings]\r\nWaitTime=12\r\n");
  EXPECT_EQ(ReadINI(platform, "Settings", "WaitTime", "4", kFile), "12");
}

TEST(ReadWriteINI, AFailedWriteLeavesTheOldFile) {
  fake::FakePlatform platform;
  platform.files[kFile] = "[Settings]\r\nWaitTime=3\r\n";
  platform.unwritable.insert(kFile);
  WriteINI(platform, "12", "Settings", "WaitTime", kFile);
  EXPECT_EQ(platform.files[kFile], "[Settings]\r\nWaitTime=3\r\n");
}

TEST(ReadWriteINI, AnUnreadableFileIsNeverOverwritten) {
  fake::FakePlatform platform;
  platform.files[kFile] = "[Settings]\r\nWaitTime=3\r\n[Mine]\r\nkeep=1\r\n";
  platform.unreadable.insert(kFile);
  EXPECT_EQ(ReadINI(platform, "Settings", "WaitTime", "4", kFile), "4");
  WriteINI(platform, "12", "Settings", "WaitTime", kFile);
  EXPECT_EQ(platform.files[kFile], "[Settings]\r\nWaitTime=3\r\n[Mine]\r\nkeep=1\r\n");
  EXPECT_EQ(platform.calls.back(), "ReadFile " + std::string(kFile));
}

}  // namespace
}  // namespace wendora
