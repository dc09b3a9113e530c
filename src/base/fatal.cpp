#include "base/fatal.h"

#include "base/number.h"
#include "base/texts.h"

namespace wendora {

void ReportFatalError(platform::Platform& platform, const std::string& title,
                      const RuntimeError& error) {
  const std::string text =
      Format(TextId::kRuntimeErrorReport, DecimalText(error.number()), error.description());
  platform.ShowMessageBox(text, title, platform::MessageBoxKind::kOkCritical, 0);
  platform.ExitProcess();
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
