// TWinControl: the control's window, child controls, painting, focus and tab order.
#include "framework/Controls.h"
#include "framework/Forms.h"
#include "framework/WindowClass.h"

#include <algorithm>
#include <optional>

namespace {
// Messages from here up are registered at run time (RegisterWindowMessage): never the
// framework's own.
constexpr UINT kRegisteredMessageBase = 0xC000;

// Hands the control being created to StdWndProc, which binds it to its first message.
thread_local TWinControl* creatingControl = nullptr;

bool IsMouseMessage(UINT msg) {
    return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST;
}
// The context-menu key goes up, or Shift+F10 goes down: the keyboard's context-menu request.
// The framework makes the request itself and keeps these keys from the default procedure,
// which on some systems makes it too.
bool IsContextMenuKey(UINT msg, WORD key, TShiftState shift) {
    if (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN)
        return key == VK_F10 && shift.Contains(ssShift) && !shift.Contains(ssAlt) &&
               !shift.Contains(ssCtrl);
    return key == VK_APPS;
}
constexpr LPARAM kKeyboardContextMenu = -1;

bool IsButtonDown(UINT msg) {
    return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN ||
           msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
}
} // namespace

VFC_DESCRIBE(TWinControl) {
    b.Property("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder);
    b.Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).WithDefault(false);
    b.Field("OnKeyDown", &TWinControl::OnKeyDown);
    b.Field("OnKeyUp", &TWinControl::OnKeyUp);
    b.Field("OnKeyPress", &TWinControl::OnKeyPress);
    b.Field("OnEnter", &TWinControl::OnEnter);
    b.Field("OnExit", &TWinControl::OnExit);
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    Destroying();
    // Leave the parent while this is still a windowed control: ~TControl no longer knows it
    // as one, and the parent's tab list and the form's active control would keep it.
    if (Parent())
        Parent()->RemoveControl(this);
    if (HandleAllocated())
        DestroyHandle();
    // Children go with their parent, whoever owns them.
    while (!controls_.empty()) {
        TControl* child = controls_.back();
        RemoveControl(child);
        delete child;
    }
}

TWinControl* TWinControl::FromHandle(HWND hwnd) {
    if (!hwnd || reinterpret_cast<WNDPROC>(GetClassLongPtrA(hwnd, GCLP_WNDPROC)) != StdWndProc)
        return nullptr;
    return reinterpret_cast<TWinControl*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK TWinControl::StdWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* control = reinterpret_cast<TWinControl*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!control && creatingControl) {
        control = creatingControl;
        creatingControl = nullptr;
        control->handle_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
    }
    if (!control)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    TMessage m{msg, wParam, lParam, 0};
    Application->EnterHandler();
    try {
        control->WindowProc(m);
    } catch (const std::exception& e) {
        Application->HandleException(e);
    } catch (...) {
        Application->HandleException(std::runtime_error("unknown error"));
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        control->handle_ = nullptr;
    }
    // Components released by a handler go now that no handler runs any more.
    Application->LeaveHandler();
    return m.Result;
}

HWND TWinControl::Handle() {
    if (!handle_ && !creatingHandle_) {
        if (Parent())
            Parent()->HandleNeeded();
        if (!handle_)
            CreateWnd();
    }
    return handle_;
}

void TWinControl::CreateParams(TCreateParams& p) {
    p.Caption = Text();
    p.Style = WS_CHILD | WS_CLIPSIBLINGS;
    if (HasControlStyle(csAcceptsControls))
        p.Style |= WS_CLIPCHILDREN;
    if (!Enabled())
        p.Style |= WS_DISABLED;
    if (tabStop_)
        p.Style |= WS_TABSTOP;
    if (Visible())
        p.Style |= WS_VISIBLE;
    p.X = Left();
    p.Y = Top();
    p.Width = Width();
    p.Height = Height();
    p.WndParent = Parent() ? Parent()->Handle() : nullptr;
    p.WinClassName = std::string("Vfc") + ClassName();
    p.ClassStyle = HasControlStyle(csDoubleClicks) ? CS_DBLCLKS : 0;
    p.ClassCursor = LoadCursorA(nullptr, IDC_ARROW);
}

