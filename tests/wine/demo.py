#!/usr/bin/env python3
"""Shows what the program does where there is no display: runs it under Wine
in a virtual one, copies an address, saves a screenshot of the banner, tells
what the shell was asked to open, ends the program with "ExitWendora" and
prints the settings file it wrote."""
import argparse
import os
import shutil
import sys
import time

import harness


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--exe", required=True)
    parser.add_argument("--recorder", required=True)
    parser.add_argument("--prefix", required=True, help="where to keep the prepared Wine prefix")
    parser.add_argument("--screenshot", default="demo.png")
    options = parser.parse_args()

    print("Preparing Wine (the first time takes a little while)...", flush=True)
    harness.make_prefix(options.prefix, options.recorder)
    with harness.ProgramSession(options.prefix, options.exe,
                                workdir=os.path.dirname(options.prefix)) as s:
        program = s.launch_resident()
        print("TWendora.exe is running in a virtual display (%s)." % s.display)
        address = "www.example.com/page"
        print("Copying to the clipboard: " + address)
        s.copy(address)

        if not s.wait_for(s.banner_up, timeout=20):
            sys.exit("The banner did not appear.")
        time.sleep(0.5)
        s.screenshot(options.screenshot)
        print("The banner slid in; screenshot saved as " + os.path.abspath(options.screenshot))
        if not s.wait_for(lambda: len(s.shell_requests()) >= 2, timeout=20):
            sys.exit("The countdown ran out but nothing was opened.")
        print("After the countdown the shell was asked to open:")
        for request in s.shell_requests():
            print("  " + request)
        print("Copying to the clipboard: ExitWendora")
        s.copy("ExitWendora")
        program.wait(timeout=30)
        print("TWendora.exe ended; the settings file it wrote (TWendora.ini):")
        with open(s.settings, encoding="ascii") as f:
            sys.stdout.write("  " + f.read().replace("\n", "\n  ").rstrip() + "\n")


if __name__ == "__main__":
    main()
