#include "tests/win/support/Pixels.h"

#include "framework/ImgList.h"

#include <gtest/gtest.h>

namespace {
constexpr TColor kRed = 0x0000FF;
constexpr TColor kBlue = 0xFF0000;
constexpr TColor kGreen = 0x00FF00;
constexpr TColor kMagenta = clFuchsia;

// A strip of three 4 x 4 frames: red, green, blue squares on a magenta background, each
// square 2 x 2 at the frame's centre.
void MakeStrip(TBitmap& strip) {
    Fill(strip, 12, 4, kMagenta);
    const TColor colours[] = {kRed, kGreen, kBlue};
    for (int i = 0; i < 3; ++i) {
        strip.Canvas()->Brush()->SetColor(colours[i]);
        strip.Canvas()->FillRect(Rect(4 * i + 1, 1, 4 * i + 3, 3));
    }
}

class ImageListTest : public ::testing::Test {
protected:
    void SetUp() override {
        list.SetWidth(4);
        list.SetHeight(4);
        MakeStrip(strip);
        Fill(target, 10, 10, clWhite);
    }
    TImageList list{nullptr};
    TBitmap strip, target;
};

TEST_F(ImageListTest, AddMaskedSplitsAStripIntoFrames) {
    EXPECT_EQ(list.AddMasked(&strip, kMagenta), 0);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.AddMasked(&strip, kMagenta), 3);
    EXPECT_EQ(list.Count(), 6);
}

TEST_F(ImageListTest, MaskedDrawLeavesMaskedPixelsUntouched) {
    list.AddMasked(&strip, kMagenta);
    target.Canvas()->Brush()->SetColor(kBlue);
    target.Canvas()->FillRect(Rect(0, 0, 5, 10)); // half blue, half white under the image
    list.Draw(*target.Canvas(), 3, 3, 1);
    EXPECT_EQ(CountPixels(target, kMagenta), 0);
    EXPECT_EQ(CountPixels(target, kGreen), 4);
    EXPECT_EQ(PixelOf(target, 4, 4), kGreen);
    EXPECT_EQ(PixelOf(target, 3, 3), kBlue);
    EXPECT_EQ(PixelOf(target, 6, 6), clWhite);
    EXPECT_EQ(CountPixels(target, kBlue), 50 - 2);
}

TEST_F(ImageListTest, UnmaskedImagesDrawOpaque) {
    list.AddMasked(&strip, clNone);
    list.Draw(*target.Canvas(), 0, 0, 2);
    EXPECT_EQ(CountPixels(target, kMagenta), 12);
    EXPECT_EQ(CountPixels(target, kBlue), 4);

    TImageList masked(nullptr);
    masked.SetWidth(4);
    masked.SetHeight(4);
    masked.AddMasked(&strip, kMagenta);
    masked.SetMasked(false);
    Fill(target, 10, 10, clWhite);
    masked.Draw(*target.Canvas(), 0, 0, 0);
    EXPECT_EQ(CountPixels(target, kMagenta), 12);
}

TEST_F(ImageListTest, AddWithAMaskBitmap) {
    TBitmap mask;
    Fill(mask, 12, 4, clBlack);
    mask.Canvas()->SetPixels(0, 0, clWhite); // only the top-left pixel is transparent
    list.Add(&strip, &mask);
    target.Canvas()->SetPixels(0, 0, kRed);
    list.Draw(*target.Canvas(), 0, 0, 0);
    EXPECT_EQ(PixelOf(target, 0, 0), kRed);
    EXPECT_EQ(PixelOf(target, 1, 0), kMagenta);
    EXPECT_EQ(CountPixels(target, kMagenta), 11);

    list.Add(&strip, nullptr);
    EXPECT_EQ(list.Count(), 6);
}

TEST_F(ImageListTest, GetBitmapCopiesOneImageOut) {
    list.AddMasked(&strip, kMagenta);
    TBitmap frame;
    frame.SetTransparent(true);
    list.GetBitmap(2, &frame);
    EXPECT_EQ(frame.Width(), 4);
    EXPECT_EQ(frame.Height(), 4);
    EXPECT_TRUE(frame.Transparent());
    EXPECT_EQ(PixelOf(frame, 0, 0), kMagenta);
    EXPECT_EQ(PixelOf(frame, 1, 1), kBlue);
    EXPECT_EQ(CountPixels(frame, kBlue), 4);

    list.GetBitmap(7, &frame); // out of range: untouched
    EXPECT_EQ(frame.Width(), 4);
}

TEST_F(ImageListTest, OutOfRangeAndTooNarrowImages) {
    list.AddMasked(&strip, kMagenta);
    list.Draw(*target.Canvas(), 0, 0, 3);
    list.Draw(*target.Canvas(), 0, 0, -1);
    EXPECT_EQ(CountPixels(target, clWhite), 100);
    TBitmap narrow;
    Fill(narrow, 3, 4, kRed);
    EXPECT_THROW(list.AddMasked(&narrow, kMagenta), EGraphicsError);
    EXPECT_EQ(list.Count(), 3);
}

TEST_F(ImageListTest, DisabledImagesAreEmbossedInButtonColours) {
    list.AddMasked(&strip, kMagenta);
    Fill(target, 10, 10, clBlack);
    list.Draw(*target.Canvas(), 2, 2, 0, false);
    const TColor shadow = static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW));
    const TColor highlight = static_cast<TColor>(GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(CountPixels(target, kRed), 0);
    EXPECT_EQ(PixelOf(target, 3, 3), shadow);
    EXPECT_EQ(PixelOf(target, 4, 4), shadow);
    EXPECT_EQ(PixelOf(target, 5, 5), highlight);
    EXPECT_EQ(PixelOf(target, 2, 2), clBlack); // masked: untouched
}

TEST_F(ImageListTest, ResizingEmptiesTheList) {
    list.AddMasked(&strip, kMagenta);
    list.SetWidth(2);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.AddMasked(&strip, kMagenta), 0);
    EXPECT_EQ(list.Count(), 6);
}
} // namespace
