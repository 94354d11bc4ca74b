// Pointer entered and left, for windowed and non-windowed controls alike, from real cursor
// moves through the application's loop.
#include "FrameworkFixture.h"

namespace {

// Records "enter:Name" and "leave:Name" for every control it is bound to.
struct TPointerRecorder {
    std::vector<std::string> Events;
    void Entered(TObject* sender) { Events.push_back("enter:" + As<TComponent>(sender)->Name()); }
    void Left(TObject* sender) { Events.push_back("leave:" + As<TComponent>(sender)->Name()); }
    void Watch(TControl& control) {
        control.OnMouseEnter = TNotifyEvent::Bind<&TPointerRecorder::Entered>(this);
        control.OnMouseLeave = TNotifyEvent::Bind<&TPointerRecorder::Left>(this);
    }
    bool Saw(const std::string& event) const {
        return std::find(Events.begin(), Events.end(), event) != Events.end();
    }
};

TEST_F(FormTest, PointerEnteredAndLeftFollowTheCursor) {
    form->SetName("Form");
    auto* picture = new TImage(form);
    picture->SetName("Picture");
    picture->SetBounds(10, 10, 60, 40);
    picture->SetParent(form);
    TProbeControl* windowed = AddProbe("Windowed", 100, 10);
    TPointerRecorder recorder;
    recorder.Watch(*form);
    recorder.Watch(*picture);
    recorder.Watch(*windowed);
    ShowAndActivate(*form);

    ASSERT_TRUE(MoveCursorUntil(form->ClientToScreen({300, 200}),
                                [&] { return recorder.Saw("enter:Form"); }));
    recorder.Events.clear();

    // onto the picture, painted by the form
    ASSERT_TRUE(MoveCursorUntil(form->ClientToScreen({30, 30}),
                                [&] { return recorder.Saw("enter:Picture"); }));
    EXPECT_EQ(recorder.Events, (std::vector<std::string>{"leave:Form", "enter:Picture"}));
    EXPECT_TRUE(picture->MouseInside());
    recorder.Events.clear();

    // onto the windowed control
    ASSERT_TRUE(MoveCursorUntil(form->ClientToScreen({110, 20}),
                                [&] { return recorder.Saw("enter:Windowed"); }));
    EXPECT_EQ(recorder.Events, (std::vector<std::string>{"leave:Picture", "enter:Windowed"}));
    recorder.Events.clear();

    // back onto the form itself
    ASSERT_TRUE(MoveCursorUntil(form->ClientToScreen({300, 200}),
                                [&] { return recorder.Saw("enter:Form"); }));
    EXPECT_EQ(recorder.Events, (std::vector<std::string>{"leave:Windowed", "enter:Form"}));
    recorder.Events.clear();

    ASSERT_TRUE(MoveCursorUntil({5, 5}, [&] { return recorder.Saw("leave:Form"); }));
    EXPECT_EQ(recorder.Events, (std::vector<std::string>{"leave:Form"}));
}

TEST_F(FormTest, PointerNotificationsCanBeSentDirectly) {
    auto* picture = new TImage(form);
    picture->SetName("Picture");
    picture->SetParent(form);
    TProbeControl* windowed = AddProbe("Windowed", 100, 10);
    TPointerRecorder recorder;
    recorder.Watch(*picture);
    recorder.Watch(*windowed);
    picture->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(picture));
    windowed->Perform(CM_MOUSEENTER);
    windowed->Perform(CM_MOUSELEAVE);
    picture->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(windowed)); // not about it
    EXPECT_EQ(recorder.Events,
              (std::vector<std::string>{"enter:Picture", "enter:Windowed", "leave:Windowed"}));
}

} // namespace
