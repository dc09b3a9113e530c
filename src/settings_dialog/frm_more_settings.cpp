#include "settings_dialog/frm_more_settings.h"

#include <utility>
#include <vector>

#include "base/fatal.h"
#include "base/text.h"
#include "base/texts.h"

namespace wendora {
namespace {

using platform::ControlKind;

// The groups of option buttons.
constexpr int kMonitorGroup = 1;
constexpr int kLanguageGroup = 2;

// The dialog's width in twips, which the longest texts need in either
// language.
constexpr double kWidth = 5655;

// Whether the list already names the program, as the list is read.
bool Lists(std::string_view list, std::string_view program) {
  for (const std::string_view item : ListItems(list)) {
    if (SameIgnoringAsciiCase(item, program)) {
      return true;
    }
  }
  return false;
}

}  // namespace

FrmMoreSettings::FrmMoreSettings(platform::Platform& platform, CurrentSettings& settings,
                                 MoreSettingsActions actions)
    : platform_(platform), settings_(settings), actions_(std::move(actions)) {}

void FrmMoreSettings::ShowModal() {
  Load();
  // The dialog closes itself on OK or Cancel; it is destroyed at the next
  // opening, when none of its handlers can be running any more.
  form_->dialog->ShowModal();
}

void FrmMoreSettings::Load() {
  auto controls = std::make_unique<Controls>();
  const double width = kWidth;
  const double inner = width - 240;  // the controls' width, 120 twips from each side
  controls->dialog = platform_.CreateDialogWindow({std::string(Text(TextId::kMoreCaption)), width,
                                                   5895, std::string(Text(TextId::kDialogFont))});
  platform::Dialog& dialog = *controls->dialog;
  const auto add = [&](ControlKind kind, TextId caption, platform::Bounds bounds,
                       int group = 0) -> platform::DialogControl& {
    return dialog.AddControl({kind, std::string(Text(caption)), bounds, group});
  };
  // In tab order.
  add(ControlKind::kFrame, TextId::kMonitorFrame, {120, 120, inner, 1155});
  controls->optPrimaryMonitor = &add(ControlKind::kOptionButton, TextId::kPrimaryMonitorOption,
                                     {300, 420, inner - 360, 255}, kMonitorGroup);
  controls->optForegroundMonitor =
      &add(ControlKind::kOptionButton, TextId::kForegroundMonitorOption,
           {300, 690, inner - 360, 255}, kMonitorGroup);
  controls->optPointerMonitor = &add(ControlKind::kOptionButton, TextId::kPointerMonitorOption,
                                     {300, 960, inner - 360, 255}, kMonitorGroup);
  controls->chkQuietWhenFullScreen =
      &add(ControlKind::kCheckBox, TextId::kQuietCheckBox, {120, 1395, inner, 255});
  add(ControlKind::kFrame, TextId::kLanguageFrame, {120, 1770, inner, 1425});
  controls->optSystemLanguage = &add(ControlKind::kOptionButton, TextId::kSystemLanguageOption,
                                     {300, 2070, inner - 360, 255}, kLanguageGroup);
  controls->optJapanese = &add(ControlKind::kOptionButton, TextId::kJapaneseOption,
                               {300, 2340, inner - 360, 255}, kLanguageGroup);
  controls->optEnglish = &add(ControlKind::kOptionButton, TextId::kEnglishOption,
                              {300, 2610, inner - 360, 255}, kLanguageGroup);
  add(ControlKind::kLabel, TextId::kLanguageNote, {300, 2880, inner - 360, 255});
  add(ControlKind::kLabel, TextId::kIgnoredProgramsLabel, {120, 3330, inner, 255});
  controls->txtIgnoreCopiesFrom =
      &dialog.AddControl({ControlKind::kTextBox, "", {120, 3600, inner, 285}});
  controls->cmdAddLastProgram =
      &add(ControlKind::kButton, TextId::kAddLastProgramButton, {120, 3960, 3435, 315});
  controls->chkAnyTextWithSlash =
      &add(ControlKind::kCheckBox, TextId::kAnySlashCheckBox, {120, 4455, inner, 255});
  controls->chkBannerKeys =
      &add(ControlKind::kCheckBox, TextId::kBannerKeysCheckBox, {120, 4800, inner, 255});
  add(ControlKind::kLabel, TextId::kBannerKeysNote, {390, 5070, inner - 270, 255});
  platform::DialogControl& cmdOK =
      add(ControlKind::kDefaultButton, TextId::kOkButton, {width - 2550, 5460, 1095, 315});
  platform::DialogControl& cmdCancel =
      add(ControlKind::kCancelButton, TextId::kCancelButton, {width - 1335, 5460, 1095, 315});

  cmdOK.on_click = [this] { RunGuarded(platform_, [this] { cmdOK_Click(); }); };
  cmdCancel.on_click = [this] { cmdCancel_Click(); };
  controls->cmdAddLastProgram->on_click = [this] {
    RunGuarded(platform_, [this] { cmdAddLastProgram_Click(); });
  };
  dialog.on_close = [this] { cmdCancel_Click(); };
  form_ = std::move(controls);

  // The load handler: the current settings.
  const CurrentSettings& s = settings_;
  (s.AnnounceMonitor == 1   ? form_->optForegroundMonitor
   : s.AnnounceMonitor == 2 ? form_->optPointerMonitor
                            : form_->optPrimaryMonitor)
      ->SetValue(1);
  form_->chkQuietWhenFullScreen->SetValue(s.QuietWhenFullScreen != 0 ? 1 : 0);
  const std::string language = AsciiLower(std::string(Trim(s.Language, " \t")));
  (language == "ja"   ? form_->optJapanese
   : language == "en" ? form_->optEnglish
                      : form_->optSystemLanguage)
      ->SetValue(1);
  form_->txtIgnoreCopiesFrom->SetText(s.IgnoreCopiesFrom);
  form_->cmdAddLastProgram->SetEnabled(LastCopyProgram().has_value());
  form_->chkAnyTextWithSlash->SetValue(s.AnyTextWithSlash != 0 ? 1 : 0);
  form_->chkBannerKeys->SetValue(s.BannerKeys != 0 ? 1 : 0);
  form_->optPrimaryMonitor->SetFocus();
}

void FrmMoreSettings::cmdOK_Click() {
  CurrentSettings& s = settings_;
  // A value the dialog cannot show (a hand-edited 3 or a language it does
  // not know) stays as it was unless another option was chosen.
  const auto option = [](platform::DialogControl* control) { return control->Value() == 1; };
  if (option(form_->optPrimaryMonitor) && s.AnnounceMonitor != 0 && s.AnnounceMonitor <= 2) {
    s.AnnounceMonitor = 0;
  } else if (option(form_->optForegroundMonitor)) {
    s.AnnounceMonitor = 1;
  } else if (option(form_->optPointerMonitor)) {
    s.AnnounceMonitor = 2;
  }
  const bool quiet = form_->chkQuietWhenFullScreen->Value() == 1;
  if (quiet != (s.QuietWhenFullScreen != 0)) {
    s.QuietWhenFullScreen = quiet ? 1 : 0;
  }
  const std::string language = AsciiLower(std::string(Trim(s.Language, " \t")));
  if (option(form_->optJapanese)) {
    s.Language = language == "ja" ? s.Language : "ja";
  } else if (option(form_->optEnglish)) {
    s.Language = language == "en" ? s.Language : "en";
  } else if (language == "ja" || language == "en") {
    s.Language.clear();
  }
  s.IgnoreCopiesFrom = form_->txtIgnoreCopiesFrom->Text();
  const bool any_slash = form_->chkAnyTextWithSlash->Value() == 1;
  if (any_slash != (s.AnyTextWithSlash != 0)) {
    s.AnyTextWithSlash = any_slash ? 1 : 0;
  }
  const bool keys = form_->chkBannerKeys->Value() == 1;
  if (keys != (s.BannerKeys != 0)) {
    s.BannerKeys = keys ? 1 : 0;
  }
  if (actions_.applied) {
    actions_.applied();
  }
  form_->dialog->Hide();
}

void FrmMoreSettings::cmdCancel_Click() {
  form_->dialog->Hide();
}

std::optional<std::string> FrmMoreSettings::LastCopyProgram() const {
  std::string program = actions_.last_copy_program ? actions_.last_copy_program() : "";
  if (program.empty()) {
    return std::nullopt;
  }
  return program;
}

void FrmMoreSettings::cmdAddLastProgram_Click() {
  const std::optional<std::string> program = LastCopyProgram();
  std::string list = form_->txtIgnoreCopiesFrom->Text();
  if (!program || Lists(list, *program)) {
    return;
  }
  const std::string_view kept = Trim(list, " \t;");
  list = kept.empty() ? *program : std::string(kept) + ";" + *program;
  form_->txtIgnoreCopiesFrom->SetText(list);
}

}  // namespace wendora
