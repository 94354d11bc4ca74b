// Forms (top-level windows, MDI frames and children) and the application object.
#pragma once

#include "framework/Controls.h"
#include "framework/Shell.h"
#include "framework/UserInterfaceSeams.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
template <> const TEnumInfo& EnumInfoOf<TFormBorderStyle>();
template <> const TEnumInfo& EnumInfoOf<TBorderIcon>();
template <> const TEnumInfo& EnumInfoOf<TPosition>();
template <> const TEnumInfo& EnumInfoOf<TFormStyle>();
template <> const TEnumInfo& EnumInfoOf<TWindowState>();

using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL;
using TCloseEvent = TEvent<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = TEvent<void(TObject* Sender, bool& CanClose)>;

class TCustomForm : public TWinControl {
    VFC_CLASS(TCustomForm, TWinControl)
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    // Reads the layout stored as resource `resourceName` (RCDATA) into this form.
    void ReadLayoutResource(const std::string& resourceName);
    // Reads a layout given as text (tests, tools).
    void ReadLayoutText(std::string_view text, const std::string& layoutName);

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle s);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition p) { position_ = p; }
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle s);
    TWindowState WindowState() const;
    void SetWindowState(TWindowState s);
    bool Scaled() const { return scaled_; }
    void SetScaled(bool v) { scaled_ = v; }
    int PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int v) { pixelsPerInch_ = v; }
    int TextHeight() const { return textHeight_; }
    void SetTextHeight(int v) { textHeight_ = v; }
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool v) { keyPreview_ = v; }
    TIcon* Icon() const { return icon_.get(); }
    void SetIcon(TIcon* icon);
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool v) { autoScroll_ = v; }
    // Size constraints (0: none), kept by SetBounds and by the system's sizing
    // (WM_GETMINMAXINFO). Setting one applies it to the current size at once.
    int MinWidth() const { return ConstraintsMinWidth; }
    void SetMinWidth(int width);
    int MinHeight() const { return ConstraintsMinHeight; }
    void SetMinHeight(int height);
    int ConstraintsMinHeight = 0;
    int ConstraintsMinWidth = 0;
    void SetBounds(int left, int top, int width, int height) override;

    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* control);
    // Called by a control that received the focus.
    void SetFocusedControl(TWinControl* control);
    void FocusControl(TWinControl* control);
    void ControlRemoved(TWinControl* control);
    bool Active() const { return active_; }

    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult r) { modalResult_ = r; }
    TModalResult ShowModal();
    // Asks OnCloseQuery and OnClose; caFree releases the form (Release).
    void Close();
    // Frees the form once the window procedure or timer handler that is running returns (at
    // once when none runs), so a form may be freed from one of its own handlers.
    void Release();
    // Keyboard shortcuts of the form's menus; false when the key is none of them.
    virtual bool IsShortCut(const TMessage& keyMessage);

    // MDI
    HWND ClientHandle() const { return clientHandle_; }
    int MDIChildCount() const;
    TCustomForm* ActiveMDIChild() const;

    void SetText(const std::string& text) override;
    TRect ClientRect() const override;
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    bool Showing() const override;
    void Loaded() override;

    // Runs OnCreate once after construction and layout loading.
    void DoCreate();

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void VisibleChanging() override;
    void Notification(TComponent* component, TOperation operation) override;
    bool DialogKey(TMessage& message);
    void ApplyPosition();
    DWORD WindowStyle() const;
    DWORD WindowExStyle() const;

private:
    TFormBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
    TPosition position_ = poDesigned;
    TFormStyle formStyle_ = fsNormal;
    TWindowState windowState_ = wsNormal;
    bool scaled_ = true;
    int pixelsPerInch_ = 96;
    int textHeight_ = 13;
    bool keyPreview_ = false;
    bool autoScroll_ = false;
    bool active_ = false;
    bool positioned_ = false;
    bool created_ = false;
    int clientWidth_ = -1, clientHeight_ = -1;
    std::unique_ptr<TIcon> icon_;
    TWinControl* activeControl_ = nullptr;
    TWinControl* focusedControl_ = nullptr;
    TModalResult modalResult_ = mrNone;
    HWND clientHandle_ = nullptr;
    friend class TApplication;
};

class TForm : public TCustomForm {
    VFC_CLASS(TForm, TCustomForm)
    explicit TForm(TComponent* owner) : TCustomForm(owner) {}
};

