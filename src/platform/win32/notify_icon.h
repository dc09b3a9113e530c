// The notification-area icon: its window, the records it hands the shell,
// and the grey copy of the icon shown while the program is paused.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <string_view>

#include "platform/controls.h"
#include "platform/win32/unique_handle.h"

namespace wendora::win32 {

// A grey copy of the icon, as for a program that is paused; null when it
// cannot be made.
UniqueIcon GreyedCopy(HICON icon);

// The notification-area icon, whose messages go to a hidden window of its
// own: identifier 1, the mouse-move message as the callback.
class Win32NotifyIcon final : public platform::NotifyIcon {
 public:
  explicit Win32NotifyIcon(std::string_view tip);
  ~Win32NotifyIcon() override;
  Win32NotifyIcon(const Win32NotifyIcon&) = delete;
  Win32NotifyIcon& operator=(const Win32NotifyIcon&) = delete;

  platform::Handle handle() const override;
  void Show() override;
  void Remove() override;
  void SetLook(std::string_view tip, bool greyed) override;

  HWND window() const { return window_.get(); }
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

 private:
  NOTIFYICONDATAW Record() const;

  std::wstring tip_;
  UniqueIcon icon_;
  UniqueIcon greyed_icon_;  // made when first needed
  bool greyed_ = false;
  bool shown_ = false;
  UINT taskbar_created_message_ = 0;
  UniqueWindow window_;
};

}  // namespace wendora::win32
