#include "gallery/GalleryFrm.h"

#include "gallery/ButtonFaces.h"
#include "gallery/GalleryOptions.h"
#include "gallery/TraceLines.h"
#include "skin/SUIThemes.h"

#include <optional>

namespace {
// Layout names: style buttons and style items end in the style's name.
constexpr std::string_view kStyleButtonPrefix = "btnStyle";
constexpr std::string_view kStyleItemPrefix = "mnuStyle";
constexpr const char* kStateButtons[] = {"btnPointAtMe", "btnPressMe", "btnDisabled"};
constexpr const char* kCheckedItem = "mnuChecked";
constexpr const char* kHelpText =
    "Right-click anywhere for the popup menu; choose a style above or in its Style submenu.";

// Title-button strip frames.
constexpr int kStripFrames = 18;
constexpr int kMenuGlyphFrame = 1; // the control box's three frames: the custom button's look
constexpr int kHelpGlyphFrame = 4; // the help glyph: the image item's picture
constexpr int kMenuImageSize = 16;

std::string ButtonName(TsuiUIStyle style) {
    return std::string(kStyleButtonPrefix) + std::string(StyleName(style));
}

std::optional<TsuiUIStyle> StyleOfName(std::string_view name, std::string_view prefix) {
    if (!name.starts_with(prefix))
        return std::nullopt;
    return StyleFromName(name.substr(prefix.size()));
}

void SetFaces(TsuiImageButton& button, TsuiUIStyle style, bool chosen) {
    const int width = button.Width();
    TPicture face;
    ComposeButtonFace(style, chosen ? TFaceState::MouseDown : TFaceState::Normal, width, face);
    button.SetPicNormal(&face);
    ComposeButtonFace(style, TFaceState::MouseOn, width, face);
    button.SetPicMouseOn(&face);
    ComposeButtonFace(style, TFaceState::MouseDown, width, face);
    button.SetPicMouseDown(&face);
    ComposeButtonFace(style, TFaceState::Disabled, width, face);
    button.SetPicDisabled(&face);
}
} // namespace

VFC_DESCRIBE(TfrmGallery) {
    b.Method<&TfrmGallery::FormCreate, TNotifyEvent>("FormCreate");
    b.Method<&TfrmGallery::FormMouseUp, TMouseEvent>("FormMouseUp");
    b.Method<&TfrmGallery::MenuItemClick, TNotifyEvent>("MenuItemClick");
    b.Method<&TfrmGallery::StyleItemClick, TNotifyEvent>("StyleItemClick");
    b.Method<&TfrmGallery::StyleButtonClick, TNotifyEvent>("StyleButtonClick");
    b.Method<&TfrmGallery::StateButtonClick, TNotifyEvent>("StateButtonClick");
    b.Method<&TfrmGallery::TitleBar1HelpBtnClick, TsuiTitleBarButtonClickEvent>(
        "TitleBar1HelpBtnClick");
    b.Method<&TfrmGallery::TitleBar1CustomBtnsClick, TsuiTitleBarButtonClickEvent>(
        "TitleBar1CustomBtnsClick");
}

void RegisterGalleryClasses(TClassRegistry& classes) {
    RegisterMenuClasses(classes);
    RegisterTitleBarClasses(classes);
    for (const TClassInfo* info :
         {&TLabel::StaticClass(), &TImageList::StaticClass(), &TsuiPopupMenu::StaticClass(),
          &TsuiImageButton::StaticClass(), &TfrmGallery::StaticClass()})
        classes.Register(*info);
}

template <class T> T* TfrmGallery::Find(std::string_view name) const {
    return As<T>(FindComponent(name));
}

TsuiTitleBar* TfrmGallery::TitleBar1() const {
    return Find<TsuiTitleBar>("TitleBar1");
}
TsuiPopupMenu* TfrmGallery::PopupMenu1() const {
    return Find<TsuiPopupMenu>("PopupMenu1");
}
TImageList* TfrmGallery::ImageList1() const {
    return Find<TImageList>("ImageList1");
}
TLabel* TfrmGallery::lblStatus() const {
    return Find<TLabel>("lblStatus");
}
TsuiImageButton* TfrmGallery::Button(std::string_view name) const {
    return Find<TsuiImageButton>(name);
}

void TfrmGallery::FormCreate(TObject*) {
    Application->SetTitle(Caption());
    style_ = TitleBar1()->UIStyle();
    RestyleButtons();
    RestylePictures();
    MarkStyle();
    Status(kHelpText);
}

bool TfrmGallery::LoadSkin(const std::string& fileName, const std::string& password) {
    if (!fileTheme_) {
        fileTheme_ = new TsuiFileTheme(this);
        fileTheme_->SetName("FileTheme1");
    }
    fileTheme_->SetThemeFile(fileName);
    if (!password.empty())
        fileTheme_->SetPassword(password);
    return fileTheme_->Ready();
}

