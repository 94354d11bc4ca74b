// The title bar: construction, stored properties, style application with the built-in and
// file-theme layouts, messages and mouse handling. Painting is in TitleBarPainting.cpp.
#include "skin/SUITitleBar.h"

#include "skin/SUIForm.h"
#include "skin/SUIMgr.h"
#include "skin/SUIPublic.h"

namespace {
constexpr TColor kCaptionWhite = 0xFFFFFF;
constexpr TColor kCaptionBlack = 0x000000;
constexpr TColor kInactiveCaption = static_cast<TColor>(0xFF000003); // clInactiveCaption
// Built-in styles keep the form at least this high.
constexpr int kBuiltinMinFormHeight = 50;
// On a skinned frame the bar lies 3 pixels into the frame's top border.
constexpr int kSkinnedFrameOffset = 3;
// The file-theme minimum width keeps this much room between the title pictures.
constexpr int kFiveSectionGap = 16;
constexpr int kTitleButtonFrames = 18;
} // namespace

template <> const TEnumInfo& EnumInfoOf<TsuiTitleBarBtnType>() {
    static const TEnumInfo info{
        "TsuiTitleBarBtnType",
        {"suiMax", "suiMin", "suiClose", "suiHelp", "suiControlBox", "suiCustom"}};
    return info;
}

template <> const TEnumInfo& EnumInfoOf<TsuiTitleBarAlign>() {
    static const TEnumInfo info{"TsuiTitleBarAlign", {"suiLeft", "suiRight", "suiClient"}};
    return info;
}

VFC_DESCRIBE(TsuiTitleBar) {
    using T = TsuiTitleBar;
    b.Property("Custom", &T::Custom, &T::SetCustom).WithDefault(false);
    b.Property("FileTheme", &T::FileTheme, &T::SetFileTheme);
    b.Property("UIStyle", &T::UIStyle, &T::SetUIStyle);
    b.Property("AutoSize", &T::AutoSize, &T::SetAutoSize).WithDefault(false);
    b.Property("BiDiMode", &TControl::BiDiMode, &TControl::SetBiDiMode);
    b.Property("Height", &TControl::Height, &TControl::SetHeight);
    b.Property("Sections", &T::Sections, &T::SetSections);
    b.Property("Buttons", &T::Buttons, &T::SetButtons);
    b.Property("ButtonInterval", &T::ButtonInterval, &T::SetButtonInterval);
    b.Property("Caption", &T::Caption, &T::SetCaption);
    b.Property("Font", &TControl::Font, &TControl::SetFont);
    b.Property("FormActive", &T::FormActive, &T::SetFormActive);
    b.Property("LeftBtnXOffset", &T::LeftBtnXOffset, &T::SetLeftBtnXOffset);
    b.Property("RightBtnXOffset", &T::RightBtnXOffset, &T::SetRightBtnXOffset);
    b.Property("DrawAppIcon", &T::DrawAppIcon, &T::SetDrawAppIcon);
    b.Property("RoundCorner", &T::RoundCorner, &T::SetRoundCorner);
    b.Property("RoundCornerBottom", &T::RoundCornerBottom, &T::SetRoundCornerBottom);
    b.Property("InactiveCaptionColor", &T::InactiveCaptionColor, &T::SetInactiveCaptionColor)
        .AsColor();
    b.Field("OnCustomBtnsClick", &T::OnCustomBtnsClick);
    b.Field("OnHelpBtnClick", &T::OnHelpBtnClick);
    b.Field("OnResize", &TControl::OnResize);
    // The bar is placed by its alignment; the panel's own look is never seen.
    for (const char* hidden : {"Left", "Top", "Width", "Align", "BevelOuter", "BevelInner",
                               "BevelWidth", "BorderStyle", "Color", "ParentColor", "TabOrder"})
        b.Unstored(hidden);
}

TsuiTitleBar::TsuiTitleBar(TComponent* owner)
    : TCustomPanel(owner), inactiveCaptionColor_(kInactiveCaption) {
    SetControlStyle((ControlStyle() | csDoubleClicks | csOpaque) & ~csAcceptsControls);
    SetParentBiDiMode(true);
    SetBevelOuter(bvNone);
    strip_ = std::make_unique<TBitmap>();
    strip_->SetPixelFormat(pf24bit);
    back_ = std::make_unique<TBitmap>();
    back_->SetPixelFormat(pf24bit);
    systemMenu_ = std::make_unique<TsuiTitleBarPopupMenu>(this);
    systemMenu_->SetTitleBar(this);
    sections_ = std::make_unique<TsuiTitleBarSections>(this);
    buttons_ = std::make_unique<TsuiTitleBarButtons>(this);
    for (TsuiTitleBarBtnType type : {suiControlBox, suiClose, suiMax, suiMin})
        buttons_->Add()->SetButtonType(type);
    SetAlign(alTop);
    SetButtonInterval(0);
    SetFormActive(true);
    Font()->SetColor(kCaptionWhite);
    Font()->SetName("Tahoma");
    Font()->SetStyle(TFontStyles{fsBold});
    SetUIStyle(As<TsuiForm>(owner) ? DeepBlue : StyleOfOwnerForm(owner));
}

