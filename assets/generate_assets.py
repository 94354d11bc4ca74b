#!/usr/bin/python3
"""Generates the launcher's pictures and icon into this folder.

    /usr/bin/python3 assets/generate_assets.py            write the files
    /usr/bin/python3 assets/generate_assets.py --check    fail if a file differs from its output
    /usr/bin/python3 assets/generate_assets.py --preview DIR   also write composed previews

The output is byte-identical on every run: no randomness, fixed fonts and sampling.
"""

import argparse
import os
import sys

import numpy as np
from PIL import Image

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import dibfile  # noqa: E402
import paint  # noqa: E402
from glyphs import glyph_mask  # noqa: E402
from paint import darken, lighten, rgb  # noqa: E402

WIDTH, HEIGHT = 800, 480
STATES = ("NORMAL", "MOUSEON", "MOUSEDOWN")
FILE_STATES = {"NORMAL": "Normal", "MOUSEON": "MouseOn", "MOUSEDOWN": "MouseDown"}

BRAND_FROM, BRAND_TO = rgb("#6366F1"), rgb("#D946EF")
WHITE = np.array([255.0, 255.0, 255.0])


class Tool:
    def __init__(self, button, x, y, w, h, glyph, name, category, accent):
        self.button, self.x, self.y, self.w, self.h = button, x, y, w, h
        self.glyph, self.name, self.category, self.accent = glyph, name, category, rgb(accent)


TOOLS = [
    Tool("btnVideoEditor", 39, 109, 243, 116, "video_editor", "ClipWorks",
         "Video Editor", "#2563EB"),
    Tool("btnVideoConverter", 293, 109, 230, 80, "video_converter", "ReelShift",
         "Video Converter", "#EA580C"),
    Tool("btnScreenRecorder", 39, 363, 243, 79, "screen_recorder", "ScreenCaptor",
         "Screen Recorder", "#DC2626"),
    Tool("btnAudioRecorder", 534, 296, 230, 146, "audio_recorder", "SoundTaker",
         "Audio Recorder", "#16A34A"),
    Tool("btnDVDRipper", 39, 236, 243, 116, "dvd_ripper", "DiscExtract",
         "DVD Ripper", "#0D9488"),
    Tool("btnVideoDVDMaker", 293, 200, 230, 116, "video_dvd_maker", "DiscAuthor",
         "Video DVD Maker", "#7C3AED"),
    Tool("btnSlideVideoMaker", 293, 327, 230, 115, "slide_video_maker", "PhotoReel",
         "Slideshow Maker", "#0284C7"),
    Tool("btnAudioConverter", 534, 109, 230, 173, "audio_converter", "SoundShift",
         "Audio Converter", "#DB2777"),
]

CLOSE = (766, 11, 29, 20)
HOMEPAGE = (686, 59, 78, 24)
DESCRIPTION = (39, 62, 641, 24)


# Background ----------------------------------------------------------------------------------

def product_mark(size):
    """RGBA float picture of the product mark: a gradient rounded square with a white glyph."""
    shape = paint.rounded_rect(size, size, size * 0.24)
    colour = paint.gradient(size, size, BRAND_FROM, BRAND_TO, angle_bias=0.5)
    sheen = paint.gradient(size, size, np.array([255.0] * 3), np.array([0.0] * 3), 0.0)
    paint.over(colour, sheen, np.full((size, size), 0.08))
    name = "product_mark" if size >= 30 else "product_mark_small"
    paint.over(colour, WHITE, glyph_mask(name, size))
    return colour, shape