void TWinControl::CreateWindowHandle(const TCreateParams& p) {
    if (!RegisterWindowClass({.Name = p.WinClassName.c_str(),
                              .Procedure = StdWndProc,
                              .Style = p.ClassStyle,
                              .Cursor = p.ClassCursor,
                              .Background = p.ClassBackground}))
        throw std::runtime_error("cannot register window class " + p.WinClassName);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    creatingControl = this;
    HWND hwnd =
        CreateWindowExA(p.ExStyle, p.WinClassName.c_str(), p.Caption.c_str(), p.Style, p.X, p.Y,
                        p.Width, p.Height, p.WndParent, p.Menu, instance, p.CreateParam);
    creatingControl = nullptr;
    if (!hwnd)
        throw std::runtime_error(std::string("cannot create the window of ") + ClassName());
    handle_ = hwnd;
}

void TWinControl::CreateWnd() {
    creatingHandle_ = true;
    try {
        TCreateParams p;
        CreateParams(p);
        CreateWindowHandle(p);
    } catch (...) {
        creatingHandle_ = false;
        throw;
    }
    creatingHandle_ = false;
    UpdateBounds();
    for (TControl* c : controls_)
        if (auto* w = As<TWinControl>(c))
            w->HandleNeeded();
    SetZOrderOfChildWindows();
    Realign();
    CreateHandleDone();
}

