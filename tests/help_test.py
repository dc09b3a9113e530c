#!/usr/bin/env python3
"""Opens each built help file (Japanese and English) and finds every topic in it."""
import subprocess
import sys

TOPICS = ["index.html", "recognition.html", "clicks.html", "commands.html",
          "settings_dialog.html", "settings_file.html", "style.css", "TWendora.hhc"]


def missing_topics(chm_path):
    listing = subprocess.run(["chmls", "list", chm_path], capture_output=True, text=True,
                             check=True).stdout
    return [t for t in TOPICS if "/" + t not in listing]


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit("usage: help_test.py TWendora.chm [TWendora.en.chm ...]")
    failures = []
    for path in sys.argv[1:]:
        missing = missing_topics(path)
        if missing:
            failures.append("%s: missing topics: %s" % (path, ", ".join(missing)))
        else:
            print("%s: all %d topics present" % (path, len(TOPICS)))
    if failures:
        sys.exit("\n".join(failures))
