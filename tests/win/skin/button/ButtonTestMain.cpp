#include "skin/SUIButton.h"
#include "tests/win/support/Pump.h"

namespace {
void RegisterButtonClasses(TClassRegistry& classes) {
    classes.Register(TsuiImageButton::StaticClass());
}
} // namespace

int main(int argc, char** argv) {
    return RunUiTests(argc, argv, RegisterButtonClasses);
}
