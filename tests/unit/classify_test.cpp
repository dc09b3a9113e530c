#include "watcher/classify.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace wendora {
namespace {

struct Case {
  std::string text;
  ClipTextKind kind;
  std::string target;
  ModeRule mode;
};

constexpr auto Url = ClipTextKind::Url;
constexpr auto Path = ClipTextKind::Path;
constexpr auto Loose = ClipTextKind::LooseUrl;
constexpr auto Nothing = ClipTextKind::NotRecognised;
constexpr auto Default = ModeRule::FollowDefaultAction;
constexpr auto Click = ModeRule::AlwaysClick;
constexpr auto NoMode = ModeRule::None;

// The original rule for texts with a slash.
constexpr RecognitionRules kAnyTextWithSlash{true};

void ExpectClassified(const std::vector<Case>& cases, const RecognitionRules& rules = {}) {
  for (const Case& c : cases) {
    const Classification got = ClassifyClipboardText(c.text, rules);
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
      {"http://host\r\nsecond line", Nothing, "", NoMode},  // two lines are no one address
      {"http://\xD0\xB0pple\xEF\xBC\x9A.com/", Nothing, "", NoMode},  // a full-width colon
      {"http://日本.jp/ページ", Url, "http://日本.jp/ページ", Default},
      // Nothing after the front is still an address.
      {"www.", Url, "http://www.", Default},
      {"http://", Url, "http://", Default},
      {"ttp://", Url, "http://", Default},
      {"tp://", Url, "http://", Click},
      {"tp:/", Nothing, "", NoMode},
      {"www", Nothing, "", NoMode},
  });
  ExpectClassified({{"tp:/", Loose, "http://tp:/", Click}}, kAnyTextWithSlash);
}

TEST(Classify, NothingLongerThanTheShellCanOpen) {
  // The limit counts UTF-16 units of what would be opened, front included.
  const std::string path = "C:\\" + std::string(kMaxTargetUnits - 3, 'x');
  EXPECT_EQ(ClassifyClipboardText(path).kind, Path);
  EXPECT_EQ(ClassifyClipboardText(path + "x").kind, Nothing);
  const std::string loose(kMaxTargetUnits - 7, '/');
  EXPECT_EQ(ClassifyClipboardText(loose, kAnyTextWithSlash).target.size(), kMaxTargetUnits);
  EXPECT_EQ(ClassifyClipboardText(loose + "/", kAnyTextWithSlash).kind, Nothing);
  const std::string host = "a.b/" + std::string(kMaxTargetUnits - 11, 'x');
  EXPECT_EQ(ClassifyClipboardText(host).target.size(), kMaxTargetUnits);
  EXPECT_EQ(ClassifyClipboardText(host + "x").kind, Nothing);
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
  EXPECT_EQ(ClassifyClipboardText(std::string(50 << 20, '/'), kAnyTextWithSlash).kind, Nothing);
  // Command words are not addresses: the rule leaves them alone.
  EXPECT_EQ(ClassifyClipboardText("WendoraWaitTime=" + std::string(40000, ' ') + "5").kind,
            ClipTextKind::WaitTimeCommand);
}

TEST(Classify, PathsLooseAddressesAndNothing) {
  ExpectClassified({
      {"C:\\Windows", Path, "C:\\Windows", Click},
      {"c:\\", Path, "c:\\", Click},
      {"あ:\\フォルダ", Path, "あ:\\フォルダ", Click},  // any one character, counted as one
      {"c:/temp", Path, "c:\\temp", Click},
      {"ftp://host", Nothing, "", NoMode},
      {" http://host", Url, "http://host", Default},
      {"host/index.html", Nothing, "", NoMode},
      {"2002/01/05", Nothing, "", NoMode},
      {"a/b", Nothing, "", NoMode},
      {"WendoraWaitTime=1/2", ClipTextKind::IgnoredCommand, "", NoMode},
      {"\\\\server\\share", Path, "\\\\server\\share", Click},
      {"", Nothing, "", NoMode},
      {"c:", Nothing, "", NoMode},
      {"ww.host", Nothing, "", NoMode},
      {"日本語のテキスト", Nothing, "", NoMode},
  });
}

