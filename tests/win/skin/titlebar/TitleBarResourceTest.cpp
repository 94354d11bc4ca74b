// Many paints leave no GDI or USER objects behind (the application icon is copied for every
// paint). Wine counts neither kind, so the lowest free slot of each handle table is watched:
// objects left behind push it up.
#include "TitleBarFixture.h"

namespace {
constexpr int kPaints = 10000;
constexpr int kSlack = 64;

int FreshGdiSlot() {
    HBRUSH brush = CreateSolidBrush(0);
    const int slot = LOWORD(reinterpret_cast<ULONG_PTR>(brush));
    DeleteObject(brush);
    return slot;
}

int FreshUserSlot() {
    HICON icon = CopyIcon(LoadIconA(nullptr, MAKEINTRESOURCEA(32512))); // IDI_APPLICATION
    const int slot = LOWORD(reinterpret_cast<ULONG_PTR>(icon));
    DestroyIcon(icon);
    return slot;
}

struct TCounts {
    DWORD Gdi, User;
    int GdiSlot, UserSlot;
};
TCounts Counts() {
    return {GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
            GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), FreshGdiSlot(), FreshUserSlot()};
}
} // namespace

TEST_F(TitleBarTest, TenThousandPaintsLeaveGdiAndUserObjectCountsFlat) {
    ASSERT_NE(Application->Icon()->Handle(), nullptr) << "the program carries MAINICON";
    AddBar(BlueGlass);
    bar->SetCaption("Counting objects");
    HoverUntil(ButtonCentre(CloseLeft()), IndexOf(suiClose));
    TBitmap target;
    target.SetSize(bar->Width(), bar->Height());
    const auto dc = reinterpret_cast<WPARAM>(target.Canvas()->Handle());
    bar->Perform(WM_PAINT, dc, 0);
    const TCounts before = Counts();
    for (int i = 0; i < kPaints; ++i) {
        bar->SetFormActive(i % 2 == 0);
        bar->Perform(WM_PAINT, dc, 0);
    }
    EXPECT_EQ(bar->HotButton(), IndexOf(suiClose)) << "the paints drew the hot close button";
    const TCounts after = Counts();
    EXPECT_LE(after.Gdi, before.Gdi + kSlack);
    EXPECT_LE(after.User, before.User + kSlack);
    EXPECT_LE(after.GdiSlot, before.GdiSlot + kSlack) << "GDI slots " << before.GdiSlot;
    EXPECT_LE(after.UserSlot, before.UserSlot + kSlack) << "USER slots " << before.UserSlot;
}
