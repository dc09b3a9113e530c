#include "watcher/ignored_programs.h"

#include "base/path.h"
#include "base/text.h"

namespace wendora {

IgnoredPrograms::IgnoredPrograms(std::string_view list) {
  for (const std::string_view item : ListItems(list)) {
    if (const std::string_view name = FileName(item); !name.empty()) {
      names_.push_back(AsciiLower(std::string(name)));
    }
  }
}

bool IgnoredPrograms::Contains(std::string_view program) const {
  const std::string_view name = FileName(program);
  if (name.empty()) {
    return false;
  }
  for (const std::string& listed : names_) {
    if (SameIgnoringAsciiCase(listed, name)) {
      return true;
    }
  }
  return false;
}

}  // namespace wendora
