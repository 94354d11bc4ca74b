#!/usr/bin/python3
"""ToolkitGallery.exe end to end: its exit codes for bad command lines and unreadable skins, and
two sessions with --trace (built-in styles; a locked skin) driven by real X pointer input (popup
menu, title-bar buttons, style switches, close), the trace read from a pipe while they run.

    test_gallery.py GALLERY_EXE STYLE_BITMAPS_DIR SKIN_WRITER_EXE
                    (WINEPREFIX: the prefix; PYTHONPATH: the repository's root folder)

SKIN_WRITER_EXE (gallery_test_skin.cpp) writes skin files of solid colours, which the test
looks for on the screen. Controls are found through the stored layout the program is built with
(gallery/GalleryFrm.layout), the title-bar buttons on the screen by the pictures they show.
"""

import os
import subprocess
import sys
import tempfile
import threading
import unittest

import numpy as np
from numpy.lib.stride_tricks import sliding_window_view

TESTS_E2E = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, TESTS_E2E)

import layout  # noqa: E402
from winedriver import wine  # noqa: E402
from winedriver.screen import load_picture  # noqa: E402
from winedriver.session import Session  # noqa: E402
from winedriver.xvfb import Xvfb  # noqa: E402

ARGS = {}
LAYOUT = layout.read_layout(os.path.join(TESTS_E2E, os.pardir, os.pardir, "gallery",
                                         "GalleryFrm.layout"))
CHILDREN = {child["name"]: child for child in LAYOUT["children"]}
TITLE = LAYOUT["Caption"]
EXIT_USAGE = 64
EXIT_FAILURE = 1
STRIP_FRAMES = 18
# First frames (normal pictures) of the title-button strip, by button type.
FRAME_OF_TYPE = {"suiCustom": 1, "suiHelp": 4, "suiClose": 16}  # custom: the menu glyph
BAR_ROWS = 48  # the title bar lies within these rows of the window
SKIN_PASSWORD = "velmora"
# What gallery_test_skin writes, as screen colours 0xRRGGBB (the skin holds 0x00BBGGRR).
SKIN_FORM_RGB = 0x996633
SKIN_MENU_ITEM_RGB = 0xFFCC99
SKIN_FRAME_SIZE = 19


def skin_frame_rgb(n):
    return (10 * n) << 16 | 0x8040


def rgb(pixel):
    return int(pixel[0]) << 16 | int(pixel[1]) << 8 | int(pixel[2])


def solid(size, colour):
    return np.full((size, size, 3), [colour >> 16, (colour >> 8) & 0xFF, colour & 0xFF],
                   dtype=np.uint8)


def write_locked_skin(prefix, display, folder):
    """The test skin, locked with SKIN_PASSWORD, in folder; its path."""
    path = os.path.join(folder, "locked.skn")
    wine.run_checked(prefix, display, ARGS["skin_writer"], wine.windows_path(path), SKIN_PASSWORD)
    return path


POPUP_CAPTIONS = [item["Caption"] for item in CHILDREN["PopupMenu1"]["children"]]
STYLE_CAPTIONS = [item["Caption"] for item in CHILDREN["PopupMenu1"]["children"][-1]["children"]]
# Item and separator heights of the skinned menus in every style but MacOS; the menu is opened
# in DeepBlue.
MENU_ITEM_HEIGHT = 21
SEPARATOR_HEIGHT = 5


def button_index(button_type):
    types = [item["ButtonType"] for item in CHILDREN["TitleBar1"]["Buttons"]]
    return types.index(button_type)


def strip_frame(style, n):
    strip = load_picture(os.path.join(ARGS["bitmaps"], f"{style.upper()}_TITLEBTN.bmp"))
    width = strip.shape[1] // STRIP_FRAMES
    left = strip.shape[1] - width if n == STRIP_FRAMES else (n - 1) * width
    return strip[:, left:left + width]


