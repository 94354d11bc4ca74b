"""Raster helpers for the style pictures, and the two BMP layouts they are stored in.

Pictures are (height, width, 3) float arrays with channels 0..255; masks are (height, width)
float arrays 0..1 drawn supersampled and box-filtered. Nothing here is random, so every run
produces the same bytes.
"""

import struct

import numpy as np
from PIL import Image, ImageDraw

SUPERSAMPLE = 4
MAGENTA = np.array([255.0, 0.0, 255.0])
WHITE = np.array([255.0, 255.0, 255.0])
BLACK = np.array([0.0, 0.0, 0.0])
PIXELS_PER_METRE = 3780


def hexrgb(value):
    """An (r, g, b) colour from 0xRRGGBB."""
    return np.array([(value >> 16) & 255, (value >> 8) & 255, value & 255], dtype=np.float64)


def colorref(value):
    """An (r, g, b) colour from a 0x00BBGGRR table value."""
    return np.array([value & 255, (value >> 8) & 255, (value >> 16) & 255], dtype=np.float64)


def mix(a, b, t):
    return np.asarray(a, dtype=np.float64) * (1.0 - t) + np.asarray(b, dtype=np.float64) * t


def lighten(colour, t):
    return mix(colour, WHITE, t)


def darken(colour, t):
    return np.asarray(colour, dtype=np.float64) * (1.0 - t)


def solid(width, height, colour):
    return np.tile(np.asarray(colour, dtype=np.float64), (height, width, 1))


def ramp(length, stops):
    """length colours interpolated through stops [(position 0..1, colour), ...]."""
    positions = [p for p, _ in stops]
    colours = np.array([c for _, c in stops], dtype=np.float64)
    t = np.linspace(0.0, 1.0, length) if length > 1 else np.zeros(1)
    return np.stack([np.interp(t, positions, colours[:, k]) for k in range(3)], axis=1)


def vertical(width, height, stops):
    return np.tile(ramp(height, stops)[:, None, :], (1, width, 1))


def horizontal(width, height, stops):
    return np.tile(ramp(width, stops)[None, :, :], (height, 1, 1))


def coverage(width, height, draw_fn):
    """Mask of what draw_fn(draw, s) paints in 255, s being the supersampling factor."""
    canvas = Image.new("L", (width * SUPERSAMPLE, height * SUPERSAMPLE), 0)
    draw_fn(ImageDraw.Draw(canvas), SUPERSAMPLE)
    small = canvas.resize((width, height), Image.Resampling.BOX)
    return np.asarray(small, dtype=np.float64) / 255.0


def paint(picture, mask, colour):
    """Lays colour (a colour or a picture of the same size) over picture through mask."""
    m = mask[:, :, None]
    picture[:] = picture * (1.0 - m) + np.broadcast_to(colour, picture.shape) * m


def box(x0, y0, x1, y1, s):
    return [x0 * s, y0 * s, x1 * s - 1, y1 * s - 1]


def rounded_mask(width, height, rect, radius):
    x0, y0, x1, y1 = rect

    def draw(d, s):
        d.rounded_rectangle(box(x0, y0, x1, y1, s), radius=radius * s, fill=255)

    return coverage(width, height, draw)


def ellipse_mask(width, height, rect):
    x0, y0, x1, y1 = rect
    return coverage(width, height, lambda d, s: d.ellipse(box(x0, y0, x1, y1, s), fill=255))


def ring(outer, inner):
    return np.clip(outer - inner, 0.0, 1.0)


def strokes(width, height, paths, line_width, dots=()):
    """Mask of polylines [(x, y), ...] in pixel units and round dots (x, y, r)."""

    def draw(d, s):
        for path in paths:
            points = [(x * s, y * s) for x, y in path]
            d.line(points, fill=255, width=max(1, round(line_width * s)), joint="curve")
            r = line_width * s / 2
            for x, y in (points[0], points[-1]):
                d.ellipse([x - r, y - r, x + r, y + r], fill=255)
        for x, y, r in dots:
            d.ellipse([(x - r) * s, (y - r) * s, (x + r) * s, (y + r) * s], fill=255)

    return coverage(width, height, draw)


def shift(mask, dx, dy):
    """The mask moved by whole pixels, zero-filled."""
    out = np.zeros_like(mask)
    h, w = mask.shape
    out[max(dy, 0):h + min(dy, 0), max(dx, 0):w + min(dx, 0)] = \
        mask[max(-dy, 0):h - max(dy, 0), max(-dx, 0):w - max(dx, 0)]
    return out


def key_out(picture, shape, key=MAGENTA):
    """Pixels the shape covers less than half become the transparent key colour."""
    picture[shape < 0.5] = key


def to_bytes(picture):
    return np.clip(np.rint(picture), 0, 255).astype(np.uint8)


def _info_header(width, height, bits, image_size, colours=0):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size,
                       PIXELS_PER_METRE, PIXELS_PER_METRE, colours, 0)


def bmp24(picture):
    """A 24-bit BI_RGB bottom-up BMP with a 40-byte header."""
    pixels = to_bytes(picture)
    height, width, _ = pixels.shape
    stride = (width * 3 + 3) & ~3
    rows = np.zeros((height, stride), dtype=np.uint8)
    rows[:, :width * 3] = pixels[:, :, ::-1].reshape(height, width * 3)
    data = rows[::-1].tobytes()
    offset = 14 + 40
    return (struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
            + _info_header(width, height, 24, len(data)) + data)


def bmp4(indices, palette):
    """A 4-bit BI_RGB bottom-up BMP of palette indices with a 16-entry palette."""
    height, width = indices.shape
    stride = ((width * 4 + 31) // 32) * 4
    rows = np.zeros((height, stride), dtype=np.uint8)
    padded = np.zeros((height, stride * 2), dtype=np.uint8)
    padded[:, :width] = indices
    rows[:, :] = (padded[:, 0::2] << 4) | padded[:, 1::2]
    data = rows[::-1].tobytes()
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    offset = 14 + 40 + len(table)
    return (struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
            + _info_header(width, height, 4, len(data), len(palette)) + table + data)
