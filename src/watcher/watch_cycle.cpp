#include "watcher/watch_cycle.h"

#include <utility>

#include "base/fatal.h"
#include "base/number.h"
#include "base/runtime_error.h"
#include "base/texts.h"

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

std::string_view ValueAfterCommandWord(std::string_view text) {
  return text.size() < kWaitTimeCommand.size() ? std::string_view()
                                               : text.substr(kWaitTimeCommand.size());
}

}  // namespace

namespace texts {
std::string CancelWithin(std::int64_t seconds) {
  return Format(TextId::kCancelWithin, DecimalText(seconds));
}
std::string ClickWithin(std::int64_t seconds) {
  return Format(TextId::kClickWithin, DecimalText(seconds));
}
}  // namespace texts

WatchCycle::WatchCycle(platform::Platform& platform, CurrentSettings& settings, FrmMain& frmMain,
                       WatchHooks hooks)
    : platform_(platform),
      settings_(settings),
      frmMain_(frmMain),
      hooks_(std::move(hooks)),
      clock_(platform),
      ignored_programs_(settings.IgnoreCopiesFrom),
      program_files_(platform.ProgramFileExtensions()),
      tmrWatchingClipBoard_(platform.CreateTimer(100)),
      // Listening starts before the first look, so that no later change
      // goes unheard.
      listener_(platform.ListenToClipboard()) {
  tmrWatchingClipBoard_->on_timer = [this] { Tick(); };
  if (listener_) {
    listener_->on_changed = [this] { OnClipboardChanged(); };
  }
  // A clipboard that another program holds counts as empty: its text is
  // announced once it can be read. Text that its owner keeps back, or whose
  // read fails, is still the text of the start: when a later tick reads it
  // from the same clipboard, it is taken as seen.
  try {
    const std::uint32_t sequence = platform_.ClipboardSequenceNumber();
    platform::ClipboardText clip = platform_.ReadClipboardText();
    if (clip.status == platform::ClipboardRead::kText) {
      state_.LastClipboardText = SeenText(clip.text);
      seen_sequence_ = sequence;
      seen_has_text_ = true;
    } else if (clip.status == platform::ClipboardRead::kNoText) {
      seen_sequence_ = sequence;
    } else if (sequence != 0) {
      start_sequence_ = sequence;
    }
  } catch (const RuntimeError& error) {
    if (error.number() != kErrCantOpenClipboard) {
      throw;
    }
    clipboard_held_ = true;
  }
  ScheduleTicks();
}

void WatchCycle::OnClipboardChanged() {
  change_noticed_ = true;
  Tick();
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
    } catch (const RuntimeError& error) {
      // Another program holds the clipboard: try again at the next tick.
      if (error.number() == kErrCantOpenClipboard) {
        clipboard_held_ = true;
      } else {
        ReportFatal(error.number(), error.description());
      }
    } catch (const std::exception& other) {
      const RuntimeError error = AsRuntimeError(other);
      ReportFatal(error.number(), error.description());
    }
  }
  ScheduleTicks();
}

void WatchCycle::ScheduleTicks() {
  if (!listener_ || HasWorkToDo()) {
    tmrWatchingClipBoard_->Start();
  } else {
    tmrWatchingClipBoard_->Stop();
  }
}

bool WatchCycle::HasWorkToDo() const {
  // A banner on the screen slides, counts down or waits for a click; a
  // countdown left hidden by a click after the banner went has nothing to
  // run.
  const bool banner =
      state_.CountdownStart && (frmMain_.form().Visible() || state_.PendingAction != Action::None);
  return banner || change_noticed_ || clipboard_held_ || unread_ || start_sequence_ ||
         waiting_settings_command_;
}

void WatchCycle::ReportFatal(int number, const std::string& description) {
  platform_.ShowMessageBox(Format(TextId::kFatalError, DecimalText(number), description),
                           platform_.ProductName(), platform::MessageBoxKind::kOkCritical, 0);
  hooks_.exit_application();
}

void WatchCycle::RunTick() {
  clock_.Now();  // keeps the extended tick count current
  const bool notified = std::exchange(change_noticed_, false);
  clipboard_held_ = false;

  // An unchanged clipboard is neither read nor compared again, so an idle
  // tick costs the same whatever the size of the text.
  const std::uint32_t sequence = platform_.ClipboardSequenceNumber();
  if (sequence == 0 || sequence != seen_sequence_) {
    waiting_settings_command_.reset();
    if (ReadNewText(sequence, notified) == Next::kEndTick) {
      return;
    }
  } else if (!seen_has_text_) {
    Reset();
    return;
  } else if (waiting_settings_command_ && RunSettingsCommand()) {
    state_.LastClipboardText = std::move(*waiting_settings_command_);
    waiting_settings_command_.reset();
    return;
  }
  if (state_.CountdownStart) {
    Countdown();
  }
}

