// The launcher's handlers: the description line, tab order and focus, the home page, moving
// the window by its background, closing.
#include "LauncherFixture.h"
#include "app/ToolCatalogue.h"

#include <oleacc.h>

namespace {

TEST_F(LauncherTest, PointingAtAToolButtonShowsItsText) {
    for (const TButtonSpec& spec : StoredButtons()) {
        form->Image1()->Perform(CM_MOUSEENTER);
        ASSERT_EQ(form->lblDes()->Caption(), kWelcome) << "the background restores the welcome";
        Button(spec.Name)->Perform(CM_MOUSEENTER);
        EXPECT_EQ(form->lblDes()->Caption(), spec.Text ? spec.Text : kWelcome) << spec.Name;
        Button(spec.Name)->Perform(CM_MOUSELEAVE);
    }
    // Close and home page leave whatever text was shown.
    Button("btnDVDRipper")->Perform(CM_MOUSEENTER);
    Button("btnClose")->Perform(CM_MOUSEENTER);
    Button("btnHomepage")->Perform(CM_MOUSEENTER);
    EXPECT_EQ(form->lblDes()->Caption(), StoredButton("btnDVDRipper").Text);
    EXPECT_EQ(std::string(StoredButton("btnVideoDVDMaker").Text).back(), ' ')
        << "the DVD maker text ends in a blank";
}

TEST_F(LauncherTest, RealPointerMovesChangeTheDescriptionLine) {
    ASSERT_TRUE(MoveCursorUntil(Button("btnAudioConverter")->ClientToScreen({20, 20}),
                                [&] { return Button("btnAudioConverter")->PointerInside(); }));
    EXPECT_EQ(form->lblDes()->Caption(), StoredButton("btnAudioConverter").Text);
    // the background picture
    ASSERT_TRUE(MoveCursorUntil(form->ClientToScreen({400, 30}),
                                [&] { return form->lblDes()->Caption() == kWelcome; }));
    ASSERT_TRUE(MoveCursorUntil(Button("btnHomepage")->ClientToScreen({5, 5}),
                                [&] { return Button("btnHomepage")->PointerInside(); }));
    EXPECT_EQ(form->lblDes()->Caption(), kWelcome);
    MoveCursorTo({2, 2});
    PumpUntil([&] { return !Button("btnHomepage")->PointerInside(); });
}

TEST_F(LauncherTest, TabWalksTheTenButtonsInTabOrderAndShiftTabWalksBack) {
    std::vector<std::string> order(10);
    for (const TButtonSpec& spec : StoredButtons())
        order.at(static_cast<size_t>(spec.TabOrder)) = spec.Name;
    ASSERT_EQ(std::count(order.begin(), order.end(), ""), 0) << "tab orders 0 to 9, once each";
    Button(order[0])->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return Button(order[0])->Focused(); }));
    for (size_t i = 1; i <= 10; ++i) {
        PressKey(VK_TAB);
        EXPECT_TRUE(PumpUntil([&] { return Button(order[i % 10])->Focused(); })) << order[i % 10];
    }
    for (size_t i = 10; i-- > 0;) {
        PressKey(VK_TAB, {VK_SHIFT});
        EXPECT_TRUE(PumpUntil([&] { return Button(order[i])->Focused(); })) << order[i];
    }
}

TEST_F(LauncherTest, ClickingAButtonFocusesItWithoutAFocusFrame) {
    TRecordingShell shell(TRecordingShell::Fail); // the tool buttons must not start anything real
    TsuiImageButton* b = Button("btnHomepage");
    Button("btnVideoConverter")->SetFocus();
    PostMessageA(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(3, 3));
    PostMessageA(b->Handle(), WM_LBUTTONUP, 0, PointToLParam(3, 3));
    ASSERT_TRUE(PumpUntil([&] { return b->Focused() && !b->Pressed(); }));
    Application->SetShell(nullptr);
    const TPixels painted = RenderControl(*b);
    const std::vector<uint32_t> picture =
        PixelsOf(b->PointerInside() ? *b->PicMouseOn() : *b->PicNormal());
    EXPECT_EQ(painted.Rgb, picture) << "no focus frame on the focused button";
    EXPECT_EQ(shell.Opened.size(), 1u);
}

TEST_F(LauncherTest, TheHomePageButtonAsksTheShellToOpenTheBareHostName) {
    TRecordingShell shell(TRecordingShell::Fail);
    Button("btnHomepage")->Click();
    Application->SetShell(nullptr);
    ASSERT_EQ(shell.Opened.size(), 1u);
    const TOpenCall& call = shell.Opened.front();
    EXPECT_EQ(call.Owner, nullptr);
    EXPECT_EQ(call.Verb, "open");
    ASSERT_EQ(call.File, Endpoints::WebSite);
    EXPECT_EQ(call.File->find("://"), std::string::npos) << "no scheme";
    EXPECT_EQ(call.File->find('/'), std::string::npos) << "no path";
    EXPECT_NE(call.File->find('.'), std::string::npos) << "a host name";
    EXPECT_FALSE(call.Parameters);
    EXPECT_FALSE(call.Directory);
    EXPECT_EQ(call.Show, SW_SHOWNORMAL);
    EXPECT_TRUE(shell.Executed.empty());
}