void TfrmGallery::SwitchStyle(TsuiUIStyle style) {
    style_ = style;
    PropagateStyle(this, style, fileTheme_);
    PopupMenu1()->SetFileTheme(fileTheme_);
    PopupMenu1()->SetUIStyle(style);
    RestyleButtons();
    RestylePictures();
    MarkStyle();
    Trace(StyleTraceLine(StyleName(style)));
    Status(style == FromThemeFile && fileTheme_ ? "Skin: " + fileTheme_->ThemeFile()
                                                : "Style: " + std::string(StyleName(style)));
}

void TfrmGallery::RestyleButtons() {
    // A skin's button pictures have no frame layout the toolkit knows: under a skin the state
    // buttons show DeepBlue, the style that stands in for FromThemeFile.
    const TsuiUIStyle builtin = style_ == FromThemeFile ? DeepBlue : style_;
    for (const TStyleChoice& choice : kStyleChoices)
        if (TsuiImageButton* button = Button(ButtonName(choice.Style)))
            SetFaces(*button, choice.Style, choice.Style == style_);
    for (const char* name : kStateButtons)
        if (TsuiImageButton* button = Button(name))
            SetFaces(*button, builtin, false);
}

void TfrmGallery::RestylePictures() {
    SetColor(ThemeColor(fileTheme_, style_, ThemeRow::FormColor, ThemeColorKey::SKIN2_FORMCOLOR));
    TsuiTitleBarButtons* buttons = TitleBar1()->Buttons();
    for (int i = 0; i < buttons->Count(); ++i) {
        TsuiTitleBarButton* button = buttons->Items(i);
        if (button->ButtonType() != suiCustom)
            continue;
        TPicture frame;
        for (int state = 0; state < 3; ++state) {
            ThemeBitmapFrame(fileTheme_, style_, ThemeRow::TitleButtonStrip,
                             ThemeBitmapKey::SKIN2_TITLEBUTTONS, frame.Bitmap(),
                             kMenuGlyphFrame + state, kStripFrames);
            if (state == 0)
                button->SetPicNormal(&frame);
            else if (state == 1)
                button->SetPicMouseOn(&frame);
            else
                button->SetPicMouseDown(&frame);
        }
    }
    TBitmap glyph;
    ThemeBitmapFrame(fileTheme_, style_, ThemeRow::TitleButtonStrip,
                     ThemeBitmapKey::SKIN2_TITLEBUTTONS, &glyph, kHelpGlyphFrame, kStripFrames);
    TBitmap image;
    image.SetSize(kMenuImageSize, kMenuImageSize);
    image.Canvas()->StretchDraw(TRect{0, 0, kMenuImageSize, kMenuImageSize}, &glyph);
    ImageList1()->Clear();
    if (!glyph.Empty())
        ImageList1()->AddMasked(&image, image.Canvas()->Pixels(0, kMenuImageSize - 1));
}

void TfrmGallery::MarkStyle() {
    for (const TStyleChoice& choice : kStyleChoices)
        if (auto* item = Find<TMenuItem>(std::string(kStyleItemPrefix) + std::string(choice.Name)))
            item->SetChecked(choice.Style == style_);
}

void TfrmGallery::Trace(const std::string& line) const {
    if (trace_)
        trace_->Line(line);
}

void TfrmGallery::Status(const std::string& text) const {
    lblStatus()->SetCaption(text);
}

void TfrmGallery::FormMouseUp(TObject*, TMouseButton button, TShiftState, int, int) {
    if (button != mbRight)
        return;
    POINT at{};
    GetCursorPos(&at);
    PopupMenu1()->Popup(at.x, at.y);
}

void TfrmGallery::MenuItemClick(TObject* sender) {
    auto* item = As<TMenuItem>(sender);
    if (!item)
        return;
    if (item->Name() == kCheckedItem)
        item->SetChecked(!item->Checked());
    Trace(MenuTraceLine(item->Caption()));
    Status("Chosen: " + WithoutAccelerators(item->Caption()));
}

void TfrmGallery::StyleItemClick(TObject* sender) {
    if (auto* item = As<TMenuItem>(sender))
        if (const std::optional<TsuiUIStyle> style = StyleOfName(item->Name(), kStyleItemPrefix))
            SwitchStyle(*style);
}

void TfrmGallery::StyleButtonClick(TObject* sender) {
    if (auto* button = As<TsuiImageButton>(sender))
        if (const std::optional<TsuiUIStyle> style =
                StyleOfName(button->Name(), kStyleButtonPrefix))
            SwitchStyle(*style);
}

void TfrmGallery::StateButtonClick(TObject* sender) {
    if (auto* button = As<TsuiImageButton>(sender))
        Status("Clicked: " + button->Caption());
}

void TfrmGallery::TitleBar1HelpBtnClick(TObject*, int buttonIndex) {
    Trace(TitleBarTraceLine(buttonIndex));
    Status(kHelpText);
}

void TfrmGallery::TitleBar1CustomBtnsClick(TObject*, int buttonIndex) {
    Trace(TitleBarTraceLine(buttonIndex));
    Status("Custom title-bar button " + std::to_string(buttonIndex) + " clicked");
}