void TWinControl::SetZOrderOfChildWindows() {
    // Windows stack newest on top when created in order; keep creation order = stacking order.
    HWND after = HWND_TOP;
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        if (auto* w = As<TWinControl>(*it); w && w->handle_) {
            SetWindowPos(w->handle_, after, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
            after = w->handle_;
        }
}

void TWinControl::DestroyWnd() {
    if (handle_)
        DestroyWindow(handle_);
    handle_ = nullptr;
}

void TWinControl::DestroyHandle() {
    if (!handle_)
        return;
    for (TControl* c : controls_)
        if (auto* w = As<TWinControl>(c))
            w->DestroyHandle();
    DestroyWnd();
}

void TWinControl::RecreateWnd() {
    if (!handle_)
        return;
    DestroyHandle();
    HandleNeeded();
    Perform(CM_RECREATEWND);
}

void TWinControl::DefaultHandler(TMessage& m) {
    if (m.Msg >= CM_BASE && m.Msg < kRegisteredMessageBase) {
        // Framework notifications never reach Windows.
        if (m.Msg == CM_DIALOGKEY || m.Msg == CM_DIALOGCHAR || m.Msg == CM_FOCUSCHANGED)
            Broadcast(m);
        else
            TControl::DefaultHandler(m);
        return;
    }
    if (!handle_) {
        TControl::DefaultHandler(m);
        return;
    }
    m.Result = CallWindowProcA(defWndProc_, handle_, m.Msg, m.WParam, m.LParam);
}

void TWinControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_GETOBJECT:
        m.Result = accessible_.Name.empty()
                       ? 0
                       : AnswerAccessibleObject(handle_, m.WParam, m.LParam, accessible_);
        if (m.Result == 0)
            DefaultHandler(m);
        return;
    case WM_PAINT:
        PaintHandler(m);
        return;
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(handle_, &r);
        TOwnedBrushHandle brush(CreateSolidBrush(ColorToRGB(Color())));
        FillRect(reinterpret_cast<HDC>(m.WParam), &r, brush.Get());
        m.Result = 1;
        return;
    }
    case WM_SETFOCUS:
        if (TCustomForm* form = GetParentForm(this))
            form->SetFocusedControl(this);
        DefaultHandler(m);
        DoEnter();
        return;
    case WM_KILLFOCUS:
        DefaultHandler(m);
        DoExit();
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        WORD key = static_cast<WORD>(m.WParam);
        const TShiftState shift = KeyboardShiftState();
        bool handled = DoKeyDown(key, shift);
        m.WParam = key;
        if (handled || key == VK_APPS)
            return;
        if (IsContextMenuKey(m.Msg, key, shift))
            Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(handle_), kKeyboardContextMenu);
        else
            DefaultHandler(m);
        return;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        WORD key = static_cast<WORD>(m.WParam);
        const TShiftState shift = KeyboardShiftState();
        bool handled = DoKeyUp(key, shift);
        m.WParam = key;
        if (handled)
            return;
        if (IsContextMenuKey(m.Msg, key, shift))
            Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(handle_), kKeyboardContextMenu);
        else
            DefaultHandler(m);
        return;
    }
    case WM_CHAR: {
        char ch = static_cast<char>(m.WParam);
        bool handled = DoKeyPress(ch);
        m.WParam = static_cast<unsigned char>(ch);
        if (!handled)
            DefaultHandler(m);
        return;
    }
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
    case CN_CHAR:
    case CN_SYSCHAR:
        m.Result = HandleKeyNotification(m) ? 1 : 0;
        return;
    case WM_SETTEXT: {
        // Text set from outside (SetWindowTextA by anyone) becomes the control's text too.
        DefaultHandler(m);
        const std::string text = m.LParam ? reinterpret_cast<const char*>(m.LParam) : "";
        if (text != text_) {
            text_ = text;
            Perform(CM_TEXTCHANGED);
        }
        return;
    }
    case WM_WINDOWPOSCHANGED:
        DefaultHandler(m);
        UpdateBounds();
        return;
    case WM_SIZE:
        DefaultHandler(m);
        UpdateBounds();
        Realign();
        return;
    case WM_MOUSELEAVE:
        Application->PointerLeftWindow(this);
        return;
    case WM_CAPTURECHANGED:
        // Someone else took the capture (a system move loop, a menu): forget ours.
        if (TControl* c = Application->CaptureControl();
            c && (c == this || c->Parent() == this) && reinterpret_cast<HWND>(m.LParam) != handle_)
            Application->ForgetCapture();
        DefaultHandler(m);
        return;
    case CM_VISIBLECHANGED:
        if (handle_)
            ShowWindow(handle_, m.WParam ? SW_SHOWNOACTIVATE : SW_HIDE);
        else if (m.WParam && Parent() && Parent()->HandleAllocated())
            HandleNeeded();
        return;
    case WM_SETCURSOR:
        if (Application->ScreenCursor() != crDefault) {
            ::SetCursor(LoadCursorA(nullptr, IDC_WAIT));
            m.Result = 1;
            return;
        }
        DefaultHandler(m);
        return;
    case CM_COLORCHANGED:
        TControl::WndProc(m);
        NotifyControls(CM_PARENTCOLORCHANGED);
        return;
    case CM_FONTCHANGED:
        TControl::WndProc(m);
        NotifyControls(CM_PARENTFONTCHANGED);
        return;
    case WM_CONTEXTMENU:
        // A non-windowed child under the pointer has the first say when the request is this
        // window's own; without a menu of this control's, Windows passes it on to the parent.
        if (reinterpret_cast<HWND>(m.WParam) == handle_ &&
            (MessageX(m) != -1 || MessageY(m) != -1)) {
            const TPoint at = ScreenToClient({MessageX(m), MessageY(m)});
            if (TControl* child = ControlAtPos(at, false, false);
                child && child->Perform(WM_CONTEXTMENU, m.WParam, m.LParam) != 0) {
                m.Result = 1;
                return;
            }
        }
        if (!ContextPopup(m))
            DefaultHandler(m);
        return;
    case WM_CANCELMODE:
        DefaultHandler(m);
        Application->SetCaptureControl(nullptr);
        Perform(CM_CANCELMODE);
        return;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM: {
        // Reflect to the child control the notification is about.
        HWND child = nullptr;
        if (m.Msg == WM_COMMAND)
            child = reinterpret_cast<HWND>(m.LParam);
        else if (m.Msg == WM_NOTIFY && m.LParam)
            child = reinterpret_cast<NMHDR*>(m.LParam)->hwndFrom;
        else if (m.Msg == WM_DRAWITEM && m.LParam && m.WParam)
            child = reinterpret_cast<DRAWITEMSTRUCT*>(m.LParam)->hwndItem;
        if (TWinControl* target = FromHandle(child); target && target != this) {
            m.Result = target->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
            return;
        }
        DefaultHandler(m);
        return;
    }
    default:
        break;
    }

    if (IsMouseMessage(m.Msg)) {
        const TPoint at{MessageX(m), MessageY(m)};
        if (m.Msg == WM_MOUSEMOVE) {
            TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, handle_, 0};
            TrackMouseEvent(&tme);
            Application->PointerMoved();
        }
        // Non-windowed children get the mouse through their parent.
        TControl* target = Application->CaptureControl();
        if (target && target->Parent() != this)
            target = nullptr;
        if (!target && IsButtonDown(m.Msg))
            target = ControlAtPos(at, false, false);
        if (!target && m.Msg == WM_MOUSEMOVE)
            target = ControlAtPos(at, false, false);
        if (target && target != this && !As<TWinControl>(target)) {
            TMessage forwarded = m;
            forwarded.LParam = PointToLParam(at.X - target->Left(), at.Y - target->Top());
            target->WindowProc(forwarded);
            m.Result = forwarded.Result;
            if (m.Msg == WM_RBUTTONUP)
                DefaultHandler(m); // Windows turns the right release into WM_CONTEXTMENU
            return;
        }
        if (IsButtonDown(m.Msg) || m.Msg == WM_MOUSEMOVE || m.Msg == WM_LBUTTONUP ||
            m.Msg == WM_RBUTTONUP || m.Msg == WM_MBUTTONUP) {
            HandleMouseMessage(m);
            DefaultHandler(m);
            return;
        }
    }
    TControl::WndProc(m);
}

