// The application object: message loop, key routing, error report, pointer tracking.
#include "framework/ActnList.h"
#include "framework/Forms.h"
#include "framework/Menus.h"

#include <commctrl.h>

#include <algorithm>

namespace {
TApplication theApplication;
}
TApplication* const Application = &theApplication;

VFC_DESCRIBE(TApplicationEvents) {
    b.Field("OnMessage", &TApplicationEvents::OnMessage);
}

TApplicationEvents::TApplicationEvents(TComponent* owner) : TComponent(owner) {
    Application->AddApplicationEvents(this);
}

TApplicationEvents::~TApplicationEvents() {
    Application->RemoveApplicationEvents(this);
}

VFC_DESCRIBE(TApplication) {
    b.Property("Title", &TApplication::Title, &TApplication::SetTitle);
}

TApplication::TApplication() : TComponent(nullptr), icon_(std::make_unique<TIcon>()) {}

TApplication::~TApplication() {
    Destroying();
    DestroyComponents();
}

void TApplication::Initialize() {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    if (FindResourceA(Instance(), "MAINICON", RT_GROUP_ICON))
        icon_->LoadFromResourceName(Instance(), "MAINICON");
    for (const TClassInfo* info : {&TForm::StaticClass(), &TApplicationEvents::StaticClass()})
        classes_.Register(*info);
    RegisterMenuClasses(classes_);
    RegisterActionClasses(classes_);
}

void TApplication::AdoptForm(TCustomForm* form, bool readLayout) {
    if (!mainForm_)
        mainForm_ = form;
    if (readLayout) {
        std::string name = form->ClassName();
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        if (FindResourceA(Instance(), name.c_str(), RT_RCDATA))
            form->ReadLayoutResource(name);
    }
    form->DoCreate();
}

void TApplication::Run() {
    if (mainForm_)
        mainForm_->Show();
    while (!terminated_) {
        MSG msg;
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            terminated_ = true;
            break;
        }
        DispatchOne(msg);
    }
}

void TApplication::Terminate() {
    if (!terminated_)
        PostQuitMessage(0);
    terminated_ = true;
}

bool TApplication::HandleOneMessage() {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    DispatchOne(msg);
    return true;
}

void TApplication::ProcessMessages() {
    while (HandleOneMessage()) {
    }
}

void TApplication::DispatchOne(MSG& msg) {
    bool handled = false;
    std::vector<TApplicationEvents*> listeners = appEvents_;
    for (TApplicationEvents* e : listeners)
        if (std::find(appEvents_.begin(), appEvents_.end(), e) != appEvents_.end())
            e->OnMessage(msg, handled);
    if (handled || IsKeyMessage(msg) || IsMDIMessage(msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

bool TApplication::IsKeyMessage(MSG& msg) {
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST || !msg.hwnd)
        return false;
    TWinControl* control = nullptr;
    for (HWND h = msg.hwnd; h && !control; h = GetParent(h))
        control = TWinControl::FromHandle(h);
    if (!control)
        return false;
    try {
        return control->Perform(CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
    } catch (const std::exception& e) {
        HandleException(e);
        return true;
    }
}

bool TApplication::IsMDIMessage(MSG& msg) {
    if (!mainForm_ || mainForm_->FormStyle() != fsMDIForm || !mainForm_->ClientHandle())
        return false;
    return TranslateMDISysAccel(mainForm_->ClientHandle(), &msg) != FALSE;
}

bool TApplication::Active() const {
    return GetActiveWindow() != nullptr;
}

void TApplication::HandleException(const std::exception& e) {
    if (OnException) {
        OnException(e.what());
        return;
    }
    ShowErrorBox(e.what());
}

void TApplication::ShowErrorBox(const std::string& text) {
    messageBoxes_->ShowError(GetActiveWindow(), text, title_);
}

void TApplication::ShowInformationBox(const std::string& text) {
    messageBoxes_->ShowInformation(GetActiveWindow(), text, title_);
}

void TApplication::SetScreenCursor(TCursor cursor) {
    screenCursor_ = cursor;
    ::SetCursor(LoadCursorA(nullptr, cursor == crHourGlass ? IDC_WAIT : IDC_ARROW));
}

void TApplication::SetCaptureControl(TControl* control) {
    captureControl_ = control;
    if (control) {
        auto* windowed = As<TWinControl>(control);
        TWinControl* owner = windowed ? windowed : control->Parent();
        if (owner && owner->HandleAllocated())
            SetCapture(owner->Handle());
    } else if (GetCapture() && TWinControl::FromHandle(GetCapture())) {
        ReleaseCapture();
    }
}

TControl* TApplication::ControlAtCursor() const {
    POINT pt;
    if (!GetCursorPos(&pt))
        return nullptr;
    TWinControl* window = TWinControl::FromHandle(WindowFromPoint(pt));
    if (!window)
        return nullptr;
    TPoint local = window->ScreenToClient({pt.x, pt.y});
    TControl* inner = window->ControlAtPos(local, false, false);
    return inner ? inner : window;
}

void TApplication::PointerMoved() {
    UpdateMouseControl(ControlAtCursor());
}

void TApplication::PointerLeftWindow(TWinControl*) {
    UpdateMouseControl(ControlAtCursor());
}

void TApplication::UpdateMouseControl(TControl* control) {
    if (control == mouseControl_)
        return;
    TControl* previous = mouseControl_;
    mouseControl_ = control;
    if (previous)
        previous->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(previous));
    if (control && control == mouseControl_)
        control->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(control));
}

void TApplication::ControlDestroyed(TControl* control) {
    if (mouseControl_ == control)
        mouseControl_ = nullptr;
    if (captureControl_ == control)
        captureControl_ = nullptr;
}

void TApplication::FreeAfterHandlers(TComponent* component) {
    if (!component)
        return;
    if (handlerDepth_ == 0) {
        component->Free();
        return;
    }
    if (std::find(pendingFree_.begin(), pendingFree_.end(), component) != pendingFree_.end())
        return;
    pendingFree_.push_back(component);
    component->FreeNotification(this);
}

void TApplication::LeaveHandler() {
    if (handlerDepth_ > 0)
        --handlerDepth_;
    // One at a time: freeing one may free others (owned ones), which then leave the list.
    while (handlerDepth_ == 0 && !pendingFree_.empty()) {
        TComponent* component = pendingFree_.front();
        pendingFree_.erase(pendingFree_.begin());
        component->RemoveFreeNotification(this);
        component->Free();
    }
}

void TApplication::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove)
        pendingFree_.erase(std::remove(pendingFree_.begin(), pendingFree_.end(), component),
                           pendingFree_.end());
}

void TApplication::AddApplicationEvents(TApplicationEvents* events) {
    appEvents_.push_back(events);
}

void TApplication::RemoveApplicationEvents(TApplicationEvents* events) {
    appEvents_.erase(std::remove(appEvents_.begin(), appEvents_.end(), events), appEvents_.end());
}
