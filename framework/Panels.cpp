#include "framework/Panels.h"

template <> const TEnumInfo& EnumInfoOf<TPanelBevel>() {
    static const TEnumInfo info{"TPanelBevel", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}};
    return info;
}

VFC_DESCRIBE(TCustomPanel) {
    b.Property("BevelOuter", &TCustomPanel::BevelOuter, &TCustomPanel::SetBevelOuter)
        .WithDefault(bvRaised);
    b.Property("BevelInner", &TCustomPanel::BevelInner, &TCustomPanel::SetBevelInner)
        .WithDefault(bvNone);
    b.Property("BevelWidth", &TCustomPanel::BevelWidth, &TCustomPanel::SetBevelWidth)
        .WithDefault(1);
    b.Property("BorderStyle", &TCustomPanel::BorderStyle, &TCustomPanel::SetBorderStyle)
        .WithDefault(bsNone);
}

VFC_DESCRIBE(TPanel) {
    (void)b;
}

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(ControlStyle() | csAcceptsControls | csOpaque | csSetCaption);
    SetColor(clBtnFace);
    SetBounds(0, 0, 185, 41);
}

void TCustomPanel::SetBevelOuter(TPanelBevel b) {
    bevelOuter_ = b;
    Invalidate();
}
void TCustomPanel::SetBevelInner(TPanelBevel b) {
    bevelInner_ = b;
    Invalidate();
}
void TCustomPanel::SetBevelWidth(int w) {
    bevelWidth_ = w;
    Invalidate();
}
void TCustomPanel::SetBorderStyle(TFormBorderStyle s) {
    borderStyle_ = s;
    RecreateWnd();
}

void TCustomPanel::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    if (borderStyle_ == bsSingle)
        p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomPanel::Paint() {
    TCanvas* canvas = Canvas();
    TRect r = ClientRect();
    auto bevel = [&](TPanelBevel kind) {
        if (kind == bvNone)
            return;
        const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
        const COLORREF topLeft = kind == bvLowered ? dark : light;
        const COLORREF bottomRight = kind == bvLowered ? light : dark;
        for (int i = 0; i < bevelWidth_ && kind != bvSpace; ++i) {
            canvas->Pen()->SetColor(static_cast<TColor>(topLeft));
            canvas->MoveTo(r.Left, r.Bottom - 1);
            canvas->LineTo(r.Left, r.Top);
            canvas->LineTo(r.Right - 1, r.Top);
            canvas->Pen()->SetColor(static_cast<TColor>(bottomRight));
            canvas->LineTo(r.Right - 1, r.Bottom - 1);
            canvas->LineTo(r.Left - 1, r.Bottom - 1);
            r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        }
        if (kind == bvSpace)
            r = Rect(r.Left + bevelWidth_, r.Top + bevelWidth_, r.Right - bevelWidth_,
                     r.Bottom - bevelWidth_);
    };
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(r);
    bevel(bevelOuter_);
    bevel(bevelInner_);
    if (!Caption().empty()) {
        canvas->Brush()->SetStyle(bsClear);
        canvas->Font()->Assign(Font());
        RECT text{r.Left, r.Top, r.Right, r.Bottom};
        DrawTextA(canvas->Handle(), Caption().c_str(), -1, &text,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}
