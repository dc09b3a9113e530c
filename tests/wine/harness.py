"""Running Windows programs under Wine in a virtual X display, for tests.

Every session gets its own X server (Xvfb picks a free display number itself)
and its own copy of a prepared Wine prefix, and stops what it started by
process id. Output of Wine programs always goes to files, never to pipes:
processes that Wine starts in the background would keep a pipe open.
"""

import os
import shutil
import signal
import subprocess
import tempfile
import time

# Files that Wine only reads: linked into a session's prefix, not copied.
_SHARED_SUFFIXES = (".dll", ".exe", ".drv", ".sys", ".nls", ".ocx", ".cpl", ".acm",
                    ".ax", ".tlb", ".mui", ".ttf", ".ttc", ".fon", ".msstyles")

JAPANESE_FONTS = {
    "ＭＳ Ｐゴシック": "IPAPGothic",
    "MS PGothic": "IPAPGothic",
    "MS UI Gothic": "IPAPGothic",
    "ＭＳ ゴシック": "IPAGothic",
    "MS Gothic": "IPAGothic",
}


def wine_env(prefix, display=None):
    env = dict(os.environ)
    env.update({
        "WINEPREFIX": prefix,
        "WINEDEBUG": "-all",
        "WINEDLLOVERRIDES": "mscoree,mshtml=",
        "LC_ALL": "C.UTF-8",
    })
    if display is not None:
        env["DISPLAY"] = display
    else:
        env.pop("DISPLAY", None)
    return env


def _run_quiet(args, env, log, timeout=300):
    with open(log, "ab") as out:
        return subprocess.run(args, env=env, stdout=out, stderr=out, stdin=subprocess.DEVNULL,
                              timeout=timeout, check=False).returncode


def make_prefix(prefix):
    """Creates a fresh prefix once; a complete one is kept and reused."""
    stamp = os.path.join(prefix, ".wendora-ready")
    if os.path.exists(stamp):
        return
    shutil.rmtree(prefix, ignore_errors=True)
    os.makedirs(os.path.dirname(prefix) or ".", exist_ok=True)
    env = wine_env(prefix)
    log = prefix + ".log"
    _run_quiet(["wine", "wineboot", "-i"], env, log)
    for name, font in JAPANESE_FONTS.items():
        _run_quiet(["wine", "reg", "add", r"HKCU\Software\Wine\Fonts\Replacements",
                    "/v", name, "/d", font, "/f"], env, log)
    _run_quiet(["wineserver", "-w"], env, log)
    with open(stamp, "w", encoding="utf-8") as f:
        f.write("ok\n")


def copy_prefix(template, target):
    for root, dirs, files in os.walk(template):
        rel = os.path.relpath(root, template)
        dest_root = os.path.join(target, rel) if rel != "." else target
        os.makedirs(dest_root, exist_ok=True)
        for d in dirs:
            src = os.path.join(root, d)
            if os.path.islink(src):
                os.symlink(os.readlink(src), os.path.join(dest_root, d))
        for name in files:
            src = os.path.join(root, name)
            dst = os.path.join(dest_root, name)
            if os.path.islink(src):
                os.symlink(os.readlink(src), dst)
            elif name.lower().endswith(_SHARED_SUFFIXES):
                os.link(src, dst)
            else:
                shutil.copy2(src, dst)
        dirs[:] = [d for d in dirs if not os.path.islink(os.path.join(root, d))]


class WineSession:
    """An X server and a Wine prefix of its own; use with `with`."""

    def __init__(self, template, workdir=None, screen="1024x768x24", dpi=None):
        self.template = template
        self.screen = screen
        self.dpi = dpi
        self.workdir = tempfile.mkdtemp(prefix="wine-session-", dir=workdir or os.getcwd())
        self.prefix = os.path.join(self.workdir, "prefix")
        self.display = None
        self._xvfb = None
        self._children = []

    # -- lifecycle -------------------------------------------------------
    def __enter__(self):
        copy_prefix(self.template, self.prefix)
        self._start_xvfb()
        return self

    def __exit__(self, *exc):
        self.close()
        return False

    def close(self):
        _run_quiet(["wineserver", "-k"], self.env(), self.path("wineserver.log"), timeout=60)
        _run_quiet(["wineserver", "-w"], self.env(), self.path("wineserver.log"), timeout=60)
        for child in self._children:
            if child.poll() is None:
                child.kill()
            child.wait()
        if self._xvfb is not None and self._xvfb.poll() is None:
            self._xvfb.send_signal(signal.SIGTERM)
            try:
                self._xvfb.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self._xvfb.kill()
                self._xvfb.wait()
        if os.environ.get("WENDORA_KEEP_SESSIONS") != "1":
            shutil.rmtree(self.workdir, ignore_errors=True)

    def _start_xvfb(self):
        read_fd, write_fd = os.pipe()
        args = ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", self.screen,
                "-nolisten", "tcp"]
        if self.dpi:
            args += ["-dpi", str(self.dpi)]
        with open(self.path("xvfb.log"), "wb") as log:
            self._xvfb = subprocess.Popen(args, pass_fds=(write_fd,), stdout=log, stderr=log,
                                          stdin=subprocess.DEVNULL)
        os.close(write_fd)
        number = b""
        with os.fdopen(read_fd, "rb") as r:
            while not number.endswith(b"\n"):
                chunk = r.read(1)
                if not chunk:
                    break
                number += chunk
        if not number.strip():
            raise RuntimeError("Xvfb did not start; see " + self.path("xvfb.log"))
        self.display = ":" + number.decode().strip()

    # -- helpers ---------------------------------------------------------
    def path(self, *parts):
        return os.path.join(self.workdir, *parts)

    def env(self):
        return wine_env(self.prefix, self.display)

    def run(self, args, timeout=300, name="run"):
        """Runs a command in the session to the end; returns (code, stdout, stderr)."""
        out_path, err_path = self.path(name + ".out"), self.path(name + ".err")
        with open(out_path, "wb") as out, open(err_path, "wb") as err:
            code = subprocess.run(args, env=self.env(), stdout=out, stderr=err,
                                  stdin=subprocess.DEVNULL, timeout=timeout,
                                  check=False).returncode
        with open(out_path, encoding="utf-8", errors="replace") as f:
            stdout = f.read()
        with open(err_path, encoding="utf-8", errors="replace") as f:
            stderr = f.read()
        return code, stdout, stderr

    def start(self, args, name="start"):
        """Starts a command in the background; the session ends it on close."""
        out = open(self.path(name + ".out"), "wb")  # pylint: disable=consider-using-with
        child = subprocess.Popen(args, env=self.env(), stdout=out, stderr=out,
                                 stdin=subprocess.DEVNULL)
        out.close()
        self._children.append(child)
        return child

    def wait_for(self, predicate, timeout=20.0, interval=0.1):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            value = predicate()
            if value:
                return value
            time.sleep(interval)
        return predicate()
