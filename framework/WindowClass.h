// Window classes of the program's own module, registered once on first use.
#pragma once

#include <windows.h>

struct TWindowClass {
    const char* Name = nullptr;
    WNDPROC Procedure = nullptr;
    UINT Style = 0;
    HCURSOR Cursor = nullptr;
    HBRUSH Background = nullptr;
};

// Registers the class with the executable's module unless a class of that name is registered
// there already. Returns whether the class is there now.
bool RegisterWindowClass(const TWindowClass& windowClass);
