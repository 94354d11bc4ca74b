#include "framework/BmpDecoder.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <optional>
#include <string>

namespace {

constexpr uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3, kBiAlphaBitfields = 6;
constexpr uint32_t kOpaque = 0xFF000000u;

[[noreturn]] void Fail(const std::string& what) {
    throw EBmpError(what);
}

uint16_t U16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}
uint32_t U32(const uint8_t* p) {
    return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

// One colour channel of a bit-field pixel, scaled to 8 bits.
struct TChannel {
    uint32_t Mask = 0;
    int Shift = 0;
    uint32_t Max = 0;

    static TChannel FromMask(uint32_t mask) {
        TChannel c;
        c.Mask = mask;
        if (mask == 0)
            return c;
        c.Shift = std::countr_zero(mask);
        const uint32_t bits = mask >> c.Shift;
        if ((bits & (bits + 1)) != 0)
            Fail("bit-field mask is not contiguous");
        c.Max = bits;
        return c;
    }
    uint32_t Extract(uint32_t pixel) const {
        if (Max == 0)
            return 0;
        const uint64_t v = (pixel & Mask) >> Shift;
        return static_cast<uint32_t>((v * 255 + Max / 2) / Max);
    }
};

struct THeader {
    uint32_t HeaderSize = 0;
    int Width = 0, Height = 0;
    bool TopDown = false;
    int Bpp = 0;
    uint32_t Compression = kBiRgb;
    uint32_t ColorsUsed = 0;
    bool CoreHeader = false;          // 3-byte colour table entries
    std::optional<uint32_t> Masks[4]; // R, G, B, A when bit fields apply
    size_t TableStart = 0;            // offset of the colour table, after header and masks
};

bool KnownHeaderSize(uint32_t size) {
    switch (size) {
    case 12:
    case 16:
    case 40:
    case 52:
    case 56:
    case 64:
    case 108:
    case 124:
        return true;
    default:
        return false;
    }
}

THeader ParseInfoHeader(const uint8_t* data, size_t size, size_t start) {
    if (size < start || size - start < 4)
        Fail("truncated info header");
    THeader h;
    h.HeaderSize = U32(data + start);
    if (!KnownHeaderSize(h.HeaderSize))
        Fail("unsupported info header size " + std::to_string(h.HeaderSize));
    if (size - start < h.HeaderSize)
        Fail("truncated info header");
    const uint8_t* p = data + start;
    int64_t width = 0, height = 0;
    int planes = 0;
    if (h.HeaderSize == 12) {
        h.CoreHeader = true;
        width = U16(p + 4);
        height = static_cast<int16_t>(U16(p + 6));
        planes = U16(p + 8);
        h.Bpp = U16(p + 10);
    } else {
        width = static_cast<int32_t>(U32(p + 4));
        height = static_cast<int32_t>(U32(p + 8));
        planes = U16(p + 12);
        h.Bpp = U16(p + 14);
        if (h.HeaderSize >= 20)
            h.Compression = U32(p + 16);
        if (h.HeaderSize >= 36)
            h.ColorsUsed = U32(p + 32);
    }
    if (planes != 1)
        Fail("plane count is not 1");
    h.TopDown = height < 0;
    height = height < 0 ? -height : height;
    if (width <= 0 || height <= 0 || width > kMaxBmpDimension || height > kMaxBmpDimension)
        Fail("bad dimensions");
    if (static_cast<uint64_t>(width) * static_cast<uint64_t>(height) > kMaxBmpPixels)
        Fail("picture too large");
    h.Width = static_cast<int>(width);
    h.Height = static_cast<int>(height);
    switch (h.Bpp) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        Fail("unsupported bit depth " + std::to_string(h.Bpp));
    }

    const bool os2 = h.HeaderSize == 16 || h.HeaderSize == 64;
    size_t afterHeader = start + h.HeaderSize;
    switch (h.Compression) {
    case kBiRgb:
        break;
    case kBiRle8:
    case kBiRle4:
        if (h.Bpp != (h.Compression == kBiRle8 ? 8 : 4))
            Fail("run-length compression does not match the bit depth");
        if (h.TopDown)
            Fail("run-length images cannot be top-down");
        break;
    case kBiBitfields:
    case kBiAlphaBitfields: {
        if (os2)
            Fail("unsupported OS/2 compression");
        if (h.Bpp != 16 && h.Bpp != 32)
            Fail("bit fields need 16 or 32 bits per pixel");
        const int count = h.Compression == kBiAlphaBitfields ? 4 : 3;
        const uint8_t* m = p + 40;
        if (h.HeaderSize == 40) {
            if (size - afterHeader < static_cast<size_t>(count) * 4)
                Fail("truncated bit-field masks");
            afterHeader += static_cast<size_t>(count) * 4;
        }
        // Larger headers hold the masks themselves, the alpha mask from 56 bytes on.
        const size_t present =
            h.HeaderSize == 40 ? count : std::min<size_t>(4, (h.HeaderSize - 40) / 4);
        for (size_t i = 0; i < present; ++i)
            h.Masks[i] = U32(m + 4 * i);
        break;
    }
    default:
        Fail("unsupported compression " + std::to_string(h.Compression));
    }
    // A V4/V5 header may carry an alpha mask with BI_RGB: then the fourth byte is alpha.
    if (h.Compression == kBiRgb && h.Bpp == 32 && h.HeaderSize >= 108 && U32(p + 52) == kOpaque) {
        h.Masks[0] = 0x00FF0000u;
        h.Masks[1] = 0x0000FF00u;
        h.Masks[2] = 0x000000FFu;
        h.Masks[3] = kOpaque;
    }
    h.TableStart = afterHeader;
    return h;
}

