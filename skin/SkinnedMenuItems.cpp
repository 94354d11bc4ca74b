#include "skin/SkinnedMenuItems.h"

#include "framework/Forms.h"
#include "skin/SUIMenu.h"
#include "skin/SUIMgr.h"
#include "skin/SUIPublic.h"

#include <algorithm>
#include <cstring>

namespace {

// Values before the first style is applied.
constexpr int kInitialItemHeight = 21;
constexpr int kInitialSeparatorHeight = 21;
constexpr TColor kInitialSeparatorColor = 0x808080;
constexpr int kInitialFontSize = 8;

// What every style sets.
constexpr int kStyleBarWidth = 26;
constexpr int kMacItemHeight = 20;
constexpr int kMacSeparatorHeight = 12;
constexpr TColor kMacSeparatorColor = clBlack;
constexpr int kItemHeight = 21;
constexpr int kSeparatorHeight = 5;
constexpr TColor kSeparatorColor = 0x848284;

// Item geometry.
constexpr int kWidthMargin = 40;    // added to the measured texts and the bar
constexpr int kTextGap = 4;         // between the side bar and the caption
constexpr int kShortcutEndGap = 16; // between the shortcut text and the item's end
constexpr int kGlyphInset = 4;      // glyph from the item's left edge (left to right)
constexpr int kGlyphFromEnd = 20;   // glyph from the item's right edge (right to left)
constexpr int kGlyphTop = 3;
constexpr int kGlyphSize = 16;
// The framed box behind a checked item's image reaches this far before and after the image.
constexpr int kBoxLead = 2;
constexpr int kBoxTrail = 1;
constexpr TColor kBoxFrameColor = clBlack;
constexpr TColor kDisabledFontColor = 0x808080;
constexpr TColor kFlatFrameColor = clBlack;
constexpr char kMenuWindowClass[] = "#32768";
constexpr char kCheckMarkResource[] = "MENU_CHECKED";
constexpr TColor kCheckMarkMaskColor = clWhite;

bool IsMenuWindow(HWND window) {
    char name[sizeof kMenuWindowClass + 1] = {};
    return window && GetClassNameA(window, name, sizeof name) > 0 &&
           std::strcmp(name, kMenuWindowClass) == 0;
}

} // namespace

std::unique_ptr<TImageList> CreateCheckMarkList() {
    auto list = std::make_unique<TImageList>(nullptr);
    list->SetWidth(kGlyphSize);
    list->SetHeight(kGlyphSize);
    TBitmap glyph;
    glyph.LoadFromResourceName(Application->Instance(), kCheckMarkResource);
    glyph.SetTransparentColor(kCheckMarkMaskColor);
    glyph.SetTransparentMode(tmFixed);
    list->AddMasked(&glyph, kCheckMarkMaskColor);
    return list;
}

TCustomImageList* SharedCheckMarks() {
    static const std::unique_ptr<TImageList> shared = CreateCheckMarkList();
    return shared.get();
}

template <class Base>
TsuiSkinnedMenu<Base>::TsuiSkinnedMenu(TComponent* owner, TCustomImageList* checkMarks,
                                       bool macOSKeepsItemHeight)
    : Base(owner), checkMarks_(checkMarks), macOSKeepsItemHeight_(macOSKeepsItemHeight),
      menuItemHeight_(kInitialItemHeight), separatorHeight_(kInitialSeparatorHeight),
      separatorColor_(kInitialSeparatorColor), fontSize_(kInitialFontSize) {
    SetUIStyle(StyleOfOwnerForm(owner));
}

template <class Base> TsuiSkinnedMenu<Base>::~TsuiSkinnedMenu() {
    if (fileTheme_)
        fileTheme_->RemoveFreeNotification(this);
}

template <class Base> void TsuiSkinnedMenu<Base>::SetUIStyle(TsuiUIStyle style) {
    uiStyle_ = style;
    barWidth_ = kStyleBarWidth;
    const bool mac = style == MacOS;
    menuItemHeight_ = mac ? kMacItemHeight : kItemHeight;
    separatorHeight_ = mac ? kMacSeparatorHeight : kSeparatorHeight;
    separatorColor_ = mac ? kMacSeparatorColor : kSeparatorColor;
    const TsuiFileTheme* theme = fileTheme_;
    auto color = [theme, style](ThemeRow row, ThemeColorKey key) {
        return ThemeColor(theme, style, row, key);
    };
    barColor_ = color(ThemeRow::MenuSideBarColor, ThemeColorKey::SKIN2_LEFTBARSTARTCOLOR);
    barToColor_ = color(ThemeRow::MenuSideBarColor, ThemeColorKey::SKIN2_LEFTBARENDCOLOR);
    color_ = color(ThemeRow::MenuItemColor, ThemeColorKey::SKIN2_MENUITEMCOLOR);
    fontColor_ = color(ThemeRow::MenuFontColor, ThemeColorKey::SKIN2_MENUITEMFONTCOLOR);
    selectedBorderColor_ =
        color(ThemeRow::MenuSelectedBorderColor, ThemeColorKey::SKIN2_SELECTEDMENUBORDERCOLOR);
    selectedColor_ = color(ThemeRow::MenuSelectedColor, ThemeColorKey::SKIN2_SELECTEDMENUCOLOR);
    selectedFontColor_ =
        color(ThemeRow::MenuSelectedFontColor, ThemeColorKey::SKIN2_SELECTEDMENUFONTCOLOR);
}

