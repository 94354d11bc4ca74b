#include "skin/SUIButton.h"

#include "framework/Accelerators.h"

#include "framework/Forms.h"

#include <cctype>

namespace {
constexpr int kDefaultWidth = 75;
constexpr int kDefaultHeight = 25;
// The blank picture a button shows when its picture cannot be drawn.
constexpr int kUnreadablePictureWidth = 74;
constexpr int kUnreadablePictureHeight = 21;

bool ModifierHeld() {
    return GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
}

std::string TrimmedCaption(const std::string& s) {
    size_t first = 0, last = s.size();
    while (first < last && static_cast<unsigned char>(s[first]) <= ' ')
        ++first;
    while (last > first && static_cast<unsigned char>(s[last - 1]) <= ' ')
        --last;
    return s.substr(first, last - first);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// TsuiCustomButton

VFC_DESCRIBE(TsuiCustomButton) {
    (void)b;
}

TsuiCustomButton::TsuiCustomButton(TComponent* owner)
    : TCustomControl(owner), style_(StyleOfOwnerForm(owner)) {
    SetControlStyle((ControlStyle() | csCaptureMouse | csClickEvents | csOpaque) &
                    ~(csDoubleClicks | csAcceptsControls));
    SetTabStop(true);
    SetParentColor(true);
    SetBounds(0, 0, kDefaultWidth, kDefaultHeight);
}

TsuiCustomButton::~TsuiCustomButton() {
    StopRepeat();
}

void TsuiCustomButton::SetAutoSize(bool v) {
    autoSize_ = v;
    SizeToPicture();
    Repaint();
}

void TsuiCustomButton::SetDefault(bool v) {
    default_ = v;
    if (HandleAllocated())
        if (TCustomForm* form = GetParentForm(this))
            form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
}

void TsuiCustomButton::SetTransparent(bool v) {
    transparent_ = v;
    TransparencyUpdated();
}

void TsuiCustomButton::SetUIStyle(TsuiUIStyle s) {
    style_ = s;
    StyleUpdated();
    Repaint();
}

void TsuiCustomButton::SetFocusedRectMargin(int m) {
    focusMargin_ = m;
    Repaint();
}

void TsuiCustomButton::SetText(const std::string& text) {
    TCustomControl::SetText(text);
    Repaint();
}

void TsuiCustomButton::FontUpdated() {
    Canvas()->Font()->Assign(Font());
    Repaint();
}

void TsuiCustomButton::TransparencyUpdated() {
    Repaint();
}

void TsuiCustomButton::StartRepeat() {
    if (repeatTimer_)
        return;
    repeatTimer_ = std::make_unique<TTimer>(nullptr);
    repeatTimer_->SetEnabled(false);
    repeatTimer_->SetInterval(repeatInterval_ > 0 ? static_cast<unsigned>(repeatInterval_) : 0);
    repeatTimer_->SetOnTimer(TNotifyEvent::Bind<&TsuiCustomButton::RepeatTick>(this));
    repeatTimer_->SetEnabled(true);
}

void TsuiCustomButton::StopRepeat() {
    repeatTimer_.reset();
}

void TsuiCustomButton::RepeatTick(TObject*) {
    OnMouseContinuouslyDown(this);
}

void TsuiCustomButton::LeaveState() {
    pointerInside_ = false;
    pressed_ = false;
    StopRepeat();
    Repaint();
}

void TsuiCustomButton::CreateHandleDone() {
    TCustomControl::CreateHandleDone();
    activeDefault_ = default_;
}

void TsuiCustomButton::Click() {
    // The timer goes with every click: a press whose pressed state was cleared by moving out
    // and back in would otherwise keep firing repeat events after the click.
    StopRepeat();
    if (pressed_) {
        pressed_ = false;
        Repaint();
    }
    if (Parent())
        if (TCustomForm* form = GetParentForm(this))
            form->SetModalResult(modalResult_);
    TCustomControl::Click();
}

bool TsuiCustomButton::HandleDialogKey(TMessage& m) {
    const WPARAM key = m.WParam;
    if (((key == VK_RETURN && activeDefault_) || (key == VK_ESCAPE && cancel_)) &&
        !ModifierHeld() && CanFocus()) {
        Click();
        m.Result = 1;
        return true;
    }
    return false;
}

bool TsuiCustomButton::HandleDialogChar(TMessage& m) {
    const char ch = static_cast<char>(m.WParam);
    const bool altHeld = GetKeyState(VK_MENU) < 0 || (HIWORD(m.LParam) & KF_ALTDOWN) != 0;
    HWND focus = GetFocus();
    const bool focusIsPictureButton = focus && SendMessageA(focus, SUIM_ISIMAGEBUTTON, 0, 0) == 1;
    if (IsAcceleratorOf(ch, Caption()) && (altHeld || focusIsPictureButton) && Parent() &&
        Parent()->Enabled() && Enabled() && Visible()) {
        Click();
        return true;
    }
    return false;
}

void TsuiCustomButton::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
        pressed_ = true;
        StartRepeat();
        if (TabStop() && CanFocus() && Enabled() && Visible()) {
            try {
                SetFocus();
            } catch (...) {
                // A failure to take the focus does not stop the press.
            }
        }
        Repaint();
        TCustomControl::WndProc(m);
        return;
    case WM_MOUSEMOVE: {
        TCustomControl::WndProc(m);
        const int x = MessageX(m), y = MessageY(m);
        if (!PointerCountsInside(x, y)) {
            pointerInside_ = false;
            pressed_ = false;
            Repaint();
        }
        return;
    }
    case CM_MOUSEENTER:
        if (reinterpret_cast<TControl*>(m.LParam) != this && m.LParam != 0)
            return;
        if (HasState(csDesigning))
            return;
        pointerInside_ = true;
        Repaint();
        OnMouseEnter(this);
        return;
    case CM_MOUSELEAVE:
        if (reinterpret_cast<TControl*>(m.LParam) != this && m.LParam != 0)
            return;
        LeaveState();
        OnMouseExit(this);
        TCustomControl::WndProc(m); // the framework's OnMouseLeave
        return;
    case CM_CANCELMODE:
        TCustomControl::WndProc(m);
        LeaveState();
        return;
    case WM_KEYDOWN:
        TCustomControl::WndProc(m);
        if ((m.WParam == VK_SPACE || m.WParam == VK_RETURN) && Focused() && Enabled()) {
            pressed_ = true;
            Repaint();
        }
        return;
    case WM_KEYUP:
        TCustomControl::WndProc(m);
        if ((m.WParam == VK_SPACE || m.WParam == VK_RETURN) && Focused() && pressed_ && Enabled()) {
            pressed_ = false;
            Repaint();
            Click();
        }
        return;
    case CM_DIALOGKEY:
        if (!HandleDialogKey(m))
            TCustomControl::WndProc(m);
        return;
    case CM_DIALOGCHAR:
        TCustomControl::WndProc(m);
        m.Result = HandleDialogChar(m) ? 1 : 0;
        return;
    case CM_FOCUSCHANGED:
        TCustomControl::WndProc(m);
        activeDefault_ = default_;
        Repaint();
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TCustomControl::WndProc(m);
        Repaint();
        return;
    case WM_ERASEBKGND:
        m.Result = 1; // every paint covers the whole button
        return;
    case CM_FONTCHANGED:
        FontUpdated();
        return;
    case CM_TEXTCHANGED:
        CaptionUpdated();
        Repaint();
        return;
    case SUIM_ISIMAGEBUTTON:
        m.Result = 1;
        return;
    case CM_ENABLEDCHANGED:
        TCustomControl::WndProc(m);
        EnabledUpdated();
        Repaint();
        return;
    default:
        TCustomControl::WndProc(m);
    }
}

