// Files that run code or reach the network when the shell opens them:
// programs, scripts, installers, shortcuts, disk images, help and office
// files with macros or links. Any web page can put text on the clipboard, so
// a copied path to such a file is shown in its folder rather than opened.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace wendora {

class ProgramFileKinds {
 public:
  // The system's list of the extensions it runs as programs (PATHEXT, such
  // as ".COM;.EXE;.BAT"), to which the programs Windows always runs and the
  // kinds that run code by other means are added. An empty list stands for
  // the system's usual one.
  explicit ProgramFileKinds(std::string_view system_list);

  // Whether opening the path would run the file it names. Letter case does
  // not count, nor do dots and blanks at the end of a name, which the system
  // drops; a stream of a file (name:stream) counts by either name.
  bool Runs(std::string_view path) const;

 private:
  bool IsProgramExtension(std::string_view name) const;

  std::vector<std::string> extensions_;  // lower case, each with its dot
};

}  // namespace wendora
