"""The launcher window as the end-to-end tests expect it: its controls, their pictures and texts,
and the picture at rest composed from the source pictures in the assets folder."""

import os
from dataclasses import dataclass

import numpy as np

from winedriver.screen import load_picture

TITLE = "Velmora Free Center"
WIDTH, HEIGHT = 800, 480
WELCOME = "Velmora Free Center - 100% Free,Includes 8 Video/Audio Tools."

# lblDes: left, top, width, height (window coordinates).
DESCRIPTION_AREA = (39, 62, 641, 24)


@dataclass(frozen=True)
class Button:
    name: str
    left: int
    top: int
    width: int
    height: int
    tab_order: int
    text: str | None  # description shown while the pointer is on it; None: leaves it alone

    @property
    def is_tool(self):
        return self.text is not None

    @property
    def picture_stem(self):
        return self.name[3:]  # btnVideoEditor -> VideoEditor

    def centre(self):
        return self.left + self.width // 2, self.top + self.height // 2


BUTTONS = [
    Button("btnVideoEditor", 39, 109, 243, 116, 3,
           "Contains video cutter,video splitter and video joiner in one program."),
    Button("btnVideoConverter", 293, 109, 230, 80, 0,
           "Converting videos of all popular formats and more functions."),
    Button("btnScreenRecorder", 39, 363, 243, 79, 1,
           "Record screen activities and sounds into *.flv files."),
    Button("btnAudioRecorder", 534, 296, 230, 146, 2,
           "Record audio,internet radio or other sounds directly from your soundcard."),
    Button("btnDVDRipper", 39, 236, 243, 116, 4,
           "Rip DVD moive to all popular formats and more functions."),
    Button("btnClose", 766, 11, 29, 20, 5, None),
    Button("btnVideoDVDMaker", 293, 200, 230, 116, 6,
           "Allows home movie enthusiasts to create DVD discs! "),
    Button("btnSlideVideoMaker", 293, 327, 230, 115, 7,
           "Create video file from a series of photo images and music files."),
    Button("btnAudioConverter", 534, 109, 230, 173, 8,
           "Converting audios of all popular formats and rip cd songs."),
    Button("btnHomepage", 686, 59, 78, 24, 9, None),
]

TRANSPARENT_BUTTONS = {"btnClose"}
STATES = ("Normal", "MouseOn", "MouseDown")


def button(name):
    return next(b for b in BUTTONS if b.name == name)


def tab_sequence():
    return sorted(BUTTONS, key=lambda b: b.tab_order)


def in_description(x, y):
    left, top, width, height = DESCRIPTION_AREA
    return left <= x < left + width and top <= y < top + height


def background_points(count=12):
    """Window points on the bare background: outside every button and the description line."""
    points = []
    for y in range(5, HEIGHT, 37):
        for x in range(5, WIDTH, 53):
            if in_description(x, y) or any(
                    b.left - 3 <= x < b.left + b.width + 3 and b.top - 3 <= y < b.top + b.height + 3
                    for b in BUTTONS):
                continue
            points.append((x, y))
    step = max(1, len(points) // count)
    return points[::step][:count]


class Pictures:
    """The source pictures in the assets folder, and pictures of the window composed from them."""

    def __init__(self, assets):
        self.assets = assets
        self.background = self._load_first("MainBackground.bmp", "MAIN_BACKGROUND.bmp")
        if self.background.shape != (HEIGHT, WIDTH, 3):
            raise ValueError(f"background is {self.background.shape}, not {HEIGHT}x{WIDTH}")

    def _load_first(self, *names):
        for name in names:
            path = os.path.join(self.assets, name)
            if os.path.exists(path):
                return load_picture(path)
        raise FileNotFoundError(f"none of {names} in {self.assets}")

    def picture(self, b, state):
        picture = self._load_first(f"{b.picture_stem}_{state}.bmp")
        if picture.shape != (b.height, b.width, 3):
            raise ValueError(f"{b.name} {state} picture is {picture.shape[1::-1]}")
        return picture

    def window(self, states=None):
        """The window with every button in its state (default Normal) over the background.
        A transparent button's top-left colour lets the background show through."""
        states = states or {}
        out = self.background.copy()
        for b in BUTTONS:
            picture = self.picture(b, states.get(b.name, "Normal"))
            area = out[b.top:b.top + b.height, b.left:b.left + b.width]
            if b.name in TRANSPARENT_BUTTONS:
                keep = np.all(picture == picture[0, 0], axis=2)
                area[~keep] = picture[~keep]
            else:
                area[:] = picture
        return out


def outside_description(pixels):
    """A copy with the description line blanked, for comparisons that must ignore its text."""
    out = pixels.copy()
    left, top, width, height = DESCRIPTION_AREA
    out[top:top + height, left:left + width] = 0
    return out


def description(pixels):
    left, top, width, height = DESCRIPTION_AREA
    return pixels[top:top + height, left:left + width]


def button_area(pixels, b):
    return pixels[b.top:b.top + b.height, b.left:b.left + b.width]
