#!/usr/bin/env python3
"""Prepares the Wine prefix that every Wine test of a build folder copies:
Japanese fonts mapped, and every shell "open" request sent to the recorder."""
import argparse

import harness

if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("prefix")
    parser.add_argument("--recorder")
    options = parser.parse_args()
    harness.make_prefix(options.prefix, options.recorder)
