#include "tests/win/support/Pixels.h"

#include <gtest/gtest.h>

namespace {
constexpr TColor kRed = 0x0000FF;
constexpr TColor kBlue = 0xFF0000;
constexpr TColor kGreen = 0x00FF00;

class CanvasTest : public ::testing::Test {
protected:
    void SetUp() override { Fill(bitmap, 20, 12, clWhite); }
    TCanvas& canvas() { return *bitmap.Canvas(); }
    TBitmap bitmap;
};

TEST_F(CanvasTest, FillRectPaintsTheRectangleWithoutItsRightAndBottomEdges) {
    canvas().Brush()->SetColor(kRed);
    canvas().FillRect(Rect(2, 3, 6, 5));
    EXPECT_EQ(CountPixels(bitmap, kRed), 4 * 2);
    EXPECT_EQ(PixelOf(bitmap, 2, 3), kRed);
    EXPECT_EQ(PixelOf(bitmap, 5, 4), kRed);
    EXPECT_EQ(PixelOf(bitmap, 6, 4), clWhite);
    EXPECT_EQ(PixelOf(bitmap, 5, 5), clWhite);
}

TEST_F(CanvasTest, FrameRectDrawsAOnePixelBorderWithTheBrush) {
    canvas().Brush()->SetColor(kBlue);
    canvas().FrameRect(Rect(1, 1, 6, 5));
    EXPECT_EQ(CountPixels(bitmap, kBlue), 2 * 5 + 2 * 2);
    EXPECT_EQ(PixelOf(bitmap, 1, 1), kBlue);
    EXPECT_EQ(PixelOf(bitmap, 5, 4), kBlue);
    EXPECT_EQ(PixelOf(bitmap, 2, 2), clWhite);
    EXPECT_EQ(PixelOf(bitmap, 6, 1), clWhite);
}

TEST_F(CanvasTest, LineLeavesItsEndPointUnpaintedAndMovesThePen) {
    canvas().Pen()->SetColor(kGreen);
    canvas().MoveTo(1, 2);
    canvas().LineTo(6, 2);
    EXPECT_EQ(CountPixels(bitmap, kGreen), 5);
    EXPECT_EQ(PixelOf(bitmap, 1, 2), kGreen);
    EXPECT_EQ(PixelOf(bitmap, 5, 2), kGreen);
    EXPECT_EQ(PixelOf(bitmap, 6, 2), clWhite);
    EXPECT_EQ(canvas().PenPos(), (TPoint{6, 2}));

    canvas().LineTo(6, 6); // continues from the pen position
    EXPECT_EQ(PixelOf(bitmap, 6, 2), kGreen);
    EXPECT_EQ(PixelOf(bitmap, 6, 5), kGreen);
    EXPECT_EQ(PixelOf(bitmap, 6, 6), clWhite);
}

TEST_F(CanvasTest, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
    canvas().Pen()->SetColor(kRed);
    canvas().Brush()->SetColor(kBlue);
    canvas().Rectangle(0, 0, 5, 4);
    EXPECT_EQ(CountPixels(bitmap, kRed), 2 * 5 + 2 * 2);
    EXPECT_EQ(CountPixels(bitmap, kBlue), 3 * 2);

    canvas().Brush()->SetStyle(bsClear);
    canvas().Rectangle(10, 0, 15, 4);
    EXPECT_EQ(PixelOf(bitmap, 12, 2), clWhite);
    EXPECT_EQ(PixelOf(bitmap, 10, 0), kRed);
}

TEST_F(CanvasTest, PenStyleClearDrawsNothing) {
    canvas().Pen()->SetStyle(psClear);
    canvas().MoveTo(0, 0);
    canvas().LineTo(10, 0);
    EXPECT_EQ(CountPixels(bitmap, clWhite), 20 * 12);
}

TEST_F(CanvasTest, PenModeCombinesWithTheTarget) {
    canvas().Pen()->SetColor(kRed);
    canvas().Pen()->SetMode(pmXor);
    canvas().MoveTo(0, 0);
    canvas().LineTo(3, 0);
    EXPECT_EQ(PixelOf(bitmap, 0, 0), static_cast<TColor>(0xFFFF00)); // white ^ red
    canvas().MoveTo(0, 0);
    canvas().LineTo(3, 0);
    EXPECT_EQ(PixelOf(bitmap, 0, 0), clWhite);
}

TEST_F(CanvasTest, SystemColoursResolveWhenSelected) {
    canvas().Brush()->SetColor(clBtnFace);
    canvas().FillRect(Rect(0, 0, 1, 1));
    EXPECT_EQ(static_cast<COLORREF>(PixelOf(bitmap, 0, 0)), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ColorToRGB(clWindowText), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(ColorToRGB(0x123456), 0x123456u);
}

TEST_F(CanvasTest, SettingAColourOnAClearBrushMakesItSolid) {
    canvas().Brush()->SetStyle(bsClear);
    canvas().Brush()->SetColor(kRed);
    EXPECT_EQ(canvas().Brush()->Style(), bsSolid);
    canvas().FillRect(Rect(0, 0, 2, 2));
    EXPECT_EQ(CountPixels(bitmap, kRed), 4);
}

TEST_F(CanvasTest, PixelsReadAndWrite) {
    canvas().SetPixels(3, 4, kBlue);
    EXPECT_EQ(canvas().Pixels(3, 4), kBlue);
    EXPECT_EQ(PixelOf(bitmap, 3, 4), kBlue);
    EXPECT_EQ(canvas().Pixels(4, 4), clWhite);
}

TEST_F(CanvasTest, CopyRectCopiesAndStretches) {
    TBitmap source;
    Fill(source, 2, 2, kRed);
    source.Canvas()->SetPixels(1, 1, kBlue);

    canvas().CopyRect(Rect(0, 0, 2, 2), source.Canvas(), Rect(0, 0, 2, 2));
    EXPECT_EQ(PixelOf(bitmap, 0, 0), kRed);
    EXPECT_EQ(PixelOf(bitmap, 1, 1), kBlue);
    EXPECT_EQ(PixelOf(bitmap, 2, 2), clWhite);

    canvas().CopyRect(Rect(10, 0, 14, 4), source.Canvas(), Rect(0, 0, 2, 2));
    EXPECT_EQ(CountPixels(bitmap, kBlue), 1 + 4);
    EXPECT_EQ(PixelOf(bitmap, 12, 2), kBlue);
    EXPECT_EQ(PixelOf(bitmap, 13, 3), kBlue);
    EXPECT_EQ(PixelOf(bitmap, 11, 1), kRed);
}

TEST_F(CanvasTest, CopyModeAppliesToCopyRect) {
    TBitmap source;
    Fill(source, 2, 2, kRed);
    canvas().SetCopyMode(NOTSRCCOPY);
    canvas().CopyRect(Rect(0, 0, 2, 2), source.Canvas(), Rect(0, 0, 2, 2));
    EXPECT_EQ(PixelOf(bitmap, 0, 0), static_cast<TColor>(0xFFFF00));
}

TEST(CanvasText, TextIsMeasuredAndDrawnInTheFontColour) {
    TBitmap bitmap;
    Fill(bitmap, 100, 30, clWhite);
    TCanvas& canvas = *bitmap.Canvas();
    canvas.Font()->SetColor(kRed);
    canvas.Brush()->SetStyle(bsClear);
    const TSize extent = canvas.TextExtent("Hello");
    ASSERT_GT(extent.cx, 0);
    ASSERT_GT(extent.cy, 0);
    EXPECT_LT(extent.cx, 100);
    canvas.TextOut(2, 2, "Hello");
    EXPECT_GT(CountPixels(bitmap, kRed), 10);
    // Nothing lands outside the measured box.
    const std::vector<uint32_t> pixels = bitmap.CopyPixels();
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 100; ++x)
            if (x < 2 || y < 2 || x >= 2 + extent.cx || y >= 2 + extent.cy) {
                ASSERT_EQ(pixels[static_cast<size_t>(y) * 100 + x] & 0xFFFFFF, 0xFFFFFFu)
                    << x << "," << y;
            }
}

TEST(CanvasText, FontChangesReachTheSelectedFont) {
    TBitmap bitmap;
    Fill(bitmap, 10, 10, clWhite);
    TCanvas& canvas = *bitmap.Canvas();
    const int normal = canvas.TextWidth("Wide text");
    canvas.Font()->SetHeight(-30);
    const int large = canvas.TextWidth("Wide text");
    EXPECT_GT(large, 2 * normal);
    EXPECT_GE(canvas.TextHeight("Wide text"), 30);

    TFont bold;
    bold.SetStyle({fsBold});
    canvas.SetFont(&bold);
    EXPECT_TRUE(canvas.Font()->Style().Contains(fsBold));
    EXPECT_EQ(canvas.Font()->Height(), -11);
    EXPECT_GT(canvas.TextWidth("Wide text"), normal);
}

TEST(CanvasText, OpaqueTextFillsItsBoxWithTheBrush) {
    TBitmap bitmap;
    Fill(bitmap, 60, 20, clWhite);
    TCanvas& canvas = *bitmap.Canvas();
    canvas.Brush()->SetColor(kBlue);
    canvas.Font()->SetColor(kRed);
    canvas.TextOut(0, 0, "ab");
    const TSize extent = canvas.TextExtent("ab");
    EXPECT_EQ(PixelOf(bitmap, extent.cx - 1, extent.cy - 1), kBlue);
    EXPECT_EQ(PixelOf(bitmap, extent.cx, 0), clWhite);
}

TEST(CanvasText, TextRectClipsToItsRectangle) {
    TBitmap bitmap;
    Fill(bitmap, 60, 20, clWhite);
    TCanvas& canvas = *bitmap.Canvas();
    canvas.Brush()->SetStyle(bsClear);
    canvas.Font()->SetColor(kRed);
    canvas.TextRect(Rect(0, 0, 4, 20), 0, 0, "WWWW");
    const std::vector<uint32_t> pixels = bitmap.CopyPixels();
    int inside = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x) {
            const bool red = (pixels[static_cast<size_t>(y) * 60 + x] & 0xFFFFFF) == 0xFF0000u;
            if (x >= 4) {
                ASSERT_FALSE(red) << x << "," << y;
            }
            inside += red;
        }
    EXPECT_GT(inside, 0);
}

