// TControl: geometry, state, properties, mouse handling shared by all controls.
#include "framework/ActnList.h"
#include "framework/Controls.h"
#include "framework/Forms.h"
#include "framework/Menus.h"

#include <algorithm>

template <> const TEnumInfo& EnumInfoOf<TAlign>() {
    static const TEnumInfo info{
        "TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"}};
    return info;
}
template <> const TEnumInfo& EnumInfoOf<TAnchorKind>() {
    static const TEnumInfo info{"TAnchorKind", {"akLeft", "akTop", "akRight", "akBottom"}};
    return info;
}
template <> const TEnumInfo& EnumInfoOf<TBiDiMode>() {
    static const TEnumInfo info{
        "TBiDiMode",
        {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"}};
    return info;
}
template <> const TEnumInfo& EnumInfoOf<TShiftStateFlag>() {
    static const TEnumInfo info{
        "TShiftStateFlag",
        {"ssShift", "ssAlt", "ssCtrl", "ssLeft", "ssRight", "ssMiddle", "ssDouble"}};
    return info;
}

TShiftState KeysToShiftState(WPARAM keys) {
    TShiftState s;
    if (keys & MK_SHIFT)
        s.Include(ssShift);
    if (keys & MK_CONTROL)
        s.Include(ssCtrl);
    if (keys & MK_LBUTTON)
        s.Include(ssLeft);
    if (keys & MK_RBUTTON)
        s.Include(ssRight);
    if (keys & MK_MBUTTON)
        s.Include(ssMiddle);
    if (GetKeyState(VK_MENU) < 0)
        s.Include(ssAlt);
    return s;
}

TShiftState KeyboardShiftState() {
    TShiftState s;
    if (GetKeyState(VK_SHIFT) < 0)
        s.Include(ssShift);
    if (GetKeyState(VK_CONTROL) < 0)
        s.Include(ssCtrl);
    if (GetKeyState(VK_MENU) < 0)
        s.Include(ssAlt);
    return s;
}

VFC_DESCRIBE(TControl) {
    b.Property("Left", &TControl::Left, &TControl::SetLeft);
    b.Property("Top", &TControl::Top, &TControl::SetTop);
    b.Property("Width", &TControl::Width, &TControl::SetWidth);
    b.Property("Height", &TControl::Height, &TControl::SetHeight);
    b.Property("ClientWidth", &TControl::ClientWidth, &TControl::SetClientWidth).NotStored();
    b.Property("ClientHeight", &TControl::ClientHeight, &TControl::SetClientHeight).NotStored();
    b.Property("Align", &TControl::Align, &TControl::SetAlign).WithDefault(alNone);
    b.Property("Anchors", &TControl::Anchors, &TControl::SetAnchors);
    b.Property("Visible", &TControl::Visible, &TControl::SetVisible).WithDefault(true);
    b.Property("Enabled", &TControl::Enabled, &TControl::SetEnabled).WithDefault(true);
    b.Property("Caption", &TControl::Caption, &TControl::SetCaption);
    b.Property("Color", &TControl::Color, &TControl::SetColor).AsColor();
    b.Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor);
    b.Property("Font", &TControl::Font, &TControl::SetFont);
    b.Property("ParentFont", &TControl::ParentFont, &TControl::SetParentFont).WithDefault(true);
    // Writing ShowHint ends ParentShowHint, so it is stored only when not taken from the parent.
    b.Property("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
        .StoredWhen(
            [](const TObject& o) { return !static_cast<const TControl&>(o).ParentShowHint(); });
    b.Property("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint)
        .WithDefault(true);
    b.Property("Hint", &TControl::Hint, &TControl::SetHint);
    b.Property("BiDiMode", &TControl::BiDiMode, &TControl::SetBiDiMode);
    b.Property("ParentBiDiMode", &TControl::ParentBiDiMode, &TControl::SetParentBiDiMode)
        .WithDefault(true);
    b.Property("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu);
    b.Property("Action", &TControl::Action, &TControl::SetAction);
    b.Field("OnClick", &TControl::OnClick);
    b.Field("OnMouseDown", &TControl::OnMouseDown);
    b.Field("OnMouseMove", &TControl::OnMouseMove);
    b.Field("OnMouseUp", &TControl::OnMouseUp);
    b.Field("OnMouseEnter", &TControl::OnMouseEnter);
    b.Field("OnMouseLeave", &TControl::OnMouseLeave);
    b.Field("OnDblClick", &TControl::OnDblClick);
    b.Field("OnResize", &TControl::OnResize);
}

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
    WindowProc = TWndMethod::Bind<&TControl::WndProc>(this);
    font_->OnChange = TNotifyEvent::Bind<&TControl::FontChangedHandler>(this);
}

TControl::~TControl() {
    Destroying();
    SetAction(nullptr);
    Application->ControlDestroyed(this);
    if (parent_)
        parent_->RemoveControl(this);
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    WindowProc(m);
    return m.Result;
}

void TControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        HandleMouseMessage(m);
        break;
    case CM_MOUSEENTER:
        if (reinterpret_cast<TControl*>(m.LParam) == this || m.LParam == 0)
            MouseEntered();
        return;
    case CM_MOUSELEAVE:
        if (reinterpret_cast<TControl*>(m.LParam) == this || m.LParam == 0)
            MouseLeft();
        return;
    case CM_FONTCHANGED:
        FontChanged();
        return;
    case CM_PARENTFONTCHANGED:
        if (parentFont_ && parent_) {
            font_->Assign(parent_->Font());
            parentFont_ = true; // Assign fires OnChange, which clears it
        }
        return;
    case CM_PARENTCOLORCHANGED:
        // Through SetColor, so that a windowed control passes the colour on to its children.
        if (parentColor_ && parent_) {
            SetColor(parent_->Color());
            parentColor_ = true; // SetColor clears it
        }
        return;
    case WM_CONTEXTMENU:
        if (ContextPopup(m))
            return;
        break;
    case CM_ENABLEDCHANGED:
    case CM_COLORCHANGED:
    case CM_TEXTCHANGED:
        Invalidate();
        return;
    default:
        break;
    }
    DefaultHandler(m);
}

void TControl::DefaultHandler(TMessage& m) {
    switch (m.Msg) {
    case WM_GETTEXT: {
        auto* buffer = reinterpret_cast<char*>(m.LParam);
        size_t n = std::min(text_.size(), m.WParam ? static_cast<size_t>(m.WParam - 1) : 0);
        if (buffer && m.WParam) {
            text_.copy(buffer, n);
            buffer[n] = '\0';
        }
        m.Result = static_cast<LRESULT>(n);
        break;
    }
    case WM_GETTEXTLENGTH:
        m.Result = static_cast<LRESULT>(text_.size());
        break;
    case WM_SETTEXT:
        text_ = m.LParam ? reinterpret_cast<const char*>(m.LParam) : "";
        Perform(CM_TEXTCHANGED);
        m.Result = TRUE;
        break;
    default:
        m.Result = 0;
    }
}

void TControl::HandleMouseMessage(TMessage& m) {
    const int x = MessageX(m), y = MessageY(m);
    const TShiftState shift = KeysToShiftState(m.WParam);
    auto press = [&](TMouseButton button) {
        if (button == mbLeft && HasControlStyle(csCaptureMouse))
            Application->SetCaptureControl(this);
        if (button == mbLeft && HasControlStyle(csClickEvents))
            clicked_ = true;
        MouseDown(button, shift, x, y);
    };
    auto release = [&](TMouseButton button) {
        if (button == mbLeft) {
            if (Application->CaptureControl() == this)
                Application->SetCaptureControl(nullptr);
            if (clicked_) {
                clicked_ = false;
                if (ReleaseClicksAt(x, y))
                    Click();
            }
        }
        MouseUp(button, shift, x, y);
    };
    switch (m.Msg) {
    case WM_MOUSEMOVE:
        MouseMove(shift, x, y);
        break;
    case WM_LBUTTONDBLCLK:
        if (HasControlStyle(csDoubleClicks))
            DblClick();
        press(mbLeft);
        break;
    case WM_LBUTTONDOWN:
        press(mbLeft);
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        press(mbRight);
        break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        press(mbMiddle);
        break;
    case WM_LBUTTONUP:
        release(mbLeft);
        break;
    case WM_RBUTTONUP:
        release(mbRight);
        break;
    case WM_MBUTTONUP:
        release(mbMiddle);
        break;
    default:
        break;
    }
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    OnMouseDown(this, button, shift, x, y);
}
void TControl::MouseMove(TShiftState shift, int x, int y) {
    OnMouseMove(this, shift, x, y);
}
void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    OnMouseUp(this, button, shift, x, y);
}
void TControl::MouseEntered() {
    OnMouseEnter(this);
}
void TControl::MouseLeft() {
    OnMouseLeave(this);
}
void TControl::Click() {
    if (!OnClick && action_)
        action_->Execute();
    else
        OnClick(this);
}
void TControl::DblClick() {
    OnDblClick(this);
}
void TControl::Resize() {
    OnResize(this);
}

