// Window procedures, painting of non-windowed children into a given DC, the error report and
// the application-events component.
#include "FrameworkFixture.h"

#include <stdexcept>

namespace {

TEST_F(FormTest, AReplacedWindowProcSeesMessagesFirstAndPassesThemOn) {
    TProbeControl* probe = AddProbe("Probe", 10, 10);
    ShowAndActivate(*form);
    std::vector<UINT> tapped;
    {
        TWindowProcTap tap(*probe, [&](TMessage& m) {
            if (m.Msg == WM_APP + 1 || m.Msg == WM_KEYDOWN)
                tapped.push_back(m.Msg);
            return m.Msg == WM_APP + 1; // swallowed: the control never sees it
        });
        probe->SetFocus();
        ASSERT_TRUE(PumpUntil([&] { return probe->Focused(); }));
        PostMessageA(probe->Handle(), WM_APP + 1, 0, 0);
        PostKey(probe->Handle(), 'A');
        ASSERT_TRUE(PumpUntil([&] { return Contains(log.Of("Probe"), WM_KEYDOWN); }));
        EXPECT_EQ(tapped, (std::vector<UINT>{WM_APP + 1, WM_KEYDOWN}));
    }
    // The tap is gone: the control's own procedure handles everything again.
    tapped.clear();
    log = {};
    PostKey(probe->Handle(), 'B');
    ASSERT_TRUE(PumpUntil([&] { return !log.Of("Probe").empty(); }));
    EXPECT_TRUE(tapped.empty());
}

TEST_F(FormTest, PaintWithADcInWParamPaintsNonWindowedChildrenIntoIt) {
    form->SetColor(ColorOf(0x336699));
    auto* picture = new TImage(form);
    picture->SetBounds(20, 30, 50, 40);
    FillPicture(*picture->Picture(), 50, 40, 0xE0C020);
    picture->SetParent(form);
    auto* label = new TLabel(form);
    label->SetBounds(100, 30, 80, 20);
    label->SetAutoSize(false);
    label->SetColor(ColorOf(0x11AA44));
    label->SetCaption("");
    label->SetParent(form);
    TProbeControl* windowed = AddProbe("Windowed", 200, 30);
    windowed->PaintColor = ColorOf(0x0000FF);
    ShowAndActivate(*form);

    const TPixels painted = RenderControl(*form);
    EXPECT_EQ(painted.At(5, 5), 0x336699u) << "the form's background";
    EXPECT_EQ(painted.CountOtherThan(0xE0C020, Bounds(20, 30, 50, 40)), 0) << "the picture";
    EXPECT_EQ(painted.CountOtherThan(0x11AA44, Bounds(100, 30, 80, 20)), 0) << "the label";
    // A windowed child paints its own window, not the parent's DC.
    EXPECT_EQ(painted.At(210, 40), 0x336699u);
    // The screen shows the same through the normal paint.
    const TPixels screen = ScreenPixels(*form);
    EXPECT_EQ(screen.At(30, 40), 0xE0C020u);
    EXPECT_EQ(screen.At(110, 40), 0x11AA44u);
    EXPECT_EQ(screen.At(210, 40), 0x0000FFu);
}

// Throws from a click handler; counts the calls.
struct TThrowingHandler {
    int Calls = 0;
    void Click(TObject*) {
        ++Calls;
        throw std::runtime_error("handler failed #" + std::to_string(Calls));
    }
};

TEST_F(FormTest, AnExceptionInAHandlerReachesTheErrorReportAndTheProgramGoesOn) {
    TProbeControl* probe = AddProbe("Probe", 10, 10);
    TThrowingHandler handler;
    probe->OnClick = TNotifyEvent::Bind<&TThrowingHandler::Click>(&handler);
    std::vector<std::string> reports;
    Application->OnException = [&](const std::string& text) { reports.push_back(text); };
    ShowAndActivate(*form);
    for (int round = 1; round <= 2; ++round) {
        PostMessageA(probe->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(5, 5));
        PostMessageA(probe->Handle(), WM_LBUTTONUP, 0, PointToLParam(5, 5));
        ASSERT_TRUE(PumpUntil([&] { return static_cast<int>(reports.size()) == round; }));
        EXPECT_EQ(reports.back(), "handler failed #" + std::to_string(round));
    }
    // Key messages take the other path through the loop (the key notifications).
    log = {};
    probe->SetFocus();
    PostKey(probe->Handle(), 'C');
    EXPECT_TRUE(PumpUntil([&] { return !log.Of("Probe").empty(); }));
    Application->OnException = nullptr;
    EXPECT_EQ(handler.Calls, 2);
}

// Sees every message the loop dispatches; swallows the ones it is told to.
struct TMessageWatcher {
    std::vector<UINT> Seen;
    UINT Swallow = 0;
    void OnMessage(MSG& msg, bool& handled) {
        if (msg.message >= WM_APP)
            Seen.push_back(msg.message);
        if (msg.message == Swallow)
            handled = true;
    }
};

TEST_F(FormTest, ApplicationEventsSeeDispatchedMessagesAndMayHandleThem) {
    auto* events = new TApplicationEvents(form);
    TMessageWatcher watcher;
    watcher.Swallow = WM_APP + 2;
    events->OnMessage = TEvent<void(MSG&, bool&)>::Bind<&TMessageWatcher::OnMessage>(&watcher);
    ShowAndActivate(*form);
    std::vector<UINT> reached;
    TWindowProcTap tap(*form, [&](TMessage& m) {
        if (m.Msg >= WM_APP && m.Msg < WM_APP + 10)
            reached.push_back(m.Msg);
        return false;
    });
    PostMessageA(form->Handle(), WM_APP + 1, 0, 0);
    PostMessageA(form->Handle(), WM_APP + 2, 0, 0);
    PostMessageA(form->Handle(), WM_APP + 3, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return watcher.Seen.size() >= 3; }));
    EXPECT_EQ(watcher.Seen, (std::vector<UINT>{WM_APP + 1, WM_APP + 2, WM_APP + 3}));
    EXPECT_EQ(reached, (std::vector<UINT>{WM_APP + 1, WM_APP + 3}));

    events->Free(); // a freed component no longer sees anything
    PostMessageA(form->Handle(), WM_APP + 4, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return reached.size() == 3; }));
    EXPECT_EQ(watcher.Seen.size(), 3u);
}

} // namespace

namespace {

TEST_F(FormTest, WindowTextSetFromOutsideBecomesTheControlsText) {
    TProbeControl* probe = AddProbe("Probe", 10, 10);
    ShowAndActivate(*form);
    std::vector<UINT> notified;
    TWindowProcTap tap(*probe, [&](TMessage& m) {
        if (m.Msg == CM_TEXTCHANGED)
            notified.push_back(m.Msg);
        return false;
    });
    SetWindowTextA(probe->Handle(), "outside");
    EXPECT_EQ(probe->Text(), "outside");
    EXPECT_EQ(notified.size(), 1u);
    probe->SetText("inside");
    char text[32] = {};
    GetWindowTextA(probe->Handle(), text, sizeof text);
    EXPECT_STREQ(text, "inside");
    EXPECT_EQ(notified.size(), 2u) << "one notification per change";
    SetWindowTextA(probe->Handle(), "inside");
    EXPECT_EQ(notified.size(), 2u) << "no change, no notification";
}

} // namespace
