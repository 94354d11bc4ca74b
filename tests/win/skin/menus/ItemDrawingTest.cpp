// Items measured and drawn through the popup menu's owner-draw dispatch into memory bitmaps.
// Expected pixels come from the theme table's colours and the style pictures.
#include "tests/win/skin/menus/MenuTestSupport.h"

#include "skin/SUIMenu.h"

namespace {

enum class Kind { Normal, Selected, DisabledSelected, Separator, Checked, CheckedImage };
constexpr Kind kKinds[] = {Kind::Normal,    Kind::Selected, Kind::DisabledSelected,
                           Kind::Separator, Kind::Checked,  Kind::CheckedImage};
constexpr int kWidth = 160;
constexpr int kBar = 26;
constexpr TColor kImageColor = 0x3070B0;

class ItemLook : public ::testing::TestWithParam<std::tuple<TsuiUIStyle, Kind>> {
protected:
    TComponent owner{nullptr};
    TsuiPopupMenu menu{&owner};
    std::unique_ptr<TImageList> images = SolidImages(kImageColor);
    TColor Row(ThemeRow row) const { return GetBuiltinColor(menu.UIStyle(), row); }
};

TEST_P(ItemLook, DrawsFromTheStyleColoursAndPictures) {
    const auto [style, kind] = GetParam();
    menu.SetUIStyle(style);
    menu.SetImages(images.get());
    TMenuItem* item = AddItem(menu, kind == Kind::Separator ? "-" : "Ab");
    item->SetEnabled(kind != Kind::DisabledSelected);
    item->SetChecked(kind == Kind::Checked || kind == Kind::CheckedImage);
    item->SetImageIndex(kind == Kind::CheckedImage ? 0 : -1);
    const bool mac = style == MacOS;
    const int height = MeasureThrough(menu, item).cy;
    EXPECT_EQ(height, kind == Kind::Separator ? (mac ? 12 : 5) : (mac ? 20 : 21));
    const bool selected = kind == Kind::Selected || kind == Kind::DisabledSelected;
    auto shown = DrawThrough(menu, item, kWidth, height, selected);
    const auto macBar = Picture("MACOS_MENU_BAR"), macSelect = Picture("MACOS_MENU_SELECT");
    // What the background shows in row y at a column left alone by text, line and glyph.
    auto background = [&](int y, bool inBar) {
        if (mac)
            return PixelOf(kind == Kind::Selected ? *macSelect : *macBar, 0, y);
        if (kind == Kind::Selected)
            return Row(ThemeRow::MenuSelectedColor);
        return Row(inBar ? ThemeRow::MenuSideBarColor : ThemeRow::MenuItemColor);
    };
    const bool framed = kind == Kind::Selected && !mac;
    for (int y = framed ? 1 : 0; y < height - (framed ? 1 : 0); ++y) {
        if (kind == Kind::Separator && y == 2 && !mac)
            continue;
        EXPECT_EQ(PixelOf(*shown, kWidth - 3, y), background(y, false)) << y;
        if (kind != Kind::Selected || mac) {
            EXPECT_EQ(PixelOf(*shown, 1, y), background(y, true)) << y;
        }
    }
    switch (kind) {
    case Kind::Selected:
        if (!mac) {
            EXPECT_EQ(PixelOf(*shown, 0, 5), Row(ThemeRow::MenuSelectedBorderColor));
            EXPECT_EQ(PixelOf(*shown, 80, height - 1), Row(ThemeRow::MenuSelectedBorderColor));
        }
        break;
    case Kind::Separator:
        if (!mac) {
            EXPECT_EQ(PixelOf(*shown, kBar + 4, 2), 0x848284);
            EXPECT_EQ(PixelOf(*shown, kWidth - 3, 2), 0x848284);
            EXPECT_EQ(PixelOf(*shown, kWidth - 2, 2), background(2, false));
            EXPECT_EQ(PixelOf(*shown, kBar + 3, 2), background(2, false));
        }
        break;
    case Kind::Checked: {
        const auto glyph = Picture("MENU_CHECKED");
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const TColor g = PixelOf(*glyph, x, y);
                ASSERT_EQ(PixelOf(*shown, 4 + x, 3 + y), g == clWhite ? background(3 + y, true) : g)
                    << x << "," << y;
            }
        break;
    }
    case Kind::CheckedImage:
        EXPECT_EQ(PixelOf(*shown, 2, 10), clBlack);                          // the box's frame
        EXPECT_EQ(PixelOf(*shown, 3, 10), Row(ThemeRow::MenuSelectedColor)); // its fill
        EXPECT_EQ(PixelOf(*shown, 11, 10), kImageColor);                     // the image on it
        break;
    default:
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(StylesByKind, ItemLook,
                         ::testing::Combine(::testing::ValuesIn(kBuiltinStyles),
                                            ::testing::ValuesIn(kKinds)));

class ItemText : public ::testing::Test {
protected:
    TComponent owner{nullptr};
    TsuiPopupMenu menu{&owner};
    // The last column of the drawn item holding the colour, or -1.
    int LastInked(TMenuItem* item, TColor color) {
        auto shown = DrawThrough(menu, item, 200, 21, false);
        int last = -1;
        for (int y = 0; y < 21; ++y)
            for (int x = 0; x < 200; ++x)
                if (PixelOf(*shown, x, y) == color)
                    last = std::max(last, x);
        return last;
    }
    // Pixels of the colour in the columns [from, to) of the drawn item.
    int Count(TMenuItem* item, TColor color, int from, int to, bool selected = false) {
        auto shown = DrawThrough(menu, item, 200, 21, selected);
        int n = 0;
        for (int y = 0; y < 21; ++y)
            for (int x = from; x < to; ++x)
                n += PixelOf(*shown, x, y) == color;
        return n;
    }
};

TEST_F(ItemText, CaptionShortcutDefaultAndDisabledColours) {
    menu.SetUIStyle(WinXP);
    menu.SetFontColor(0x102030);
    menu.SetSelectedFontColor(0x405060);
    TMenuItem* item = AddItem(menu, "Ab");
    const int plain = Count(item, 0x102030, kBar, 100);
    EXPECT_GT(plain, 0);
    EXPECT_EQ(Count(item, 0x102030, 100, 200), 0);
    EXPECT_GT(Count(item, 0x405060, kBar, 100, true), 0);
    const int normalEnd = LastInked(item, 0x102030);
    item->SetDefault(true);
    EXPECT_GT(LastInked(item, 0x102030), normalEnd); // bold is wider
    item->SetShortCut(ShortCut('S', {ssCtrl}));
    EXPECT_GT(Count(item, 0x102030, 100, 200), 0);
    item->SetEnabled(false);
    EXPECT_EQ(Count(item, 0x102030, 0, 200), 0);
    EXPECT_GT(Count(item, 0x808080, kBar, 100), 0);
}

TEST_F(ItemText, WidthCountsCaptionShortcutAndBarAndATallTextSetsTheHeight) {
    TMenuItem* item = AddItem(menu, "Open file");
    item->SetShortCut(ShortCut(VK_F5, {ssShift}));
    TBitmap scratch;
    Fill(scratch, 1, 1, clWhite);
    LoadMenuFont(scratch.Canvas()->Font());
    TCanvas& c = *scratch.Canvas();
    EXPECT_EQ(MeasureThrough(menu, item).cx,
              c.TextWidth("Open file") + c.TextWidth("Shift+F5") + kBar + 40);
    menu.SetMenuItemHeight(3);
    EXPECT_EQ(MeasureThrough(menu, item).cy, c.TextHeight("Open file"));
}

// Direction x bar colours: the bar and the glyph go to the right only in a right-to-left menu
// on a Middle-East system; the gradient runs from BarColor on the left in both directions.
TEST(ItemDirection, BarGlyphAndSeparatorFollowTheDirection) {
    constexpr TColor from = 0x0000F0, to = 0xF00000, item = 0xFFFFFF;
    for (bool rtl : {false, true}) {
        std::unique_ptr<TMiddleEastLocale> locale(rtl ? new TMiddleEastLocale : nullptr);
        TComponent owner(nullptr);
        TsuiPopupMenu menu(&owner);
        menu.SetBiDiMode(bdRightToLeft);
        menu.SetUIStyle(DeepBlue);
        menu.SetBarColor(from);
        menu.SetBarToColor(to);
        TMenuItem* checked = AddItem(menu, "Ab");
        checked->SetChecked(true);
        TMenuItem* line = AddItem(menu, "-");
        const int barLeft = rtl ? kWidth - kBar : 0, glyphX = rtl ? kWidth - 20 : 4;
        auto shown = DrawThrough(menu, checked, kWidth, 21, false);
        EXPECT_EQ(PixelOf(*shown, barLeft, 10), from) << rtl;
        EXPECT_EQ(PixelOf(*shown, barLeft + kBar - 1, 10), to) << rtl;
        EXPECT_EQ(PixelOf(*shown, rtl ? 1 : kWidth - 2, 10), item) << rtl;
        const auto glyph = Picture("MENU_CHECKED");
        int inked = 0, found = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (PixelOf(*glyph, x, y) != clWhite) {
                    ++inked;
                    found += PixelOf(*shown, glyphX + x, 3 + y) == PixelOf(*glyph, x, y);
                }
        EXPECT_GT(inked, 0);
        EXPECT_EQ(found, inked) << rtl;
        shown = DrawThrough(menu, line, kWidth, 5, false);
        const int lineFrom = rtl ? 2 : kBar + 4, lineTo = rtl ? kWidth - kBar - 4 : kWidth - 2;
        EXPECT_EQ(PixelOf(*shown, lineFrom, 2), 0x848284) << rtl;
        EXPECT_EQ(PixelOf(*shown, lineTo - 1, 2), 0x848284) << rtl;
        EXPECT_EQ(PixelOf(*shown, lineTo, 2), item) << rtl;
    }
}

} // namespace
