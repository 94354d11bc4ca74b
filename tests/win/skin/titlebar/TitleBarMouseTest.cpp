// Real mouse input on the bar: hover, a release over another button, double clicks on the
// caption, the control box's system menu, and a close that frees the form from its handler.
#include "TitleBarFixture.h"

#include "framework/ExtCtrls.h"

namespace {
constexpr uint32_t kCustomRgb[] = {0xC01010, 0x10C010, 0x1010C0};

void GivePictures(TsuiTitleBarButton& button, int size) {
    TPicture picture;
    FillPicture(picture, size, size, kCustomRgb[0]);
    button.SetPicNormal(&picture);
    FillPicture(picture, size, size, kCustomRgb[1]);
    button.SetPicMouseOn(&picture);
    FillPicture(picture, size, size, kCustomRgb[2]);
    button.SetPicMouseDown(&picture);
}

struct TClickLog {
    std::vector<int> Custom;
    void CustomClick(TObject*, int index) { Custom.push_back(index); }
};

void Click() {
    SendMouseButton(MOUSEEVENTF_LEFTDOWN);
    SendMouseButton(MOUSEEVENTF_LEFTUP);
}

// A component whose end is seen.
class TEndWatch : public TComponent {
public:
    TEndWatch(TComponent* owner, bool& ended) : TComponent(owner), ended_(ended) {}
    ~TEndWatch() override { ended_ = true; }

private:
    bool& ended_;
};

struct TFreeOnClose {
    void Close(TObject*, TCloseAction& action) { action = caFree; }
};
} // namespace

TEST_F(TitleBarTest, HoverShowsThePointerOnFrameOnTheScreen) {
    AddBar(WinXP);
    const TPoint close = ButtonCentre(CloseLeft());
    HoverUntil(close, IndexOf(suiClose));
    PumpPending();
    EXPECT_EQ(
        Mismatches(ScreenPixels(*bar), StripFrame(WinXP, 17), CloseLeft(), bar->ButtonTop(), false),
        0);
    PointerAway();
    EXPECT_TRUE(PumpUntil([&] { return bar->HotButton() == -1; }));
}

TEST_F(TitleBarTest, ReleaseOverAnotherButtonActsOnTheButtonUnderThePointer) {
    AddBar(DeepBlue);
    TClickLog log;
    bar->OnCustomBtnsClick = TsuiTitleBarButtonClickEvent::Bind<&TClickLog::CustomClick>(&log);
    const int size = bar->Buttons()->Items(0)->PicNormal()->Width();
    for (int i = 0; i < 2; ++i)
        GivePictures(*bar->Buttons()->Add(), size);
    const int first = 4, second = 5; // placed left of the minimise button, in order
    const int firstLeft = RightButtonLeft(3), secondLeft = RightButtonLeft(4);
    HoverUntil(ButtonCentre(firstLeft), first);
    SendMouseButton(MOUSEEVENTF_LEFTDOWN);
    ASSERT_TRUE(PumpUntil([&] { return bar->MouseIsDown(); }));
    HoverUntil(ButtonCentre(secondLeft), second);
    SendMouseButton(MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(PumpUntil([&] { return !bar->MouseIsDown(); }));
    EXPECT_EQ(log.Custom, std::vector<int>{second});
}

TEST_F(TitleBarTest, DoubleClickOnTheCaptionMaximisesAndRestores) {
    AddBar(DeepBlue);
    const TPoint caption{bar->Width() / 2, bar->Height() / 2};
    for (TWindowState expected : {wsMaximized, wsNormal}) {
        SCOPED_TRACE(expected);
        HoverUntil(caption, -1);
        Click();
        Click();
        EXPECT_TRUE(PumpUntil([&] { return form->WindowState() == expected; }))
            << "state " << form->WindowState();
        PumpPending();
    }
}

TEST_F(TitleBarTest, ControlBoxOpensTheSystemMenuWithItsEntriesEnabledByTheButtons) {
    AddBar(DeepBlue);
    bar->Buttons()->Items(IndexOf(suiMin))->SetVisible(false);
    TsuiTitleBarPopupMenu* menu = bar->SystemMenu();
    std::vector<bool> enabled;
    bool menuShown = false;
    TTimer probe(nullptr);
    struct TProbe {
        TsuiTitleBarPopupMenu* Menu;
        std::vector<bool>* Enabled;
        bool* Shown;
        void Tick(TObject*) {
            HWND window = FindWindowA("#32768", nullptr);
            if (!window || !IsWindowVisible(window))
                return;
            *Shown = true;
            for (int i : {0, 1, 3})
                Enabled->push_back(
                    !(GetMenuState(Menu->Handle(), static_cast<UINT>(i), MF_BYPOSITION) &
                      (MF_GRAYED | MF_DISABLED)));
            EndMenu();
        }
    } watcher{menu, &enabled, &menuShown};
    probe.OnTimer = TNotifyEvent::Bind<&TProbe::Tick>(&watcher);
    probe.SetInterval(100);
    probe.SetEnabled(true);
    const int boxSize = bar->Buttons()->Items(IndexOf(suiControlBox))->PicNormal()->Width();
    HoverUntil({boxSize / 2, bar->IconTop() + boxSize / 2}, IndexOf(suiControlBox));
    Click();
    EXPECT_TRUE(PumpUntil([&] { return menuShown; }));
    probe.SetEnabled(false);
    EXPECT_EQ(enabled, (std::vector<bool>{false, true, true}));
    EXPECT_EQ(menu->Items()->Items(0)->Caption(), "Mi&nimize");
    EXPECT_EQ(menu->Items()->Items(1)->Caption(), "Ma&ximize/Restore");
    EXPECT_TRUE(menu->Items()->Items(2)->IsLine());
    EXPECT_EQ(menu->Items()->Items(3)->Caption(), "&Close");
}

TEST_F(TitleBarTest, CloseButtonOnAFreeOnCloseFormFreesItAfterTheClick) {
    auto* owned = new TForm(Application);
    owned->SetBorderStyle(bsNone);
    owned->SetBounds(100, 300, 400, 120);
    TFreeOnClose freeOnClose;
    owned->OnClose = TCloseEvent::Bind<&TFreeOnClose::Close>(&freeOnClose);
    bool ended = false;
    new TEndWatch(owned, ended);
    TForm* saved = form;
    form = owned;
    AddBar(DeepBlue);
    ShowAndActivate(*owned);
    HoverUntil(ButtonCentre(CloseLeft()), IndexOf(suiClose));
    Click();
    EXPECT_TRUE(PumpUntil([&] { return ended; })) << "the form went";
    form = saved;
    bar = nullptr;
}