bool TWinControl::HandleKeyNotification(TMessage& m) {
    TCustomForm* form = GetParentForm(this);
    if (!form)
        return false;
    if (m.Msg == CN_KEYDOWN || m.Msg == CN_SYSKEYDOWN) {
        if (form->IsShortCut(m))
            return true;
        const WORD key = static_cast<WORD>(m.WParam);
        const LRESULT code = Perform(WM_GETDLGCODE);
        bool dialogKey = false;
        switch (key) {
        case VK_TAB:
            dialogKey = !(code & (DLGC_WANTTAB | DLGC_WANTALLKEYS));
            break;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            dialogKey = !(code & (DLGC_WANTARROWS | DLGC_WANTALLKEYS));
            break;
        case VK_RETURN:
        case VK_ESCAPE:
        case VK_EXECUTE:
        case VK_CANCEL:
            dialogKey = !(code & DLGC_WANTALLKEYS);
            break;
        default:
            break;
        }
        return dialogKey && form->Perform(CM_DIALOGKEY, key, m.LParam) != 0;
    }
    if (m.Msg == CN_CHAR) {
        if (Perform(WM_GETDLGCODE) & (DLGC_WANTCHARS | DLGC_WANTALLKEYS))
            return false;
        return form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0;
    }
    if (m.Msg == CN_SYSCHAR)
        return form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0;
    return false;
}

bool TWinControl::DoKeyDown(WORD& key, TShiftState shift) {
    OnKeyDown(this, key, shift);
    if (key == 0)
        return true;
    KeyDown(key, shift);
    return key == 0;
}

bool TWinControl::DoKeyUp(WORD& key, TShiftState shift) {
    OnKeyUp(this, key, shift);
    if (key == 0)
        return true;
    KeyUp(key, shift);
    return key == 0;
}

bool TWinControl::DoKeyPress(char& key) {
    OnKeyPress(this, key);
    if (key == 0)
        return true;
    KeyPress(key);
    return key == 0;
}

void TWinControl::KeyDown(WORD&, TShiftState) {}
void TWinControl::KeyUp(WORD&, TShiftState) {}
void TWinControl::KeyPress(char&) {}

