#include "watcher/announcement.h"

#include <utility>

#include "base/number.h"
#include "base/texts.h"

namespace wendora {
namespace {

// The identifiers of the banner's keys.
constexpr int kRunKey = 1;
constexpr int kCancelKey = 2;
constexpr int kCtrlAlt = platform::kCtrlMask | platform::kAltMask;

std::string_view ValueAfterCommandWord(std::string_view text) {
  return text.size() < kWaitTimeCommand.size() ? std::string_view()
                                               : text.substr(kWaitTimeCommand.size());
}

}  // namespace

bool IsFullScreenProgram(const platform::ForegroundWindow& w) {
  return !w.shell && w.covers_monitor && !w.caption && !w.window_edge && !w.tool_window;
}

std::string CountdownText(Mode mode, std::int64_t seconds) {
  return Format(mode == Mode::Run ? TextId::kCancelWithin : TextId::kClickWithin,
                DecimalText(seconds));
}

Announcement::Announcement(platform::Platform& platform, CurrentSettings& settings,
                           FrmMain& frmMain, TickClock& clock, AnnouncementActions actions)
    : platform_(platform),
      settings_(settings),
      frmMain_(frmMain),
      clock_(clock),
      actions_(std::move(actions)),
      program_files_(platform.ProgramFileExtensions()),
      keys_(platform.CreateGlobalKeys()) {
  keys_->on_pressed = [this](int id) {
    if (on_banner_key) {
      on_banner_key(id == kRunKey);
    }
  };
}

bool Announcement::HasWork() const {
  // A countdown left hidden by a click after the banner went has nothing to
  // run.
  return !openings_.empty() || (state_.CountdownStart && (frmMain_.form().Visible() ||
                                                          state_.PendingAction != Action::None));
}

bool Announcement::Take(const std::string& text, bool look_away) {
  const Classification c =
      look_away ? Classification{} : ClassifyClipboardText(text, {settings_.AnyTextWithSlash != 0});
  switch (c.kind) {
    case ClipTextKind::Url:
    case ClipTextKind::Path:
    case ClipTextKind::LooseUrl:
      // Paused, or the user busy with something full-screen: the copy
      // counts as seen, as text that is not recognised does.
      if (settings_.Paused || (settings_.QuietWhenFullScreen != 0 && UserIsBusyFullScreen())) {
        End();
      } else {
        Announce(c);
      }
      break;
    case ClipTextKind::WaitTimeCommand:
      // The value is kept as a number, however long its text.
      new_wait_time_ = c.wait_time;
      AnnounceCommand(TextId::kWaitTimeTitle,
                      Format(TextId::kWaitTimeAnnounce, ValueAfterCommandWord(text)),
                      Action::SetWaitTime);
      break;
    case ClipTextKind::ExitCommand:
      AnnounceCommand(TextId::kExitTitle, std::string(Text(TextId::kExitAnnounce)),
                      Action::ExitProgram);
      break;
    case ClipTextKind::PauseCommand:
      AnnounceCommand(TextId::kPauseTitle, std::string(Text(TextId::kPauseAnnounce)),
                      Action::Pause);
      break;
    case ClipTextKind::ResumeCommand:
      AnnounceCommand(TextId::kResumeTitle, std::string(Text(TextId::kResumeAnnounce)),
                      Action::Resume);
      break;
    case ClipTextKind::ChangeSettingCommand:
      // While the open dialog waits on its colour chooser or a warning, the
      // command waits.
      return RunSettingsCommand();
    case ClipTextKind::IgnoredCommand:
      break;
    case ClipTextKind::NotRecognised:
      End();
      break;
  }
  return true;
}

bool Announcement::RunSettingsCommand() {
  if (!actions_.change_settings()) {
    return false;
  }
  // No announcement: a running countdown goes on, with nothing to run.
  state_.PendingAction = Action::None;
  state_.WaitForClick = ModeFromDefaultAction();
  return true;
}

void Announcement::Announce(const Classification& c) {
  frmMain_.ShowAddress(c.display, c.display_front);
  if (c.has_user_info) {
    frmMain_.SetExplanation(Text(TextId::kUserNameAnnounce));
  } else if (c.kind == ClipTextKind::Url) {
    frmMain_.SetExplanation(Text(TextId::kUrlAnnounce));
  } else if (c.kind == ClipTextKind::Path) {
    frmMain_.SetExplanation(
        Text(program_files_.Runs(c.target) ? TextId::kProgramPathAnnounce : TextId::kPathAnnounce));
  } else {
    frmMain_.SetExplanation(Text(TextId::kLooseUrlAnnounce));
  }
  // A loose address asks to be run from the start; the others tell how to
  // cancel, and take the wording of their mode from the next tick on.
  frmMain_.SetCountdownText(CountdownText(
      c.kind == ClipTextKind::LooseUrl ? Mode::Click : Mode::Run, settings_.WaitTime));
  BeginAnnouncement();
  state_.TargetText = c.target;
  shown_target_ = c.display;
  state_.PendingAction = c.kind == ClipTextKind::Path ? Action::OpenPath : Action::OpenURL;
  state_.WaitForClick = c.mode == ModeRule::AlwaysClick ? Mode::Click : ModeFromDefaultAction();
}

void Announcement::AnnounceCommand(TextId title, const std::string& explanation, Action action) {
  frmMain_.ShowCommandTitle(Text(title));
  frmMain_.SetExplanation(explanation);
  frmMain_.SetCountdownText(CountdownText(Mode::Run, settings_.WaitTime));
  BeginAnnouncement();
  state_.PendingAction = action;
  state_.WaitForClick = ModeFromDefaultAction();
}

void Announcement::BeginAnnouncement() {
  for (RunningOpening& running : openings_) {
    running.owns_banner = false;  // an opening that ends now leaves this banner alone
  }
  frmMain_.NameTheKeys(HoldBannerKeys());
  frmMain_.SlideIn();
  frmMain_.form().SetTopmost();
  state_.CountdownStart = arrived_at_ = clock_.Now();
  run_now_ = false;
}

void Announcement::Countdown(bool newer_copy_unread) {
  if (!state_.CountdownStart) {
    return;
  }
  const std::int64_t remaining = Remaining();
  if (remaining > 0) {
    frmMain_.SetCountdownText(CountdownText(state_.WaitForClick, remaining / 1000));
  } else if (run_now_ || !newer_copy_unread) {
    RunOut();
  }
}

void Announcement::RunOut() {
  const bool run = state_.WaitForClick == Mode::Run;
  switch (state_.PendingAction) {
    case Action::OpenURL:
    case Action::OpenPath:
      if (run) {
        OpenTarget(state_.PendingAction);  // ends the banner when it has ended
      } else {
        End();
      }
      break;
    case Action::SetWaitTime:
    case Action::Pause:
    case Action::Resume:
      if (run) {
        if (state_.PendingAction == Action::SetWaitTime) {
          ApplyWaitTime();
        } else {
          ApplyPause(state_.PendingAction == Action::Pause);
        }
      }
      End();
      break;
    case Action::ExitProgram:
      // In click mode the banner stands, run out, until a left click.
      if (run) {
        frmMain_.SetCountdownText("");
        platform_.DoEvents();
        actions_.exit_application();
      }
      break;
    case Action::None:
      break;
  }
}

void Announcement::OpenTarget(Action kind) {
  frmMain_.SetCountdownText(Text(TextId::kBusy));
  platform_.SetMousePointer(platform::MousePointer::kBusy);
  platform_.DoEvents();
  platform::OpenRequest request;
  request.owner = frmMain_.form().handle();
  request.kind = kind == Action::OpenURL ? platform::OpenRequest::Kind::kAddress
                                         : platform::OpenRequest::Kind::kPath;
  request.target = state_.TargetText;
  // Any page may have put the path there: a program is shown, not run. The
  // judgement goes to the opening's thread as a copy of its own.
  request.runs_code = [kinds = program_files_](std::string_view path) { return kinds.Runs(path); };
  // The banner stands, with nothing more to run, until the opening ends.
  state_.PendingAction = Action::None;
  openings_.push_back({platform_.StartOpening(std::move(request)),
                       true,
                       kind == Action::OpenURL,
                       shown_target_,
                       {}});
  FinishOpenings();
}

void Announcement::FinishOpenings() {
  for (std::size_t i = 0; i < openings_.size();) {
    RunningOpening& running = openings_[i];
    if (!running.outcome) {
      running.outcome = running.opening->Outcome();
    }
    if (!running.outcome || (!running.owns_banner && frmMain_.form().Visible())) {
      ++i;
      continue;
    }
    const RunningOpening ended = std::move(running);
    openings_.erase(openings_.begin() + static_cast<std::ptrdiff_t>(i));
    // An address as the banner showed it (never its password); a path as the
    // system resolved it.
    Tell(*ended.outcome,
         ended.address || ended.outcome->path.empty() ? ended.shown : ended.outcome->path);
    if (ended.owns_banner) {
      End();
    }
  }
}

void Announcement::Tell(const platform::OpenOutcome& outcome, const std::string& name) {
  const platform::Handle owner = frmMain_.form().handle();
  const bool failed = outcome.status == platform::OpenOutcome::Status::kMissing ||
                      outcome.status == platform::OpenOutcome::Status::kFailed;
  if (outcome.status == platform::OpenOutcome::Status::kMissing) {
    platform_.ShowMessageBox(Text(TextId::kMissingPath), platform_.ProductName(),
                             platform::MessageBoxKind::kOkExclamation, owner);
  } else if (outcome.status == platform::OpenOutcome::Status::kFailed) {
    platform_.ShowMessageBox(Format(TextId::kOpenFailed, name, outcome.message),
                             platform_.ProductName(), platform::MessageBoxKind::kOkExclamation,
                             owner);
  }
  if (openings_.empty()) {
    platform_.SetMousePointer(platform::MousePointer::kDefault);
  }
  if (!failed) {
    platform_.DoEvents();
  }
}

void Announcement::ApplyWaitTime() {
  frmMain_.SetCountdownText("");
  platform_.DoEvents();
  // The announced value, not whatever the clipboard holds after the yield.
  settings_.WaitTime = new_wait_time_;
}

void Announcement::ApplyPause(bool paused) {
  frmMain_.SetCountdownText("");
  platform_.DoEvents();
  SetPaused(paused);
}

void Announcement::SetPaused(bool paused) {
  settings_.Paused = paused;
  if (paused) {
    End();
  }
  if (actions_.paused_changed) {
    actions_.paused_changed(paused);
  }
}

bool Announcement::HoldBannerKeys() {
  if (settings_.BannerKeys == 0) {
    ReleaseBannerKeys();
    return false;
  }
  // Another program may hold a combination: the banner still works with
  // the mouse.
  run_key_held_ = run_key_held_ || keys_->Hold(kRunKey, kCtrlAlt, platform::GlobalKey::kEnter);
  cancel_key_held_ =
      cancel_key_held_ || keys_->Hold(kCancelKey, kCtrlAlt, platform::GlobalKey::kBackspace);
  return run_key_held_ && cancel_key_held_;
}

void Announcement::ReleaseBannerKeys() {
  if (run_key_held_) {
    keys_->Release(kRunKey);
    run_key_held_ = false;
  }
  if (cancel_key_held_) {
    keys_->Release(kCancelKey);
    cancel_key_held_ = false;
  }
}

void Announcement::HandleAnnounceClick(int button) {
  if (button == platform::kLeftButton) {
    if (clock_.Now() - arrived_at_ >= kClickProtectionMs) {
      RunNow();
    }
  } else {
    CancelWhileCounting();
  }
}

void Announcement::PressBannerKey(bool run) {
  if (!frmMain_.form().Visible()) {
    return;  // the keys may come in after the banner went
  }
  if (run) {
    RunNow();
  } else {
    CancelWhileCounting();
  }
}

void Announcement::RunNow() {
  // Counts the countdown as run out: the next tick runs the action.
  state_.WaitForClick = Mode::Run;
  state_.CountdownStart = clock_.Now() - std::int64_t{settings_.WaitTime} * 1000;
  run_now_ = true;
}

void Announcement::CancelWhileCounting() {
  // A banner that waits for its opening (a network that keeps the system
  // busy) goes too; the opening ends on its own and is told then.
  bool opening = false;
  for (RunningOpening& running : openings_) {
    opening = opening || running.owns_banner;
    running.owns_banner = false;
  }
  if (opening || (state_.CountdownStart && Remaining() > 0)) {
    End();
  }
}

void Announcement::End() {
  state_.CountdownStart.reset();
  state_.PendingAction = Action::None;
  run_now_ = false;
  ReleaseBannerKeys();
  frmMain_.Hide();
}

bool Announcement::UserIsBusyFullScreen() {
  if (platform_.SystemSaysUserIsBusy()) {
    return true;
  }
  const std::optional<platform::ForegroundWindow> front = platform_.ForegroundWindowShape();
  return front && IsFullScreenProgram(*front);
}

Mode Announcement::ModeFromDefaultAction() const {
  // Any value but 0 (a hand-edited file may hold one) waits for a click, as
  // the settings dialog shows it.
  return settings_.DefaultAction == 0 ? Mode::Run : Mode::Click;
}

std::int64_t Announcement::Remaining() {
  return *state_.CountdownStart + std::int64_t{settings_.WaitTime} * 1000 - clock_.Now();
}

}  // namespace wendora
