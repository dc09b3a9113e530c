#include "watcher/seen_text.h"

#include <cstring>

namespace wendora {
namespace {

std::uint64_t RotateLeft(std::uint64_t x, int bits) {
  return (x << bits) | (x >> (64 - bits));
}

std::uint64_t Finish(std::uint64_t x) {
  x ^= x >> 33;
  x *= 0xFF51AFD7ED558CCDull;
  x ^= x >> 33;
  x *= 0xC4CEB9FE1A85EC53ull;
  x ^= x >> 33;
  return x;
}

// Two independent 64-bit hashes over the text, eight bytes at a time.
void Fingerprint(std::string_view text, std::uint64_t (&out)[2]) {
  std::uint64_t a = 0x9E3779B97F4A7C15ull ^ text.size();
  std::uint64_t b = 0xC2B2AE3D27D4EB4Full + text.size();
  std::size_t pos = 0;
  for (; pos < text.size(); pos += 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, text.data() + pos, text.size() - pos < 8 ? text.size() - pos : 8);
    a = RotateLeft(a ^ (word * 0x87C37B91114253D5ull), 31) * 0x4CF5AD432745937Full;
    b = (RotateLeft(b, 27) ^ word) * 0x100000001B3ull + 0x52DCE729ull;
  }
  out[0] = Finish(a);
  out[1] = Finish(b ^ a);
}

}  // namespace

SeenText::SeenText(std::string_view text) : size_(text.size()) {
  if (text.size() <= kKeptWhole) {
    text_ = std::string(text);
  } else {
    Fingerprint(text, fingerprint_);
  }
}

bool SeenText::operator==(const SeenText& other) const {
  return size_ == other.size_ && text_ == other.text_ && fingerprint_[0] == other.fingerprint_[0] &&
         fingerprint_[1] == other.fingerprint_[1];
}

}  // namespace wendora
