"""Settings in a prefix's registry that hold for one test only: each is set on entry and
removed on exit, and remove_leftovers() clears whatever an interrupted test left behind.

    with RecordingBrowser(prefix, display) as browser:   # web pages recorded, never opened
        ...; browser.lines()
    with unmanaged_windows(prefix, display, "tests.exe"):  # no window manager hand-over
        ...
"""

import contextlib
import os
import shutil
import tempfile

from winedriver import wine

WINE_KEY = r"HKCU\Software\Wine"
BROWSER_KEY = WINE_KEY + r"\WineBrowser"
APP_DEFAULTS_KEY = WINE_KEY + r"\AppDefaults"

# Everything the helpers below set, and the frame options (X11 Driver: Managed, Decorated) that
# tests of drawn frames set and reset.
_LEFTOVERS = """REGEDIT4

[-HKEY_CURRENT_USER\\Software\\Wine\\WineBrowser]
[-HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults]
[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Managed"=-
"Decorated"=-
"""


def set_value(prefix, display, key, name, data, kind="REG_SZ"):
    wine.run_checked(prefix, display, "reg", "add", key, "/v", name, "/t", kind, "/d", data, "/f")


def delete_key(prefix, display, key):
    wine.run(prefix, display, "reg", "delete", key, "/f")


def remove_leftovers(prefix, display):
    """Removes the recording browser, every per-program option and the frame options."""
    with tempfile.TemporaryDirectory(prefix="winedriver-") as folder:
        script = os.path.join(folder, "leftovers.reg")
        with open(script, "w") as text:
            text.write(_LEFTOVERS)
        wine.run_checked(prefix, display, "regedit", "/s", wine.windows_path(script))


@contextlib.contextmanager
def unmanaged_windows(prefix, display, program, undecorated=False):
    """While the context lives, the program (its file name, such as "tests.exe") keeps its
    windows from a window manager. Without one (Xvfb) Wine waits two seconds for every managed
    window it hides; unmanaged, it does not wait. Undecorated as well, the X window covers the
    whole window, frame included, which the program then paints itself."""
    key = rf"{APP_DEFAULTS_KEY}\{program}"
    set_value(prefix, display, key + r"\X11 Driver", "Managed", "N")
    try:
        if undecorated:
            set_value(prefix, display, key + r"\X11 Driver", "Decorated", "N")
        yield
    finally:
        delete_key(prefix, display, key)


class RecordingBrowser:
    """Wine hands web addresses to winebrowser, which runs the first program named in
    HKCU\\Software\\Wine\\WineBrowser\\Browsers: while installed, that is a script that appends
    each address it is given to a file, so nothing is opened."""

    def __init__(self, prefix, display):
        self.prefix, self.display = prefix, display
        self.folder = None

    def install(self):
        self.folder = tempfile.mkdtemp(prefix="vfc-browser-")
        self.record = os.path.join(self.folder, "opened.txt")
        script = os.path.join(self.folder, "browser.sh")
        with open(script, "w") as text:
            text.write(f'#!/bin/sh\nprintf "%s\\n" "$*" >> "{self.record}"\n')
        os.chmod(script, 0o755)
        set_value(self.prefix, self.display, BROWSER_KEY, "Browsers", script)

    def remove(self):
        if self.folder:
            delete_key(self.prefix, self.display, BROWSER_KEY)
            shutil.rmtree(self.folder, ignore_errors=True)
            self.folder = None

    def lines(self):
        """The addresses recorded so far, each once its whole line has been written."""
        try:
            with open(self.record) as record:
                text = record.read()
        except FileNotFoundError:
            return []
        return text[:text.rfind("\n") + 1].splitlines()

    def __enter__(self):
        self.install()
        return self

    def __exit__(self, *exc):
        self.remove()
