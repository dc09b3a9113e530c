#!/usr/bin/env python3
"""The real TWendora.exe under Wine: the tray icon and its menu, the settings
dialog opened by the command word and from the menu, as a user would use
them. With no tray host, Wine shows tray icons in its own small window."""
import os
import shutil
import time
import unittest

import harness

OPTIONS = None
DIALOG = "^設定$"
WARNING = "^Tamberlyn Wendora 2002$"

# Places in the dialog's client area, in pixels at 96 DPI (twips / 15).
WAIT_TIME_BOX = (120, 17)
TRAY_CHECK_BOX = (14, 168)
OK_BUTTON = (60, 198)
# Wine's colour dialog: its title in Japanese and English, and places in it.
COLOUR_DIALOG = "^(色|Color)$"
RED_IN_THE_COLOUR_DIALOG = (19, 49)


def Program(settings=None):
    return harness.ProgramSession(OPTIONS.template, OPTIONS.exe, settings)


class Tray(unittest.TestCase):
    def open_dialog_by_command(self, s):
        s.copy("WendoraChangeSetting")
        dialogs = s.wait_for(lambda: s.windows(DIALOG), timeout=15)
        self.assertTrue(dialogs, "the command word opened no dialog")
        time.sleep(0.5)
        return dialogs[0]

    def click_in(self, s, window, spot):
        where = s.geometry(window)
        self.assertIsNotNone(where)
        s.click(where[0] + spot[0], where[1] + spot[1], 1)

    def type_wait_time(self, s, dialog, text):
        self.click_in(s, dialog, WAIT_TIME_BOX)
        s.run(["xdotool", "key", "--delay", "50", "End", "BackSpace", "BackSpace", "BackSpace"]
              + list(text) + ["Return"], name="type")

    def open_menu(self, s):
        menu = s.open_tray_menu()
        self.assertTrue(menu, "no menu")
        return menu

    @staticmethod
    def menus(s):
        return s.menus()

    @staticmethod
    def choose(s, menu, item):
        s.choose_in_menu(menu, item)

    def test_settings_command_and_enter(self):
        with Program() as s:
            program = s.launch_resident()
            dialog = self.open_dialog_by_command(s)
            time.sleep(3)  # Wine paints the controls of a new window a little later
            s.screenshot(os.path.join(OPTIONS.artifacts, "dialog.png"))
            self.type_wait_time(s, dialog, "1")
            self.assertTrue(s.wait_for(lambda: not s.windows(DIALOG), timeout=10))
            s.copy("ExitWendora")
            self.assertEqual(program.wait(timeout=20), 0)
            self.assertIn(b"\r\nWaitTime=1\r\n", s.read(s.settings))

    def test_alt_t_picks_the_top_colour(self):
        with Program(b"[Settings]\r\nWaitTime=1\r\n") as s:
            program = s.launch_resident()
            dialog = self.open_dialog_by_command(s)
            self.click_in(s, dialog, WAIT_TIME_BOX)
            # The key is released while Alt is still held.
            s.run(["xdotool", "keydown", "alt", "key", "t", "keyup", "alt"], name="alt_t")
            choosers = s.wait_for(lambda: s.windows(COLOUR_DIALOG), timeout=10)
            self.assertTrue(choosers, "Alt+T opened no colour dialog")
            self.click_in(s, choosers[0], RED_IN_THE_COLOUR_DIALOG)
            s.press(choosers[0], "Return")  # its OK: where it stands differs by language
            self.assertTrue(s.wait_for(lambda: not s.windows(COLOUR_DIALOG), timeout=10))
            self.type_wait_time(s, dialog, "1")
            self.assertTrue(s.wait_for(lambda: not s.windows(DIALOG), timeout=10))
            s.copy("http://red.example/")
            frame = s.BANNER_FRAME
            self.assertTrue(s.wait_for(lambda: s.pixel(s.grab(), frame + 2, frame) == (255, 0, 0),
                                       timeout=15), "the banner was not repainted from red")
            s.copy("ExitWendora")
            self.assertEqual(program.wait(timeout=20), 0)
            self.assertIn(b"TopColorR=255\r\nTopColorG=0\r\nTopColorB=0\r\n",
                          s.read(s.settings))

    def test_a_letter_is_refused_and_the_dialog_stays(self):
        with Program() as s:
            program = s.launch_resident()
            dialog = self.open_dialog_by_command(s)
            self.type_wait_time(s, dialog, "x")
            boxes = s.wait_for(lambda: s.windows(WARNING), timeout=10)
            self.assertTrue(boxes, "no warning for a letter")
            self.assertTrue(s.dismiss(WARNING))
            self.assertTrue(s.windows(DIALOG))
            s.press(s.windows(DIALOG)[0], "Escape")
            self.assertTrue(s.wait_for(lambda: not s.windows(DIALOG), timeout=10))
            s.copy("ExitWendora")
            self.assertEqual(program.wait(timeout=20), 0)
            self.assertIn(b"\r\nWaitTime=4\r\n", s.read(s.settings))

    def test_only_the_right_button_opens_the_menu_and_x_exits(self):
        with Program(b"[Settings]\r\nWaitTime=7\r\n") as s:
            program = s.launch_resident()
            icon = s.tray_icon()
            s.click(icon[0], icon[1], 1)
            time.sleep(1)
            self.assertFalse(self.menus(s), "a left click opened the menu")
            self.choose(s, self.open_menu(s), "exit")
            self.assertEqual(program.wait(timeout=20), 0)
            self.assertTrue(s.read(s.settings).startswith(b"[Settings]\r\nWaitTime=7\r\n"))
            self.assertFalse(s.windows("Wine System Tray"))

    def test_unchecking_the_tray_box_removes_the_icon(self):
        with Program() as s:
            s.launch_resident()
            self.choose(s, self.open_menu(s), "settings")
            dialogs = s.wait_for(lambda: s.windows(DIALOG), timeout=15)
            self.assertTrue(dialogs, "the menu opened no dialog")
            time.sleep(0.5)
            self.click_in(s, dialogs[0], TRAY_CHECK_BOX)
            time.sleep(0.3)
            self.click_in(s, dialogs[0], OK_BUTTON)
            self.assertTrue(s.wait_for(lambda: not s.windows(DIALOG), timeout=10))
            self.assertTrue(s.wait_for(lambda: not s.windows("Wine System Tray"), timeout=10))

    def test_the_dialog_takes_its_keys_while_a_message_box_waits(self):
        # The message box's own loop hands the keys on: Enter still presses
        # OK in the settings dialog opened from the menu.
        with Program(b"[Settings]\r\nWaitTime=30\r\n") as s:
            program = s.launch_resident()
            self.choose(s, self.open_menu(s), "settings")
            dialogs = s.wait_for(lambda: s.windows(DIALOG), timeout=15)
            self.assertTrue(dialogs, "the menu opened no dialog")
            s.copy("C:\\no\\such\\file.txt")
            self.assertTrue(s.wait_for(s.banner_up, timeout=15))
            s.click_banner()
            self.assertTrue(s.wait_for(lambda: s.windows(WARNING), timeout=15), "no warning")
            self.type_wait_time(s, dialogs[0], "7")
            self.assertTrue(s.wait_for(lambda: not s.windows(DIALOG), timeout=10),
                            "Enter did not reach the dialog")
            self.assertTrue(s.windows(WARNING))
            self.assertTrue(s.dismiss(WARNING))
            s.copy("ExitWendora")
            self.assertEqual(program.wait(timeout=60), 0)
            self.assertIn(b"\r\nWaitTime=7\r\n", s.read(s.settings))

    def test_help_opens_the_file_named_after_the_program(self):
        for exe_name, help_name in (("TWendora.exe", "TWendora.chm"),
                                    ("Renamed.exe", "Renamed.chm")):
            with harness.ProgramSession(OPTIONS.template, OPTIONS.exe,
                                        exe_name=exe_name) as s:
                s.launch_resident()
                help_file = os.path.join(s.folder, help_name)
                shutil.copy(OPTIONS.chm, help_file)
                self.choose(s, self.open_menu(s), "help")
                self.assertTrue(s.wait_for(lambda: s.shell_requests(), timeout=15), exe_name)
                self.assertEqual(s.shell_requests(), [harness.windows_path(help_file)])

if __name__ == "__main__":
    OPTIONS, ARGV = harness.parse_test_options("--chm")
    unittest.main(argv=ARGV, verbosity=2)
