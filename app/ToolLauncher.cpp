#include "app/ToolLauncher.h"

#include "framework/Forms.h"
#include "framework/Registry.h"
#include "skin/AnsiFileAccess.h"

#include <shellapi.h>

#include <filesystem>

#ifndef _WIN64
static_assert(sizeof(SHELLEXECUTEINFOA) == 60, "the 32-bit shell execute record is 60 bytes");
#endif

std::string InstallerAddress(const TToolEntry& tool) {
    return std::string(Endpoints::DownloadServer) + std::string(Endpoints::InstallerFolder) +
           std::string(tool.InstallerFile);
}

std::string DownloadPageAddress() {
    return std::string(Endpoints::WebSite) + std::string(Endpoints::DownloadPagePath);
}

std::string LookupInstallLocation(std::string_view uninstallId) {
    TRegistry registry(LaunchTexts::RegistryAccess);
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    const std::string path = std::string(LaunchTexts::UninstallKeyPrefix) +
                             std::string(uninstallId) +
                             std::string(LaunchTexts::UninstallKeySuffix);
    if (!registry.OpenKeyReadOnly(path))
        return {};
    return registry.ReadString(std::string(LaunchTexts::InstallLocationValue));
}

std::string ResolveProgramPath(const TToolEntry& tool) {
    std::string location = LookupInstallLocation(tool.FirstId);
    if (location.empty() && !tool.SecondId.empty())
        location = LookupInstallLocation(tool.SecondId);
    if (location.empty())
        return {};
    if (location.back() != '\\')
        location += '\\';
    return location + std::string(tool.ProgramFile);
}

namespace {

// Waits for the process to end. Messages other threads and programs send to this thread's
// windows (broadcasts such as a settings change) are answered meanwhile, so that a sender is
// never blocked by the launch; input and posted messages stay queued until the program ends.
void WaitAnsweringSentMessages(HANDLE process) {
    while (MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_SENDMESSAGE) ==
           WAIT_OBJECT_0 + 1) {
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

// Starts the program and waits for it with the window hidden. The launcher handles no input
// and no posted message until the program ends.
bool RunAndWait(const char* file, const char* parameters, TCustomForm& window) {
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpFile = file;
    info.lpParameters = parameters;
    info.nShow = SW_SHOW;
    if (!Application->Shell().StartProcess(&info))
        return false;
    TOwnedKernelHandle process(info.hProcess);
    window.Hide();
    if (process)
        WaitAnsweringSentMessages(process.Get());
    process.Reset();
    window.Show();
    if (window.HandleAllocated())
        SetForegroundWindow(window.Handle());
    return true;
}

class TScreenCursorScope {
public:
    explicit TScreenCursorScope(TCursor cursor) { Application->SetScreenCursor(cursor); }
    ~TScreenCursorScope() { Application->SetScreenCursor(crDefault); }
    TScreenCursorScope(const TScreenCursorScope&) = delete;
    TScreenCursorScope& operator=(const TScreenCursorScope&) = delete;
};
} // namespace

bool RunDownloader(const std::string& installerAddress, TCustomForm& window) {
    return RunAndWait(std::string(LaunchTexts::Downloader).c_str(), installerAddress.c_str(),
                      window);
}

bool LaunchProgram(const std::string& programPath, TCustomForm& window) {
    const std::string quoted = "\"" + programPath + "\"";
    return RunAndWait(quoted.c_str(), nullptr, window);
}

void RunToolWorkflow(const TToolEntry& tool, TCustomForm& window) {
    std::string path = ResolveProgramPath(tool);
    if (!AnsiFileExists(path)) {
        const std::string text(LaunchTexts::DownloadOffer);
        const int answer = Application->MessageBoxes().Ask(
            window.HandleAllocated() ? window.Handle() : nullptr, text, Application->Title(),
            LaunchTexts::DownloadOfferFlags);
        if (answer == 0) // the offer could not be shown: nothing is started
            return;
        if (answer == IDCANCEL) {
            Application->Shell().OpenDocument(nullptr, "open", DownloadPageAddress().c_str(),
                                              nullptr, nullptr, SW_SHOWNORMAL);
            return;
        }
        RunDownloader(InstallerAddress(tool), window);
    }
    path = ResolveProgramPath(tool);
    if (AnsiFileExists(path)) {
        TScreenCursorScope hourglass(crHourGlass);
        LaunchProgram(path, window);
    }
}
