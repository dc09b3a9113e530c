#include "announce/frm_main.h"

#include "announce/gradient.h"
#include "settings/runtime_error.h"

namespace wendora {
namespace {

// The form as designed: its client area lies far above the top edge of the
// screen, so it stays out of sight even if it were shown before a slide-in.
constexpr platform::FormDesign kDesign{0, -4950, 8895, 1335};
constexpr double kLabelMargin = 240;
constexpr const char* kFontName = "ＭＳ Ｐゴシック";

}  // namespace

FrmMain::FrmMain(platform::Platform& platform, const CurrentSettings& settings)
    : platform_(platform), settings_(settings) {}

void FrmMain::Load() {
  form_ = platform_.CreateForm(kDesign);
  picMainContainer_ = form_->CreatePictureBox({0, 0, 8895, 1335});
  lblURL_ = picMainContainer_->CreateLabel({kLabelMargin, 120, 8415, 495}, {kFontName, 18});
  lblAnnounce_ = picMainContainer_->CreateLabel({kLabelMargin, 660, 8415, 255}, {kFontName, 9});
  lblCancelAnnounce_ =
      picMainContainer_->CreateLabel({kLabelMargin, 960, 8415, 255}, {kFontName, 9});
  picNotifyIcon_ = form_->CreateNotifyIconHost({8040, 0, 375, 375});
  tmrWatchingClipBoard_ = form_->CreateTimer(100);

  const auto mouse_up = [this](int button) {
    if (on_mouse_up) {
      on_mouse_up(button);
    }
  };
  picMainContainer_->on_mouse_up = mouse_up;
  lblURL_->on_mouse_up = mouse_up;
  lblAnnounce_->on_mouse_up = mouse_up;
  lblCancelAnnounce_->on_mouse_up = mouse_up;
  tmrWatchingClipBoard_->on_timer = [this] {
    if (on_timer) {
      on_timer();
    }
  };

  form_->SetLeft(0);
  form_->SetWidth(platform_.ScreenWidth());
  picMainContainer_->SetHeight(form_->ClientHeight());
  picMainContainer_->SetWidth(form_->ClientWidth());
  const double label_width = picMainContainer_->Width() - 2 * kLabelMargin;
  lblURL_->SetWidth(label_width);
  lblAnnounce_->SetWidth(label_width);
  lblCancelAnnounce_->SetWidth(label_width);

  PaintGradient(settings_.TopColorR, settings_.TopColorG, settings_.TopColorB,
                settings_.BottomColorR, settings_.BottomColorG, settings_.BottomColorB);

  // A clipboard held by another program at this moment counts as empty.
  try {
    state.LastClipboardText = platform_.ReadClipboardText().text;
  } catch (const RuntimeError& error) {
    if (error.number() != kErrCantOpenClipboard) {
      throw;
    }
    state.LastClipboardText.clear();
  }
  state.CountdownStart.reset();
  state.PendingAction = None;
}

void FrmMain::PaintGradient(std::int16_t top_red, std::int16_t top_green, std::int16_t top_blue,
                            std::int16_t bottom_red, std::int16_t bottom_green,
                            std::int16_t bottom_blue) {
  DrawGradient(*picMainContainer_, platform_.TwipsPerPixelY(), top_red, top_green, top_blue,
               bottom_red, bottom_green, bottom_blue, kTopToBottom);
}

void FrmMain::SlideIn() {
  form_->Show();
  form_->SetTop(-form_->Height());
  platform_.DoEvents();
  // No yield between the steps: the thread is busy until the window arrives.
  // The 1 ms sleeps last 1 ms only at the finer timer resolution, which is
  // asked for just as long as the slide takes.
  platform_.SetFineTimerResolution(true);
  while (form_->Top() < 0) {
    form_->SetTop(form_->Top() + platform_.TwipsPerPixelY());
    platform_.Sleep(1);
  }
  platform_.SetFineTimerResolution(false);
}

}  // namespace wendora