// Sees every message the application's loop dispatches.
class TApplicationEvents : public TComponent {
    VFC_CLASS(TApplicationEvents, TComponent)
    explicit TApplicationEvents(TComponent* owner);
    ~TApplicationEvents() override;
    TEvent<void(MSG& Msg, bool& Handled)> OnMessage;
};

class TApplication : public TComponent {
    VFC_CLASS(TApplication, TComponent)
    TApplication();
    ~TApplication() override;

    void Initialize();
    // Creates a form of class T owned by the application, reads its stored layout (the
    // RCDATA resource named after the class, upper-cased) and runs its OnCreate. The first
    // form created becomes the main form.
    template <class T> T* CreateForm(T*& reference) {
        reference = new T(this);
        AdoptForm(reference, true);
        return reference;
    }
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Handles every waiting message, then returns.
    void ProcessMessages();
    // Handles one message if there is one; false when the queue was empty.
    bool HandleOneMessage();

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    TIcon* Icon() const { return icon_.get(); }
    TCustomForm* MainForm() const { return mainForm_; }
    void SetMainForm(TCustomForm* form) { mainForm_ = form; }
    bool Active() const;
    HINSTANCE Instance() const { return GetModuleHandleA(nullptr); }
    TClassRegistry& Classes() { return classes_; }

    // Reports an exception that escaped an event handler; the program goes on.
    void HandleException(const std::exception& e);
    std::function<void(const std::string&)> OnException; // replaces the message box

    // The screen cursor: crHourGlass while a long operation runs, crDefault otherwise.
    TCursor ScreenCursor() const { return screenCursor_; }
    void SetScreenCursor(TCursor cursor);

    // Calls into the shell go through this seam, which tests may replace.
    TShell& Shell() { return *shell_; }
    void SetShell(TShell* shell) { shell_ = shell ? shell : &defaultShell_; }

    // Modal error and information boxes, and the locale query, go through these seams, which
    // tests may replace (nullptr restores the system's).
    TMessageBoxes& MessageBoxes() { return *messageBoxes_; }
    void SetMessageBoxes(TMessageBoxes* boxes) {
        messageBoxes_ = boxes ? boxes : &defaultMessageBoxes_;
    }
    const TLocale& Locale() const { return *locale_; }
    void SetLocale(const TLocale* locale) { locale_ = locale ? locale : &defaultLocale_; }
    // The framework's standard error box: the application's title as caption, an OK button.
    void ShowErrorBox(const std::string& text);
    void ShowInformationBox(const std::string& text);

    // Pointer and capture tracking shared by all controls.
    TControl* MouseControl() const { return mouseControl_; }
    TControl* CaptureControl() const { return captureControl_; }
    void SetCaptureControl(TControl* control);
    void ForgetCapture() { captureControl_ = nullptr; }
    void PointerMoved();
    void PointerLeftWindow(TWinControl* window);
    void ControlDestroyed(TControl* control);

    // Components freed after the outermost running handler returns (Release). Window
    // procedures and timers bracket their handlers with EnterHandler and LeaveHandler.
    void FreeAfterHandlers(TComponent* component);
    void EnterHandler() { ++handlerDepth_; }
    void LeaveHandler();

    void AddApplicationEvents(TApplicationEvents* events);
    void RemoveApplicationEvents(TApplicationEvents* events);
    void AdoptForm(TCustomForm* form, bool readLayout);

private:
    bool IsKeyMessage(MSG& msg);
    bool IsMDIMessage(MSG& msg);
    void DispatchOne(MSG& msg);
    void UpdateMouseControl(TControl* control);
    TControl* ControlAtCursor() const;

    std::string title_;
    std::unique_ptr<TIcon> icon_;
    TCustomForm* mainForm_ = nullptr;
    bool terminated_ = false;
    TCursor screenCursor_ = crDefault;
    TClassRegistry classes_;
    TSystemShell defaultShell_;
    TShell* shell_ = &defaultShell_;
    TSystemMessageBoxes defaultMessageBoxes_;
    TMessageBoxes* messageBoxes_ = &defaultMessageBoxes_;
    TSystemLocale defaultLocale_;
    const TLocale* locale_ = &defaultLocale_;
    TControl* mouseControl_ = nullptr;
    TControl* captureControl_ = nullptr;
    std::vector<TApplicationEvents*> appEvents_;
    std::vector<TComponent*> pendingFree_;
    int handlerDepth_ = 0;

protected:
    void Notification(TComponent* component, TOperation operation) override;
};

// The application object of the process.
extern TApplication* const Application;
