#!/usr/bin/python3
"""A click on a tool tile with real pointer input: the installed tool starts with the launcher
window unmapped until the tool ends; a missing tool is offered, Enter runs the downloader, and the
tool it installed starts.

    test_launch.py LAUNCHER_EXE FIXTURE_DIR     (WINEPREFIX: a prefix of these tests' own;
                                                 PYTHONPATH: the repository's root folder)

The launcher is copied into a scratch folder together with the stand-in downloader, so that
"TovoDownloader.exe" is found by bare name beside the program, as it is deployed. The stand-ins
append to a log named by VFC_MARKER and wait for a release file named by VFC_RELEASE.
"""

import os
import shutil
import sys
import tempfile
import unittest

TESTS_E2E = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, TESTS_E2E)

import catalogue  # noqa: E402
import layout  # noqa: E402
from winedriver import wine  # noqa: E402
from winedriver.registry import RecordingBrowser  # noqa: E402
from winedriver.session import Session  # noqa: E402
from winedriver.xvfb import Xvfb  # noqa: E402

ARGS = {}
UNINSTALL = r"HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall"
CLIPWORKS = catalogue.TOOLS["VideoEditor"]  # btnVideoEditor
SOUNDSHIFT = catalogue.TOOLS["AudioConverter"]  # btnAudioConverter
DOWNLOADER = catalogue.TEXTS["Downloader"]


windows_path = wine.windows_path


def reg(display, *args):
    """Runs reg on the tests' display; its exit code."""
    return wine.run(os.environ.get("WINEPREFIX"), display, "reg", *args).returncode


def remove_keys(display):
    for uninstall_id in (*CLIPWORKS.ids, *SOUNDSHIFT.ids):
        reg(display, "delete", rf"{UNINSTALL}\{uninstall_id}_is1", "/f")


class StandinLog:
    def __init__(self, path):
        self.path = path

    def lines(self, kind=None):
        try:
            with open(self.path, encoding="latin-1") as log:
                rows = [line.rstrip("\n").split("\t") for line in log]
        except FileNotFoundError:
            return []
        return [row for row in rows if kind is None or row[0] == kind]


