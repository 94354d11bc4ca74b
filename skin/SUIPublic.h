// Drawing routines shared by the skinned controls: hit tests, work-area placement, strip
// frames and three-slice bars, colour packing, line-by-line gradients, coloured frames and
// fills, text shortening and property look-up by name. None keeps state; temporary bitmaps
// and image lists live for one call.
#pragma once

#include "framework/Bitmap.h"
#include "framework/Canvas.h"
#include "framework/Controls.h"
#include "framework/Forms.h"
#include "skin/ColorMath.h" // CoordsInRect, PointInRect, ComposeRGB

#include <cstdint>
#include <string>
#include <string_view>

// Backgrounds and placement

// SetWindowPos flags that only make a window recompute its frame, keeping its position, size,
// Z order and activation.
constexpr UINT kFrameChangedOnly =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

// With a main form: the work area of the monitor nearest to it; otherwise the desktop work
// area (SPI_GETWORKAREA).
void QueryWorkArea(TRect& rect);
// Left, Top, Width and Height written one after the other, in that order.
void MoveControlToRect(TControl* control, TRect rect);
// Whether the form counts as active for drawing its caption, MDI frames and children
// included. An absent form with no main form is not active.
bool FormIsActive(TCustomForm* form);

// Pictures

// A bitmap of three equal frames (left cap, middle, right cap) drawn across rect: caps at
// both ends (leaving out transColor when transparent), the middle stretched opaque between
// them, always at the bitmap's own height. A rect narrower than one frame shows only the left
// part of the left cap. A bitmap narrower than three pixels draws nothing.
void DrawThreeSliceBar(TBitmap* bitmap, TCanvas* canvas, TRect rect, TColor transColor,
                       bool transparent);
// Makes dest frame frameIndex (1-based) of the frameCount equal frames of source; the last
// frame is flush with the right edge. Dest keeps its transparency settings; source and dest
// may be the same bitmap.
void CutFrameFromStrip(TBitmap* source, TBitmap* dest, int frameCount, int frameIndex);

// Colours and fills

// Resolves a system colour first, then bits 0-7, 8-15 and 16-23.
void SplitRGB(TColor color, uint8_t& r, uint8_t& g, uint8_t& b);
// One horizontal line per row: FromColor on the first, ToColor on the last, steps between.
// The pen keeps ToColor. An empty rect draws nothing.
void PaintGradientDown(TCanvas* canvas, TRect rect, TColor fromColor, TColor toColor);
// One vertical line per column, with the step formula of the columns.
void PaintGradientAcross(TCanvas* canvas, TRect rect, TColor fromColor, TColor toColor);
// Brush colour := color (and stays so), then a one-pixel frame / a fill.
void FrameRectColored(TCanvas* canvas, TRect rect, TColor color);
void FillRectColored(TCanvas* canvas, TRect rect, TColor color);

// Text and properties

// The text when it fits in maxWidth; otherwise the shortest prefix plus "..." at least
// maxWidth wide (it may overshoot by part of a character); the whole text when every
// shortened form stays narrower.
void EllipsizeText(TCanvas* canvas, const std::string& text, int maxWidth, std::string& result);
// Whether the object's class or an ancestor has a stored property of that name (any case).
bool HasNamedProperty(const TObject* component, std::string_view name);
