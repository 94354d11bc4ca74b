#!/usr/bin/python3
"""The home-page button hands the product web site to the shell.

Wine gives web addresses to winebrowser, which runs the first program named in the registry
value HKCU\\Software\\Wine\\WineBrowser\\Browsers: here a script that records its argument.
"""

import os
import re
import shutil
import tempfile

import layout
from e2e_case import LauncherTestCase, main
from launcher_driver import run_windows_program, wait_until

BROWSER_KEY = r"HKCU\Software\Wine\WineBrowser"


class HomePage(LauncherTestCase):
    @classmethod
    def prepare(cls, display):
        cls.folder = tempfile.mkdtemp(prefix="vfc-browser-")
        cls.record = os.path.join(cls.folder, "opened.txt")
        browser = os.path.join(cls.folder, "browser.sh")
        with open(browser, "w") as script:
            script.write(f'#!/bin/sh\nprintf "%s\\n" "$*" >> "{cls.record}"\n')
        os.chmod(browser, 0o755)
        result = run_windows_program(display, os.environ.get("WINEPREFIX"), "reg", "add",
                                     BROWSER_KEY, "/v", "Browsers", "/d", browser, "/f")
        if result.returncode != 0:
            raise RuntimeError(f"reg add failed: {result.stdout} {result.stderr}")

    @classmethod
    def tearDownClass(cls):
        run_windows_program(cls.xvfb.display, os.environ.get("WINEPREFIX"), "reg", "delete",
                            BROWSER_KEY, "/v", "Browsers", "/f")
        super().tearDownClass()
        shutil.rmtree(cls.folder, ignore_errors=True)

    def recorded_lines(self):
        """The addresses recorded so far, once a whole line has been written."""
        try:
            with open(self.record) as record:
                text = record.read()
        except FileNotFoundError:
            return None
        return text.split() if text.endswith("\n") else None

    def test_click_opens_the_web_site_and_the_launcher_stays(self):
        b = layout.button("btnHomepage")
        self.point_at_button(b)
        self.wait_for_button(b, "MouseOn")
        self.session.button_down()
        self.wait_for_button(b, "MouseDown")
        self.session.button_up()
        opened = wait_until(self.recorded_lines, 30, "the shell to open the web site")
        self.assertEqual(len(opened), 1, opened)
        self.assertRegex(opened[0], re.compile(r"^https?://[a-z0-9-]+(\.[a-z0-9-]+)+/?$", re.I))
        self.wait_for_button(b, "MouseOn")
        self.assertIsNone(self.session.program.poll(), "the launcher ended")
        self.assertEqual(len(self.session.find_windows(layout.TITLE)), 1)


if __name__ == "__main__":
    main()
