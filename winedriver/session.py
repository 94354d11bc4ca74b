"""One Windows program under wine64 on an X display, driven with real X input.

    with Session(exe, prefix) as session:          # own Xvfb, then wine64 exe
        window = session.wait_for_window("Title")
        session.display.move_to(window.left + 10, window.top + 10)
        session.wait_until(lambda: ..., timeout=5, what="...")
    # leaving the block stops the program and the Xvfb server by their PIDs
"""

import os
import subprocess
import time

from winedriver import wine
from winedriver.screen import Display
from winedriver.waiting import DriverError, stop_process, wait_until
from winedriver.xvfb import Xvfb


class Session:
    """The program, started on `display` (an X display name) or on a private Xvfb when none is
    given; `display` is then the Display the program shows on. `stdout` as in wine.start."""

    def __init__(self, exe, prefix=None, args=(), display=None, pointer_at=(0, 0), stdout=None):
        self.exe = exe
        self.program = None
        self._xvfb = None
        self.display = None
        try:
            if display is None:
                self._xvfb = Xvfb()
                display = self._xvfb.display
            self.display = Display(display)
            if pointer_at:
                # Start with the pointer off the window, so that no control sees it at first.
                self.display.move_to(*pointer_at)
            self.started_at = time.monotonic()
            self.program = wine.start(prefix, display, exe, *args, stdout=stdout)
        except BaseException:
            self.close()
            raise

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def close(self):
        stop_process(self.program)
        if self.display:
            self.display.close()
            self.display = None
        if self._xvfb:
            self._xvfb.stop()
            self._xvfb = None

    def wait_until(self, condition, timeout=10, what="a condition"):
        """Polls condition() like winedriver.waiting.wait_until; fails at once when the program
        ended and the condition does not hold."""
        def checked():
            if self.program.poll() is not None and not condition():
                raise DriverError(f"{os.path.basename(self.exe)} ended (exit code "
                                  f"{self.program.returncode}) while waiting for {what}")
            return condition()

        return wait_until(checked, timeout, what)

    def wait_for_window(self, title, timeout=30):
        """The program's mapped window of that title."""
        found = self.wait_until(lambda: self.display.find_windows(title), timeout,
                                f"a window named {title!r}")
        return self.display.geometry(found[0])

    def wait_for_exit(self, timeout=20):
        """The Windows exit code of the program (wine64 returns it as its own)."""
        try:
            return self.program.wait(timeout)
        except subprocess.TimeoutExpired:
            raise DriverError(f"{self.exe} still running after {timeout}s") from None

    def resident_kib(self):
        """Resident set size of the program's process in KiB (VmRSS)."""
        return resident_kib(self.program)


def resident_kib(process):
    """Resident set size of a running process in KiB (VmRSS)."""
    with open(f"/proc/{process.pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    raise DriverError("no VmRSS in /proc status")
