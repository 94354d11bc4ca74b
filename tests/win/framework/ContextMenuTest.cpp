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
        form->SetName("Form");
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
    TRecordingPopupMenu* formMenu = nullptr;
    TRecordingPopupMenu* ownMenu = nullptr;
    TProbeControl* withMenu = nullptr;
    TProbeControl* withoutMenu = nullptr;
    TImage* picture = nullptr;
};

TEST_F(ContextMenuTest, ARightReleaseShowsTheMenuOfTheControlOrItsParentAtThePointer) {
    const struct {
        TControl* Released; // the control whose window gets the release
        TPoint At;          // in its client area
        TRecordingPopupMenu* Menu;
    } cases[] = {{withMenu, {5, 6}, ownMenu},
                 {form, {23, 104}, ownMenu}, // on the picture, which the form paints
                 {withoutMenu, {7, 8}, formMenu}};
    for (const auto& c : cases) {
        formMenu->Shown.clear();
        ownMenu->Shown.clear();
        c.Released->Perform(WM_RBUTTONUP, 0, PointToLParam(c.At.X, c.At.Y));
        EXPECT_EQ(c.Menu->Shown, std::vector<TPoint>{c.Released->ClientToScreen(c.At)})
            << c.Released->Name();
        EXPECT_EQ(formMenu->Shown.size() + ownMenu->Shown.size(), 1u) << c.Released->Name();
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

} // namespace