TsuiTitleBar::~TsuiTitleBar() {
    Destroying();
    buttons_.reset();
    sections_.reset();
    systemMenu_.reset();
    strip_.reset();
    back_.reset();
    if (fileTheme_)
        fileTheme_->RemoveFreeNotification(this);
}

// ---------------------------------------------------------------------------------------------
// Properties

void TsuiTitleBar::SetFileTheme(TsuiFileTheme* theme) {
    if (fileTheme_ && fileTheme_ != theme)
        fileTheme_->RemoveFreeNotification(this);
    fileTheme_ = theme;
    if (theme)
        theme->FreeNotification(this);
    applyingFileTheme_ = true;
    try {
        SetUIStyle(uiStyle_);
    } catch (...) {
        applyingFileTheme_ = false;
        throw;
    }
    applyingFileTheme_ = false;
}

void TsuiTitleBar::SetUIStyle(TsuiUIStyle style) {
    uiStyle_ = style;
    if (custom_)
        return;
    sections_->Clear();
    TsuiUIStyle builtin = style;
    const bool useFile = ResolveFileTheme(fileTheme_, style, builtin);
    if (useFile)
        FileThemeLayout();
    else
        BuiltinLayout(builtin);
    for (int i = 0; i < buttons_->Count(); ++i)
        buttons_->Items(i)->SetUIStyle(builtin);
    systemMenu_->SetUIStyle(builtin);
    systemMenu_->SetFileTheme(fileTheme_);
    if (!applyingFileTheme_) {
        if (style == MacOS)
            Font()->SetColor(kCaptionBlack);
        else if (useFile)
            Font()->SetColor(fileTheme_->GetThemeColor(ThemeColorKey::SKIN2_TITLEFONTCOLOR));
        else
            Font()->SetColor(kCaptionWhite);
    }
    SetAutoSize(true);
    Invalidate();
}

void TsuiTitleBar::SetAutoSize(bool v) {
    autoSize_ = v;
    if (sections_->Count() == 0) {
        autoSize_ = false;
        return;
    }
    const TPicture* first = sections_->Items(0)->Picture();
    SetHeight(first->Height() - (OnSkinnedForm() ? kSkinnedFrameOffset : 0));
}

void TsuiTitleBar::SetButtonInterval(int v) {
    buttonInterval_ = v;
    Invalidate();
}

void TsuiTitleBar::SetCaption(const std::string& caption) {
    caption_ = caption;
    Invalidate();
}

void TsuiTitleBar::SetFormActive(bool v) {
    formActive_ = v;
    Invalidate();
}

void TsuiTitleBar::SetLeftBtnXOffset(int v) {
    leftBtnXOffset_ = v;
    Invalidate();
}

void TsuiTitleBar::SetRightBtnXOffset(int v) {
    rightBtnXOffset_ = v;
    Invalidate();
}

void TsuiTitleBar::SetDrawAppIcon(bool v) {
    drawAppIcon_ = v;
    Invalidate();
}

void TsuiTitleBar::SetInactiveCaptionColor(TColor c) {
    inactiveCaptionColor_ = c;
    Invalidate();
}

// ---------------------------------------------------------------------------------------------
// Layouts

void TsuiTitleBar::AddSection(TBitmap* picture, bool autoSize, bool hasAlign,
                              TsuiTitleBarAlign align, bool capSec) {
    TsuiTitleBarSection* section = sections_->Add();
    TPicture holder;
    if (picture && !picture->Empty())
        holder.SetGraphic(picture);
    section->SetPicture(&holder);
    if (autoSize)
        section->SetAutoSize(true);
    if (capSec)
        section->SetCapSec(true);
    if (hasAlign)
        section->SetAlign(align);
}

