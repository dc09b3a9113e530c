#include "platform/win32/opening.h"

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <string>
#include <utility>

#include "base/path.h"
#include "platform/win32/paths.h"
#include "platform/win32/text.h"
#include "platform/win32/threads.h"
#include "platform/win32/unique_handle.h"

namespace wendora::win32 {
namespace {

using Status = platform::OpenOutcome::Status;

// The shell's item list of a path, freed with the scope.
class ItemList {
 public:
  explicit ItemList(const std::wstring& path) {
    if (FAILED(::SHParseDisplayName(path.c_str(), nullptr, &item_, 0, nullptr))) {
      item_ = nullptr;
    }
  }
  ~ItemList() { ::CoTaskMemFree(item_); }
  ItemList(const ItemList&) = delete;
  ItemList& operator=(const ItemList&) = delete;
  PIDLIST_ABSOLUTE get() const { return item_; }

 private:
  PIDLIST_ABSOLUTE item_ = nullptr;
};

// Asks the shell to open the file; the system's error number on failure.
// The shell shows no error box of its own: the program tells the user. Given
// the item it names, the shell opens exactly that item, and never looks for
// another file of a like name (a program beside a folder of its name).
DWORD Execute(HWND owner, const wchar_t* verb, const std::wstring& file,
              const std::wstring& parameters, const std::wstring& folder,
              PIDLIST_ABSOLUTE item = nullptr) {
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof(info);
  // This thread ends after the call: the shell must finish here, not on
  // threads of its own that would outlive it.
  info.fMask =
      SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI | (item != nullptr ? SEE_MASK_INVOKEIDLIST : 0);
  info.lpIDList = item;
  info.hwnd = owner;
  info.lpVerb = verb;
  info.lpFile = file.c_str();
  info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
  info.lpDirectory = folder.empty() ? nullptr : folder.c_str();
  info.nShow = SW_SHOW;
  if (::ShellExecuteExW(&info)) {
    return ERROR_SUCCESS;
  }
  const DWORD error = ::GetLastError();
  return error != ERROR_SUCCESS ? error : ERROR_NO_ASSOCIATION;
}

// The folder a file lies in, as a working folder: a drive's root keeps its
// backslash.
std::wstring FolderOfFile(const std::wstring& path) {
  std::wstring folder = Widen(FolderOf(Narrow(path)));
  if (!folder.empty() && folder.back() == L':') {
    folder += L'\\';
  }
  return folder;
}

// Opens the folder that holds the file, with the file selected. Explorer
// does the same when asked on its command line; it is started by its full
// path, never found by a search that a planted file could answer.
void ShowInFolder(HWND owner, const std::wstring& path) {
  const ItemList item(path);
  const bool shown =
      item.get() != nullptr && SUCCEEDED(::SHOpenFolderAndSelectItems(item.get(), 0, nullptr, 0));
  if (!shown) {
    // The system's own Windows folder, not a user's private one on a
    // terminal server.
    wchar_t windows[MAX_PATH] = {};
    const UINT length = ::GetSystemWindowsDirectoryW(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
      return;
    }
    // Its answer is not examined: the user sees whether the folder came.
    Execute(owner, nullptr, std::wstring(windows) + L"\\explorer.exe", L"/select,\"" + path + L"\"",
            L"");
  }
}

platform::OpenOutcome Open(const platform::OpenRequest& request) {
  HWND owner = reinterpret_cast<HWND>(request.owner);
  platform::OpenOutcome outcome;
  if (request.kind == platform::OpenRequest::Kind::kAddress) {
    outcome.path = request.target;
    // The first request's answer is not examined, as ever.
    Execute(owner, L"open", L"about:blank", L"", L"");
    if (const DWORD error = Execute(owner, L"open", Widen(request.target), L"", L"");
        error != ERROR_SUCCESS) {
      outcome.status = Status::kFailed;
      outcome.message = SystemMessage(error);
    }
    return outcome;
  }
  // One path for all that follows: as the system resolves it.
  const std::wstring path = ResolvedPath(Widen(request.target));
  outcome.path = Narrow(path);
  const DWORD attributes = ::GetFileAttributesW(ExtendedPath(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    outcome.status = Status::kMissing;
    return outcome;
  }
  const bool directory = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  const wchar_t* extension = ::PathFindExtensionW(path.c_str());
  if (!directory && ((request.runs_code && request.runs_code(outcome.path)) ||
                     (*extension != L'\0' && ::AssocIsDangerous(extension)))) {
    ShowInFolder(owner, path);
    outcome.status = Status::kShownInFolder;
    return outcome;
  }
  const ItemList item(path);
  if (const DWORD error = Execute(owner, L"open", path, L"", FolderOfFile(path), item.get());
      error != ERROR_SUCCESS) {
    outcome.status = Status::kFailed;
    outcome.message = SystemMessage(error);
  }
  return outcome;
}

}  // namespace

struct Win32Opening::Shared {
  Lock mutex;
  std::optional<platform::OpenOutcome> outcome;
};

Win32Opening::Win32Opening(platform::OpenRequest request) : shared_(std::make_shared<Shared>()) {
  // The thread is not waited for: it ends on its own once the shell has
  // answered, however long that takes.
  StartDetachedThread([shared = shared_, request = std::move(request)] {
    platform::OpenOutcome outcome;
    {
      const ComApartment com(COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
      try {
        outcome = Open(request);
      } catch (const std::exception&) {
        // No memory: told as a failure, with nothing that needs more.
        outcome = platform::OpenOutcome();
        outcome.status = Status::kFailed;
      }
    }
    const Held lock(shared->mutex);
    shared->outcome = std::move(outcome);
  });
}

std::optional<platform::OpenOutcome> Win32Opening::Outcome() {
  const Held lock(shared_->mutex);
  return shared_->outcome;
}

}  // namespace wendora::win32
