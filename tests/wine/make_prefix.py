#!/usr/bin/env python3
"""Prepares the Wine prefix that every Wine test of a build folder copies."""
import sys

import harness

if __name__ == "__main__":
    harness.make_prefix(sys.argv[1])
