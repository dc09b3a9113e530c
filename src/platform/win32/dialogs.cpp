#include "platform/win32/dialogs.h"

#include <algorithm>
#include <vector>

#include "platform/win32/message_loop.h"
#include "platform/win32/text.h"

namespace wendora::win32 {
namespace {

constexpr wchar_t kDialogClass[] = L"TWendoraDialog";
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
// A key was released in the dialog: wparam the key, lparam the shift state.
constexpr UINT kKeyReleased = WM_APP + 1;
constexpr DWORD kDialogExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

struct ControlStyle {
  const wchar_t* window_class;
  DWORD style;
  DWORD ex_style;
};

ControlStyle StyleOf(platform::ControlKind kind) {
  using K = platform::ControlKind;
  switch (kind) {
    case K::kLabel:
      return {L"STATIC", SS_LEFT, 0};
    case K::kTextBox:
      return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case K::kSwatch:
      return {L"STATIC", SS_NOTIFY, WS_EX_CLIENTEDGE};
    case K::kCheckBox:
      return {L"BUTTON", BS_3STATE | WS_TABSTOP, 0};
    case K::kOptionButton:
      return {L"BUTTON", BS_AUTORADIOBUTTON | WS_TABSTOP, 0};
    case K::kFrame:
      return {L"BUTTON", BS_GROUPBOX, 0};
    case K::kDefaultButton:
      return {L"BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, 0};
    case K::kCancelButton:
    case K::kButton:
      return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
  }
  return {L"STATIC", 0, 0};
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
  return TRUE;
}

int ShiftState() {
  int shift = 0;
  if (::GetKeyState(VK_SHIFT) < 0) {
    shift |= platform::kShiftMask;
  }
  if (::GetKeyState(VK_CONTROL) < 0) {
    shift |= platform::kCtrlMask;
  }
  if (::GetKeyState(VK_MENU) < 0) {
    shift |= platform::kAltMask;
  }
  return shift;
}

}  // namespace

// --- Controls ---------------------------------------------------------

Win32DialogControl::Win32DialogControl(Win32Dialog& dialog, const platform::ControlDesign& design,
                                       int id, HFONT font)
    : dialog_(dialog), kind_(design.kind), group_(design.group), bounds_(design.bounds) {
  ControlStyle style = StyleOf(design.kind);
  window_ = MakeWindow(style.ex_style, style.window_class, Widen(design.caption),
                       WS_CHILD | WS_VISIBLE | style.style, dialog.scale().ToPixels(bounds_),
                       dialog.window(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
  ::SendMessageW(window_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (kind_ == platform::ControlKind::kFrame) {
    // Beneath the controls it surrounds; it takes no focus, so the tab order
    // of the others stays as created.
    ::SetWindowPos(window_.get(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  }
}

std::string Win32DialogControl::Text() const {
  return Narrow(WindowText(window_.get()));
}

void Win32DialogControl::SetText(std::string_view text) {
  ::SetWindowTextW(window_.get(), Widen(text).c_str());
}

int Win32DialogControl::Value() const {
  if (kind_ == platform::ControlKind::kOptionButton) {
    return ::SendMessageW(window_.get(), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
  }
  return value_;
}

void Win32DialogControl::SetValue(int value) {
  value_ = value;
  const WPARAM state = value == 1 ? BST_CHECKED : value == 2 ? BST_INDETERMINATE : BST_UNCHECKED;
  if (kind_ == platform::ControlKind::kOptionButton && value == 1) {
    dialog_.ClearOptions(group_);  // one option of the group at a time
  }
  ::SendMessageW(window_.get(), BM_SETCHECK, state, 0);
}

void Win32DialogControl::SetBackColor(platform::Color color) {
  back_color_ = color;
  brush_.reset(::CreateSolidBrush(ToColorRef(color)));
  ::InvalidateRect(window_.get(), nullptr, TRUE);
}

void Win32DialogControl::SetEnabled(bool enabled) {
  ::EnableWindow(window_.get(), enabled ? TRUE : FALSE);
}

void Win32DialogControl::SetFocus() {
  ::SetFocus(window_.get());
  dialog_.RememberFocus(window_.get());
}

void Win32DialogControl::Place(HFONT font) {
  const RECT place = dialog_.scale().ToPixels(bounds_);
  ::SetWindowPos(window_.get(), nullptr, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
  ::SendMessageW(window_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void Win32DialogControl::Notify(WORD code) {
  const bool clicked =
      (kind_ == platform::ControlKind::kSwatch) ? code == STN_CLICKED : code == BN_CLICKED;
  if (!clicked || kind_ == platform::ControlKind::kLabel ||
      kind_ == platform::ControlKind::kTextBox || kind_ == platform::ControlKind::kFrame) {
    return;
  }
  if (kind_ == platform::ControlKind::kCheckBox) {
    // A click checks an unchecked or greyed box and clears a checked one.
    SetValue(value_ == 1 ? 0 : 1);
  }
  if (on_click) {
    on_click();
  }
}

// --- Dialog -----------------------------------------------------------

Win32Dialog::Win32Dialog(UiState& ui, const platform::DialogDesign& design)
    : ui_(ui), scale_(ScreenScale()), font_name_(Widen(design.font)) {
  RegisterWindowClass(kDialogClass, &ForwardToOwner<Win32Dialog>,
                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  owner_ = MakeWindow(0, L"STATIC", L"", WS_POPUP, {}, nullptr);
  const RECT frame = FrameAround(scale_.ToPixels({0, 0, design.client_width, design.client_height}),
                                 kDialogStyle, kDialogExStyle, scale_);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  RECT work{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int left = work.left + (work.right - work.left - width) / 2;
  const int top = work.top + (work.bottom - work.top - height) / 2;
  window_ = MakeWindow(kDialogExStyle, kDialogClass, Widen(design.caption), kDialogStyle,
                       {left, top, left + width, top + height}, owner_.get(), nullptr, this);
  // On a monitor of another scale than the screen's, the dialog takes the
  // size of its client area at that scale; its controls follow as they are
  // added.
  if (const Scale monitor = ScaleOf(window_.get()); !(monitor == scale_)) {
    scale_ = monitor;
    const RECT resized =
        FrameAround(scale_.ToPixels({0, 0, design.client_width, design.client_height}),
                    kDialogStyle, kDialogExStyle, scale_);
    ::SetWindowPos(window_.get(), nullptr, 0, 0, resized.right - resized.left,
                   resized.bottom - resized.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  MakeFont();
  ui_.dialogs.push_back(this);
  GiveDialogsTheirKeyboard(ui_);
}

void Win32Dialog::MakeFont() {
  // The system's character set: Shift-JIS on a Japanese system.
  font_.reset(::CreateFontW(scale_.FontHeight(9), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                            DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                            DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, font_name_.c_str()));
}

Win32Dialog::~Win32Dialog() {
  ui_.dialogs.erase(std::remove(ui_.dialogs.begin(), ui_.dialogs.end(), this), ui_.dialogs.end());
  controls_.clear();  // the controls go before their parent window
  window_.reset();
}

platform::Handle Win32Dialog::handle() const {
  return reinterpret_cast<platform::Handle>(window_.get());
}

platform::DialogControl& Win32Dialog::AddControl(const platform::ControlDesign& design) {
  int id = next_id_++;
  if (design.kind == platform::ControlKind::kDefaultButton) {
    id = IDOK;  // Enter
  } else if (design.kind == platform::ControlKind::kCancelButton) {
    id = IDCANCEL;  // Esc
  }
  auto control = std::make_unique<Win32DialogControl>(*this, design, id, font_.get());
  // Each control starts a group of its own, but the option buttons of one
  // group, which follow each other, form one.
  const bool option = design.kind == platform::ControlKind::kOptionButton;
  LONG_PTR style = ::GetWindowLongPtrW(control->window(), GWL_STYLE);
  if (!option || last_option_group_ != design.group) {
    style |= WS_GROUP;
  }
  last_option_group_ = option ? std::optional<int>(design.group) : std::nullopt;
  ::SetWindowLongPtrW(control->window(), GWL_STYLE, style);
  Win32DialogControl& added = *control;
  controls_[id] = std::move(control);
  return added;
}

void Win32Dialog::ClearOptions(int group) {
  for (const auto& [id, control] : controls_) {
    if (control->kind() == platform::ControlKind::kOptionButton && control->group() == group) {
      ::SendMessageW(control->window(), BM_SETCHECK, BST_UNCHECKED, 0);
    }
  }
}

void Win32Dialog::ShowModeless() {
  ::ShowWindow(window_.get(), SW_SHOW);
  ::SetForegroundWindow(window_.get());
}

void Win32Dialog::ShowModal() {
  // The other windows of the program take no input meanwhile.
  std::vector<HWND> disabled;
  ::EnumThreadWindows(::GetCurrentThreadId(), &CollectWindow, reinterpret_cast<LPARAM>(&disabled));
  // Only windows the user can reach: hidden ones (the input method's among
  // them) must keep working.
  // Nor windows of the dialog's own (a colour dialog or a warning it waits on).
  disabled.erase(std::remove_if(disabled.begin(), disabled.end(),
                                [this](HWND hwnd) {
                                  return hwnd == window_.get() || !::IsWindowVisible(hwnd) ||
                                         !::IsWindowEnabled(hwnd) ||
                                         ::GetWindow(hwnd, GW_OWNER) == window_.get();
                                }),
                 disabled.end());
  for (HWND hwnd : disabled) {
    ::EnableWindow(hwnd, FALSE);
  }
  ShowModeless();
  while (::IsWindowVisible(window_.get()) && DispatchNextMessage(true)) {
  }
  for (HWND hwnd : disabled) {
    ::EnableWindow(hwnd, TRUE);
  }
}

void Win32Dialog::Hide() {
  ::ShowWindow(window_.get(), SW_HIDE);
}

bool Win32Dialog::Visible() const {
  return ::IsWindowVisible(window_.get()) != FALSE;
}

void Win32Dialog::SetTopmost(bool topmost) {
  ::SetWindowPos(window_.get(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
}

void Win32Dialog::PostKeyUp(WPARAM key) {
  // The shift state as it is now, when the key is released.
  ::PostMessageW(window_.get(), kKeyReleased, key, ShiftState());
}

LRESULT Win32Dialog::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND: {
      const auto found = controls_.find(LOWORD(wparam));
      if (found != controls_.end()) {
        found->second->Notify(HIWORD(wparam));
      }
      return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      for (const auto& [id, control] : controls_) {
        if (control->window() == reinterpret_cast<HWND>(lparam) &&
            control->kind() == platform::ControlKind::kSwatch && control->background()) {
          return reinterpret_cast<LRESULT>(control->background());
        }
      }
      // Labels, frame, check box and options on the dialog's own face.
      HDC dc = reinterpret_cast<HDC>(wparam);
      ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
      ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
      return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_ACTIVATE:
      // A plain window forgets which control had the focus: keep it, as a
      // dialog does, so the keyboard goes back there.
      if (LOWORD(wparam) == WA_INACTIVE) {
        HWND focus = ::GetFocus();
        if (focus != nullptr && ::IsChild(window_.get(), focus)) {
          focus_ = focus;
        }
      } else if (focus_ != nullptr && ::IsWindow(focus_)) {
        ::SetFocus(focus_);
        return 0;
      }
      break;
    case WM_CLOSE:
      if (on_close) {
        on_close();
      }
      return 0;
    case kKeyReleased:
      if (on_key_up) {
        // The virtual-key codes of the letter keys are their capital letters.
        on_key_up(wparam >= 'A' && wparam <= 'Z' ? static_cast<char>(wparam) : '\0',
                  static_cast<int>(lparam));
      }
      return 0;
    case kDpiChangedMessage: {
      // The dialog takes the size the system suggests for the new scale, and
      // its controls their places and font at it.
      scale_ = {LOWORD(wparam), HIWORD(wparam)};
      const auto* suggested = reinterpret_cast<const RECT*>(lparam);
      ::SetWindowPos(window_.get(), nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
      // The old font goes only once no control uses it any more.
      UniqueFont old_font = std::move(font_);
      MakeFont();
      for (const auto& [id, control] : controls_) {
        control->Place(font_.get());
      }
      return 0;
    }
    default:
      break;
  }
  return DefaultHandling(ui_, window_.get(), message, wparam, lparam);
}

}  // namespace wendora::win32
