#include "base/path.h"

namespace wendora {

std::string_view FileName(std::string_view path) {
  const std::size_t separator = path.find_last_of("\\/");
  return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::string_view FolderOf(std::string_view path) {
  const std::size_t name = path.size() - FileName(path).size();
  return name == 0 ? std::string_view() : path.substr(0, name - 1);
}

}  // namespace wendora
