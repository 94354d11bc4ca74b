#include "framework/GraphicsObjects.h"

#include <cstring>

COLORREF ColorToRGB(TColor color) {
    if (IsSystemColor(color))
        return GetSysColor(static_cast<int>(static_cast<uint32_t>(color) & SystemColorIndexMask));
    return static_cast<COLORREF>(color) & RgbMask;
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

void TFont::SetName(const std::string& name) {
    if (!name.empty())
        Change(&TFontValues::Name, name);
}

void TFont::SetHeight(int height) {
    Change(&TFontValues::Height, height);
}

int TFont::Size() const {
    return -MulDiv(values_.Height, 72, PixelsPerInch);
}

void TFont::SetSize(int points) {
    SetHeight(-MulDiv(points, PixelsPerInch, 72));
}

void TFont::SetColor(TColor color) {
    // The colour is not part of the font object: keep the handle, only tell the owner.
    ChangeAside(&TFontValues::Color, color);
}

void TFont::SetStyle(TFontStyles style) {
    Change(&TFontValues::Style, style);
}

void TFont::SetCharset(int charset) {
    Change(&TFontValues::Charset, charset);
}

HFONT TFont::Create(const TFontValues& values) {
    LOGFONTA lf{};
    lf.lfHeight = values.Height;
    lf.lfWeight = values.Style.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = values.Style.Contains(fsItalic);
    lf.lfUnderline = values.Style.Contains(fsUnderline);
    lf.lfStrikeOut = values.Style.Contains(fsStrikeOut);
    lf.lfCharSet = static_cast<BYTE>(values.Charset);
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    lstrcpynA(lf.lfFaceName, values.Name.c_str(), LF_FACESIZE);
    HFONT font = CreateFontIndirectA(&lf);
    if (!font)
        throw EGraphicsError("cannot create font " + values.Name);
    return font;
}

HFONT TFont::Handle() const {
    retired_.Reset();
    return Cached();
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
    values_.Name = lf.lfFaceName;
    values_.Height = lf.lfHeight;
    values_.Charset = lf.lfCharSet;
    TFontStyles& style = values_.Style = {};
    if (lf.lfWeight >= FW_BOLD)
        style.Include(fsBold);
    if (lf.lfItalic)
        style.Include(fsItalic);
    if (lf.lfUnderline)
        style.Include(fsUnderline);
    if (lf.lfStrikeOut)
        style.Include(fsStrikeOut);
    // The adopted object stays: only the owner is told.
    TGraphicsObject::Changed();
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

void TPen::SetWidth(int width) {
    Change(&TPenValues::Width, width < 0 ? 0 : width);
}

HPEN TPen::Create(const TPenValues& values) {
    static constexpr int styles[] = {PS_SOLID,      PS_DASH, PS_DOT,        PS_DASHDOT,
                                     PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
    HPEN pen = CreatePen(styles[values.Style], values.Width, ColorToRGB(values.Color));
    if (!pen)
        throw EGraphicsError("cannot create pen");
    return pen;
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

void TBrush::SetColor(TColor color) {
    if (color == values_.Color && values_.Style != bsClear)
        return;
    values_.Color = color;
    if (values_.Style == bsClear)
        values_.Style = bsSolid;
    Changed();
}

HBRUSH TBrush::Create(const TBrushValues& values) {
    LOGBRUSH lb{};
    lb.lbColor = ColorToRGB(values.Color);
    switch (values.Style) {
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
        lb.lbHatch = static_cast<ULONG_PTR>(hatches[values.Style - bsHorizontal]);
        break;
    }
    HBRUSH brush = CreateBrushIndirect(&lb);
    if (!brush)
        throw EGraphicsError("cannot create brush");
    return brush;
}
