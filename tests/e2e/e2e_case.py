"""Common ground of the end-to-end tests: one launcher per test class on its own Xvfb.

Each test program is run as  test_X.py LAUNCHER_EXE ASSETS_DIR  with WINEPREFIX set and the
repository's root folder on PYTHONPATH (for the Wine driver, winedriver/).
Mismatching pictures are saved to $VFC_E2E_FAILURES (default: ./e2e-failures) for inspection.
"""

import os
import sys
import unittest

import numpy as np
from PIL import Image

import layout
from winedriver.session import Session
from winedriver.xvfb import Xvfb

ARGS = {}


def main():
    if len(sys.argv) < 3:
        sys.exit(f"usage: {sys.argv[0]} LAUNCHER_EXE ASSETS_DIR [unittest options]")
    ARGS["exe"], ARGS["assets"] = sys.argv[1], sys.argv[2]
    unittest.main(argv=[sys.argv[0], *sys.argv[3:]], verbosity=2)


class LauncherTestCase(unittest.TestCase):
    """Starts the launcher once for the class and waits for its window's complete first paint."""

    session = None
    display = None  # the session's display
    pictures = None
    window = None

    @classmethod
    def setUpClass(cls):
        cls.pictures = layout.Pictures(ARGS["assets"])
        cls.rest = cls.pictures.window()
        cls.xvfb = Xvfb()
        try:
            cls.prepare(cls.xvfb.display)
            cls.session = Session(ARGS["exe"], os.environ.get("WINEPREFIX"),
                                  display=cls.xvfb.display)
        except BaseException:
            cls.finish()
            cls.xvfb.stop()
            raise
        cls.display = cls.session.display
        try:
            cls.window = cls.session.wait_for_window(layout.TITLE, timeout=60)
            cls.wait_for_rest_picture()
            cls.welcome = cls.wait_for_settled_text()
        except BaseException:
            cls.session.close()
            cls.finish()
            cls.xvfb.stop()
            raise

    @classmethod
    def prepare(cls, display):
        """Runs before the launcher starts, with its X display ready."""

    @classmethod
    def finish(cls):
        """Runs once the launcher has ended, with its X display still there."""

    @classmethod
    def tearDownClass(cls):
        if cls.session:
            cls.session.close()
        cls.finish()
        cls.xvfb.stop()

    @classmethod
    def window_pixels(cls):
        return cls.display.window_pixels(cls.window)

    @classmethod
    def wait_for_rest_picture(cls, timeout=30):
        """Waits until the window shows every button in its normal picture; returns the pixels."""
        expected = layout.outside_description(cls.rest)
        return cls.wait_for_picture(expected, timeout, "the window at rest",
                                    compare=layout.outside_description)

    @classmethod
    def wait_for_settled_text(cls, timeout=10):
        """The description line once text is drawn there and two grabs in a row agree."""
        background = layout.description(cls.pictures.background)
        last = {}

        def settled():
            area = layout.description(cls.window_pixels())
            done = has_text(area, background) and np.array_equal(area, last.get("area"))
            last["area"] = area
            return done

        cls.session.wait_until(settled, timeout, "text in the description line")
        return last["area"]

    @classmethod
    def wait_for_picture(cls, expected, timeout, what, compare=lambda pixels: pixels):
        seen = {}

        def matches():
            seen["pixels"] = cls.window_pixels()
            return np.array_equal(compare(seen["pixels"]), expected)

        try:
            cls.session.wait_until(matches, timeout, what)
        except AssertionError as error:
            difference = describe_difference(compare(seen["pixels"]), expected, what)
            raise AssertionError(f"{error}; {difference}") from None
        return seen["pixels"]

    # Pointer and pictures ---------------------------------------------------------------------

    def point_at(self, x, y):
        """Moves the pointer to window coordinates (x, y)."""
        self.display.move_to(self.window.left + x, self.window.top + y)

    def point_at_button(self, b):
        self.point_at(*b.centre())

    def point_at_background(self):
        self.point_at(*layout.background_points()[0])

    def expected_button(self, b, state):
        """The button's area of the window as it should look in the given state."""
        return layout.button_area(self.pictures.window({b.name: state}), b)

    def wait_for_button(self, b, state, timeout=10):
        expected = self.expected_button(b, state)
        return self.wait_for_picture(expected, timeout, f"{b.name} to show its {state} picture",
                                     compare=lambda pixels: layout.button_area(pixels, b))

    def wait_for_description(self, condition, what, timeout=10):
        """Waits until condition(description pixels) holds; returns those pixels."""
        seen = {}

        def holds():
            seen["area"] = layout.description(self.window_pixels())
            return condition(seen["area"])

        self.session.wait_until(holds, timeout, what)
        return seen["area"]


def describe_difference(actual, expected, what):
    """A short account of where two pictures differ, and the pictures saved for a look."""
    if actual.shape != expected.shape:
        return f"shape {actual.shape} instead of {expected.shape}"
    differs = np.any(actual != expected, axis=2)
    count = int(differs.sum())
    if count == 0:
        return "no difference"
    ys, xs = np.nonzero(differs)
    folder = os.environ.get("VFC_E2E_FAILURES", "e2e-failures")
    os.makedirs(folder, exist_ok=True)
    stem = os.path.join(folder, "".join(c if c.isalnum() else "_" for c in what)[:60])
    Image.fromarray(actual, "RGB").save(stem + "-actual.png")
    Image.fromarray(expected, "RGB").save(stem + "-expected.png")
    return (f"{count} pixels differ within x {xs.min()}..{xs.max()}, y {ys.min()}..{ys.max()}; "
            f"saved {stem}-actual.png and -expected.png")


def has_text(area, background_area):
    """True when something light has been drawn over the background in this area."""
    drawn = np.any(area != background_area, axis=2)
    light = np.all(area >= 200, axis=2)
    return bool(np.any(drawn & light))
