#include "skin/SUIResDef.h"

#include <algorithm>
#include <iterator>

namespace {
constexpr const char* kColorNames[] = {
    "SKIN2_TRANSCOLOR",
    "SKIN2_TITLEFONTCOLOR",
    "SKIN2_FORMCOLOR",
    "SKIN2_MENUBARSTARTCOLOR",
    "SKIN2_MENUBARENDCOLOR",
    "SKIN2_TOPSELECTEDMENUCOLOR",
    "SKIN2_TOPSELECTEDMENUBORDERCOLOR",
    "SKIN2_TOPSELECTEDMENUFONTCOLOR",
    "SKIN2_TOPMENUFONTCOLOR",
    "SKIN2_LEFTBARSTARTCOLOR",
    "SKIN2_LEFTBARENDCOLOR",
    "SKIN2_MENUITEMCOLOR",
    "SKIN2_MENUITEMFONTCOLOR",
    "SKIN2_SELECTEDMENUCOLOR",
    "SKIN2_SELECTEDMENUBORDERCOLOR",
    "SKIN2_SELECTEDMENUFONTCOLOR",
    "SKIN2_TOOLBARSTARTCOLOR",
    "SKIN2_TOOLBARENDCOLOR",
    "SKIN2_TOOLBARONCOLOR",
    "SKIN2_TOOLBARBORDERCOLOR",
    "SKIN2_TOOLBARDOWNCOLOR",
    "SKIN2_CONTROLCOLOR",
    "SKIN2_CONTROLBORDERCOLOR",
    "SKIN2_CONTROLFONTCOLOR",
    "SKIN2_BUTTONFONTCOLOR",
    "SKIN2_SCROLLBARCOLOR",
    "SKIN2_TABCONTROLCOLOR",
    "SKIN2_TABCONTROLBORDERCOLOR",
    "SKIN2_TABCONTROLACTIVEFONTCOLOR",
    "SKIN2_TABCONTROLINACTIVEFONTCOLOR",
    "SKIN2_SIDECHANNELCOLOR",
    "SKIN2_SIDECHANNELBORDERCOLOR",
};
constexpr const char* kBitmapNames[] = {
    "SKIN2_TITLEBAR1",
    "SKIN2_TITLEBAR2",
    "SKIN2_TITLEBAR3",
    "SKIN2_TITLEBAR4",
    "SKIN2_TITLEBAR5",
    "SKIN2_FORMLEFTBORDER",
    "SKIN2_FORMRIGHTBORDER",
    "SKIN2_FORMBOTTOMBORDER1",
    "SKIN2_FORMBOTTOMBORDER2",
    "SKIN2_FORMBOTTOMBORDER3",
    "SKIN2_MINIMIZEDTITLE",
    "SKIN2_TITLEBUTTONS",
    "SKIN2_CHECKEDMENUICON",
    "SKIN2_MENUBAR",
    "SKIN2_TOOLBAR",
    "SKIN2_BUTTON",
    "SKIN2_CHECKBOX",
    "SKIN2_CHECKBOXLIST",
    "SKIN2_RADIOBUTTON",
    "SKIN2_PROGRESSBAR1",
    "SKIN2_PROGRESSBAR2",
    "SKIN2_PROGRESSBAR3",
    "SKIN2_PROGRESSBAR4",
    "SKIN2_TRACKBAR",
    "SKIN2_TRACKBARSLIDER",
    "SKIN2_TRACKBARVSLIDER",
    "SKIN2_SCROLLBARUPBUTTON",
    "SKIN2_SCROLLBAR",
    "SKIN2_SCROLLBARDOWNBUTTON",
    "SKIN2_TABCONTROL",
    "SKIN2_TABCONTROLLINE",
    "SKIN2_SIDECHANNELBAR",
    "SKIN2_SIDECHANNELTITLE",
    "SKIN2_SCROLLBUTTON",
};
constexpr const char* kIntNames[] = {
    "SKIN2_TITLEBARICONPOSX",   "SKIN2_TITLEBARICONPOSY",   "SKIN2_TITLEBARCAPTIONTOP",
    "SKIN2_TITLEBARBUTTONPOSX", "SKIN2_TITLEBARBUTTONPOSY", "SKIN2_TITLEBARREGIONMINY",
    "SKIN2_TITLEBARREGIONMAXY", "SKIN2_BOTTOMREGIONMINY",   "SKIN2_BOTTOMREGIONMAXY",
};
constexpr const char* kBoolNames[] = {
    "SKIN2_TITLEFIVESECT",          "SKIN2_BOTTOMBORDERTHREESECT", "SKIN2_TITLEBARNEEDREGION",
    "SKIN2_BOTTOMBORDERNEEDREGION", "SKIN2_TITLEBTNTRANS",         "SKIN2_BUTTONTRANS",
    "SKIN2_CHECKBOXTRANS",          "SKIN2_RADIOBUTTONTRANS",      "SKIN2_TABCONTROLTRANS",
};

// The keys the frame, the title bar, the menus and the menu bar read.
constexpr ThemeColorKey kReadColorKeys[] = {
    ThemeColorKey::SKIN2_TRANSCOLOR,
    ThemeColorKey::SKIN2_TITLEFONTCOLOR,
    ThemeColorKey::SKIN2_FORMCOLOR,
    ThemeColorKey::SKIN2_MENUBARSTARTCOLOR,
    ThemeColorKey::SKIN2_MENUBARENDCOLOR,
    ThemeColorKey::SKIN2_TOPSELECTEDMENUCOLOR,
    ThemeColorKey::SKIN2_TOPSELECTEDMENUBORDERCOLOR,
    ThemeColorKey::SKIN2_TOPSELECTEDMENUFONTCOLOR,
    ThemeColorKey::SKIN2_TOPMENUFONTCOLOR,
    ThemeColorKey::SKIN2_LEFTBARSTARTCOLOR,
    ThemeColorKey::SKIN2_LEFTBARENDCOLOR,
    ThemeColorKey::SKIN2_MENUITEMCOLOR,
    ThemeColorKey::SKIN2_MENUITEMFONTCOLOR,
    ThemeColorKey::SKIN2_SELECTEDMENUCOLOR,
    ThemeColorKey::SKIN2_SELECTEDMENUBORDERCOLOR,
    ThemeColorKey::SKIN2_SELECTEDMENUFONTCOLOR,
};
constexpr ThemeBitmapKey kReadBitmapKeys[] = {
    ThemeBitmapKey::SKIN2_TITLEBAR1,         ThemeBitmapKey::SKIN2_TITLEBAR2,
    ThemeBitmapKey::SKIN2_TITLEBAR3,         ThemeBitmapKey::SKIN2_TITLEBAR4,
    ThemeBitmapKey::SKIN2_TITLEBAR5,         ThemeBitmapKey::SKIN2_FORMLEFTBORDER,
    ThemeBitmapKey::SKIN2_FORMRIGHTBORDER,   ThemeBitmapKey::SKIN2_FORMBOTTOMBORDER1,
    ThemeBitmapKey::SKIN2_FORMBOTTOMBORDER2, ThemeBitmapKey::SKIN2_FORMBOTTOMBORDER3,
    ThemeBitmapKey::SKIN2_TITLEBUTTONS,
};
constexpr ThemeBoolKey kReadBoolKeys[] = {
    ThemeBoolKey::SKIN2_TITLEFIVESECT,      ThemeBoolKey::SKIN2_BOTTOMBORDERTHREESECT,
    ThemeBoolKey::SKIN2_TITLEBARNEEDREGION, ThemeBoolKey::SKIN2_BOTTOMBORDERNEEDREGION,
    ThemeBoolKey::SKIN2_TITLEBTNTRANS,
};

// Only the low 7 bits of a key index its name table.
constexpr unsigned kKeyIndexMask = 0x7F;

template <class Key> Key Masked(Key key) {
    return static_cast<Key>(static_cast<unsigned>(key) & kKeyIndexMask);
}

template <size_t N, class Key> bool Contains(const Key (&keys)[N], Key key) {
    return std::find(std::begin(keys), std::end(keys), Masked(key)) != std::end(keys);
}

template <size_t N, class Key> const char* NameAt(const char* const (&table)[N], Key key) {
    const unsigned index = static_cast<unsigned>(Masked(key));
    return index < N ? table[index] : "";
}
} // namespace

const char* ThemeColorKeyName(ThemeColorKey key) {
    return NameAt(kColorNames, key);
}
const char* ThemeBitmapKeyName(ThemeBitmapKey key) {
    return NameAt(kBitmapNames, key);
}
const char* ThemeIntKeyName(ThemeIntKey key) {
    return NameAt(kIntNames, key);
}
const char* ThemeBoolKeyName(ThemeBoolKey key) {
    return NameAt(kBoolNames, key);
}

bool ThemeKeyIsRead(ThemeColorKey key) {
    return Contains(kReadColorKeys, key);
}
bool ThemeKeyIsRead(ThemeBitmapKey key) {
    return Contains(kReadBitmapKeys, key);
}
bool ThemeKeyIsRead(ThemeIntKey key) {
    // Every integer key places something in the title bar or limits the window region.
    return static_cast<unsigned>(Masked(key)) < std::size(kIntNames);
}
bool ThemeKeyIsRead(ThemeBoolKey key) {
    return Contains(kReadBoolKeys, key);
}
