// The banner as screen readers see it, in process: under Wine neither the
// system's accessibility proxies nor the handing over of an object through
// WM_GETOBJECT work, so the banner's own object is asked directly. It is an
// alert named by the window's text.
#include "platform/win32/alert_accessible.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/win32/win32_platform.h"

namespace wendora::win32 {
namespace {

VARIANT Self() {
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  return self;
}

std::wstring NameOf(IAccessible& object) {
  BSTR name = nullptr;
  EXPECT_EQ(object.get_accName(Self(), &name), S_OK);
  std::wstring text(name, ::SysStringLen(name));
  ::SysFreeString(name);
  return text;
}

TEST(BannerAccessible, AnAlertNamedByTheWindowsText) {
  Win32Platform platform;
  const std::unique_ptr<platform::Form> form = platform.CreateForm({0, -4950, 8895, 1335});
  HWND window = reinterpret_cast<HWND>(form->handle());
  form->SetText("http://example.com/\xE6\x97\xA5 URL");

  IAccessible* object = NewAlertAccessible(window);
  VARIANT role{};
  ASSERT_EQ(object->get_accRole(Self(), &role), S_OK);
  EXPECT_EQ(role.vt, VT_I4);
  EXPECT_EQ(role.lVal, ROLE_SYSTEM_ALERT);
  EXPECT_EQ(NameOf(*object), L"http://example.com/\x65E5 URL");
  long children = -1;
  EXPECT_EQ(object->get_accChildCount(&children), S_OK);
  EXPECT_EQ(children, 0);
  VARIANT state{};
  ASSERT_EQ(object->get_accState(Self(), &state), S_OK);
  EXPECT_NE(state.lVal & STATE_SYSTEM_INVISIBLE, 0);  // the banner is hidden

  // The object asks the window afresh: a new text is its new name.
  form->SetText("next");
  EXPECT_EQ(NameOf(*object), L"next");

  // Its place is the window's client area on the screen.
  long left = 0;
  long top = 0;
  long width = 0;
  long height = 0;
  ASSERT_EQ(object->accLocation(&left, &top, &width, &height, Self()), S_OK);
  RECT client{};
  ::GetClientRect(window, &client);
  EXPECT_EQ(width, client.right);
  EXPECT_EQ(height, client.bottom);

  // It speaks for itself only: no children, nothing else to name.
  VARIANT other{};
  other.vt = VT_I4;
  other.lVal = 1;
  BSTR name = nullptr;
  EXPECT_EQ(object->get_accName(other, &name), E_INVALIDARG);
  IUnknown* unknown = nullptr;
  EXPECT_EQ(object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
  EXPECT_EQ(unknown->Release(), 1u);
  EXPECT_EQ(object->Release(), 0u);
}

}  // namespace
}  // namespace wendora::win32
