#include "skin/BuiltinThemeTable.h"

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
    /*  1 */ Bitmap("MACOS_BUTTON", "WINXP_BUTTON", "DEEPBLUE_BUTTON", "PROTEIN_BUTTON",
                    "BLUEGLASS_BUTTON"),
    /*  2 */ Bool(1, 0, 0, 0, 1),
    /*  3 */
    Bitmap("MACOS_CHECKBOX", "WINXP_CHECKBOX", "DEEPBLUE_CHECKBOX", "PROTEIN_CHECKBOX",
           "BLUEGLASS_CHECKBOX"),
    /*  4 */
    Bitmap("MACOS_RADIOBUTTON", "WINXP_RADIOBUTTON", "DEEPBLUE_RADIOBUTTON", "PROTEIN_RADIOBUTTON",
           "BLUEGLASS_RADIOBUTTON"),
    /*  5 */
    Bitmap("MACOS_TITLEBTN", "WINXP_TITLEBTN", "DEEPBLUE_TITLEBTN", "PROTEIN_TITLEBTN",
           "BLUEGLASS_TITLEBTN"),
    /*  6 */ Bool(0, 0, 0, 1, 1),
    /*  7 */ Int(3, 2, 0, 0, 4),
    /*  8 */ Int(-2, -2, 0, 0, -3),
    /*  9 */ Int(4, 5, 2, 2, 6),
    /* 10 */
    Bitmap("MACOS_TITLE_LEFT", "WINXP_TITLE_LEFT", "DEEPBLUE_TITLE_LEFT", "PROTEIN_TITLE_LEFT",
           "BLUEGLASS_TITLE_LEFT"),
    /* 11 */
    Bitmap("MACOS_TITLE_CLIENT", "WINXP_TITLE_CLIENT", "DEEPBLUE_TITLE_CLIENT",
           "PROTEIN_TITLE_CLIENT", "BLUEGLASS_TITLE_CLIENT"),
    /* 12 */
    Bitmap("MACOS_TITLE_RIGHT", "WINXP_TITLE_RIGHT", "DEEPBLUE_TITLE_RIGHT", "PROTEIN_TITLE_RIGHT",
           "BLUEGLASS_TITLE_RIGHT"),
    /* 13 */ Int(130, 150, 130, 130, 270),
    /* 14 */ Int(0, 13, 0, 0, 11),
    /* 15 */ Color(0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7),
    /* 16 */ Color(0x7F7F7F, 0xC82C00, 0x000000, 0x000000, 0x000000),
    /* 17 */ Int(1, 3, 1, 1, 1),
    /* 18 */ Color(0xC47339, 0xC66931, 0xA04A44, 0xC4302D, 0xEC5E5E),
    /* 19 */ Color(0xC47339, 0xEFD3C6, 0xA04A44, 0xC4302D, 0xEC5E5E),
    /* 20 */ Color(0xFFFFFF, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF),
    /* 21 */ Color(0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xE7E7E7),
    /* 22 */ Color(0x000000, 0x000000, 0x000000, 0x000000, 0x000000),
    /* 23 */ Color(0x000000, 0xCED3D6, 0xCED3D6, 0xCED3D6, 0xCED3D6),
    /* 24 */
    Bitmap("MACOS_PROGRESSBAR", "WINXP_PROGRESSBAR", "DEEPBLUE_PROGRESSBAR", "PROTEIN_PROGRESSBAR",
           "BLUEGLASS_PROGRESSBAR"),
    /* 25 */ Color(0x7F7F7F, 0x686868, 0x000000, 0x000000, 0x000000),
    /* 26 */ Color(0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7),
    /* 27 */ Color(0x000000, 0xCF4602, 0x000000, 0x000000, 0x000000),
    /* 28 */
    Bitmap("MACOS_TRACKBAR_BAR", "WINXP_TRACKBAR_BAR", "DEEPBLUE_TRACKBAR_BAR",
           "PROTEIN_TRACKBAR_BAR", "BLUEGLASS_TRACKBAR_BAR"),
    /* 29 */
    Bitmap("MACOS_TRACKBAR_SLIDER", "WINXP_TRACKBAR_SLIDER", "DEEPBLUE_TRACKBAR_SLIDER",
           "PROTEIN_TRACKBAR_SLIDER", "BLUEGLASS_TRACKBAR_SLIDER"),
    /* 30 */
    Bitmap("MACOS_TRACKBAR_SLIDER_V", "WINXP_TRACKBAR_SLIDER_V", "DEEPBLUE_TRACKBAR_SLIDER_V",
           "PROTEIN_TRACKBAR_SLIDER_V", "BLUEGLASS_TRACKBAR_SLIDER_V"),
    /* 31 */ Color(0xC9C9C9, 0xF9F9F9, 0xF5F5F5, 0xF5F5F5, 0xF4F4F4),
    /* 32 */
    Bitmap("MACOS_SCROLLBAR_BUTTON", "WINXP_SCROLLBAR_BUTTON", "DEEPBLUE_SCROLLBAR_BUTTON",
           "PROTEIN_SCROLLBAR_BUTTON", "BLUEGLASS_SCROLLBAR_BUTTON"),
    /* 33 */
    Bitmap("MACOS_SCROLLBAR_TRACK", "WINXP_SCROLLBAR_TRACK", "DEEPBLUE_SCROLLBAR_TRACK",
           "PROTEIN_SCROLLBAR_TRACK", "BLUEGLASS_SCROLLBAR_TRACK"),
    /* 34 */
    Bitmap("MACOS_CHECKLIST", "WINXP_CHECKLIST", "DEEPBLUE_CHECKLIST", "PROTEIN_CHECKLIST",
           "BLUEGLASS_CHECKLIST"),
    /* 35 */ Color(0x474747, 0xC66931, 0x474747, 0x474747, 0x474747),
    /* 36 */ Color(0xEFEFEF, 0xEFD3C6, 0xEFEFEF, 0xEFEFEF, 0xEFEFEF),
    /* 37 */ Color(0xD8D8D8, 0xE1AC93, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8),
    /* 38 */
    Bitmap("MACOS_SCROLLBUTTON", "WINXP_SCROLLBUTTON", "MORE_SCROLLBUTTON", "MORE_SCROLLBUTTON",
           "MORE_SCROLLBUTTON"),
    /* 39 */ Bitmap("MACOS_TAB", "WINXP_TAB", "DEEPBLUE_TAB", "PROTEIN_TAB", "BLUEGLASS_TAB"),
    /* 40 */
    Bitmap("MACOS_TAB_LINE", "WINXP_TAB_LINE", "DEEPBLUE_TAB_LINE", "PROTEIN_TAB_LINE",
           "BLUEGLASS_TAB_LINE"),
    /* 41 */
    Bitmap("MACOS_SIDECHENNEL_HANDLE", "WINXP_SIDECHENNEL_HANDLE", "DEEPBLUE_SIDECHENNEL_HANDLE",
           "PROTEIN_SIDECHENNEL_HANDLE", "BLUEGLASS_SIDECHENNEL_HANDLE"),
    /* 42 */
    Bitmap("MACOS_SIDECHENNEL_BAR", "WINXP_SIDECHENNEL_BAR", "DEEPBLUE_SIDECHENNEL_BAR",
           "PROTEIN_SIDECHENNEL_BAR", "BLUEGLASS_SIDECHENNEL_BAR"),
    /* 43 */ Bitmap("", "", "", "", ""),
    /* 44 */ Color(0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF),
    /* 45 */ Bitmap("", "", "", "", ""),
    /* 46 */ Bitmap("", "", "", "", ""),
    /* 47 */ Int(0, 0, 0, 0, 0),
    /* 48 */ Color(0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7),
}};

