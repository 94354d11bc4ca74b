#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/WindowClass.h"

VFC_DESCRIBE(TImage) {
    b.Property("Picture", &TImage::Picture, &TImage::SetPicture);
    b.Property("AutoSize", &TImage::AutoSize, &TImage::SetAutoSize).WithDefault(false);
    b.Property("Stretch", &TImage::Stretch, &TImage::SetStretch).WithDefault(false);
    b.Property("Center", &TImage::Center, &TImage::SetCenter).WithDefault(false);
    b.Property("Transparent", &TImage::Transparent, &TImage::SetTransparent).WithDefault(false);
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner), picture_(std::make_unique<TPicture>()) {
    SetControlStyle(ControlStyle() | csOpaque);
    picture_->OnChange = TNotifyEvent::Bind<&TImage::PictureChanged>(this);
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage() = default;

void TImage::PictureChanged(TObject*) {
    if (autoSize_ && picture_->Width() > 0 && picture_->Height() > 0)
        SetBounds(Left(), Top(), picture_->Width(), picture_->Height());
    const TGraphic* g = picture_->Graphic();
    const bool opaque = g && !g->Transparent() && !stretch_ && !center_ &&
                        picture_->Width() >= Width() && picture_->Height() >= Height();
    SetControlStyle(opaque ? ControlStyle() | csOpaque : ControlStyle() & ~csOpaque);
    Invalidate();
}

void TImage::SetAutoSize(bool v) {
    autoSize_ = v;
    PictureChanged(nullptr);
}
void TImage::SetStretch(bool v) {
    stretch_ = v;
    PictureChanged(nullptr);
}
void TImage::SetCenter(bool v) {
    center_ = v;
    PictureChanged(nullptr);
}
void TImage::SetTransparent(bool v) {
    transparent_ = v;
    if (TGraphic* g = picture_->Graphic())
        g->SetTransparent(v);
    PictureChanged(nullptr);
}

TRect TImage::DestRect() const {
    const int w = picture_->Width(), h = picture_->Height();
    if (stretch_)
        return ClientRect();
    if (center_)
        return Bounds((Width() - w) / 2, (Height() - h) / 2, w, h);
    return Bounds(0, 0, w, h);
}

void TImage::Paint() {
    if (TGraphic* g = picture_->Graphic(); g && !g->Empty())
        Canvas()->StretchDraw(DestRect(), g);
}

VFC_DESCRIBE(TTimer) {
    b.Property("Enabled", &TTimer::Enabled, &TTimer::SetEnabled).WithDefault(true);
    b.Property("Interval", &TTimer::Interval, &TTimer::SetInterval).WithDefault(1000);
    b.Property("OnTimer", &TTimer::OnTimerValue, &TTimer::SetOnTimer);
}

namespace {
constexpr char kTimerWindowClass[] = "VfcTimerWindow";
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    RegisterWindowClass({.Name = kTimerWindowClass, .Procedure = TimerWndProc});
    window_.Reset(CreateWindowExA(0, kTimerWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleA(nullptr), nullptr));
    SetWindowLongPtrA(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TTimer::~TTimer() {
    if (running_ && window_.Get())
        KillTimer(window_.Get(), 1);
    running_ = false;
}

LRESULT CALLBACK TTimer::TimerWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_TIMER) {
        if (auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA))) {
            Application->EnterHandler();
            try {
                timer->OnTimer(timer);
            } catch (const std::exception& e) {
                Application->HandleException(e);
            }
            Application->LeaveHandler();
        }
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void TTimer::Restart() {
    if (running_)
        KillTimer(window_.Get(), 1);
    running_ = false;
    if (enabled_ && interval_ > 0 && OnTimer && window_.Get())
        running_ = SetTimer(window_.Get(), 1, interval_, nullptr) != 0;
}

void TTimer::SetEnabled(bool v) {
    enabled_ = v;
    Restart();
}
void TTimer::SetInterval(unsigned ms) {
    interval_ = ms;
    Restart();
}
void TTimer::SetOnTimer(TNotifyEvent e) {
    OnTimer = e;
    Restart();
}
