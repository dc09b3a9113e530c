// Conversions between the program's UTF-8 text and the system's wide text.
#pragma once

#include <string>
#include <string_view>

namespace wendora::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

}  // namespace wendora::win32
