#include "framework/Canvas.h"

#include "framework/Graphic.h"

VFC_DESCRIBE(TCanvas) {
    b.Property("Brush", &TCanvas::Brush, &TCanvas::SetBrush);
    b.Property("Font", &TCanvas::Font, &TCanvas::SetFont);
    b.Property("Pen", &TCanvas::Pen, &TCanvas::SetPen);
    b.Field("OnChange", &TCanvas::OnChange);
}

TCanvas::TCanvas()
    : font_(std::make_unique<TFont>()), pen_(std::make_unique<TPen>()),
      brush_(std::make_unique<TBrush>()) {
    font_->OnChange = TNotifyEvent::Bind<&TCanvas::FontChanged>(this);
    pen_->OnChange = TNotifyEvent::Bind<&TCanvas::PenChanged>(this);
    brush_->OnChange = TNotifyEvent::Bind<&TCanvas::BrushChanged>(this);
}

TCanvas::~TCanvas() {
    DeselectTools();
}

HDC TCanvas::Handle() {
    if (!dc_)
        CreateHandle();
    if (!dc_)
        throw EGraphicsError("canvas does not allow drawing");
    return dc_;
}

void TCanvas::SetHandle(HDC dc) {
    if (dc == dc_)
        return;
    DeselectTools();
    dc_ = dc;
    if (dc_)
        SelectTools();
}

void TCanvas::SelectTools() {
    oldFont_ = GetCurrentObject(dc_, OBJ_FONT);
    oldPen_ = GetCurrentObject(dc_, OBJ_PEN);
    oldBrush_ = GetCurrentObject(dc_, OBJ_BRUSH);
    SelectFont();
    SelectPen();
    SelectBrush();
}

void TCanvas::DeselectTools() {
    if (!dc_)
        return;
    if (oldFont_)
        SelectObject(dc_, oldFont_);
    if (oldPen_)
        SelectObject(dc_, oldPen_);
    if (oldBrush_)
        SelectObject(dc_, oldBrush_);
    oldFont_ = oldPen_ = oldBrush_ = nullptr;
}

// Each Select* puts the current object and the DC state that goes with it into the DC. The
// object the DC held before the canvas came stays remembered in old*_.
void TCanvas::SelectFont() {
    SelectObject(dc_, font_->Handle());
    SetTextColor(dc_, ColorToRGB(font_->Color()));
}

void TCanvas::SelectPen() {
    SelectObject(dc_, pen_->Handle());
    SetROP2(dc_, PenModeToRop2(pen_->Mode()));
}

void TCanvas::SelectBrush() {
    SelectObject(dc_, brush_->Handle());
    SetBkColor(dc_, ColorToRGB(brush_->Color()));
    SetBkMode(dc_, brush_->Style() == bsClear ? TRANSPARENT : OPAQUE);
}

// A changed tool has let go of nothing yet: move the DC to its original object first, so that
// the tool may delete the old object when it makes the new one.
void TCanvas::FontChanged(TObject*) {
    if (!dc_)
        return;
    SelectObject(dc_, oldFont_);
    SelectFont();
}

void TCanvas::PenChanged(TObject*) {
    if (!dc_)
        return;
    SelectObject(dc_, oldPen_);
    SelectPen();
}

void TCanvas::BrushChanged(TObject*) {
    if (!dc_)
        return;
    SelectObject(dc_, oldBrush_);
    SelectBrush();
}

void TCanvas::Changed() {
    OnChange(this);
}

TPoint TCanvas::PenPos() {
    POINT p{};
    GetCurrentPositionEx(Handle(), &p);
    return {p.x, p.y};
}

void TCanvas::MoveTo(int x, int y) {
    MoveToEx(Handle(), x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
    ::LineTo(Handle(), x, y);
    Changed();
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    ::Rectangle(Handle(), x1, y1, x2, y2);
    Changed();
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    ::Ellipse(Handle(), x1, y1, x2, y2);
    Changed();
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    ::Arc(Handle(), x1, y1, x2, y2, x3, y3, x4, y4);
    Changed();
}

void TCanvas::FrameRect(const TRect& r) {
    const RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    ::FrameRect(Handle(), &rc, brush_->Handle());
    Changed();
}

void TCanvas::FillRect(const TRect& r) {
    const RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    ::FillRect(Handle(), &rc, brush_->Handle());
    Changed();
}

void TCanvas::DrawFocusRect(const TRect& r) {
    const RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    ::DrawFocusRect(Handle(), &rc);
    Changed();
}

void TCanvas::Draw(int x, int y, TGraphic* graphic) {
    if (!graphic || graphic->Empty())
        return;
    graphic->Draw(*this, Bounds(x, y, graphic->Width(), graphic->Height()));
    Changed();
}

void TCanvas::StretchDraw(const TRect& r, TGraphic* graphic) {
    if (!graphic || graphic->Empty())
        return;
    graphic->Draw(*this, r);
    Changed();
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* source, const TRect& srcRect) {
    if (!source)
        return;
    HDC dc = Handle();
    HDC src = source->Handle();
    if (dest.Width() == srcRect.Width() && dest.Height() == srcRect.Height()) {
        BitBlt(dc, dest.Left, dest.Top, dest.Width(), dest.Height(), src, srcRect.Left, srcRect.Top,
               copyMode_);
    } else {
        const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, dest.Left, dest.Top, dest.Width(), dest.Height(), src, srcRect.Left,
                   srcRect.Top, srcRect.Width(), srcRect.Height(), copyMode_);
        SetStretchBltMode(dc, oldMode);
    }
    Changed();
}

TSize TCanvas::TextExtent(const std::string& text) {
    SIZE size{};
    GetTextExtentPoint32A(Handle(), text.c_str(), static_cast<int>(text.size()), &size);
    return {size.cx, size.cy};
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
    ::TextOutA(Handle(), x, y, text.c_str(), static_cast<int>(text.size()));
    Changed();
}

void TCanvas::TextRect(const TRect& r, int x, int y, const std::string& text) {
    const RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    UINT options = ETO_CLIPPED;
    if (brush_->Style() != bsClear)
        options |= ETO_OPAQUE;
    ExtTextOutA(Handle(), x, y, options, &rc, text.c_str(), static_cast<UINT>(text.size()),
                nullptr);
    Changed();
}

TColor TCanvas::Pixels(int x, int y) {
    const COLORREF c = GetPixel(Handle(), x, y);
    return c == CLR_INVALID ? clNone : static_cast<TColor>(c);
}

void TCanvas::SetPixels(int x, int y, TColor color) {
    SetPixelV(Handle(), x, y, ColorToRGB(color));
    Changed();
}

TRect TCanvas::ClipRect() {
    RECT rc{};
    GetClipBox(Handle(), &rc);
    return {rc.left, rc.top, rc.right, rc.bottom};
}
