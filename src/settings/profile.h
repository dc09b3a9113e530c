// The profile-file (INI) format: section headers in square brackets and
// "key=value" lines, read and rewritten the way the system's private-profile
// functions do it. Section and key names match without regard to letter case.
//
// The functions on text work on the file's bytes; ReadINI and WriteINI reach
// the file through the platform.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wendora {

namespace platform {
class Platform;
}

// Values longer than this are cut, as by a 256-character read buffer.
inline constexpr std::size_t kProfileValueMaxChars = 255;

// The value of the key in the section, blanks around it and one pair of
// enclosing quotation marks removed, cut to kProfileValueMaxChars characters;
// nothing when the section or the key is missing.
std::optional<std::string> ProfileLookup(std::string_view content, std::string_view section,
                                         std::string_view key);

// The content with the key set to the value: an existing key is replaced in
// place, a missing key is added at the end of its section, a missing section
// at the end of the file. All other bytes stay as they were.
std::string ProfileAssign(std::string_view content, std::string_view section, std::string_view key,
                          std::string_view value);

// The value of the key, or the default when the file, section or key is
// missing. An existing key with an empty value gives empty text.
std::string ReadINI(platform::Platform& platform, std::string_view section, std::string_view key,
                    std::string_view default_value, const std::string& file);

// Sets the key, creating the file, section or key as needed. The file is
// replaced as a whole or not at all; a write that fails is ignored.
void WriteINI(platform::Platform& platform, std::string_view value, std::string_view section,
              std::string_view key, const std::string& file);

}  // namespace wendora
