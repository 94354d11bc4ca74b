// BMP decoding: every header size, depth and compression the decoder reads, built byte by
// byte here, and the validation of headers that claim more than their data holds.
#include "framework/BmpDecoder.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct TBmpSpec {
    uint32_t HeaderSize = 40;
    int32_t Width = 1, Height = 1;
    uint16_t Bpp = 24;
    uint16_t Planes = 1;
    uint32_t Compression = 0;
    uint32_t ColorsUsed = 0;
    std::vector<uint32_t> Masks; // in the header from 52 bytes on, else after it
    std::vector<uint8_t> Palette;
    std::vector<uint8_t> Pixels;
};

void Put(std::vector<uint8_t>& v, size_t at, uint32_t x, int bytes) {
    for (int i = 0; i < bytes; ++i)
        v[at + i] = static_cast<uint8_t>(x >> (8 * i));
}

std::vector<uint8_t> InfoImage(const TBmpSpec& s) {
    std::vector<uint8_t> v(s.HeaderSize, 0);
    Put(v, 0, s.HeaderSize, 4);
    if (s.HeaderSize == 12) {
        Put(v, 4, static_cast<uint32_t>(s.Width), 2);
        Put(v, 6, static_cast<uint32_t>(s.Height), 2);
        Put(v, 8, s.Planes, 2);
        Put(v, 10, s.Bpp, 2);
    } else {
        Put(v, 4, static_cast<uint32_t>(s.Width), 4);
        Put(v, 8, static_cast<uint32_t>(s.Height), 4);
        Put(v, 12, s.Planes, 2);
        Put(v, 14, s.Bpp, 2);
        if (s.HeaderSize >= 40) {
            Put(v, 16, s.Compression, 4);
            Put(v, 32, s.ColorsUsed, 4);
        }
        for (size_t i = 0; i < s.Masks.size(); ++i) {
            if (s.HeaderSize > 40 && 40 + 4 * i + 4 <= s.HeaderSize)
                Put(v, 40 + 4 * i, s.Masks[i], 4);
            else if (s.HeaderSize == 40)
                v.insert(v.end(),
                         {static_cast<uint8_t>(s.Masks[i]), static_cast<uint8_t>(s.Masks[i] >> 8),
                          static_cast<uint8_t>(s.Masks[i] >> 16),
                          static_cast<uint8_t>(s.Masks[i] >> 24)});
        }
    }
    v.insert(v.end(), s.Palette.begin(), s.Palette.end());
    v.insert(v.end(), s.Pixels.begin(), s.Pixels.end());
    return v;
}

std::vector<uint8_t> FileImage(const TBmpSpec& s) {
    const std::vector<uint8_t> info = InfoImage(s);
    std::vector<uint8_t> v(14, 0);
    v[0] = 'B';
    v[1] = 'M';
    Put(v, 2, static_cast<uint32_t>(14 + info.size()), 4);
    Put(v, 10, static_cast<uint32_t>(14 + info.size() - s.Pixels.size()), 4);
    v.insert(v.end(), info.begin(), info.end());
    return v;
}

TDecodedBmp Decode(const std::vector<uint8_t>& file) {
    return DecodeBmpFile(file.data(), file.size());
}

std::vector<uint8_t> Quad(std::initializer_list<uint32_t> colors) {
    std::vector<uint8_t> v;
    for (uint32_t c : colors)
        v.insert(v.end(), {static_cast<uint8_t>(c), static_cast<uint8_t>(c >> 8),
                           static_cast<uint8_t>(c >> 16), 0});
    return v;
}

