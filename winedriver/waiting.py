"""Waiting for conditions and ending child processes: nothing here sleeps a fixed time."""

import subprocess
import time

POLL_INTERVAL = 0.02


class DriverError(AssertionError):
    """A wait ran out or a program the driver needs failed."""


def wait_until(condition, timeout, what, interval=POLL_INTERVAL):
    """Polls condition() until it returns a true value, which is returned; raises after timeout."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise DriverError(f"timed out after {timeout}s waiting for {what}")
        time.sleep(interval)


def stop_process(process, timeout=10):
    """Ends a child process by its PID: terminate, then kill if it does not go."""
    if process is None or process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(timeout)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
