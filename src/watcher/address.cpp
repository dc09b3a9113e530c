#include "watcher/address.h"

#include <algorithm>

#include "base/text.h"
#include "watcher/host.h"

namespace wendora {

AddressParts SplitAddress(std::string_view address) {
  AddressParts parts;
  const std::size_t scheme_end = address.find("://");
  if (scheme_end == std::string_view::npos) {
    parts.rest = address;
    return parts;
  }
  parts.scheme = address.substr(0, scheme_end);
  std::string_view after = address.substr(scheme_end + 3);
  const std::size_t authority_end = std::min(after.find_first_of("/?#\\"), after.size());
  std::string_view authority = after.substr(0, authority_end);
  parts.rest = after.substr(authority_end);
  if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos) {
    parts.user_info = authority.substr(0, at);
    parts.has_user_info = true;
    authority.remove_prefix(at + 1);
  }
  std::size_t port = std::string_view::npos;
  if (!authority.empty() && authority.front() == '[') {
    const std::size_t close = authority.find(']');
    if (close != std::string_view::npos && close + 1 < authority.size() &&
        authority[close + 1] == ':') {
      port = close + 1;
    }
  } else {
    port = authority.rfind(':');
  }
  parts.host = authority.substr(0, port);
  parts.port = port == std::string_view::npos ? std::string_view() : authority.substr(port);
  return parts;
}

AddressView ViewAddress(std::string_view address) {
  const AddressParts parts = SplitAddress(address);
  AddressView view;
  if (parts.scheme.empty()) {
    view.target = view.display = std::string(address);
    return view;
  }
  std::string host_text(parts.host);
  if (host_text.find('%') != std::string::npos) {
    // What no host holds, even decoded: a browser refuses it.
    const std::optional<std::string> decoded = PercentDecoded(host_text);
    if (!decoded || HoldsHiddenCharacters(*decoded) ||
        decoded->find_first_of(" #%/:<>?@[\\]^|") != std::string::npos) {
      view.broken_host = true;
      view.target = view.display = std::string(address);
      return view;
    }
    host_text = *decoded;
    view.escaped_host = true;
  }
  const HostView host = ViewHost(host_text);
  view.has_user_info = parts.has_user_info;
  view.punycode = host.punycode;
  view.latin_with_lookalikes = host.latin_with_lookalikes;
  view.broken_host = host.broken;
  std::string front = std::string(parts.scheme) + "://";
  view.display = front + host.shown + std::string(parts.port);
  view.front = view.display.size();
  view.display += parts.rest;
  if (host.punycode) {
    // Only what the banner shows opens: the Punycode name.
    if (parts.has_user_info) {
      front += std::string(parts.user_info) + "@";
    }
    view.target = front + host.shown + std::string(parts.port) + std::string(parts.rest);
  } else {
    view.target = std::string(address);
  }
  return view;
}

}  // namespace wendora
