// The drawn caption bar of a skinned window: its sections (title pictures), its buttons
// (maximise, minimise, close, help, control box, custom), its system menu, and the bar itself,
// which paints them with the caption and turns mouse input into moving, maximising,
// restoring, minimising and closing the form.
#pragma once

#include "framework/Collections.h"
#include "framework/Menus.h"
#include "framework/Panels.h"
#include "framework/Picture.h"
#include "skin/SUIPopupMenu.h"
#include "skin/SUIThemes.h"

#include <memory>
#include <stdexcept>

class TsuiFileTheme;
class TsuiTitleBar;

// Asks the host window of a skinned frame for its side border width (both parameters 0).
constexpr UINT SUIM_GETBORDERWIDTH = 0x26C3;

enum TsuiTitleBarBtnType : uint8_t {
    suiMax = 0,
    suiMin = 1,
    suiClose = 2,
    suiHelp = 3,
    suiControlBox = 4,
    suiCustom = 5,
};
enum TsuiTitleBarAlign : uint8_t { suiLeft = 0, suiRight = 1, suiClient = 2 };
template <> const TEnumInfo& EnumInfoOf<TsuiTitleBarBtnType>();
template <> const TEnumInfo& EnumInfoOf<TsuiTitleBarAlign>();

using TsuiTitleBarButtonClickEvent = TEvent<void(TObject* Sender, int ButtonIndex)>;

// A rule of the title bar's parts was broken; the write changed nothing.
class ETitleBarError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// ---------------------------------------------------------------------------------------------
// Buttons

class TsuiTitleBarButton : public TCollectionItem {
    VFC_CLASS(TsuiTitleBarButton, TCollectionItem)
    explicit TsuiTitleBarButton(TCollection* collection);
    ~TsuiTitleBarButton() override;

    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    TsuiTitleBarBtnType ButtonType() const { return type_; }
    // Only one control box per collection: a second one (or the same one again) raises
    // ETitleBarError and changes nothing.
    void SetButtonType(TsuiTitleBarBtnType type);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    int Top() const { return top_; }
    void SetTop(int v);
    TsuiUIStyle UIStyle() const { return uiStyle_; }
    void SetUIStyle(TsuiUIStyle style);
    TPicture* PicNormal() const { return pictures_[0].get(); }
    TPicture* PicMouseOn() const { return pictures_[1].get(); }
    TPicture* PicMouseDown() const { return pictures_[2].get(); }
    void SetPicNormal(TPicture* p) { SetPicture(0, p); }
    void SetPicMouseOn(TPicture* p) { SetPicture(1, p); }
    void SetPicMouseDown(TPicture* p) { SetPicture(2, p); }
    // Not owned; cleared when the menu goes.
    TPopupMenu* ControlBoxMenu() const { return controlBoxMenu_; }
    void SetControlBoxMenu(TPopupMenu* menu);

    // The button's action on its form.
    void Click();
    // Pictures, transparency and top for the current style and type.
    void UpdateStyle();
    // A maximise button shows the restore glyph while its form is maximised.
    void ChooseMaxGlyph();
    void Assign(const TPersistent* source) override;

    // Whether all three pictures hold an image: only such buttons are drawn and hit.
    bool HasPictures() const;
    TsuiTitleBar* TitleBar() const;

private:
    void SetPicture(int index, const TPicture* picture);
    // Frames first, first + 1, first + 2 of the style's title-button strip.
    void LoadFrames(const TsuiFileTheme* theme, int first);
    void BarChanged();

    bool visible_ = true;
    TsuiTitleBarBtnType type_ = suiCustom;
    bool transparent_ = false;
    int top_;
    TsuiUIStyle uiStyle_ = DeepBlue;
    std::unique_ptr<TPicture> pictures_[3];
    TPopupMenu* controlBoxMenu_ = nullptr;
};

class TsuiTitleBarButtons : public TCollection {
    VFC_CLASS(TsuiTitleBarButtons, TCollection)
    explicit TsuiTitleBarButtons(TsuiTitleBar* titleBar);
    ~TsuiTitleBarButtons() override;
    TsuiTitleBarButton* Add() { return static_cast<TsuiTitleBarButton*>(AddItem()); }
    TsuiTitleBarButton* Items(int index) const {
        return static_cast<TsuiTitleBarButton*>(Item(index));
    }
    TsuiTitleBar* TitleBar() const { return titleBar_; }

protected:
    void Update(TCollectionItem* item) override;

private:
    TsuiTitleBar* titleBar_;
};

