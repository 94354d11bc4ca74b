// The caption: inactive colour, shortening to the room before the buttons, right-to-left
// placement through the locale seam. Captions are found by what they change in the picture.
#include "TitleBarFixture.h"

namespace {
constexpr TColor kInactive = 0x00FF00;

// The columns where the bar with `caption` differs from the bar without one.
std::pair<int, int> CaptionColumns(TsuiTitleBar& bar, const std::string& caption) {
    bar.SetCaption("");
    const TPixels bare = RenderControl(bar);
    bar.SetCaption(caption);
    const TPixels shown = RenderControl(bar);
    int first = shown.Width, last = -1;
    for (int y = 0; y < shown.Height; ++y)
        for (int x = 0; x < shown.Width; ++x)
            if (shown.At(x, y) != bare.At(x, y)) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}
} // namespace

TEST_F(TitleBarTest, InactiveCaptionIsDrawnInTheInactiveColourLeavingTheFont) {
    for (TsuiUIStyle style : {MacOS, DeepBlue}) {
        SCOPED_TRACE(StyleName(style));
        AddBar(style);
        bar->SetCaption("Window Caption");
        bar->SetInactiveCaptionColor(kInactive);
        const TColor font = bar->Font()->Color();
        EXPECT_EQ(font, style == MacOS ? 0x000000 : 0xFFFFFF);
        for (bool active : {true, false}) {
            bar->SetFormActive(active);
            EXPECT_EQ(RenderControl(*bar).CountOf(RgbOf(kInactive)) > 0, !active) << active;
        }
        EXPECT_EQ(bar->Font()->Color(), font);
        bar->Free();
    }
}

TEST_F(TitleBarTest, LongCaptionsAreShortenedToTheLongestPrefixThatFitsWithEllipsis) {
    AddBar(DeepBlue);
    bar->SetAlign(alNone);
    for (int i = 0; i < bar->Buttons()->Count(); ++i)
        bar->Buttons()->Items(i)->SetVisible(false);
    TBitmap measure;
    measure.SetSize(1, 1);
    measure.Canvas()->SetFont(bar->Font());
    const std::string longCaption(120, 'W');
    for (int width : {kFormWidth, 120, 10}) {
        SCOPED_TRACE(width);
        bar->SetWidth(width);
        // No buttons: the limit is the bar's last column, and the caption starts at 6.
        const int room = width - 1 - 6;
        bar->SetCaption(longCaption);
        const TPixels shown = RenderControl(*bar);
        int matching = -1;
        for (size_t n = 0; n <= longCaption.size() && matching < 0; ++n) {
            bar->SetCaption(longCaption.substr(0, n) + "...");
            if (RenderControl(*bar).Rgb == shown.Rgb)
                matching = static_cast<int>(n);
        }
        ASSERT_GE(matching, 0) << "the shown caption is a prefix with \"...\"";
        const std::string fitted = longCaption.substr(0, matching) + "...";
        const std::string longer = longCaption.substr(0, matching + 1) + "...";
        if (matching > 0) {
            EXPECT_LE(measure.Canvas()->TextWidth(fitted), room);
        }
        EXPECT_GT(measure.Canvas()->TextWidth(longer), room);
        if (width == 10) {
            EXPECT_EQ(fitted, "...") << "when nothing fits the caption shows as \"...\"";
        }
    }
}

TEST_F(TitleBarTest, RightToLeftCaptionEndsTenPixelsLeftOfTheLeftmostButton) {
    struct Case {
        TBiDiMode Mode;
        bool MiddleEast;
        bool RightToLeft;
    };
    for (Case c : {Case{bdRightToLeft, true, true}, Case{bdRightToLeft, false, false},
                   Case{bdRightToLeftNoAlign, true, false}, Case{bdLeftToRight, true, false}}) {
        SCOPED_TRACE(std::to_string(c.Mode) + (c.MiddleEast ? " middle east" : ""));
        TFixedLocale locale(c.MiddleEast);
        Application->SetLocale(&locale);
        AddBar(WinXP);
        bar->SetParentBiDiMode(false);
        bar->SetBiDiMode(c.Mode);
        EXPECT_EQ(bar->RightToLeft(), c.RightToLeft);
        const auto [first, last] = CaptionColumns(*bar, "Caption");
        const int leftmostButton = RightButtonLeft(2);
        if (c.RightToLeft) {
            EXPECT_LT(last, leftmostButton - 10);
            EXPECT_GE(last, leftmostButton - 10 - 3);
        } else {
            // After the application icon: LeftBtnXOffset - 4 - (B - 1), then 21 pixels.
            EXPECT_GE(first, std::max(0, bar->LeftBtnXOffset() - 3) + 21);
            EXPECT_LT(first, std::max(0, bar->LeftBtnXOffset() - 3) + 21 + 4);
        }
        bar->Free();
        Application->SetLocale(nullptr);
    }
}
