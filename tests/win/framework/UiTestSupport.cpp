#include "UiTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

int RunUiTests(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    Application->Initialize();
    return RUN_ALL_TESTS();
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    for (;;) {
        Application->ProcessMessages();
        if (done())
            return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline)
            return false;
        // Wakes on the next message; the short bound lets the X11 driver deliver its events.
        const DWORD wait = static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 10));
        MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT);
    }
}

void PumpPending() {
    Application->ProcessMessages();
}

void FillPicture(TPicture& picture, int width, int height, uint32_t rgb) {
    PaintPicture(picture, width, height, [rgb](int, int) { return rgb; });
}

void PaintPicture(TPicture& picture, int width, int height,
                  const std::function<uint32_t(int x, int y)>& pixel) {
    std::vector<uint32_t> argb(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            argb[static_cast<size_t>(y) * width + x] = 0xFF000000u | pixel(x, y);
    TBitmap bitmap;
    bitmap.SetPixels(width, height, argb, pf24bit);
    picture.Assign(&bitmap);
}

std::vector<uint32_t> PixelsOf(const TPicture& picture) {
    const auto* bitmap = As<TBitmap>(picture.Graphic());
    if (!bitmap)
        return {};
    std::vector<uint32_t> pixels = bitmap->CopyPixels();
    for (uint32_t& p : pixels)
        p &= 0xFFFFFF;
    return pixels;
}

int TPixels::CountOtherThan(uint32_t rgb, const TRect& r) const {
    int n = 0;
    for (int y = std::max(0, r.Top); y < std::min(Height, r.Bottom); ++y)
        for (int x = std::max(0, r.Left); x < std::min(Width, r.Right); ++x)
            if (At(x, y) != rgb)
                ++n;
    return n;
}

int TPixels::CountOf(uint32_t rgb) const {
    return static_cast<int>(std::count(Rgb.begin(), Rgb.end(), rgb));
}

TPixels RenderControl(TWinControl& control) {
    TPixels result{control.Width(), control.Height(), {}};
    TBitmap target;
    target.SetPixels(
        result.Width, result.Height,
        std::vector<uint32_t>(static_cast<size_t>(result.Width) * result.Height, 0xFF000000u),
        pf24bit);
    const auto dc = reinterpret_cast<WPARAM>(target.Canvas()->Handle());
    control.Perform(WM_ERASEBKGND, dc, 0);
    control.Perform(WM_PAINT, dc, 0);
    result.Rgb = target.CopyPixels();
    for (uint32_t& p : result.Rgb)
        p &= 0xFFFFFF;
    return result;
}

TPixels ScreenPixels(TWinControl& control) {
    TPixels result{control.Width(), control.Height(), {}};
    result.Rgb.resize(static_cast<size_t>(result.Width) * result.Height);
    HWND window = control.Handle();
    UpdateWindow(window);
    HDC dc = GetDC(window);
    for (int y = 0; y < result.Height; ++y)
        for (int x = 0; x < result.Width; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            result.Rgb[static_cast<size_t>(y) * result.Width + x] = RgbOf(static_cast<TColor>(c));
        }
    ReleaseDC(window, dc);
    return result;
}

void ShowAndActivate(TCustomForm& form) {
    form.Show();
    HWND window = form.Handle();
    SetForegroundWindow(window);
    SetActiveWindow(window);
    PumpUntil([window] { return IsWindowVisible(window) && GetForegroundWindow() == window; });
    PumpPending();
}

namespace {
void Send(INPUT input) {
    SendInput(1, &input, sizeof(INPUT));
}
} // namespace

void MoveCursorTo(TPoint screen) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    // Absolute coordinates run from 0 to 65535 over the primary screen.
    input.mi.dx = static_cast<LONG>((screen.X * 65536 + w / 2) / w);
    input.mi.dy = static_cast<LONG>((screen.Y * 65536 + h / 2) / h);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    Send(input);
}

void MoveCursorOver(TControl& control, int x, int y) {
    MoveCursorTo(control.ClientToScreen({x, y}));
}

bool MoveCursorUntil(TPoint screen, const std::function<bool()>& done, int timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    do {
        MoveCursorTo(screen);
        if (PumpUntil(done, 250))
            return true;
    } while (GetTickCount64() < deadline);
    return false;
}

void SendMouseButton(DWORD flag) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    Send(input);
}

THeldModifiers::THeldModifiers(std::initializer_list<WORD> modifiers) {
    GetKeyboardState(saved_);
    BYTE state[256];
    GetKeyboardState(state);
    for (WORD m : modifiers)
        state[m] = 0x80;
    SetKeyboardState(state);
}

THeldModifiers::~THeldModifiers() {
    SetKeyboardState(saved_);
}

void PostKeyStroke(WORD vk) {
    HWND focus = GetFocus();
    const bool alt = GetKeyState(VK_MENU) < 0;
    LPARAM lParam = 1 | (static_cast<LPARAM>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)) << 16);
    if (alt)
        lParam |= LPARAM{1} << 29;
    PostMessageA(focus, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, lParam);
    PostMessageA(focus, alt ? WM_SYSKEYUP : WM_KEYUP, vk, lParam | (LPARAM{3} << 30));
}

void PressKey(WORD vk, std::initializer_list<WORD> modifiers) {
    THeldModifiers held(modifiers);
    PostKeyStroke(vk);
    PumpPending();
}

TWindowProcTap::TWindowProcTap(TControl& control, Filter filter)
    : control_(control), filter_(std::move(filter)), previous_(control.WindowProc) {
    control.WindowProc = TWndMethod::Bind<&TWindowProcTap::Proc>(this);
}

TWindowProcTap::~TWindowProcTap() {
    control_.WindowProc = previous_;
}

void TWindowProcTap::Proc(TMessage& message) {
    if (!filter_(message))
        previous_(message);
}

HINSTANCE TRecordingShell::ShellExecute(HWND owner, const char* verb, const char* file,
                                        const char* parameters, const char* directory, int show) {
    Calls.push_back(Call{owner, verb ? verb : "", file ? file : "", parameters ? parameters : "",
                         directory ? directory : "", parameters != nullptr, directory != nullptr,
                         show});
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(33)); // success: above 32
}

BOOL TRecordingShell::ShellExecuteEx(SHELLEXECUTEINFOA*) {
    ++ExCalls;
    return FALSE;
}
