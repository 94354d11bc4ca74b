"""Control pictures of the built-in styles (buttons, check boxes, sliders, scroll parts, tabs,
side channels) and the style-independent extras (MacOS menu pictures, form backgrounds, the
menu check glyph). Everything is painted opaque on the style's form colour.

Frame layouts: BUTTON is a strip of equal state faces (normal, pointer-on, pressed, disabled,
focused, default, checked, as many as fit); CHECKBOX, RADIOBUTTON and CHECKLIST hold four
frames (off, on, off disabled, on disabled; the check list's third is "grayed"); SCROLLBAR_BUTTON
holds six (up arrow and down arrow, each normal, pointer-on, pressed); SCROLLBUTTON four arrows
(left, right, up, down); TRACKBAR_BAR, SCROLLBAR_TRACK and TAB are three-slice bars.
"""

import numpy as np

from style_paint import (WHITE, colorref, coverage, darken, ellipse_mask, hexrgb, horizontal,
                         lighten, mix, paint, ramp, ring, rounded_mask, solid, strokes)


class Palette:
    def __init__(self, form, border, face, accent, mark, radius, glossy=False, arrow=None):
        self.arrow = mark if arrow is None else arrow
        self.form = form
        self.border = border
        self.face = face
        self.accent = accent
        self.mark = mark
        self.radius = radius
        self.glossy = glossy


def _stops(*pairs):
    return [(p, hexrgb(c)) for p, c in pairs]


PALETTES = {
    "MACOS": Palette(colorref(0xE7E7E7), hexrgb(0x7F7F7F),
                     _stops((0, 0xFFFFFF), (0.5, 0xEEEEEE), (1, 0xD2D2D2)),
                     hexrgb(0x3973C4), hexrgb(0x1A1A1A), 6, glossy=True),
    "WINXP": Palette(colorref(0xDEEBEF), hexrgb(0x1C5180),
                     _stops((0, 0xFFFFFF), (0.6, 0xF2F0E8), (1, 0xD8D2C2)),
                     hexrgb(0x3169C6), hexrgb(0x21A121), 3, arrow=hexrgb(0x4D6185)),
    "DEEPBLUE": Palette(colorref(0xE8E8E8), hexrgb(0x1E3C78),
                        _stops((0, 0xF4F6FA), (1, 0xBFCCE4)),
                        hexrgb(0x444AA0), hexrgb(0x142C62), 2),
    "PROTEIN": Palette(colorref(0xFBFBFB), hexrgb(0x6E747C),
                       _stops((0, 0xFFFFFF), (0.45, 0xE8EAED), (0.55, 0xD0D4D9), (1, 0xF0F2F4)),
                       hexrgb(0x2D30C4), hexrgb(0x30363E), 4),
    "BLUEGLASS": Palette(colorref(0xE7E7E7), hexrgb(0x0B3570),
                         _stops((0, 0xF4FAFF), (0.48, 0xD6E8FA), (0.52, 0xB4D2F2),
                                (1, 0xDCEDFD)),
                         hexrgb(0x5E5EEC), hexrgb(0x0B3570), 4, glossy=True),
    # The scroll button shared by DeepBlue, Protein and BlueGlass: a neutral steel look.
    "MORE": Palette(colorref(0xE8E8E8), hexrgb(0x5A6E94),
                    _stops((0, 0xFAFBFD), (1, 0xC8D0DE)),
                    hexrgb(0x3C5A96), hexrgb(0x1E3C78), 3),
}


def _vertical(width, height, stops):
    return np.tile(ramp(height, stops)[:, None, :], (1, width, 1))


def _tone(stops, state):
    if state == "hot":
        return [(p, lighten(c, 0.35)) for p, c in stops]
    if state in ("down", "checked"):
        return [(1 - p, darken(c, 0.14)) for p, c in reversed(stops)]
    if state == "disabled":
        return [(p, lighten(c, 0.55)) for p, c in stops]
    return stops


