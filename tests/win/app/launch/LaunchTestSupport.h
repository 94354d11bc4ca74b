// Real parts for the launch tests: the launcher window, uninstall keys in the registry, the
// stand-in programs and their log, and clicks that answer the message boxes they show.
#pragma once

#include "app/MainFrm.h"
#include "tests/win/support/WinTestSupport.h"

#include <string>
#include <string_view>
#include <vector>

// The launcher window of this test program, created and shown on first use.
TfrmMain& LauncherWindow();
HWND LauncherHandle();

// Windows paths of the stand-in programs built with the tests.
std::string FixtureFolder();
std::string StandinTool();
// Copies the stand-in tool to folder\programFile (creating the folder) and returns the path.
std::string InstallTool(const std::string& folder, std::string_view programFile);

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

// Clicks the named button with a watcher answering the boxes; returns the boxes seen.
std::vector<TDialogSeen> ClickAnswering(const char* button, std::vector<TAnswer> script = {});
