// Canvases on controls, non-windowed controls and custom controls with a Paint operation.
#include "framework/CanvasScope.h"
#include "framework/Controls.h"

VFC_DESCRIBE(TControlCanvas) {
    (void)b;
}

TControlCanvas::~TControlCanvas() {
    FreeHandle();
}

void TControlCanvas::FreeHandle() {
    if (ownDC_) {
        SetHandle(nullptr);
        ownDC_.Reset();
    }
}

void TControlCanvas::CreateHandle() {
    // Outside a paint: a DC on the control's window, or on its parent's moved to the control.
    FreeHandle();
    HWND window = nullptr;
    TPoint offset{0, 0};
    if (auto* w = As<TWinControl>(control_)) {
        window = w->Handle();
    } else if (control_->Parent()) {
        window = control_->Parent()->Handle();
        offset = {control_->Left(), control_->Top()};
    }
    if (!window)
        return;
    ownDC_ = TWindowDC(window);
    if (!ownDC_)
        return;
    if (offset.X || offset.Y) {
        SetViewportOrgEx(ownDC_.Get(), offset.X, offset.Y, nullptr);
        IntersectClipRect(ownDC_.Get(), 0, 0, control_->Width(), control_->Height());
    }
    SetHandle(ownDC_.Get());
}

VFC_DESCRIBE(TGraphicControl) {
    (void)b;
}

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), canvas_(std::make_unique<TControlCanvas>(this)) {}

TGraphicControl::~TGraphicControl() {
    canvas_->FreeHandle();
}

void TGraphicControl::WndProc(TMessage& m) {
    if (m.Msg == WM_PAINT && m.WParam) {
        canvas_->FreeHandle();
        const TCanvasBinding binding(*canvas_, reinterpret_cast<HDC>(m.WParam));
        canvas_->Font()->Assign(Font());
        Paint();
        return;
    }
    TControl::WndProc(m);
}

VFC_DESCRIBE(TCustomControl) {
    (void)b;
}

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), canvas_(std::make_unique<TControlCanvas>(this)) {}

TCustomControl::~TCustomControl() {
    canvas_->FreeHandle();
}

void TCustomControl::PaintWindow(HDC dc) {
    canvas_->FreeHandle();
    const TCanvasBinding binding(*canvas_, dc);
    Paint();
}
