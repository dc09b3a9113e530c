#include "platform/win32/threads.h"

#include <memory>

#include "base/runtime_error.h"
#include "platform/win32/unique_handle.h"

namespace wendora::win32 {
namespace {

DWORD WINAPI RunWork(void* parameter) {
  const std::unique_ptr<std::function<void()>> work(static_cast<std::function<void()>*>(parameter));
  (*work)();
  return 0;
}

}  // namespace

void StartDetachedThread(std::function<void()> work) {
  auto owned = std::make_unique<std::function<void()>>(std::move(work));
  // Closing the handle leaves the thread running.
  const UniqueHandle thread(::CreateThread(nullptr, 0, &RunWork, owned.get(), 0, nullptr));
  if (!thread) {
    throw RuntimeError(kErrInternal);
  }
  owned.release();  // the thread owns it now
}

}  // namespace wendora::win32
