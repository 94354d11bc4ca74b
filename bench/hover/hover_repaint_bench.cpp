// One hover repaint of the largest launcher button (230 by 173) against one BitBlt of its
// picture onto the same window, side by side in one run. Prints medians of several rounds.
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
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
} // namespace

int main() {
    Application->Initialize();
    auto* form = new TForm(Application);
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 300, 240);
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
    constexpr int kCalls = 200, kRounds = 9;
    TBitmap offscreen;
    offscreen.SetSize(230, 173);
    HDC memory = offscreen.Canvas()->Handle();
    std::vector<double> repaints, blits, compositions;
    for (int round = 0; round < kRounds; ++round) {
        repaints.push_back(MicrosecondsPerCall(kCalls, [&](int i) {
            // Pointer entered / left: each changes the state and repaints at once.
            button->Perform(i % 2 ? 0xB014 : 0xB013, 0, reinterpret_cast<LPARAM>(button));
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
    const double repaint = Median(repaints), blit = Median(blits);
    std::printf("hover repaint of a 230x173 button: %.1f us (median of %d rounds of %d)\n", repaint,
                kRounds, kCalls);
    std::printf("BitBlt of its picture:             %.1f us\n", blit);
    std::printf("composition alone (into a memory DC): %.1f us\n", Median(compositions));
    std::printf("ratio: %.2f\n", repaint / blit);
    form->Free();
    return 0;
}
