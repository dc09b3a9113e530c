// Starting with Windows: the program's entry among the programs that Windows
// starts when the user logs on, kept under the name "Wendora".
#pragma once

#include <string>
#include <string_view>

#include "platform/platform.h"

namespace wendora {

class StartWithWindows {
 public:
  static constexpr std::string_view kEntryName = "Wendora";

  explicit StartWithWindows(platform::Platform& platform) : platform_(platform) {}

  // Whether Windows starts this program at logon: an entry that names this
  // executable and that the user has not turned off. Raises a run-time error
  // when the entry cannot be read.
  bool Enabled();
  // Turns starting at logon on (the entry names this executable, in double
  // quotes, and is turned on) or, when it is on, off (the entry goes).
  void Toggle();
  // An entry left naming a copy of this program that no longer exists (its
  // folder was moved) is made to name this one. One that names another
  // copy that exists is left alone.
  void MendMovedEntry();

  // The program that a command line starts: the first word, or the quoted
  // text at its front.
  static std::string ProgramOf(std::string_view command);

 private:
  std::string ThisProgram();

  platform::Platform& platform_;
};

}  // namespace wendora
