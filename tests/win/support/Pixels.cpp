#include "tests/win/support/Pixels.h"

#include "framework/GdiHandles.h"

#include <algorithm>

namespace {
constexpr uint32_t kRgbMask = 0xFFFFFF;
constexpr uint32_t kOpaque = 0xFF000000u;

std::vector<uint32_t> RgbPixels(const TBitmap& bitmap) {
    std::vector<uint32_t> pixels = bitmap.CopyPixels();
    for (uint32_t& p : pixels)
        p &= kRgbMask;
    return pixels;
}
} // namespace

void Fill(TBitmap& bitmap, int width, int height, TColor color, TPixelFormat format) {
    bitmap.SetPixelFormat(format);
    bitmap.SetSize(width, height);
    bitmap.Canvas()->Brush()->SetColor(color);
    bitmap.Canvas()->FillRect(Rect(0, 0, width, height));
}

TColor PixelOf(const TBitmap& bitmap, int x, int y) {
    return ColorOf(bitmap.CopyPixels().at(static_cast<size_t>(y) * bitmap.Width() + x) & kRgbMask);
}

std::vector<TColor> PixelsOf(const TBitmap& bitmap) {
    std::vector<TColor> out;
    for (uint32_t p : RgbPixels(bitmap))
        out.push_back(ColorOf(p));
    return out;
}

int CountPixels(const TBitmap& bitmap, TColor color) {
    const std::vector<uint32_t> all = RgbPixels(bitmap);
    return static_cast<int>(std::count(all.begin(), all.end(), RgbOf(color)));
}

void FillPicture(TPicture& picture, int width, int height, uint32_t rgb) {
    PaintPicture(picture, width, height, [rgb](int, int) { return rgb; });
}

void PaintPicture(TPicture& picture, int width, int height,
                  const std::function<uint32_t(int x, int y)>& pixel) {
    std::vector<uint32_t> argb(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            argb[static_cast<size_t>(y) * width + x] = kOpaque | pixel(x, y);
    TBitmap bitmap;
    bitmap.SetPixels(width, height, argb, pf24bit);
    picture.Assign(&bitmap);
}

std::vector<uint32_t> PixelsOf(const TPicture& picture) {
    const auto* bitmap = As<TBitmap>(picture.Graphic());
    return bitmap ? RgbPixels(*bitmap) : std::vector<uint32_t>{};
}

int TPixels::CountOtherThan(uint32_t rgb, const TRect& r) const {
    int n = 0;
    for (int y = std::max(0, r.Top); y < std::min(Height, r.Bottom); ++y)
        for (int x = std::max(0, r.Left); x < std::min(Width, r.Right); ++x)
            if (At(x, y) != rgb)
                ++n;
    return n;
}

int TPixels::CountOf(uint32_t rgb) const {
    return static_cast<int>(std::count(Rgb.begin(), Rgb.end(), rgb));
}

TPixels RenderControl(TWinControl& control) {
    TPixels result{control.Width(), control.Height(), {}};
    TBitmap target;
    target.SetPixels(
        result.Width, result.Height,
        std::vector<uint32_t>(static_cast<size_t>(result.Width) * result.Height, kOpaque), pf24bit);
    const auto dc = reinterpret_cast<WPARAM>(target.Canvas()->Handle());
    control.Perform(WM_ERASEBKGND, dc, 0);
    control.Perform(WM_PAINT, dc, 0);
    result.Rgb = RgbPixels(target);
    return result;
}

TPixels ScreenPixels(TWinControl& control) {
    TPixels result{control.Width(), control.Height(), {}};
    result.Rgb.resize(static_cast<size_t>(result.Width) * result.Height);
    HWND window = control.Handle();
    UpdateWindow(window);
    const TWindowDC dc(window);
    for (int y = 0; y < result.Height; ++y)
        for (int x = 0; x < result.Width; ++x)
            result.Rgb[static_cast<size_t>(y) * result.Width + x] =
                RgbOf(static_cast<TColor>(GetPixel(dc.Get(), x, y)));
    return result;
}

TColor ScreenPixel(int x, int y) {
    const TWindowDC screen(GetDesktopWindow(), TWindowDC::WholeWindow);
    return static_cast<TColor>(GetPixel(screen.Get(), x, y));
}