TEST(Classify, TheOriginalRuleMakesAnyTextWithASlashAnAddress) {
  ExpectClassified(
      {
          {"host/index.html", Loose, "http://host/index.html", Click},
          {"2002/01/05", Loose, "http://2002/01/05", Click},
          {"a/b", Loose, "http://a/b", Click},
          {"ftp://host", Loose, "http://ftp://host", Click},
          {"WendoraWaitTime=1/2", Loose, "http://WendoraWaitTime=1/2", Click},
          {"a b/c", Loose, "http://a b/c", Click},
          // The ends still come off, and hidden characters still make nothing.
          {" a/b\r\n", Loose, "http://a/b", Click},
          {"a/\nb", Nothing, "", NoMode},
          {"c:/temp", Path, "c:\\temp", Click},
      },
      kAnyTextWithSlash);
}

TEST(Classify, TheEndsOfACopyComeOff) {
  ExpectClassified({
      {" https://a.example/ ", Url, "https://a.example/", Default},
      {"\thttp://a.example/\t", Url, "http://a.example/", Default},
      {"https://a.example/\r\n", Url, "https://a.example/", Default},
      {"\xE3\x80\x80www.example.com\xC2\xA0", Url, "http://www.example.com", Default},
      {"<https://a.example/x>", Url, "https://a.example/x", Default},
      {"\"C:\\Users\\x\\a b.txt\"", Path, "C:\\Users\\x\\a b.txt", Click},
      {" \"C:\\x\" \r\n", Path, "C:\\x", Click},
      {"C:\\x\n", Path, "C:\\x", Click},
      {"\" C:\\x \"", Path, "C:\\x", Click},  // blanks inside the quotes too
      // One pair only, and only a pair.
      {"\"\"C:\\x\"\"", Nothing, "", NoMode},
      {"\"C:\\x", Nothing, "", NoMode},
      {"<C:\\x\"", Nothing, "", NoMode},
      {"\"\"", Nothing, "", NoMode},
      {" \r\n\t", Nothing, "", NoMode},
      // Command words stand whole, as they are.
      {"ExitWendora ", Nothing, "", NoMode},
      {" ExitWendora", Nothing, "", NoMode},
      {"\"ExitWendora\"", Nothing, "", NoMode},
  });
}

TEST(Classify, PathsAsWindowsWritesThem) {
  ExpectClassified({
      {"C:/Users/x/a.txt", Path, "C:\\Users\\x\\a.txt", Click},
      {"d:/", Path, "d:\\", Click},
      {"C:\\mixed/slashes", Path, "C:\\mixed\\slashes", Click},
      {"file:///C:/Users/x/a%20b.txt", Path, "C:\\Users\\x\\a b.txt", Click},
      {"file:///C:/%E6%97%A5%E6%9C%AC.txt", Path, "C:\\日本.txt", Click},
      {"FILE://localhost/c:/x", Path, "c:\\x", Click},
      {"file:///C|/x", Path, "C:\\x", Click},
      {"file:///C:", Path, "C:\\", Click},
      {"file://server/share/a.txt", Path, "\\\\server\\share\\a.txt", Click},
      {"file:////server/share/a", Path, "\\\\server\\share\\a", Click},
      {"\\\\server\\share", Path, "\\\\server\\share", Click},
      {"\\\\server\\share\\a.txt", Path, "\\\\server\\share\\a.txt", Click},
      {"\\\\server/share/a", Path, "\\\\server\\share\\a", Click},
      // Never for the browser, never a WebDAV share, never a device.
      {"file:///x/y", Nothing, "", NoMode},
      {"file:C:/x", Nothing, "", NoMode},
      {"file://server@SSL/share", Nothing, "", NoMode},
      {"file:///C:/%ZZ", Nothing, "", NoMode},
      {"file:///C:/%0A", Nothing, "", NoMode},
      {"file:///C:/%FF", Nothing, "", NoMode},
      {"file:///C:/%E2%80%AEtxt.exe", Nothing, "", NoMode},
      {"\\\\server@SSL\\share\\a", Nothing, "", NoMode},
      {"\\\\server@8080\\share", Nothing, "", NoMode},
      {"\\\\server\\DavWWWRoot\\x", Nothing, "", NoMode},
      {"\\\\server\\share\\davwwwroot", Nothing, "", NoMode},
      {"\\\\?\\C:\\x", Nothing, "", NoMode},
      {"\\\\.\\pipe\\x", Nothing, "", NoMode},
      {"\\\\server", Nothing, "", NoMode},
      {"\\\\server\\", Nothing, "", NoMode},
      {"\\\\\\share", Nothing, "", NoMode},
  });
}

