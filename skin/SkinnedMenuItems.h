// What the skinned popup and main menus share: their stored properties and how a style sets
// them, the measuring and drawing of every kind of item (side bar, separator, selected,
// disabled, default, checked with and without an image, shortcut text, right to left), and
// the check-mark pictures.
#pragma once

#include "framework/ImgList.h"
#include "framework/Menus.h"
#include "skin/SUIThemes.h"

#include <memory>
#include <string>

class TsuiFileTheme;

// The check glyph "MENU_CHECKED" in a list of 16 x 16 images, white transparent.
std::unique_ptr<TImageList> CreateCheckMarkList();
// The list every popup menu draws its check marks from: made on first use, freed when the
// program ends.
TCustomImageList* SharedCheckMarks();

// A framework menu (Base: TPopupMenu or TMainMenu) whose items are all drawn in the look of a
// skin style. Handlers are attached to every item when the Windows menu is built, after a
// layout was loaded and on AttachItemHandlers.
template <class Base> class TsuiSkinnedMenu : public Base {
public:
    // checkMarks: the list the check glyph is drawn from, not owned (a descendant that makes
    // its own sets it with SetCheckMarks). macOSKeepsItemHeight:
    // writing MenuItemHeight is ignored while the style is MacOS.
    TsuiSkinnedMenu(TComponent* owner, TCustomImageList* checkMarks, bool macOSKeepsItemHeight);
    ~TsuiSkinnedMenu() override;

    TsuiUIStyle UIStyle() const { return uiStyle_; }
    // Stores the style and takes its heights, bar width and colours (from the file theme when
    // the style is FromThemeFile and the theme is ready). Nothing repaints: menus are drawn
    // afresh whenever they open.
    void SetUIStyle(TsuiUIStyle style);
    TsuiFileTheme* FileTheme() const { return fileTheme_; }
    // Stores the reference (told when the theme goes) and applies the style again.
    void SetFileTheme(TsuiFileTheme* theme);

    int MenuItemHeight() const { return menuItemHeight_; }
    void SetMenuItemHeight(int height);
    int SeparatorHeight() const { return separatorHeight_; }
    // Ignored while the style is MacOS.
    void SetSeparatorHeight(int height);
    TColor BarColor() const { return barColor_; }
    void SetBarColor(TColor c) { barColor_ = c; }
    TColor BarToColor() const { return barToColor_; }
    void SetBarToColor(TColor c) { barToColor_ = c; }
    int BarWidth() const { return barWidth_; }
    void SetBarWidth(int width) { barWidth_ = width; }
    TColor Color() const { return color_; }
    void SetColor(TColor c) { color_ = c; }
    TColor SeparatorColor() const { return separatorColor_; }
    void SetSeparatorColor(TColor c) { separatorColor_ = c; }
    TColor SelectedBorderColor() const { return selectedBorderColor_; }
    void SetSelectedBorderColor(TColor c) { selectedBorderColor_ = c; }
    TColor SelectedColor() const { return selectedColor_; }
    void SetSelectedColor(TColor c) { selectedColor_ = c; }
    TColor SelectedFontColor() const { return selectedFontColor_; }
    void SetSelectedFontColor(TColor c) { selectedFontColor_ = c; }
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor c) { fontColor_ = c; }
    // Stored only; no drawing reads it.
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor c) { borderColor_ = c; }
    // A flat border over the open menu window, drawn with every item.
    bool FlatMenu() const { return flatMenu_; }
    void SetFlatMenu(bool flat) { flatMenu_ = flat; }
    const std::string& FontName() const { return fontName_; }
    void SetFontName(const std::string& name) { fontName_ = name; }
    int FontSize() const { return fontSize_; }
    void SetFontSize(int points) { fontSize_ = points; }
    int FontCharset() const { return fontCharset_; }
    void SetFontCharset(int charset) { fontCharset_ = charset; }
    bool UseSystemFont() const { return useSystemFont_; }
    void SetUseSystemFont(bool use);
    // Items are always owner-drawn: reads true, writes change nothing.
    bool OwnerDraw() const override { return true; }
    void SetOwnerDraw(bool) override {}

    // Attaches the measuring and drawing handlers to every item; for code that fills the menu
    // at run time.
    void AttachItemHandlers();
    void Loaded() override;

    // The handlers every item gets.
    void MeasureMenuItem(TObject* sender, TCanvas* canvas, int& width, int& height);
    void DrawMenuItem(TObject* sender, TCanvas* canvas, TRect rect, bool selected);

