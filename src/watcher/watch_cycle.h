// The watch cycle: the clipboard watch tells what is new on the clipboard,
// the announcement does what it means. Their 100 ms tick runs only while
// either has work; at rest the program sleeps until the clipboard changes.
#pragma once

#include <memory>

#include "announce/frm_main.h"
#include "platform/platform.h"
#include "settings/settings.h"
#include "watcher/announcement.h"
#include "watcher/clipboard_watch.h"
#include "watcher/tick_clock.h"

namespace wendora {

class WatchCycle {
 public:
  // Listens to the clipboard, takes the text on it now as already seen (it
  // is not announced) and starts the watch timer if there is work to do.
  // Where the system cannot tell of clipboard changes, the timer runs for
  // the life of the cycle and every tick looks at the clipboard.
  WatchCycle(platform::Platform& platform, CurrentSettings& settings, FrmMain& frmMain,
             AnnouncementActions actions);

  // The Timer event: one tick. A tick that starts while another one waits in
  // a yield, a message box or a dialog does nothing. Any error in it but a
  // held clipboard is reported and shuts the program down. After a tick the
  // timer stops if nothing is left to do.
  void Tick();

  // A mouse button released on the banner: 1 left, 2 right, 4 middle.
  void HandleAnnounceClick(int button);
  // Pauses or resumes the watch.
  void SetPaused(bool paused);
  // The settings changed: the programs whose copies are not announced are
  // taken from them anew.
  void SettingsChanged();

  const ClipboardWatch& clipboard() const { return clipboard_; }
  const WatchState& state() const { return announcement_.state(); }

 private:
  void RunTick();
  // Runs the timer while there is work, and stops it at rest.
  void ScheduleTicks();

  platform::Platform& platform_;
  const CurrentSettings& settings_;
  AnnouncementActions actions_;
  TickClock clock_;
  Announcement announcement_;
  // The design's watch timer, which now ticks only while there is work.
  std::unique_ptr<platform::Timer> tmrWatchingClipBoard_;
  ClipboardWatch clipboard_;
  bool in_tick_ = false;
};

}  // namespace wendora
