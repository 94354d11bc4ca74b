// Picture push buttons: a base with the button behaviour (states, repeat timer, click with
// modal result, Default and Cancel keys, accelerators, off-screen composition, transparency
// over the parent, focus frame, centred caption) and the four-picture button built on it.
#pragma once

#include "framework/Controls.h"
#include "framework/ExtCtrls.h"
#include "skin/SUIThemes.h"

#include <memory>

// Asks a window whether it is a picture button: every picture button answers 1.
constexpr UINT SUIM_ISIMAGEBUTTON = 0x8BB8;

class TsuiCustomButton : public TCustomControl {
    VFC_CLASS(TsuiCustomButton, TCustomControl)
    explicit TsuiCustomButton(TComponent* owner);
    ~TsuiCustomButton() override;

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    bool Default() const { return default_; }
    void SetDefault(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int v) { modalResult_ = v; }
    virtual TsuiUIStyle UIStyle() const { return style_; }
    virtual void SetUIStyle(TsuiUIStyle s);
    int MouseContinuouslyDownInterval() const { return repeatInterval_; }
    void SetMouseContinuouslyDownInterval(int ms) { repeatInterval_ = ms; }
    int FocusedRectMargin() const { return focusMargin_; }
    void SetFocusedRectMargin(int m);
    void SetText(const std::string& text) override;

    TNotifyEvent OnMouseExit;
    TNotifyEvent OnMouseContinuouslyDown;

    bool Pressed() const { return pressed_; }
    bool PointerInside() const { return pointerInside_; }
    bool ActiveDefault() const { return activeDefault_; }
    bool RepeatTimerActive() const { return repeatTimer_ != nullptr; }

    void Click() override;
    void WndProc(TMessage& message) override;
    // One rule for moves and releases: up to and including X = Width and Y = Height.
    bool PointerCountsInside(int x, int y) const {
        return x >= 0 && y >= 0 && x <= Width() && y <= Height();
    }
    bool ReleaseClicksAt(int x, int y) const override { return PointerCountsInside(x, y); }

protected:
    virtual void SizeToPicture() {}
    virtual void CaptionUpdated() {}
    virtual void FontUpdated();
    virtual void TransparencyUpdated();
    virtual void EnabledUpdated() {}
    virtual void StyleUpdated() {}
    virtual void DrawPicture(TCanvas& canvas, TBitmap& picture);
    virtual void DrawCaption(TCanvas& canvas);
    virtual void DrawFocusFrame(TCanvas& canvas);
    virtual void GetNormalPicture(TBitmap& picture);
    virtual void GetHoverPicture(TBitmap& picture);
    virtual void GetPressedPicture(TBitmap& picture);
    virtual void GetDisabledPicture(TBitmap& picture);

    void Paint() override;
    void CreateHandleDone() override;

private:
    void StartRepeat();
    void StopRepeat();
    void RepeatTick(TObject*);
    void DrawCaptionText(TCanvas& canvas, RECT r);
    bool HandleDialogKey(TMessage& m);
    bool HandleDialogChar(TMessage& m);
    void LeaveState();

    bool autoSize_ = false;
    bool cancel_ = false;
    bool default_ = false;
    bool transparent_ = false;
    int modalResult_ = 0;
    TsuiUIStyle style_ = DeepBlue;
    std::unique_ptr<TTimer> repeatTimer_;
    std::unique_ptr<TBitmap> composition_;
    std::unique_ptr<TBitmap> working_;
    int repeatInterval_ = 100;
    int focusMargin_ = 2;
    bool activeDefault_ = false;
    bool pointerInside_ = false;
    bool pressed_ = false;
};

class TsuiImageButton : public TsuiCustomButton {
    VFC_CLASS(TsuiImageButton, TsuiCustomButton)
    explicit TsuiImageButton(TComponent* owner);
    ~TsuiImageButton() override;

    // The stored style has no effect on a picture button: it always reads FromThemeFile.
    TsuiUIStyle UIStyle() const override { return FromThemeFile; }

    TPicture* PicNormal() const { return pictures_[0].get(); }
    TPicture* PicMouseOn() const { return pictures_[1].get(); }
    TPicture* PicMouseDown() const { return pictures_[2].get(); }
    TPicture* PicDisabled() const { return pictures_[3].get(); }
    void SetPicNormal(TPicture* p) { SetPicture(0, p); }
    void SetPicMouseOn(TPicture* p) { SetPicture(1, p); }
    void SetPicMouseDown(TPicture* p) { SetPicture(2, p); }
    void SetPicDisabled(TPicture* p) { SetPicture(3, p); }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool v);
    bool DrawFocused() const { return drawFocused_; }
    void SetDrawFocused(bool v);

protected:
    void SizeToPicture() override;
    void DrawPicture(TCanvas& canvas, TBitmap& picture) override;
    void DrawFocusFrame(TCanvas& canvas) override;
    void GetNormalPicture(TBitmap& picture) override;
    void GetHoverPicture(TBitmap& picture) override;
    void GetPressedPicture(TBitmap& picture) override;
    void GetDisabledPicture(TBitmap& picture) override;

private:
    void SetPicture(int index, TPicture* picture);
    // Copies the picture's graphic as a bitmap, or leaves `picture` empty when it holds none.
    // Raises when the graphic cannot be drawn.
    void CopyInto(TBitmap& picture, const TPicture* source) const;
    const TPicture* OrNormal(int index) const;

    std::unique_ptr<TPicture> pictures_[4];
    bool stretch_ = false;
    bool drawFocused_ = false;
};

// Draws into `canvas` what the control's parent paints under the control.
void PaintParentBackground(TCanvas& canvas, TControl* control);
