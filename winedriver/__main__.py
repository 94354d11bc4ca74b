"""Command line of the driver; see the package's documentation (winedriver/__init__.py)."""

import os
import signal
import sys

if not __package__:
    # Run as `python3 winedriver ...`: import the package from the folder above.
    sys.path[0] = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

from winedriver import cli  # noqa: E402

if __name__ == "__main__":
    # Interrupted (Ctrl+C, or CTest's timeout), the processes started here are stopped on the
    # way out.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(128 + signal.SIGTERM))
    signal.signal(signal.SIGINT, lambda *_: sys.exit(128 + signal.SIGINT))
    sys.exit(cli.main(sys.argv[1:]))
