// The title bar's repaint with the pointer on its close button (the hover picture) against a
// minimal window of the bar's size whose WM_PAINT does one BitBlt of a ready picture. Both are
// forced through InvalidateRect + UpdateWindow; prints medians of several rounds and the ratio.
#include "framework/Forms.h"
#include "skin/SUITitleBar.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;
constexpr int kCalls = 300, kRounds = 9;
constexpr int kFormWidth = 640;
constexpr char kPlainClass[] = "VfcTitleBarBenchPlain";
HDC plainSource = nullptr;
int plainWidth = 0, plainHeight = 0;

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double MicrosecondsPerRepaint(HWND window) {
    const auto start = Clock::now();
    for (int i = 0; i < kCalls; ++i) {
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
    }
    GdiFlush();
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / kCalls;
}

LRESULT CALLBACK PlainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_ERASEBKGND)
        return 1;
    if (msg != WM_PAINT)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    BitBlt(dc, 0, 0, plainWidth, plainHeight, plainSource, 0, 0, SRCCOPY);
    EndPaint(hwnd, &ps);
    return 0;
}
constexpr double kRepaintAim = 1.5;
} // namespace

int main() {
    Application->Initialize();
    auto* form = new TForm(Application);
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, kFormWidth, 120);
    auto* bar = new TsuiTitleBar(form);
    bar->SetParent(form);
    bar->SetUIStyle(WinXP);
    bar->SetCaption("Velmora Free Center");
    form->Show();
    Application->ProcessMessages();

    // The pointer rests on the close button: every repaint draws its hover picture.
    const TPicture* close = bar->Buttons()->Items(1)->PicNormal();
    const int closeLeft = bar->Width() - bar->RightBtnXOffset() - 1 - close->Width();
    const TPoint centre = bar->ClientToScreen(
        {std::min(closeLeft, bar->Width() - 1 - close->Width()) + close->Width() / 2,
         bar->ButtonTop() + close->Height() / 2});
    SetCursorPos(centre.X, centre.Y);
    Application->ProcessMessages();
    bar->Repaint();
    if (bar->HotButton() != 1)
        std::fprintf(stderr, "titlebar bench: the pointer is not on the close button\n");

    // The plain window shows a ready picture of the bar.
    TBitmap picture;
    picture.SetSize(bar->Width(), bar->Height());
    bar->Perform(WM_PAINT, reinterpret_cast<WPARAM>(picture.Canvas()->Handle()), 0);
    plainSource = picture.Canvas()->Handle();
    plainWidth = bar->Width();
    plainHeight = bar->Height();
    WNDCLASSA wc{};
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kPlainClass;
    RegisterClassA(&wc);
    HWND plain = CreateWindowExA(0, kPlainClass, "", WS_POPUP | WS_VISIBLE, 0, 200, plainWidth,
                                 plainHeight, nullptr, nullptr, wc.hInstance, nullptr);
    Application->ProcessMessages();

    std::vector<double> bars, plains;
    for (int round = 0; round < kRounds; ++round) {
        bars.push_back(MicrosecondsPerRepaint(bar->Handle()));
        plains.push_back(MicrosecondsPerRepaint(plain));
    }
    const double barTime = Median(bars), plainTime = Median(plains);
    std::printf(
        "title bar repaint, pointer on close (%dx%d): %.1f us (median of %d rounds of %d)\n",
        plainWidth, plainHeight, barTime, kRounds, kCalls);
    std::printf("plain window, one BitBlt:                  %.1f us\n", plainTime);
    std::printf("ratio titlebar %.2f %.2f\n", barTime / plainTime, kRepaintAim);
    DestroyWindow(plain);
    form->Free();
    return 0;
}
