// The title bar's buttons and sections, and their collections.
#include "skin/SUIMgr.h"
#include "skin/SUIPublic.h"
#include "skin/SUITitleBar.h"

namespace {
constexpr int kStripFrames = 18;
constexpr int kInitialButtonTop = 2;
// First frame of each button type's triple in the title-button strip; the restore glyph's
// triple follows the maximise one.
constexpr int kFirstFrame[] = {7, 13, 16, 4, 1, 0}; // by TsuiTitleBarBtnType; custom: none
constexpr int kRestoreFirstFrame = 10;
// A control box's or the system menu's popup point moves this far on right-to-left bars.
constexpr int kRightToLeftMenuShift = 176;
// Maximising on a plain form covers the work area and 2 pixels beyond its sides and top.
constexpr int kMaximizedOverhang = 2;
constexpr int kMaximizedBottomInset = 1;

constexpr char kControlBoxRule[] =
    "Sorry, only one button's ButtonType property can be \"suiControlBox\"";
constexpr char kClientRule[] = "Sorry, only one section's Align property can be \"suiClient\"";
} // namespace

// ---------------------------------------------------------------------------------------------
// TsuiTitleBarButton

VFC_DESCRIBE(TsuiTitleBarButton) {
    using T = TsuiTitleBarButton;
    b.Property("UIStyle", &T::UIStyle, &T::SetUIStyle);
    b.Property("ButtonType", &T::ButtonType, &T::SetButtonType);
    b.Property("Transparent", &T::Transparent, &T::SetTransparent);
    b.Property("Top", &T::Top, &T::SetTop);
    b.Property("ControlBoxMenu", &T::ControlBoxMenu, &T::SetControlBoxMenu);
    b.Property("Visible", &T::Visible, &T::SetVisible);
    b.Property("PicNormal", &T::PicNormal, &T::SetPicNormal);
    b.Property("PicMouseOn", &T::PicMouseOn, &T::SetPicMouseOn);
    b.Property("PicMouseDown", &T::PicMouseDown, &T::SetPicMouseDown);
}

TsuiTitleBarButton::TsuiTitleBarButton(TCollection* collection)
    : TCollectionItem(collection), top_(kInitialButtonTop) {
    for (auto& picture : pictures_)
        picture = std::make_unique<TPicture>();
    SetUIStyle(DeepBlue);
}

TsuiTitleBarButton::~TsuiTitleBarButton() {
    pictures_[2].reset();
    pictures_[1].reset();
    pictures_[0].reset();
}

TsuiTitleBar* TsuiTitleBarButton::TitleBar() const {
    auto* buttons = As<TsuiTitleBarButtons>(Collection());
    return buttons ? buttons->TitleBar() : nullptr;
}

void TsuiTitleBarButton::BarChanged() {
    Changed();
}

bool TsuiTitleBarButton::HasPictures() const {
    for (const auto& picture : pictures_)
        if (!picture->Graphic() || picture->Graphic()->Empty())
            return false;
    return true;
}

void TsuiTitleBarButton::SetVisible(bool v) {
    visible_ = v;
    BarChanged();
}

void TsuiTitleBarButton::SetButtonType(TsuiTitleBarBtnType type) {
    if (type == suiControlBox && Collection())
        for (int i = 0; i < Collection()->Count(); ++i)
            if (static_cast<TsuiTitleBarButton*>(Collection()->Item(i))->type_ == suiControlBox)
                throw ETitleBarError(kControlBoxRule);
    type_ = type;
    UpdateStyle();
    BarChanged();
}

void TsuiTitleBarButton::SetTransparent(bool v) {
    transparent_ = v;
    BarChanged();
}

void TsuiTitleBarButton::SetTop(int v) {
    top_ = v;
    BarChanged();
}

void TsuiTitleBarButton::SetUIStyle(TsuiUIStyle style) {
    uiStyle_ = style;
    UpdateStyle();
}

void TsuiTitleBarButton::SetPicture(int index, const TPicture* picture) {
    pictures_[index]->Assign(picture);
    BarChanged();
}

