// Move-only owners of Windows handles: each frees its handle exactly once.
#pragma once

#include <windows.h>

#include <objbase.h>

#include <cstddef>
#include <utility>

namespace wendora::win32 {

template <typename T, typename Traits>
class Unique {
 public:
  Unique() = default;
  explicit Unique(T value) : value_(value) {}
  ~Unique() { reset(); }

  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  Unique(Unique&& other) noexcept : value_(other.release()) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) {
      reset(other.release());
    }
    return *this;
  }

  T get() const { return value_; }
  explicit operator bool() const { return Traits::IsValid(value_); }

  T release() { return std::exchange(value_, Traits::Invalid()); }
  void reset(T value = Traits::Invalid()) {
    if (Traits::IsValid(value_)) {
      Traits::Close(value_);
    }
    value_ = value;
  }

 private:
  T value_ = Traits::Invalid();
};

// A kernel object handle (mutex, file): 0 and INVALID_HANDLE_VALUE both mean none.
struct KernelHandleTraits {
  static HANDLE Invalid() { return nullptr; }
  static bool IsValid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { ::CloseHandle(h); }
};
using UniqueHandle = Unique<HANDLE, KernelHandleTraits>;

struct WindowTraits {
  static HWND Invalid() { return nullptr; }
  static bool IsValid(HWND h) { return h != nullptr; }
  static void Close(HWND h) { ::DestroyWindow(h); }
};
using UniqueWindow = Unique<HWND, WindowTraits>;

struct HookTraits {
  static HHOOK Invalid() { return nullptr; }
  static bool IsValid(HHOOK h) { return h != nullptr; }
  static void Close(HHOOK h) { ::UnhookWindowsHookEx(h); }
};
using UniqueHook = Unique<HHOOK, HookTraits>;

struct IconTraits {
  static HICON Invalid() { return nullptr; }
  static bool IsValid(HICON h) { return h != nullptr; }
  static void Close(HICON h) { ::DestroyIcon(h); }
};
using UniqueIcon = Unique<HICON, IconTraits>;

struct MenuTraits {
  static HMENU Invalid() { return nullptr; }
  static bool IsValid(HMENU h) { return h != nullptr; }
  static void Close(HMENU h) { ::DestroyMenu(h); }
};
using UniqueMenu = Unique<HMENU, MenuTraits>;

struct RegKeyTraits {
  static HKEY Invalid() { return nullptr; }
  static bool IsValid(HKEY h) { return h != nullptr; }
  static void Close(HKEY h) { ::RegCloseKey(h); }
};
using UniqueRegKey = Unique<HKEY, RegKeyTraits>;

// Memory the system allocated for the caller with LocalAlloc (the text of
// FormatMessage with FORMAT_MESSAGE_ALLOCATE_BUFFER).
struct LocalMemoryTraits {
  static HLOCAL Invalid() { return nullptr; }
  static bool IsValid(HLOCAL h) { return h != nullptr; }
  static void Close(HLOCAL h) { ::LocalFree(h); }
};
using UniqueLocalMemory = Unique<HLOCAL, LocalMemoryTraits>;

// Pens, brushes, fonts and bitmaps.
template <typename T>
struct GdiObjectTraits {
  static T Invalid() { return nullptr; }
  static bool IsValid(T h) { return h != nullptr; }
  static void Close(T h) { ::DeleteObject(h); }
};
using UniqueBitmap = Unique<HBITMAP, GdiObjectTraits<HBITMAP>>;
using UniqueBrush = Unique<HBRUSH, GdiObjectTraits<HBRUSH>>;
using UniqueFont = Unique<HFONT, GdiObjectTraits<HFONT>>;
using UniquePen = Unique<HPEN, GdiObjectTraits<HPEN>>;

struct MemoryDcTraits {
  static HDC Invalid() { return nullptr; }
  static bool IsValid(HDC h) { return h != nullptr; }
  static void Close(HDC h) { ::DeleteDC(h); }
};
using UniqueMemoryDc = Unique<HDC, MemoryDcTraits>;

