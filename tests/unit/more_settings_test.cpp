// The dialog of more settings, opened from the settings dialog, and what it
// leaves in the settings file.
#include "app_test.h"

namespace wendora {
namespace {

using fake::FakeDialog;
using fake::FakeDialogControl;
using fake::ProcessExited;

class MoreSettingsTest : public AppTest {
 protected:
  // Opens the settings dialog and from it the dialog of more settings; the
  // test's hand works on that while it is shown.
  void OpenMore(const std::function<void(FakeDialog&)>& hand) {
    app_->frmSettings().ShowModeless();
    FakeDialog& settings = *platform_.dialogs.back();
    platform_.while_modal = [&](FakeDialog& more) {
      EXPECT_NE(&more, &settings);
      hand(more);
    };
    settings.Control("詳細設定(&D)...").Click();
    platform_.while_modal = nullptr;
  }
  static FakeDialogControl& Of(FakeDialog& d, const char* caption) { return d.Control(caption); }
  std::string Exit() {
    EXPECT_THROW(app_->ExitApplication(), ProcessExited);
    return platform_.files[platform_.SettingsFile()];
  }
  const CurrentSettings& Current() { return app_->settings(); }
};

constexpr const char* kPrimary = "プライマリ モニター(&P)";
constexpr const char* kForeground = "手前のウィンドウのあるモニター(&W)";
constexpr const char* kPointer = "マウス ポインターのあるモニター(&M)";
constexpr const char* kQuiet = "全画面表示のプログラムの前では通知しない(&Q)";
constexpr const char* kSystemLanguage = "Windows の表示言語に従う(&F)";
constexpr const char* kJapanese = "日本語(&J)";
constexpr const char* kEnglish = "English(&E)";
constexpr const char* kAdd = "最後にコピーしたプログラムを追加(&A)";
constexpr const char* kAnySlash = "スラッシュを含む文字列をすべて URL とみなす(&S)";
constexpr const char* kKeys = "キーボードでバナーを実行、キャンセルする(&K)";

TEST_F(MoreSettingsTest, ShowsTheCurrentSettings) {
  Start(
      "AnnounceMonitor=2\r\nQuietWhenFullScreen=0\r\nLanguage= JA "
      "\r\nIgnoreCopiesFrom=a.exe;b.exe\r\n"
      "AnyTextWithSlash=1\r\nBannerKeys=0\r\n");
  OpenMore([&](FakeDialog& d) {
    EXPECT_EQ(d.design.caption, "詳細設定");
    EXPECT_TRUE(d.modal);
    EXPECT_EQ(Of(d, kPrimary).value + Of(d, kForeground).value, 0);
    EXPECT_EQ(Of(d, kPointer).value, 1);
    EXPECT_EQ(Of(d, kQuiet).value, 0);
    EXPECT_EQ(Of(d, kSystemLanguage).value + Of(d, kEnglish).value, 0);
    EXPECT_EQ(Of(d, kJapanese).value, 1);
    EXPECT_EQ(d.ControlAt(11).design.kind, platform::ControlKind::kTextBox);
    EXPECT_EQ(d.ControlAt(11).text, "a.exe;b.exe");
    EXPECT_EQ(Of(d, kAnySlash).value, 1);
    EXPECT_EQ(Of(d, kKeys).value, 0);
    // The two groups of options are apart: choosing a language leaves the
    // monitor.
    Of(d, kEnglish).Click();
    EXPECT_EQ(Of(d, kPointer).value, 1);
    EXPECT_EQ(Of(d, kJapanese).value, 0);
    d.Control("キャンセル").Click();
  });
  // Cancel drops everything.
  EXPECT_EQ(Current().Language, "JA");  // the profile trims the blanks
  EXPECT_EQ(Current().AnnounceMonitor, 2);
}

TEST_F(MoreSettingsTest, OkAppliesAtOnceAndTheExitWritesWhatChanged) {
  SetSettingsFile("WaitTime=4\r\nLanguage=ja\r\n");
  platform_.clipboard_owner = "Notes.exe";
  Start();
  Copy("just words");  // the last copy, made in Notes.exe
  OpenMore([&](FakeDialog& d) {
    Of(d, kForeground).Click();
    Of(d, kQuiet).Click();
    Of(d, kSystemLanguage).Click();
    Of(d, kAdd).Click();
    Of(d, kAdd).Click();  // once is enough
    Of(d, kAnySlash).Click();
    d.Control("OK").Click();
  });
  EXPECT_EQ(Current().AnnounceMonitor, 1);
  EXPECT_EQ(Current().QuietWhenFullScreen, 0);
  EXPECT_EQ(Current().Language, "");
  EXPECT_EQ(CurrentLanguage(), Language::kJapanese);  // at the next start
  EXPECT_EQ(Current().IgnoreCopiesFrom, "Notes.exe");
  EXPECT_EQ(Current().AnyTextWithSlash, 1);
  EXPECT_EQ(Current().BannerKeys, 1);
  // At once: a copy from that program is not announced, a text with a
  // slash is an address.
  Copy("http://from.notes/");
  EXPECT_FALSE(Form().visible);
  platform_.clipboard_owner = "Other.exe";
  Copy("a/b");
  EXPECT_TRUE(Form().visible);
  // The changed ones follow the design's nine and the pause, the one the
  // file held in its place; what did not change is not written.
  EXPECT_EQ(Exit(),
            "[Settings]\r\nWaitTime=4\r\nLanguage=\r\nShowTaskTrayIcon=1\r\nDefaultAction=0\r\n"
            "TopColorR=255\r\nTopColorG=255\r\nTopColorB=255\r\n"
            "BottomColorR=98\r\nBottomColorG=255\r\nBottomColorB=98\r\nPaused=0\r\n"
            "IgnoreCopiesFrom=Notes.exe\r\nAnnounceMonitor=1\r\nQuietWhenFullScreen=0\r\n"
            "AnyTextWithSlash=1\r\n");
}

TEST_F(MoreSettingsTest, AFileWithoutThemStaysWithoutThem) {
  Start();
  OpenMore([&](FakeDialog& d) { d.Control("OK").Click(); });
  const std::string file = Exit();
  for (const char* key : {"AnnounceMonitor", "QuietWhenFullScreen", "Language", "IgnoreCopiesFrom",
                          "AnyTextWithSlash", "BannerKeys"}) {
    EXPECT_EQ(file.find(key), std::string::npos) << key;
  }
}

TEST_F(MoreSettingsTest, ValuesTheDialogCannotShowStayUnlessChanged) {
  Start("AnnounceMonitor=3\r\nLanguage=fr\r\n");
  OpenMore([&](FakeDialog& d) {
    EXPECT_EQ(Of(d, kPrimary).value, 1);  // as the banner treats it
    EXPECT_EQ(Of(d, kSystemLanguage).value, 1);
    EXPECT_FALSE(Of(d, kAdd).enabled);  // no copy was read yet
    d.Control("OK").Click();
  });
  EXPECT_EQ(Current().AnnounceMonitor, 3);
  EXPECT_EQ(Current().Language, "fr");
  // The list line a user wrote, longer than is read, stays as it was.
  platform_ = fake::FakePlatform();
  const std::string line = "IgnoreCopiesFrom=" + std::string(300, 'x') + ".exe\r\n";
  SetSettingsFile(line);
  Start();
  OpenMore([&](FakeDialog& d) { d.Control("OK").Click(); });
  EXPECT_NE(Exit().find(line), std::string::npos);
}

TEST_F(MoreSettingsTest, ASettingsCommandWaitsWhileItIsOpen) {
  Start();
  int dialogs = 0;
  OpenMore([&](FakeDialog& d) {
    platform_.SetClipboard("WendoraChangeSetting");
    Tick();
    dialogs = static_cast<int>(CountCalls("Dialog.ShowModal"));
    d.Control("キャンセル").Click();
  });
  EXPECT_EQ(dialogs, 1);  // only this one
}

}  // namespace
}  // namespace wendora
