// Reads the clipboard's text on a thread of its own. The program that owns
// the clipboard may render its text only when asked, and may take seconds to
// answer or never answer at all; the user interface never waits for it more
// than a moment.
#pragma once

#include <memory>

#include "platform/platform.h"

namespace wendora::win32 {

class ClipboardReader {
 public:
  // The reading thread starts with the first read.
  ClipboardReader() = default;
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
  std::shared_ptr<Shared> shared_;
};

}  // namespace wendora::win32
