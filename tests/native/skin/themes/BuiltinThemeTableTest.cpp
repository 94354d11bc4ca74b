#include "skin/BuiltinThemeTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Expected rows in row order, typed apart from the table itself: the n-th entry is row n.
// Bitmap cells starting with '*' get the style's prefix ("*_TAB" -> "WINXP_TAB").
struct ExpectedRow {
    ThemeRow Row;
    char Kind; // i integer, c colour, b boolean, p picture
    const char* Cells[5];
};

const ExpectedRow kExpected[] = {
    {ThemeRow::ButtonPicture, 'p', {"*_BUTTON", "*_BUTTON", "*_BUTTON", "*_BUTTON", "*_BUTTON"}},
    {ThemeRow::ButtonTransparent, 'b', {"1", "0", "0", "0", "1"}},
    {ThemeRow::CheckBoxPicture,
     'p',
     {"*_CHECKBOX", "*_CHECKBOX", "*_CHECKBOX", "*_CHECKBOX", "*_CHECKBOX"}},
    {ThemeRow::RadioButtonPicture,
     'p',
     {"*_RADIOBUTTON", "*_RADIOBUTTON", "*_RADIOBUTTON", "*_RADIOBUTTON", "*_RADIOBUTTON"}},
    {ThemeRow::TitleButtonStrip,
     'p',
     {"*_TITLEBTN", "*_TITLEBTN", "*_TITLEBTN", "*_TITLEBTN", "*_TITLEBTN"}},
    {ThemeRow::TitleButtonsTransparent, 'b', {"0", "0", "0", "1", "1"}},
    {ThemeRow::TitleLeftButtonOffset, 'i', {"3", "2", "0", "0", "4"}},
    {ThemeRow::TitleRightButtonOffset, 'i', {"-2", "-2", "0", "0", "-3"}},
    {ThemeRow::TitleButtonTop, 'i', {"4", "5", "2", "2", "6"}},
    {ThemeRow::TitleLeftPicture,
     'p',
     {"*_TITLE_LEFT", "*_TITLE_LEFT", "*_TITLE_LEFT", "*_TITLE_LEFT", "*_TITLE_LEFT"}},
    {ThemeRow::TitleClientPicture,
     'p',
     {"*_TITLE_CLIENT", "*_TITLE_CLIENT", "*_TITLE_CLIENT", "*_TITLE_CLIENT", "*_TITLE_CLIENT"}},
    {ThemeRow::TitleRightPicture,
     'p',
     {"*_TITLE_RIGHT", "*_TITLE_RIGHT", "*_TITLE_RIGHT", "*_TITLE_RIGHT", "*_TITLE_RIGHT"}},
    {ThemeRow::FormMinWidth, 'i', {"130", "150", "130", "130", "270"}},
    {ThemeRow::FormRoundCorner, 'i', {"0", "13", "0", "0", "11"}},
    {ThemeRow::FormColor, 'c', {"E7E7E7", "DEEBEF", "E8E8E8", "FBFBFB", "E7E7E7"}},
    {ThemeRow::FormBorderColor, 'c', {"7F7F7F", "C82C00", "000000", "000000", "000000"}},
    {ThemeRow::FormBorderWidth, 'i', {"1", "3", "1", "1", "1"}},
    {ThemeRow::MenuSelectedBorderColor, 'c', {"C47339", "C66931", "A04A44", "C4302D", "EC5E5E"}},
    {ThemeRow::MenuSelectedColor, 'c', {"C47339", "EFD3C6", "A04A44", "C4302D", "EC5E5E"}},
    {ThemeRow::MenuSelectedFontColor, 'c', {"FFFFFF", "000000", "FFFFFF", "FFFFFF", "FFFFFF"}},
    {ThemeRow::MenuItemColor, 'c', {"000000", "FFFFFF", "FFFFFF", "FFFFFF", "E7E7E7"}},
    {ThemeRow::MenuFontColor, 'c', {"000000", "000000", "000000", "000000", "000000"}},
    {ThemeRow::MenuSideBarColor, 'c', {"000000", "CED3D6", "CED3D6", "CED3D6", "CED3D6"}},
    {ThemeRow::ProgressBarPicture,
     'p',
     {"*_PROGRESSBAR", "*_PROGRESSBAR", "*_PROGRESSBAR", "*_PROGRESSBAR", "*_PROGRESSBAR"}},
    {ThemeRow::ControlBorderColor, 'c', {"7F7F7F", "686868", "000000", "000000", "000000"}},
    {ThemeRow::ControlColor, 'c', {"E7E7E7", "DEEBEF", "E8E8E8", "FBFBFB", "E7E7E7"}},
    {ThemeRow::ControlFontColor, 'c', {"000000", "CF4602", "000000", "000000", "000000"}},
    {ThemeRow::TrackBarPicture,
     'p',
     {"*_TRACKBAR_BAR", "*_TRACKBAR_BAR", "*_TRACKBAR_BAR", "*_TRACKBAR_BAR", "*_TRACKBAR_BAR"}},
    {ThemeRow::TrackBarSliderPicture,
     'p',
     {"*_TRACKBAR_SLIDER", "*_TRACKBAR_SLIDER", "*_TRACKBAR_SLIDER", "*_TRACKBAR_SLIDER",
      "*_TRACKBAR_SLIDER"}},
    {ThemeRow::TrackBarVerticalSliderPicture,
     'p',
     {"*_TRACKBAR_SLIDER_V", "*_TRACKBAR_SLIDER_V", "*_TRACKBAR_SLIDER_V", "*_TRACKBAR_SLIDER_V",
      "*_TRACKBAR_SLIDER_V"}},
    {ThemeRow::ScrollBarColor, 'c', {"C9C9C9", "F9F9F9", "F5F5F5", "F5F5F5", "F4F4F4"}},
    {ThemeRow::ScrollBarButtonPicture,
     'p',
     {"*_SCROLLBAR_BUTTON", "*_SCROLLBAR_BUTTON", "*_SCROLLBAR_BUTTON", "*_SCROLLBAR_BUTTON",
      "*_SCROLLBAR_BUTTON"}},
    {ThemeRow::ScrollBarTrackPicture,
     'p',
     {"*_SCROLLBAR_TRACK", "*_SCROLLBAR_TRACK", "*_SCROLLBAR_TRACK", "*_SCROLLBAR_TRACK",
      "*_SCROLLBAR_TRACK"}},
    {ThemeRow::CheckListPicture,
     'p',
     {"*_CHECKLIST", "*_CHECKLIST", "*_CHECKLIST", "*_CHECKLIST", "*_CHECKLIST"}},
    {ThemeRow::ToolButtonBorderColor, 'c', {"474747", "C66931", "474747", "474747", "474747"}},
    {ThemeRow::ToolButtonHotColor, 'c', {"EFEFEF", "EFD3C6", "EFEFEF", "EFEFEF", "EFEFEF"}},
    {ThemeRow::ToolButtonDownColor, 'c', {"D8D8D8", "E1AC93", "D8D8D8", "D8D8D8", "D8D8D8"}},
    {ThemeRow::ScrollButtonPicture,
     'p',
     {"MACOS_SCROLLBUTTON", "WINXP_SCROLLBUTTON", "MORE_SCROLLBUTTON", "MORE_SCROLLBUTTON",
      "MORE_SCROLLBUTTON"}},
    {ThemeRow::TabPicture, 'p', {"*_TAB", "*_TAB", "*_TAB", "*_TAB", "*_TAB"}},
    {ThemeRow::TabLinePicture,
     'p',
     {"*_TAB_LINE", "*_TAB_LINE", "*_TAB_LINE", "*_TAB_LINE", "*_TAB_LINE"}},
    {ThemeRow::SideChannelHandlePicture,
     'p',
     {"*_SIDECHENNEL_HANDLE", "*_SIDECHENNEL_HANDLE", "*_SIDECHENNEL_HANDLE",
      "*_SIDECHENNEL_HANDLE", "*_SIDECHENNEL_HANDLE"}},
    {ThemeRow::SideChannelBarPicture,
     'p',
     {"*_SIDECHENNEL_BAR", "*_SIDECHENNEL_BAR", "*_SIDECHENNEL_BAR", "*_SIDECHENNEL_BAR",
      "*_SIDECHENNEL_BAR"}},
    {ThemeRow::SideChannelTitlePicture, 'p', {"", "", "", "", ""}},
    {ThemeRow::SideChannelFontColor, 'c', {"000000", "FFFFFF", "FFFFFF", "FFFFFF", "FFFFFF"}},
    {ThemeRow::BlankPicture1, 'p', {"", "", "", "", ""}},
    {ThemeRow::BlankPicture2, 'p', {"", "", "", "", ""}},
    {ThemeRow::BlankInteger, 'i', {"0", "0", "0", "0", "0"}},
    {ThemeRow::SideChannelColor, 'c', {"E7E7E7", "DEEBEF", "E8E8E8", "FBFBFB", "E7E7E7"}},
};

