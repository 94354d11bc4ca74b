#!/usr/bin/python3
"""The home-page button hands the product web site to the shell.

Wine gives web addresses to winebrowser, which runs the first program named in the registry
value HKCU\\Software\\Wine\\WineBrowser\\Browsers: here a script that records its argument.
"""

import os
import re

import layout
from e2e_case import LauncherTestCase, main
from winedriver.registry import RecordingBrowser
from winedriver.waiting import wait_until


class HomePage(LauncherTestCase):
    @classmethod
    def prepare(cls, display):
        cls.browser = RecordingBrowser(os.environ.get("WINEPREFIX"), display)
        cls.browser.install()

    @classmethod
    def finish(cls):
        cls.browser.remove()

    def test_click_opens_the_web_site_and_the_launcher_stays(self):
        b = layout.button("btnHomepage")
        self.point_at_button(b)
        self.wait_for_button(b, "MouseOn")
        self.display.button_down()
        self.wait_for_button(b, "MouseDown")
        self.display.button_up()
        opened = wait_until(self.browser.lines, 30, "the shell to open the web site")
        self.assertEqual(len(opened), 1, opened)
        self.assertRegex(opened[0], re.compile(r"^https?://[a-z0-9-]+(\.[a-z0-9-]+)+/?$", re.I))
        self.wait_for_button(b, "MouseOn")
        self.assertIsNone(self.session.program.poll(), "the launcher ended")
        self.assertEqual(len(self.display.find_windows(layout.TITLE)), 1)


if __name__ == "__main__":
    main()
