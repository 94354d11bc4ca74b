#include "skin/ColorMath.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(ColorMath, ComposeMasksEachComponentAndSplitInverts) {
    EXPECT_EQ(ComposeRGB(0x12, 0x34, 0x56), 0x563412);
    EXPECT_EQ(ComposeRGB(0x1FF, -1, 0x100), 0x00FFFF);
    EXPECT_EQ(SplitResolvedRGB(0x563412), (TRGBTriple{0x12, 0x34, 0x56}));
    EXPECT_EQ(SplitResolvedRGB(static_cast<TColor>(0x7F00FF01)), (TRGBTriple{0x01, 0xFF, 0x00}));
    for (TColor c : {0x000000, 0xFFFFFF, 0xC82C00, 0x0A0B0C}) {
        const TRGBTriple t = SplitResolvedRGB(c);
        EXPECT_EQ(ComposeRGB(t.R, t.G, t.B), c);
    }
}

TEST(ColorMath, GradientDownStepsFromTheLineBelowTheTop) {
    // Rect rows 10..19: line 11 takes step 0, line 18 step 7 of 10.
    EXPECT_EQ(GradientDownComponent(0, 100, 10, 20, 11), 0);
    EXPECT_EQ(GradientDownComponent(0, 100, 10, 20, 12), 10);
    EXPECT_EQ(GradientDownComponent(0, 100, 10, 20, 18), 70);
    // Truncation toward zero when falling: 200 + trunc(-100/3 * 1) = 200 - 33.
    EXPECT_EQ(GradientDownComponent(200, 100, 0, 3, 2), 167);
    EXPECT_EQ(GradientDownComponent(255, 0, 0, 7, 3), 255 - 72);
}

TEST(ColorMath, GradientAcrossDoesNotReduceThePosition) {
    EXPECT_EQ(GradientAcrossComponent(0, 100, 10, 20, 11), 10);
    EXPECT_EQ(GradientAcrossComponent(0, 100, 10, 20, 18), 80);
    EXPECT_EQ(GradientAcrossComponent(100, 0, 0, 3, 1), 67);
}

TEST(ColorMath, GradientOverTwoAndZeroLines) {
    // Two lines: no inner line exists (Top + 1 > Bottom - 2), only From and To are drawn;
    // the formula itself stays finite.
    EXPECT_EQ(GradientDownComponent(10, 250, 5, 7, 6), 10);
    // Zero lines: an empty span answers the start component instead of dividing by zero.
    EXPECT_EQ(GradientDownComponent(10, 250, 5, 5, 5), 10);
    EXPECT_EQ(GradientAcrossComponent(10, 250, 5, 5, 5), 10);
}

TEST(ColorMath, InnerGradientLinesStayInByteRange) {
    for (int c0 : {0, 77, 255})
        for (int c1 : {0, 128, 255})
            for (int h = 1; h <= 40; ++h)
                for (int y = 1; y <= h - 2; ++y) {
                    const int c = GradientDownComponent(c0, c1, 0, h, y);
                    EXPECT_GE(c, std::min(c0, c1));
                    EXPECT_LE(c, std::max(c0, c1));
                }
}

TEST(ColorMath, HitTestCountsAllFourEdges) {
    const TRect r{10, 20, 30, 40};
    EXPECT_TRUE(CoordsInRect(10, 20, r));
    EXPECT_TRUE(CoordsInRect(30, 40, r));
    EXPECT_TRUE(CoordsInRect(30, 20, r));
    EXPECT_FALSE(CoordsInRect(31, 20, r));
    EXPECT_FALSE(CoordsInRect(9, 25, r));
    EXPECT_FALSE(CoordsInRect(15, 41, r));
    EXPECT_FALSE(CoordsInRect(15, 19, r));
    EXPECT_TRUE(PointInRect({30, 40}, r));
    EXPECT_FALSE(PointInRect({31, 40}, r));
    EXPECT_FALSE(PointInRect({30, 41}, r));
}