const char* const kPrefixes[5] = {"MACOS", "WINXP", "DEEPBLUE", "PROTEIN", "BLUEGLASS"};
const TsuiUIStyle kStyles[5] = {MacOS, WinXP, DeepBlue, Protein, BlueGlass};

// Walks the table by number, as its stored layout.
ThemeRow RowNumber(int number) {
    return static_cast<ThemeRow>(number);
}

std::string RowTrace(ThemeRow row) {
    return "row " + std::to_string(static_cast<int>(row));
}

BuiltinEntryKind KindOf(char letter) {
    switch (letter) {
    case 'c':
        return ekColor;
    case 'p':
        return ekBitmap;
    case 'b':
        return ekBoolean;
    default:
        return ekInteger;
    }
}

std::string ExpectedName(const char* cell, int styleIndex) {
    std::string name = cell;
    if (!name.empty() && name[0] == '*')
        name = kPrefixes[styleIndex] + name.substr(1);
    return name;
}

int32_t ExpectedValue(const ExpectedRow& row, int styleIndex) {
    const int base = row.Kind == 'c' ? 16 : 10;
    return static_cast<int32_t>(std::stol(row.Cells[styleIndex], nullptr, base));
}

TEST(BuiltinThemeTable, ExpectedCoversEveryRowOnce) {
    ASSERT_EQ(std::size(kExpected), static_cast<size_t>(BuiltinRowCount));
    for (int i = 0; i < BuiltinRowCount; ++i)
        EXPECT_EQ(static_cast<int>(kExpected[i].Row), i + 1);
}