def _face(picture, pal, rect, radius, state="normal", border=None):
    """A bordered, shaded rounded rectangle."""
    height, width, _ = picture.shape
    x0, y0, x1, y1 = rect
    edge = pal.border if border is None else border
    if state == "disabled":
        edge = lighten(edge, 0.55)
    outer = rounded_mask(width, height, rect, radius)
    inner = rounded_mask(width, height, (x0 + 1, y0 + 1, x1 - 1, y1 - 1), max(radius - 1, 0))
    paint(picture, outer, edge)
    span = _vertical(width, int(y1 - y0), _tone(pal.face, state))
    fill = solid(width, height, WHITE)
    top, bottom = max(int(y0), 0), min(int(y1), height)
    fill[top:bottom] = span[top - int(y0):bottom - int(y0)]
    paint(picture, inner, fill)
    if pal.glossy and state != "disabled":
        gloss = rounded_mask(width, height, (x0 + 2, y0 + 1, x1 - 2, (y0 + y1) // 2),
                             max(radius - 2, 0)) * 0.35
        paint(picture, gloss, WHITE)
    return inner


def _frames(width, height, count, painter):
    fw = width // count
    picture = solid(width, height, np.zeros(3))
    for i in range(count):
        frame = painter(i, fw, height)
        picture[:, i * fw:(i + 1) * fw] = frame
    if width > fw * count:  # columns left over by the division stay form-coloured
        picture[:, fw * count:] = frame[:, -1:]
    return picture


BUTTON_STATES = ("normal", "hot", "down", "disabled", "focused", "default", "checked")
BUTTON_FRAMES = {"MACOS": 4, "WINXP": 3, "DEEPBLUE": 6, "PROTEIN": 6, "BLUEGLASS": 7}


def button(style, width, height):
    pal = PALETTES[style]

    def frame(i, fw, h):
        state = BUTTON_STATES[i]
        picture = solid(fw, h, pal.form)
        face_state = "normal" if state in ("focused", "default") else state
        border = pal.accent if state in ("default", "hot") else None
        _face(picture, pal, (0, 0, fw, h), pal.radius, face_state, border)
        if state == "focused":
            paint(picture, ring(rounded_mask(fw, h, (1, 1, fw - 1, h - 1), pal.radius),
                                rounded_mask(fw, h, (2, 2, fw - 2, h - 2), pal.radius)),
                  lighten(pal.accent, 0.3))
        if state == "default":
            paint(picture, ring(rounded_mask(fw, h, (0, 0, fw, h), pal.radius),
                                rounded_mask(fw, h, (2, 2, fw - 2, h - 2), pal.radius)),
                  pal.accent)
        return picture

    return _frames(width, height, BUTTON_FRAMES[style], frame)


def _check_path(x0, y0, s):
    return [[(x0 + 0.2 * s, y0 + 0.52 * s), (x0 + 0.42 * s, y0 + 0.74 * s),
             (x0 + 0.8 * s, y0 + 0.26 * s)]]


def _indicator(style, width, height, round_shape, grayed_third=False):
    pal = PALETTES[style]

    def frame(i, fw, h):
        picture = solid(fw, h, pal.form)
        s = min(fw, h) - 1
        x0, y0 = (fw - s) // 2, (h - s) // 2
        disabled = i >= 2 and not (grayed_third and i == 2)
        state = "disabled" if disabled else "normal"
        checked = i in (1, 3)
        mark = lighten(pal.mark, 0.6) if disabled else pal.mark
        if round_shape:
            outer = ellipse_mask(fw, h, (x0, y0, x0 + s, y0 + s))
            inner = ellipse_mask(fw, h, (x0 + 1, y0 + 1, x0 + s - 1, y0 + s - 1))
            paint(picture, outer, lighten(pal.border, 0.55) if disabled else pal.border)
            paint(picture, inner, _vertical(fw, h, _tone(pal.face, state)))
            if checked:
                r = s * 0.2
                c = s / 2
                paint(picture, ellipse_mask(fw, h, (x0 + c - r, y0 + c - r, x0 + c + r,
                                                    y0 + c + r)), mark)
        else:
            _face(picture, pal, (x0, y0, x0 + s, y0 + s), min(2, pal.radius), state)
            if checked:
                paint(picture, strokes(fw, h, _check_path(x0, y0, s), max(1.4, s * 0.16)),
                      mark)
            if grayed_third and i == 2:
                q = s // 4
                paint(picture, rounded_mask(fw, h, (x0 + q, y0 + q, x0 + s - q, y0 + s - q), 0),
                      lighten(pal.mark, 0.35))
        return picture

    return _frames(width, height, 4, frame)


def checkbox(style, width, height):
    return _indicator(style, width, height, False)


def radiobutton(style, width, height):
    return _indicator(style, width, height, True)


def checklist(style, width, height):
    return _indicator(style, width, height, False, grayed_third=True)


def progressbar(style, width, height):
    pal = PALETTES[style]
    gloss = [(0, lighten(pal.accent, 0.55)), (0.45, lighten(pal.accent, 0.15)),
             (0.55, pal.accent), (1, lighten(pal.accent, 0.35))]
    if style == "WINXP":
        picture = solid(width, height, WHITE)
        green = _stops((0, 0xC8F4BC), (0.4, 0x3CC43C), (1, 0x8CE07C))
        picture[:, :width - 2] = _vertical(width - 2, height, green)
        return picture
    picture = _vertical(width, height, gloss)
    if style == "MACOS":  # diagonal stripes repeating across the tile
        def draw(d, s):
            for k in range(-1, 3):
                x = k * width
                d.polygon([((x) * s, 0), ((x + width / 2) * s, 0),
                           ((x + width / 2 - height) * s, height * s),
                           ((x - height) * s, height * s)], fill=255)
        stripes = coverage(width, height, draw) * 0.45
        paint(picture, stripes, WHITE)
    return picture


def trackbar_bar(style, width, height):
    pal = PALETTES[style]
    picture = solid(width, height, pal.form)
    groove = _stops((0, 0xA8A8A8), (1, 0xF4F4F4))
    outer = rounded_mask(width, height, (0, 0, width, height), height / 2)
    inner = rounded_mask(width, height, (1, 1, width - 1, height - 1), max(height / 2 - 1, 0))
    paint(picture, outer, pal.border)
    paint(picture, inner, _vertical(width, height, groove))
    if height >= 6:
        paint(picture, inner * 0.35, pal.accent)
    return picture


def _pointer(style, width, height, points):
    """A slider knob: the polygon filled with the face and outlined in the border colour."""
    pal = PALETTES[style]
    picture = solid(width, height, pal.form)
    inset = [(min(max(x, 0.5), width - 0.5), min(max(y, 0.5), height - 0.5)) for x, y in points]

    def shape(outline):
        def draw(d, s):
            xy = [(x * s, y * s) for x, y in inset]
            if outline:
                d.polygon(xy, outline=255, width=s)
            else:
                d.polygon(xy, fill=255)
        return coverage(width, height, draw)

    fill = horizontal(width, height, pal.face) if height > width else \
        _vertical(width, height, pal.face)
    paint(picture, shape(False), fill)
    paint(picture, shape(True), pal.border)
    return picture


def trackbar_slider(style, width, height):
    w, h = width, height
    return _pointer(style, w, h, [(0, 0), (w, 0), (w, h * 0.68), (w / 2, h), (0, h * 0.68)])


def trackbar_slider_v(style, width, height):
    w, h = width, height
    return _pointer(style, w, h, [(0, 0), (w * 0.68, 0), (w, h / 2), (w * 0.68, h), (0, h)])


def _arrow(fw, h, direction, colour_picture, colour, offset=0):
    cx, cy = fw / 2 + offset, h / 2 + offset
    r = min(fw, h) * 0.2
    shapes = {"up": [(cx - r * 1.3, cy + r * 0.6), (cx + r * 1.3, cy + r * 0.6),
                     (cx, cy - r * 0.8)],
              "down": [(cx - r * 1.3, cy - r * 0.6), (cx + r * 1.3, cy - r * 0.6),
                       (cx, cy + r * 0.8)],
              "left": [(cx + r * 0.6, cy - r * 1.3), (cx + r * 0.6, cy + r * 1.3),
                       (cx - r * 0.8, cy)],
              "right": [(cx - r * 0.6, cy - r * 1.3), (cx - r * 0.6, cy + r * 1.3),
                        (cx + r * 0.8, cy)]}
    tri = shapes[direction]
    mask = coverage(fw, h, lambda d, s: d.polygon([(x * s, y * s) for x, y in tri], fill=255))
    paint(colour_picture, mask, colour)


def scrollbar_button(style, width, height):
    pal = PALETTES[style]
    states = ("normal", "hot", "down")

    def frame(i, fw, h):
        picture = solid(fw, h, pal.form)
        state = states[i % 3]
        _face(picture, pal, (0, 0, fw, h), min(pal.radius, 3), state)
        _arrow(fw, h, "up" if i < 3 else "down", picture, pal.arrow, 1 if state == "down" else 0)
        return picture

    return _frames(width, height, 6, frame)


def scrollbutton(style, width, height):
    pal = PALETTES[style]
    directions = ("left", "right", "up", "down")

    def frame(i, fw, h):
        picture = solid(fw, h, pal.form)
        _face(picture, pal, (0, 0, fw, h), min(pal.radius, 3))
        _arrow(fw, h, directions[i], picture, pal.arrow)
        return picture

    return _frames(width, height, 4, frame)


def scrollbar_track(style, width, height):
    pal = PALETTES[style]
    picture = solid(width, height, pal.form)
    track = [(0, darken(pal.form, 0.12)), (1, lighten(pal.form, 0.5))]
    outer = rounded_mask(width, height, (0, 0, width, height), min(pal.radius, height / 2))
    inner = rounded_mask(width, height, (1, 1, width - 1, height - 1),
                         max(min(pal.radius, height / 2) - 1, 0))
    paint(picture, outer, lighten(pal.border, 0.35))
    paint(picture, inner, _vertical(width, height, track))
    return picture


def tab(style, width, height):
    pal = PALETTES[style]
    picture = solid(width, height, pal.form)
    r = min(pal.radius + 1, width // 3, height // 2)
    _face(picture, pal, (0, 0, width, height + r + 1), r)
    paint(picture, rounded_mask(width, height, (0, 0, width, 3), 1) * 0.6, pal.accent)
    return picture


def tab_line(style, width, height):
    pal = PALETTES[style]
    picture = solid(width, height, pal.form)
    picture[0] = pal.border
    if height > 1:
        picture[1] = WHITE
    if height > 2:
        picture[2:] = _vertical(width, height - 2, pal.face)
    return picture


def sidechannel_handle(style, width, height):
    pal = PALETTES[style]
    picture = solid(width, height, pal.form)
    _face(picture, pal, (0, 0, width, height), min(pal.radius, width // 2))
    picture[:] = mix(picture, horizontal(width, height, [(0, WHITE), (0.5, picture[height // 2,
                                                                                   width // 2]),
                                                        (1, darken(pal.form, 0.1))]), 0.3)
    cx = width / 2
    dots = [(cx, height / 2 + k * 4, 1.0) for k in range(-3, 4)]
    paint(picture, strokes(width, height, [], 1, dots), darken(pal.border, 0.2))
    return picture


def sidechannel_bar(style, width, height):
    pal = PALETTES[style]
    return _vertical(width, height, [(0, lighten(pal.accent, 0.45)), (0.5, pal.accent),
                                     (1, darken(pal.accent, 0.2))])


# Pictures named directly, outside the table.

def mac_menu_bar(width, height):
    """Pinstriped light grey; the top 12 and 20 rows also serve separators and backgrounds."""
    rows = ramp(height, [(0, hexrgb(0xFAFAFA)), (1, hexrgb(0xE6E6E6))])
    rows[1::2] = darken(rows[1::2], 0.03)
    rows[-2] = hexrgb(0xC8C8C8)
    rows[-1] = hexrgb(0x8C8C8C)
    return np.tile(rows[:, None, :], (1, width, 1))


def mac_menu_select(width, height):
    rows = ramp(height, [(0, hexrgb(0x8CB4EC)), (0.5, hexrgb(0x5A8CDC)), (0.52, hexrgb(0x3973C4)),
                         (1, hexrgb(0x5A90DA))])
    rows[-1] = hexrgb(0x285AA8)
    return np.tile(rows[:, None, :], (1, width, 1))


def mac_form_background(width, height):
    picture = solid(width, height, hexrgb(0xEEEEEE))
    picture[1::2] = hexrgb(0xE2E2E2)
    return picture


def protein_form_background(width, height):
    """Fine brushed silver: fixed streak values per row, a faint diagonal weave."""
    streaks = [0xFC, 0xF7, 0xFA, 0xF5, 0xFB, 0xF8, 0xF6, 0xF9]
    picture = np.zeros((height, width, 3))
    for y in range(height):
        for x in range(width):
            v = streaks[y % 8] - (3 if (x + 2 * y) % 8 == 0 else 0)
            picture[y, x] = (v, v, min(v + 2, 255))
    return picture


VGA_PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
               (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
               (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def menu_checked():
    """16 x 16 palette indices: a black check on white (the mask colour)."""
    rows = ["................",
            "................",
            "................",
            "................",
            "..........#.....",
            ".........##.....",
            "...#....###.....",
            "...##..###......",
            "...#######......",
            "....#####.......",
            ".....###........",
            "......#.........",
            "................",
            "................",
            "................",
            "................"]
    return np.array([[0 if c == "#" else 15 for c in row] for row in rows], dtype=np.uint8)
