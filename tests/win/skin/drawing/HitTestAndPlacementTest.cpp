#include "skin/SUIPublic.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(HitTest, AllFourEdgesCountAsInside) {
    const TRect r = Rect(10, 20, 30, 40);
    EXPECT_TRUE(CoordsInRect(10, 20, r));
    EXPECT_TRUE(CoordsInRect(30, 40, r)); // Right and Bottom included
    EXPECT_TRUE(CoordsInRect(30, 20, r));
    EXPECT_FALSE(CoordsInRect(31, 20, r));
    EXPECT_FALSE(CoordsInRect(9, 25, r));
    EXPECT_FALSE(CoordsInRect(15, 41, r));
    EXPECT_FALSE(CoordsInRect(15, 19, r));
    EXPECT_TRUE(PointInRect(TPoint{30, 40}, r));
    EXPECT_FALSE(PointInRect(TPoint{31, 40}, r));
}

// Records every bounds change, so the order of the four writes shows.
class TBoundsSpy : public TGraphicControl {
public:
    explicit TBoundsSpy(TComponent* owner) : TGraphicControl(owner) {}
    void SetBounds(int left, int top, int width, int height) override {
        writes.push_back(Bounds(left, top, width, height));
        TGraphicControl::SetBounds(left, top, width, height);
    }
    std::vector<TRect> writes;
};

TEST(MoveControlToRect, WritesLeftTopWidthHeightInThatOrder) {
    TBoundsSpy spy(nullptr);
    spy.SetBounds(1, 2, 3, 4);
    spy.writes.clear();
    MoveControlToRect(&spy, Rect(10, 20, 110, 70));
    const std::vector<TRect> expected{Bounds(10, 2, 3, 4), Bounds(10, 20, 3, 4),
                                      Bounds(10, 20, 100, 4), Bounds(10, 20, 100, 50)};
    EXPECT_EQ(spy.writes, expected);
    EXPECT_EQ(spy.BoundsRect(), Rect(10, 20, 110, 70));
}

class QueryWorkAreaTest : public ::testing::Test {
protected:
    void TearDown() override {
        Application->SetMainForm(nullptr);
        if (changedWorkArea)
            SystemParametersInfoA(SPI_SETWORKAREA, 0, &savedWorkArea, 0);
    }
    RECT savedWorkArea{};
    bool changedWorkArea = false;
};

TEST_F(QueryWorkAreaTest, WithoutMainFormTheDesktopWorkArea) {
    ASSERT_EQ(Application->MainForm(), nullptr);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &savedWorkArea, 0);
    // A work area of its own, so that the answer cannot be the whole screen by accident.
    RECT smaller{savedWorkArea.left + 3, savedWorkArea.top + 5, savedWorkArea.right - 7,
                 savedWorkArea.bottom - 11};
    changedWorkArea = SystemParametersInfoA(SPI_SETWORKAREA, 0, &smaller, 0) != FALSE;
    RECT expected{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &expected, 0);
    TRect area;
    QueryWorkArea(area);
    EXPECT_EQ(area, Rect(expected.left, expected.top, expected.right, expected.bottom));
}

TEST_F(QueryWorkAreaTest, WithMainFormTheWorkAreaOfItsMonitor) {
    TForm form(nullptr);
    form.SetBounds(40, 30, 200, 100);
    form.HandleNeeded();
    Application->SetMainForm(&form);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetMonitorInfoA(MonitorFromWindow(form.Handle(), MONITOR_DEFAULTTONEAREST), &info));
    TRect area;
    QueryWorkArea(area);
    EXPECT_EQ(area, Rect(info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom));
    EXPECT_GT(area.Width(), 0);
}

TEST_F(QueryWorkAreaTest, AMainFormWithoutWindowGetsNoWindowFromTheQuery) {
    TForm form(nullptr);
    Application->SetMainForm(&form);
    TRect area;
    QueryWorkArea(area);
    EXPECT_FALSE(form.HandleAllocated());
    EXPECT_GT(area.Width(), 0);
    EXPECT_GT(area.Height(), 0);
}

} // namespace