// ---------------------------------------------------------------------------------------------
// Sections

class TsuiTitleBarSection : public TCollectionItem {
    VFC_CLASS(TsuiTitleBarSection, TCollectionItem)
    explicit TsuiTitleBarSection(TCollection* collection);
    ~TsuiTitleBarSection() override;

    int Width() const { return width_; }
    void SetWidth(int v);
    TsuiTitleBarAlign Align() const { return align_; }
    // Only one client section per collection: a second one (or the same one again) raises
    // ETitleBarError and changes nothing. A client section always stretches.
    void SetAlign(TsuiTitleBarAlign align);
    TPicture* Picture() const { return picture_.get(); }
    void SetPicture(TPicture* picture);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool CapSec() const { return capSec_; }
    void SetCapSec(bool v);

    // Everything but CapSec.
    void Assign(const TPersistent* source) override;

    // The picture's bitmap, or none while the picture holds no image.
    TBitmap* PictureBitmap() const;

private:
    int width_ = 10;
    TsuiTitleBarAlign align_ = suiLeft;
    std::unique_ptr<TPicture> picture_;
    bool stretch_ = false;
    bool autoSize_ = false;
    bool capSec_ = false;
};

class TsuiTitleBarSections : public TCollection {
    VFC_CLASS(TsuiTitleBarSections, TCollection)
    explicit TsuiTitleBarSections(TsuiTitleBar* titleBar);
    ~TsuiTitleBarSections() override;
    TsuiTitleBarSection* Add() { return static_cast<TsuiTitleBarSection*>(AddItem()); }
    TsuiTitleBarSection* Items(int index) const {
        return static_cast<TsuiTitleBarSection*>(Item(index));
    }
    TsuiTitleBar* TitleBar() const { return titleBar_; }

protected:
    void Update(TCollectionItem* item) override;

private:
    TsuiTitleBar* titleBar_;
};

// ---------------------------------------------------------------------------------------------
// System menu: Minimize, Maximize/Restore, a line, Close.

class TsuiTitleBarPopupMenu : public TsuiPopupMenu {
    VFC_CLASS(TsuiTitleBarPopupMenu, TsuiPopupMenu)
    explicit TsuiTitleBarPopupMenu(TComponent* owner);
    ~TsuiTitleBarPopupMenu() override;

    TsuiTitleBar* TitleBar() const { return titleBar_; }
    void SetTitleBar(TsuiTitleBar* titleBar) { titleBar_ = titleBar; }

    // Enables each entry by the bar's visible buttons, then shows the menu at the screen point
    // (176 pixels further right on a right-to-left bar).
    void Popup(int x, int y) override;

    static constexpr int MinimizeIndex = 0;
    static constexpr int MaximizeRestoreIndex = 1;
    static constexpr int CloseIndex = 3;

private:
    void MinimizeClick(TObject*);
    void MaximizeRestoreClick(TObject*);
    void CloseClick(TObject*);

    TsuiTitleBar* titleBar_ = nullptr;
};

// ---------------------------------------------------------------------------------------------
// The bar

class TsuiTitleBar : public TCustomPanel {
    VFC_CLASS(TsuiTitleBar, TCustomPanel)
    explicit TsuiTitleBar(TComponent* owner);
    ~TsuiTitleBar() override;

    bool Custom() const { return custom_; }
    void SetCustom(bool v) { custom_ = v; }
    TsuiFileTheme* FileTheme() const { return fileTheme_; }
    // Re-applies the style, keeping the caption colour.
    void SetFileTheme(TsuiFileTheme* theme);
    TsuiUIStyle UIStyle() const { return uiStyle_; }
    void SetUIStyle(TsuiUIStyle style);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    TsuiTitleBarSections* Sections() const { return sections_.get(); }
    void SetSections(TsuiTitleBarSections* sections) { sections_->Assign(sections); }
    TsuiTitleBarButtons* Buttons() const { return buttons_.get(); }
    void SetButtons(TsuiTitleBarButtons* buttons) { buttons_->Assign(buttons); }
    int ButtonInterval() const { return buttonInterval_; }
    void SetButtonInterval(int v);
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool FormActive() const { return formActive_; }
    void SetFormActive(bool v);
    int LeftBtnXOffset() const { return leftBtnXOffset_; }
    void SetLeftBtnXOffset(int v);
    int RightBtnXOffset() const { return rightBtnXOffset_; }
    void SetRightBtnXOffset(int v);
    bool DrawAppIcon() const { return drawAppIcon_; }
    void SetDrawAppIcon(bool v);
    int RoundCorner() const { return roundCorner_; }
    void SetRoundCorner(int v) { roundCorner_ = v; }
    int RoundCornerBottom() const { return roundCornerBottom_; }
    void SetRoundCornerBottom(int v) { roundCornerBottom_ = v; }
    TColor InactiveCaptionColor() const { return inactiveCaptionColor_; }
    void SetInactiveCaptionColor(TColor c);

