#!/usr/bin/python3
"""Keyboard focus among the ten buttons.

No focus frame is drawn, so the focus is observed through Space: a focused button shows its
pressed picture while Space is held. Tab is pressed while Space is still down, so the focus moves
on before Space goes up and no button is clicked.
"""

import numpy as np

import layout
from e2e_case import LauncherTestCase, main


class FocusSteps(LauncherTestCase):
    """Each subclass gets a launcher of its own, so that focus starts where the program puts it."""

    def pressed_buttons(self):
        pixels = self.window_pixels()
        return [b.name for b in layout.BUTTONS
                if np.array_equal(layout.button_area(pixels, b), self.expected_button(b, "MouseDown"))]

    def wait_for_focus_shown(self, b):
        """Holds Space and waits for b to show its pressed picture; Space stays down."""
        self.session.key_down("space")
        try:
            self.wait_for_button(b, "MouseDown", timeout=10)
        except AssertionError as error:
            pressed = self.pressed_buttons()
            self.session.key_up("space")
            raise AssertionError(f"{error}; showing pressed: {pressed}") from None

    def move_focus_on(self):
        """Tab while Space is held, then let both go: the focus moves, nothing is clicked."""
        self.session.key_down("Tab")
        self.session.key_up("space")
        self.session.key_up("Tab")


class TabOrder(FocusSteps):
    def test_tab_walks_all_ten_buttons_in_tab_order(self):
        self.session.focus(self.window)
        sequence = layout.tab_sequence()
        self.assertEqual(sequence[0].name, "btnVideoConverter")
        self.assertEqual(sequence[-1].name, "btnHomepage")
        for tabs, b in enumerate(sequence):
            try:
                self.wait_for_focus_shown(b)
            except AssertionError as error:
                self.fail(f"after {tabs} Tab presses the focus should be on {b.name}: {error}")
            self.move_focus_on()
        self.assertIsNone(self.session.program.poll(), "the launcher ended during the walk")


class FocusByPointer(FocusSteps):
    def test_pressing_a_button_gives_it_the_focus(self):
        b = layout.button("btnAudioConverter")
        self.session.focus(self.window)
        self.point_at_button(b)
        self.session.button_down()
        self.wait_for_button(b, "MouseDown")
        self.point_at_background()  # let go outside: no click
        self.wait_for_button(b, "Normal")
        self.session.button_up()
        self.wait_for_focus_shown(b)
        self.move_focus_on()


if __name__ == "__main__":
    main()
