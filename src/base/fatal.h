// Errors that no handler expects: reported with the error's number and
// description, then the process ends.
#pragma once

#include <exception>
#include <new>
#include <string>

#include "base/product.h"
#include "base/runtime_error.h"
#include "platform/platform.h"

namespace wendora {

// The standard report (a message box with the program's title, the error's
// number and description), then the end of the process.
[[noreturn]] void ReportFatalError(platform::Platform& platform, const std::string& title,
                                   const RuntimeError& error);

// The run-time error that an exception stands for.
RuntimeError AsRuntimeError(const std::exception& error);

// Runs an event handler; an error that escapes it is fatal, so that none
// ever unwinds through the system's message dispatching.
template <typename Handler>
void RunGuarded(platform::Platform& platform, Handler&& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    ReportFatalError(platform, kProgramTitle, AsRuntimeError(error));
  }
}

}  // namespace wendora
