#!/usr/bin/env python3
"""Writes the seed corpora fuzz/corpus/<target>/ (small inputs of every kind each target reads)."""
import io
import os
import random
import struct
import zipfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
rng = random.Random(7)
TEXT = b" ".join(rng.choice([b"skin", b"title", b"bar", b"menu", b"frame", b"colour", b"of"])
                 for _ in range(300))


def write(target, name, data):
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def raw_deflate(data, level=6, strategy=zlib.Z_DEFAULT_STRATEGY):
    c = zlib.compressobj(level, zlib.DEFLATED, -15, 8, strategy)
    return c.compress(data) + c.flush()


def bmp_file(info, pixels_and_table):
    body = info + pixels_and_table
    return b"BM" + struct.pack("<IHHI", 14 + len(body), 0, 0, 14 + len(info)) + body


def info40(w, h, bpp, compression=0, used=0, size=40):
    head = struct.pack("<IiiHHIIiiII", size, w, h, 1, bpp, compression, 0, 2835, 2835, used, 0)
    return head + b"\0" * (size - 40)


def bitmaps():
    w, h = 5, 3
    rows24 = b"".join(bytes((x * 40, y * 60, 99) * 1) for y in range(h) for x in range(w))
    stride = (w * 3 + 3) // 4 * 4
    pix24 = b"".join(rows24[y * w * 3:(y + 1) * w * 3] + b"\0" * (stride - w * 3) for y in range(h))
    pal = b"".join(struct.pack("<BBBB", i * 60, 255 - i * 60, i * 20, 0) for i in range(4))
    out = {
        "bgr24.bmp": bmp_file(info40(w, h, 24), pix24),
        "topdown24.bmp": bmp_file(info40(w, -h, 24), pix24),
        "pal8.bmp": bmp_file(info40(4, 2, 8, 0, 4) + pal, bytes([0, 1, 2, 3, 3, 2, 1, 0])),
        "pal4.bmp": bmp_file(info40(5, 1, 4, 0, 4) + pal, bytes([0x01, 0x23, 0x10, 0])),
        "pal1.bmp": bmp_file(info40(9, 1, 1, 0, 2) + pal[:8], bytes([0xA5, 0x80, 0, 0])),
        "rle8.bmp": bmp_file(info40(4, 2, 8, 1, 4) + pal, bytes([2, 1, 0, 3, 3, 2, 1, 0, 0, 0, 4, 2, 0, 1])),
        "rle4.bmp": bmp_file(info40(6, 1, 4, 2, 4) + pal, bytes([3, 0x12, 0, 3, 0x31, 0x20, 0, 1])),
        "bits565.bmp": bmp_file(info40(2, 1, 16, 3) + struct.pack("<III", 0xF800, 0x07E0, 0x1F),
                                bytes([0x00, 0xF8, 0x1F, 0x00])),
        "v5alpha.bmp": bmp_file(info40(2, 1, 32, 3, 0, 124)[:40] +
                                struct.pack("<IIII", 0xFF0000, 0xFF00, 0xFF, 0xFF000000) + b"\0" * 68,
                                bytes([1, 2, 3, 0x80, 4, 5, 6, 0])),
        "core8.bmp": bmp_file(struct.pack("<IHHHH", 12, 2, 1, 1, 8) + b"".join(bytes((i * 60, 255 - i * 60, i * 20)) for i in range(4)),
                              bytes([1, 0, 0, 0])),
    }
    return out


def skin_records(items):
    """items: (name, type, data) -> SKINDATA.SK2 bytes."""
    start = 24
    data_at = start + (len(items) + 1) * 77
    head = b"VFC SKIN2\0\0\0" + struct.pack("<III", 24, 0, start)
    recs, blobs = b"", b""
    for i, (name, kind, data) in enumerate(items):
        recs += name.ljust(64, b"\0") + struct.pack("<BIII", kind, data_at + len(blobs), len(data),
                                                     start + (i + 1) * 77)
        blobs += data
    recs += b"\0" * 64 + struct.pack("<BIII", 255, 0, 0, 0)
    return head + recs + blobs


