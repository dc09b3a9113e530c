// Key combinations held for the program wherever the keyboard focus is
// (RegisterHotKey), heard by a message-only window of their own.
#pragma once

#include <windows.h>

#include <set>

#include "platform/controls.h"
#include "platform/win32/unique_handle.h"

namespace wendora::win32 {

class Win32GlobalKeys final : public platform::GlobalKeys {
 public:
  Win32GlobalKeys();
  ~Win32GlobalKeys() override;
  Win32GlobalKeys(const Win32GlobalKeys&) = delete;
  Win32GlobalKeys& operator=(const Win32GlobalKeys&) = delete;

  bool Hold(int id, int shift, platform::GlobalKey key) override;
  void Release(int id) override;

  HWND window() const { return window_.get(); }
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

 private:
  UniqueWindow window_;
  std::set<int> held_;
};

}  // namespace wendora::win32
