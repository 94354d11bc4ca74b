#include "framework/WindowClass.h"

bool RegisterWindowClass(const TWindowClass& windowClass) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExA(instance, windowClass.Name, &existing))
        return true;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.style = windowClass.Style;
    wc.lpfnWndProc = windowClass.Procedure;
    wc.hInstance = instance;
    wc.hCursor = windowClass.Cursor;
    wc.hbrBackground = windowClass.Background;
    wc.lpszClassName = windowClass.Name;
    return RegisterClassExA(&wc) != 0;
}
