// What the watch cycle keeps of the text it saw last: enough to tell whether
// the clipboard's text is the same, without holding a copy of a long one for
// as long as it lies on the clipboard.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace wendora {

class SeenText {
 public:
  // Texts up to this length are kept whole and compared character by
  // character; a longer one is kept as its length and a 128-bit fingerprint.
  static constexpr std::size_t kKeptWhole = 64 * 1024;

  SeenText() = default;
  explicit SeenText(std::string_view text);

  bool Matches(std::string_view text) const { return *this == SeenText(text); }
  bool operator==(const SeenText& other) const;

  // The bytes of text held: the whole text when it is short, none otherwise.
  std::size_t KeptBytes() const { return text_.size(); }

 private:
  std::string text_;  // the whole text, when it is short
  std::size_t size_ = 0;
  std::uint64_t fingerprint_[2] = {0, 0};
};

}  // namespace wendora
