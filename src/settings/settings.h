// The current settings: program-wide values, named as their keys in the
// settings file, filled from the file at start-up and written back at
// shut-down.
#pragma once

#include <cstdint>
#include <string>

#include "platform/types.h"

namespace wendora {

namespace platform {
class Platform;
}

struct CurrentSettings {
  std::int32_t WaitTime = 0;  // seconds an announcement counts down
  std::int16_t TopColorR = 0;
  std::int16_t TopColorG = 0;
  std::int16_t TopColorB = 0;
  std::int16_t BottomColorR = 0;
  std::int16_t BottomColorG = 0;
  std::int16_t BottomColorB = 0;
  std::uint8_t ShowTaskTrayIcon = 0;  // 1: the tray icon is shown
  std::uint8_t DefaultAction = 0;     // 0: run when the countdown ends, 1: only on a click
  // Whether the watch is paused: no address or path is announced.
  bool Paused = false;
  // The optional ones, which the dialog of more settings changes; a file
  // gets them only once they differ from what it held (or their default):
  // the monitor the banner appears on (0 the primary one, 1 that of the
  // foreground window, 2 that of the mouse pointer), and whether addresses
  // are kept quiet while a full-screen program is in front (1, the
  // default) or not (0).
  std::uint8_t AnnounceMonitor = 0;
  std::uint8_t QuietWhenFullScreen = 1;
  // 1 takes any text with a "/" for a loose web address, as the original
  // design did; 0, the default, only one whose front can be a host.
  std::uint8_t AnyTextWithSlash = 0;
  // 1, the default: while a banner is up, Ctrl+Alt+Enter runs it and
  // Ctrl+Alt+Backspace cancels it; 0 leaves those keys alone.
  std::uint8_t BannerKeys = 1;
  // The language of the user interface, "ja" or "en"; empty follows the
  // display language. A change takes effect at the next start.
  std::string Language;
  // The programs whose copies are not announced, their file names
  // separated by ";".
  std::string IgnoreCopiesFrom;
};

// The banner's two colours, packed (red in bits 0-7, green 8-15, blue
// 16-23), and their components set from packed colours.
platform::Color TopColor(const CurrentSettings& settings);
platform::Color BottomColor(const CurrentSettings& settings);
void SetColors(CurrentSettings& settings, platform::Color top, platform::Color bottom);

inline constexpr const char* kSettingsSection = "Settings";

// The settings file beside the executable.
std::string SettingsFilePath(platform::Platform& platform);

// Reads the file once and takes every key from it, in a fixed order, each
// converted to its setting's type; a missing file or key gives the default.
// Raises error 13 or 6 for a value that does not convert.
CurrentSettings ReadSettings(platform::Platform& platform);

// Writes the nine keys of the design, in the same order, as plain decimal
// text, then the pause, then those optional ones that differ from what
// start-up read: all in one replacement of the file, so that it holds
// either all old or all new values. A file that cannot be read or written
// is left as it was.
void WriteSettings(platform::Platform& platform, const CurrentSettings& settings,
                   const CurrentSettings& as_read);

}  // namespace wendora