WatchCycle::Next WatchCycle::ReadNewText(std::uint32_t sequence, bool notified) {
  platform::ClipboardText clip = platform_.ReadClipboardText();
  if (clip.status == platform::ClipboardRead::kPending ||
      clip.status == platform::ClipboardRead::kFailed) {
    // The program that owns the clipboard has not handed the text over yet
    // (it may hang), or the read gave none: everything else goes on, later
    // ticks ask again, and meanwhile no countdown runs out by itself on the
    // text before. A new change (a new sequence number, or news of one
    // where the system has no numbers) has a time of its own.
    if (!unread_ || unread_->sequence != sequence || (notified && sequence == 0)) {
      unread_ = UnreadChange{clock_.Now(), sequence, false};
    }
    if (clock_.Now() - unread_->since < kUnreadChangeLimitMs) {
      return Next::kCountdown;
    }
    if (clip.status == platform::ClipboardRead::kPending) {
      // Too long: it counts as an empty text, which ends the banner; its
      // text is still announced if it comes.
      if (!unread_->counted_as_empty) {
        unread_->counted_as_empty = true;
        CountAsEmptyText();
      }
      return Next::kEndTick;
    }
    clip.text.clear();  // a read that keeps failing is an empty text, not read again
  }
  unread_.reset();
  seen_sequence_ = sequence;
  seen_has_text_ = clip.status != platform::ClipboardRead::kNoText;
  if (clip.status == platform::ClipboardRead::kNoText) {
    // An emptied clipboard, or one with a picture only: the announcement
    // ends, and the text seen last stays as it was.
    Reset();
    return Next::kEndTick;
  }
  if (start_sequence_) {
    const bool still_the_start = *start_sequence_ == sequence;
    start_sequence_.reset();
    if (still_the_start && clip.status == platform::ClipboardRead::kText) {
      state_.LastClipboardText = SeenText(clip.text);
      return Next::kCountdown;
    }
  }
  if (clip.private_content) {
    // Its owner (a password manager) asked not to be watched: never show
    // or open it, and count it as seen.
    Reset();
    state_.LastClipboardText = SeenText(clip.text);
    return Next::kEndTick;
  }
  SeenText seen(clip.text);  // a long text's fingerprint is taken once
  if (!(seen == state_.LastClipboardText)) {
    if (HandleNewText(clip.text, ignored_programs_.Contains(clip.owner_program))) {
      state_.LastClipboardText = std::move(seen);
    } else {
      waiting_settings_command_ = std::move(seen);  // later ticks try it again
    }
    return Next::kEndTick;
  }
  return Next::kCountdown;
}

void WatchCycle::CountAsEmptyText() {
  // An empty text is never recognised: unless it is the text seen last, it
  // ends the banner.
  if (!state_.LastClipboardText.Matches("")) {
    Reset();
    state_.LastClipboardText = SeenText();
  }
}

bool WatchCycle::HandleNewText(const std::string& text, bool ignored) {
  const Classification c = ignored ? Classification{} : ClassifyClipboardText(text);
  switch (c.kind) {
    case ClipTextKind::Url:
    case ClipTextKind::Path:
    case ClipTextKind::LooseUrl:
      // Paused, or the user busy with something full-screen: the copy
      // counts as seen, as text that is not recognised does.
      if (settings_.Paused ||
          (settings_.QuietWhenFullScreen != 0 && platform_.UserIsBusyFullScreen())) {
        Reset();
      } else {
        Announce(c);
      }
      break;
    case ClipTextKind::WaitTimeCommand: {
      // The value is kept as a number, however long its text.
      const std::string_view value = ValueAfterCommandWord(text);
      new_wait_time_ = ToInt32(value);
      AnnounceCommand(TextId::kWaitTimeTitle, Format(TextId::kWaitTimeAnnounce, value),
                      Action::SetWaitTime);
      break;
    }
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
      if (!RunSettingsCommand()) {
        return false;
      }
      break;
    case ClipTextKind::IgnoredCommand:
      break;
    case ClipTextKind::NotRecognised:
      Reset();
      break;
  }
  return true;
}

bool WatchCycle::RunSettingsCommand() {
  if (!hooks_.change_settings()) {
    return false;
  }
  // No announcement: a running countdown goes on, with nothing to run.
  state_.PendingAction = Action::None;
  state_.WaitForClick = ModeFromDefaultAction();
  return true;
}

void WatchCycle::Announce(const Classification& c) {
  frmMain_.ShowAddress(c.target);
  if (c.kind == ClipTextKind::Url) {
    frmMain_.SetExplanation(Text(TextId::kUrlAnnounce));
  } else if (c.kind == ClipTextKind::Path) {
    frmMain_.SetExplanation(
        Text(program_files_.Runs(c.target) ? TextId::kProgramPathAnnounce : TextId::kPathAnnounce));
  } else {
    frmMain_.SetExplanation(Text(TextId::kLooseUrlAnnounce));
  }
  frmMain_.SetCountdownText(c.kind == ClipTextKind::LooseUrl
                                ? texts::ClickWithin(settings_.WaitTime)
                                : texts::CancelWithin(settings_.WaitTime));
  BeginAnnouncement();
  state_.TargetText = c.target;
  state_.PendingAction = c.kind == ClipTextKind::Path ? Action::OpenPath : Action::OpenURL;
  state_.WaitForClick = c.mode == ModeRule::AlwaysClick ? Mode::Click : ModeFromDefaultAction();
}

