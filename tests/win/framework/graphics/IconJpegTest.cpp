#include "GraphicsFixtures.h"
#include "tests/win/support/Pixels.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {
constexpr TColor kRed = 0x0000FF;
constexpr TColor kBlue = 0xFF0000;

TEST(Icon, LoadsTheEntryClosestToTheWantedSize) {
    const std::vector<uint8_t> file = ReadFixture("twosizes.ico");
    TIcon icon;
    icon.LoadFromMemory(file.data(), file.size(), 16);
    EXPECT_EQ(icon.Width(), 16);
    EXPECT_EQ(icon.Height(), 16);
    icon.LoadFromMemory(file.data(), file.size(), 30);
    EXPECT_EQ(icon.Width(), 32);
    icon.LoadFromMemory(file);
    EXPECT_EQ(icon.Width(), 32); // the largest without a wish
    EXPECT_TRUE(icon.Transparent());
}

TEST(Icon, DrawsItsPixels) {
    const std::vector<uint8_t> file = ReadFixture("twosizes.ico");
    TIcon icon;
    icon.LoadFromMemory(file.data(), file.size(), 16);
    TBitmap target;
    Fill(target, 20, 20, clWhite);
    target.Canvas()->Draw(2, 2, &icon);
    EXPECT_EQ(CountPixels(target, kRed), 16 * 16);
    EXPECT_EQ(PixelOf(target, 2, 2), kRed);
    EXPECT_EQ(PixelOf(target, 18, 18), clWhite);
}

TEST(Icon, LoadsFromResourcesAndCopies) {
    TIcon icon;
    icon.LoadFromResourceName(GetModuleHandleA(nullptr), "TEST_ICON", 32);
    EXPECT_EQ(icon.Width(), 32);
    TIcon copy;
    copy.Assign(&icon);
    EXPECT_EQ(copy.Width(), 32);
    EXPECT_NE(copy.Handle(), icon.Handle());
    TBitmap target;
    Fill(target, 32, 32, clWhite);
    target.Canvas()->Draw(0, 0, &copy);
    EXPECT_EQ(CountPixels(target, kBlue), 32 * 32);

    EXPECT_THROW(icon.LoadFromResourceName(GetModuleHandleA(nullptr), "NO_SUCH_ICON"),
                 EGraphicsError);
    EXPECT_EQ(icon.Width(), 32);
}

TEST(Icon, RejectsDataThatIsNoIconFile) {
    TIcon icon;
    const std::vector<uint8_t> notIcon{0, 0, 2, 0, 1, 0};
    EXPECT_THROW(icon.LoadFromMemory(notIcon), EGraphicsError);
    // One entry whose image lies beyond the end of the data.
    std::vector<uint8_t> file = ReadFixture("twosizes.ico");
    file.resize(40);
    EXPECT_THROW(icon.LoadFromMemory(file), EGraphicsError);
    EXPECT_TRUE(icon.Empty());
}

bool Near(TColor actual, TColor expected) {
    constexpr int tolerance = 40;
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(((actual >> shift) & 0xFF) - ((expected >> shift) & 0xFF)) > tolerance)
            return false;
    return true;
}

// The test pictures: red, green, blue and white quadrants of 8 x 8 pixels.
void ExpectQuadrants(const TJPEGImage& jpeg) {
    EXPECT_PRED2(Near, PixelOf(jpeg.Bitmap(), 3, 3), kRed);
    EXPECT_PRED2(Near, PixelOf(jpeg.Bitmap(), 12, 3), static_cast<TColor>(0x00FF00));
    EXPECT_PRED2(Near, PixelOf(jpeg.Bitmap(), 3, 12), kBlue);
    EXPECT_PRED2(Near, PixelOf(jpeg.Bitmap(), 12, 12), clWhite);
}

TEST(Jpeg, DecodesToTheRightColours) {
    TJPEGImage jpeg;
    jpeg.LoadFromMemory(ReadFixture("quadrants.jpg"));
    ASSERT_EQ(jpeg.Width(), 16);
    ASSERT_EQ(jpeg.Height(), 16);
    ExpectQuadrants(jpeg);
}

TEST(Jpeg, DrawsLikeABitmap) {
    TJPEGImage jpeg;
    jpeg.LoadFromMemory(ReadFixture("quadrants.jpg"));
    TBitmap target;
    Fill(target, 40, 40, clBlack);
    target.Canvas()->StretchDraw(Rect(0, 0, 32, 32), &jpeg);
    EXPECT_PRED2(Near, PixelOf(target, 6, 6), kRed);
    EXPECT_PRED2(Near, PixelOf(target, 25, 25), clWhite);
    EXPECT_EQ(PixelOf(target, 35, 35), clBlack);

    TJPEGImage copy;
    copy.Assign(&jpeg);
    EXPECT_EQ(copy.Bitmap().CopyPixels(), jpeg.Bitmap().CopyPixels());
}

TEST(Jpeg, GreyPicturesComeOutGrey) {
    TJPEGImage jpeg;
    jpeg.LoadFromMemory(ReadFixture("gray.jpg"));
    ASSERT_EQ(jpeg.Width(), 16);
    const std::vector<uint32_t> pixels = jpeg.Bitmap().CopyPixels();
    for (uint32_t p : pixels) {
        ASSERT_EQ(p & 0xFF, (p >> 8) & 0xFF);
        ASSERT_EQ(p & 0xFF, (p >> 16) & 0xFF);
    }
    EXPECT_PRED2(Near, PixelOf(jpeg.Bitmap(), 8, 0), static_cast<TColor>(0x202020));
    EXPECT_PRED2(Near, PixelOf(jpeg.Bitmap(), 8, 15), static_cast<TColor>(0xE0E0E0));
}

TEST(Jpeg, CmykPicturesAreConvertedToRgb) {
    TJPEGImage jpeg;
    jpeg.LoadFromMemory(ReadFixture("cmyk.jpg"));
    ASSERT_EQ(jpeg.Width(), 16);
    ExpectQuadrants(jpeg);
}

TEST(Jpeg, BrokenDataRaisesAndKeepsThePicture) {
    TJPEGImage jpeg;
    jpeg.LoadFromMemory(ReadFixture("quadrants.jpg"));
    const std::vector<uint8_t> garbage{0xFF, 0xD8, 0xFF, 0x00, 1, 2, 3};
    EXPECT_THROW(jpeg.LoadFromMemory(garbage), EGraphicsError);
    EXPECT_THROW(jpeg.LoadFromMemory(std::vector<uint8_t>{}), EGraphicsError);
    EXPECT_EQ(jpeg.Width(), 16);
}

TEST(Jpeg, HugeDeclaredSizesAreRefusedBeforeDecoding) {
    std::vector<uint8_t> file = ReadFixture("quadrants.jpg");
    size_t sof = 0;
    for (size_t i = 0; i + 8 < file.size(); ++i)
        if (file[i] == 0xFF && file[i + 1] == 0xC0) {
            sof = i;
            break;
        }
    ASSERT_NE(sof, 0u);
    // Height and width fields of the frame header: 60000 x 60000.
    file[sof + 5] = file[sof + 7] = 0xEA;
    file[sof + 6] = file[sof + 8] = 0x60;
    TJPEGImage jpeg;
    EXPECT_THROW(jpeg.LoadFromMemory(file), EGraphicsError);
    EXPECT_TRUE(jpeg.Empty());
}
} // namespace
