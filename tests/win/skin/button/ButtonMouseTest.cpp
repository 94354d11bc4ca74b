// The mouse: press, the repeat timer while held, the order of a click, leaving by moving,
// pointer entered and left from real cursor moves and from the notifications.
#include "ButtonFixture.h"

namespace {

class MouseTest : public ButtonTest {
protected:
    TsuiImageButton* AddWatched() {
        button = AddButton();
        GiveStatePictures(*button);
        events.Watch(*button);
        return button;
    }
    void Post(UINT msg, int x = 5, int y = 5) {
        PostMessageA(button->Handle(), msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0,
                     PointToLParam(x, y));
    }
    // Pumps for `ms` milliseconds of real time (the hold of a press).
    static void Hold(int ms) {
        const ULONGLONG until = GetTickCount64() + static_cast<ULONGLONG>(ms);
        PumpUntil([until] { return GetTickCount64() >= until; }, ms + 1000);
    }
    TsuiImageButton* button = nullptr;
    TButtonEventLog events;
};

TEST_F(MouseTest, APressTakesTheFocusShowsThePressedPictureAndStartsTheTimer) {
    AddWatched();
    TsuiImageButton* other = AddButton(100, 20);
    other->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return other->Focused(); }));
    Post(WM_LBUTTONDOWN);
    ASSERT_TRUE(PumpUntil([&] { return button->Pressed(); }));
    EXPECT_TRUE(button->Focused());
    EXPECT_TRUE(button->RepeatTimerActive());
    EXPECT_EQ(ScreenPixels(*button).At(30, 15), kPressedRgb);
    Post(WM_LBUTTONUP);
    ASSERT_TRUE(PumpUntil([&] { return events.Count("click") == 1; }));
    EXPECT_FALSE(button->Pressed());
    EXPECT_FALSE(button->RepeatTimerActive());
    EXPECT_EQ(ScreenPixels(*button).At(30, 15), kNormalRgb);
}

TEST_F(MouseTest, APressWithoutTabStopLeavesTheFocus) {
    AddWatched();
    button->SetTabStop(false);
    TsuiImageButton* other = AddButton(100, 20);
    other->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return other->Focused(); }));
    Post(WM_LBUTTONDOWN);
    ASSERT_TRUE(PumpUntil([&] { return button->Pressed(); }));
    EXPECT_TRUE(other->Focused());
    Post(WM_LBUTTONUP);
    EXPECT_TRUE(PumpUntil([&] { return events.Count("click") == 1; }));
}

TEST_F(MouseTest, OtherMouseButtonsOnlyFireOnMouseDown) {
    AddWatched();
    for (UINT msg : {WM_RBUTTONDOWN, WM_MBUTTONDOWN}) {
        PostMessageA(button->Handle(), msg, 0, PointToLParam(5, 5));
        ASSERT_TRUE(PumpUntil([&] { return events.Count("down:other") > 0; }));
        EXPECT_FALSE(button->Pressed());
        EXPECT_FALSE(button->RepeatTimerActive());
        events.Entries.clear();
    }
    PostMessageA(button->Handle(), WM_RBUTTONUP, 0, PointToLParam(5, 5));
    PumpUntil([&] { return events.Count("up") == 1; });
    EXPECT_EQ(events.Count("click"), 0);
}

// Timers never fire early: the first event comes no sooner than one interval after the press,
// the next ones no sooner than an interval apart (how late they come depends on the machine).
TEST_F(MouseTest, HoldingGivesARepeatEventEveryInterval) {
    AddWatched();
    button->SetMouseContinuouslyDownInterval(100);
    Post(WM_LBUTTONDOWN);
    ASSERT_TRUE(PumpUntil([&] { return button->Pressed(); }));
    const ULONGLONG pressedAt = GetTickCount64();
    ASSERT_TRUE(PumpUntil([&] { return events.Count("repeat") >= 3; }));
    Post(WM_LBUTTONUP);
    ASSERT_TRUE(PumpUntil([&] { return events.Count("click") == 1; }));
    const int repeats = events.Count("repeat");
    ASSERT_EQ(events.RepeatTimes.size(), static_cast<size_t>(repeats));
    EXPECT_GE(events.RepeatTimes.front() - pressedAt, 85u)
        << "the first event comes one interval after the press";
    for (size_t i = 1; i < events.RepeatTimes.size(); ++i)
        EXPECT_GE(events.RepeatTimes[i] - events.RepeatTimes[i - 1], 70u);
    Hold(250);
    EXPECT_EQ(events.Count("repeat"), repeats) << "no repeat events after the click";
}

