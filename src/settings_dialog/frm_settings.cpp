#include "settings_dialog/frm_settings.h"

#include "announce/gradient.h"
#include "base/fatal.h"
#include "base/number.h"
#include "base/texts.h"
#include "settings_dialog/color_dialog.h"

namespace wendora {
namespace {

using platform::ControlKind;

// The places that differ between the languages, in twips: the English texts
// of the colour labels and of the check box are longer, so the English
// dialog is wider.
// The button of more settings stands beside OK and Cancel, which widens the
// dialog by its width and a gap.
struct Layout {
  double width;
  double color_label_width;
  double swatch_left;
  double wide_width;  // the check box and the frame
  double ok_left;
  double cancel_left;
  double more_left;
  double more_width;
};
constexpr Layout kJapaneseLayout{4935, 1095, 1200, 2955, 360, 1800, 3240, 1335};
constexpr Layout kEnglishLayout{5595, 1395, 1500, 3375, 570, 2010, 3450, 1575};

const Layout& LayoutOfLanguage() {
  return CurrentLanguage() == Language::kEnglish ? kEnglishLayout : kJapaneseLayout;
}

// Counts a modal loop that a handler of the dialog waits in, for as long as
// the scope lasts.
class InModalLoop {
 public:
  explicit InModalLoop(int& loops) : loops_(loops) { ++loops_; }
  ~InModalLoop() { --loops_; }
  InModalLoop(const InModalLoop&) = delete;
  InModalLoop& operator=(const InModalLoop&) = delete;

