// Panels: windowed containers with bevels, a border and a centred caption.
#pragma once

#include "framework/Controls.h"
#include "framework/Forms.h"

enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };
template <> const TEnumInfo& EnumInfoOf<TPanelBevel>();

class TCustomPanel : public TCustomControl {
    VFC_CLASS(TCustomPanel, TCustomControl)
    explicit TCustomPanel(TComponent* owner);

    TPanelBevel BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TPanelBevel b);
    TPanelBevel BevelInner() const { return bevelInner_; }
    void SetBevelInner(TPanelBevel b);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int w);
    // bsNone or bsSingle.
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle s);

protected:
    void Paint() override;
    void CreateParams(TCreateParams& params) override;

private:
    TPanelBevel bevelOuter_ = bvRaised;
    TPanelBevel bevelInner_ = bvNone;
    int bevelWidth_ = 1;
    TFormBorderStyle borderStyle_ = bsNone;
};

class TPanel : public TCustomPanel {
    VFC_CLASS(TPanel, TCustomPanel)
    explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
};
