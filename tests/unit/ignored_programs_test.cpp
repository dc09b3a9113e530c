#include "watcher/ignored_programs.h"

#include <gtest/gtest.h>

namespace wendora {
namespace {

TEST(IgnoredPrograms, NamesMatchWithoutCaseFolderOrBlanks) {
  const IgnoredPrograms list(" Chrome.exe ;msedge.exe;\tC:\\Tools\\KeePass.exe ; ;firefox.exe");
  for (const char* program :
       {"chrome.exe", "CHROME.EXE", "msedge.exe", "keepass.exe",
        "C:\\Program Files\\Mozilla Firefox\\firefox.exe", "D:/portable/KeePass.exe"}) {
    EXPECT_TRUE(list.Contains(program)) << program;
  }
  for (const char* program : {"", "chrome", "chrome.exe.bak", "notepad.exe", " chrome.exe",
                              "C:\\chrome.exe\\notepad.exe"}) {
    EXPECT_FALSE(list.Contains(program)) << program;
  }
}

TEST(IgnoredPrograms, AnEmptyListIgnoresNothing) {
  for (const char* text : {"", " ", ";", " ; ;", "C:\\Tools\\"}) {
    const IgnoredPrograms list(text);
    EXPECT_FALSE(list.Contains("chrome.exe")) << text;
    EXPECT_FALSE(list.Contains("")) << text;
  }
}

}  // namespace
}  // namespace wendora