struct TPalette {
    uint32_t Colors[256];
    size_t Count = 0;
    uint32_t At(uint32_t index) const { return index < Count ? Colors[index] : kOpaque; }
};

// Entries the header claims for indexed images (biClrUsed, or the full table).
size_t ClaimedTableEntries(const THeader& h) {
    if (h.Bpp > 8)
        return h.ColorsUsed <= 256 ? h.ColorsUsed : 0;
    const size_t full = size_t{1} << h.Bpp;
    return h.ColorsUsed == 0 || h.ColorsUsed > full ? full : h.ColorsUsed;
}

TPalette ReadPalette(const uint8_t* data, const THeader& h, size_t tableBytes) {
    TPalette pal;
    if (h.Bpp > 8)
        return pal;
    const size_t entry = h.CoreHeader ? 3 : 4;
    pal.Count = std::min(ClaimedTableEntries(h), tableBytes / entry);
    for (size_t i = 0; i < pal.Count; ++i) {
        const uint8_t* e = data + h.TableStart + i * entry;
        pal.Colors[i] = kOpaque | uint32_t{e[2]} << 16 | uint32_t{e[1]} << 8 | e[0];
    }
    return pal;
}

class TPixelSink {
public:
    TPixelSink(TDecodedBmp& out, const THeader& h) : out_(out), h_(h) {}
    // Row counted as stored: from the bottom unless the image is top-down.
    uint32_t* Row(int storedRow) {
        const int y = h_.TopDown ? storedRow : h_.Height - 1 - storedRow;
        return out_.Pixels.data() + static_cast<size_t>(y) * h_.Width;
    }

private:
    TDecodedBmp& out_;
    const THeader& h_;
};