void TsuiTitleBar::BuiltinLayout(TsuiUIStyle style) {
    TBitmap picture;
    LoadBuiltinBitmap(style, ThemeRow::TitleLeftPicture, &picture);
    AddSection(&picture, true, false, suiLeft);
    picture.Assign(nullptr);
    LoadBuiltinBitmap(style, ThemeRow::TitleRightPicture, &picture);
    AddSection(&picture, true, true, suiRight);
    picture.Assign(nullptr);
    LoadBuiltinBitmap(style, ThemeRow::TitleClientPicture, &picture);
    AddSection(&picture, false, true, suiClient);
    SetLeftBtnXOffset(GetBuiltinInt(style, ThemeRow::TitleLeftButtonOffset));
    SetRightBtnXOffset(GetBuiltinInt(style, ThemeRow::TitleRightButtonOffset));
    buttonTop_ = GetBuiltinInt(style, ThemeRow::TitleButtonTop) -
                 (OnSkinnedForm() ? kSkinnedFrameOffset : 0);
    iconTop_ = buttonTop_;
    if (TCustomForm* form = GetParentForm(this)) {
        form->SetMinWidth(GetBuiltinInt(style, ThemeRow::FormMinWidth));
        form->SetMinHeight(kBuiltinMinFormHeight);
    }
    roundCorner_ = GetBuiltinInt(style, ThemeRow::FormRoundCorner);
    roundCornerBottom_ = 0;
}

void TsuiTitleBar::FileThemeLayout() {
    const TsuiFileTheme& theme = *fileTheme_;
    fiveSections_ = theme.GetThemeBool(ThemeBoolKey::SKIN2_TITLEFIVESECT);
    transColor_ = theme.GetThemeColor(ThemeColorKey::SKIN2_TRANSCOLOR);
    auto picture = [&](ThemeBitmapKey key) { return theme.GetThemeBitmap(key); };
    auto width = [&](ThemeBitmapKey key) {
        const TBitmap* b = picture(key);
        return b ? b->Width() : 0;
    };
    AddSection(picture(ThemeBitmapKey::SKIN2_TITLEBAR1), true, false, suiLeft);
    AddSection(picture(ThemeBitmapKey::SKIN2_TITLEBAR2), false, !fiveSections_, suiClient,
               fiveSections_);
    AddSection(picture(ThemeBitmapKey::SKIN2_TITLEBAR3), true, !fiveSections_, suiRight);
    if (fiveSections_) {
        AddSection(picture(ThemeBitmapKey::SKIN2_TITLEBAR4), false, true, suiClient);
        AddSection(picture(ThemeBitmapKey::SKIN2_TITLEBAR5), true, true, suiRight);
    }
    const int buttonPosX = theme.GetThemeInt(ThemeIntKey::SKIN2_TITLEBARBUTTONPOSX);
    SetLeftBtnXOffset(theme.GetThemeInt(ThemeIntKey::SKIN2_TITLEBARICONPOSX));
    SetRightBtnXOffset(buttonPosX);
    TBitmap* strip = picture(ThemeBitmapKey::SKIN2_TITLEBUTTONS);
    if (strip && strip->PixelFormat() != pf24bit)
        strip->SetPixelFormat(pf24bit);
    buttonTop_ = theme.GetThemeInt(ThemeIntKey::SKIN2_TITLEBARBUTTONPOSY);
    iconTop_ = theme.GetThemeInt(ThemeIntKey::SKIN2_TITLEBARICONPOSY);
    captionTop_ = theme.GetThemeInt(ThemeIntKey::SKIN2_TITLEBARCAPTIONTOP);
    fillColor_ = theme.GetThemeColor(ThemeColorKey::SKIN2_FORMCOLOR);
    if (OnSkinnedForm()) {
        buttonTop_ -= kSkinnedFrameOffset;
        iconTop_ -= kSkinnedFrameOffset;
    }
    if (TCustomForm* form = GetParentForm(this)) {
        const int stripFrame = strip ? strip->Width() / kTitleButtonFrames : 0;
        const int buttonsPlace = buttonPosX + stripFrame * buttons_->Count();
        const int w1 = width(ThemeBitmapKey::SKIN2_TITLEBAR1);
        const int w3 = width(ThemeBitmapKey::SKIN2_TITLEBAR3);
        form->SetMinWidth(fiveSections_
                              ? w1 + w3 + kFiveSectionGap +
                                    std::max(width(ThemeBitmapKey::SKIN2_TITLEBAR5), buttonsPlace)
                              : w1 + std::max(w3, buttonsPlace));
    }
}

// ---------------------------------------------------------------------------------------------
// Queries

bool TsuiTitleBar::OnSkinnedForm() const {
    return As<TsuiForm>(Parent()) != nullptr;
}

bool TsuiTitleBar::RightToLeft() const {
    return BiDiMode() == bdRightToLeft && Application->Locale().IsMiddleEastLocale();
}

