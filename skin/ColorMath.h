// Pure colour and geometry arithmetic behind the drawing routines: colour packing, gradient
// steps, hit tests, strip frames and the piece plan of a three-slice bar.
#pragma once

#include "framework/Types.h"

#include <array>
#include <cstdint>

struct TRGBTriple {
    uint8_t R = 0;
    uint8_t G = 0;
    uint8_t B = 0;
    friend bool operator==(const TRGBTriple&, const TRGBTriple&) = default;
};

// R + G*256 + B*65536, each component masked to 8 bits.
TColor ComposeRGB(int r, int g, int b);

// Bits 0-7, 8-15 and 16-23 of a colour whose system colour (if any) is already resolved.
TRGBTriple SplitResolvedRGB(TColor color);

// Component of line y of a top-to-bottom gradient over [top, bottom):
// c0 + trunc((c1 - c0) / (bottom - top) * (y - top - 1)). c0 for an empty span.
int GradientDownComponent(int c0, int c1, int top, int bottom, int y);

// Component of column x of a left-to-right gradient over [left, right):
// c0 + trunc((c1 - c0) / (right - left) * (x - left)). c0 for an empty span.
int GradientAcrossComponent(int c0, int c1, int left, int right, int x);

// Hit tests with all four edges inside (Right and Bottom included).
bool CoordsInRect(int x, int y, const TRect& rect);
bool PointInRect(const TPoint& point, const TRect& rect);

// The source rectangle of frame frameIndex (1-based) of a strip of frameCount equal frames.
// Frame width FW = width div count; the last frame is flush with the right edge, so columns
// left over by the division fall between frames. A count below 1 gives the whole picture; an
// index outside 1..count is clamped into it.
TRect FrameSourceRect(int sourceWidth, int sourceHeight, int frameCount, int frameIndex);

// One copy of a three-slice bar: Source in the bitmap, Dest on the canvas. Stretched pieces
// are scaled into Dest; Masked pieces are drawn with the transparent colour left out when the
// bar is transparent.
struct TSlicePiece {
    TRect Source;
    TRect Dest;
    bool Stretched = false;
    bool Masked = false;
    friend bool operator==(const TSlicePiece&, const TSlicePiece&) = default;
};

// Where the pieces of a bitmap of three equal frames (left cap, middle, right cap) go when the
// bar is drawn across target, in drawing order. The drawn height is always the bitmap's.
// Narrower than one frame: only the left part of the left cap, unmasked. Otherwise both caps
// (masked) and the middle stretched between them; a middle with no room left is omitted rather
// than mirrored.
struct TThreeSlicePlan {
    int FrameWidth = 0;
    int Count = 0;
    std::array<TSlicePiece, 3> Pieces{};
};

TThreeSlicePlan ThreeSlicePlan(int bitmapWidth, int bitmapHeight, const TRect& target);
