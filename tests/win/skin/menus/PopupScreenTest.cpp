// Skinned popups opened for real and read on the screen while they are open.
#include "tests/win/skin/menus/MenuTestSupport.h"

#include <winternl.h>

namespace {

// The screen pixel at (x, y) of item `index` of the open menu.
TColor ItemPixel(HWND window, TMenu& menu, int index, int x, int y) {
    RECT r{};
    return GetMenuItemRect(window, menu.Handle(), static_cast<UINT>(index), &r)
               ? ScreenPixel(r.left + x, r.top + y)
               : -1;
}

// Read at once: under Wine the menu's own surface covers the frame again when it is copied
// to the screen.
TEST(FlatMenu, TheOpenMenuWindowGetsTheFlatFrame) {
    TComponent owner(nullptr);
    TsuiPopupMenu menu(&owner);
    menu.SetUIStyle(WinXP);
    menu.SetFlatMenu(true);
    TMenuItem* item = AddItem(menu, "First");
    const TColor edge = GetBuiltinColor(WinXP, ThemeRow::FormColor);
    EXPECT_TRUE(PopupUntil(menu, [&](HWND w) {
        HDC dc = GetDC(w);
        SendDrawItem(menu.WindowHandle(), dc, item, {3, 3, 100, 24});
        ReleaseDC(w, dc);
        RECT r{};
        GetWindowRect(w, &r);
        const int middle = (r.top + r.bottom) / 2;
        return ScreenPixel(r.left, middle) == clBlack &&
               ScreenPixel(r.left + 1, middle) == clWhite &&
               ScreenPixel(r.right - 1, middle) == edge && ScreenPixel(r.left + 5, r.top) == edge;
    }));
}

// An owner-drawn item on a form's own DC (as a menu-bar item is) never frames the form.
TEST(FlatMenu, AFormsDeviceContextGetsNoFrame) {
    constexpr TColor formColor = 0x40A040;
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(300, 200, 200, 120);
    form.SetColor(formColor);
    TsuiMainMenu menu(&form);
    menu.SetFlatMenu(true);
    TMenuItem* item = AddItem(menu, "File");
    menu.AttachItemHandlers();
    ShowAndActivate(form);
    ASSERT_TRUE(PumpUntil([&] { return ScreenPixel(300, 260) == formColor; }));
    HDC dc = GetDC(form.Handle());
    SendDrawItem(form.Handle(), dc, item, {60, 40, 120, 61});
    ReleaseDC(form.Handle(), dc);
    for (const TPoint p : {TPoint{300, 260}, TPoint{301, 260}, TPoint{499, 260}, TPoint{350, 200}})
        EXPECT_EQ(ScreenPixel(p.X, p.Y), formColor) << p.X << "," << p.Y;
    EXPECT_TRUE(PumpUntil([&] { return ScreenPixel(418, 250) == clWhite; })); // the item
}

// Live GDI objects. Wine answers GetGuiResources with 0; its handle table is the one the
// process block points at, as on Windows, where a live object's entry has a type.
DWORD GdiObjects() {
    if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS))
        return n;
    struct TEntry {
        UINT64 Object;
        ULONG Owner;
        USHORT Unique;
        UCHAR Type, Flags;
        UINT64 User;
    };
    constexpr size_t kTableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;
    using TQuery = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    auto query = reinterpret_cast<TQuery>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    if (!query ||
        query(GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr))
        return 0;
    auto* table = *reinterpret_cast<const TEntry* const*>(
        reinterpret_cast<const BYTE*>(basic.PebBaseAddress) + kTableOffset);
    DWORD n = 0;
    constexpr DWORD kEntries = 0x10000;
    for (DWORD i = 0; table && i < kEntries; ++i)
        n += table[i].Type != 0;
    return n;
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<DWORD*>(count);
    return TRUE;
}

// USER objects, or where the system does not count them, the windows of this thread.
DWORD UserObjects() {
    if (DWORD n = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS))
        return n;
    DWORD n = 0;
    EnumThreadWindows(GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&n));
    return n;
}

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
        ASSERT_TRUE(PopupUntil(menu, [&](HWND w) { return ItemPixel(w, menu, 4, 2, 10) == bar; }));
    };
    pop();
    const DWORD gdi = GdiObjects(), user = UserObjects();
    ASSERT_GT(gdi, 0u);
    ASSERT_GT(user, 0u);
    for (int i = 0; i < 1000; ++i)
        pop();
    constexpr DWORD kSlack = 8; // the system's own caches, not a share of every pop
    EXPECT_LE(GdiObjects(), gdi + kSlack);
    EXPECT_LE(UserObjects(), user + kSlack);
}

} // namespace
