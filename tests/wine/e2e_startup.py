#!/usr/bin/env python3
"""The real TWendora.exe under Wine: single instance, the build counter and
the fatal start-up report, seen from outside as a user would."""
import os
import unittest

import harness

OPTIONS = None


def Installed(template, settings=None):
    return harness.ProgramSession(template, OPTIONS.exe, settings)


class StartUp(unittest.TestCase):
    def test_second_instance_ends_at_once_and_touches_no_file(self):
        with Installed(OPTIONS.template) as s:
            # The tray icon is on by default; Wine shows it in its own window.
            first = s.launch_resident()
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
        original = b"[Settings]\r\nWaitTime=\r\n"
        with Installed(OPTIONS.template, original) as s:
            program = s.launch()
            boxes = s.wait_for(lambda: s.windows("^TWendora$"), timeout=30)
            self.assertTrue(boxes, "no error report titled TWendora appeared")
            self.assertIsNone(program.poll(), "the report waits for the user")
            s.press(boxes[0], "Return")
            self.assertEqual(program.wait(timeout=30), 0)
            self.assertEqual(s.read(s.settings), original)
            self.assertFalse(s.windows("Wine System Tray"))


if __name__ == "__main__":
    OPTIONS, ARGV = harness.parse_test_options()
    unittest.main(argv=ARGV, verbosity=2)
