#include "announce/frm_main.h"

namespace wendora {
namespace {

// The form as designed: its client area lies far above the top edge of the
// screen, so it stays out of sight even if it were shown before a slide-in.
constexpr platform::FormDesign kFrmMainDesign{0, -4950, 8895, 1335};

}  // namespace

FrmMain::FrmMain(platform::Platform& platform, CurrentSettings& settings)
    : platform_(platform), settings_(settings) {}

void FrmMain::Load() {
  form_ = platform_.CreateForm(kFrmMainDesign);
  picNotifyIcon_ = form_->CreateNotifyIconHost(8040, 0, 375, 375);
}

}  // namespace wendora