def background():
    bg = paint.gradient(WIDTH, HEIGHT, rgb("#171C36"), rgb("#0B0E1B"), angle_bias=0.15)
    paint.over(bg, rgb("#4338CA"), 0.42 * paint.radial(WIDTH, HEIGHT, 140, -60, 520))
    paint.over(bg, rgb("#A21CAF"), 0.16 * paint.radial(WIDTH, HEIGHT, 820, 520, 430))
    paint.over(bg, rgb("#0369A1"), 0.12 * paint.radial(WIDTH, HEIGHT, -40, 520, 360))

    # Soft shadows beneath the tiles, seen in the gaps between them.
    rects = np.zeros((HEIGHT, WIDTH))
    for t in TOOLS:
        rects[t.y + 4:t.y + t.h + 4, t.x:t.x + t.w] = 1.0
    paint.over(bg, rgb("#03040A"), 0.6 * paint.blur(rects, 6))

    # Hairline between the header and the tiles, fading out at both ends.
    xs = np.linspace(0.0, 1.0, 764 - 39)
    fade = np.minimum(1.0, np.minimum(xs, 1.0 - xs) * 8.0)
    line = np.zeros((HEIGHT, WIDTH))
    line[97, 39:764] = 0.14 * fade
    paint.over(bg, WHITE, line)

    # Wordmark: the product mark and "Velmora Free Center".
    mark, shape = product_mark(30)
    paint.over(bg, _placed_picture(mark, 39, 13), paint.place(shape, WIDTH, HEIGHT, 39, 13))
    bold, light = paint.font(paint.BOLD, 22), paint.font(paint.REGULAR, 22)
    x = 39 + 30 + 11
    paint.over(bg, WHITE, paint.text_mask(WIDTH, HEIGHT, x, 36, "Velmora", bold))
    x += paint.text_width(bold, "Velmora ") + 1
    paint.over(bg, rgb("#C7C9FF"), paint.text_mask(WIDTH, HEIGHT, x, 36, "Free Center", light))
    return bg


def _placed_picture(picture, x, y):
    out = np.zeros((HEIGHT, WIDTH, 3))
    h, w, _ = picture.shape
    out[y:y + h, x:x + w] = picture
    return out


def crop(bg, x, y, w, h):
    return bg[y:y + h, x:x + w].copy()


# Tool tiles ----------------------------------------------------------------------------------

NAME_FONT = paint.font(paint.BOLD, 19)
CATEGORY_FONT = paint.font(paint.REGULAR, 12)


