// The program's own profile reader and writer against the system's
// GetPrivateProfileStringW and WritePrivateProfileStringW: the same steps on
// two copies of the same file must give the same values and the same bytes.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/win32/text.h"
#include "platform/win32/win32_platform.h"
#include "settings/profile.h"

namespace wendora {
namespace {

using win32::Narrow;
using win32::Widen;

struct Step {
  bool write;
  std::string section;
  std::string key;
  std::string value;  // the value to write, or the default of a read
};

Step Read(std::string section, std::string key, std::string default_value = "dflt") {
  return {false, std::move(section), std::move(key), std::move(default_value)};
}
Step Write(std::string section, std::string key, std::string value) {
  return {true, std::move(section), std::move(key), std::move(value)};
}

struct Case {
  std::string name;
  std::optional<std::string> initial;  // no file when empty
  std::vector<Step> steps;
  bool missing_folder = false;
  // Wine rewrites a profile from its parsed form: it drops blank lines and
  // ends every line with CR LF. Windows, like this program, keeps every byte
  // it does not change. Such cases compare the files with blank lines and
  // line-end differences taken out.
  bool wine_normalises = false;
};

std::string Normalised(std::string text) {
  std::string out;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t stop = text.find_first_of("\r\n", pos);
    if (stop == std::string::npos) {
      stop = text.size();
    }
    if (stop > pos) {
      out.append(text, pos, stop - pos).append("\n");
    }
    pos = stop + 1;
  }
  return out;
}

std::string TempFolder() {
  wchar_t base[MAX_PATH];
  ::GetTempPathW(MAX_PATH, base);
  const std::wstring folder =
      std::wstring(base) + L"wendora-profile-" + std::to_wstring(::GetCurrentProcessId());
  ::CreateDirectoryW(folder.c_str(), nullptr);
  return Narrow(folder);
}

std::optional<std::string> Contents(win32::Win32Platform& platform, const std::string& path) {
  const platform::FileContent content = platform.ReadFile(path);
  if (content.status != platform::FileStatus::kRead) {
    return std::nullopt;
  }
  return content.bytes;
}

std::string SystemRead(const Step& step, const std::string& file) {
  wchar_t buffer[256] = {};
  ::GetPrivateProfileStringW(Widen(step.section).c_str(), Widen(step.key).c_str(),
                             Widen(step.value).c_str(), buffer, 256, Widen(file).c_str());
  return Narrow(buffer);
}

void SystemWrite(const Step& step, const std::string& file) {
  const std::wstring path = Widen(file);
  ::WritePrivateProfileStringW(Widen(step.section).c_str(), Widen(step.key).c_str(),
                               Widen(step.value).c_str(), path.c_str());
  ::WritePrivateProfileStringW(nullptr, nullptr, nullptr, path.c_str());  // flush the cache
}

std::string Utf16(std::u16string_view text) {
  std::string out = "\xFF\xFE";
  for (char16_t unit : text) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
  }
  return out;
}

std::vector<Case> Cases() {
  const std::string long_value(300, '7');
  return {
      {"new file with the nine keys",
       std::nullopt,
       {Write("Settings", "WaitTime", "4"), Write("Settings", "ShowTaskTrayIcon", "1"),
        Write("Settings", "DefaultAction", "0"), Write("Settings", "TopColorR", "255"),
        Write("Settings", "TopColorG", "255"), Write("Settings", "TopColorB", "255"),
        Write("Settings", "BottomColorR", "98"), Write("Settings", "BottomColorG", "255"),
        Write("Settings", "BottomColorB", "98"), Read("Settings", "BottomColorB")}},
      {"replacement in place among other sections",
       "[Other]\r\nWaitTime=99\r\n[Settings]\r\nWaitTime=4\r\nExtra=1\r\n[Tail]\r\nx=1\r\n",
       {Write("Settings", "WaitTime", "12"), Read("Settings", "WaitTime"),
        Read("Other", "WaitTime"), Read("Tail", "x")}},
      {"key spelled TopColorb",
       "[Settings]\r\nTopColorR=1\r\nTopColorb=0\r\n",
       {Read("Settings", "TopColorB"), Write("Settings", "TopColorB", "255"),
        Read("SETTINGS", "topcolorb")}},
      {"missing key before another section",
       "[Settings]\r\nWaitTime=4\r\n[Tail]\r\nx=1\r\n",
       {Write("Settings", "DefaultAction", "1"), Read("Settings", "DefaultAction")}},
      {"missing section", "[Other]\r\na=1\r\n", {Write("Settings", "WaitTime", "4")}},
      {"reads of every kind",
       "[settings]\r\nWAITTIME=7\r\nEmpty=\r\nLong=" + long_value + "\r\n",
       {Read("Settings", "WaitTime"), Read("Settings", "Empty"), Read("Settings", "Long"),
        Read("Settings", "Missing", "4"), Read("Nowhere", "WaitTime", "4")}},
      {"blanks around names and values",
       "[Settings]\r\n  Spaced  =  5  \r\nTab\t=\t6\t\r\n",
       {Read("Settings", "Spaced"), Read("Settings", "Tab")}},
      {"missing file", std::nullopt, {Read("Settings", "WaitTime", "4")}},
      {"blank line before the next section",
       "[Settings]\r\nWaitTime=4\r\n\r\n[Tail]\r\nx=1\r\n",
       {Write("Settings", "DefaultAction", "0")},
       false,
       true},
      {"replacing a key written with blanks",
       "[Settings]\r\n WaitTime = 4 \r\nx=1\r\n",
       {Write("Settings", "WaitTime", "5")}},
      {"quoted values",
       "[Settings]\r\nQ=\"6\"\r\nS='7'\r\nH=\"8\r\n",
       {Read("Settings", "Q"), Read("Settings", "S"), Read("Settings", "H")}},
      {"line ends of one character",
       "[Settings]\nWaitTime=4\n[Tail]\nx=1\n",
       {Write("Settings", "WaitTime", "5"), Write("Tail", "y", "2")},
       false,
       true},
      {"last line without a line end",
       "[Settings]\r\nWaitTime=4",
       {Write("Settings", "WaitTime", "5"), Write("Settings", "DefaultAction", "1")}},
      {"comment lines",
       "; top comment\r\n[Settings]\r\n; inside\r\nWaitTime=4\r\n",
       {Write("Settings", "WaitTime", "5"), Read("Settings", "WaitTime")}},
      {"missing folder", std::nullopt, {Write("Settings", "WaitTime", "4")}, true},
      {"a file saved as Unicode",
       Utf16(u"[Settings]\r\nWaitTime=7\r\nName=日本語\r\n[Tail]\r\nx=1\r\n"),
       {Read("Settings", "WaitTime"), Read("Settings", "Name"), Write("Settings", "WaitTime", "12"),
        Write("Settings", "DefaultAction", "1"), Read("Settings", "WaitTime")}},
  };
}

