#!/usr/bin/env python3
"""Reports how often the resident TWendora.exe wakes up at rest under Wine (a
benchmark, not a test): the context switches of all its threads over a span
of idle seconds, with an unrecognised text on the clipboard, beside two bare
Windows programs as yardsticks, one waiting for clipboard news only and one
with a 100 ms timer. Each wake-up keeps the processor out of its deep sleep
states."""
import argparse
import glob
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "wine"))
import harness  # noqa: E402


def switches(pid):
    total = 0
    for status in glob.glob("/proc/%d/task/*/status" % pid):
        try:
            with open(status, encoding="ascii") as f:
                for line in f:
                    if line.startswith(("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")):
                        total += int(line.split()[1])
        except OSError:
            continue  # a thread that ended meanwhile
    return total


def per_second(session, exe, seconds):
    pid = session.wait_for(lambda: session.pid_of(os.path.basename(exe)), timeout=20)
    if pid is None:
        raise AssertionError("%s is not running" % exe)
    time.sleep(3)  # past its start-up
    before = switches(pid)
    time.sleep(seconds)
    return (switches(pid) - before) / seconds


def measure_program(options, exe):
    with harness.ProgramSession(options.template, exe) as s:
        s.launch_resident()
        s.copy("an unrecognised text on the clipboard")
        return per_second(s, exe, options.seconds)


def measure_reference(options, mode):
    with harness.WineSession(options.template) as s:
        s.start(["wine", os.path.abspath(options.reference), mode], name="reference")
        s.copy("an unrecognised text on the clipboard")
        return per_second(s, options.reference, options.seconds)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--template", required=True)
    parser.add_argument("--exe", required=True, help="TWendora.exe")
    parser.add_argument("--before", help="an earlier TWendora.exe to compare with")
    parser.add_argument("--reference", required=True, help="idle_reference.exe")
    parser.add_argument("--seconds", type=float, default=20)
    options = parser.parse_args()
    rows = [("bare program, clipboard news only", measure_reference(options, "listener")),
            ("bare program with a 100 ms timer", measure_reference(options, "timer"))]
    if options.before:
        rows.append(("TWendora.exe before (%s)" % options.before,
                     measure_program(options, options.before)))
    rows.append(("TWendora.exe", measure_program(options, options.exe)))
    for label, rate in rows:
        print("%-50s %6.1f wake-ups a second" % (label, rate), flush=True)


if __name__ == "__main__":
    main()
