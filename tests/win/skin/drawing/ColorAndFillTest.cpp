#include "skin/SUIPublic.h"
#include "tests/win/support/WinTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

constexpr TColor kBackground = 0x0A0B0C;
const TColor kFrom = ComposeRGB(10, 200, 30);
const TColor kTo = ComposeRGB(250, 20, 31);

// The component formulas written out independently of the code under test.
int DownStep(int c0, int c1, int top, int bottom, int y) {
    return c0 + static_cast<int>(
                    std::trunc(static_cast<double>(c1 - c0) / (bottom - top) * (y - top - 1)));
}
int AcrossStep(int c0, int c1, int left, int right, int x) {
    return c0 +
           static_cast<int>(std::trunc(static_cast<double>(c1 - c0) / (right - left) * (x - left)));
}

class GradientTest : public ::testing::Test {
protected:
    void SetUp() override { Fill(bitmap, 24, 20, kBackground); }
    TCanvas* canvas() { return bitmap.Canvas(); }
    TBitmap bitmap;
};

TEST_F(GradientTest, TwoRowsAreExactlyTheFromAndTheToLine) {
    PaintGradientDown(canvas(), Rect(2, 3, 12, 5), kFrom, kTo);
    for (int x = 0; x < 24; ++x)
        for (int y = 0; y < 20; ++y) {
            const bool inside = x >= 2 && x < 12;
            const TColor expected =
                inside && y == 3 ? kFrom : (inside && y == 4 ? kTo : kBackground);
            EXPECT_EQ(PixelOf(bitmap, x, y), expected) << x << "," << y;
        }
    EXPECT_EQ(canvas()->Pen()->Color(), kTo);
}

TEST_F(GradientTest, ZeroOrNegativeHeightOrWidthDrawsNothing) {
    canvas()->Pen()->SetColor(clBlack);
    PaintGradientDown(canvas(), Rect(2, 3, 12, 3), kFrom, kTo);
    PaintGradientAcross(canvas(), Rect(5, 0, 5, 10), kFrom, kTo);
    // Inverted rectangles count as empty rather than painting their edge lines.
    PaintGradientDown(canvas(), Rect(2, 9, 12, 3), kFrom, kTo);
    PaintGradientAcross(canvas(), Rect(9, 0, 5, 10), kFrom, kTo);
    EXPECT_EQ(CountPixels(bitmap, kBackground), 24 * 20);
    EXPECT_EQ(canvas()->Pen()->Color(), clBlack);
}

TEST_F(GradientTest, DownwardRowsFollowTheRowFormula) {
    const TRect r = Rect(1, 2, 20, 16); // 14 rows
    PaintGradientDown(canvas(), r, kFrom, kTo);
    for (int y = r.Top; y < r.Bottom; ++y) {
        TColor expected;
        if (y == r.Top)
            expected = kFrom;
        else if (y == r.Bottom - 1)
            expected = kTo;
        else
            expected = ComposeRGB(DownStep(10, 250, r.Top, r.Bottom, y),
                                  DownStep(200, 20, r.Top, r.Bottom, y),
                                  DownStep(30, 31, r.Top, r.Bottom, y));
        for (int x = r.Left; x < r.Right; ++x)
            ASSERT_EQ(PixelOf(bitmap, x, y), expected) << x << "," << y;
        EXPECT_EQ(PixelOf(bitmap, r.Left - 1, y), kBackground);
        EXPECT_EQ(PixelOf(bitmap, r.Right, y), kBackground); // the end point is not painted
    }
    EXPECT_EQ(PixelOf(bitmap, 5, r.Top - 1), kBackground);
    EXPECT_EQ(PixelOf(bitmap, 5, r.Bottom), kBackground);
    // Row Top + 1 repeats the From colour: the position is reduced by one.
    EXPECT_EQ(PixelOf(bitmap, 5, r.Top + 1), kFrom);
    EXPECT_EQ(canvas()->Pen()->Color(), kTo);
}

TEST_F(GradientTest, AcrossColumnsFollowTheColumnFormula) {
    const TRect r = Rect(2, 1, 17, 9); // 15 columns
    PaintGradientAcross(canvas(), r, kFrom, kTo);
    for (int x = r.Left; x < r.Right; ++x) {
        TColor expected;
        if (x == r.Left)
            expected = kFrom;
        else if (x == r.Right - 1)
            expected = kTo;
        else
            expected = ComposeRGB(AcrossStep(10, 250, r.Left, r.Right, x),
                                  AcrossStep(200, 20, r.Left, r.Right, x),
                                  AcrossStep(30, 31, r.Left, r.Right, x));
        for (int y = r.Top; y < r.Bottom; ++y)
            ASSERT_EQ(PixelOf(bitmap, x, y), expected) << x << "," << y;
        EXPECT_EQ(PixelOf(bitmap, x, r.Bottom), kBackground);
    }
    // Column Left + 1 already moved on: not reduced by one as the rows are.
    EXPECT_NE(PixelOf(bitmap, r.Left + 1, 4), kFrom);
    EXPECT_EQ(canvas()->Pen()->Color(), kTo);
}

TEST_F(GradientTest, SystemColoursAreResolvedForTheSteps) {
    const TRect r = Rect(0, 0, 4, 5);
    PaintGradientDown(canvas(), r, clBtnFace, clBlack);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(PixelOf(bitmap, 0, 0), static_cast<TColor>(face));
    EXPECT_EQ(PixelOf(bitmap, 0, 2), ComposeRGB(DownStep(GetRValue(face), 0, 0, 5, 2),
                                                DownStep(GetGValue(face), 0, 0, 5, 2),
                                                DownStep(GetBValue(face), 0, 0, 5, 2)));
}

TEST(SplitRGB, SystemColourGivesItsCurrentValue) {
    uint8_t r = 0, g = 0, b = 0;
    SplitRGB(clBtnFace, r, g, b);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(r, GetRValue(face));
    EXPECT_EQ(g, GetGValue(face));
    EXPECT_EQ(b, GetBValue(face));
    SplitRGB(ComposeRGB(1, 2, 3), r, g, b);
    EXPECT_EQ((std::array<int, 3>{r, g, b}), (std::array<int, 3>{1, 2, 3}));
    EXPECT_EQ(ComposeRGB(0x1FF, 0x102, 0x3), 0x0302FF); // components masked to 8 bits
}

TEST(ColoredRects, FrameAndFillLeaveTheBrushColourChanged) {
    TBitmap bitmap;
    Fill(bitmap, 12, 10, kBackground);
    FrameRectColored(bitmap.Canvas(), Rect(1, 1, 7, 6), kFrom);
    EXPECT_EQ(bitmap.Canvas()->Brush()->Color(), kFrom);
    EXPECT_EQ(CountPixels(bitmap, kFrom), 2 * 6 + 2 * 3);
    EXPECT_EQ(PixelOf(bitmap, 6, 5), kFrom);
    EXPECT_EQ(PixelOf(bitmap, 3, 3), kBackground);
    EXPECT_EQ(PixelOf(bitmap, 7, 5), kBackground);

    FillRectColored(bitmap.Canvas(), Rect(8, 2, 11, 9), kTo);
    EXPECT_EQ(bitmap.Canvas()->Brush()->Color(), kTo);
    EXPECT_EQ(CountPixels(bitmap, kTo), 3 * 7);
    EXPECT_EQ(PixelOf(bitmap, 11, 2), kBackground);
}

} // namespace
