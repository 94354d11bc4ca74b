#!/usr/bin/env python3
"""Draws the "Dusk" demo skin: one 24-bit BMP per bitmap record in pictures/ and the values
file values.txt, both committed. Run from anywhere: python3 skins/demo/generate.py

The look: a dusk sky (deep indigo at the top, violet, a warm horizon line at the bottom) in
the title bar and frame, a dark glass caption plate behind the icon and caption, rounded top
and bottom corners cut away in the key colour, and a light lavender client area with a dark
menu bar and flat menus.

Title sections (all TITLE_HEIGHT high; the title bar lays five sections out as left,
caption, left, client, right):
  SKIN2_TITLEBAR1  left end: rounded corner, start of the caption plate (icon sits on it)
  SKIN2_TITLEBAR2  caption section: plate columns, stretched under the caption
  SKIN2_TITLEBAR3  the plate's rounded right end
  SKIN2_TITLEBAR4  plain sky, stretched over the rest of the bar
  SKIN2_TITLEBAR5  right end behind the caption buttons: rounded corner
SKIN2_TITLEBUTTONS is 18 square frames: control box, help, maximise, restore, minimise,
close, each normal, pointer-on and pressed. Nothing here is random: every run writes the same
bytes.
"""

import math
import pathlib
import sys

import numpy as np
from PIL import Image, ImageDraw

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "resources"))
from style_paint import bmp24, ramp, to_bytes  # noqa: E402  shared with the style pictures

HERE = pathlib.Path(__file__).resolve().parent
PICTURES = HERE / "pictures"
VALUES = HERE / "values.txt"

SUPERSAMPLE = 4

# Geometry, in pixels.
TITLE_HEIGHT = 30
CORNER_RADIUS = 6          # top corners of the title
BOTTOM_RADIUS = 5          # bottom corners of the frame
BORDER_WIDTH = 4           # left and right border pictures
BOTTOM_HEIGHT = 6          # bottom border pictures
BOTTOM_CORNER_WIDTH = 12   # SKIN2_FORMBOTTOMBORDER1 and 3
BUTTON_SIZE = 20           # one title-button frame
BUTTON_TOP = 5             # row of the title picture where the buttons sit
ICON_LEFT = 8              # SKIN2_TITLEBARICONPOSX
ICON_TOP = 7               # SKIN2_TITLEBARICONPOSY
CAPTION_TOP = 8            # SKIN2_TITLEBARCAPTIONTOP
BUTTONS_RIGHT = 6          # SKIN2_TITLEBARBUTTONPOSX
SECTION_WIDTHS = {1: 30, 2: 8, 3: 16, 4: 8, 5: 100}
PLATE_TOP, PLATE_BOTTOM = 4, 26   # caption plate rows (bottom exclusive)
PLATE_LEFT = 4                    # plate's left edge in SKIN2_TITLEBAR1
PLATE_RADIUS = 7

# Colours as (r, g, b).
KEY = (255, 0, 255)                    # cut away: the window region leaves these out
OUTLINE = (18, 10, 32)
RIM = (110, 78, 156)                   # light edge along the outline
BODY = (60, 38, 96)                    # frame body
INNER = (40, 26, 70)                   # inner shadow next to the client area
SKY = [(0.0, (34, 22, 62)), (0.55, (70, 40, 112)), (1.0, (122, 62, 126))]
GLOW = (220, 112, 122)                 # warm line above the horizon
HORIZON = (242, 160, 102)
PLATE = [(0.0, (28, 16, 46)), (1.0, (46, 28, 74))]
PLATE_RIM = (150, 118, 200)
CAPTION = (246, 238, 255)
FORM = (236, 231, 242)                 # client area, flat-menu edge
MENU_BAR = BODY
MENU_BAR_TEXT = (232, 222, 246)
TOP_SELECTED = (112, 78, 166)
TOP_SELECTED_BORDER = (188, 160, 228)
WHITE = (255, 255, 255)
MENU_ITEM = (247, 244, 251)
MENU_TEXT = (42, 27, 61)
MENU_SIDE_BAR = (214, 202, 230)
SELECTED = (122, 88, 176)
SELECTED_BORDER = (62, 39, 102)
BUTTON_FILL = [(0.0, (124, 94, 172)), (1.0, (62, 40, 104))]
CLOSE_FILL = [(0.0, (236, 128, 104)), (1.0, (168, 50, 78))]
BUTTON_RIM = (20, 12, 36)
GLYPH = (250, 244, 255)