void TsuiTitleBarButton::SetControlBoxMenu(TPopupMenu* menu) {
    controlBoxMenu_ = menu;
    if (TsuiTitleBar* bar = TitleBar())
        bar->WatchMenu(menu);
}

void TsuiTitleBarButton::LoadFrames(const TsuiFileTheme* theme, int first) {
    for (int i = 0; i < 3; ++i) {
        // A fresh bitmap each time: a style without a strip leaves the picture empty.
        TBitmap frame;
        ThemeBitmapFrame(theme, uiStyle_, ThemeRow::TitleButtonStrip,
                         ThemeBitmapKey::SKIN2_TITLEBUTTONS, &frame, first + i, kStripFrames);
        if (frame.Empty())
            pictures_[i]->Assign(nullptr);
        else
            pictures_[i]->Bitmap()->Assign(&frame);
    }
}

void TsuiTitleBarButton::UpdateStyle() {
    TsuiTitleBar* bar = TitleBar();
    const TsuiFileTheme* theme = bar ? bar->FileTheme() : nullptr;
    SetTransparent(ThemeBool(theme, uiStyle_, ThemeRow::TitleButtonsTransparent,
                             ThemeBoolKey::SKIN2_TITLEBTNTRANS));
    if (type_ != suiCustom) {
        LoadFrames(theme, kFirstFrame[type_]);
        SetTop(ThemeInt(theme, uiStyle_, ThemeRow::TitleButtonTop,
                        ThemeIntKey::SKIN2_TITLEBARBUTTONPOSY));
    }
    if (type_ == suiMax)
        ChooseMaxGlyph();
}

void TsuiTitleBarButton::ChooseMaxGlyph() {
    TsuiTitleBar* bar = TitleBar();
    if (type_ != suiMax || (bar && bar->Custom()))
        return;
    TCustomForm* form = bar ? GetParentForm(bar) : nullptr;
    const bool maximized = form && form->WindowState() == wsMaximized;
    LoadFrames(bar ? bar->FileTheme() : nullptr,
               maximized ? kRestoreFirstFrame : kFirstFrame[suiMax]);
    BarChanged();
}

void TsuiTitleBarButton::Click() {
    TsuiTitleBar* bar = TitleBar();
    if (!bar)
        return;
    if (bar->HasState(csDesigning) && type_ != suiClose)
        return;
    TCustomForm* form = GetParentForm(bar);
    if (!form)
        return;
    switch (type_) {
    case suiMax:
        if (form->WindowState() == wsMaximized) {
            form->SetWindowState(wsNormal);
        } else {
            form->SetWindowState(wsMaximized);
            if (!bar->OnSkinnedForm()) {
                TRect area;
                QueryWorkArea(area);
                MoveControlToRect(form, Rect(area.Left - kMaximizedOverhang,
                                             area.Top - kMaximizedOverhang,
                                             area.Right + kMaximizedOverhang,
                                             area.Bottom - kMaximizedBottomInset));
            }
        }
        ChooseMaxGlyph();
        break;
    case suiMin:
        if (form == Application->MainForm())
            SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        else
            form->SetWindowState(wsMinimized);
        break;
    case suiClose:
        form->Close();
        break;
    case suiControlBox:
        if (controlBoxMenu_) {
            TPoint p = bar->ClientToScreen(
                {bar->RightToLeft() ? kRightToLeftMenuShift : 0, bar->Height()});
            if (p.X < 0)
                p.X = 0;
            controlBoxMenu_->Popup(p.X, p.Y);
        }
        break;
    default:
        break; // help and custom buttons act through the bar's events
    }
}

void TsuiTitleBarButton::Assign(const TPersistent* source) {
    auto* other = As<TsuiTitleBarButton>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    if (other == this)
        return;
    SetVisible(other->visible_);
    SetButtonType(other->type_);
    SetTransparent(other->transparent_);
    SetTop(other->top_);
    SetUIStyle(other->uiStyle_);
    for (int i = 0; i < 3; ++i)
        pictures_[i]->Assign(other->pictures_[i].get());
    SetControlBoxMenu(other->controlBoxMenu_);
    BarChanged();
}

// ---------------------------------------------------------------------------------------------
// TsuiTitleBarButtons

VFC_DESCRIBE(TsuiTitleBarButtons) {
    (void)b;
}

