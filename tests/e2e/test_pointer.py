#!/usr/bin/python3
"""Pointing at and pressing the buttons: their pictures and the description line.

The description is drawn by GDI in Tahoma, so its pixels are not predicted; they are compared
with what the same window showed before: each tool has a text of its own (all differ), the
same tool shows the same pixels every time, and the welcome text comes back on the background.
"""

import numpy as np

import layout
from e2e_case import LauncherTestCase, has_text, main

TOOLS = [b for b in layout.BUTTONS if b.is_tool]
OTHERS = [b for b in layout.BUTTONS if not b.is_tool]


class Pointing(LauncherTestCase):
    def setUp(self):
        self.point_at_background()
        self.wait_for_welcome()

    def tearDown(self):
        self.display.button_up()  # never leave a button held for the next test

    def wait_for_welcome(self):
        return self.wait_for_description(lambda area: np.array_equal(area, self.welcome),
                                         "the welcome text")

    def description_of(self, b):
        """Points at a tool and returns its description once it replaced the previous text."""
        before = layout.description(self.window_pixels())
        background = layout.description(self.pictures.background)
        self.point_at_button(b)
        self.wait_for_button(b, "MouseOn")
        return self.wait_for_description(
            lambda area: not np.array_equal(area, before) and has_text(area, background),
            f"the description of {b.name}")

    def test_each_tool_shows_its_pointer_on_picture_and_a_text_of_its_own(self):
        texts = {}
        for b in TOOLS:
            with self.subTest(button=b.name):
                texts[b.name] = self.description_of(b)
                # Only this button changed its picture.
                np.testing.assert_array_equal(
                    layout.outside_description(self.window_pixels()),
                    layout.outside_description(self.pictures.window({b.name: "MouseOn"})))
        names = list(texts)
        for i, first in enumerate(names):
            self.assertFalse(np.array_equal(texts[first], self.welcome), first)
            for second in names[i + 1:]:
                self.assertFalse(np.array_equal(texts[first], texts[second]),
                                 f"{first} and {second} show the same description")

        # The same tool shows the same text again, whichever tool came before it.
        for b in reversed(TOOLS):
            with self.subTest(again=b.name):
                self.point_at_button(b)
                self.wait_for_description(lambda area: np.array_equal(area, texts[b.name]),
                                          f"the description of {b.name} as first seen")

    def test_background_brings_back_the_welcome_text(self):
        for b in (TOOLS[0], TOOLS[-1]):
            with self.subTest(button=b.name):
                self.description_of(b)
                self.point_at_background()
                self.wait_for_welcome()
                self.wait_for_rest_picture()

    def test_close_and_home_page_leave_the_description_unchanged(self):
        tool = TOOLS[2]
        for b in OTHERS:
            with self.subTest(button=b.name):
                self.point_at_background()
                self.wait_for_welcome()
                text = self.description_of(tool)
                self.point_at_button(b)
                self.wait_for_button(b, "MouseOn")
                # The tool's picture went back to normal, so the pointer has left it.
                self.wait_for_button(tool, "Normal")
                self.assertTrue(np.array_equal(layout.description(self.window_pixels()), text),
                                f"pointing at {b.name} changed the description")

    def test_pressing_shows_the_pressed_picture(self):
        for b in [TOOLS[0], TOOLS[4], *OTHERS]:
            with self.subTest(button=b.name):
                self.point_at_button(b)
                self.wait_for_button(b, "MouseOn")
                self.display.button_down()
                self.wait_for_button(b, "MouseDown")
                # Let go outside the button: no click.
                self.point_at_background()
                self.wait_for_button(b, "Normal")
                self.display.button_up()
        self.wait_for_rest_picture()


if __name__ == "__main__":
    main()
