// Finding, offering and starting the tools: registry look-up, the downloader, the launch.
#pragma once

#include "app/ToolCatalogue.h"

#include <string>

class TCustomForm;

std::string InstallerAddress(const TToolEntry& tool);
std::string DownloadPageAddress();

// "InstallLocation" of the tool's uninstall key under HKEY_LOCAL_MACHINE; empty when the
// key or the value is missing. A value that is not text raises the framework's registry error.
std::string LookupInstallLocation(std::string_view uninstallId);
// Install location (first id, then the second one if any) plus the program file name;
// empty when neither id gives a location.
std::string ResolveProgramPath(const TToolEntry& tool);

// Both start a program through the shell and, once it has started, hide `window` until the
// program ends. They return whether the program could be started.
bool RunDownloader(const std::string& installerAddress, TCustomForm& window);
bool LaunchProgram(const std::string& programPath, TCustomForm& window);

// The whole click: offer the download when the program is missing, then start it.
void RunToolWorkflow(const TToolEntry& tool, TCustomForm& window);
