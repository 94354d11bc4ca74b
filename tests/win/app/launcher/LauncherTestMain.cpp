#include "app/MainFrm.h"
#include "tests/win/support/Pump.h"

#include <gtest/gtest.h>

// The launcher's classes, registered once the application object is initialised.
class LauncherClassesEnvironment : public ::testing::Environment {
public:
    void SetUp() override { RegisterLauncherClasses(Application->Classes()); }
};

int main(int argc, char** argv) {
    ::testing::AddGlobalTestEnvironment(new LauncherClassesEnvironment);
    return RunUiTests(argc, argv);
}
