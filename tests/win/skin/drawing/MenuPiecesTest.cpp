#include "framework/WindowClass.h"
#include "skin/SUIMenu.h"
#include "tests/win/support/WinTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

LOGFONTA SystemMenuLogFont() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = kNonClientMetricsSize;
    EXPECT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 0, &metrics, 0));
    return metrics.lfMenuFont;
}

TEST(LoadMenuFont, TheFontTakesTheSystemMenuFontAndTheMenuTextColour) {
    const LOGFONTA expected = SystemMenuLogFont();
    TFont font;
    font.SetName("Courier New");
    font.SetHeight(-30);
    font.SetColor(0x123456);
    LoadMenuFont(&font);
    EXPECT_EQ(font.Name(), expected.lfFaceName);
    EXPECT_EQ(font.Height(), expected.lfHeight);
    EXPECT_EQ(font.Color(), clMenuText);
    LOGFONTA actual{};
    ASSERT_EQ(GetObjectA(font.Handle(), sizeof actual, &actual), static_cast<int>(sizeof actual));
    EXPECT_STREQ(actual.lfFaceName, expected.lfFaceName);
    EXPECT_EQ(actual.lfWeight, expected.lfWeight);
}

TEST(LoadMenuFont, AFailingSystemCallLeavesTheFontUntouched) {
    TFont font;
    font.SetName("Courier New");
    font.SetHeight(-30);
    font.SetColor(0x123456);
    const HFONT before = font.Handle();
    // A record size the system does not know makes the call fail.
    EXPECT_FALSE(LoadMenuFontSized(&font, kNonClientMetricsSize - 1));
    EXPECT_EQ(font.Name(), "Courier New");
    EXPECT_EQ(font.Height(), -30);
    EXPECT_EQ(font.Color(), 0x123456);
    EXPECT_EQ(font.Handle(), before);
    EXPECT_TRUE(LoadMenuFontSized(&font, kNonClientMetricsSize));
}

// Records which item each handler was attached for.
class THandlerOwner : public TObject {
public:
    void Measure(TObject* sender, TCanvas*, int&, int&) { measured.push_back(sender); }
    void Draw(TObject* sender, TCanvas*, TRect, bool) { drawn.push_back(sender); }
    std::vector<TObject*> measured, drawn;
};

TEST(HookOwnerDrawItems, EveryItemOfTheTreeGetsBothHandlers) {
    TComponent owner(nullptr);
    auto* root = new TMenuItem(&owner);
    std::vector<TMenuItem*> order{root};
    for (int i = 0; i < 2; ++i) {
        auto* child = new TMenuItem(&owner);
        root->Add(child);
        order.push_back(child);
        for (int j = 0; j < 2; ++j) {
            auto* grandChild = new TMenuItem(&owner);
            child->Add(grandChild);
            order.push_back(grandChild);
        }
    }
    THandlerOwner handlers;
    const auto onMeasure = TMenuMeasureItemEvent::Bind<&THandlerOwner::Measure>(&handlers);
    const auto onDraw = TMenuDrawItemEvent::Bind<&THandlerOwner::Draw>(&handlers);
    HookOwnerDrawItems(root, onMeasure, onDraw);
    TBitmap bitmap;
    Fill(bitmap, 2, 2, clWhite);
    for (TMenuItem* item : order) {
        EXPECT_TRUE(item->OnMeasureItem == onMeasure);
        EXPECT_TRUE(item->OnDrawItem == onDraw);
        int w = 0, h = 0;
        item->MeasureItem(bitmap.Canvas(), w, h);
        item->DrawItem(bitmap.Canvas(), Rect(0, 0, 2, 2), false);
    }
    EXPECT_EQ(handlers.measured, std::vector<TObject*>(order.begin(), order.end()));
    EXPECT_EQ(handlers.drawn, std::vector<TObject*>(order.begin(), order.end()));
}

class SeparatorLineTest : public ::testing::Test {
protected:
    void SetUp() override { Fill(bitmap, 60, 10, clWhite); }
    // Columns painted in row y, as a list of x.
    std::vector<int> Painted(int y) {
        std::vector<int> xs;
        for (int x = 0; x < 60; ++x)
            if (PixelOf(bitmap, x, y) != clWhite)
                xs.push_back(x);
        return xs;
    }
    static std::vector<int> Range(int from, int to) {
        std::vector<int> xs;
        for (int x = from; x < to; ++x)
            xs.push_back(x);
        return xs;
    }
    TBitmap bitmap;
};