TEST(BmpDecoder, TwentyFourBitRoundTripWithRowPadding) {
    std::vector<uint32_t> pixels(5 * 3);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = 0xFF000000u | static_cast<uint32_t>(i * 0x0A0B0C);
    const std::vector<uint8_t> file = EncodeBmp24(5, 3, pixels);
    EXPECT_EQ(file.size(), 54u + 16 * 3);
    const TDecodedBmp d = Decode(file);
    EXPECT_EQ(d.Width, 5);
    EXPECT_EQ(d.Height, 3);
    EXPECT_EQ(d.BitsPerPixel, 24);
    EXPECT_FALSE(d.TopDown);
    EXPECT_FALSE(d.HasAlpha);
    for (size_t i = 0; i < pixels.size(); ++i)
        EXPECT_EQ(d.Pixels[i], pixels[i] | 0xFF000000u) << i;
    const TDecodedBmp info = DecodeBmpInfo(file.data() + 14, file.size() - 14);
    EXPECT_EQ(info.Pixels, d.Pixels);
    EXPECT_THROW(EncodeBmp24(5, 3, std::vector<uint32_t>(14)), EBmpError);
}

TEST(BmpDecoder, TopDownRowsComeFirst) {
    TBmpSpec s;
    s.Width = 1;
    s.Height = -2;
    s.Pixels = {0x01, 0x02, 0x03, 0, 0x04, 0x05, 0x06, 0};
    const TDecodedBmp d = Decode(FileImage(s));
    EXPECT_TRUE(d.TopDown);
    EXPECT_EQ(d.Height, 2);
    EXPECT_EQ(d.Pixels, (std::vector<uint32_t>{0xFF030201u, 0xFF060504u}));
}

TEST(BmpDecoder, ThirtyTwoBitAlphaOnlyWithAnAlphaMask) {
    TBmpSpec s;
    s.Width = 2;
    s.Bpp = 32;
    s.Pixels = {0x10, 0x20, 0x30, 0x80, 0x11, 0x21, 0x31, 0x00};
    TDecodedBmp d = Decode(FileImage(s));
    EXPECT_FALSE(d.HasAlpha);
    EXPECT_EQ(d.Pixels, (std::vector<uint32_t>{0xFF302010u, 0xFF312111u}));

    for (uint32_t headerSize : {56u, 108u, 124u}) {
        s.HeaderSize = headerSize;
        s.Compression = 3;
        s.Masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
        d = Decode(FileImage(s));
        EXPECT_TRUE(d.HasAlpha) << headerSize;
        EXPECT_EQ(d.Pixels, (std::vector<uint32_t>{0x80302010u, 0x00312111u})) << headerSize;
    }
    // A V5 header with BI_RGB and an alpha mask.
    s.HeaderSize = 124;
    s.Compression = 0;
    d = Decode(FileImage(s));
    EXPECT_TRUE(d.HasAlpha);
    EXPECT_EQ(d.Pixels[0], 0x80302010u);
    // BI_ALPHABITFIELDS with the four masks after a 40-byte header, channels swapped.
    s.HeaderSize = 40;
    s.Compression = 6;
    s.Masks = {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000};
    d = Decode(FileImage(s));
    EXPECT_TRUE(d.HasAlpha);
    EXPECT_EQ(d.Pixels[0], 0x80102030u);
}

TEST(BmpDecoder, SixteenBitChannelsScaleToEightBits) {
    TBmpSpec s;
    s.Width = 3;
    s.Bpp = 16;
    s.Pixels = {0xFF, 0x7F, 0x1F, 0x00, 0x10, 0x00, 0, 0}; // 555: white, blue, half blue
    TDecodedBmp d = Decode(FileImage(s));
    EXPECT_EQ(d.Pixels, (std::vector<uint32_t>{0xFFFFFFFFu, 0xFF0000FFu, 0xFF000084u}));
    s.Compression = 3;
    s.Masks = {0xF800, 0x07E0, 0x001F};
    s.Pixels = {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0, 0}; // 565: red, green, blue
    d = Decode(FileImage(s));
    EXPECT_EQ(d.Pixels, (std::vector<uint32_t>{0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu}));
    s.Masks = {0xF000, 0x0F00, 0x00F1};
    EXPECT_THROW(Decode(FileImage(s)), EBmpError) << "mask with a gap";
}

