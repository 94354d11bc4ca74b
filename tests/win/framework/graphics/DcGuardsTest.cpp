// The DC guards give back what they took at the end of their scope, also when it is left by an
// exception; the window class helper registers once and keeps what it was given.
#include "framework/CanvasScope.h"
#include "framework/WinHandles.h"
#include "framework/WindowClass.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace {

// Runs `body`, swallowing the exception it may throw to leave its scope early.
void RunScope(bool throwing, const std::function<void()>& body) {
    try {
        body();
        if (throwing)
            throw std::runtime_error("leaving early");
    } catch (const std::runtime_error&) {
    }
}

class DcGuardsTest : public ::testing::TestWithParam<bool> {
protected:
    DcGuardsTest()
        : bitmap(CreateCompatibleBitmap(TWindowDC(nullptr).Get(), 4, 4)),
          select(dc.Get(), bitmap.Get()) {
        PatBlt(dc.Get(), 0, 0, 4, 4, WHITENESS);
    }
    POINT Origin() const {
        POINT p{};
        GetViewportOrgEx(dc.Get(), &p);
        return p;
    }
    TMemoryDC dc{nullptr};
    TOwnedBitmapHandle bitmap;
    TScopedSelect select;
};

TEST_P(DcGuardsTest, SavedStateComesBack) {
    const HGDIOBJ font = GetCurrentObject(dc.Get(), OBJ_FONT);
    RunScope(GetParam(), [&] {
        const TSavedDC saved(dc.Get());
        SetViewportOrgEx(dc.Get(), 3, 2, nullptr);
        SelectObject(dc.Get(), GetStockObject(ANSI_FIXED_FONT));
    });
    EXPECT_EQ(Origin().x, 0);
    EXPECT_EQ(Origin().y, 0);
    EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_FONT), font);
}

TEST_P(DcGuardsTest, ABoundCanvasHoldsTheDcOnlyForItsScope) {
    TCanvas canvas;
    RunScope(GetParam(), [&] {
        const TCanvasBinding binding(canvas, dc.Get());
        EXPECT_EQ(canvas.Handle(), dc.Get());
    });
    EXPECT_EQ(canvas.HandleAllocated(), false);
}

TEST_P(DcGuardsTest, ABorrowedCanvasPutsTheDcBack) {
    const HGDIOBJ brush = GetCurrentObject(dc.Get(), OBJ_BRUSH);
    RunScope(GetParam(), [&] {
        TBorrowedCanvas canvas(dc.Get());
        SetViewportOrgEx(dc.Get(), 1, 1, nullptr);
        canvas->Brush()->SetColor(RGB(0, 0, 255));
        canvas->FillRect(Rect(0, 0, 2, 2));
        EXPECT_NE(GetCurrentObject(dc.Get(), OBJ_BRUSH), brush);
    });
    EXPECT_EQ(GetPixel(dc.Get(), 1, 1), RGB(0, 0, 255)) << "drawn through the moved origin";
    EXPECT_EQ(GetPixel(dc.Get(), 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(Origin().x, 0);
    EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_BRUSH), brush);
}

INSTANTIATE_TEST_SUITE_P(EndOfScopeOrException, DcGuardsTest, ::testing::Bool());

TEST(WindowDC, EmptyWhenDefaultOrMovedFrom) {
    TWindowDC empty;
    EXPECT_FALSE(empty);
    TWindowDC screen(nullptr);
    ASSERT_TRUE(screen);
    const HDC held = screen.Get();
    empty = std::move(screen);
    EXPECT_EQ(empty.Get(), held);
    EXPECT_FALSE(screen);
    empty.Reset();
    EXPECT_FALSE(empty);
}

LRESULT CALLBACK PaintingProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_PAINT)
        return DefWindowProcA(window, msg, wParam, lParam);
    const TPaintDC paint(window);
    FillRect(paint.Get(), &paint.Paint().rcPaint, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    return 0;
}

TEST(WindowClass, RegistersOnceAndAPaintDcValidatesTheWindow) {
    const auto background = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    const TWindowClass wc{"DcGuardsTestWindow", PaintingProc, CS_DBLCLKS, nullptr, background};
    ASSERT_TRUE(RegisterWindowClass(wc));
    EXPECT_TRUE(RegisterWindowClass(wc)) << "already there";
    WNDCLASSEXA info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), wc.Name, &info));
    EXPECT_EQ(info.lpfnWndProc, PaintingProc);
    EXPECT_EQ(info.style, static_cast<UINT>(CS_DBLCLKS));
    EXPECT_EQ(info.hbrBackground, background);

    TOwnedWindow window(CreateWindowExA(0, wc.Name, "", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20,
                                        nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
    ASSERT_TRUE(window);
    UpdateWindow(window.Get());
    InvalidateRect(window.Get(), nullptr, FALSE);
    ASSERT_TRUE(GetUpdateRect(window.Get(), nullptr, FALSE));
    UpdateWindow(window.Get());
    EXPECT_FALSE(GetUpdateRect(window.Get(), nullptr, FALSE)) << "EndPaint validated it";
}

} // namespace
