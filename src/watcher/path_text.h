// Paths as Windows programs write them: "C:\folder\file", also with "/"
// ("C:/folder/file"), network paths ("\\server\share\file") and "file:"
// addresses ("file:///C:/folder/file", "file://server/share/file").
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wendora {

struct PathText {
  std::string path;      // as the shell opens it, with "\" between its parts
  bool network = false;  // on another computer: "\\server\share\..."
};

// The path a text names: a drive path (any one character, then ":\"; or a
// letter, then ":/") or a network path. Nothing for other texts, and for
// the network paths that are not a plain share: a server with "@" (WebDAV
// over SSL or another port), a "DavWWWRoot" folder (WebDAV, which sends the
// user's credentials), and the device forms "\\?\" and "\\.\".
std::optional<PathText> PathFromText(std::string_view text);

// The path of a "file:" address: "file:///C:/...", "file://localhost/C:/..."
// or "file://server/share/..." (also with four slashes); its percent escapes
// decoded as UTF-8. Nothing when it names no such path, when an escape does
// not decode, or when the path is refused as above.
std::optional<PathText> PathFromFileAddress(std::string_view address);

// Whether a text starts as a "file:" address, in any letter case.
bool IsFileAddress(std::string_view text);

}  // namespace wendora
