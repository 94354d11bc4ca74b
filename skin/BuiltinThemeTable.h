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

// Index 0 holds row 1.
extern const std::array<BuiltinRow, BuiltinRowCount> BuiltinThemeTable;

// Only the low 7 bits of a style count. Styles 1-5 with a row 1-48: Kind := the row's kind and
// the result is the style's value; for a bitmap row that value is 0 (the name comes from
// BuiltinBitmapName). Any other style or row: Kind := ekInteger and the result is -1.
int32_t LookupBuiltinEntry(TsuiUIStyle style, int row, BuiltinEntryKind& kind);

// The resource name of a bitmap row; nullptr for other rows and for styles outside 1-5.
const char* BuiltinBitmapName(TsuiUIStyle style, int row);

// The value when the row has that kind; otherwise colour 0, integer -1, false.
TColor GetBuiltinColor(TsuiUIStyle style, int row);
int32_t GetBuiltinInt(TsuiUIStyle style, int row);
bool GetBuiltinBool(TsuiUIStyle style, int row);