    TsuiTitleBarButtonClickEvent OnCustomBtnsClick;
    TsuiTitleBarButtonClickEvent OnHelpBtnClick;

    // The parent is a skinned frame.
    bool OnSkinnedForm() const;
    // Paints without the window's paint cycle, bringing the strip bitmaps up to date.
    void PaintNow() { Paint(); }
    // -1: the strip bitmap; -2: the back bitmap; otherwise the picture of section Index, but
    // only while the bar has more than two sections. Otherwise bitmap stays as it is.
    void GetSectionBitmap(int index, TBitmap*& bitmap) const;
    // Exactly three or exactly five sections.
    bool HasFrameSections() const;
    void UpdateMaxButtons();
    TsuiTitleBarPopupMenu* SystemMenu() const { return systemMenu_.get(); }
    TBitmap* StripBitmap() const { return strip_.get(); }
    TBitmap* BackBitmap() const { return back_.get(); }

    // State read by the parts and by tests.
    int HotButton() const { return hotButton_; }
    bool MouseIsDown() const { return mouseIsDown_; }
    int ButtonTop() const { return buttonTop_; }
    int IconTop() const { return iconTop_; }
    const std::string& FittedCaption() const { return fittedCaption_; }
    // BiDiMode exactly bdRightToLeft on a Middle-East locale.
    bool RightToLeft() const;
    // The frame's side border width as the host window answers it.
    int BorderWidth() const;

    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    virtual void DrawSections(TBitmap& buffer);
    virtual void DrawButtonsAndCaption(TBitmap& buffer);
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DblClick() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TsuiTitleBarButton;
    void BuiltinLayout(TsuiUIStyle style);
    void FileThemeLayout();
    void AddSection(TBitmap* picture, bool autoSize, bool hasAlign, TsuiTitleBarAlign align,
                    bool capSec = false);
    void DrawButtonPicture(TBitmap& buffer, TBitmap& scratch, TsuiTitleBarButton& button,
                           TPicture* picture, int x, int y);
    void DrawApplicationIcon(TBitmap& buffer, int x, int y);
    void ButtonFreed(TsuiTitleBarButton* button);
    void WatchMenu(TPopupMenu* menu);

    TsuiUIStyle uiStyle_ = DeepBlue;
    TsuiFileTheme* fileTheme_ = nullptr;
    std::unique_ptr<TsuiTitleBarSections> sections_;
    std::unique_ptr<TsuiTitleBarButtons> buttons_;
    bool autoSize_ = false;
    int buttonInterval_ = 0;
    std::string caption_;
    bool formActive_ = true;
    int leftBtnXOffset_ = 0;
    int rightBtnXOffset_ = 0;
    int roundCorner_ = 0;
    int roundCornerBottom_ = 0;
    bool drawAppIcon_ = true;
    bool applyingFileTheme_ = false;
    std::unique_ptr<TsuiTitleBarPopupMenu> systemMenu_;
    bool custom_ = false;
    bool fiveSections_ = false;
    std::string fittedCaption_;
    std::unique_ptr<TBitmap> strip_;
    std::unique_ptr<TBitmap> paintBuffer_; // the composition of the last paint
    TOwnedIconHandle iconCopy_;            // the application icon at 16 x 16
    HICON iconSource_ = nullptr;           // the icon it was copied from
    std::unique_ptr<TBitmap> back_;
    TColor fillColor_ = 0;
    TColor transColor_ = 0;
    TColor inactiveCaptionColor_;
    bool mouseIsDown_ = false;
    int hotButton_ = -1;
    int buttonTop_ = 0;
    int iconTop_ = 0;
    int captionTop_ = 0;
};

// Makes the title bar classes known to stored layouts.
void RegisterTitleBarClasses(TClassRegistry& registry);
