#include "watcher/watch_cycle.h"

#include "app/fatal.h"
#include "settings/number.h"
#include "settings/runtime_error.h"

namespace wendora {
namespace {

constexpr platform::Color kLinkBlue = 0xFF0000;  // red 0, green 0, blue 255
constexpr int kShowWindow = 5;                   // SW_SHOW

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

// Clears a flag when the scope ends, however it ends.
class Busy {
 public:
  explicit Busy(bool& flag) : flag_(flag) { flag_ = true; }
  ~Busy() { flag_ = false; }
  Busy(const Busy&) = delete;
  Busy& operator=(const Busy&) = delete;

 private:
  bool& flag_;
};

std::string ValueAfterCommandWord(std::string_view text) {
  return text.size() < kWaitTimeCommand.size() ? std::string()
                                               : std::string(text.substr(kWaitTimeCommand.size()));
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
      clock_(platform) {}

void WatchCycle::Tick() {
  // The timer keeps firing while a tick yields to the message loop; the
  // suspended tick's work must not start a second time.
  if (in_tick_) {
    return;
  }
  const Busy busy(in_tick_);
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
  WatchState& state = frmMain_.state;
  clock_.Now();  // keeps the extended tick count current

  // An unchanged clipboard is neither read nor compared again, so an idle
  // tick costs the same whatever the size of the text.
  const std::uint32_t sequence = platform_.ClipboardSequenceNumber();
  const bool unchanged = sequence != 0 && sequence == seen_sequence_;
  const bool has_text = unchanged ? seen_has_text_ : platform_.ClipboardHasText();
  if (!has_text) {
    seen_sequence_ = sequence;
    seen_has_text_ = false;
    Reset();
    return;
  }
  if (!unchanged) {
    platform::ClipboardText clip = platform_.ReadClipboardText();
    seen_sequence_ = sequence;
    seen_has_text_ = true;
    if (clip.private_content) {
      // Its owner (a password manager) asked not to be watched: never show
      // or open it, and count it as seen.
      Reset();
      state.LastClipboardText = std::move(clip.text);
      return;
    }
    if (clip.text != state.LastClipboardText) {
      HandleNewText(clip.text);
      return;
    }
  }
  if (state.CountdownStart) {
    Countdown();
  }
}

void WatchCycle::HandleNewText(const std::string& text) {
  WatchState& state = frmMain_.state;
  const Classification c = ClassifyClipboardText(text);
  switch (c.kind) {
    case ClipTextKind::Url:
    case ClipTextKind::Path:
    case ClipTextKind::LooseUrl:
      Announce(c);
      break;
    case ClipTextKind::WaitTimeCommand:
      AnnounceCommand(kWaitTimeTitle,
                      std::string(kCommandAnnounce) + "待ち時間を " + ValueAfterCommandWord(text) +
                          "秒に変更します。",
                      SetWaitTime);
      break;
    case ClipTextKind::ExitCommand:
      AnnounceCommand(kExitTitle, std::string(kCommandAnnounce) + kExitAnnounce, ExitProgram);
      break;
    case ClipTextKind::ChangeSettingCommand:
      // No announcement: a running countdown goes on, with nothing to run.
      hooks_.change_settings();
      state.PendingAction = None;
      state.WaitForClick = ModeFromDefaultAction();
      break;
    case ClipTextKind::IgnoredCommand:
      break;
    case ClipTextKind::NotRecognised:
      Reset();
      break;
  }
  state.LastClipboardText = text;
}

void WatchCycle::Announce(const Classification& c) {
  WatchState& state = frmMain_.state;
  frmMain_.lblURL().SetFontUnderline(true);
  frmMain_.lblURL().SetForeColor(kLinkBlue);
  frmMain_.lblURL().SetCaption(c.target);
  if (c.kind == ClipTextKind::Url) {
    frmMain_.lblAnnounce().SetCaption(kUrlAnnounce);
  } else if (c.kind == ClipTextKind::Path) {
    frmMain_.lblAnnounce().SetCaption(kPathAnnounce);
  } else {
    frmMain_.lblAnnounce().SetCaption(kLooseUrlAnnounce);
  }
  frmMain_.lblCancelAnnounce().SetCaption(c.kind == ClipTextKind::LooseUrl
                                              ? texts::ClickWithin(settings_.WaitTime)
                                              : texts::CancelWithin(settings_.WaitTime));
  BeginAnnouncement();
  state.TargetText = c.target;
  state.PendingAction = c.kind == ClipTextKind::Path ? OpenPath : OpenURL;
  state.WaitForClick = c.mode == ModeRule::AlwaysClick ? 1 : ModeFromDefaultAction();
}

void WatchCycle::AnnounceCommand(const char* title, const std::string& explanation,
                                 std::uint8_t action) {
  frmMain_.lblURL().SetFontUnderline(false);
  frmMain_.lblURL().SetForeColor(platform::kButtonTextColor);
  frmMain_.lblURL().SetCaption(title);
  frmMain_.lblAnnounce().SetCaption(explanation);
  frmMain_.lblCancelAnnounce().SetCaption(texts::CancelWithin(settings_.WaitTime));
  BeginAnnouncement();
  frmMain_.state.PendingAction = action;
  frmMain_.state.WaitForClick = ModeFromDefaultAction();
}

void WatchCycle::BeginAnnouncement() {
  frmMain_.SlideIn();
  frmMain_.form().SetTopmost();
  frmMain_.state.CountdownStart = clock_.Now();
}

void WatchCycle::Countdown() {
  const std::int64_t remaining = Remaining();
  if (remaining > 0) {
    const std::int64_t seconds = remaining / 1000;
    frmMain_.lblCancelAnnounce().SetCaption(frmMain_.state.WaitForClick == 0
                                                ? texts::CancelWithin(seconds)
                                                : texts::ClickWithin(seconds));
  } else {
    RunOut();
  }
}

void WatchCycle::RunOut() {
  const WatchState& state = frmMain_.state;
  const bool run = state.WaitForClick == 0;
  switch (state.PendingAction) {
    case OpenURL:
    case OpenPath:
      if (run) {
        OpenTarget(state.PendingAction);
      }
      Reset();
      break;
    case SetWaitTime:
      if (run) {
        ApplyWaitTime();
      }
      Reset();
      break;
    case ExitProgram:
      // In click mode the banner stands, run out, until a left click.
      if (run) {
        frmMain_.lblCancelAnnounce().SetCaption("");
        platform_.DoEvents();
        hooks_.exit_application();
      }
      break;
    default:
      break;
  }
}

void WatchCycle::OpenTarget(std::uint8_t kind) {
  const platform::Handle owner = frmMain_.form().handle();
  frmMain_.lblCancelAnnounce().SetCaption(kBusy);
  platform_.SetMousePointer(platform::MousePointer::kBusy);
  platform_.DoEvents();
  const std::string& target = frmMain_.state.TargetText;
  if (kind == OpenURL) {
    platform_.ShellExecuteVerb(owner, "open", "about:blank", "", "", kShowWindow);
    platform_.ShellExecuteVerb(owner, "open", target, "", "", kShowWindow);
  } else if (platform_.PathExists(target)) {
    platform_.ShellExecuteVerb(owner, "open", target, "", "", kShowWindow);
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
  frmMain_.lblCancelAnnounce().SetCaption("");
  platform_.DoEvents();
  // The announced text, not whatever the clipboard holds after the yield.
  const std::string value = ValueAfterCommandWord(frmMain_.state.LastClipboardText);
  if (ConvertsToInt32(value)) {
    settings_.WaitTime = ToInt32(value);
  }
}

void WatchCycle::HandleAnnounceClick(int button) {
  WatchState& state = frmMain_.state;
  if (button == platform::kLeftButton) {
    // Counts the countdown as run out: the next tick runs the action.
    if (state.WaitForClick == 1) {
      state.WaitForClick = 0;
    }
    state.CountdownStart = clock_.Now() - std::int64_t{settings_.WaitTime} * 1000;
    return;
  }
  if (state.CountdownStart && Remaining() > 0) {
    frmMain_.Hide();
    state.CountdownStart.reset();
    state.PendingAction = None;
  }
}

void WatchCycle::Reset() {
  frmMain_.state.CountdownStart.reset();
  frmMain_.state.PendingAction = None;
  frmMain_.Hide();
}

std::uint8_t WatchCycle::ModeFromDefaultAction() const {
  // Any value but 0 (a hand-edited file may hold one) waits for a click, as
  // the settings dialog shows it.
  return settings_.DefaultAction == 0 ? 0 : 1;
}

std::int64_t WatchCycle::Remaining() {
  return *frmMain_.state.CountdownStart + std::int64_t{settings_.WaitTime} * 1000 - clock_.Now();
}

}  // namespace wendora
