// Items measured and drawn through the popup menu's owner-draw dispatch into memory bitmaps;
// expected pixels from the theme table's colours and the style pictures.
#include "tests/win/skin/menus/MenuTestSupport.h"

namespace {

enum class Kind { Normal, Selected, DisabledSelected, Separator, Checked, CheckedImage };
constexpr int kWidth = 160, kBar = 26, kLine = 0x848284;
constexpr TColor kImage = 0x3070B0;

// Whether every inked pixel of the check glyph shows at (x, 3) of the item.
bool GlyphAt(const TBitmap& shown, int x) {
    const auto glyph = Picture("MENU_CHECKED");
    bool all = true;
    for (int y = 0; y < 16; ++y)
        for (int i = 0; i < 16; ++i)
            if (PixelOf(*glyph, i, y) != clWhite)
                all = all && PixelOf(shown, x + i, 3 + y) == PixelOf(*glyph, i, y);
    return all;
}

class ItemLook : public ::testing::TestWithParam<std::tuple<TsuiUIStyle, Kind>> {};

TEST_P(ItemLook, DrawsFromTheStyleColoursAndPictures) {
    const auto [style, kind] = GetParam();
    TComponent owner(nullptr);
    TsuiPopupMenu menu(&owner);
    menu.SetUIStyle(style);
    auto images = SolidImages(kImage);
    menu.SetImages(images.get());
    TMenuItem* item = AddItem(menu, kind == Kind::Separator ? "-" : "Ab");
    item->SetEnabled(kind != Kind::DisabledSelected);
    item->SetChecked(kind == Kind::Checked || kind == Kind::CheckedImage);
    item->SetImageIndex(kind == Kind::CheckedImage ? 0 : -1);
    const bool mac = style == MacOS, line = kind == Kind::Separator;
    const int height = MeasureThrough(menu, item).cy;
    EXPECT_EQ(height, line ? (mac ? 12 : 5) : (mac ? 20 : 21));
    auto shown = DrawThrough(menu, item, kWidth, height,
                             kind == Kind::Selected || kind == Kind::DisabledSelected);
    const auto macPicture =
        Picture(kind == Kind::Selected ? "MACOS_MENU_SELECT" : "MACOS_MENU_BAR");
    auto row = [&](ThemeRow r) { return GetBuiltinColor(style, r); };
    // The background of row y where no text, line or glyph lies, in the bar and beside it.
    auto background = [&](int y, bool bar) {
        return mac ? PixelOf(*macPicture, 0, y)
               : kind == Kind::Selected
                   ? row(ThemeRow::MenuSelectedColor)
                   : row(bar ? ThemeRow::MenuSideBarColor : ThemeRow::MenuItemColor);
    };
    const bool framed = kind == Kind::Selected && !mac;
    for (int y = framed; y < height - framed; ++y) {
        const bool onLine = line && !mac && y == 2;
        EXPECT_EQ(PixelOf(*shown, kWidth - 3, y), onLine ? kLine : background(y, false)) << y;
        EXPECT_EQ(PixelOf(*shown, 1, y), background(y, true)) << y;
    }
    if (framed) {
        for (const TPoint p : {TPoint{0, 5}, TPoint{80, 0}, TPoint{80, height - 1}})
            EXPECT_EQ(PixelOf(*shown, p.X, p.Y), row(ThemeRow::MenuSelectedBorderColor));
    }
    if (line && !mac) { // the line runs from beside the bar to two pixels short of the end
        EXPECT_EQ(PixelOf(*shown, kBar + 4, 2), kLine);
        EXPECT_EQ(PixelOf(*shown, kBar + 3, 2), background(2, false));
        EXPECT_EQ(PixelOf(*shown, kWidth - 2, 2), background(2, false));
    }
    if (kind == Kind::Checked) {
        EXPECT_TRUE(GlyphAt(*shown, 4));
        EXPECT_EQ(PixelOf(*shown, 4, 3), background(3, true)); // the glyph's white is clear
    }
    if (kind == Kind::CheckedImage) { // the image on a framed box instead of the glyph
        EXPECT_EQ(PixelOf(*shown, 2, 10), clBlack);
        EXPECT_EQ(PixelOf(*shown, 3, 10), row(ThemeRow::MenuSelectedColor));
        EXPECT_EQ(PixelOf(*shown, 11, 10), kImage);
    }
}

INSTANTIATE_TEST_SUITE_P(
    StylesByKind, ItemLook,
    ::testing::Combine(::testing::ValuesIn(kBuiltinStyles),
                       ::testing::Values(Kind::Normal, Kind::Selected, Kind::DisabledSelected,
                                         Kind::Separator, Kind::Checked, Kind::CheckedImage)));

// Right to left only for a right-to-left menu on a Middle-East system: the bar, the glyph and
// the separator line change sides; the gradient runs from BarColor on the left either way.
TEST(ItemDirection, BarGlyphAndLineChangeSides) {
    constexpr TColor from = 0x0000F0, to = 0xF00000;
    for (bool rtl : {false, true}) {
        std::unique_ptr<TMiddleEastLocale> locale(rtl ? new TMiddleEastLocale : nullptr);
        TComponent owner(nullptr);
        TsuiPopupMenu menu(&owner);
        menu.SetBiDiMode(bdRightToLeft);
        menu.SetBarColor(from);
        menu.SetBarToColor(to);
        TMenuItem* checked = AddItem(menu, "Ab");
        checked->SetChecked(true);
        const int bar = rtl ? kWidth - kBar : 0;
        auto shown = DrawThrough(menu, checked, kWidth, 21, false);
        EXPECT_EQ(PixelOf(*shown, bar, 10), from) << rtl;
        EXPECT_EQ(PixelOf(*shown, bar + kBar - 1, 10), to) << rtl;
        EXPECT_EQ(PixelOf(*shown, rtl ? 1 : kWidth - 2, 10), clWhite) << rtl;
        EXPECT_TRUE(GlyphAt(*shown, rtl ? kWidth - 20 : 4)) << rtl;
        shown = DrawThrough(menu, AddItem(menu, "-"), kWidth, 5, false);
        const int first = rtl ? 2 : kBar + 4, end = rtl ? kWidth - kBar - 4 : kWidth - 2;
        EXPECT_EQ(PixelOf(*shown, first, 2), kLine) << rtl;
        EXPECT_EQ(PixelOf(*shown, end - 1, 2), kLine) << rtl;
        EXPECT_EQ(PixelOf(*shown, end, 2), clWhite) << rtl;
    }
}

// The last column holding the colour, or -1.
int LastColumnOf(const TBitmap& shown, TColor color) {
    int last = -1;
    for (int y = 0; y < shown.Height(); ++y)
        for (int x = 0; x < shown.Width(); ++x)
            last = PixelOf(shown, x, y) == color ? std::max(last, x) : last;
    return last;
}

TEST(ItemText, ShortcutBoldDefaultGreyDisabledAndTheWidth) {
    TComponent owner(nullptr);
    TsuiPopupMenu menu(&owner);
    menu.SetFontColor(0x102030);
    TMenuItem* item = AddItem(menu, "Ab");
    const int caption = LastColumnOf(*DrawThrough(menu, item, 200, 21, false), 0x102030);
    EXPECT_GT(caption, kBar);
    item->SetDefault(true);
    EXPECT_GT(LastColumnOf(*DrawThrough(menu, item, 200, 21, false), 0x102030), caption);
    const int plainWidth = MeasureThrough(menu, item).cx;
    item->SetShortCut(ShortCut('S', {ssCtrl}));
    EXPECT_GT(LastColumnOf(*DrawThrough(menu, item, 200, 21, false), 0x102030), 180);
    EXPECT_GT(MeasureThrough(menu, item).cx, plainWidth);
    item->SetEnabled(false);
    EXPECT_EQ(LastColumnOf(*DrawThrough(menu, item, 200, 21, false), 0x102030), -1);
    EXPECT_GT(LastColumnOf(*DrawThrough(menu, item, 200, 21, false), 0x808080), 180);
    menu.SetMenuItemHeight(3); // a caption taller than the item height sets it
    EXPECT_GT(MeasureThrough(menu, item).cy, 3);
}

} // namespace
