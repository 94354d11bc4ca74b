#include "skin/SUIThemes.h"

template <> const TEnumInfo& EnumInfoOf<TsuiUIStyle>() {
    static const TEnumInfo info{"TsuiUIStyle",
                                {"FromThemeFile", "MacOS", "WinXP", "DeepBlue", "Protein",
                                 "BlueGlass"}};
    return info;
}
