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

TEST(IgnoredPrograms, TabsCaseAndSlashesOnEitherSide) {
  struct Case {
    const char* list;
    const char* program;
    bool listed;
  };
  for (const Case c : {
           // Tabs and spaces around a listed name.
           Case{"\tzoom.exe\t", "zoom.exe", true},
           Case{"\t\tzoom.exe", "zoom.exe", true},
           Case{"zoom.exe\t\t", "zoom.exe", true},
           Case{"chrome.exe;\t zoom.exe \t;firefox.exe", "zoom.exe", true},
           Case{"chrome.exe;\t zoom.exe \t;firefox.exe", "firefox.exe", true},
           Case{"\tzoom.exe\t", "\tzoom.exe", false},  // the program's name is taken as it is
           // Capitals on either side.
           Case{"Zoom.exe", "zoom.exe", true},
           Case{"zoom.exe", "ZOOM.EXE", true},
           Case{"ZOOM.EXE", "Zoom.Exe", true},
           Case{"zoom.exe", "C:\\Program Files\\Zoom\\bin\\Zoom.exe", true},
           Case{"Zoom.exe", "zoom.ex", false},
           Case{"Zoom.exe", "zoom.exe.exe", false},
           Case{"Zoom.exe", "xzoom.exe", false},
           Case{"Zoom.exe", "zoom.exe ", false},
           // Folders written with forward slashes, in the list or in the program.
           Case{"C:/Program Files/Zoom/bin/Zoom.exe", "zoom.exe", true},
           Case{"C:/Program Files/Zoom/bin/Zoom.exe", "D:\\Other\\ZOOM.EXE", true},
           Case{"C:/Tools\\Zoom/zoom.exe", "zoom.exe", true},
           Case{"zoom.exe", "D:/apps/zoom.exe", true},
           Case{"zoom.exe", "D:/apps\\sub/Zoom.exe", true},
           Case{"C:/Program Files/Zoom/bin/Zoom.exe", "bin", false},
           Case{"C:/Program Files/Zoom/bin/Zoom.exe", "Zoom", false},
           Case{"C:/Program Files/Zoom/", "zoom.exe", false},
           Case{"zoom.exe", "D:/zoom.exe/", false},
       }) {
    EXPECT_EQ(IgnoredPrograms(c.list).Contains(c.program), c.listed)
        << "'" << c.list << "' and '" << c.program << "'";
  }
}

}  // namespace
}  // namespace wendora
