// The common fixture: a clean catalogue in the registry, a scratch folder, the stand-ins' log,
// the downloader on the search path, and the launcher window shown and recording its visibility.
#pragma once

#include "LaunchTestSupport.h"

#include <gtest/gtest.h>

std::string CurrentTestName();
std::string PathWithFixtures();
std::string HexHandle(HWND window);

class LaunchTest : public ::testing::Test {
protected:
    LaunchTest() { LauncherWindow(); }
    void TearDown() override;

    // The stand-in tool installed as `program` in a folder of the scratch area.
    std::string Install(const std::string& folder, std::string_view program) {
        return InstallTool(scratch.Folder(folder), program);
    }
    // The window is back: visible and enabled.
    void ExpectLauncherUsable();

    TUninstallKeys keys;
    TScratchFolder scratch{CurrentTestName()};
    TStandinLog log{scratch.Path() + "\\stand-ins.log"};
    TEnvironmentScope markerVariable{"VFC_MARKER", scratch.Path() + "\\stand-ins.log"};
    TEnvironmentScope watchVariable{"VFC_WATCH_WINDOW", HexHandle(LauncherHandle())};
    TEnvironmentScope installVariable{"VFC_INSTALL_DIR",
                                      scratch.Path() + "\\Installed Tool Folder"};
    // The downloader is started by bare name and found through the search path.
    TEnvironmentScope pathVariable{"PATH", PathWithFixtures()};
    TVisibilityLog visibility{LauncherHandle()};
};
