// Menu items, menus, the Windows menus built from them and the dispatch of owner drawing.
#include "framework/Menus.h"

#include "framework/Accelerators.h"

#include "framework/CanvasScope.h"
#include "framework/Forms.h"
#include "framework/WindowClass.h"

#include <algorithm>

template <> const TEnumInfo& EnumInfoOf<TMenuAutoFlag>() {
    static const TEnumInfo info{"TMenuAutoFlag", {"maAutomatic", "maManual", "maParent"}};
    return info;
}

template <> const TEnumInfo& EnumInfoOf<TPopupAlignment>() {
    static const TEnumInfo info{"TPopupAlignment", {"paLeft", "paRight", "paCenter"}};
    return info;
}

// ----------------------------------------------------------------------------------------------
// Shortcuts

TShortCut ShortCut(WORD key, TShiftState shift) {
    TShortCut result = static_cast<TShortCut>(key & scKeyMask);
    if (shift.Contains(ssShift))
        result |= scShift;
    if (shift.Contains(ssCtrl))
        result |= scCtrl;
    if (shift.Contains(ssAlt))
        result |= scAlt;
    return result;
}

namespace {

std::string KeyName(WORD key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return std::string(1, static_cast<char>(key));
    if (key >= VK_F1 && key <= VK_F24)
        return "F" + std::to_string(key - VK_F1 + 1);
    switch (key) {
    case VK_BACK:
        return "BkSp";
    case VK_TAB:
        return "Tab";
    case VK_RETURN:
        return "Enter";
    case VK_ESCAPE:
        return "Esc";
    case VK_SPACE:
        return "Space";
    case VK_PRIOR:
        return "PgUp";
    case VK_NEXT:
        return "PgDn";
    case VK_END:
        return "End";
    case VK_HOME:
        return "Home";
    case VK_LEFT:
        return "Left";
    case VK_UP:
        return "Up";
    case VK_RIGHT:
        return "Right";
    case VK_DOWN:
        return "Down";
    case VK_INSERT:
        return "Ins";
    case VK_DELETE:
        return "Del";
    default:
        break;
    }
    // Anything else by the keyboard's own name for it.
    char name[64] = {};
    const UINT scan = MapVirtualKeyA(key, 0); // MAPVK_VK_TO_VSC
    if (scan && GetKeyNameTextA(static_cast<LONG>(scan << 16), name, sizeof name) > 0)
        return name;
    return {};
}

// The system's menu font, as menus draw their text by default.
void AssignMenuFont(TFont* font) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        font->SetHandle(CreateFontIndirectA(&metrics.lfMenuFont));
    font->SetColor(clMenuText);
}

template <class Visit> TMenuItem* FindInTree(TMenuItem* item, Visit matches) {
    for (int i = 0; i < item->Count(); ++i) {
        TMenuItem* child = item->Items(i);
        if (matches(child))
            return child;
        if (TMenuItem* found = FindInTree(child, matches))
            return found;
    }
    return nullptr;
}

} // namespace

std::string ShortCutToText(TShortCut shortCut) {
    const std::string key = KeyName(static_cast<WORD>(shortCut & scKeyMask));
    if (key.empty())
        return {};
    std::string text;
    if (shortCut & scShift)
        text += "Shift+";
    if (shortCut & scCtrl)
        text += "Ctrl+";
    if (shortCut & scAlt)
        text += "Alt+";
    return text + key;
}

// ----------------------------------------------------------------------------------------------
// TMenuItem

