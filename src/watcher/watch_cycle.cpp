#include "watcher/watch_cycle.h"

#include "base/fatal.h"
#include "base/number.h"
#include "base/runtime_error.h"

namespace wendora {
namespace {

constexpr const char* kUrlAnnounce =
    "URL を示すと思われる文字列がクリップ ボードに格納されました。"
    "上記 URL に存在する Web ページを開きます。";
constexpr const char* kPathAnnounce =
    "ファイル、またはフォルダのパスを示すと思われる文字列がクリップ ボードに格納されました。"
    "上記パスに存在するファイル、またはフォルダを開きます。";
constexpr const char* kLooseUrlAnnounce =
    "URL を示すと思われる文字列がクリップ ボードに格納されました。"
    "上記 URL に存在する Web ページを開きますか？";
constexpr const char* kCommandAnnounce = "Wendora の命令語がクリップボードに格納されました。";
constexpr const char* kWaitTimeTitle = "待ち時間の変更";
constexpr const char* kExitTitle = "アプリケーションの終了";
constexpr const char* kExitAnnounce = "このアプリケーションを終了します。";
constexpr const char* kBusy = "実行しています。しばらくお待ちください。";
constexpr const char* kMissingPath =
    "このパスは、ローカル ディスク内に存在しないファイル、またはフォルダを指しています。";
constexpr const char* kFatal =
    "回避不可能のエラーが発生しました。アプリケーションを終了します。\r\n\r\nエラー ";

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
  return "キャンセルする場合は " + DecimalText(seconds) + "秒以内にここを右クリックしてください。";
}
std::string ClickWithin(std::int64_t seconds) {
  return "実行する場合は " + DecimalText(seconds) + "秒以内にここをクリックしてください。";
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
      tmrWatchingClipBoard_(platform.CreateTimer(100)) {
  tmrWatchingClipBoard_->on_timer = [this] { Tick(); };
  // A clipboard that another program holds counts as empty: its text is
  // announced once it can be read. Text that its owner keeps back, or whose
  // read fails, is still the text of the start: when a later tick reads it
  // from the same clipboard, it is taken as seen.
  try {
    const std::uint32_t sequence = platform_.ClipboardSequenceNumber();
    platform::ClipboardText clip = platform_.ReadClipboardText();
    if (clip.status == platform::ClipboardRead::kText) {
      state_.LastClipboardText = SeenText(clip.text);
    } else if (clip.status != platform::ClipboardRead::kNoText && sequence != 0) {
      start_sequence_ = sequence;
    }
  } catch (const RuntimeError& error) {
    if (error.number() != kErrCantOpenClipboard) {
      throw;
    }
  }
}

void WatchCycle::Tick() {
  // The timer keeps firing while a tick yields to the message loop; the
  // suspended tick's work must not start a second time.
  if (in_tick_) {
    return;
  }
  const TickInProgress running(in_tick_);
  try {
    RunTick();
  } catch (const RuntimeError& error) {
    // Another program holds the clipboard: try again at the next tick.
    if (error.number() == kErrCantOpenClipboard) {
      return;
    }
    ReportFatal(error.number(), error.description());
  } catch (const std::exception& other) {
    const RuntimeError error = AsRuntimeError(other);
    ReportFatal(error.number(), error.description());
  }
}

void WatchCycle::ReportFatal(int number, const std::string& description) {
  platform_.ShowMessageBox(kFatal + DecimalText(number) + " - " + description,
                           platform_.ProductName(), platform::MessageBoxKind::kOkCritical, 0);
  hooks_.exit_application();
}

void WatchCycle::RunTick() {
  clock_.Now();  // keeps the extended tick count current

  // An unchanged clipboard is neither read nor compared again, so an idle
  // tick costs the same whatever the size of the text.
  const std::uint32_t sequence = platform_.ClipboardSequenceNumber();
  if (sequence == 0 || sequence != seen_sequence_) {
    waiting_settings_command_.reset();
    if (ReadNewText(sequence) == Next::kEndTick) {
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

WatchCycle::Next WatchCycle::ReadNewText(std::uint32_t sequence) {
  platform::ClipboardText clip = platform_.ReadClipboardText();
  switch (clip.status) {
    case platform::ClipboardRead::kNoText:
      // An emptied clipboard, or one with a picture only: the announcement
      // ends, and the text seen last stays as it was.
      seen_sequence_ = sequence;
      seen_has_text_ = false;
      failing_since_.reset();
      Reset();
      return Next::kEndTick;
    case platform::ClipboardRead::kPending:
      // The program that owns the clipboard has not handed the text over
      // yet. Everything else goes on; a later tick asks again, until the
      // text comes or the clipboard changes.
      return Next::kCountdown;
    case platform::ClipboardRead::kFailed:
      // Text is on offer but the read gave none: try again for a while,
      // then take it as an empty text.
      if (!failing_since_ || failing_sequence_ != sequence) {
        failing_since_ = clock_.Now();
        failing_sequence_ = sequence;
      }
      if (clock_.Now() - *failing_since_ < kFailedReadRetryMs) {
        return Next::kCountdown;
      }
      clip.text.clear();
      break;
    case platform::ClipboardRead::kText:
      break;
  }
  failing_since_.reset();
  seen_sequence_ = sequence;
  seen_has_text_ = true;
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

bool WatchCycle::HandleNewText(const std::string& text, bool ignored) {
  const Classification c = ignored ? Classification{} : ClassifyClipboardText(text);
  switch (c.kind) {
    case ClipTextKind::Url:
    case ClipTextKind::Path:
    case ClipTextKind::LooseUrl:
      Announce(c);
      break;
    case ClipTextKind::WaitTimeCommand: {
      // The value is kept as a number, however long its text.
      const std::string_view value = ValueAfterCommandWord(text);
      new_wait_time_ = ToInt32(value);
      AnnounceCommand(
          kWaitTimeTitle,
          std::string(kCommandAnnounce) + "待ち時間を " + std::string(value) + "秒に変更します。",
          Action::SetWaitTime);
      break;
    }
    case ClipTextKind::ExitCommand:
      AnnounceCommand(kExitTitle, std::string(kCommandAnnounce) + kExitAnnounce,
                      Action::ExitProgram);
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
    frmMain_.SetExplanation(kUrlAnnounce);
  } else if (c.kind == ClipTextKind::Path) {
    frmMain_.SetExplanation(kPathAnnounce);
  } else {
    frmMain_.SetExplanation(kLooseUrlAnnounce);
  }
  frmMain_.SetCountdownText(c.kind == ClipTextKind::LooseUrl
                                ? texts::ClickWithin(settings_.WaitTime)
                                : texts::CancelWithin(settings_.WaitTime));
  BeginAnnouncement();
  state_.TargetText = c.target;
  state_.PendingAction = c.kind == ClipTextKind::Path ? Action::OpenPath : Action::OpenURL;
  state_.WaitForClick = c.mode == ModeRule::AlwaysClick ? Mode::Click : ModeFromDefaultAction();
}

void WatchCycle::AnnounceCommand(const char* title, const std::string& explanation, Action action) {
  frmMain_.ShowCommandTitle(title);
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
}

void WatchCycle::Countdown() {
  const std::int64_t remaining = Remaining();
  if (remaining > 0) {
    const std::int64_t seconds = remaining / 1000;
    frmMain_.SetCountdownText(state_.WaitForClick == Mode::Run ? texts::CancelWithin(seconds)
                                                               : texts::ClickWithin(seconds));
  } else {
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
      if (run) {
        ApplyWaitTime();
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
  frmMain_.SetCountdownText(kBusy);
  platform_.SetMousePointer(platform::MousePointer::kBusy);
  platform_.DoEvents();
  const std::string& target = state_.TargetText;
  if (kind == Action::OpenURL) {
    platform_.OpenWithShell(owner, "about:blank");
    platform_.OpenWithShell(owner, target);
  } else if (platform_.PathExists(target)) {
    platform_.OpenWithShell(owner, target);
  } else {
    platform_.ShowMessageBox(kMissingPath, platform_.ProductName(),
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

void WatchCycle::HandleAnnounceClick(int button) {
  if (button == platform::kLeftButton) {
    // Counts the countdown as run out: the next tick runs the action.
    state_.WaitForClick = Mode::Run;
    state_.CountdownStart = clock_.Now() - std::int64_t{settings_.WaitTime} * 1000;
    return;
  }
  if (state_.CountdownStart && Remaining() > 0) {
    frmMain_.Hide();
    state_.CountdownStart.reset();
    state_.PendingAction = Action::None;
  }
}

void WatchCycle::Reset() {
  state_.CountdownStart.reset();
  state_.PendingAction = Action::None;
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
