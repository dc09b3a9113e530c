// The thread's message loop, and the keyboard handling of the program's
// dialogs that every message loop of the thread gives them.
#pragma once

#include "platform/win32/window_class.h"

namespace wendora::win32 {

// Takes the next message off the thread's queue (waiting for one when told
// to) and dispatches it. False when there was none, or when it was the
// request to quit, which is posted again for the main loop. The keyboard
// handling of the program's dialogs (Tab, Enter, Esc, access keys and the
// key-release events) happens in every message loop of the thread, this and
// those of message boxes, menus and the colour dialog alike.
bool DispatchNextMessage(bool wait);

// Sets the keyboard handling of the dialogs up, once per thread.
void GiveDialogsTheirKeyboard(UiState& ui);

}  // namespace wendora::win32
