#include "platform/win32/clipboard_reader.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <exception>
#include <optional>
#include <string>

#include "base/path.h"
#include "base/runtime_error.h"
#include "platform/win32/text.h"
#include "platform/win32/threads.h"
#include "platform/win32/unique_handle.h"

namespace wendora::win32 {
namespace {

// How long a read that has just been asked for may keep the user interface
// waiting; a read already under way is only looked at.
constexpr DWORD kFirstWaitMs = 100;
// How long the owner of the clipboard has to answer before it counts as not
// answering, and how long to wait before asking it again.
constexpr UINT kOwnerAnswerMs = 200;
constexpr DWORD kOwnerRetryMs = 100;

// The clipboard, open for the life of the scope.
class OpenClipboardScope {
 public:
  OpenClipboardScope() : open_(::OpenClipboard(nullptr) != FALSE) {}
  ~OpenClipboardScope() {
    if (open_) {
      ::CloseClipboard();
    }
  }
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
  bool open() const { return open_; }

 private:
  bool open_;
};

enum class Outcome { kText, kNoText, kFailed, kHeld, kChanged };

// The file name of the program whose window owns the clipboard; empty when
// there is no owner window, or its process cannot be asked.
std::string OwnerProgram() {
  DWORD process_id = 0;
  HWND owner = ::GetClipboardOwner();
  if (owner == nullptr || ::GetWindowThreadProcessId(owner, &process_id) == 0) {
    return {};
  }
  const UniqueHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process_id));
  if (!process) {
    return {};
  }
  std::wstring image(32768, L'\0');
  DWORD length = static_cast<DWORD>(image.size());
  if (!::QueryFullProcessImageNameW(process.get(), 0, image.data(), &length)) {
    return {};
  }
  image.resize(length);
  return std::string(FileName(Narrow(image)));
}

struct Result {
  Outcome outcome = Outcome::kFailed;
  DWORD sequence = 0;  // of the clipboard the read began on
  platform::ClipboardText text;
};

}  // namespace

struct ClipboardReader::Shared {
  explicit Shared(Converter converter) : convert(std::move(converter)) {}

  const Converter convert;
  Lock mutex;
  Condition wake;  // a read was asked for, or the reader ends
  Condition done;  // a read has ended
  bool requested = false;
  bool busy = false;
  bool quit = false;
  std::optional<Result> result;

  // Formats by which a clipboard owner (a password manager) asks watchers to
  // look away from its content.
  const UINT exclude_format =
      ::RegisterClipboardFormatW(L"ExcludeClipboardContentFromMonitorProcessing");
  const UINT viewer_ignore_format = ::RegisterClipboardFormatW(L"Clipboard Viewer Ignore");
  const UINT history_format = ::RegisterClipboardFormatW(L"CanIncludeInClipboardHistory");

  bool Quitting() {
    const Held lock(mutex);
    return quit;
  }

  // Waits until the owner of the clipboard answers; false when the
  // clipboard changed (or the reader ends) first. Without this, an owner
  // that hangs would keep the clipboard open, for this program and every
  // other, for as long as the system waits for it.
  bool OwnerAnswers(DWORD sequence) {
    for (;;) {
      HWND owner = ::GetClipboardOwner();
      DWORD_PTR ignored = 0;
      if (owner == nullptr ||
          ::SendMessageTimeoutW(owner, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, kOwnerAnswerMs,
                                &ignored) != 0) {
        return true;
      }
      if (::GetClipboardSequenceNumber() != sequence || Quitting()) {
        return false;
      }
      ::Sleep(kOwnerRetryMs);
      if (::GetClipboardSequenceNumber() != sequence || Quitting()) {
        return false;
      }
    }
  }

