// The picture box of a form, with a persistent image, and the windowless
// labels it draws over that image.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls.h"
#include "platform/win32/scale.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/window_class.h"

namespace wendora::win32 {

class Win32PictureBox;

class Win32Label final : public platform::Label {
 public:
  Win32Label(Win32PictureBox& owner, const platform::Bounds& bounds,
             const platform::FontDesign& font);

  std::string Caption() const override;
  void SetCaption(std::string_view caption) override;
  double Width() const override;
  void SetWidth(double width) override;
  void SetFontUnderline(bool underline) override;
  void SetForeColor(platform::TextColor color) override;
  double TextWidth(std::string_view text) const override;

  RECT rect() const { return rect_; }
  void Draw(HDC dc) const;
  // Places the label and makes its font anew at its picture box's scale.
  void Rescale();

 private:
  void MakeFont();
  void Invalidate() const;

  Win32PictureBox& owner_;
  platform::Bounds bounds_;  // in twips
  RECT rect_;
  platform::FontDesign design_;
  UniqueFont font_;
  platform::TextColor color_ = platform::TextColor::ButtonText();
  std::wstring caption_;
};

class Win32PictureBox final : public platform::PictureBox {
 public:
  // The scale is the form's, which outlives the box.
  Win32PictureBox(const UiState& ui, const Scale& scale, HWND parent,
                  const platform::Bounds& bounds);
  ~Win32PictureBox() override;

  double Width() const override;
  double Height() const override;
  void SetWidth(double width) override;
  void SetHeight(double height) override;
  void DrawLine(double x1, double y1, double x2, double y2, platform::Color color) override;
  platform::Label& CreateLabel(const platform::Bounds& bounds,
                               const platform::FontDesign& font) override;
  void CaptureMouse() override;
  void ReleaseMouse() override;

  HWND window() const { return window_.get(); }
  const Scale& scale() const { return scale_; }
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  // Moves the box and its labels to their places at the form's new scale.
  void Rescale();

 private:
  void Resize(int width, int height);
  void Paint();
  void MouseDown(int button);
  void MouseUp(int button, LPARAM lparam);

  const UiState& ui_;
  const Scale& scale_;
  platform::Bounds bounds_;  // in twips
  UniqueWindow window_;
  int width_ = 0;
  int height_ = 0;
  // The persistent image: what is drawn stays until drawn over.
  MemoryBitmap image_;
  std::vector<std::unique_ptr<Win32Label>> labels_;
};

}  // namespace wendora::win32
