// The click hands the button's modal result to the form it lies on, and to no other.
#include "ButtonFixture.h"

namespace {

TEST_F(ButtonTest, AClickHandsTheModalResultToTheForm) {
    TsuiImageButton* button = AddButton();
    TButtonEventLog log;
    log.Watch(*button);
    button->SetModalResult(mrOk);
    button->Click();
    EXPECT_EQ(form->ModalResult(), mrOk);
    button->SetModalResult(mrNone);
    button->Click();
    EXPECT_EQ(form->ModalResult(), mrNone) << "0 is handed over too";
    EXPECT_EQ(log.Count("click"), 2);
}

TEST_F(ButtonTest, AButtonInsideAContainerReachesTheFormAbove) {
    auto* panel = new TCustomControl(form);
    panel->SetControlStyle(panel->ControlStyle() | csAcceptsControls);
    panel->SetBounds(10, 10, 200, 100);
    panel->SetParent(form);
    auto* button = new TsuiImageButton(form);
    button->SetParent(panel);
    button->SetModalResult(mrCancel);
    PostMessageA(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(3, 3));
    PostMessageA(button->Handle(), WM_LBUTTONUP, 0, PointToLParam(3, 3));
    EXPECT_TRUE(PumpUntil([&] { return form->ModalResult() == mrCancel; }));
}

TEST_F(ButtonTest, AButtonOnNoFormClicksWithoutAModalResult) {
    TCustomControl container(nullptr);
    TsuiImageButton* button = new TsuiImageButton(&container);
    button->SetParent(&container);
    button->SetModalResult(mrOk);
    TButtonEventLog log;
    log.Watch(*button);
    form->SetModalResult(IDABORT);
    button->Click();
    EXPECT_EQ(log.Count("click"), 1);
    EXPECT_EQ(form->ModalResult(), IDABORT);

    TsuiImageButton orphan(nullptr);
    log.Watch(orphan);
    orphan.SetModalResult(mrOk);
    orphan.Click();
    EXPECT_EQ(log.Count("click"), 2);
    EXPECT_EQ(form->ModalResult(), IDABORT);
}

} // namespace
