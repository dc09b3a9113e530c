// Hears of the clipboard's changes: WM_CLIPBOARDUPDATE on a message-only
// window. What the clipboard then holds is the clipboard reader's business.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/controls.h"
#include "platform/win32/unique_handle.h"

namespace wendora::win32 {

// Hears of the clipboard's changes through a message-only window that the
// system counts among its clipboard listeners.
class Win32ClipboardListener final : public platform::ClipboardListener {
 public:
  // Null when the system does not take the window as a listener.
  static std::unique_ptr<Win32ClipboardListener> Create();
  ~Win32ClipboardListener() override;
  Win32ClipboardListener(const Win32ClipboardListener&) = delete;
  Win32ClipboardListener& operator=(const Win32ClipboardListener&) = delete;

  HWND window() const { return window_.get(); }
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

 private:
  Win32ClipboardListener();

  UniqueWindow window_;
  bool listening_ = false;
};

}  // namespace wendora::win32
