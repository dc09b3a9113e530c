// Twips and pixels at the scale of a window's monitor. The program declares
// itself aware of each monitor's scale: every window converts with its own.
#pragma once

#include <windows.h>

#include "platform/platform.h"

namespace wendora::win32 {

// WM_DPICHANGED: the scale of the window's monitor changed; wparam holds the
// new dots per inch, lparam the rectangle the system suggests.
inline constexpr UINT kDpiChangedMessage = 0x02E0;

struct Scale {
  UINT dpi_x = 96;
  UINT dpi_y = 96;

  double TwipsPerPixelX() const { return 1440.0 / dpi_x; }
  double TwipsPerPixelY() const { return 1440.0 / dpi_y; }
  int ToPixelsX(double twips) const;
  int ToPixelsY(double twips) const;
  RECT ToPixels(const platform::Bounds& bounds) const;
  // The height of a font of that many points.
  int FontHeight(double points) const;
  bool operator==(const Scale&) const = default;
};

// The scale of the screen as a whole, and that of the monitor a window
// stands on (the same before Windows 10, which has no other).
Scale ScreenScale();
Scale ScaleOf(HWND window);
Scale ScaleOf(HMONITOR monitor);

// The window rectangle around a client rectangle, at that scale.
RECT FrameAround(RECT client, DWORD style, DWORD ex_style, const Scale& scale);

}  // namespace wendora::win32
