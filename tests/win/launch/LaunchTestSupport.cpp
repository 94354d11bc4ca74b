#include "tests/win/launch/LaunchTestSupport.h"

#include "app/ToolCatalogue.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

TfrmMain& LauncherWindow() {
    // The application object is one per process, and so is its main window.
    static TfrmMain* const form = [] {
        Application->Initialize();
        RegisterLauncherClasses(Application->Classes());
        TfrmMain* created = nullptr;
        Application->CreateForm(created);
        created->Show();
        Application->ProcessMessages();
        return created;
    }();
    return *form;
}

HWND LauncherHandle() {
    return LauncherWindow().Handle();
}

std::string FixtureFolder() {
    std::string path = "Z:" VFC_FIXTURE_DIR;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

std::string StandinTool() {
    return FixtureFolder() + "\\standin_tool.exe";
}

void ClickButton(const char* name) {
    TsuiImageButton* button = LauncherWindow().Button(name);
    if (!button)
        throw std::runtime_error(std::string("no button ") + name);
    const HWND handle = button->Handle();
    SendMessageA(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageA(handle, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// Registry -------------------------------------------------------------------------------------

namespace {
std::string UninstallKeyPath(std::string_view id) {
    return "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + std::string(id) + "_is1";
}

// The key in this build's own registry view, which is the view the launcher reads.
TOwnedRegistryKey CreateKey(std::string_view id) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, UninstallKeyPath(id).c_str(), 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create the uninstall key of " + std::string(id));
    return TOwnedRegistryKey(key);
}
} // namespace

TUninstallKeys::TUninstallKeys() {
    RemoveAll();
}
TUninstallKeys::~TUninstallKeys() {
    RemoveAll();
}

void TUninstallKeys::RemoveAll() {
    for (const TToolEntry* tool : ToolCatalogue::All)
        for (std::string_view id : {tool->FirstId, tool->SecondId})
            if (!id.empty())
                RegDeleteKeyA(HKEY_LOCAL_MACHINE, UninstallKeyPath(id).c_str());
}

void TUninstallKeys::SetLocation(std::string_view id, const std::string& location) {
    TOwnedRegistryKey key = CreateKey(id);
    if (RegSetValueExA(key.Get(), "InstallLocation", 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(location.c_str()),
                       static_cast<DWORD>(location.size() + 1)) != ERROR_SUCCESS)
        throw std::runtime_error("cannot write InstallLocation");
}

void TUninstallKeys::SetDword(std::string_view id, DWORD value) {
    TOwnedRegistryKey key = CreateKey(id);
    if (RegSetValueExA(key.Get(), "InstallLocation", 0, REG_DWORD,
                       reinterpret_cast<const BYTE*>(&value), sizeof(value)) != ERROR_SUCCESS)
        throw std::runtime_error("cannot write InstallLocation");
}

void TUninstallKeys::CreateWithoutValue(std::string_view id) {
    CreateKey(id);
}

// Folders and the log -------------------------------------------------------------------------

TScratchFolder::TScratchFolder(const std::string& name) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof(temp), temp);
    path_ = std::string(temp) + "vfc launch tests " + std::to_string(GetCurrentProcessId()) + "\\" +
            name + " dir";
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
    std::filesystem::create_directories(path_);
}

TScratchFolder::~TScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
    std::filesystem::remove(std::filesystem::path(path_).parent_path(), ignored); // when empty
}

std::string TScratchFolder::Folder(const std::string& relative) const {
    const std::string path = path_ + "\\" + relative;
    std::filesystem::create_directories(path);
    return path;
}

std::string TScratchFolder::InstallTool(const std::string& folder,
                                        std::string_view programFile) const {
    std::filesystem::create_directories(folder);
    const std::string path = folder + "\\" + std::string(programFile);
    if (!CopyFileA(StandinTool().c_str(), path.c_str(), FALSE))
        throw std::runtime_error("cannot copy the stand-in tool to " + path);
    return path;
}

TStandinLog::TStandinLog(const std::string& path) : path_(path) {
    DeleteFileA(path_.c_str());
}
TStandinLog::~TStandinLog() {
    DeleteFileA(path_.c_str());
}

