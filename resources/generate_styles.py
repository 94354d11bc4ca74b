#!/usr/bin/python3
"""Writes the bitmap resources of the five built-in styles to bmp/<NAME>.bmp and the resource
script styles.rc that compiles them in. With --contact-sheet PATH it also draws every picture
of every style, labelled and enlarged, into one PNG for review; with --check it writes nothing
and fails when the committed files differ from what it would write.

The output is deterministic: running the script again gives byte-identical files.
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import style_title  # noqa: E402
import style_widgets as widgets  # noqa: E402
from style_paint import bmp4, bmp24  # noqa: E402

STYLES = ("MACOS", "WINXP", "DEEPBLUE", "PROTEIN", "BLUEGLASS")

# suffix: sizes per style (MacOS, WinXP, DeepBlue, Protein, BlueGlass), painter
STYLE_PICTURES = {
    "BUTTON": ([(252, 23), (54, 21), (222, 21), (222, 21), (231, 27)], widgets.button),
    "CHECKBOX": ([(60, 17)] + [(52, 13)] * 4, widgets.checkbox),
    "RADIOBUTTON": ([(64, 17)] + [(52, 13)] * 4, widgets.radiobutton),
    "TITLEBTN": ([(306, 17), (378, 21), (342, 19), (342, 19), (342, 19)], None),
    "TITLE_LEFT": ([(48, 23), (35, 29), (97, 32), (441, 23), (162, 33)], None),
    "TITLE_CLIENT": ([(49, 23), (37, 29), (98, 32), (1, 23), (179, 33)], None),
    "TITLE_RIGHT": ([(48, 23), (35, 29), (97, 32), (1, 23), (101, 33)], None),
    "PROGRESSBAR": ([(13, 10), (6, 10), (1, 10), (1, 10), (1, 10)], widgets.progressbar),
    "TRACKBAR_BAR": ([(45, 5), (45, 8), (45, 4), (45, 4), (45, 4)], widgets.trackbar_bar),
    "TRACKBAR_SLIDER": ([(11, 20), (11, 21)] + [(11, 20)] * 3, widgets.trackbar_slider),
    "TRACKBAR_SLIDER_V": ([(19, 11), (22, 11)] + [(18, 11)] * 3, widgets.trackbar_slider_v),
    "SCROLLBAR_BUTTON": ([(96, 22), (96, 17), (96, 16), (96, 16), (102, 16)],
                         widgets.scrollbar_button),
    "SCROLLBAR_TRACK": ([(33, 16)] + [(21, 16)] * 4, widgets.scrollbar_track),
    "CHECKLIST": ([(40, 11)] + [(44, 11)] * 4, widgets.checklist),
    "TAB": ([(36, 27), (18, 18), (12, 17), (18, 17), (18, 17)], widgets.tab),
    "TAB_LINE": ([(17, 7), (8, 1), (5, 5), (10, 5), (10, 5)], widgets.tab_line),
    "SIDECHENNEL_HANDLE": ([(7, 84), (8, 86), (8, 83), (8, 83), (8, 86)],
                           widgets.sidechannel_handle),
    "SIDECHENNEL_BAR": ([(1, 21), (1, 21), (1, 20), (1, 21), (1, 21)], widgets.sidechannel_bar),
}

# Scroll buttons: MacOS and WinXP have their own, the other three share one.
SCROLL_BUTTONS = {"MACOS_SCROLLBUTTON": ("MACOS", (72, 18)),
                  "WINXP_SCROLLBUTTON": ("WINXP", (72, 18)),
                  "MORE_SCROLLBUTTON": ("MORE", (72, 17))}

EXTRAS = {"MACOS_MENU_BAR": ((1, 22), widgets.mac_menu_bar),
          "MACOS_MENU_SELECT": ((1, 21), widgets.mac_menu_select),
          "MACOS_FORM_BACKGROUND": ((8, 8), widgets.mac_form_background),
          "PROTEIN_FORM_BACKGROUND": ((8, 8), widgets.protein_form_background)}


def _title_height(index):
    return STYLE_PICTURES["TITLE_LEFT"][0][index][1]


def style_picture(style, suffix, size):
    width, height = size
    index = STYLES.index(style)
    painter = STYLE_PICTURES[suffix][1]
    if suffix == "TITLEBTN":
        picture = style_title.title_button_strip(style, width, height, _title_height(index))
    elif suffix.startswith("TITLE_"):
        picture = style_title.title_section(style, suffix[len("TITLE_"):], width, height)
    else:
        picture = painter(style, width, height)
    assert picture.shape == (height, width, 3), (style, suffix, picture.shape)
    return picture


def all_pictures():
    """(name, style or None, (height, width, 3) float picture) in resource order."""
    out = []
    for style in STYLES:
        index = STYLES.index(style)
        for suffix, (sizes, _) in STYLE_PICTURES.items():
            out.append((f"{style}_{suffix}", style, style_picture(style, suffix, sizes[index])))
    for name, (palette, (w, h)) in SCROLL_BUTTONS.items():
        out.append((name, palette, widgets.scrollbutton(palette, w, h)))
    for name, ((w, h), painter) in EXTRAS.items():
        out.append((name, None, painter(w, h)))
    return out


def menu_checked_bytes():
    return bmp4(widgets.menu_checked(), widgets.VGA_PALETTE)


def resource_files():
    """{relative path: bytes} of everything the script writes."""
    files = {}
    names = []
    for name, _, picture in all_pictures():
        files[f"bmp/{name}.bmp"] = bmp24(picture)
        names.append(name)
    files["bmp/MENU_CHECKED.bmp"] = menu_checked_bytes()
    names.append("MENU_CHECKED")
    lines = ["// Bitmaps of the built-in styles; written by generate_styles.py.\n"]
    lines += [f'{name} BITMAP "bmp/{name}.bmp"\n' for name in names]
    files["styles.rc"] = "".join(lines).encode("ascii")
    return files


def write_resources(folder, files):
    bmp_dir = os.path.join(folder, "bmp")
    os.makedirs(bmp_dir, exist_ok=True)
    for relative, data in files.items():
        with open(os.path.join(folder, relative), "wb") as f:
            f.write(data)
    for file_name in sorted(set(os.listdir(bmp_dir)) - {os.path.basename(p) for p in files}):
        os.remove(os.path.join(bmp_dir, file_name))


def stale_files(folder, files):
    """Files on disk that differ from what the script writes, and files it would remove."""
    stale = []
    for relative, data in files.items():
        path = os.path.join(folder, relative)
        if not os.path.exists(path) or open(path, "rb").read() != data:
            stale.append(relative)
    bmp_dir = os.path.join(folder, "bmp")
    extra = set(os.listdir(bmp_dir)) - {os.path.basename(p) for p in files}
    return stale + sorted("bmp/" + name for name in extra)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--contact-sheet", metavar="PATH", help="also write a review PNG")
    parser.add_argument("--check", action="store_true",
                        help="write nothing; fail when the committed files are out of date")
    args = parser.parse_args()
    folder = os.path.dirname(os.path.abspath(__file__))
    files = resource_files()
    if args.check:
        stale = stale_files(folder, files)
        for relative in stale:
            print(f"out of date: {relative}")
        return 1 if stale else 0
    write_resources(folder, files)
    print(f"{len(files) - 1} bitmaps written to {os.path.join(folder, 'bmp')}")
    if args.contact_sheet:
        import contact_sheet
        contact_sheet.write(args.contact_sheet, all_pictures(), widgets.menu_checked(),
                            widgets.VGA_PALETTE)
        print(f"contact sheet: {args.contact_sheet}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
