#!/usr/bin/env python3
"""The real TWendora.exe under Wine where desktops are unkind: programs that
own the clipboard and hang or fail to hand their text over, huge texts, and
many changes in a row. Memory is read from /proc, GDI objects and windows
with a small Windows counter; times are printed, never asserted."""
import time
import unittest

import harness

OPTIONS = None


def Program(settings=None):
    return harness.ProgramSession(OPTIONS.template, OPTIONS.exe, settings)


def report(text):
    print("    " + text, flush=True)


class Robust(unittest.TestCase):
    def tool(self, s, *args, name="clipboard_tool"):
        return s.start(["wine", OPTIONS.clipboard_tool] + list(args), name=name)

    def owning_tool(self, s, *args, name="owner"):
        """Starts a tool that takes the clipboard, and waits until it has."""
        owner = self.tool(s, *args, name=name)
        self.assertTrue(s.wait_for(lambda: "owner" in open(s.path(name + ".out"),
                                                            errors="replace").read(),
                                   timeout=30), "the tool never took the clipboard")
        return owner

    def ready_tool(self, s, *args, name="owner"):
        """Starts a tool that takes the clipboard when told to (returned)."""
        trigger = s.path(name + ".go")
        self.tool(s, "--after", harness.windows_path(trigger), *args, name=name)
        self.assertTrue(s.wait_for(lambda: "waiting" in open(s.path(name + ".out"),
                                                              errors="replace").read(),
                                   timeout=30), "the tool did not start")

        def go():
            with open(trigger, "w", encoding="ascii") as f:
                f.write("go\n")
            self.assertTrue(s.wait_for(lambda: "owner" in open(s.path(name + ".out"),
                                                                errors="replace").read(),
                                       timeout=10), "the tool never took the clipboard")
        return go

    def announce(self, s, text):
        s.copy(text)
        self.assertTrue(s.wait_for(lambda: s.banner_up(), timeout=15), "no banner for " + text)

    def test_a_hung_owner_holds_up_neither_clicks_nor_its_own_text(self):
        # Click mode with a long wait: only a click runs the first address.
        with Program(b"[Settings]\r\nDefaultAction=1\r\nWaitTime=60\r\n") as s:
            s.launch_resident()
            self.announce(s, "http://first.example/")
            # A program promises text and then answers nothing for 20 s.
            owner = self.owning_tool(s, "promise", "20", "http://late.example/")
            time.sleep(s.CLICK_PROTECTION + 0.1)
            started = time.monotonic()
            s.click(s.width // 2, 40, 1)
            self.assertTrue(s.wait_for(lambda: "http://first.example/" in s.shell_requests(),
                                       timeout=15), "the click was not handled")
            report("left click to opening while the owner hangs: %.2f s"
                   % (time.monotonic() - started))
            self.assertIsNone(owner.poll(), "the owner should still hang")
            self.assertTrue(s.wait_for(s.banner_gone, timeout=10))
            # Once it answers, its text is read and announced.
            self.assertTrue(s.wait_for(lambda: s.banner_up(), timeout=40),
                            "the promised text was never announced")
            s.click_banner()
            self.assertTrue(s.wait_for(lambda: "http://late.example/" in s.shell_requests(),
                                       timeout=15))

    def test_a_change_drops_what_a_hung_owner_promised(self):
        with Program(b"[Settings]\r\nWaitTime=1\r\n") as s:
            s.launch_resident()
            self.owning_tool(s, "promise", "15", "http://late.example/")
            started = time.monotonic()
            # The system lets the copy through only once it has given up
            # waiting for the hung owner (about 5 s under Wine).
            s.copy("http://prompt.example/")
            self.assertTrue(s.wait_for(lambda: s.banner_up(), timeout=30))
            report("copy to banner while the old owner hangs: %.2f s"
                   % (time.monotonic() - started))
            self.assertTrue(s.wait_for(lambda: "http://prompt.example/" in s.shell_requests(),
                                       timeout=15))
            time.sleep(18)
            self.assertNotIn("http://late.example/", s.shell_requests())
            self.assertTrue(s.banner_gone())

    def test_text_that_comes_only_at_the_second_asking_is_announced(self):
        with Program(b"[Settings]\r\nWaitTime=1\r\n") as s:
            s.launch_resident()
            self.tool(s, "promise-empty-first", "http://second.example/")
            self.assertTrue(s.wait_for(lambda: "http://second.example/" in s.shell_requests(),
                                       timeout=30), "the text was never read again")

    def test_memory_returns_after_huge_texts(self):
        with Program() as s:
            s.launch_resident()
            # Warm up: one announcement shown and cancelled.
            self.announce(s, "http://warm.example/")
            self.assertTrue(s.cancel_banner())
            time.sleep(1)
            before = s.resident_kib()
            s.copy("x" * (50 << 20))
            time.sleep(8)
            peak = s.resident_kib()
            s.copy("http://" + "a" * (5 << 20))
            time.sleep(5)
            s.copy("word")
            # The program has seen everything once it announces the next text.
            self.announce(s, "http://after.example/")
            self.assertTrue(s.cancel_banner())
            time.sleep(2)
            after = s.resident_kib()
            report("resident: %d KiB at start, %d KiB after a 50 MB text, %d KiB at the end"
                   % (before, peak, after))
            self.assertLess(after - before, 16 << 10)
            # A 5 MB address is longer than the shell can open: never announced.
            self.assertEqual(sorted(set(s.shell_requests())), [])

    def test_many_changes_leave_nothing_behind(self):
        with Program(b"[Settings]\r\nWaitTime=30\r\n") as s:
            s.launch_resident()
            self.announce(s, "http://warm.example/")
            self.assertTrue(s.cancel_banner())
            time.sleep(1)
            before = s.gui_counts(OPTIONS.gui_counter)
            before_kib = s.resident_kib()
            for round_ in range(10):
                changes = self.tool(s, "cycle", "20", "plain text %d" % round_, name="cycle")
                self.assertEqual(changes.wait(timeout=60), 0)
                self.announce(s, "http://many.example/%d" % round_)
                self.assertTrue(s.cancel_banner())
            time.sleep(1)
            after = s.gui_counts(OPTIONS.gui_counter)
            after_kib = s.resident_kib()
            report("210 changes, 10 announcements and cancels: GDI objects %d -> %d, windows "
                   "%d -> %d, resident %d -> %d KiB" % (before["gdi"], after["gdi"],
                                                        before["windows"], after["windows"],
                                                        before_kib, after_kib))
            self.assertEqual(after["gdi"], before["gdi"])
            self.assertEqual(after["windows"], before["windows"])
            self.assertLess(after_kib - before_kib, 4 << 10)
            self.assertEqual(s.shell_requests(), [])

    def test_a_countdown_never_runs_out_on_a_copy_kept_back(self):
        with Program(b"[Settings]\r\nWaitTime=2\r\n") as s:
            s.launch_resident()
            go = self.ready_tool(s, "promise", "12", "http://late.example/")
            self.announce(s, "http://first.example/")
            go()  # a newer copy whose owner hangs, well before the countdown ends
            self.assertTrue(s.wait_for(lambda: s.banner_gone(), timeout=15),
                            "the banner stayed up for the copy kept back")
            time.sleep(3)
            self.assertNotIn("http://first.example/", s.shell_requests())
            # When the owner answers, its text is announced and runs.
            self.assertTrue(s.wait_for(lambda: "http://late.example/" in s.shell_requests(),
                                       timeout=40), "the late text never ran")
            self.assertNotIn("http://first.example/", s.shell_requests())

    def test_a_countdown_waits_for_a_copy_whose_reads_fail(self):
        with Program(b"[Settings]\r\nWaitTime=2\r\n") as s:
            s.launch_resident()
            go = self.ready_tool(s, "promise-empty-for", "2600", "http://second.example/")
            self.announce(s, "http://first.example/")
            go()  # renders nothing for 2.6 s: past the first countdown's end
            self.assertTrue(s.wait_for(lambda: "http://second.example/" in s.shell_requests(),
                                       timeout=30), "the second text never ran")
            self.assertNotIn("http://first.example/", s.shell_requests())


if __name__ == "__main__":
    OPTIONS, ARGV = harness.parse_test_options("--clipboard-tool", "--gui-counter")
    unittest.main(argv=ARGV, verbosity=2)
