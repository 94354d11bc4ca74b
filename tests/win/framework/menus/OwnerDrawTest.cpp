#include "framework/Forms.h"
#include "framework/Menus.h"
#include "tests/win/support/WinTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr TColor kItemColor = 0x2080E0;

// Measures every item 90 x (20 + 3 * its index) and paints it in one colour, recording what
// Windows asked for.
class TDrawRecorder : public TObject {
public:
    void Measure(TObject* sender, TCanvas* canvas, int& width, int& height) {
        measured.push_back(sender);
        canvasHadDC = canvasHadDC && canvas && canvas->Handle();
        width = 90;
        height = 20 + 3 * static_cast<TMenuItem*>(sender)->Parent()->IndexOf(
                              static_cast<TMenuItem*>(sender));
    }
    void Draw(TObject* sender, TCanvas* canvas, TRect rect, bool) {
        drawn.push_back(sender);
        rects.push_back(rect);
        canvas->Brush()->SetColor(kItemColor);
        canvas->FillRect(rect);
    }
    std::vector<TObject*> measured, drawn;
    std::vector<TRect> rects;
    bool canvasHadDC = true;
};

void Hook(TMenu& menu, TDrawRecorder& recorder) {
    for (int i = 0; i < menu.Items()->Count(); ++i) {
        menu.Items()->Items(i)->OnMeasureItem =
            TMenuMeasureItemEvent::Bind<&TDrawRecorder::Measure>(&recorder);
        menu.Items()->Items(i)->OnDrawItem =
            TMenuDrawItemEvent::Bind<&TDrawRecorder::Draw>(&recorder);
    }
}

// While its menu is open, a timer looks at the screen once the items were drawn and closes
// the menu (or gives up after five seconds).
class TProbedPopupMenu : public TPopupMenu {
public:
    explicit TProbedPopupMenu(TComponent* owner) : TPopupMenu(owner) {}
    void PopupAndProbe(int x, int y) {
        started = GetTickCount64();
        OnPopup = TNotifyEvent::Bind<&TProbedPopupMenu::Opening>(this);
        Popup(x, y);
    }
    TDrawRecorder recorder;
    TColor seenOnScreen = -1;
    bool gaveUp = false;

private:
    void Opening(TObject*) {
        // The window exists only after the first Popup: start the timer on the thread.
        timer = SetTimer(nullptr, 0, 20, &TProbedPopupMenu::Tick);
        self() = this;
    }
    static TProbedPopupMenu*& self() {
        thread_local TProbedPopupMenu* current = nullptr;
        return current;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        TProbedPopupMenu* menu = self();
        if (!menu)
            return;
        HWND menuWindow = FindWindowA("#32768", nullptr);
        const bool drawn =
            !menu->recorder.drawn.empty() && menuWindow && IsWindowVisible(menuWindow);
        if (!drawn && GetTickCount64() - menu->started < 5000)
            return;
        if (drawn) {
            const TRect r = menu->recorder.rects.front();
            POINT p{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
            ClientToScreen(menuWindow, &p);
            menu->seenOnScreen = ScreenPixel(p.x, p.y);
        } else {
            menu->gaveUp = true;
        }
        KillTimer(nullptr, menu->timer);
        self() = nullptr;
        EndMenu();
    }
    ULONGLONG started = 0;
    UINT_PTR timer = 0;
};

TEST(OwnerDrawnPopup, ItemsAreMeasuredAndDrawnByTheirHandlersOnTheScreen) {
    TComponent owner(nullptr);
    TProbedPopupMenu menu(&owner);
    menu.SetOwnerDraw(true);
    for (const char* caption : {"One", "Two", "Three"}) {
        auto* item = new TMenuItem(&owner);
        item->SetCaption(caption);
        menu.Items()->Add(item);
    }
    Hook(menu, menu.recorder);
    menu.PopupAndProbe(120, 100);
    ASSERT_FALSE(menu.gaveUp) << "the menu items were never drawn";
    EXPECT_EQ(menu.recorder.measured.size(), 3u);
    EXPECT_TRUE(menu.recorder.canvasHadDC);
    ASSERT_GE(menu.recorder.drawn.size(), 3u);
    EXPECT_EQ(menu.recorder.drawn.front(), menu.Items()->Items(0));
    // Each item got the height it asked for.
    for (size_t i = 0; i < 3; ++i) {
        const TMenuItem* item = static_cast<TMenuItem*>(menu.recorder.drawn[i]);
        EXPECT_EQ(menu.recorder.rects[i].Height(), 20 + 3 * menu.Items()->IndexOf(item));
    }
    EXPECT_EQ(menu.seenOnScreen, kItemColor);
}

// A form that hands its menu messages to its main menu first.
class TMenuForm : public TForm {
public:
    explicit TMenuForm(TComponent* owner) : TForm(owner) {}
    TMainMenu* menu = nullptr;
    void WndProc(TMessage& m) override {
        if (menu && menu->DispatchMenuMessage(m))
            return;
        TForm::WndProc(m);
    }
};

TEST(OwnerDrawnMainMenu, TheFormsWindowGetsTheItemsMeasuredAndDrawn) {
    TMenuForm form(nullptr);
    form.SetBounds(50, 50, 300, 200);
    TMainMenu menu(&form);
    menu.SetOwnerDraw(true);
    for (const char* caption : {"File", "Edit"}) {
        auto* item = new TMenuItem(&form);
        item->SetCaption(caption);
        menu.Items()->Add(item);
    }
    TDrawRecorder recorder;
    Hook(menu, recorder);
    form.menu = &menu;
    form.Show();
    menu.SetWindowHandle(form.Handle());
    ASSERT_EQ(GetMenu(form.Handle()), menu.Handle());
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_TRUE(PumpUntil([&] { return recorder.drawn.size() >= 2; }));
    EXPECT_GE(recorder.measured.size(), 2u);
    EXPECT_GE(recorder.rects.front().Width(), 90); // the menu bar adds spacing of its own

    // A changed caption rebuilds the menu bar of the window.
    recorder.measured.clear();
    menu.Items()->Items(1)->SetCaption("View");
    EXPECT_EQ(GetMenu(form.Handle()), menu.Handle());
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(PumpUntil([&] { return !recorder.measured.empty(); }));
    menu.SetWindowHandle(nullptr);
    EXPECT_EQ(GetMenu(form.Handle()), nullptr);
}

} // namespace
