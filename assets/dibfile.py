"""Writers for the two file formats the launcher carries: 24-bit BMP and 32-bit ICO.

Both are written by hand so that the exact layout is fixed: a 14-byte file header, a
40-byte BITMAPINFOHEADER, BI_RGB, bottom-up rows of BGR(A) padded to four bytes.
"""

import struct

import numpy as np

PIXELS_PER_METRE = 3780  # 96 dpi


def _bottom_up_rows(pixels, channels):
    """Rows from the last to the first, each padded to a multiple of four bytes."""
    height, width, _ = pixels.shape
    bgr = pixels[:, :, [2, 1, 0, 3][:channels]].astype(np.uint8)
    stride = (width * channels + 3) & ~3
    rows = np.zeros((height, stride), dtype=np.uint8)
    rows[:, : width * channels] = bgr.reshape(height, width * channels)
    return rows[::-1].tobytes()


def _info_header(width, height, bits, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size,
                       PIXELS_PER_METRE, PIXELS_PER_METRE, 0, 0)


def bmp_bytes(rgb):
    """A 24-bit bottom-up BMP of an (height, width, 3) uint8 array."""
    height, width, _ = rgb.shape
    data = _bottom_up_rows(rgb, 3)
    offset = 14 + 40
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    return header + _info_header(width, height, 24, len(data)) + data


def _and_mask(alpha):
    """1-bit mask, set where the pixel is fully transparent; rows padded to 32 bits."""
    height, width = alpha.shape
    stride = ((width + 31) // 32) * 4
    bits = np.packbits(alpha == 0, axis=1)
    rows = np.zeros((height, stride), dtype=np.uint8)
    rows[:, : bits.shape[1]] = bits
    return rows[::-1].tobytes()


def ico_bytes(images):
    """An icon file of square (n, n, 4) RGBA uint8 arrays, stored as 32-bit DIBs."""
    blobs = []
    for rgba in images:
        size = rgba.shape[0]
        xor = _bottom_up_rows(rgba, 4)
        mask = _and_mask(rgba[:, :, 3])
        blobs.append(_info_header(size, size * 2, 32, len(xor) + len(mask)) + xor + mask)
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for rgba, blob in zip(images, blobs):
        size = rgba.shape[0]
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)
