#include "../framework/UiTestSupport.h"

int main(int argc, char** argv) {
    return RunUiTests(argc, argv);
}
