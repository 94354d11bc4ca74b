// Pictures shown by their parent, and timers.
#pragma once

#include "framework/Controls.h"
#include "framework/WinHandles.h"

class TImage : public TGraphicControl {
    VFC_CLASS(TImage, TGraphicControl)
    explicit TImage(TComponent* owner);
    ~TImage() override;

    TPicture* Picture() const { return picture_.get(); }
    void SetPicture(TPicture* picture) { picture_->Assign(picture); }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);
    bool Center() const { return center_; }
    void SetCenter(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);

protected:
    void Paint() override;

private:
    void PictureChanged(TObject*);
    TRect DestRect() const;

    std::unique_ptr<TPicture> picture_;
    bool autoSize_ = false;
    bool stretch_ = false;
    bool center_ = false;
    bool transparent_ = false;
};

// Fires OnTimer every Interval milliseconds while Enabled, on the user-interface thread.
class TTimer : public TComponent {
    VFC_CLASS(TTimer, TComponent)
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned ms);
    TNotifyEvent OnTimer;
    void SetOnTimer(TNotifyEvent e);
    TNotifyEvent OnTimerValue() const { return OnTimer; }

private:
    static LRESULT CALLBACK TimerWndProc(HWND, UINT, WPARAM, LPARAM);
    void Restart();

    TOwnedWindow window_;
    bool enabled_ = true;
    unsigned interval_ = 1000;
    bool running_ = false;
};
