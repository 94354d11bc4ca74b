// The keyboard through the application's loop: Space and Enter on the focused button, key
// handlers that swallow the key, Default and Cancel, accelerators.
#include "ButtonFixture.h"

namespace {

// Sets the key to 0 in OnKeyDown or OnKeyUp.
struct TKeySwallower {
    bool Down = false, Up = false;
    void KeyDown(TObject*, WORD& key, TShiftState) {
        if (Down)
            key = 0;
    }
    void KeyUp(TObject*, WORD& key, TShiftState) {
        if (Up)
            key = 0;
    }
};

class KeyboardTest : public ButtonTest {
protected:
    TsuiImageButton* Add(int left, TButtonEventLog& log) {
        TsuiImageButton* b = AddButton(left, 20);
        GiveStatePictures(*b);
        log.Watch(*b);
        return b;
    }
    void Focus(TWinControl& control) {
        control.SetFocus();
        ASSERT_TRUE(PumpUntil([&] { return control.Focused(); }));
    }
};

TEST_F(KeyboardTest, SpaceAndEnterPressAtKeyDownAndClickAtKeyUp) {
    TButtonEventLog log;
    TsuiImageButton* button = Add(20, log);
    Focus(*button);
    for (WORD key : {WORD{VK_SPACE}, WORD{VK_RETURN}}) {
        PostKey(button->Handle(), key);
        ASSERT_TRUE(PumpUntil([&] { return button->Pressed(); })) << key;
        EXPECT_EQ(ScreenPixels(*button).At(30, 15), kPressedRgb);
        EXPECT_EQ(log.Count("click"), 0) << "no click while the key is down";
        PostKey(button->Handle(), key, true);
        ASSERT_TRUE(PumpUntil([&] { return log.Count("click") == 1; })) << key;
        EXPECT_FALSE(button->Pressed());
        EXPECT_EQ(ScreenPixels(*button).At(30, 15), kNormalRgb);
        log.Entries.clear();
    }
}

TEST_F(KeyboardTest, AKeyHandlerSettingTheKeyToZeroSuppressesPressAndClick) {
    TButtonEventLog log;
    TsuiImageButton* button = Add(20, log);
    TKeySwallower swallower;
    button->OnKeyDown = TKeyEvent::Bind<&TKeySwallower::KeyDown>(&swallower);
    button->OnKeyUp = TKeyEvent::Bind<&TKeySwallower::KeyUp>(&swallower);
    Focus(*button);
    swallower.Down = true;
    EXPECT_EQ(button->Perform(WM_KEYDOWN, VK_SPACE), 0);
    EXPECT_FALSE(button->Pressed());
    swallower.Down = false;
    swallower.Up = true;
    button->Perform(WM_KEYDOWN, VK_SPACE);
    EXPECT_TRUE(button->Pressed());
    button->Perform(WM_KEYUP, VK_SPACE);
    EXPECT_EQ(log.Count("click"), 0);
    EXPECT_TRUE(button->Pressed()) << "the key up never reached the button";
}

TEST_F(KeyboardTest, KeysNeedTheFocusAndAnEnabledButton) {
    TButtonEventLog log;
    TsuiImageButton* button = Add(20, log);
    TsuiImageButton* other = AddButton(100, 20);
    Focus(*other);
    button->Perform(WM_KEYDOWN, VK_SPACE);
    EXPECT_FALSE(button->Pressed());
    Focus(*button);
    button->Perform(WM_KEYDOWN, 'A');
    EXPECT_FALSE(button->Pressed()) << "only Space and Enter";
    button->Perform(WM_KEYDOWN, VK_SPACE);
    ASSERT_TRUE(button->Pressed());
    button->SetEnabled(false);
    button->Perform(WM_KEYUP, VK_SPACE);
    EXPECT_EQ(log.Count("click"), 0);
}

TEST_F(KeyboardTest, EnterClicksTheDefaultButtonWhileAnotherHasTheFocus) {
    TButtonEventLog defaultLog, focusedLog;
    TsuiImageButton* byDefault = Add(20, defaultLog);
    TsuiImageButton* focused = Add(100, focusedLog);
    byDefault->SetDefault(true);
    EXPECT_TRUE(byDefault->ActiveDefault());
    Focus(*focused);
    PressKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return defaultLog.Count("click") == 1; }));
    PumpPending();
    EXPECT_EQ(focusedLog.Count("click"), 0);
    EXPECT_FALSE(focused->Pressed());
    EXPECT_TRUE(focused->Focused()) << "the focus stays";

    // Moving the Default role moves Enter with it.
    byDefault->SetDefault(false);
    EXPECT_FALSE(byDefault->ActiveDefault());
    focused->SetDefault(true);
    PressKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return focusedLog.Count("click") == 1; }));
    EXPECT_EQ(defaultLog.Count("click"), 1);
}

