// The clipboard reader on the system's real clipboard, under Wine: the text
// and its owner, a clipboard that another program holds, a read that ends
// after the clipboard changed, and a read that throws.
#include "platform/win32/clipboard_reader.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <new>
#include <string>
#include <thread>

#include "base/runtime_error.h"

namespace wendora::win32 {
namespace {

using platform::ClipboardRead;

HGLOBAL Copy(const std::wstring& text) {
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  std::memcpy(::GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  ::GlobalUnlock(memory);
  return memory;
}

bool OpenWithRetries(HWND window) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    if (::OpenClipboard(window)) {
      return true;
    }
    ::Sleep(20);
  }
  return false;
}

void PutText(const std::wstring& text) {
  ASSERT_TRUE(OpenWithRetries(nullptr));
  ::EmptyClipboard();
  ::SetClipboardData(CF_UNICODETEXT, Copy(text));
  ::CloseClipboard();
}

// Reads until the reader has an answer that is not pending, for a while.
platform::ClipboardText ReadSoon(ClipboardReader& reader) {
  platform::ClipboardText clip;
  for (int round = 0; round < 100; ++round) {
    clip = reader.Read();
    if (clip.status != ClipboardRead::kPending) {
      break;
    }
    ::Sleep(50);
  }
  return clip;
}

// A window of a thread of its own, as another program's would be: it can
// hold the clipboard open, or own it and render its text when asked, after
// a delay.
class OtherWindow {
 public:
  OtherWindow() : thread_([this] { Run(); }) { ::WaitForSingleObject(ready_, INFINITE); }
  ~OtherWindow() {
    ::PostThreadMessageW(thread_id_, WM_QUIT, 0, 0);
    thread_.join();
    ::CloseHandle(ready_);
  }
  OtherWindow(const OtherWindow&) = delete;
  OtherWindow& operator=(const OtherWindow&) = delete;

  // Opens the clipboard and keeps it open until Close.
  void Hold() { Ask(kHold); }
  void Close() { Ask(kClose); }
  // Owns the clipboard with text promised, rendered after `delay_ms`.
  void Promise(std::wstring text, DWORD delay_ms) {
    text_ = std::move(text);
    delay_ms_ = delay_ms;
    Ask(kPromise);
  }

 private:
  static constexpr UINT kHold = WM_APP + 1;
  static constexpr UINT kClose = WM_APP + 2;
  static constexpr UINT kPromise = WM_APP + 3;

  void Ask(UINT what) { ::SendMessageW(window_, what, 0, 0); }

  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* self = reinterpret_cast<OtherWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
      case kHold:
        return OpenWithRetries(hwnd);
      case kClose:
        return ::CloseClipboard();
      case kPromise:
        if (OpenWithRetries(hwnd)) {
          ::EmptyClipboard();
          ::SetClipboardData(CF_UNICODETEXT, nullptr);
          ::CloseClipboard();
        }
        return 0;
      case WM_RENDERFORMAT:
        ::Sleep(self->delay_ms_);
        ::SetClipboardData(CF_UNICODETEXT, Copy(self->text_));
        return 0;
      default:
        return ::DefWindowProcW(hwnd, message, wparam, lparam);
    }
  }

  void Run() {
    thread_id_ = ::GetCurrentThreadId();
    WNDCLASSW wc{};
    wc.lpfnWndProc = &Procedure;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"WendoraReaderTestWindow";
    ::RegisterClassW(&wc);
    window_ = ::CreateWindowW(wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              wc.hInstance, nullptr);
    ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::SetEvent(ready_);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
      ::DispatchMessageW(&message);
    }
    ::DestroyWindow(window_);
  }

  HANDLE ready_ = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HWND window_ = nullptr;
  DWORD thread_id_ = 0;
  std::wstring text_;
  DWORD delay_ms_ = 0;
  std::thread thread_;
};

TEST(ClipboardReader, ReadsTheTextAndNamesItsOwner) {
  ClipboardReader reader;
  PutText(L"http://example.com/\x65E5\x672C");
  const platform::ClipboardText clip = ReadSoon(reader);
  EXPECT_EQ(clip.status, ClipboardRead::kText);
  EXPECT_EQ(clip.text, "http://example.com/\xE6\x97\xA5\xE6\x9C\xAC");
  EXPECT_FALSE(clip.private_content);

  // Owned by a window of this program: its file name is told.
  OtherWindow owner;
  owner.Promise(L"owned", 0);
  const platform::ClipboardText owned = ReadSoon(reader);
  EXPECT_EQ(owned.text, "owned");
  EXPECT_EQ(owned.owner_program, "clipboard_reader_test.exe");
}

TEST(ClipboardReader, AClipboardHeldByAnotherProgramRaises521) {
  ClipboardReader reader;
  PutText(L"held");
  OtherWindow holder;
  holder.Hold();
  int number = 0;
  for (int round = 0; round < 20 && number == 0; ++round) {
    try {
      reader.Read();
      ::Sleep(50);
    } catch (const RuntimeError& error) {
      number = error.number();
    }
  }
  EXPECT_EQ(number, kErrCantOpenClipboard);
  holder.Close();
  EXPECT_EQ(ReadSoon(reader).text, "held");
}

TEST(ClipboardReader, AReadOfAnEarlierClipboardIsDropped) {
  ClipboardReader reader;
  OtherWindow owner;
  // The owner takes a while to hand its text over: the first read is
  // pending, and ends on a clipboard that has changed since.
  owner.Promise(L"earlier", 400);
  EXPECT_EQ(reader.Read().status, ClipboardRead::kPending);
  ::Sleep(800);
  PutText(L"later");
  const platform::ClipboardText clip = ReadSoon(reader);
  EXPECT_EQ(clip.status, ClipboardRead::kText);
  EXPECT_EQ(clip.text, "later");
}

TEST(ClipboardReader, AReadThatThrowsCountsAsFailed) {
  ClipboardReader reader([](std::wstring_view) -> std::string { throw std::bad_alloc(); });
  PutText(L"no memory for this");
  EXPECT_EQ(ReadSoon(reader).status, ClipboardRead::kFailed);
  // The reader goes on reading.
  PutText(L"again");
  EXPECT_EQ(ReadSoon(reader).status, ClipboardRead::kFailed);
}

}  // namespace
}  // namespace wendora::win32
