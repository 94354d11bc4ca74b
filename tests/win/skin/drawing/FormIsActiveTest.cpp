#include "skin/SUIPublic.h"
#include "tests/win/support/WinTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class FormIsActiveTest : public ::testing::Test {
protected:
    void TearDown() override { Application->SetMainForm(nullptr); }

    static std::unique_ptr<TForm> NewForm(TFormStyle style, int left) {
        auto form = std::make_unique<TForm>(nullptr);
        form->SetFormStyle(style);
        form->SetBounds(left, 40, 240, 160);
        return form;
    }
    static bool Activate(TForm& form) {
        SetActiveWindow(form.Handle());
        return PumpUntil([&] { return form.Active() && GetActiveWindow() == form.Handle(); });
    }
    // No window of this thread is active any more.
    static bool DeactivateApplication() {
        SetActiveWindow(nullptr);
        return PumpUntil([] { return !Application->Active(); });
    }
};

TEST_F(FormIsActiveTest, WithoutMainFormTheFormsOwnActiveFlag) {
    auto first = NewForm(fsNormal, 20);
    auto second = NewForm(fsNormal, 300);
    first->Show();
    second->Show();
    ASSERT_TRUE(Activate(*first));
    EXPECT_TRUE(FormIsActive(first.get()));
    EXPECT_FALSE(FormIsActive(second.get()));
    ASSERT_TRUE(Activate(*second));
    EXPECT_FALSE(FormIsActive(first.get()));
    EXPECT_TRUE(FormIsActive(second.get()));
    EXPECT_FALSE(FormIsActive(nullptr)); // nothing to ask: not active
}

TEST_F(FormIsActiveTest, PlainMainFormAnsweredByTheApplicationAndTheFormsFlag) {
    auto main = NewForm(fsNormal, 20);
    auto other = NewForm(fsNormal, 300);
    Application->SetMainForm(main.get());
    main->Show();
    other->Show();
    ASSERT_TRUE(Activate(*other));
    EXPECT_TRUE(FormIsActive(other.get()));
    EXPECT_TRUE(FormIsActive(main.get())); // the main form counts as active with the application
    EXPECT_TRUE(FormIsActive(nullptr));
    ASSERT_TRUE(Activate(*main));
    EXPECT_FALSE(FormIsActive(other.get()));

    ASSERT_TRUE(DeactivateApplication());
    EXPECT_FALSE(FormIsActive(main.get()));
    EXPECT_FALSE(FormIsActive(other.get()));
    EXPECT_FALSE(FormIsActive(nullptr));
}

class MdiFormIsActiveTest : public FormIsActiveTest {
protected:
    void SetUp() override {
        frame = NewForm(fsMDIForm, 20);
        frame->SetBounds(20, 20, 500, 400);
        Application->SetMainForm(frame.get());
        frame->Show();
        childA = NewForm(fsMDIChild, 10);
        childB = NewForm(fsMDIChild, 200);
        childA->Show();
        childB->Show();
        ASSERT_TRUE(frame->ClientHandle());
        ASSERT_EQ(GetParent(childA->Handle()), frame->ClientHandle());
        ASSERT_EQ(GetParent(childB->Handle()), frame->ClientHandle());
        ASSERT_TRUE(Activate(*frame));
    }
    void TearDown() override {
        childA.reset();
        childB.reset();
        FormIsActiveTest::TearDown();
        frame.reset();
    }
    bool ActivateChild(TForm& child) {
        SendMessageA(frame->ClientHandle(), WM_MDIACTIVATE,
                     reinterpret_cast<WPARAM>(child.Handle()), 0);
        return PumpUntil([&] { return frame->ActiveMDIChild() == &child; });
    }
    std::unique_ptr<TForm> frame, childA, childB;
};

TEST_F(MdiFormIsActiveTest, TheActiveChildIsActiveAndAnotherChildHasItsOwnFlag) {
    ASSERT_TRUE(ActivateChild(*childA));
    EXPECT_TRUE(FormIsActive(childA.get()));
    EXPECT_EQ(FormIsActive(childB.get()), childB->Active());
    EXPECT_FALSE(FormIsActive(childB.get()));

    ASSERT_TRUE(ActivateChild(*childB));
    EXPECT_TRUE(FormIsActive(childB.get()));
    EXPECT_FALSE(FormIsActive(childA.get()));
    EXPECT_EQ(frame->MDIChildCount(), 2);
}

TEST_F(MdiFormIsActiveTest, TheFrameIsActiveEvenWhenTheApplicationIsNot) {
    ASSERT_TRUE(ActivateChild(*childA));
    EXPECT_TRUE(FormIsActive(frame.get()));
    ASSERT_TRUE(DeactivateApplication());
    EXPECT_TRUE(FormIsActive(frame.get()));
    EXPECT_FALSE(FormIsActive(childA.get())); // the application is not active
    EXPECT_FALSE(FormIsActive(nullptr));
}

TEST_F(MdiFormIsActiveTest, ChildCountFollowsTheChildWindows) {
    EXPECT_EQ(frame->MDIChildCount(), 2);
    childB.reset();
    EXPECT_EQ(frame->MDIChildCount(), 1);
    EXPECT_EQ(frame->ActiveMDIChild(), childA.get());
}

} // namespace