class ToolLaunch(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.xvfb = Xvfb()
        cls.display = cls.xvfb.display
        # Web pages would go to a recording script, never to a browser.
        cls.browser = RecordingBrowser(os.environ.get("WINEPREFIX"), cls.display)
        try:
            cls.browser.install()
        except BaseException:
            cls.tearDownClass()
            raise

    @classmethod
    def tearDownClass(cls):
        cls.browser.remove()
        cls.xvfb.stop()

    def setUp(self):
        remove_keys(self.display)
        self.scratch = tempfile.mkdtemp(prefix="vfc e2e launch ")
        program_dir = os.path.join(self.scratch, "Velmora Center")
        os.makedirs(program_dir)
        self.exe = shutil.copy(ARGS["exe"], program_dir)
        shutil.copy(os.path.join(ARGS["fixtures"], DOWNLOADER), program_dir)
        self.standin = shutil.copy(os.path.join(ARGS["fixtures"], "standin_tool.exe"), program_dir)
        self.log = StandinLog(os.path.join(self.scratch, "stand-ins.log"))
        self.release = os.path.join(self.scratch, "release")
        self.saved_environment = dict(os.environ)
        os.environ.update(VFC_MARKER=windows_path(self.log.path),
                          VFC_RELEASE=windows_path(self.release),
                          VFC_INSTALL_DIR=windows_path(os.path.join(self.scratch, "Sound Shift")))
        self.session = None

    def tearDown(self):
        if self.session:
            self.session.close()
        os.environ.clear()
        os.environ.update(self.saved_environment)
        remove_keys(self.display)
        shutil.rmtree(self.scratch, ignore_errors=True)
        self.assertFalse(os.path.exists(self.browser.record), "a web page was opened")

    def start_launcher(self):
        self.session = Session(self.exe, os.environ.get("WINEPREFIX"), display=self.display)
        self.window = self.session.wait_for_window(layout.TITLE, timeout=60)

    def click_tile(self, name):
        x, y = layout.button(name).centre()
        self.session.display.move_to(self.window.left + x, self.window.top + y)
        self.session.display.button_down()
        self.session.display.button_up()

    def launcher_mapped(self):
        return self.window.window_id in self.session.display.find_windows(layout.TITLE)

    def expect_tool_run_with_window_unmapped(self, program):
        """The tool started from program; the window is unmapped until it is released."""
        self.session.wait_until(lambda: self.log.lines("tool"), 15, "the stand-in tool to start")
        tool = self.log.lines("tool")[0]
        self.assertEqual(tool[2].lower(), windows_path(program).lower())
        self.assertTrue(tool[1].startswith(f'"{windows_path(program)}"'), tool[1])
        self.session.wait_until(lambda: not self.launcher_mapped(), 10,
                                "the launcher window to be unmapped while the tool runs")
        # Still unmapped for as long as the tool runs: the tool is waiting for its release.
        self.assertEqual(self.log.lines("exit"), [])
        self.assertFalse(self.launcher_mapped())
        with open(self.release, "w"):
            pass
        self.session.wait_until(self.launcher_mapped, 20,
                                "the launcher window to be mapped again after the tool ended")
        self.assertEqual(self.log.lines("exit"), [["exit", "released"]])

    def test_click_on_an_installed_tool_starts_it_with_the_window_unmapped(self):
        folder = os.path.join(self.scratch, "Clip Works")
        os.makedirs(folder)
        program = shutil.copy(self.standin, os.path.join(folder, CLIPWORKS.program))
        key = rf"{UNINSTALL}\{CLIPWORKS.first_id}_is1"
        self.assertEqual(reg(self.display, "add", key, "/v", "InstallLocation",
                             "/t", "REG_SZ", "/d", windows_path(folder), "/f"), 0)
        self.start_launcher()
        self.click_tile("btnVideoEditor")
        self.expect_tool_run_with_window_unmapped(program)
        self.assertEqual([row[0] for row in self.log.lines()], ["tool", "exit"])

    def test_missing_tool_is_offered_and_enter_installs_and_starts_it(self):
        self.start_launcher()
        self.click_tile("btnAudioConverter")

        def offer():
            boxes = [w for w in self.session.display.find_windows(layout.TITLE)
                     if w != self.window.window_id]
            return boxes[0] if boxes else None

        box = self.session.wait_until(offer, 20, "the download offer")
        geometry = self.session.display.geometry(box)
        self.assertLess(geometry.width, self.window.width)
        self.session.display.focus(geometry)
        self.session.display.key("Return")

        self.session.wait_until(lambda: self.log.lines("installed"), 15,
                                "the stand-in downloader to install the tool")
        installed = os.path.join(self.scratch, "Sound Shift")
        self.expect_tool_run_with_window_unmapped(os.path.join(installed, SOUNDSHIFT.program))
        self.assertEqual([row[0] for row in self.log.lines()],
                         ["downloader", "installed", "tool", "exit"])
        downloader = self.log.lines("downloader")[0]
        address = catalogue.installer_address(SOUNDSHIFT)
        self.assertTrue(downloader[1].endswith(" " + address), downloader[1])
        self.assertEqual(downloader[2].lower(),
                         windows_path(os.path.join(os.path.dirname(self.exe),
                                                   DOWNLOADER)).lower())
        self.assertEqual(offer(), None, "the offer is gone")


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(f"usage: {sys.argv[0]} LAUNCHER_EXE FIXTURE_DIR [unittest options]")
    ARGS["exe"], ARGS["fixtures"] = sys.argv[1], sys.argv[2]
    unittest.main(argv=[sys.argv[0], *sys.argv[3:]], verbosity=2)
