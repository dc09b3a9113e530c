// The message loop's step, and the hook through which the dialogs get their
// keys in whatever loop takes them off the queue.
#include "platform/win32/message_loop.h"

#include <windows.h>

#include <vector>

#include "platform/win32/dialogs.h"

namespace wendora::win32 {
namespace {

// Whether the thread is in one of the system's own loops that the keys
// belong to: a menu, or moving or sizing a window.
bool InSystemLoop() {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  return ::GetGUIThreadInfo(::GetCurrentThreadId(), &info) &&
         (info.flags &
          (GUI_INMENUMODE | GUI_INMOVESIZE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE)) != 0;
}

// Keyboard handling of the program's dialogs; true when the message was
// handled. Only keys are the dialogs' business: every other message goes on
// to whatever loop took it.
bool TranslateDialogMessage(UiState& ui, MSG& message) {
  if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST || InSystemLoop()) {
    return false;
  }
  const std::vector<Win32Dialog*> dialogs = ui.dialogs;  // a handler may add one
  for (Win32Dialog* dialog : dialogs) {
    HWND window = dialog->window();
    if (!::IsWindowVisible(window) || !::IsWindowEnabled(window) ||
        (message.hwnd != window && !::IsChild(window, message.hwnd))) {
      continue;
    }
    if (message.message == WM_KEYUP || message.message == WM_SYSKEYUP) {
      dialog->PostKeyUp(message.wParam);
    }
    return ::IsDialogMessageW(window, &message);
  }
  return false;
}

// A hook procedure gets no pointer of ours: this is how it finds the
// dialogs of the thread it runs on.
thread_local UiState* hooked_ui = nullptr;

// Sees every message taken off the thread's queue, by whatever loop.
LRESULT CALLBACK DialogKeyboardHook(int code, WPARAM wparam, LPARAM lparam) {
  auto* message = reinterpret_cast<MSG*>(lparam);
  if (code == HC_ACTION && wparam == PM_REMOVE && hooked_ui != nullptr &&
      TranslateDialogMessage(*hooked_ui, *message)) {
    message->message = WM_NULL;  // handled: the loop that took it does nothing more
  }
  return ::CallNextHookEx(nullptr, code, wparam, lparam);
}

}  // namespace

void GiveDialogsTheirKeyboard(UiState& ui) {
  if (ui.dialog_keyboard) {
    return;
  }
  hooked_ui = &ui;
  // Without the hook the dialogs work, but only the program's own loops would
  // give them Tab, Enter and Esc: nothing to report.
  ui.dialog_keyboard.reset(
      ::SetWindowsHookExW(WH_GETMESSAGE, &DialogKeyboardHook, nullptr, ::GetCurrentThreadId()));
}

bool DispatchNextMessage(bool wait) {
  MSG message;
  if (wait ? ::GetMessageW(&message, nullptr, 0, 0) == -1
           : !::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    return false;
  }
  if (message.message == WM_QUIT) {
    ::PostQuitMessage(static_cast<int>(message.wParam));  // for the main loop
    return false;
  }
  ::TranslateMessage(&message);
  ::DispatchMessageW(&message);
  return true;
}

}  // namespace wendora::win32
