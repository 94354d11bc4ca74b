// One hover repaint of the largest launcher button (230 by 173) against the fair anchor: a bare
// window of the same size whose WM_PAINT does one BitBlt of the same picture, repainted through
// InvalidateRect + UpdateWindow exactly as the button is. Also composition alone (the button
// painting into a memory DC) against one BitBlt onto a DC already held. Side by side in one run;
// prints medians of several rounds and, last, one `ratio NAME VALUE AIM` line per measure.
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/Messages.h"
#include "skin/SUIButton.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <class Fn> double MicrosecondsPerCall(int calls, Fn fn) {
    const auto start = Clock::now();
    for (int i = 0; i < calls; ++i)
        fn(i);
    GdiFlush();
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / calls;
}

constexpr char kAnchorClass[] = "VfcHoverAnchor";
constexpr double kRepaintAim = 1.25;
constexpr double kCompositionAim = 2.5;

// The anchor's WM_PAINT: one BitBlt of the picture whose memory DC the window's user data holds.
LRESULT CALLBACK AnchorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND)
        return 1;
    if (message != WM_PAINT)
        return DefWindowProcA(window, message, wParam, lParam);
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    HDC source = reinterpret_cast<HDC>(GetWindowLongPtrA(window, GWLP_USERDATA));
    RECT client{};
    GetClientRect(window, &client);
    BitBlt(dc, 0, 0, client.right, client.bottom, source, 0, 0, SRCCOPY);
    EndPaint(window, &paint);
    return 0;
}

HWND CreateAnchor(HWND parent, int left, int width, int height, HDC picture) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = AnchorProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kAnchorClass;
    RegisterClassA(&windowClass);
    HWND anchor = CreateWindowExA(0, kAnchorClass, "", WS_CHILD | WS_VISIBLE, left, 0, width,
                                  height, parent, nullptr, windowClass.hInstance, nullptr);
    SetWindowLongPtrA(anchor, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(picture));
    return anchor;
}
} // namespace

int main() {
    Application->Initialize();
    auto* form = new TForm(Application);
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 520, 240);
    auto* button = new TsuiImageButton(form);
    button->SetParent(form);
    button->SetAutoSize(true);
    TPicture normal, hover;
    normal.AssignResource("BTNAUDIOCONVERTER_NORMAL");
    hover.AssignResource("BTNAUDIOCONVERTER_MOUSEON");
    button->SetPicNormal(&normal);
    button->SetPicMouseOn(&hover);
    form->Show();
    Application->ProcessMessages();
    TBitmap* picture = As<TBitmap>(hover.Graphic());
    if (!picture || button->Width() != 230 || button->Height() != 173) {
        std::fprintf(stderr, "hover bench: the button picture did not load\n");
        return 1;
    }
    HWND window = button->Handle();
    HDC screen = GetDC(window);
    HDC source = picture->Canvas()->Handle();
    HWND anchor = CreateAnchor(form->Handle(), 260, 230, 173, source);
    UpdateWindow(anchor);
    constexpr int kCalls = 200, kRounds = 9;
    TBitmap offscreen;
    offscreen.SetSize(230, 173);
    HDC memory = offscreen.Canvas()->Handle();
    std::vector<double> repaints, anchors, blits, compositions;
    for (int round = 0; round < kRounds; ++round) {
        repaints.push_back(MicrosecondsPerCall(kCalls, [&](int i) {
            // Pointer entered / left: each changes the state and repaints at once.
            button->Perform(i % 2 ? CM_MOUSELEAVE : CM_MOUSEENTER, 0,
                            reinterpret_cast<LPARAM>(button));
        }));
        anchors.push_back(MicrosecondsPerCall(kCalls, [&](int) {
            InvalidateRect(anchor, nullptr, FALSE);
            UpdateWindow(anchor);
        }));
        compositions.push_back(MicrosecondsPerCall(
            kCalls, [&](int) { button->Perform(WM_PAINT, reinterpret_cast<WPARAM>(memory), 0); }));
        blits.push_back(MicrosecondsPerCall(
            kCalls, [&](int) { BitBlt(screen, 0, 0, 230, 173, source, 0, 0, SRCCOPY); }));
    }
    if (std::getenv("VFC_BENCH_PARTS")) {
        auto part = [&](const char* name, auto fn) {
            std::printf("  %-28s %.1f us\n", name, MicrosecondsPerCall(kCalls, fn));
        };
        std::printf("  screen depth %d bits per pixel\n", GetDeviceCaps(screen, BITSPIXEL));
        part("GetDC(0)+ReleaseDC", [&](int) { ReleaseDC(nullptr, GetDC(nullptr)); });
        part("CreateCompatibleBitmap(win)",
             [&](int) { DeleteObject(CreateCompatibleBitmap(screen, 230, 173)); });
        part("memory DC create+delete", [&](int) { DeleteDC(CreateCompatibleDC(nullptr)); });
        part("bitmap Assign", [&](int) {
            TBitmap w;
            w.Assign(picture);
        });
        part("device bitmap SetSize", [&](int) {
            TBitmap c;
            c.SetPixelFormat(pfDevice);
            c.SetSize(230, 173);
        });
        part("canvas + fill", [&](int) {
            TBitmap c;
            c.SetPixelFormat(pfDevice);
            c.SetSize(230, 173);
            c.Canvas()->FillRect(Rect(0, 0, 230, 173));
        });
        TBitmap w;
        w.Assign(picture);
        part("Pixels(0,0)", [&](int) { (void)w.Canvas()->Pixels(0, 0); });
        part("Draw opaque", [&](int) { offscreen.Canvas()->Draw(0, 0, &w); });
        part("Font assign", [&](int) { offscreen.Canvas()->Font()->Assign(button->Font()); });
    }
    ReleaseDC(window, screen);
    const double repaint = Median(repaints), anchorRepaint = Median(anchors);
    const double blit = Median(blits), composition = Median(compositions);
    std::printf("hover repaint of a 230x173 button:     %.1f us (median of %d rounds of %d)\n",
                repaint, kRounds, kCalls);
    std::printf("anchor window repaint (one BitBlt):    %.1f us\n", anchorRepaint);
    std::printf("composition alone (into a memory DC):  %.1f us\n", composition);
    std::printf("BitBlt onto a DC already held:         %.1f us\n", blit);
    std::printf("ratio hover %.2f %.2f\n", repaint / anchorRepaint, kRepaintAim);
    std::printf("ratio compose %.2f %.2f\n", composition / blit, kCompositionAim);
    form->Free();
    return 0;
}
