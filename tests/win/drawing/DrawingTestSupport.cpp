#include "DrawingTestSupport.h"

#include <windows.h>

#include <algorithm>

namespace {
TColor FromRGB(uint32_t rgb) {
    return static_cast<TColor>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}
} // namespace

void Fill(TBitmap& bitmap, int width, int height, TColor color) {
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(width, height);
    bitmap.Canvas()->Brush()->SetColor(color);
    bitmap.Canvas()->FillRect(Rect(0, 0, width, height));
}

TColor PixelOf(const TBitmap& bitmap, int x, int y) {
    return FromRGB(bitmap.CopyPixels().at(static_cast<size_t>(y) * bitmap.Width() + x) & 0xFFFFFF);
}

std::vector<TColor> PixelsOf(const TBitmap& bitmap) {
    std::vector<TColor> out;
    for (uint32_t p : bitmap.CopyPixels())
        out.push_back(FromRGB(p & 0xFFFFFF));
    return out;
}

int CountPixels(const TBitmap& bitmap, TColor color) {
    const std::vector<TColor> all = PixelsOf(bitmap);
    return static_cast<int>(std::count(all.begin(), all.end(), color));
}

bool PumpUntil(const std::function<bool()>& condition) {
    const ULONGLONG deadline = GetTickCount64() + 5000;
    while (!condition()) {
        if (GetTickCount64() > deadline)
            return false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}