class ProfileCompare : public ::testing::TestWithParam<std::size_t> {};

TEST_P(ProfileCompare, OwnReaderAndWriterMatchTheSystem) {
  const Case c = Cases()[GetParam()];
  SCOPED_TRACE(c.name);
  win32::Win32Platform platform;
  const std::string folder = TempFolder() + (c.missing_folder ? "\\no-such-folder" : "");
  const std::string system_file = folder + "\\system" + std::to_string(GetParam()) + ".ini";
  const std::string own_file = folder + "\\own" + std::to_string(GetParam()) + ".ini";
  if (c.initial) {
    ASSERT_TRUE(platform.ReplaceFileAtomically(system_file, *c.initial));
    ASSERT_TRUE(platform.ReplaceFileAtomically(own_file, *c.initial));
  }
  for (const Step& step : c.steps) {
    if (step.write) {
      SystemWrite(step, system_file);
      WriteINI(platform, step.value, step.section, step.key, own_file);
    } else {
      EXPECT_EQ(ReadINI(platform, step.section, step.key, step.value, own_file),
                SystemRead(step, system_file))
          << "[" << step.section << "] " << step.key;
    }
  }
  const auto own = Contents(platform, own_file);
  const auto system = Contents(platform, system_file);
  if (c.wine_normalises && own && system) {
    EXPECT_EQ(Normalised(*own), Normalised(*system));
  } else {
    EXPECT_EQ(own, system);
  }
  ::DeleteFileW(Widen(system_file).c_str());
  ::DeleteFileW(Widen(own_file).c_str());
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileCompare, ::testing::Range<std::size_t>(0, Cases().size()));

// A write that cannot replace the file leaves it exactly as it was: a
// read-only file, and a temporary file that cannot be made.
TEST(OwnWriter, LeavesAReadOnlyFileAlone) {
  win32::Win32Platform platform;
  const std::string file = TempFolder() + "\\readonly.ini";
  ASSERT_TRUE(platform.ReplaceFileAtomically(file, "[Settings]\r\nWaitTime=3\r\n"));
  ::SetFileAttributesW(Widen(file).c_str(), FILE_ATTRIBUTE_READONLY);
  WriteINI(platform, "9", "Settings", "WaitTime", file);
  EXPECT_EQ(Contents(platform, file), "[Settings]\r\nWaitTime=3\r\n");
  ::SetFileAttributesW(Widen(file).c_str(), FILE_ATTRIBUTE_NORMAL);
  ::DeleteFileW(Widen(file).c_str());
}

TEST(OwnWriter, LeavesNoTemporaryFilesBehind) {
  win32::Win32Platform platform;
  const std::string folder = TempFolder() + "\\clean";
  ::CreateDirectoryW(Widen(folder).c_str(), nullptr);
  for (int i = 0; i < 5; ++i) {
    WriteINI(platform, std::to_string(i), "Settings", "WaitTime", folder + "\\TWendora.ini");
  }
  WIN32_FIND_DATAW found;
  HANDLE search = ::FindFirstFileW(Widen(folder + "\\*").c_str(), &found);
  std::vector<std::string> names;
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = Narrow(found.cFileName);
      if (name != "." && name != "..") {
        names.push_back(name);
      }
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
  }
  EXPECT_EQ(names, std::vector<std::string>{"TWendora.ini"});
  EXPECT_EQ(Contents(platform, folder + "\\TWendora.ini"), "[Settings]\r\nWaitTime=4\r\n");
}

// A folder deeper than the system's usual path limit: the settings file is
// written, replaced and read there like anywhere else.
TEST(OwnWriter, WritesInAFolderOfAnyLength) {
  win32::Win32Platform platform;
  std::string folder = TempFolder();
  while (folder.size() < 400) {
    folder += "\\a-folder-with-a-rather-long-name-of-its-own";
    ::CreateDirectoryW(Widen("\\\\?\\" + folder).c_str(), nullptr);
  }
  const std::string file = folder + "\\TWendora.ini";
  WriteINI(platform, "5", "Settings", "WaitTime", file);
  WriteINI(platform, "1", "Settings", "DefaultAction", file);
  EXPECT_EQ(Contents(platform, file), "[Settings]\r\nWaitTime=5\r\nDefaultAction=1\r\n");
  EXPECT_EQ(ReadINI(platform, "Settings", "WaitTime", "4", file), "5");
  EXPECT_TRUE(platform.PathExists(file));
  ::DeleteFileW(Widen("\\\\?\\" + file).c_str());
}

}  // namespace
}  // namespace wendora