void DecodeUncompressed(const uint8_t* px, size_t avail, const THeader& h, const TPalette& pal,
                        TDecodedBmp& out) {
    const uint64_t rowBits = static_cast<uint64_t>(h.Width) * h.Bpp;
    const uint64_t stride = (rowBits + 31) / 32 * 4;
    const uint64_t lastRow = (rowBits + 7) / 8;
    if (stride * (h.Height - 1) + lastRow > avail)
        Fail("pixel data shorter than the image");
    out.Pixels.resize(static_cast<size_t>(h.Width) * h.Height);
    TPixelSink sink(out, h);

    TChannel r, g, b, a;
    if (h.Masks[0]) {
        r = TChannel::FromMask(*h.Masks[0]);
        g = TChannel::FromMask(*h.Masks[1]);
        b = TChannel::FromMask(*h.Masks[2]);
        if (h.Masks[3] && h.Bpp == 32 && *h.Masks[3] != 0) {
            a = TChannel::FromMask(*h.Masks[3]);
            out.HasAlpha = true;
        }
    } else if (h.Bpp == 16) {
        r = TChannel::FromMask(0x7C00);
        g = TChannel::FromMask(0x03E0);
        b = TChannel::FromMask(0x001F);
    }
    const bool fields = h.Bpp == 16 || (h.Bpp == 32 && h.Masks[0]);

    for (int y = 0; y < h.Height; ++y) {
        const uint8_t* s = px + static_cast<size_t>(stride) * y;
        uint32_t* d = sink.Row(y);
        const int w = h.Width;
        if (h.Bpp <= 8) {
            const int perByte = 8 / h.Bpp;
            const uint32_t mask = (1u << h.Bpp) - 1;
            for (int x = 0; x < w; ++x) {
                const int shift = 8 - h.Bpp * (x % perByte + 1);
                d[x] = pal.At((s[x / perByte] >> shift) & mask);
            }
        } else if (h.Bpp == 24) {
            for (int x = 0; x < w; ++x, s += 3)
                d[x] = kOpaque | uint32_t{s[2]} << 16 | uint32_t{s[1]} << 8 | s[0];
        } else if (!fields) {
            for (int x = 0; x < w; ++x, s += 4)
                d[x] = kOpaque | uint32_t{s[2]} << 16 | uint32_t{s[1]} << 8 | s[0];
        } else {
            for (int x = 0; x < w; ++x) {
                const uint32_t v = h.Bpp == 16 ? U16(s + 2 * x) : U32(s + 4 * x);
                const uint32_t alpha = out.HasAlpha ? a.Extract(v) << 24 : kOpaque;
                d[x] = alpha | r.Extract(v) << 16 | g.Extract(v) << 8 | b.Extract(v);
            }
        }
    }
}

// RLE8 and RLE4. Pixels not set by the stream stay palette colour 0; runs are clipped at
// the right edge; the stream may end without an end-of-bitmap code.
void DecodeRunLength(const uint8_t* px, size_t avail, const THeader& h, const TPalette& pal,
                     TDecodedBmp& out) {
    // A 2-byte run covers at most 255 pixels: refuse headers the data cannot come near.
    if (static_cast<uint64_t>(h.Width) * h.Height > static_cast<uint64_t>(avail) * 256)
        Fail("pixel data shorter than the image");
    out.Pixels.assign(static_cast<size_t>(h.Width) * h.Height, pal.At(0));
    TPixelSink sink(out, h);
    const bool four = h.Compression == kBiRle4;
    int x = 0, y = 0;
    size_t i = 0;
    auto put = [&](uint32_t index) {
        if (x < h.Width && y < h.Height)
            sink.Row(y)[x] = pal.At(index);
        ++x;
    };
    while (i + 2 <= avail && y < h.Height) {
        const uint8_t count = px[i], value = px[i + 1];
        i += 2;
        if (count > 0) {
            for (int k = 0; k < count; ++k)
                put(four ? (k % 2 == 0 ? value >> 4 : value & 0x0F) : value);
            continue;
        }
        if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (i + 2 > avail)
                Fail("truncated run-length delta");
            x += px[i];
            y += px[i + 1];
            i += 2;
        } else {
            const size_t bytes = four ? (value + 1u) / 2 : value;
            if (avail - i < bytes)
                Fail("truncated run-length literal");
            for (int k = 0; k < value; ++k)
                put(four ? (k % 2 == 0 ? px[i + k / 2] >> 4 : px[i + k / 2] & 0x0F) : px[i + k]);
            i += bytes + (bytes & 1);
        }
    }
}

