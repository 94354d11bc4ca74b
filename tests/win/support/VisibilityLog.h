// Hide ('H') and show ('S') steps of one window of this thread, seen in its WM_WINDOWPOSCHANGED.
#pragma once

#include <windows.h>

#include <string>

class TVisibilityLog {
public:
    explicit TVisibilityLog(HWND window);
    ~TVisibilityLog();
    TVisibilityLog(const TVisibilityLog&) = delete;
    TVisibilityLog& operator=(const TVisibilityLog&) = delete;
    const std::string& Steps() const { return steps_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    HWND window_;
    std::string steps_;
    HHOOK hook_ = nullptr;
};