def tile(tool, state, bg):
    w, h = tool.w, tool.h
    shape = paint.rounded_rect(w, h, 9)
    accent = tool.accent
    if state == "MOUSEON":
        accent = lighten(accent, 0.16)
    elif state == "MOUSEDOWN":
        accent = darken(accent, 0.22)
    face = paint.gradient(w, h, lighten(accent, 0.14), darken(accent, 0.28), angle_bias=0.4)

    # Gloss on the upper part, stronger on the pointer-on tile.
    gloss = np.clip(1.0 - np.linspace(0.0, 1.0, h) / 0.55, 0.0, 1.0)[:, None] * np.ones((1, w))
    if state != "MOUSEDOWN":
        paint.over(face, WHITE, gloss * (0.16 if state == "MOUSEON" else 0.10))
    else:
        paint.over(face, rgb("#000000"), _inner_shadow(w, h) * 0.35)

    dx = dy = 1 if state == "MOUSEDOWN" else 0

    # Large faint copy of the icon in the lower right corner.
    big = int(round(h * 1.05))
    watermark = paint.place(glyph_mask(tool.glyph, big), w, h, w - big * 3 // 4 + dx,
                            h - big * 3 // 4 + dy)
    paint.over(face, WHITE, watermark * 0.09)

    # Icon and name: stacked on tall tiles, side by side on short ones.
    margin = 18
    if h >= 140:
        size = 70
        gx, gy = margin, margin
        name_baseline = h - margin - 20
        text_x = margin
    else:
        size = min(58, h - 26)
        gx, gy = margin, (h - size) // 2
        text_x = gx + size + 14
        name_baseline = (h - 35) // 2 + 14
    icon = paint.place(glyph_mask(tool.glyph, size), w, h, gx + dx, gy + dy)
    paint.over(face, rgb("#000000"), paint.blur(paint.shifted(icon, 0, 2), 2) * 0.35)
    paint.over(face, WHITE, icon)

    name = paint.text_mask(w, h, text_x + dx, name_baseline + dy, tool.name, NAME_FONT)
    paint.over(face, rgb("#000000"), paint.shifted(name, 0, 1) * 0.25)
    paint.over(face, WHITE, name)
    category = paint.text_mask(w, h, text_x + dx, name_baseline + 18 + dy, tool.category,
                               CATEGORY_FONT)
    paint.over(face, WHITE, category * 0.82)

    # Edge: a faint light rim normally, a bright double rim on the pointer-on tile.
    rim = shape - paint.rounded_rect(w, h, 9, 1)
    if state == "MOUSEON":
        paint.over(face, WHITE, rim * 0.95)
        paint.over(face, WHITE, (paint.rounded_rect(w, h, 9, 1) - paint.rounded_rect(w, h, 9, 2))
                   * 0.35)
    elif state == "NORMAL":
        paint.over(face, WHITE, rim * 0.22)
    else:
        paint.over(face, rgb("#000000"), rim * 0.3)

    picture = crop(bg, tool.x, tool.y, w, h)
    paint.over(picture, face, shape)
    return picture


def _inner_shadow(w, h):
    inner = paint.rounded_rect(w, h, 9, 0)
    return np.clip(inner - paint.shifted(paint.blur(inner, 3), 1, 3), 0.0, 1.0)


# Close and home-page buttons -----------------------------------------------------------------

def close_pictures(bg):
    x, y, w, h = CLOSE
    under = crop(bg, x, y, w, h)

    def cross(dx):
        def draw(d, s):
            cx, cy, r = (w / 2.0 + dx) * s, (h / 2.0 + dx) * s, 5.0 * s
            width = round(1.7 * s)
            d.line((cx - r, cy - r, cx + r, cy + r), fill=255, width=width)
            d.line((cx - r, cy + r, cx + r, cy - r), fill=255, width=width)
        return paint.coverage(w, h, draw)

    plate = paint.rounded_rect(w, h, 4)
    pictures, covered = {}, {}
    for state in STATES:
        picture = under.copy()
        if state == "NORMAL":
            mark = cross(0)
            paint.over(picture, rgb("#C3C8DD"), mark)
            covered[state] = mark
        else:
            fill = rgb("#E5484D") if state == "MOUSEON" else rgb("#B4262C")
            paint.over(picture, fill, plate)
            paint.over(picture, WHITE, cross(0 if state == "MOUSEON" else 1))
            covered[state] = plate
        pictures[state] = paint.to_bytes(picture)

    # Key colour: close to what lies beneath, so an edge never shows a foreign fringe, and
    # nudged until no drawn pixel of any state has it.
    key = np.rint(under.reshape(-1, 3).mean(axis=0)).astype(np.uint8)
    drawn = np.concatenate([pictures[s][covered[s] > 0.002] for s in STATES])
    while (drawn == key).all(axis=1).any():
        key[2] = (int(key[2]) + 1) % 256
    for state in STATES:
        pictures[state][covered[state] <= 0.002] = key
    return pictures


def homepage_pictures(bg):
    x, y, w, h = HOMEPAGE
    face_font = paint.font(paint.FONT_DIR + "DejaVuSansCondensed-Bold.ttf", 11)
    label = "Home page"
    tx = (w - paint.text_width(face_font, label)) // 2
    pill = paint.rounded_rect(w, h, h / 2.0)
    rim = pill - paint.rounded_rect(w, h, h / 2.0, 1)
    pictures = {}
    for state in STATES:
        picture = crop(bg, x, y, w, h)
        d = 1 if state == "MOUSEDOWN" else 0
        if state == "NORMAL":
            paint.over(picture, WHITE, pill * 0.10)
            paint.over(picture, WHITE, rim * 0.30)
        else:
            grad = paint.gradient(w, h, BRAND_FROM, BRAND_TO, angle_bias=0.8)
            if state == "MOUSEDOWN":
                grad = darken(grad, 0.25)
            paint.over(picture, grad, pill)
            paint.over(picture, WHITE, rim * (0.7 if state == "MOUSEON" else 0.2))
        text = paint.text_mask(w, h, tx + d, 16 + d, label, face_font)
        paint.over(picture, WHITE, text)
        pictures[state] = paint.to_bytes(picture)
    return pictures


# Application icon ----------------------------------------------------------------------------

def icon_images():
    images = []
    for size in (48, 32, 24, 16):
        colour, shape = product_mark(size)
        rgba = np.zeros((size, size, 4), dtype=np.uint8)
        rgba[:, :, :3] = paint.to_bytes(colour)
        rgba[:, :, 3] = paint.to_bytes(shape * 255.0)
        rgba[rgba[:, :, 3] == 0] = 0
        images.append(rgba)
    return images


# Output --------------------------------------------------------------------------------------

def resource_name(button, state):
    return f"{button.upper()}_{state}"


def file_name(button, state):
    return f"{button[3:]}_{FILE_STATES[state]}.bmp"


def render():
    """All asset files: {file name: bytes}, plus the pictures for previews."""
    bg = background()
    bg_bytes = paint.to_bytes(bg)
    files = {"MainBackground.bmp": dibfile.bmp_bytes(bg_bytes)}
    states = {}
    for tool in TOOLS:
        states[tool.button] = {s: paint.to_bytes(tile(tool, s, bg)) for s in STATES}
    states["btnClose"] = close_pictures(bg)
    states["btnHomepage"] = homepage_pictures(bg)
    for button, pictures in states.items():
        for state, picture in pictures.items():
            files[file_name(button, state)] = dibfile.bmp_bytes(picture)
    files["VelmoraCenter.ico"] = dibfile.ico_bytes(icon_images())
    files["launcher.rc"] = resource_script(states)
    return files, bg_bytes, states


def resource_script(states):
    """The resource script; file names are relative to its own folder."""
    lines = ["// Generated by generate_assets.py: the launcher's pictures and icon.",
             "// MAINICON comes first: it is the icon shown for the program file.",
             'MAINICON ICON "VelmoraCenter.ico"',
             'MAIN_BACKGROUND BITMAP "MainBackground.bmp"']
    for button in states:
        for state in STATES:
            lines.append(f'{resource_name(button, state)} BITMAP "{file_name(button, state)}"')
    return ("\n".join(lines) + "\n").encode("ascii")


def positions():
    out = {t.button: (t.x, t.y) for t in TOOLS}
    out["btnClose"] = CLOSE[:2]
    out["btnHomepage"] = HOMEPAGE[:2]
    return out


def write_previews(directory, bg_bytes, states):
    os.makedirs(directory, exist_ok=True)
    where = positions()
    for state, suffix in (("NORMAL", "normal"), ("MOUSEON", "hover"), ("MOUSEDOWN", "pressed")):
        canvas = bg_bytes.copy()
        for button, pictures in states.items():
            picture = pictures[state]
            x, y = where[button]
            h, w, _ = picture.shape
            if button == "btnClose":
                keep = ~(picture == picture[0, 0]).all(axis=2)
                canvas[y:y + h, x:x + w][keep] = picture[keep]
            else:
                canvas[y:y + h, x:x + w] = picture
        Image.fromarray(_description(canvas), "RGB").save(os.path.join(directory, f"preview_{suffix}.png"))


def _description(canvas):
    """The description line as the program draws it, for judging contrast."""
    picture = canvas.astype(np.float64)
    x, y, _, _ = DESCRIPTION
    text = paint.text_mask(WIDTH, HEIGHT, x, y + 18,
                           "Velmora Free Center - 100% Free,Includes 8 Video/Audio Tools.",
                           paint.font(paint.BOLD, 15))
    paint.over(picture, WHITE, text)
    return paint.to_bytes(picture)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true")
    parser.add_argument("--preview", metavar="DIR")
    parser.add_argument("--out", default=os.path.dirname(os.path.abspath(__file__)))
    args = parser.parse_args()

    files, bg_bytes, states = render()
    if args.check:
        stale = []
        for name, data in files.items():
            path = os.path.join(args.out, name)
            if not os.path.exists(path) or open(path, "rb").read() != data:
                stale.append(name)
        for name in stale:
            print(f"out of date: {name}", file=sys.stderr)
        return 1 if stale else 0
    for name, data in files.items():
        with open(os.path.join(args.out, name), "wb") as f:
            f.write(data)
    if args.preview:
        write_previews(args.preview, bg_bytes, states)
    return 0


if __name__ == "__main__":
    sys.exit(main())
