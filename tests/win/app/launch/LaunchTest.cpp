#include "LaunchTest.h"

#include <cstdio>

std::string CurrentTestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + " " + info->name();
    for (char& c : name)
        if (c == '/' || c == '\\')
            c = ' ';
    return name;
}

std::string PathWithFixtures() {
    char buffer[32768];
    const DWORD length = GetEnvironmentVariableA("PATH", buffer, sizeof(buffer));
    const std::string path = length > 0 && length < sizeof(buffer) ? buffer : "";
    return FixtureFolder() + ";" + path;
}

std::string HexHandle(HWND window) {
    char text[32];
    std::snprintf(text, sizeof(text), "%llx",
                  static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(window)));
    return text;
}

void LaunchTest::TearDown() {
    Application->OnException = nullptr;
    LauncherWindow().Show();
    Application->ProcessMessages();
}

void LaunchTest::ExpectLauncherUsable() {
    const HWND window = LauncherHandle();
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindowEnabled(window));
}
