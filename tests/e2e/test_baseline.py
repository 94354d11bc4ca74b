#!/usr/bin/python3
"""The start-up baseline program, driven like the launcher: it also proves the driver itself.

    test_baseline.py BASELINE_EXE BACKGROUND_BMP
"""

import os
import sys
import unittest

import numpy as np

from winedriver.screen import load_picture
from winedriver.session import Session

TITLE = "Velmora Startup Baseline"


class Baseline(unittest.TestCase):
    def test_shows_the_background_centred_and_ends_on_escape(self):
        background = load_picture(ARGS[1])
        with Session(ARGS[0], os.environ.get("WINEPREFIX")) as session:
            window = session.wait_for_window(TITLE, timeout=60)
            self.assertEqual((window.left, window.top, window.width, window.height),
                             (112, 144, 800, 480))
            display = session.display
            session.wait_until(lambda: np.array_equal(display.window_pixels(window), background),
                               30, "the background picture")
            # The program holds at least its background picture in memory.
            self.assertGreater(session.resident_kib(), background.nbytes // 1024)
            display.focus(window)
            display.key("Escape")
            self.assertEqual(session.wait_for_exit(timeout=30), 0)


if __name__ == "__main__":
    ARGS = sys.argv[1:3]
    unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
