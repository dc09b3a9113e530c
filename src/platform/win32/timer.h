// A timer of the program: WM_TIMER on a message-only window of its own.
#pragma once

#include <windows.h>

#include "platform/controls.h"
#include "platform/win32/unique_handle.h"

namespace wendora::win32 {

// A timer with a message-only window of its own.
class Win32Timer final : public platform::Timer {
 public:
  explicit Win32Timer(int interval_ms);
  ~Win32Timer() override;
  Win32Timer(const Win32Timer&) = delete;
  Win32Timer& operator=(const Win32Timer&) = delete;

  void Start() override;
  void Stop() override;

  HWND window() const { return window_.get(); }
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

 private:
  UniqueWindow window_;
  UINT interval_ms_;
  bool running_ = false;
};

}  // namespace wendora::win32
