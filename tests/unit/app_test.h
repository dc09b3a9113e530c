// The whole program started on the fake platform, for tests that drive it
// as the system would: the clock, the clipboard and the events are theirs.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

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

  // Advances the clock and lets the watch timer fire once.
  void Tick(std::uint32_t ms = 100) {
    platform_.tick_count += ms;
    Form().timers.at(0)->Fire();
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
  // Copies text as another program would, and lets one tick see it.
  void Copy(const std::string& text) {
    platform_.SetClipboard(text);
    Tick();
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