 private:
  int& loops_;
};

}  // namespace

FrmSettings::FrmSettings(platform::Platform& platform, CurrentSettings& settings, FrmMain& frmMain,
                         TaskTrayIcon& tray_icon, MoreSettingsActions more_actions)
    : platform_(platform),
      settings_(settings),
      frmMain_(frmMain),
      tray_icon_(tray_icon),
      more_(platform, settings, std::move(more_actions)) {}

FrmSettings::~FrmSettings() = default;

void FrmSettings::ShowModeless() {
  if (!Loaded()) {
    Load();
  }
  form_->dialog->ShowModeless();
}

bool FrmSettings::ShowModal() {
  // A dialog that waits on its own colour chooser or warning is left alone:
  // shown modal over them, it would close before they return, and what the
  // user chose there would be lost.
  if (modal_loops_ > 0) {
    return false;
  }
  if (!Loaded()) {
    Load();
  }
  form_->dialog->Hide();
  // The dialog unloads itself on OK or Cancel; its window lives on among the
  // unloaded ones until this call has returned.
  platform::Dialog& dialog = *form_->dialog;
  const InModalLoop waiting(modal_loops_);
  dialog.ShowModal();
  return true;
}

void FrmSettings::Load() {
  // Unloaded dialogs are destroyed only when none of their handlers can be
  // waiting in a modal loop.
  if (modal_loops_ == 0) {
    unloaded_.clear();
  }
  auto controls = std::make_unique<Controls>();
  const Layout& layout = LayoutOfLanguage();
  controls->dialog =
      platform_.CreateDialogWindow({std::string(Text(TextId::kDialogCaption)), layout.width, 3255,
                                    std::string(Text(TextId::kDialogFont))});
  platform::Dialog& dialog = *controls->dialog;
  // In tab order.
  const auto add = [&](ControlKind kind, std::string_view caption,
                       platform::Bounds bounds) -> platform::DialogControl& {
    return dialog.AddControl({kind, std::string(caption), bounds});
  };
  add(ControlKind::kLabel, Text(TextId::kWaitTimeLabel), {120, 150, 1575, 255});
  controls->txtWaitTime = &add(ControlKind::kTextBox, "", {1560, 120, 615, 270});
  add(ControlKind::kLabel, Text(TextId::kSecondsLabel), {2280, 150, 255, 255});
  controls->picTopColor = &add(ControlKind::kSwatch, "", {layout.swatch_left, 600, 495, 255});
  controls->picBottomColor = &add(ControlKind::kSwatch, "", {layout.swatch_left, 960, 495, 255});
  add(ControlKind::kLabel, Text(TextId::kTopColorLabel), {120, 630, layout.color_label_width, 255});
  add(ControlKind::kLabel, Text(TextId::kBottomColorLabel),
      {120, 990, layout.color_label_width, 255});
  platform::DialogControl& cmdOK =
      add(ControlKind::kDefaultButton, Text(TextId::kOkButton), {layout.ok_left, 2820, 1095, 315});
  platform::DialogControl& cmdCancel = add(ControlKind::kCancelButton, Text(TextId::kCancelButton),
                                           {layout.cancel_left, 2820, 1095, 315});
  controls->chkShowTaskTrayIcon = &add(ControlKind::kCheckBox, Text(TextId::kShowIconCheckBox),
                                       {120, 2400, layout.wide_width, 255});
  add(ControlKind::kFrame, Text(TextId::kActionFrame), {120, 1380, layout.wide_width, 915});
  // The option buttons stand in the frame, 180 twips from its left edge.
  controls->optRun =
      &add(ControlKind::kOptionButton, Text(TextId::kRunOption), {300, 1680, 2655, 195});
  controls->optCancel =
      &add(ControlKind::kOptionButton, Text(TextId::kCancelOption), {300, 1920, 2595, 255});
  platform::DialogControl& cmdMore = add(ControlKind::kButton, Text(TextId::kMoreButton),
                                         {layout.more_left, 2820, layout.more_width, 315});

  cmdOK.on_click = [this] { RunGuarded(platform_, [this] { cmdOK_Click(); }); };
  cmdCancel.on_click = [this] { cmdCancel_Click(); };
  cmdMore.on_click = [this] { RunGuarded(platform_, [this] { cmdMore_Click(); }); };
  controls->picTopColor->on_click = [this] {
    RunGuarded(platform_, [this] { picTopColor_Click(); });
  };
  controls->picBottomColor->on_click = [this] {
    RunGuarded(platform_, [this] { picBottomColor_Click(); });
  };
  dialog.on_key_up = [this](char letter, int shift) {
    RunGuarded(platform_, [&] { Form_KeyUp(letter, shift); });
  };
  dialog.on_close = [this] { Unload(); };
  form_ = std::move(controls);

  // The load handler.
  ColorChanged = false;
  // In front of every other window, without staying there.
  dialog.SetTopmost(true);
  dialog.SetTopmost(false);
  form_->txtWaitTime->SetText(DecimalText(settings_.WaitTime));
  form_->picTopColor->SetBackColor(TopColor(settings_));
  form_->picBottomColor->SetBackColor(BottomColor(settings_));
  // 0 unchecked, 1 checked, 2 greyed; a larger value from a hand-edited file
  // shows greyed as well, and OK then leaves it alone.
  form_->chkShowTaskTrayIcon->SetValue(settings_.ShowTaskTrayIcon <= 2 ? settings_.ShowTaskTrayIcon
                                                                       : 2);
  if (settings_.DefaultAction == 0) {
    form_->optRun->SetValue(1);
  } else {
    form_->optCancel->SetValue(1);
  }
  form_->txtWaitTime->SetFocus();
}

void FrmSettings::Unload() {
  if (!Loaded()) {
    return;
  }
  form_->dialog->Hide();
  unloaded_.push_back(std::move(form_));
}

void FrmSettings::cmdOK_Click() {
  // A number that does not fit the wait time is refused like text.
  const std::optional<std::int32_t> wait_time = Int32Value(form_->txtWaitTime->Text());
  if (!wait_time) {
    const InModalLoop waiting(modal_loops_);
    platform_.ShowMessageBox(Text(TextId::kNotANumber), platform_.ProductName(),
                             platform::MessageBoxKind::kOkExclamation, form_->dialog->handle());
    return;
  }
  settings_.WaitTime = *wait_time;

  if (ColorChanged) {
    SetColors(settings_, form_->picTopColor->BackColor(), form_->picBottomColor->BackColor());
    frmMain_.PaintGradient(TopColor(settings_), BottomColor(settings_));
  }

  if (form_->optRun->Value() == 1) {
    settings_.DefaultAction = 0;
  } else if (form_->optCancel->Value() == 1) {
    settings_.DefaultAction = 1;
  }

  const int checked = form_->chkShowTaskTrayIcon->Value();
  if (settings_.ShowTaskTrayIcon == 0 && checked == 1) {
    settings_.ShowTaskTrayIcon = 1;
    tray_icon_.Show();
  } else if (settings_.ShowTaskTrayIcon == 1 && checked == 0) {
    settings_.ShowTaskTrayIcon = 0;
    tray_icon_.Remove();
  }

  Unload();
}

void FrmSettings::cmdCancel_Click() {
  Unload();
}

void FrmSettings::cmdMore_Click() {
  const InModalLoop waiting(modal_loops_);
  more_.ShowModal();
}

void FrmSettings::picTopColor_Click() {
  ChooseColorFor(*form_->picTopColor);
}

void FrmSettings::picBottomColor_Click() {
  ChooseColorFor(*form_->picBottomColor);
}

void FrmSettings::ChooseColorFor(platform::DialogControl& swatch) {
  std::int32_t chosen = -1;
  {
    const InModalLoop waiting(modal_loops_);
    chosen = ShowColorDialog(platform_, form_->dialog->handle(),
                             static_cast<std::int32_t>(swatch.BackColor()));
  }
  if (chosen == -1) {
    return;
  }
  // Picking counts as a change even when the colour stays the same.
  swatch.SetBackColor(static_cast<platform::Color>(chosen));
  ColorChanged = true;
}

void FrmSettings::Form_KeyUp(char letter, int shift) {
  if (shift != platform::kAltMask) {
    return;
  }
  if (letter == 'W') {
    form_->txtWaitTime->SetFocus();
  } else if (letter == 'T') {
    picTopColor_Click();
  } else if (letter == 'B') {
    picBottomColor_Click();
  }
}

}  // namespace wendora
