#!/usr/bin/python3
"""The start-up baseline program, driven like the launcher: it also proves the driver itself.

    test_baseline.py BASELINE_EXE BACKGROUND_BMP
"""

import os
import sys
import unittest

import numpy as np

from launcher_driver import Session, load_picture

TITLE = "Velmora Startup Baseline"


class Baseline(unittest.TestCase):
    def test_shows_the_background_centred_and_ends_on_escape(self):
        background = load_picture(ARGS[1])
        with Session(ARGS[0], os.environ.get("WINEPREFIX")) as session:
            window = session.wait_for_window(TITLE, timeout=60)
            self.assertEqual((window.left, window.top, window.width, window.height),
                             (112, 144, 800, 480))
            session.wait_until(lambda: np.array_equal(session.window_pixels(window), background),
                               30, "the background picture")
            self.assertGreater(session.resident_kib(), 0)
            session.focus(window)
            session.key("Escape")
            self.assertEqual(session.wait_for_exit(timeout=30), 0)


if __name__ == "__main__":
    ARGS = sys.argv[1:3]
    unittest.main(argv=sys.argv[:1] + sys.argv[3:], verbosity=2)
