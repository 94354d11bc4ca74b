#include "GraphicsFixtures.h"
#include "tests/win/support/Pixels.h"

#include "framework/BmpDecoder.h"

#include <gtest/gtest.h>

namespace {
constexpr TColor kRed = 0x0000FF;
constexpr TColor kBlue = 0xFF0000;
constexpr TColor kMagenta = clFuchsia;

// A 3 x 3 picture: magenta frame (top-left pixel included), red centre.
void MakeFramedRed(TBitmap& b, TPixelFormat format = pf24bit) {
    Fill(b, 3, 3, kMagenta, format);
    b.Canvas()->SetPixels(1, 1, kRed);
}

// A bottom-up indexed BMP file image; `indices` top-down, one per pixel.
std::vector<uint8_t> IndexedBmp(int bpp, int width, int height,
                                const std::vector<uint32_t>& paletteRGB,
                                const std::vector<int>& indices) {
    const size_t stride = ((static_cast<size_t>(width) * bpp + 31) / 32) * 4;
    std::vector<uint8_t> out(14 + 40 + 4 * paletteRGB.size() + stride * height, 0);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    const size_t offset = 14 + 40 + 4 * paletteRGB.size();
    out[0] = 'B';
    out[1] = 'M';
    put32(2, static_cast<uint32_t>(out.size()));
    put32(10, static_cast<uint32_t>(offset));
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    out[26] = 1;
    out[28] = static_cast<uint8_t>(bpp);
    put32(46, static_cast<uint32_t>(paletteRGB.size()));
    for (size_t i = 0; i < paletteRGB.size(); ++i)
        put32(54 + 4 * i, paletteRGB[i]); // 0x00RRGGBB is B, G, R, 0 in memory
    for (int y = 0; y < height; ++y) {
        uint8_t* row = &out[offset + stride * (height - 1 - y)];
        for (int x = 0; x < width; ++x) {
            const int bit = x * bpp;
            row[bit / 8] |= static_cast<uint8_t>(indices[static_cast<size_t>(y) * width + x]
                                                 << (8 - bpp - bit % 8));
        }
    }
    return out;
}

TEST(BitmapSize, ResizingKeepsWhatFitsAndWhitensTheRest) {
    TBitmap b;
    Fill(b, 4, 3, kRed);
    b.Canvas()->SetPixels(3, 2, kBlue);
    b.SetSize(6, 5);
    EXPECT_EQ(b.Width(), 6);
    EXPECT_EQ(b.Height(), 5);
    EXPECT_EQ(PixelOf(b, 0, 0), kRed);
    EXPECT_EQ(PixelOf(b, 3, 2), kBlue);
    EXPECT_EQ(PixelOf(b, 4, 0), clWhite);
    EXPECT_EQ(PixelOf(b, 0, 3), clWhite);
    EXPECT_EQ(CountPixels(b, kRed), 4 * 3 - 1);

    b.SetHeight(2); // keeps the upper rows
    EXPECT_EQ(b.Height(), 2);
    EXPECT_EQ(CountPixels(b, kRed), 4 * 2);
    EXPECT_EQ(CountPixels(b, kBlue), 0);

    b.SetSize(0, 0);
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.Handle(), nullptr);
}

TEST(BitmapSize, ACanvasMadeBeforeResizingDrawsOnTheNewPixels) {
    TBitmap b;
    TCanvas* canvas = b.Canvas();
    canvas->Brush()->SetColor(kBlue);
    b.SetPixelFormat(pf24bit);
    b.SetSize(2, 2);
    canvas->FillRect(Rect(0, 0, 2, 2));
    b.SetSize(3, 3);
    canvas->FillRect(Rect(2, 2, 3, 3));
    EXPECT_EQ(CountPixels(b, kBlue), 5);
}

TEST(BitmapSize, OversizedBitmapsAreRefused) {
    TBitmap b;
    EXPECT_THROW(b.SetSize(100000, 10), EGraphicsError);
    EXPECT_THROW(b.SetSize(30000, 30000), EGraphicsError);
    EXPECT_TRUE(b.Empty());
}