  // Everything here may wait: under Wine even asking which formats the
  // clipboard holds waits for the system's clipboard manager, which may in
  // turn wait for a hung owner. The clipboard is open only while its data
  // is copied out: the owner is looked up before, and the text converted
  // after, so that other programs' copies never wait for either.
  Result ReadOnce() {
    Result result;
    result.sequence = ::GetClipboardSequenceNumber();
    if (!::IsClipboardFormatAvailable(CF_UNICODETEXT) && !::IsClipboardFormatAvailable(CF_TEXT)) {
      result.outcome = Outcome::kNoText;
      return result;
    }
    if (!OwnerAnswers(result.sequence)) {
      result.outcome = Outcome::kChanged;
      return result;
    }
    platform::ClipboardText& text = result.text;
    text.owner_program = OwnerProgram();
    std::wstring chars;
    {
      const OpenClipboardScope clipboard;
      if (!clipboard.open()) {
        result.outcome = Outcome::kHeld;
        return result;
      }
      // While the clipboard is open nobody can change it: what is read is of
      // this sequence number, and it must be the one looked at above, whose
      // owner was looked up.
      if (::GetClipboardSequenceNumber() != result.sequence) {
        result.outcome = Outcome::kChanged;
        return result;
      }
      text.private_content = IsPrivate();
      const GlobalLockScope data(::GetClipboardData(CF_UNICODETEXT));
      if (data.data() == nullptr) {
        result.outcome = Outcome::kFailed;  // the owner rendered nothing
        return result;
      }
      const auto* start = static_cast<const wchar_t*>(data.data());
      const std::size_t capacity = data.size() / sizeof(wchar_t);
      chars.assign(start, std::find(start, start + capacity, L'\0'));
    }
    text.text = convert(chars);
    result.outcome = Outcome::kText;
    return result;
  }

  // Whether the clipboard's owner (a password manager) asked watchers to
  // look away from its content. The clipboard is open.
  bool IsPrivate() const {
    if ((exclude_format && ::IsClipboardFormatAvailable(exclude_format)) ||
        (viewer_ignore_format && ::IsClipboardFormatAvailable(viewer_ignore_format))) {
      return true;
    }
    if (!history_format || !::IsClipboardFormatAvailable(history_format)) {
      return false;
    }
    const GlobalLockScope flag(::GetClipboardData(history_format));
    DWORD allowed = 1;
    if (flag.data() != nullptr && flag.size() >= sizeof(allowed)) {
      std::memcpy(&allowed, flag.data(), sizeof(allowed));
    }
    return allowed == 0;
  }

  void Run() {
    Held lock(mutex);
    for (;;) {
      wake.WaitFor(lock, INFINITE, [this] { return requested || quit; });
      if (quit) {
        return;
      }
      requested = false;
      busy = true;
      lock.unlock();
      Result read;
      try {
        read = ReadOnce();
      } catch (const std::exception&) {
        read.outcome = Outcome::kFailed;  // no memory for the text: as a failed read
        read.sequence = ::GetClipboardSequenceNumber();
      }
      lock.lock();
      result = std::move(read);
      busy = false;
      done.NotifyAll();
    }
  }
};

ClipboardReader::ClipboardReader(Converter convert)
    : convert_(convert ? std::move(convert) : Converter(&Narrow)) {}

ClipboardReader::~ClipboardReader() {
  if (!shared_) {
    return;
  }
  // A read may wait for an owner that never answers: the thread is not
  // waited for, and ends on its own once it is free.
  const Held lock(shared_->mutex);
  shared_->quit = true;
  shared_->wake.NotifyAll();
}

platform::ClipboardText ClipboardReader::Read() {
  if (!shared_) {
    shared_ = std::make_shared<Shared>(convert_);
    StartDetachedThread([shared = shared_] { shared->Run(); });
  }
  const DWORD sequence = ::GetClipboardSequenceNumber();
  Held lock(shared_->mutex);
  Shared& s = *shared_;
  for (int round = 0; round < 2; ++round) {
    bool asked = false;
    if (!s.result && !s.busy && !s.requested) {
      s.requested = true;
      s.wake.NotifyOne();
      asked = true;
    }
    s.done.WaitFor(lock, asked ? kFirstWaitMs : 0, [&s] { return s.result.has_value(); });
    if (!s.result) {
      break;
    }
    Result result = std::move(*s.result);
    s.result.reset();
    if (result.outcome == Outcome::kChanged || result.sequence != sequence) {
      continue;  // a read of an earlier clipboard: ask anew
    }
    switch (result.outcome) {
      case Outcome::kHeld:
        throw RuntimeError(kErrCantOpenClipboard);
      case Outcome::kNoText:
        result.text.status = platform::ClipboardRead::kNoText;
        return std::move(result.text);
      case Outcome::kFailed:
        result.text.status = platform::ClipboardRead::kFailed;
        return std::move(result.text);
      default:
        return std::move(result.text);
    }
  }
  platform::ClipboardText pending;
  pending.status = platform::ClipboardRead::kPending;
  return pending;
}

}  // namespace wendora::win32
