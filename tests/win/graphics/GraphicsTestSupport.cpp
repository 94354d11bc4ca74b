#include "GraphicsTestSupport.h"

void Fill(TBitmap& bitmap, int width, int height, TColor color, TPixelFormat format) {
    bitmap.SetPixelFormat(format);
    bitmap.SetSize(width, height);
    bitmap.Canvas()->Brush()->SetColor(color);
    bitmap.Canvas()->FillRect(Rect(0, 0, width, height));
}

TColor PixelOf(const TBitmap& bitmap, int x, int y) {
    const uint32_t p = bitmap.CopyPixels().at(static_cast<size_t>(y) * bitmap.Width() + x);
    return static_cast<TColor>(ToRGB(static_cast<TColor>(p & 0xFFFFFF)));
}

int CountPixels(const TBitmap& bitmap, TColor color) {
    int n = 0;
    for (uint32_t p : bitmap.CopyPixels())
        if ((p & 0xFFFFFF) == ToRGB(color))
            ++n;
    return n;
}

std::string FixturePath(const std::string& name) {
    return std::string(VFC_GRAPHICS_FIXTURES) + "/" + name;
}

std::vector<uint8_t> ReadFixture(const std::string& name) {
    return ReadGraphicFile(FixturePath(name));
}
