#include "watcher/watch_cycle.h"

#include <utility>

#include "base/fatal.h"
#include "base/runtime_error.h"

namespace wendora {
namespace {

// Marks a tick as running for as long as the scope lasts, however it ends.
class TickInProgress {
 public:
  explicit TickInProgress(bool& flag) : flag_(flag) { flag_ = true; }
  ~TickInProgress() { flag_ = false; }
  TickInProgress(const TickInProgress&) = delete;
  TickInProgress& operator=(const TickInProgress&) = delete;

 private:
  bool& flag_;
};

}  // namespace

WatchCycle::WatchCycle(platform::Platform& platform, CurrentSettings& settings, FrmMain& frmMain,
                       AnnouncementActions actions)
    : platform_(platform),
      settings_(settings),
      actions_(actions),
      clock_(platform),
      announcement_(platform, settings, frmMain, clock_, std::move(actions)),
      tmrWatchingClipBoard_(platform.CreateTimer(100)),
      clipboard_(platform, clock_, settings.IgnoreCopiesFrom) {
  tmrWatchingClipBoard_->on_timer = [this] { Tick(); };
  announcement_.on_banner_key = [this](bool run) {
    RunGuarded(platform_, [&] {
      announcement_.PressBannerKey(run);
      ScheduleTicks();
    });
  };
  // The news of a change: a tick at once, whose work goes on at the timer.
  clipboard_.on_changed = [this] { Tick(); };
  ScheduleTicks();
}

void WatchCycle::Tick() {
  // The timer keeps firing while a tick yields to the message loop; the
  // suspended tick's work must not start a second time.
  if (in_tick_) {
    return;
  }
  {
    const TickInProgress running(in_tick_);
    try {
      RunTick();
    } catch (const std::exception& error) {
      ReportFatalError(platform_, AsRuntimeError(error), actions_.exit_application);
    }
  }
  ScheduleTicks();
}

void WatchCycle::RunTick() {
  clock_.Now();  // keeps the extended tick count current
  announcement_.FinishOpenings();
  const ClipboardNews news = clipboard_.Look();
  switch (news.kind) {
    case ClipboardNews::Kind::kHeld:
      return;
    case ClipboardNews::Kind::kNoText:
      // An emptied clipboard, or one with a picture only, ends the banner.
      announcement_.End();
      return;
    case ClipboardNews::Kind::kText:
    case ClipboardNews::Kind::kWaitingText: {
      const bool taken = announcement_.Take(news.text, news.look_away);
      clipboard_.Handled(taken);
      // A text that still waits lets the countdown go on meanwhile.
      if (taken || news.kind == ClipboardNews::Kind::kText) {
        return;
      }
      break;
    }
    case ClipboardNews::Kind::kNothing:
      break;
  }
  announcement_.Countdown(clipboard_.NewerChangeUnread());
}

void WatchCycle::ScheduleTicks() {
  if (clipboard_.HasWork() || announcement_.HasWork()) {
    tmrWatchingClipBoard_->Start();
  } else {
    tmrWatchingClipBoard_->Stop();
  }
}

void WatchCycle::HandleAnnounceClick(int button) {
  announcement_.HandleAnnounceClick(button);
  ScheduleTicks();
}

void WatchCycle::SettingsChanged() {
  clipboard_.SetIgnoredPrograms(settings_.IgnoreCopiesFrom);
}

void WatchCycle::SetPaused(bool paused) {
  announcement_.SetPaused(paused);
  ScheduleTicks();
}

}  // namespace wendora
