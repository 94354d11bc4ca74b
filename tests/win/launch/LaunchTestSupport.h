// Real parts for the launch tests: the launcher window, uninstall keys in the registry, scratch
// folders with stand-in programs, the stand-ins' log, a recording shell, and a watcher that
// finds and answers the message boxes a click shows while the click blocks.
#pragma once

#include "app/MainFrm.h"
#include "framework/WinHandles.h"

#include <atomic>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

// The launcher window of this test program, created and shown on first use.
TfrmMain& LauncherWindow();
HWND LauncherHandle();

// Windows paths of the stand-in programs built with the tests.
std::string FixtureFolder();
std::string StandinTool();

// A left click on the named button, through its window procedure as a real click arrives.
void ClickButton(const char* name);

std::string Quoted(const std::string& text);

// The uninstall keys of the whole catalogue: removed on construction and destruction.
class TUninstallKeys {
public:
    TUninstallKeys();
    ~TUninstallKeys();
    TUninstallKeys(const TUninstallKeys&) = delete;
    TUninstallKeys& operator=(const TUninstallKeys&) = delete;

    void SetLocation(std::string_view id, const std::string& location);
    void SetDword(std::string_view id, DWORD value);
    void CreateWithoutValue(std::string_view id);
    static void RemoveAll();
};

// A fresh folder below the temporary folder, its name with blanks; removed with its contents.
class TScratchFolder {
public:
    explicit TScratchFolder(const std::string& name);
    ~TScratchFolder();
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;

    const std::string& Path() const { return path_; }
    // Creates a sub-folder (and its parents) and returns its path, without a final backslash.
    std::string Folder(const std::string& relative) const;
    // Copies the stand-in tool to folder\programFile and returns the full path.
    std::string InstallTool(const std::string& folder, std::string_view programFile) const;

private:
    std::string path_;
};

// The lines the stand-ins appended to the log ($VFC_MARKER), split at tabs.
class TStandinLog {
public:
    explicit TStandinLog(const std::string& path);
    ~TStandinLog();
    TStandinLog(const TStandinLog&) = delete;
    TStandinLog& operator=(const TStandinLog&) = delete;

    std::vector<std::vector<std::string>> Lines() const;
    std::vector<std::vector<std::string>> Lines(std::string_view kind) const;
    std::vector<std::string> Kinds() const;

private:
    std::string path_;
};

// One call of ShellExecuteEx as the launcher made it, and what held at that moment.
struct TExecuteCall {
    DWORD RecordSize;
    ULONG Mask;
    HWND Owner;
    std::optional<std::string> Verb, File, Parameters, Directory;
    int Show;
    TCursor ScreenCursor;
    HCURSOR SystemCursor;
    bool WindowVisible;
    BOOL Result;
    bool GotProcess;
};

struct TOpenCall {
    HWND Owner;
    std::optional<std::string> Verb, File, Parameters, Directory;
    int Show;
};

// Records every call and installs itself as the application's shell for its lifetime. Opening a
// web page is never forwarded; starting a program is handed to ShellExecuteExA, unless the mode
// says otherwise.
class TRecordingShell : public TShell {
public:
    enum TMode { Forward, Fail, SucceedWithoutProcess };
    explicit TRecordingShell(TMode mode = Forward);
    ~TRecordingShell() override;
    TRecordingShell(const TRecordingShell&) = delete;
    TRecordingShell& operator=(const TRecordingShell&) = delete;

    void SetMode(TMode mode) { mode_ = mode; }
    HINSTANCE ShellExecute(HWND owner, const char* verb, const char* file, const char* parameters,
                           const char* directory, int show) override;
    BOOL ShellExecuteEx(SHELLEXECUTEINFOA* info) override;

    std::vector<TExecuteCall> Executed;
    std::vector<TOpenCall> Opened;
    // Copies of the process handles the shell gave out, to see whether the processes ended.
    std::vector<TOwnedKernelHandle> Processes;

private:
    TMode mode_;
};

// A message box as the watcher found it.
struct TDialogSeen {
    HWND Owner = nullptr;
    std::string Caption;
    std::string Text;
    bool QuestionIcon = false;
    std::vector<std::pair<int, std::string>> Buttons; // id and text of the visible buttons
    bool Scripted = false; // answered from the script, not closed as unexpected
};

enum class TAnswer { Ok, Cancel, Escape };

// Runs beside one click: every visible dialog box of this process that appears is recorded and
// answered with the next scripted answer; boxes beyond the script are closed with IDCANCEL.
class TDialogWatcher {
public:
    explicit TDialogWatcher(std::vector<TAnswer> script);
    ~TDialogWatcher();
    TDialogWatcher(const TDialogWatcher&) = delete;
    TDialogWatcher& operator=(const TDialogWatcher&) = delete;

    // Stops watching; the boxes seen so far.
    std::vector<TDialogSeen> Finish();

private:
    void Watch();
    void Answer(HWND box, TAnswer answer);

    std::deque<TAnswer> script_;
    std::vector<TDialogSeen> seen_;
    std::vector<HWND> handled_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::thread thread_;
};

// Clicks the named button with the watcher answering the boxes; returns the boxes seen.
std::vector<TDialogSeen> ClickAnswering(const char* button, std::vector<TAnswer> script = {});

// Hide ('H') and show ('S') steps of the launcher window, seen in its WM_WINDOWPOSCHANGED.
class TVisibilityLog {
public:
    TVisibilityLog();
    ~TVisibilityLog();
    TVisibilityLog(const TVisibilityLog&) = delete;
    TVisibilityLog& operator=(const TVisibilityLog&) = delete;
    const std::string& Steps() const { return steps_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
    std::string steps_;
    HHOOK hook_ = nullptr;
};

// Sets an environment variable of this process (inherited by what it starts) for a scope.
class TEnvironmentScope {
public:
    TEnvironmentScope(const char* name, const std::string& value);
    ~TEnvironmentScope();
    TEnvironmentScope(const TEnvironmentScope&) = delete;
    TEnvironmentScope& operator=(const TEnvironmentScope&) = delete;

private:
    std::string name_;
    std::optional<std::string> previous_;
};

// Waits for a condition, pumping nothing; false after the timeout.
template <class Condition> bool WaitFor(Condition condition, DWORD timeoutMs = 10000) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(10);
    }
    return true;
}