std::vector<std::vector<std::string>> TStandinLog::Lines() const {
    std::vector<std::vector<std::string>> lines;
    std::ifstream file(path_, std::ios::binary);
    std::string line;
    while (std::getline(file, line)) {
        std::vector<std::string> fields;
        std::istringstream parts(line);
        std::string field;
        while (std::getline(parts, field, '\t'))
            fields.push_back(field);
        lines.push_back(fields);
    }
    return lines;
}

std::vector<std::vector<std::string>> TStandinLog::Lines(std::string_view kind) const {
    std::vector<std::vector<std::string>> matching;
    for (auto& line : Lines())
        if (!line.empty() && line[0] == kind)
            matching.push_back(line);
    return matching;
}

std::vector<std::string> TStandinLog::Kinds() const {
    std::vector<std::string> kinds;
    for (auto& line : Lines())
        kinds.push_back(line.empty() ? "" : line[0]);
    return kinds;
}

// The shell -----------------------------------------------------------------------------------

namespace {
std::optional<std::string> TextOf(const char* text) {
    return text ? std::optional<std::string>(text) : std::nullopt;
}
} // namespace

TRecordingShell::TRecordingShell(TMode mode) : mode_(mode) {
    Application->SetShell(this);
}
TRecordingShell::~TRecordingShell() {
    Application->SetShell(nullptr);
}

HINSTANCE TRecordingShell::ShellExecute(HWND owner, const char* verb, const char* file,
                                        const char* parameters, const char* directory, int show) {
    Opened.push_back(
        {owner, TextOf(verb), TextOf(file), TextOf(parameters), TextOf(directory), show});
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42)); // as if opened
}

BOOL TRecordingShell::ShellExecuteEx(SHELLEXECUTEINFOA* info) {
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
                      IsWindowVisible(LauncherHandle()) != FALSE,
                      FALSE,
                      false};
    switch (mode_) {
    case Forward:
        // Straight to the system: TSystemShell's calls resolve to its own members, because
        // <windows.h> renames them ShellExecuteA and ShellExecuteExA.
        call.Result = ::ShellExecuteExA(info);
        break;
    case Fail:
        SetLastError(ERROR_FILE_NOT_FOUND);
        call.Result = FALSE;
        break;
    case SucceedWithoutProcess:
        info->hProcess = nullptr;
        info->hInstApp = reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));
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

// Message boxes -------------------------------------------------------------------------------

namespace {
std::string WindowText(HWND window) {
    char buffer[2048] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof(buffer), reinterpret_cast<LPARAM>(buffer),
                             SMTO_ABORTIFHUNG, 2000, &copied))
        return {};
    return std::string(buffer, copied);
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

struct TBoxSearch {
    DWORD process;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectBox(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<TBoxSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == search->process && IsWindowVisible(window) && ClassOf(window) == "#32770")
        search->found.push_back(window);
    return TRUE;
}

BOOL CALLBACK DescribeChild(HWND child, LPARAM data) {
    auto* seen = reinterpret_cast<TDialogSeen*>(data);
    if (!IsWindowVisible(child))
        return TRUE;
    const std::string kind = ClassOf(child);
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    if (kind == "Static" && (style & SS_TYPEMASK) == SS_ICON) {
        DWORD_PTR icon = 0;
        SendMessageTimeoutA(child, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 2000, &icon);
        seen->QuestionIcon = reinterpret_cast<HICON>(icon) == LoadIconA(nullptr, IDI_QUESTION);
    } else if (kind == "Static") {
        seen->Text += WindowText(child);
    } else if (kind == "Button") {
        seen->Buttons.emplace_back(GetDlgCtrlID(child), WindowText(child));
    }
    return TRUE;
}
} // namespace

TDialogWatcher::TDialogWatcher(std::vector<TAnswer> script)
    : script_(script.begin(), script.end()), thread_([this] { Watch(); }) {}

TDialogWatcher::~TDialogWatcher() {
    Finish();
}

std::vector<TDialogSeen> TDialogWatcher::Finish() {
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
    std::lock_guard lock(mutex_);
    return seen_;
}

