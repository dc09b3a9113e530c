#!/usr/bin/env python3
"""Reports the CPU time that the resident TWendora.exe uses over 60 idle
seconds under Wine, and its resident memory then (a benchmark, not a test)."""
import argparse
import os
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "wine"))
import harness  # noqa: E402


def cpu_seconds(pid):
    with open("/proc/%d/stat" % pid, encoding="ascii") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--template", required=True)
    parser.add_argument("--exe", required=True)
    parser.add_argument("--seconds", type=float, default=60)
    parser.add_argument("--text-size", type=int, default=10 << 20)
    options = parser.parse_args()
    with harness.ProgramSession(options.template, options.exe) as s:
        s.launch_resident()
        s.copy("x" * options.text_size)  # a large text that is not announced
        time.sleep(2)
        pid = s.wait_for(s.program_pid, timeout=10)
        before = cpu_seconds(pid)
        time.sleep(options.seconds)
        spent = cpu_seconds(pid) - before
        resident = s.resident_kib()
    print("TWendora.exe, %d-byte text on the clipboard: %.2f s of CPU in %.0f idle seconds (%.3f%%),"
          " %d KiB resident"
          % (options.text_size, spent, options.seconds, 100 * spent / options.seconds, resident))


if __name__ == "__main__":
    main()
