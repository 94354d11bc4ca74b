#!/usr/bin/env python3
"""Writes the pictures that graphics_tests.rc and the tests read. The outputs are committed;
run again (needs ImageMagick's convert) only to change them."""
import struct
import subprocess
from pathlib import Path

HERE = Path(__file__).resolve().parent


def bmp(path, width, height, bpp, rows, palette=(), alpha_mask=False):
    """rows: top-down lists of palette indexes (bpp <= 8) or (r, g, b[, a]) tuples.
    alpha_mask: a 108-byte header with BI_BITFIELDS masks that include alpha (32 bpp)."""
    stride = (width * bpp + 31) // 32 * 4
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        if bpp <= 8:
            bits = 0
            nbits = 0
            for index in row:
                bits = (bits << bpp) | index
                nbits += bpp
                if nbits == 8:
                    line.append(bits)
                    bits = nbits = 0
            if nbits:
                line.append(bits << (8 - nbits))
        else:
            for px in row:
                r, g, b = px[:3]
                line += bytes((b, g, r))
                if bpp == 32:
                    line.append(px[3])
        data += line + bytes(stride - len(line))
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    if alpha_mask:
        info = struct.pack("<IiiHHIIiiII", 108, width, height, 1, bpp, 3, len(data), 3780, 3780,
                           0, 0)
        info += struct.pack("<IIII", 0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000)
        info += struct.pack("<I", 0x73524742) + bytes(36) + bytes(12)  # sRGB, no gamma
    else:
        info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bpp, 0, len(data), 3780,
                           3780, len(palette), 0)
    offset = 14 + len(info) + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    (HERE / path).write_bytes(header + info + table + data)


def gradient(x, y):
    return (x * 50, y * 80, 200)


bmp("gradient24.bmp", 5, 3, 24, [[gradient(x, y) for x in range(5)] for y in range(3)])
bmp("alpha32.bmp", 2, 2, 32, [[(255, 0, 0, 128), (0, 255, 0, 255)],
                              [(0, 0, 255, 0), (255, 255, 255, 64)]], alpha_mask=True)
# 16 x 16, 4 bits per pixel: white with a black diagonal stroke, as a check glyph would be.
check = [[1 if x == y or x == y + 1 else 0 for x in range(16)] for y in range(16)]
bmp("checked4.bmp", 16, 16, 4, check, palette=[(255, 255, 255), (0, 0, 0)] + [(0, 0, 0)] * 14)

subprocess.run(["convert", "-size", "8x8", "xc:#FF0000", "xc:#00FF00", "+append",
                "(", "-size", "8x8", "xc:#0000FF", "xc:#FFFFFF", "+append", ")", "-append",
                "-quality", "95", "-sampling-factor", "1x1", str(HERE / "quadrants.jpg")],
               check=True)
# A grey ramp in one channel, and the four quadrants again as Adobe CMYK.
subprocess.run(["convert", "-size", "16x16", "gradient:#202020-#E0E0E0", "-colorspace", "Gray",
                "-quality", "95", str(HERE / "gray.jpg")], check=True)
subprocess.run(["convert", str(HERE / "quadrants.jpg"), "-colorspace", "CMYK", "-quality", "95",
                str(HERE / "cmyk.jpg")], check=True)
subprocess.run(["convert", "(", "-size", "16x16", "xc:#FF0000", ")",
                "(", "-size", "32x32", "xc:#0000FF", ")", str(HERE / "twosizes.ico")], check=True)