void TDialogWatcher::Watch() {
    while (!stop_) {
        TBoxSearch search{GetCurrentProcessId(), {}};
        EnumWindows(CollectBox, reinterpret_cast<LPARAM>(&search));
        for (HWND box : search.found) {
            if (std::find(handled_.begin(), handled_.end(), box) != handled_.end())
                continue;
            handled_.push_back(box);
            TDialogSeen seen;
            seen.Owner = GetWindow(box, GW_OWNER);
            seen.Caption = WindowText(box);
            EnumChildWindows(box, DescribeChild, reinterpret_cast<LPARAM>(&seen));
            std::optional<TAnswer> answer;
            {
                std::lock_guard lock(mutex_);
                if (!script_.empty()) {
                    answer = script_.front();
                    script_.pop_front();
                }
                seen.Scripted = answer.has_value();
                seen_.push_back(seen);
            }
            if (answer)
                Answer(box, *answer);
            else
                PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
        }
        Sleep(10);
    }
}

void TDialogWatcher::Answer(HWND box, TAnswer answer) {
    switch (answer) {
    case TAnswer::Ok:
        PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        break;
    case TAnswer::Cancel:
        PostMessageA(GetDlgItem(box, IDCANCEL), BM_CLICK, 0, 0);
        break;
    case TAnswer::Escape: {
        // The key goes where the keyboard focus of the box is, as a pressed key would.
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &info);
        const HWND target = info.hwndFocus ? info.hwndFocus : box;
        const UINT scan = MapVirtualKeyA(VK_ESCAPE, MAPVK_VK_TO_VSC);
        PostMessageA(target, WM_KEYDOWN, VK_ESCAPE, 1 | (scan << 16));
        PostMessageA(target, WM_KEYUP, VK_ESCAPE, 1 | (scan << 16) | (3u << 30));
        break;
    }
    }
}

std::vector<TDialogSeen> ClickAnswering(const char* button, std::vector<TAnswer> script) {
    TDialogWatcher watcher(std::move(script));
    ClickButton(button);
    auto seen = watcher.Finish();
    Application->ProcessMessages();
    return seen;
}

// Visibility ----------------------------------------------------------------------------------

namespace {
// Hook procedures get no context: the one log that is recording.
TVisibilityLog*& RecordingLog() {
    static TVisibilityLog* log = nullptr;
    return log;
}
} // namespace

TVisibilityLog::TVisibilityLog() {
    if (RecordingLog())
        throw std::logic_error("one visibility log at a time");
    LauncherHandle();
    RecordingLog() = this;
    hook_ = SetWindowsHookExA(WH_CALLWNDPROCRET, Hook, nullptr, GetCurrentThreadId());
}

TVisibilityLog::~TVisibilityLog() {
    if (hook_)
        UnhookWindowsHookEx(hook_);
    RecordingLog() = nullptr;
}

LRESULT CALLBACK TVisibilityLog::Hook(int code, WPARAM wParam, LPARAM lParam) {
    TVisibilityLog* log = RecordingLog();
    if (code == HC_ACTION && log) {
        const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (message->message == WM_WINDOWPOSCHANGED && message->hwnd == LauncherHandle()) {
            const auto* position = reinterpret_cast<const WINDOWPOS*>(message->lParam);
            if (position->flags & SWP_HIDEWINDOW)
                log->steps_ += 'H';
            if (position->flags & SWP_SHOWWINDOW)
                log->steps_ += 'S';
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Environment ---------------------------------------------------------------------------------

TEnvironmentScope::TEnvironmentScope(const char* name, const std::string& value) : name_(name) {
    char buffer[32768];
    const DWORD length = GetEnvironmentVariableA(name, buffer, sizeof(buffer));
    if (length > 0 && length < sizeof(buffer))
        previous_ = std::string(buffer, length);
    SetEnvironmentVariableA(name, value.c_str());
}

TEnvironmentScope::~TEnvironmentScope() {
    SetEnvironmentVariableA(name_.c_str(), previous_ ? previous_->c_str() : nullptr);
}
