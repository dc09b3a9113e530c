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
