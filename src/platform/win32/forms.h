// Windows of the program: forms and the controls on them.
#pragma once

#include <windows.h>

#include "platform/platform.h"
#include "platform/win32/unique_handle.h"

namespace wendora::win32 {

// The screen's twips per pixel, read afresh from its DPI.
double TwipsPerPixelX();
double TwipsPerPixelY();
int TwipsToPixelsX(double twips);
int TwipsToPixelsY(double twips);

class Win32PictureBox;

class Win32Form final : public platform::Form {
 public:
  explicit Win32Form(const platform::FormDesign& design);

  platform::Handle handle() const override;
  std::unique_ptr<platform::PictureBox> CreateNotifyIconHost(int left, int top, int width,
                                                             int height) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

  UniqueWindow window_;
  UINT taskbar_created_message_ = 0;
};

class Win32PictureBox final : public platform::PictureBox {
 public:
  Win32PictureBox(HWND parent, RECT pixels, UniqueIcon picture);

  platform::Handle handle() const override;
  platform::Handle picture() const override;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

  UniqueIcon picture_;
  UniqueWindow window_;
};

}  // namespace wendora::win32
