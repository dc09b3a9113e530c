// The announcement window: the program's main form. It is created once,
// hidden, at start-up and lives until the process ends. It shows the banner
// (the recognised address on a gradient, an explanation and a countdown) and
// carries the invisible parts of the program: the watch timer, the host of
// the notification-area icon and the watch state.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "settings/settings.h"

namespace wendora {

enum PendingActionCode : std::uint8_t {
  None = 0,
  OpenURL = 1,
  OpenPath = 2,
  SetWaitTime = 10,
  ExitProgram = 255,
};

// Shared by the watch timer's tick and the click handler.
struct WatchState {
  // The clipboard text that the previous tick saw.
  std::string LastClipboardText;
  // The extended tick count at which the running countdown began; empty when
  // no countdown runs.
  std::optional<std::int64_t> CountdownStart;
  // What an OpenURL or OpenPath action opens.
  std::string TargetText;
  std::uint8_t PendingAction = None;
  // 0: run when the countdown ends unless cancelled; 1: run only on a click.
  std::uint8_t WaitForClick = 0;
};

class FrmMain {
 public:
  FrmMain(platform::Platform& platform, const CurrentSettings& settings);

  // The load handler: lays the window out across the screen, paints the
  // gradient, and takes the clipboard's present text as already seen. The
  // window stays hidden.
  void Load();

  // Shows the window and slides it down from above the top edge of the
  // screen, one pixel per step; returns when it stands at the top.
  void SlideIn();
  void Hide() { form_->Hide(); }

  // Repaints the background from the given colours, top to bottom.
  void PaintGradient(std::int16_t top_red, std::int16_t top_green, std::int16_t top_blue,
                     std::int16_t bottom_red, std::int16_t bottom_green, std::int16_t bottom_blue);

  platform::Form& form() { return *form_; }
  platform::PictureBox& picMainContainer() { return *picMainContainer_; }
  platform::Label& lblURL() { return *lblURL_; }
  platform::Label& lblAnnounce() { return *lblAnnounce_; }
  platform::Label& lblCancelAnnounce() { return *lblCancelAnnounce_; }
  platform::PictureBox& picNotifyIcon() { return *picNotifyIcon_; }

  WatchState state;

  // The watch timer's event, and a mouse button released anywhere on the
  // banner (the background or any of its labels).
  std::function<void()> on_timer;
  std::function<void(int button)> on_mouse_up;

 private:
  platform::Platform& platform_;
  const CurrentSettings& settings_;
  std::unique_ptr<platform::Form> form_;
  std::unique_ptr<platform::PictureBox> picMainContainer_;
  std::unique_ptr<platform::Label> lblURL_;
  std::unique_ptr<platform::Label> lblAnnounce_;
  std::unique_ptr<platform::Label> lblCancelAnnounce_;
  std::unique_ptr<platform::PictureBox> picNotifyIcon_;
  std::unique_ptr<platform::Timer> tmrWatchingClipBoard_;
};

}  // namespace wendora