TEST_F(LauncherTest, AnyPressOnTheBackgroundStartsTheSystemMove) {
    struct TMoveCommand {
        WPARAM Command;
        LPARAM Param;
        HWND CaptureAtTheTime;
    };
    std::vector<TMoveCommand> commands;
    TWindowProcTap tap(*form, [&](TMessage& m) {
        if (m.Msg != WM_SYSCOMMAND)
            return false;
        commands.push_back({m.WParam, m.LParam, GetCapture()});
        return true; // no real move loop in a test
    });
    const std::pair<UINT, WPARAM> presses[] = {{WM_LBUTTONDOWN, MK_LBUTTON},
                                               {WM_RBUTTONDOWN, MK_RBUTTON},
                                               {WM_MBUTTONDOWN, MK_MBUTTON | MK_SHIFT},
                                               {WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL}};
    for (const auto& [msg, keys] : presses) {
        commands.clear();
        PostMessageA(form->Handle(), msg, keys, PointToLParam(400, 30));
        ASSERT_TRUE(PumpUntil([&] { return !commands.empty(); })) << msg;
        EXPECT_EQ(commands.front().Command, static_cast<WPARAM>(SC_MOVE | HTCAPTION));
        EXPECT_EQ(commands.front().Param, 0);
        EXPECT_EQ(commands.front().CaptureAtTheTime, nullptr) << "the capture was released first";
        PostMessageA(form->Handle(), msg + 1, 0, PointToLParam(400, 30)); // the release
        PumpPending();
    }
    // A press on the description line or on a button does not move the window.
    commands.clear();
    PostMessageA(form->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, PointToLParam(100, 70));
    PostMessageA(Button("btnVideoEditor")->Handle(), WM_RBUTTONDOWN, MK_RBUTTON,
                 PointToLParam(5, 5));
    PostMessageA(form->Handle(), WM_APP + 9, 0, 0);
    bool marker = false;
    TWindowProcTap markerTap(*form, [&](TMessage& m) {
        marker = marker || m.Msg == WM_APP + 9;
        return false;
    });
    ASSERT_TRUE(PumpUntil([&] { return marker; }));
    EXPECT_TRUE(commands.empty());
}

// Last of the suite: it ends the application's loop.
TEST_F(LauncherTest, TheCloseButtonClosesTheWindowAndEndsTheLoop) {
    ASSERT_FALSE(Application->Terminated());
    TsuiImageButton* close = Button("btnClose");
    PostMessageA(close->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(10, 10));
    PostMessageA(close->Handle(), WM_LBUTTONUP, 0, PointToLParam(10, 10));
    EXPECT_TRUE(PumpUntil([] { return Application->Terminated(); }));
}

} // namespace

namespace {
// What an accessibility client reads of a window through the system's API.
struct TAccessibleAnswer {
    HRESULT Result = E_FAIL; // of AccessibleObjectFromWindow
    std::string Name, Description;
    long Role = 0;
};

std::string Narrow(BSTR text) {
    if (!text)
        return {};
    const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(std::max(size - 1, 0)), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, result.data(), size, nullptr, nullptr);
    SysFreeString(text);
    return result;
}

TAccessibleAnswer AskAccessibility(HWND window) {
    IAccessible* object = nullptr;
    TAccessibleAnswer answer;
    answer.Result =
        AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                   reinterpret_cast<void**>(&object));
    if (FAILED(answer.Result) || !object)
        return answer;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    if (SUCCEEDED(object->get_accName(self, &text)))
        answer.Name = Narrow(text);
    text = nullptr;
    if (SUCCEEDED(object->get_accDescription(self, &text)))
        answer.Description = Narrow(text);
    VARIANT role{};
    if (SUCCEEDED(object->get_accRole(self, &role)) && role.vt == VT_I4)
        answer.Role = role.lVal;
    object->Release();
    return answer;
}
} // namespace

// A screen reader hears each button's name, and for a tool the text that pointing at it
// shows; no caption is painted for it.
TEST_F(LauncherTest, ButtonsAnswerScreenReadersWithTheirNamesAndDescriptions) {
    std::vector<std::string> names;
    for (const TButtonSpec& spec : StoredButtons()) {
        const TAccessibleAnswer answer = AskAccessibility(Button(spec.Name)->Handle());
        ASSERT_HRESULT_SUCCEEDED(answer.Result) << spec.Name;
        EXPECT_EQ(answer.Role, ROLE_SYSTEM_PUSHBUTTON) << spec.Name;
        EXPECT_FALSE(answer.Name.empty()) << spec.Name;
        Button(spec.Name)->Perform(CM_MOUSEENTER);
        EXPECT_EQ(answer.Description, spec.Text ? form->lblDes()->Caption() : "") << spec.Name;
        Button(spec.Name)->Perform(CM_MOUSELEAVE);
        EXPECT_TRUE(Button(spec.Name)->Caption().empty()) << spec.Name;
        names.push_back(answer.Name);
    }
    EXPECT_EQ(AskAccessibility(Button("btnClose")->Handle()).Name, "Close");
    EXPECT_EQ(AskAccessibility(Button("btnHomepage")->Handle()).Name, "Home page");
    form->Image1()->Perform(CM_MOUSEENTER); // the welcome text again
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end()) << "names are distinct";
}
