// Shared helpers of the graphics tests: bitmaps of known pixels and pixel reads.
#pragma once

#include "framework/Graphics.h"

#include <cstdint>
#include <string>
#include <vector>

// TColor (0x00BBGGRR) as the 0x00RRGGBB value TBitmap::CopyPixels gives.
constexpr uint32_t ToRGB(TColor c) {
    const uint32_t v = static_cast<uint32_t>(c);
    return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

// A bitmap of the given format filled with one colour.
void Fill(TBitmap& bitmap, int width, int height, TColor color, TPixelFormat format = pf24bit);
// The pixel at (x, y) as a TColor, read from the bitmap's bits.
TColor PixelOf(const TBitmap& bitmap, int x, int y);
// How many pixels have the colour.
int CountPixels(const TBitmap& bitmap, TColor color);

std::string FixturePath(const std::string& name);
std::vector<uint8_t> ReadFixture(const std::string& name);
