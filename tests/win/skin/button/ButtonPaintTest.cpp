// What a paint shows: the state picture by priority, fallbacks, pictures of every graphic
// kind and the blank for one that cannot be drawn, the parent's colour and font as they change,
// transparency over the parent's background, stretching, the focus frame and the caption.
#include "ButtonFixture.h"

#include <cstdlib>

namespace {

// A graphic that cannot be drawn.
class TUndrawableGraphic : public TGraphic {
    VFC_CLASS(TUndrawableGraphic, TGraphic)
    TUndrawableGraphic() = default;
    int Width() const override { return 30; }
    int Height() const override { return 10; }
    void Draw(TCanvas&, const TRect&) override { throw EGraphicsError("cannot draw"); }
    void LoadFromMemory(const uint8_t*, size_t) override {}
    void Assign(const TPersistent*) override {}
};
VFC_DESCRIBE(TUndrawableGraphic) {
    (void)b;
}

bool Near(uint32_t actual, uint32_t expected) {
    constexpr int kJpegTolerance = 40;
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(static_cast<int>((actual >> shift) & 0xFF) -
                     static_cast<int>((expected >> shift) & 0xFF)) > kJpegTolerance)
            return false;
    return true;
}

// The bounding box of the pixels that differ from `background`.
TRect InkBox(const TPixels& p, uint32_t background) {
    TRect box{p.Width, p.Height, -1, -1};
    for (int y = 0; y < p.Height; ++y)
        for (int x = 0; x < p.Width; ++x)
            if (p.At(x, y) != background) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box;
}

TRect BoxOf(const TPixels& p, uint32_t ink) {
    TRect box{p.Width, p.Height, -1, -1};
    for (int y = 0; y < p.Height; ++y)
        for (int x = 0; x < p.Width; ++x)
            if (p.At(x, y) == ink) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box;
}

TEST_F(ButtonTest, StatesShowTheirPicturesDisabledBeforePressedBeforePointerInside) {
    TsuiImageButton* button = AddButton();
    GiveStatePictures(*button);
    EXPECT_EQ(RenderControl(*button).CountOtherThan(kNormalRgb, Bounds(0, 0, 60, 30)), 0);

    button->Perform(CM_MOUSEENTER);
    ASSERT_TRUE(button->PointerInside());
    EXPECT_EQ(CentreColour(*button), kHoverRgb);
    EXPECT_EQ(ScreenPixels(*button).At(30, 15), kHoverRgb) << "repainted at once";

    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(5, 5));
    ASSERT_TRUE(button->Pressed());
    EXPECT_EQ(CentreColour(*button), kPressedRgb) << "pressed wins over pointer inside";
    EXPECT_EQ(ScreenPixels(*button).At(30, 15), kPressedRgb);

    button->SetEnabled(false);
    EXPECT_EQ(CentreColour(*button), kDisabledRgb) << "disabled wins over everything";
    EXPECT_EQ(ScreenPixels(*button).At(30, 15), kDisabledRgb);

    button->SetEnabled(true);
    button->Perform(CM_CANCELMODE);
    EXPECT_FALSE(button->Pressed());
    EXPECT_FALSE(button->PointerInside());
    EXPECT_EQ(CentreColour(*button), kNormalRgb);
}

TEST_F(ButtonTest, MissingStatePicturesFallBackToTheNormalOneWithoutGreying) {
    TsuiImageButton* button = AddButton();
    TPicture picture;
    FillPicture(picture, 60, 30, kNormalRgb);
    button->SetPicNormal(&picture);
    button->Perform(CM_MOUSEENTER);
    EXPECT_EQ(CentreColour(*button), kNormalRgb);
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(5, 5));
    EXPECT_EQ(CentreColour(*button), kNormalRgb);
    button->Perform(CM_CANCELMODE);
    button->SetEnabled(false);
    EXPECT_EQ(RenderControl(*button).CountOtherThan(kNormalRgb, Bounds(0, 0, 60, 30)), 0);
}