TsuiTitleBarButtons::TsuiTitleBarButtons(TsuiTitleBar* titleBar)
    : TCollection(titleBar, &MakeCollectionItem<TsuiTitleBarButton>), titleBar_(titleBar) {}

TsuiTitleBarButtons::~TsuiTitleBarButtons() {
    Clear();
    titleBar_ = nullptr;
}

void TsuiTitleBarButtons::Update(TCollectionItem*) {
    if (titleBar_)
        titleBar_->Invalidate();
}

// ---------------------------------------------------------------------------------------------
// TsuiTitleBarSection

VFC_DESCRIBE(TsuiTitleBarSection) {
    using T = TsuiTitleBarSection;
    b.Property("AutoSize", &T::AutoSize, &T::SetAutoSize);
    b.Property("Width", &T::Width, &T::SetWidth);
    b.Property("Align", &T::Align, &T::SetAlign);
    b.Property("Picture", &T::Picture, &T::SetPicture);
    b.Property("Stretch", &T::Stretch, &T::SetStretch);
    b.Property("CapSec", &T::CapSec, &T::SetCapSec);
}

TsuiTitleBarSection::TsuiTitleBarSection(TCollection* collection)
    : TCollectionItem(collection), picture_(std::make_unique<TPicture>()) {}

TsuiTitleBarSection::~TsuiTitleBarSection() {
    picture_.reset();
}

TBitmap* TsuiTitleBarSection::PictureBitmap() const {
    auto* bitmap = As<TBitmap>(picture_->Graphic());
    return bitmap && !bitmap->Empty() ? bitmap : nullptr;
}

void TsuiTitleBarSection::SetWidth(int v) {
    width_ = v;
    Changed();
}

void TsuiTitleBarSection::SetAlign(TsuiTitleBarAlign align) {
    if (align == suiClient) {
        if (Collection())
            for (int i = 0; i < Collection()->Count(); ++i)
                if (static_cast<TsuiTitleBarSection*>(Collection()->Item(i))->align_ == suiClient)
                    throw ETitleBarError(kClientRule);
        stretch_ = true;
    }
    align_ = align;
    Changed();
}

void TsuiTitleBarSection::SetPicture(TPicture* picture) {
    // Always a bitmap: the bar and the frame read the section's bitmap.
    if (picture && picture->Graphic() && !As<TBitmap>(picture->Graphic())) {
        TBitmap converted;
        converted.SetSize(picture->Width(), picture->Height());
        converted.Canvas()->Draw(0, 0, picture->Graphic());
        picture_->Assign(&converted);
    } else {
        picture_->Assign(picture);
    }
    if (picture && autoSize_)
        width_ = picture_->Width();
    Changed();
}

void TsuiTitleBarSection::SetStretch(bool v) {
    stretch_ = v || align_ == suiClient;
    Changed();
}

void TsuiTitleBarSection::SetAutoSize(bool v) {
    autoSize_ = v;
    if (PictureBitmap())
        width_ = picture_->Width();
    Changed();
}

void TsuiTitleBarSection::SetCapSec(bool v) {
    capSec_ = v;
    Changed();
}

void TsuiTitleBarSection::Assign(const TPersistent* source) {
    auto* other = As<TsuiTitleBarSection>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    if (other == this)
        return;
    SetWidth(other->width_);
    SetAlign(other->align_);
    picture_->Assign(other->picture_.get());
    SetStretch(other->stretch_);
    SetAutoSize(other->autoSize_);
}

// ---------------------------------------------------------------------------------------------
// TsuiTitleBarSections

VFC_DESCRIBE(TsuiTitleBarSections) {
    (void)b;
}

TsuiTitleBarSections::TsuiTitleBarSections(TsuiTitleBar* titleBar)
    : TCollection(titleBar, &MakeCollectionItem<TsuiTitleBarSection>), titleBar_(titleBar) {}

TsuiTitleBarSections::~TsuiTitleBarSections() {
    Clear();
    titleBar_ = nullptr;
}

void TsuiTitleBarSections::Update(TCollectionItem*) {
    if (titleBar_)
        titleBar_->Invalidate();
}
