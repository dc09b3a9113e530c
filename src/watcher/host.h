// Host names as the banner shows them, the way browsers decide it (UTS #39's
// restriction levels, as Chromium and Firefox apply them): a name written in
// other characters than ASCII shows as it is when each label keeps to one
// script, or to a mix that a language uses (Latin with Han and the Japanese
// kana, with Han and Bopomofo, or with Han and Hangul); otherwise it shows
// as Punycode ("xn--..."), the form that cannot pass for another name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace wendora {

// The writing systems that tell one name from another; characters shared by
// all (digits, the hyphen) and marks that take their base's script belong to
// none.
enum class Script : std::uint8_t {
  kNone,
  kLatin,
  kGreek,
  kCyrillic,
  kArmenian,
  kHebrew,
  kArabic,
  kDevanagari,
  kThai,
  kGeorgian,
  kHangul,
  kHiragana,
  kKatakana,
  kBopomofo,
  kHan,
  kOther,  // any other letter: each block of 128 counts as a script of its own
};

// The script of a character, and for kOther the block it stands for.
struct ScriptOfCharacter {
  Script script = Script::kNone;
  std::uint32_t block = 0;
};
ScriptOfCharacter ScriptOf(std::uint32_t code_point);

struct HostView {
  std::string shown;      // the host as the banner shows it and the shell gets it
  bool punycode = false;  // a label in other characters shows as Punycode
  // Latin letters beside Cyrillic or Greek ones anywhere in the name: the
  // mix that lookalike names use ("аpple.com" with a Cyrillic "а").
  bool latin_with_lookalikes = false;
  // A label in other characters than ASCII holds one that no name holds
  // (punctuation, symbols): no browser would go there, and its Punycode
  // would be no name either.
  bool broken = false;
};

// How a host (without port or brackets) is shown. Labels are separated by
// ".", or by the ideographic and full-width full stops, which browsers take
// for it.
HostView ViewHost(std::string_view host);

// Whether the text can be a host, with an optional ":port" after it: a name
// of letters (of any script), digits and hyphens with a dot inside whose
// last label is not a number, "localhost", four decimal numbers of an IPv4
// address, or an IPv6 address in brackets.
bool CanBeHost(std::string_view host_and_port);

}  // namespace wendora
