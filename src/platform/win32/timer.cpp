// The timer's window: started at its creation, stopped at its end.
#include "platform/win32/timer.h"

#include <string>

#include "base/runtime_error.h"
#include "base/texts.h"
#include "platform/win32/window_class.h"

namespace wendora::win32 {
namespace {

constexpr wchar_t kTimerClass[] = L"TWendoraTimer";
constexpr UINT_PTR kTimerId = 1;

}  // namespace

Win32Timer::Win32Timer(int interval_ms) : interval_ms_(static_cast<UINT>(interval_ms)) {
  RegisterWindowClass(kTimerClass, &ForwardToOwner<Win32Timer>);
  window_ = MakeWindow(0, kTimerClass, L"", 0, {}, HWND_MESSAGE, nullptr, this);
  Start();
}

Win32Timer::~Win32Timer() {
  Stop();
}

void Win32Timer::Start() {
  if (running_) {
    return;
  }
  if (::SetTimer(window_.get(), kTimerId, interval_ms_, nullptr) == 0) {
    throw RuntimeError(kErrInternal, std::string(Text(TextId::kCannotStartTimer)));
  }
  running_ = true;
}

void Win32Timer::Stop() {
  if (running_) {
    ::KillTimer(window_.get(), kTimerId);
    running_ = false;
  }
}

LRESULT Win32Timer::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_TIMER && on_timer) {
    on_timer();
    return 0;
  }
  return ::DefWindowProcW(window_.get(), message, wparam, lparam);
}

}  // namespace wendora::win32
