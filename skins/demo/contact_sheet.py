#!/usr/bin/env python3
"""A review sheet of the Dusk demo skin: a mock window put together from the committed
pictures and values (title sections laid out as the title bar lays them out, caption buttons,
borders, menu bar and an open menu), the caption buttons in their three states, and every
picture labelled and enlarged. Key-colour pixels show as a checker board.

usage: contact_sheet.py OUTPUT.png
"""

import pathlib
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFont

HERE = pathlib.Path(__file__).resolve().parent
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
SHEET_WIDTH = 1400
BACKGROUND = (58, 60, 66)
LABEL = (235, 235, 235)
CHECKER = ((150, 150, 150), (205, 205, 205))
BUTTON_ORDER = ("control box", "help", "maximise", "restore", "minimise", "close")


def read_values(path):
    values = {}
    for line in path.read_text().splitlines():
        parts = line.split(None, 2)
        if len(parts) == 3 and parts[0] in ("integer", "boolean"):
            values[parts[1]] = int(parts[2], 0)
    return values


def rgb(colorref):
    return (colorref & 255, (colorref >> 8) & 255, (colorref >> 16) & 255)


def font(size, bold=False):
    return ImageFont.truetype(BOLD if bold else FONT, size)


def checker(size, cell=4):
    w, h = size
    y, x = np.mgrid[0:h, 0:w]
    board = ((x // cell + y // cell) % 2).astype(bool)
    out = np.zeros((h, w, 3), dtype=np.uint8)
    out[~board] = CHECKER[0]
    out[board] = CHECKER[1]
    return Image.fromarray(out, "RGB")


def keyed(image, key, scale=1, cell=4):
    """The picture enlarged, with its key-colour pixels showing a checker board."""
    big = image.resize((image.width * scale, image.height * scale), Image.Resampling.NEAREST)
    mask = Image.fromarray((np.any(np.asarray(big) != key, axis=2) * 255).astype(np.uint8))
    out = checker(big.size, cell)
    out.paste(big, (0, 0), mask)
    return out


def frame(strip, index, count=18):
    fw = strip.width // count
    x0 = strip.width - fw if index == count else fw * (index - 1)
    return strip.crop((x0, 0, x0 + fw, strip.height))


def put(canvas, picture, x, y, key):
    mask = Image.fromarray((np.any(np.asarray(picture) != key, axis=2) * 255).astype(np.uint8))
    canvas.paste(picture, (x, y), mask)


def open_menu(draw, v, mx0, my0, menu_font):
    """A popup menu: flat frame with the form colour as its edge, flat side bar."""
    form = rgb(v["SKIN2_FORMCOLOR"])
    items = ("Undo", "Redo", "-", "Cut", "Copy", "Paste", "-", "Select all")
    item_h, sep_h, bar_w, menu_w = 21, 5, 26, 150
    menu_h = sum(sep_h if i == "-" else item_h for i in items) + 4
    draw.rectangle([mx0, my0, mx0 + menu_w - 1, my0 + menu_h - 1], fill=(0, 0, 0))
    draw.rectangle([mx0 + 1, my0 + 1, mx0 + menu_w - 2, my0 + menu_h - 2], fill=form)
    y = my0 + 2
    for i, item in enumerate(items):
        h = sep_h if item == "-" else item_h
        x0, x1 = mx0 + 2, mx0 + menu_w - 3
        draw.rectangle([x0, y, x0 + bar_w - 1, y + h - 1], fill=rgb(v["SKIN2_LEFTBARSTARTCOLOR"]))
        draw.rectangle([x0 + bar_w, y, x1, y + h - 1], fill=rgb(v["SKIN2_MENUITEMCOLOR"]))
        if item == "-":
            draw.line([x0 + bar_w + 4, y + 2, x1 - 2, y + 2], fill=(0x84, 0x82, 0x84))
        else:
            selected = i == 4
            if selected:
                draw.rectangle([x0, y, x1, y + h - 1], fill=rgb(v["SKIN2_SELECTEDMENUCOLOR"]),
                               outline=rgb(v["SKIN2_SELECTEDMENUBORDERCOLOR"]))
            fill = rgb(v["SKIN2_SELECTEDMENUFONTCOLOR" if selected else "SKIN2_MENUITEMFONTCOLOR"])
            draw.text((x0 + bar_w + 4, y + 4), item, fill=fill, font=menu_font)
        y += h


def mock_window(p, v, width=460, height=250, active=True):
    key = rgb(v["SKIN2_TRANSCOLOR"])
    form = rgb(v["SKIN2_FORMCOLOR"])
    window = Image.new("RGB", (width, height), form)
    draw = ImageDraw.Draw(window)
    t1, t2, t3, t4, t5 = (p[f"SKIN2_TITLEBAR{n}"] for n in range(1, 6))
    th = t1.height
    caption = "Dusk demo skin - Velmora"
    caption_font = font(11, True)
    tw = int(draw.textlength(caption, font=caption_font))
    icon_x = v["SKIN2_TITLEBARICONPOSX"] + 1
    text_x = icon_x + 18
    # Left, caption (stretched to the caption), left, client (stretched), right.
    x = 0
    window.paste(t1, (0, 0))
    x = t1.width
    cap_end = max(text_x + tw, x)
    window.paste(t2.resize((cap_end - x, th)), (x, 0))
    x = cap_end
    window.paste(t3, (x, 0))
    x += t3.width
    right = width - t5.width
    window.paste(t4.resize((max(right - x, 1), th)), (x, 0))
    window.paste(t5, (right, 0))
    # Icon: the control-box picture stands in for the application icon.
    strip = p["SKIN2_TITLEBUTTONS"]
    put(window, frame(strip, 1), icon_x - 2, v["SKIN2_TITLEBARICONPOSY"] - 2, key)
    colour = rgb(v["SKIN2_TITLEFONTCOLOR"]) if active else (150, 140, 170)
    draw.text((text_x, v["SKIN2_TITLEBARCAPTIONTOP"] - 1), caption, fill=colour,
              font=caption_font)
    bx = width - v["SKIN2_TITLEBARBUTTONPOSX"]
    for first, state in ((16, 0), (7, 1), (13, 0), (4, 0)):
        fw = strip.width // 18
        bx -= fw if first == 16 else fw + 1
        put(window, frame(strip, first + state), bx, v["SKIN2_TITLEBARBUTTONPOSY"], key)
    # Side borders, bottom border.
    left, right_border = p["SKIN2_FORMLEFTBORDER"], p["SKIN2_FORMRIGHTBORDER"]
    b1, b2, b3 = (p[f"SKIN2_FORMBOTTOMBORDER{n}"] for n in range(1, 4))
    bottom_y = height - b1.height
    window.paste(left.resize((left.width, bottom_y - th)), (0, th))
    window.paste(right_border.resize((right_border.width, bottom_y - th)),
                 (width - right_border.width, th))
    window.paste(b1, (0, bottom_y))
    window.paste(b2.resize((width - b1.width - b3.width, b2.height)), (b1.width, bottom_y))
    window.paste(b3, (width - b3.width, bottom_y))
    # Menu bar, flat.
    bar_top, bar_h = th, 20
    inner_l, inner_r = left.width, width - right_border.width
    draw.rectangle([inner_l, bar_top, inner_r - 1, bar_top + bar_h - 1],
                   fill=rgb(v["SKIN2_MENUBARSTARTCOLOR"]))
    menu_font = font(11)
    mx = inner_l + 6
    for i, item in enumerate(("File", "Edit", "View", "Help")):
        w = int(draw.textlength(item, font=menu_font)) + 14
        if i == 1:
            draw.rectangle([mx, bar_top + 1, mx + w - 1, bar_top + bar_h - 2],
                           fill=rgb(v["SKIN2_TOPSELECTEDMENUCOLOR"]),
                           outline=rgb(v["SKIN2_TOPSELECTEDMENUBORDERCOLOR"]))
            fill = rgb(v["SKIN2_TOPSELECTEDMENUFONTCOLOR"])
        else:
            fill = rgb(v["SKIN2_TOPMENUFONTCOLOR"])
        draw.text((mx + 7, bar_top + 3), item, fill=fill, font=menu_font)
        if i == 1:
            menu_x = mx
        mx += w
    if active:
        open_menu(draw, v, menu_x, bar_top + bar_h, menu_font)
    # Client text.
    draw.text((inner_l + 200, bar_top + bar_h + 40), "client area", fill=(90, 80, 110),
              font=font(12))
    return keyed(window, key, 2, 6)


def layout(tiles, left=14):
    x, y, row_h, placed = left, 0, 0, []
    label_font = font(11)
    for label, image in tiles:
        w, h = image.size
        w = max(w, int(label_font.getlength(label)))
        if x + w > SHEET_WIDTH - 14 and x > left:
            x, y, row_h = left, y + row_h + 24, 0
        placed.append((label, image, x, y))
        x += w + 18
        row_h = max(row_h, h)
    return placed, y + row_h + 24


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    p = {f.stem: Image.open(f).convert("RGB") for f in sorted((HERE / "pictures").glob("*.bmp"))}
    v = read_values(HERE / "values.txt")
    key = rgb(v["SKIN2_TRANSCOLOR"])

    sections = [("Mock window (x2)", [("active, pointer on maximise", mock_window(p, v)),
                                      ("inactive", mock_window(p, v, 300, 90, False))])]
    strip = p["SKIN2_TITLEBUTTONS"]
    buttons = []
    for i, kind in enumerate(BUTTON_ORDER):
        row = Image.new("RGB", (3 * (strip.width // 18) * 4 + 8, strip.height * 4), BACKGROUND)
        for s in range(3):
            row.paste(keyed(frame(strip, 3 * i + s + 1), key, 4), (s * (strip.width // 18 * 4 + 4), 0))
        buttons.append((f"{kind}: normal, on, down", row))
    sections.append(("Caption buttons (x4)", buttons))
    pictures = []
    for name, image in p.items():
        scale = 2 if name == "SKIN2_TITLEBUTTONS" else 4 if image.width < 120 else 3
        pictures.append((f"{name[6:]} {image.width}x{image.height} x{scale}",
                         keyed(image, key, scale)))
    sections.append(("Pictures", pictures))

    laid, total = [], 14
    for title, tiles in sections:
        placed, height = layout(tiles)
        laid.append((title, placed, total))
        total += height + 40
    sheet = Image.new("RGB", (SHEET_WIDTH, total), BACKGROUND)
    draw = ImageDraw.Draw(sheet)
    for title, placed, top in laid:
        draw.text((14, top), title, fill=(255, 236, 200), font=font(17, True))
        for label, image, x, y in placed:
            draw.text((x, top + 28 + y), label, fill=LABEL, font=font(11))
            sheet.paste(image, (x, top + 44 + y))
    sheet.save(sys.argv[1], optimize=True)


if __name__ == "__main__":
    main()
