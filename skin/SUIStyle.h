// The visual style every skinned component stores: a skin file or one of five built-in looks.
#pragma once

#include <cstdint>

enum TsuiUIStyle : uint8_t {
    FromThemeFile = 0,
    MacOS = 1,
    WinXP = 2,
    DeepBlue = 3,
    Protein = 4,
    BlueGlass = 5,
};

// Only the low 7 bits of a stored style name the style.
constexpr int StyleValueMask = 0x7F;
