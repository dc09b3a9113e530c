// What screen readers learn of the banner: an object of the accessibility
// interface whose role is an alert and whose name is the window's text.
#pragma once

#include <windows.h>

#include <oleacc.h>

namespace wendora::win32 {

// The object for the window's client area, with one reference, which the
// caller releases. It reads the window's text and place whenever asked.
IAccessible* NewAlertAccessible(HWND window);

// The answer to WM_GETOBJECT for the window's client area: a fresh object
// that reads the window's text and place when asked. Other objects (0) are
// left to the system.
LRESULT AnswerAccessibilityRequest(HWND window, WPARAM wparam, LPARAM lparam);

}  // namespace wendora::win32
