"""Private X servers, and whether a display can be reached."""

import os
import subprocess

from winedriver.waiting import DriverError, stop_process

SCREEN_WIDTH, SCREEN_HEIGHT = 1024, 768


class Xvfb:
    """A private X server of 24 bits per pixel; the server picks a free display number itself.
    Keys do not repeat: a held key stays one press, however slow the machine."""

    def __init__(self, width=SCREEN_WIDTH, height=SCREEN_HEIGHT):
        read_end, write_end = os.pipe()
        try:
            self.process = subprocess.Popen(
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

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.stop()


def display_reachable(name):
    """True when an X server answers on the display `name`."""
    if not name:
        return False
    result = subprocess.run(["xdpyinfo"], env=dict(os.environ, DISPLAY=name),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=10)
    return result.returncode == 0
