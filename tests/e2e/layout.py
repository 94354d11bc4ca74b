"""The launcher window as the end-to-end tests expect it: its controls read from the stored
layout the program is built with (app/MainFrm.layout), their pictures, and the picture at rest
composed from the source pictures in the assets folder."""

import os
import re
from dataclasses import dataclass

import numpy as np

from winedriver.screen import load_picture

LAYOUT_FILE = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, os.pardir,
                           "app", "MainFrm.layout")

_OBJECT = re.compile(r"object\s+(\w+)\s*:\s*(\w+)$")
_PROPERTY = re.compile(r"([\w.]+)\s*=\s*(.+)$")


def _value(text):
    """A property value: integers as int, quoted text as str (with '' and #n), the rest as is."""
    if re.fullmatch(r"-?\d+", text):
        return int(text)
    if text.startswith("'") or text.startswith("#"):
        out = []
        for quoted, code in re.findall(r"'((?:[^']|'')*)'|#(\d+)", text):
            out.append(chr(int(code)) if code else quoted.replace("''", "'"))
        return "".join(out)
    return text


def read_layout(path=LAYOUT_FILE):
    """The root object and its children of a stored layout, each as a dict of its properties
    with its class under "class"; children in creation order. A collection property
    (Name = < item ... end ... end>) is a list of dicts, one per item."""
    root, stack, items = None, [], None
    with open(path, encoding="ascii") as f:
        for number, raw in enumerate(f, 1):
            line = raw.split("//", 1)[0].strip()
            if not line:
                continue
            if items is not None:
                if line == "item":
                    items.append({})
                elif line in ("end", "end>"):
                    items = None if line == "end>" else items
                elif (match := _PROPERTY.match(line)) and items:
                    items[-1][match[1]] = _value(match[2].strip())
                else:
                    raise ValueError(f"{path}:{number}: cannot read {line!r}")
            elif (match := _PROPERTY.match(line)) and stack and match[2].strip() == "<":
                items = stack[-1][match[1]] = []
            elif match := _OBJECT.match(line):
                node = {"name": match[1], "class": match[2], "children": []}
                if stack:
                    stack[-1]["children"].append(node)
                else:
                    root = node
                stack.append(node)
            elif line == "end":
                stack.pop()
            elif (match := _PROPERTY.match(line)) and stack:
                stack[-1][match[1]] = _value(match[2].strip())
            else:
                raise ValueError(f"{path}:{number}: cannot read {line!r}")
    if root is None or stack:
        raise ValueError(f"{path}: not one complete object")
    return root


@dataclass(frozen=True)
class Button:
    name: str
    left: int
    top: int
    width: int
    height: int
    tab_order: int
    is_tool: bool  # shows its description while the pointer is on it (has OnMouseEnter)
    transparent: bool

    @property
    def picture_stem(self):
        return self.name[3:]  # btnVideoEditor -> VideoEditor

    def centre(self):
        return self.left + self.width // 2, self.top + self.height // 2


_FORM = read_layout()
_CHILDREN = {child["name"]: child for child in _FORM["children"]}

TITLE = _FORM["Caption"]
WIDTH, HEIGHT = _FORM["ClientWidth"], _FORM["ClientHeight"]

# lblDes: left, top, width, height (window coordinates).
DESCRIPTION_AREA = tuple(_CHILDREN["lblDes"][key] for key in ("Left", "Top", "Width", "Height"))

BUTTONS = [
    Button(c["name"], c["Left"], c["Top"], c["Width"], c["Height"], c["TabOrder"],
           "OnMouseEnter" in c, c.get("Transparent") == "True")
    for c in _FORM["children"] if c["class"] == "TsuiImageButton"
]

TRANSPARENT_BUTTONS = {b.name for b in BUTTONS if b.transparent}
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