TEST_F(SeparatorLineTest, LeftToRightKeepsClearOfTheBarOnTheLeft) {
    DrawMenuSeparatorLine(bitmap.Canvas(), Rect(5, 3, 55, 9), 0x00C000, true, 20);
    EXPECT_EQ(Painted(5), Range(5 + 20 + 4, 55 - 2)); // the end point is not painted
    EXPECT_EQ(PixelOf(bitmap, 30, 5), 0x00C000);
    EXPECT_EQ(CountPixels(bitmap, 0x00C000), 55 - 2 - 29);
    EXPECT_EQ(bitmap.Canvas()->Pen()->Color(), 0x00C000);
}

TEST_F(SeparatorLineTest, RightToLeftKeepsClearOfTheBarOnTheRight) {
    DrawMenuSeparatorLine(bitmap.Canvas(), Rect(5, 3, 55, 9), 0xC00000, false, 20);
    EXPECT_EQ(Painted(5), Range(5 + 2, 55 - 20 - 4));
    EXPECT_EQ(CountPixels(bitmap, 0xC00000), 55 - 24 - 7);
}

// A real popup window on the screen, frameless, read back through the desktop's DC.
class FlatMenuFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        constexpr char kClassName[] = "DrawingTestsMenuLike";
        ASSERT_TRUE(
            RegisterWindowClass({.Name = kClassName,
                                 .Procedure = DefWindowProcA,
                                 .Background = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH))}));
        window = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kClassName, "",
                                 WS_POPUP | WS_VISIBLE, kLeft, kTop, kWidth, kHeight, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(window);
        UpdateWindow(window);
        // Wait until the window shows on the screen in its class colour.
        ASSERT_TRUE(PumpUntil([&] {
            return ScreenPixel(kLeft + kWidth / 2, kTop + kHeight / 2) == RGB(128, 128, 128);
        }));
    }
    void TearDown() override {
        if (window)
            DestroyWindow(window);
    }
    TColor At(int x, int y) { return ScreenPixel(x, y); }

    static constexpr int kLeft = 300, kTop = 200, kWidth = 40, kHeight = 30;
    HWND window = nullptr;
};

TEST_F(FlatMenuFrameTest, ThreeRingsOverTheWindowAndNothingOutsideIt) {
    constexpr TColor frame = 0x000000, edge = 0x3060C0, gray = 0x808080;
    const int l = kLeft, t = kTop, r = kLeft + kWidth, b = kTop + kHeight;
    const TColor outsideRight = At(r, t), outsideBelow = At(l, b);
    DrawFlatMenuFrame(window, frame, edge);
    // Outermost ring: top row, right column and bottom row in the edge colour.
    for (int x = l + 1; x < r; ++x)
        EXPECT_EQ(At(x, t), edge) << x;
    for (int y = t; y < b; ++y)
        EXPECT_EQ(At(r - 1, y), edge) << y;
    for (int x = l; x < r; ++x)
        EXPECT_EQ(At(x, b - 1), edge) << x;
    // The left column belongs to the frame colour; its top pixel is not painted.
    for (int y = t + 1; y < b - 1; ++y)
        EXPECT_EQ(At(l, y), frame) << y;
    EXPECT_EQ(At(l, t), gray);
    // Second ring in the frame colour, third in white, the inside untouched.
    for (int x = l; x < r - 1; ++x)
        EXPECT_EQ(At(x, t + 1), frame) << x;
    for (int y = t + 1; y < b - 1; ++y)
        EXPECT_EQ(At(r - 2, y), frame) << y;
    for (int x = l; x < r - 1; ++x)
        EXPECT_EQ(At(x, b - 2), frame) << x;
    for (int x = l + 1; x < r - 2; ++x)
        EXPECT_EQ(At(x, t + 2), clWhite) << x;
    for (int y = t + 2; y < b - 2; ++y) {
        EXPECT_EQ(At(l + 1, y), clWhite) << y;
        EXPECT_EQ(At(r - 3, y), clWhite) << y;
    }
    EXPECT_EQ(At(l + 2, t + 3), gray);
    EXPECT_EQ(At((l + r) / 2, (t + b) / 2), gray);
    // The top line ends inside the window.
    EXPECT_EQ(At(r, t), outsideRight);
    EXPECT_EQ(At(l, b), outsideBelow);
}

} // namespace
