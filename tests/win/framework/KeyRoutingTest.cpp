// Keys through the application's loop: Enter and Escape go to the form's dialog-key broadcast
// before the focused control sees them; Tab and Shift+Tab move the focus in tab order.
#include "FrameworkFixture.h"

namespace {

TEST_F(FormTest, EnterAndEscapeReachTheDialogKeyBroadcastFirst) {
    TProbeControl* focused = AddProbe("Focused", 10, 10);
    AddProbe("Other", 60, 10);
    ShowAndActivate(*form);
    focused->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return focused->Focused(); }));
    for (WORD key : {WORD{VK_RETURN}, WORD{VK_ESCAPE}}) {
        log = {};
        PostKey(focused->Handle(), key);
        ASSERT_TRUE(PumpUntil([&] { return Contains(log.Of("Focused"), WM_KEYDOWN); }))
            << "key " << key;
        const std::vector<UINT> seen = log.Of("Focused");
        ASSERT_GE(seen.size(), 2u);
        EXPECT_EQ(seen.front(), CM_DIALOGKEY) << "the broadcast comes before the key";
        EXPECT_EQ(log.Of("Other").front(), CM_DIALOGKEY) << "every child is asked";
    }
}

TEST_F(FormTest, AControlAnsweringTheDialogKeyKeepsItFromTheFocusedOne) {
    TProbeControl* focused = AddProbe("Focused", 10, 10);
    TProbeControl* taker = AddProbe("Taker", 60, 10);
    taker->DialogKeyAnswer = 1;
    ShowAndActivate(*form);
    focused->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return focused->Focused(); }));
    log = {};
    PostKey(focused->Handle(), VK_RETURN);
    PostKey(focused->Handle(), 'A'); // a plain key after it shows that the loop went on
    ASSERT_TRUE(PumpUntil([&] { return Contains(log.Of("Focused"), WM_KEYDOWN); }));
    EXPECT_EQ(log.Of("Taker").front(), CM_DIALOGKEY);
    const std::vector<UINT> seen = log.Of("Focused");
    EXPECT_EQ(std::count(seen.begin(), seen.end(), WM_KEYDOWN), 1) << "only 'A' arrived";
}

TEST_F(FormTest, AControlWantingAllKeysGetsEnterItself) {
    TProbeControl* focused = AddProbe("Focused", 10, 10);
    AddProbe("Other", 60, 10);
    focused->DialogCode = DLGC_WANTALLKEYS;
    ShowAndActivate(*form);
    focused->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return focused->Focused(); }));
    log = {};
    PostKey(focused->Handle(), VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return !log.Of("Focused").empty(); }));
    EXPECT_EQ(log.Of("Focused").front(), UINT{WM_KEYDOWN});
    EXPECT_TRUE(log.Of("Other").empty());
}

TEST_F(FormTest, TabAndShiftTabCycleThroughTheTabOrder) {
    TProbeControl* a = AddProbe("A", 10, 10);
    TProbeControl* b = AddProbe("B", 60, 10);
    TProbeControl* c = AddProbe("C", 110, 10);
    TProbeControl* skipped = AddProbe("Skipped", 160, 10);
    skipped->SetTabStop(false);
    c->SetTabOrder(0); // tab order: C, A, B, Skipped
    ShowAndActivate(*form);
    c->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return c->Focused(); }));
    for (TProbeControl* expected : {a, b, c, a}) {
        PressKey(VK_TAB);
        EXPECT_TRUE(PumpUntil([&] { return expected->Focused(); })) << expected->Name();
    }
    for (TProbeControl* expected : {c, b, a, c}) {
        PressKey(VK_TAB, {VK_SHIFT});
        EXPECT_TRUE(PumpUntil([&] { return expected->Focused(); })) << expected->Name();
    }
    EXPECT_FALSE(skipped->Focused());
}

} // namespace

namespace {

TEST_F(FormTest, AFreedControlLeavesTheTabOrderAndTheActiveControl) {
    TProbeControl* a = AddProbe("A", 10, 10);
    TProbeControl* b = AddProbe("B", 60, 10);
    TProbeControl* c = AddProbe("C", 110, 10);
    ShowAndActivate(*form);
    b->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return b->Focused(); }));
    ASSERT_EQ(form->ActiveControl(), b);
    b->Free();
    PumpPending();
    EXPECT_NE(form->ActiveControl(), static_cast<TWinControl*>(b));
    std::vector<TWinControl*> order;
    form->GetTabOrderList(order);
    EXPECT_EQ(order, (std::vector<TWinControl*>{a, c}));
    EXPECT_EQ(c->TabOrder(), 1);
    a->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return a->Focused(); }));
    PressKey(VK_TAB);
    EXPECT_TRUE(PumpUntil([&] { return c->Focused(); }));
    PressKey(VK_TAB);
    EXPECT_TRUE(PumpUntil([&] { return a->Focused(); }));
}

} // namespace