VFC_DESCRIBE(TMenuItem) {
    b.Property("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption);
    b.Property("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked).WithDefault(false);
    b.Property("Default", &TMenuItem::Default, &TMenuItem::SetDefault).WithDefault(false);
    b.Property("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).WithDefault(true);
    b.Property("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex).WithDefault(0);
    b.Property("Hint", &TMenuItem::Hint, &TMenuItem::SetHint);
    b.Property("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex).WithDefault(-1);
    b.Property("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem).WithDefault(false);
    b.Property("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut).WithDefault(0);
    b.Property("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible).WithDefault(true);
    b.Property("Bitmap", &TMenuItem::Bitmap, &TMenuItem::SetBitmap);
    b.Field("OnClick", &TMenuItem::OnClick);
    b.Field("OnDrawItem", &TMenuItem::OnDrawItem);
    b.Field("OnMeasureItem", &TMenuItem::OnMeasureItem);
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), bitmap_(std::make_unique<TBitmap>()) {}

TMenuItem::~TMenuItem() {
    Destroying();
    if (parent_)
        parent_->Remove(this);
    while (!items_.empty()) {
        TMenuItem* child = items_.back();
        items_.pop_back();
        child->parent_ = nullptr;
        delete child;
    }
}

void TMenuItem::SetCaption(const std::string& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    Changed(true);
}

void TMenuItem::SetChecked(bool checked) {
    if (checked == checked_)
        return;
    checked_ = checked;
    // A checked radio item unchecks the others of its group.
    if (checked && radioItem_ && parent_)
        for (TMenuItem* sibling : parent_->items_)
            if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_)
                sibling->checked_ = false;
    Changed(false);
}

void TMenuItem::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Changed(false);
}

void TMenuItem::SetVisible(bool visible) {
    if (visible == visible_)
        return;
    visible_ = visible;
    Changed(true);
}

void TMenuItem::SetDefault(bool isDefault) {
    if (isDefault == default_)
        return;
    default_ = isDefault;
    Changed(false);
}

void TMenuItem::SetRadioItem(bool radio) {
    if (radio == radioItem_)
        return;
    radioItem_ = radio;
    Changed(false);
}

void TMenuItem::SetShortCut(TShortCut shortCut) {
    if (shortCut == shortCut_)
        return;
    shortCut_ = shortCut;
    Changed(false);
}

void TMenuItem::SetImageIndex(int index) {
    if (index == imageIndex_)
        return;
    imageIndex_ = index;
    Changed(false);
}

void TMenuItem::SetBitmap(TBitmap* bitmap) {
    bitmap_->Assign(bitmap);
    Changed(false);
}

void TMenuItem::Add(TMenuItem* item) {
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item || item == this)
        return;
    for (const TMenuItem* p = this; p; p = p->parent_)
        if (p == item)
            throw EPropertyError("a menu item cannot hold one of its own parents");
    if (item->parent_)
        item->parent_->Remove(item);
    index = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    Changed(true);
}

void TMenuItem::Delete(int index) {
    if (index < 0 || index >= Count())
        throw std::out_of_range("menu item index out of range");
    TMenuItem* item = items_[static_cast<size_t>(index)];
    items_.erase(items_.begin() + index);
    item->parent_ = nullptr;
    Changed(true);
}

void TMenuItem::Remove(TMenuItem* item) {
    const int index = IndexOf(item);
    if (index >= 0)
        Delete(index);
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* root = this;
    while (root->parent_)
        root = root->parent_;
    return root->menu_;
}

void TMenuItem::Click() {
    OnClick(this);
}

void TMenuItem::SetParentComponent(TComponent* parent) {
    if (auto* menu = As<TMenu>(parent))
        menu->Items()->Add(this);
    else if (auto* item = As<TMenuItem>(parent))
        item->Add(this);
    else if (parent)
        throw EPropertyError(std::string("a menu item cannot lie on a ") + parent->ClassName());
}

TComponent* TMenuItem::GetParentComponent() const {
    if (parent_ && parent_->menu_)
        return parent_->menu_;
    return parent_;
}

void TMenuItem::Changed(bool rebuild) {
    TMenu* menu = GetParentMenu();
    if (menu && !menu->HasState(csDestroying))
        menu->MenuChanged(this, rebuild);
}

void TMenuItem::MeasureItem(TCanvas* canvas, int& width, int& height) {
    if (OnMeasureItem) {
        OnMeasureItem(this, canvas, width, height);
        return;
    }
    if (IsLine()) {
        height = GetSystemMetrics(SM_CYMENU) / 2;
        return;
    }
    std::string text = caption_;
    if (shortCut_)
        text += "    " + ShortCutToText(shortCut_);
    width = canvas->TextWidth(text) + 40;
    height = std::max(canvas->TextHeight(caption_.empty() ? std::string("W") : caption_) + 4,
                      GetSystemMetrics(SM_CYMENU));
}

void TMenuItem::DrawItem(TCanvas* canvas, const TRect& rect, bool selected) {
    if (OnDrawItem) {
        OnDrawItem(this, canvas, rect, selected);
        return;
    }
    DrawPlain(canvas, rect, selected);
}

void TMenuItem::DrawPlain(TCanvas* canvas, const TRect& rect, bool selected) {
    const bool highlighted = selected && enabled_ && !IsLine();
    canvas->Brush()->SetColor(highlighted ? clHighlight : clMenu);
    canvas->FillRect(rect);
    if (IsLine()) {
        const int y = (rect.Top + rect.Bottom) / 2;
        canvas->Pen()->SetColor(SystemColorBase | COLOR_BTNSHADOW);
        canvas->MoveTo(rect.Left + 2, y);
        canvas->LineTo(rect.Right - 2, y);
        return;
    }
    const TMenu* menu = GetParentMenu();
    TCustomImageList* images = menu ? menu->Images() : nullptr;
    const int glyphX = rect.Left + 2, glyphY = rect.Top + (rect.Height() - 16) / 2;
    if (images && imageIndex_ >= 0 && imageIndex_ < images->Count())
        images->Draw(*canvas, glyphX, glyphY, imageIndex_, enabled_);
    else if (!bitmap_->Empty())
        canvas->Draw(glyphX, glyphY, bitmap_.get());
    else if (checked_) {
        canvas->Pen()->SetColor(highlighted ? clHighlightText : clMenuText);
        canvas->MoveTo(glyphX + 3, glyphY + 8);
        canvas->LineTo(glyphX + 6, glyphY + 11);
        canvas->LineTo(glyphX + 12, glyphY + 5);
    }
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->SetColor(!enabled_ ? SystemColorBase | COLOR_GRAYTEXT
                                       : (highlighted ? clHighlightText : clMenuText));
    if (default_)
        canvas->Font()->SetStyle({fsBold});
    RECT text{rect.Left + 24, rect.Top, rect.Right - 4, rect.Bottom};
    DrawTextA(canvas->Handle(), caption_.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (shortCut_) {
        const std::string keys = ShortCutToText(shortCut_);
        DrawTextA(canvas->Handle(), keys.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    }
}

void TMenuItem::AppendTo(HMENU menu, bool ownerDraw, UINT& nextCommand) {
    command_ = 0;
    if (!visible_)
        return;
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
    std::string text;
    if (ownerDraw) {
        info.fType = MFT_OWNERDRAW;
    } else if (IsLine()) {
        info.fType = MFT_SEPARATOR;
    } else {
        info.fType = MFT_STRING;
        info.fMask |= MIIM_STRING;
        text = caption_;
        if (shortCut_)
            text += "\t" + ShortCutToText(shortCut_);
        info.dwTypeData = text.data();
    }
    if (radioItem_)
        info.fType |= MFT_RADIOCHECK;
    info.fState = (checked_ ? MFS_CHECKED : 0u) | (enabled_ ? 0u : MFS_GRAYED) |
                  (default_ ? MFS_DEFAULT : 0u);
    command_ = nextCommand++;
    info.wID = command_;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(this);
    TOwnedMenu submenu;
    if (!items_.empty()) {
        submenu.Reset(CreatePopupMenu());
        for (TMenuItem* child : items_)
            child->AppendTo(submenu.Get(), ownerDraw, nextCommand);
        info.fMask |= MIIM_SUBMENU;
        info.hSubMenu = submenu.Get();
    }
    if (!InsertMenuItemA(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info))
        throw std::runtime_error("cannot add the menu item " + caption_);
    (void)submenu.Release(); // now part of the parent menu
}

// ----------------------------------------------------------------------------------------------
// TMenu

VFC_DESCRIBE(TMenu) {
    b.Property("Images", &TMenu::Images, &TMenu::SetImages);
    b.Property("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw).WithDefault(false);
    b.Property("AutoHotkeys", &TMenu::AutoHotkeys, &TMenu::SetAutoHotkeys).WithDefault(maAutomatic);
    b.Property("BiDiMode", &TMenu::BiDiMode, &TMenu::SetBiDiMode).WithDefault(bdLeftToRight);
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(std::make_unique<TMenuItem>(nullptr)) {
    items_->menu_ = this;
}

TMenu::~TMenu() {
    Destroying();
    SetImages(nullptr);
    items_->menu_ = nullptr;
    items_.reset();
}

void TMenu::SetImages(TCustomImageList* images) {
    if (images == images_)
        return;
    if (images_)
        images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_)
        images_->FreeNotification(this);
    MenuChanged(nullptr, true);
}

void TMenu::SetOwnerDraw(bool ownerDraw) {
    if (ownerDraw == ownerDraw_)
        return;
    ownerDraw_ = ownerDraw;
    MenuChanged(nullptr, true);
}

HMENU TMenu::Handle() {
    if (!handle_) {
        TOwnedMenu menu(CreateMenuHandle());
        if (!menu)
            throw std::runtime_error("cannot create a menu");
        UINT nextCommand = 1;
        for (int i = 0; i < items_->Count(); ++i)
            items_->Items(i)->AppendTo(menu.Get(), IsOwnerDraw(), nextCommand);
        handle_ = std::move(menu);
    }
    return handle_.Get();
}

void TMenu::MenuChanged(TMenuItem*, bool) {
    DestroyMenuHandle();
}

void TMenu::Loaded() {
    TComponent::Loaded();
    MenuChanged(nullptr, true);
}

void TMenu::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == images_) {
        images_ = nullptr;
        MenuChanged(nullptr, true);
    }
}

TMenuItem* TMenu::FindItemByCommand(UINT command) const {
    if (command == 0)
        return nullptr;
    return FindInTree(items_.get(), [command](TMenuItem* i) { return i->Command() == command; });
}

TMenuItem* TMenu::FindItemByData(ULONG_PTR data) const {
    if (data == 0)
        return nullptr;
    return FindInTree(items_.get(),
                      [data](TMenuItem* i) { return reinterpret_cast<ULONG_PTR>(i) == data; });
}

// Windows cannot see the captions of owner-drawn items, so it asks for the item of a typed
// character: the enabled item of this menu whose accelerator it is runs when it is the only
// one; among several the first is highlighted.
bool TMenu::AnswerMenuChar(TMessage& m) const {
    auto* menu = reinterpret_cast<HMENU>(m.LParam);
    const char typed = static_cast<char>(LOWORD(m.WParam));
    const int count = menu ? GetMenuItemCount(menu) : 0;
    int first = -1, matches = 0;
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_DATA;
        if (!GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info))
            continue;
        const TMenuItem* item = FindItemByData(info.dwItemData);
        if (!item || !item->Enabled() || !IsAcceleratorOf(typed, item->Caption()))
            continue;
        if (matches++ == 0)
            first = position;
    }
    if (matches == 0)
        return false;
    m.Result = MAKELRESULT(first, matches == 1 ? MNC_EXECUTE : MNC_SELECT);
    return true;
}

bool TMenu::DispatchMenuMessage(TMessage& m) {
    switch (m.Msg) {
    case WM_MEASUREITEM: {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam);
        if (!measure || measure->CtlType != ODT_MENU)
            return false;
        TMenuItem* item = FindItemByData(measure->itemData);
        if (!item)
            return false;
        const TWindowDC screen(nullptr);
        TBorrowedCanvas canvas(screen.Get());
        AssignMenuFont(canvas->Font());
        int width = static_cast<int>(measure->itemWidth);
        int height = static_cast<int>(measure->itemHeight);
        item->MeasureItem(canvas.Get(), width, height);
        measure->itemWidth = static_cast<UINT>(std::max(width, 0));
        measure->itemHeight = static_cast<UINT>(std::max(height, 0));
        m.Result = TRUE;
        return true;
    }
    case WM_DRAWITEM: {
        auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam);
        if (!draw || draw->CtlType != ODT_MENU)
            return false;
        TMenuItem* item = FindItemByData(draw->itemData);
        if (!item)
            return false;
        TBorrowedCanvas canvas(draw->hDC);
        AssignMenuFont(canvas->Font());
        const RECT& r = draw->rcItem;
        item->DrawItem(canvas.Get(), Rect(r.left, r.top, r.right, r.bottom),
                       (draw->itemState & ODS_SELECTED) != 0);
        m.Result = TRUE;
        return true;
    }
    case WM_MENUCHAR:
        return AnswerMenuChar(m);
    case WM_COMMAND: {
        if (m.LParam != 0 || HIWORD(m.WParam) != 0)
            return false;
        TMenuItem* item = FindItemByCommand(LOWORD(m.WParam));
        if (!item)
            return false;
        item->Click();
        m.Result = 0;
        return true;
    }
    default:
        return false;
    }
}

// ----------------------------------------------------------------------------------------------
// TMainMenu

VFC_DESCRIBE(TMainMenu) {
    (void)b;
}

TMainMenu::~TMainMenu() {
    Destroying();
    SetWindowHandle(nullptr);
}

void TMainMenu::SetWindowHandle(HWND window) {
    if (window_ && IsWindow(window_) &&
        GetMenu(window_) == (HandleAllocated() ? Handle() : nullptr))
        SetMenu(window_, nullptr);
    window_ = window;
    if (window_) {
        SetMenu(window_, Handle());
        DrawMenuBar(window_);
    }
}

void TMainMenu::MenuChanged(TMenuItem* source, bool rebuild) {
    if (!window_ || !IsWindow(window_)) {
        TMenu::MenuChanged(source, rebuild);
        return;
    }
    // Detach before the old menu goes, then show the rebuilt one.
    SetMenu(window_, nullptr);
    TMenu::MenuChanged(source, rebuild);
    if (!HasState(csDestroying)) {
        SetMenu(window_, Handle());
        DrawMenuBar(window_);
    }
}

// ----------------------------------------------------------------------------------------------
// TPopupMenu

VFC_DESCRIBE(TPopupMenu) {
    b.Property("Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment).WithDefault(paLeft);
    b.Field("OnPopup", &TPopupMenu::OnPopup);
}

namespace {
constexpr char kPopupWindowClass[] = "VfcPopupMenuWindow";
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

TPopupMenu::~TPopupMenu() {
    Destroying();
    if (window_)
        SetWindowLongPtrA(window_.Get(), GWLP_USERDATA, 0);
}

LRESULT CALLBACK TPopupMenu::MenuWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* menu = reinterpret_cast<TPopupMenu*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (menu) {
        TMessage m{msg, wParam, lParam, 0};
        try {
            if (menu->DispatchMenuMessage(m))
                return m.Result;
        } catch (const std::exception& e) {
            Application->HandleException(e);
            return 0;
        } catch (...) {
            Application->HandleException(std::runtime_error("unknown error"));
            return 0;
        }
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void TPopupMenu::Popup(int x, int y) {
    OnPopup(this);
    if (!window_) {
        if (!RegisterWindowClass({.Name = kPopupWindowClass, .Procedure = MenuWindowProc}))
            throw std::runtime_error("cannot register the popup menu window class");
        window_.Reset(CreateWindowExA(WS_EX_TOOLWINDOW, kPopupWindowClass, "", WS_POPUP, 0, 0, 0, 0,
                                      nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
        if (!window_)
            throw std::runtime_error("cannot create the popup menu window");
        SetWindowLongPtrA(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    const UINT align = alignment_ == paRight    ? TPM_RIGHTALIGN
                       : alignment_ == paCenter ? TPM_CENTERALIGN
                                                : TPM_LEFTALIGN;
    // Without the foreground the menu gets no keys and stays open after clicks elsewhere; the
    // posted message ends the menu mode Windows keeps until the owner receives one.
    SetForegroundWindow(window_.Get());
    const UINT command = static_cast<UINT>(TrackPopupMenu(
        Handle(), align | TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y, 0, window_.Get(), nullptr));
    PostMessageA(window_.Get(), WM_NULL, 0, 0);
    if (TMenuItem* item = FindItemByCommand(command))
        item->Click();
}

void RegisterMenuClasses(TClassRegistry& registry) {
    for (const TClassInfo* info :
         {&TMenuItem::StaticClass(), &TMainMenu::StaticClass(), &TPopupMenu::StaticClass()})
        registry.Register(*info);
}
