#include "skin/SUIMenu.h"
#include "skin/SUIPublic.h"
#include "tests/win/support/WinTestSupport.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr TColor kBackground = 0x102030;
constexpr TColor kMask = clFuchsia;
constexpr int kFrame = 5;  // frame width of the three-slice strip
constexpr int kHeight = 4; // its height

// Left cap: red ramp by column; middle: green by row; right cap: blue ramp by column. Each
// frame has one mask-coloured pixel at (1, 1) of the frame.
TColor StripPixel(int x, int y) {
    if (x % kFrame == 1 && y == 1)
        return kMask;
    const int frame = x / kFrame, column = x % kFrame;
    if (frame == 0)
        return ComposeRGB(100 + column * 10, y, 0);
    if (frame == 1)
        return ComposeRGB(0, 100 + y * 20, 0);
    return ComposeRGB(0, y, 100 + column * 10);
}

void MakeStrip(TBitmap& strip) {
    Fill(strip, 3 * kFrame, kHeight, clBlack);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < 3 * kFrame; ++x)
            strip.Canvas()->SetPixels(x, y, StripPixel(x, y));
}

class ThreeSliceBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        MakeStrip(strip);
        Fill(target, 40, 12, kBackground);
    }
    TBitmap strip, target;
};

TEST_F(ThreeSliceBarTest, NarrowerThanOneFrameShowsTheLeftPartOfTheLeftCapOnly) {
    DrawThreeSliceBar(&strip, target.Canvas(), Rect(3, 2, 3 + kFrame - 1, 10), kMask, true);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 3 && x < 3 + kFrame - 1 && y >= 2 && y < 2 + kHeight;
            // Drawn unmasked: the mask-coloured pixel shows.
            EXPECT_EQ(PixelOf(target, x, y), inside ? StripPixel(x - 3, y - 2) : kBackground)
                << x << "," << y;
        }
}

TEST_F(ThreeSliceBarTest, WideBarHasMaskedCapsAndAStretchedOpaqueMiddleAtTheBitmapsHeight) {
    const TRect bar = Rect(2, 1, 32, 11); // 30 wide, taller than the bitmap
    DrawThreeSliceBar(&strip, target.Canvas(), bar, kMask, true);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 40; ++x) {
            TColor expected = kBackground;
            const int row = y - bar.Top;
            if (row >= 0 && row < kHeight && x >= bar.Left && x < bar.Right) {
                if (x < bar.Left + kFrame)
                    expected = StripPixel(x - bar.Left, row);
                else if (x >= bar.Right - kFrame)
                    expected = StripPixel(2 * kFrame + x - (bar.Right - kFrame), row);
                else
                    expected = row == 1 ? TColor{-1} : StripPixel(kFrame + 2, row);
                if (expected == kMask)
                    expected = kBackground; // the caps leave the masked pixels alone
            }
            if (expected == -1)
                continue; // the middle's mask-coloured column, checked below
            EXPECT_EQ(PixelOf(target, x, y), expected) << x << "," << y;
        }
    // The middle is drawn opaque: the mask colour of its frame shows, stretched 5 -> 20.
    int maskInMiddle = 0;
    for (int x = bar.Left + kFrame; x < bar.Right - kFrame; ++x)
        maskInMiddle += PixelOf(target, x, bar.Top + 1) == kMask;
    EXPECT_EQ(maskInMiddle, 4);
}

TEST_F(ThreeSliceBarTest, WithoutTransparencyTheCapsAreOpaqueToo) {
    DrawThreeSliceBar(&strip, target.Canvas(), Rect(0, 0, 20, 4), kMask, false);
    EXPECT_EQ(PixelOf(target, 1, 1), kMask);
    EXPECT_EQ(PixelOf(target, 16, 1), kMask);
    EXPECT_EQ(PixelOf(target, 0, 0), StripPixel(0, 0));
    EXPECT_EQ(PixelOf(target, 19, 3), StripPixel(14, 3));
}

TEST_F(ThreeSliceBarTest, BitmapTooNarrowForThreeFramesDrawsNothing) {
    TBitmap tiny;
    Fill(tiny, 2, 4, clWhite);
    DrawThreeSliceBar(&tiny, target.Canvas(), Rect(0, 0, 20, 4), kMask, true);
    EXPECT_EQ(CountPixels(target, kBackground), 40 * 12);
}

// A strip whose column x has red x and green 255 - x.
void MakeIndexedStrip(TBitmap& strip, int width, int height) {
    Fill(strip, width, height, clBlack);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            strip.Canvas()->SetPixels(x, y, ComposeRGB(x, 255 - x, y));
}

