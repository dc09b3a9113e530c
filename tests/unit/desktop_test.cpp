// What a resident program of today does beside its design: a pause, starting
// with Windows, quiet over full-screen programs. Driven through the fake
// platform.
#include <gtest/gtest.h>

#include "app_test.h"
#include "base/color.h"

namespace wendora {
namespace {

constexpr int kPauseItem = 2;
constexpr int kStartWithWindowsItem = 3;
constexpr const char* kThisProgram = "\"C:\\Tools\\Wendora\\TWendora.exe\"";

class DesktopTest : public AppTest {
 protected:
  // Opens the tray menu and chooses an item (-1: none); the menu as shown.
  std::vector<platform::MenuItem> ChooseInMenu(int item) {
    platform_.menu_choices = {item};
    TrayIcon().RequestMenu();
    return platform_.menus.back();
  }
  bool Checked(int item) { return ChooseInMenu(-1).at(static_cast<std::size_t>(item)).checked; }
  bool Paused() { return app_->settings().Paused; }
  int Shows() const { return static_cast<int>(CountCalls("Form.Show")); }
  fake::FakeLabel& Label(platform::Label& label) { return static_cast<fake::FakeLabel&>(label); }
  std::string Title() { return app_->frmMain().lblURL().Caption(); }
  std::string Explanation() { return app_->frmMain().lblAnnounce().Caption(); }
};

// --- Pause ------------------------------------------------------------

TEST_F(DesktopTest, ThePauseItemPausesAndResumes) {
  Start();
  EXPECT_FALSE(Checked(kPauseItem));
  EXPECT_EQ(TrayIcon().tip, "Tamberlyn Wendora");
  EXPECT_FALSE(TrayIcon().greyed);

  ChooseInMenu(kPauseItem);
  EXPECT_TRUE(Paused());
  EXPECT_TRUE(Checked(kPauseItem));
  EXPECT_EQ(TrayIcon().tip, "Tamberlyn Wendora (一時停止中)");
  EXPECT_TRUE(TrayIcon().greyed);
  EXPECT_TRUE(TrayIcon().shown);

  // Nothing is announced, and what was copied meanwhile counts as seen.
  Copy("http://while.paused/");
  Copy("C:\\Windows");
  Copy("a.example/b");
  EXPECT_EQ(Shows(), 0);
  EXPECT_TRUE(app_->watchCycle().clipboard().LastClipboardText().Matches("a.example/b"));

  ChooseInMenu(kPauseItem);
  EXPECT_FALSE(Paused());
  EXPECT_FALSE(Checked(kPauseItem));
  EXPECT_EQ(TrayIcon().tip, "Tamberlyn Wendora");
  EXPECT_FALSE(TrayIcon().greyed);
  EXPECT_FALSE(TicksEnd(1000));
  EXPECT_EQ(Shows(), 0);  // not announced on resume
  Copy("a.example/b");
  EXPECT_EQ(Shows(), 0);  // the same text as before
  Copy("http://after.resume/");
  EXPECT_EQ(Shows(), 1);
}

TEST_F(DesktopTest, PausingEndsARunningAnnouncement) {
  Start();
  Copy("http://running/");
  EXPECT_TRUE(Form().visible);
  ChooseInMenu(kPauseItem);
  EXPECT_FALSE(Form().visible);
  EXPECT_FALSE(TicksEnd(6000));
  EXPECT_TRUE(platform_.shell_calls.empty());
  EXPECT_FALSE(Timer().running);
}

TEST_F(DesktopTest, ThePauseAndResumeCommandWords) {
  Start();
  Copy("WendoraPause");
  EXPECT_EQ(Title(), "クリップボード監視の一時停止");
  EXPECT_EQ(Explanation(),
            "Wendora の命令語がクリップボードに格納されました。"
            "クリップボードの監視を一時停止します。");
  EXPECT_EQ(Label(app_->frmMain().lblCancelAnnounce()).Caption(),
            "キャンセルする場合は 4秒以内にここを右クリックしてください。");
  Tick(3900);
  EXPECT_FALSE(Paused());
  // Before it pauses, the line is emptied and the waiting events run.
  std::vector<std::pair<bool, std::string>> at_yield;
  platform_.pending_events = [&] {
    at_yield.push_back({Paused(), app_->frmMain().lblCancelAnnounce().Caption()});
  };
  Tick(100);
  platform_.pending_events = nullptr;
  EXPECT_EQ(at_yield, (std::vector<std::pair<bool, std::string>>{{false, ""}}));
  EXPECT_TRUE(Paused());
  EXPECT_TRUE(TrayIcon().greyed);
  EXPECT_FALSE(Form().visible);

  // The command words work while paused: resume, with its own line.
  Copy("WendoraResume");
  EXPECT_EQ(Title(), "クリップボード監視の再開");
  EXPECT_EQ(Explanation(),
            "Wendora の命令語がクリップボードに格納されました。クリップボードの監視を再開します。");
  Tick(4000);
  EXPECT_FALSE(Paused());
  EXPECT_FALSE(TrayIcon().greyed);

  // A right click cancels, as for any command.
  Copy("WendoraPause");
  app_->frmMain().lblURL().on_mouse_up(platform::kRightButton);
  EXPECT_FALSE(TicksEnd(5000));
  EXPECT_FALSE(Paused());
}

TEST_F(DesktopTest, InClickModeThePauseWaitsForALeftClick) {
  Start("DefaultAction=1\r\n");
  Copy("WendoraPause");
  EXPECT_FALSE(TicksEnd(5000));
  EXPECT_FALSE(Paused());
  Copy("http://a/");
  Copy("WendoraPause");
  Settle();
  app_->frmMain().lblURL().on_mouse_up(platform::kLeftButton);
  Tick();
  EXPECT_TRUE(Paused());
}

TEST_F(DesktopTest, OtherCommandWordsWorkWhilePaused) {
  Start("Paused=1\r\n");
  Copy("WendoraWaitTime=9");
  EXPECT_EQ(Shows(), 1);
  Tick(4000);
  EXPECT_EQ(app_->settings().WaitTime, 9);
  Copy("ExitWendora");
  EXPECT_TRUE(TicksEnd(9000));
}

TEST_F(DesktopTest, ThePauseIsKeptAcrossRestarts) {
  Start("Paused=1\r\n");
  EXPECT_TRUE(Paused());
  // Greyed before it is first shown.
  EXPECT_TRUE(TrayIcon().greyed);
  EXPECT_EQ(TrayIcon().tip, "Tamberlyn Wendora (一時停止中)");
  Copy("http://not.now/");
  EXPECT_EQ(Shows(), 0);
  EXPECT_THROW(app_->ExitApplication(), fake::ProcessExited);
  const std::string& file = platform_.files[platform_.SettingsFile()];
  EXPECT_NE(file.find("Paused=1\r\n"), std::string::npos) << file;
  EXPECT_EQ(file.find("Paused=0"), std::string::npos) << file;

  platform_ = fake::FakePlatform();
  Start("Paused=0\r\n");
  EXPECT_FALSE(Paused());
  ChooseInMenu(kPauseItem);
  EXPECT_THROW(app_->ExitApplication(), fake::ProcessExited);
  EXPECT_NE(platform_.files[platform_.SettingsFile()].find("Paused=1\r\n"), std::string::npos);
}

// --- Start with Windows -------------------------------------------------

TEST_F(DesktopTest, TheStartItemIsCheckedWhenWindowsStartsThisProgram) {
  const struct {
    std::optional<platform::LogonStart> entry;
    bool checked;
  } cases[] = {
      {std::nullopt, false},
      {platform::LogonStart{true, kThisProgram, false}, true},
      {platform::LogonStart{true, "c:\\tools\\wendora\\twendora.EXE", false}, true},
      {platform::LogonStart{true, "\"C:\\Tools\\Wendora\\TWendora.exe\" /debug", false}, true},
      {platform::LogonStart{true, kThisProgram, true}, false},  // turned off by the user
      {platform::LogonStart{true, "\"D:\\Other\\TWendora.exe\"", false}, false},
      {platform::LogonStart{true, "C:\\Tools\\Wendora\\TWendora.exe.bak", false}, false},
  };
  for (const auto& c : cases) {
    platform_ = fake::FakePlatform();
    platform_.existing_paths.insert("D:\\Other\\TWendora.exe");  // another copy
    if (c.entry) {
      platform_.logon_starts["Wendora"] = *c.entry;
    }
    Start();
    EXPECT_EQ(Checked(kStartWithWindowsItem), c.checked)
        << (c.entry ? c.entry->command : std::string("none"));
  }
}

TEST_F(DesktopTest, ChoosingTheStartItemWritesOrDeletesTheEntry) {
  Start();
  ChooseInMenu(kStartWithWindowsItem);
  ASSERT_EQ(platform_.logon_starts.count("Wendora"), 1u);
  EXPECT_EQ(platform_.logon_starts["Wendora"].command, kThisProgram);
  EXPECT_TRUE(Checked(kStartWithWindowsItem));
  ChooseInMenu(kStartWithWindowsItem);
  EXPECT_EQ(platform_.logon_starts.count("Wendora"), 0u);
  EXPECT_FALSE(Checked(kStartWithWindowsItem));

  // Turned off in the system's list: choosing it turns it on again.
  platform_.logon_starts["Wendora"] = {true, kThisProgram, true};
  ChooseInMenu(kStartWithWindowsItem);
  EXPECT_FALSE(platform_.logon_starts["Wendora"].disabled);
  EXPECT_TRUE(Checked(kStartWithWindowsItem));
  // Another program under the name: it is made to name this one.
  platform_.logon_starts["Wendora"] = {true, "\"D:\\Other\\TWendora.exe\"", false};
  ChooseInMenu(kStartWithWindowsItem);
  EXPECT_EQ(platform_.logon_starts["Wendora"].command, kThisProgram);
}

TEST_F(DesktopTest, AnEntryLeftByAMovedFolderIsMended) {
  const struct {
    const char* command;
    bool disabled;
    bool exists;
    const char* after;
  } cases[] = {
      // A copy of this program that is gone: the entry names this one.
      {"\"D:\\Old\\TWendora.exe\"", false, false, kThisProgram},
      {"\"D:\\Old\\TWendora.exe\" /debug", false, false, kThisProgram},
      {"D:\\Old\\twendora.exe", true, false, kThisProgram},
      // Another copy that exists, or another program: left alone.
      {"\"D:\\Other\\TWendora.exe\"", false, true, "\"D:\\Other\\TWendora.exe\""},
      {"\"D:\\Old\\Other.exe\"", false, false, "\"D:\\Old\\Other.exe\""},
      {kThisProgram, false, true, kThisProgram},
  };
  for (const auto& c : cases) {
    platform_ = fake::FakePlatform();
    platform_.logon_starts["Wendora"] = {true, c.command, c.disabled};
    if (c.exists) {
      platform_.existing_paths.insert(StartWithWindows::ProgramOf(c.command));
    }
    Start();
    EXPECT_EQ(platform_.logon_starts["Wendora"].command, c.after) << c.command;
    EXPECT_EQ(platform_.logon_starts["Wendora"].disabled, c.disabled) << c.command;
  }
  // No entry: none is made.
  platform_ = fake::FakePlatform();
  Start();
  EXPECT_TRUE(platform_.logon_starts.empty());
  EXPECT_EQ(CountCalls("WriteLogonStart"), 0u);
}

TEST_F(DesktopTest, ARegistryFailureIsAWarningAndNothingElse) {
  platform_.logon_failure = "アクセスが拒否されました。";
  Start();
  ASSERT_EQ(platform_.message_boxes.size(), 1u);  // the check at start-up
  EXPECT_EQ(platform_.message_boxes[0].text, "アクセスが拒否されました。");
  EXPECT_EQ(platform_.message_boxes[0].title, "Tamberlyn Wendora 2002");
  EXPECT_EQ(platform_.message_boxes[0].kind, platform::MessageBoxKind::kOkExclamation);
  EXPECT_TRUE(TrayIcon().shown);  // the program runs on
  EXPECT_FALSE(Checked(kStartWithWindowsItem));
  EXPECT_EQ(platform_.message_boxes.size(), 2u);
  ChooseInMenu(kStartWithWindowsItem);
  EXPECT_EQ(platform_.message_boxes.size(), 4u);  // opening the menu, then the choice
  EXPECT_EQ(platform_.message_boxes.back().text, "アクセスが拒否されました。");
  Copy("http://still.watching/");
  EXPECT_EQ(Shows(), 1);
}

// --- The monitor where the user works -----------------------------------

class MonitorTest : public DesktopTest {
 protected:
  void SetUp() override {
    // A 1920-pixel primary monitor at 100 %, and a 1280-pixel one at 150 %
    // to its right, 200 pixels lower.
    platform_.monitors = {{0, 0, 1920, 15}, {1920, 200, 1280, 10}};
  }
  // Where the banner slid to, and how it is laid out.
  void ExpectBannerOn(int left_px, int top_px, int width_px, int rows, const std::string& why) {
    EXPECT_EQ(Form().left_px, left_px) << why;
    EXPECT_EQ(Form().width_px, width_px) << why;
    EXPECT_EQ(Form().pictures.at(0)->height_px, rows) << why;
    ASSERT_FALSE(Form().tops_px.empty()) << why;
    EXPECT_EQ(Form().tops_px.back(), top_px) << why;
    EXPECT_EQ(Form().tops_px.front(), top_px - (rows + 6)) << why;
    Form().tops_px.clear();
  }
};

TEST_F(MonitorTest, ThePrimaryMonitorByDefault) {
  platform_.foreground_monitor = 1;
  platform_.pointer_monitor = 1;
  for (const char* settings : {"", "AnnounceMonitor=0\r\n", "AnnounceMonitor=7\r\n"}) {
    platform_ = fake::FakePlatform();
    SetUp();
    platform_.foreground_monitor = 1;
    platform_.pointer_monitor = 1;
    Start(settings);
    Copy("http://primary/");
    ExpectBannerOn(0, 0, 1920, 89, settings);
  }
}

TEST_F(MonitorTest, TheMonitorOfTheForegroundWindow) {
  Start("AnnounceMonitor=1\r\n");
  platform_.foreground_monitor = 1;
  Copy("http://second/");
  // Its width, its top edge and its scale: 1335 twips are 134 rows there.
  ExpectBannerOn(1920, 200, 1280, 134, "foreground on the second");
  EXPECT_EQ(app_->frmMain().lblURL().Width(), 1274 * 10 - 480);
  // Back on the first, at its own scale.
  platform_.foreground_monitor = 0;
  Copy("http://first/");
  ExpectBannerOn(0, 0, 1920, 89, "foreground on the first");
  // No foreground window: the pointer's monitor.
  platform_.foreground_monitor = -1;
  platform_.pointer_monitor = 1;
  Copy("http://pointer/");
  ExpectBannerOn(1920, 200, 1280, 134, "no foreground window");
}

TEST_F(MonitorTest, TheMonitorOfTheMousePointer) {
  Start("AnnounceMonitor=2\r\n");
  platform_.foreground_monitor = 0;
  platform_.pointer_monitor = 1;
  Copy("http://pointer/");
  ExpectBannerOn(1920, 200, 1280, 134, "pointer on the second");
  // The gradient is painted anew for the new height.
  EXPECT_EQ(Form().pictures.at(0)->lines.back().y1, 134 * 10.0);
}

TEST_F(MonitorTest, AnotherMonitorOfTheSameScaleIsLaidOutAnew) {
  platform_.monitors = {{0, 0, 1920, 15}, {-1280, 0, 1280, 15}};
  Start("AnnounceMonitor=2\r\n");
  platform_.pointer_monitor = 1;
  Copy("http://left/");
  ExpectBannerOn(-1280, 0, 1280, 89, "the monitor on the left");
  EXPECT_EQ(app_->frmMain().lblURL().Width(), (1280 - 6) * 15 - 480);
  platform_.pointer_monitor = 0;
  Copy("http://primary/");
  ExpectBannerOn(0, 0, 1920, 89, "the primary monitor");
}

// --- Quiet over full-screen programs --------------------------------------

TEST_F(DesktopTest, NothingIsAnnouncedOverAFullScreenProgram) {
  Start();
  Copy("http://before/");
  EXPECT_TRUE(Form().visible);
  platform_.PutFullScreenProgramInFront();
  // An address copied now ends the banner and is not announced; nothing opens.
  Copy("http://during/");
  EXPECT_FALSE(Form().visible);
  Copy("C:\\Windows");
  Copy("a.example/b");
  EXPECT_FALSE(TicksEnd(6000));
  EXPECT_EQ(Shows(), 1);
  EXPECT_TRUE(platform_.shell_calls.empty());
  // Command words are still announced.
  Copy("WendoraWaitTime=7");
  EXPECT_EQ(Shows(), 2);
  Tick(4000);
  EXPECT_EQ(app_->settings().WaitTime, 7);
  // An address kept quiet counts as seen: copied again afterwards, it is
  // not new.
  Copy("http://kept.quiet/");
  platform_.foreground_window.reset();
  EXPECT_FALSE(TicksEnd(1000));
  Copy("http://kept.quiet/");
  EXPECT_EQ(Shows(), 2);
  Copy("http://after/");
  EXPECT_EQ(Shows(), 3);
}

TEST_F(DesktopTest, AMaximisedWindowIsNoFullScreenProgram) {
  Start();
  using W = platform::ForegroundWindow;
  const struct {
    const char* what;
    W window;
    bool quiet;
  } cases[] = {
      {"a game in full screen", W{false, true, false, false, false}, true},
      {"a maximised browser on a monitor without a taskbar", W{false, true, true, true, false},
       false},
      {"a captioned window that covers the monitor", W{false, true, true, false, false}, false},
      {"a bare window with a frame's edge", W{false, true, false, true, false}, false},
      {"an overlay tool window", W{false, true, false, false, true}, false},
      {"the desktop", W{true, true, false, false, false}, false},
      {"a bare window that leaves part of the monitor", W{false, false, false, false, false},
       false},
  };
  int copies = 0;
  for (const auto& c : cases) {
    platform_.foreground_window = c.window;
    const int shows = Shows();
    Copy("http://case" + std::to_string(++copies) + ".example/");
    EXPECT_EQ(Shows() == shows, c.quiet) << c.what;
  }
  // The system's own word counts whatever window is in front.
  platform_.foreground_window.reset();
  platform_.system_says_busy = true;
  const int shows = Shows();
  Copy("http://presenting.example/");
  EXPECT_EQ(Shows(), shows);
}

TEST_F(DesktopTest, QuietWhenFullScreenZeroKeepsAnnouncing) {
  platform_.PutFullScreenProgramInFront();
  Start("QuietWhenFullScreen=0\r\n");
  Copy("http://announced/");
  EXPECT_EQ(Shows(), 1);
}

// --- Heard by screen readers, seen in high contrast ------------------------

TEST_F(DesktopTest, TheBannerIsAnAlertThatScreenReadersRead) {
  Start();
  Copy("www.example.com/page");
  const std::string keys_said =
      " このバナーは Ctrl+Alt+Enter で実行、Ctrl+Alt+Backspace でキャンセルできます。";
  const std::string url_said =
      "http://www.example.com/page URL を示すと思われる文字列がクリップ ボードに格納されました。"
      "上記 URL に存在する Web ページを開きます。" +
      keys_said;
  EXPECT_EQ(Form().text, url_said);
  EXPECT_EQ(Form().alerts, std::vector<std::string>{url_said});
  // The alert comes once the banner has arrived.
  EXPECT_GT(CallIndex("Form.RaiseAlert"), CallIndex("Form.Show"));
  app_->frmMain().lblURL().on_mouse_up(platform::kRightButton);
  EXPECT_EQ(Form().text, "");

  Copy("ExitWendora");
  const std::string exit_said =
      "アプリケーションの終了 Wendora の命令語がクリップボードに格納されました。"
      "このアプリケーションを終了します。" +
      keys_said;
  EXPECT_EQ(Form().alerts, (std::vector<std::string>{url_said, exit_said}));
}

// --- The banner's keys ----------------------------------------------------

TEST_F(DesktopTest, TheKeysAreHeldOnlyWhileABannerIsUp) {
  using platform::GlobalKey;
  constexpr int kCtrlAlt = platform::kCtrlMask | platform::kAltMask;
  Start("DefaultAction=1\r\n");
  fake::FakeGlobalKeys& keys = *platform_.global_keys;
  EXPECT_TRUE(keys.held.empty());
  Copy("http://run.by.key/");
  ASSERT_EQ(keys.held.size(), 2u);
  // Ctrl+Alt+Enter runs it at once, as a left click would after a while.
  keys.Press(kCtrlAlt, GlobalKey::kEnter);
  Tick();
  EXPECT_EQ(platform_.shell_calls.size(), 2u);
  EXPECT_TRUE(keys.held.empty());
  // Ctrl+Alt+Backspace cancels; other shift states do nothing.
  Copy("http://cancelled.by.key/");
  keys.Press(platform::kAltMask, GlobalKey::kBackspace);
  EXPECT_TRUE(Form().visible);
  keys.Press(kCtrlAlt, GlobalKey::kBackspace);
  EXPECT_FALSE(Form().visible);
  EXPECT_TRUE(keys.held.empty());
  EXPECT_FALSE(TicksEnd(5000));
  EXPECT_EQ(platform_.shell_calls.size(), 2u);
  // Every way a banner goes lets them go: a plain copy, the pause.
  Copy("http://ended.by.copy/");
  EXPECT_EQ(keys.held.size(), 2u);
  Copy("just words");
  EXPECT_TRUE(keys.held.empty());
  Copy("http://ended.by.pause/");
  app_->watchCycle().SetPaused(true);
  EXPECT_TRUE(keys.held.empty());
}

TEST_F(DesktopTest, AKeyAnotherProgramHoldsLeavesTheMouse) {
  platform_.keys_held_elsewhere.insert(platform::GlobalKey::kEnter);
  Start("DefaultAction=1\r\n");
  Copy("http://by.mouse/");
  EXPECT_EQ(platform_.global_keys->held.size(), 1u);           // Backspace still cancels
  EXPECT_EQ(Form().text.find("Ctrl+Alt"), std::string::npos);  // not named
  Settle();
  app_->frmMain().lblURL().on_mouse_up(platform::kLeftButton);
  Tick();
  EXPECT_EQ(platform_.shell_calls.size(), 2u);
  // With BannerKeys=0 the keys are never taken.
  platform_ = fake::FakePlatform();
  Start("BannerKeys=0\r\n");
  Copy("http://no.keys/");
  EXPECT_TRUE(platform_.global_keys->held.empty());
  EXPECT_EQ(CountCalls("GlobalKeys.Hold"), 0u);
}

TEST_F(DesktopTest, AHighContrastThemePaintsTheBannerInItsColours) {
  platform_.high_contrast = platform::HighContrastColors{0x000000, 0xFFFF00};
  Start();
  const auto& box = *Form().pictures.at(0);
  for (const auto& line : box.lines) {
    ASSERT_EQ(line.color, 0x000000u);
  }
  Copy("http://contrast/");
  for (platform::Label* label : {&app_->frmMain().lblURL(), &app_->frmMain().lblAnnounce(),
                                 &app_->frmMain().lblCancelAnnounce()}) {
    EXPECT_EQ(Label(*label).fore_color, platform::TextColor::Rgb(0xFFFF00));
  }
  // The settings dialog's repaint keeps to the theme as well.
  Form().pictures.at(0)->lines.clear();
  app_->frmMain().PaintGradient(RgbColor(255, 0, 0), RgbColor(0, 0, 255));
  EXPECT_EQ(Form().pictures.at(0)->lines.front().color, 0x000000u);

  // The theme turned off: the next banner has its gradient and blue address.
  platform_.high_contrast.reset();
  Form().pictures.at(0)->lines.clear();
  Copy("http://plain/");
  EXPECT_EQ(Form().pictures.at(0)->lines.front().color, 0xFFFFFFu);
  EXPECT_EQ(Label(app_->frmMain().lblURL()).fore_color, platform::TextColor::Rgb(0xFF0000));
  EXPECT_EQ(Label(app_->frmMain().lblAnnounce()).fore_color, platform::TextColor::ButtonText());
  // And on again: a command's title in the theme's text colour.
  platform_.high_contrast = platform::HighContrastColors{0xFFFFFF, 0x000000};
  Copy("ExitWendora");
  EXPECT_EQ(Label(app_->frmMain().lblURL()).fore_color, platform::TextColor::Rgb(0x000000));
  EXPECT_EQ(Form().pictures.at(0)->lines.back().color, 0xFFFFFFu);
}

TEST(StartWithWindowsTest, TheProgramOfACommandLine) {
  for (const auto& [command, program] : std::vector<std::pair<const char*, const char*>>{
           {"\"C:\\Program Files\\W\\TWendora.exe\" /debug", "C:\\Program Files\\W\\TWendora.exe"},
           {"C:\\Program Files\\W\\TWendora.exe", "C:\\Program Files\\W\\TWendora.exe"},
           {"C:\\W\\TWendora.exe /debug", "C:\\W\\TWendora.exe"},
           {"  \"C:\\W\\x.exe\"  ", "C:\\W\\x.exe"},
           {"\"C:\\W\\x.exe", "C:\\W\\x.exe"},
           {"", ""}}) {
    EXPECT_EQ(StartWithWindows::ProgramOf(command), program) << command;
  }
}

}  // namespace
}  // namespace wendora
