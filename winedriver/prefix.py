"""Wine prefixes of a build tree: created once under a lock, freed of what tests may have left in
them, and their wineserver ended after a test run.

Settings that tests write into a prefix's registry are set and reset by the test that needs
them (see winedriver.registry); reset() removes whatever an interrupted test left behind.
"""

import fcntl
import os
import shutil
import subprocess

from winedriver import registry, wine
from winedriver.waiting import DriverError
from winedriver.xvfb import Xvfb

READY_MARK = ".vfc-ready"


def create(prefix):
    """Creates the prefix when it is missing (about ten seconds); concurrent callers wait."""
    os.makedirs(os.path.dirname(os.path.abspath(prefix)), exist_ok=True)
    with open(prefix + ".lock", "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        if os.path.exists(os.path.join(prefix, READY_MARK)):
            return
        shutil.rmtree(prefix, ignore_errors=True)
        env = wine.environment(prefix, display="")
        subprocess.run([wine.WINE64, "wineboot", "-i"], env=env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        subprocess.run([wine.WINESERVER, "-w"], env=env)
        if not os.path.exists(os.path.join(prefix, "system.reg")):
            raise DriverError(f"could not create the Wine prefix {prefix}")
        open(os.path.join(prefix, READY_MARK), "w").close()


def reset(prefix):
    """Creates the prefix when missing and removes the settings tests set and reset, in case a
    test was interrupted; returns once the prefix's wineserver has ended."""
    create(prefix)
    with Xvfb() as xvfb:
        registry.remove_leftovers(prefix, xvfb.display)
        subprocess.run([wine.WINESERVER, "-w"], env=wine.environment(prefix))


def stop(prefix):
    """Ends the prefix's wineserver and the Wine processes it serves."""
    if os.path.isdir(prefix):
        subprocess.run([wine.WINESERVER, "-k"], env=wine.environment(prefix),
                       stderr=subprocess.DEVNULL)
