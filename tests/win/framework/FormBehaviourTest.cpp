// Forms: placement on the desktop and closing the main form.
#include "FrameworkFixture.h"

namespace {

TEST(DesktopCentreTest, PlacesTheFormInTheMiddleOfTheScreen) {
    TForm* form = new TForm(Application);
    form->SetBorderStyle(bsNone);
    ASSERT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), 1024);
    ASSERT_EQ(GetSystemMetrics(SM_CYVIRTUALSCREEN), 768);
    form->SetPosition(poDesktopCenter);
    form->SetClientWidth(800);
    form->SetClientHeight(480);
    ShowAndActivate(*form);
    EXPECT_EQ(form->Left(), 112);
    EXPECT_EQ(form->Top(), 144);
    EXPECT_EQ(WindowBoundsOf(form->Handle()), (TWindowBounds{112, 144, 800, 480}));
    form->Free();
}

TEST(MainFormTest, ClosingTheMainFormEndsTheLoop) {
    ASSERT_EQ(Application->MainForm(), nullptr);
    TForm* main = nullptr;
    Application->CreateForm(main);
    ASSERT_EQ(Application->MainForm(), main);
    main->SetBorderStyle(bsNone);
    ShowAndActivate(*main);
    EXPECT_FALSE(Application->Terminated());
    PostMessageA(main->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(PumpUntil([] { return Application->Terminated(); }));
    main->Free();
    EXPECT_EQ(Application->MainForm(), nullptr);
}

} // namespace
