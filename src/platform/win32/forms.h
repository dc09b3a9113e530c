// Windows of the program: forms, picture boxes with a persistent image, the
// windowless labels they draw, and timers.
#pragma once

#include <windows.h>

#include <map>
#include <vector>

#include "platform/platform.h"
#include "platform/win32/unique_handle.h"

namespace wendora::win32 {

// The screen's twips per pixel, read afresh from its DPI.
double TwipsPerPixelX();
double TwipsPerPixelY();
int TwipsToPixelsX(double twips);
int TwipsToPixelsY(double twips);

HINSTANCE ModuleInstance();

// Registers a window class of the program once per process, with the
// program's icon; later calls find it registered.
void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, HBRUSH background = nullptr);

// A colour value as GDI takes it: system colours resolved.
COLORREF ToColorRef(platform::Color color);

class Win32Dialog;

// What all windows of the program share.
struct UiState {
  bool busy = false;                  // the busy (hourglass) pointer over every window
  std::vector<Win32Dialog*> dialogs;  // for keyboard navigation in the message loops
};

// Sets the pointer for a window of the program; true when it did.
bool SetPointerFor(const UiState& ui, LPARAM hit_test);

class Win32Label;

class Win32PictureBox final : public platform::PictureBox {
 public:
  Win32PictureBox(const UiState& ui, HWND parent, const platform::Bounds& bounds,
                  UniqueIcon picture);
  ~Win32PictureBox() override;

  platform::Handle handle() const override;
  platform::Handle picture() const override;
  double Width() const override;
  double Height() const override;
  void SetWidth(double width) override;
  void SetHeight(double height) override;
  void DrawLine(double x1, double y1, double x2, double y2, platform::Color color) override;
  std::unique_ptr<platform::Label> CreateLabel(const platform::Bounds& bounds,
                                               const platform::FontDesign& font) override;

  HWND window() const { return window_.get(); }
  void Forget(Win32Label* label);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void Resize(int width, int height);
  void Paint();
  void MouseUp(int button, LPARAM lparam);

  const UiState& ui_;
  UniqueIcon picture_;
  UniqueWindow window_;
  int width_ = 0;
  int height_ = 0;
  // The persistent image: what is drawn stays until drawn over.
  UniqueMemoryDc image_dc_;
  UniqueBitmap image_;
  HGDIOBJ original_bitmap_ = nullptr;
  std::vector<Win32Label*> labels_;
};

class Win32Label final : public platform::Label {
 public:
  Win32Label(Win32PictureBox& owner, const platform::Bounds& bounds,
             const platform::FontDesign& font);
  ~Win32Label() override;

  std::string Caption() const override;
  void SetCaption(std::string_view caption) override;
  double Width() const override;
  void SetWidth(double width) override;
  void SetFontUnderline(bool underline) override;
  void SetForeColor(platform::Color color) override;

  RECT rect() const { return rect_; }
  void Draw(HDC dc) const;

 private:
  void MakeFont();
  void Invalidate() const;

  Win32PictureBox& owner_;
  RECT rect_;
  platform::FontDesign design_;
  UniqueFont font_;
  platform::Color color_ = platform::kButtonTextColor;
  std::wstring caption_;
};

class Win32Form;

class Win32Timer final : public platform::Timer {
 public:
  Win32Timer(Win32Form& form, UINT_PTR id, int interval_ms);
  ~Win32Timer() override;
  Win32Timer(const Win32Timer&) = delete;
  Win32Timer& operator=(const Win32Timer&) = delete;

 private:
  Win32Form& form_;
  UINT_PTR id_;
};

class Win32Form final : public platform::Form {
 public:
  Win32Form(const UiState& ui, const platform::FormDesign& design);

  platform::Handle handle() const override;
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
  std::unique_ptr<platform::PictureBox> CreatePictureBox(const platform::Bounds& bounds) override;
  std::unique_ptr<platform::PictureBox> CreateNotifyIconHost(
      const platform::Bounds& bounds) override;
  std::unique_ptr<platform::Timer> CreateTimer(int interval_ms) override;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  RECT WindowRect() const;
  RECT ClientRect() const;

  const UiState& ui_;
  UniqueWindow window_;
  UINT taskbar_created_message_ = 0;
  UINT_PTR next_timer_id_ = 1;
  std::map<UINT_PTR, Win32Timer*> timers_;
  friend class Win32Timer;
};

}  // namespace wendora::win32
