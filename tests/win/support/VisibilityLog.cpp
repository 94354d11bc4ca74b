#include "tests/win/support/VisibilityLog.h"

#include <stdexcept>

namespace {
// Hook procedures get no context: the one log that is recording.
TVisibilityLog*& RecordingLog() {
    static TVisibilityLog* log = nullptr;
    return log;
}
} // namespace

TVisibilityLog::TVisibilityLog(HWND window) : window_(window) {
    if (RecordingLog())
        throw std::logic_error("one visibility log at a time");
    RecordingLog() = this;
    hook_ = SetWindowsHookExA(WH_CALLWNDPROCRET, Hook, nullptr, GetCurrentThreadId());
}

TVisibilityLog::~TVisibilityLog() {
    if (hook_)
        UnhookWindowsHookEx(hook_);
    RecordingLog() = nullptr;
}

LRESULT CALLBACK TVisibilityLog::Hook(int code, WPARAM wParam, LPARAM lParam) {
    TVisibilityLog* log = RecordingLog();
    if (code == HC_ACTION && log) {
        const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (message->message == WM_WINDOWPOSCHANGED && message->hwnd == log->window_) {
            const auto* position = reinterpret_cast<const WINDOWPOS*>(message->lParam);
            if (position->flags & SWP_HIDEWINDOW)
                log->steps_ += 'H';
            if (position->flags & SWP_SHOWWINDOW)
                log->steps_ += 'S';
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