TEST(BmpDecoder, IndexedDepthsWithShortPalettes) {
    TBmpSpec s;
    s.Width = 3;
    s.Bpp = 8;
    s.ColorsUsed = 2;
    s.Palette = Quad({0x112233, 0x445566});
    s.Pixels = {1, 0, 9, 0}; // index 9 lies outside the two colours: black
    EXPECT_EQ(Decode(FileImage(s)).Pixels,
              (std::vector<uint32_t>{0xFF445566u, 0xFF112233u, 0xFF000000u}));

    s.Bpp = 4;
    s.Width = 5;
    s.ColorsUsed = 0;
    s.Palette = Quad({0, 0x0000FF, 0x00FF00, 0xFF0000});
    s.Palette.resize(16 * 4);
    s.Pixels = {0x12, 0x30, 0x10, 0};
    EXPECT_EQ(
        Decode(FileImage(s)).Pixels,
        (std::vector<uint32_t>{0xFF0000FFu, 0xFF00FF00u, 0xFFFF0000u, 0xFF000000u, 0xFF0000FFu}));

    s.Bpp = 1;
    s.Width = 10;
    s.Height = 2;
    s.Palette = Quad({0x000000, 0xFFFFFF});
    s.Pixels = {0b10100000, 0b01000000, 0, 0, 0b00000000, 0b11000000, 0, 0};
    const TDecodedBmp d = Decode(FileImage(s));
    const uint32_t K = 0xFF000000u, W = 0xFFFFFFFFu;
    // The top row is the second stored row.
    EXPECT_EQ(d.Pixels, (std::vector<uint32_t>{K, K, K, K, K, K, K, K, W, W, //
                                               W, K, W, K, K, K, K, K, K, W}));
}

TEST(BmpDecoder, CoreAndOs2HeadersWithTheirTableEntries) {
    TBmpSpec s;
    s.HeaderSize = 12;
    s.Width = 2;
    s.Bpp = 8;
    s.Palette = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06};
    s.Palette.resize(256 * 3);
    s.Pixels = {1, 0, 0, 0};
    EXPECT_EQ(Decode(FileImage(s)).Pixels, (std::vector<uint32_t>{0xFF060504u, 0xFF030201u}));
    // DecodeBmpInfo finds the pixels after the full 256-entry table.
    const std::vector<uint8_t> info = InfoImage(s);
    EXPECT_EQ(DecodeBmpInfo(info.data(), info.size()).Pixels[0], 0xFF060504u);

    for (uint32_t headerSize : {16u, 64u}) {
        s.HeaderSize = headerSize;
        s.ColorsUsed = 2;
        s.Palette = Quad({0x010203, 0x040506});
        EXPECT_EQ(Decode(FileImage(s)).Pixels, (std::vector<uint32_t>{0xFF040506u, 0xFF010203u}))
            << headerSize;
    }
}

TEST(BmpDecoder, RunLengthEightAndFour) {
    TBmpSpec s;
    s.Width = 4;
    s.Height = 3;
    s.Bpp = 8;
    s.Compression = 1;
    s.ColorsUsed = 4;
    s.Palette = Quad({0x000000, 0x0000FF, 0x00FF00, 0xFF0000});
    // Bottom row: run of 2 x 1 and absolute 3,2 (padded); middle row: delta to x=3 of the top
    // row... then end of bitmap.
    s.Pixels = {2, 1, 0, 3, 3, 2, 1, 0, 0, 0, 0, 2, 3, 1, 1, 2, 0, 1};
    TDecodedBmp d = Decode(FileImage(s));
    const uint32_t K = 0xFF000000u, B = 0xFF0000FFu, G = 0xFF00FF00u, R = 0xFFFF0000u;
    EXPECT_EQ(d.Pixels, (std::vector<uint32_t>{K, K, K, G, K, K, K, K, B, B, R, G}));

    s.Bpp = 4;
    s.Compression = 2;
    s.Height = 1;
    s.Width = 6;
    // Run of 3 alternating 1,2; absolute 3 pixels 3,1,2 (2 bytes, padded to 2).
    s.Pixels = {3, 0x12, 0, 3, 0x31, 0x20, 0, 1};
    d = Decode(FileImage(s));
    EXPECT_EQ(d.Pixels, (std::vector<uint32_t>{B, G, B, R, B, G}));

    s.Bpp = 8; // RLE4 on an 8-bit image
    EXPECT_THROW(Decode(FileImage(s)), EBmpError);
    s.Bpp = 4;
    s.Height = -1;
    EXPECT_THROW(Decode(FileImage(s)), EBmpError) << "top-down run-length image";
}

