// The watch driven through the fake platform: the clock, the clipboard and
// the clicks are the test's; everything else is the program's own.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app_test.h"

namespace wendora {

constexpr const char* kCancel4 = "キャンセルする場合は 4秒以内にここを右クリックしてください。";

class WatchTest : public AppTest {
 protected:
  fake::FakeLabel& Url() { return Label(app_->frmMain().lblURL()); }
  fake::FakeLabel& Explanation() { return Label(app_->frmMain().lblAnnounce()); }
  fake::FakeLabel& Countdown() { return Label(app_->frmMain().lblCancelAnnounce()); }
  static fake::FakeLabel& Label(platform::Label& label) {
    return static_cast<fake::FakeLabel&>(label);
  }
  const WatchState& State() { return app_->watchCycle().state(); }
  const SeenText& Seen() { return app_->watchCycle().clipboard().LastClipboardText(); }
  void ClickOn(fake::FakeLabel& label, int button) { label.on_mouse_up(button); }
  // A left click on a banner that has stood for a moment, and the tick
  // that carries it out.
  void ClickToRun() {
    Settle();
    ClickOn(Url(), platform::kLeftButton);
    Tick();
  }

  std::vector<std::string> OpenedFiles() const {
    std::vector<std::string> files;
    for (const auto& call : platform_.shell_calls) {
      files.push_back(call.file);
    }
    return files;
  }
  int Shows() const { return static_cast<int>(CountCalls("Form.Show")); }
};

}  // namespace wendora
