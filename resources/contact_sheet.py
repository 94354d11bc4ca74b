"""A review sheet of the style pictures: every picture labelled and enlarged (nearest
neighbour), and per style a mock window top assembled the way the title bar lays it out."""

import numpy as np
from PIL import Image, ImageDraw, ImageFont

import style_title
from style_paint import MAGENTA, colorref, to_bytes

FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
SHEET_WIDTH = 2240
BACKGROUND = (96, 104, 112)

# style: (left button offset, right button offset, button top, border width, round corner,
#         border colour, form colour, caption colour)
LAYOUT = {
    "MACOS": (3, -2, 4, 1, 0, 0x7F7F7F, 0xE7E7E7, (0, 0, 0)),
    "WINXP": (2, -2, 5, 3, 13, 0xC82C00, 0xDEEBEF, (255, 255, 255)),
    "DEEPBLUE": (0, 0, 2, 1, 0, 0x000000, 0xE8E8E8, (255, 255, 255)),
    "PROTEIN": (0, 0, 2, 1, 0, 0x000000, 0xFBFBFB, (255, 255, 255)),
    "BLUEGLASS": (4, -3, 6, 1, 11, 0x000000, 0xE7E7E7, (255, 255, 255)),
}


def _font(size, bold=False):
    return ImageFont.truetype(BOLD if bold else FONT, size)


def _image(picture):
    return Image.fromarray(to_bytes(picture), "RGB")


def _enlarged(picture):
    h, w, _ = picture.shape
    scale = max(1, min(6, 72 // max(h, 1)))
    sx = max(scale, -(-24 // w)) if w * scale < 24 else scale
    return _image(picture).resize((w * sx, h * scale), Image.Resampling.NEAREST), sx, scale


def _frame(strip, index, count):
    fw = strip.shape[1] // count
    x0 = strip.shape[1] - fw if index == count else fw * (index - 1)
    return strip[:, x0:x0 + fw]


def _mock_window(style, pictures, hot=None, down=None, width=540):
    """The top of a skinned window: title sections, caption buttons, caption, some body."""
    left_x, right_x, top, border, corner, border_c, form_c, caption_c = LAYOUT[style]
    left = pictures[f"{style}_TITLE_LEFT"]
    client = pictures[f"{style}_TITLE_CLIENT"]
    right = pictures[f"{style}_TITLE_RIGHT"]
    strip = pictures[f"{style}_TITLEBTN"]
    th = left.shape[0]
    body = 46
    canvas = np.zeros((th + body, width, 3))
    canvas[:] = colorref(form_c)
    background = pictures.get(f"{style}_FORM_BACKGROUND")
    if background is not None:
        reps = (body // 8 + 1, width // 8 + 1, 1)
        canvas[th:] = np.tile(background, reps)[:body, :width]
    lw, rw = left.shape[1], right.shape[1]
    middle = _image(client).resize((max(width - lw - rw, 1), th), Image.Resampling.NEAREST)
    canvas[:th, lw:width - rw] = np.asarray(middle, dtype=np.float64)[:, :width - lw - rw]
    canvas[:th, :lw] = left
    canvas[:th, width - rw:] = right
    f = strip.shape[1] // 18
    transparent = style_title.BUTTON_PLACEMENT[style][1]

    def put(picture, x, y):
        region = canvas[y:y + picture.shape[0], x:x + picture.shape[1]]
        keep = np.all(picture == MAGENTA, axis=2) if transparent else np.zeros(region.shape[:2],
                                                                                  bool)
        region[~keep] = picture[~keep]

    x = width - 1 - right_x
    for kind, first in (("close", 16), ("max", 7), ("min", 13), ("help", 4)):
        state = 2 if kind == down else 1 if kind == hot else 0
        x -= f if kind == "close" else f + 1
        if width < x + f + 1:
            x = width - f - 1
        put(_frame(strip, first + state, 18), x, top)
    icon_x = max(left_x - 4 - (border - 1), 0) + border
    put(_frame(strip, 1, 18), icon_x, top - 1)
    canvas[:, :border] = colorref(border_c)
    canvas[:, width - border:] = colorref(border_c)
    canvas[-border:, :] = colorref(border_c)
    image = _image(canvas)
    draw = ImageDraw.Draw(image)
    caption_y = top + 3 if style == "PROTEIN" else top
    draw.text((icon_x + f + 5, caption_y - 1), "Velmora Free Center", fill=caption_c,
              font=_font(11, True))
    if corner:
        mask = Image.new("L", image.size, 0)
        ImageDraw.Draw(mask).rounded_rectangle([0, 0, width - 1, th + body + corner], corner // 2,
                                               fill=255)
        backdrop = Image.new("RGB", image.size, BACKGROUND)
        image = Image.composite(image, backdrop, mask)
    return image.resize((width * 2, (th + body) * 2), Image.Resampling.NEAREST)


def _layout(tiles):
    """Places (label, image) tiles in rows; returns positions and the height used."""
    x, y, row_h, placed = 10, 0, 0, []
    for label, image in tiles:
        w, h = image.size
        if x + max(w, 120) > SHEET_WIDTH - 10:
            x, y, row_h = 10, y + row_h + 22, 0
        placed.append((label, image, x, y))
        x += max(w, 110) + 14
        row_h = max(row_h, h)
    return placed, y + row_h + 22


def write(path, pictures, menu_checked, vga_palette):
    by_name = {name: picture for name, _, picture in pictures}
    sections = []
    for style in ("MACOS", "WINXP", "DEEPBLUE", "PROTEIN", "BLUEGLASS"):
        tiles = [("mock window", _mock_window(style, by_name)),
                 ("close hot, min pressed", _mock_window(style, by_name, "close", "min"))]
        strip = by_name[f"{style}_TITLEBTN"]
        tiles.append(("TITLEBTN x3", _image(strip).resize(
            (strip.shape[1] * 3, strip.shape[0] * 3), Image.Resampling.NEAREST)))
        for name, owner, picture in pictures:
            if owner == style and not name.endswith("TITLEBTN") or (
                    owner is None and name.startswith(style)):
                image, sx, sy = _enlarged(picture)
                label = name[len(style) + 1:] + (f" x{sy}" if sy > 1 else "")
                tiles.append((label, image))
        sections.append((style, tiles))
    extras = []
    for name, owner, picture in pictures:
        if owner == "MORE":
            image, _, sy = _enlarged(picture)
            extras.append((name + f" x{sy}", image))
    check = np.array([[vga_palette[i] for i in row] for row in menu_checked], dtype=np.float64)
    extras.append(("MENU_CHECKED x4", _image(check).resize((64, 64), Image.Resampling.NEAREST)))
    sections.append(("SHARED", extras))

    laid = []
    total = 10
    for title, tiles in sections:
        placed, height = _layout(tiles)
        laid.append((title, placed, total))
        total += height + 34
    sheet = Image.new("RGB", (SHEET_WIDTH, total), BACKGROUND)
    draw = ImageDraw.Draw(sheet)
    for title, placed, top in laid:
        draw.text((10, top), title, fill=(255, 255, 210), font=_font(18, True))
        for label, image, x, y in placed:
            draw.text((x, top + 26 + y), label, fill=(235, 235, 235), font=_font(11))
            sheet.paste(image, (x, top + 40 + y))
    sheet.save(path)
