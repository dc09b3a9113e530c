#include "watcher/classify.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace wendora {
namespace {

struct Case {
  const char* text;
  ClipTextKind kind;
  const char* target;
  ModeRule mode;
};

constexpr auto Url = ClipTextKind::Url;
constexpr auto Path = ClipTextKind::Path;
constexpr auto Loose = ClipTextKind::LooseUrl;
constexpr auto Nothing = ClipTextKind::NotRecognised;
constexpr auto Default = ModeRule::FollowDefaultAction;
constexpr auto Click = ModeRule::AlwaysClick;
constexpr auto NoMode = ModeRule::None;

void ExpectClassified(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    const Classification got = ClassifyClipboardText(c.text);
    EXPECT_EQ(got.kind, c.kind) << c.text;
    EXPECT_EQ(got.target, c.target) << c.text;
    EXPECT_EQ(got.mode, c.mode) << c.text;
  }
}

TEST(Classify, WebAddressesAndTheirRepairs) {
  ExpectClassified({
      {"HTTP://Host/", Url, "HTTP://Host/", Default},
      {"ttp://host", Url, "http://host", Default},
      {"TTP://host", Url, "hTTP://host", Default},
      {"tp://host", Url, "http://host", Click},
      {"www.host", Url, "http://www.host", Default},
      {"WWW.host", Url, "http://WWW.host", Default},
      // The secure forms open as themselves.
      {"https://host", Url, "https://host", Default},
      {"HTTPS://host/a", Url, "HTTPS://host/a", Default},
      {"ttps://host", Url, "https://host", Default},
      {"tps://host", Url, "https://host", Click},
      {"http://host\r\nsecond line", Url, "http://host\r\nsecond line", Default},
      {"http://日本.jp/ページ", Url, "http://日本.jp/ページ", Default},
      // Nothing after the front is still an address.
      {"www.", Url, "http://www.", Default},
      {"http://", Url, "http://", Default},
      {"ttp://", Url, "http://", Default},
      {"tp://", Url, "http://", Click},
      {"tp:/", Loose, "http://tp:/", Click},
      {"www", Nothing, "", NoMode},
  });
}

TEST(Classify, NothingLongerThanTheShellCanOpen) {
  // The limit counts UTF-16 units of what would be opened, front included.
  const std::string path = "C:\\" + std::string(kMaxTargetUnits - 3, 'x');
  EXPECT_EQ(ClassifyClipboardText(path).kind, Path);
  EXPECT_EQ(ClassifyClipboardText(path + "x").kind, Nothing);
  const std::string loose(kMaxTargetUnits - 7, '/');
  EXPECT_EQ(ClassifyClipboardText(loose).target.size(), kMaxTargetUnits);
  EXPECT_EQ(ClassifyClipboardText(loose + "/").kind, Nothing);
  // A character outside the basic plane counts twice, a Japanese one once.
  std::string wide = "http://";
  for (int i = 0; i < 16380; ++i) {
    wide += "😀";
  }
  EXPECT_EQ(ClassifyClipboardText(wide).kind, Url);  // 7 + 2 * 16380 units
  EXPECT_EQ(ClassifyClipboardText(wide + "a").kind, Nothing);
  std::string japanese = "www.";
  for (std::size_t i = 0; i < kMaxTargetUnits - 11; ++i) {
    japanese += "あ";
  }
  EXPECT_EQ(ClassifyClipboardText(japanese).kind, Url);
  EXPECT_EQ(ClassifyClipboardText(japanese + "あ").kind, Nothing);
  EXPECT_EQ(ClassifyClipboardText(std::string(50 << 20, '/')).kind, Nothing);
  // Command words are not addresses: the rule leaves them alone.
  EXPECT_EQ(ClassifyClipboardText("WendoraWaitTime=" + std::string(40000, ' ') + "5").kind,
            ClipTextKind::WaitTimeCommand);
}

