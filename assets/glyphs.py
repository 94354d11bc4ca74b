"""The tools' icons and the product mark, drawn as coverage masks on a 100-unit square.

Each drawing function receives a Pen that maps units to supersampled pixels; ink is 255 and
cut-outs (holes that show the tile through) are 0.
"""

import math

from paint import coverage

INK, CUT = 255, 0


class Pen:
    def __init__(self, draw, scale):
        self.d = draw
        self.k = scale / 100.0

    def p(self, *values):
        return [v * self.k for v in values]

    def box(self, x0, y0, x1, y1, radius=0.0, fill=INK):
        self.d.rounded_rectangle(self.p(x0, y0, x1, y1), radius=radius * self.k, fill=fill)

    def disc(self, cx, cy, r, fill=INK):
        self.d.ellipse(self.p(cx - r, cy - r, cx + r, cy + r), fill=fill)

    def ring(self, cx, cy, r, width, fill=INK):
        self.d.ellipse(self.p(cx - r, cy - r, cx + r, cy + r), outline=fill,
                       width=max(1, round(width * self.k)))

    def arc(self, cx, cy, r, start, end, width, fill=INK):
        self.d.arc(self.p(cx - r, cy - r, cx + r, cy + r), start, end, fill=fill,
                   width=max(1, round(width * self.k)))

    def poly(self, points, fill=INK):
        self.d.polygon([tuple(self.p(x, y)) for x, y in points], fill=fill)

    def blade(self, start, tip, base_half, tip_half, fill=INK):
        """A straight blade tapering from start to a rounded tip."""
        (x0, y0), (x1, y1) = start, tip
        length = math.hypot(x1 - x0, y1 - y0)
        nx, ny = -(y1 - y0) / length, (x1 - x0) / length
        self.poly([(x0 + nx * base_half, y0 + ny * base_half),
                   (x1 + nx * tip_half, y1 + ny * tip_half),
                   (x1 - nx * tip_half, y1 - ny * tip_half),
                   (x0 - nx * base_half, y0 - ny * base_half)], fill)
        self.disc(x1, y1, tip_half, fill)

    def arrow_head(self, cx, cy, r, angle, length, half_width, fill=INK):
        """Triangle on a circle at angle (degrees, clockwise from 3 o'clock) pointing clockwise."""
        a = math.radians(angle)
        px, py = cx + r * math.cos(a), cy + r * math.sin(a)
        tx, ty = -math.sin(a), math.cos(a)
        nx, ny = math.cos(a), math.sin(a)
        self.poly([(px + tx * length, py + ty * length),
                   (px + nx * half_width, py + ny * half_width),
                   (px - nx * half_width, py - ny * half_width)], fill)


def _cycle_arrows(pen, cx=50, cy=50, r=40, width=8):
    pen.arc(cx, cy, r, 200, 320, width)
    pen.arrow_head(cx, cy, r, 318, 16, 12)
    pen.arc(cx, cy, r, 20, 140, width)
    pen.arrow_head(cx, cy, r, 138, 16, 12)


def _disc(pen, cx, cy, r):
    pen.disc(cx, cy, r)
    pen.arc(cx, cy, r * 0.68, 200, 250, 5, CUT)
    pen.disc(cx, cy, r * 0.3, CUT)
    pen.disc(cx, cy, r * 0.14)
    pen.disc(cx, cy, r * 0.07, CUT)


def _badge(pen, cx, cy, r):
    pen.disc(cx, cy, r + 5, CUT)
    pen.disc(cx, cy, r)


def screen_recorder(pen):
    pen.box(4, 12, 96, 74, 9)
    pen.box(11, 19, 89, 67, 4, CUT)
    pen.disc(50, 43, 14)
    pen.ring(50, 43, 20, 3.5)
    pen.box(44, 74, 56, 84)
    pen.box(27, 82, 73, 90, 4)


def slide_video_maker(pen):
    pen.box(24, 6, 96, 62, 7)
    pen.box(30, 12, 90, 56, 3, CUT)
    pen.box(0, 21, 82, 89, 11, CUT)
    pen.box(5, 26, 77, 84, 7)
    pen.disc(25, 42, 7, CUT)
    pen.poly([(12, 77), (34, 53), (46, 65), (56, 55), (70, 77)], CUT)
    _badge(pen, 80, 80, 17)
    pen.poly([(74, 70), (74, 90), (91, 80)], CUT)


def video_dvd_maker(pen):
    _disc(pen, 42, 46, 40)
    _badge(pen, 78, 78, 19)
    pen.box(76, 66, 80, 90, 1, CUT)
    pen.box(66, 76, 90, 80, 1, CUT)


def video_editor(pen):
    # Scissors: two ring handles on the left, blades crossing at a pivot towards the right.
    pen.blade((29, 35), (95, 70), 6.0, 1.6)
    pen.blade((29, 65), (95, 30), 6.0, 1.6)
    pen.ring(20, 28, 13, 7)
    pen.ring(20, 72, 13, 7)
    pen.disc(57, 50, 4.5, CUT)


def dvd_ripper(pen):
    _disc(pen, 42, 46, 40)
    _badge(pen, 78, 78, 19)
    pen.box(76, 64, 80, 80, 1, CUT)
    pen.poly([(68, 77), (88, 77), (78, 90)], CUT)


def video_converter(pen):
    _cycle_arrows(pen)
    pen.poly([(40, 33), (40, 67), (68, 50)])


def audio_converter(pen):
    _cycle_arrows(pen)
    pen.box(51, 28, 57, 66, 1)
    pen.poly([(51, 26), (69, 32), (69, 44), (57, 39)])
    pen.disc(46, 66, 10)


def audio_recorder(pen):
    pen.box(36, 4, 64, 60, 14)
    for y in (20, 30, 40):
        pen.box(41, y, 59, y + 3, 1.5, CUT)
    pen.arc(50, 38, 27, 0, 180, 6)
    pen.box(47, 64, 53, 84)
    pen.box(32, 82, 68, 89, 3.5)
    pen.arc(50, 34, 43, -35, 35, 5)
    pen.arc(50, 34, 43, 145, 215, 5)


def product_mark(pen):
    """The white content of the product mark: a play triangle with a sound wave."""
    pen.poly([(30, 26), (30, 74), (66, 50)])
    pen.arc(52, 50, 34, -40, 40, 8)


def product_mark_small(pen):
    pen.poly([(32, 24), (32, 76), (74, 50)])


GLYPHS = {
    "screen_recorder": screen_recorder,
    "slide_video_maker": slide_video_maker,
    "video_dvd_maker": video_dvd_maker,
    "video_editor": video_editor,
    "dvd_ripper": dvd_ripper,
    "video_converter": video_converter,
    "audio_converter": audio_converter,
    "audio_recorder": audio_recorder,
    "product_mark": product_mark,
    "product_mark_small": product_mark_small,
}


def glyph_mask(name, size):
    """The glyph as a size x size coverage mask."""
    return coverage(size, size, lambda d, s: GLYPHS[name](Pen(d, s * size)))
