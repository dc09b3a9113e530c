#!/usr/bin/env python3
"""The real TWendora.exe under Wine, driven as a user would: text copied from
another program, the banner seen on the screen, clicks on it, and what the
shell was asked to open."""
import os
import time
import unittest

import harness

OPTIONS = None
WHITE = (255, 255, 255)
LAST_VISIBLE_ROW = (100, 255, 100)  # one step short of the bottom colour (98, 255, 98)
FRAME = harness.ProgramSession.BANNER_FRAME
BANNER_TOP_ROW = FRAME
BANNER_LAST_ROW = FRAME + 88  # 1335 twips at 15 twips per pixel: 89 rows


def Program(settings=None):
    return harness.ProgramSession(OPTIONS.template, OPTIONS.exe, settings)


class Watch(unittest.TestCase):
    def announce(self, s, text):
        s.copy(text)
        self.assertTrue(s.wait_for(lambda: s.banner_up(), timeout=15),
                        "no banner for " + text)

    def test_address_slides_in_counts_down_and_opens(self):
        with Program() as s:
            s.launch_resident()
            self.announce(s, "www.example.com/page")
            shot = s.grab()
            # Across the screen's whole width, in a raised frame whose height
            # the slide counts too: the window's top row is the frame's.
            right = s.width - FRAME - 1
            self.assertEqual(s.pixel(shot, right, BANNER_TOP_ROW), WHITE)
            self.assertEqual(s.pixel(shot, right, BANNER_LAST_ROW), LAST_VISIBLE_ROW)
            for y in (0, BANNER_LAST_ROW + 1, BANNER_LAST_ROW + FRAME):
                self.assertNotIn(s.pixel(shot, 5, y), (WHITE, LAST_VISIBLE_ROW))
            self.assertNotEqual(s.pixel(shot, 5, BANNER_LAST_ROW + FRAME + 1),
                                s.pixel(shot, 5, BANNER_LAST_ROW + FRAME))
            s.screenshot(os.path.join(OPTIONS.artifacts, "banner.png"))
            self.assertEqual(s.shell_requests(), [])
            self.assertTrue(s.wait_for(lambda: len(s.shell_requests()) == 2, timeout=15))
            self.assertEqual(sorted(s.shell_requests()),
                             ["about:blank", "http://www.example.com/page"])
            self.assertTrue(s.wait_for(lambda: s.banner_gone(), timeout=5))

    def test_the_banner_follows_the_screens_dpi(self):
        # At 144 DPI a twip is a tenth of a pixel: the 1335-twip banner has
        # 134 rows, and its last one is one step short of (98, 255, 98).
        with harness.ProgramSession(OPTIONS.template, OPTIONS.exe, dpi=144) as s:
            s.launch_resident()
            s.copy("http://dpi.example/")

            self.assertTrue(s.wait_for(lambda: s.banner_rows(134, (99, 255, 99)), timeout=15),
                            "no banner of 134 rows")
            shot = s.grab()
            self.assertNotEqual(s.pixel(shot, 5, FRAME + 134), (99, 255, 99))
            self.assertEqual(s.pixel(shot, s.width - FRAME - 1, FRAME + 133), (99, 255, 99))

    def test_right_click_cancels(self):
        with Program() as s:
            s.launch_resident()
            self.announce(s, "https://cancel.example/")
            self.assertTrue(s.cancel_banner(timeout=5))
            time.sleep(5)
            self.assertEqual(s.shell_requests(), [])

    def test_left_click_runs_at_once_in_click_mode(self):
        with Program(b"[Settings]\r\nDefaultAction=1\r\nWaitTime=30\r\n") as s:
            s.launch_resident()
            self.announce(s, "https://click.example/")
            s.click_banner()
            self.assertTrue(s.wait_for(lambda: len(s.shell_requests()) == 2, timeout=10))
            self.assertEqual(sorted(s.shell_requests()), ["about:blank", "https://click.example/"])

    def test_plain_text_ends_the_announcement(self):
        with Program() as s:
            s.launch_resident()
            self.announce(s, "http://never.example/")
            s.copy("just some words")
            self.assertTrue(s.wait_for(lambda: s.banner_gone(), timeout=5))
            time.sleep(5)
            self.assertEqual(s.shell_requests(), [])

    def test_paths_open_when_they_exist_and_warn_when_not(self):
        with Program() as s:
            program = s.launch_resident()
            note = s.path("note.txt")
            with open(note, "w", encoding="utf-8") as f:
                f.write("hello\n")
            self.announce(s, harness.windows_path(note))
            s.click_banner()
            self.assertTrue(s.wait_for(lambda: s.shell_requests(), timeout=10))
            self.assertEqual(s.shell_requests(), [harness.windows_path(note)])
            self.assertTrue(s.wait_for(lambda: s.banner_gone(), timeout=5))

            self.announce(s, "C:\\no\\such\\file.txt")
            s.click_banner()
            boxes = s.wait_for(lambda: s.windows("^Tamberlyn Wendora 2002$"), timeout=15)
            self.assertTrue(boxes, "no warning for a missing path")
            self.assertTrue(s.dismiss("^Tamberlyn Wendora 2002$"))
            self.assertTrue(s.wait_for(lambda: s.banner_gone(), timeout=5))
            self.assertEqual(len(s.shell_requests()), 1)
            self.assertIsNone(program.poll())

    def test_a_program_path_shows_its_folder_and_does_not_run(self):
        with Program() as s:
            s.launch_resident()
            folder = s.path("downloads")
            os.makedirs(folder)
            script = os.path.join(folder, "run.bat")
            ran = s.path("ran.txt")
            with open(script, "w", encoding="ascii") as f:
                f.write("echo ran > %s\r\n" % harness.windows_path(ran))
            self.announce(s, harness.windows_path(script))
            s.click_banner()
            # The shell's folder window (Wine's explorer) opens on its folder.
            self.assertTrue(s.wait_for(lambda: s.processes_naming(harness.windows_path(folder)),
                                       timeout=15), "the folder was not shown")
            self.assertTrue(s.wait_for(lambda: s.banner_gone(), timeout=5))
            time.sleep(3)
            self.assertFalse(os.path.exists(ran), "the script ran")
            self.assertEqual(s.shell_requests(), [])

    def test_a_press_on_the_banner_released_off_it_counts(self):
        with Program(b"[Settings]\r\nDefaultAction=1\r\nWaitTime=30\r\n") as s:
            s.launch_resident()
            self.announce(s, "https://dragged.example/")
            x = s.width // 2
            s.run(["xdotool", "mousemove", str(x), "40", "sleep", "0.3", "mousedown", "1",
                   "sleep", "0.3", "mousemove", str(x), "400", "sleep", "0.3", "mouseup", "1"],
                  name="drag")
            self.assertTrue(s.wait_for(lambda: len(s.shell_requests()) == 2, timeout=10),
                            "the release off the banner was lost")
            self.assertEqual(sorted(s.shell_requests()),
                             ["about:blank", "https://dragged.example/"])

    def windows_copy(self, s, *args):
        return s.start(["wine", OPTIONS.clipboard_tool] + list(args), name="clipboard_tool")

    def test_password_manager_content_is_never_shown(self):
        with Program() as s:
            s.launch_resident()
            self.announce(s, "http://shown.example/")
            tool = self.windows_copy(s, "private", "pass.example/word:42")
            self.assertEqual(tool.wait(timeout=30), 0)
            # The running announcement ends, and nothing is shown or opened.
            self.assertTrue(s.wait_for(lambda: s.banner_gone(), timeout=5))
            time.sleep(5)
            self.assertTrue(s.banner_gone())
            self.assertEqual(s.shell_requests(), [])

    def test_copies_from_listed_programs_are_not_announced(self):
        ignoring = b"[Settings]\r\nIgnoreCopiesFrom= Other.exe ; CLIPBOARD_TOOL.EXE \r\nWaitTime=1\r\n"
        with Program(ignoring) as s:
            program = s.launch_resident()
            owner = self.windows_copy(s, "own", "8", "http://listed.example/")
            time.sleep(6)
            self.assertTrue(s.banner_gone())
            self.assertEqual(s.shell_requests(), [])
            self.assertIsNone(owner.poll(), "the owner must still own the clipboard")
            s.copy("ExitWendora")
            self.assertEqual(program.wait(timeout=30), 0)
            # The program never writes the list: its line stays as it was.
            self.assertTrue(s.read(s.settings).startswith(ignoring))
        with Program(b"[Settings]\r\nIgnoreCopiesFrom=other.exe\r\nWaitTime=1\r\n") as s:
            s.launch_resident()
            self.windows_copy(s, "own", "8", "http://unlisted.example/")
            self.assertTrue(s.wait_for(lambda: "http://unlisted.example/" in s.shell_requests(),
                                       timeout=15))

    def test_a_held_clipboard_is_waited_out_silently(self):
        with Program() as s:
            program = s.launch_resident()
            holder = self.windows_copy(s, "hold", "4", "http://held.example/")
            time.sleep(2)
            self.assertFalse(s.windows("^Tamberlyn Wendora 2002$"))
            self.assertEqual(holder.wait(timeout=30), 0)
            self.assertTrue(s.wait_for(lambda: s.banner_up(), timeout=15))
            self.assertTrue(s.wait_for(lambda: len(s.shell_requests()) == 2, timeout=15))
            self.assertIn("http://held.example/", s.shell_requests())
            self.assertIsNone(program.poll())

    def test_exit_command_saves_the_settings_and_ends(self):
        with Program(b"[Settings]\r\nWaitTime=2\r\nTopColorb=255\r\n") as s:
            program = s.launch_resident()
            self.announce(s, "WendoraWaitTime=3")
            # It counts down the old wait time of 2 seconds, then applies 3.
            self.assertTrue(s.wait_for(lambda: s.banner_gone(), timeout=10))
            self.announce(s, "ExitWendora")
            self.assertEqual(program.wait(timeout=20), 0)
            self.assertEqual(
                s.read(s.settings),
                b"[Settings]\r\nWaitTime=3\r\nTopColorb=255\r\nShowTaskTrayIcon=1\r\n"
                b"DefaultAction=0\r\nTopColorR=255\r\nTopColorG=255\r\nBottomColorR=98\r\n"
                b"BottomColorG=255\r\nBottomColorB=98\r\nPaused=0\r\n")
            self.assertFalse(s.windows("Wine System Tray"))


if __name__ == "__main__":
    OPTIONS, ARGV = harness.parse_test_options("--clipboard-tool")
    unittest.main(argv=ARGV, verbosity=2)
