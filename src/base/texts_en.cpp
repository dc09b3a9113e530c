// The program's texts in English.
#include "base/texts.h"

namespace wendora {

std::string_view EnglishText(TextId id) {
  switch (id) {
    case TextId::kUrlAnnounce:
      return "The clipboard holds what looks like a web address. "
             "The web page at the address above will be opened.";
    case TextId::kPathAnnounce:
      return "The clipboard holds what looks like the path of a file or folder. "
             "The file or folder at the path above will be opened.";
    case TextId::kProgramPathAnnounce:
      return "The clipboard holds what looks like the path of a program. "
             "For safety it will not be run; the folder that holds it will be opened.";
    case TextId::kLooseUrlAnnounce:
      return "The clipboard holds what looks like a web address. "
             "Open the web page at the address above?";
    case TextId::kUserNameAnnounce:
      return "The clipboard holds a web address with a user name in it. "
             "Open the web page on the host above?";
    case TextId::kCancelWithin:
      return "To cancel, right-click here within %1 s.";
    case TextId::kClickWithin:
      return "To run, click here within %1 s.";
    case TextId::kBusy:
      return "Opening. Please wait.";
    case TextId::kWaitTimeTitle:
      return "New wait time";
    case TextId::kWaitTimeAnnounce:
      return "The clipboard holds a Wendora command word. The wait time will be changed to %1 s.";
    case TextId::kExitTitle:
      return "Exit Wendora";
    case TextId::kExitAnnounce:
      return "The clipboard holds a Wendora command word. Wendora will end.";
    case TextId::kPauseTitle:
      return "Pause watching the clipboard";
    case TextId::kPauseAnnounce:
      return "The clipboard holds a Wendora command word. Watching the clipboard will pause.";
    case TextId::kResumeTitle:
      return "Resume watching the clipboard";
    case TextId::kResumeAnnounce:
      return "The clipboard holds a Wendora command word. Watching the clipboard will resume.";
    case TextId::kBannerFont:
      return "Segoe UI";
    case TextId::kMissingPath:
      return "This path points to a file or folder that does not exist on the local disk.";
    case TextId::kOpenFailed:
      return "This could not be opened:\r\n\r\n%1\r\n\r\n%2";
    case TextId::kFatalError:
      return "An error occurred that the program cannot recover from. Wendora will end."
             "\r\n\r\nError %1 - %2";
    case TextId::kRuntimeErrorReport:
      return "Run-time error '%1':\r\n\r\n%2";
    case TextId::kTemplateCaption:
      return "Tamberlyn Standard Template";
    case TextId::kTemplateWarning:
      return "The project's title is \"Project1\".\r\n\r\n"
             "Left like this, the build number may not be recorded correctly. "
             "Press Cancel to skip incrementing the build number.";
    case TextId::kErrOverflow:
      return "Overflow";
    case TextId::kErrOutOfMemory:
      return "Out of memory";
    case TextId::kErrTypeMismatch:
      return "Type mismatch";
    case TextId::kErrInternal:
      return "Internal error";
    case TextId::kErrPathFileAccess:
      return "Path/File access error";
    case TextId::kErrCantOpenClipboard:
      return "Can't open Clipboard";
    case TextId::kErrOther:
      return "Application-defined or object-defined error";
    case TextId::kCannotCreateWindow:
      return "Cannot create a window.";
    case TextId::kCannotStartTimer:
      return "Cannot start a timer.";
    case TextId::kTrayTip:
      return "Tamberlyn Wendora";
    case TextId::kPausedTrayTip:
      return "Tamberlyn Wendora (paused)";
    case TextId::kMenuSettings:
      return "&Settings";
    case TextId::kMenuHelp:
      return "&Help";
    case TextId::kMenuPause:
      return "&Pause";
    case TextId::kMenuStartWithWindows:
      return "Start with &Windows";
    case TextId::kMenuExit:
      return "E&xit Wendora";
    case TextId::kHelpFileEnding:
      return ".en.chm";
    case TextId::kDialogCaption:
      return "Settings";
    case TextId::kDialogFont:
      return "MS Shell Dlg 2";
    case TextId::kWaitTimeLabel:
      return "&Wait time:";
    case TextId::kSecondsLabel:
      return "s";
    case TextId::kTopColorLabel:
      return "&Top color:";
    case TextId::kBottomColorLabel:
      return "&Bottom color:";
    case TextId::kOkButton:
      return "OK";
    case TextId::kCancelButton:
      return "Cancel";
    case TextId::kShowIconCheckBox:
      return "Show an &icon in the notification area";
    case TextId::kActionFrame:
      return "When the time is up";
    case TextId::kRunOption:
      return "&Run";
    case TextId::kCancelOption:
      return "&Cancel";
    case TextId::kNotANumber:
      return "Enter a whole number for the wait time.";
    case TextId::kMoreButton:
      return "&More settings...";
    case TextId::kMoreCaption:
      return "More settings";
    case TextId::kMonitorFrame:
      return "Monitor that shows the banner";
    case TextId::kPrimaryMonitorOption:
      return "&Primary monitor";
    case TextId::kForegroundMonitorOption:
      return "Monitor of the &window in front";
    case TextId::kPointerMonitorOption:
      return "Monitor with the &mouse pointer";
    case TextId::kQuietCheckBox:
      return "Stay &quiet in front of full-screen programs";
    case TextId::kLanguageFrame:
      return "Display language";
    case TextId::kSystemLanguageOption:
      return "&Follow the Windows display language";
    case TextId::kJapaneseOption:
      return "日本語 (&Japanese)";
    case TextId::kEnglishOption:
      return "&English";
    case TextId::kLanguageNote:
      return "A change of the language takes effect at the next start.";
    case TextId::kIgnoredProgramsLabel:
      return "Programs whose copies are &ignored:";
    case TextId::kAddLastProgramButton:
      return "&Add the program of the last copy";
    case TextId::kAnySlashCheckBox:
      return "Take any text with a &slash for a web address";
    case TextId::kBannerKeysCheckBox:
      return "Run or cancel the banner with the &keyboard";
    case TextId::kBannerKeysNote:
      return "Ctrl+Alt+Enter runs it, Ctrl+Alt+Backspace cancels it.";
    case TextId::kBannerKeysSentence:
      return "Press Ctrl+Alt+Enter to run it or Ctrl+Alt+Backspace to cancel it.";
  }
  return {};
}

}  // namespace wendora