int TsuiTitleBar::BorderWidth() const {
    TCustomForm* form = GetParentForm(const_cast<TsuiTitleBar*>(this));
    if (!form || !form->HandleAllocated())
        return 0;
    return static_cast<int>(SendMessageA(form->Handle(), SUIM_GETBORDERWIDTH, 0, 0));
}

void TsuiTitleBar::GetSectionBitmap(int index, TBitmap*& bitmap) const {
    if (index == -1)
        bitmap = strip_.get();
    else if (index == -2)
        bitmap = back_.get();
    else if (sections_->Count() > 2 && index >= 0 && index < sections_->Count())
        bitmap = sections_->Items(index)->Picture()->Bitmap();
}

bool TsuiTitleBar::HasFrameSections() const {
    return sections_ && (sections_->Count() == 3 || sections_->Count() == 5);
}

void TsuiTitleBar::UpdateMaxButtons() {
    for (int i = 0; i < buttons_->Count(); ++i)
        if (buttons_->Items(i)->ButtonType() == suiMax)
            buttons_->Items(i)->ChooseMaxGlyph();
}

// ---------------------------------------------------------------------------------------------
// Messages and mouse

void TsuiTitleBar::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_ERASEBKGND:
        m.Result = 1; // the paint buffer covers the whole bar
        return;
    case CM_FONTCHANGED:
        Invalidate();
        return;
    case CM_MOUSELEAVE:
        TCustomPanel::WndProc(m);
        Repaint();
        return;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
        if (TCustomForm* form = GetParentForm(this); form && form->HandleAllocated()) {
            m.Result = SendMessageA(form->Handle(), m.Msg, m.WParam, m.LParam);
            return;
        }
        break;
    default:
        break;
    }
    TCustomPanel::WndProc(m);
}

void TsuiTitleBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomPanel::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    mouseIsDown_ = true;
    Repaint();
    TCustomForm* form = GetParentForm(this);
    if (!form)
        return;
    if (hotButton_ == -1 && form->WindowState() != wsMaximized && form->HandleAllocated()) {
        // The system's move loop takes the press; it returns when the button comes up.
        ReleaseCapture();
        Application->ForgetCapture();
        clicked_ = false;
        SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
        mouseIsDown_ = false;
    }
}

void TsuiTitleBar::MouseMove(TShiftState shift, int x, int y) {
    TCustomPanel::MouseMove(shift, x, y);
    Repaint();
}

void TsuiTitleBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomPanel::MouseUp(button, shift, x, y);
    if (button != mbLeft)
        return;
    if (hotButton_ >= 0 && hotButton_ < buttons_->Count()) {
        const int index = hotButton_;
        TsuiTitleBarButton* hot = buttons_->Items(index);
        if (hot->ButtonType() == suiControlBox && !hot->ControlBoxMenu()) {
            const TPoint corner = ClientToScreen({0, Height()});
            systemMenu_->Popup(corner.X, corner.Y);
        } else {
            const TsuiTitleBarBtnType type = hot->ButtonType();
            hot->Click();
            if (OnCustomBtnsClick && type == suiCustom)
                OnCustomBtnsClick(this, index);
            else if (OnHelpBtnClick && type == suiHelp)
                OnHelpBtnClick(this, index);
        }
    }
    mouseIsDown_ = false;
    Repaint();
}

void TsuiTitleBar::DblClick() {
    TCustomPanel::DblClick();
    if (hotButton_ == -1) {
        for (int i = 0; i < buttons_->Count(); ++i) {
            TsuiTitleBarButton* button = buttons_->Items(i);
            if (button->ButtonType() == suiMax && button->Visible()) {
                button->Click();
                return;
            }
        }
        return;
    }
    if (hotButton_ < buttons_->Count() &&
        buttons_->Items(hotButton_)->ButtonType() == suiControlBox)
        if (TCustomForm* form = GetParentForm(this))
            form->Close();
}

void TsuiTitleBar::WatchMenu(TPopupMenu* menu) {
    if (menu)
        menu->FreeNotification(this);
}

void TsuiTitleBar::Notification(TComponent* component, TOperation operation) {
    TCustomPanel::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (buttons_)
        for (int i = 0; i < buttons_->Count(); ++i)
            if (buttons_->Items(i)->ControlBoxMenu() == component)
                buttons_->Items(i)->SetControlBoxMenu(nullptr);
    if (component == fileTheme_ && !HasState(csDestroying)) {
        fileTheme_ = nullptr;
        SetUIStyle(DeepBlue);
    }
}

void RegisterTitleBarClasses(TClassRegistry& registry) {
    for (const TClassInfo* info :
         {&TsuiTitleBar::StaticClass(), &TsuiTitleBarPopupMenu::StaticClass()})
        registry.Register(*info);
}
