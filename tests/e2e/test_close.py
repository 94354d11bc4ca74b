#!/usr/bin/python3
"""The close button ends the program with exit code 0."""

import layout
from e2e_case import LauncherTestCase, main


class Closing(LauncherTestCase):
    def test_close_button_ends_the_program_with_exit_code_0(self):
        b = layout.button("btnClose")
        self.point_at_button(b)
        self.wait_for_button(b, "MouseOn")
        self.display.button_down()
        self.wait_for_button(b, "MouseDown")
        self.display.button_up()
        self.assertEqual(self.session.wait_for_exit(timeout=30), 0)
        self.assertEqual(self.display.find_windows(layout.TITLE), [])


if __name__ == "__main__":
    main()
