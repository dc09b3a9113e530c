#include "watcher/punycode.h"

#include <algorithm>
#include <limits>

namespace wendora {
namespace {

// The Bootstring parameters of Punycode.
constexpr std::uint32_t kBase = 36;
constexpr std::uint32_t kTMin = 1;
constexpr std::uint32_t kTMax = 26;
constexpr std::uint32_t kSkew = 38;
constexpr std::uint32_t kDamp = 700;
constexpr std::uint32_t kInitialBias = 72;
constexpr std::uint32_t kInitialN = 0x80;
constexpr char kDelimiter = '-';

char EncodeDigit(std::uint32_t d) {
  // 0 to 25 are "a" to "z", 26 to 35 are "0" to "9".
  return static_cast<char>(d < 26 ? 'a' + d : '0' + (d - 26));
}

std::uint32_t Adapt(std::uint32_t delta, std::uint32_t points, bool first) {
  delta = first ? delta / kDamp : delta / 2;
  delta += delta / points;
  std::uint32_t k = 0;
  while (delta > ((kBase - kTMin) * kTMax) / 2) {
    delta /= kBase - kTMin;
    k += kBase;
  }
  return k + (kBase - kTMin + 1) * delta / (delta + kSkew);
}

}  // namespace

std::optional<std::string> PunycodeEncode(const std::vector<std::uint32_t>& input) {
  constexpr std::uint32_t kMax = std::numeric_limits<std::uint32_t>::max();
  std::string output;
  for (const std::uint32_t c : input) {
    if (c < 0x80) {
      output += static_cast<char>(c);
    }
  }
  const auto basic = static_cast<std::uint32_t>(output.size());
  std::uint32_t handled = basic;
  if (basic > 0) {
    output += kDelimiter;
  }
  std::uint32_t n = kInitialN;
  std::uint32_t delta = 0;
  std::uint32_t bias = kInitialBias;
  while (handled < input.size()) {
    // The smallest code point not yet handled.
    std::uint32_t m = kMax;
    for (const std::uint32_t c : input) {
      if (c >= n && c < m) {
        m = c;
      }
    }
    if (m - n > (kMax - delta) / (handled + 1)) {
      return std::nullopt;
    }
    delta += (m - n) * (handled + 1);
    n = m;
    for (const std::uint32_t c : input) {
      if (c < n && ++delta == 0) {
        return std::nullopt;
      }
      if (c != n) {
        continue;
      }
      // The delta as a generalised variable-length integer.
      std::uint32_t q = delta;
      for (std::uint32_t k = kBase;; k += kBase) {
        const std::uint32_t t = k <= bias ? kTMin : k >= bias + kTMax ? kTMax : k - bias;
        if (q < t) {
          break;
        }
        output += EncodeDigit(t + (q - t) % (kBase - t));
        q = (q - t) / (kBase - t);
      }
      output += EncodeDigit(q);
      bias = Adapt(delta, handled + 1, handled == basic);
      delta = 0;
      ++handled;
    }
    ++delta;
    ++n;
  }
  return output;
}

}  // namespace wendora
