#include "skin/SUITitleBar.h"
#include "tests/win/support/Pump.h"

int main(int argc, char** argv) {
    return RunUiTests(argc, argv, &RegisterTitleBarClasses);
}
