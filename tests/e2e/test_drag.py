#!/usr/bin/python3
"""Dragging the background moves the window, with the left and with the right button."""

import numpy as np

import layout
from e2e_case import LauncherTestCase, main


class Dragging(LauncherTestCase):
    def drag(self, button, dx, dy, end):
        start = self.display.geometry(self.window.window_id)
        gx, gy = layout.background_points()[0]
        x, y = start.left + gx, start.top + gy
        self.display.move_to(x, y)
        self.display.button_down(button)
        steps = 5
        for i in range(1, steps + 1):
            self.display.move_to(x + dx * i // steps, y + dy * i // steps)
        moved = self.session.wait_until(
            lambda: self.at(start.left + dx, start.top + dy), 10,
            f"the window to follow a drag by ({dx}, {dy})")
        end()
        self.__class__.window = moved
        return moved

    def at(self, left, top):
        now = self.display.geometry(self.window.window_id)
        return now if (now.left, now.top) == (left, top) else None

    def assert_window_works_at_new_place(self):
        # The picture moved along, and the window answers the pointer again.
        self.wait_for_rest_picture()
        tool = layout.button("btnVideoEditor")
        before = layout.description(self.window_pixels())
        self.point_at_button(tool)
        self.wait_for_button(tool, "MouseOn")
        self.wait_for_description(lambda area: not np.array_equal(area, before),
                                  "the description to follow the pointer after the drag")
        self.point_at_background()
        self.wait_for_description(lambda area: np.array_equal(area, self.welcome),
                                  "the welcome text after the drag")

    def test_1_left_button_drag_moves_the_window(self):
        self.drag(1, -60, 40, end=lambda: self.display.button_up(1))
        self.assert_window_works_at_new_place()

    def test_2_right_button_drag_moves_the_window(self):
        # The move loop started by a right press ends with Enter (or a left release).
        def end():
            self.display.key("Return")
            self.display.button_up(3)

        self.drag(3, 90, -30, end)
        self.assert_window_works_at_new_place()


if __name__ == "__main__":
    main()
