// Every text of the settings dialog and of the banner has the room it needs,
// measured in its own font at the scale this test runs at (run at 100 % and
// at 150 %). The English texts must fit; the Japanese ones keep the design's
// geometry and are reported only.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "announce/frm_main.h"
#include "base/texts.h"
#include "platform/win32/scale.h"
#include "platform/win32/text.h"
#include "platform/win32/win32_platform.h"
#include "settings_dialog/frm_more_settings.h"
#include "settings_dialog/frm_settings.h"
#include "tray/task_tray.h"

namespace wendora::win32 {
namespace {

struct Room {
  std::wstring text;
  int need = 0;
  int have = 0;
};

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  return name;
}

std::wstring TextOf(HWND window) {
  const int length = ::GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), length + 1)));
  return text;
}

int TextWidth(HDC dc, HFONT font, const std::wstring& text, UINT flags = 0) {
  const HGDIOBJ old = ::SelectObject(dc, font);
  RECT need{0, 0, 0, 0};
  ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &need,
              DT_CALCRECT | DT_SINGLELINE | flags);
  ::SelectObject(dc, old);
  return need.right;
}

// The room each text of the dialog's labels, buttons, check box, options and
// frame needs in the control's font, and the room the control gives it.
std::vector<Room> MeasureDialog(HWND dialog) {
  std::vector<Room> rooms;
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr;
       child = ::GetWindow(child, GW_HWNDNEXT)) {
    const std::wstring text = TextOf(child);
    const std::wstring kind = ClassOf(child);
    if (text.empty() || (kind != L"Static" && kind != L"Button")) {
      continue;
    }
    HDC dc = ::GetDC(child);
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(child, WM_GETFONT, 0, 0));
    TEXTMETRICW metrics{};
    const HGDIOBJ old = ::SelectObject(dc, font);
    ::GetTextMetricsW(dc, &metrics);
    ::SelectObject(dc, old);
    Room room{text, TextWidth(dc, font, text), 0};
    ::ReleaseDC(child, dc);
    RECT client{};
    ::GetClientRect(child, &client);
    room.have = client.right;
    const LONG style = ::GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK;
    if (kind == L"Button") {
      if (style == BS_GROUPBOX) {
        room.have -= 2 * metrics.tmAveCharWidth;  // the frame's corners
      } else if (style == BS_PUSHBUTTON || style == BS_DEFPUSHBUTTON) {
        room.have -= 2 * ::GetSystemMetrics(SM_CXEDGE) + 2;
      } else {
        // The box of a check box or option, and the gap after it.
        room.have -= ::GetSystemMetrics(SM_CXMENUCHECK) + metrics.tmAveCharWidth;
      }
    }
    rooms.push_back(room);
  }
  return rooms;
}

void Report(const char* what, Language language, const Room& room) {
  std::printf("%s %s: %s needs %d of %d pixels\n", language == Language::kEnglish ? "en" : "ja",
              what, Narrow(room.text).c_str(), room.need, room.have);
}

// Every English text has its room; the Japanese ones are reported only.
void ExpectRoom(const char* what, Language language, const std::vector<Room>& rooms) {
  for (const Room& room : rooms) {
    Report(what, language, room);
    if (language == Language::kEnglish) {
      EXPECT_LE(room.need, room.have) << Narrow(room.text);
    }
  }
}

class Fit : public ::testing::TestWithParam<Language> {
 protected:
  void SetUp() override { UseLanguage(GetParam()); }
  void TearDown() override { UseLanguage(Language::kJapanese); }
};

TEST_P(Fit, TheSettingsDialog) {
  Win32Platform platform;
  CurrentSettings settings;
  FrmMain banner(platform, settings);
  banner.Load();
  TaskTrayIcon icon(platform, settings);
  FrmSettings dialog(platform, settings, banner, icon);
  dialog.ShowModeless();
  HWND window = ::FindWindowW(L"TWendoraDialog", nullptr);
  ASSERT_NE(window, nullptr);
  const std::vector<Room> rooms = MeasureDialog(window);
  EXPECT_EQ(rooms.size(), 11u);
  ExpectRoom("dialog", GetParam(), rooms);
  dialog.cmdCancel_Click();
}

TEST_P(Fit, TheDialogOfMoreSettings) {
  Win32Platform platform;
  CurrentSettings settings;
  FrmMoreSettings more(platform, settings, {});
  more.Load();
  const std::wstring caption = Widen(Text(TextId::kMoreCaption));
  HWND window = ::FindWindowW(L"TWendoraDialog", caption.c_str());
  ASSERT_NE(window, nullptr);
  const std::vector<Room> rooms = MeasureDialog(window);
  EXPECT_EQ(rooms.size(), 17u);
  ExpectRoom("more", GetParam(), rooms);
  more.cmdCancel_Click();
}

TEST_P(Fit, TheBannersLines) {
  // The explanation and countdown lines at 9 points, the titles at 18, in
  // the labels of a banner across a screen 1024 pixels wide at 100 % and
  // 1920 at 150 %, as such screens come.
  const Scale scale = ScreenScale();
  const int screen = scale.dpi_x >= 144 ? 1920 : 1024;
  const int label = screen - 6 - scale.ToPixelsX(480);
  const std::wstring face = Widen(Text(TextId::kBannerFont));
  const auto make = [&](double points) {
    return ::CreateFontW(scale.FontHeight(points), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                         DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                         DEFAULT_PITCH | FF_DONTCARE, face.c_str());
  };
  HFONT line = make(9);
  HFONT title = make(18);
  HDC dc = ::GetDC(nullptr);
  const std::pair<std::string, HFONT> texts[] = {
      {std::string(Text(TextId::kUrlAnnounce)), line},
      {std::string(Text(TextId::kPathAnnounce)), line},
      {std::string(Text(TextId::kProgramPathAnnounce)), line},
      {std::string(Text(TextId::kLooseUrlAnnounce)), line},
      {std::string(Text(TextId::kUserNameAnnounce)), line},
      {Format(TextId::kCancelWithin, "2147483647"), line},
      {Format(TextId::kClickWithin, "2147483647"), line},
      {std::string(Text(TextId::kBusy)), line},
      {Format(TextId::kWaitTimeAnnounce, "2147483647"), line},
      {std::string(Text(TextId::kExitAnnounce)), line},
      {std::string(Text(TextId::kPauseAnnounce)), line},
      {std::string(Text(TextId::kResumeAnnounce)), line},
      {std::string(Text(TextId::kWaitTimeTitle)), title},
      {std::string(Text(TextId::kExitTitle)), title},
      {std::string(Text(TextId::kPauseTitle)), title},
      {std::string(Text(TextId::kResumeTitle)), title},
  };
  for (const auto& [text, font] : texts) {
    const Room room{Widen(text), TextWidth(dc, font, Widen(text), DT_NOPREFIX), label};
    Report("banner", GetParam(), room);
    if (GetParam() == Language::kEnglish) {
      EXPECT_LE(room.need, room.have) << text;
    }
  }
  ::ReleaseDC(nullptr, dc);
  ::DeleteObject(line);
  ::DeleteObject(title);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, Fit,
                         ::testing::Values(Language::kJapanese, Language::kEnglish));

}  // namespace
}  // namespace wendora::win32
