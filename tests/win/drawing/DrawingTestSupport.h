// Helpers of the drawing tests: 24-bit bitmaps of known pixels, pixel reads, message pumping.
#pragma once

#include "framework/Bitmap.h"

#include <functional>
#include <vector>

// A 24-bit bitmap filled with one colour.
void Fill(TBitmap& bitmap, int width, int height, TColor color);
// The pixel at (x, y) as a TColor (0x00BBGGRR), read from the bitmap's bits.
TColor PixelOf(const TBitmap& bitmap, int x, int y);
// All pixels, top-down, as TColor values.
std::vector<TColor> PixelsOf(const TBitmap& bitmap);
// How many pixels have the colour.
int CountPixels(const TBitmap& bitmap, TColor color);
// Pumps messages until the condition holds or five seconds pass; returns the condition.
bool PumpUntil(const std::function<bool()>& condition);
