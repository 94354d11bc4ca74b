// Menus: a tree of menu items, built into a Windows menu by popup and main menus. Owner-drawn
// items are measured and drawn by their OnMeasureItem and OnDrawItem handlers on a canvas over
// the DC Windows hands out; the window that owns the open menu passes the messages to
// TMenu::DispatchMenuMessage.
#pragma once

#include "framework/Bitmap.h"
#include "framework/Classes.h"
#include "framework/Controls.h"
#include "framework/ImgList.h"
#include "framework/WinHandles.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class TMenu;
class TMenuItem;

// A key with modifiers: virtual key in the low byte, scShift / scCtrl / scAlt above it.
using TShortCut = uint16_t;
constexpr TShortCut scNone = 0;
constexpr TShortCut scKeyMask = 0x00FF; // the virtual key
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
TShortCut ShortCut(WORD key, TShiftState shift);
// "Ctrl+S", "Shift+F5", "Alt+Del"; empty for scNone.
std::string ShortCutToText(TShortCut shortCut);

// Width and Height arrive with the system's proposal and leave with the item's size.
using TMenuMeasureItemEvent =
    TEvent<void(TObject* Sender, TCanvas* ACanvas, int& Width, int& Height)>;
using TMenuDrawItemEvent =
    TEvent<void(TObject* Sender, TCanvas* ACanvas, TRect ARect, bool Selected)>;

namespace vfc_detail {
struct MenuTraits {
    static void Free(HMENU h) { DestroyMenu(h); }
};
} // namespace vfc_detail
using TOwnedMenu = TOwnedHandle<HMENU, vfc_detail::MenuTraits>;

class TMenuItem : public TComponent {
    VFC_CLASS(TMenuItem, TComponent)
    explicit TMenuItem(TComponent* owner);
    // Frees the child items and leaves the parent item.
    ~TMenuItem() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // A caption of "-" makes the item a separator line.
    bool IsLine() const { return caption_ == "-"; }
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Default() const { return default_; }
    void SetDefault(bool isDefault);
    bool RadioItem() const { return radioItem_; }
    void SetRadioItem(bool radio);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index) { groupIndex_ = index; }
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut shortCut);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    // Owned picture shown beside the caption when the menu has no image for the item.
    TBitmap* Bitmap() const { return bitmap_.get(); }
    void SetBitmap(TBitmap* bitmap);

    // Child items, in menu order.
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    // Takes the child out of the tree without freeing it.
    void Delete(int index);
    void Remove(TMenuItem* item);
    int IndexOf(const TMenuItem* item) const;
    TMenuItem* Parent() const { return parent_; }
    // The menu whose tree holds this item, or none.
    TMenu* GetParentMenu() const;
    // The WM_COMMAND id of the item in its menu's Windows menu; 0 before it was built.
    UINT Command() const { return command_; }

    virtual void Click();

    TNotifyEvent OnClick;
    TMenuMeasureItemEvent OnMeasureItem;
    TMenuDrawItemEvent OnDrawItem;

    // Stored layouts read child items inside their parent item or menu.
    void SetParentComponent(TComponent* parent) override;
    TComponent* GetParentComponent() const override;

    // Called for owner-drawn items: the handlers when set, the plain look otherwise.
    virtual void MeasureItem(TCanvas* canvas, int& width, int& height);
    virtual void DrawItem(TCanvas* canvas, const TRect& rect, bool selected);

private:
    friend class TMenu;
    void Changed(bool rebuild);
    void DrawPlain(TCanvas* canvas, const TRect& rect, bool selected);
    void AppendTo(HMENU menu, bool ownerDraw, UINT& nextCommand);

    std::string caption_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    bool default_ = false;
    bool radioItem_ = false;
    int groupIndex_ = 0;
    TShortCut shortCut_ = scNone;
    int imageIndex_ = -1;
    std::string hint_;
    std::unique_ptr<TBitmap> bitmap_;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr; // the root item's menu
    UINT command_ = 0;
};

enum TMenuAutoFlag { maAutomatic, maManual, maParent };
template <> const TEnumInfo& EnumInfoOf<TMenuAutoFlag>();

class TMenu : public TComponent {
    VFC_CLASS(TMenu, TComponent)
    explicit TMenu(TComponent* owner);
    ~TMenu() override;

