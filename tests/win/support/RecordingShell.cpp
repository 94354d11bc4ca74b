#include "tests/win/support/RecordingShell.h"

namespace {
// What ShellExecuteA returns on success: any value above 32.
constexpr INT_PTR kShellSuccess = 42;

std::optional<std::string> TextOf(const char* text) {
    return text ? std::optional<std::string>(text) : std::nullopt;
}

bool MainFormVisible() {
    TCustomForm* form = Application->MainForm();
    return form && form->HandleAllocated() && IsWindowVisible(form->Handle());
}
} // namespace

TRecordingShell::TRecordingShell(TMode mode) : mode_(mode) {
    Application->SetShell(this);
}

TRecordingShell::~TRecordingShell() {
    Application->SetShell(nullptr);
}

HINSTANCE TRecordingShell::OpenDocument(HWND owner, const char* verb, const char* file,
                                        const char* parameters, const char* directory, int show) {
    Opened.push_back(
        {owner, TextOf(verb), TextOf(file), TextOf(parameters), TextOf(directory), show});
    return reinterpret_cast<HINSTANCE>(kShellSuccess);
}

BOOL TRecordingShell::StartProcess(SHELLEXECUTEINFOA* info) {
    TExecuteCall call{info->cbSize,
                      info->fMask,
                      info->hwnd,
                      TextOf(info->lpVerb),
                      TextOf(info->lpFile),
                      TextOf(info->lpParameters),
                      TextOf(info->lpDirectory),
                      info->nShow,
                      Application->ScreenCursor(),
                      GetCursor(),
                      MainFormVisible(),
                      FALSE,
                      false};
    switch (mode_) {
    case Forward:
        // Straight to the system.
        call.Result = ::ShellExecuteExA(info);
        break;
    case Fail:
        SetLastError(ERROR_FILE_NOT_FOUND);
        call.Result = FALSE;
        break;
    case SucceedWithoutProcess:
        info->hProcess = nullptr;
        info->hInstApp = reinterpret_cast<HINSTANCE>(kShellSuccess);
        call.Result = TRUE;
        break;
    }
    call.GotProcess = call.Result && info->hProcess;
    if (call.GotProcess) {
        HANDLE copy = nullptr;
        DuplicateHandle(GetCurrentProcess(), info->hProcess, GetCurrentProcess(), &copy, 0, FALSE,
                        DUPLICATE_SAME_ACCESS);
        Processes.emplace_back(copy);
    }
    Executed.push_back(call);
    return call.Result;
}