template <class Base> void TsuiSkinnedMenu<Base>::SetFileTheme(TsuiFileTheme* theme) {
    if (fileTheme_ != theme) {
        if (fileTheme_)
            fileTheme_->RemoveFreeNotification(this);
        fileTheme_ = theme;
        if (fileTheme_)
            fileTheme_->FreeNotification(this);
    }
    SetUIStyle(uiStyle_);
}

template <class Base> void TsuiSkinnedMenu<Base>::SetMenuItemHeight(int height) {
    if (uiStyle_ == MacOS && macOSKeepsItemHeight_)
        return;
    menuItemHeight_ = height;
}

template <class Base> void TsuiSkinnedMenu<Base>::SetSeparatorHeight(int height) {
    if (uiStyle_ == MacOS)
        return;
    separatorHeight_ = height;
}

template <class Base> void TsuiSkinnedMenu<Base>::SetUseSystemFont(bool use) {
    useSystemFont_ = use;
    UseSystemFontChanged();
}

template <class Base> void TsuiSkinnedMenu<Base>::HookItems() {
    const auto onMeasure = TMenuMeasureItemEvent::Bind<&TsuiSkinnedMenu::MeasureMenuItem>(this);
    const auto onDraw = TMenuDrawItemEvent::Bind<&TsuiSkinnedMenu::DrawMenuItem>(this);
    TMenuItem* root = this->Items();
    for (int i = 0; i < root->Count(); ++i)
        HookOwnerDrawItems(root->Items(i), onMeasure, onDraw);
}

template <class Base> void TsuiSkinnedMenu<Base>::AttachItemHandlers() {
    HookItems();
    ItemHandlersAttached();
}

template <class Base> void TsuiSkinnedMenu<Base>::Loaded() {
    Base::Loaded();
    AttachItemHandlers();
}

template <class Base> HMENU TsuiSkinnedMenu<Base>::CreateMenuHandle() {
    // Items are complete by now, whoever made them.
    HookItems();
    return Base::CreateMenuHandle();
}

template <class Base>
void TsuiSkinnedMenu<Base>::Notification(TComponent* component, TOperation operation) {
    Base::Notification(component, operation);
    if (operation == opRemove && component && component == fileTheme_) {
        fileTheme_ = nullptr;
        SetUIStyle(DeepBlue);
    }
}

template <class Base>
void TsuiSkinnedMenu<Base>::MeasureMenuItem(TObject* sender, TCanvas* canvas, int& width,
                                            int& height) {
    auto* item = As<TMenuItem>(sender);
    if (!item || !canvas)
        return;
    const std::string& caption = item->Caption();
    height =
        item->IsLine() ? separatorHeight_ : std::max(menuItemHeight_, canvas->TextHeight(caption));
    width = canvas->TextWidth(caption) + canvas->TextWidth(ShortCutToText(item->ShortCut())) +
            barWidth_ + kWidthMargin;
}

template <class Base> bool TsuiSkinnedMenu<Base>::RightToLeft() const {
    return this->BiDiMode() != bdLeftToRight && Application->Locale().IsMiddleEastLocale();
}

template <class Base> void TsuiSkinnedMenu<Base>::DrawFlatFrame(TCanvas* canvas) const {
    // Only the open menu's own window: an owner-drawn menu-bar item draws on its form.
    HWND window = WindowFromDC(canvas->Handle());
    if (!IsMenuWindow(window))
        return;
    DrawFlatMenuFrame(
        window, kFlatFrameColor,
        ThemeColor(fileTheme_, uiStyle_, ThemeRow::FormColor, ThemeColorKey::SKIN2_FORMCOLOR));
}

template <class Base>
void TsuiSkinnedMenu<Base>::PaintSideBar(TCanvas* canvas, const TRect& rect,
                                         bool leftToRight) const {
    if (barWidth_ <= 0)
        return;
    const TRect bar = leftToRight ? Rect(rect.Left, rect.Top, rect.Left + barWidth_, rect.Bottom)
                                  : Rect(rect.Right - barWidth_, rect.Top, rect.Right, rect.Bottom);
    if (barColor_ == barToColor_)
        FillRectColored(canvas, bar, barColor_);
    else
        PaintGradientAcross(canvas, bar, barColor_, barToColor_);
}

