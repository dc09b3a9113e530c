// Dialog windows built from standard controls. The keys reach them through
// the message loop's hook (message_loop.h).
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/controls.h"
#include "platform/win32/scale.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/window_class.h"

namespace wendora::win32 {

class Win32DialogControl final : public platform::DialogControl {
 public:
  Win32DialogControl(Win32Dialog& dialog, const platform::ControlDesign& design, int id,
                     HFONT font);

  std::string Text() const override;
  void SetText(std::string_view text) override;
  int Value() const override;
  void SetValue(int value) override;
  platform::Color BackColor() const override { return back_color_; }
  void SetBackColor(platform::Color color) override;
  void SetFocus() override;
  void SetEnabled(bool enabled) override;

  HWND window() const { return window_.get(); }
  platform::ControlKind kind() const { return kind_; }
  int group() const { return group_; }
  HBRUSH background() const { return brush_.get(); }
  // The control's notification: does what a click does.
  void Notify(WORD code);
  // Puts the control at its place at the dialog's scale, with its font.
  void Place(HFONT font);

 private:
  Win32Dialog& dialog_;
  platform::ControlKind kind_;
  int group_;                // of an option button
  platform::Bounds bounds_;  // in twips
  UniqueWindow window_;
  platform::Color back_color_ = 0xFFFFFF;
  UniqueBrush brush_;
  int value_ = 0;
};

class Win32Dialog final : public platform::Dialog {
 public:
  Win32Dialog(UiState& ui, const platform::DialogDesign& design);
  ~Win32Dialog() override;

  platform::Handle handle() const override;
  platform::DialogControl& AddControl(const platform::ControlDesign& design) override;
  void ShowModeless() override;
  void ShowModal() override;
  void Hide() override;
  bool Visible() const override;
  void SetTopmost(bool topmost) override;

  HWND window() const { return window_.get(); }
  const Scale& scale() const { return scale_; }
  // Clears the option buttons of the group.
  void ClearOptions(int group);
  void RememberFocus(HWND control) { focus_ = control; }
  // A key was released in the dialog or one of its controls; its handling
  // waits for the message loop.
  void PostKeyUp(WPARAM key);
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);

 private:
  // The font at the dialog's scale.
  void MakeFont();

  UiState& ui_;
  Scale scale_;
  UniqueWindow owner_;  // hidden: keeps the dialog off the taskbar
  UniqueWindow window_;
  std::wstring font_name_;
  UniqueFont font_;
  int next_id_ = 100;
  std::optional<int> last_option_group_;  // of the control added last, an option button
  std::map<int, std::unique_ptr<Win32DialogControl>> controls_;
  HWND focus_ = nullptr;  // the control that had the focus last
};

}  // namespace wendora::win32
