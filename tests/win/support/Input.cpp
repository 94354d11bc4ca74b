#include "tests/win/support/Input.h"

#include "tests/win/support/Pump.h"

namespace {
// Absolute pointer coordinates run from 0 to this over the primary screen.
constexpr LONG kAbsoluteRange = 65536;
// How often MoveCursorUntil puts the cursor back.
constexpr int kCursorRepeatMs = 250;
// Key message lParam: repeat count 1, scan code from bit 16, Alt held (bit 29), and for a key
// going up the previous state and the transition (bits 30 and 31).
constexpr LPARAM kRepeatOnce = 1;
constexpr int kScanCodeShift = 16;
constexpr LPARAM kAltHeld = LPARAM{1} << 29;
constexpr LPARAM kKeyGoingUp = LPARAM{3} << 30;

void Send(INPUT input) {
    SendInput(1, &input, sizeof(INPUT));
}
} // namespace

void ShowAndActivate(TCustomForm& form) {
    form.Show();
    HWND window = form.Handle();
    SetForegroundWindow(window);
    SetActiveWindow(window);
    PumpUntil([window] { return IsWindowVisible(window) && GetForegroundWindow() == window; });
    PumpPending();
}

void MoveCursorTo(TPoint screen) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = static_cast<LONG>((screen.X * kAbsoluteRange + w / 2) / w);
    input.mi.dy = static_cast<LONG>((screen.Y * kAbsoluteRange + h / 2) / h);
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
        if (PumpUntil(done, kCursorRepeatMs))
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

void PostKey(HWND window, WORD vk, bool up) {
    const bool alt = GetKeyState(VK_MENU) < 0;
    LPARAM lParam =
        kRepeatOnce | (static_cast<LPARAM>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)) << kScanCodeShift);
    if (alt)
        lParam |= kAltHeld;
    if (up)
        lParam |= kKeyGoingUp;
    const UINT message = up ? (alt ? WM_SYSKEYUP : WM_KEYUP) : (alt ? WM_SYSKEYDOWN : WM_KEYDOWN);
    PostMessageA(window, message, vk, lParam);
}

void PostKeyStroke(WORD vk) {
    HWND focus = GetFocus();
    PostKey(focus, vk);
    PostKey(focus, vk, true);
}

void PressKey(WORD vk, std::initializer_list<WORD> modifiers) {
    THeldModifiers held(modifiers);
    PostKeyStroke(vk);
    PumpPending();
}
