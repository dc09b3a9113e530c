// Conversions between the program's UTF-8 text and the system's wide text,
// and the system's own words for its error numbers.
#pragma once

#include <string>
#include <string_view>

namespace wendora::win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

// The system's description of an error number, without its line break;
// "Error N" when it has none.
std::string SystemMessage(unsigned long error);

}  // namespace wendora::win32