void TWinControl::PaintHandler(TMessage& m) {
    // A DC in WParam is the caller's; otherwise this is a real paint.
    std::optional<TPaintDC> paint;
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    if (!dc)
        dc = paint.emplace(handle_).Get();
    {
        const TSavedDC saved(dc);
        PaintWindow(dc);
    }
    PaintControls(dc, nullptr);
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintControls(HDC dc, TControl* first) {
    auto it = controls_.begin();
    if (first) {
        it = std::find(controls_.begin(), controls_.end(), first);
        if (it == controls_.end())
            it = controls_.begin();
    }
    for (; it != controls_.end(); ++it) {
        TControl* c = *it;
        if (As<TWinControl>(c) || !c->Visible())
            continue;
        RECT r{c->Left(), c->Top(), c->Left() + c->Width(), c->Top() + c->Height()};
        if (!RectVisible(dc, &r))
            continue;
        const TSavedDC saved(dc);
        POINT origin;
        GetViewportOrgEx(dc, &origin);
        SetViewportOrgEx(dc, origin.x + c->Left(), origin.y + c->Top(), nullptr);
        IntersectClipRect(dc, 0, 0, c->Width(), c->Height());
        c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
}

void TWinControl::InsertControl(TControl* control) {
    control->parent_ = this;
    controls_.push_back(control);
    if (auto* w = As<TWinControl>(control)) {
        tabList_.push_back(w);
        if (handle_)
            w->HandleNeeded();
    }
    if (control->parentFont_) {
        control->font_->Assign(Font());
        control->parentFont_ = true;
    }
    if (control->parentColor_)
        control->Perform(CM_PARENTCOLORCHANGED);
    if (control->parentShowHint_)
        control->showHint_ = ShowHint();
    control->Invalidate();
    Realign();
}

void TWinControl::RemoveControl(TControl* control) {
    auto it = std::find(controls_.begin(), controls_.end(), control);
    if (it == controls_.end())
        return;
    control->Invalidate();
    if (auto* w = As<TWinControl>(control)) {
        if (TCustomForm* form = GetParentForm(this))
            form->ControlRemoved(w);
        tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), w), tabList_.end());
        if (w->handle_ && !HasState(csDestroying))
            w->DestroyHandle();
    }
    controls_.erase(std::find(controls_.begin(), controls_.end(), control));
    control->parent_ = nullptr;
    Realign();
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled, bool allowWindowed) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (!allowWindowed && As<TWinControl>(c))
            continue;
        if (!c->Visible() || (!c->Enabled() && !allowDisabled))
            continue;
        if (p.X >= c->Left() && p.Y >= c->Top() && p.X < c->Left() + c->Width() &&
            p.Y < c->Top() + c->Height())
            return c;
    }
    return nullptr;
}

void TWinControl::Broadcast(TMessage& m) {
    std::vector<TControl*> snapshot = controls_;
    for (TControl* c : snapshot) {
        c->WindowProc(m);
        if (m.Result != 0)
            return;
    }
}

void TWinControl::NotifyControls(UINT msg) {
    const std::vector<TControl*> snapshot = controls_;
    for (TControl* c : snapshot)
        c->Perform(msg);
}

int TWinControl::TabOrder() const {
    if (!Parent())
        return -1;
    auto& list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (HasState(csLoading)) {
        loadedTabOrder_ = order;
        return;
    }
    loadedTabOrder_ = -1; // a later fix-up of the siblings keeps this choice
    if (!Parent())
        return;
    auto& list = Parent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end())
        return;
    list.erase(it);
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
}

void TWinControl::Loaded() {
    TControl::Loaded();
    if (Parent())
        Parent()->FixupTabList();
}

void TWinControl::FixupTabList() {
    // As if each stored order were set once all siblings exist, lowest first: a control with
    // a stored order takes that place, the others keep their relative order around it.
    std::vector<TWinControl*> stored;
    for (TWinControl* w : tabList_)
        if (w->loadedTabOrder_ >= 0)
            stored.push_back(w);
    std::stable_sort(stored.begin(), stored.end(), [](const TWinControl* a, const TWinControl* b) {
        return a->loadedTabOrder_ < b->loadedTabOrder_;
    });
    for (TWinControl* w : stored) {
        tabList_.erase(std::find(tabList_.begin(), tabList_.end(), w));
        const int at = std::clamp(w->loadedTabOrder_, 0, static_cast<int>(tabList_.size()));
        tabList_.insert(tabList_.begin() + at, w);
    }
}

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

bool TWinControl::Focused() const {
    return handle_ && GetFocus() == handle_;
}

