// Labels: non-windowed text painted by their parent.
#pragma once

#include "framework/Controls.h"

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };
template <> const TEnumInfo& EnumInfoOf<TAlignment>();
template <> const TEnumInfo& EnumInfoOf<TTextLayout>();

class TLabel : public TGraphicControl {
    VFC_CLASS(TLabel, TGraphicControl)
    explicit TLabel(TComponent* owner);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout l);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    void SetText(const std::string& text) override;

protected:
    void Paint() override;
    void FontChanged() override;
    void AdjustBounds();
    UINT DrawFormat() const;

private:
    bool autoSize_ = true;
    bool transparent_ = false;
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool wordWrap_ = false;
};
