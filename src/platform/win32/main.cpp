// The Windows program's entry: the start-up sequence, then the message loop.
// The process ends only through the shut-down, which never returns here.
// Nothing is made before the start-up sequence has found that no other copy
// runs: the platform starts its clipboard thread and COM when first needed.
#include <windows.h>

#include "app/application.h"
#include "platform/win32/win32_platform.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wendora::win32::Win32Platform platform;
  wendora::Application application(platform);
  application.StartUp();
  platform.RunMessageLoop();
  return 0;
}