TDecodedBmp Decode(const uint8_t* data, size_t size, size_t infoStart,
                   std::optional<uint32_t> pixelOffset) {
    if (data == nullptr)
        Fail("no data");
    const THeader h = ParseInfoHeader(data, size, infoStart);
    const size_t entry = h.CoreHeader ? 3 : 4;
    const size_t claimedTable = ClaimedTableEntries(h) * entry;
    size_t pixels = h.TableStart + claimedTable;
    size_t tableBytes = claimedTable;
    if (pixelOffset && *pixelOffset >= h.TableStart) {
        // The file header decides where the pixels start; a shorter gap means a short table.
        pixels = *pixelOffset;
        tableBytes = std::min(claimedTable, pixels - h.TableStart);
    }
    if (pixels > size || h.TableStart + tableBytes > size)
        Fail("pixel data outside the file");

    TDecodedBmp out;
    out.Width = h.Width;
    out.Height = h.Height;
    out.BitsPerPixel = h.Bpp;
    out.TopDown = h.TopDown;
    const TPalette pal = ReadPalette(data, h, tableBytes);
    if (h.Bpp <= 8 && pal.Count == 0)
        Fail("indexed image without a colour table");
    if (h.Compression == kBiRle8 || h.Compression == kBiRle4)
        DecodeRunLength(data + pixels, size - pixels, h, pal, out);
    else
        DecodeUncompressed(data + pixels, size - pixels, h, pal, out);
    return out;
}

void PutU16(std::vector<uint8_t>& v, size_t at, uint32_t x) {
    v[at] = static_cast<uint8_t>(x);
    v[at + 1] = static_cast<uint8_t>(x >> 8);
}
void PutU32(std::vector<uint8_t>& v, size_t at, uint32_t x) {
    PutU16(v, at, x & 0xFFFF);
    PutU16(v, at + 2, x >> 16);
}

} // namespace

TDecodedBmp DecodeBmpFile(const uint8_t* data, size_t size) {
    if (data == nullptr || size < 14 + 12)
        Fail("too short for a bitmap file");
    if (data[0] != 'B' || data[1] != 'M')
        Fail("no BM signature");
    const uint32_t offBits = U32(data + 10);
    return Decode(data, size, 14, offBits != 0 ? std::optional<uint32_t>(offBits) : std::nullopt);
}

TDecodedBmp DecodeBmpInfo(const uint8_t* data, size_t size) {
    return Decode(data, size, 0, std::nullopt);
}

std::vector<uint8_t> EncodeBmp24(int width, int height, const std::vector<uint32_t>& pixels) {
    if (width <= 0 || height <= 0 || width > kMaxBmpDimension || height > kMaxBmpDimension ||
        pixels.size() != static_cast<size_t>(width) * static_cast<size_t>(height))
        Fail("bad picture for encoding");
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
    const size_t imageSize = stride * static_cast<size_t>(height);
    std::vector<uint8_t> file(54 + imageSize, 0);
    file[0] = 'B';
    file[1] = 'M';
    PutU32(file, 2, static_cast<uint32_t>(file.size()));
    PutU32(file, 10, 54);
    PutU32(file, 14, 40);
    PutU32(file, 18, static_cast<uint32_t>(width));
    PutU32(file, 22, static_cast<uint32_t>(height));
    PutU16(file, 26, 1);
    PutU16(file, 28, 24);
    PutU32(file, 34, static_cast<uint32_t>(imageSize));
    PutU32(file, 38, 2835);
    PutU32(file, 42, 2835);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = file.data() + 54 + stride * static_cast<size_t>(height - 1 - y);
        const uint32_t* src = pixels.data() + static_cast<size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            row[3 * x] = static_cast<uint8_t>(src[x]);
            row[3 * x + 1] = static_cast<uint8_t>(src[x] >> 8);
            row[3 * x + 2] = static_cast<uint8_t>(src[x] >> 16);
        }
    }
    return file;
}