TEST_F(ButtonTest, WithoutANormalPictureOnlyTheBackgroundIsPainted) {
    TsuiImageButton* button = AddButton();
    TPicture picture;
    FillPicture(picture, 60, 30, kHoverRgb);
    button->SetPicMouseOn(&picture); // not the normal one: nothing to fall back to
    EXPECT_EQ(RenderControl(*button).CountOtherThan(kFormRgb, Bounds(0, 0, 60, 30)), 0);
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(5, 5));
    EXPECT_EQ(RenderControl(*button).CountOtherThan(kFormRgb, Bounds(0, 0, 60, 30)), 0);
    button->Perform(CM_CANCELMODE);
}

TEST_F(ButtonTest, APictureThatCannotBeDrawnGivesABlankOf74By21) {
    TsuiImageButton* button = AddButton(20, 20, 100, 40);
    TPicture picture;
    const TUndrawableGraphic undrawable;
    picture.SetGraphic(&undrawable);
    ASSERT_NE(picture.Graphic(), nullptr);
    std::vector<std::string> reports;
    Application->OnException = [&](const std::string& text) { reports.push_back(text); };
    button->SetPicNormal(&picture);
    const TPixels painted = RenderControl(*button);
    EXPECT_EQ(painted.CountOtherThan(0xFFFFFF, Bounds(0, 0, 74, 21)), 0);
    EXPECT_EQ(painted.CountOtherThan(kFormRgb, Rect(74, 0, 100, 40)), 0);
    EXPECT_EQ(painted.CountOtherThan(kFormRgb, Rect(0, 21, 100, 40)), 0);
    PumpPending();
    EXPECT_TRUE(reports.empty()) << "no error reaches the user";
}

TEST_F(ButtonTest, JpegAndIconPicturesSizeTheButtonAndShowTheirOwnColours) {
    // The pictures of the graphics tests: quadrants of red, green, blue and white; an icon
    // whose largest image is blue.
    const struct {
        const char* File;
        int Size;
        std::vector<std::pair<TPoint, uint32_t>> Samples;
    } cases[] = {
        {"quadrants.jpg",
         16,
         {{{3, 3}, 0xFF0000}, {{12, 3}, 0x00FF00}, {{3, 12}, 0x0000FF}, {{12, 12}, 0xFFFFFF}}},
        {"twosizes.ico", 32, {{{2, 2}, 0x0000FF}, {{29, 29}, 0x0000FF}}},
    };
    for (const auto& c : cases) {
        TsuiImageButton* button = AddButton(20, 20, 100, 40);
        button->SetAutoSize(true);
        TPicture picture;
        picture.LoadFromFile(std::string(VFC_GRAPHICS_FIXTURES) + "/" + c.File);
        button->SetPicNormal(&picture);
        EXPECT_EQ(button->Width(), c.Size) << c.File;
        EXPECT_EQ(button->Height(), c.Size) << c.File;
        for (const TPixels& p : {RenderControl(*button), ScreenPixels(*button)})
            for (const auto& [at, rgb] : c.Samples)
                EXPECT_PRED2(Near, p.At(at.X, at.Y), rgb)
                    << c.File << " at " << at.X << "," << at.Y;
        button->Free();
    }
}

TEST_F(ButtonTest, TheFormsNewColourAndFontReachTheButton) {
    TsuiImageButton* button = AddButton(20, 20, 80, 40);
    button->SetCaption("WW");
    constexpr uint32_t kNewFormRgb = 0x4080A0;
    constexpr uint32_t kCaptionRgb = 0xE01010;
    form->SetColor(ColorOf(kNewFormRgb));
    form->Font()->SetColor(ColorOf(kCaptionRgb));
    EXPECT_TRUE(PumpUntil([&] { return ScreenPixels(*button).At(2, 2) == kNewFormRgb; }))
        << "repainted on the new background";
    const TPixels painted = RenderControl(*button);
    EXPECT_GT(painted.CountOf(kCaptionRgb), 0) << "the caption takes the form's font";
    form->Font()->SetColor(clWindowText);
}