def find_picture(pixels, picture, transparent=True):
    """Top-left (x, y) of every place where pixels show picture; when transparent, leaving out
    the picture's bottom-left colour (transparent buttons show the bar there)."""
    keep = np.any(picture != picture[-1, 0], axis=2) | (not transparent)
    h, w = keep.shape
    windows = sliding_window_view(pixels, (h, w, 3))[:, :, 0]
    same = np.all(windows == picture, axis=4) | ~keep
    ys, xs = np.nonzero(np.all(same, axis=(2, 3)))
    return list(zip(xs.tolist(), ys.tolist()))


class CommandLine(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.xvfb = Xvfb()
        cls.folder = tempfile.TemporaryDirectory()
        try:
            cls.locked_skin = write_locked_skin(os.environ.get("WINEPREFIX"), cls.xvfb.display,
                                                cls.folder.name)
        except BaseException:
            cls.tearDownClass()
            raise

    @classmethod
    def tearDownClass(cls):
        cls.folder.cleanup()
        cls.xvfb.stop()

    def run_gallery(self, *args):
        return wine.run(os.environ.get("WINEPREFIX"), self.xvfb.display, ARGS["exe"], *args)

    def test_bad_arguments_end_with_64_and_the_usage(self):
        # The native tests hold the full table; here, that each kind reaches the exit status.
        for args in (["--bogus"], ["--style", "Nope"], ["--style"], ["--password", "secret"]):
            with self.subTest(args=args):
                result = self.run_gallery(*args)
                self.assertEqual(result.returncode, EXIT_USAGE, result.stderr)
                self.assertIn("usage: ToolkitGallery", result.stderr)
                self.assertEqual(result.stdout, "")

    def test_a_skin_that_cannot_be_loaded_ends_with_1_and_a_message(self):
        not_a_skin = os.path.join(self.folder.name, "notaskin.skn")
        with open(not_a_skin, "w") as f:
            f.write("plain text\n")
        for path, password in ((os.path.join(self.folder.name, "missing.skn"), None),
                               (not_a_skin, None), (self.locked_skin, None),
                               (self.locked_skin, "wrong")):
            with self.subTest(path=os.path.basename(path), password=password):
                args = ["--skin", wine.windows_path(path)]
                result = self.run_gallery(*args, *(["--password", password] if password else []))
                self.assertEqual(result.returncode, EXIT_FAILURE, result.stderr)
                self.assertIn(os.path.basename(path), result.stderr)


class GallerySession(unittest.TestCase):
    """One gallery for the class, started with `arguments()` and --trace; the tests run in name
    order and the last closes it."""

    @classmethod
    def arguments(cls):
        return ()

    @classmethod
    def setUpClass(cls):
        cls.lines = []
        cls.session = Session(ARGS["exe"], os.environ.get("WINEPREFIX"),
                              args=(*cls.arguments(), "--trace"), stdout=subprocess.PIPE)
        cls.display = cls.session.display
        cls.reader = threading.Thread(target=cls.read_trace, daemon=True)
        cls.reader.start()
        try:
            cls.window = cls.session.wait_for_window(TITLE, timeout=60)
            cls.display.settled_window_pixels(cls.window, timeout=30)
        except BaseException:
            cls.session.close()
            raise

    @classmethod
    def read_trace(cls):
        for raw in cls.session.program.stdout:
            cls.lines.append(raw.decode("ascii").rstrip("\r\n"))

    @classmethod
    def tearDownClass(cls):
        cls.session.close()

    def wait_for_line(self, line, since):
        self.session.wait_until(lambda: line in self.lines[since:], 10, f"{line!r} on stdout")
        self.assertEqual(self.lines[since:], [line])

    def point_at(self, x, y):
        self.display.move_to(self.window.left + x, self.window.top + y)

    def click_at(self, x, y):
        self.point_at(x, y)
        self.display.xdotool("click", "1")

    def rest_point(self):
        """A point of the window's background, away from every control."""
        return LAYOUT["ClientWidth"] * 3 // 4, LAYOUT["ClientHeight"] * 3 // 4

    def title_frames(self, style, button_type):
        """The normal and mouse-on pictures of the button type in a built-in style, and whether
        they are drawn transparent (left out where they have their bottom-left colour)."""
        first = FRAME_OF_TYPE[button_type]
        return strip_frame(style, first), strip_frame(style, first + 1), True

    def places_in_bar(self, picture, transparent):
        """Top-left corners of the places in the title bar that show picture."""
        return find_picture(self.display.window_pixels(self.window)[:BAR_ROWS], picture,
                            transparent)

    def wait_for_picture_in_bar(self, picture, transparent, what):
        """Top-left of the one place in the title bar that shows picture."""
        found = {}

        def shown():
            found["at"] = self.places_in_bar(picture, transparent)
            return len(found["at"]) == 1

        self.session.wait_until(shown, 10, what)
        return found["at"][0]

    def find_title_button(self, style, button_type):
        """Centre of the title-bar button of that type, found by its normal picture."""
        normal, _, transparent = self.title_frames(style, button_type)
        self.point_at(*self.rest_point())
        x, y = self.wait_for_picture_in_bar(normal, transparent,
                                            f"the {style} {button_type} button in the title bar")
        return x + normal.shape[1] // 2, y + normal.shape[0] // 2

    def press_title_button(self, style, button_type):
        """Points at the button until it shows its mouse-on picture there, then clicks."""
        x, y = self.find_title_button(style, button_type)
        _, mouse_on, transparent = self.title_frames(style, button_type)
        self.point_at(x, y)
        left, top = x - mouse_on.shape[1] // 2, y - mouse_on.shape[0] // 2
        self.session.wait_until(
            lambda: self.places_in_bar(mouse_on, transparent) == [(left, top)], 10,
            f"the {style} {button_type} button to show the pointer on it")
        self.display.xdotool("click", "1")

    def new_menu_window(self, before, what):
        """The menu window that opened since `before` (the unnamed windows shown then)."""
        found = {}

        def opened():
            found["new"] = [w for w in self.display.find_windows("") if w not in before]
            return len(found["new"]) == 1

        self.session.wait_until(opened, 10, what)
        return self.display.geometry(found["new"][0])

    def click_menu_item(self, menu, captions, caption):
        """Clicks the item of an open menu window. Items are MENU_ITEM_HEIGHT high, separators
        SEPARATOR_HEIGHT; the menu's border is what its window has beyond them."""
        heights = [SEPARATOR_HEIGHT if c == "-" else MENU_ITEM_HEIGHT for c in captions]
        border = (menu.height - sum(heights)) // 2
        index = captions.index(caption)
        y = menu.top + border + sum(heights[:index]) + heights[index] // 2
        x = menu.left + menu.width // 2
        self.display.move_to(x, y)
        self.display.xdotool("click", "1")
        return x, y

    def open_popup_menu(self):
        before = self.display.find_windows("")
        self.point_at(*self.rest_point())
        self.display.xdotool("click", "3")
        return self.new_menu_window(before, "the popup menu")


class TracedSession(GallerySession):
    def test_1_a_popup_menu_item_chosen_with_the_pointer_is_traced(self):
        for caption in ("&Checked item", "C&opy", "De&fault item"):
            with self.subTest(caption=caption):
                since = len(self.lines)
                self.click_menu_item(self.open_popup_menu(), POPUP_CAPTIONS, caption)
                self.wait_for_line("menu " + caption.replace("&", ""), since)

    def test_2_help_and_custom_title_bar_buttons_are_traced_with_their_index(self):
        for button_type in ("suiHelp", "suiCustom"):
            with self.subTest(button=button_type):
                since = len(self.lines)
                self.press_title_button("DeepBlue", button_type)
                self.wait_for_line(f"titlebar {button_index(button_type)}", since)

    def test_3_the_style_submenu_restyles_the_window_and_is_traced(self):
        since = len(self.lines)
        menu = self.open_popup_menu()
        before = self.display.find_windows("")
        self.click_menu_item(menu, POPUP_CAPTIONS, "&Style")
        submenu = self.new_menu_window(before, "the Style submenu")
        self.click_menu_item(submenu, STYLE_CAPTIONS, "WinXP")
        self.wait_for_line("style WinXP", since)
        self.find_title_button("WinXP", "suiClose")

    def test_4_a_style_button_restyles_the_window_and_is_traced(self):
        button = CHILDREN["btnStyleMacOS"]
        since = len(self.lines)
        self.click_at(button["Left"] + button["Width"] // 2, button["Top"] + 8)
        self.wait_for_line("style MacOS", since)
        self.find_title_button("MacOS", "suiClose")

    def test_5_the_close_button_ends_the_program_with_0(self):
        self.press_title_button("MacOS", "suiClose")
        self.assertEqual(self.session.wait_for_exit(20), 0)


class SkinnedSession(GallerySession):
    """The locked test skin with its password: every control takes its look from it."""

    @classmethod
    def arguments(cls):
        cls.folder = tempfile.TemporaryDirectory()
        with Xvfb() as xvfb:
            locked = write_locked_skin(os.environ.get("WINEPREFIX"), xvfb.display, cls.folder.name)
        return "--skin", wine.windows_path(locked), "--password", SKIN_PASSWORD

    @classmethod
    def tearDownClass(cls):
        super().tearDownClass()
        cls.folder.cleanup()

    def title_frames(self, style, button_type):
        first = FRAME_OF_TYPE[button_type]
        return (solid(SKIN_FRAME_SIZE, skin_frame_rgb(first)),
                solid(SKIN_FRAME_SIZE, skin_frame_rgb(first + 1)), False)

    def test_1_the_form_and_the_title_bar_buttons_come_from_the_skin(self):
        x, y = self.rest_point()
        self.session.wait_until(
            lambda: rgb(self.display.window_pixels(self.window)[y, x]) == SKIN_FORM_RGB, 10,
            "the skin's form colour")
        for button_type in ("suiHelp", "suiCustom", "suiClose"):
            with self.subTest(button=button_type):
                self.find_title_button("skin", button_type)

    def test_2_the_popup_menu_comes_from_the_skin(self):
        menu = self.open_popup_menu()
        border = (menu.height - sum(SEPARATOR_HEIGHT if c == "-" else MENU_ITEM_HEIGHT
                                    for c in POPUP_CAPTIONS)) // 2
        # Near the top right of the first item, where it holds no text.
        x, y = menu.left + menu.width - border - 4, menu.top + border + 4
        self.session.wait_until(lambda: rgb(self.display.pixels()[y, x]) == SKIN_MENU_ITEM_RGB,
                                10, "the skin's menu item colour")
        since = len(self.lines)
        self.click_menu_item(menu, POPUP_CAPTIONS, "&Checked item")
        self.wait_for_line("menu Checked item", since)

    def test_3_the_help_button_is_traced_and_close_ends_with_0(self):
        since = len(self.lines)
        self.press_title_button("skin", "suiHelp")
        self.wait_for_line(f"titlebar {button_index('suiHelp')}", since)
        self.press_title_button("skin", "suiClose")
        self.assertEqual(self.session.wait_for_exit(20), 0)


if __name__ == "__main__":
    if len(sys.argv) < 4:
        sys.exit(f"usage: {sys.argv[0]} GALLERY_EXE STYLE_BITMAPS_DIR SKIN_WRITER_EXE "
                 "[unittest options]")
    ARGS["exe"], ARGS["bitmaps"], ARGS["skin_writer"] = sys.argv[1:4]
    unittest.main(argv=[sys.argv[0], *sys.argv[4:]], verbosity=2)