// A bitmap selected into a memory device context of its own, as for an image
// drawn off screen. At its end the context's original bitmap goes back in
// and both are freed.
class MemoryBitmap {
 public:
  MemoryBitmap() = default;
  // Takes both and selects the bitmap into the context.
  MemoryBitmap(UniqueMemoryDc dc, UniqueBitmap bitmap)
      : dc_(std::move(dc)),
        bitmap_(std::move(bitmap)),
        original_(::SelectObject(dc_.get(), bitmap_.get())) {}
  ~MemoryBitmap() { SelectOriginal(); }

  MemoryBitmap(const MemoryBitmap&) = delete;
  MemoryBitmap& operator=(const MemoryBitmap&) = delete;
  MemoryBitmap(MemoryBitmap&& other) noexcept
      : dc_(std::move(other.dc_)),
        bitmap_(std::move(other.bitmap_)),
        original_(std::exchange(other.original_, nullptr)) {}
  MemoryBitmap& operator=(MemoryBitmap&& other) noexcept {
    if (this != &other) {
      SelectOriginal();
      dc_ = std::move(other.dc_);
      bitmap_ = std::move(other.bitmap_);
      original_ = std::exchange(other.original_, nullptr);
    }
    return *this;
  }

  HDC dc() const { return dc_.get(); }
  explicit operator bool() const { return static_cast<bool>(dc_); }

 private:
  void SelectOriginal() {
    if (dc_ && original_ != nullptr) {
      ::SelectObject(dc_.get(), original_);
    }
  }

  UniqueMemoryDc dc_;
  UniqueBitmap bitmap_;
  HGDIOBJ original_ = nullptr;  // the context's own bitmap
};

// The screen's device context, for the life of the scope.
class ScreenDc {
 public:
  ScreenDc() : dc_(::GetDC(nullptr)) {}
  ~ScreenDc() {
    if (dc_ != nullptr) {
      ::ReleaseDC(nullptr, dc_);
    }
  }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// A window's painting, from BeginPaint to EndPaint.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window), dc_(::BeginPaint(window, &paint_)) {}
  ~PaintScope() { ::EndPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC dc() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// A global memory block, locked for the life of the scope.
class GlobalLockScope {
 public:
  explicit GlobalLockScope(HGLOBAL memory)
      : memory_(memory), data_(memory ? ::GlobalLock(memory) : nullptr) {}
  ~GlobalLockScope() {
    if (data_ != nullptr) {
      ::GlobalUnlock(memory_);
    }
  }
  GlobalLockScope(const GlobalLockScope&) = delete;
  GlobalLockScope& operator=(const GlobalLockScope&) = delete;
  void* data() const { return data_; }
  std::size_t size() const { return data_ ? ::GlobalSize(memory_) : 0; }

 private:
  HGLOBAL memory_;
  void* data_;
};

// COM initialised on the calling thread, for the life of the object. It is
// uninitialised at the end only if the initialisation succeeded: S_OK, or
// S_FALSE when the thread had it already (each counts once). A failure (the
// thread has COM in another mode) leaves nothing to undo.
class ComApartment {
 public:
  explicit ComApartment(DWORD flags) {
    const HRESULT result = ::CoInitializeEx(nullptr, flags);
    initialized_ = result == S_OK || result == S_FALSE;
  }
  ~ComApartment() {
    if (initialized_) {
      ::CoUninitialize();
    }
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ComApartment(ComApartment&& other) noexcept
      : initialized_(std::exchange(other.initialized_, false)) {}
  ComApartment& operator=(ComApartment&& other) noexcept {
    if (this != &other) {
      if (initialized_) {
        ::CoUninitialize();
      }
      initialized_ = std::exchange(other.initialized_, false);
    }
    return *this;
  }

 private:
  bool initialized_ = false;
};

// Selects a GDI object into a device context for the life of the scope.
class SelectObjectScope {
 public:
  SelectObjectScope(HDC dc, HGDIOBJ object) : dc_(dc), old_(::SelectObject(dc, object)) {}
  ~SelectObjectScope() { ::SelectObject(dc_, old_); }
  SelectObjectScope(const SelectObjectScope&) = delete;
  SelectObjectScope& operator=(const SelectObjectScope&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace wendora::win32
