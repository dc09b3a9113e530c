#include "base/fatal.h"

#include "base/number.h"
#include "base/texts.h"

namespace wendora {

void ReportFatalError(platform::Platform& platform, const RuntimeError& error,
                      const std::function<void()>& shut_down) {
  const std::string number = DecimalText(error.number());
  if (shut_down) {
    platform.ShowMessageBox(Format(TextId::kFatalError, number, error.description()),
                            platform.ProductName(), platform::MessageBoxKind::kOkCritical, 0);
    shut_down();
  } else {
    platform.ShowMessageBox(Format(TextId::kRuntimeErrorReport, number, error.description()),
                            kProgramTitle, platform::MessageBoxKind::kOkCritical, 0);
  }
  platform.ExitProcess();  // the shut-down does not return either
}

RuntimeError AsRuntimeError(const std::exception& error) {
  if (const auto* runtime = dynamic_cast<const RuntimeError*>(&error)) {
    return *runtime;
  }
  if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr) {
    return RuntimeError(kErrOutOfMemory);
  }
  return RuntimeError(kErrInternal);
}

}  // namespace wendora
