#include "skin/BuiltinThemeTable.h"

#include <cstddef>

namespace {

constexpr BuiltinRow Values(BuiltinEntryKind kind, int32_t macos, int32_t winxp, int32_t deepblue,
                            int32_t protein, int32_t blueglass) {
    return {kind,
            {{{macos, nullptr},
              {winxp, nullptr},
              {deepblue, nullptr},
              {protein, nullptr},
              {blueglass, nullptr}}}};
}

constexpr BuiltinRow Int(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e) {
    return Values(ekInteger, a, b, c, d, e);
}
constexpr BuiltinRow Color(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e) {
    return Values(ekColor, a, b, c, d, e);
}
constexpr BuiltinRow Bool(int32_t a, int32_t b, int32_t c, int32_t d, int32_t e) {
    return Values(ekBoolean, a, b, c, d, e);
}
constexpr BuiltinRow Bitmap(const char* a, const char* b, const char* c, const char* d,
                            const char* e) {
    return {ekBitmap, {{{0, a}, {0, b}, {0, c}, {0, d}, {0, e}}}};
}

} // namespace

const std::array<BuiltinRow, BuiltinRowCount> BuiltinThemeTable = {{
    /*  1 ButtonPicture */ Bitmap("MACOS_BUTTON", "WINXP_BUTTON", "DEEPBLUE_BUTTON",
                                  "PROTEIN_BUTTON", "BLUEGLASS_BUTTON"),
    /*  2 ButtonTransparent */ Bool(1, 0, 0, 0, 1),
    /*  3 CheckBoxPicture */
    Bitmap("MACOS_CHECKBOX", "WINXP_CHECKBOX", "DEEPBLUE_CHECKBOX", "PROTEIN_CHECKBOX",
           "BLUEGLASS_CHECKBOX"),
    /*  4 RadioButtonPicture */
    Bitmap("MACOS_RADIOBUTTON", "WINXP_RADIOBUTTON", "DEEPBLUE_RADIOBUTTON", "PROTEIN_RADIOBUTTON",
           "BLUEGLASS_RADIOBUTTON"),
    /*  5 TitleButtonStrip */
    Bitmap("MACOS_TITLEBTN", "WINXP_TITLEBTN", "DEEPBLUE_TITLEBTN", "PROTEIN_TITLEBTN",
           "BLUEGLASS_TITLEBTN"),
    /*  6 TitleButtonsTransparent */ Bool(0, 0, 0, 1, 1),
    /*  7 TitleLeftButtonOffset */ Int(3, 2, 0, 0, 4),
    /*  8 TitleRightButtonOffset */ Int(-2, -2, 0, 0, -3),
    /*  9 TitleButtonTop */ Int(4, 5, 2, 2, 6),
    /* 10 TitleLeftPicture */
    Bitmap("MACOS_TITLE_LEFT", "WINXP_TITLE_LEFT", "DEEPBLUE_TITLE_LEFT", "PROTEIN_TITLE_LEFT",
           "BLUEGLASS_TITLE_LEFT"),
    /* 11 TitleClientPicture */
    Bitmap("MACOS_TITLE_CLIENT", "WINXP_TITLE_CLIENT", "DEEPBLUE_TITLE_CLIENT",
           "PROTEIN_TITLE_CLIENT", "BLUEGLASS_TITLE_CLIENT"),
    /* 12 TitleRightPicture */
    Bitmap("MACOS_TITLE_RIGHT", "WINXP_TITLE_RIGHT", "DEEPBLUE_TITLE_RIGHT", "PROTEIN_TITLE_RIGHT",
           "BLUEGLASS_TITLE_RIGHT"),
    /* 13 FormMinWidth */ Int(130, 150, 130, 130, 270),
    /* 14 FormRoundCorner */ Int(0, 13, 0, 0, 11),
    /* 15 FormColor */ Color(0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7),
    /* 16 FormBorderColor */ Color(0x7F7F7F, 0xC82C00, 0x000000, 0x000000, 0x000000),
    /* 17 FormBorderWidth */ Int(1, 3, 1, 1, 1),
    /* 18 MenuSelectedBorderColor */ Color(0xC47339, 0xC66931, 0xA04A44, 0xC4302D, 0xEC5E5E),
    /* 19 MenuSelectedColor */ Color(0xC47339, 0xEFD3C6, 0xA04A44, 0xC4302D, 0xEC5E5E),
    /* 20 MenuSelectedFontColor */ Color(0xFFFFFF, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF),
    /* 21 MenuItemColor */ Color(0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xE7E7E7),
    /* 22 MenuFontColor */ Color(0x000000, 0x000000, 0x000000, 0x000000, 0x000000),
    /* 23 MenuSideBarColor */ Color(0x000000, 0xCED3D6, 0xCED3D6, 0xCED3D6, 0xCED3D6),
    /* 24 ProgressBarPicture */
    Bitmap("MACOS_PROGRESSBAR", "WINXP_PROGRESSBAR", "DEEPBLUE_PROGRESSBAR", "PROTEIN_PROGRESSBAR",
           "BLUEGLASS_PROGRESSBAR"),
    /* 25 ControlBorderColor */ Color(0x7F7F7F, 0x686868, 0x000000, 0x000000, 0x000000),
    /* 26 ControlColor */ Color(0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7),
    /* 27 ControlFontColor */ Color(0x000000, 0xCF4602, 0x000000, 0x000000, 0x000000),
    /* 28 TrackBarPicture */
    Bitmap("MACOS_TRACKBAR_BAR", "WINXP_TRACKBAR_BAR", "DEEPBLUE_TRACKBAR_BAR",
           "PROTEIN_TRACKBAR_BAR", "BLUEGLASS_TRACKBAR_BAR"),
    /* 29 TrackBarSliderPicture */
    Bitmap("MACOS_TRACKBAR_SLIDER", "WINXP_TRACKBAR_SLIDER", "DEEPBLUE_TRACKBAR_SLIDER",
           "PROTEIN_TRACKBAR_SLIDER", "BLUEGLASS_TRACKBAR_SLIDER"),
    /* 30 TrackBarVerticalSliderPicture */
    Bitmap("MACOS_TRACKBAR_SLIDER_V", "WINXP_TRACKBAR_SLIDER_V", "DEEPBLUE_TRACKBAR_SLIDER_V",
           "PROTEIN_TRACKBAR_SLIDER_V", "BLUEGLASS_TRACKBAR_SLIDER_V"),
    /* 31 ScrollBarColor */ Color(0xC9C9C9, 0xF9F9F9, 0xF5F5F5, 0xF5F5F5, 0xF4F4F4),
    /* 32 ScrollBarButtonPicture */
    Bitmap("MACOS_SCROLLBAR_BUTTON", "WINXP_SCROLLBAR_BUTTON", "DEEPBLUE_SCROLLBAR_BUTTON",
           "PROTEIN_SCROLLBAR_BUTTON", "BLUEGLASS_SCROLLBAR_BUTTON"),
    /* 33 ScrollBarTrackPicture */
    Bitmap("MACOS_SCROLLBAR_TRACK", "WINXP_SCROLLBAR_TRACK", "DEEPBLUE_SCROLLBAR_TRACK",
           "PROTEIN_SCROLLBAR_TRACK", "BLUEGLASS_SCROLLBAR_TRACK"),
    /* 34 CheckListPicture */
    Bitmap("MACOS_CHECKLIST", "WINXP_CHECKLIST", "DEEPBLUE_CHECKLIST", "PROTEIN_CHECKLIST",
           "BLUEGLASS_CHECKLIST"),
    /* 35 ToolButtonBorderColor */ Color(0x474747, 0xC66931, 0x474747, 0x474747, 0x474747),
    /* 36 ToolButtonHotColor */ Color(0xEFEFEF, 0xEFD3C6, 0xEFEFEF, 0xEFEFEF, 0xEFEFEF),
    /* 37 ToolButtonDownColor */ Color(0xD8D8D8, 0xE1AC93, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8),
    /* 38 ScrollButtonPicture */
    Bitmap("MACOS_SCROLLBUTTON", "WINXP_SCROLLBUTTON", "MORE_SCROLLBUTTON", "MORE_SCROLLBUTTON",
           "MORE_SCROLLBUTTON"),
    /* 39 TabPicture */
    Bitmap("MACOS_TAB", "WINXP_TAB", "DEEPBLUE_TAB", "PROTEIN_TAB", "BLUEGLASS_TAB"),
    /* 40 TabLinePicture */
    Bitmap("MACOS_TAB_LINE", "WINXP_TAB_LINE", "DEEPBLUE_TAB_LINE", "PROTEIN_TAB_LINE",
           "BLUEGLASS_TAB_LINE"),
    /* 41 SideChannelHandlePicture */
    Bitmap("MACOS_SIDECHENNEL_HANDLE", "WINXP_SIDECHENNEL_HANDLE", "DEEPBLUE_SIDECHENNEL_HANDLE",
           "PROTEIN_SIDECHENNEL_HANDLE", "BLUEGLASS_SIDECHENNEL_HANDLE"),
    /* 42 SideChannelBarPicture */
    Bitmap("MACOS_SIDECHENNEL_BAR", "WINXP_SIDECHENNEL_BAR", "DEEPBLUE_SIDECHENNEL_BAR",
           "PROTEIN_SIDECHENNEL_BAR", "BLUEGLASS_SIDECHENNEL_BAR"),
    /* 43 SideChannelTitlePicture */ Bitmap("", "", "", "", ""),
    /* 44 SideChannelFontColor */ Color(0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF),
    /* 45 BlankPicture1 */ Bitmap("", "", "", "", ""),
    /* 46 BlankPicture2 */ Bitmap("", "", "", "", ""),
    /* 47 BlankInteger */ Int(0, 0, 0, 0, 0),
    /* 48 SideChannelColor */ Color(0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7),
}};

