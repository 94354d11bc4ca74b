#!/usr/bin/python3
"""Keyboard focus among the ten buttons.

No focus frame is drawn, so the focus is observed through Space: a focused button shows its
pressed picture while Space is held. To see that without clicking, the pointer rests on the
button first (its pointer-on picture shows the pointer has arrived), Space goes down (pressed
picture), the pointer leaves (which clears the pressed state: normal picture) and only then Space
goes up, on a button that is no longer pressed.
"""

import numpy as np

import layout
from e2e_case import LauncherTestCase, main


class FocusSteps(LauncherTestCase):
    """Each subclass gets a launcher of its own, so that focus starts where the program puts it."""

    def pressed_buttons(self):
        pixels = self.window_pixels()
        return [b.name for b in layout.BUTTONS if np.array_equal(
            layout.button_area(pixels, b), self.expected_button(b, "MouseDown"))]

    def assert_focused(self, b):
        self.point_at_button(b)
        self.wait_for_button(b, "MouseOn")
        self.display.key_down("space")
        try:
            self.wait_for_button(b, "MouseDown", timeout=10)
        except AssertionError as error:
            pressed = self.pressed_buttons()
            # Move the focus on before Space goes up, so that the focused button is not clicked.
            self.display.key_down("Tab")
            self.display.key_up("space")
            self.display.key_up("Tab")
            self.fail(f"{b.name} does not have the focus ({error}); showing pressed: {pressed}")
        self.point_at_background()
        self.wait_for_button(b, "Normal")
        self.display.key_up("space")


class InitialFocus(FocusSteps):
    def test_first_button_in_tab_order_has_the_focus_at_start(self):
        self.display.focus(self.window)
        self.assert_focused(layout.tab_sequence()[0])


class TabOrder(FocusSteps):
    def test_tab_walks_all_ten_buttons_in_tab_order_and_wraps(self):
        self.display.focus(self.window)
        sequence = layout.tab_sequence()
        self.assertEqual(sequence[0].name, "btnVideoConverter")
        self.assertEqual(sequence[-1].name, "btnHomepage")
        # Shift+Tab reaches the last button from the first one and from no focus alike.
        self.display.key("shift+Tab")
        self.assert_focused(sequence[-1])
        for tabs, b in enumerate(sequence, start=1):
            self.display.key("Tab")
            with self.subTest(tabs=tabs, expected=b.name):
                self.assert_focused(b)
        self.assertIsNone(self.session.program.poll(), "the launcher ended during the walk")


class FocusByPointer(FocusSteps):
    def test_pressing_a_button_gives_it_the_focus(self):
        b = layout.button("btnAudioConverter")
        self.display.focus(self.window)
        self.point_at_button(b)
        self.wait_for_button(b, "MouseOn")
        self.display.button_down()
        self.wait_for_button(b, "MouseDown")
        self.point_at_background()  # let go outside: no click
        self.wait_for_button(b, "Normal")
        self.display.button_up()
        self.assert_focused(b)


if __name__ == "__main__":
    main()