    // The root item; the menu's entries are its children.
    TMenuItem* Items() const { return items_.get(); }
    // Descendants may stand in a list of their own or fix the flag; IsOwnerDraw reads what
    // this class holds.
    virtual TCustomImageList* Images() const { return images_; }
    virtual void SetImages(TCustomImageList* images);
    // Items are owner-drawn when this is set or the menu has images.
    virtual bool OwnerDraw() const { return ownerDraw_; }
    virtual void SetOwnerDraw(bool ownerDraw);
    bool IsOwnerDraw() const { return ownerDraw_ || images_ != nullptr; }
    TMenuAutoFlag AutoHotkeys() const { return autoHotkeys_; }
    void SetAutoHotkeys(TMenuAutoFlag flag) { autoHotkeys_ = flag; }
    TBiDiMode BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode mode) { biDiMode_ = mode; }

    // The Windows menu of the current items, built when first asked for after a change.
    HMENU Handle();
    bool HandleAllocated() const { return static_cast<bool>(handle_); }

    // Measuring and drawing of this menu's owner-drawn items (WM_MEASUREITEM, WM_DRAWITEM of
    // ODT_MENU), the items of typed characters (WM_MENUCHAR) and its commands (WM_COMMAND from
    // a menu). False for anything else, items of other menus included: itemData is only
    // compared with this menu's items, never followed.
    bool DispatchMenuMessage(TMessage& message);
    TMenuItem* FindItemByCommand(UINT command) const;
    TMenuItem* FindItemByData(ULONG_PTR data) const;

    void Loaded() override;

protected:
    virtual HMENU CreateMenuHandle() = 0;
    // After any item of the tree changed; rebuild when items came, went or changed kind.
    virtual void MenuChanged(TMenuItem* source, bool rebuild);
    void Notification(TComponent* component, TOperation operation) override;
    void DestroyMenuHandle() { handle_.Reset(); }

private:
    friend class TMenuItem;
    bool AnswerMenuChar(TMessage& message) const;

    std::unique_ptr<TMenuItem> items_;
    TCustomImageList* images_ = nullptr;
    bool ownerDraw_ = false;
    TMenuAutoFlag autoHotkeys_ = maAutomatic;
    TBiDiMode biDiMode_ = bdLeftToRight;
    TOwnedMenu handle_;
};

class TMainMenu : public TMenu {
    VFC_CLASS(TMainMenu, TMenu)
    explicit TMainMenu(TComponent* owner) : TMenu(owner) {}
    ~TMainMenu() override;
    // Shows the menu as the menu bar of a window (none detaches); kept current on changes.
    // The window must pass its menu messages to DispatchMenuMessage.
    void SetWindowHandle(HWND window);
    HWND WindowHandle() const { return window_; }

protected:
    HMENU CreateMenuHandle() override { return CreateMenu(); }
    void MenuChanged(TMenuItem* source, bool rebuild) override;

private:
    HWND window_ = nullptr;
};

enum TPopupAlignment { paLeft, paRight, paCenter };
template <> const TEnumInfo& EnumInfoOf<TPopupAlignment>();

class TPopupMenu : public TMenu {
    VFC_CLASS(TPopupMenu, TMenu)
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;

    TPopupAlignment Alignment() const { return alignment_; }
    void SetAlignment(TPopupAlignment a) { alignment_ = a; }
    // Runs OnPopup, shows the menu at a screen point until it closes and clicks the chosen
    // item. The menu's own hidden window receives its measuring and drawing messages; it is
    // made the foreground window first, so that the menu takes the keyboard and closes when
    // the user clicks elsewhere.
    virtual void Popup(int x, int y);
    // The hidden window that owns the menu while it is open (made by the first Popup).
    HWND WindowHandle() const { return window_.Get(); }

    TNotifyEvent OnPopup;

protected:
    HMENU CreateMenuHandle() override { return CreatePopupMenu(); }

private:
    static LRESULT CALLBACK MenuWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    TPopupAlignment alignment_ = paLeft;
    TOwnedWindow window_;
};

// Makes the menu classes known to stored layouts.
void RegisterMenuClasses(TClassRegistry& registry);