TEST(BitmapFormat, DeviceDependentBitmapsHaveTheScreensFormatAndNoScanLines) {
    TBitmap b;
    EXPECT_EQ(b.PixelFormat(), pfDevice);
    Fill(b, 3, 2, kRed, pfDevice);
    DIBSECTION ds{};
    EXPECT_EQ(GetObjectA(b.Handle(), sizeof ds, &ds), static_cast<int>(sizeof(BITMAP)));
    TWindowDC screen(nullptr);
    EXPECT_EQ(ds.dsBm.bmBitsPixel, GetDeviceCaps(screen.Get(), BITSPIXEL));
    EXPECT_THROW(b.ScanLine(0), EGraphicsError);
    EXPECT_EQ(PixelOf(b, 2, 1), kRed);
}

TEST(BitmapFormat, ConversionsKeepThePixels) {
    TBitmap b;
    MakeFramedRed(b, pf24bit);
    DIBSECTION ds{};
    ASSERT_EQ(GetObjectA(b.Handle(), sizeof ds, &ds), static_cast<int>(sizeof ds));
    EXPECT_EQ(ds.dsBmih.biBitCount, 24);
    const std::vector<uint32_t> before = b.CopyPixels();

    b.SetPixelFormat(pfDevice);
    EXPECT_EQ(b.CopyPixels(), before);
    b.SetPixelFormat(pf32bit);
    ASSERT_EQ(GetObjectA(b.Handle(), sizeof ds, &ds), static_cast<int>(sizeof ds));
    EXPECT_EQ(ds.dsBmih.biBitCount, 32);
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(b.CopyPixels()[i], before[i] | 0xFF000000u);
    b.SetPixelFormat(pf24bit);
    EXPECT_EQ(b.CopyPixels(), before);
}

TEST(BitmapFormat, ScanLinesAreTopDownRows) {
    TBitmap b;
    Fill(b, 2, 2, clWhite, pf24bit);
    b.Canvas()->SetPixels(1, 0, kRed);
    const uint8_t* row0 = b.ScanLine(0);
    EXPECT_EQ(row0[3], 0x00);
    EXPECT_EQ(row0[4], 0x00);
    EXPECT_EQ(row0[5], 0xFF); // B, G, R
    uint8_t* row1 = b.ScanLine(1);
    row1[0] = 0xFF;
    row1[1] = row1[2] = 0;
    EXPECT_EQ(b.Canvas()->Pixels(0, 1), kBlue);
    EXPECT_THROW(b.ScanLine(2), EGraphicsError);
}

class BitmapDraw : public ::testing::TestWithParam<TPixelFormat> {
protected:
    void SetUp() override {
        // Device-dependent targets (as composition bitmaps are) and DIB targets both.
        Fill(target, 8, 8, kBlue, GetParam() == pf24bit ? pfDevice : pf24bit);
        MakeFramedRed(picture, GetParam());
    }
    TBitmap target, picture;
};

TEST_P(BitmapDraw, OpaqueDrawCopiesEveryPixel) {
    target.Canvas()->Draw(2, 2, &picture);
    EXPECT_EQ(CountPixels(target, kMagenta), 8);
    EXPECT_EQ(PixelOf(target, 3, 3), kRed);
    EXPECT_EQ(PixelOf(target, 2, 2), kMagenta);
    EXPECT_EQ(PixelOf(target, 5, 5), kBlue);
}

TEST_P(BitmapDraw, TransparentDrawLeavesOutExactlyTheTransparentColour) {
    picture.SetTransparent(true);
    EXPECT_EQ(picture.TransparentColor(), kMagenta);
    target.Canvas()->Draw(2, 2, &picture);
    EXPECT_EQ(CountPixels(target, kMagenta), 0);
    EXPECT_EQ(CountPixels(target, kRed), 1);
    EXPECT_EQ(PixelOf(target, 3, 3), kRed);
    EXPECT_EQ(CountPixels(target, kBlue), 64 - 1);
}

TEST_P(BitmapDraw, AFixedTransparentColourOverridesTheCorner) {
    picture.SetTransparent(true);
    picture.SetTransparentColor(kRed);
    EXPECT_EQ(picture.TransparentMode(), tmFixed);
    target.Canvas()->Draw(0, 0, &picture);
    EXPECT_EQ(CountPixels(target, kMagenta), 8);
    EXPECT_EQ(PixelOf(target, 1, 1), kBlue);

    picture.SetTransparentColor(clDefault);
    EXPECT_EQ(picture.TransparentMode(), tmAuto);
    EXPECT_EQ(picture.TransparentColor(), kMagenta);
}