template <class Base>
void TsuiSkinnedMenu<Base>::PaintPlainBackground(TCanvas* canvas, const TRect& rect,
                                                 bool leftToRight) const {
    PaintSideBar(canvas, rect, leftToRight);
    const TRect rest = leftToRight ? Rect(rect.Left + barWidth_, rect.Top, rect.Right, rect.Bottom)
                                   : Rect(rect.Left, rect.Top, rect.Right - barWidth_, rect.Bottom);
    FillRectColored(canvas, rest, color_);
}

template <class Base>
void TsuiSkinnedMenu<Base>::SelectItemFont(TCanvas* canvas, const TMenuItem& item,
                                           bool selected) const {
    TFont* font = canvas->Font();
    if (useSystemFont_) {
        LoadMenuFont(font);
    } else {
        font->SetName(fontName_);
        font->SetSize(fontSize_);
        font->SetCharset(fontCharset_);
    }
    canvas->Brush()->SetStyle(bsClear);
    font->SetColor(!item.Enabled() ? kDisabledFontColor
                                   : (selected ? selectedFontColor_ : fontColor_));
    if (item.Default())
        font->SetStyle({fsBold});
}

template <class Base>
void TsuiSkinnedMenu<Base>::DrawGlyphs(TCanvas* canvas, const TMenuItem& item, const TRect& rect,
                                       bool leftToRight) const {
    const int x = leftToRight ? rect.Left + kGlyphInset : rect.Right - kGlyphFromEnd;
    const int y = rect.Top + kGlyphTop;
    TCustomImageList* images = this->Images();
    const int index = item.ImageIndex();
    const bool hasImage = images && index >= 0 && index < images->Count();
    if (item.Checked()) {
        if (hasImage) {
            // A box behind the image stands for the check mark.
            const TRect box = Rect(x - kBoxLead, y - kBoxLead, x + kGlyphSize + kBoxTrail,
                                   y + kGlyphSize + kBoxTrail);
            FrameRectColored(canvas, box, kBoxFrameColor);
            FillRectColored(canvas, Rect(box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1),
                            selectedColor_);
        } else if (checkMarks_) {
            checkMarks_->Draw(*canvas, x, y, 0, item.Enabled());
        }
    }
    if (hasImage)
        images->Draw(*canvas, x, y, index, item.Enabled());
}

template <class Base>
void TsuiSkinnedMenu<Base>::DrawMenuItem(TObject* sender, TCanvas* canvas, TRect rect,
                                         bool selected) {
    auto* item = As<TMenuItem>(sender);
    if (!item || !canvas)
        return;
    const bool leftToRight = !RightToLeft();
    const bool mac = uiStyle_ == MacOS;
    if (flatMenu_)
        DrawFlatFrame(canvas);

    if (item->IsLine()) {
        if (mac) {
            PaintMacMenuSeparator(canvas, rect);
            return;
        }
        PaintPlainBackground(canvas, rect, leftToRight);
        DrawMenuSeparatorLine(canvas, rect, separatorColor_, leftToRight, barWidth_);
        return;
    }

    if (selected && item->Enabled()) {
        if (mac) {
            PaintMacMenuHighlight(canvas, rect);
        } else {
            FillRectColored(canvas, rect, selectedColor_);
            FrameRectColored(canvas, rect, selectedBorderColor_);
        }
    } else if (mac) {
        PaintMacMenuBackground(canvas, rect);
    } else {
        PaintPlainBackground(canvas, rect, leftToRight);
    }

    SelectItemFont(canvas, *item, selected);
    HDC dc = canvas->Handle();
    constexpr UINT kLine = DT_SINGLELINE | DT_VCENTER;
    RECT text = leftToRight
                    ? RECT{rect.Left + barWidth_ + kTextGap, rect.Top, rect.Right, rect.Bottom}
                    : RECT{rect.Left, rect.Top, rect.Right - barWidth_ - kTextGap, rect.Bottom};
    DrawTextA(dc, item->Caption().c_str(), -1, &text, kLine | (leftToRight ? DT_LEFT : DT_RIGHT));

    const std::string keys = ShortCutToText(item->ShortCut());
    if (!keys.empty()) {
        RECT shortcut =
            leftToRight ? RECT{rect.Right - canvas->TextWidth(keys) - kShortcutEndGap, rect.Top,
                               rect.Right, rect.Bottom}
                        : RECT{rect.Left + barWidth_ + kTextGap, rect.Top, rect.Right, rect.Bottom};
        DrawTextA(dc, keys.c_str(), -1, &shortcut, kLine | DT_LEFT);
    }

    DrawGlyphs(canvas, *item, rect, leftToRight);
}

template class TsuiSkinnedMenu<TPopupMenu>;
template class TsuiSkinnedMenu<TMainMenu>;
