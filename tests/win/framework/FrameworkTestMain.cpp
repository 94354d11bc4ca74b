#include "ProbeControls.h"
#include "tests/win/support/WinTestSupport.h"

int main(int argc, char** argv) {
    return RunUiTests(argc, argv, RegisterProbeClasses);
}
