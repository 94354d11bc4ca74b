#!/usr/bin/python3
"""Start-up time of the launcher against the minimal baseline, under wine64 on one Xvfb.

    measure.py LAUNCHER_EXE BASELINE_EXE ASSETS_DIR [--runs N]

A run starts the program with wine64 and polls the screen through libX11 (a few milliseconds per
grab) until the window's area equals the picture it must show: the background with every button
in its normal picture for the launcher (outside its description line, whose text is not
predicted), the background for the baseline. Start is the moment before wine64 is spawned; the
time to the first grab in which the window's area is no longer black is reported too. Runs are
interleaved (the order alternates every round) after one unmeasured warm-up run of each, with one
wineserver kept running throughout so that no run pays for starting it. After a run the program's
resident set (VmRSS) is read, then it is stopped and its window is waited away.
"""

import argparse
import os
import statistics
import sys
import time

import numpy as np

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path[:0] = [ROOT, os.path.join(ROOT, "tests", "e2e")]

import layout  # noqa: E402
from winedriver import wine  # noqa: E402
from winedriver.screen import Display  # noqa: E402
from winedriver.session import resident_kib  # noqa: E402
from winedriver.waiting import stop_process, wait_until  # noqa: E402
from winedriver.xvfb import Xvfb  # noqa: E402

LEFT, TOP = (1024 - 800) // 2, (768 - 480) // 2
START_AIM = 1.10  # launcher / baseline, median time to the full paint
MEMORY_AIM = 1.25  # launcher / baseline, median resident set after the full paint


class Program:
    def __init__(self, name, exe, expected, compare):
        self.name, self.exe = name, exe
        self.expected = compare(expected)
        self.compare = compare
        self.first_pixels, self.full_paint, self.rss_kib = [], [], []


def run_once(program, prefix, display, timeout=20):
    started = time.monotonic()
    process = wine.start(prefix, display.name, program.exe)
    try:
        first = None
        while True:
            area = display.grab(LEFT, TOP, 800, 480)
            now = time.monotonic()
            if first is None and area.any():
                first = now - started
            if np.array_equal(program.compare(area), program.expected):
                painted = now - started
                break
            if now - started > timeout or process.poll() is not None:
                raise RuntimeError(f"{program.name}: no complete paint (exit {process.poll()})")
            time.sleep(0.001)
        rss = resident_kib(process)
    finally:
        stop_process(process)
    # The next run must not see this window.
    wait_until(lambda: not display.grab(LEFT, TOP, 800, 480).any(), 30,
               f"{program.name}'s window to go")
    return first, painted, rss


def describe(values, unit="ms", scale=1000.0):
    v = [x * scale for x in values]
    return (f"median {statistics.median(v):7.1f} {unit}  min {min(v):7.1f}  max {max(v):7.1f}  "
            f"(n={len(v)})")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("launcher")
    parser.add_argument("baseline")
    parser.add_argument("assets")
    parser.add_argument("--runs", type=int, default=15)
    args = parser.parse_args()

    pictures = layout.Pictures(args.assets)
    programs = [
        Program("VelmoraCenter", args.launcher, pictures.window(), layout.outside_description),
        Program("baseline", args.baseline, pictures.background, lambda pixels: pixels),
    ]

    prefix = os.environ["WINEPREFIX"]
    with Xvfb() as xvfb, Display(xvfb.display) as display:
        display.move_to(0, 0)  # off the window: every button shows its normal picture
        # Kept running for all runs and five seconds after the last: no run pays for starting it.
        server = wine.WineServer(prefix, persistent=5)
        try:
            for program in programs:  # warm-up: wineserver, desktop process, file cache
                run_once(program, prefix, display)
            for round_number in range(args.runs):
                order = programs if round_number % 2 == 0 else programs[::-1]
                for program in order:
                    first, painted, rss = run_once(program, prefix, display)
                    program.first_pixels.append(first)
                    program.full_paint.append(painted)
                    program.rss_kib.append(rss)
        finally:
            server.close(timeout=30)

    print(f"start-up under wine64, {args.runs} interleaved runs each")
    for program in programs:
        print(f"{program.name}:")
        print(f"  first pixels  {describe(program.first_pixels)}")
        print(f"  full paint    {describe(program.full_paint)}")
        print(f"  resident set  median {statistics.median(program.rss_kib) / 1024:.1f} MiB (VmRSS)")
        print(f"  file size     {os.path.getsize(program.exe) / 1024:.0f} KiB ({program.exe})")
    launcher, baseline = programs
    ratio = statistics.median(launcher.full_paint) / statistics.median(baseline.full_paint)
    print(f"ratio of medians (launcher / baseline, full paint): {ratio:.2f}")
    memory = statistics.median(launcher.rss_kib) / statistics.median(baseline.rss_kib)
    print(f"ratio start {ratio:.2f} {START_AIM:.2f}")
    print(f"ratio memory {memory:.2f} {MEMORY_AIM:.2f}")


if __name__ == "__main__":
    main()
