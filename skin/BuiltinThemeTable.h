// The built-in looks as constant data: 48 rows (numbered from 1) by five styles of integers,
// colours, booleans and bitmap resource names, and the pure look-ups over it.
#pragma once

#include "framework/Types.h"
#include "skin/SUIStyle.h"

#include <array>
#include <cstdint>

enum BuiltinEntryKind : uint8_t { ekInteger = 0, ekColor = 1, ekBitmap = 2, ekBoolean = 3 };

constexpr int BuiltinRowCount = 48;
constexpr int BuiltinStyleCount = 5;

// The rows of the table by what they hold; each value is the row's number, the table's stored
// layout. Rows that no control of this system reads are named after the kind of control they
// serve and keep their place, so that the numbers of the others stay what they are.
enum class ThemeRow : int {
    ButtonPicture = 1,                  // bitmap: the bare button base (not read)
    ButtonTransparent = 2,              // boolean (not read)
    CheckBoxPicture = 3,                // bitmap (not read)
    RadioButtonPicture = 4,             // bitmap (not read)
    TitleButtonStrip = 5,               // bitmap: the title-bar buttons, 18 square frames
    TitleButtonsTransparent = 6,        // boolean: the title-bar buttons' Transparent
    TitleLeftButtonOffset = 7,          // integer: X offset of the title bar's left buttons
    TitleRightButtonOffset = 8,         // integer: X offset of the title bar's right buttons
    TitleButtonTop = 9,                 // integer: Top of the title-bar buttons
    TitleLeftPicture = 10,              // bitmap: left section of the title bar
    TitleClientPicture = 11,            // bitmap: middle (client) section of the title bar
    TitleRightPicture = 12,             // bitmap: right section of the title bar
    FormMinWidth = 13,                  // integer: minimum width of the owning form
    FormRoundCorner = 14,               // integer: round-corner size of frame and title bar
    FormColor = 15,                     // colour: the form; also the edge of flat popup menus
    FormBorderColor = 16,               // colour: border of frame and title bar
    FormBorderWidth = 17,               // integer: border width of the frame
    MenuSelectedBorderColor = 18,       // colour: border of a selected menu item
    MenuSelectedColor = 19,             // colour: fill of a selected menu item
    MenuSelectedFontColor = 20,         // colour: text of a selected menu item
    MenuItemColor = 21,                 // colour: background of a popup menu item
    MenuFontColor = 22,                 // colour: menu item text and menu bar top-level text
    MenuSideBarColor = 23,              // colour: the popup menu's side bar
    ProgressBarPicture = 24,            // bitmap (not read)
    ControlBorderColor = 25,            // colour (not read)
    ControlColor = 26,                  // colour (not read)
    ControlFontColor = 27,              // colour (not read)
    TrackBarPicture = 28,               // bitmap (not read)
    TrackBarSliderPicture = 29,         // bitmap (not read)
    TrackBarVerticalSliderPicture = 30, // bitmap (not read)
    ScrollBarColor = 31,                // colour (not read)
    ScrollBarButtonPicture = 32,        // bitmap (not read)
    ScrollBarTrackPicture = 33,         // bitmap (not read)
    CheckListPicture = 34,              // bitmap (not read)
    ToolButtonBorderColor = 35,         // colour (not read)
    ToolButtonHotColor = 36,            // colour (not read)
    ToolButtonDownColor = 37,           // colour (not read)
    ScrollButtonPicture = 38,           // bitmap (not read)
    TabPicture = 39,                    // bitmap (not read)
    TabLinePicture = 40,                // bitmap (not read)
    SideChannelHandlePicture = 41,      // bitmap (not read)
    SideChannelBarPicture = 42,         // bitmap (not read)
    SideChannelTitlePicture = 43,       // bitmap, an empty name for every style (not read)
    SideChannelFontColor = 44,          // colour (not read)
    BlankPicture1 = 45,                 // bitmap, an empty name for every style (not read)
    BlankPicture2 = 46,                 // bitmap, an empty name for every style (not read)
    BlankInteger = 47,                  // integer, 0 for every style (not read)
    SideChannelColor = 48,              // colour (not read)
};
static_assert(static_cast<int>(ThemeRow::SideChannelColor) == BuiltinRowCount);

// One style's value for a row: Value for integers, colours (0x00BBGGRR) and booleans (0/1);
// Name for bitmap rows (a resource name, possibly empty), nullptr otherwise.
struct BuiltinCell {
    int32_t Value;
    const char* Name;
};

struct BuiltinRow {
    BuiltinEntryKind Kind;
    std::array<BuiltinCell, BuiltinStyleCount> Cells; // MacOS .. BlueGlass
};

// Index 0 holds row 1 (ThemeRow::ButtonPicture).
extern const std::array<BuiltinRow, BuiltinRowCount> BuiltinThemeTable;

// Only the low 7 bits of a style count. Styles 1-5 with a row 1-48: Kind := the row's kind and
// the result is the style's value; for a bitmap row that value is 0 (the name comes from
// BuiltinBitmapName). Any other style, or a number outside 1-48 cast to a row: Kind :=
// ekInteger and the result is -1.
int32_t LookupBuiltinEntry(TsuiUIStyle style, ThemeRow row, BuiltinEntryKind& kind);

// The resource name of a bitmap row; nullptr for other rows and for styles outside 1-5.
const char* BuiltinBitmapName(TsuiUIStyle style, ThemeRow row);

// The value when the row has that kind; otherwise colour 0, integer -1, false.
TColor GetBuiltinColor(TsuiUIStyle style, ThemeRow row);
int32_t GetBuiltinInt(TsuiUIStyle style, ThemeRow row);
bool GetBuiltinBool(TsuiUIStyle style, ThemeRow row);
