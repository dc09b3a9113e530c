#include "platform/win32/alert_accessible.h"

#include <string>

#include "platform/win32/window_class.h"

namespace wendora::win32 {
namespace {

bool IsSelf(const VARIANT& child) {
  return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

// The banner's client area as one alert without children. The object holds
// the window's handle only and asks the window for the rest, so that it
// never tells an old text.
class AlertAccessible final : public IAccessible {
 public:
  explicit AlertAccessible(HWND window) : window_(window) {}
  AlertAccessible(const AlertAccessible&) = delete;
  AlertAccessible& operator=(const AlertAccessible&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (object == nullptr) {
      return E_POINTER;
    }
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IAccessible) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ::InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = ::InterlockedDecrement(&references_);
    if (left == 0) {
      delete this;
    }
    return static_cast<ULONG>(left);
  }

  // IDispatch: not offered, as by most objects of this kind.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count != nullptr) {
      *count = 0;
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return Empty(parent); }
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
    if (count == nullptr) {
      return E_POINTER;
    }
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
    if (child != nullptr) {
      *child = nullptr;
    }
    return E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (name == nullptr) {
      return E_POINTER;
    }
    *name = nullptr;
    if (!IsSelf(child)) {
      return E_INVALIDARG;
    }
    const std::wstring text = WindowText(window_);
    *name = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *name != nullptr ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return NoText(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
    return NoText(child, text);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (role == nullptr) {
      return E_POINTER;
    }
    ::VariantInit(role);
    if (!IsSelf(child)) {
      return E_INVALIDARG;
    }
    role->vt = VT_I4;
    role->lVal = ROLE_SYSTEM_ALERT;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (state == nullptr) {
      return E_POINTER;
    }
    ::VariantInit(state);
    if (!IsSelf(child)) {
      return E_INVALIDARG;
    }
    state->vt = VT_I4;
    state->lVal = STATE_SYSTEM_READONLY | (::IsWindowVisible(window_) ? 0 : STATE_SYSTEM_INVISIBLE);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return NoText(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
    if (file != nullptr) {
      *file = nullptr;
    }
    if (topic != nullptr) {
      *topic = 0;
    }
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return NoText(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override { return NoChild(focus); }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    return NoChild(selection);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return NoText(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(long, VARIANT) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                        VARIANT child) override {
    if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) {
      return E_POINTER;
    }
    if (!IsSelf(child)) {
      return E_INVALIDARG;
    }
    RECT client{};
    ::GetClientRect(window_, &client);
    ::MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&client), 2);
    *left = client.left;
    *top = client.top;
    *width = client.right - client.left;
    *height = client.bottom - client.top;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long, VARIANT, VARIANT* end) override {
    return NoChild(end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
    if (child == nullptr) {
      return E_POINTER;
    }
    ::VariantInit(child);
    RECT client{};
    ::GetClientRect(window_, &client);
    ::MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&client), 2);
    if (!::PtInRect(&client, {x, y})) {
      return S_FALSE;
    }
    child->vt = VT_I4;
    child->lVal = CHILDID_SELF;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  ~AlertAccessible() = default;

  static HRESULT Empty(IDispatch** object) {
    if (object == nullptr) {
      return E_POINTER;
    }
    *object = nullptr;
    return S_FALSE;
  }
  static HRESULT NoText(const VARIANT& child, BSTR* text) {
    if (text == nullptr) {
      return E_POINTER;
    }
    *text = nullptr;
    return IsSelf(child) ? S_FALSE : E_INVALIDARG;
  }
  static HRESULT NoChild(VARIANT* child) {
    if (child == nullptr) {
      return E_POINTER;
    }
    ::VariantInit(child);
    return S_FALSE;
  }

  HWND window_;
  LONG references_ = 1;
};

}  // namespace

IAccessible* NewAlertAccessible(HWND window) {
  return new AlertAccessible(window);
}

LRESULT AnswerAccessibilityRequest(HWND window, WPARAM wparam, LPARAM lparam) {
  if (static_cast<LONG>(lparam) != OBJID_CLIENT) {
    return ::DefWindowProcW(window, WM_GETOBJECT, wparam, lparam);
  }
  IAccessible* object = NewAlertAccessible(window);
  // The system keeps what it needs of the object; ours goes.
  const LRESULT answer = ::LresultFromObject(IID_IAccessible, wparam, object);
  object->Release();
  return answer;
}

}  // namespace wendora::win32