namespace {

// The cell of a style and row, or nullptr when either is outside the table.
const BuiltinCell* CellOf(TsuiUIStyle style, int row, BuiltinEntryKind& kind) {
    const int index = static_cast<uint8_t>(style) & 0x7F;
    if (index < MacOS || index > BlueGlass || row < 1 || row > BuiltinRowCount)
        return nullptr;
    const BuiltinRow& entry = BuiltinThemeTable[row - 1];
    kind = entry.Kind;
    return &entry.Cells[index - 1];
}

} // namespace

int32_t LookupBuiltinEntry(TsuiUIStyle style, int row, BuiltinEntryKind& kind) {
    const BuiltinCell* cell = CellOf(style, row, kind);
    if (cell == nullptr) {
        kind = ekInteger;
        return -1;
    }
    return kind == ekBitmap ? 0 : cell->Value;
}

const char* BuiltinBitmapName(TsuiUIStyle style, int row) {
    BuiltinEntryKind kind = ekInteger;
    const BuiltinCell* cell = CellOf(style, row, kind);
    return cell != nullptr && kind == ekBitmap ? cell->Name : nullptr;
}

TColor GetBuiltinColor(TsuiUIStyle style, int row) {
    BuiltinEntryKind kind = ekInteger;
    const int32_t value = LookupBuiltinEntry(style, row, kind);
    return kind == ekColor ? value : 0;
}

int32_t GetBuiltinInt(TsuiUIStyle style, int row) {
    BuiltinEntryKind kind = ekInteger;
    const int32_t value = LookupBuiltinEntry(style, row, kind);
    return kind == ekInteger ? value : -1;
}

bool GetBuiltinBool(TsuiUIStyle style, int row) {
    BuiltinEntryKind kind = ekInteger;
    const int32_t value = LookupBuiltinEntry(style, row, kind);
    return kind == ekBoolean && value != 0;
}
