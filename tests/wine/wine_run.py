#!/usr/bin/env python3
"""Runs one Windows test program under Wine in its own virtual display and
prefix, and exits with the program's exit code (used as CTest's emulator)."""
import argparse
import os
import sys

import harness


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--template", required=True)
    parser.add_argument("--dpi", type=int, help="the screen's dots per inch, 96 unless given")
    parser.add_argument("program")
    parser.add_argument("args", nargs=argparse.REMAINDER)
    options = parser.parse_args()
    with harness.WineSession(options.template, dpi=options.dpi) as session:
        code, out, err = session.run(["wine", os.path.abspath(options.program)] + options.args)
    sys.stdout.write(out)
    sys.stderr.write(err)
    return code


if __name__ == "__main__":
    sys.exit(main())
