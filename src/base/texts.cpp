#include "base/texts.h"

#include "base/text.h"

namespace wendora {
namespace {

// The language of the program's texts: one for the whole program, chosen at
// start-up.
Language g_language = Language::kJapanese;

}  // namespace

void UseLanguage(Language language) {
  g_language = language;
}

Language CurrentLanguage() {
  return g_language;
}

std::string_view Text(TextId id, Language language) {
  return language == Language::kEnglish ? EnglishText(id) : JapaneseText(id);
}

std::string_view Text(TextId id) {
  return Text(id, g_language);
}

std::string Format(TextId id, std::string_view first, std::string_view second) {
  const std::string_view text = Text(id);
  std::string result;
  result.reserve(text.size() + first.size() + second.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
      result.append(text[i + 1] == '1' ? first : second);
      ++i;
    } else {
      result.push_back(text[i]);
    }
  }
  return result;
}

Language ChooseLanguage(std::string_view setting, std::string_view display_language) {
  const std::string asked = AsciiLower(std::string(Trim(setting, " \t")));
  if (asked == "ja") {
    return Language::kJapanese;
  }
  if (asked == "en") {
    return Language::kEnglish;
  }
  const std::string display = AsciiLower(std::string(display_language));
  return display.rfind("ja", 0) == 0 &&
                 (display.size() == 2 || display[2] == '-' || display[2] == '_')
             ? Language::kJapanese
             : Language::kEnglish;
}

}  // namespace wendora
