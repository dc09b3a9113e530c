#include "watcher/program_files.h"

#include "base/path.h"
#include "base/text.h"

namespace wendora {
namespace {

// What Windows has in PATHEXT when nobody changed it.
constexpr std::string_view kUsualSystemList =
    ".COM;.EXE;.BAT;.CMD;.VBS;.VBE;.JS;.JSE;.WSF;.WSH;.MSC";

// Files that the shell runs, or that run code, without being in PATHEXT.
constexpr std::string_view kOtherKinds[] = {
    ".lnk", ".url",  ".scf", ".pif", ".hta", ".msi",         ".msp",
    ".ps1", ".psm1", ".vbs", ".vbe", ".js",  ".jse",         ".wsf",
    ".wsh", ".reg",  ".cpl", ".scr", ".jar", ".application", ".appref-ms"};

}  // namespace

ProgramFileKinds::ProgramFileKinds(std::string_view system_list) {
  std::vector<std::string_view> entries = ListItems(system_list);
  if (entries.empty()) {
    entries = ListItems(kUsualSystemList);
  }
  for (const std::string_view entry : entries) {
    extensions_.push_back(
        AsciiLower(entry.front() == '.' ? std::string(entry) : "." + std::string(entry)));
  }
  for (const std::string_view kind : kOtherKinds) {
    extensions_.emplace_back(kind);
  }
}

bool ProgramFileKinds::Runs(std::string_view path) const {
  std::string_view name = FileName(path);
  // "setup.exe:stream" and "notes.txt:setup.exe" both name code.
  while (!name.empty()) {
    const std::size_t colon = name.find(':');
    if (IsProgramExtension(name.substr(0, colon))) {
      return true;
    }
    name = colon == std::string_view::npos ? std::string_view() : name.substr(colon + 1);
  }
  return false;
}

bool ProgramFileKinds::IsProgramExtension(std::string_view name) const {
  // The system drops dots and blanks at the end of a file name.
  const std::size_t last = name.find_last_not_of(". ");
  name = last == std::string_view::npos ? std::string_view() : name.substr(0, last + 1);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) {
    return false;
  }
  const std::string_view extension = name.substr(dot);
  for (const std::string& kind : extensions_) {
    if (SameIgnoringAsciiCase(kind, extension)) {
      return true;
    }
  }
  return false;
}

}  // namespace wendora