TEST(BuiltinThemeTable, EveryRowHasItsKindAndValues) {
    for (const ExpectedRow& row : kExpected) {
        for (int s = 0; s < 5; ++s) {
            SCOPED_TRACE(RowTrace(row.Row) + " style " + kPrefixes[s]);
            BuiltinEntryKind kind = ekBoolean;
            const int32_t value = LookupBuiltinEntry(kStyles[s], row.Row, kind);
            EXPECT_EQ(kind, KindOf(row.Kind));
            const char* name = BuiltinBitmapName(kStyles[s], row.Row);
            if (row.Kind == 'p') {
                ASSERT_NE(name, nullptr);
                EXPECT_EQ(std::string(name), ExpectedName(row.Cells[s], s));
                EXPECT_EQ(value, 0);
            } else {
                EXPECT_EQ(name, nullptr);
                EXPECT_EQ(value, ExpectedValue(row, s));
            }
        }
    }
}

TEST(BuiltinThemeTable, TypedGettersAnswerOnlyForTheirKind) {
    for (const ExpectedRow& row : kExpected) {
        for (int s = 0; s < 5; ++s) {
            SCOPED_TRACE(RowTrace(row.Row) + " style " + kPrefixes[s]);
            const int32_t v = row.Kind == 'p' ? 0 : ExpectedValue(row, s);
            EXPECT_EQ(GetBuiltinColor(kStyles[s], row.Row), row.Kind == 'c' ? v : 0);
            EXPECT_EQ(GetBuiltinInt(kStyles[s], row.Row), row.Kind == 'i' ? v : -1);
            EXPECT_EQ(GetBuiltinBool(kStyles[s], row.Row), row.Kind == 'b' && v == 1);
        }
    }
}

