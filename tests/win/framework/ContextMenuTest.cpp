// The context-menu request (a right release, the context-menu key) shows the popup menu of
// the control it concerns, or of the nearest parent that has one.
#include "FrameworkFixture.h"

#include "framework/Menus.h"

namespace {

// Records where it was asked to show instead of running a menu loop.
class TRecordingPopupMenu : public TPopupMenu {
public:
    using TPopupMenu::TPopupMenu;
    void Popup(int x, int y) override { Shown.push_back({x, y}); }
    std::vector<TPoint> Shown;
};

class ContextMenuTest : public FormTest {
protected:
    void SetUp() override {
        FormTest::SetUp();
        ShowAndActivate(*form);
        formMenu = new TRecordingPopupMenu(form);
        ownMenu = new TRecordingPopupMenu(form);
        form->SetPopupMenu(formMenu);
        withMenu = AddProbe("WithMenu", 100, 20);
        withMenu->SetPopupMenu(ownMenu);
        withoutMenu = AddProbe("WithoutMenu", 200, 20);
        picture = new TImage(form);
        picture->SetBounds(20, 100, 50, 40);
        picture->SetParent(form);
        picture->SetPopupMenu(ownMenu);
    }
    static LPARAM RightRelease(TControl& c, int x, int y) {
        return c.Perform(WM_RBUTTONUP, 0, PointToLParam(x, y));
    }
    TRecordingPopupMenu* formMenu = nullptr;
    TRecordingPopupMenu* ownMenu = nullptr;
    TProbeControl* withMenu = nullptr;
    TProbeControl* withoutMenu = nullptr;
    TImage* picture = nullptr;
};

TEST_F(ContextMenuTest, TheRequestShowsTheMenuOfTheControlOrItsParent) {
    constexpr LPARAM kFromKeyboard = -1;
    const struct {
        const char* What;
        std::function<void()> Request;
        TRecordingPopupMenu* Menu;
        TPoint At; // screen
    } cases[] = {
        {"right release on a windowed control", [&] { RightRelease(*withMenu, 5, 6); }, ownMenu,
         withMenu->ClientToScreen({5, 6})},
        {"right release on a picture", [&] { RightRelease(*form, 23, 104); }, ownMenu,
         form->ClientToScreen({23, 104})},
        {"right release on a control without a menu", [&] { RightRelease(*withoutMenu, 7, 8); },
         formMenu, withoutMenu->ClientToScreen({7, 8})},
        {"keyboard on a windowed control",
         [&] { withMenu->Perform(WM_CONTEXTMENU, WPARAM(withMenu->Handle()), kFromKeyboard); },
         ownMenu, withMenu->ClientToScreen({0, 0})},
        {"keyboard on the form",
         [&] { form->Perform(WM_CONTEXTMENU, WPARAM(form->Handle()), kFromKeyboard); }, formMenu,
         form->ClientToScreen({0, 0})},
    };
    for (const auto& c : cases) {
        formMenu->Shown.clear();
        ownMenu->Shown.clear();
        c.Request();
        EXPECT_EQ(c.Menu->Shown, std::vector<TPoint>{c.At}) << c.What;
        TRecordingPopupMenu* other = c.Menu == ownMenu ? formMenu : ownMenu;
        EXPECT_TRUE(other->Shown.empty()) << c.What;
    }
}

TEST_F(ContextMenuTest, TheContextMenuKeysShowTheMenuOnceAtTheFocusedControl) {
    withMenu->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return withMenu->Focused(); }));
    const struct {
        WORD Key;
        std::initializer_list<WORD> Modifiers;
        size_t Shown;
    } cases[] = {{VK_APPS, {}, 1}, {VK_F10, {VK_SHIFT}, 1}, {VK_F10, {VK_SHIFT, VK_CONTROL}, 0}};
    for (const auto& c : cases) {
        ownMenu->Shown.clear();
        PressKey(c.Key, c.Modifiers);
        EXPECT_EQ(ownMenu->Shown.size(), c.Shown) << c.Key;
        for (const TPoint& at : ownMenu->Shown)
            EXPECT_EQ(at, withMenu->ClientToScreen({0, 0})) << c.Key;
    }
}

TEST_F(ContextMenuTest, AFreedMenuIsNoLongerShown) {
    ownMenu->Free();
    EXPECT_EQ(withMenu->PopupMenu(), nullptr);
    RightRelease(*withMenu, 5, 6);
    EXPECT_EQ(formMenu->Shown.size(), 1u) << "the parent's menu stands in";
}

} // namespace
