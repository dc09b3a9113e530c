#include "tray/start_with_windows.h"

#include "base/path.h"
#include "base/text.h"

namespace wendora {

std::string StartWithWindows::ProgramOf(std::string_view command) {
  command = Trim(command, " \t");
  if (!command.empty() && command.front() == '"') {
    const std::size_t close = command.find('"', 1);
    return std::string(command.substr(1, close == std::string_view::npos ? close : close - 1));
  }
  // Unquoted, a path with blanks in it still names its program when the
  // whole command does.
  const std::size_t dot = command.size() >= 4 ? command.size() - 4 : 0;
  if (SameIgnoringAsciiCase(command.substr(dot), ".exe")) {
    return std::string(command);
  }
  return std::string(command.substr(0, command.find_first_of(" \t")));
}

std::string StartWithWindows::ThisProgram() {
  return platform_.ProgramFolder() + "\\" + platform_.ExecutableName();
}

bool StartWithWindows::Enabled() {
  const platform::LogonStart entry = platform_.ReadLogonStart(kEntryName);
  return entry.present && !entry.disabled &&
         SameIgnoringAsciiCase(ProgramOf(entry.command), ThisProgram());
}

void StartWithWindows::Toggle() {
  if (Enabled()) {
    platform_.DeleteLogonStart(kEntryName);
    return;
  }
  platform_.WriteLogonStart(kEntryName, "\"" + ThisProgram() + "\"");
  platform_.EnableLogonStart(kEntryName);
}

void StartWithWindows::MendMovedEntry() {
  const platform::LogonStart entry = platform_.ReadLogonStart(kEntryName);
  if (!entry.present) {
    return;
  }
  const std::string named = ProgramOf(entry.command);
  const std::string self = ThisProgram();
  if (SameIgnoringAsciiCase(named, self) ||
      !SameIgnoringAsciiCase(FileName(named), platform_.ExecutableName()) ||
      platform_.PathExists(named)) {
    return;
  }
  // Whether the user had it turned off stays as it was.
  platform_.WriteLogonStart(kEntryName, "\"" + self + "\"");
}

}  // namespace wendora
