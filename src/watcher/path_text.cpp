#include "watcher/path_text.h"

#include <algorithm>

#include "base/text.h"

namespace wendora {
namespace {

bool IsAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::string WithBackslashes(std::string_view text) {
  std::string path(text);
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

std::optional<PathText> NetworkPath(std::string path) {
  // "\\server\share" at least.
  const std::string_view rest = std::string_view(path).substr(2);
  const std::size_t server_end = rest.find('\\');
  if (server_end == 0 || server_end == std::string_view::npos || server_end + 1 >= rest.size() ||
      rest[server_end + 1] == '\\') {
    return std::nullopt;
  }
  const std::string_view server = rest.substr(0, server_end);
  if (server == "?" || server == "." || server.find('@') != std::string_view::npos) {
    return std::nullopt;
  }
  for (std::string_view parts = rest; !parts.empty();) {
    const std::size_t end = parts.find('\\');
    if (SameIgnoringAsciiCase(parts.substr(0, end), "DavWWWRoot")) {
      return std::nullopt;
    }
    parts = end == std::string_view::npos ? std::string_view() : parts.substr(end + 1);
  }
  return PathText{std::move(path), true};
}

bool IsDrivePathSlashed(std::string_view text) {
  return text.size() >= 3 && IsAsciiLetter(text[0]) && text[1] == ':' && text[2] == '/';
}

}  // namespace

std::optional<PathText> PathFromText(std::string_view text) {
  if (text.empty()) {
    return std::nullopt;
  }
  // Any one character, then ":\", as ever; or a drive letter, then ":/".
  if (text.substr(CharacterLength(text, 0), 2) == ":\\" || IsDrivePathSlashed(text)) {
    return PathText{WithBackslashes(text), false};
  }
  if (text.substr(0, 2) == "\\\\") {
    return NetworkPath(WithBackslashes(text));
  }
  return std::nullopt;
}

bool IsFileAddress(std::string_view text) {
  return SameIgnoringAsciiCase(text.substr(0, 5), "file:");
}

std::optional<PathText> PathFromFileAddress(std::string_view address) {
  if (!IsFileAddress(address)) {
    return std::nullopt;
  }
  const std::optional<std::string> decoded = PercentDecoded(address.substr(5));
  if (!decoded) {
    return std::nullopt;
  }
  std::string_view rest = *decoded;
  if (rest.substr(0, 4) == "////") {
    return NetworkPath(WithBackslashes(rest.substr(2)));  // file:////server/share
  }
  if (rest.substr(0, 3) == "///") {
    rest.remove_prefix(3);  // file:///C:/...
  } else if (rest.substr(0, 2) == "//") {
    rest.remove_prefix(2);
    const std::size_t host_end = rest.find('/');
    const std::string_view host = rest.substr(0, host_end);
    if (!SameIgnoringAsciiCase(host, "localhost")) {
      return NetworkPath("\\\\" + WithBackslashes(rest));  // file://server/share
    }
    rest = host_end == std::string_view::npos ? std::string_view() : rest.substr(host_end + 1);
  } else {
    return std::nullopt;
  }
  // A drive path; "|" stood for ":" in old addresses.
  if (rest.size() >= 2 && IsAsciiLetter(rest[0]) && (rest[1] == ':' || rest[1] == '|') &&
      (rest.size() == 2 || rest[2] == '/' || rest[2] == '\\')) {
    std::string path = WithBackslashes(rest);
    path[1] = ':';
    if (path.size() == 2) {
      path += '\\';
    }
    return PathText{std::move(path), false};
  }
  return std::nullopt;
}

}  // namespace wendora
