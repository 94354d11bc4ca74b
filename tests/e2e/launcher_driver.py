"""Drives a Windows program under wine64 on a private Xvfb display with real X input.

    with Session(exe, prefix) as session:        # own Xvfb, then wine64 exe
        window = session.wait_for_window("Velmora Free Center")
        session.screenshot()                      # PIL image of the whole screen
        session.move_to(window.left + 10, window.top + 10)
        session.wait_until(lambda: ..., timeout=5, what="...")
    # leaving the block stops the program and the Xvfb server by their PIDs

Everything waits for a condition with a timeout; nothing sleeps a fixed time.
"""

import os
import re
import subprocess
import time
from dataclasses import dataclass
from io import BytesIO

import numpy as np
from PIL import Image

from xcapture import ScreenReader

WINE64 = "/usr/lib/wine/wine64"
SCREEN_WIDTH, SCREEN_HEIGHT = 1024, 768
POLL_INTERVAL = 0.02


class DriverError(AssertionError):
    """A wait ran out or a helper program failed."""


def wait_until(condition, timeout, what, interval=POLL_INTERVAL):
    """Polls condition() until it returns a true value, which is returned; raises after timeout."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise DriverError(f"timed out after {timeout}s waiting for {what}")
        time.sleep(interval)


def stop_process(process, timeout=10):
    """Ends a child process by its PID: terminate, then kill if it does not go."""
    if process is None or process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(timeout)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


class Xvfb:
    """A private X server; the display number is chosen by the server itself."""

    def __init__(self, width=SCREEN_WIDTH, height=SCREEN_HEIGHT):
        read_end, write_end = os.pipe()
        try:
            self.process = subprocess.Popen(
                # No key auto-repeat: a held key must stay one press, however slow the machine.
                ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
                 "-nolisten", "tcp", "-noreset", "-ardelay", "3600000"],
                pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        finally:
            os.close(write_end)
        with os.fdopen(read_end) as numbers:
            number = numbers.readline().strip()
        if not number.isdigit():
            stop_process(self.process)
            raise DriverError("Xvfb did not report a display number")
        self.display = f":{number}"

    def stop(self):
        stop_process(self.process)


@dataclass(frozen=True)
class Window:
    window_id: int
    left: int
    top: int
    width: int
    height: int


class Display:
    """Input and pictures on one X display, through xdotool, xwininfo and libX11."""

    def __init__(self, name):
        self.name = name
        self.env = dict(os.environ, DISPLAY=name)
        self._reader = ScreenReader(name)

    def close(self):
        self._reader.close()

    def run(self, *args, timeout=10):
        result = subprocess.run(args, env=self.env, capture_output=True, text=True,
                                timeout=timeout)
        if result.returncode != 0:
            raise DriverError(f"{' '.join(args)} failed: {result.stderr.strip()}")
        return result.stdout

    def xdotool(self, *args):
        return self.run("xdotool", *args)

    def find_windows(self, title):
        """Mapped top-level windows whose title is exactly title (empty list when none)."""
        result = subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--name", f"^{re.escape(title)}$"],
            env=self.env, capture_output=True, text=True, timeout=10)
        return [int(line) for line in result.stdout.split()]

    def wait_for_window(self, title, timeout=30):
        try:
            out = self.run("xdotool", "search", "--sync", "--onlyvisible", "--name",
                           f"^{re.escape(title)}$", timeout=timeout)
        except subprocess.TimeoutExpired:
            raise DriverError(f"no window named {title!r} within {timeout}s") from None
        return self.geometry(int(out.split()[0]))

    def geometry(self, window_id):
        info = self.run("xwininfo", "-id", str(window_id))

        def field(label):
            match = re.search(rf"{label}:\s+(-?\d+)", info)
            if not match:
                raise DriverError(f"xwininfo gave no {label} for {window_id}")
            return int(match.group(1))

        return Window(window_id, field("Absolute upper-left X"), field("Absolute upper-left Y"),
                      field("Width"), field("Height"))

    # Pictures -------------------------------------------------------------------------------

    def pixels(self):
        """The whole screen as an RGB array (height, width, 3)."""
        return self._reader.grab(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT)

    def window_pixels(self, window):
        """The window's area as an RGB array; the window must lie on the screen."""
        screen = self.pixels()
        return screen[window.top:window.top + window.height,
                      window.left:window.left + window.width]

    def screenshot(self):
        """The whole screen as ImageMagick's import sees it (slower; for saving pictures)."""
        png = subprocess.run(["import", "-window", "root", "png:-"], env=self.env,
                             capture_output=True, check=True, timeout=30).stdout
        return Image.open(BytesIO(png)).convert("RGB")

    # Input ----------------------------------------------------------------------------------

    def move_to(self, x, y):
        self.xdotool("mousemove", str(x), str(y))

    def button_down(self, button=1):
        self.xdotool("mousedown", str(button))

    def button_up(self, button=1):
        self.xdotool("mouseup", str(button))

    def focus(self, window):
        # No window manager: windowactivate fails, windowfocus sets the X input focus.
        self.xdotool("windowfocus", "--sync", str(window.window_id))

    def key(self, *keys):
        self.xdotool("key", *keys)

    def key_down(self, key):
        self.xdotool("keydown", key)

    def key_up(self, key):
        self.xdotool("keyup", key)


