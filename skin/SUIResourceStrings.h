// Numbers of the toolkit's string-table entries (resources/strings.rc).
#pragma once

#include <windows.h>

constexpr UINT SSysMenuMinimize = 0xE100;        // "Mi&nimize"
constexpr UINT SSysMenuMaximizeRestore = 0xE101; // "Ma&ximize/Restore"
constexpr UINT SSysMenuClose = 0xE102;           // "&Close"
