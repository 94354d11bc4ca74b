// GDI leak tests. Wine's GetGuiResources answers 0 for GDI objects, so the number of live GDI
// objects is measured another way: the process's GDI handle table has a fixed size, and the
// number of 1 x 1 bitmaps that can still be made (and are freed again at once) falls by one
// for every object alive. Where GetGuiResources works it is used instead.
#include "GraphicsFixtures.h"
#include "tests/win/support/Pixels.h"

#include "framework/ImgList.h"

#include <gtest/gtest.h>

namespace {
int FreeGdiHandleSlots() {
    std::vector<HBITMAP> filler;
    filler.reserve(70000);
    while (filler.size() < 200000) {
        HBITMAP b = CreateBitmap(1, 1, 1, 1, nullptr);
        if (!b)
            break;
        filler.push_back(b);
    }
    for (HBITMAP b : filler)
        DeleteObject(b);
    return static_cast<int>(filler.size());
}

// Objects alive now, relative to an unknown constant.
int LiveGdiObjects() {
    const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    return counted ? static_cast<int>(counted) : -FreeGdiHandleSlots();
}

constexpr TColor kRed = 0x0000FF;
constexpr TColor kMagenta = clFuchsia;

void DrawingCycle(const std::vector<uint8_t>& jpegFile, const std::vector<uint8_t>& iconFile) {
    TBitmap target;
    Fill(target, 40, 30, clWhite, pfDevice);
    TCanvas& canvas = *target.Canvas();
    // Tools changed while selected: the old objects must go once the new ones are in.
    canvas.Font()->SetStyle({fsBold});
    canvas.Font()->SetHeight(-14);
    canvas.Pen()->SetWidth(2);
    canvas.Pen()->SetColor(kRed);
    canvas.Brush()->SetStyle(bsClear);
    canvas.Brush()->SetColor(clBtnFace);
    canvas.TextOut(1, 1, "leak");
    canvas.MoveTo(0, 0);
    canvas.LineTo(30, 20);
    canvas.Rectangle(2, 2, 20, 20);
    canvas.FrameRect(Rect(1, 1, 9, 9));
    canvas.DrawFocusRect(Rect(3, 3, 12, 12));

    LOGFONTA lf{};
    lf.lfHeight = -12;
    lstrcpyA(lf.lfFaceName, "Tahoma");
    canvas.Font()->SetHandle(CreateFontIndirectA(&lf));
    canvas.TextOut(1, 10, "menu font");

    TBitmap sprite;
    Fill(sprite, 8, 8, kMagenta);
    sprite.Canvas()->SetPixels(3, 3, kRed);
    sprite.SetTransparent(true);
    canvas.Draw(5, 5, &sprite);
    canvas.StretchDraw(Rect(0, 0, 20, 20), &sprite);
    sprite.SetSize(12, 10);
    sprite.SetPixelFormat(pf32bit);
    canvas.CopyRect(Rect(0, 0, 6, 6), sprite.Canvas(), Rect(0, 0, 12, 10));

    TBitmap copy;
    copy.Assign(&target);
    copy.LoadFromMemory(copy.SaveToMemory());

    TPicture picture;
    picture.AssignResource("MENU_CHECKED");
    TPicture other;
    other.Assign(&picture);
    other.Icon()->LoadFromMemory(iconFile);
    canvas.Draw(0, 0, other.Graphic());
    TIcon resourceIcon;
    resourceIcon.LoadFromResourceName(GetModuleHandleA(nullptr), "TEST_ICON", 16);

    TJPEGImage jpeg;
    jpeg.LoadFromMemory(jpegFile);
    canvas.Draw(0, 0, &jpeg);

    TImageList list(nullptr);
    list.SetWidth(4);
    list.SetHeight(8);
    list.AddMasked(&sprite, kMagenta);
    list.Add(&sprite, &target);
    list.Draw(canvas, 0, 0, 1);
    list.Draw(canvas, 0, 0, 2, false);
    TBitmap frame;
    list.GetBitmap(0, &frame);

    TMemoryDC borrowed(nullptr);
    TCanvas onBorrowed;
    onBorrowed.SetHandle(borrowed.Get());
    onBorrowed.Font()->SetName("Arial");
    onBorrowed.TextWidth("x");
}

TEST(GdiLeaks, TheCountSeesEveryLiveObject) {
    {
        TMemoryDC first(nullptr); // the process's first DC brings objects of the system's own
    }
    const int before = LiveGdiObjects();
    TOwnedBitmapHandle a(CreateBitmap(1, 1, 1, 1, nullptr));
    TOwnedBrushHandle b(CreateSolidBrush(0));
    TMemoryDC dc(nullptr);
    EXPECT_EQ(LiveGdiObjects() - before, 3);
    a.Reset();
    EXPECT_EQ(LiveGdiObjects() - before, 2);
}

TEST(GdiLeaks, CreatingDrawingAndDestroyingLeavesNothingBehind) {
    const std::vector<uint8_t> jpegFile = ReadFixture("quadrants.jpg");
    const std::vector<uint8_t> iconFile = ReadFixture("twosizes.ico");
    DrawingCycle(jpegFile, iconFile); // first use of system fonts and caches
    const int before = LiveGdiObjects();
    for (int i = 0; i < 300; ++i)
        DrawingCycle(jpegFile, iconFile);
    EXPECT_EQ(LiveGdiObjects(), before);
}

TEST(GdiLeaks, FreedHandlesAreGone) {
    HBITMAP bitmap;
    HFONT font;
    HPEN pen;
    HBRUSH brush;
    HDC dc;
    {
        TBitmap b;
        Fill(b, 4, 4, kRed);
        bitmap = b.Handle();
        dc = b.Canvas()->Handle();
        font = b.Canvas()->Font()->Handle();
        pen = b.Canvas()->Pen()->Handle();
        brush = b.Canvas()->Brush()->Handle();
        ASSERT_EQ(GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
        ASSERT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC));
        b.Canvas()->Font()->SetHeight(-20); // replaces the font object
        b.Canvas()->TextWidth("x");
        EXPECT_EQ(GetObjectType(font), 0u);
        font = b.Canvas()->Font()->Handle();
    }
    EXPECT_EQ(GetObjectType(bitmap), 0u);
    EXPECT_EQ(GetObjectType(dc), 0u);
    EXPECT_EQ(GetObjectType(font), 0u);
    EXPECT_EQ(GetObjectType(pen), 0u);
    EXPECT_EQ(GetObjectType(brush), 0u);
}
} // namespace
