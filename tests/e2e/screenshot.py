#!/usr/bin/python3
"""Screenshots of the launcher for people.

    screenshot.py tour EXE [--prefix WINEPREFIX] [--out DIR]
        Starts EXE on a private Xvfb and saves DIR/launcher-rest.png, launcher-pointer-on.png
        (pointer on the first tool tile) and launcher-pressed.png (that tile held down).

The launcher at rest on the user's display: scripts/run.sh (winedriver show).
"""

import argparse
import os
import sys

import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [HERE, os.path.dirname(os.path.dirname(HERE))]

import layout  # noqa: E402
from winedriver.screen import save_picture  # noqa: E402
from winedriver.session import Session  # noqa: E402


def save(pixels, path):
    save_picture(pixels, path)
    print(path)


def tour(args):
    tile = layout.tab_sequence()[0]
    with Session(args.exe, args.prefix) as session:
        display = session.display
        window = session.wait_for_window(layout.TITLE)
        save(display.settled_window_pixels(window, 30),
             os.path.join(args.out, "launcher-rest.png"))
        x, y = tile.centre()
        display.move_to(window.left + x, window.top + y)
        before = display.window_pixels(window)
        session.wait_until(lambda: not np.array_equal(display.window_pixels(window), before),
                           10, "the tile to show its pointer-on picture")
        save(display.settled_window_pixels(window, 10),
             os.path.join(args.out, "launcher-pointer-on.png"))
        before = display.window_pixels(window)
        display.button_down()
        session.wait_until(lambda: not np.array_equal(display.window_pixels(window), before),
                           10, "the tile to show its pressed picture")
        save(display.settled_window_pixels(window, 10),
             os.path.join(args.out, "launcher-pressed.png"))
        # Let go outside the tile, so that nothing is clicked.
        display.move_to(window.left + 5, window.top + window.height - 5)
        display.button_up()


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    modes = parser.add_subparsers(dest="mode", required=True)
    tour_parser = modes.add_parser("tour")
    tour_parser.add_argument("exe")
    tour_parser.add_argument("--prefix", default=os.environ.get("WINEPREFIX"))
    tour_parser.add_argument("--out", default="shots")
    tour(parser.parse_args())


if __name__ == "__main__":
    main()
