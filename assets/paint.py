"""Raster helpers: coverage masks drawn supersampled, colour mixing and text on float RGB arrays.

Pictures are (height, width, 3) float arrays with channels in 0..255; masks are (height, width)
floats in 0..1. Everything is deterministic: no randomness, fixed fonts, fixed sampling.
"""

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

SUPERSAMPLE = 4
FONT_DIR = "/usr/share/fonts/truetype/dejavu/"
BOLD = FONT_DIR + "DejaVuSans-Bold.ttf"
REGULAR = FONT_DIR + "DejaVuSans.ttf"


def rgb(hex_colour):
    value = int(hex_colour.lstrip("#"), 16)
    return np.array([(value >> 16) & 255, (value >> 8) & 255, value & 255], dtype=np.float64)


def mix(a, b, t):
    return a * (1.0 - t) + b * t


def lighten(colour, t):
    return mix(colour, np.array([255.0, 255.0, 255.0]), t)


def darken(colour, t):
    return colour * (1.0 - t)


def coverage(width, height, draw_fn, supersample=SUPERSAMPLE):
    """Mask of what draw_fn(draw, scale) paints with 255 on a supersampled canvas."""
    canvas = Image.new("L", (width * supersample, height * supersample), 0)
    draw_fn(ImageDraw.Draw(canvas), supersample)
    small = canvas.resize((width, height), Image.Resampling.BOX)
    return np.asarray(small, dtype=np.float64) / 255.0


def rounded_rect(width, height, radius, inset=0.0):
    def draw(d, s):
        d.rounded_rectangle(
            (inset * s, inset * s, (width - inset) * s - 1, (height - inset) * s - 1),
            radius=max(0.0, radius - inset) * s, fill=255)

    return coverage(width, height, draw)


def blur(mask, radius):
    image = Image.fromarray(np.clip(mask * 255.0, 0, 255).astype(np.uint8), "L")
    blurred = image.filter(ImageFilter.GaussianBlur(radius))
    return np.asarray(blurred, dtype=np.float64) / 255.0


def shifted(mask, dx, dy):
    """The mask moved by whole pixels; uncovered parts become 0."""
    out = np.zeros_like(mask)
    h, w = mask.shape
    out[max(0, dy):h + min(0, dy), max(0, dx):w + min(0, dx)] = \
        mask[max(0, -dy):h - max(0, dy), max(0, -dx):w - max(0, dx)]
    return out


def over(picture, colour, alpha):
    """Paints colour (a colour or a picture) over picture with per-pixel alpha, in place."""
    a = alpha[:, :, None]
    picture *= 1.0 - a
    picture += np.asarray(colour) * a


def gradient(width, height, top_left, bottom_right, angle_bias=0.35):
    """Diagonal gradient, mostly vertical: angle_bias is the horizontal share."""
    ys = np.linspace(0.0, 1.0, height)[:, None]
    xs = np.linspace(0.0, 1.0, width)[None, :]
    t = np.clip(ys * (1.0 - angle_bias) + xs * angle_bias, 0.0, 1.0)[:, :, None]
    return top_left * (1.0 - t) + bottom_right * t


def radial(width, height, cx, cy, radius):
    """Smooth falloff 1 at (cx, cy) to 0 at radius."""
    ys = np.arange(height)[:, None] + 0.5
    xs = np.arange(width)[None, :] + 0.5
    d = np.sqrt((xs - cx) ** 2 + (ys - cy) ** 2) / radius
    t = np.clip(1.0 - d, 0.0, 1.0)
    return t * t * (3.0 - 2.0 * t)


def font(path, size):
    return ImageFont.truetype(path, size)


def text_width(face, text):
    left, _, right, _ = face.getbbox(text)
    return right - left


def text_mask(width, height, x, baseline, text, face):
    """Coverage of text drawn at 1x (hinted) with its left edge at x and baseline at baseline."""
    canvas = Image.new("L", (width, height), 0)
    ImageDraw.Draw(canvas).text((x, baseline), text, font=face, fill=255, anchor="ls")
    return np.asarray(canvas, dtype=np.float64) / 255.0


def place(mask, width, height, x, y):
    """A width x height mask holding mask with its top-left corner at (x, y), clipped."""
    out = np.zeros((height, width))
    mh, mw = mask.shape
    x0, y0 = max(0, x), max(0, y)
    x1, y1 = min(width, x + mw), min(height, y + mh)
    if x1 > x0 and y1 > y0:
        out[y0:y1, x0:x1] = mask[y0 - y:y1 - y, x0 - x:x1 - x]
    return out


def to_bytes(picture):
    return np.clip(np.rint(picture), 0, 255).astype(np.uint8)
