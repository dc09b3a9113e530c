#!/usr/bin/env python3
"""Reports what a long run leaves behind in the resident TWendora.exe under
Wine (a benchmark, not a test): its memory, GDI objects and windows before
and after many clipboard changes, with an announcement shown and cancelled by
a right click at every twentieth change."""
import argparse
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "wine"))
import harness  # noqa: E402





def counts(s, counter):
    found = s.gui_counts(counter)
    return "%6d KiB resident, %4d GDI objects, %3d windows (system's own counts: GDI %d, USER %d)" % (
        s.resident_kib(), found["gdi"], found["windows"], found["gui_gdi"], found["gui_user"])


def announce_and_cancel(s, options, number):
    tool = s.start(["wine", options.clipboard_tool, "set", "http://run.example/%d" % number],
                   name="set")
    tool.wait(timeout=60)
    if not s.wait_for(lambda: s.banner_up(), timeout=20, interval=0.05):
        raise AssertionError("no banner for announcement %d" % number)
    s.click(s.width // 2, 40, 3)
    if not s.wait_for(lambda: not s.banner_up(), timeout=20, interval=0.05):
        raise AssertionError("announcement %d was not cancelled" % number)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--template", required=True)
    parser.add_argument("--exe", required=True)
    parser.add_argument("--clipboard-tool", required=True)
    parser.add_argument("--gui-counter", required=True)
    parser.add_argument("--changes", type=int, default=10000)
    parser.add_argument("--every", type=int, default=20, help="an announcement every N changes")
    options = parser.parse_args()
    with harness.ProgramSession(options.template, options.exe,
                                b"[Settings]\r\nWaitTime=60\r\n") as s:
        s.launch_resident()
        announce_and_cancel(s, options, 0)  # every window and font made once
        time.sleep(1)
        print("before: " + counts(s, options.gui_counter), flush=True)
        started = time.monotonic()
        done = 0
        while done < options.changes:
            plain = min(options.every - 1, options.changes - done)
            cycle = s.start(["wine", options.clipboard_tool, "cycle", str(plain), "text %d" % done],
                            name="cycle")
            cycle.wait(timeout=600)
            done += plain
            if done < options.changes:
                announce_and_cancel(s, options, done)
                done += 1
            if done % 1000 < options.every:
                print("  %5d changes, %.0f s" % (done, time.monotonic() - started), flush=True)
        time.sleep(2)
        print("after %d changes, %d announcements and cancels: %s"
              % (done, done // options.every, counts(s, options.gui_counter)), flush=True)


if __name__ == "__main__":
    main()
