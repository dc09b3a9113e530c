// The form that shows the banner: a frame without a title bar that holds
// picture boxes, follows its monitor's scale and answers screen readers.
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>
#include <vector>

#include "platform/controls.h"
#include "platform/win32/picture_box.h"
#include "platform/win32/scale.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/window_class.h"

namespace wendora::win32 {

class Win32Form final : public platform::Form {
 public:
  Win32Form(const UiState& ui, const platform::FormDesign& design);
  ~Win32Form() override;

  platform::Handle handle() const override;
  double TwipsPerPixelX() const override { return scale_.TwipsPerPixelX(); }
  double TwipsPerPixelY() const override { return scale_.TwipsPerPixelY(); }
  void PutOnMonitor(platform::MonitorChoice choice) override;
  platform::MonitorArea Monitor() const override;
  double Left() const override;
  double Top() const override;
  double Width() const override;
  double Height() const override;
  double ClientWidth() const override;
  double ClientHeight() const override;
  void SetLeft(double left) override;
  void SetTop(double top) override;
  void SetWidth(double width) override;
  void Show() override;
  void Hide() override;
  bool Visible() const override;
  void SetTopmost() override;
  void SetText(std::string_view text) override;
  void RaiseAlert() override;
  platform::PictureBox& CreatePictureBox(const platform::Bounds& bounds) override;

  HWND window() const { return window_.get(); }
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

 private:
  RECT WindowRect() const;
  RECT ClientRect() const;
  // The monitor's scale became this one: the client area keeps its height
  // in twips, the picture boxes and labels their places and fonts.
  void ChangeScale(const Scale& scale);

  const UiState& ui_;
  Scale scale_;
  double client_height_;  // in twips
  HMONITOR monitor_;      // the monitor the form was put on
  UniqueWindow window_;
  std::vector<std::unique_ptr<Win32PictureBox>> pictures_;
};

}  // namespace wendora::win32