TEST(ColorMath, StripFramesLeaveTheRemainderBetweenFrames) {
    EXPECT_EQ(FrameSourceRect(100, 8, 3, 1), (TRect{0, 0, 33, 8}));
    EXPECT_EQ(FrameSourceRect(100, 8, 3, 2), (TRect{33, 0, 66, 8}));
    EXPECT_EQ(FrameSourceRect(100, 8, 3, 3), (TRect{67, 0, 100, 8}));
    // The close button's pointer-on picture of the 378-wide strip: columns 336..356.
    EXPECT_EQ(FrameSourceRect(378, 21, 18, 17), (TRect{336, 0, 357, 21}));
    EXPECT_EQ(FrameSourceRect(378, 21, 18, 18), (TRect{357, 0, 378, 21}));
    EXPECT_EQ(FrameSourceRect(40, 5, 1, 1), (TRect{0, 0, 40, 5}));
}

TEST(ColorMath, StripFramesOutsideTheStripAreClampedIn) {
    EXPECT_EQ(FrameSourceRect(100, 8, 0, 1), (TRect{0, 0, 100, 8}));
    EXPECT_EQ(FrameSourceRect(100, 8, 3, 0), (TRect{0, 0, 33, 8}));
    EXPECT_EQ(FrameSourceRect(100, 8, 3, 9), (TRect{67, 0, 100, 8}));
    for (int i = -2; i < 25; ++i) {
        const TRect r = FrameSourceRect(342, 19, 18, i);
        EXPECT_GE(r.Left, 0);
        EXPECT_LE(r.Right, 342);
        EXPECT_EQ(r.Width(), 19);
    }
}

TEST(ColorMath, ThreeSliceNarrowerThanOneFrameShowsTheLeftOfTheLeftCap) {
    // 30-wide bitmap, FW = 10; a 9-pixel target shows the left 9 columns only.
    const TThreeSlicePlan plan = ThreeSlicePlan(30, 7, {5, 3, 14, 50});
    EXPECT_EQ(plan.FrameWidth, 10);
    ASSERT_EQ(plan.Count, 1);
    EXPECT_EQ(plan.Pieces[0], (TSlicePiece{{0, 0, 9, 7}, {5, 3, 14, 10}, false, false}));
    EXPECT_EQ(ThreeSlicePlan(30, 7, {5, 3, 5, 50}).Count, 0);
    EXPECT_EQ(ThreeSlicePlan(30, 7, {5, 3, 2, 50}).Count, 0);
}

TEST(ColorMath, ThreeSliceCapsMaskedAndMiddleStretchedOpaque) {
    // 32-wide bitmap: FW = 10, column 31 is never used.
    const TThreeSlicePlan plan = ThreeSlicePlan(32, 7, {100, 20, 200, 21});
    ASSERT_EQ(plan.Count, 3);
    EXPECT_EQ(plan.Pieces[0], (TSlicePiece{{0, 0, 10, 7}, {100, 20, 110, 27}, false, true}));
    EXPECT_EQ(plan.Pieces[1], (TSlicePiece{{20, 0, 30, 7}, {190, 20, 200, 27}, false, true}));
    EXPECT_EQ(plan.Pieces[2], (TSlicePiece{{10, 0, 20, 7}, {110, 20, 190, 27}, true, false}));
}

TEST(ColorMath, ThreeSliceWithoutRoomForTheMiddleDrawsOnlyTheCaps) {
    for (int width : {10, 15, 20}) {
        const TThreeSlicePlan plan = ThreeSlicePlan(30, 7, {0, 0, width, 7});
        ASSERT_EQ(plan.Count, 2) << width;
        EXPECT_EQ(plan.Pieces[1].Dest.Left, width - 10);
    }
    EXPECT_EQ(ThreeSlicePlan(30, 7, {0, 0, 21, 7}).Count, 3);
}

} // namespace