protected:
    HMENU CreateMenuHandle() override;
    void Notification(TComponent* component, TOperation operation) override;
    // After AttachItemHandlers; after UseSystemFont changed.
    virtual void ItemHandlersAttached() {}
    virtual void UseSystemFontChanged() {}
    void SetCheckMarks(TCustomImageList* checkMarks) { checkMarks_ = checkMarks; }

private:
    void HookItems();
    bool RightToLeft() const;
    void DrawFlatFrame(TCanvas* canvas) const;
    void PaintPlainBackground(TCanvas* canvas, const TRect& rect, bool leftToRight) const;
    void PaintSideBar(TCanvas* canvas, const TRect& rect, bool leftToRight) const;
    void SelectItemFont(TCanvas* canvas, const TMenuItem& item, bool selected) const;
    void DrawGlyphs(TCanvas* canvas, const TMenuItem& item, const TRect& rect,
                    bool leftToRight) const;

    TCustomImageList* checkMarks_;
    bool macOSKeepsItemHeight_;
    TsuiUIStyle uiStyle_ = DeepBlue;
    int menuItemHeight_;
    int separatorHeight_;
    TColor barColor_ = clBtnFace;
    TColor barToColor_ = clBtnFace;
    int barWidth_ = 0;
    TColor color_ = clWhite;
    TColor separatorColor_;
    TColor selectedBorderColor_ = clHighlight;
    TColor selectedColor_ = clHighlight;
    TColor selectedFontColor_ = clWhite;
    TColor fontColor_ = clWhite;
    TColor borderColor_ = clBlack;
    bool flatMenu_ = false;
    std::string fontName_ = "MS Sans Serif";
    int fontSize_;
    int fontCharset_ = DEFAULT_CHARSET;
    bool useSystemFont_ = true;
    TsuiFileTheme* fileTheme_ = nullptr;
};

// The stored properties of both skinned menus, in their order.
template <class C> void DescribeSkinnedMenu(TClassBuilder<C>& b) {
    using M = typename C::Inherited;
    b.Property("UIStyle", &M::UIStyle, &M::SetUIStyle);
    b.Property("MenuItemHeight", &M::MenuItemHeight, &M::SetMenuItemHeight);
    b.Property("SeparatorHeight", &M::SeparatorHeight, &M::SetSeparatorHeight);
    b.Property("BarColor", &M::BarColor, &M::SetBarColor).AsColor();
    b.Property("BarToColor", &M::BarToColor, &M::SetBarToColor).AsColor();
    b.Property("BarWidth", &M::BarWidth, &M::SetBarWidth);
    b.Property("Color", &M::Color, &M::SetColor).AsColor();
    b.Property("SeparatorColor", &M::SeparatorColor, &M::SetSeparatorColor).AsColor();
    b.Property("SelectedBorderColor", &M::SelectedBorderColor, &M::SetSelectedBorderColor)
        .AsColor();
    b.Property("SelectedColor", &M::SelectedColor, &M::SetSelectedColor).AsColor();
    b.Property("SelectedFontColor", &M::SelectedFontColor, &M::SetSelectedFontColor).AsColor();
    b.Property("FontColor", &M::FontColor, &M::SetFontColor).AsColor();
    b.Property("BorderColor", &M::BorderColor, &M::SetBorderColor).AsColor();
    b.Property("FlatMenu", &M::FlatMenu, &M::SetFlatMenu).WithDefault(false);
    b.Property("FontName", &M::FontName, &M::SetFontName);
    b.Property("FontSize", &M::FontSize, &M::SetFontSize);
    b.Property("FontCharset", &M::FontCharset, &M::SetFontCharset);
    b.Property("UseSystemFont", &M::UseSystemFont, &M::SetUseSystemFont).WithDefault(true);
    b.Property("FileTheme", &M::FileTheme, &M::SetFileTheme);
    b.Property("OwnerDraw", &M::OwnerDraw, &M::SetOwnerDraw); // always stored: true
}
