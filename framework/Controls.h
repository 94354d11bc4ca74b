// Controls: non-windowed controls painted by their parent, windowed controls with their own
// window, and custom controls with a canvas and a Paint operation.
//
// Every message a control handles goes through its WindowProc (a replaceable method
// reference, by default the control's own WndProc), then the class chain of WndProc
// overrides, and finally DefaultHandler (for windowed controls the window class's procedure).
#pragma once

#include "framework/Accessibility.h"
#include "framework/Classes.h"
#include "framework/Graphics.h"
#include "framework/Messages.h"
#include "framework/Types.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class TWinControl;
class TCustomForm;
class TControl;
class TAction;

enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateFlag>;
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
enum TCursor : int16_t {
    crDefault = 0,
    crNone = -1,
    crArrow = -2,
    crCross = -3,
    crIBeam = -4,
    crHourGlass = -11,
    crHandPoint = -21,
};
template <> const TEnumInfo& EnumInfoOf<TAlign>();
template <> const TEnumInfo& EnumInfoOf<TAnchorKind>();
template <> const TEnumInfo& EnumInfoOf<TBiDiMode>();
template <> const TEnumInfo& EnumInfoOf<TShiftStateFlag>();

using TMouseEvent =
    TEvent<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = TEvent<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = TEvent<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = TEvent<void(TObject* Sender, char& Key)>;
using TWndMethod = TEvent<void(TMessage& Message)>;

// Behaviour switches of a control class.
enum TControlStyleFlag : uint32_t {
    csAcceptsControls = 1 << 0,
    csCaptureMouse = 1 << 1,
    csClickEvents = 1 << 2,
    csDoubleClicks = 1 << 3,
    csOpaque = 1 << 4,
    csSetCaption = 1 << 5,
    csFramed = 1 << 6,
    csParentBackground = 1 << 7,
};

TShiftState KeysToShiftState(WPARAM keys);
TShiftState KeyboardShiftState();

// A canvas drawing on a control: on its window's DC for windowed controls, on the parent's DC
// (moved to the control's position) while a non-windowed control paints.
class TControlCanvas : public TCanvas {
    VFC_CLASS(TControlCanvas, TCanvas)
    explicit TControlCanvas(TControl* control) : control_(control) {}
    ~TControlCanvas() override;
    TControl* Control() const { return control_; }
    // Drops a DC that this canvas obtained itself.
    void FreeHandle();

protected:
    void CreateHandle() override;

private:
    TControl* control_;
    TWindowDC ownDC_;
};

class TControl : public TComponent {
    VFC_CLASS(TControl, TComponent)
    explicit TControl(TComponent* owner);
    ~TControl() override;

    // Messages
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    TWndMethod WindowProc; // replaceable; starts as this control's WndProc
    virtual void WndProc(TMessage& message);
    virtual void DefaultHandler(TMessage& message);

    // Parent and geometry
    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    void SetParentComponent(TComponent* parent) override;
    TComponent* GetParentComponent() const override;
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    virtual TRect ClientRect() const { return Rect(0, 0, width_, height_); }
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    void SetClientWidth(int v);
    void SetClientHeight(int v);
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors a) { anchors_ = a; }

    // State
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible and every parent up to a shown top-level window is visible.
    virtual bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool enabled);
    const std::string& Caption() const { return text_; }
    void SetCaption(const std::string& text) { SetText(text); }
    const std::string& Text() const { return text_; }
    virtual void SetText(const std::string& text);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool v);
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* font) { font_->Assign(font); }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool v);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& h) { hint_ = h; }
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor c);
    TBiDiMode BiDiMode() const { return biDiMode_; }
    void SetBiDiMode(TBiDiMode m) { biDiMode_ = m; }
    bool ParentBiDiMode() const { return parentBiDiMode_; }
    void SetParentBiDiMode(bool v) { parentBiDiMode_ = v; }
    uint32_t ControlStyle() const { return controlStyle_; }
    void SetControlStyle(uint32_t s) { controlStyle_ = s; }
    bool HasControlStyle(TControlStyleFlag f) const { return (controlStyle_ & f) != 0; }
    bool MouseInside() const; // this control is the one under the pointer

    // Painting
    virtual void Invalidate();
    virtual void Update();
    virtual void Repaint();

    // Events and their dispatchers
    TNotifyEvent OnClick;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnDblClick;
    // After the control's width or height changed.
    TNotifyEvent OnResize;
    virtual void Click();
    // A left double click: before the press it also brings (WM_LBUTTONDBLCLK).
    virtual void DblClick();

    // Properties stored by layouts but owned by other parts of the framework (menus).
    // A popup menu (TPopupMenu) is shown by the context-menu request (WM_CONTEXTMENU).
    TComponent* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TComponent* menu);
    // The linked action, not owned: the control takes its caption, enabled and visible state
    // whenever it changes, and a click without an OnClick of its own executes it.
    TAction* Action() const { return action_; }
    void SetAction(TAction* action);

protected:
    friend class TAction;
    // The linked action was linked or changed.
    virtual void ActionChange(const TAction& action);
    // WM_CONTEXTMENU: shows the popup menu at the screen point of the message, or at the
    // control's top-left corner for the keyboard's (-1, -1). False when there is no menu.
    bool ContextPopup(TMessage& message);
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseEntered();
    virtual void MouseLeft();
    virtual void FontChanged();
    virtual void BoundsChanged() {}
    virtual void Resize();
    virtual void VisibleChanging() {}
    void Notification(TComponent* component, TOperation operation) override;
    void Loaded() override;

    // Mouse message handling shared by windowed and non-windowed controls.
    void HandleMouseMessage(TMessage& message);
    // Whether a left release at (x, y) after a press on this control clicks it: inside the
    // client area, right and bottom edges excluded.
    virtual bool ReleaseClicksAt(int x, int y) const {
        return x >= 0 && y >= 0 && x < width_ && y < height_;
    }
    void RequestAlign();
    void FontChangedHandler(TObject*);

    bool clicked_ = false; // a press that may end in a click is in progress

