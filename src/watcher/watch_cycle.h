// The watch cycle: ten times a second, look at the clipboard; announce a new
// address, path or command word, count it down and carry it out, or drop it,
// as the mode and the user's clicks say.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "announce/frm_main.h"
#include "platform/platform.h"
#include "settings/settings.h"
#include "watcher/classify.h"
#include "watcher/ignored_programs.h"
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
};

class WatchCycle {
 public:
  // A change whose text could not be read is tried again at later ticks for
  // this long; after that it counts as an empty text.
  static constexpr std::int64_t kFailedReadRetryMs = 3000;

  // Starts the watch timer, which fires every 100 ms for the life of the
  // cycle, and takes the text on the clipboard now as already seen: it is
  // not announced.
  WatchCycle(platform::Platform& platform, CurrentSettings& settings, FrmMain& frmMain,
             WatchHooks hooks);

  // The Timer event: one tick. A tick that starts while another one waits in
  // a yield, a message box or a dialog does nothing.
  void Tick();

  // A mouse button released on the banner: 1 left, 2 right, 4 middle.
  void HandleAnnounceClick(int button);

  const WatchState& state() const { return state_; }

 private:
  enum class Next { kEndTick, kCountdown };

  void RunTick();
  Next ReadNewText(std::uint32_t sequence);
  // False when the text must be looked at again at a later tick, true when
  // it counts as seen. The text of a program whose copies are ignored counts
  // as not recognised.
  bool HandleNewText(const std::string& text, bool ignored);
  // Shows the settings dialog modal; false when it cannot be shown now.
  bool RunSettingsCommand();
  void Announce(const Classification& c);
  void AnnounceCommand(const char* title, const std::string& explanation, Action action);
  void Countdown();
  void RunOut();
  void OpenTarget(Action kind);
  void ApplyWaitTime();
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
  std::unique_ptr<platform::Timer> tmrWatchingClipBoard_;
  WatchState state_;
  // The value of the wait-time command being announced.
  std::int32_t new_wait_time_ = 0;
  // A settings command that waits until the dialog can be shown, and the
  // clipboard's sequence number at start-up while its text is still unread.
  std::optional<SeenText> waiting_settings_command_;
  std::optional<std::uint32_t> start_sequence_;
  bool in_tick_ = false;
  // The clipboard's sequence number at the last full look, and whether it
  // held text then: an unchanged clipboard is not read again.
  std::uint32_t seen_sequence_ = 0;
  bool seen_has_text_ = false;
  // Since when reads of the present change have failed.
  std::optional<std::int64_t> failing_since_;
  std::uint32_t failing_sequence_ = 0;
};

// The texts the banner shows.
namespace texts {
std::string CancelWithin(std::int64_t seconds);
std::string ClickWithin(std::int64_t seconds);
}  // namespace texts

}  // namespace wendora
