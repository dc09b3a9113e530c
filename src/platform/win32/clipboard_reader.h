// Reads the clipboard's text on a thread of its own. The program that owns
// the clipboard may render its text only when asked, and may take seconds to
// answer or never answer at all; the user interface never waits for it more
// than a moment.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace wendora::win32 {

class ClipboardReader {
 public:
  // Turns the clipboard's text into the program's UTF-8; it may throw, for
  // want of memory, and then the read counts as failed.
  using Converter = std::function<std::string(std::wstring_view)>;

  // The reading thread starts with the first read. The converter is the
  // usual one but for tests.
  explicit ClipboardReader(Converter convert = {});
  ~ClipboardReader();
  ClipboardReader(const ClipboardReader&) = delete;
  ClipboardReader& operator=(const ClipboardReader&) = delete;

  // The text of the clipboard as it is now, if it can be had within a
  // moment; otherwise a pending read that a later call takes up again. A
  // read that ends after the clipboard changed is dropped. Raises error 521
  // when the clipboard cannot be opened.
  platform::ClipboardText Read();

  struct Shared;

 private:
  Converter convert_;
  std::shared_ptr<Shared> shared_;
};

}  // namespace wendora::win32
