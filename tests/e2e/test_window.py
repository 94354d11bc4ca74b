#!/usr/bin/python3
"""The launcher's window at start: its size and place, its picture and its description line."""

import numpy as np

import layout
from e2e_case import LauncherTestCase, has_text, main


class WindowAtStart(LauncherTestCase):
    def test_is_800_by_480_and_centred_on_the_screen(self):
        self.assertEqual((self.window.width, self.window.height), (800, 480))
        self.assertEqual((self.window.left, self.window.top), (112, 144))

    def test_shows_background_and_every_normal_picture_outside_the_description(self):
        pixels = self.window_pixels()
        np.testing.assert_array_equal(layout.outside_description(pixels),
                                      layout.outside_description(self.rest))

    def test_description_line_carries_drawn_text(self):
        background = layout.description(self.pictures.background)
        self.assertTrue(has_text(self.welcome, background))
        white = np.all(self.welcome == 255, axis=2) & np.any(self.welcome != background, axis=2)
        self.assertGreater(int(white.sum()), 200, "the text is not drawn in white")
        # The welcome sentence spans most of the line; the stored placeholder would not.
        columns = np.nonzero(np.any(self.welcome != background, axis=2).any(axis=0))[0]
        self.assertGreater(int(columns.max() - columns.min()), 300)

    def test_only_one_window_of_that_name_is_shown(self):
        self.assertEqual(len(self.display.find_windows(layout.TITLE)), 1)


if __name__ == "__main__":
    main()
