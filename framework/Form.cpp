// TCustomForm: top-level windows with border styles, positions, focus, dialog keys, closing.
#include "framework/Forms.h"
#include "framework/LayoutReader.h"
#include "framework/Menus.h"

#include <algorithm>

namespace {
// The menu identifier of the first MDI child in the window menu.
constexpr UINT kFirstMdiChildId = 0xFF00;
} // namespace

template <> const TEnumInfo& EnumInfoOf<TFormBorderStyle>() {
    static const TEnumInfo info{
        "TFormBorderStyle",
        {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
    return info;
}
template <> const TEnumInfo& EnumInfoOf<TBorderIcon>() {
    static const TEnumInfo info{"TBorderIcon",
                                {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}};
    return info;
}
template <> const TEnumInfo& EnumInfoOf<TPosition>() {
    static const TEnumInfo info{"TPosition",
                                {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
                                 "poScreenCenter", "poDesktopCenter", "poMainFormCenter",
                                 "poOwnerFormCenter"}};
    return info;
}
template <> const TEnumInfo& EnumInfoOf<TFormStyle>() {
    static const TEnumInfo info{"TFormStyle",
                                {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"}};
    return info;
}
template <> const TEnumInfo& EnumInfoOf<TWindowState>() {
    static const TEnumInfo info{"TWindowState", {"wsNormal", "wsMinimized", "wsMaximized"}};
    return info;
}

VFC_DESCRIBE(TCustomForm) {
    b.Property("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle)
        .WithDefault(bsSizeable);
    b.Property("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons);
    b.Property("Position", &TCustomForm::Position, &TCustomForm::SetPosition)
        .WithDefault(poDesigned);
    b.Property("FormStyle", &TCustomForm::FormStyle, &TCustomForm::SetFormStyle)
        .WithDefault(fsNormal);
    b.Property("WindowState", &TCustomForm::WindowState, &TCustomForm::SetWindowState)
        .WithDefault(wsNormal);
    b.Property("Scaled", &TCustomForm::Scaled, &TCustomForm::SetScaled).WithDefault(true);
    b.Property("PixelsPerInch", &TCustomForm::PixelsPerInch, &TCustomForm::SetPixelsPerInch);
    b.Property("TextHeight", &TCustomForm::TextHeight, &TCustomForm::SetTextHeight);
    b.Property("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview)
        .WithDefault(false);
    b.Property("AutoScroll", &TCustomForm::AutoScroll, &TCustomForm::SetAutoScroll);
    b.Property("Icon", &TCustomForm::Icon, &TCustomForm::SetIcon);
    b.Property("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl);
    b.Property("ModalResult", &TCustomForm::ModalResult, &TCustomForm::SetModalResult).NotStored();
    b.Property("ClientWidth", &TControl::ClientWidth, &TControl::SetClientWidth);
    b.Property("ClientHeight", &TControl::ClientHeight, &TControl::SetClientHeight);
    b.Field("OnCreate", &TCustomForm::OnCreate);
    b.Field("OnDestroy", &TCustomForm::OnDestroy);
    b.Field("OnShow", &TCustomForm::OnShow);
    b.Field("OnHide", &TCustomForm::OnHide);
    b.Field("OnActivate", &TCustomForm::OnActivate);
    b.Field("OnDeactivate", &TCustomForm::OnDeactivate);
    b.Field("OnClose", &TCustomForm::OnClose);
    b.Field("OnCloseQuery", &TCustomForm::OnCloseQuery);
}

VFC_DESCRIBE(TForm) {
    (void)b;
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner), icon_(std::make_unique<TIcon>()) {
    SetControlStyle(csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption |
                    csDoubleClicks);
    // Forms start hidden and are shown by the application or by Show.
    TControl::SetVisible(false);
    SetColor(clBtnFace);
    Font()->SetName("Tahoma");
    Font()->SetHeight(-11);
    SetParentFont(false);
    SetBounds(0, 0, 320, 240);
}

TCustomForm::~TCustomForm() {
    Destroying();
    if (created_)
        OnDestroy(this);
    if (Application->MainForm() == this)
        Application->SetMainForm(nullptr);
    DestroyHandle();
}

void TCustomForm::ReadLayoutResource(const std::string& resourceName) {
    HINSTANCE instance = Application->Instance();
    HRSRC found = FindResourceA(instance, resourceName.c_str(), RT_RCDATA);
    if (!found)
        throw std::runtime_error("stored layout " + resourceName + " not found");
    HGLOBAL loaded = LoadResource(instance, found);
    const char* data = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (!data)
        throw std::runtime_error("stored layout " + resourceName + " cannot be loaded");
    ReadLayoutText(std::string_view(data, SizeofResource(instance, found)), resourceName);
}

void TCustomForm::ReadLayoutText(std::string_view text, const std::string& layoutName) {
    TLayoutObject tree = ParseLayout(text, layoutName);
    TLayoutReader(Application->Classes(), layoutName).Read(*this, tree);
}

void TCustomForm::DoCreate() {
    created_ = true;
    OnCreate(this);
}

void TCustomForm::Loaded() {
    TWinControl::Loaded();
    Realign();
}

DWORD TCustomForm::WindowStyle() const {
    DWORD style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    switch (borderStyle_) {
    case bsNone:
        style |= WS_POPUP;
        break;
    case bsSingle:
    case bsToolWindow:
        style |= WS_CAPTION | WS_BORDER;
        break;
    case bsSizeable:
    case bsSizeToolWin:
        style |= WS_CAPTION | WS_THICKFRAME;
        break;
    case bsDialog:
        style |= WS_POPUP | WS_CAPTION | DS_MODALFRAME;
        break;
    }
    if (borderIcons_.Contains(biSystemMenu))
        style |= WS_SYSMENU;
    if (borderStyle_ != bsDialog && borderStyle_ != bsToolWindow && borderStyle_ != bsSizeToolWin) {
        if (borderIcons_.Contains(biMinimize))
            style |= WS_MINIMIZEBOX;
        if (borderIcons_.Contains(biMaximize))
            style |= WS_MAXIMIZEBOX;
    }
    if (formStyle_ == fsMDIChild)
        style = (style & ~WS_POPUP) | WS_CHILD | WS_CAPTION | WS_SYSMENU;
    return style;
}

DWORD TCustomForm::WindowExStyle() const {
    DWORD ex = 0;
    if (borderStyle_ == bsDialog)
        ex |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
    if (borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin)
        ex |= WS_EX_TOOLWINDOW;
    if (formStyle_ == fsMDIChild)
        ex |= WS_EX_MDICHILD;
    if (formStyle_ == fsStayOnTop)
        ex |= WS_EX_TOPMOST;
    if (borderIcons_.Contains(biHelp) && borderStyle_ != bsNone)
        ex |= WS_EX_CONTEXTHELP;
    return ex;
}

TRect TCustomForm::ClientRect() const {
    if (HandleAllocated())
        return TWinControl::ClientRect();
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, WindowStyle(), FALSE, WindowExStyle());
    return Rect(0, 0, Width() - (frame.right - frame.left), Height() - (frame.bottom - frame.top));
}

void TCustomForm::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.Style = WindowStyle();
    p.ExStyle = WindowExStyle();
    p.WndParent = nullptr;
    if (formStyle_ == fsMDIChild && Application->MainForm()) {
        Application->MainForm()->HandleNeeded(); // the MDI client comes with the frame's window
        p.WndParent = Application->MainForm()->ClientHandle();
    }
    p.ClassStyle |= CS_HREDRAW | CS_VREDRAW;
}

void TCustomForm::CreateWnd() {
    defWndProc_ = formStyle_ == fsMDIChild ? DefMDIChildProcA : DefWindowProcA;
    TWinControl::CreateWnd();
    if (formStyle_ == fsMDIForm && !clientHandle_) {
        CLIENTCREATESTRUCT ccs{nullptr, kFirstMdiChildId};
        clientHandle_ = CreateWindowExA(
            WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
            WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL, 0,
            0, 0, 0, Handle(), nullptr, Application->Instance(), &ccs);
        RECT r;
        GetClientRect(Handle(), &r);
        MoveWindow(clientHandle_, 0, 0, r.right, r.bottom, TRUE);
    }
    HICON icon = icon_->Handle() ? icon_->Handle()
                                 : (Application->Icon() ? Application->Icon()->Handle() : nullptr);
    if (icon) {
        SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
}

void TCustomForm::DestroyWnd() {
    clientHandle_ = nullptr; // a child window: goes with the form's window
    // An MDI child leaves through its client, which then activates the next child.
    if (formStyle_ == fsMDIChild && HandleAllocated())
        if (HWND client = GetParent(Handle()))
            SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(Handle()), 0);
    TWinControl::DestroyWnd();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle s) {
    if (s == borderStyle_)
        return;
    borderStyle_ = s;
    RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
    if (icons == borderIcons_)
        return;
    borderIcons_ = icons;
    RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle s) {
    if (s == formStyle_)
        return;
    formStyle_ = s;
    RecreateWnd();
}

TWindowState TCustomForm::WindowState() const {
    if (HandleAllocated() && IsWindowVisible(const_cast<TCustomForm*>(this)->Handle())) {
        HWND h = const_cast<TCustomForm*>(this)->Handle();
        if (IsIconic(h))
            return wsMinimized;
        if (IsZoomed(h))
            return wsMaximized;
        return wsNormal;
    }
    return windowState_;
}

void TCustomForm::SetWindowState(TWindowState s) {
    windowState_ = s;
    if (HandleAllocated() && Showing()) {
        static constexpr int commands[] = {SW_SHOWNORMAL, SW_MINIMIZE, SW_SHOWMAXIMIZED};
        if (formStyle_ == fsMDIChild && s == wsMaximized)
            SendMessageA(GetParent(Handle()), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(Handle()),
                         0);
        else
            ShowWindow(Handle(), commands[s]);
    }
}

void TCustomForm::SetIcon(TIcon* icon) {
    icon_->Assign(icon);
}

void TCustomForm::SetText(const std::string& text) {
    TWinControl::SetText(text);
}

bool TCustomForm::Showing() const {
    return HandleAllocated() && IsWindowVisible(const_cast<TCustomForm*>(this)->Handle());
}

void TCustomForm::VisibleChanging() {}

void TCustomForm::ApplyPosition() {
    if (positioned_)
        return;
    positioned_ = true;
    int x = Left(), y = Top();
    switch (position_) {
    case poDesktopCenter: {
        const int vx = GetSystemMetrics(SM_XVIRTUALSCREEN),
                  vy = GetSystemMetrics(SM_YVIRTUALSCREEN);
        const int vw = GetSystemMetrics(SM_CXVIRTUALSCREEN),
                  vh = GetSystemMetrics(SM_CYVIRTUALSCREEN);
        x = vx + (vw - Width()) / 2;
        y = vy + (vh - Height()) / 2;
        break;
    }
    case poScreenCenter: {
        x = (GetSystemMetrics(SM_CXSCREEN) - Width()) / 2;
        y = (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2;
        break;
    }
    case poMainFormCenter:
    case poOwnerFormCenter: {
        TCustomForm* main = Application->MainForm();
        if (main && main != this) {
            x = main->Left() + (main->Width() - Width()) / 2;
            y = main->Top() + (main->Height() - Height()) / 2;
        }
        break;
    }
    default:
        return;
    }
    SetBounds(x, y, Width(), Height());
}

void TCustomForm::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CM_VISIBLECHANGED:
        if (HasState(csLoading))
            return;
        if (m.WParam) {
            HandleNeeded();
            ApplyPosition();
            static constexpr int commands[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
            ShowWindow(Handle(), commands[windowState_]);
            OnShow(this);
        } else if (HandleAllocated()) {
            ShowWindow(Handle(), SW_HIDE);
            OnHide(this);
        }
        return;
    case CM_DIALOGKEY:
        if (DialogKey(m))
            return;
        break;
    case WM_CLOSE:
        Close();
        return;
    case WM_GETMINMAXINFO: {
        TWinControl::WndProc(m);
        auto* info = reinterpret_cast<MINMAXINFO*>(m.LParam);
        info->ptMinTrackSize.x = std::max<LONG>(info->ptMinTrackSize.x, ConstraintsMinWidth);
        info->ptMinTrackSize.y = std::max<LONG>(info->ptMinTrackSize.y, ConstraintsMinHeight);
        return;
    }
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
    case WM_COMMAND:
    case WM_MENUCHAR:
        // Owner-drawn items, typed characters and commands of the form's menus go to the menu
        // they belong to.
        if (m.Msg == WM_MENUCHAR ||
            (m.Msg == WM_COMMAND ? HIWORD(m.WParam) == 0 && m.LParam == 0 : m.WParam == 0))
            for (int i = 0; i < ComponentCount(); ++i)
                if (auto* menu = As<TMenu>(Components(i)); menu && menu->DispatchMenuMessage(m))
                    return;
        break;
    case WM_ACTIVATE: {
        DefaultHandler(m);
        const bool active = LOWORD(m.WParam) != WA_INACTIVE;
        active_ = active;
        if (active) {
            // A form without an active control gives the focus to its first tab stop.
            if (!activeControl_)
                activeControl_ = FindNextControl(nullptr, true, true, false);
            if (activeControl_ && activeControl_->CanFocus() && activeControl_->HandleAllocated())
                ::SetFocus(activeControl_->Handle());
            OnActivate(this);
        } else {
            OnDeactivate(this);
        }
        return;
    }
    case WM_SETFOCUS:
        // The form itself never keeps the focus while a control can take it.
        if (activeControl_ && activeControl_->CanFocus() && activeControl_->HandleAllocated()) {
            ::SetFocus(activeControl_->Handle());
            return;
        }
        break;
    case WM_SIZE:
        TWinControl::WndProc(m);
        if (clientHandle_) {
            RECT r;
            GetClientRect(Handle(), &r);
            MoveWindow(clientHandle_, 0, 0, r.right, r.bottom, TRUE);
        }
        return;
    default:
        break;
    }
    TWinControl::WndProc(m);
}

void TCustomForm::DefaultHandler(TMessage& m) {
    if (formStyle_ == fsMDIForm && HandleAllocated() && m.Msg < CM_BASE) {
        m.Result = DefFrameProcA(Handle(), clientHandle_, m.Msg, m.WParam, m.LParam);
        return;
    }
    TWinControl::DefaultHandler(m);
}

bool TCustomForm::DialogKey(TMessage& m) {
    if (GetKeyState(VK_MENU) < 0)
        return false;
    switch (m.WParam) {
    case VK_TAB:
        if (GetKeyState(VK_CONTROL) < 0)
            return false;
        SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
        m.Result = 1;
        return true;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        if (activeControl_ && activeControl_->Parent()) {
            activeControl_->Parent()->SelectNext(
                activeControl_, m.WParam == VK_RIGHT || m.WParam == VK_DOWN, false);
            m.Result = 1;
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool TCustomForm::IsShortCut(const TMessage&) {
    return false;
}

void TCustomForm::SetActiveControl(TWinControl* control) {
    if (control == activeControl_)
        return;
    if (HasState(csLoading)) {
        activeControl_ = control;
        return;
    }
    if (control && Showing() && control->CanFocus())
        FocusControl(control);
    else
        activeControl_ = control;
}

void TCustomForm::FocusControl(TWinControl* control) {
    activeControl_ = control;
    if (control && control->Handle())
        ::SetFocus(control->Handle());
}

void TCustomForm::SetFocusedControl(TWinControl* control) {
    if (control == this)
        return;
    activeControl_ = control;
    focusedControl_ = control;
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
}

void TCustomForm::ControlRemoved(TWinControl* control) {
    if (activeControl_ == control)
        activeControl_ = nullptr;
    if (focusedControl_ == control)
        focusedControl_ = nullptr;
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == opRemove && component == activeControl_)
        activeControl_ = nullptr;
}

void TCustomForm::Close() {
    bool canClose = true;
    OnCloseQuery(this, canClose);
    if (!canClose)
        return;
    TCloseAction action = formStyle_ == fsMDIChild ? caMinimize : caHide;
    OnClose(this, action);
    if (action == caNone)
        return;
    if (Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    if (action == caHide)
        Hide();
    else if (action == caMinimize)
        SetWindowState(wsMinimized);
    else if (action == caFree)
        Release();
}

void TCustomForm::Release() {
    Application->FreeAfterHandlers(this);
}

void TCustomForm::SetMinWidth(int width) {
    ConstraintsMinWidth = width;
    SetBounds(Left(), Top(), Width(), Height());
}

void TCustomForm::SetMinHeight(int height) {
    ConstraintsMinHeight = height;
    SetBounds(Left(), Top(), Width(), Height());
}

void TCustomForm::SetBounds(int left, int top, int width, int height) {
    TWinControl::SetBounds(left, top, std::max(width, ConstraintsMinWidth),
                           std::max(height, ConstraintsMinHeight));
}

TModalResult TCustomForm::ShowModal() {
    modalResult_ = mrNone;
    TCustomForm* main = Application->MainForm();
    HWND owner = main && main != this && main->HandleAllocated() ? main->Handle() : nullptr;
    if (owner)
        EnableWindow(owner, FALSE);
    Show();
    while (modalResult_ == mrNone && !Application->Terminated()) {
        if (!Application->HandleOneMessage())
            WaitMessage();
        if (HandleAllocated() && !IsWindowVisible(Handle()) && modalResult_ == mrNone)
            modalResult_ = mrCancel;
    }
    if (owner)
        EnableWindow(owner, TRUE);
    Hide();
    return modalResult_;
}

int TCustomForm::MDIChildCount() const {
    // The child forms are the windows in the MDI client, whoever owns them.
    int n = 0;
    if (clientHandle_)
        for (HWND h = GetWindow(clientHandle_, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT))
            if (auto* f = As<TCustomForm>(FromHandle(h)); f && f->formStyle_ == fsMDIChild)
                ++n;
    return n;
}

TCustomForm* TCustomForm::ActiveMDIChild() const {
    if (!clientHandle_)
        return nullptr;
    HWND active = reinterpret_cast<HWND>(SendMessageA(clientHandle_, WM_MDIGETACTIVE, 0, 0));
    return As<TCustomForm>(FromHandle(active));
}