TEST_F(KeyboardTest, EscapeClicksTheCancelButtonUnlessItIsDisabled) {
    TButtonEventLog cancelLog, focusedLog;
    TsuiImageButton* cancel = Add(20, cancelLog);
    TsuiImageButton* focused = Add(100, focusedLog);
    cancel->SetCancel(true);
    Focus(*focused);
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(PumpUntil([&] { return cancelLog.Count("click") == 1; }));
    cancel->SetEnabled(false);
    PressKey(VK_ESCAPE);
    PressKey(VK_SPACE); // keys are handled in order: once Space clicked, Escape was handled
    ASSERT_TRUE(PumpUntil([&] { return focusedLog.Count("click") == 1; }));
    EXPECT_EQ(cancelLog.Count("click"), 1);
}

TEST_F(KeyboardTest, EnterWithShiftCtrlOrAltDoesNotReachTheDefaultButton) {
    TButtonEventLog defaultLog, focusedLog;
    TsuiImageButton* byDefault = Add(20, defaultLog);
    TsuiImageButton* focused = Add(100, focusedLog);
    byDefault->SetDefault(true);
    Focus(*focused);
    int expectedFocusedClicks = 0;
    for (WORD modifier : {WORD{VK_SHIFT}, WORD{VK_CONTROL}, WORD{VK_MENU}}) {
        PressKey(VK_RETURN, {modifier});
        // Shift and Ctrl leave Enter to the focused button, which clicks like with Space.
        if (modifier != VK_MENU) {
            ++expectedFocusedClicks;
            EXPECT_TRUE(PumpUntil([&] {
                return focusedLog.Count("click") == expectedFocusedClicks;
            })) << "modifier "
                << modifier;
        } else {
            PressKey(VK_SPACE); // keys are handled in order
            ++expectedFocusedClicks;
            EXPECT_TRUE(
                PumpUntil([&] { return focusedLog.Count("click") == expectedFocusedClicks; }));
        }
        EXPECT_EQ(defaultLog.Count("click"), 0) << "modifier " << modifier;
    }
    PressKey(VK_RETURN);
    EXPECT_TRUE(PumpUntil([&] { return defaultLog.Count("click") == 1; })) << "plain Enter does";
}

TEST_F(KeyboardTest, AltAndTheAcceleratorClickTheButton) {
    TButtonEventLog log;
    TsuiImageButton* go = Add(20, log);
    go->SetCaption("&Go");
    auto* plain = new TCustomControl(form); // a focusable window that is no picture button
    plain->SetBounds(200, 20, 40, 30);
    plain->SetTabStop(true);
    plain->SetParent(form);
    Focus(*plain);
    PressKey('G', {VK_MENU});
    ASSERT_TRUE(PumpUntil([&] { return log.Count("click") == 1; }));
    PressKey('G');
    PressKey('H', {VK_MENU});
    PressKey('G', {VK_MENU}); // keys are handled in order: the keys before did not click
    ASSERT_TRUE(PumpUntil([&] { return log.Count("click") == 2; }));
    PumpPending();
    EXPECT_EQ(log.Count("click"), 2) << "a plain 'g' on another kind of window does nothing";
}

TEST_F(KeyboardTest, APlainAcceleratorKeyClicksWhenAPictureButtonHasTheFocus) {
    TButtonEventLog goLog, focusedLog;
    TsuiImageButton* go = Add(20, goLog);
    go->SetCaption("&Go");
    TsuiImageButton* focused = Add(100, focusedLog);
    Focus(*focused);
    PressKey('G');
    ASSERT_TRUE(PumpUntil([&] { return goLog.Count("click") == 1; }));
    EXPECT_EQ(focusedLog.Count("click"), 0);
    EXPECT_EQ(go->Perform(CM_DIALOGCHAR, 'g'), 1);
    EXPECT_EQ(go->Perform(CM_DIALOGCHAR, 'o'), 0);
}

TEST_F(KeyboardTest, NoAcceleratorForADisabledButtonOrParent) {
    TButtonEventLog log;
    auto* panel = new TCustomControl(form);
    panel->SetControlStyle(panel->ControlStyle() | csAcceptsControls);
    panel->SetBounds(10, 10, 200, 100);
    panel->SetParent(form);
    auto* go = new TsuiImageButton(form);
    go->SetBounds(10, 10, 60, 30);
    go->SetParent(panel);
    go->SetCaption("&Go");
    log.Watch(*go);
    TButtonEventLog focusedLog;
    TsuiImageButton* focused = Add(250, focusedLog);
    Focus(*focused);
    const LPARAM alt = LPARAM{1} << 29;
    EXPECT_EQ(go->Perform(CM_DIALOGCHAR, 'G', alt), 1);
    go->SetEnabled(false);
    EXPECT_EQ(go->Perform(CM_DIALOGCHAR, 'G', alt), 0);
    go->SetEnabled(true);
    panel->SetEnabled(false);
    EXPECT_EQ(go->Perform(CM_DIALOGCHAR, 'G', alt), 0);
    PressKey('G', {VK_MENU});
    PressKey(VK_SPACE); // keys are handled in order
    ASSERT_TRUE(PumpUntil([&] { return focusedLog.Count("click") == 1; }));
    EXPECT_EQ(log.Count("click"), 1) << "only the first, enabled, case clicked";
}

} // namespace
