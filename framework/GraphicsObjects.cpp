#include "framework/GraphicsObjects.h"

#include <cstring>

COLORREF ColorToRGB(TColor color) {
    if (IsSystemColor(color))
        return GetSysColor(static_cast<int>(static_cast<uint32_t>(color) & 0xFFu));
    return static_cast<COLORREF>(color) & 0xFFFFFFu;
}

VFC_DESCRIBE(TGraphicsObject) {
    b.Field("OnChange", &TGraphicsObject::OnChange);
}

void TGraphicsObject::Changed() {
    OnChange(this);
}

// ----------------------------------------------------------------------------------------------
// Font

template <> const TEnumInfo& EnumInfoOf<TFontStyle>() {
    static const TEnumInfo info{"TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
    return info;
}

VFC_DESCRIBE(TFont) {
    b.Property("Charset", &TFont::Charset, &TFont::SetCharset).WithDefault(DEFAULT_CHARSET);
    b.Property("Color", &TFont::Color, &TFont::SetColor).AsColor().WithDefault(clWindowText);
    b.Property("Height", &TFont::Height, &TFont::SetHeight).WithDefault(-11);
    b.Property("Name", &TFont::Name, &TFont::SetName);
    b.Property("Size", &TFont::Size, &TFont::SetSize).NotStored();
    b.Property("Style", &TFont::Style, &TFont::SetStyle).WithDefault(0);
}

void TFont::Changed() {
    // The old object may still be selected into a canvas: it goes when the new one is made.
    stale_ = true;
    TGraphicsObject::Changed();
}

void TFont::SetName(const std::string& name) {
    if (name.empty() || name == name_)
        return;
    name_ = name;
    Changed();
}

void TFont::SetHeight(int height) {
    if (height == height_)
        return;
    height_ = height;
    Changed();
}

int TFont::Size() const {
    return -MulDiv(height_, 72, PixelsPerInch);
}

void TFont::SetSize(int points) {
    SetHeight(-MulDiv(points, PixelsPerInch, 72));
}

void TFont::SetColor(TColor color) {
    if (color == color_)
        return;
    color_ = color;
    // The colour is not part of the font object: keep the handle, only tell the owner.
    TGraphicsObject::Changed();
}

void TFont::SetStyle(TFontStyles style) {
    if (style == style_)
        return;
    style_ = style;
    Changed();
}

void TFont::SetCharset(int charset) {
    if (charset == charset_)
        return;
    charset_ = charset;
    Changed();
}

HFONT TFont::Handle() const {
    retired_.Reset();
    if (!handle_ || stale_) {
        LOGFONTA lf{};
        lf.lfHeight = height_;
        lf.lfWeight = style_.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = style_.Contains(fsItalic);
        lf.lfUnderline = style_.Contains(fsUnderline);
        lf.lfStrikeOut = style_.Contains(fsStrikeOut);
        lf.lfCharSet = static_cast<BYTE>(charset_);
        lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
        lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        lf.lfQuality = DEFAULT_QUALITY;
        lf.lfPitchAndFamily = DEFAULT_PITCH;
        lstrcpynA(lf.lfFaceName, name_.c_str(), LF_FACESIZE);
        HFONT font = CreateFontIndirectA(&lf);
        if (!font)
            throw EGraphicsError("cannot create font " + name_);
        handle_.Reset(font);
        stale_ = false;
    }
    return handle_.Get();
}

void TFont::SetHandle(HFONT font) {
    if (!font)
        return;
    if (font == handle_.Get())
        return;
    LOGFONTA lf{};
    if (GetObjectA(font, sizeof lf, &lf) != sizeof lf)
        throw EGraphicsError("not a font handle");
    // The previous object may still be selected into a canvas: it goes at the next Handle().
    retired_ = std::move(handle_);
    handle_.Reset(font);
    stale_ = false;
    name_ = lf.lfFaceName;
    height_ = lf.lfHeight;
    charset_ = lf.lfCharSet;
    style_ = {};
    if (lf.lfWeight >= FW_BOLD)
        style_.Include(fsBold);
    if (lf.lfItalic)
        style_.Include(fsItalic);
    if (lf.lfUnderline)
        style_.Include(fsUnderline);
    if (lf.lfStrikeOut)
        style_.Include(fsStrikeOut);
    // The adopted object stays: only the owner is told.
    TGraphicsObject::Changed();
}

void TFont::Assign(const TPersistent* source) {
    auto* other = As<TFont>(source);
    if (!other) {
        TGraphicsObject::Assign(source);
        return;
    }
    if (other == this)
        return;
    name_ = other->name_;
    height_ = other->height_;
    color_ = other->color_;
    style_ = other->style_;
    charset_ = other->charset_;
    Changed();
}

// ----------------------------------------------------------------------------------------------
// Pen

template <> const TEnumInfo& EnumInfoOf<TPenStyle>() {
    static const TEnumInfo info{
        "TPenStyle",
        {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"}};
    return info;
}

template <> const TEnumInfo& EnumInfoOf<TPenMode>() {
    static const TEnumInfo info{"TPenMode",
                                {"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy",
                                 "pmMergePenNot", "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen",
                                 "pmMerge", "pmNotMerge", "pmMask", "pmNotMask", "pmXor",
                                 "pmNotXor"}};
    return info;
}

int PenModeToRop2(TPenMode mode) {
    static constexpr int rops[] = {R2_BLACK,       R2_WHITE,      R2_NOP,         R2_NOT,
                                   R2_COPYPEN,     R2_NOTCOPYPEN, R2_MERGEPENNOT, R2_MASKPENNOT,
                                   R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN,    R2_NOTMERGEPEN,
                                   R2_MASKPEN,     R2_NOTMASKPEN, R2_XORPEN,      R2_NOTXORPEN};
    const auto index = static_cast<unsigned>(mode);
    return index < std::size(rops) ? rops[index] : R2_COPYPEN;
}

VFC_DESCRIBE(TPen) {
    b.Property("Color", &TPen::Color, &TPen::SetColor).AsColor().WithDefault(clBlack);
    b.Property("Mode", &TPen::Mode, &TPen::SetMode).WithDefault(pmCopy);
    b.Property("Style", &TPen::Style, &TPen::SetStyle).WithDefault(psSolid);
    b.Property("Width", &TPen::Width, &TPen::SetWidth).WithDefault(1);
}

void TPen::Changed() {
    // The old object may still be selected into a canvas: it goes when the new one is made.
    stale_ = true;
    TGraphicsObject::Changed();
}

void TPen::SetColor(TColor color) {
    if (color == color_)
        return;
    color_ = color;
    Changed();
}

void TPen::SetWidth(int width) {
    if (width < 0)
        width = 0;
    if (width == width_)
        return;
    width_ = width;
    Changed();
}

void TPen::SetStyle(TPenStyle style) {
    if (style == style_)
        return;
    style_ = style;
    Changed();
}

void TPen::SetMode(TPenMode mode) {
    if (mode == mode_)
        return;
    mode_ = mode;
    // The mode is DC state, not part of the pen object.
    TGraphicsObject::Changed();
}

HPEN TPen::Handle() const {
    if (!handle_ || stale_) {
        static constexpr int styles[] = {PS_SOLID,      PS_DASH, PS_DOT,        PS_DASHDOT,
                                         PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
        HPEN pen = CreatePen(styles[style_], width_, ColorToRGB(color_));
        if (!pen)
            throw EGraphicsError("cannot create pen");
        handle_.Reset(pen);
        stale_ = false;
    }
    return handle_.Get();
}

void TPen::Assign(const TPersistent* source) {
    auto* other = As<TPen>(source);
    if (!other) {
        TGraphicsObject::Assign(source);
        return;
    }
    if (other == this)
        return;
    color_ = other->color_;
    width_ = other->width_;
    style_ = other->style_;
    mode_ = other->mode_;
    Changed();
}

// ----------------------------------------------------------------------------------------------
// Brush

template <> const TEnumInfo& EnumInfoOf<TBrushStyle>() {
    static const TEnumInfo info{"TBrushStyle",
                                {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
                                 "bsBDiagonal", "bsCross", "bsDiagCross"}};
    return info;
}

VFC_DESCRIBE(TBrush) {
    b.Property("Color", &TBrush::Color, &TBrush::SetColor).AsColor().WithDefault(clWhite);
    b.Property("Style", &TBrush::Style, &TBrush::SetStyle).WithDefault(bsSolid);
}

void TBrush::Changed() {
    // The old object may still be selected into a canvas: it goes when the new one is made.
    stale_ = true;
    TGraphicsObject::Changed();
}

void TBrush::SetColor(TColor color) {
    if (color == color_ && style_ != bsClear)
        return;
    color_ = color;
    if (style_ == bsClear)
        style_ = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
    if (style == style_)
        return;
    style_ = style;
    Changed();
}

HBRUSH TBrush::Handle() const {
    if (!handle_ || stale_) {
        LOGBRUSH lb{};
        lb.lbColor = ColorToRGB(color_);
        switch (style_) {
        case bsSolid:
            lb.lbStyle = BS_SOLID;
            break;
        case bsClear:
            lb.lbStyle = BS_NULL;
            break;
        default:
            static constexpr int hatches[] = {HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL,
                                              HS_BDIAGONAL,  HS_CROSS,    HS_DIAGCROSS};
            lb.lbStyle = BS_HATCHED;
            lb.lbHatch = static_cast<ULONG_PTR>(hatches[style_ - bsHorizontal]);
            break;
        }
        HBRUSH brush = CreateBrushIndirect(&lb);
        if (!brush)
            throw EGraphicsError("cannot create brush");
        handle_.Reset(brush);
        stale_ = false;
    }
    return handle_.Get();
}

void TBrush::Assign(const TPersistent* source) {
    auto* other = As<TBrush>(source);
    if (!other) {
        TGraphicsObject::Assign(source);
        return;
    }
    if (other == this)
        return;
    color_ = other->color_;
    style_ = other->style_;
    Changed();
}