// A form with a picture behind a button: the picture is a gradient so every position differs.
class TransparencyTest : public ButtonTest {
protected:
    static uint32_t Background(int x, int y) {
        return (static_cast<uint32_t>(x * 3 % 256) << 16) |
               (static_cast<uint32_t>(y * 5 % 256) << 8) | 0x40;
    }
    // The button's picture: a magenta frame three pixels wide around a solid centre.
    static uint32_t Face(int x, int y) {
        return x < 3 || y < 3 || x >= 57 || y >= 27 ? 0xFF00FF : kNormalRgb;
    }
    TsuiImageButton* Prepare(bool transparent) {
        auto* image = new TImage(form);
        image->SetBounds(0, 0, 200, 150);
        PaintPicture(*image->Picture(), 200, 150, Background);
        image->SetParent(form);
        TsuiImageButton* button = AddButton(40, 30, 60, 30);
        TPicture face;
        PaintPicture(face, 60, 30, Face);
        button->SetPicNormal(&face);
        button->SetTransparent(transparent);
        return button;
    }
};

TEST_F(TransparencyTest, ATransparentButtonShowsTheParentWhereItsPictureHasTheCornerColour) {
    TsuiImageButton* button = Prepare(true);
    for (const TPixels& p : {RenderControl(*button), ScreenPixels(*button)}) {
        int wrong = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 60; ++x) {
                const uint32_t expected =
                    Face(x, y) == 0xFF00FF ? Background(40 + x, 30 + y) : kNormalRgb;
                wrong += p.At(x, y) != expected;
            }
        EXPECT_EQ(wrong, 0);
    }
}

TEST_F(TransparencyTest, AnOpaqueButtonShowsItsWholePicture) {
    TsuiImageButton* button = Prepare(false);
    const TPixels p = RenderControl(*button);
    int wrong = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x)
            wrong += p.At(x, y) != Face(x, y);
    EXPECT_EQ(wrong, 0);
}

TEST_F(ButtonTest, StretchFillsTheButtonWithThePicture) {
    TsuiImageButton* button = AddButton(20, 20, 60, 30);
    TPicture picture;
    PaintPicture(picture, 6, 3, [](int x, int) { return x < 3 ? kNormalRgb : kPressedRgb; });
    button->SetPicNormal(&picture);
    button->SetStretch(true);
    const TPixels p = RenderControl(*button);
    EXPECT_EQ(p.CountOtherThan(kNormalRgb, Rect(0, 0, 29, 30)), 0);
    EXPECT_EQ(p.CountOtherThan(kPressedRgb, Rect(31, 0, 60, 30)), 0);
}

TEST_F(ButtonTest, TheFocusFrameIsDrawnOnlyWithDrawFocused) {
    TsuiImageButton* button = AddButton();
    GiveStatePictures(*button);
    button->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return button->Focused(); }));
    EXPECT_EQ(RenderControl(*button).CountOtherThan(kNormalRgb, Bounds(0, 0, 60, 30)), 0);

    button->SetDrawFocused(true);
    TPixels p = RenderControl(*button);
    EXPECT_GT(p.CountOtherThan(kNormalRgb, Rect(2, 2, 3, 28)), 5) << "left edge at the margin";
    EXPECT_GT(p.CountOtherThan(kNormalRgb, Rect(2, 27, 58, 28)), 10) << "bottom edge";
    EXPECT_EQ(p.CountOtherThan(kNormalRgb, Rect(0, 0, 60, 2)), 0);
    EXPECT_EQ(p.CountOtherThan(kNormalRgb, Rect(3, 3, 57, 27)), 0);

    button->SetFocusedRectMargin(5);
    p = RenderControl(*button);
    EXPECT_EQ(p.CountOtherThan(kNormalRgb, Rect(0, 0, 60, 5)), 0);
    EXPECT_GT(p.CountOtherThan(kNormalRgb, Rect(5, 5, 6, 25)), 5);

    // Not focused: no frame even with DrawFocused.
    TsuiImageButton* other = AddButton(100, 20);
    other->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return !button->Focused(); }));
    EXPECT_EQ(RenderControl(*button).CountOtherThan(kNormalRgb, Bounds(0, 0, 60, 30)), 0);
}

