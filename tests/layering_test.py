#!/usr/bin/env python3
"""Checks that every include in src/ runs downward through the layers, each
of which may use only those below it:

    platform (the door's interface) < base < settings < announce < watcher
    < tray < settings_dialog < app

The Windows implementation of the door (platform/win32) may use the door and
base; the composition root (platform/win32/main.cpp) may use anything."""
import os
import re
import sys

LAYERS = ["platform", "base", "settings", "announce", "watcher", "tray", "settings_dialog", "app"]
BACKEND = "platform/win32"
ROOT = "platform/win32/main.cpp"
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


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
    for folder, _, files in os.walk(src):
        for name in files:
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.relpath(os.path.join(folder, name), src).replace(os.sep, "/")
            with open(os.path.join(folder, name), encoding="utf-8") as f:
                for target in INCLUDE.findall(f.read()):
                    if not allowed(path, target):
                        upward.append("%s includes %s" % (path, target))
    for line in upward:
        print(line)
    print("%d includes run upward" % len(upward))
    return 1 if upward else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
