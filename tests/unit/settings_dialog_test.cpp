// The settings dialog, the colour chooser, the tray menu and the settings
// command word, driven through the fake platform.
#include "app_test.h"

namespace wendora {
namespace {

using fake::FakeDialog;
using fake::FakeDialogControl;
using fake::ProcessExited;

constexpr platform::Color kWhite = 0xFFFFFF;
constexpr platform::Color kLightGreen = 98 + 255 * 256 + 98 * 65536;
constexpr int kAlt = platform::kAltMask;

class DialogTest : public AppTest {
 protected:
  // Opens the dialog as the tray menu does.
  FakeDialog& Open() {
    app_->frmSettings().ShowModeless();
    return *platform_.dialogs.back();
  }
  FrmSettings& Settings() { return app_->frmSettings(); }
  FakeDialogControl& Box(FakeDialog& d) { return d.ControlAt(1); }
  FakeDialogControl& Top(FakeDialog& d) { return d.ControlAt(3); }
  FakeDialogControl& Bottom(FakeDialog& d) { return d.ControlAt(4); }
  FakeDialogControl& Ok(FakeDialog& d) { return d.Control("OK"); }
  FakeDialogControl& Cancel(FakeDialog& d) { return d.Control("キャンセル"); }
  FakeDialogControl& TrayBox(FakeDialog& d) { return d.ControlAt(9); }
  FakeDialogControl& Run(FakeDialog& d) { return d.Control("実行する(&R)"); }
  FakeDialogControl& Click(FakeDialog& d) { return d.Control("キャンセルする(&C)"); }
  const CurrentSettings& Current() { return app_->settings(); }
  std::size_t GradientLines() { return platform_.forms.at(0)->pictures.at(0)->lines.size(); }
};

TEST_F(DialogTest, IsBuiltAsDesigned) {
  Start();
  FakeDialog& d = Open();
  EXPECT_EQ(d.design.caption, "設定");
  // The design's width, and beside OK and Cancel the button of more
  // settings with its gap.
  EXPECT_EQ(d.design.client_width, 3195 + 1335 + 405);
  EXPECT_EQ(d.design.client_height, 3255);
  std::vector<std::string> captions;
  for (const FakeDialogControl* c : d.controls) {
    captions.push_back(c->design.caption);
  }
  const std::vector<std::string> in_tab_order = {"実行待ち時間(&W):",
                                                 "",
                                                 "秒",
                                                 "",
                                                 "",
                                                 "上端の色(&T):",
                                                 "下端の色(&B):",
                                                 "OK",
                                                 "キャンセル",
                                                 "タスクトレイにアイコンを表示する(&I)",
                                                 "指定時間経過後の動作",
                                                 "実行する(&R)",
                                                 "キャンセルする(&C)",
                                                 "詳細設定(&D)..."};
  EXPECT_EQ(captions, in_tab_order);
  EXPECT_EQ(Ok(d).design.kind, platform::ControlKind::kDefaultButton);
  EXPECT_EQ(Cancel(d).design.kind, platform::ControlKind::kCancelButton);
  EXPECT_EQ(Click(d).design.bounds.left, 120 + 180);
  EXPECT_EQ(Click(d).design.bounds.top, 1380 + 540);
  // Brought to the front without staying topmost.
  const auto shown = std::find(platform_.calls.begin(), platform_.calls.end(), "Dialog.SetTopmost");
  ASSERT_NE(shown, platform_.calls.end());
  EXPECT_EQ(*(shown + 1), "Dialog.SetNotTopmost");
}

TEST_F(DialogTest, LoadsTheCurrentSettings) {
  Start();
  FakeDialog& d = Open();
  EXPECT_EQ(Box(d).text, "4");
  EXPECT_EQ(Top(d).back_color, kWhite);
  EXPECT_EQ(Bottom(d).back_color, kLightGreen);
  EXPECT_EQ(TrayBox(d).value, 1);
  EXPECT_EQ(Run(d).value, 1);
  EXPECT_EQ(Click(d).value, 0);
  EXPECT_EQ(d.focus, &Box(d));

  for (const auto& [file, tray, run, click] :
       {std::tuple{"ShowTaskTrayIcon=0\r\nDefaultAction=1\r\nWaitTime=-3\r\n", 0, 0, 1},
        std::tuple{"ShowTaskTrayIcon=2\r\nDefaultAction=5\r\n", 2, 0, 1},
        std::tuple{"ShowTaskTrayIcon=7\r\n", 2, 1, 0}}) {
    platform_ = fake::FakePlatform();
    Start(file);
    FakeDialog& again = Open();
    EXPECT_EQ(TrayBox(again).value, tray) << file;
    EXPECT_EQ(Run(again).value, run) << file;
    EXPECT_EQ(Click(again).value, click) << file;
  }
  EXPECT_EQ(Box(*platform_.dialogs.back()).text, "4");
}

TEST_F(DialogTest, OkTakesTheWaitTimeAsANumber) {
  Start();
  for (const auto& [entry, result] :
       {std::pair{" 12 ", 12}, std::pair{"2.5", 2}, std::pair{"0", 0}, std::pair{"-3", -3},
        std::pair{"-2147483648.4", INT32_MIN}, std::pair{"2147483647.4", INT32_MAX}}) {
    FakeDialog& d = Open();
    Box(d).text = entry;
    Ok(d).Click();
    EXPECT_EQ(Current().WaitTime, result) << entry;
    EXPECT_FALSE(Settings().Loaded());
  }
  EXPECT_TRUE(platform_.message_boxes.empty());
  // The file changes only at shut-down.
  EXPECT_EQ(CountCalls("ReplaceFile"), 0u);
}

TEST_F(DialogTest, OkRefusesWhatIsNotAWaitTime) {
  Start();
  FakeDialog& d = Open();
  for (const char* entry : {"", "abc", "12s", "2147483648", "1e10", "2147483647.5"}) {
    Box(d).text = entry;
    Ok(d).Click();
    EXPECT_TRUE(Settings().Loaded()) << entry;
    EXPECT_TRUE(d.visible);
    EXPECT_EQ(Box(d).text, entry);
    EXPECT_EQ(Current().WaitTime, 4);
  }
  ASSERT_EQ(platform_.message_boxes.size(), 6u);
  const auto& box = platform_.message_boxes[0];
  EXPECT_EQ(box.text, "実行待ち時間には整数を入力してください。");
  EXPECT_EQ(box.title, "Tamberlyn Wendora 2002");
  EXPECT_EQ(box.kind, platform::MessageBoxKind::kOkExclamation);
  EXPECT_EQ(box.owner, d.handle());
}

TEST_F(DialogTest, ColoursAreTakenAndPaintedOnlyWhenPicked) {
  Start();
  const std::size_t painted = GradientLines();
  FakeDialog& d = Open();
  Ok(d).Click();
  EXPECT_EQ(GradientLines(), painted);  // nothing picked: no repaint

  FakeDialog& again = Open();
  platform_.color_choices = {static_cast<std::int32_t>(kWhite)};  // the same colour
  Top(again).Click();
  Ok(again).Click();
  EXPECT_EQ(GradientLines(), 2 * painted);

  FakeDialog& third = Open();
  platform_.color_choices = {0x563412, -1};
  Top(third).Click();
  Bottom(third).Click();  // cancelled: the top pick still counts
  Ok(third).Click();
  EXPECT_EQ(std::tie(Current().TopColorR, Current().TopColorG, Current().TopColorB),
            std::make_tuple(0x12, 0x34, 0x56));
  EXPECT_EQ(std::tie(Current().BottomColorR, Current().BottomColorG, Current().BottomColorB),
            std::make_tuple(98, 255, 98));
  const auto& lines = platform_.forms.at(0)->pictures.at(0)->lines;
  EXPECT_EQ(lines[3 * painted - 90].color, 0x563412u);
}

TEST_F(DialogTest, CancelChangesNothing) {
  Start();
  FakeDialog& d = Open();
  const std::size_t painted = GradientLines();
  platform_.color_choices = {0x0000FF};
  Top(d).Click();
  Box(d).text = "30";
  Click(d).Click();
  TrayBox(d).Click();
  Cancel(d).Click();
  EXPECT_FALSE(Settings().Loaded());
  EXPECT_EQ(Current().WaitTime, 4);
  EXPECT_EQ(Current().TopColorR, 255);
  EXPECT_EQ(Current().DefaultAction, 0);
  EXPECT_EQ(Current().ShowTaskTrayIcon, 1);
  EXPECT_EQ(GradientLines(), painted);
  EXPECT_EQ(Top(Open()).back_color, kWhite);
  // Closing the window is the same.
  FakeDialog& closing = Open();
  Box(closing).text = "30";
  closing.on_close();
  EXPECT_FALSE(Settings().Loaded());
  EXPECT_EQ(Current().WaitTime, 4);
}

TEST_F(DialogTest, TheTrayIconFollowsTheCheckBox) {
  Start("ShowTaskTrayIcon=0\r\n");
  std::size_t calls = IconCalls().size();
  FakeDialog& d = Open();
  Ok(d).Click();
  EXPECT_EQ(IconCalls().size(), calls);  // untouched: nothing

  FakeDialog& add = Open();
  TrayBox(add).Click();
  Ok(add).Click();
  EXPECT_EQ(Current().ShowTaskTrayIcon, 1);
  ASSERT_EQ(IconCalls().size(), calls + 1);
  EXPECT_EQ(IconCalls().back(), "show");

  FakeDialog& remove = Open();
  TrayBox(remove).Click();
  Ok(remove).Click();
  EXPECT_EQ(Current().ShowTaskTrayIcon, 0);
  EXPECT_EQ(IconCalls().back(), "remove");

  platform_ = fake::FakePlatform();
  Start("ShowTaskTrayIcon=2\r\n");
  calls = IconCalls().size();
  for (int clicks : {0, 1, 2}) {
    FakeDialog& grey = Open();
    for (int i = 0; i < clicks; ++i) {
      TrayBox(grey).Click();
    }
    Ok(grey).Click();
    EXPECT_EQ(Current().ShowTaskTrayIcon, 2);
  }
  EXPECT_EQ(IconCalls().size(), calls);
}

TEST_F(DialogTest, DefaultActionFromTheOptions) {
  Start("DefaultAction=5\r\n");
  FakeDialog& d = Open();
  Ok(d).Click();
  EXPECT_EQ(Current().DefaultAction, 1);
  FakeDialog& again = Open();
  Run(again).Click();
  Ok(again).Click();
  EXPECT_EQ(Current().DefaultAction, 0);
}

TEST_F(DialogTest, AltKeysOnRelease) {
  Start();
  FakeDialog& d = Open();
  d.focus = nullptr;
  d.KeyUp('W', kAlt);
  EXPECT_EQ(d.focus, &Box(d));
  d.KeyUp('T', kAlt | platform::kCtrlMask);
  d.KeyUp('T', 0);
  d.KeyUp('B', kAlt | platform::kShiftMask);
  EXPECT_TRUE(platform_.color_dialogs.empty());
  d.KeyUp('T', kAlt);
  ASSERT_EQ(platform_.color_dialogs.size(), 1u);
  EXPECT_EQ(platform_.color_dialogs[0].initial, kWhite);
  d.KeyUp('B', kAlt);
  ASSERT_EQ(platform_.color_dialogs.size(), 2u);
  EXPECT_EQ(platform_.color_dialogs[1].initial, kLightGreen);
}

TEST_F(DialogTest, TheColourChooserStartsAfreshEveryTime) {
  Start("BottomColorR=0\r\nBottomColorG=0\r\nBottomColorB=0\r\n");
  FakeDialog& d = Open();
  platform_.color_choices = {0x00FF00};
  Bottom(d).Click();
  Bottom(d).Click();  // cancelled
  ASSERT_EQ(platform_.color_dialogs.size(), 2u);
  for (const auto& call : platform_.color_dialogs) {
    EXPECT_EQ(call.owner, d.handle());
    for (std::size_t slot = 1; slot < 16; ++slot) {
      EXPECT_EQ(call.custom_colors[slot], kWhite);
    }
  }
  EXPECT_EQ(platform_.color_dialogs[0].custom_colors[0], 0u);  // black swatch
  EXPECT_EQ(platform_.color_dialogs[1].custom_colors[0], 0x00FF00u);
  EXPECT_EQ(Bottom(d).back_color, 0x00FF00u);
}

TEST_F(DialogTest, ExitWithTheDialogOpenSavesTheOldSettings) {
  Start();
  FakeDialog& d = Open();
  Box(d).text = "45";
  EXPECT_THROW(app_->ExitApplication(), ProcessExited);
  EXPECT_NE(platform_.files[platform_.SettingsFile()].find("WaitTime=4\r\n"), std::string::npos);
}

class TrayTest : public DialogTest {
 protected:
  // The user released the right mouse button over the icon.
  void RequestMenu() { TrayIcon().RequestMenu(); }
};

TEST_F(TrayTest, TheMenuBelongsToTheIcon) {
  Start();
  platform_.calls.clear();
  RequestMenu();
  ASSERT_EQ(platform_.menus.size(), 1u);
  EXPECT_EQ(platform_.calls,
            (std::vector<std::string>{"ReadLogonStart Wendora", "SetForegroundWindow", "DoEvents",
                                      "ShowPopupMenu"}));
  EXPECT_EQ(platform_.foreground_requests[0], TrayIcon().handle());
  std::vector<std::string> captions;
  for (const auto& item : platform_.menus[0]) {
    captions.push_back(item.caption);
  }
  EXPECT_EQ(captions,
            (std::vector<std::string>{"設定(&S)", "ヘルプ(&T)", "一時停止(&P)",
                                      "Windows の起動時に開始(&W)", "", "Wendora の終了(&X)"}));
  EXPECT_EQ(platform_.menu_defaults[0], 0);
}

TEST_F(TrayTest, SettingsTwiceIsOneDialog) {
  Start();
  platform_.menu_choices = {0, 0};
  RequestMenu();
  Box(*platform_.dialogs.back()).text = "77";
  RequestMenu();
  EXPECT_EQ(platform_.dialogs.size(), 1u);
  EXPECT_TRUE(platform_.dialogs[0]->visible);
  EXPECT_EQ(Box(*platform_.dialogs[0]).text, "77");  // shown again as it was
}

TEST_F(TrayTest, HelpOpensTheFileNamedAfterTheProgram) {
  Start();
  platform_.menu_choices = {1};
  RequestMenu();
  ASSERT_EQ(platform_.shell_calls.size(), 1u);
  const auto& call = platform_.shell_calls[0];
  EXPECT_EQ(call.file, "C:\\Tools\\Wendora\\TWendora.chm");
  EXPECT_EQ(call.owner, TrayIcon().handle());

  platform_.executable_name = "Renamed.Tool.exe";
  platform_.menu_choices = {1, 4, -1};
  RequestMenu();
  RequestMenu();  // the separator
  RequestMenu();  // nothing chosen
  EXPECT_EQ(platform_.shell_calls.size(), 2u);
  EXPECT_EQ(platform_.shell_calls[1].file, "C:\\Tools\\Wendora\\Renamed.Tool.chm");
}

TEST_F(TrayTest, ExitSavesAndEnds) {
  Start();
  app_->settings().WaitTime = 9;
  platform_.menu_choices = {5};
  EXPECT_THROW(RequestMenu(), ProcessExited);
  EXPECT_EQ(IconCalls().back(), "remove");
  EXPECT_EQ(platform_.files[platform_.SettingsFile()].substr(0, 24),
            "[Settings]\r\nWaitTime=9\r\n");
}

TEST_F(TrayTest, AnErrorInAnEventHandlerIsReportedAndEnds) {
  Start();
  platform_.menu_runs_out_of_memory = true;
  EXPECT_THROW(RequestMenu(), ProcessExited);
  ASSERT_EQ(platform_.message_boxes.size(), 1u);
  EXPECT_EQ(platform_.message_boxes[0].title, "TWendora");
  EXPECT_EQ(platform_.message_boxes[0].text, "実行時エラー '7':\r\n\r\nメモリが不足しています。");
}

TEST_F(TrayTest, TheIconReturnsWhenTheShellRestarts) {
  Start();
  TrayIcon().RecreateArea();
  EXPECT_EQ(IconCalls(), (std::vector<std::string>{"show", "show"}));
  EXPECT_TRUE(TrayIcon().shown);

  platform_ = fake::FakePlatform();
  Start("ShowTaskTrayIcon=0\r\n");
  TrayIcon().RecreateArea();
  EXPECT_TRUE(IconCalls().empty());
}

using SettingsCommandTest = DialogTest;

TEST_F(SettingsCommandTest, OpensTheDialogModalAndTheTickWaits) {
  Start();
  platform_.SetClipboard("http://host/");
  Tick();
  Tick(1000);
  int ticks_inside = 0;
  platform_.while_modal = [&](FakeDialog& d) {
    // Timer events meanwhile do nothing.
    Tick();
    ++ticks_inside;
    EXPECT_TRUE(d.modal);
    Box(d).text = "9";
    Click(d).Click();
    Ok(d).Click();
  };
  platform_.SetClipboard("WendoraChangeSetting");
  Tick();
  EXPECT_EQ(ticks_inside, 1);
  EXPECT_EQ(Current().WaitTime, 9);
  const WatchState& state = app_->watchCycle().state();
  EXPECT_EQ(state.PendingAction, Action::None);
  EXPECT_EQ(state.WaitForClick, Mode::Click);  // the new default action
  EXPECT_TRUE(app_->watchCycle().clipboard().LastClipboardText().Matches("WendoraChangeSetting"));
  // Copying it again while it stays on the clipboard does nothing more.
  Tick();
  EXPECT_EQ(std::count(platform_.calls.begin(), platform_.calls.end(), "Dialog.ShowModal"), 1);
}

TEST_F(SettingsCommandTest, WaitsUntilTheColourChooserHasClosed) {
  Start();
  FakeDialog& d = Open();
  // The command word arrives while the dialog waits on its colour chooser:
  // it is not carried out yet, however many ticks come meanwhile, and the
  // clipboard is not read again for it.
  int reads = 0;
  platform_.pending_events = [&] {
    platform_.pending_events = nullptr;
    platform_.SetClipboard("WendoraChangeSetting");
    Tick();
    reads = platform_.clipboard_reads;
    Tick();
    Tick();
  };
  platform_.color_choices = {0x0000FF};
  platform_.calls.clear();
  Top(d).Click();
  EXPECT_EQ(CountCalls("Dialog"), 0u);
  EXPECT_EQ(platform_.clipboard_reads, reads);
  // The chosen colour is in the open dialog; the next tick shows it modal,
  // and OK takes the colour.
  EXPECT_EQ(Top(d).back_color, 0x0000FFu);
  platform_.while_modal = [&](FakeDialog& shown) {
    EXPECT_EQ(&shown, &d);
    Ok(shown).Click();
  };
  Tick();
  EXPECT_EQ(CountCalls("Dialog.ShowModal"), 1u);
  EXPECT_EQ(Current().TopColorR, 255);
  EXPECT_EQ(Current().TopColorG, 0);
  // Done once: the command stays seen.
  Tick();
  EXPECT_EQ(CountCalls("Dialog.ShowModal"), 1u);
}

TEST_F(SettingsCommandTest, AnOpenDialogComesBackModalAsItWas) {
  Start();
  FakeDialog& d = Open();
  Box(d).text = "33";
  platform_.calls.clear();
  platform_.while_modal = [&](FakeDialog& shown) {
    EXPECT_EQ(&shown, &d);
    EXPECT_EQ(Box(shown).text, "33");
    Cancel(shown).Click();
  };
  platform_.SetClipboard("WendoraChangeSetting");
  Tick();
  EXPECT_EQ(platform_.calls.at(0), "Dialog.Hide");
  EXPECT_EQ(platform_.calls.at(1), "Dialog.ShowModal");
  EXPECT_EQ(platform_.dialogs.size(), 1u);
}

}  // namespace
}  // namespace wendora
