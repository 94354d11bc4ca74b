#include "LaunchTestSupport.h"

#include "app/ToolCatalogue.h"

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

// Registry ---------------------------------------------------------------------------------------

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

// The stand-ins ----------------------------------------------------------------------------------

std::string InstallTool(const std::string& folder, std::string_view programFile) {
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

// Clicks -----------------------------------------------------------------------------------------

std::vector<TDialogSeen> ClickAnswering(const char* button, std::vector<TAnswer> script) {
    TDialogWatcher watcher(std::move(script));
    ClickButton(button);
    auto seen = watcher.Finish();
    Application->ProcessMessages();
    return seen;
}
