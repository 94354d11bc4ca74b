// Many paints leave no GDI or USER objects behind (the application icon is copied for every
// paint). Where GetGuiResources counts nothing (Wine), the objects alive are measured by how
// many more small objects of each kind the process can still make: the handle tables have a
// fixed size, and every object left behind takes one slot.
#include "TitleBarFixture.h"

namespace {
constexpr int kPaints = 10000;
constexpr int kSlack = 64;
constexpr size_t kProbeLimit = 200000;

template <class Make, class Drop> int FreeSlots(Make make, Drop drop) {
    std::vector<void*> made;
    while (made.size() < kProbeLimit) {
        void* h = make();
        if (!h)
            break;
        made.push_back(h);
    }
    for (void* h : made)
        drop(h);
    return static_cast<int>(made.size());
}

int LiveGdiObjects() {
    if (DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS))
        return static_cast<int>(counted);
    return -FreeSlots([] { return static_cast<void*>(CreateBitmap(1, 1, 1, 1, nullptr)); },
                      [](void* h) { DeleteObject(static_cast<HBITMAP>(h)); });
}

int LiveUserObjects() {
    if (DWORD counted = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS))
        return static_cast<int>(counted);
    ACCEL accel{FVIRTKEY, 'A', 1};
    return -FreeSlots([&] { return static_cast<void*>(CreateAcceleratorTableA(&accel, 1)); },
                      [](void* h) { DestroyAcceleratorTable(static_cast<HACCEL>(h)); });
}

// An icon made in memory: Wine hands out shared copies of resource icons, so only copies of
// this one show whether the copies made by painting are destroyed.
TOwnedIconHandle MadeIcon() {
    TBitmap colour, mask;
    Fill(colour, 16, 16, 0x3060C0);
    Fill(mask, 16, 16, 0x000000);
    ICONINFO info{TRUE, 0, 0, mask.Handle(), colour.Handle()};
    return TOwnedIconHandle(CreateIconIndirect(&info));
}
} // namespace

TEST_F(TitleBarTest, TenThousandPaintsLeaveGdiAndUserObjectCountsFlat) {
    ASSERT_NE(Application->Icon()->Handle(), nullptr) << "the program carries MAINICON";
    TOwnedIconHandle resourceIcon = Application->Icon()->ReleaseHandle();
    Application->Icon()->SetHandle(MadeIcon());
    AddBar(BlueGlass);
    bar->SetCaption("Counting objects");
    HoverUntil(ButtonCentre(CloseLeft()), IndexOf(suiClose));
    TBitmap target;
    target.SetSize(bar->Width(), bar->Height());
    const auto dc = reinterpret_cast<WPARAM>(target.Canvas()->Handle());
    bar->Perform(WM_PAINT, dc, 0);
    const int gdiBefore = LiveGdiObjects(), userBefore = LiveUserObjects();
    for (int i = 0; i < kPaints; ++i) {
        bar->SetFormActive(i % 2 == 0);
        bar->Perform(WM_PAINT, dc, 0);
    }
    EXPECT_EQ(bar->HotButton(), IndexOf(suiClose)) << "the paints drew the hot close button";
    EXPECT_LE(LiveGdiObjects(), gdiBefore + kSlack);
    EXPECT_LE(LiveUserObjects(), userBefore + kSlack);
    Application->Icon()->SetHandle(std::move(resourceIcon));
}