bool TControl::MouseInside() const {
    return Application->MouseControl() == this;
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_)
        return;
    if (parent == this)
        throw EPropertyError("a control cannot be its own parent");
    if (parent_)
        parent_->RemoveControl(this);
    if (parent)
        parent->InsertControl(this);
}

void TControl::SetParentComponent(TComponent* parent) {
    if (auto* w = As<TWinControl>(parent))
        SetParent(w);
}

TComponent* TControl::GetParentComponent() const {
    return parent_;
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    Invalidate();
    const bool resized = std::max(0, width) != width_ || std::max(0, height) != height_;
    left_ = left;
    top_ = top;
    width_ = std::max(0, width);
    height_ = std::max(0, height);
    Invalidate();
    BoundsChanged();
    RequestAlign();
    if (resized)
        Resize();
}

void TControl::SetClientWidth(int v) {
    SetWidth(width_ - ClientWidth() + v);
}
void TControl::SetClientHeight(int v) {
    SetHeight(height_ - ClientHeight() + v);
}

TPoint TControl::ClientOrigin() const {
    if (!parent_)
        return {left_, top_};
    TPoint p = parent_->ClientOrigin();
    return {p.X + left_, p.Y + top_};
}

TPoint TControl::ClientToScreen(TPoint p) const {
    TPoint o = ClientOrigin();
    return {p.X + o.X, p.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const {
    TPoint o = ClientOrigin();
    return {p.X - o.X, p.Y - o.Y};
}

void TControl::SetAlign(TAlign align) {
    if (align == align_)
        return;
    align_ = align;
    RequestAlign();
}

void TControl::RequestAlign() {
    if (parent_ && !HasState(csLoading))
        parent_->Realign();
}

bool TControl::Showing() const {
    return visible_ && parent_ && parent_->Showing();
}

void TControl::SetVisible(bool visible) {
    if (visible == visible_)
        return;
    VisibleChanging();
    Invalidate();
    visible_ = visible;
    Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
    Invalidate();
    RequestAlign();
}

void TControl::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetText(const std::string& text) {
    if (text == text_)
        return;
    text_ = text;
    Perform(CM_TEXTCHANGED);
}

void TControl::SetColor(TColor color) {
    if (color == color_ && !parentColor_)
        return;
    color_ = color;
    parentColor_ = false;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool v) {
    parentColor_ = v;
    if (v)
        Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentFont(bool v) {
    if (v && parent_)
        font_->Assign(parent_->Font());
    parentFont_ = v;
}

void TControl::FontChangedHandler(TObject*) {
    parentFont_ = false;
    Perform(CM_FONTCHANGED);
}

void TControl::FontChanged() {
    Invalidate();
}

void TControl::SetShowHint(bool v) {
    showHint_ = v;
    parentShowHint_ = false;
}

void TControl::SetParentShowHint(bool v) {
    parentShowHint_ = v;
    if (v && parent_)
        showHint_ = parent_->ShowHint();
}

void TControl::SetCursor(TCursor c) {
    cursor_ = c;
    Perform(CM_CURSORCHANGED);
}

void TControl::SetPopupMenu(TComponent* menu) {
    if (popupMenu_)
        popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = menu;
    if (menu)
        menu->FreeNotification(this);
}

void TControl::SetAction(TAction* action) {
    if (action == action_)
        return;
    if (action_) {
        action_->RemoveClient(this);
        action_->RemoveFreeNotification(this);
    }
    action_ = action;
    if (action) {
        action->AddClient(this);
        action->FreeNotification(this);
        ActionChange(*action);
    }
}

void TControl::ActionChange(const TAction& action) {
    SetCaption(action.Caption());
    SetEnabled(action.Enabled());
    SetVisible(action.Visible());
}

bool TControl::ContextPopup(TMessage& m) {
    auto* menu = As<TPopupMenu>(popupMenu_);
    if (!menu)
        return false;
    TPoint at{MessageX(m), MessageY(m)};
    if (at.X == -1 && at.Y == -1) // from the keyboard
        at = ClientToScreen({0, 0});
    menu->Popup(at.X, at.Y);
    m.Result = 1;
    return true;
}

void TControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == popupMenu_)
        popupMenu_ = nullptr;
    if (operation == opRemove && component == action_)
        action_ = nullptr;
}

void TControl::Loaded() {
    TComponent::Loaded();
    RequestAlign();
}

void TControl::Invalidate() {
    if (visible_ && parent_ && parent_->HandleAllocated()) {
        RECT r{left_, top_, left_ + width_, top_ + height_};
        InvalidateRect(parent_->Handle(), &r, !HasControlStyle(csOpaque));
    }
}

void TControl::Update() {
    if (parent_)
        parent_->Update();
}

void TControl::Repaint() {
    Invalidate();
    Update();
}

TCustomForm* GetParentForm(TControl* control) {
    TControl* c = control;
    while (c && c->Parent())
        c = c->Parent();
    return As<TCustomForm>(c);
}
