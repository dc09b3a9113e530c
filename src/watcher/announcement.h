// The announcement: what a new clipboard text does. An address, a path or a
// command word puts up the banner, which counts the wait time down; clicks
// run or cancel it; when the countdown runs out, the action is carried out
// or dropped, as the mode says; then the banner ends. The pause keeps
// addresses and paths from being announced.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "announce/frm_main.h"
#include "base/texts.h"
#include "platform/platform.h"
#include "settings/settings.h"
#include "watcher/classify.h"
#include "watcher/program_files.h"
#include "watcher/tick_clock.h"
#include "watcher/watch_state.h"

namespace wendora {

// What carrying out an announcement asks of the rest of the program.
struct AnnouncementActions {
  // The shut-down: removes the tray icon, saves the settings, ends the process.
  std::function<void()> exit_application;
  // The settings command word: shows the settings dialog modally and returns
  // when it has closed; false when it cannot be shown now.
  std::function<bool()> change_settings;
  // The watch was paused or resumed.
  std::function<void(bool paused)> paused_changed;
};

// The line under the explanation while the countdown runs, in the wording of
// the mode: how to cancel (run mode) or how to run (click mode), within so
// many whole seconds.
std::string CountdownText(Mode mode, std::int64_t seconds);

// Whether the window in front is a program in full screen (a game, a video,
// a presentation): it covers its monitor and has neither a title bar nor a
// frame's edge, and is no tool window, as browsers tell it. A maximised
// window covers its monitor too on one without a taskbar, but keeps its
// title bar. The desktop and the taskbar are no program.
bool IsFullScreenProgram(const platform::ForegroundWindow& window);

class Announcement {
 public:
  Announcement(platform::Platform& platform, CurrentSettings& settings, FrmMain& frmMain,
               TickClock& clock, AnnouncementActions actions);

  // A new text on the clipboard; one to look away from counts as text that
  // is not recognised. False when it cannot be taken now (the settings
  // command while the settings dialog waits on its colour chooser or a
  // warning): it should come again later.
  bool Take(const std::string& text, bool look_away);

  // A tick of a running countdown: the countdown line, or, once it has run
  // out, the action. It does not run out by itself while a newer copy is
  // unread, since that may end or replace the banner; a left click still
  // runs it.
  void Countdown(bool newer_copy_unread);

  // A left click that lands while the banner slides in, or this soon after
  // it arrived, does not run it: the banner slides in under the pointer, and
  // a click meant for what stood there must not open anything.
  static constexpr std::int64_t kClickProtectionMs = 500;

  // A mouse button released on the banner: 1 left, 2 right, 4 middle. Left
  // runs the action at the next tick (unless the banner has only just
  // come); right and middle cancel a countdown that has not run out.
  void HandleAnnounceClick(int button);

  // The banner's keys, held while a banner is up (unless the setting
  // BannerKeys is 0): Ctrl+Alt+Enter runs it as a left click does (at once:
  // a key is always meant), Ctrl+Alt+Backspace cancels it as a right click
  // does.
  void PressBannerKey(bool run);
  // One of the banner's keys was pressed: the watch cycle passes it on.
  std::function<void(bool run)> on_banner_key;

  // While paused, no address or path is announced: such a copy counts as
  // seen. Pausing ends a running announcement; command words still work.
  void SetPaused(bool paused);

  // Hides the banner and drops its action: the announcement is over.
  void End();

  // Looks at the openings under way: one that has ended is told (a missing
  // path or a failure in a warning) and ends its banner. One whose banner
  // another announcement has taken over is told once that banner is gone:
  // a warning over it would stop its countdown while the user cannot
  // cancel it.
  void FinishOpenings();

  // Whether the banner is on the screen sliding, counting down or waiting
  // for a click, or an opening is under way: the timer must keep ticking.
  bool HasWork() const;

  const WatchState& state() const { return state_; }

 private:
  void Announce(const Classification& c);
  void AnnounceCommand(TextId title, const std::string& explanation, Action action);
  void BeginAnnouncement();
  // Holds the banner's keys; whether both are held.
  bool HoldBannerKeys();
  void ReleaseBannerKeys();
  void RunNow();
  void CancelWhileCounting();
  // Shows the settings dialog modal; false when it cannot be shown now.
  bool RunSettingsCommand();
  void RunOut();
  // Starts opening the target; the banner shows the busy text until the
  // opening has ended.
  void OpenTarget(Action kind);
  // The warning for an opening that failed, which names what was opened.
  void Tell(const platform::OpenOutcome& outcome, const std::string& name);
  void ApplyWaitTime();
  void ApplyPause(bool paused);
  Mode ModeFromDefaultAction() const;
  // The user would not want to be interrupted: a full-screen program is in
  // front, or the system says so.
  bool UserIsBusyFullScreen();
  std::int64_t Remaining();

  platform::Platform& platform_;
  CurrentSettings& settings_;
  FrmMain& frmMain_;
  TickClock& clock_;
  AnnouncementActions actions_;
  ProgramFileKinds program_files_;
  std::unique_ptr<platform::GlobalKeys> keys_;
  bool run_key_held_ = false;
  bool cancel_key_held_ = false;
  WatchState state_;
  // What the banner shows of TargetText.
  std::string shown_target_;
  // The value of the wait-time command being announced.
  std::int32_t new_wait_time_ = 0;
  // A left click asked for the action: it runs even while a newer copy is
  // unread.
  bool run_now_ = false;
  // The openings under way: whether the banner is still theirs, what it
  // showed of an address (never its password), and how one that has ended
  // went, until it is told.
  struct RunningOpening {
    std::unique_ptr<platform::Opening> opening;
    bool owns_banner = true;
    bool address = false;
    std::string shown;
    std::optional<platform::OpenOutcome> outcome;
  };
  std::vector<RunningOpening> openings_;
  // When the banner arrived at its place. A click during the slide-in is
  // handled after it (the slide does not yield), or in its first yield,
  // whose click the new announcement overrides.
  std::int64_t arrived_at_ = 0;
};

}  // namespace wendora
