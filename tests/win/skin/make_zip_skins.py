#!/usr/bin/env python3
"""Writes skin files made by Info-ZIP's zip for the file theme tests.

usage: make_zip_skins.py OUTDIR
Writes plain.skn (zip -9) and locked.skn (zip -P secret), each holding a SKINDATA.SK2 with
SKIN2_FORMCOLOR = 0x00A1B2C3, SKIN2_TITLEFIVESECT = 1 and a 4x2 bitmap SKIN2_TITLEBAR1.
"""
import os
import struct
import subprocess
import sys
import tempfile

RECORD = struct.Struct("<64sBIII")  # name, type, data offset, data size, next record


def bmp(width, height, rgb):
    row = bytes([rgb & 0xFF, (rgb >> 8) & 0xFF, rgb >> 16]) * width
    row += b"\0" * ((4 - len(row) % 4) % 4)
    pixels = row * height
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 0, 0, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + 40 + len(pixels), 0, 0, 54) + info + pixels


def skin_data():
    items = [("SKIN2_FORMCOLOR", 1, struct.pack("<i", 0x00A1B2C3)),
             ("SKIN2_TITLEFIVESECT", 2, b"\x01"),
             ("SKIN2_TITLEBAR1", 0, bmp(4, 2, 0x102030))]
    header_size, count = 24, len(items) + 1
    data_start = header_size + count * RECORD.size
    records, blobs, offset = b"", b"", data_start
    for i, (name, kind, data) in enumerate(items):
        following = header_size + (i + 1) * RECORD.size
        records += RECORD.pack(name.encode(), kind, offset, len(data), following)
        blobs += data
        offset += len(data)
    records += RECORD.pack(b"END", 1, 0, 0, 0)
    header = b"\0" * 12 + struct.pack("<III", header_size, 0, header_size)
    return header + records + blobs


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    with tempfile.TemporaryDirectory() as work:
        with open(os.path.join(work, "SKINDATA.SK2"), "wb") as f:
            f.write(skin_data())
        for name, extra in (("plain.skn", ["-9"]), ("locked.skn", ["-P", "secret"])):
            target = os.path.join(out, name)
            if os.path.exists(target):
                os.remove(target)
            subprocess.run(["zip", "-q", "-X"] + extra + [target, "SKINDATA.SK2"], cwd=work,
                           check=True)


if __name__ == "__main__":
    main()
