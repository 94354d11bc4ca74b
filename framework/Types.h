// Small value types shared by the whole framework and toolkit; no Windows headers needed.
#pragma once

#include <cstdint>

// A colour laid out 0x00BBGGRR; 0xFF000000 + n names system colour n, resolved when drawn.
using TColor = int32_t;

// The colour bits of a pixel or COLORREF, the alpha (or system colour) byte above them, and the
// system colour index below SystemColorBase.
constexpr uint32_t RgbMask = 0x00FFFFFFu;
constexpr uint32_t AlphaMask = 0xFF000000u;
constexpr uint32_t SystemColorIndexMask = 0xFFu;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clGray = 0x808080;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;
constexpr TColor SystemColorBase = static_cast<TColor>(0xFF000000);
constexpr TColor clScrollBar = SystemColorBase | 0;
constexpr TColor clInactiveCaption = SystemColorBase | 3;
constexpr TColor clMenu = SystemColorBase | 4;
constexpr TColor clWindow = SystemColorBase | 5;
constexpr TColor clMenuText = SystemColorBase | 7;
constexpr TColor clWindowText = SystemColorBase | 8;
constexpr TColor clBtnFace = SystemColorBase | 15;
constexpr TColor clHighlight = SystemColorBase | 13;
constexpr TColor clHighlightText = SystemColorBase | 14;

constexpr bool IsSystemColor(TColor c) {
    return (static_cast<uint32_t>(c) & AlphaMask) == AlphaMask;
}

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Right and Bottom are exclusive for painting.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

constexpr TRect Rect(int left, int top, int right, int bottom) {
    return {left, top, right, bottom};
}
constexpr TRect Bounds(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}