void TsuiCustomButton::Paint() {
    // The composition surface is kept between paints (a device-dependent bitmap is costly
    // to make) and made anew only when the button's size changes; every paint covers it whole.
    if (!composition_ || composition_->Width() != Width() || composition_->Height() != Height()) {
        composition_ = std::make_unique<TBitmap>();
        composition_->SetPixelFormat(pfDevice);
        composition_->SetSize(Width(), Height());
    }
    TBitmap& composition = *composition_;
    {
        // The working picture is kept too; each paint fills it anew (or empties it).
        if (!working_)
            working_ = std::make_unique<TBitmap>();
        TBitmap& working = *working_;
        try {
            if (!Enabled())
                GetDisabledPicture(working);
            else if (pressed_)
                GetPressedPicture(working);
            else if (pointerInside_)
                GetHoverPicture(working);
            else
                GetNormalPicture(working);
        } catch (const std::exception&) {
            working.Assign(nullptr);
            working.SetSize(kUnreadablePictureWidth, kUnreadablePictureHeight);
        }
        working.SetTransparent(transparent_);
        TCanvas& canvas = *composition.Canvas();
        if (transparent_) {
            PaintParentBackground(canvas, this);
        } else {
            canvas.Brush()->SetStyle(bsSolid);
            canvas.Brush()->SetColor(Color());
            canvas.FillRect(ClientRect());
        }
        DrawPicture(canvas, working);
    }
    TCanvas& canvas = *composition.Canvas();
    if (Focused() && TabStop())
        DrawFocusFrame(canvas);
    canvas.Font()->Assign(Font());
    Canvas()->Font()->Assign(Font());
    if (!TrimmedCaption(Caption()).empty())
        DrawCaption(canvas);
    Canvas()->CopyRect(ClientRect(), &canvas, ClientRect());
}