TEST(BmpDecoder, FileHeaderOffsetDecidesWhereThePixelsStart) {
    TBmpSpec s;
    s.Width = 1;
    s.Bpp = 8;
    s.ColorsUsed = 2;
    s.Palette = Quad({0x0000FF, 0x00FF00});
    s.Pixels = {1, 0, 0, 0};
    std::vector<uint8_t> file = FileImage(s);
    // Two gap bytes between the table and the pixels.
    file.insert(file.begin() + 14 + 40 + 8, {0xEE, 0xEE});
    Put(file, 10, 14 + 40 + 8 + 2, 4);
    EXPECT_EQ(Decode(file).Pixels[0], 0xFF00FF00u);
    // An offset that cuts the table short: only the first colour remains.
    file = FileImage(s);
    Put(file, 10, 14 + 40 + 4, 4);
    file.erase(file.begin() + 14 + 40 + 4, file.begin() + 14 + 40 + 8);
    EXPECT_EQ(Decode(file).Pixels[0], 0xFF000000u);
    Put(file, 10, 0xFFFFFF00u, 4);
    EXPECT_THROW(Decode(file), EBmpError);
}

TEST(BmpDecoder, InvalidHeadersAreRefused) {
    const TBmpSpec good = [] {
        TBmpSpec s;
        s.Width = 2;
        s.Height = 2;
        s.Pixels.resize(16);
        return s;
    }();
    ASSERT_NO_THROW(Decode(FileImage(good)));
    auto refused = [&](auto change, const char* what) {
        TBmpSpec s = good;
        change(s);
        EXPECT_THROW(Decode(FileImage(s)), EBmpError) << what;
    };
    refused([](TBmpSpec& s) { s.HeaderSize = 20; }, "header size");
    refused([](TBmpSpec& s) { s.Planes = 2; }, "planes");
    refused([](TBmpSpec& s) { s.Bpp = 3; }, "depth");
    refused([](TBmpSpec& s) { s.Width = 0; }, "zero width");
    refused([](TBmpSpec& s) { s.Height = 0; }, "zero height");
    refused([](TBmpSpec& s) { s.Width = -2; }, "negative width");
    refused([](TBmpSpec& s) { s.Height = INT32_MIN; }, "height without a magnitude");
    refused([](TBmpSpec& s) { s.Width = kMaxBmpDimension + 1; }, "width above the cap");
    refused([](TBmpSpec& s) { s.Pixels.resize(13); }, "pixels cut short");
    refused([](TBmpSpec& s) { s.Compression = 4; }, "JPEG compression");
    refused(
        [](TBmpSpec& s) {
            s.Compression = 3;
            s.Masks = {0xFF, 0xFF00, 0xFF0000};
        },
        "bit fields at 24 bits");
    refused(
        [](TBmpSpec& s) {
            s.Bpp = 8;
            s.Pixels.resize(8);
        },
        "indexed without a table");
    // Claims far more pixels than the data holds: refused before any pixel memory is taken.
    refused(
        [](TBmpSpec& s) {
            s.Width = 30000;
            s.Height = 30000;
        },
        "huge uncompressed");
    refused(
        [](TBmpSpec& s) {
            s.Width = 30000;
            s.Height = 2000;
            s.Bpp = 8;
            s.Compression = 1;
            s.Palette = Quad({0});
            s.ColorsUsed = 1;
            s.Pixels = {0, 1};
        },
        "huge run-length");
    const std::vector<uint8_t> file = FileImage(good);
    EXPECT_THROW(DecodeBmpFile(file.data(), 20), EBmpError);
    EXPECT_THROW(DecodeBmpFile(nullptr, 0), EBmpError);
    std::vector<uint8_t> noSignature = file;
    noSignature[0] = 'X';
    EXPECT_THROW(Decode(noSignature), EBmpError);
    EXPECT_THROW(DecodeBmpInfo(file.data() + 14, 30), EBmpError);
}

} // namespace
