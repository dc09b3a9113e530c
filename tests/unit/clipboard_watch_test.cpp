// The clipboard watch: when the clipboard is looked at, and what counts as
// new on it. Driven through the whole program on the fake platform, and the
// watch alone where that says more.
#include <gtest/gtest.h>

#include "base/runtime_error.h"
#include "fake/fake_platform.h"
#include "watch_test.h"
#include "watcher/clipboard_watch.h"

namespace wendora {
namespace {

using Kind = ClipboardNews::Kind;

// --- The watch alone ------------------------------------------------------

TEST(ClipboardWatchAlone, HandsOutEachNewTextOnceAndAWaitingOneAgain) {
  fake::FakePlatform platform;
  platform.SetClipboard("there at start");
  TickClock clock(platform);
  ClipboardWatch watch(platform, clock, "KeePass.exe");
  EXPECT_EQ(watch.Look().kind, Kind::kNothing);  // the text of the start counts as seen
  EXPECT_FALSE(watch.HasWork());

  platform.SetClipboard("first");
  ClipboardNews news = watch.Look();
  EXPECT_EQ(news.kind, Kind::kText);
  EXPECT_EQ(news.text, "first");
  EXPECT_FALSE(news.look_away);
  watch.Handled(true);
  EXPECT_EQ(watch.Look().kind, Kind::kNothing);
  EXPECT_TRUE(watch.LastClipboardText().Matches("first"));

  // A text that cannot be taken now comes again, as long as it stays.
  platform.SetClipboard("second");
  EXPECT_EQ(watch.Look().kind, Kind::kText);
  watch.Handled(false);
  EXPECT_TRUE(watch.HasWork());
  EXPECT_TRUE(watch.LastClipboardText().Matches("first"));
  for (int again = 0; again < 2; ++again) {
    news = watch.Look();
    EXPECT_EQ(news.kind, Kind::kWaitingText);
    EXPECT_EQ(news.text, "second");
    watch.Handled(again == 1);
  }
  EXPECT_EQ(watch.Look().kind, Kind::kNothing);
  EXPECT_TRUE(watch.LastClipboardText().Matches("second"));
  EXPECT_FALSE(watch.HasWork());

  // The same text copied anew is not new; one from a listed program or
  // marked private is to be looked away from.
  platform.SetClipboard("second");
  EXPECT_EQ(watch.Look().kind, Kind::kNothing);
  platform.clipboard_owner = "keepass.exe";
  platform.SetClipboard("from the list");
  news = watch.Look();
  EXPECT_EQ(news.kind, Kind::kText);
  EXPECT_TRUE(news.look_away);
  watch.Handled(true);
  platform.clipboard_owner.clear();
  platform.SetClipboard("from the list", true);
  news = watch.Look();  // private: handed out even though it is the same text
  EXPECT_EQ(news.kind, Kind::kText);
  EXPECT_TRUE(news.look_away);
  watch.Handled(true);

  // No text, at every look while the clipboard stays so; a held clipboard.
  platform.ClearClipboard();
  EXPECT_EQ(watch.Look().kind, Kind::kNoText);
  EXPECT_EQ(watch.Look().kind, Kind::kNoText);
  platform.clipboard_error = kErrCantOpenClipboard;
  platform.SetClipboard("held");
  EXPECT_EQ(watch.Look().kind, Kind::kHeld);
  EXPECT_TRUE(watch.HasWork());
  platform.clipboard_error = 0;
  EXPECT_EQ(watch.Look().text, "held");
}

TEST(ClipboardWatchAlone, AnUnreadChangeCountsAsEmptyTextOnceAfterItsTime) {
  fake::FakePlatform platform;
  TickClock clock(platform);
  ClipboardWatch watch(platform, clock, "");
  platform.SetClipboard("http://seen/");
  EXPECT_EQ(watch.Look().kind, Kind::kText);
  watch.Handled(true);
  platform.clipboard_read_outcomes.assign(100, platform::ClipboardRead::kPending);
  platform.SetClipboard("http://kept.back/");
  EXPECT_EQ(watch.Look().kind, Kind::kNothing);
  EXPECT_TRUE(watch.NewerChangeUnread());
  platform.tick_count += ClipboardWatch::kUnreadChangeLimitMs - 1;
  EXPECT_EQ(watch.Look().kind, Kind::kNothing);
  EXPECT_TRUE(watch.NewerChangeUnread());
  platform.tick_count += 1;
  const ClipboardNews empty = watch.Look();
  EXPECT_EQ(empty.kind, Kind::kText);
  EXPECT_EQ(empty.text, "");
  watch.Handled(true);
  EXPECT_FALSE(watch.NewerChangeUnread());
  EXPECT_EQ(watch.Look().kind, Kind::kNothing);  // once
  EXPECT_TRUE(watch.HasWork());                  // still asked for
  platform.clipboard_read_outcomes.clear();
  EXPECT_EQ(watch.Look().text, "http://kept.back/");
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
  EXPECT_TRUE(Seen().Matches(""));
  platform_.clipboard_error = 0;
  Tick();
  EXPECT_EQ(Url().Caption(), "http://held.at.start/");
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

TEST_F(WatchTest, PasswordManagerContentIsNeverShown) {
  Start();
  Copy("http://host/");
  platform_.SetClipboard("pa.example/ss:w0rd", true);
  Tick();
  EXPECT_FALSE(Form().visible);
  EXPECT_NE(Url().Caption(), "http://pa.example/ss:w0rd");
  EXPECT_FALSE(TicksEnd(6000));
  EXPECT_TRUE(platform_.shell_calls.empty());
  EXPECT_TRUE(Seen().Matches("pa.example/ss:w0rd"));  // counts as seen
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
  ClickToRun();
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

TEST_F(WatchTest, AHugeTextIsNotKeptWhileItLiesOnTheClipboard) {
  Start();
  const std::string huge(50 << 20, 'h');
  Copy(huge);
  EXPECT_FALSE(Seen().Matches("h"));
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
  Settle();
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
  EXPECT_TRUE(Seen().Matches("just words"));
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
  ClickToRun();
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
  ClickToRun();
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

TEST_F(WatchTest, AWaitingSettingsCommandIsDroppedByTheNextCopy) {
  // The settings dialog cannot be shown now (its colour chooser is open).
  bool busy = true;
  int dialogs = 0;
  CurrentSettings settings;
  FrmMain frm(platform_, settings);
  frm.Load();
  WatchCycle cycle(platform_, settings, frm,
                   AnnouncementActions{[] {},
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
  EXPECT_TRUE(cycle.clipboard().LastClipboardText().Matches("just a word"));
}

}  // namespace
}  // namespace wendora