TEST_F(MouseTest, AnIntervalOfZeroGivesNoRepeatEventsButStillATimer) {
    AddWatched();
    for (int interval : {0, -5}) {
        button->SetMouseContinuouslyDownInterval(interval);
        Post(WM_LBUTTONDOWN);
        ASSERT_TRUE(PumpUntil([&] { return button->Pressed(); }));
        EXPECT_TRUE(button->RepeatTimerActive());
        Hold(350);
        Post(WM_LBUTTONUP);
        ASSERT_TRUE(PumpUntil([&] { return !button->Pressed(); }));
        EXPECT_EQ(events.Count("repeat"), 0) << "interval " << interval;
    }
}

TEST_F(MouseTest, TheTimerGoesWithPointerLeftAndCancelMode) {
    AddWatched();
    for (UINT notification : {CM_MOUSELEAVE, CM_CANCELMODE}) {
        Post(WM_LBUTTONDOWN);
        ASSERT_TRUE(PumpUntil([&] { return button->RepeatTimerActive(); }));
        button->Perform(notification);
        EXPECT_FALSE(button->RepeatTimerActive());
        EXPECT_FALSE(button->Pressed());
        EXPECT_EQ(ScreenPixels(*button).At(30, 15), kNormalRgb);
        const int before = events.Count("repeat");
        Hold(250);
        EXPECT_EQ(events.Count("repeat"), before) << "no events once the timer is gone";
        Post(WM_LBUTTONUP);
        PumpPending();
    }
    // The pointer-left notification reports the exit; cancel mode does not.
    EXPECT_EQ(events.Count("exit"), 1);
}

TEST_F(MouseTest, AClickRunsInOrderPressPaintDownRepeatsPaintClickUp) {
    AddWatched();
    std::vector<std::string> order;
    TWindowProcTap tap(*button, [&](TMessage& m) {
        if (m.Msg == WM_PAINT) {
            const std::string entry = button->Pressed() ? "paint:pressed" : "paint:released";
            if (order.empty() || order.back() != entry)
                order.push_back(entry);
        }
        return false;
    });
    events.Entries.clear();
    auto record = [&] {
        for (const std::string& e : events.Entries)
            order.push_back(e);
        events.Entries.clear();
    };
    Post(WM_LBUTTONDOWN);
    ASSERT_TRUE(PumpUntil([&] { return events.Count("down") == 1; }));
    record();
    ASSERT_TRUE(PumpUntil([&] { return events.Count("repeat") == 2; }));
    record();
    Post(WM_LBUTTONUP);
    ASSERT_TRUE(PumpUntil([&] { return events.Count("up") == 1; }));
    record();
    EXPECT_EQ(order, (std::vector<std::string>{"paint:pressed", "down", "repeat", "repeat",
                                               "paint:released", "click", "up"}));
}

TEST_F(MouseTest, MovingPastTheEdgeWhileHeldClearsPressedButKeepsTheTimer) {
    AddWatched();
    std::vector<bool> pressedDuringMove;
    struct TMoveRecorder {
        TsuiImageButton* Button;
        std::vector<bool>* Seen;
        void Move(TObject*, TShiftState, int, int) { Seen->push_back(Button->Pressed()); }
    } recorder{button, &pressedDuringMove};
    button->OnMouseMove = TMouseMoveEvent::Bind<&TMoveRecorder::Move>(&recorder);
    button->Perform(CM_MOUSEENTER);
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(5, 5));
    button->Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam(60, 30)); // X = Width: inside
    EXPECT_TRUE(button->Pressed());
    EXPECT_TRUE(button->PointerInside());
    button->Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam(61, 10));
    EXPECT_FALSE(button->Pressed());
    EXPECT_FALSE(button->PointerInside());
    EXPECT_TRUE(button->RepeatTimerActive()) << "until the pointer-left notification";
    EXPECT_EQ(ScreenPixels(*button).At(30, 15), kNormalRgb);
    EXPECT_EQ(pressedDuringMove, (std::vector<bool>{true, true})) << "OnMouseMove runs first";

    for (auto [x, y] : {std::pair{-1, 5}, std::pair{5, -1}, std::pair{5, 31}}) {
        button->Perform(CM_MOUSEENTER);
        button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(5, 5));
        button->Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam(x, y));
        EXPECT_FALSE(button->Pressed()) << x << "," << y;
        EXPECT_FALSE(button->PointerInside()) << x << "," << y;
    }
}

TEST_F(MouseTest, TheClickFreesTheTimerEvenAfterPressedWasClearedByMoving) {
    AddWatched();
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(5, 5));
    button->Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam(70, 5));
    button->Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam(10, 5));
    ASSERT_FALSE(button->Pressed());
    button->Perform(WM_LBUTTONUP, 0, PointToLParam(10, 5));
    EXPECT_EQ(events.Count("click"), 1) << "the release inside still clicks";
    EXPECT_FALSE(button->RepeatTimerActive()) << "no repeat events after the click";
}

