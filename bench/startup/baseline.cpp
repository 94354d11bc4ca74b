// The smallest program that shows what the launcher shows first: a borderless 800 x 480 window,
// centred on the desktop, painting one bitmap resource with BitBlt. Start-up benchmarks compare
// the launcher against it.
#include <windows.h>

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 480;
constexpr char kClassName[] = "VfcStartupBaseline";

class OwnedBitmap {
public:
    explicit OwnedBitmap(HBITMAP handle) : handle_(handle) {}
    OwnedBitmap(const OwnedBitmap&) = delete;
    OwnedBitmap& operator=(const OwnedBitmap&) = delete;
    ~OwnedBitmap() {
        if (handle_) {
            DeleteObject(handle_);
        }
    }
    HBITMAP get() const { return handle_; }

private:
    HBITMAP handle_;
};

class MemoryDC {
public:
    explicit MemoryDC(HDC compatible) : dc_(CreateCompatibleDC(compatible)) {}
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    ~MemoryDC() {
        if (dc_) {
            DeleteDC(dc_);
        }
    }
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

class PaintScope {
public:
    explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    ~PaintScope() { EndPaint(window_, &paint_); }
    HDC dc() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

void paint(HWND window, HBITMAP background) {
    PaintScope paint(window);
    MemoryDC source(paint.dc());
    HGDIOBJ previous = SelectObject(source.get(), background);
    BitBlt(paint.dc(), 0, 0, kWidth, kHeight, source.get(), 0, 0, SRCCOPY);
    SelectObject(source.get(), previous);
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        auto* background = reinterpret_cast<OwnedBitmap*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        paint(window, background->get());
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) {
            DestroyWindow(window);
        }
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    OwnedBitmap background(
        static_cast<HBITMAP>(LoadImageA(instance, "MAIN_BACKGROUND", IMAGE_BITMAP, 0, 0, 0)));
    if (!background.get()) {
        return 1;
    }

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassA(&windowClass)) {
        return 1;
    }

    const int left = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    HWND window = CreateWindowExA(0, kClassName, "Velmora Startup Baseline", WS_POPUP, left, top,
                                  kWidth, kHeight, nullptr, nullptr, instance, &background);
    if (!window) {
        return 1;
    }
    ShowWindow(window, show == SW_HIDE ? SW_SHOWNORMAL : show);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
