"""Title bars of the five built-in styles: the three section pictures and the caption-button
strip (18 square frames: control box, help, maximise, restore, minimise, close; each normal,
pointer-on, pressed).

The buttons sit at picture row ButtonTop (table row 9) of the title pictures. Styles whose
buttons are drawn opaque get the title's own rows as background so that the frames blend in;
styles with transparent buttons (table row 6) get magenta outside the button shape.
"""

import math

import numpy as np

from style_paint import (BLACK, WHITE, darken, ellipse_mask, hexrgb, key_out, lighten, mix,
                         paint, ramp, ring, rounded_mask, shift, solid, strokes)

BUTTON_KINDS = ("controlbox", "help", "max", "restore", "min", "close")
BUTTON_STATES = ("normal", "hot", "down")

# name: (button top row, buttons transparent)
BUTTON_PLACEMENT = {
    "MACOS": (4, False),
    "WINXP": (5, False),
    "DEEPBLUE": (2, False),
    "PROTEIN": (2, True),
    "BLUEGLASS": (6, True),
}


def title_rows(style, height):
    """The caption's colour per row, shared by all three sections."""
    if style == "MACOS":
        rows = ramp(height, [(0, hexrgb(0xF4F4F4)), (0.5, hexrgb(0xDCDCDC)),
                             (1, hexrgb(0xC4C4C4))])
        rows[1::2] = darken(rows[1::2], 0.025)  # pinstripes
        rows[0] = hexrgb(0x7F7F7F)
        rows[1] = hexrgb(0xFDFDFD)
        rows[-1] = hexrgb(0x9A9A9A)
    elif style == "WINXP":
        rows = ramp(height, [(0, hexrgb(0x0A5CE8)), (0.08, hexrgb(0x3D95FF)),
                             (0.2, hexrgb(0x1F74F5)), (0.45, hexrgb(0x0058E6)),
                             (0.85, hexrgb(0x0050D8)), (1, hexrgb(0x0040B8))])
        rows[0] = hexrgb(0x002CC8)
    elif style == "DEEPBLUE":
        rows = ramp(height, [(0, hexrgb(0x4A6EB4)), (0.06, hexrgb(0x34589E)),
                             (0.7, hexrgb(0x142C62)), (1, hexrgb(0x0A1A40))])
        rows[0] = BLACK
        rows[1] = hexrgb(0x6F8FCF)
        rows[-1] = hexrgb(0x050C20)
    elif style == "PROTEIN":
        rows = ramp(height, [(0, hexrgb(0xFFFFFF)), (0.45, hexrgb(0xE4E7EB)),
                             (0.55, hexrgb(0xD2D6DB)), (1, hexrgb(0xBEC3C9))])
        rows[0] = BLACK
        rows[1] = WHITE
        rows[-1] = hexrgb(0x8A9098)
    else:  # BLUEGLASS
        rows = ramp(height, [(0, hexrgb(0xA8D4FF)), (0.47, hexrgb(0x62A4EC)),
                             (0.5, hexrgb(0x1F66C4)), (1, hexrgb(0x4A96E6))])
        rows[0] = BLACK
        rows[-1] = hexrgb(0x1A4E96)
    return rows


def _rows_picture(style, width, height):
    return np.tile(title_rows(style, height)[:, None, :], (1, width, 1))


def _corner(picture, style, right, radius, edge):
    """Rounds one top corner: border colour outside the arc, a highlight along it."""
    height, width, _ = picture.shape
    outer = rounded_mask(width, height, (-radius if right else 0, 0,
                                         width if right else width + radius, height + radius),
                         radius)
    inner = rounded_mask(width, height, (-radius if right else 1, 1,
                                         width - 1 if right else width + radius, height + radius),
                         radius - 1)
    arc = ring(outer, inner)
    if right:
        arc[:, :width - radius - 1] = 0.0
    else:
        arc[:, radius + 1:] = 0.0
    paint(picture, arc, edge)
    paint(picture, 1.0 - outer, title_rows(style, height)[0])


