// The Windows program's entry: the start-up sequence, then the message loop.
// The process ends only through the shut-down, which never returns here.
#include <windows.h>

#include <objbase.h>

#include "app/application.h"
#include "platform/win32/win32_platform.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // The shell's verbs may be carried out by COM objects in this thread.
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  wendora::win32::Win32Platform platform;
  wendora::Application application(platform);
  application.StartUp();
  platform.RunMessageLoop();
  return 0;
}
