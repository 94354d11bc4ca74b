#include "tests/win/skin/menus/MenuTestSupport.h"

TMenuItem* AddItem(TMenu& menu, const std::string& caption) {
    auto* item = new TMenuItem(menu.Owner());
    item->SetCaption(caption);
    menu.Items()->Add(item);
    return item;
}

TSize MeasureThrough(TMenu& menu, TMenuItem* item) {
    (void)menu.Handle();
    MEASUREITEMSTRUCT measure{ODT_MENU, 0, 0, 0, 0, reinterpret_cast<ULONG_PTR>(item)};
    TMessage m{WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure), 0};
    EXPECT_TRUE(menu.DispatchMenuMessage(m));
    return {static_cast<LONG>(measure.itemWidth), static_cast<LONG>(measure.itemHeight)};
}

std::unique_ptr<TBitmap> DrawThrough(TMenu& menu, TMenuItem* item, int width, int height,
                                     bool selected) {
    (void)menu.Handle();
    auto bitmap = std::make_unique<TBitmap>();
    Fill(*bitmap, width, height, 0xFF00FF);
    DRAWITEMSTRUCT draw{ODT_MENU,
                        0,
                        0,
                        0,
                        selected ? ODS_SELECTED : 0u,
                        nullptr,
                        bitmap->Canvas()->Handle(),
                        {0, 0, width, height},
                        reinterpret_cast<ULONG_PTR>(item)};
    TMessage m{WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw), 0};
    EXPECT_TRUE(menu.DispatchMenuMessage(m));
    GdiFlush();
    return bitmap;
}

void SendDrawItem(HWND owner, HDC dc, TMenuItem* item, RECT rect) {
    DRAWITEMSTRUCT draw{ODT_MENU, 0, 0, 0, 0, nullptr, dc, rect, reinterpret_cast<ULONG_PTR>(item)};
    SendMessageA(owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
}

std::unique_ptr<TBitmap> Picture(const char* resource) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->LoadFromResourceName(GetModuleHandleA(nullptr), resource);
    return bitmap;
}

std::unique_ptr<TImageList> SolidImages(TColor color) {
    auto list = std::make_unique<TImageList>(nullptr);
    TBitmap image;
    Fill(image, 16, 16, color);
    list->Add(&image, nullptr);
    return list;
}

namespace {
struct TWatch {
    const std::function<bool(HWND)>& Seen;
    ULONGLONG Started;
    bool Held;
};
TWatch* watch = nullptr;

void CALLBACK Look(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND window = FindWindowA("#32768", nullptr);
    if (window && IsWindowVisible(window) && watch->Seen(window))
        watch->Held = true;
    else if (GetTickCount64() - watch->Started < kPumpTimeoutMs)
        return;
    KillTimer(nullptr, timer);
    EndMenu();
}
} // namespace

bool PopupUntil(TPopupMenu& menu, const std::function<bool(HWND)>& seen) {
    TWatch w{seen, GetTickCount64(), false};
    watch = &w;
    SetTimer(nullptr, 0, 10, &Look);
    menu.Popup(120, 100);
    watch = nullptr;
    PumpPending();
    return w.Held;
}
