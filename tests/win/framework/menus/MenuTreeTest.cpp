#include "framework/Forms.h"
#include "framework/Menus.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TMenuItem* NewItem(TComponent* owner, const std::string& caption, TMenuItem* parent) {
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    if (parent)
        parent->Add(item);
    return item;
}

MENUITEMINFOA InfoOf(HMENU menu, UINT position) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU;
    EXPECT_TRUE(GetMenuItemInfoA(menu, position, TRUE, &info));
    return info;
}

TEST(MenuItemTree, AddInsertDeleteAndParents) {
    TComponent owner(nullptr);
    TPopupMenu menu(&owner);
    TMenuItem* a = NewItem(&owner, "A", menu.Items());
    TMenuItem* c = NewItem(&owner, "C", menu.Items());
    TMenuItem* b = NewItem(&owner, "B", nullptr);
    menu.Items()->Insert(1, b);
    ASSERT_EQ(menu.Items()->Count(), 3);
    EXPECT_EQ(menu.Items()->Items(1), b);
    EXPECT_EQ(menu.Items()->IndexOf(c), 2);
    EXPECT_EQ(b->Parent(), menu.Items());
    EXPECT_EQ(b->GetParentMenu(), &menu);
    EXPECT_EQ(b->GetParentComponent(), &menu);

    TMenuItem* sub = NewItem(&owner, "Sub", b);
    EXPECT_EQ(sub->GetParentMenu(), &menu);
    EXPECT_EQ(sub->GetParentComponent(), b);
    EXPECT_THROW(sub->Add(b), EPropertyError); // an item cannot hold its own parent

    menu.Items()->Delete(0); // out of the tree, not freed
    EXPECT_EQ(a->Parent(), nullptr);
    EXPECT_EQ(a->GetParentMenu(), nullptr);
    EXPECT_EQ(menu.Items()->IndexOf(a), -1);
    EXPECT_THROW(menu.Items()->Delete(5), std::out_of_range);

    // Freeing an item frees its children, which leave their owner.
    const int before = owner.ComponentCount();
    b->Free();
    EXPECT_EQ(owner.ComponentCount(), before - 2);
    EXPECT_EQ(menu.Items()->Count(), 1);
}

TEST(MenuItemTree, CheckingARadioItemUnchecksItsGroup) {
    TComponent owner(nullptr);
    TPopupMenu menu(&owner);
    TMenuItem* items[3];
    for (TMenuItem*& item : items) {
        item = NewItem(&owner, "r", menu.Items());
        item->SetRadioItem(true);
        item->SetGroupIndex(1);
    }
    items[2]->SetGroupIndex(2);
    items[0]->SetChecked(true);
    items[2]->SetChecked(true);
    items[1]->SetChecked(true);
    EXPECT_FALSE(items[0]->Checked());
    EXPECT_TRUE(items[1]->Checked());
    EXPECT_TRUE(items[2]->Checked()); // another group
}

