// The program in Japanese and in English: both tables complete, the choice
// of language, the Japanese texts as they have always been, and the whole
// program speaking English on the fake platform.
#include <gtest/gtest.h>

#include <set>

#include "app_test.h"
#include "base/runtime_error.h"
#include "base/texts.h"

namespace wendora {
namespace {

std::vector<TextId> AllTexts() {
  std::vector<TextId> all;
  for (int i = 0; i <= static_cast<int>(kLastText); ++i) {
    all.push_back(static_cast<TextId>(i));
  }
  return all;
}

TEST(Texts, EveryTextExistsInBothLanguages) {
  std::set<std::string_view> japanese;
  std::set<std::string_view> english;
  for (const TextId id : AllTexts()) {
    EXPECT_FALSE(JapaneseText(id).empty()) << static_cast<int>(id);
    EXPECT_FALSE(EnglishText(id).empty()) << static_cast<int>(id);
    japanese.insert(JapaneseText(id));
    english.insert(EnglishText(id));
    // What the program puts into a text is in both languages' version.
    for (const char* slot : {"%1", "%2"}) {
      EXPECT_EQ(JapaneseText(id).find(slot) == std::string_view::npos,
                EnglishText(id).find(slot) == std::string_view::npos)
          << static_cast<int>(id) << " " << slot;
    }
  }
  // No two texts alike but the fonts (the same face in Japanese) and the
  // tip, which is the program's name.
  EXPECT_EQ(japanese.size(), AllTexts().size() - 1);
  EXPECT_EQ(english.size(), AllTexts().size());
}

TEST(Texts, FormatFillsInOnce) {
  UseLanguage(Language::kEnglish);
  EXPECT_EQ(Format(TextId::kFatalError, "7", "Out of memory"),
            "An error occurred that the program cannot recover from. Wendora will end.\r\n\r\n"
            "Error 7 - Out of memory");
  // What is put in is not looked at again.
  EXPECT_EQ(Format(TextId::kWaitTimeAnnounce, "%2"),
            "The clipboard holds a Wendora command word. The wait time will be changed to %2 s.");
  UseLanguage(Language::kJapanese);
  EXPECT_EQ(Format(TextId::kCancelWithin, "12"),
            "キャンセルする場合は 12秒以内にここを右クリックしてください。");
}

TEST(Texts, TheLanguageFollowsTheDisplayLanguageUnlessForced) {
  const struct {
    const char* setting;
    const char* display;
    Language expected;
  } cases[] = {
      {"", "ja-JP", Language::kJapanese},
      {"", "ja", Language::kJapanese},
      {"", "JA-jp", Language::kJapanese},
      {"", "en-US", Language::kEnglish},
      {"", "de-DE", Language::kEnglish},
      {"", "jv-ID", Language::kEnglish},  // Javanese is not Japanese
      {"", "", Language::kEnglish},
      {"ja", "en-US", Language::kJapanese},
      {" JA ", "de-DE", Language::kJapanese},
      {"en", "ja-JP", Language::kEnglish},
      {"En", "ja-JP", Language::kEnglish},
      {"fr", "ja-JP", Language::kJapanese},  // no such language: the display's
      {"japanese", "en-US", Language::kEnglish},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChooseLanguage(c.setting, c.display), c.expected)
        << "'" << c.setting << "' on " << c.display;
  }
}

TEST(Texts, TheJapaneseTextsAreAsTheyWere) {
  const std::pair<TextId, const char*> kept[] = {
      {TextId::kUrlAnnounce,
       "URL を示すと思われる文字列がクリップ ボードに格納されました。"
       "上記 URL に存在する Web ページを開きます。"},
      {TextId::kPathAnnounce,
       "ファイル、またはフォルダのパスを示すと思われる文字列がクリップ ボードに格納されました。"
       "上記パスに存在するファイル、またはフォルダを開きます。"},
      {TextId::kLooseUrlAnnounce,
       "URL を示すと思われる文字列がクリップ ボードに格納されました。"
       "上記 URL に存在する Web ページを開きますか？"},
      {TextId::kBusy, "実行しています。しばらくお待ちください。"},
      {TextId::kWaitTimeTitle, "待ち時間の変更"},
      {TextId::kExitTitle, "アプリケーションの終了"},
      {TextId::kExitAnnounce,
       "Wendora の命令語がクリップボードに格納されました。このアプリケーションを終了します。"},
      {TextId::kMissingPath,
       "このパスは、ローカル ディスク内に存在しないファイル、またはフォルダを指しています。"},
      {TextId::kTemplateCaption, "Tamberlyn 標準テンプレート"},
      {TextId::kTemplateWarning,
       "プロジェクトのタイトルが \"Project1\" です。\r\n\r\n"
       "このままではビルド番号が正しく記録されない恐れがあります。"
       "キャンセルを押すとビルド番号のインクリメントをスキップします。"},
      {TextId::kTrayTip, "Tamberlyn Wendora"},
      {TextId::kMenuSettings, "設定(&S)"},
      {TextId::kMenuHelp, "ヘルプ(&T)"},
      {TextId::kMenuExit, "Wendora の終了(&X)"},
      {TextId::kDialogCaption, "設定"},
      {TextId::kWaitTimeLabel, "実行待ち時間(&W):"},
      {TextId::kSecondsLabel, "秒"},
      {TextId::kTopColorLabel, "上端の色(&T):"},
      {TextId::kBottomColorLabel, "下端の色(&B):"},
      {TextId::kOkButton, "OK"},
      {TextId::kCancelButton, "キャンセル"},
      {TextId::kShowIconCheckBox, "タスクトレイにアイコンを表示する(&I)"},
      {TextId::kActionFrame, "指定時間経過後の動作"},
      {TextId::kRunOption, "実行する(&R)"},
      {TextId::kCancelOption, "キャンセルする(&C)"},
      {TextId::kNotANumber, "実行待ち時間には整数を入力してください。"},
      {TextId::kBannerFont, "ＭＳ Ｐゴシック"},
      {TextId::kDialogFont, "ＭＳ Ｐゴシック"},
      {TextId::kHelpFileEnding, ".chm"},
  };
  for (const auto& [id, text] : kept) {
    EXPECT_EQ(JapaneseText(id), text) << static_cast<int>(id);
  }
  UseLanguage(Language::kJapanese);
  EXPECT_EQ(Format(TextId::kFatalError, "7", "メモリが不足しています。"),
            "回避不可能のエラーが発生しました。アプリケーションを終了します。\r\n\r\n"
            "エラー 7 - メモリが不足しています。");
  EXPECT_EQ(Format(TextId::kClickWithin, "3"),
            "実行する場合は 3秒以内にここをクリックしてください。");
  EXPECT_EQ(Format(TextId::kWaitTimeAnnounce, " 7.5"),
            "Wendora の命令語がクリップボードに格納されました。待ち時間を  7.5秒に変更します。");
}

class EnglishTest : public AppTest {
 protected:
  void TearDown() override { UseLanguage(Language::kJapanese); }
  std::string Caption(platform::Label& label) { return label.Caption(); }
};

TEST_F(EnglishTest, TheWholeProgramSpeaksEnglishOnAnEnglishDisplay) {
  platform_.display_language = "en-US";
  Start();
  EXPECT_EQ(TrayIcon().tip, "Tamberlyn Wendora");
  Copy("www.example.com");
  FrmMain& banner = app_->frmMain();
  EXPECT_EQ(Caption(banner.lblAnnounce()),
            "The clipboard holds what looks like a web address. "
            "The web page at the address above will be opened.");
  EXPECT_EQ(Caption(banner.lblCancelAnnounce()), "To cancel, right-click here within 4 s.");
  EXPECT_EQ(static_cast<fake::FakeLabel&>(banner.lblURL()).font.name, "Segoe UI");

  // The menu, the paused tip and the help file.
  platform_.menu_choices = {2};
  TrayIcon().RequestMenu();
  std::vector<std::string> captions;
  for (const auto& item : platform_.menus.back()) {
    captions.push_back(item.caption);
  }
  EXPECT_EQ(captions, (std::vector<std::string>{"&Settings", "&Help", "&Pause",
                                                "Start with &Windows", "", "E&xit Wendora"}));
  EXPECT_EQ(TrayIcon().tip, "Tamberlyn Wendora (paused)");
  platform_.menu_choices = {1};
  TrayIcon().RequestMenu();
  EXPECT_EQ(platform_.shell_calls.back().file, "C:\\Tools\\Wendora\\TWendora.en.chm");

  // The settings dialog.
  platform_.menu_choices = {0};
  TrayIcon().RequestMenu();
  fake::FakeDialog& dialog = *platform_.dialogs.back();
  EXPECT_EQ(dialog.design.caption, "Settings");
  EXPECT_EQ(dialog.design.font, "MS Shell Dlg 2");
  std::vector<std::string> controls;
  for (const fake::FakeDialogControl* control : dialog.controls) {
    controls.push_back(control->design.caption);
  }
  EXPECT_EQ(controls, (std::vector<std::string>{
                          "&Wait time:", "", "s", "", "", "&Top color:", "&Bottom color:", "OK",
                          "Cancel", "Show an &icon in the notification area", "When the time is up",
                          "&Run", "&Cancel", "&More settings..."}));
  dialog.ControlAt(1).text = "x";
  dialog.Control("OK").Click();
  EXPECT_EQ(platform_.message_boxes.back().text, "Enter a whole number for the wait time.");

  // A missing path, and a run-time error's description.
  platform_.menu_choices = {2};  // resumes
  TrayIcon().RequestMenu();
  Copy("C:\\no\\such.txt");
  Settle();
  app_->frmMain().lblURL().on_mouse_up(platform::kLeftButton);
  Tick();
  EXPECT_EQ(platform_.message_boxes.back().text,
            "This path points to a file or folder that does not exist on the local disk.");
  EXPECT_EQ(RuntimeError(kErrTypeMismatch).description(), "Type mismatch");
}

TEST_F(EnglishTest, TheSettingForcesALanguage) {
  platform_.display_language = "en-US";
  Start("Language=ja\r\n");
  Copy("http://host/");
  EXPECT_EQ(app_->frmMain().lblCancelAnnounce().Caption(),
            "キャンセルする場合は 4秒以内にここを右クリックしてください。");

  platform_ = fake::FakePlatform();
  platform_.display_language = "ja-JP";
  Start("Language=en\r\n");
  Copy("ExitWendora");
  EXPECT_EQ(app_->frmMain().lblURL().Caption(), "Exit Wendora");
  // The language key is never written.
  EXPECT_THROW(app_->ExitApplication(), fake::ProcessExited);
  EXPECT_EQ(platform_.files[platform_.SettingsFile()].find("Language=en"), 12u);
  EXPECT_EQ(platform_.files[platform_.SettingsFile()].find("Language", 13), std::string::npos);
}

TEST_F(EnglishTest, AStartUpErrorIsReportedInTheDisplayLanguage) {
  platform_.display_language = "en-GB";
  EXPECT_THROW(Start("WaitTime=x\r\n"), fake::ProcessExited);
  ASSERT_EQ(platform_.message_boxes.size(), 1u);
  EXPECT_EQ(platform_.message_boxes[0].text, "Run-time error '13':\r\n\r\nType mismatch");
}

}  // namespace
}  // namespace wendora