TEST(Classify, PathsLooseAddressesAndNothing) {
  ExpectClassified({
      {"C:\\Windows", Path, "C:\\Windows", Click},
      {"c:\\", Path, "c:\\", Click},
      {"あ:\\フォルダ", Path, "あ:\\フォルダ", Click},  // any one character, counted as one
      {"c:/temp", Loose, "http://c:/temp", Click},
      {"ftp://host", Loose, "http://ftp://host", Click},
      {" http://host", Loose, "http:// http://host", Click},
      {"host/index.html", Loose, "http://host/index.html", Click},
      {"2002/01/05", Loose, "http://2002/01/05", Click},
      {"a/b", Loose, "http://a/b", Click},
      {"WendoraWaitTime=1/2", Loose, "http://WendoraWaitTime=1/2", Click},
      {"\\\\server\\share", Nothing, "", NoMode},
      {"", Nothing, "", NoMode},
      {"c:", Nothing, "", NoMode},
      {"ww.host", Nothing, "", NoMode},
      {"日本語のテキスト", Nothing, "", NoMode},
  });
}

TEST(Classify, CommandWordsAreExactAndCaseSensitive) {
  EXPECT_EQ(ClassifyClipboardText("WendoraWaitTime=10").kind, ClipTextKind::WaitTimeCommand);
  EXPECT_EQ(ClassifyClipboardText("WendoraWaitTime= 7.5").kind, ClipTextKind::WaitTimeCommand);
  EXPECT_EQ(ClassifyClipboardText("WendoraWaitTime=-3").kind, ClipTextKind::WaitTimeCommand);
  EXPECT_EQ(ClassifyClipboardText("WendoraWaitTime=1e3").kind, ClipTextKind::WaitTimeCommand);
  EXPECT_EQ(ClassifyClipboardText("WendoraWaitTime=abc").kind, ClipTextKind::IgnoredCommand);
  EXPECT_EQ(ClassifyClipboardText("WendoraWaitTime=").kind, ClipTextKind::IgnoredCommand);
  // Numeric, but no 32-bit wait time: ignored like text.
  EXPECT_EQ(ClassifyClipboardText("WendoraWaitTime=2147483648").kind, ClipTextKind::IgnoredCommand);
  EXPECT_EQ(ClassifyClipboardText("WendoraWaitTime=2147483647.4").kind,
            ClipTextKind::WaitTimeCommand);
  // Halves round to even: up out of range at the top, back in at the bottom.
  EXPECT_EQ(ClassifyClipboardText("WendoraWaitTime=2147483647.5").kind,
            ClipTextKind::IgnoredCommand);
  EXPECT_EQ(ClassifyClipboardText("WendoraWaitTime=-2147483648.4").kind,
            ClipTextKind::WaitTimeCommand);
  EXPECT_EQ(ClassifyClipboardText("WendoraWaitTime=-2147483648.5").kind,
            ClipTextKind::WaitTimeCommand);
  EXPECT_EQ(ClassifyClipboardText("WendoraWaitTime=-2147483649.5").kind,
            ClipTextKind::IgnoredCommand);
  // The value comes with the command, rounded as the settings are.
  for (const auto& [text, value] :
       {std::pair{"WendoraWaitTime=10", 10}, std::pair{"WendoraWaitTime= 7.5", 8},
        std::pair{"WendoraWaitTime=2.5", 2}, std::pair{"WendoraWaitTime=-3", -3},
        std::pair{"WendoraWaitTime=1e3", 1000},
        std::pair{"WendoraWaitTime=-2147483648.5", INT32_MIN}}) {
    EXPECT_EQ(ClassifyClipboardText(text).wait_time, value) << text;
  }
  EXPECT_EQ(ClassifyClipboardText("wendorawaittime=5").kind, ClipTextKind::NotRecognised);
  EXPECT_EQ(ClassifyClipboardText("WendoraChangeSetting").kind, ClipTextKind::ChangeSettingCommand);
  EXPECT_EQ(ClassifyClipboardText("ExitWendora").kind, ClipTextKind::ExitCommand);
  EXPECT_EQ(ClassifyClipboardText("WendoraPause").kind, ClipTextKind::PauseCommand);
  EXPECT_EQ(ClassifyClipboardText("WendoraResume").kind, ClipTextKind::ResumeCommand);
  for (const char* text : {"exitwendora", "ExitWendora ", "ExitWendora\r\n", " ExitWendora",
                           "WendoraChangeSettings", "wendorapause", "WendoraPause ",
                           "WendoraPause\n", "WENDORARESUME", " WendoraResume", "WendoraResumed"}) {
    EXPECT_EQ(ClassifyClipboardText(text).kind, ClipTextKind::NotRecognised) << text;
  }
}

}  // namespace
}  // namespace wendora