TEST_F(ButtonTest, TheCaptionIsCentredAndMovesWhenPressed) {
    TsuiImageButton* button = AddButton(20, 20, 80, 40);
    TPicture picture;
    FillPicture(picture, 160, 90, 0xFFFFFF);
    button->SetPicNormal(&picture);
    button->Font()->SetColor(clBlack);
    button->SetCaption("Go");
    const TRect ink = InkBox(RenderControl(*button), 0xFFFFFF);
    ASSERT_GT(ink.Right, ink.Left) << "the caption shows";
    EXPECT_LE(std::abs(ink.Left - (80 - ink.Right)), 3) << "about centred across";
    EXPECT_LE(std::abs(ink.Top - (40 - ink.Bottom)), 4) << "about centred down";
    // Exactly centred: growing the button by 80 x 50 moves the text by half of that.
    button->SetBounds(20, 20, 160, 90);
    const TRect larger = InkBox(RenderControl(*button), 0xFFFFFF);
    EXPECT_EQ(larger.Left - ink.Left, 40);
    EXPECT_EQ(larger.Top - ink.Top, 25);
    EXPECT_EQ(larger.Width(), ink.Width());

    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(5, 5));
    const TRect pressed = InkBox(RenderControl(*button), 0xFFFFFF);
    button->Perform(CM_CANCELMODE);
    EXPECT_EQ(pressed.Left, larger.Left + 1);
    EXPECT_EQ(pressed.Top, larger.Top + 1);

    button->SetCaption("  \t ");
    EXPECT_EQ(RenderControl(*button).CountOtherThan(0xFFFFFF, Bounds(0, 0, 160, 90)), 0)
        << "a caption of blanks is not drawn";
}

TEST_F(ButtonTest, ADisabledCaptionIsEngravedGreyOverWhite) {
    TsuiImageButton* button = AddButton(20, 20, 80, 40);
    TPicture picture;
    FillPicture(picture, 80, 40, kNormalRgb);
    button->SetPicNormal(&picture);
    button->SetCaption("Go");
    button->SetEnabled(false);
    const TPixels p = RenderControl(*button);
    const TRect grey = BoxOf(p, 0x808080), white = BoxOf(p, 0xFFFFFF);
    ASSERT_GT(grey.Right, grey.Left);
    ASSERT_GT(white.Right, white.Left);
    EXPECT_EQ(white.Right, grey.Right + 1) << "the white copy lies one pixel right";
    EXPECT_EQ(white.Bottom, grey.Bottom + 1) << "and one pixel down";
}

TEST_F(ButtonTest, ManyPaintsLeaveNoGdiObjectsBehind) {
    TsuiImageButton* button = AddButton();
    GiveStatePictures(*button);
    button->SetCaption("Go");
    const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (before != 0) {
        for (int i = 0; i < 300; ++i) {
            button->SetTransparent(i % 2 == 0);
            button->Repaint();
            RenderControl(*button);
        }
        const DWORD after = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
        EXPECT_LE(after, before + 5) << before << " before, " << after << " after";
        return;
    }
    // Wine counts no GDI objects. Its handle table hands out the lowest free slot again: a
    // fresh object gets about the same slot after the paints unless they left objects
    // behind, and a table used up makes painting fail.
    auto freshSlot = [] {
        HBRUSH brush = CreateSolidBrush(0);
        const int slot = LOWORD(reinterpret_cast<ULONG_PTR>(brush));
        DeleteObject(brush);
        return slot;
    };
    TBitmap target;
    target.SetPixels(60, 30, std::vector<uint32_t>(60 * 30, 0xFF000000u), pf24bit);
    const auto dc = reinterpret_cast<WPARAM>(target.Canvas()->Handle());
    const int slotBefore = freshSlot();
    const ULONGLONG start = GetTickCount64();
    for (int i = 0; i < 20000; ++i) {
        if (i % 5000 == 0)
            button->SetTransparent(!button->Transparent());
        button->Perform(WM_PAINT, dc, 0);
    }
    const int slotAfter = freshSlot();
    std::printf("20000 paints in %llu ms; fresh GDI slot %d before, %d after\n",
                GetTickCount64() - start, slotBefore, slotAfter);
    EXPECT_LE(std::abs(slotAfter - slotBefore), 64);
    button->SetTransparent(false);
    EXPECT_EQ(RenderControl(*button).At(2, 2), kNormalRgb) << "painting still works";
}

} // namespace