void TsuiCustomButton::DrawPicture(TCanvas& canvas, TBitmap& picture) {
    // The bare base draws its style picture through a one-image list; nothing in this
    // system shows a bare base, so it draws the picture it is given as it is.
    if (!picture.Empty())
        canvas.Draw(0, 0, &picture);
}

void TsuiCustomButton::DrawCaptionText(TCanvas& canvas, RECT r) {
    HDC dc = canvas.Handle();
    RECT t = r;
    DrawTextA(dc, Caption().c_str(), static_cast<int>(Caption().size()), &t,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    OffsetRect(&t, ((r.right - r.left) - (t.right - t.left)) / 2,
               ((r.bottom - r.top) - (t.bottom - t.top)) / 2);
    DrawTextA(dc, Caption().c_str(), -1, &t, DT_CENTER);
}

void TsuiCustomButton::DrawCaption(TCanvas& canvas) {
    canvas.Brush()->SetStyle(bsClear);
    const TRect c = ClientRect();
    RECT r{c.Left, c.Top, c.Right, c.Bottom};
    canvas.Font()->Assign(Font());
    if (!Enabled()) {
        OffsetRect(&r, 1, 1);
        canvas.Font()->SetColor(clWhite);
        DrawCaptionText(canvas, r);
        r = RECT{c.Left, c.Top, c.Right, c.Bottom};
        canvas.Font()->SetColor(clGray);
        DrawCaptionText(canvas, r);
        return;
    }
    if (pressed_)
        OffsetRect(&r, 1, 1);
    DrawCaptionText(canvas, r);
}

void TsuiCustomButton::DrawFocusFrame(TCanvas& canvas) {
    const int m = focusMargin_;
    canvas.Brush()->SetStyle(bsSolid);
    canvas.DrawFocusRect(Rect(m, m, ClientWidth() - m, ClientHeight() - m));
}

void TsuiCustomButton::GetNormalPicture(TBitmap&) {}
void TsuiCustomButton::GetHoverPicture(TBitmap&) {}
void TsuiCustomButton::GetPressedPicture(TBitmap&) {}
void TsuiCustomButton::GetDisabledPicture(TBitmap&) {}

// ---------------------------------------------------------------------------------------------
// TsuiImageButton

VFC_DESCRIBE(TsuiImageButton) {
    // The background of a non-transparent button is its parent's colour: not stored here.
    b.Property("Color", &TsuiImageButton::Color, &TsuiImageButton::SetColor).AsColor().NotStored();
    b.Property("UIStyle", &TsuiImageButton::UIStyle, &TsuiImageButton::SetUIStyle);
    b.Property("DrawFocused", &TsuiImageButton::DrawFocused, &TsuiImageButton::SetDrawFocused);
    b.Property("FocusedRectMargin", &TsuiImageButton::FocusedRectMargin,
               &TsuiImageButton::SetFocusedRectMargin);
    b.Property("PicNormal", &TsuiImageButton::PicNormal, &TsuiImageButton::SetPicNormal);
    b.Property("PicMouseOn", &TsuiImageButton::PicMouseOn, &TsuiImageButton::SetPicMouseOn);
    b.Property("PicMouseDown", &TsuiImageButton::PicMouseDown, &TsuiImageButton::SetPicMouseDown);
    b.Property("PicDisabled", &TsuiImageButton::PicDisabled, &TsuiImageButton::SetPicDisabled);
    b.Property("Stretch", &TsuiImageButton::Stretch, &TsuiImageButton::SetStretch);
    b.Property("Cancel", &TsuiImageButton::Cancel, &TsuiImageButton::SetCancel).WithDefault(false);
    b.Property("Default", &TsuiImageButton::Default, &TsuiImageButton::SetDefault)
        .WithDefault(false);
    b.Property("MouseContinuouslyDownInterval", &TsuiImageButton::MouseContinuouslyDownInterval,
               &TsuiImageButton::SetMouseContinuouslyDownInterval);
    b.Property("Transparent", &TsuiImageButton::Transparent, &TsuiImageButton::SetTransparent);
    b.Property("ModalResult", &TsuiImageButton::ModalResult, &TsuiImageButton::SetModalResult);
    b.Property("AutoSize", &TsuiImageButton::AutoSize, &TsuiImageButton::SetAutoSize);
    b.Field("OnMouseExit", &TsuiImageButton::OnMouseExit);
    b.Field("OnMouseContinuouslyDown", &TsuiImageButton::OnMouseContinuouslyDown);
}

TsuiImageButton::TsuiImageButton(TComponent* owner) : TsuiCustomButton(owner) {
    for (auto& p : pictures_)
        p = std::make_unique<TPicture>();
}

TsuiImageButton::~TsuiImageButton() = default;

void TsuiImageButton::SetPicture(int index, TPicture* picture) {
    pictures_[index]->Assign(picture);
    SizeToPicture();
    Repaint();
}

void TsuiImageButton::SetStretch(bool v) {
    stretch_ = v;
    Repaint();
}

void TsuiImageButton::SetDrawFocused(bool v) {
    drawFocused_ = v;
    Repaint();
}

void TsuiImageButton::SizeToPicture() {
    const TGraphic* g = PicNormal()->Graphic();
    if (!Parent() || !AutoSize() || !g || g->Empty())
        return;
    SetHeight(g->Height());
    SetWidth(g->Width());
}

void TsuiImageButton::CopyInto(TBitmap& picture, const TPicture* source) const {
    TGraphic* g = source->Graphic();
    if (!g || g->Empty()) {
        picture.Assign(nullptr);
        return;
    }
    if (const auto* bitmap = As<TBitmap>(g)) {
        picture.Assign(bitmap);
        return;
    }
    // Any other graphic (a JPEG image, an icon) is drawn into a bitmap of its size over the
    // button's colour, which then shows where the graphic is transparent.
    const TRect area = Rect(0, 0, g->Width(), g->Height());
    picture.Assign(nullptr);
    picture.SetPixelFormat(pf24bit);
    picture.SetSize(area.Width(), area.Height());
    TCanvas& canvas = *picture.Canvas();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(area);
    g->Draw(canvas, area);
}

const TPicture* TsuiImageButton::OrNormal(int index) const {
    const TGraphic* g = pictures_[index]->Graphic();
    return g && !g->Empty() ? pictures_[index].get() : PicNormal();
}

void TsuiImageButton::GetNormalPicture(TBitmap& picture) {
    CopyInto(picture, PicNormal());
}
void TsuiImageButton::GetHoverPicture(TBitmap& picture) {
    CopyInto(picture, OrNormal(1));
}
void TsuiImageButton::GetPressedPicture(TBitmap& picture) {
    CopyInto(picture, OrNormal(2));
}
void TsuiImageButton::GetDisabledPicture(TBitmap& picture) {
    CopyInto(picture, OrNormal(3));
}

void TsuiImageButton::DrawPicture(TCanvas& canvas, TBitmap& picture) {
    if (picture.Empty() || picture.Width() == 0 || picture.Height() == 0)
        return;
    picture.SetTransparentColor(picture.Canvas()->Pixels(0, 0));
    if (stretch_)
        canvas.StretchDraw(Rect(0, 0, Width(), Height()), &picture);
    else
        canvas.Draw(0, 0, &picture);
}

void TsuiImageButton::DrawFocusFrame(TCanvas& canvas) {
    if (drawFocused_)
        TsuiCustomButton::DrawFocusFrame(canvas);
}

// ---------------------------------------------------------------------------------------------

void PaintParentBackground(TCanvas& canvas, TControl* control) {
    TWinControl* parent = control->Parent();
    if (!parent)
        return;
    HDC dc = canvas.Handle();
    const TSavedDC saved(dc);
    POINT origin;
    GetViewportOrgEx(dc, &origin);
    SetViewportOrgEx(dc, origin.x - control->Left(), origin.y - control->Top(), nullptr);
    IntersectClipRect(dc, 0, 0, parent->ClientWidth(), parent->ClientHeight());
    parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
}
