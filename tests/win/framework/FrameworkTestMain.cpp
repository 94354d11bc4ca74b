#include "ProbeControls.h"
#include "tests/win/support/WinTestSupport.h"

#include <gtest/gtest.h>

// Registers the probe classes once the application object is initialised.
class ProbeClassesEnvironment : public ::testing::Environment {
public:
    void SetUp() override { RegisterProbeClasses(Application->Classes()); }
};

int main(int argc, char** argv) {
    ::testing::AddGlobalTestEnvironment(new ProbeClassesEnvironment);
    return RunUiTests(argc, argv);
}