void TWinControl::SetFocus() {
    if (TCustomForm* form = GetParentForm(this); form && form != this)
        form->FocusControl(this);
    else if (Handle())
        ::SetFocus(handle_);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) {
    for (TWinControl* w : tabList_) {
        list.push_back(w);
        w->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop,
                                          bool checkParent) {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty())
        return nullptr;
    const int n = static_cast<int>(list.size());
    int start = -1;
    if (current)
        start = static_cast<int>(std::find(list.begin(), list.end(), current) - list.begin());
    if (start < 0 || start >= n)
        start = forward ? n - 1 : 0;
    int i = start;
    for (int step = 0; step < n; ++step) {
        i = forward ? (i + 1) % n : (i - 1 + n) % n;
        TWinControl* c = list[i];
        if (c == current && step != n - 1)
            continue;
        if ((!checkTabStop || c->TabStop()) && (!checkParent || c->Parent() == this) &&
            c->CanFocus())
            return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, forward, checkTabStop, false))
        next->SetFocus();
}

TRect TWinControl::ClientRect() const {
    if (handle_) {
        RECT r;
        GetClientRect(handle_, &r);
        return Rect(r.left, r.top, r.right, r.bottom);
    }
    return TControl::ClientRect();
}

TPoint TWinControl::ClientOrigin() const {
    if (handle_) {
        POINT p{0, 0};
        ::ClientToScreen(handle_, &p);
        return {p.x, p.y};
    }
    return TControl::ClientOrigin();
}

bool TWinControl::Showing() const {
    if (handle_)
        return IsWindowVisible(handle_) != FALSE;
    return TControl::Showing();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    if (handle_ && !HasState(csLoading)) {
        SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        UpdateBounds();
        return;
    }
    TControl::SetBounds(left, top, width, height);
    if (handle_)
        SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::UpdateBounds() {
    if (!handle_)
        return;
    RECT r;
    GetWindowRect(handle_, &r);
    if (HWND parent = GetParent(handle_); parent && (GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (r.left != Left() || r.top != Top() || w != Width() || h != Height()) {
        const bool resized = w != Width() || h != Height();
        left_ = r.left;
        top_ = r.top;
        width_ = w;
        height_ = h;
        BoundsChanged();
        RequestAlign();
        if (resized)
            Resize();
    }
}

void TWinControl::SetEnabled(bool enabled) {
    if (enabled == Enabled())
        return;
    TControl::SetEnabled(enabled);
    if (handle_)
        EnableWindow(handle_, enabled);
}

void TWinControl::SetText(const std::string& text) {
    if (text == Text())
        return;
    if (handle_) {
        SetWindowTextA(handle_, text.c_str()); // WM_SETTEXT updates the text and notifies
        if (Text() != text)
            TControl::SetText(text);
    } else {
        TControl::SetText(text);
    }
}

void TWinControl::Invalidate() {
    if (handle_)
        InvalidateRect(handle_, nullptr, !HasControlStyle(csOpaque));
}

void TWinControl::Update() {
    if (handle_)
        UpdateWindow(handle_);
}

void TWinControl::Repaint() {
    Invalidate();
    Update();
}

void TWinControl::SetParent(TWinControl* parent) {
    if (parent == Parent())
        return;
    if (handle_ && (GetWindowLongA(handle_, GWL_STYLE) & WS_CHILD))
        DestroyHandle();
    TControl::SetParent(parent);
}

void TWinControl::Realign() {
    if (aligning_ || HasState(csLoading) || HasState(csDestroying))
        return;
    TRect r = ClientRect();
    aligning_ = true;
    try {
        AlignControls(nullptr, r);
    } catch (...) {
        aligning_ = false;
        throw;
    }
    aligning_ = false;
}

void TWinControl::AlignControls(TControl*, TRect& rect) {
    for (TAlign pass : {alTop, alBottom, alLeft, alRight, alClient})
        for (TControl* c : controls_) {
            if (c->Align() != pass || !c->Visible())
                continue;
            switch (pass) {
            case alTop:
                c->SetBounds(rect.Left, rect.Top, rect.Width(), c->Height());
                rect.Top += c->Height();
                break;
            case alBottom:
                c->SetBounds(rect.Left, rect.Bottom - c->Height(), rect.Width(), c->Height());
                rect.Bottom -= c->Height();
                break;
            case alLeft:
                c->SetBounds(rect.Left, rect.Top, c->Width(), rect.Height());
                rect.Left += c->Width();
                break;
            case alRight:
                c->SetBounds(rect.Right - c->Width(), rect.Top, c->Width(), rect.Height());
                rect.Right -= c->Width();
                break;
            case alClient:
                c->SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
                break;
            default:
                break;
            }
        }
}
