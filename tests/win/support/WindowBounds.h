// A window's place on the screen as one value, so that a test compares it in one expectation.
#pragma once

#include <windows.h>

#include <array>

// Left, top, width, height of the window rectangle.
using TWindowBounds = std::array<LONG, 4>;

inline TWindowBounds WindowBoundsOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}
