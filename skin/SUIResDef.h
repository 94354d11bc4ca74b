// The skin record names a file theme looks up, as four key enumerations. Each member is an
// index into its name table; a member's name is the record looked up in the skin file.
#pragma once

#include <cstdint>

// Integer records holding colours (0x00BBGGRR).
enum class ThemeColorKey : uint8_t {
    SKIN2_TRANSCOLOR = 0,
    SKIN2_TITLEFONTCOLOR = 1,
    SKIN2_FORMCOLOR = 2,
    SKIN2_MENUBARSTARTCOLOR = 3,
    SKIN2_MENUBARENDCOLOR = 4,
    SKIN2_TOPSELECTEDMENUCOLOR = 5,
    SKIN2_TOPSELECTEDMENUBORDERCOLOR = 6,
    SKIN2_TOPSELECTEDMENUFONTCOLOR = 7,
    SKIN2_TOPMENUFONTCOLOR = 8,
    SKIN2_LEFTBARSTARTCOLOR = 9,
    SKIN2_LEFTBARENDCOLOR = 10,
    SKIN2_MENUITEMCOLOR = 11,
    SKIN2_MENUITEMFONTCOLOR = 12,
    SKIN2_SELECTEDMENUCOLOR = 13,
    SKIN2_SELECTEDMENUBORDERCOLOR = 14,
    SKIN2_SELECTEDMENUFONTCOLOR = 15,
    SKIN2_TOOLBARSTARTCOLOR = 16,
    SKIN2_TOOLBARENDCOLOR = 17,
    SKIN2_TOOLBARONCOLOR = 18,
    SKIN2_TOOLBARBORDERCOLOR = 19,
    SKIN2_TOOLBARDOWNCOLOR = 20,
    SKIN2_CONTROLCOLOR = 21,
    SKIN2_CONTROLBORDERCOLOR = 22,
    SKIN2_CONTROLFONTCOLOR = 23,
    SKIN2_BUTTONFONTCOLOR = 24,
    SKIN2_SCROLLBARCOLOR = 25,
    SKIN2_TABCONTROLCOLOR = 26,
    SKIN2_TABCONTROLBORDERCOLOR = 27,
    SKIN2_TABCONTROLACTIVEFONTCOLOR = 28,
    SKIN2_TABCONTROLINACTIVEFONTCOLOR = 29,
    SKIN2_SIDECHANNELCOLOR = 30,
    SKIN2_SIDECHANNELBORDERCOLOR = 31,
};
constexpr int ThemeColorKeyCount = 32;

// Bitmap records.
enum class ThemeBitmapKey : uint8_t {
    SKIN2_TITLEBAR1 = 0,
    SKIN2_TITLEBAR2 = 1,
    SKIN2_TITLEBAR3 = 2,
    SKIN2_TITLEBAR4 = 3,
    SKIN2_TITLEBAR5 = 4,
    SKIN2_FORMLEFTBORDER = 5,
    SKIN2_FORMRIGHTBORDER = 6,
    SKIN2_FORMBOTTOMBORDER1 = 7,
    SKIN2_FORMBOTTOMBORDER2 = 8,
    SKIN2_FORMBOTTOMBORDER3 = 9,
    SKIN2_MINIMIZEDTITLE = 10,
    SKIN2_TITLEBUTTONS = 11,
    SKIN2_CHECKEDMENUICON = 12,
    SKIN2_MENUBAR = 13,
    SKIN2_TOOLBAR = 14,
    SKIN2_BUTTON = 15,
    SKIN2_CHECKBOX = 16,
    SKIN2_CHECKBOXLIST = 17,
    SKIN2_RADIOBUTTON = 18,
    SKIN2_PROGRESSBAR1 = 19,
    SKIN2_PROGRESSBAR2 = 20,
    SKIN2_PROGRESSBAR3 = 21,
    SKIN2_PROGRESSBAR4 = 22,
    SKIN2_TRACKBAR = 23,
    SKIN2_TRACKBARSLIDER = 24,
    SKIN2_TRACKBARVSLIDER = 25,
    SKIN2_SCROLLBARUPBUTTON = 26,
    SKIN2_SCROLLBAR = 27,
    SKIN2_SCROLLBARDOWNBUTTON = 28,
    SKIN2_TABCONTROL = 29,
    SKIN2_TABCONTROLLINE = 30,
    SKIN2_SIDECHANNELBAR = 31,
    SKIN2_SIDECHANNELTITLE = 32,
    SKIN2_SCROLLBUTTON = 33,
};
constexpr int ThemeBitmapKeyCount = 34;

// Integer records.
enum class ThemeIntKey : uint8_t {
    SKIN2_TITLEBARICONPOSX = 0,
    SKIN2_TITLEBARICONPOSY = 1,
    SKIN2_TITLEBARCAPTIONTOP = 2,
    SKIN2_TITLEBARBUTTONPOSX = 3,
    SKIN2_TITLEBARBUTTONPOSY = 4,
    SKIN2_TITLEBARREGIONMINY = 5,
    SKIN2_TITLEBARREGIONMAXY = 6,
    SKIN2_BOTTOMREGIONMINY = 7,
    SKIN2_BOTTOMREGIONMAXY = 8,
};
constexpr int ThemeIntKeyCount = 9;

// Boolean records.
enum class ThemeBoolKey : uint8_t {
    SKIN2_TITLEFIVESECT = 0,
    SKIN2_BOTTOMBORDERTHREESECT = 1,
    SKIN2_TITLEBARNEEDREGION = 2,
    SKIN2_BOTTOMBORDERNEEDREGION = 3,
    SKIN2_TITLEBTNTRANS = 4,
    SKIN2_BUTTONTRANS = 5,
    SKIN2_CHECKBOXTRANS = 6,
    SKIN2_RADIOBUTTONTRANS = 7,
    SKIN2_TABCONTROLTRANS = 8,
};
constexpr int ThemeBoolKeyCount = 9;

// The record name of a key. Keys are masked to their low 7 bits; an index past the table
// gives an empty name (no record has it).
const char* ThemeColorKeyName(ThemeColorKey key);
const char* ThemeBitmapKeyName(ThemeBitmapKey key);
const char* ThemeIntKeyName(ThemeIntKey key);
const char* ThemeBoolKeyName(ThemeBoolKey key);

// Whether the toolkit's own components (the form frame, the title bar and its buttons, the
// menus and the menu bar) read the key; the other keys name records that nothing here reads.
bool ThemeKeyIsRead(ThemeColorKey key);
bool ThemeKeyIsRead(ThemeBitmapKey key);
bool ThemeKeyIsRead(ThemeIntKey key);
bool ThemeKeyIsRead(ThemeBoolKey key);
