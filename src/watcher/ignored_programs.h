// The programs whose copies are not announced, as the user lists them: file
// names separated by ";", such as "chrome.exe;msedge.exe;firefox.exe".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace wendora {

class IgnoredPrograms {
 public:
  explicit IgnoredPrograms(std::string_view list);

  // Whether the program (a file name, or a path whose file name counts) is
  // listed. Names match without regard to the letter case of ASCII letters
  // and without their folders; blanks around a listed name do not count. A
  // program that could not be told (empty) is never listed.
  bool Contains(std::string_view program) const;

 private:
  std::vector<std::string> names_;  // file names, lower case
};

}  // namespace wendora
