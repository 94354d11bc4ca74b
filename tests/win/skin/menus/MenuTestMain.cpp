#include "skin/SUIMainMenu.h"
#include "skin/SUIMgr.h"
#include "skin/SUIPopupMenu.h"
#include "tests/win/support/Pump.h"

int main(int argc, char** argv) {
    return RunUiTests(argc, argv, [](TClassRegistry& classes) {
        for (const TClassInfo* info : {&TsuiPopupMenu::StaticClass(), &TsuiMainMenu::StaticClass(),
                                       &TsuiFileTheme::StaticClass()})
            classes.Register(*info);
    });
}