// A release counts inside exactly where a move does (the button is 60 x 30).
TEST_F(MouseTest, ReleasesClickWhereMovesCountAsInside) {
    AddWatched();
    struct Case {
        int X, Y;
        bool Inside;
    } cases[] = {{60, 5, true}, {5, 30, true}, {61, 5, false}, {5, 31, false}, {-1, 5, false}};
    for (const Case& c : cases) {
        const int before = events.Count("click");
        button->Perform(CM_MOUSEENTER);
        button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(5, 5));
        button->Perform(WM_MOUSEMOVE, MK_LBUTTON, PointToLParam(c.X, c.Y));
        EXPECT_EQ(button->PointerInside(), c.Inside) << c.X << "," << c.Y;
        button->Perform(WM_LBUTTONUP, 0, PointToLParam(c.X, c.Y));
        EXPECT_EQ(events.Count("click") - before, c.Inside ? 1 : 0) << c.X << "," << c.Y;
    }
}

TEST_F(MouseTest, TheNotificationsSetAndClearPointerInside) {
    AddWatched();
    button->Perform(CM_MOUSEENTER);
    EXPECT_TRUE(button->PointerInside());
    EXPECT_EQ(ScreenPixels(*button).At(30, 15), kHoverRgb);
    button->Perform(CM_MOUSELEAVE);
    EXPECT_FALSE(button->PointerInside());
    EXPECT_EQ(ScreenPixels(*button).At(30, 15), kNormalRgb);
    EXPECT_EQ(events.Entries, (std::vector<std::string>{"enter", "exit"}));

    button->SetDesigning(true);
    button->Perform(CM_MOUSEENTER);
    EXPECT_FALSE(button->PointerInside()) << "not while the form is being designed";
    EXPECT_EQ(events.Count("enter"), 1);
}

TEST_F(MouseTest, PointerLeftFiresOnMouseExitAndThenTheFrameworksOnMouseLeave) {
    AddWatched();
    button->OnMouseLeave = TNotifyEvent::Bind<&TButtonEventLog::Leave>(&events);
    button->Perform(CM_MOUSEENTER);
    button->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(events.Entries, (std::vector<std::string>{"enter", "exit", "leave"}));
    button->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(form)); // about another control
    EXPECT_EQ(events.Count("leave"), 1);
}

TEST_F(MouseTest, RealCursorMovesEnterAndLeaveTheButton) {
    AddWatched();
    MoveCursorOver(*form, 300, 200);
    PumpUntil([&] { return Application->MouseControl() == form; });
    ASSERT_TRUE(
        MoveCursorUntil(button->ClientToScreen({10, 10}), [&] { return button->PointerInside(); }));
    EXPECT_EQ(ScreenPixels(*button).At(30, 15), kHoverRgb);
    ASSERT_TRUE(MoveCursorUntil(form->ClientToScreen({300, 200}),
                                [&] { return !button->PointerInside(); }));
    EXPECT_EQ(ScreenPixels(*button).At(30, 15), kNormalRgb);
    EXPECT_EQ(events.Entries, (std::vector<std::string>{"enter", "exit"}));
}

TEST_F(MouseTest, PressingMovingOutAndBackShowsPointerOnAndStillClicks) {
    AddWatched();
    ASSERT_TRUE(
        MoveCursorUntil(button->ClientToScreen({10, 10}), [&] { return button->PointerInside(); }));
    SendMouseButton(MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(PumpUntil([&] { return button->Pressed(); }));
    EXPECT_EQ(ScreenPixels(*button).At(30, 15), kPressedRgb);
    ASSERT_TRUE(MoveCursorUntil(form->ClientToScreen({300, 200}),
                                [&] { return events.Count("exit") == 1; }));
    EXPECT_FALSE(button->Pressed());
    EXPECT_FALSE(button->RepeatTimerActive());
    ASSERT_TRUE(
        MoveCursorUntil(button->ClientToScreen({12, 12}), [&] { return button->PointerInside(); }));
    EXPECT_FALSE(button->Pressed());
    EXPECT_EQ(ScreenPixels(*button).At(30, 15), kHoverRgb) << "pointer-on, not pressed";
    SendMouseButton(MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(PumpUntil([&] { return events.Count("up") == 1; }));
    EXPECT_EQ(events.Count("click"), 1);
    MoveCursorOver(*form, 300, 200);
    PumpUntil([&] { return !button->PointerInside(); });
}

} // namespace
