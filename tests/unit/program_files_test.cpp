#include "watcher/program_files.h"

#include <gtest/gtest.h>

namespace wendora {
namespace {

TEST(ProgramFileKinds, ProgramsScriptsAndShortcutsRun) {
  const ProgramFileKinds kinds(".COM;.EXE;.BAT;.CMD;.VBS;.VBE;.JS;.JSE;.WSF;.WSH;.MSC;.PY");
  for (const char* path :
       {"C:\\Users\\Public\\Downloads\\setup.exe", "C:\\Users\\Public\\run.bat", "c:\\x\\RUN.CMD",
        "C:\\x\\Setup.Exe", "C:\\x\\tool.com", "C:\\x\\console.msc",
        "C:\\x\\script.py",  // from the system's list
        "C:\\x\\link.lnk", "C:\\x\\site.url", "C:\\x\\cmd.scf", "C:\\x\\old.pif", "C:\\x\\app.hta",
        "C:\\x\\setup.msi", "C:\\x\\patch.msp", "C:\\x\\s.ps1", "C:\\x\\m.psm1", "C:\\x\\v.vbs",
        "C:\\x\\v.vbe", "C:\\x\\j.js", "C:\\x\\j.jse", "C:\\x\\w.wsf", "C:\\x\\w.wsh",
        "C:\\x\\keys.reg", "C:\\x\\panel.cpl", "C:\\x\\saver.scr", "C:\\x\\app.jar",
        "C:\\x\\click.application", "C:\\x\\ref.appref-ms",
        // What the system drops or reads past: trailing dots and blanks,
        // streams, forward slashes.
        "C:\\x\\setup.exe.", "C:\\x\\setup.exe . .", "C:\\x\\setup.exe:stream",
        "C:\\x\\notes.txt:hidden.exe", "C:\\x/setup.exe", "C:\\setup.exe",
        // What the path names once "." and ".." are read.
        "C:\\x\\setup.exe\\.", "C:\\x\\setup.exe\\.\\.", "C:\\x\\y\\..\\setup.exe",
        "\\\\server\\share\\setup.exe\\."}) {
    EXPECT_TRUE(kinds.Runs(path)) << path;
  }
}

TEST(ProgramFileKinds, DocumentsAndFoldersOpen) {
  const ProgramFileKinds kinds(".COM;.EXE;.BAT");
  for (const char* path :
       {"C:\\Windows", "C:\\", "c:\\", "C:\\x\\report.txt", "C:\\x\\photo.JPG", "C:\\x\\page.html",
        "C:\\x\\setup.exe.txt", "C:\\x.exe\\notes.txt", "C:\\x\\exe", "C:\\x\\.exe\\readme",
        "C:\\x\\setup.exe2", "C:\\x\\setupexe", "C:\\x\\file.ex", "C:\\x\\setup.exe\\..",
        "C:\\setup.exe\\..\\notes.txt"}) {
    EXPECT_FALSE(kinds.Runs(path)) << path;
  }
}

TEST(ProgramFileKinds, FilesThatRunCodeOrReachTheNetworkInOtherWays) {
  const ProgramFileKinds kinds("");
  for (const char* name : {"image.iso",
                           "disk.vhdx",
                           "help.chm",
                           "x.settingcontent-ms",
                           "docs.library-ms",
                           "q.search-ms",
                           "addin.xll",
                           "app.appinstaller",
                           "pkg.msix",
                           "a.hlp",
                           "mail.eml",
                           "page.mht",
                           "a.xml",
                           "web.website",
                           "drv.sys",
                           "lib.dll",
                           "m.psm1",
                           "t.themepack",
                           "s.DiagCab",
                           "work.rdp",
                           "x.searchConnector-ms",
                           "q.iqy",
                           "kb.msu",
                           "a.cab",
                           "w.wsb"}) {
    EXPECT_TRUE(kinds.Runs(std::string("C:\\Users\\x\\Downloads\\") + name)) << name;
  }
  for (const char* name : {"a.pdf", "a.zip", "a.docx", "a.png", "a.mp4", "a.txt", "a.csv"}) {
    EXPECT_FALSE(kinds.Runs(std::string("C:\\x\\") + name)) << name;
  }
}

TEST(ProgramFileKinds, TheSystemsListCountsAsItIsWritten) {
  // Blanks, letter case, a missing dot and empty entries.
  const ProgramFileKinds kinds(" .Foo ; BAR;;.baz\t");
  for (const char* path : {"C:\\a.foo", "C:\\a.FOO", "C:\\a.bar", "C:\\a.BaZ", "C:\\a.exe.lnk"}) {
    EXPECT_TRUE(kinds.Runs(path)) << path;
  }
  // The list's own and the fixed kinds: a list without .EXE still has the
  // programs Windows always runs.
  for (const char* path : {"C:\\a.exe", "C:\\a.com", "C:\\a.bat", "C:\\a.cmd", "C:\\a.pif",
                           "C:\\a.scr", "C:\\a.cpl", "C:\\a.msc"}) {
    EXPECT_TRUE(kinds.Runs(path)) << path;
  }
  EXPECT_TRUE(ProgramFileKinds(".COM").Runs("C:\\Downloads\\setup.exe"));
  EXPECT_FALSE(kinds.Runs("C:\\a.qux"));
  // An empty list stands for the system's usual one.
  for (const char* list : {"", " ", "\t"}) {
    const ProgramFileKinds usual(list);
    for (const char* path : {"C:\\a.exe", "C:\\a.com", "C:\\a.bat", "C:\\a.cmd", "C:\\a.msc"}) {
      EXPECT_TRUE(usual.Runs(path)) << path;
    }
    EXPECT_FALSE(usual.Runs("C:\\a.txt"));
  }
}

}  // namespace
}  // namespace wendora