TEST(CanvasHandle, BorrowedDcGetsItsOwnObjectsBack) {
    TMemoryDC dc(nullptr);
    const HGDIOBJ font = GetCurrentObject(dc.Get(), OBJ_FONT);
    const HGDIOBJ pen = GetCurrentObject(dc.Get(), OBJ_PEN);
    const HGDIOBJ brush = GetCurrentObject(dc.Get(), OBJ_BRUSH);
    {
        TCanvas canvas;
        canvas.SetHandle(dc.Get());
        EXPECT_EQ(canvas.Handle(), dc.Get());
        EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_FONT), canvas.Font()->Handle());
        canvas.Pen()->SetWidth(3);
        EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_PEN), canvas.Pen()->Handle());
        canvas.SetHandle(nullptr);
        EXPECT_FALSE(canvas.HandleAllocated());
        EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_FONT), font);
        EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_PEN), pen);
        EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_BRUSH), brush);
        canvas.SetHandle(dc.Get());
    }
    // Destroying the canvas lets go too.
    EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_BRUSH), brush);
}

TEST(CanvasHandle, ACanvasWithoutADcRefusesToDraw) {
    TCanvas canvas;
    EXPECT_THROW(canvas.FillRect(Rect(0, 0, 1, 1)), EGraphicsError);
}

TEST(CanvasHandle, ChangesAreReported) {
    struct Counter {
        int n = 0;
        void Count(TObject*) { ++n; }
    } counter;
    TBitmap bitmap;
    Fill(bitmap, 4, 4, clWhite);
    bitmap.Canvas()->OnChange = TNotifyEvent::Bind<&Counter::Count>(&counter);
    bitmap.Canvas()->FillRect(Rect(0, 0, 1, 1));
    bitmap.Canvas()->LineTo(2, 2);
    EXPECT_EQ(counter.n, 2);
}
} // namespace