private:
    friend class TWinControl;
    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = alNone;
    TAnchors anchors_{akLeft, akTop};
    bool visible_ = true;
    bool enabled_ = true;
    std::string text_;
    std::string hint_;
    TColor color_ = clWindow;
    bool parentColor_ = false;
    bool parentFont_ = true;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TCursor cursor_ = crDefault;
    TBiDiMode biDiMode_ = bdLeftToRight;
    bool parentBiDiMode_ = true;
    uint32_t controlStyle_ = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    std::unique_ptr<TFont> font_;
    TComponent* popupMenu_ = nullptr;
    TAction* action_ = nullptr;
};

// Parameters for creating a control's window; CreateParams fills them in.
struct TCreateParams {
    std::string Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    HMENU Menu = nullptr;
    std::string WinClassName;
    UINT ClassStyle = CS_DBLCLKS;
    HCURSOR ClassCursor = nullptr;
    HBRUSH ClassBackground = nullptr;
    void* CreateParam = nullptr;
};

class TWinControl : public TControl {
    VFC_CLASS(TWinControl, TControl)
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // Window
    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded() { Handle(); }
    void RecreateWnd();
    void DestroyHandle();
    static TWinControl* FromHandle(HWND hwnd);
    void DefaultHandler(TMessage& message) override;
    void WndProc(TMessage& message) override;

    // Children in creation (stacking) order; windowed children lie above non-windowed ones.
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(index); }
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    // The enabled, visible child at a client point (non-windowed ones included).
    TControl* ControlAtPos(TPoint p, bool allowDisabled = false, bool allowWindowed = true) const;
    // Sends a message to every child until one answers with a non-zero result.
    void Broadcast(TMessage& message);
    // Sends a notification to every child (CM_PARENTCOLORCHANGED and the like).
    void NotifyControls(UINT msg);

    // Focus and tab order
    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v) { tabStop_ = v; }
    virtual bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();
    // Windowed descendants in tab order, depth first.
    void GetTabOrderList(std::vector<TWinControl*>& list);
    TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop,
                                 bool checkParent);
    void SelectNext(TWinControl* current, bool forward, bool checkTabStop);

    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    bool Showing() const override;
    void SetBounds(int left, int top, int width, int height) override;
    void SetEnabled(bool enabled) override;
    void SetText(const std::string& text) override;
    void Invalidate() override;
    void Update() override;
    void Repaint() override;
    void SetParent(TWinControl* parent) override;
    void Realign();
    void Loaded() override;

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    // Paints the non-windowed children into a DC whose origin is this control's client area.
    void PaintControls(HDC dc, TControl* first = nullptr);

    // What accessibility clients (screen readers) learn of the control, in place of the
    // system's answers; nothing of it is painted.
    const TAccessibleText& AccessibleText() const { return accessible_; }
    void SetAccessibleText(const TAccessibleText& text) { accessible_ = text; }

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    virtual void CreateWindowHandle(const TCreateParams& params);
    virtual void DestroyWnd();
    virtual void CreateHandleDone() {}
    // WM_PAINT: paints through PaintWindow, then the non-windowed children.
    virtual void PaintHandler(TMessage& message);
    virtual void PaintWindow(HDC dc);
    virtual void AlignControls(TControl* control, TRect& rect);
    virtual bool DoKeyDown(WORD& key, TShiftState shift);
    virtual bool DoKeyUp(WORD& key, TShiftState shift);
    virtual bool DoKeyPress(char& key);
    virtual void KeyDown(WORD& key, TShiftState shift);
    virtual void KeyUp(WORD& key, TShiftState shift);
    virtual void KeyPress(char& key);
    void DoEnter() { OnEnter(this); }
    void DoExit() { OnExit(this); }
    void ShowControl(TControl* control);
    void UpdateShowing();
    // Windows' own procedure for the window class (DefWindowProcA unless a class says else).
    WNDPROC defWndProc_ = DefWindowProcA;

private:
    TAccessibleText accessible_;
    friend class TControl;
    static LRESULT CALLBACK StdWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void UpdateBounds();
    void SetZOrderOfChildWindows();
    bool HandleKeyNotification(TMessage& message);
    // Tab orders read from a layout are applied once all siblings exist.
    void FixupTabList();

    HWND handle_ = nullptr;
    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    bool tabStop_ = false;
    int loadedTabOrder_ = -1;
    bool aligning_ = false;
    bool creatingHandle_ = false;
};

class TGraphicControl : public TControl {
    VFC_CLASS(TGraphicControl, TControl)
    explicit TGraphicControl(TComponent* owner);
    ~TGraphicControl() override;
    TCanvas* Canvas() const { return canvas_.get(); }
    void WndProc(TMessage& message) override;

protected:
    virtual void Paint() {}

private:
    std::unique_ptr<TControlCanvas> canvas_;
};

class TCustomControl : public TWinControl {
    VFC_CLASS(TCustomControl, TWinControl)
    explicit TCustomControl(TComponent* owner);
    ~TCustomControl() override;
    TCanvas* Canvas() const { return canvas_.get(); }

protected:
    virtual void Paint() {}
    void PaintWindow(HDC dc) override;

private:
    std::unique_ptr<TControlCanvas> canvas_;
};

// The form a control lies on, or none.
TCustomForm* GetParentForm(TControl* control);
