// The application's shell replaced by a recorder for as long as it lives.
#pragma once

#include "framework/Forms.h"
#include "framework/Shell.h"
#include "framework/WinHandles.h"

#include <optional>
#include <string>
#include <vector>

// One call of OpenDocument (a document or web page to open) as it was made.
struct TOpenCall {
    HWND Owner;
    std::optional<std::string> Verb, File, Parameters, Directory;
    int Show;
};

// One call of StartProcess (a program to start) as it was made, and what held at that moment.
struct TExecuteCall {
    DWORD RecordSize;
    ULONG Mask;
    HWND Owner;
    std::optional<std::string> Verb, File, Parameters, Directory;
    int Show;
    TCursor ScreenCursor;
    HCURSOR SystemCursor;
    bool WindowVisible; // the main form's window
    BOOL Result;
    bool GotProcess;
};

// Records every call and installs itself as the application's shell for its lifetime. Opening
// a document or web page is never forwarded and reports success; starting a program is handed
// to ShellExecuteExA, or fails, or succeeds without a process, as the mode says.
class TRecordingShell : public TShell {
public:
    enum TMode { Forward, Fail, SucceedWithoutProcess };
    explicit TRecordingShell(TMode mode = Forward);
    ~TRecordingShell() override;
    TRecordingShell(const TRecordingShell&) = delete;
    TRecordingShell& operator=(const TRecordingShell&) = delete;

    void SetMode(TMode mode) { mode_ = mode; }
    HINSTANCE OpenDocument(HWND owner, const char* verb, const char* file, const char* parameters,
                           const char* directory, int show) override;
    BOOL StartProcess(SHELLEXECUTEINFOA* info) override;

    std::vector<TOpenCall> Opened;
    std::vector<TExecuteCall> Executed;
    // Copies of the process handles the shell gave out, to see whether the processes ended.
    std::vector<TOwnedKernelHandle> Processes;

private:
    TMode mode_;
};
