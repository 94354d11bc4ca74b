// Drawing tools: font, pen and brush. Each keeps its GDI object, made when first asked for and
// remade after a change, and tells its owner (a canvas, a control) through OnChange.
#pragma once

#include "framework/Classes.h"
#include "framework/GdiHandles.h"
#include "framework/Types.h"

#include <stdexcept>
#include <string>

class EGraphicsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The RGB value a colour stands for now: system colours through GetSysColor.
COLORREF ColorToRGB(TColor color);

class TGraphicsObject : public TPersistent {
    VFC_CLASS(TGraphicsObject, TPersistent)
    TNotifyEvent OnChange;

protected:
    virtual void Changed();
};

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
template <> const TEnumInfo& EnumInfoOf<TFontStyle>();

class TFont : public TGraphicsObject {
    VFC_CLASS(TFont, TGraphicsObject)
    static constexpr int PixelsPerInch = 96;

    TFont() = default;
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    // Character height in pixels; negative values give the em height as with LOGFONT.
    int Height() const { return height_; }
    void SetHeight(int height);
    // Points at 96 dpi, derived from Height.
    int Size() const;
    void SetSize(int points);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    int Charset() const { return charset_; }
    void SetCharset(int charset);

    // The font object, created on first use. Stays owned by the font.
    HFONT Handle() const;
    // Adopts a font made elsewhere (CreateFontIndirectA); the fields follow its LOGFONT.
    void SetHandle(HFONT font);

    void Assign(const TPersistent* source) override;

private:
    void Changed() override;

    std::string name_ = "Tahoma";
    int height_ = -11;
    TColor color_ = clWindowText;
    TFontStyles style_;
    int charset_ = DEFAULT_CHARSET;
    mutable TOwnedFontHandle handle_;
    mutable TOwnedFontHandle retired_;
    mutable bool stale_ = false;
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
template <> const TEnumInfo& EnumInfoOf<TPenStyle>();

// Raster operations of the pen (SetROP2).
enum TPenMode {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor
};
template <> const TEnumInfo& EnumInfoOf<TPenMode>();
int PenModeToRop2(TPenMode mode);

class TPen : public TGraphicsObject {
    VFC_CLASS(TPen, TGraphicsObject)
    TPen() = default;
    TPen(const TPen&) = delete;
    TPen& operator=(const TPen&) = delete;

    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Width() const { return width_; }
    void SetWidth(int width);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle style);
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode mode);

    HPEN Handle() const;
    void Assign(const TPersistent* source) override;

private:
    void Changed() override;

    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
    TPenMode mode_ = pmCopy;
    mutable TOwnedPenHandle handle_;
    mutable bool stale_ = false;
};

enum TBrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};
template <> const TEnumInfo& EnumInfoOf<TBrushStyle>();

class TBrush : public TGraphicsObject {
    VFC_CLASS(TBrush, TGraphicsObject)
    TBrush() = default;
    TBrush(const TBrush&) = delete;
    TBrush& operator=(const TBrush&) = delete;

    TColor Color() const { return color_; }
    // Setting a colour on a clear brush makes it solid again.
    void SetColor(TColor color);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style);

    HBRUSH Handle() const;
    void Assign(const TPersistent* source) override;

private:
    void Changed() override;

    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
    mutable TOwnedBrushHandle handle_;
    mutable bool stale_ = false;
};
