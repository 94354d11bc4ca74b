// Device contexts borrowed from windows and DC state, each given back at the end of a scope:
// a window's DC (GetDC / ReleaseDC), a paint DC (BeginPaint / EndPaint) and saved DC state
// (SaveDC / RestoreDC).
#pragma once

#include <windows.h>

#include <utility>

// A window's device context, released to the window again at the end: the client area
// (GetDC) or the whole window with its frame (GetWindowDC). A null window means the screen.
// Default-constructed or moved from, it holds no DC.
class TWindowDC {
public:
    enum TArea { Client, WholeWindow };
    TWindowDC() = default;
    explicit TWindowDC(HWND window, TArea area = Client)
        : window_(window), dc_(area == Client ? GetDC(window) : GetWindowDC(window)) {}
    ~TWindowDC() { Reset(); }
    TWindowDC(TWindowDC&& other) noexcept
        : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
    TWindowDC& operator=(TWindowDC&& other) noexcept {
        if (this != &other) {
            Reset();
            window_ = other.window_;
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;

    // Releases the DC now; the guard is empty afterwards.
    void Reset() {
        if (dc_)
            ReleaseDC(window_, std::exchange(dc_, nullptr));
    }
    HDC Get() const { return dc_; }
    HWND Window() const { return window_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

// The DC of one WM_PAINT: BeginPaint in the constructor, EndPaint in the destructor.
class TPaintDC {
public:
    explicit TPaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~TPaintDC() { EndPaint(window_, &paint_); }
    TPaintDC(const TPaintDC&) = delete;
    TPaintDC& operator=(const TPaintDC&) = delete;

    HDC Get() const { return dc_; }
    const PAINTSTRUCT& Paint() const { return paint_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Saves a DC's state (clipping, origins, selected objects, modes) and restores it at the end,
// also when the scope is left by an exception. A null DC is left alone.
class TSavedDC {
public:
    explicit TSavedDC(HDC dc) : dc_(dc), saved_(dc ? SaveDC(dc) : 0) {}
    ~TSavedDC() {
        if (saved_)
            RestoreDC(dc_, saved_);
    }
    TSavedDC(const TSavedDC&) = delete;
    TSavedDC& operator=(const TSavedDC&) = delete;

    HDC Get() const { return dc_; }

private:
    HDC dc_;
    int saved_;
};