# ---- raster helpers: pictures are (height, width, 3) float arrays, masks (height, width) ----

def colour(c):
    return np.asarray(c, dtype=np.float64)


def mix(a, b, t):
    return colour(a) * (1.0 - t) + colour(b) * t


def coverage(width, height, draw_fn):
    """Mask of what draw_fn(draw, s) paints in 255 on a canvas s times larger."""
    s = SUPERSAMPLE
    canvas = Image.new("L", (width * s, height * s), 0)
    draw_fn(ImageDraw.Draw(canvas), s)
    small = canvas.resize((width, height), Image.Resampling.BOX)
    return np.asarray(small, dtype=np.float64) / 255.0


def rounded(width, height, rect, radius):
    x0, y0, x1, y1 = rect

    def draw(d, s):
        d.rounded_rectangle([x0 * s, y0 * s, x1 * s - 1, y1 * s - 1], radius=radius * s,
                            fill=255)

    return coverage(width, height, draw)


def paint(picture, mask, value):
    m = mask[:, :, None]
    picture[:] = picture * (1.0 - m) + np.broadcast_to(value, picture.shape) * m


def rows_picture(rows, width):
    return np.tile(rows[:, None, :], (1, width, 1))


# ---- title bar ----

def sky_rows():
    """The title's colour per row, shared by every section."""
    rows = ramp(TITLE_HEIGHT, SKY)
    rows[0] = OUTLINE
    rows[1] = RIM
    rows[2] = mix(RIM, rows[2], 0.6)
    rows[-3] = GLOW
    rows[-2] = HORIZON
    rows[-1] = INNER
    return rows


def plate_rows():
    rows = ramp(TITLE_HEIGHT, [(0.0, PLATE[0][1]), (1.0, PLATE[1][1])])
    rows[PLATE_TOP] = PLATE_RIM
    rows[PLATE_TOP + 1] = mix(PLATE_RIM, rows[PLATE_TOP + 1], 0.55)
    rows[PLATE_BOTTOM - 1] = mix(OUTLINE, rows[PLATE_BOTTOM - 1], 0.3)
    return rows


def with_plate(picture, shape):
    """Lays the caption plate over the sky where shape covers it, with a 1-pixel rim."""
    width = picture.shape[1]
    body = rows_picture(plate_rows(), width)
    paint(picture, shape, body)
    padded = np.pad(shape, 1, mode="edge")
    inner = np.minimum.reduce([padded[1:-1, :-2], padded[1:-1, 2:], padded[:-2, 1:-1],
                               padded[2:, 1:-1]])
    edge = np.clip(shape - inner, 0.0, 1.0)
    paint(picture, edge * 0.8, colour(PLATE_RIM))


def plate_band(width):
    mask = np.zeros((TITLE_HEIGHT, width))
    mask[PLATE_TOP:PLATE_BOTTOM] = 1.0
    return mask


def shade_arc(picture, y, x, d, radius):
    """A pixel at distance d from a rounded corner's centre: key colour outside the arc,
    outline and rim along it, unchanged inside."""
    if d > radius:
        picture[y, x] = KEY
    elif d > radius - 1.2:
        picture[y, x] = OUTLINE
    elif d > radius - 2.2:
        picture[y, x] = RIM


def cut_corner(picture, right, radius):
    """Rounds a top corner: key colour outside the arc, outline and rim along it."""
    height, width, _ = picture.shape
    cx = width - radius if right else radius
    cy = radius
    for y in range(radius + 1):
        for x in range(width):
            dx = (x + 0.5) - cx
            if (not right and dx > 0) or (right and dx < 0):
                continue
            shade_arc(picture, y, x, math.hypot(dx, (y + 0.5) - cy), radius)


