// The parts of a path, as Windows writes it: folders separated by "\" (or
// "/"), the file name after the last separator.
#pragma once

#include <string_view>

namespace wendora {

// The file name: what follows the last separator, or the whole path when it
// has none.
std::string_view FileName(std::string_view path);

// The folder that holds the file: what comes before the last separator,
// without it; empty when there is none.
std::string_view FolderOf(std::string_view path);

}  // namespace wendora
