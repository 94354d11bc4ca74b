// Sections and buttons as painted, against pictures composed from the style bitmaps.
#include "TitleBarFixture.h"

namespace {
const TsuiUIStyle kStyles[] = {MacOS, WinXP, DeepBlue, Protein, BlueGlass};

// The frames of the close button's triple: normal, pointer on, pressed.
enum TState { kNormal, kHover, kPressed };
constexpr int kCloseFrames[] = {16, 17, 18};
constexpr int kMaxFrame = 7, kMinFrame = 13, kRestoreFrame = 10;
} // namespace

TEST_F(TitleBarTest, SectionsShowTheStylesTitlePicturesAtBothEnds) {
    for (TsuiUIStyle style : kStyles) {
        SCOPED_TRACE(StyleName(style));
        AddBar(style);
        for (int i = 0; i < bar->Buttons()->Count(); ++i)
            bar->Buttons()->Items(i)->SetVisible(false);
        const TStylePicture left = StylePicture(style, ThemeRow::TitleLeftPicture);
        const TStylePicture right = StylePicture(style, ThemeRow::TitleRightPicture);
        EXPECT_EQ(bar->Height(), left.Height) << "AutoSize takes the first section's height";
        ASSERT_EQ(bar->Sections()->Count(), 3);
        const TPixels shown = RenderControl(*bar);
        EXPECT_EQ(Mismatches(shown, left, 0, 0, false), 0);
        EXPECT_EQ(Mismatches(shown, right, bar->Width() - right.Width, 0, false), 0);
        bar->Free();
    }
}

TEST_F(TitleBarTest, ButtonsShowTheirFramesAtTheirPlacesInEveryState) {
    for (TsuiUIStyle style : kStyles)
        for (TState state : {kNormal, kHover, kPressed}) {
            SCOPED_TRACE(std::string(StyleName(style)) + " state " + std::to_string(state));
            AddBar(style);
            const bool transparent = GetBuiltinBool(style, ThemeRow::TitleButtonsTransparent);
            EXPECT_EQ(bar->ButtonTop(), GetBuiltinInt(style, ThemeRow::TitleButtonTop));
            const int closeLeft = CloseLeft();
            if (state != kNormal)
                HoverUntil(ButtonCentre(closeLeft), IndexOf(suiClose));
            if (state == kPressed) {
                const TPoint c = ButtonCentre(closeLeft);
                bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(c.X, c.Y));
                EXPECT_TRUE(bar->MouseIsDown());
            }
            const TPixels shown = RenderControl(*bar);
            EXPECT_EQ(Mismatches(shown, StripFrame(style, kCloseFrames[state]), closeLeft,
                                 bar->ButtonTop(), transparent),
                      0);
            EXPECT_EQ(Mismatches(shown, StripFrame(style, kMaxFrame), RightButtonLeft(1),
                                 bar->ButtonTop(), transparent),
                      0);
            EXPECT_EQ(Mismatches(shown, StripFrame(style, kMinFrame), RightButtonLeft(2),
                                 bar->ButtonTop(), transparent),
                      0);
            if (state == kPressed) {
                PointerAway();
                RenderControl(*bar);
                bar->Perform(WM_LBUTTONUP, 0, PointToLParam(0, -50));
                EXPECT_TRUE(form->Visible()) << "released off the buttons: nothing is clicked";
            }
            bar->Free();
        }
}

TEST_F(TitleBarTest, ButtonIntervalSeparatesAllButTheCloseButton) {
    for (int interval : {0, 3, 9}) {
        SCOPED_TRACE(interval);
        AddBar(WinXP);
        bar->SetButtonInterval(interval);
        const TPixels shown = RenderControl(*bar);
        const int fw = StripFrame(WinXP, kMaxFrame).Width;
        EXPECT_EQ(RightButtonLeft(1), CloseLeft() - fw - interval - 1);
        EXPECT_EQ(Mismatches(shown, StripFrame(WinXP, kCloseFrames[kNormal]), CloseLeft(),
                             bar->ButtonTop(), false),
                  0);
        EXPECT_EQ(Mismatches(shown, StripFrame(WinXP, kMaxFrame), RightButtonLeft(1),
                             bar->ButtonTop(), false),
                  0);
        EXPECT_EQ(Mismatches(shown, StripFrame(WinXP, kMinFrame), RightButtonLeft(2),
                             bar->ButtonTop(), false),
                  0);
        bar->Free();
    }
}

TEST_F(TitleBarTest, MaximiseButtonShowsTheRestoreGlyphWhileTheFormIsMaximised) {
    for (TsuiUIStyle style : {WinXP, BlueGlass}) {
        SCOPED_TRACE(StyleName(style));
        AddBar(style);
        const bool transparent = GetBuiltinBool(style, ThemeRow::TitleButtonsTransparent);
        TsuiTitleBarButton* max = bar->Buttons()->Items(IndexOf(suiMax));
        max->Click();
        PumpPending();
        ASSERT_EQ(form->WindowState(), wsMaximized);
        EXPECT_EQ(PixelsOf(*max->PicNormal()), StripFrame(style, kRestoreFrame).Rgb);
        EXPECT_EQ(Mismatches(RenderControl(*bar), StripFrame(style, kRestoreFrame),
                             RightButtonLeft(1), bar->ButtonTop(), transparent),
                  0);
        max->Click();
        PumpPending();
        EXPECT_EQ(form->WindowState(), wsNormal);
        EXPECT_EQ(PixelsOf(*max->PicNormal()), StripFrame(style, kMaxFrame).Rgb);
        bar->Free();
    }
}
