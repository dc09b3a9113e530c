// The whole program started on the fake platform, for tests that drive it
// as the system would: the clock, the clipboard and the events are theirs.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/application.h"
#include "fake/fake_platform.h"

namespace wendora {

class AppTest : public ::testing::Test {
 protected:
  void SetSettingsFile(const std::string& lines) {
    platform_.files[platform_.SettingsFile()] = "[Settings]\r\n" + lines;
  }
  // Starts the program, with these lines in the settings file if given.
  void Start(const std::string& settings = "") {
    if (!settings.empty()) {
      SetSettingsFile(settings);
    }
    app_ = std::make_unique<Application>(platform_);
    app_->StartUp();
  }

  fake::FakeForm& Form() { return *platform_.forms.at(0); }

  fake::FakeTimer& Timer() { return *platform_.timers.at(0); }

  // Advances the clock and delivers the next event: the news of clipboard
  // changes if there is any, else the watch timer's tick if it runs.
  void Tick(std::uint32_t ms = 100) {
    platform_.tick_count += ms;
    if (!platform_.DeliverClipboardChanges() && Timer().running) {
      Timer().Fire();
    }
  }
  // Ticks until the program ends; false if it is still running after `ms`.
  bool TicksEnd(std::uint32_t ms) {
    try {
      for (std::uint32_t t = 0; t < ms; t += 100) {
        Tick();
      }
    } catch (const fake::ProcessExited&) {
      return true;
    }
    return false;
  }
  // Lets the time pass in which a left click on a banner that has just
  // arrived does not count, without a tick.
  void Settle() { platform_.tick_count += Announcement::kClickProtectionMs; }
  // Copies text as another program would, and lets one tick see it.
  void Copy(const std::string& text) {
    platform_.SetClipboard(text);
    Tick();
  }

  fake::FakeNotifyIcon& TrayIcon() { return *platform_.notify_icons.at(0); }
  // What the program asked of its tray icon, in order: "show" or "remove".
  std::vector<std::string> IconCalls() const {
    std::vector<std::string> found;
    for (const std::string& call : platform_.calls) {
      if (call.rfind("NotifyIcon ", 0) == 0) {
        found.push_back(call.substr(11));
      }
    }
    return found;
  }

  // Where the first call with that prefix stands among all calls.
  std::ptrdiff_t CallIndex(const std::string& prefix) const {
    const auto found = std::find_if(platform_.calls.begin(), platform_.calls.end(),
                                    [&](const std::string& c) { return c.rfind(prefix, 0) == 0; });
    return found - platform_.calls.begin();
  }

  std::size_t CountCalls(const std::string& prefix) const {
    return static_cast<std::size_t>(
        std::count_if(platform_.calls.begin(), platform_.calls.end(),
                      [&](const std::string& c) { return c.rfind(prefix, 0) == 0; }));
  }

  fake::FakePlatform platform_;
  std::unique_ptr<Application> app_;
};

}  // namespace wendora
