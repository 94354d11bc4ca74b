"""wine64 itself: the environment every Wine program gets, programs started on a display, and
the prefix's wineserver held by its PID.

A display is given even to console programs (such as reg): Wine's desktop process, once started
without one, would refuse every window of the programs that follow on the same wineserver.
"""

import os
import subprocess
import tempfile
import time

from winedriver.waiting import DriverError, stop_process, wait_until

WINE64 = "/usr/lib/wine/wine64"  # the 'wine' wrapper would start the 32-bit loader
WINESERVER = "/usr/lib/wine/wineserver"
DEFAULT_WINEDEBUG = "-all"
# No offer to install Mono or Gecko when a program would need them.
DEFAULT_DLLOVERRIDES = "mscoree,mshtml="


def environment(prefix=None, display=None):
    """This process's environment with the Wine defaults where unset, the prefix (when given;
    otherwise $WINEPREFIX stays) and the display (when given; "" means none)."""
    env = dict(os.environ)
    env["WINEDEBUG"] = env.get("WINEDEBUG") or DEFAULT_WINEDEBUG
    env["WINEDLLOVERRIDES"] = env.get("WINEDLLOVERRIDES") or DEFAULT_DLLOVERRIDES
    if prefix:
        env["WINEPREFIX"] = prefix
    if display is not None:
        env["DISPLAY"] = display
    return env


def windows_path(path):
    """A Unix path as Wine's drive Z: shows it."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def start(prefix, display, *args, quiet=True, stdout=None):
    """Starts wine64 with args (program and its arguments) and returns the process. `stdout`
    (such as subprocess.PIPE) replaces where the program's standard output goes."""
    output = subprocess.DEVNULL if quiet else None
    return subprocess.Popen([WINE64, *args], env=environment(prefix, display),
                            stdout=output if stdout is None else stdout, stderr=output)


def run(prefix, display, *args, timeout=60):
    """Runs a Windows program to its end; returns its result with the output captured. The
    output goes through files, not pipes: Wine's own processes started for the program inherit
    its handles and stay a few seconds after it, and would hold a pipe open that long."""
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        result = subprocess.run([WINE64, *args], env=environment(prefix, display), stdout=out,
                                stderr=err, timeout=timeout)
        out.seek(0)
        err.seek(0)
        return subprocess.CompletedProcess(result.args, result.returncode,
                                           out.read().decode(errors="replace"),
                                           err.read().decode(errors="replace"))


def run_checked(prefix, display, *args, timeout=60):
    result = run(prefix, display, *args, timeout=timeout)
    if result.returncode != 0:
        raise DriverError(f"{' '.join(args)} failed ({result.returncode}): "
                          f"{result.stdout.strip()} {result.stderr.strip()}")
    return result


def server_socket(prefix):
    """Where the prefix's wineserver listens. Debian's Wine keeps the name of its temporary
    directory in the prefix's file 'wineserver'; upstream Wine uses /tmp/.wine-UID."""
    try:
        with open(os.path.join(prefix, "wineserver")) as named:
            base = os.path.join("/tmp", named.read().strip())
    except FileNotFoundError:
        base = f"/tmp/.wine-{os.getuid()}"
    info = os.stat(prefix)
    return os.path.join(base, f"server-{info.st_dev:x}-{info.st_ino:x}", "socket")


class WineServer:
    """The prefix's wineserver, started here so that it can be stopped by its PID. When one runs
    already (another user of the prefix), it refuses to start and the programs share that one:
    `shared` is then true. With `persistent` seconds it stays that long after the last program
    (warm between runs, gone by itself at the end)."""

    def __init__(self, prefix, persistent=None, timeout=10):
        started = time.time()
        options = [f"--persistent={persistent}"] if persistent is not None else []
        self.process = subprocess.Popen([WINESERVER, "--foreground", *options],
                                        env=environment(prefix), stderr=subprocess.DEVNULL)
        socket = server_socket(prefix)

        def listening():
            return self.process.poll() is not None or (
                os.path.exists(socket) and os.stat(socket).st_mtime >= started - 1)

        try:
            wait_until(listening, timeout, "the wineserver to listen")
        except BaseException:
            stop_process(self.process)
            raise
        self.shared = self.process.poll() is not None

    def close(self, timeout=10):
        """Without programs the server ends Wine's own processes and then itself; it is
        stopped by its PID when it has not within `timeout` seconds."""
        try:
            self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            stop_process(self.process)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()
