// Skinned popups opened for real and read on the screen while they are open.
#include "tests/win/skin/menus/MenuTestSupport.h"

namespace {

// The screen pixel at (x, y) of the menu's item `index`, in item coordinates.
TColor ItemPixel(HWND window, TMenu& menu, int index, int x, int y) {
    RECT r{};
    if (!GetMenuItemRect(window, menu.Handle(), static_cast<UINT>(index), &r))
        return -1;
    return ScreenPixel(r.left + x, r.top + y);
}

class PopupOnScreen : public ::testing::TestWithParam<TsuiUIStyle> {};

// Items added after construction get the handlers when the menu is built, so they are drawn
// in the style: the side bar, the item background and the selected item's fill.
TEST_P(PopupOnScreen, ItemsAddedAfterConstructionAreDrawnInTheStyle) {
    TComponent owner(nullptr);
    TsuiPopupMenu menu(&owner);
    menu.SetUIStyle(GetParam());
    AddItem(menu, "First");
    AddItem(menu, "Second");
    const auto macBar = Picture("MACOS_MENU_BAR");
    const TColor bar = GetParam() == MacOS ? PixelOf(*macBar, 0, 10)
                                           : GetBuiltinColor(GetParam(), ThemeRow::MenuSideBarColor);
    const TColor back = GetParam() == MacOS ? PixelOf(*macBar, 0, 10)
                                            : GetBuiltinColor(GetParam(), ThemeRow::MenuItemColor);
    EXPECT_TRUE(PopupUntil(menu, 120, 100, [&](HWND w) {
        return ItemPixel(w, menu, 1, 2, 10) == bar && ItemPixel(w, menu, 1, 50, 10) == back &&
               ItemPixel(w, menu, 1, 50, 20) != -1;
    }));
}

INSTANTIATE_TEST_SUITE_P(EveryStyle, PopupOnScreen, ::testing::ValuesIn(kBuiltinStyles));

TEST(FlatPopup, TheOpenMenuWindowGetsTheFlatFrame) {
    TComponent owner(nullptr);
    TsuiPopupMenu menu(&owner);
    menu.SetUIStyle(WinXP);
    menu.SetFlatMenu(true);
    AddItem(menu, "First");
    AddItem(menu, "Second");
    const TColor edge = GetBuiltinColor(WinXP, ThemeRow::FormColor);
    EXPECT_TRUE(PopupUntil(menu, 120, 100, [&](HWND w) {
        RECT r{};
        GetWindowRect(w, &r);
        const int middle = (r.top + r.bottom) / 2;
        return ScreenPixel(r.left, middle) == clBlack && ScreenPixel(r.left + 1, middle) == clWhite &&
               ScreenPixel(r.right - 1, middle) == edge;
    }));
}

// An owner-drawn item drawn on a form's own DC (as a menu-bar item is) never frames the form.
TEST(FlatPopup, AFormsDeviceContextGetsNoFrame) {
    constexpr TColor formColor = 0x40A040;
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(300, 200, 200, 120);
    form.SetColor(formColor);
    TsuiMainMenu menu(&form);
    menu.SetFlatMenu(true);
    TMenuItem* item = AddItem(menu, "File");
    ShowAndActivate(form);
    (void)menu.Handle();
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_TRUE(PumpUntil([&] { return ScreenPixel(300, 260) == formColor; }));
    HDC dc = GetDC(form.Handle());
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemData = reinterpret_cast<ULONG_PTR>(item);
    draw.hDC = dc;
    draw.rcItem = {60, 40, 120, 61};
    SendMessageA(form.Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    ReleaseDC(form.Handle(), dc);
    EXPECT_EQ(ScreenPixel(300, 260), formColor);
    EXPECT_EQ(ScreenPixel(301, 260), formColor);
    EXPECT_EQ(ScreenPixel(499, 260), formColor);
    EXPECT_EQ(ScreenPixel(370, 250), GetBuiltinColor(menu.UIStyle(), ThemeRow::MenuItemColor));
}

TEST(PopupKeyboard, TheOpenMenuTakesTheKeys) {
    TComponent owner(nullptr);
    TsuiPopupMenu menu(&owner);
    AddItem(menu, "First");
    TMenuItem* second = AddItem(menu, "Second");
    struct TClicks {
        int n = 0;
        void Click(TObject*) { ++n; }
    } clicks;
    second->OnClick = TNotifyEvent::Bind<&TClicks::Click>(&clicks);
    bool sent = false;
    PopupUntil(menu, 120, 100, [&](HWND) {
        if (!sent)
            for (WORD key : {VK_DOWN, VK_DOWN, VK_RETURN}) {
                PostKey(menu.WindowHandle(), key);
                PostKey(menu.WindowHandle(), key, true);
            }
        sent = true;
        return false;
    });
    EXPECT_EQ(clicks.n, 1);
}

// Every pop measures and draws every item anew: nothing may stay behind.
TEST(PopupResources, GdiAndUserObjectsStayFlatOverAThousandPops) {
    TComponent owner(nullptr);
    TsuiPopupMenu menu(&owner);
    menu.SetFlatMenu(true);
    auto images = SolidImages(0x3070B0);
    menu.SetImages(images.get());
    AddItem(menu, "Plain")->SetShortCut(ShortCut('S', {ssCtrl}));
    AddItem(menu, "-");
    AddItem(menu, "Checked")->SetChecked(true);
    AddItem(menu, "Image")->SetImageIndex(0);
    AddItem(menu, "Default")->SetDefault(true);
    const TColor bar = GetBuiltinColor(menu.UIStyle(), ThemeRow::MenuSideBarColor);
    auto pop = [&] {
        ASSERT_TRUE(PopupUntil(menu, 120, 100,
                               [&](HWND w) { return ItemPixel(w, menu, 4, 2, 10) == bar; }));
    };
    HANDLE self = GetCurrentProcess();
    pop();
    const DWORD gdi = GetGuiResources(self, GR_GDIOBJECTS);
    const DWORD user = GetGuiResources(self, GR_USEROBJECTS);
    ASSERT_GT(gdi, 0u) << "GetGuiResources counts nothing here";
    for (int i = 0; i < 1000; ++i)
        pop();
    constexpr DWORD kSlack = 8; // caches of the system, not a pop's share
    EXPECT_LE(GetGuiResources(self, GR_GDIOBJECTS), gdi + kSlack);
    EXPECT_LE(GetGuiResources(self, GR_USEROBJECTS), user + kSlack);
}

} // namespace