def title_section(style, part, width, height):
    picture = _rows_picture(style, width, height)
    if style == "WINXP":
        if part == "LEFT":
            paint(picture, _column_mask(width, height, 1, 3), lighten(hexrgb(0x3D95FF), 0.2))
            _corner(picture, style, False, 7, hexrgb(0x5AA6FF))
        elif part == "RIGHT":
            paint(picture, _column_mask(width, height, width - 3, width - 1),
                  darken(hexrgb(0x0050D8), 0.25))
            _corner(picture, style, True, 7, hexrgb(0x2A7CF0))
    elif style == "DEEPBLUE" and part == "LEFT":
        glow = ellipse_mask(width, height, (-40, -14, width + 6, height - 6)) * 0.35
        paint(picture, glow, lighten(hexrgb(0x4A76C8), 0.1))
        _fade_to_rows(picture, style, 6)
    elif style == "PROTEIN" and part == "LEFT":
        _protein_caption_plate(picture, width, height)
    elif style == "BLUEGLASS":
        if part == "LEFT":
            shine = ellipse_mask(width, height, (-30, -22, width - 20, height // 2 + 2))
            shine *= np.linspace(0.45, 0.0, width)[None, :]
            paint(picture, shine, WHITE)
            _corner(picture, style, False, 6, hexrgb(0x9CCBFF))
        elif part == "RIGHT":
            _corner(picture, style, True, 6, hexrgb(0x7DB8F2))
    return picture


def _column_mask(width, height, x0, x1):
    mask = np.zeros((height, width))
    mask[1:-1, x0:x1] = 1.0
    return mask


def _fade_to_rows(picture, style, columns):
    """Blends the last columns back into the plain caption so the client section joins."""
    height, width, _ = picture.shape
    rows = title_rows(style, height)
    for i in range(columns):
        t = (i + 1) / columns
        x = width - columns + i
        picture[:, x] = mix(picture[:, x], rows, t)


def _protein_caption_plate(picture, width, height):
    """A dark graphite plate behind the (white) caption, fading out at its right end."""
    plate = rounded_mask(width, height, (16, 3, width - 6, height - 3), 8)
    plate *= np.clip((width - 12 - np.arange(width)) / 70.0, 0.0, 1.0)[None, :]
    body = np.tile(ramp(height, [(0, hexrgb(0x7C8898)), (0.5, hexrgb(0x56606E)),
                                 (0.52, hexrgb(0x444D5A)), (1, hexrgb(0x5C6674))])[:, None, :],
                   (1, width, 1))
    paint(picture, plate, body)
    rim = ring(plate, shift(plate, 0, 1)) * 0.8
    paint(picture, rim, WHITE)


def _glyph(kind, frame, centre, size, line_width):
    """Mask of a caption-button symbol inside a square of the given size around centre."""
    cx, cy = centre

    def at(u, v):
        return (cx + (u - 0.5) * size, cy + (v - 0.5) * size)

    def path(*points):
        return [at(u, v) for u, v in points]

    dots = ()
    if kind == "close":
        paths = [path((0.12, 0.12), (0.88, 0.88)), path((0.88, 0.12), (0.12, 0.88))]
    elif kind == "max":
        paths = [path((0.08, 0.1), (0.92, 0.1), (0.92, 0.9), (0.08, 0.9), (0.08, 0.1)),
                 path((0.08, 0.2), (0.92, 0.2))]
    elif kind == "restore":
        paths = [path((0.05, 0.4), (0.62, 0.4), (0.62, 0.95), (0.05, 0.95), (0.05, 0.4)),
                 path((0.05, 0.48), (0.62, 0.48)),
                 path((0.36, 0.4), (0.36, 0.05), (0.95, 0.05), (0.95, 0.62), (0.62, 0.62))]
    elif kind == "min":
        paths = [path((0.12, 0.86), (0.7, 0.86))]
    elif kind == "help":
        arc = [(0.5 + 0.27 * math.cos(math.radians(a)), 0.3 - 0.25 * math.sin(math.radians(a)))
               for a in range(165, -60, -15)]
        paths = [path(*arc, (0.5, 0.62), (0.5, 0.68))]
        x, y = at(0.5, 0.92)
        dots = ((x, y, line_width * 0.65),)
    else:  # control box: the window menu
        paths = [path((0.12, y), (0.88, y)) for y in (0.18, 0.5, 0.82)]
    return strokes(frame, frame, paths, line_width, dots)


def _gradient(frame, stops):
    return np.tile(ramp(frame, stops)[:, None, :], (1, frame, 1))


def _state_tone(colours, state, hot=0.22, down=0.28):
    if state == "hot":
        return [(p, lighten(c, hot)) for p, c in colours]
    if state == "down":
        return [(p, darken(c, down)) for p, c in colours]
    return colours


MAC_BALLS = {"controlbox": 0x9C9CA0, "help": 0x5A9CF0, "max": 0x2DC23F, "restore": 0x2DC23F,
             "min": 0xF7B52C, "close": 0xF25A50}


def _mac_button(picture, kind, state, f):
    base = hexrgb(MAC_BALLS[kind])
    d = f - 3
    ball = ellipse_mask(f, f, (1.5, 1.5, 1.5 + d, 1.5 + d))
    inner = ellipse_mask(f, f, (2.5, 2.5, 0.5 + d, 0.5 + d))
    tone = {"normal": 0.0, "hot": 0.18, "down": -0.25}[state]
    body = lighten(base, tone) if tone >= 0 else darken(base, -tone)
    rim = darken(base, 0.35)
    paint(picture, ball, rim)
    paint(picture, inner, _gradient(f, [(0, lighten(body, 0.35)), (0.55, body),
                                        (1, lighten(body, 0.25))]))
    gloss = ellipse_mask(f, f, (4.5, 2.5, f - 4.5, f / 2)) * 0.55
    paint(picture, gloss, WHITE)
    offset = 1 if state == "down" else 0
    glyph = _glyph(kind, f, (f / 2 + offset, f / 2 + offset), d * 0.42, 1.35)
    strength = 0.55 if state == "normal" else 0.95
    paint(picture, glyph * strength, darken(base, 0.62))
    return ball


def _square_button(picture, kind, state, f, radius, rim, fill, glyph_colour, line_width,
                   glyph_size, halo=None):
    outer = rounded_mask(f, f, (0, 0, f, f), radius)
    inner = rounded_mask(f, f, (1, 1, f - 1, f - 1), radius - 1)
    paint(picture, outer, rim)
    paint(picture, inner, _gradient(f, fill))
    if halo is not None and state == "hot":
        paint(picture, ring(inner, rounded_mask(f, f, (2, 2, f - 2, f - 2), radius - 1)) * 0.7,
              halo)
    offset = 1 if state == "down" else 0
    glyph = _glyph(kind, f, (f / 2 + offset, f / 2 + offset), glyph_size, line_width)
    paint(picture, glyph, glyph_colour)
    return outer


def _xp_button(picture, kind, state, f):
    if kind == "close":
        fill = [(0, hexrgb(0xF2A088)), (0.3, hexrgb(0xE2643C)), (1, hexrgb(0xC23C18))]
    else:
        fill = [(0, hexrgb(0x8AB2FF)), (0.3, hexrgb(0x4C84F4)), (1, hexrgb(0x2254D2))]
    if state == "down":
        fill = [(p, darken(c, 0.3)) for p, c in reversed(fill)]
        fill = [(1 - p, c) for p, c in fill]
    else:
        fill = _state_tone(fill, state, hot=0.25)
    return _square_button(picture, kind, state, f, 3, WHITE, fill, WHITE, 2.1, 9.0)


def _deepblue_button(picture, kind, state, f):
    if kind == "close":
        fill, rim = [(0, hexrgb(0xD85A50)), (1, hexrgb(0x7A1810))], hexrgb(0xE8A098)
    else:
        fill, rim = [(0, hexrgb(0x4A70BC)), (1, hexrgb(0x142A62))], hexrgb(0x8CA6DA)
    if state == "hot":
        rim = lighten(rim, 0.5)
    return _square_button(picture, kind, state, f, 3, rim, _state_tone(fill, state), WHITE, 1.7,
                          8.0)


def _protein_button(picture, kind, state, f):
    d = f - 2
    ball = ellipse_mask(f, f, (1, 1, 1 + d, 1 + d))
    inner = ellipse_mask(f, f, (2, 2, d, d))
    rim = hexrgb(0x5A6068) if state != "hot" else hexrgb(0x3A78D8)
    paint(picture, ball, rim)
    metal = [(0, hexrgb(0xFFFFFF)), (0.45, hexrgb(0xE2E5E9)), (0.55, hexrgb(0xC6CBD1)),
             (1, hexrgb(0xEEF0F2))]
    paint(picture, inner, _gradient(f, _state_tone(metal, state, hot=0.4, down=0.22)))
    offset = 1 if state == "down" else 0
    colour = hexrgb(0xC62A1E) if kind == "close" else hexrgb(0x30363E)
    paint(picture, _glyph(kind, f, (f / 2 + offset, f / 2 + offset), 7.0, 1.8), colour)
    return ball


def _blueglass_button(picture, kind, state, f):
    if kind == "close":
        fill = [(0, hexrgb(0xFFC8C0)), (0.48, hexrgb(0xF0786A)), (0.52, hexrgb(0xC42A1E)),
                (1, hexrgb(0xEE6252))]
        rim = hexrgb(0x6A1208)
    else:
        fill = [(0, hexrgb(0xD0EAFF)), (0.48, hexrgb(0x82BCF4)), (0.52, hexrgb(0x2C74CC)),
                (1, hexrgb(0x62AAF2))]
        rim = hexrgb(0x0B3570)
    return _square_button(picture, kind, state, f, 4, rim, _state_tone(fill, state, 0.2, 0.3),
                          WHITE, 1.8, 7.5, halo=hexrgb(0xCFF4FF))


BUTTON_PAINTERS = {"MACOS": _mac_button, "WINXP": _xp_button, "DEEPBLUE": _deepblue_button,
                   "PROTEIN": _protein_button, "BLUEGLASS": _blueglass_button}


def title_button_frame(style, kind, state, f, title_height):
    top, transparent = BUTTON_PLACEMENT[style]
    rows = title_rows(style, title_height)[top:top + f]
    picture = np.tile(rows[:, None, :], (1, f, 1))
    shape = BUTTON_PAINTERS[style](picture, kind, state, f)
    if transparent:
        key_out(picture, shape)
    return picture


def title_button_strip(style, width, height, title_height):
    f = width // 18
    frames = [title_button_frame(style, kind, state, f, title_height)
              for kind in BUTTON_KINDS for state in BUTTON_STATES]
    strip = solid(width, height, frames[0][-1, 0])
    strip[:, :18 * f] = np.concatenate(frames, axis=1)
    return strip