TEST_P(BitmapDraw, StretchDrawScalesOpaqueAndTransparent) {
    target.Canvas()->StretchDraw(Rect(0, 0, 6, 6), &picture);
    EXPECT_EQ(CountPixels(target, kRed), 4);
    EXPECT_EQ(PixelOf(target, 2, 2), kRed);
    EXPECT_EQ(PixelOf(target, 3, 3), kRed);
    EXPECT_EQ(CountPixels(target, kMagenta), 32);

    target.Canvas()->Brush()->SetColor(kBlue);
    target.Canvas()->FillRect(Rect(0, 0, 8, 8));
    picture.SetTransparent(true);
    target.Canvas()->StretchDraw(Rect(0, 0, 6, 6), &picture);
    EXPECT_EQ(CountPixels(target, kRed), 4);
    EXPECT_EQ(CountPixels(target, kMagenta), 0);
    EXPECT_EQ(CountPixels(target, kBlue), 60);
}

INSTANTIATE_TEST_SUITE_P(Formats, BitmapDraw, ::testing::Values(pfDevice, pf24bit, pf32bit));

TEST(BitmapAssign, CopiesPixelsAndTransparencyDeeply) {
    TBitmap original;
    MakeFramedRed(original);
    original.SetTransparent(true);
    original.SetTransparentColor(kRed);
    TBitmap copy;
    copy.Assign(&original);
    EXPECT_EQ(copy.Width(), 3);
    EXPECT_EQ(copy.PixelFormat(), pf24bit);
    EXPECT_TRUE(copy.Transparent());
    EXPECT_EQ(copy.TransparentColor(), kRed);
    EXPECT_EQ(copy.CopyPixels(), original.CopyPixels());
    EXPECT_NE(copy.Handle(), original.Handle());

    copy.Canvas()->SetPixels(0, 0, kBlue);
    EXPECT_EQ(PixelOf(original, 0, 0), kMagenta);

    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
}

TEST(BitmapAssign, OtherGraphicsCannotBeAssigned) {
    TBitmap b;
    TIcon icon;
    EXPECT_THROW(b.Assign(&icon), EPropertyError);
    TJPEGImage jpeg;
    EXPECT_THROW(b.Assign(&jpeg), EPropertyError);
}

TEST(BitmapLoad, TwentyFourBitFilesRoundTrip) {
    std::vector<uint32_t> pixels;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            pixels.push_back(static_cast<uint32_t>((x * 40) << 16 | (y * 60) << 8 | 7));
    TBitmap b;
    b.LoadFromMemory(EncodeBmp24(5, 3, pixels));
    EXPECT_EQ(b.Width(), 5);
    EXPECT_EQ(b.Height(), 3);
    EXPECT_EQ(b.PixelFormat(), pf24bit);
    EXPECT_EQ(b.CopyPixels(), pixels);

    const std::vector<uint8_t> saved = b.SaveToMemory();
    const TDecodedBmp decoded = DecodeBmpFile(saved.data(), saved.size());
    EXPECT_EQ(decoded.BitsPerPixel, 24);
    ASSERT_EQ(decoded.Pixels.size(), pixels.size());
    for (size_t i = 0; i < pixels.size(); ++i)
        EXPECT_EQ(decoded.Pixels[i] & 0xFFFFFF, pixels[i]);
}