TEST(BuiltinThemeTable, NamedCases) {
    EXPECT_EQ(GetBuiltinInt(WinXP, ThemeRow::TitleRightButtonOffset), -2);
    EXPECT_EQ(GetBuiltinInt(WinXP, ThemeRow::FormColor), -1); // a colour row
    EXPECT_EQ(GetBuiltinColor(FromThemeFile, ThemeRow::FormColor), 0);
    EXPECT_EQ(GetBuiltinColor(DeepBlue, ThemeRow::FormColor), 0xE8E8E8);
    EXPECT_EQ(GetBuiltinInt(DeepBlue, ThemeRow::FormMinWidth), 130);
    EXPECT_STREQ(BuiltinBitmapName(WinXP, ThemeRow::TitleLeftPicture), "WINXP_TITLE_LEFT");
    EXPECT_STREQ(BuiltinBitmapName(Protein, ThemeRow::ScrollButtonPicture), "MORE_SCROLLBUTTON");
}

TEST(BuiltinThemeTable, StylesOutsideOneToFiveHaveNoValues) {
    for (int raw : {0, 6, 7, 0x7F, 0x80, 0x86, 255}) {
        const auto style = static_cast<TsuiUIStyle>(raw);
        SCOPED_TRACE("style " + std::to_string(raw));
        for (int number = 1; number <= BuiltinRowCount; ++number) {
            const ThemeRow row = RowNumber(number);
            BuiltinEntryKind kind = ekBitmap;
            EXPECT_EQ(LookupBuiltinEntry(style, row, kind), -1);
            EXPECT_EQ(kind, ekInteger);
            EXPECT_EQ(BuiltinBitmapName(style, row), nullptr);
            EXPECT_EQ(GetBuiltinColor(style, row), 0);
            EXPECT_EQ(GetBuiltinInt(style, row), -1);
            EXPECT_FALSE(GetBuiltinBool(style, row));
        }
    }
}

TEST(BuiltinThemeTable, HighBitOfStyleIsIgnored) {
    for (int s = 0; s < 5; ++s) {
        const auto flagged = static_cast<TsuiUIStyle>(0x80 | kStyles[s]);
        for (int number = 1; number <= BuiltinRowCount; ++number) {
            const ThemeRow row = RowNumber(number);
            BuiltinEntryKind plainKind = ekInteger;
            BuiltinEntryKind flaggedKind = ekInteger;
            EXPECT_EQ(LookupBuiltinEntry(flagged, row, flaggedKind),
                      LookupBuiltinEntry(kStyles[s], row, plainKind));
            EXPECT_EQ(flaggedKind, plainKind);
            EXPECT_EQ(BuiltinBitmapName(flagged, row), BuiltinBitmapName(kStyles[s], row));
        }
    }
    EXPECT_EQ(GetBuiltinInt(static_cast<TsuiUIStyle>(0x81), ThemeRow::TitleLeftButtonOffset), 3);
}

TEST(BuiltinThemeTable, RowsOutsideTheTableHaveNoValues) {
    for (int number : {-1, 0, 49, 1000}) {
        const ThemeRow row = RowNumber(number);
        BuiltinEntryKind kind = ekColor;
        EXPECT_EQ(LookupBuiltinEntry(WinXP, row, kind), -1);
        EXPECT_EQ(kind, ekInteger);
        EXPECT_EQ(BuiltinBitmapName(WinXP, row), nullptr);
        EXPECT_EQ(GetBuiltinColor(WinXP, row), 0);
    }
}

} // namespace
