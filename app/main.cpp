// Program start: the application object, the launcher window from its stored layout, the loop.
#include "app/MainFrm.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Never load a library from the current folder.
    SetDllDirectoryA("");
    const TComApartment com; // accessibility clients are answered through COM
    Application->Initialize();
    RegisterLauncherClasses(Application->Classes());
    TfrmMain* frmMain = nullptr;
    try {
        Application->CreateForm(frmMain);
    } catch (const std::exception& e) {
        MessageBoxA(nullptr, e.what(), "Velmora Free Center", MB_OK | MB_ICONERROR);
        return 1;
    }
    Application->Run();
    return 0;
}
