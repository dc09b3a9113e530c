"""Running Windows programs under Wine in a virtual X display, for tests.

Every session gets its own X server (Xvfb picks a free display number itself)
and its own copy of a prepared Wine prefix, and stops what it started by
process id. Output of Wine programs always goes to files, never to pipes:
processes that Wine starts in the background would keep a pipe open.
"""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
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


def parse_test_options(*required):
    """The options every end-to-end script takes, and the rest for unittest."""
    parser = argparse.ArgumentParser()
    parser.add_argument("--template", required=True, help="the prepared Wine prefix")
    parser.add_argument("--exe", required=True, help="TWendora.exe")
    parser.add_argument("--artifacts", default=os.getcwd(), help="where screenshots go")
    for name in required:
        parser.add_argument(name, required=True)
    options, rest = parser.parse_known_args()
    return options, [sys.argv[0]] + rest


# Wine takes the display language from the locale its wineserver starts in.
LOCALES = {"ja": "ja_JP.UTF-8", "en": "C.UTF-8"}


def wine_env(prefix, display=None, language="en"):
    env = dict(os.environ)
    env.update({
        "WINEPREFIX": prefix,
        "WINEDEBUG": "-all",
        "WINEDLLOVERRIDES": "mscoree,mshtml=",
        "LC_ALL": LOCALES[language],
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


def windows_path(path):
    """The path of a Unix file as Wine's programs see it (drive Z:)."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def _shell_registrations(recorder):
    """Registry entries that send every "open" request to the recorder."""
    command = '@="\\"%s\\" \\"%%1\\""' % windows_path(recorder).replace("\\", "\\\\")
    lines = ["REGEDIT4", ""]
    for protocol in ("http", "https", "about"):
        lines += [r"[HKEY_CLASSES_ROOT\%s]" % protocol, '"URL Protocol"=""', ""]
    lines += [r"[HKEY_CLASSES_ROOT\.txt]", '@="txtfile"', ""]
    lines += [r"[HKEY_CLASSES_ROOT\.chm]", '@="chm.file"', ""]
    for key in ("http", "https", "about", "txtfile", "chm.file", "Directory", "Folder"):
        lines += [r"[HKEY_CLASSES_ROOT\%s\shell\open\command]" % key, command, ""]
    lines += [r"[-HKEY_CLASSES_ROOT\Folder\shell\open\ddeexec]", ""]
    return "\r\n".join(lines)


def make_prefix(prefix, recorder=None):
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
    if recorder:
        reg = prefix + "-shell.reg"
        with open(reg, "w", encoding="ascii", newline="") as f:
            f.write(_shell_registrations(recorder))
        _run_quiet(["wine", "regedit", "/S", reg], env, log)
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
    """An X server and a Wine prefix of its own; use with `with`. Its Windows
    programs see a Japanese display language, or an English one."""

    def __init__(self, template, workdir=None, screen="1024x768x24", dpi=None, language="ja"):
        self.template = os.path.abspath(template)
        self.screen = screen
        self.width, self.height = (int(v) for v in screen.split("x")[:2])
        self.dpi = dpi
        self.language = language
        self.workdir = os.path.abspath(
            tempfile.mkdtemp(prefix="wine-session-", dir=workdir or os.getcwd()))
        self.prefix = os.path.join(self.workdir, "prefix")
        self.display = None
        self.shell_log = os.path.join(self.workdir, "shell.log")
        self._xvfb = None
        self._children = []

    # -- lifecycle -------------------------------------------------------
    def __enter__(self):
        try:
            copy_prefix(self.template, self.prefix)
            self._start_xvfb()
            self._start_window_manager()
            if self.dpi:
                # What Windows programs under Wine take as the screen's DPI.
                self.run(["wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels",
                          "/t", "REG_DWORD", "/d", str(self.dpi), "/f"], name="dpi")
        except BaseException:
            self.close()  # nothing started is left behind
            raise
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

    def _start_window_manager(self):
        """Every desktop has a window manager; without one, Wine waits for it
        (about 2 s) on every hide of a window it would manage."""
        def running():
            code, out, _ = self.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], name="xprop")
            return code == 0 and "window id" in out

        # Seen once here: openbox could not open a display that Xvfb had just
        # announced. It is started again then.
        for _ in range(3):
            openbox = self.start(["openbox", "--sm-disable"], name="openbox")
            if self.wait_for(lambda: running() or openbox.poll() is not None, timeout=20) \
                    and running():
                return
        raise RuntimeError("openbox did not start; see " + self.path("openbox.out"))

    # -- helpers ---------------------------------------------------------
    def path(self, *parts):
        return os.path.join(self.workdir, *parts)

    def env(self, args=("wine",)):
        """The environment of a command: Wine's programs see the session's
        language; the X tools keep C.UTF-8, in which they read and write
        UTF-8 (ja_JP.UTF-8 need not be a locale this machine has)."""
        wine = os.path.basename(args[0]) in ("wine", "wine64", "wineserver")
        env = wine_env(self.prefix, self.display, self.language if wine else "en")
        env["WENDORA_SHELL_LOG"] = windows_path(self.shell_log)
        return env

    def run(self, args, timeout=300, name="run"):
        """Runs a command in the session to the end; returns (code, stdout, stderr)."""
        out_path, err_path = self.path(name + ".out"), self.path(name + ".err")
        with open(out_path, "wb") as out, open(err_path, "wb") as err:
            code = subprocess.run(args, env=self.env(args), stdout=out, stderr=err,
                                  stdin=subprocess.DEVNULL, timeout=timeout,
                                  check=False).returncode
        with open(out_path, encoding="utf-8", errors="replace") as f:
            stdout = f.read()
        with open(err_path, encoding="utf-8", errors="replace") as f:
            stderr = f.read()
        return code, stdout, stderr

    def start(self, args, name="start", cwd=None):
        """Starts a command in the background; the session ends it on close."""
        out = open(self.path(name + ".out"), "wb")  # pylint: disable=consider-using-with
        child = subprocess.Popen(args, env=self.env(args), stdout=out, stderr=out,
                                 stdin=subprocess.DEVNULL, cwd=cwd)
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

    # -- the desktop, as a user touches it -------------------------------
    def copy(self, text):
        """Puts text on the X clipboard, as copying in another program does."""
        with open(self.path("xclip.log"), "ab") as log:
            child = subprocess.Popen(["xclip", "-selection", "clipboard", "-i"],
                                     env=self.env(["xclip"]),
                                     stdin=subprocess.PIPE, stdout=log, stderr=log)
            child.communicate(text.encode("utf-8"), timeout=20)

    def keys(self, window, *keys):
        """Gives the window the keyboard focus and presses the keys."""
        self.run(["xdotool", "windowfocus", "--sync", window, "key", "--delay", "50"] + list(keys),
                 name="keys")

    def windows(self, title, visible=True):
        """The X windows whose title matches the regular expression. Titles
        are read as UTF-8 (_NET_WM_NAME): in a Japanese session Wine cannot
        write Japanese into the plain WM_NAME that xdotool matches."""
        args = ["xdotool", "search"] + (["--onlyvisible"] if visible else []) + ["--name", "."]
        code, out, _ = self.run(args, name="xdotool")
        if code != 0:
            return []
        pattern = re.compile(title)
        found = []
        for window in out.split():
            code, prop, _ = self.run(["xprop", "-id", window, "_NET_WM_NAME"], name="xprop")
            match = re.search(r'= "(.*)"$', prop.strip())
            if code == 0 and match and pattern.search(match.group(1)):
                found.append(window)
        return found

    def geometry(self, window):
        """Where a window's client area is on the screen: (x, y, width,
        height). A window manager's frame is not counted."""
        code, out, _ = self.run(["xwininfo", "-id", window], name="xwininfo")
        if code != 0:
            return None
        values = {}
        for line in out.splitlines():
            key, _, value = line.strip().partition(":")
            values[key] = value.strip()
        return (int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]),
                int(values["Width"]), int(values["Height"]))

    def click(self, x, y, button=1):
        # From elsewhere onto the spot, so that the window under the pointer
        # sees it arrive even when the pointer was already there.
        self.run(["xdotool", "mousemove", str(x), str(self.height - 1), "sleep", "0.2",
                  "mousemove", str(x), str(y), "sleep", "0.2", "click", str(button)],
                 name="click")

    def press(self, window, key):
        """Activates the window, as a click on it would, and presses the key."""
        self.run(["xdotool", "windowactivate", "--sync", window, "key", key], name="press")

    def grab(self):
        """The whole screen as (width, height, rgb bytes)."""
        raw = self.path("screen.rgb")
        self.run(["import", "-window", "root", "-depth", "8", "rgb:" + raw], name="import")
        with open(raw, "rb") as f:
            return self.width, self.height, f.read()

    def dismiss(self, title):
        """Closes the message box of that title with its default button."""
        boxes = self.windows(title)
        if boxes:
            self.press(boxes[0], "Return")
        return self.wait_for(lambda: not self.windows(title), timeout=10)

    def screenshot(self, png):
        self.run(["import", "-window", "root", png], name="import")

    # The banner: a 3-pixel dialog frame around its gradient, which runs from
    # white in its first row to (100, 255, 100) in its last visible one (one
    # step short of the bottom colour); 89 rows at 96 DPI.
    BANNER_FRAME = 3
    WHITE = (255, 255, 255)

    def banner_rows(self, rows=89, last=(100, 255, 100), top=WHITE):
        """Whether the banner stands at the top of the screen with a gradient
        of that many rows, from the top colour to the last visible one."""
        shot = self.grab()
        x = self.BANNER_FRAME + 2
        return self.pixel(shot, x, self.BANNER_FRAME) == top and \
            self.pixel(shot, x, self.BANNER_FRAME + rows - 1) == last

    def banner_up(self):
        return self.banner_rows()

    def banner_gone(self):
        return self.pixel(self.grab(), self.BANNER_FRAME + 2, self.BANNER_FRAME) != self.WHITE

    # A left click on the banner within half a second of its arrival does
    # not run it (it may have been meant for what stood there before).
    CLICK_PROTECTION = 0.5

    def click_banner(self, button=1):
        """Clicks the banner as a user does, once it has stood for a moment."""
        time.sleep(self.CLICK_PROTECTION + 0.1)
        self.click(self.width // 2, 40, button)

    def cancel_banner(self, timeout=10):
        """Right-clicks the banner; whether it went away."""
        self.click(self.width // 2, 40, 3)
        return self.wait_for(self.banner_gone, timeout=timeout)

    def pixel(self, shot, x, y):
        width, _, data = shot
        at = (y * width + x) * 3
        return tuple(data[at:at + 3])

    def pid_of(self, exe_name):
        """The Linux process id of a Windows program running in the session,
        by its file name, or None."""
        for entry in os.listdir("/proc"):
            if not entry.isdigit():
                continue
            try:
                with open("/proc/%s/comm" % entry, encoding="utf-8") as f:
                    if f.read().strip() != exe_name[:15]:
                        continue
                with open("/proc/%s/environ" % entry, "rb") as f:
                    if ("WINEPREFIX=" + self.prefix).encode() in f.read().split(b"\0"):
                        return int(entry)
            except OSError:
                continue
        return None

    def processes_naming(self, text):
        """The command lines of the session's processes that contain the
        text."""
        found = []
        for entry in os.listdir("/proc"):
            if not entry.isdigit():
                continue
            try:
                with open("/proc/%s/environ" % entry, "rb") as f:
                    if ("WINEPREFIX=" + self.prefix).encode() not in f.read().split(b"\0"):
                        continue
                with open("/proc/%s/cmdline" % entry, "rb") as f:
                    line = f.read().replace(b"\0", b" ").decode("utf-8", "replace")
            except OSError:
                continue
            if text in line:
                found.append(line)
        return found

    def shell_requests(self):
        if not os.path.exists(self.shell_log):
            return []
        with open(self.shell_log, encoding="utf-8") as f:
            return f.read().splitlines()


class ProgramSession(WineSession):
    """A session with the program copied into <work>/apps/Wendora, beside a
    settings file when one is given."""

    def __init__(self, template, exe, settings=None, exe_name="TWendora.exe", **kwargs):
        # kwargs: those of WineSession (screen, dpi, language).
        super().__init__(template, **kwargs)
        self.source_exe = exe
        self.exe_name = exe_name
        self.initial_settings = settings

    def __enter__(self):
        super().__enter__()
        self.folder = self.path("apps", "Wendora")
        os.makedirs(self.folder)
        self.exe = os.path.join(self.folder, self.exe_name)
        shutil.copy(self.source_exe, self.exe)
        self.settings = os.path.join(self.folder, "TWendora.ini")
        self.build_numbers = self.path("apps", "TamberlynApps.ini")
        if self.initial_settings is not None:
            with open(self.settings, "wb") as f:
                f.write(self.initial_settings)
        return self

    def launch(self, *args, name="wendora", cwd=None):
        return self.start(["wine", self.exe] + list(args), name=name, cwd=cwd)

    def tray_icon(self):
        """Where the program's icon is: the first one in Wine's tray window."""
        trays = self.windows("Wine System Tray")
        if not trays:
            return None
        self.run(["xdotool", "windowraise", trays[0]], name="raise")
        where = self.geometry(trays[0])
        return where[0] + 10, where[1] + 10

    # Where the middles of the tray menu's items are, in 95ths of its height
    # (16 pixels an item, 9 the separator, 3 each border at 96 DPI).
    MENU_ITEMS = {"settings": 11, "help": 27, "pause": 43, "startup": 59, "exit": 84}
    MENU_HEIGHT = 95

    def menus(self):
        """The program's visible popup menus (its only visible windows here)."""
        stem = os.path.splitext(self.exe_name)[0]
        return self.run(["xdotool", "search", "--onlyvisible", "--class", stem],
                        name="menu")[1].split()

    def open_tray_menu(self):
        """Right-clicks the tray icon; the menu's window, or None."""
        icon = self.tray_icon()
        if icon is None:
            return None
        self.click(icon[0], icon[1], 3)
        menus = self.wait_for(self.menus, timeout=10)
        return menus[0] if menus else None

    def choose_in_menu(self, menu, item):
        """Clicks a menu item: the menu's owner is hidden, so under a window
        manager the menu takes no keys sent from outside."""
        x, y, width, height = self.geometry(menu)
        self.click(x + width // 2, y + height * self.MENU_ITEMS[item] // self.MENU_HEIGHT, 1)
        self.wait_for(lambda: not self.menus(), timeout=10)

    def launch_resident(self, *args, cwd=None):
        """Starts the program and waits until its tray icon is up."""
        program = self.launch(*args, cwd=cwd)
        if not self.wait_for(lambda: self.windows("Wine System Tray"), timeout=30):
            raise AssertionError("the program never put up its tray icon")
        return program

    def read(self, path):
        with open(path, "rb") as f:
            return f.read()

    def program_pid(self):
        """The Linux process id of the running program, or None."""
        return self.pid_of(self.exe_name)

    def resident_kib(self):
        """The program's resident memory, in KiB, as /proc tells it."""
        with open("/proc/%d/status" % self.program_pid(), encoding="ascii") as f:
            for line in f:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
        raise AssertionError("no VmRSS for the program")

    def gui_counts(self, counter):
        """The program's GDI objects and windows, counted by the counter tool."""
        code, out, _ = self.run(["wine", counter, self.exe_name], name="gui_counter")
        if code != 0:
            raise AssertionError("gui_counter: " + out)
        return {k: int(v) for k, v in (item.split("=") for item in out.split())}
