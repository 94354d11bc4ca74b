#include "skin/ColorMath.h"

#include <algorithm>

TColor ComposeRGB(int r, int g, int b) {
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

TRGBTriple SplitResolvedRGB(TColor color) {
    const auto bits = static_cast<uint32_t>(color);
    return {static_cast<uint8_t>(bits & 0xFF), static_cast<uint8_t>((bits >> 8) & 0xFF),
            static_cast<uint8_t>((bits >> 16) & 0xFF)};
}

namespace {

// c0 + trunc((c1 - c0) / span * steps), computed in double and truncated toward zero.
int GradientStep(int c0, int c1, int span, int steps) {
    if (span == 0)
        return c0;
    const double delta = static_cast<double>(c1 - c0) / span * steps;
    return c0 + static_cast<int>(delta);
}

} // namespace

int GradientDownComponent(int c0, int c1, int top, int bottom, int y) {
    return GradientStep(c0, c1, bottom - top, y - top - 1);
}

int GradientAcrossComponent(int c0, int c1, int left, int right, int x) {
    return GradientStep(c0, c1, right - left, x - left);
}

bool CoordsInRect(int x, int y, const TRect& rect) {
    return rect.Left <= x && x <= rect.Right && rect.Top <= y && y <= rect.Bottom;
}

bool PointInRect(const TPoint& point, const TRect& rect) {
    return CoordsInRect(point.X, point.Y, rect);
}

TRect FrameSourceRect(int sourceWidth, int sourceHeight, int frameCount, int frameIndex) {
    if (frameCount < 1)
        return {0, 0, sourceWidth, sourceHeight};
    const int frameWidth = sourceWidth / frameCount;
    const int index = std::clamp(frameIndex, 1, frameCount);
    if (index == frameCount)
        return {sourceWidth - frameWidth, 0, sourceWidth, sourceHeight};
    return {frameWidth * (index - 1), 0, frameWidth * index, sourceHeight};
}

TThreeSlicePlan ThreeSlicePlan(int bitmapWidth, int bitmapHeight, const TRect& target) {
    TThreeSlicePlan plan;
    const int fw = bitmapWidth / 3;
    const int h = bitmapHeight;
    plan.FrameWidth = fw;
    auto add = [&plan](TRect source, TRect dest, bool stretched, bool masked) {
        plan.Pieces[plan.Count++] = {source, dest, stretched, masked};
    };
    const int width = target.Width();
    if (width < fw) {
        if (width > 0)
            add({0, 0, width, h}, Bounds(target.Left, target.Top, width, h), false, false);
        return plan;
    }
    add({0, 0, fw, h}, Bounds(target.Left, target.Top, fw, h), false, true);
    add({2 * fw, 0, 3 * fw, h}, Bounds(target.Right - fw, target.Top, fw, h), false, true);
    const TRect middle{target.Left + fw, target.Top, target.Right - fw, target.Top + h};
    if (middle.Width() > 0 && fw > 0)
        add({fw, 0, 2 * fw, h}, middle, true, false);
    return plan;
}
