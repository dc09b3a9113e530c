#include "platform/win32/scale.h"

#include <cmath>

#include "platform/win32/unique_handle.h"

namespace wendora::win32 {
namespace {

int Rounded(double value) {
  return static_cast<int>(std::lround(value));
}

// Functions of Windows 10 and later, looked up where the system has them.
template <typename Function>
Function User32Function(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

int Scale::ToPixelsX(double twips) const {
  return Rounded(twips / TwipsPerPixelX());
}

int Scale::ToPixelsY(double twips) const {
  return Rounded(twips / TwipsPerPixelY());
}

RECT Scale::ToPixels(const platform::Bounds& b) const {
  const int left = ToPixelsX(b.left);
  const int top = ToPixelsY(b.top);
  return {left, top, left + ToPixelsX(b.width), top + ToPixelsY(b.height)};
}

int Scale::FontHeight(double points) const {
  return -::MulDiv(Rounded(points * 10), static_cast<int>(dpi_y), 720);
}

Scale ScreenScale() {
  const ScreenDc screen;
  const int x = ::GetDeviceCaps(screen.get(), LOGPIXELSX);
  const int y = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
  return {static_cast<UINT>(x > 0 ? x : 96), static_cast<UINT>(y > 0 ? y : 96)};
}

Scale ScaleOf(HWND window) {
  using GetDpiForWindow = UINT(WINAPI*)(HWND);
  const auto get_dpi = User32Function<GetDpiForWindow>("GetDpiForWindow");
  const UINT dpi = get_dpi != nullptr ? get_dpi(window) : 0;
  return dpi != 0 ? Scale{dpi, dpi} : ScreenScale();
}

Scale ScaleOf(HMONITOR monitor) {
  // Windows 8.1 and later: each monitor has a scale of its own.
  using GetDpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
  HMODULE shcore = ::GetModuleHandleW(L"shcore.dll");
  if (shcore == nullptr) {
    shcore = ::LoadLibraryW(L"shcore.dll");  // stays loaded for the next time
  }
  const auto get_dpi =
      shcore != nullptr ? reinterpret_cast<GetDpiForMonitor>(
                              reinterpret_cast<void*>(::GetProcAddress(shcore, "GetDpiForMonitor")))
                        : nullptr;
  UINT x = 0;
  UINT y = 0;
  constexpr int kEffectiveDpi = 0;
  if (get_dpi != nullptr && SUCCEEDED(get_dpi(monitor, kEffectiveDpi, &x, &y)) && x != 0 &&
      y != 0) {
    return {x, y};
  }
  return ScreenScale();
}

RECT FrameAround(RECT client, DWORD style, DWORD ex_style, const Scale& scale) {
  using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  const auto adjust = User32Function<AdjustForDpi>("AdjustWindowRectExForDpi");
  if (adjust == nullptr || !adjust(&client, style, FALSE, ex_style, scale.dpi_y)) {
    ::AdjustWindowRectEx(&client, style, FALSE, ex_style);
  }
  return client;
}

}  // namespace wendora::win32
