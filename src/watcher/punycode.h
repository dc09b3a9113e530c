// Punycode (RFC 3492): the ASCII form of a host name's label written in
// other characters, as DNS and browsers know it ("xn--" followed by it).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace wendora {

// The Punycode encoding of the code points, without the "xn--" prefix:
// the ASCII characters as they are, a "-" after them if there are any, then
// the others as generalised integers. Nothing when the label is too long
// for the encoding's integers.
std::optional<std::string> PunycodeEncode(const std::vector<std::uint32_t>& code_points);

}  // namespace wendora
