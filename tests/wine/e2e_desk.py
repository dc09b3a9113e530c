#!/usr/bin/env python3
"""The real TWendora.exe under Wine through a day at a desk: the end of the
Windows session (wineboot -e), a maximised Notepad, typing in Notepad while a
banner comes, the dialog of more settings, and the banner's keys."""
import time
import unittest

import harness

OPTIONS = None
TITLE = "^Tamberlyn Wendora 2002$"


def Program(settings=None):
    return harness.ProgramSession(OPTIONS.template, OPTIONS.exe, settings)


class Desk(unittest.TestCase):
    def announce(self, s, text):
        s.copy(text)
        self.assertTrue(s.wait_for(s.banner_up, timeout=15), "no banner for %r" % text)

    def notepad(self, s, *args):
        """Starts Notepad; its window."""
        s.start(["wine", "start"] + list(args) + ["notepad.exe"], name="notepad")
        found = s.wait_for(lambda: s.windows("Notepad|メモ帳"), timeout=30)
        self.assertTrue(found, "Notepad did not come")
        return found[0]

    def active_window(self, s):
        return s.run(["xdotool", "getactivewindow"], name="active")[1].strip()

    def test_the_end_of_the_session_saves_the_settings(self):
        with Program(b"[Settings]\r\nWaitTime=4\r\n") as s:
            program = s.launch_resident()
            self.announce(s, "WendoraWaitTime=9")
            s.click_banner()
            self.assertTrue(s.wait_for(s.banner_gone, timeout=10))
            # Windows ends the session: every top-level window hears it.
            s.run(["wineboot", "-e"], name="endsession", timeout=120)
            self.assertTrue(s.wait_for(lambda: program.poll() is not None, timeout=30),
                            "the program did not end with the session")
            self.assertIn(b"WaitTime=9\r\n", s.read(s.settings))

    def test_a_maximised_window_does_not_silence_the_banner(self):
        with Program() as s:
            s.launch_resident()
            window = self.notepad(s, "/max")
            s.run(["xdotool", "windowactivate", "--sync", window], name="activate")
            self.announce(s, "http://over.notepad.example/")

    def test_a_focused_notepad_keeps_the_keyboard(self):
        with Program(b"[Settings]\r\nDefaultAction=1\r\nWaitTime=30\r\n") as s:
            s.launch_resident()
            window = self.notepad(s)
            s.run(["xdotool", "windowactivate", "--sync", window], name="activate")
            s.run(["xdotool", "type", "--delay", "50", "abc"], name="type")
            self.announce(s, "http://while.typing.example/")
            self.assertEqual(self.active_window(s), window, "the banner took the focus")
            s.run(["xdotool", "type", "--delay", "50", "def"], name="type")
            # What Notepad holds, through its own copy.
            s.run(["xdotool", "key", "--delay", "50", "ctrl+a", "ctrl+c"], name="copy")
            time.sleep(1)
            s.run(["sh", "-c", "xclip -o -selection clipboard > '%s'" % s.path("typed.txt")],
                  name="paste")
            with open(s.path("typed.txt"), encoding="utf-8") as f:
                self.assertEqual(f.read().strip(), "abcdef")

    def test_more_settings_from_the_settings_dialog(self):
        with Program(b"[Settings]\r\nWaitTime=4\r\n") as s:
            s.launch_resident()
            s.copy("WendoraChangeSetting")
            dialogs = s.wait_for(lambda: s.windows("^設定$"), timeout=15)
            self.assertTrue(dialogs, "no settings dialog")
            s.keys(dialogs[0], "alt+d")
            more = s.wait_for(lambda: s.windows("^詳細設定$"), timeout=15)
            self.assertTrue(more, "no dialog of more settings")
            # The monitor with the pointer, no quiet, then OK; OK again.
            s.keys(more[0], "alt+m", "alt+q", "Return")
            self.assertTrue(s.wait_for(lambda: not s.windows("^詳細設定$"), timeout=10))
            s.keys(dialogs[0], "Return")
            self.assertTrue(s.wait_for(lambda: not s.windows("^設定$"), timeout=10))
            self.announce(s, "ExitWendora")
            self.assertTrue(s.wait_for(lambda: b"AnnounceMonitor=2" in s.read(s.settings),
                                       timeout=20), s.read(s.settings))
            written = s.read(s.settings)
            self.assertIn(b"QuietWhenFullScreen=0\r\n", written)
            self.assertNotIn(b"Language", written)

    def test_the_keys_run_and_cancel_the_banner(self):
        with Program(b"[Settings]\r\nDefaultAction=1\r\nWaitTime=60\r\n") as s:
            s.launch_resident()
            # The keys reach the program wherever the focus is: here, Notepad.
            window = self.notepad(s)
            s.run(["xdotool", "windowactivate", "--sync", window], name="activate")
            self.announce(s, "https://run.by.key.example/")
            s.run(["xdotool", "key", "ctrl+alt+Return"], name="run")
            self.assertTrue(s.wait_for(lambda: "https://run.by.key.example/"
                                       in s.shell_requests(), timeout=15),
                            "Ctrl+Alt+Enter did not run it")
            self.assertTrue(s.wait_for(s.banner_gone, timeout=10))
            self.announce(s, "https://cancelled.by.key.example/")
            s.run(["xdotool", "key", "ctrl+alt+BackSpace"], name="cancel")
            self.assertTrue(s.wait_for(s.banner_gone, timeout=10),
                            "Ctrl+Alt+Backspace did not cancel it")
            time.sleep(2)
            self.assertNotIn("https://cancelled.by.key.example/", s.shell_requests())


if __name__ == "__main__":
    OPTIONS, ARGV = harness.parse_test_options("--desktop-tool")
    unittest.main(argv=ARGV, verbosity=2)