TEST(Classify, ALooseAddressStartsWithAHost) {
  const std::vector<Case> hosts = {
      {"a.b/", Loose, "http://a.b/", Click},
      {"1.2.3.4/", Loose, "http://1.2.3.4/", Click},
      {"255.255.255.255:65535/x", Loose, "http://255.255.255.255:65535/x", Click},
      {"[::1]:8080/", Loose, "http://[::1]:8080/", Click},
      {"[2001:db8::1]/a", Loose, "http://[2001:db8::1]/a", Click},
      {"[::ffff:1.2.3.4]/", Loose, "http://[::ffff:1.2.3.4]/", Click},
      {"localhost/", Loose, "http://localhost/", Click},
      {"LOCALHOST:3000/x", Loose, "http://LOCALHOST:3000/x", Click},
      {"intra.example.co.jp/wiki", Loose, "http://intra.example.co.jp/wiki", Click},
      {"my-host.example:8080/a?b=c/d", Loose, "http://my-host.example:8080/a?b=c/d", Click},
      {"日本.jp/ページ", Loose, "http://日本.jp/ページ", Click},
  };
  ExpectClassified(hosts);
  ExpectClassified(hosts, kAnyTextWithSlash);
  const std::vector<std::string> not_hosts = {
      "2026/12/08",   "1/2",
      "and/or",       "TCP/IP",
      "src/main.cpp", "host/index.html",
      "1.5/2",        "1.2.3/4",
      "999.1.1.1/",   "1.2.3.4.5/",
      "a.b:99999/",   "a.b:x/",
      "a.b:/",        "[::1/",
      "[1.2]/",       "a..b/",
      ".a.b/",        "a.b./",
      "a_b.c/",       "例え。/",
      "/etc/passwd",  "./run.sh",
      "cd /tmp",      "rm -rf /",
      "a.b/c d",      "a.b/\xE3\x80\x80x",
      "http:/a.b/",   "a.b,c/",
      "x@a.b/",
  };
  for (const std::string& text : not_hosts) {
    EXPECT_EQ(ClassifyClipboardText(text).kind, Nothing) << text;
    EXPECT_EQ(ClassifyClipboardText(text, kAnyTextWithSlash).kind, Loose) << text;
  }
}

TEST(Classify, HiddenCharactersMakeNoAddressOrPath) {
  for (const std::string& text : {
           std::string("https://a.example/\r\nhttps://b.example/"),
           std::string("https://a.example/\thttps://b.example/"),
           std::string("https://a.exa\xE2\x80\x8Bmple/"),  // a zero-width space
           std::string("C:\\x\xE2\x80\xAEtxt.exe"),        // right-to-left override
           std::string("www.\xEF\xBB\xBF"
                       "example.com"),  // zero-width no-break space
           std::string("https://a.example/\x7F"),
           std::string("a.b/\xE2\x81\xA6x"),  // a direction isolate
           std::string("https://a.example/\xC2\x85"), std::string("\\\\server\\share\x01"),
           std::string("http://google\xE3\x85\xA4.com/"),      // a Hangul filler
           std::string("https://pay\xC2\xADpal.com/"),         // a soft hyphen
           std::string("https://a.example/\xEF\xB8\x8F"),      // a variation selector
           std::string("https://a.example/\xF3\xA0\x80\x81"),  // a tag
       }) {
    EXPECT_EQ(ClassifyClipboardText(text).kind, Nothing) << text;
    EXPECT_TRUE(HoldsHiddenCharacters(text)) << text;
  }
  EXPECT_FALSE(HoldsHiddenCharacters("https://日本.jp/ページ?q=a b"));
  // Hidden once its escapes are decoded, as the browser decodes a host.
  EXPECT_EQ(ClassifyClipboardText("http://%E2%80%8Bexample.com/").kind, Nothing);
  // So is a host that decodes into what no host holds.
  EXPECT_EQ(ClassifyClipboardText("http://evil.example%40good.example/").kind, Nothing);
  EXPECT_EQ(ClassifyClipboardText("http://a%2Fb.example/").kind, Nothing);
}

