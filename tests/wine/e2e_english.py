#!/usr/bin/env python3
"""The real TWendora.exe under Wine in English: started with an English
display language, its banner, tray menu, settings dialog and message box are
read back by a small Windows program and seen on screenshots, and its help
item opens the English help. The Language key forces either language."""
import os
import shutil
import time
import unittest

import harness

OPTIONS = None


def Program(settings=None, language="en"):
    return harness.ProgramSession(OPTIONS.template, OPTIONS.exe, settings, language=language)


class English(unittest.TestCase):
    def texts(self, s):
        """What the program's visible windows say, as the desktop tool reads it."""
        code, out, _ = s.run(["wine", OPTIONS.desktop_tool, "texts", s.exe_name], name="texts")
        self.assertEqual(code, 0)
        return out.splitlines()

    def test_the_banner_menu_dialog_and_warning_speak_english(self):
        with Program(b"[Settings]\r\nWaitTime=30\r\n") as s:
            s.launch_resident()
            s.copy("www.example.com/english")
            self.assertTrue(s.wait_for(s.banner_up, timeout=15))
            self.assertIn("window: TWendoraForm | http://www.example.com/english The clipboard "
                          "holds what looks like a web address. The web page at the address above "
                          "will be opened. Press Ctrl+Alt+Enter to run it or Ctrl+Alt+Backspace to "
                          "cancel it.", self.texts(s))
            s.screenshot(os.path.join(OPTIONS.artifacts, "banner_en.png"))
            self.assertTrue(s.cancel_banner())

            # The tray menu's help item opens the English help. (Under Wine a
            # menu cannot be read from another program: its texts are checked
            # by the unit tests.)
            shutil.copy(OPTIONS.chm_en, os.path.join(s.folder, "TWendora.en.chm"))
            menu = s.open_tray_menu()
            self.assertTrue(menu, "no menu")
            s.choose_in_menu(menu, "help")
            self.assertTrue(s.wait_for(s.shell_requests, timeout=15))
            self.assertEqual(s.shell_requests(),
                             [harness.windows_path(os.path.join(s.folder, "TWendora.en.chm"))])

            # The settings dialog, and the warning for a wait time that is no number.
            s.copy("WendoraChangeSetting")
            dialogs = s.wait_for(lambda: s.windows("^Settings$"), timeout=15)
            self.assertTrue(dialogs, "no dialog")
            time.sleep(3)  # Wine paints the controls of a new window a little later
            s.screenshot(os.path.join(OPTIONS.artifacts, "dialog_en.png"))
            controls = [line for line in self.texts(s) if line.startswith("control: ")]
            for expected in ("control: Static | &Wait time:", "control: Static | s",
                             "control: Static | &Top color:", "control: Static | &Bottom color:",
                             "control: Button | OK", "control: Button | Cancel",
                             "control: Button | Show an &icon in the notification area",
                             "control: Button | When the time is up", "control: Button | &Run",
                             "control: Button | &Cancel"):
                self.assertIn(expected, controls)
            where = s.geometry(dialogs[0])
            s.click(where[0] + 120, where[1] + 17, 1)  # into the wait-time box
            s.run(["xdotool", "key", "--delay", "50", "End", "BackSpace", "BackSpace", "x",
                   "Return"], name="type")
            self.assertTrue(s.wait_for(lambda: s.windows("^Tamberlyn Wendora 2002$"), timeout=10),
                            "no warning")
            self.assertIn("control: Static | Enter a whole number for the wait time.",
                          self.texts(s))
            self.assertTrue(s.dismiss("^Tamberlyn Wendora 2002$"))

    def dialog_caption(self, s):
        """Opens the settings dialog by its command word; its caption."""
        s.copy("WendoraChangeSetting")
        found = s.wait_for(lambda: [line for line in self.texts(s)
                                    if line.startswith("window: TWendoraDialog | ")], timeout=15)
        self.assertTrue(found, "no dialog")
        return found[0].split(" | ", 1)[1]

    def test_the_language_key_forces_a_language(self):
        for settings, language, caption in ((b"[Settings]\r\nLanguage=ja\r\n", "en", "設定"),
                                            (b"[Settings]\r\nLanguage=en\r\n", "ja", "Settings"),
                                            (b"[Settings]\r\n", "ja", "設定"),
                                            (b"[Settings]\r\n", "en", "Settings")):
            with Program(settings, language=language) as s:
                s.launch_resident()
                self.assertEqual(self.dialog_caption(s), caption, (settings, language))


if __name__ == "__main__":
    OPTIONS, ARGV = harness.parse_test_options("--desktop-tool", "--chm-en")
    unittest.main(argv=ARGV, verbosity=2)