TEST(BitmapLoad, IndexedFilesOfEachDepth) {
    const std::vector<uint32_t> palette{0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    const std::vector<int> twoColours{0, 1, 1, 0, 1, 0};
    const std::vector<int> fourColours{0, 1, 2, 3, 3, 2};
    struct Case {
        int Bpp;
        const std::vector<int>* Indices;
    };
    for (const Case& c : {Case{1, &twoColours}, Case{4, &fourColours}, Case{8, &fourColours}}) {
        SCOPED_TRACE(c.Bpp);
        TBitmap b;
        const size_t colours = c.Bpp == 1 ? 2 : 4;
        b.LoadFromMemory(IndexedBmp(
            c.Bpp, 3, 2, std::vector<uint32_t>(palette.begin(), palette.begin() + colours),
            *c.Indices));
        ASSERT_EQ(b.Width(), 3);
        ASSERT_EQ(b.Height(), 2);
        const std::vector<uint32_t> pixels = b.CopyPixels();
        for (size_t i = 0; i < pixels.size(); ++i)
            EXPECT_EQ(pixels[i], palette[static_cast<size_t>((*c.Indices)[i])]) << i;
    }
}

TEST(BitmapLoad, AlphaChannelsMakeThirtyTwoBitBitmaps) {
    TBitmap b;
    b.LoadFromMemory(ReadFixture("alpha32.bmp"));
    EXPECT_EQ(b.PixelFormat(), pf32bit);
    EXPECT_EQ(b.CopyPixels()[0], 0x80FF0000u);
    EXPECT_EQ(b.CopyPixels()[2], 0x000000FFu);
}

TEST(BitmapLoad, BrokenFilesLeaveTheBitmapAsItWas) {
    TBitmap b;
    MakeFramedRed(b);
    std::vector<uint8_t> file = EncodeBmp24(2, 2, {1, 2, 3, 4});
    file.resize(file.size() - 5);
    EXPECT_THROW(b.LoadFromMemory(file), EGraphicsError);
    const std::vector<uint8_t> garbage{'B', 'M', 0, 0};
    EXPECT_THROW(b.LoadFromMemory(garbage), EGraphicsError);
    EXPECT_EQ(b.Width(), 3);
    EXPECT_EQ(PixelOf(b, 1, 1), kRed);
}

TEST(BitmapResource, TwentyFourBitResource) {
    TBitmap b;
    b.LoadFromResourceName(GetModuleHandleA(nullptr), "TEST_GRADIENT24");
    ASSERT_EQ(b.Width(), 5);
    ASSERT_EQ(b.Height(), 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(b.CopyPixels()[static_cast<size_t>(y) * 5 + x],
                      static_cast<uint32_t>((x * 50) << 16 | (y * 80) << 8 | 200));
}

TEST(BitmapResource, FourBitCheckGlyph) {
    TBitmap b;
    b.LoadFromResourceName(GetModuleHandleA(nullptr), "MENU_CHECKED");
    ASSERT_EQ(b.Width(), 16);
    ASSERT_EQ(b.Height(), 16);
    EXPECT_EQ(PixelOf(b, 0, 0), clBlack);
    EXPECT_EQ(PixelOf(b, 5, 4), clBlack);
    EXPECT_EQ(PixelOf(b, 15, 0), clWhite);
    EXPECT_EQ(CountPixels(b, clBlack), 16 + 15);
}

TEST(BitmapResource, ThirtyTwoBitResourceKeepsAlpha) {
    TBitmap b;
    b.LoadFromResourceName(GetModuleHandleA(nullptr), "TEST_ALPHA32");
    EXPECT_EQ(b.PixelFormat(), pf32bit);
    EXPECT_EQ(b.CopyPixels()[0] >> 24, 0x80u);
}

TEST(BitmapResource, MissingResourceRaises) {
    TBitmap b;
    EXPECT_THROW(b.LoadFromResourceName(GetModuleHandleA(nullptr), "NO_SUCH_BITMAP"),
                 EGraphicsError);
}

TEST(BitmapHandle, AdoptsForeignBitmaps) {
    TWindowDC screen(nullptr);
    TOwnedBitmapHandle ddb(CreateCompatibleBitmap(screen.Get(), 4, 2));
    {
        TMemoryDC dc(nullptr);
        TScopedSelect select(dc.Get(), ddb.Get());
        PatBlt(dc.Get(), 0, 0, 4, 2, WHITENESS);
    }
    TBitmap b;
    b.SetHandle(std::move(ddb));
    EXPECT_EQ(b.Width(), 4);
    EXPECT_EQ(b.Height(), 2);
    EXPECT_EQ(CountPixels(b, clWhite), 8);
}

TEST(BitmapProperties, ReachableByName) {
    TBitmap b;
    SetOrdProp(b, "Transparent", 1);
    EXPECT_TRUE(b.Transparent());
    SetOrdProp(b, "TransparentColor", kRed);
    EXPECT_EQ(b.TransparentColor(), kRed);
    EXPECT_EQ(GetOrdProp(b, "TransparentMode"), tmFixed);
    SetOrdProp(b, "PixelFormat", pf32bit);
    EXPECT_EQ(b.PixelFormat(), pf32bit);
}
} // namespace