TEST(MenuHandle, ItemsBecomeWindowsMenuItemsWithStatesAndSubmenus) {
    TComponent owner(nullptr);
    TPopupMenu menu(&owner);
    TMenuItem* open = NewItem(&owner, "&Open", menu.Items());
    open->SetShortCut(ShortCut('O', {ssCtrl}));
    open->SetDefault(true);
    NewItem(&owner, "-", menu.Items());
    TMenuItem* hidden = NewItem(&owner, "Hidden", menu.Items());
    hidden->SetVisible(false);
    TMenuItem* more = NewItem(&owner, "More", menu.Items());
    TMenuItem* checked = NewItem(&owner, "Checked", more);
    checked->SetChecked(true);
    checked->SetEnabled(false);

    HMENU handle = menu.Handle();
    ASSERT_EQ(GetMenuItemCount(handle), 3); // the hidden item is left out
    MENUITEMINFOA first = InfoOf(handle, 0);
    EXPECT_EQ(first.fType & MFT_OWNERDRAW, 0u);
    EXPECT_NE(first.fState & MFS_DEFAULT, 0u);
    EXPECT_EQ(first.dwItemData, reinterpret_cast<ULONG_PTR>(open));
    char text[64] = {};
    GetMenuStringA(handle, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&Open\tCtrl+O");
    EXPECT_NE(InfoOf(handle, 1).fType & MFT_SEPARATOR, 0u);
    MENUITEMINFOA last = InfoOf(handle, 2);
    ASSERT_TRUE(last.hSubMenu);
    MENUITEMINFOA inner = InfoOf(last.hSubMenu, 0);
    EXPECT_NE(inner.fState & MFS_CHECKED, 0u);
    EXPECT_NE(inner.fState & MFS_GRAYED, 0u);
    EXPECT_EQ(inner.wID, checked->Command());
    EXPECT_EQ(menu.FindItemByCommand(checked->Command()), checked);

    // A change rebuilds; owner drawing marks every item.
    menu.SetOwnerDraw(true);
    HMENU rebuilt = menu.Handle();
    EXPECT_NE(InfoOf(rebuilt, 0).fType & MFT_OWNERDRAW, 0u);
    EXPECT_NE(InfoOf(rebuilt, 1).fType & MFT_OWNERDRAW, 0u);
    EXPECT_NE(InfoOf(InfoOf(rebuilt, 2).hSubMenu, 0).fType & MFT_OWNERDRAW, 0u);
}

TEST(MenuHandle, AnImageListMakesTheItemsOwnerDrawnAndItsRemovalUndoesIt) {
    TComponent owner(nullptr);
    TMainMenu menu(&owner);
    NewItem(&owner, "File", menu.Items());
    auto* images = new TImageList(&owner);
    menu.SetImages(images);
    EXPECT_TRUE(menu.IsOwnerDraw());
    EXPECT_NE(InfoOf(menu.Handle(), 0).fType & MFT_OWNERDRAW, 0u);
    images->Free();
    EXPECT_EQ(menu.Images(), nullptr);
    EXPECT_EQ(InfoOf(menu.Handle(), 0).fType & MFT_OWNERDRAW, 0u);
}

TEST(ShortCutText, ModifiersAndKeyNames) {
    EXPECT_EQ(ShortCutToText(ShortCut('S', {ssCtrl})), "Ctrl+S");
    EXPECT_EQ(ShortCutToText(ShortCut(VK_F5, {ssShift})), "Shift+F5");
    EXPECT_EQ(ShortCutToText(ShortCut(VK_DELETE, {ssAlt, ssCtrl})), "Ctrl+Alt+Del");
    EXPECT_EQ(ShortCutToText(scNone), "");
}

TEST(MenuDispatch, ForeignItemDataIsNeverFollowedAndCommandsClick) {
    TComponent owner(nullptr);
    TPopupMenu menu(&owner);
    TMenuItem* item = NewItem(&owner, "Go", menu.Items());
    struct TClicks : TObject {
        void Clicked(TObject*) { ++count; }
        int count = 0;
    } clicks;
    item->OnClick = TNotifyEvent::Bind<&TClicks::Clicked>(&clicks);
    menu.Handle();

    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemData = 0x12345678; // not an item of this menu
    TMessage m{WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure), 0};
    EXPECT_FALSE(menu.DispatchMenuMessage(m));
    measure.CtlType = ODT_BUTTON;
    measure.itemData = reinterpret_cast<ULONG_PTR>(item);
    EXPECT_FALSE(menu.DispatchMenuMessage(m));

    TMessage command{WM_COMMAND, MAKEWPARAM(item->Command(), 0), 0, 0};
    EXPECT_TRUE(menu.DispatchMenuMessage(command));
    EXPECT_EQ(clicks.count, 1);
    TMessage control{WM_COMMAND, MAKEWPARAM(item->Command(), BN_CLICKED), 1, 0};
    EXPECT_FALSE(menu.DispatchMenuMessage(control)); // a control's notification
    EXPECT_EQ(clicks.count, 1);
}

