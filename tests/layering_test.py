#!/usr/bin/env python3
"""Checks that every include in src/ runs downward through the layers, each
of which may use only those below it:

    platform (the door's interface) < base < settings < announce < watcher
    < tray < settings_dialog < app

The Windows implementation of the door (platform/win32) may use the door and
base; the composition root (platform/win32/main.cpp) may use anything.

It also checks that each file keeps to one job: none is longer than 450
lines, and a path's file name is cut off in one place only (base/path.cpp)."""
import os
import re
import sys

LAYERS = ["platform", "base", "settings", "announce", "watcher", "tray", "settings_dialog", "app"]
BACKEND = "platform/win32"
ROOT = "platform/win32/main.cpp"
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
MAX_LINES = 450
# Looking for the last separator of a path.
LAST_SEPARATOR = re.compile(r'find_last_of\(L?"(\\\\/|/\\\\|\\\\)"\)|rfind\(L?\'(\\\\|/)\'\)')
FILE_NAME_HOME = "base/path.cpp"


def layer_of(path):
    if path.startswith(BACKEND + "/"):
        return BACKEND
    return path.split("/", 1)[0]


def allowed(source, target):
    if source == ROOT:
        return True
    here, there = layer_of(source), layer_of(target)
    if here == there:
        return True
    if here == BACKEND:
        return there in ("platform", "base")
    return there in LAYERS and LAYERS.index(there) < LAYERS.index(here)


def main(src):
    upward = []
    other = []
    for folder, _, files in os.walk(src):
        for name in files:
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.relpath(os.path.join(folder, name), src).replace(os.sep, "/")
            with open(os.path.join(folder, name), encoding="utf-8") as f:
                text = f.read()
            for target in INCLUDE.findall(text):
                if not allowed(path, target):
                    upward.append("%s includes %s" % (path, target))
            lines = text.count("\n")
            if lines > MAX_LINES:
                other.append("%s has %d lines (at most %d)" % (path, lines, MAX_LINES))
            if path != FILE_NAME_HOME and LAST_SEPARATOR.search(text):
                other.append("%s looks for a path's last separator itself" % path)
    for line in upward + other:
        print(line)
    print("%d includes run upward, %d other findings" % (len(upward), len(other)))
    return 1 if upward or other else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
