#!/usr/bin/env python3
"""Opens the built help file and finds every topic in it."""
import subprocess
import sys

TOPICS = ["index.html", "recognition.html", "clicks.html", "commands.html",
          "settings_dialog.html", "settings_file.html", "TWendora.hhc"]

if __name__ == "__main__":
    listing = subprocess.run(["chmls", "list", sys.argv[1]], capture_output=True, text=True,
                             check=True).stdout
    missing = [t for t in TOPICS if "/" + t not in listing]
    if missing:
        sys.exit("missing topics: " + ", ".join(missing))
    print("all %d topics present" % len(TOPICS))
