// Errors that no handler expects: reported with the error's number and
// description, then the program ends.
#pragma once

#include <exception>
#include <functional>
#include <new>
#include <string>

#include "base/product.h"
#include "base/runtime_error.h"
#include "platform/platform.h"

namespace wendora {

// Reports the error and ends the program; the caller says whether the
// settings are saved. Without a shut-down to call, the report is the
// standard one of an error nobody handles (a message box with the program's
// title, the error's number and description) and the process ends at once,
// saving nothing. With one, it is the watch's report (the program says it
// must end, with the product name as title), and the shut-down then removes
// the tray icon, saves the settings and ends the process.
[[noreturn]] void ReportFatalError(platform::Platform& platform, const RuntimeError& error,
                                   const std::function<void()>& shut_down = {});

// The run-time error that an exception stands for.
RuntimeError AsRuntimeError(const std::exception& error);

// Runs an event handler; an error that escapes it is fatal, so that none
// ever unwinds through the system's message dispatching.
template <typename Handler>
void RunGuarded(platform::Platform& platform, Handler&& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    ReportFatalError(platform, AsRuntimeError(error));
  }
}

}  // namespace wendora
