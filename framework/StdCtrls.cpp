#include "framework/StdCtrls.h"

template <> const TEnumInfo& EnumInfoOf<TAlignment>() {
    static const TEnumInfo info{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
    return info;
}
template <> const TEnumInfo& EnumInfoOf<TTextLayout>() {
    static const TEnumInfo info{"TTextLayout", {"tlTop", "tlCenter", "tlBottom"}};
    return info;
}

VFC_DESCRIBE(TLabel) {
    b.Property("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize).WithDefault(true);
    b.Property("Transparent", &TLabel::Transparent, &TLabel::SetTransparent).WithDefault(false);
    b.Property("Alignment", &TLabel::Alignment, &TLabel::SetAlignment).WithDefault(taLeftJustify);
    b.Property("Layout", &TLabel::Layout, &TLabel::SetLayout).WithDefault(tlTop);
    b.Property("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap).WithDefault(false);
}

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner) {
    SetControlStyle(ControlStyle() | csSetCaption | csOpaque);
    SetParentColor(true);
    SetBounds(0, 0, 65, 17);
}

void TLabel::SetAutoSize(bool v) {
    autoSize_ = v;
    AdjustBounds();
}

void TLabel::SetTransparent(bool v) {
    transparent_ = v;
    SetControlStyle(v ? ControlStyle() & ~csOpaque : ControlStyle() | csOpaque);
    Invalidate();
}

void TLabel::SetAlignment(TAlignment a) {
    alignment_ = a;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout l) {
    layout_ = l;
    Invalidate();
}

void TLabel::SetWordWrap(bool v) {
    wordWrap_ = v;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetText(const std::string& text) {
    TControl::SetText(text);
    AdjustBounds();
    Invalidate();
}

void TLabel::FontChanged() {
    AdjustBounds();
    Invalidate();
}

UINT TLabel::DrawFormat() const {
    static constexpr UINT align[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    UINT format = DT_EXPANDTABS | align[alignment_];
    if (wordWrap_)
        format |= DT_WORDBREAK;
    return format;
}

void TLabel::AdjustBounds() {
    if (!autoSize_ || HasState(csLoading) || !Parent() || !Parent()->HandleAllocated())
        return;
    RECT r{0, 0, wordWrap_ ? Width() : 0, 0};
    {
        const TWindowDC screen(nullptr);
        const TScopedSelect font(screen.Get(), Font()->Handle());
        DrawTextA(screen.Get(), Text().empty() ? " " : Text().c_str(), -1, &r,
                  DrawFormat() | DT_CALCRECT);
    }
    SetBounds(Left(), Top(), r.right, r.bottom);
}

void TLabel::Paint() {
    TCanvas* canvas = Canvas();
    TRect rect = ClientRect();
    if (!transparent_) {
        canvas->Brush()->SetColor(Color());
        canvas->Brush()->SetStyle(bsSolid);
        canvas->FillRect(rect);
    }
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->Assign(Font());
    HDC dc = canvas->Handle();
    RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    if (layout_ != tlTop) {
        RECT calc = r;
        DrawTextA(dc, Text().c_str(), -1, &calc, DrawFormat() | DT_CALCRECT);
        const int offset = (r.bottom - r.top) - (calc.bottom - calc.top);
        r.top += layout_ == tlBottom ? offset : offset / 2;
    }
    if (!Enabled()) {
        OffsetRect(&r, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextA(dc, Text().c_str(), -1, &r, DrawFormat());
        OffsetRect(&r, -1, -1);
        SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    }
    DrawTextA(dc, Text().c_str(), -1, &r, DrawFormat());
}
