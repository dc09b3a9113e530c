#!/usr/bin/env python3
"""The real TWendora.exe under Wine as a citizen of today's desktop: the pause
from the tray menu and by command words, starting with Windows (the user's
Run key, read with `wine reg query`), a start from another working folder,
quiet over a full-screen program, the alert that screen readers hear, the
monitor of the pointer."""
import os
import time
import unittest

import harness

OPTIONS = None
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"


def Program(settings=None):
    return harness.ProgramSession(OPTIONS.template, OPTIONS.exe, settings)


def run_value(s):
    """The "Wendora" value of the user's Run key, or None."""
    code, out, _ = s.run(["wine", "reg", "query", RUN_KEY, "/v", "Wendora"], name="reg")
    if code != 0:
        return None
    for line in out.splitlines():
        parts = line.strip().split(None, 2)
        if len(parts) == 3 and parts[0] == "Wendora":
            return parts[2]
    return None


def output(s, name):
    with open(s.path(name + ".out"), encoding="utf-8", errors="replace") as f:
        return f.read()


class Desktop(unittest.TestCase):
    def tool(self, s, *args, name, says):
        """Starts the desktop tool and waits until it says it is ready."""
        child = s.start(["wine", OPTIONS.desktop_tool] + list(args), name=name)
        self.assertTrue(s.wait_for(lambda: says in output(s, name), timeout=30),
                        "the desktop tool did not start: " + output(s, name))
        return child

    def announce(self, s, text):
        s.copy(text)
        self.assertTrue(s.wait_for(s.banner_up, timeout=15), "no banner for " + text)

    def stays_quiet(self, s, text, seconds=3):
        s.copy(text)
        time.sleep(seconds)
        self.assertTrue(s.banner_gone(), text + " was announced")

    def test_the_pause_from_the_menu_is_kept_in_the_settings(self):
        with Program(b"[Settings]\r\nWaitTime=1\r\n") as s:
            program = s.launch_resident()
            s.choose_in_menu(s.open_tray_menu(), "pause")
            self.stays_quiet(s, "http://paused.example/")
            self.assertEqual(s.shell_requests(), [])
            # Command words still work.
            self.announce(s, "ExitWendora")
            self.assertEqual(program.wait(timeout=20), 0)
            self.assertIn(b"\r\nPaused=1\r\n", s.read(s.settings))

        with Program(b"[Settings]\r\nWaitTime=1\r\nPaused=1\r\n") as s:
            s.launch_resident()
            self.stays_quiet(s, "http://still.paused.example/")
            s.choose_in_menu(s.open_tray_menu(), "pause")  # resumes
            self.announce(s, "http://resumed.example/")
            self.assertTrue(s.wait_for(lambda: "http://resumed.example/" in s.shell_requests(),
                                       timeout=10))

    def test_the_pause_and_resume_command_words(self):
        with Program(b"[Settings]\r\nWaitTime=1\r\n") as s:
            program = s.launch_resident()
            self.announce(s, "WendoraPause")
            self.assertTrue(s.wait_for(s.banner_gone, timeout=10))
            self.stays_quiet(s, "http://paused.example/")
            self.announce(s, "WendoraResume")
            self.assertTrue(s.wait_for(s.banner_gone, timeout=10))
            self.announce(s, "http://resumed.example/")
            self.assertTrue(s.wait_for(lambda: "http://resumed.example/" in s.shell_requests(),
                                       timeout=10))
            self.assertNotIn("http://paused.example/", s.shell_requests())
            self.announce(s, "ExitWendora")
            self.assertEqual(program.wait(timeout=20), 0)
            self.assertIn(b"\r\nPaused=0\r\n", s.read(s.settings))

    def test_start_with_windows_writes_and_deletes_the_run_value(self):
        with Program() as s:
            s.launch_resident()
            self.assertIsNone(run_value(s))
            s.choose_in_menu(s.open_tray_menu(), "startup")
            expected = '"%s"' % harness.windows_path(s.exe)
            self.assertTrue(s.wait_for(lambda: run_value(s) == expected, timeout=10),
                            "no Run value: %r" % run_value(s))
            s.choose_in_menu(s.open_tray_menu(), "startup")
            self.assertTrue(s.wait_for(lambda: run_value(s) is None, timeout=10),
                            "the Run value stayed: %r" % run_value(s))

    def test_a_value_left_by_a_moved_folder_names_this_copy(self):
        with Program() as s:
            s.run(["wine", "reg", "add", RUN_KEY, "/v", "Wendora", "/d",
                   '"C:\\Moved\\Away\\TWendora.exe"', "/f"], name="reg_add")
            s.launch_resident()
            expected = '"%s"' % harness.windows_path(s.exe)
            self.assertTrue(s.wait_for(lambda: run_value(s) == expected, timeout=10),
                            "the value was not mended: %r" % run_value(s))

    def test_started_from_another_folder_it_finds_its_files(self):
        # As at logon: the working folder is the system's, not the program's.
        with Program(b"[Settings]\r\nWaitTime=1\r\n") as s:
            elsewhere = s.path("elsewhere")
            os.makedirs(elsewhere)
            program = s.launch_resident(cwd=elsewhere)
            self.announce(s, "ExitWendora")
            self.assertEqual(program.wait(timeout=20), 0)
            self.assertIn(b"\r\nWaitTime=1\r\n", s.read(s.settings))
            self.assertIn(b"\r\nShowTaskTrayIcon=1\r\n", s.read(s.settings))
            self.assertEqual(os.listdir(elsewhere), [])


    def test_a_full_screen_program_keeps_addresses_quiet(self):
        with Program(b"[Settings]\r\nWaitTime=1\r\n") as s:
            s.launch_resident()
            screen = self.tool(s, "fullscreen", "15", name="fullscreen", says="shown")
            self.assertNotIn("not in the foreground", output(s, "fullscreen"))
            self.stays_quiet(s, "http://quiet.example/")
            self.assertFalse(s.windows("quiet.example"))
            # Command words are still announced. (The window manager keeps a
            # full-screen window above all others, so the banner is found by
            # its window's text.)
            s.copy("WendoraWaitTime=2")
            self.assertTrue(s.wait_for(lambda: s.windows("^待ち時間の変更 "), timeout=15),
                            "the command word was not announced")
            self.assertTrue(s.wait_for(lambda: not s.windows("^待ち時間の変更 "), timeout=10))
            screen.kill()
            screen.wait()
            time.sleep(1)
            self.announce(s, "http://after.example/")
            self.assertTrue(s.wait_for(lambda: "http://after.example/" in s.shell_requests(),
                                       timeout=10))
            self.assertNotIn("http://quiet.example/", s.shell_requests())
            self.announce(s, "ExitWendora")
            self.assertTrue(s.wait_for(lambda: b"\r\nWaitTime=2\r\n" in s.read(s.settings),
                                       timeout=20))

        with Program(b"[Settings]\r\nWaitTime=1\r\nQuietWhenFullScreen=0\r\n") as s:
            s.launch_resident()
            self.tool(s, "fullscreen", "15", name="fullscreen", says="shown")
            s.copy("http://not.quiet.example/")
            self.assertTrue(s.wait_for(lambda: s.windows("^http://not.quiet.example/ "),
                                       timeout=15), "not announced over the full-screen window")

    def test_screen_readers_hear_an_alert_with_the_banners_text(self):
        with Program(b"[Settings]\r\nWaitTime=30\r\n") as s:
            s.launch_resident()
            self.tool(s, "alerts", "60", name="alerts", says="listening")
            self.announce(s, "www.example.com/alert")
            said = ("alert: http://www.example.com/alert URL を示すと思われる文字列が"
                    "クリップ ボードに格納されました。上記 URL に存在する Web ページを開きます。")
            self.assertTrue(s.wait_for(lambda: said in output(s, "alerts"), timeout=10),
                            "heard: " + output(s, "alerts"))

    def test_the_banner_on_the_pointers_monitor(self):
        # Wine shows one monitor here: the banner stands where it always does.
        with Program(b"[Settings]\r\nAnnounceMonitor=2\r\n") as s:
            s.launch_resident()
            s.run(["xdotool", "mousemove", str(s.width // 2), str(s.height // 2)], name="move")
            self.announce(s, "http://pointer.example/")
        with Program(b"[Settings]\r\nAnnounceMonitor=1\r\n") as s:
            s.launch_resident()
            self.announce(s, "http://foreground.example/")


if __name__ == "__main__":
    OPTIONS, ARGV = harness.parse_test_options("--desktop-tool")
    unittest.main(argv=ARGV, verbosity=2)
