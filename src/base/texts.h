// Every text the user can see, in Japanese and in English: one table per
// language (texts_ja.cpp, texts_en.cpp), looked up here, so that no caller
// knows which language is in use. "%1" and "%2" in a text stand for what
// Format puts in.
#pragma once

#include <string>
#include <string_view>

namespace wendora {

enum class Language { kJapanese, kEnglish };

enum class TextId {
  // The banner.
  kUrlAnnounce,
  kPathAnnounce,
  kProgramPathAnnounce,
  kLooseUrlAnnounce,
  kUserNameAnnounce,
  kCancelWithin,  // %1: whole seconds
  kClickWithin,   // %1: whole seconds
  kBusy,
  kWaitTimeTitle,
  kWaitTimeAnnounce,  // %1: the value as copied
  kExitTitle,
  kExitAnnounce,
  kPauseTitle,
  kPauseAnnounce,
  kResumeTitle,
  kResumeAnnounce,
  kBannerFont,
  // Message boxes.
  kMissingPath,
  kOpenFailed,          // %1: what was to be opened, %2: the system's message
  kFatalError,          // %1: the error's number, %2: its description
  kRuntimeErrorReport,  // %1: the error's number, %2: its description
  kTemplateCaption,
  kTemplateWarning,
  // Error descriptions.
  kErrOverflow,
  kErrOutOfMemory,
  kErrTypeMismatch,
  kErrInternal,
  kErrPathFileAccess,
  kErrCantOpenClipboard,
  kErrOther,
  kCannotCreateWindow,
  kCannotStartTimer,
  // The tray icon and its menu.
  kTrayTip,
  kPausedTrayTip,
  kMenuSettings,
  kMenuHelp,
  kMenuPause,
  kMenuStartWithWindows,
  kMenuExit,
  kHelpFileEnding,  // after the executable's name without extension: the help file
  // The settings dialog.
  kDialogCaption,
  kDialogFont,
  kWaitTimeLabel,
  kSecondsLabel,
  kTopColorLabel,
  kBottomColorLabel,
  kOkButton,
  kCancelButton,
  kShowIconCheckBox,
  kActionFrame,
  kRunOption,
  kCancelOption,
  kNotANumber,
  kMoreButton,
  // The dialog of more settings.
  kMoreCaption,
  kMonitorFrame,
  kPrimaryMonitorOption,
  kForegroundMonitorOption,
  kPointerMonitorOption,
  kQuietCheckBox,
  kLanguageFrame,
  kSystemLanguageOption,
  kJapaneseOption,
  kEnglishOption,
  kLanguageNote,
  kIgnoredProgramsLabel,
  kAddLastProgramButton,
  kAnySlashCheckBox,
  kBannerKeysCheckBox,
  kBannerKeysNote,
  // The banner's keys, in its text for screen readers.
  kBannerKeysSentence,
};

// Every text, for tests that go through them all.
inline constexpr TextId kLastText = TextId::kBannerKeysSentence;

// The language of the texts from now on; Japanese until told otherwise.
void UseLanguage(Language language);
Language CurrentLanguage();

// The text in the language in use, and in a given one.
std::string_view Text(TextId id);
std::string_view Text(TextId id, Language language);
// The text with "%1" and "%2" replaced.
std::string Format(TextId id, std::string_view first, std::string_view second = {});

// The language a setting asks for: "ja" or "en" (in any letter case, blanks
// around it ignored); anything else follows the display language, such as
// "ja-JP" or "en-US": Japanese for Japanese, English for all others.
Language ChooseLanguage(std::string_view setting, std::string_view display_language);

// One language's table; every text is there.
std::string_view JapaneseText(TextId id);
std::string_view EnglishText(TextId id);

}  // namespace wendora