// Owner-drawn captions are invisible to Windows: the menu answers which item a typed
// character belongs to.
TEST(MenuDispatch, TypedCharactersFindTheEnabledItemOfTheirAccelerator) {
    TComponent owner(nullptr);
    TPopupMenu menu(&owner);
    for (const char* caption : {"&Open", "C&opy", "&Save", "&Delete", "Fish && &Chips", "&Close"})
        NewItem(&owner, caption, menu.Items());
    menu.Items()->Items(3)->SetEnabled(false);
    menu.SetOwnerDraw(true);
    const HMENU handle = menu.Handle();
    struct Case {
        char Typed;
        LRESULT Expected; // 0: not answered
    } cases[] = {
        {'s', MAKELRESULT(2, MNC_EXECUTE)},
        {'S', MAKELRESULT(2, MNC_EXECUTE)},
        {'o', MAKELRESULT(0, MNC_SELECT)},
        {'d', 0}, // disabled
        {'&', 0},
        {'c', MAKELRESULT(4, MNC_SELECT)}, // "&&" is literal
        {'x', 0},
    };
    for (const Case& c : cases) {
        TMessage m{WM_MENUCHAR, MAKEWPARAM(c.Typed, MF_POPUP), reinterpret_cast<LPARAM>(handle), 0};
        EXPECT_EQ(menu.DispatchMenuMessage(m) ? m.Result : 0, c.Expected) << c.Typed;
    }
    TPopupMenu other(&owner);
    NewItem(&owner, "&Save", other.Items());
    TMessage foreign{WM_MENUCHAR, MAKEWPARAM('s', MF_POPUP),
                     reinterpret_cast<LPARAM>(other.Handle()), 0};
    EXPECT_FALSE(menu.DispatchMenuMessage(foreign)) << "items of another menu";
}

class TLayoutMenuForm : public TForm {
    VFC_CLASS(TLayoutMenuForm, TForm)
    explicit TLayoutMenuForm(TComponent* owner) : TForm(owner) {}
    void OpenClick(TObject*) { ++opened; }
    int opened = 0;
};

} // namespace

VFC_DESCRIBE(TLayoutMenuForm) {
    b.Method<&TLayoutMenuForm::OpenClick, TNotifyEvent>("OpenClick");
}

namespace {

TEST(MenuLayout, ItemsAreReadIntoTheirParentsWithTheirProperties) {
    RegisterMenuClasses(Application->Classes());
    Application->Classes().Register(TLayoutMenuForm::StaticClass());
    TLayoutMenuForm form(nullptr);
    form.ReadLayoutText("object MenuForm: TLayoutMenuForm\n"
                        "  object MainMenu1: TMainMenu\n"
                        "    OwnerDraw = True\n"
                        "    object File1: TMenuItem\n"
                        "      Caption = '&File'\n"
                        "      object Open1: TMenuItem\n"
                        "        Caption = 'Open'\n"
                        "        ShortCut = 16463\n"
                        "        ImageIndex = 2\n"
                        "        OnClick = OpenClick\n"
                        "      end\n"
                        "    end\n"
                        "  end\n"
                        "end\n",
                        "MenuForm");
    auto* menu = As<TMainMenu>(form.FindComponent("MainMenu1"));
    ASSERT_TRUE(menu);
    EXPECT_TRUE(menu->OwnerDraw());
    ASSERT_EQ(menu->Items()->Count(), 1);
    TMenuItem* file = menu->Items()->Items(0);
    EXPECT_EQ(file->Caption(), "&File");
    ASSERT_EQ(file->Count(), 1);
    TMenuItem* open = file->Items(0);
    EXPECT_EQ(open, form.FindComponent("Open1"));
    EXPECT_EQ(ShortCutToText(open->ShortCut()), "Ctrl+O");
    EXPECT_EQ(open->ImageIndex(), 2);
    open->Click();
    EXPECT_EQ(form.opened, 1);
}

} // namespace