def wine_env(display, prefix=None):
    env = dict(os.environ, DISPLAY=display, WINEDEBUG=os.environ.get("WINEDEBUG", "-all"),
               WINEDLLOVERRIDES=os.environ.get("WINEDLLOVERRIDES", "mscoree,mshtml="))
    if prefix:
        env["WINEPREFIX"] = prefix
    return env


def run_windows_program(display, prefix, *args, timeout=60):
    """Runs a Windows program (such as reg) to its end on the given display; returns its result.
    A display is needed even by console programs: Wine's desktop process, once started without
    one, would refuse every window of the programs that follow on the same wineserver."""
    return subprocess.run([WINE64, *args], env=wine_env(display, prefix), capture_output=True,
                          text=True, timeout=timeout)


class Session:
    """A private Xvfb with one Windows program running on it under wine64."""

    def __init__(self, exe, prefix=None, args=(), display=None, pointer_at=(0, 0)):
        self.exe = exe
        self._xvfb = None
        self.program = None
        if display is None:
            self._xvfb = Xvfb()
            display = self._xvfb.display
        try:
            self.display = Display(display)
            if pointer_at:
                # Start with the pointer off the window, so that no control sees it at first.
                self.display.move_to(*pointer_at)
            env = wine_env(display, prefix)
            self.started_at = time.monotonic()
            self.program = subprocess.Popen([WINE64, exe, *args], env=env,
                                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        except BaseException:
            self.close()
            raise

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def close(self):
        stop_process(self.program)
        if "display" in self.__dict__:
            self.display.close()
        if self._xvfb:
            self._xvfb.stop()
            self._xvfb = None

    def __getattr__(self, name):
        # Input and picture helpers come from the display.
        display = self.__dict__.get("display")
        if display is None:
            raise AttributeError(name)
        return getattr(display, name)

    def wait_for_window(self, title, timeout=30):
        """The program's mapped window of that title; fails at once when the program ends."""
        found = self.wait_until(lambda: self.display.find_windows(title), timeout,
                                f"a window named {title!r}")
        return self.display.geometry(found[0])

    def wait_until(self, condition, timeout=10, what="a condition"):
        def checked():
            if self.program.poll() is not None and not condition():
                raise DriverError(f"{os.path.basename(self.exe)} ended (exit code "
                                  f"{self.program.returncode}) while waiting for {what}")
            return condition()

        return wait_until(checked, timeout, what)

    def wait_for_exit(self, timeout=20):
        """The Windows exit code of the program (wine64 returns it as its own)."""
        try:
            return self.program.wait(timeout)
        except subprocess.TimeoutExpired:
            raise DriverError(f"{self.exe} still running after {timeout}s") from None

    def resident_kib(self):
        """Resident set size of the program's process in KiB (VmRSS)."""
        with open(f"/proc/{self.program.pid}/status") as status:
            for line in status:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
        raise DriverError("no VmRSS in /proc status")


def load_picture(path):
    """A picture file as an RGB array."""
    with Image.open(path) as picture:
        return np.asarray(picture.convert("RGB")).copy()
