#!/usr/bin/env python3
"""Checks the release packages: each zip holds exactly the program, its help
files (Japanese and English) and the read-me, the program needs no DLL beyond Windows' own, and it
carries no symbols or debugging information."""
import os
import re
import subprocess
import sys
import tempfile
import zipfile

WINDOWS_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "shell32.dll", "comdlg32.dll",
                "version.dll", "winmm.dll", "msvcrt.dll", "advapi32.dll", "ole32.dll",
                "oleaut32.dll", "oleacc.dll", "shlwapi.dll"}
FILES = {"TWendora.exe", "TWendora.chm", "TWendora.en.chm", "Readme.txt"}


def check(zip_path):
    name = os.path.basename(zip_path)
    match = re.fullmatch(r"(TWendora-\d+\.\d+\.\d+-(win32|win64))\.zip", name)
    assert match, name + ": not named TWendora-<version>-win32/win64.zip"
    top, arch = match.group(1), match.group(2)
    with zipfile.ZipFile(zip_path) as archive:
        names = set(archive.namelist())
        expected = {top + "/" + f for f in FILES}
        assert names == expected, "%s holds %s, not %s" % (name, sorted(names), sorted(expected))
        assert "TWendora.ini" not in " ".join(names)
        with tempfile.TemporaryDirectory() as folder:
            exe = archive.extract(top + "/TWendora.exe", folder)
            tool = "x86_64-w64-mingw32-objdump" if arch == "win64" else "i686-w64-mingw32-objdump"
            dump = subprocess.run([tool, "-p", exe], capture_output=True, text=True, check=True)
            headers = subprocess.run([tool, "-f", "-h", exe], capture_output=True, text=True,
                                     check=True)
            size = os.path.getsize(exe)
    debug = re.findall(r"\s(\.debug\S*)", headers.stdout)
    assert not debug, "%s: TWendora.exe carries %s" % (name, debug)
    assert "HAS_SYMS" not in headers.stdout, name + ": TWendora.exe has symbols"
    dlls = {d.lower() for d in re.findall(r"DLL Name: (\S+)", dump.stdout)}
    assert dlls, name + ": no imports found"
    foreign = dlls - WINDOWS_DLLS
    assert not foreign, "%s: TWendora.exe needs %s" % (name, sorted(foreign))
    print("%s: %s; TWendora.exe %d bytes; imports %s" % (name, sorted(FILES), size, sorted(dlls)))


if __name__ == "__main__":
    for path in sys.argv[1:]:
        check(path)
