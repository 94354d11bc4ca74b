// A drawing surface over a device context, with its own pen, brush and font.
//
// The canvas never owns its DC: it is handed one (SetHandle) or, in a descendant, makes one on
// demand in CreateHandle (a bitmap's memory DC, a control's window DC). While it has a DC its
// pen, brush and font are selected into it; a change of any of them is selected at once, and
// the DC's own objects are put back when the canvas lets the DC go.
#pragma once

#include "framework/GraphicsObjects.h"

#include <memory>
#include <string>

class TGraphic;

struct TSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

class TCanvas : public TPersistent {
    VFC_CLASS(TCanvas, TPersistent)
    TCanvas();
    ~TCanvas() override;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // The DC, made by CreateHandle when there is none yet. Raises EGraphicsError when the
    // canvas has no way to get one.
    HDC Handle();
    bool HandleAllocated() const { return dc_ != nullptr; }
    // Draws on a borrowed DC from now on; null detaches. The canvas's objects leave the
    // previous DC first.
    void SetHandle(HDC dc);
    // Lets the DC go; descendants that made their DC themselves also free it.
    virtual void FreeHandle() { SetHandle(nullptr); }

    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* font) { font_->Assign(font); }
    TPen* Pen() const { return pen_.get(); }
    void SetPen(TPen* pen) { pen_->Assign(pen); }
    TBrush* Brush() const { return brush_.get(); }
    void SetBrush(TBrush* brush) { brush_->Assign(brush); }

    // Raster operation of CopyRect and of opaque graphic draws (SRCCOPY by default).
    DWORD CopyMode() const { return copyMode_; }
    void SetCopyMode(DWORD rop) { copyMode_ = rop; }

    TPoint PenPos();
    void SetPenPos(TPoint p) { MoveTo(p.X, p.Y); }
    void MoveTo(int x, int y);
    // A line from the pen position to (x, y), which itself is not painted.
    void LineTo(int x, int y);
    // Outline with the pen, inside with the brush.
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void Ellipse(int x1, int y1, int x2, int y2);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    // One-pixel frame around r with the brush.
    void FrameRect(const TRect& r);
    void FillRect(const TRect& r);
    void DrawFocusRect(const TRect& r);

    // A graphic at its own size, or stretched into a rectangle.
    void Draw(int x, int y, TGraphic* graphic);
    void StretchDraw(const TRect& r, TGraphic* graphic);
    // Copies (stretching when the sizes differ) srcRect of another canvas into dest.
    void CopyRect(const TRect& dest, TCanvas* source, const TRect& srcRect);

    TSize TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }
    // Text with the font; on the brush colour unless the brush is clear.
    void TextOut(int x, int y, const std::string& text);
    // Text at (x, y), clipped to r, which is filled first unless the brush is clear.
    void TextRect(const TRect& r, int x, int y, const std::string& text);

    TColor Pixels(int x, int y);
    void SetPixels(int x, int y, TColor color);
    TRect ClipRect();

    // After each drawing operation.
    TNotifyEvent OnChange;

protected:
    // Makes a DC (calling SetHandle) when asked for one and there is none.
    virtual void CreateHandle() {}
    virtual void Changed();

private:
    void SelectTools();
    void DeselectTools();
    void SelectFont();
    void SelectPen();
    void SelectBrush();
    void FontChanged(TObject*);
    void PenChanged(TObject*);
    void BrushChanged(TObject*);

    std::unique_ptr<TFont> font_;
    std::unique_ptr<TPen> pen_;
    std::unique_ptr<TBrush> brush_;
    HDC dc_ = nullptr;
    // What the DC held before the canvas selected its own objects.
    HGDIOBJ oldFont_ = nullptr;
    HGDIOBJ oldPen_ = nullptr;
    HGDIOBJ oldBrush_ = nullptr;
    DWORD copyMode_ = SRCCOPY;
};
