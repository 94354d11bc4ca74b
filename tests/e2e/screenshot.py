#!/usr/bin/python3
"""Screenshots of the launcher for people.

    screenshot.py wait --title TITLE --out FILE [--timeout S]
        On $DISPLAY: waits for the window and its first complete paint, saves the window's area.
    screenshot.py tour EXE [--prefix WINEPREFIX] [--out DIR]
        Starts EXE on a private Xvfb and saves DIR/launcher-rest.png, launcher-pointer-on.png
        (pointer on the first tool tile) and launcher-pressed.png (that tile held down).
"""

import argparse
import os
import sys

import numpy as np
from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from launcher_driver import Display, Session, wait_until  # noqa: E402
import layout  # noqa: E402


def settled_window_pixels(display, window, timeout):
    """The window's pixels once painted: not all black and the same in two grabs in a row."""
    last = [None]

    def painted():
        pixels = display.window_pixels(window)
        done = pixels.any() and last[0] is not None and np.array_equal(pixels, last[0])
        last[0] = pixels
        return done

    wait_until(painted, timeout, "the window to paint", interval=0.1)
    return last[0]


def save(pixels, path):
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    Image.fromarray(pixels, "RGB").save(path)
    print(path)


def wait_mode(args):
    display = Display(os.environ["DISPLAY"])
    try:
        window = display.wait_for_window(args.title, timeout=args.timeout)
        save(settled_window_pixels(display, window, args.timeout), args.out)
    finally:
        display.close()


def tour_mode(args):
    tile = layout.tab_sequence()[0]
    with Session(args.exe, args.prefix) as session:
        window = session.wait_for_window(layout.TITLE)
        save(settled_window_pixels(session, window, 30),
             os.path.join(args.out, "launcher-rest.png"))
        x, y = tile.centre()
        session.move_to(window.left + x, window.top + y)
        before = session.window_pixels(window)
        session.wait_until(lambda: not np.array_equal(session.window_pixels(window), before),
                           10, "the tile to show its pointer-on picture")
        save(settled_window_pixels(session, window, 10),
             os.path.join(args.out, "launcher-pointer-on.png"))
        before = session.window_pixels(window)
        session.button_down()
        session.wait_until(lambda: not np.array_equal(session.window_pixels(window), before),
                           10, "the tile to show its pressed picture")
        save(settled_window_pixels(session, window, 10),
             os.path.join(args.out, "launcher-pressed.png"))
        # Let go outside the tile, so that nothing is clicked.
        session.move_to(window.left + 5, window.top + window.height - 5)
        session.button_up()


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    modes = parser.add_subparsers(dest="mode", required=True)
    wait = modes.add_parser("wait")
    wait.add_argument("--title", default=layout.TITLE)
    wait.add_argument("--out", required=True)
    wait.add_argument("--timeout", type=float, default=60)
    tour = modes.add_parser("tour")
    tour.add_argument("exe")
    tour.add_argument("--prefix", default=os.environ.get("WINEPREFIX"))
    tour.add_argument("--out", default="shots")
    args = parser.parse_args()
    (wait_mode if args.mode == "wait" else tour_mode)(args)


if __name__ == "__main__":
    main()
