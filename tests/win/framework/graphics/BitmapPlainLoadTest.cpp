// Plain 24-bit images load through a direct row copy; the result must equal the decoder's.
#include "framework/Bitmap.h"
#include "framework/BmpDecoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {
std::vector<uint32_t> Pattern(int w, int h) {
    std::vector<uint32_t> p(size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            p[size_t(y) * w + x] =
                uint32_t(x * 37 + y * 11) << 16 | uint32_t(x * 5) << 8 | uint32_t(y * 9);
    return p;
}

// A copy of a bottom-up file image turned into a top-down one (negative height).
std::vector<uint8_t> TopDown(std::vector<uint8_t> file, int w, int h) {
    const size_t stride = (size_t(w) * 3 + 3) & ~size_t(3);
    std::vector<uint8_t> flipped(file);
    for (int y = 0; y < h; ++y)
        std::copy_n(file.begin() + 54 + stride * (h - 1 - y), stride,
                    flipped.begin() + 54 + stride * y);
    const int32_t negative = -h;
    std::memcpy(&flipped[22], &negative, 4);
    return flipped;
}
} // namespace

TEST(BitmapPlainLoad, BottomUpAndTopDownImagesGiveTheDecodersPixels) {
    const int w = 7, h = 5; // odd width: rows are padded
    const auto pixels = Pattern(w, h);
    const auto bottomUp = EncodeBmp24(w, h, pixels);
    for (const auto& file : {bottomUp, TopDown(bottomUp, w, h)}) {
        TBitmap b;
        b.LoadFromMemory(file);
        ASSERT_EQ(b.Width(), w);
        ASSERT_EQ(b.Height(), h);
        const TDecodedBmp reference = DecodeBmpFile(file.data(), file.size());
        const auto loaded = b.CopyPixels();
        for (size_t i = 0; i < loaded.size(); ++i)
            ASSERT_EQ(loaded[i] & 0xFFFFFF, reference.Pixels[i] & 0xFFFFFF) << i;
    }
}

TEST(BitmapPlainLoad, TruncatedPlainImagesAreStillRefused) {
    auto file = EncodeBmp24(9, 9, Pattern(9, 9));
    file.resize(file.size() - 10);
    TBitmap b;
    EXPECT_THROW(b.LoadFromMemory(file), EGraphicsError);
    EXPECT_TRUE(b.Empty());
}