TEST(Classify, NoUserNameOrPasswordIsShown) {
  struct Shown {
    std::string text, target, display;
    std::size_t front;
    bool user;
    ModeRule mode;
  };
  for (const Shown& c : {
           Shown{"https://user:pw@host/p", "https://user:pw@host/p", "https://host/p", 12, true,
                 Click},
           Shown{"http://www.microsoft.com@evil.example/", "http://www.microsoft.com@evil.example/",
                 "http://evil.example/", 19, true, Click},
           Shown{"https://user@host:8080", "https://user@host:8080", "https://host:8080", 17, true,
                 Click},
           Shown{"ttp://u:p@h/", "http://u:p@h/", "http://h/", 8, true, Click},
           Shown{"https://a:b@c@host/", "https://a:b@c@host/", "https://host/", 12, true, Click},
           Shown{"https://host/a@b", "https://host/a@b", "https://host/a@b", 12, false, Default},
           Shown{"https://host?x=@y", "https://host?x=@y", "https://host?x=@y", 12, false, Default},
           Shown{"https://[::1]:80/", "https://[::1]:80/", "https://[::1]:80/", 16, false, Default},
       }) {
    const Classification got = ClassifyClipboardText(c.text);
    EXPECT_EQ(got.kind, Url) << c.text;
    EXPECT_EQ(got.target, c.target) << c.text;
    EXPECT_EQ(got.display, c.display) << c.text;
    EXPECT_EQ(got.display_front, c.front) << c.text;
    EXPECT_EQ(got.has_user_info, c.user) << c.text;
    EXPECT_EQ(got.mode, c.mode) << c.text;
    EXPECT_EQ(got.display.find("pw"), std::string::npos) << c.text;
  }
}

TEST(Classify, HostsInOtherCharactersAsBrowsersShowThem) {
  struct Host {
    std::string text, target, display;
    ModeRule mode;
  };
  for (const Host& c : {
           // One script, or Latin with Han and kana: shown as they are.
           Host{"http://日本語.jp/", "http://日本語.jp/", "http://日本語.jp/", Default},
           Host{"https://例え.テスト/", "https://例え.テスト/", "https://例え.テスト/", Default},
           Host{"http://ドメイン名例.jp/", "http://ドメイン名例.jp/", "http://ドメイン名例.jp/",
                Default},
           Host{"http://müller.de/", "http://müller.de/", "http://müller.de/", Default},
           Host{"http://яндекс.рф/", "http://яндекс.рф/", "http://яндекс.рф/", Default},
           // A Cyrillic "а" inside a Latin name: Punycode, opened as shown.
           Host{"http://\xD0\xB0pple.com/x", "http://xn--pple-43d.com/x",
                "http://xn--pple-43d.com/x", Click},
           Host{"www.\xD0\xB0pple.com", "http://www.xn--pple-43d.com",
                "http://www.xn--pple-43d.com", Click},
           Host{"https://u@\xD0\xB0pple.com", "https://u@xn--pple-43d.com",
                "https://xn--pple-43d.com", Click},
           // Cyrillic and Latin in different labels: shown, but never run by itself.
           Host{"http://яндекс.com/", "http://яндекс.com/", "http://яндекс.com/", Click},
           // Written with percent escapes, as browsers read it: decoded, and
           // never run by itself.
           Host{"http://%D0%B0pple.com/", "http://xn--pple-43d.com/", "http://xn--pple-43d.com/",
                Click},
           Host{"http://%65xample.com/", "http://%65xample.com/", "http://example.com/", Click},
           // Greek rho with Latin.
           Host{"http://\xCF\x81"
                "aypal.com",
                "http://xn--aypal-2ce.com", "http://xn--aypal-2ce.com", Click},
       }) {
    const Classification got = ClassifyClipboardText(c.text);
    EXPECT_EQ(got.kind, Url) << c.text;
    EXPECT_EQ(got.target, c.target) << c.text;
    EXPECT_EQ(got.display, c.display) << c.text;
    EXPECT_EQ(got.mode, c.mode) << c.text;
  }
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