void ExpectColumnsFrom(const TBitmap& frame, int firstColumn, int width, int height) {
    ASSERT_EQ(frame.Width(), width);
    ASSERT_EQ(frame.Height(), height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            ASSERT_EQ(PixelOf(frame, x, y), ComposeRGB(firstColumn + x, 255 - firstColumn - x, y))
                << x << "," << y;
}

TEST(CutFrameFromStrip, LastFrameIsFlushWithTheRightEdge) {
    TBitmap strip;
    MakeIndexedStrip(strip, 100, 3);
    TBitmap frame;
    CutFrameFromStrip(&strip, &frame, 3, 1);
    ExpectColumnsFrom(frame, 0, 33, 3);
    CutFrameFromStrip(&strip, &frame, 3, 2);
    ExpectColumnsFrom(frame, 33, 33, 3);
    CutFrameFromStrip(&strip, &frame, 3, 3); // column 66 falls between the frames
    ExpectColumnsFrom(frame, 67, 33, 3);
}

TEST(CutFrameFromStrip, DestKeepsItsTransparencySettings) {
    TBitmap strip;
    MakeIndexedStrip(strip, 100, 3);
    TBitmap frame;
    frame.SetTransparentColor(0x00FF00);
    frame.SetTransparent(true);
    CutFrameFromStrip(&strip, &frame, 3, 2);
    EXPECT_TRUE(frame.Transparent());
    EXPECT_EQ(frame.TransparentMode(), tmFixed);
    EXPECT_EQ(frame.TransparentColor(), 0x00FF00);
    ExpectColumnsFrom(frame, 33, 33, 3);
}

TEST(CutFrameFromStrip, SourceAndDestMayBeTheSameBitmap) {
    TBitmap strip;
    MakeIndexedStrip(strip, 100, 2);
    CutFrameFromStrip(&strip, &strip, 3, 3);
    ExpectColumnsFrom(strip, 67, 33, 2);
}

// The MacOS pictures against the same resource cut and stretched here.
class MacMenuPictureTest : public ::testing::Test {
protected:
    static std::vector<TColor> Expected(const char* resource, int rows, const TRect& rect) {
        TBitmap picture;
        picture.LoadFromResourceName(GetModuleHandleA(nullptr), resource);
        picture.SetHeight(rows);
        TBitmap out;
        Fill(out, 30, 50, kBackground);
        out.Canvas()->StretchDraw(rect, &picture);
        return PixelsOf(out);
    }
    static std::set<TColor> RowColors(const char* resource, int firstRow, int lastRow) {
        TBitmap picture;
        picture.LoadFromResourceName(GetModuleHandleA(nullptr), resource);
        std::set<TColor> colors;
        for (int y = firstRow; y <= lastRow; ++y)
            colors.insert(PixelOf(picture, 0, y));
        return colors;
    }
    void Check(void (*paint)(TCanvas*, TRect), const char* resource, int rows) {
        const TRect rect = Rect(3, 2, 27, 2 + 2 * rows);
        TBitmap drawn;
        Fill(drawn, 30, 50, kBackground);
        paint(drawn.Canvas(), rect);
        EXPECT_EQ(PixelsOf(drawn), Expected(resource, rows, rect));
        EXPECT_EQ(PixelOf(drawn, 3, 2), *RowColors(resource, 0, 0).begin());
        EXPECT_EQ(PixelOf(drawn, 26, 2 * rows + 1),
                  *RowColors(resource, rows - 1, rows - 1).begin());
        EXPECT_EQ(PixelOf(drawn, 2, 2), kBackground);
        EXPECT_EQ(PixelOf(drawn, 3, 2 + 2 * rows), kBackground);
        // Only the kept upper rows appear.
        const std::set<TColor> kept = RowColors(resource, 0, rows - 1);
        for (int y = rect.Top; y < rect.Bottom; ++y)
            EXPECT_TRUE(kept.count(PixelOf(drawn, 10, y))) << y;
    }
};

TEST_F(MacMenuPictureTest, SeparatorIsTheTop12RowsOfTheMenuBarPicture) {
    Check(PaintMacMenuSeparator, "MACOS_MENU_BAR", 12);
}

TEST_F(MacMenuPictureTest, HighlightIsTheTop20RowsOfTheSelectionPicture) {
    Check(PaintMacMenuHighlight, "MACOS_MENU_SELECT", 20);
}

TEST_F(MacMenuPictureTest, BackgroundIsTheTop20RowsOfTheMenuBarPicture) {
    Check(PaintMacMenuBackground, "MACOS_MENU_BAR", 20);
}

} // namespace