def side_edges(picture, left, right):
    """Outline and rim columns at the window's outer edges, below the rounded corners."""
    if left:
        picture[1:, 0] = OUTLINE
        picture[2:-1, 1] = mix(RIM, picture[2:-1, 1], 0.35)
    if right:
        picture[1:, -1] = OUTLINE
        picture[2:-1, -2] = mix(RIM, picture[2:-1, -2], 0.35)


def title_section(number):
    width = SECTION_WIDTHS[number]
    picture = rows_picture(sky_rows(), width)
    if number == 1:
        shape = rounded(width, TITLE_HEIGHT, (PLATE_LEFT, PLATE_TOP, width + 20, PLATE_BOTTOM),
                        PLATE_RADIUS)
        with_plate(picture, shape)
        side_edges(picture, True, False)
        cut_corner(picture, False, CORNER_RADIUS)
    elif number == 2:
        with_plate(picture, plate_band(width))
    elif number == 3:
        end = width - 5
        shape = rounded(width, TITLE_HEIGHT, (-20, PLATE_TOP, end, PLATE_BOTTOM), PLATE_RADIUS)
        with_plate(picture, shape)
        # A soft glow trailing off the plate's end.
        glow = rounded(width, TITLE_HEIGHT, (-20, PLATE_TOP - 1, end + 2, PLATE_BOTTOM + 1),
                       PLATE_RADIUS + 1) - shape
        paint(picture, np.clip(glow, 0, 1) * 0.35, colour(PLATE_RIM))
    elif number == 5:
        side_edges(picture, False, True)
        cut_corner(picture, True, CORNER_RADIUS)
    return picture


# ---- title buttons ----

BUTTON_KINDS = ("controlbox", "help", "max", "restore", "min", "close")
BUTTON_STATES = ("normal", "hot", "down")


def glyph_mask(kind, offset):
    """The symbol of a button, pixel-aligned so that it stays crisp at 20 pixels."""
    f = BUTTON_SIZE
    m = np.zeros((f, f))
    o = offset

    def rect(x0, y0, x1, y1, value=1.0):
        m[y0 + o:y1 + o, x0 + o:x1 + o] = value

    if kind == "max":
        rect(6, 6, 14, 14)
        rect(7, 8, 13, 13, 0.0)
    elif kind == "restore":
        rect(8, 5, 15, 11)
        rect(9, 7, 14, 10, 0.0)
        rect(5, 9, 12, 15)
        rect(6, 11, 11, 14, 0.0)
    elif kind == "min":
        rect(6, 12, 14, 14)
    else:
        def draw(d, s):
            c = f / 2 + o

            def p(u, v):
                return ((c + u) * s, (c + v) * s)

            w = round(2.0 * s)
            if kind == "close":
                d.line([p(-3.6, -3.6), p(3.6, 3.6)], fill=255, width=w)
                d.line([p(3.6, -3.6), p(-3.6, 3.6)], fill=255, width=w)
            elif kind == "help":
                d.arc([p(-3.4, -5.6), p(3.4, 1.0)], 180, 400, fill=255, width=w)
                d.line([p(2.6, -0.6), p(0.0, 1.2), p(0.0, 2.6)], fill=255, width=w,
                       joint="curve")
                d.ellipse([p(-1.2, 3.8), p(1.2, 6.2)], fill=255)
            else:  # control box: a crescent moon
                d.ellipse([p(-5.0, -5.0), p(5.0, 5.0)], fill=255)
                d.ellipse([p(-2.2, -7.0), p(7.0, 2.6)], fill=0)

        m = coverage(f, f, draw)
    return m


