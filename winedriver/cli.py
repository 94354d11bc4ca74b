"""The driver's commands: prefix, stop, run, show (see winedriver/__init__.py)."""

import contextlib
import os
import sys

from winedriver import prefix, registry, wine
from winedriver.waiting import DriverError, stop_process
from winedriver.xvfb import Xvfb, display_reachable

WINDOW_TIMEOUT = 60
RUN_OPTIONS = ("--unmanaged", "--undecorated")


def say(text):
    print(f"winedriver: {text}", flush=True)


def prefix_from_environment():
    path = os.environ.get("WINEPREFIX")
    if not path:
        raise DriverError("WINEPREFIX must be set")
    return path


def command_prefix(args):
    if args not in ([], ["--reset"]):
        raise DriverError("usage: prefix [--reset]")
    (prefix.reset if args else prefix.create)(prefix_from_environment())
    return 0


def command_stop(args):
    if args:
        raise DriverError("usage: stop")
    prefix.stop(prefix_from_environment())
    return 0


def command_run(args):
    options = []
    while args and args[0] in RUN_OPTIONS:
        options.append(args.pop(0))
    if not args or ("--undecorated" in options and "--unmanaged" not in options):
        raise DriverError("usage: run [--unmanaged [--undecorated]] PROGRAM [ARGS...]")
    wine_prefix = prefix_from_environment()
    prefix.create(wine_prefix)
    with contextlib.ExitStack() as scope:
        display = os.environ.get("VFC_DISPLAY") or scope.enter_context(Xvfb()).display
        if "--unmanaged" in options:
            scope.enter_context(registry.unmanaged_windows(
                wine_prefix, display, os.path.basename(args[0]),
                undecorated="--undecorated" in options))
        program = wine.start(wine_prefix, display, *args, quiet=False)
        scope.callback(stop_process, program)
        return program.wait()


def command_show(args):
    import argparse

    parser = argparse.ArgumentParser(prog="winedriver show")
    parser.add_argument("exe")
    parser.add_argument("--title", required=True)
    parser.add_argument("--shot", help="where to save the window's picture once painted")
    parser.add_argument("--timeout", type=float, default=WINDOW_TIMEOUT)
    options = parser.parse_args(args)
    # Pictures need numpy and PIL: imported only here.
    from winedriver.screen import save_picture
    from winedriver.session import Session

    wine_prefix = prefix_from_environment()
    prefix.create(wine_prefix)
    with contextlib.ExitStack() as scope:
        display = os.environ.get("DISPLAY")
        pointer_at = None  # the user's pointer stays where it is
        if display_reachable(display):
            say(f"using display {display}")
        else:
            xvfb = scope.enter_context(Xvfb())
            display = xvfb.display
            pointer_at = (0, 0)  # off the window: the picture at rest
            say(f"started Xvfb on {display} (pid {xvfb.process.pid})")
        scope.enter_context(wine.WineServer(wine_prefix))
        session = scope.enter_context(Session(options.exe, wine_prefix, display=display,
                                              pointer_at=pointer_at))
        say(f"{os.path.basename(options.exe)} started (pid {session.program.pid})")
        try:
            window = session.wait_for_window(options.title, options.timeout)
            pixels = session.display.settled_window_pixels(window, options.timeout)
            if options.shot:
                save_picture(pixels, options.shot)
                say(f"screenshot saved to {options.shot}")
        except DriverError as error:
            say(f"the window did not appear and paint in time: {error}")
        say("running; press Ctrl+C to stop")
        code = session.program.wait()
        say(f"{os.path.basename(options.exe)} ended with exit code {code}")
        return code


COMMANDS = {"prefix": command_prefix, "stop": command_stop, "run": command_run,
            "show": command_show}


def main(argv):
    if not argv or argv[0] not in COMMANDS:
        print(f"usage: winedriver {{{','.join(COMMANDS)}}} ...", file=sys.stderr)
        return 2
    try:
        return COMMANDS[argv[0]](list(argv[1:]))
    except DriverError as error:
        print(f"winedriver: {error}", file=sys.stderr)
        return 1
