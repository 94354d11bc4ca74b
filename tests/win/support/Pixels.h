// Pixels for the Windows tests: colour conversions, bitmaps and pictures of known pixels,
// pixel reads of bitmaps, of painted controls and of the screen.
//
// Two colour forms meet here: TColor (0x00BBGGRR, what GDI and the toolkit use) and 0x00RRGGBB
// (what TBitmap::CopyPixels gives, and what TPixels and the picture helpers hold).
#pragma once

#include "framework/Forms.h"
#include "framework/Graphics.h"

#include <cstdint>
#include <functional>
#include <vector>

constexpr uint32_t RgbOf(TColor c) {
    const uint32_t v = static_cast<uint32_t>(c);
    return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}
constexpr TColor ColorOf(uint32_t rgb) {
    return static_cast<TColor>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}

// Bitmaps, colours as TColor -----------------------------------------------------------------

// A bitmap of the given format filled with one colour.
void Fill(TBitmap& bitmap, int width, int height, TColor color, TPixelFormat format = pf24bit);
// The pixel at (x, y), read from the bitmap's bits.
TColor PixelOf(const TBitmap& bitmap, int x, int y);
// All pixels, top-down.
std::vector<TColor> PixelsOf(const TBitmap& bitmap);
// How many pixels have the colour.
int CountPixels(const TBitmap& bitmap, TColor color);

// Pictures, colours as 0x00RRGGBB ------------------------------------------------------------

// A picture holding a 24-bit bitmap of one colour, or of the colours `pixel` gives.
void FillPicture(TPicture& picture, int width, int height, uint32_t rgb);
void PaintPicture(TPicture& picture, int width, int height,
                  const std::function<uint32_t(int x, int y)>& pixel);
// The pixels of the bitmap a picture holds (empty when it holds none).
std::vector<uint32_t> PixelsOf(const TPicture& picture);

// Painted areas, colours as 0x00RRGGBB -------------------------------------------------------

// The pixels of a painted area, row by row.
struct TPixels {
    int Width = 0;
    int Height = 0;
    std::vector<uint32_t> Rgb;
    uint32_t At(int x, int y) const { return Rgb.at(static_cast<size_t>(y) * Width + x); }
    // How many pixels in the rectangle differ from `rgb`.
    int CountOtherThan(uint32_t rgb, const TRect& r) const;
    int CountOf(uint32_t rgb) const;
};

// Paints the control into a memory bitmap of its size (WM_ERASEBKGND, then WM_PAINT, both
// with the bitmap's DC) and reads the result.
TPixels RenderControl(TWinControl& control);
// Reads the control's client area from its window's DC (what is on the screen).
TPixels ScreenPixels(TWinControl& control);
// One pixel of the screen, read through the desktop window's DC, as a TColor.
TColor ScreenPixel(int x, int y);