void WatchCycle::AnnounceCommand(TextId title, const std::string& explanation, Action action) {
  frmMain_.ShowCommandTitle(Text(title));
  frmMain_.SetExplanation(explanation);
  frmMain_.SetCountdownText(texts::CancelWithin(settings_.WaitTime));
  BeginAnnouncement();
  state_.PendingAction = action;
  state_.WaitForClick = ModeFromDefaultAction();
}

void WatchCycle::BeginAnnouncement() {
  frmMain_.SlideIn();
  frmMain_.form().SetTopmost();
  state_.CountdownStart = clock_.Now();
  run_now_ = false;
}

void WatchCycle::Countdown() {
  const std::int64_t remaining = Remaining();
  if (remaining > 0) {
    const std::int64_t seconds = remaining / 1000;
    frmMain_.SetCountdownText(state_.WaitForClick == Mode::Run ? texts::CancelWithin(seconds)
                                                               : texts::ClickWithin(seconds));
  } else if (run_now_ || !NewerChangeUnread()) {
    // The user copied something else that has not been read yet: it may
    // end or replace this banner, so only a click runs it now.
    RunOut();
  }
}

void WatchCycle::RunOut() {
  const bool run = state_.WaitForClick == Mode::Run;
  switch (state_.PendingAction) {
    case Action::OpenURL:
    case Action::OpenPath:
      if (run) {
        OpenTarget(state_.PendingAction);
      }
      Reset();
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
      Reset();
      break;
    case Action::ExitProgram:
      // In click mode the banner stands, run out, until a left click.
      if (run) {
        frmMain_.SetCountdownText("");
        platform_.DoEvents();
        hooks_.exit_application();
      }
      break;
    case Action::None:
      break;
  }
}

void WatchCycle::OpenTarget(Action kind) {
  const platform::Handle owner = frmMain_.form().handle();
  frmMain_.SetCountdownText(Text(TextId::kBusy));
  platform_.SetMousePointer(platform::MousePointer::kBusy);
  platform_.DoEvents();
  const std::string& target = state_.TargetText;
  if (kind == Action::OpenURL) {
    platform_.OpenWithShell(owner, "about:blank");
    platform_.OpenWithShell(owner, target);
  } else if (platform_.PathExists(target)) {
    // Any page may have put the path there: a program is shown, not run.
    if (program_files_.Runs(target)) {
      platform_.ShowInFolder(owner, target);
    } else {
      platform_.OpenWithShell(owner, target);
    }
  } else {
    platform_.ShowMessageBox(Text(TextId::kMissingPath), platform_.ProductName(),
                             platform::MessageBoxKind::kOkExclamation, owner);
    platform_.SetMousePointer(platform::MousePointer::kDefault);
    return;
  }
  platform_.SetMousePointer(platform::MousePointer::kDefault);
  platform_.DoEvents();
}

void WatchCycle::ApplyWaitTime() {
  frmMain_.SetCountdownText("");
  platform_.DoEvents();
  // The announced value, not whatever the clipboard holds after the yield.
  settings_.WaitTime = new_wait_time_;
}

void WatchCycle::ApplyPause(bool paused) {
  frmMain_.SetCountdownText("");
  platform_.DoEvents();
  SetPaused(paused);
}

void WatchCycle::SetPaused(bool paused) {
  settings_.Paused = paused;
  if (paused) {
    Reset();
  }
  if (hooks_.paused_changed) {
    hooks_.paused_changed(paused);
  }
  ScheduleTicks();
}

void WatchCycle::HandleAnnounceClick(int button) {
  if (button == platform::kLeftButton) {
    // Counts the countdown as run out: the next tick runs the action.
    state_.WaitForClick = Mode::Run;
    state_.CountdownStart = clock_.Now() - std::int64_t{settings_.WaitTime} * 1000;
    run_now_ = true;
  } else if (state_.CountdownStart && Remaining() > 0) {
    Reset();
  }
  ScheduleTicks();
}

void WatchCycle::Reset() {
  state_.CountdownStart.reset();
  state_.PendingAction = Action::None;
  run_now_ = false;
  frmMain_.Hide();
}

Mode WatchCycle::ModeFromDefaultAction() const {
  // Any value but 0 (a hand-edited file may hold one) waits for a click, as
  // the settings dialog shows it.
  return settings_.DefaultAction == 0 ? Mode::Run : Mode::Click;
}

std::int64_t WatchCycle::Remaining() {
  return *state_.CountdownStart + std::int64_t{settings_.WaitTime} * 1000 - clock_.Now();
}

}  // namespace wendora
