// The watch cycle: look at the clipboard when it changes; announce a new
// address, path or command word, count it down and carry it out, or drop it,
// as the mode and the user's clicks say. Its 100 ms tick runs only while
// there is something to do; at rest the program sleeps until the clipboard
// changes.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "announce/frm_main.h"
#include "base/texts.h"
#include "platform/platform.h"
#include "settings/settings.h"
#include "watcher/classify.h"
#include "watcher/ignored_programs.h"
#include "watcher/program_files.h"
#include "watcher/tick_clock.h"
#include "watcher/watch_state.h"

namespace wendora {

// What the watch cycle asks of the rest of the program.
struct WatchHooks {
  // The shut-down: removes the tray icon, saves the settings, ends the process.
  std::function<void()> exit_application;
  // The settings command word: shows the settings dialog modally and returns
  // when it has closed; false when it cannot be shown now.
  std::function<bool()> change_settings;
  // The watch was paused or resumed.
  std::function<void(bool paused)> paused_changed;
};

class WatchCycle {
 public:
  // A change whose text has not been read (its owner keeps it back, or the
  // read gives nothing) is asked for again at later ticks; after this long it
  // counts as an empty text.
  static constexpr std::int64_t kUnreadChangeLimitMs = 3000;

  // Listens to the clipboard, takes the text on it now as already seen (it
  // is not announced) and starts the watch timer if there is work to do.
  // Where the system cannot tell of clipboard changes, the timer runs for
  // the life of the cycle and every tick looks at the clipboard.
  WatchCycle(platform::Platform& platform, CurrentSettings& settings, FrmMain& frmMain,
             WatchHooks hooks);

  // The Timer event: one tick. A tick that starts while another one waits in
  // a yield, a message box or a dialog does nothing. After a tick the timer
  // stops if nothing is left to do.
  void Tick();

  // A mouse button released on the banner: 1 left, 2 right, 4 middle.
  void HandleAnnounceClick(int button);

  // While paused, no address or path is announced: such a copy counts as
  // seen. Pausing ends a running announcement; command words still work.
  void SetPaused(bool paused);
  bool Paused() const { return settings_.Paused; }

  const WatchState& state() const { return state_; }

 private:
  enum class Next { kEndTick, kCountdown };

  // The clipboard changed: a tick at once, whose work goes on at the timer.
  void OnClipboardChanged();
  void RunTick();
  // Runs the timer while there is work, and stops it at rest.
  void ScheduleTicks();
  bool HasWorkToDo() const;
  // Whether a change newer than the banner has not been read yet: then the
  // countdown does not run out by itself.
  bool NewerChangeUnread() const { return unread_ && !unread_->counted_as_empty; }
  Next ReadNewText(std::uint32_t sequence, bool notified);
  void CountAsEmptyText();
  // False when the text must be looked at again at a later tick, true when
  // it counts as seen. The text of a program whose copies are ignored counts
  // as not recognised.
  bool HandleNewText(const std::string& text, bool ignored);
  // Shows the settings dialog modal; false when it cannot be shown now.
  bool RunSettingsCommand();
  void Announce(const Classification& c);
  void AnnounceCommand(TextId title, const std::string& explanation, Action action);
  void Countdown();
  void RunOut();
  void OpenTarget(Action kind);
  void ApplyWaitTime();
  void ApplyPause(bool paused);
  void BeginAnnouncement();
  void Reset();
  Mode ModeFromDefaultAction() const;
  std::int64_t Remaining();
  void ReportFatal(int number, const std::string& description);

  platform::Platform& platform_;
  CurrentSettings& settings_;
  FrmMain& frmMain_;
  WatchHooks hooks_;
  TickClock clock_;
  IgnoredPrograms ignored_programs_;
  ProgramFileKinds program_files_;
  std::unique_ptr<platform::Timer> tmrWatchingClipBoard_;
  std::unique_ptr<platform::ClipboardListener> listener_;
  WatchState state_;
  // The value of the wait-time command being announced.
  std::int32_t new_wait_time_ = 0;
  // A settings command that waits until the dialog can be shown, and the
  // clipboard's sequence number at start-up while its text is still unread.
  std::optional<SeenText> waiting_settings_command_;
  std::optional<std::uint32_t> start_sequence_;
  bool in_tick_ = false;
  // The system told of a change that no tick has looked at yet.
  bool change_noticed_ = false;
  // The last tick found the clipboard held by another program.
  bool clipboard_held_ = false;
  // A left click asked for the action: it runs even while a newer change is
  // unread.
  bool run_now_ = false;
  // The clipboard's sequence number at the last full look, and whether it
  // held text then: an unchanged clipboard is not read again.
  std::uint32_t seen_sequence_ = 0;
  bool seen_has_text_ = false;
  // The change whose text has not been read yet: since when, and whether it
  // already counts as an empty text while its owner still keeps it back.
  struct UnreadChange {
    std::int64_t since = 0;
    std::uint32_t sequence = 0;
    bool counted_as_empty = false;
  };
  std::optional<UnreadChange> unread_;
};

// The texts the banner shows.
namespace texts {
std::string CancelWithin(std::int64_t seconds);
std::string ClickWithin(std::int64_t seconds);
}  // namespace texts

}  // namespace wendora