def zipcrypto(data, password, crc):
    key = [0x12345678, 0x23456789, 0x34567890]

    def update(c):
        key[0] = zlib.crc32(bytes([c]), key[0] ^ 0xFFFFFFFF) ^ 0xFFFFFFFF
        key[1] = ((key[1] + (key[0] & 0xFF)) * 134775813 + 1) & 0xFFFFFFFF
        key[2] = zlib.crc32(bytes([key[1] >> 24]), key[2] ^ 0xFFFFFFFF) ^ 0xFFFFFFFF

    for c in password:
        update(c)
    out = bytearray()
    for c in bytes(rng.randrange(256) for _ in range(11)) + bytes([crc >> 24]) + data:
        t = (key[2] | 2) & 0xFFFF
        out.append(c ^ (((t * (t ^ 1)) >> 8) & 0xFF))
        update(c)
    return bytes(out)


def single_entry_zip(name, payload, password=None, method=8):
    """Deflate data under any method value, encrypted when a password is given."""
    comp = raw_deflate(payload)
    crc = zlib.crc32(payload)
    flags = 1 if password else 0
    enc = zipcrypto(comp, password, crc) if password else comp
    local = struct.pack("<IHHHHHIIIHH", 0x04034B50, 20, flags, method, 0x6000, 0x5A21, crc, len(enc),
                        len(payload), len(name), 0) + name + enc
    central = struct.pack("<IHHHHHHIIIHHHHHII", 0x02014B50, 20, 20, flags, method, 0x6000, 0x5A21, crc,
                          len(enc), len(payload), len(name), 0, 0, 0, 0, 0, 0) + name
    end = struct.pack("<IHHHHIIH", 0x06054B50, 0, 0, 1, 1, len(central), len(local), 0)
    return local + central + end


def main():
    for level in (0, 1, 6, 9):
        write("fuzz_inflate", "text-level%d" % level, raw_deflate(TEXT, level))
    write("fuzz_inflate", "fixed", raw_deflate(TEXT, 6, zlib.Z_FIXED))
    write("fuzz_inflate", "huffman-only", raw_deflate(TEXT, 6, zlib.Z_HUFFMAN_ONLY))
    write("fuzz_inflate", "rle", raw_deflate(b"a" * 3000 + bytes(range(256)), 9, zlib.Z_RLE))
    write("fuzz_inflate", "empty", raw_deflate(b""))
    write("fuzz_inflate", "btype3", b"\x07")

    bmps = bitmaps()
    for name, data in bmps.items():
        write("fuzz_bmp", name, data)

    skin = skin_records([(b"SKIN2_FORMCOLOR", 1, struct.pack("<i", 0xE8E8E8)),
                         (b"SKIN2_TITLEFIVESECT", 2, b"\x01"),
                         (b"SKIN2_NAME", 3, b"Blue steel"),
                         (b"SKIN2_TITLEBAR1", 0, bmps["bgr24.bmp"]),
                         (b"SKIN2_MENUBAR", 0, bmps["rle8.bmp"])])
    write("fuzz_records", "skin", skin)
    write("fuzz_records", "empty-chain", skin_records([]))

    buf = io.BytesIO()
    with zipfile.ZipFile(buf, "w", zipfile.ZIP_DEFLATED) as z:
        z.writestr("readme.txt", b"a skin")
        z.writestr("SKINDATA.SK2", skin)
    write("fuzz_archive", "plain.zip", b"\0" + buf.getvalue())
    write("fuzz_archive", "encrypted.zip", b"\1" + single_entry_zip(b"SKINDATA.SK2", skin, b"pw"))
    write("fuzz_archive", "method-stored.zip", b"\0" + single_entry_zip(b"skindata.sk2", skin, method=0))


if __name__ == "__main__":
    main()
