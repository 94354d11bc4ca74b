"""Input and pictures on one X display: xdotool for the pointer and the keys, xwininfo for window
geometry, libX11 (winedriver.xcapture) for pixels. Needs numpy and PIL."""

import os
import re
import subprocess
from dataclasses import dataclass
from io import BytesIO

import numpy as np
from PIL import Image

from winedriver.waiting import DriverError, wait_until
from winedriver.xcapture import ScreenReader
from winedriver.xvfb import SCREEN_HEIGHT, SCREEN_WIDTH

SETTLE_INTERVAL = 0.1


@dataclass(frozen=True)
class Window:
    window_id: int
    left: int
    top: int
    width: int
    height: int


class Display:
    """One X display, opened by name; close() ends the pixel reader's connection."""

    def __init__(self, name):
        self.name = name
        self.env = dict(os.environ, DISPLAY=name)
        self._reader = ScreenReader(name)

    def close(self):
        self._reader.close()

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def run(self, *args, timeout=10):
        """Runs an X client on this display; its output, or DriverError when it failed."""
        result = subprocess.run(args, env=self.env, capture_output=True, text=True,
                                timeout=timeout)
        if result.returncode != 0:
            raise DriverError(f"{' '.join(args)} failed: {result.stderr.strip()}")
        return result.stdout

    # Windows --------------------------------------------------------------------------------

    def find_windows(self, title):
        """Mapped top-level windows whose title is exactly title (empty list when none)."""
        result = subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--name", f"^{re.escape(title)}$"],
            env=self.env, capture_output=True, text=True, timeout=10)
        return [int(line) for line in result.stdout.split()]

    def wait_for_window(self, title, timeout=30):
        """The first mapped window of that title, once there is one."""
        found = wait_until(lambda: self.find_windows(title), timeout,
                           f"a window named {title!r}")
        return self.geometry(found[0])

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

    def grab(self, left, top, width, height):
        """A region of the screen as an RGB array (height, width, 3)."""
        return self._reader.grab(left, top, width, height)

    def pixels(self):
        """The whole screen as an RGB array (height, width, 3)."""
        return self.grab(0, 0, SCREEN_WIDTH, SCREEN_HEIGHT)

    def window_pixels(self, window):
        """The window's area as an RGB array; the window must lie on the screen."""
        screen = self.pixels()
        return screen[window.top:window.top + window.height,
                      window.left:window.left + window.width]

    def settled_window_pixels(self, window, timeout):
        """The window's pixels once painted: not all black and the same in two grabs in a row."""
        last = [None]

        def painted():
            pixels = self.window_pixels(window)
            done = pixels.any() and last[0] is not None and np.array_equal(pixels, last[0])
            last[0] = pixels
            return done

        wait_until(painted, timeout, "the window to paint", interval=SETTLE_INTERVAL)
        return last[0]

    def screenshot(self):
        """The whole screen as ImageMagick's import sees it (slower; for saving pictures)."""
        png = subprocess.run(["import", "-window", "root", "png:-"], env=self.env,
                             capture_output=True, check=True, timeout=30).stdout
        return Image.open(BytesIO(png)).convert("RGB")

    # Input ----------------------------------------------------------------------------------

    def xdotool(self, *args):
        return self.run("xdotool", *args)

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


def save_picture(pixels, path):
    """Saves an RGB array as a picture file, making its folder when needed."""
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    Image.fromarray(pixels, "RGB").save(path)


def load_picture(path):
    """A picture file as an RGB array."""
    with Image.open(path) as picture:
        return np.asarray(picture.convert("RGB")).copy()