def title_button(kind, state):
    f = BUTTON_SIZE
    # The title rows behind the button, for the antialiased edge pixels.
    behind = rows_picture(sky_rows()[BUTTON_TOP:BUTTON_TOP + f], f)
    picture = behind.copy()
    shape = rounded(f, f, (1, 1, f - 1, f - 1), 5)
    inner = rounded(f, f, (2, 2, f - 2, f - 2), 4)
    stops = CLOSE_FILL if kind == "close" else BUTTON_FILL
    if kind == "controlbox":
        stops = [(0.0, mix(PLATE[0][1], RIM, 0.4)), (1.0, PLATE[1][1])]
    if state == "hot":
        stops = [(p, mix(c, WHITE, 0.22)) for p, c in stops]
    elif state == "down":
        stops = [(1.0 - p, mix(c, (0, 0, 0), 0.28)) for p, c in stops]
    paint(picture, shape, colour(BUTTON_RIM))
    paint(picture, inner, rows_picture(ramp(f, stops), f))
    if state != "down":  # gloss on the upper half
        gloss = rounded(f, f, (3, 2, f - 3, f // 2), 3) * 0.22
        paint(picture, gloss, colour(WHITE))
    if state == "hot":
        halo = np.clip(inner - rounded(f, f, (3, 3, f - 3, f - 3), 3), 0, 1) * 0.6
        paint(picture, halo, colour((255, 214, 176)))
    glyph = glyph_mask(kind, 1 if state == "down" else 0)
    shadow = np.zeros_like(glyph)
    shadow[1:, 1:] = glyph[:-1, :-1]
    paint(picture, shadow * 0.45 * inner, colour(BUTTON_RIM))
    paint(picture, glyph * inner, colour(GLYPH))
    picture[shape < 0.5] = KEY
    return picture


def title_buttons():
    frames = [title_button(kind, state) for kind in BUTTON_KINDS for state in BUTTON_STATES]
    return np.concatenate(frames, axis=1)


# ---- frame ----

SIDE_COLUMNS = (OUTLINE, RIM, BODY, INNER)  # from the outer edge inwards


def side_border(right, height=40):
    columns = np.array(SIDE_COLUMNS[::-1] if right else SIDE_COLUMNS, dtype=np.float64)
    return np.tile(columns[None, :, :], (height, 1, 1))


BOTTOM_LEVELS = (0, 1, 2, 2, 2, 3)  # depth from the bottom edge upwards, as SIDE_COLUMNS
LEVEL_COLOURS = (OUTLINE, RIM, BODY, INNER)


def bottom_piece(width, corner):
    """corner: None, "left" or "right". Depth is the nearer of the side and the bottom."""
    h = BOTTOM_HEIGHT
    picture = np.zeros((h, width, 3))
    r = BOTTOM_RADIUS
    for y in range(h):
        up = BOTTOM_LEVELS[h - 1 - y]
        for x in range(width):
            across = {"left": x, "right": width - 1 - x}.get(corner, BORDER_WIDTH)
            level = min(up, across if across < BORDER_WIDTH else 3)
            picture[y, x] = LEVEL_COLOURS[level]
            if corner is None:
                continue
            dx = (across + 0.5) - r
            dy = (h - 1 - y + 0.5) - r
            if dx < 0 and dy < 0:
                shade_arc(picture, y, x, math.hypot(dx, dy), r)
    return picture


# ---- files ----



def colorref(c):
    """0x00BBGGRR of an (r, g, b) colour, as the skin's integer records hold colours."""
    r, g, b = (int(v) for v in c)
    return f"0x{(b << 16) | (g << 8) | r:06X}"


def pictures():
    out = {f"SKIN2_TITLEBAR{n}": title_section(n) for n in range(1, 6)}
    out["SKIN2_TITLEBUTTONS"] = title_buttons()
    out["SKIN2_FORMLEFTBORDER"] = side_border(False)
    out["SKIN2_FORMRIGHTBORDER"] = side_border(True)
    out["SKIN2_FORMBOTTOMBORDER1"] = bottom_piece(BOTTOM_CORNER_WIDTH, "left")
    out["SKIN2_FORMBOTTOMBORDER2"] = bottom_piece(8, None)
    out["SKIN2_FORMBOTTOMBORDER3"] = bottom_piece(BOTTOM_CORNER_WIDTH, "right")
    return out


def key_rows(picture):
    return [y for y, row in enumerate(to_bytes(picture)) if np.any(np.all(row == KEY, axis=1))]


def values():
    # The region scans only the rows that hold key pixels; the rows outside are kept whole.
    title_key_rows = key_rows(title_section(1))
    bottom_key_rows = key_rows(bottom_piece(BOTTOM_CORNER_WIDTH, "left"))
    lines = [
        "# The Dusk demo skin's values, written by generate.py (edit there, then run it).",
        "# Colours are 0x00BBGGRR.",
        "",
        "# Frame, title bar and region",
        f"integer SKIN2_TRANSCOLOR {colorref(KEY)}",
        f"integer SKIN2_TITLEFONTCOLOR {colorref(CAPTION)}",
        f"integer SKIN2_FORMCOLOR {colorref(FORM)}",
        "boolean SKIN2_TITLEFIVESECT 1",
        "boolean SKIN2_BOTTOMBORDERTHREESECT 1",
        "boolean SKIN2_TITLEBARNEEDREGION 1",
        "boolean SKIN2_BOTTOMBORDERNEEDREGION 1",
        "boolean SKIN2_TITLEBTNTRANS 1",
        f"integer SKIN2_TITLEBARICONPOSX {ICON_LEFT}",
        f"integer SKIN2_TITLEBARICONPOSY {ICON_TOP}",
        f"integer SKIN2_TITLEBARCAPTIONTOP {CAPTION_TOP}",
        f"integer SKIN2_TITLEBARBUTTONPOSX {BUTTONS_RIGHT}",
        f"integer SKIN2_TITLEBARBUTTONPOSY {BUTTON_TOP}",
        f"integer SKIN2_TITLEBARREGIONMINY {min(title_key_rows)}",
        f"integer SKIN2_TITLEBARREGIONMAXY {max(title_key_rows)}",
        f"integer SKIN2_BOTTOMREGIONMINY {min(bottom_key_rows)}",
        f"integer SKIN2_BOTTOMREGIONMAXY {max(bottom_key_rows)}",
        "",
        "# Menu bar (flat: start and end colours are equal)",
        f"integer SKIN2_MENUBARSTARTCOLOR {colorref(MENU_BAR)}",
        f"integer SKIN2_MENUBARENDCOLOR {colorref(MENU_BAR)}",
        f"integer SKIN2_TOPMENUFONTCOLOR {colorref(MENU_BAR_TEXT)}",
        f"integer SKIN2_TOPSELECTEDMENUCOLOR {colorref(TOP_SELECTED)}",
        f"integer SKIN2_TOPSELECTEDMENUBORDERCOLOR {colorref(TOP_SELECTED_BORDER)}",
        f"integer SKIN2_TOPSELECTEDMENUFONTCOLOR {colorref(WHITE)}",
        "",
        "# Menus (flat side bar: start and end colours are equal)",
        f"integer SKIN2_LEFTBARSTARTCOLOR {colorref(MENU_SIDE_BAR)}",
        f"integer SKIN2_LEFTBARENDCOLOR {colorref(MENU_SIDE_BAR)}",
        f"integer SKIN2_MENUITEMCOLOR {colorref(MENU_ITEM)}",
        f"integer SKIN2_MENUITEMFONTCOLOR {colorref(MENU_TEXT)}",
        f"integer SKIN2_SELECTEDMENUCOLOR {colorref(SELECTED)}",
        f"integer SKIN2_SELECTEDMENUBORDERCOLOR {colorref(SELECTED_BORDER)}",
        f"integer SKIN2_SELECTEDMENUFONTCOLOR {colorref(WHITE)}",
        "",
        "string SKIN2_NAME Dusk",
    ]
    return "\n".join(lines) + "\n"


def main():
    PICTURES.mkdir(exist_ok=True)
    made = pictures()
    for stale in PICTURES.glob("*.bmp"):
        if stale.stem not in made:
            stale.unlink()
    for name, picture in made.items():
        (PICTURES / f"{name}.bmp").write_bytes(bmp24(picture))
    VALUES.write_text(values())


if __name__ == "__main__":
    main()