namespace {

// The cell of a style and row, or nullptr when either is outside the table.
const BuiltinCell* CellOf(TsuiUIStyle style, ThemeRow row, BuiltinEntryKind& kind) {
    const int index = static_cast<uint8_t>(style) & StyleValueMask;
    const int number = static_cast<int>(row);
    if (index < MacOS || index > BlueGlass || number < 1 || number > BuiltinRowCount)
        return nullptr;
    const BuiltinRow& entry = BuiltinThemeTable[static_cast<std::size_t>(number - 1)];
    kind = entry.Kind;
    return &entry.Cells[index - 1];
}

} // namespace

int32_t LookupBuiltinEntry(TsuiUIStyle style, ThemeRow row, BuiltinEntryKind& kind) {
    const BuiltinCell* cell = CellOf(style, row, kind);
    if (cell == nullptr) {
        kind = ekInteger;
        return -1;
    }
    return kind == ekBitmap ? 0 : cell->Value;
}

const char* BuiltinBitmapName(TsuiUIStyle style, ThemeRow row) {
    BuiltinEntryKind kind = ekInteger;
    const BuiltinCell* cell = CellOf(style, row, kind);
    return cell != nullptr && kind == ekBitmap ? cell->Name : nullptr;
}

TColor GetBuiltinColor(TsuiUIStyle style, ThemeRow row) {
    BuiltinEntryKind kind = ekInteger;
    const int32_t value = LookupBuiltinEntry(style, row, kind);
    return kind == ekColor ? value : 0;
}

int32_t GetBuiltinInt(TsuiUIStyle style, ThemeRow row) {
    BuiltinEntryKind kind = ekInteger;
    const int32_t value = LookupBuiltinEntry(style, row, kind);
    return kind == ekInteger ? value : -1;
}

bool GetBuiltinBool(TsuiUIStyle style, ThemeRow row) {
    BuiltinEntryKind kind = ekInteger;
    const int32_t value = LookupBuiltinEntry(style, row, kind);
    return kind == ekBoolean && value != 0;
}
