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

// What font, pen and brush share: their values in one struct `Values`, the GDI object made
// from them (Self::Create) when first asked for and remade after a change, and Assign between
// two objects of one kind. An object replaced by a change may still be selected into a canvas:
// it is freed only when the new one is made.
template <class Self, class Values, class OwnedHandle>
class TGraphicsTool : public TGraphicsObject {
public:
    void Assign(const TPersistent* source) override {
        const auto* other = As<Self>(source);
        if (!other) {
            TGraphicsObject::Assign(source);
            return;
        }
        if (other == this)
            return;
        const Values& values = static_cast<const TGraphicsTool*>(other)->values_;
        if (values == values_) { // the GDI object stays; the owner is still told
            TGraphicsObject::Changed();
            return;
        }
        values_ = values;
        Changed();
    }

protected:
    // A value the GDI object is made from: the object is remade on next use.
    template <class Field, class Value> void Change(Field Values::*field, const Value& value) {
        if (values_.*field == value)
            return;
        values_.*field = value;
        Changed();
    }
    // A value kept beside the GDI object (a text colour, DC state): only the owner is told.
    template <class Field, class Value> void ChangeAside(Field Values::*field, const Value& value) {
        if (values_.*field == value)
            return;
        values_.*field = value;
        TGraphicsObject::Changed();
    }
    void Changed() override {
        stale_ = true;
        TGraphicsObject::Changed();
    }
    // The GDI object, made by Self::Create when there is none or it is stale; stays owned here.
    auto Cached() const {
        if (!handle_ || stale_) {
            handle_.Reset(Self::Create(values_));
            stale_ = false;
        }
        return handle_.Get();
    }

    Values values_;
    mutable OwnedHandle handle_;
    mutable bool stale_ = false;
};

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
template <> const TEnumInfo& EnumInfoOf<TFontStyle>();

struct TFontValues {
    std::string Name = "Tahoma";
    int Height = -11;
    TColor Color = clWindowText;
    TFontStyles Style;
    int Charset = DEFAULT_CHARSET;
    bool operator==(const TFontValues&) const = default;
};

class TFont : public TGraphicsTool<TFont, TFontValues, TOwnedFontHandle> {
    VFC_CLASS(TFont, TGraphicsObject)
    static constexpr int PixelsPerInch = 96;

    TFont() = default;
    TFont(const TFont&) = delete;
    TFont& operator=(const TFont&) = delete;

    const std::string& Name() const { return values_.Name; }
    void SetName(const std::string& name);
    // Character height in pixels; negative values give the em height as with LOGFONT.
    int Height() const { return values_.Height; }
    void SetHeight(int height);
    // Points at 96 dpi, derived from Height.
    int Size() const;
    void SetSize(int points);
    TColor Color() const { return values_.Color; }
    void SetColor(TColor color);
    TFontStyles Style() const { return values_.Style; }
    void SetStyle(TFontStyles style);
    int Charset() const { return values_.Charset; }
    void SetCharset(int charset);

    // The font object, created on first use. Stays owned by the font.
    HFONT Handle() const;
    // Adopts a font made elsewhere (CreateFontIndirectA); the fields follow its LOGFONT.
    void SetHandle(HFONT font);

private:
    friend TGraphicsTool;
    static HFONT Create(const TFontValues& values);

    mutable TOwnedFontHandle retired_;
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

struct TPenValues {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = psSolid;
    TPenMode Mode = pmCopy;
    bool operator==(const TPenValues&) const = default;
};

class TPen : public TGraphicsTool<TPen, TPenValues, TOwnedPenHandle> {
    VFC_CLASS(TPen, TGraphicsObject)
    TPen() = default;
    TPen(const TPen&) = delete;
    TPen& operator=(const TPen&) = delete;

    TColor Color() const { return values_.Color; }
    void SetColor(TColor color) { Change(&TPenValues::Color, color); }
    int Width() const { return values_.Width; }
    void SetWidth(int width);
    TPenStyle Style() const { return values_.Style; }
    void SetStyle(TPenStyle style) { Change(&TPenValues::Style, style); }
    TPenMode Mode() const { return values_.Mode; }
    // The mode is DC state, not part of the pen object.
    void SetMode(TPenMode mode) { ChangeAside(&TPenValues::Mode, mode); }

    HPEN Handle() const { return Cached(); }

private:
    friend TGraphicsTool;
    static HPEN Create(const TPenValues& values);
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

struct TBrushValues {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
    bool operator==(const TBrushValues&) const = default;
};

class TBrush : public TGraphicsTool<TBrush, TBrushValues, TOwnedBrushHandle> {
    VFC_CLASS(TBrush, TGraphicsObject)
    TBrush() = default;
    TBrush(const TBrush&) = delete;
    TBrush& operator=(const TBrush&) = delete;

    TColor Color() const { return values_.Color; }
    // Setting a colour on a clear brush makes it solid again.
    void SetColor(TColor color);
    TBrushStyle Style() const { return values_.Style; }
    void SetStyle(TBrushStyle style) { Change(&TBrushValues::Style, style); }

    HBRUSH Handle() const { return Cached(); }

private:
    friend TGraphicsTool;
    static HBRUSH Create(const TBrushValues& values);
};
