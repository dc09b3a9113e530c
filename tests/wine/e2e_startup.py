#!/usr/bin/env python3
"""The real TWendora.exe under Wine: single instance, the build counter and
the fatal start-up report, seen from outside as a user would."""
import argparse
import os
import shutil
import sys
import unittest

import harness

OPTIONS = None


class Installed(harness.WineSession):
    """A session with the program copied into <work>/apps/Wendora."""

    def __enter__(self):
        super().__enter__()
        self.folder = self.path("apps", "Wendora")
        os.makedirs(self.folder)
        self.exe = os.path.join(self.folder, "TWendora.exe")
        shutil.copy(OPTIONS.exe, self.exe)
        self.settings = os.path.join(self.folder, "TWendora.ini")
        self.build_numbers = self.path("apps", "TamberlynApps.ini")
        return self

    def launch(self, *args, name="wendora"):
        return self.start(["wine", self.exe] + list(args), name=name)

    def windows(self, title):
        code, out, _ = self.run(["xdotool", "search", "--name", title], name="xdotool")
        return out.split() if code == 0 else []

    def press(self, window, key, until):
        """Gives the window the keyboard focus and presses the key, again
        until the condition holds (a window just mapped may not take keys)."""
        for _ in range(20):
            self.run(["xdotool", "windowfocus", "--sync", window, "key", key], name="press")
            if self.wait_for(until, timeout=1.5):
                return True
        return False

    def read(self, path):
        with open(path, "rb") as f:
            return f.read()


class StartUp(unittest.TestCase):
    def test_second_instance_ends_at_once_and_touches_no_file(self):
        with Installed(OPTIONS.template) as s:
            first = s.launch(name="first")
            # The tray icon is on by default; Wine shows it in its own window.
            self.assertTrue(s.wait_for(lambda: s.windows("Wine System Tray"), timeout=30),
                            "the first instance never put up its tray icon")
            second = s.launch("/debug", name="second")
            self.assertEqual(second.wait(timeout=30), 0)
            self.assertIsNone(first.poll(), "the first instance must go on running")
            self.assertFalse(os.path.exists(s.build_numbers))
            self.assertFalse(os.path.exists(s.settings))
            self.assertEqual(os.listdir(s.folder), ["TWendora.exe"])

    def test_debug_switch_advances_the_build_counter(self):
        with Installed(OPTIONS.template) as s:
            s.launch("/DEBUG")
            self.assertTrue(s.wait_for(lambda: os.path.exists(s.build_numbers), timeout=30))
            self.assertEqual(s.read(s.build_numbers), b"[TWendora]\r\nBuildNumber=1\r\n")
            # Start-up never creates the settings file.
            self.assertFalse(os.path.exists(s.settings))

    def test_bad_setting_is_reported_and_ends_the_program(self):
        with Installed(OPTIONS.template) as s:
            original = b"[Settings]\r\nWaitTime=\r\n"
            with open(s.settings, "wb") as f:
                f.write(original)
            program = s.launch()
            boxes = s.wait_for(lambda: s.windows("^TWendora$"), timeout=30)
            self.assertTrue(boxes, "no error report titled TWendora appeared")
            self.assertIsNone(program.poll(), "the report waits for the user")
            self.assertTrue(s.press(boxes[0], "Return", lambda: program.poll() is not None))
            self.assertEqual(program.wait(timeout=30), 0)
            self.assertEqual(s.read(s.settings), original)
            self.assertFalse(s.windows("Wine System Tray"))


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--template", required=True)
    parser.add_argument("--exe", required=True)
    OPTIONS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)
