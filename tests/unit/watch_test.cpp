// The watch cycle driven through the fake platform: the clock, the clipboard
// and the clicks are the test's; everything else is the program's own.
#include <gtest/gtest.h>

#include "announce/gradient.h"
#include "app_test.h"
#include "base/runtime_error.h"

namespace wendora {
namespace {

constexpr const char* kCancel4 = "キャンセルする場合は 4秒以内にここを右クリックしてください。";

class WatchTest : public AppTest {
 protected:
  fake::FakeLabel& Url() { return Label(app_->frmMain().lblURL()); }
  fake::FakeLabel& Explanation() { return Label(app_->frmMain().lblAnnounce()); }
  fake::FakeLabel& Countdown() { return Label(app_->frmMain().lblCancelAnnounce()); }
  static fake::FakeLabel& Label(platform::Label& label) {
    return static_cast<fake::FakeLabel&>(label);
  }
  const WatchState& State() { return app_->watchCycle().state(); }
  void ClickOn(fake::FakeLabel& label, int button) { label.on_mouse_up(button); }

  std::vector<std::string> OpenedFiles() const {
    std::vector<std::string> files;
    for (const auto& call : platform_.shell_calls) {
      files.push_back(call.file);
    }
    return files;
  }
  int Shows() const { return static_cast<int>(CountCalls("Form.Show")); }
};

TEST_F(WatchTest, LoadLaysTheBannerOutAcrossTheScreenHidden) {
  platform_.screen_width_px = 1280;
  Start();
  EXPECT_FALSE(Form().visible);
  EXPECT_EQ(Form().left_px, 0);
  EXPECT_EQ(Form().width_px, 1280);
  // The client area keeps its designed height inside a 3-pixel dialog frame.
  EXPECT_EQ(Form().height_px, 89 + 6);
  EXPECT_LT(Form().top_px, -Form().height_px);  // stored far above the screen
  const auto& container = *Form().pictures.at(0);
  EXPECT_EQ(container.width_px, 1274);
  EXPECT_EQ(container.height_px, 89);
  for (fake::FakeLabel* label : container.labels) {
    EXPECT_EQ(label->bounds.left, 240);
    EXPECT_EQ(label->bounds.width, 1274 * 15 - 480);
  }
  EXPECT_EQ(Url().font.name, "ＭＳ Ｐゴシック");
  EXPECT_EQ(Url().font.points, 18);
  EXPECT_EQ(container.lines.size(), 90u);
  EXPECT_EQ(platform_.timers.at(0)->interval, 100);
}

TEST_F(WatchTest, TheLayoutFollowsTheScreensDpi) {
  // Twips per pixel at 96, 120 and 144 DPI; the banner keeps its size in
  // twips, so it has more pixel rows at a higher DPI.
  for (const auto& [twips_per_pixel, rows] :
       {std::pair{15.0, 89}, std::pair{12.0, 111}, std::pair{10.0, 134}}) {
    platform_ = fake::FakePlatform();
    platform_.twips_per_pixel_x = platform_.twips_per_pixel_y = twips_per_pixel;
    platform_.screen_width_px = 1920;
    Start();
    const auto& container = *Form().pictures.at(0);
    EXPECT_EQ(Form().width_px, 1920);
    EXPECT_EQ(container.height_px, rows);
    EXPECT_EQ(Url().bounds.width, 1914 * twips_per_pixel - 480);
    // One line per pixel row, and one more that the box clips.
    EXPECT_EQ(container.lines.size(), static_cast<std::size_t>(rows) + 1);
    Copy("http://dpi.example/");
    EXPECT_EQ(Form().tops_px.front(), -(rows + 6));
    EXPECT_EQ(Form().tops_px.back(), 0);
  }
}

TEST_F(WatchTest, AChangeOfScaleLaysTheBannerOutAnew) {
  platform_.screen_width_px = 1920;
  Start();
  Copy("http://before.example/");
  auto& container = *Form().pictures.at(0);
  container.lines.clear();
  // The user sets the monitor to 150 %: 10 twips per pixel.
  Form().ChangeScale(10);
  EXPECT_EQ(Form().width_px, 1920);
  EXPECT_EQ(Form().height_px, 134 + 6);
  EXPECT_EQ(container.width_px, 1914);
  EXPECT_EQ(container.height_px, 134);
  EXPECT_EQ(Url().bounds.width, 1914 * 10 - 480);
  // The gradient is painted again, one line per new pixel row.
  ASSERT_EQ(container.lines.size(), 135u);
  EXPECT_EQ(container.lines[133].y1, 1330.0);
  EXPECT_EQ(GetGreen(static_cast<std::int32_t>(container.lines[133].color)), 255);
  EXPECT_EQ(GetRed(static_cast<std::int32_t>(container.lines[133].color)), 99);
  // The next slide starts one new window height above the screen.
  Form().tops_px.clear();
  Copy("http://after.example/");
  EXPECT_EQ(Form().tops_px.front(), -140);
  EXPECT_EQ(Form().tops_px.back(), 0);
}

TEST_F(WatchTest, TextOnTheClipboardAtStartIsNotAnnounced) {
  platform_.SetClipboard("http://already.there/");
  Start();
  for (int i = 0; i < 10; ++i) {
    Tick();
  }
  EXPECT_EQ(Shows(), 0);
  // Another program holding the clipboard at start: it counts as empty, and
  // the text is announced once it can be read.
  platform_ = fake::FakePlatform();
  platform_.SetClipboard("http://held.at.start/");
  platform_.clipboard_error = kErrCantOpenClipboard;
  Start();
  EXPECT_TRUE(State().LastClipboardText.Matches(""));
  platform_.clipboard_error = 0;
  Tick();
  EXPECT_EQ(Url().Caption(), "http://held.at.start/");
}

TEST_F(WatchTest, AnAddressSlidesInCountsDownAndOpens) {
  Start();
  Copy("www.example.com/page");
  EXPECT_TRUE(Form().visible);
  EXPECT_TRUE(Form().topmost);
  EXPECT_EQ(Url().Caption(), "http://www.example.com/page");
  EXPECT_TRUE(Url().font.underline);
  EXPECT_EQ(Url().fore_color, platform::TextColor::Rgb(0xFF0000));
  EXPECT_EQ(Explanation().Caption(),
            "URL を示すと思われる文字列がクリップ ボードに格納されました。"
            "上記 URL に存在する Web ページを開きます。");
  EXPECT_EQ(Countdown().Caption(), kCancel4);

  // The slide: from exactly one window height above the screen down to 0,
  // one pixel per step, after a single yield.
  const auto& tops = Form().tops_px;
  ASSERT_EQ(tops.size(), 96u);  // 89 rows and the frame's 6
  // Only the slide's own sleeps run at the fine timer resolution.
  EXPECT_EQ(platform_.sleeps_at_fine_resolution, 95);
  EXPECT_FALSE(platform_.fine_timer);
  EXPECT_EQ(tops.front(), -95);
  EXPECT_EQ(tops[1], -94);
  EXPECT_EQ(tops.back(), 0);

  std::vector<std::string> shown;
  while (platform_.shell_calls.empty()) {
    Tick();
    if (shown.empty() || shown.back() != Countdown().Caption()) {
      shown.push_back(Countdown().Caption());
    }
  }
  const std::vector<std::string> expected = {
      "キャンセルする場合は 3秒以内にここを右クリックしてください。",
      "キャンセルする場合は 2秒以内にここを右クリックしてください。",
      "キャンセルする場合は 1秒以内にここを右クリックしてください。",
      "キャンセルする場合は 0秒以内にここを右クリックしてください。", ""};
  EXPECT_EQ(shown, expected);
  // The busy text while the shell is asked; the hidden banner keeps no text.
  const auto& captions = Countdown().captions;
  ASSERT_GE(captions.size(), 2u);
  EXPECT_EQ(captions.end()[-2], "実行しています。しばらくお待ちください。");
  EXPECT_EQ(Url().Caption(), "");
}

TEST_F(WatchTest, RunsOutOnTheFirstTickAtOrAfterTheWaitTime) {
  Start();
  Copy("http://host/");
  const std::uint32_t start = platform_.tick_count;
  Tick(3999 - 100);
  Tick(100);  // 3999 ms
  EXPECT_TRUE(platform_.shell_calls.empty());
  Tick(1);  // 4000 ms
  ASSERT_EQ(platform_.shell_calls.size(), 2u);
  EXPECT_EQ(platform_.tick_count - start, 4000u);
  for (const auto& call : platform_.shell_calls) {
    EXPECT_EQ(call.owner, Form().handle());
  }
  EXPECT_EQ(OpenedFiles(), (std::vector<std::string>{"about:blank", "http://host/"}));
  EXPECT_EQ(platform_.pointers,
            (std::vector{platform::MousePointer::kBusy, platform::MousePointer::kDefault}));
  EXPECT_FALSE(Form().visible);
  EXPECT_FALSE(State().CountdownStart.has_value());
  EXPECT_EQ(State().PendingAction, Action::None);
  EXPECT_EQ(State().TargetText, "http://host/");  // kept after the announcement
}

TEST_F(WatchTest, ClickModeWaitsForALeftClick) {
  Start("DefaultAction=1\r\n");
  Copy("http://host/");
  EXPECT_EQ(Countdown().Caption(), kCancel4);  // first text in the run wording
  Tick();
  EXPECT_EQ(Countdown().Caption(), "実行する場合は 3秒以内にここをクリックしてください。");
  EXPECT_FALSE(TicksEnd(5000));
  EXPECT_TRUE(platform_.shell_calls.empty());
  EXPECT_FALSE(Form().visible);  // run out without a click: dropped

  Copy("http://other/");
  Tick();
  ClickOn(Explanation(), platform::kLeftButton);
  EXPECT_TRUE(platform_.shell_calls.empty());  // the next tick does the work
  Tick();
  EXPECT_EQ(OpenedFiles(), (std::vector<std::string>{"about:blank", "http://other/"}));
}

TEST_F(WatchTest, LeftClickRunsAtOnceRightAndMiddleCancel) {
  Start();
  Copy("http://one/");
  ClickOn(Url(), platform::kLeftButton);
  Tick();
  EXPECT_EQ(platform_.shell_calls.size(), 2u);

  for (int button : {platform::kRightButton, platform::kMiddleButton}) {
    platform_.shell_calls.clear();
    Copy("http://cancelled/" + std::to_string(button));
    Tick();
    ClickOn(Countdown(), button);
    EXPECT_FALSE(Form().visible);
    EXPECT_FALSE(TicksEnd(6000));
    EXPECT_TRUE(platform_.shell_calls.empty());
  }
  // A click on the background counts as well.
  Copy("tp://host");  // always waits for a click
  Form().pictures.at(0)->on_mouse_up(platform::kLeftButton);
  Tick();
  EXPECT_EQ(OpenedFiles(), (std::vector<std::string>{"about:blank", "http://host"}));
}

TEST_F(WatchTest, APressOnTheBannerTakesTheMouseUntilItsRelease) {
  Start("DefaultAction=1\r\n");
  Copy("http://host/");
  auto& box = *Form().pictures.at(0);
  box.on_mouse_down(platform::kLeftButton);
  EXPECT_TRUE(box.mouse_captured);
  // Released off the banner: the box that has the mouse hears it.
  box.on_mouse_up(platform::kLeftButton);
  EXPECT_FALSE(box.mouse_captured);
  Tick();
  EXPECT_EQ(OpenedFiles(), (std::vector<std::string>{"about:blank", "http://host/"}));
  // Released over a label, the capture ends as well.
  Copy("http://two/");
  box.on_mouse_down(platform::kRightButton);
  EXPECT_TRUE(box.mouse_captured);
  ClickOn(Countdown(), platform::kRightButton);
  EXPECT_FALSE(box.mouse_captured);
  EXPECT_FALSE(Form().visible);
}

TEST_F(WatchTest, PlainTextOrAnEmptyClipboardEndsTheAnnouncement) {
  Start();
  Copy("http://host/");
  Copy("just a word");
  EXPECT_FALSE(Form().visible);
  EXPECT_FALSE(TicksEnd(6000));
  EXPECT_TRUE(platform_.shell_calls.empty());

  Copy("http://host/again");
  platform_.ClearClipboard();
  Tick();
  EXPECT_FALSE(Form().visible);
  // The same text copied again is not new.
  platform_.SetClipboard("http://host/again");
  Tick();
  EXPECT_FALSE(Form().visible);
  EXPECT_EQ(Shows(), 2);
}

TEST_F(WatchTest, SameTextOnceABATwice) {
  Start("DefaultAction=1\r\n");
  Copy("http://a/");
  Copy("http://a/");
  EXPECT_EQ(Shows(), 1);
  Copy("http://b/");
  Copy("http://a/");
  EXPECT_EQ(Shows(), 3);
  // A new announcement during a running one slides in again from the top.
  EXPECT_EQ(std::count(Form().tops_px.begin(), Form().tops_px.end(), -95), 3);
}

TEST_F(WatchTest, RaisingTheWaitTimeLengthensARunningCountdown) {
  Start();
  Copy("http://host/");
  Tick(2000);
  app_->settings().WaitTime = 10;
  Tick(3000);
  EXPECT_TRUE(platform_.shell_calls.empty());
  EXPECT_EQ(Countdown().Caption(), "キャンセルする場合は 5秒以内にここを右クリックしてください。");
}

TEST_F(WatchTest, AHeldClipboardIsSkippedSilently) {
  Start();
  Copy("http://host/");
  platform_.clipboard_error = kErrCantOpenClipboard;
  platform_.SetClipboard("http://next/");
  EXPECT_FALSE(TicksEnd(2000));
  EXPECT_TRUE(platform_.message_boxes.empty());
  EXPECT_EQ(Url().Caption(), "http://host/");
  platform_.clipboard_error = 0;
  Tick();
  EXPECT_EQ(Url().Caption(), "http://next/");
}

TEST_F(WatchTest, AnyOtherErrorIsReportedAndEndsTheProgram) {
  Start();
  app_->settings().WaitTime = 7;
  platform_.SetClipboard("http://host/");
  platform_.clipboard_error = kErrOutOfMemory;
  EXPECT_TRUE(TicksEnd(100));
  ASSERT_EQ(platform_.message_boxes.size(), 1u);
  const auto& box = platform_.message_boxes[0];
  EXPECT_EQ(box.text,
            "回避不可能のエラーが発生しました。アプリケーションを終了します。\r\n\r\n"
            "エラー 7 - メモリが不足しています。");
  EXPECT_EQ(box.title, "Tamberlyn Wendora 2002");
  EXPECT_EQ(box.kind, platform::MessageBoxKind::kOkCritical);
  // Then the orderly shut-down: icon removed, settings saved.
  EXPECT_EQ(IconCalls().back(), "remove");
  EXPECT_EQ(platform_.files[platform_.SettingsFile()].substr(0, 24),
            "[Settings]\r\nWaitTime=7\r\n");
}

TEST_F(WatchTest, AnExceptionOfTheLibraryIsReportedAsItsError) {
  Start();
  platform_.clipboard_out_of_memory = true;
  platform_.SetClipboard("http://host/");
  EXPECT_TRUE(TicksEnd(100));
  ASSERT_EQ(platform_.message_boxes.size(), 1u);
  EXPECT_EQ(platform_.message_boxes[0].text,
            "回避不可能のエラーが発生しました。アプリケーションを終了します。\r\n\r\n"
            "エラー 7 - メモリが不足しています。");
}

TEST_F(WatchTest, ALeftClickOnAHiddenBannerLeavesNothingToDo) {
  Start();
  Copy("http://host/");
  ClickOn(Url(), platform::kRightButton);
  // A click that arrives as the banner goes: nothing to run, no tick.
  ClickOn(Url(), platform::kLeftButton);
  EXPECT_FALSE(Timer().running);
  EXPECT_FALSE(TicksEnd(5000));
  EXPECT_TRUE(platform_.shell_calls.empty());
}

TEST_F(WatchTest, TheTickCountTurningNegativeOrWrappingChangesNothing) {
  for (std::uint32_t start : {0x7FFFFF00u, 0xFFFFFF00u, 0xFFFFFFFFu - 3000}) {
    platform_ = fake::FakePlatform();
    platform_.tick_count = start - 5000;
    Start();
    Tick();
    Copy("http://host/");
    const std::uint32_t begun = platform_.tick_count;
    int ticks = 0;
    while (platform_.shell_calls.empty() && ticks < 100) {
      Tick();
      ++ticks;
    }
    EXPECT_EQ(static_cast<std::uint32_t>(platform_.tick_count - begun), 4000u) << start;
  }
}

TEST_F(WatchTest, NoWaitTimeEndsTheProgram) {
  Start("WaitTime=2147483647\r\n");
  Copy("http://host/");
  EXPECT_EQ(Countdown().Caption(),
            "キャンセルする場合は 2147483647秒以内にここを右クリックしてください。");
  EXPECT_FALSE(TicksEnd(1000));
  EXPECT_TRUE(platform_.message_boxes.empty());
  EXPECT_EQ(Countdown().Caption(),
            "キャンセルする場合は 2147483646秒以内にここを右クリックしてください。");
  ClickOn(Url(), platform::kLeftButton);
  Tick();
  EXPECT_EQ(platform_.shell_calls.size(), 2u);

  app_->settings().WaitTime = -2147483647 - 1;
  Copy("http://negative/");
  Tick();
  EXPECT_EQ(platform_.shell_calls.size(), 4u);
  EXPECT_TRUE(platform_.message_boxes.empty());
}

TEST_F(WatchTest, TheWaitTimeCommand) {
  Start();
  Copy("WendoraWaitTime=10");
  EXPECT_EQ(Url().Caption(), "待ち時間の変更");
  EXPECT_FALSE(Url().font.underline);
  EXPECT_EQ(Url().fore_color, platform::TextColor::ButtonText());
  EXPECT_EQ(Explanation().Caption(),
            "Wendora の命令語がクリップボードに格納されました。待ち時間を 10秒に変更します。");
  EXPECT_EQ(Countdown().Caption(), kCancel4);  // the old wait time
  Tick(3900);
  EXPECT_EQ(app_->settings().WaitTime, 4);
  Tick(100);
  EXPECT_EQ(app_->settings().WaitTime, 10);
  EXPECT_EQ(Countdown().captions.back(), "");
  EXPECT_FALSE(Form().visible);
  Copy("http://host/");
  EXPECT_EQ(Countdown().Caption(), "キャンセルする場合は 10秒以内にここを右クリックしてください。");

  const struct {
    const char* text;
    std::int32_t result;
  } values[] = {{"WendoraWaitTime= 7.5", 8},
                {"WendoraWaitTime=2.5", 2},
                {"WendoraWaitTime=0", 0},
                {"WendoraWaitTime=-3", -3}};
  for (const auto& v : values) {
    Copy(v.text);
    ClickOn(Url(), platform::kLeftButton);
    Tick();
    EXPECT_EQ(app_->settings().WaitTime, v.result) << v.text;
  }
  Copy("WendoraWaitTime=-2147483648.4");
  ClickOn(Url(), platform::kLeftButton);
  Tick();
  EXPECT_EQ(app_->settings().WaitTime, INT32_MIN);
  const auto& explanations = Explanation().captions;
  EXPECT_NE(
      std::find(
          explanations.begin(), explanations.end(),
          "Wendora の命令語がクリップボードに格納されました。待ち時間を  7.5秒に変更します。"),
      explanations.end());
}

TEST_F(WatchTest, TheWaitTimeComesFromTheAnnouncedText) {
  Start();
  Copy("WendoraWaitTime=10");
  // The line is emptied and the waiting events run before the value is
  // taken; another text copied just then does not count.
  std::vector<std::int32_t> wait_times_at_yield;
  platform_.pending_events = [&] {
    wait_times_at_yield.push_back(app_->settings().WaitTime);
    EXPECT_EQ(Countdown().Caption(), "");
    platform_.SetClipboard("Order number: 0012345");
  };
  Tick(4000);
  EXPECT_EQ(wait_times_at_yield, std::vector<std::int32_t>{4});
  EXPECT_EQ(app_->settings().WaitTime, 10);
}

TEST_F(WatchTest, IgnoredAndCancelledWaitTimeCommandsChangeNothing) {
  Start();
  Copy("http://host/");
  const int shows = Shows();
  for (const char* text : {"WendoraWaitTime=abc", "WendoraWaitTime=", "WendoraWaitTime=9e99",
                           "WendoraWaitTime=2147483647.5"}) {
    Copy(text);
  }
  EXPECT_EQ(Shows(), shows);
  EXPECT_TRUE(Form().visible);
  Tick(4000);
  EXPECT_EQ(platform_.shell_calls.size(), 2u);  // the address ran as if nothing happened

  Copy("WendoraWaitTime=30");
  ClickOn(Url(), platform::kRightButton);
  Tick(5000);
  EXPECT_EQ(app_->settings().WaitTime, 4);
}

TEST_F(WatchTest, TheExitCommandSavesAndEnds) {
  Start();
  Copy("ExitWendora");
  EXPECT_EQ(Url().Caption(), "アプリケーションの終了");
  EXPECT_EQ(Explanation().Caption(),
            "Wendora の命令語がクリップボードに格納されました。このアプリケーションを終了します。");
  EXPECT_TRUE(TicksEnd(4000));
  EXPECT_EQ(Countdown().captions.back(), "");
  EXPECT_EQ(IconCalls().back(), "remove");
  EXPECT_EQ(platform_.files[platform_.SettingsFile()].substr(0, 24),
            "[Settings]\r\nWaitTime=4\r\n");
}

TEST_F(WatchTest, AClickModeExitStandsRunOutUntilALeftClick) {
  Start("DefaultAction=1\r\n");
  Copy("ExitWendora");
  EXPECT_FALSE(TicksEnd(10000));
  EXPECT_TRUE(Form().visible);
  ClickOn(Url(), platform::kRightButton);  // too late to cancel
  EXPECT_TRUE(Form().visible);
  EXPECT_FALSE(TicksEnd(500));
  ClickOn(Url(), platform::kLeftButton);
  EXPECT_TRUE(TicksEnd(100));
}

TEST_F(WatchTest, ALooseAddressAsksAndWaitsForAClick) {
  Start();
  Copy("host/index.html");
  EXPECT_EQ(Url().Caption(), "http://host/index.html");
  EXPECT_EQ(Explanation().Caption(),
            "URL を示すと思われる文字列がクリップ ボードに格納されました。"
            "上記 URL に存在する Web ページを開きますか？");
  EXPECT_EQ(Countdown().Caption(), "実行する場合は 4秒以内にここをクリックしてください。");
  EXPECT_FALSE(TicksEnd(5000));
  EXPECT_TRUE(platform_.shell_calls.empty());
}

TEST_F(WatchTest, PathsAreCheckedBeforeOpening) {
  Start();
  platform_.existing_paths.insert("C:\\Windows");
  Copy("C:\\Windows");
  EXPECT_EQ(
      Explanation().Caption(),
      "ファイル、またはフォルダのパスを示すと思われる文字列がクリップ ボードに格納されました。"
      "上記パスに存在するファイル、またはフォルダを開きます。");
  ClickOn(Url(), platform::kLeftButton);
  Tick();
  EXPECT_EQ(OpenedFiles(), std::vector<std::string>{"C:\\Windows"});

  Copy("C:\\no\\such.txt");
  ClickOn(Url(), platform::kLeftButton);
  Tick();
  EXPECT_EQ(platform_.shell_calls.size(), 1u);
  ASSERT_EQ(platform_.message_boxes.size(), 1u);
  const auto& box = platform_.message_boxes[0];
  EXPECT_EQ(box.text,
            "このパスは、ローカル ディスク内に存在しないファイル、またはフォルダを指しています。");
  EXPECT_EQ(box.title, "Tamberlyn Wendora 2002");
  EXPECT_EQ(box.kind, platform::MessageBoxKind::kOkExclamation);
  EXPECT_EQ(platform_.pointer, platform::MousePointer::kDefault);

  // The title is the product name of the program's version record.
  platform_.product_name = "Renamed Product";
  Copy("C:\\no\\such\\other.txt");
  ClickOn(Url(), platform::kLeftButton);
  Tick();
  EXPECT_EQ(platform_.message_boxes.back().title, "Renamed Product");
  EXPECT_FALSE(Form().visible);
}

TEST_F(WatchTest, APathToAProgramIsShownInItsFolderNotRun) {
  Start();
  platform_.existing_paths = {"C:\\Users\\Public\\Downloads\\setup.exe",
                              "C:\\Users\\Public\\run.BAT", "C:\\Users\\Public\\notes.txt"};
  Copy("C:\\Users\\Public\\Downloads\\setup.exe");
  EXPECT_EQ(Explanation().Caption(),
            "プログラムのパスを示すと思われる文字列がクリップ ボードに格納されました。"
            "安全のため実行せず、上記ファイルのあるフォルダを開きます。");
  EXPECT_EQ(Url().Caption(), "C:\\Users\\Public\\Downloads\\setup.exe");
  ClickOn(Url(), platform::kLeftButton);
  Tick();
  EXPECT_TRUE(platform_.shell_calls.empty());
  ASSERT_EQ(platform_.folders_shown.size(), 1u);
  EXPECT_EQ(platform_.folders_shown[0].file, "C:\\Users\\Public\\Downloads\\setup.exe");
  EXPECT_EQ(platform_.folders_shown[0].owner, Form().handle());
  EXPECT_EQ(platform_.pointer, platform::MousePointer::kDefault);
  EXPECT_FALSE(Form().visible);

  // A script from the system's list, in another letter case.
  Copy("C:\\Users\\Public\\run.BAT");
  ClickOn(Url(), platform::kLeftButton);
  Tick();
  EXPECT_EQ(platform_.folders_shown.size(), 2u);
  EXPECT_TRUE(platform_.shell_calls.empty());

  // A document opens as before, with the usual explanation.
  Copy("C:\\Users\\Public\\notes.txt");
  EXPECT_EQ(
      Explanation().Caption(),
      "ファイル、またはフォルダのパスを示すと思われる文字列がクリップ ボードに格納されました。"
      "上記パスに存在するファイル、またはフォルダを開きます。");
  ClickOn(Url(), platform::kLeftButton);
  Tick();
  EXPECT_EQ(OpenedFiles(), std::vector<std::string>{"C:\\Users\\Public\\notes.txt"});

  // A missing program is reported as any missing path.
  Copy("C:\\Users\\Public\\gone.exe");
  ClickOn(Url(), platform::kLeftButton);
  Tick();
  EXPECT_EQ(platform_.message_boxes.size(), 1u);
  EXPECT_EQ(platform_.folders_shown.size(), 2u);
}

TEST_F(WatchTest, PasswordManagerContentIsNeverShown) {
  Start();
  Copy("http://host/");
  platform_.SetClipboard("pa/ss:w0rd", true);
  Tick();
  EXPECT_FALSE(Form().visible);
  EXPECT_NE(Url().Caption(), "http://pa/ss:w0rd");
  EXPECT_FALSE(TicksEnd(6000));
  EXPECT_TRUE(platform_.shell_calls.empty());
  EXPECT_TRUE(State().LastClipboardText.Matches("pa/ss:w0rd"));  // counts as seen
}

TEST_F(WatchTest, ATickNeverStartsInsideAnother) {
  Start();
  int nested = 0;
  platform_.pending_events = [&] {
    ++nested;
    platform_.timers.at(0)->Fire();
  };
  Copy("http://host/");
  ClickOn(Url(), platform::kLeftButton);
  Tick();
  EXPECT_GT(nested, 0);
  EXPECT_EQ(OpenedFiles(), (std::vector<std::string>{"about:blank", "http://host/"}));

  // The same inside the missing-path warning.
  Copy("C:\\missing");
  ClickOn(Url(), platform::kLeftButton);
  Tick();
  EXPECT_EQ(platform_.message_boxes.size(), 1u);
}

TEST_F(WatchTest, TheSettingsCommandLeavesACountdownWithNothingToRun) {
  Start();
  Copy("http://host/");
  Tick(1000);
  platform_.while_modal = [](fake::FakeDialog& dialog) { dialog.Control("キャンセル").Click(); };
  Copy("WendoraChangeSetting");
  EXPECT_TRUE(Form().visible);
  EXPECT_EQ(State().PendingAction, Action::None);
  EXPECT_FALSE(TicksEnd(6000));
  EXPECT_TRUE(platform_.shell_calls.empty());
  EXPECT_TRUE(Form().visible);  // stands until something ends it
  Copy("word");
  EXPECT_FALSE(Form().visible);
}

TEST_F(WatchTest, AnIdleTickDoesNotReadTheClipboard) {
  Start();
  platform_.SetClipboard(std::string(1 << 20, 'x'));
  Tick();
  const int reads = platform_.clipboard_reads;
  EXPECT_FALSE(TicksEnd(5000));
  EXPECT_EQ(platform_.clipboard_reads, reads);

  // Without a sequence number the clipboard is read every time, to the same
  // effect.
  platform_.sequence_numbers = false;
  Copy("http://host/");
  EXPECT_TRUE(Form().visible);
  EXPECT_FALSE(TicksEnd(1000));
  EXPECT_GT(platform_.clipboard_reads, reads + 5);
  EXPECT_EQ(Shows(), 1);
}

TEST_F(WatchTest, AFailedReadIsTriedAgainForAWhile) {
  Start();
  Copy("http://host/");
  // The owner did not render the text at first: nothing changes, and later
  // ticks read it again.
  platform_.clipboard_read_outcomes = {platform::ClipboardRead::kFailed,
                                       platform::ClipboardRead::kFailed};
  platform_.SetClipboard("http://second.try/");
  Tick();
  Tick();
  EXPECT_TRUE(Form().visible);
  EXPECT_EQ(Url().Caption(), "http://host/");
  Tick();
  EXPECT_EQ(Url().Caption(), "http://second.try/");

  // A read that keeps failing counts, after three seconds, as an empty text:
  // it ends the announcement and is not read again.
  platform_.clipboard_read_outcomes.assign(1000, platform::ClipboardRead::kFailed);
  platform_.SetClipboard("http://never.read/");
  Tick(100);
  Tick(2899);
  EXPECT_TRUE(Form().visible);
  const int reads = platform_.clipboard_reads;
  Tick(101);
  EXPECT_FALSE(Form().visible);
  EXPECT_EQ(platform_.clipboard_reads, reads + 1);
  EXPECT_FALSE(TicksEnd(2000));
  EXPECT_EQ(platform_.clipboard_reads, reads + 1);
  EXPECT_TRUE(platform_.shell_calls.empty());
  EXPECT_TRUE(platform_.message_boxes.empty());
}

TEST_F(WatchTest, APendingReadLetsEverythingElseGoOn) {
  Start();
  Copy("http://first/");
  // The owner of the new text has not answered: the countdown goes on and
  // the banner takes clicks; the text is announced once it comes.
  platform_.clipboard_read_outcomes.assign(52, platform::ClipboardRead::kPending);
  platform_.SetClipboard("http://late/");
  Tick(1000);
  EXPECT_EQ(Countdown().Caption(), "キャンセルする場合は 3秒以内にここを右クリックしてください。");
  ClickOn(Url(), platform::kLeftButton);
  Tick();
  EXPECT_EQ(OpenedFiles(), (std::vector<std::string>{"about:blank", "http://first/"}));
  for (int i = 0; i < 50; ++i) {
    Tick();
  }
  EXPECT_FALSE(Form().visible);  // still pending after more than five seconds
  Tick();
  EXPECT_TRUE(Form().visible);
  EXPECT_EQ(Url().Caption(), "http://late/");

  // A text on the clipboard at start-up whose owner keeps it back, or whose
  // read fails, is not announced when it comes: it was there at the start.
  for (const auto outcome : {platform::ClipboardRead::kPending, platform::ClipboardRead::kFailed}) {
    platform_ = fake::FakePlatform();
    platform_.SetClipboard("http://there.at.start/");
    platform_.clipboard_read_outcomes = {outcome, platform::ClipboardRead::kPending};
    Start();
    Tick();
    Tick();
    EXPECT_FALSE(TicksEnd(6000));
    EXPECT_EQ(Shows(), 0);
    Copy("http://copied.later/");
    EXPECT_EQ(Url().Caption(), "http://copied.later/");
  }
  // But a text copied while the first read waits is new.
  platform_ = fake::FakePlatform();
  platform_.SetClipboard("http://there.at.start/");
  platform_.clipboard_read_outcomes = {platform::ClipboardRead::kPending};
  Start();
  Copy("http://there.at.start/");  // the same text, copied again
  EXPECT_EQ(Shows(), 1);
}

TEST_F(WatchTest, TheBannerShowsNoMoreThanFits) {
  Start();
  // 1024 pixels wide at 15 twips per pixel: a client area of 1018 pixels
  // inside the frame, labels of 986. No character is narrower than a pixel,
  // no line lower than 8 pixels: the 33-pixel-high address label shows at
  // most 5 lines' worth, the 17-pixel ones 3.
  const std::string address = "http://long.example/" + std::string(30000, 'x');
  Copy(address);
  EXPECT_EQ(Url().Caption(), address.substr(0, 986 * 5));
  EXPECT_EQ(VisibleCharacterLimit(14790, 255, 15, 15), 986u * 3);
  ClickOn(Url(), platform::kLeftButton);
  Tick();
  // What opens is the whole address.
  EXPECT_EQ(OpenedFiles(), (std::vector<std::string>{"about:blank", address}));
  // Japanese text is cut between characters, never inside one.
  Copy("http://" + std::string(4920, 'x') + "あいう");
  EXPECT_EQ(Url().Caption(), "http://" + std::string(4920, 'x') + "あいう");
  Copy("http://" + std::string(4921, 'x') + "あいう");
  EXPECT_EQ(Url().Caption(), "http://" + std::string(4921, 'x') + "あい");
}

TEST_F(WatchTest, AHugeTextIsNotKeptWhileItLiesOnTheClipboard) {
  Start();
  const std::string huge(50 << 20, 'h');
  Copy(huge);
  EXPECT_FALSE(State().LastClipboardText.Matches("h"));
  // Only what the comparison needs stays: the same text is not new, another
  // of the same length is.
  platform_.SetClipboard(huge);
  Tick();
  EXPECT_EQ(Shows(), 0);
  std::string other = huge;
  other[1 << 20] = '/';
  Copy(other);
  EXPECT_EQ(Shows(), 0);  // longer than any address the shell can open
  Copy("http://" + std::string(1 << 20, 'a'));
  EXPECT_EQ(Shows(), 0);
  Copy("http://short/");
  EXPECT_EQ(Shows(), 1);

  // An address longer than what is kept whole, but short enough to open
  // (Japanese takes three bytes a character): copied again it is not new;
  // another of the same length, differing in one character anywhere, is.
  std::string japanese;
  for (int i = 0; i < 30000; ++i) {
    japanese += "あ";
  }
  const std::string long_address = "http://" + japanese;
  ASSERT_GT(long_address.size(), SeenText::kKeptWhole);
  Copy(long_address);
  EXPECT_EQ(Shows(), 2);
  Copy(long_address);
  EXPECT_EQ(Shows(), 2);
  int shows = 2;
  for (const std::size_t at :
       {std::size_t{7}, long_address.size() / 2 + 1, long_address.size() - 3}) {
    std::string other = long_address;
    other.replace(at, 3, "い");
    ASSERT_EQ(other.size(), long_address.size());
    Copy(other);
    EXPECT_EQ(Shows(), ++shows) << at;
  }
}

TEST_F(WatchTest, CopiesFromListedProgramsAreNotAnnounced) {
  Start("IgnoreCopiesFrom= Chrome.exe ; KeePass.exe\r\n");
  platform_.clipboard_owner = "notepad.exe";
  Copy("http://first.example/");
  EXPECT_TRUE(Form().visible);
  // The address of the page being read, copied in the browser: nothing is
  // announced, and the running announcement ends as for any other text.
  platform_.clipboard_owner = "chrome.exe";
  Copy("http://the.page.example/");
  EXPECT_FALSE(Form().visible);
  EXPECT_FALSE(TicksEnd(6000));
  EXPECT_TRUE(platform_.shell_calls.empty());
  EXPECT_EQ(Shows(), 1);
  // Command words too.
  platform_.clipboard_owner = "keepass.exe";
  Copy("ExitWendora");
  EXPECT_FALSE(TicksEnd(6000));
  EXPECT_EQ(Shows(), 1);
  // The same text copied elsewhere is not new; another one is announced.
  platform_.clipboard_owner = "notepad.exe";
  Copy("ExitWendora");
  EXPECT_EQ(Shows(), 1);
  Copy("http://second.example/");
  EXPECT_EQ(Shows(), 2);
  // An owner that cannot be told is never ignored.
  platform_.clipboard_owner = "";
  Copy("http://unknown.owner/");
  EXPECT_EQ(Shows(), 3);
}

TEST_F(WatchTest, WithoutTheListNothingIsIgnored) {
  for (const char* settings : {"", "IgnoreCopiesFrom=\r\n", "IgnoreCopiesFrom= ; \r\n"}) {
    platform_ = fake::FakePlatform();
    platform_.clipboard_owner = "chrome.exe";
    Start(settings);
    Copy("http://any.example/");
    EXPECT_TRUE(Form().visible) << settings;
  }
}

// --- At rest: the timer runs only while there is work -------------------

TEST_F(WatchTest, TheTimerSleepsAtRestAndWakesForABanner) {
  Start();
  EXPECT_FALSE(Timer().running);
  EXPECT_EQ(CountCalls("ListenToClipboard"), 1u);
  Copy("just a word");
  EXPECT_FALSE(Timer().running);
  // A banner counts down on the timer, which stops once it has run.
  Copy("http://host/");
  EXPECT_TRUE(Timer().running);
  EXPECT_FALSE(TicksEnd(4000));
  EXPECT_EQ(platform_.shell_calls.size(), 2u);
  EXPECT_FALSE(Timer().running);
  // A right click ends the banner and the timer with it.
  Copy("http://cancelled/");
  ClickOn(Url(), platform::kRightButton);
  EXPECT_FALSE(Timer().running);
  // A click-mode banner waits on the timer until it runs out.
  Copy("tp://click.me");
  EXPECT_FALSE(TicksEnd(3900));
  EXPECT_TRUE(Timer().running);
  Tick(100);
  EXPECT_FALSE(Form().visible);
  EXPECT_FALSE(Timer().running);
  // Nothing happens while it stands: no read, no tick.
  const int reads = platform_.clipboard_reads;
  const int starts = Timer().starts;
  EXPECT_FALSE(TicksEnd(10000));
  EXPECT_EQ(platform_.clipboard_reads, reads);
  EXPECT_EQ(Timer().starts, starts);
}

TEST_F(WatchTest, AClickModeExitKeepsTheTimerUntilItsClick) {
  Start("DefaultAction=1\r\n");
  Copy("ExitWendora");
  EXPECT_FALSE(TicksEnd(10000));
  EXPECT_TRUE(Form().visible);
  EXPECT_TRUE(Timer().running);
  ClickOn(Url(), platform::kLeftButton);
  EXPECT_TRUE(TicksEnd(100));
}

TEST_F(WatchTest, TheTimerRunsWhileAReadIsPendingFailingOrHeld) {
  Start();
  platform_.clipboard_read_outcomes = {platform::ClipboardRead::kPending,
                                       platform::ClipboardRead::kPending};
  platform_.SetClipboard("http://late/");
  Tick();
  EXPECT_TRUE(Timer().running);
  Tick();
  EXPECT_FALSE(Form().visible);
  Tick();
  EXPECT_EQ(Url().Caption(), "http://late/");
  ClickOn(Url(), platform::kRightButton);
  EXPECT_FALSE(Timer().running);

  // A read that fails is tried again on the timer until it counts as empty.
  platform_.clipboard_read_outcomes.assign(100, platform::ClipboardRead::kFailed);
  platform_.SetClipboard("http://never/");
  Tick();
  EXPECT_TRUE(Timer().running);
  Tick(2999);
  EXPECT_TRUE(Timer().running);
  Tick(1);
  EXPECT_FALSE(Timer().running);

  // A clipboard held by another program is tried again until it opens.
  platform_.clipboard_read_outcomes.clear();
  platform_.clipboard_error = kErrCantOpenClipboard;
  platform_.SetClipboard("just words");
  Tick();
  EXPECT_TRUE(Timer().running);
  Tick();
  EXPECT_TRUE(Timer().running);
  platform_.clipboard_error = 0;
  Tick();
  EXPECT_FALSE(Timer().running);
  EXPECT_TRUE(State().LastClipboardText.Matches("just words"));
}

TEST_F(WatchTest, TextHeldAtStartIsLookedForOnTheTimer) {
  platform_.SetClipboard("http://held.at.start/");
  platform_.clipboard_error = kErrCantOpenClipboard;
  Start();
  EXPECT_TRUE(Timer().running);
  platform_.clipboard_error = 0;
  Tick();
  EXPECT_EQ(Url().Caption(), "http://held.at.start/");

  // Read at start: nothing to do.
  platform_ = fake::FakePlatform();
  platform_.SetClipboard("http://there/");
  Start();
  EXPECT_FALSE(Timer().running);
  // Kept back at start: the timer asks until it comes, then rests.
  platform_ = fake::FakePlatform();
  platform_.SetClipboard("http://there/");
  platform_.clipboard_read_outcomes = {platform::ClipboardRead::kPending};
  Start();
  EXPECT_TRUE(Timer().running);
  Tick();
  EXPECT_FALSE(Timer().running);
  EXPECT_EQ(Shows(), 0);
}

TEST_F(WatchTest, AChangeIsHandledOnceHoweverOftenItIsTold) {
  Start();
  platform_.SetClipboard("http://once/");
  platform_.clipboard_changes_untold = 3;
  Tick();
  EXPECT_EQ(platform_.clipboard_reads, 1);
  EXPECT_EQ(Shows(), 1);
  // News without a change reads nothing.
  ClickOn(Url(), platform::kRightButton);
  platform_.clipboard_changes_untold = 1;
  Tick();
  EXPECT_EQ(platform_.clipboard_reads, 1);
  EXPECT_FALSE(Timer().running);
}

TEST_F(WatchTest, AChangeToldDuringAYieldIsHandledAfterIt) {
  Start();
  Copy("http://first/");
  // The next copy is told while the tick opens the first address.
  platform_.pending_events = [&] {
    platform_.pending_events = nullptr;
    platform_.SetClipboard("http://second/");
  };
  ClickOn(Url(), platform::kLeftButton);
  Tick();
  EXPECT_EQ(OpenedFiles(), (std::vector<std::string>{"about:blank", "http://first/"}));
  EXPECT_TRUE(Timer().running);
  Tick();
  EXPECT_EQ(Url().Caption(), "http://second/");
}

TEST_F(WatchTest, WithoutAListenerTheTimerLooksForItself) {
  platform_.clipboard_listener_available = false;
  Start();
  EXPECT_TRUE(Timer().running);
  platform_.SetClipboard("http://polled/");
  EXPECT_EQ(platform_.clipboard_changes_untold, 0);
  Tick();
  EXPECT_EQ(Url().Caption(), "http://polled/");
  ClickOn(Url(), platform::kRightButton);
  EXPECT_TRUE(Timer().running);
  Tick();
  EXPECT_TRUE(Timer().running);
}

// --- A countdown never runs out on a stale copy --------------------------

TEST_F(WatchTest, ACountdownWaitsWhileANewerCopyIsUnread) {
  Start();
  Copy("http://first/");
  Tick(3000);
  platform_.clipboard_read_outcomes.assign(20, platform::ClipboardRead::kPending);
  platform_.SetClipboard("http://second/");
  Tick();
  Tick(1500);  // 4600 ms: the first would have run out
  EXPECT_TRUE(platform_.shell_calls.empty());
  EXPECT_TRUE(Form().visible);
  platform_.clipboard_read_outcomes.clear();
  Tick();
  EXPECT_EQ(Url().Caption(), "http://second/");
  EXPECT_FALSE(TicksEnd(4000));
  EXPECT_EQ(OpenedFiles(), (std::vector<std::string>{"about:blank", "http://second/"}));

  // When the newer text changes nothing (the same text, or an ignored
  // command word), the countdown goes on and runs out.
  for (const char* newer : {"WendoraWaitTime=abc", "http://third/"}) {
    platform_.shell_calls.clear();
    Copy("http://third/");
    Tick(3900);
    platform_.clipboard_read_outcomes = {platform::ClipboardRead::kFailed,
                                         platform::ClipboardRead::kFailed};
    platform_.SetClipboard(newer);
    Tick(100);
    Tick(100);
    EXPECT_TRUE(platform_.shell_calls.empty()) << newer;
    EXPECT_FALSE(TicksEnd(200));
    EXPECT_EQ(OpenedFiles(), (std::vector<std::string>{"about:blank", "http://third/"})) << newer;
  }
}

TEST_F(WatchTest, AnUnreadCopyEndsTheBannerAfterThreeSeconds) {
  for (const auto outcome : {platform::ClipboardRead::kPending, platform::ClipboardRead::kFailed}) {
    platform_ = fake::FakePlatform();
    Start();
    Copy("http://first/");
    platform_.clipboard_read_outcomes.assign(60, outcome);
    platform_.SetClipboard("http://slow/");
    Tick(100);  // the change is told: its three seconds start now
    Tick(2899);
    EXPECT_TRUE(Form().visible);
    Tick(100);  // 2999 ms
    EXPECT_TRUE(Form().visible);
    Tick(1);  // 3000 ms
    EXPECT_FALSE(Form().visible);
    EXPECT_FALSE(TicksEnd(3000));
    EXPECT_TRUE(platform_.shell_calls.empty());
    EXPECT_TRUE(platform_.message_boxes.empty());
  }
  // A text kept back that long is still announced when it comes.
  platform_.clipboard_read_outcomes.clear();
  platform_.clipboard_read_outcomes.assign(60, platform::ClipboardRead::kPending);
  Copy("http://late.again/");
  EXPECT_FALSE(TicksEnd(3500));
  EXPECT_FALSE(Form().visible);
  platform_.clipboard_read_outcomes.clear();
  EXPECT_FALSE(TicksEnd(2700));
  EXPECT_EQ(Url().Caption(), "http://late.again/");
}

TEST_F(WatchTest, ALeftClickRunsWhileANewerCopyIsUnread) {
  Start();
  Copy("http://chosen/");
  platform_.clipboard_read_outcomes.assign(20, platform::ClipboardRead::kPending);
  platform_.SetClipboard("http://newer/");
  Tick();
  ClickOn(Url(), platform::kLeftButton);
  Tick();
  EXPECT_EQ(OpenedFiles(), (std::vector<std::string>{"about:blank", "http://chosen/"}));
}

TEST_F(WatchTest, EachUnreadChangeHasItsOwnThreeSeconds) {
  for (const bool numbers : {true, false}) {
    platform_ = fake::FakePlatform();
    platform_.sequence_numbers = numbers;
    Start();
    Copy("http://shown/");
    platform_.clipboard_read_outcomes.assign(200, platform::ClipboardRead::kFailed);
    platform_.SetClipboard("http://one/");
    Tick();
    Tick(2000);
    // A second change that fails too starts its own three seconds.
    platform_.SetClipboard("http://two/");
    Tick();
    Tick(2899);
    EXPECT_TRUE(Form().visible) << numbers;
    Tick(101);
    EXPECT_FALSE(Form().visible) << numbers;
    EXPECT_TRUE(platform_.shell_calls.empty()) << numbers;
  }
}

TEST_F(WatchTest, ARightClickAtTheRunOutsMillisecondIsTooLate) {
  Start();
  Copy("http://host/");
  Tick(3899);
  platform_.tick_count += 1;  // 3999 ms after the slide: one left
  ClickOn(Url(), platform::kRightButton);
  EXPECT_FALSE(Form().visible);
  EXPECT_FALSE(TicksEnd(1000));
  EXPECT_TRUE(platform_.shell_calls.empty());

  Copy("http://late.click/");
  Tick(3900);
  platform_.tick_count += 100;  // exactly 4000 ms: run out
  ClickOn(Url(), platform::kRightButton);
  EXPECT_TRUE(Form().visible);
  Tick(0);
  EXPECT_EQ(OpenedFiles(), (std::vector<std::string>{"about:blank", "http://late.click/"}));
}

TEST_F(WatchTest, ADefaultActionAboveOneWaitsForAClick) {
  for (const char* value : {"1", "2", "255"}) {
    platform_ = fake::FakePlatform();
    Start(std::string("DefaultAction=") + value + "\r\n");
    Copy("http://host/");
    EXPECT_EQ(State().WaitForClick, Mode::Click) << value;
    EXPECT_FALSE(TicksEnd(5000));
    EXPECT_TRUE(platform_.shell_calls.empty()) << value;
  }
}

TEST_F(WatchTest, AWaitingSettingsCommandIsDroppedByTheNextCopy) {
  // The settings dialog cannot be shown now (its colour chooser is open).
  bool busy = true;
  int dialogs = 0;
  CurrentSettings settings;
  FrmMain frm(platform_, settings);
  frm.Load();
  WatchCycle cycle(platform_, settings, frm,
                   WatchHooks{[] {},
                              [&] {
                                if (busy) {
                                  return false;
                                }
                                ++dialogs;
                                return true;
                              },
                              {}});
  platform_.SetClipboard("WendoraChangeSetting");
  Tick();
  EXPECT_TRUE(Timer().running);  // the command waits on the timer
  Tick();
  EXPECT_EQ(dialogs, 0);
  platform_.SetClipboard("just a word");
  Tick();
  busy = false;
  EXPECT_FALSE(Timer().running);
  EXPECT_FALSE(TicksEnd(1000));
  EXPECT_EQ(dialogs, 0);
  EXPECT_TRUE(cycle.state().LastClipboardText.Matches("just a word"));
}

}  // namespace
}  // namespace wendora
