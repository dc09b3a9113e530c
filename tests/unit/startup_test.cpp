#include "app_test.h"
#include "base/runtime_error.h"

namespace wendora {
namespace {

using fake::ProcessExited;
using platform::MessageBoxKind;
using platform::MessageBoxResult;

class StartUpTest : public AppTest {
 protected:
  // Runs the start-up sequence; true when it ended the process.
  bool StartEnds(const std::string& title = kProgramTitle) {
    app_ = std::make_unique<Application>(platform_, title);
    try {
      app_->StartUp();
    } catch (const ProcessExited&) {
      return true;
    }
    return false;
  }

  // The fatal report's error number, or 0 when none was shown.
  int ReportedError() const {
    for (const auto& box : platform_.message_boxes) {
      if (box.title == kProgramTitle && box.kind == MessageBoxKind::kOkCritical) {
        const auto quote = box.text.find('\'');
        return std::stoi(box.text.substr(quote + 1));
      }
    }
    return 0;
  }
};

TEST_F(StartUpTest, WithoutAFileTheDefaultsApplyAndNothingIsWritten) {
  EXPECT_FALSE(StartEnds());
  const CurrentSettings& s = app_->settings();
  EXPECT_EQ(s.WaitTime, 4);
  EXPECT_EQ(s.ShowTaskTrayIcon, 1);
  EXPECT_EQ(s.DefaultAction, 0);
  EXPECT_EQ(std::tie(s.TopColorR, s.TopColorG, s.TopColorB), std::make_tuple(255, 255, 255));
  EXPECT_EQ(std::tie(s.BottomColorR, s.BottomColorG, s.BottomColorB), std::make_tuple(98, 255, 98));
  EXPECT_EQ(CountCalls("ReplaceFile"), 0u);
  EXPECT_TRUE(platform_.files.empty());
  // The optional ones: the pause, the list of ignored programs, the monitor,
  // the quiet over full-screen programs and the language.
  EXPECT_FALSE(s.Paused);
  EXPECT_EQ(s.AnnounceMonitor, 0);
  EXPECT_EQ(s.QuietWhenFullScreen, 1);
  EXPECT_EQ(s.IgnoreCopiesFrom, "");
  EXPECT_EQ(platform_.message_boxes.size(), 0u);
}

TEST_F(StartUpTest, ReadsEveryKeyWithItsWidth) {
  SetSettingsFile(
      "WaitTime=-7\r\nShowTaskTrayIcon=2\r\nDefaultAction=5\r\nTopColorR=1\r\nTopColorG=2\r\n"
      "TopColorb=0\r\nBottomColorR=254.5\r\nBottomColorG= 3 \r\nBottomColorB=6\r\n");
  EXPECT_FALSE(StartEnds());
  const CurrentSettings& s = app_->settings();
  EXPECT_EQ(s.WaitTime, -7);
  EXPECT_EQ(s.ShowTaskTrayIcon, 2);
  EXPECT_EQ(s.DefaultAction, 5);
  EXPECT_EQ(std::tie(s.TopColorR, s.TopColorG, s.TopColorB), std::make_tuple(1, 2, 0));
  EXPECT_EQ(std::tie(s.BottomColorR, s.BottomColorG, s.BottomColorB), std::make_tuple(254, 3, 6));
}

TEST_F(StartUpTest, EverySettingComesFromTheFileAsItWasWhenFirstRead) {
  // Another program rewrites the file while the program starts: the
  // settings are all of the one version read, never a mixture.
  SetSettingsFile("WaitTime=7\r\nDefaultAction=1\r\nLanguage=en\r\nTopColorR=10\r\n");
  platform_.after_file_read = [this](const std::string& path) {
    if (path == platform_.SettingsFile()) {
      SetSettingsFile("WaitTime=9\r\nDefaultAction=0\r\nLanguage=ja\r\nTopColorR=20\r\n");
    }
  };
  EXPECT_FALSE(StartEnds());
  const CurrentSettings& s = app_->settings();
  EXPECT_EQ(std::tie(s.WaitTime, s.DefaultAction, s.Language, s.TopColorR),
            std::make_tuple(7, 1, std::string("en"), 10));
}

TEST_F(StartUpTest, ABadValueIsFatalBeforeAnyWindowOrWrite) {
  const struct {
    const char* line;
    int error;
  } cases[] = {
      {"WaitTime=", kErrTypeMismatch},      {"WaitTime=four", kErrTypeMismatch},
      {"TopColorR=256", kErrOverflow},      {"TopColorR=-1", kErrOverflow},
      {"TopColorR=255.5", kErrOverflow},    {"WaitTime=2147483648", kErrOverflow},
      {"BottomColorB=x", kErrTypeMismatch}, {"DefaultAction=300", kErrOverflow},
  };
  for (const auto& c : cases) {
    platform_ = fake::FakePlatform();
    SetSettingsFile(std::string(c.line) + "\r\n");
    EXPECT_TRUE(StartEnds()) << c.line;
    EXPECT_EQ(ReportedError(), c.error) << c.line;
    EXPECT_EQ(CountCalls("CreateForm"), 0u) << c.line;
    EXPECT_EQ(CountCalls("NotifyIcon"), 0u) << c.line;
    EXPECT_EQ(CountCalls("ReplaceFile"), 0u) << c.line;
    EXPECT_EQ(platform_.calls.back(), "ExitProcess");
  }
  const auto& box = platform_.message_boxes.back();
  EXPECT_EQ(box.text, "実行時エラー '6':\r\n\r\nオーバーフローしました。");
}

TEST_F(StartUpTest, ASecondInstanceEndsWithoutTouchingAnything) {
  platform_.another_instance_running = true;
  platform_.command_line = "/debug";
  SetSettingsFile("WaitTime=4\r\n");
  EXPECT_TRUE(StartEnds());
  EXPECT_EQ(platform_.calls, (std::vector<std::string>{"ClaimSingleInstance", "ExitProcess"}));
}

TEST_F(StartUpTest, TheDebugSwitchIsFoundInAnyCaseAnywhere) {
  for (const char* line : {"/debug", "/DEBUG", "x/DeBuGy", "a b /debug"}) {
    platform_ = fake::FakePlatform();
    platform_.command_line = line;
    EXPECT_FALSE(StartEnds()) << line;
    EXPECT_EQ(platform_.files[platform_.BuildNumberFile()], "[TWendora]\r\nBuildNumber=1\r\n")
        << line;
  }
}

TEST_F(StartUpTest, WithoutTheSwitchTheBuildFileIsNeitherReadNorWritten) {
  platform_.command_line = "/debu g -debug";
  platform_.files[platform_.BuildNumberFile()] = "[TWendora]\r\nBuildNumber=5\r\n";
  EXPECT_FALSE(StartEnds());
  EXPECT_EQ(CountCalls("ReadFile " + platform_.BuildNumberFile()), 0u);
  EXPECT_EQ(platform_.files[platform_.BuildNumberFile()], "[TWendora]\r\nBuildNumber=5\r\n");
}

TEST_F(StartUpTest, TheCounterAdvancesInItsOwnSection) {
  platform_.command_line = "/debug";
  platform_.files[platform_.BuildNumberFile()] =
      "[OtherApp]\r\nBuildNumber=40\r\n[TWendora]\r\nBuildNumber=-5\r\n";
  EXPECT_FALSE(StartEnds());
  EXPECT_EQ(platform_.files[platform_.BuildNumberFile()],
            "[OtherApp]\r\nBuildNumber=40\r\n[TWendora]\r\nBuildNumber=-4\r\n");
}

TEST_F(StartUpTest, ACounterAt32767OrNotANumberIsFatal) {
  for (const auto& [value, error] :
       {std::pair{"32767", kErrOverflow}, std::pair{"40000", kErrOverflow},
        std::pair{"many", kErrTypeMismatch}}) {
    platform_ = fake::FakePlatform();
    platform_.command_line = "/debug";
    const std::string before = std::string("[TWendora]\r\nBuildNumber=") + value + "\r\n";
    platform_.files[platform_.BuildNumberFile()] = before;
    EXPECT_TRUE(StartEnds());
    EXPECT_EQ(ReportedError(), error);
    EXPECT_EQ(platform_.files[platform_.BuildNumberFile()], before);
    EXPECT_EQ(CountCalls("ReadFile " + platform_.SettingsFile()), 0u);
  }
}

TEST_F(StartUpTest, TheTemplateTitleWarnsBeforeAnySettingIsRead) {
  platform_.command_line = "/debug";
  platform_.message_box_answers = {MessageBoxResult::kOk};
  EXPECT_TRUE(StartEnds("Project1"));
  ASSERT_EQ(platform_.message_boxes.size(), 1u);
  const auto& box = platform_.message_boxes[0];
  EXPECT_EQ(box.title, "Tamberlyn 標準テンプレート");
  EXPECT_EQ(box.kind, MessageBoxKind::kOkCancelExclamation);
  EXPECT_EQ(box.text,
            "プロジェクトのタイトルが \"Project1\" です。\r\n\r\n"
            "このままではビルド番号が正しく記録されない恐れがあります。"
            "キャンセルを押すとビルド番号のインクリメントをスキップします。");
  EXPECT_EQ(CountCalls("ReadFile"), 0u);
  EXPECT_EQ(CountCalls("CreateForm"), 0u);

  // Cancel starts the program normally, without a counter.
  platform_ = fake::FakePlatform();
  platform_.command_line = "/debug";
  platform_.message_box_answers = {MessageBoxResult::kCancel};
  EXPECT_FALSE(StartEnds("PROJECT1"));
  EXPECT_EQ(CountCalls("ReadFile " + platform_.BuildNumberFile()), 0u);
  EXPECT_EQ(platform_.files.count(platform_.BuildNumberFile()), 0u);
  EXPECT_EQ(CountCalls("CreateForm"), 1u);
}

TEST_F(StartUpTest, TheTrayIconIsAddedOnlyForExactlyOne) {
  for (const auto& [value, added] : {std::pair{"1", true}, std::pair{"0", false},
                                     std::pair{"2", false}, std::pair{"255", false}}) {
    platform_ = fake::FakePlatform();
    SetSettingsFile(std::string("ShowTaskTrayIcon=") + value + "\r\n");
    EXPECT_FALSE(StartEnds());
    EXPECT_EQ(IconCalls(), added ? std::vector<std::string>{"show"} : std::vector<std::string>{})
        << value;
  }
  platform_ = fake::FakePlatform();
  EXPECT_FALSE(StartEnds());
  EXPECT_EQ(TrayIcon().tip, "Tamberlyn Wendora");
  EXPECT_TRUE(TrayIcon().shown);
  // The icon goes up after the main window exists, last of all.
  EXPECT_LT(CallIndex("CreateForm"), CallIndex("NotifyIcon show"));
  EXPECT_EQ(platform_.calls.back(), "NotifyIcon show");
}

class ShutDownTest : public StartUpTest {
 protected:
  void Exit() {
    platform_.calls.clear();
    EXPECT_THROW(app_->ExitApplication(), ProcessExited);
  }
};

TEST_F(ShutDownTest, WritesTheNineKeysAndThePauseInOrderAndRemovesTheIcon) {
  ASSERT_FALSE(StartEnds());
  app_->settings().WaitTime = -1;
  Exit();
  EXPECT_EQ(platform_.files[platform_.SettingsFile()],
            "[Settings]\r\nWaitTime=-1\r\nShowTaskTrayIcon=1\r\nDefaultAction=0\r\n"
            "TopColorR=255\r\nTopColorG=255\r\nTopColorB=255\r\n"
            "BottomColorR=98\r\nBottomColorG=255\r\nBottomColorB=98\r\nPaused=0\r\n");
  EXPECT_EQ(platform_.calls.front(), "NotifyIcon remove");
  EXPECT_EQ(platform_.calls.back(), "ExitProcess");
}

TEST_F(ShutDownTest, AnExitCutShortLeavesAllOldOrAllNewValues) {
  const std::string before = "[Settings]\r\nWaitTime=9\r\nDefaultAction=1\r\nPaused=1\r\n";
  const std::string after =
      "[Settings]\r\nWaitTime=3\r\nDefaultAction=0\r\nPaused=0\r\nShowTaskTrayIcon=1\r\n"
      "TopColorR=255\r\nTopColorG=255\r\nTopColorB=255\r\n"
      "BottomColorR=98\r\nBottomColorG=255\r\nBottomColorB=98\r\n";
  // The process is ended at its first write, or right after it.
  for (const int writes : {0, 1}) {
    platform_ = fake::FakePlatform();
    platform_.files[platform_.SettingsFile()] = before;
    ASSERT_FALSE(StartEnds());
    CurrentSettings& s = app_->settings();
    s.WaitTime = 3;
    s.DefaultAction = 0;
    s.Paused = false;
    platform_.replacements_before_end = writes;
    Exit();
    EXPECT_EQ(platform_.files[platform_.SettingsFile()], writes == 0 ? before : after) << writes;
  }
}

TEST_F(ShutDownTest, TheListOfIgnoredProgramsIsReadAndKeptAsItIs) {
  const std::string list = "  chrome.exe;msedge.exe ; " + std::string(300, 'x') + ".exe";
  const std::string file = "[Settings]\r\nIgnoreCopiesFrom=" + list + "\r\nWaitTime=5\r\n";
  platform_.files[platform_.SettingsFile()] = file;
  ASSERT_FALSE(StartEnds());
  // Read like any other value: blanks around it off, cut to 255 characters.
  EXPECT_EQ(app_->settings().IgnoreCopiesFrom,
            ("chrome.exe;msedge.exe ; " + std::string(300, 'x')).substr(0, 255));
  Exit();
  const std::string written = platform_.files[platform_.SettingsFile()];
  EXPECT_EQ(written.substr(0, file.size()), file);  // the line kept byte for byte
  EXPECT_EQ(written.find("IgnoreCopiesFrom", file.size()), std::string::npos);
}

TEST_F(ShutDownTest, RemovesTheIconEvenWhenItWasNeverShown) {
  SetSettingsFile("ShowTaskTrayIcon=0\r\n");
  ASSERT_FALSE(StartEnds());
  Exit();
  EXPECT_EQ(IconCalls(), std::vector<std::string>{"remove"});
  EXPECT_NE(platform_.files[platform_.SettingsFile()].find("ShowTaskTrayIcon=0\r\n"),
            std::string::npos);
}

TEST_F(ShutDownTest, KeepsForeignKeysAndTheOddSpelling) {
  platform_.files[platform_.SettingsFile()] =
      "[Mine]\r\nnote=hello\r\n[Settings]\r\nTopColorb=0\r\nLegacy=yes\r\n";
  ASSERT_FALSE(StartEnds());
  Exit();
  const std::string after = platform_.files[platform_.SettingsFile()];
  EXPECT_EQ(after.rfind("[Mine]\r\nnote=hello\r\n[Settings]\r\nTopColorb=0\r\nLegacy=yes\r\n", 0),
            0u);
  EXPECT_EQ(after.find("TopColorB"), std::string::npos);
}

TEST_F(ShutDownTest, AFileThatCannotBeWrittenStaysAsItWasSilently) {
  SetSettingsFile("WaitTime=9\r\n");
  platform_.unwritable.insert(platform_.SettingsFile());
  ASSERT_FALSE(StartEnds());
  app_->settings().WaitTime = 30;
  Exit();
  EXPECT_EQ(platform_.files[platform_.SettingsFile()], "[Settings]\r\nWaitTime=9\r\n");
  EXPECT_TRUE(platform_.message_boxes.empty());
  EXPECT_EQ(platform_.calls.back(), "ExitProcess");
}

TEST_F(ShutDownTest, TheEndOfTheSessionSavesAsTheExitDoesAndOpensNothing) {
  SetSettingsFile("WaitTime=4\r\nDefaultAction=0\r\n");
  ASSERT_FALSE(StartEnds());
  app_->settings().WaitTime = 9;
  // A banner runs out just as Windows ends the session.
  platform_.SetClipboard("http://never.opened/");
  platform_.DeliverClipboardChanges();
  platform_.calls.clear();
  EXPECT_THROW(platform_.forms.at(0)->EndSession(), fake::ProcessExited);
  EXPECT_EQ(platform_.calls.front(), "NotifyIcon remove");
  EXPECT_EQ(CountCalls("ReplaceFileAtomically"), 1u);
  EXPECT_EQ(platform_.calls.back(), "ExitProcess");
  EXPECT_NE(platform_.files[platform_.SettingsFile()].find("WaitTime=9\r\n"), std::string::npos);
  EXPECT_TRUE(platform_.shell_calls.empty());
}

}  // namespace
}  // namespace wendora
