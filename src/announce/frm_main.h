// The announcement window: the program's main form. It is created once,
// hidden, at start-up and lives until the process ends. It shows the banner:
// the recognised address on a gradient, an explanation and a countdown.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "settings/settings.h"

namespace wendora {

class FrmMain {
 public:
  FrmMain(platform::Platform& platform, const CurrentSettings& settings);

  // The load handler: lays the window out across the screen and paints the
  // gradient. The window stays hidden. It is laid out anew whenever the scale
  // of its monitor changes.
  void Load();

  // What the banner shows: an address or path (underlined, in blue) or a
  // command's title (plain, in the button-text colour), an explanation and
  // the countdown line. Each label gets no more of its text than it can show.
  // An address wider than the banner is shortened after its front (its
  // scheme and host), which always stays, and ends in "…".
  void ShowAddress(std::string_view address, std::size_t front = 0);
  void ShowCommandTitle(std::string_view title);
  void SetExplanation(std::string_view text);
  void SetCountdownText(std::string_view text);

  // Shows the window on the monitor the settings choose, spread across its
  // width at its scale, and slides it down from above the monitor's top
  // edge, one pixel per step; returns when it stands at the top.
  void SlideIn();
  // Hides the window and lets go of its texts.
  void Hide();
  // Whether the banner's keys work for the next banner: screen readers then
  // hear them named after its texts.
  void NameTheKeys(bool named) { keys_named_ = named; }

  // Repaints the background from the given colours, top to bottom; with a
  // high-contrast theme on, in the theme's window colour instead.
  void PaintGradient(platform::Color top, platform::Color bottom);

  platform::Form& form() { return *form_; }
  // The address or path, or a command's title.
  platform::Label& lblURL() { return *lblURL_; }
  // The explanation.
  platform::Label& lblAnnounce() { return *lblAnnounce_; }
  // The countdown line: how to cancel or to run, or the busy text.
  platform::Label& lblCancelAnnounce() { return *lblCancelAnnounce_; }

  // A mouse button released anywhere on the banner (the background or any
  // of its labels), or anywhere else after it was pressed on the banner.
  std::function<void(int button)> on_mouse_up;

 private:
  // Spreads the window across its monitor, fits its parts to it and paints
  // the gradient.
  void LayOut();
  platform::MonitorChoice MonitorChoice() const;
  // The colours of the labels' text, as a high-contrast theme wants them.
  platform::TextColor AddressColor() const;
  platform::TextColor TextColor() const;
  // What screen readers read: the address or title, then the explanation.
  void TellScreenReaders();
  // The address as it fits on one line of lblURL.
  std::string Shortened(std::string_view address, std::size_t front) const;

  platform::Platform& platform_;
  const CurrentSettings& settings_;
  std::unique_ptr<platform::Form> form_;
  platform::MonitorArea laid_out_on_;                          // the monitor the layout is for
  std::optional<platform::HighContrastColors> high_contrast_;  // at the layout
  bool shows_address_ = false;  // lblURL shows an address, not a command's title
  bool has_text_ = false;       // the window's text is set
  bool keys_named_ = false;     // the window's text ends naming the banner's keys
  // Parts of the form, which lives as long as they do.
  platform::PictureBox* picMainContainer_ = nullptr;
  platform::Label* lblURL_ = nullptr;
  platform::Label* lblAnnounce_ = nullptr;
  platform::Label* lblCancelAnnounce_ = nullptr;
  // How many characters each label can show at most.
  std::size_t url_limit_ = 0;
  std::size_t line_limit_ = 0;
};

// The most characters a label of that size (in twips) can show: no character
// is narrower than a pixel, and no line is lower than 8 pixels.
std::size_t VisibleCharacterLimit(double width, double height, double twips_per_pixel_x,
                                  double twips_per_pixel_y);

}  // namespace wendora
