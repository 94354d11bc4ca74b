#include "framework/UserInterfaceSeams.h"

void TSystemMessageBoxes::ShowError(HWND owner, const std::string& text, const std::string& title) {
    ::MessageBoxA(owner, text.c_str(), title.c_str(), MB_OK | MB_ICONERROR);
}

void TSystemMessageBoxes::ShowInformation(HWND owner, const std::string& text,
                                          const std::string& title) {
    ::MessageBoxA(owner, text.c_str(), title.c_str(), MB_OK | MB_ICONINFORMATION);
}

int TSystemMessageBoxes::Ask(HWND owner, const std::string& text, const std::string& title,
                             unsigned flags) {
    return ::MessageBoxA(owner, text.c_str(), title.c_str(), flags);
}

bool TSystemLocale::IsMiddleEastLocale() const {
    // The languages written right to left that Windows ships system locales for.
    switch (PRIMARYLANGID(LANGIDFROMLCID(::GetSystemDefaultLCID()))) {
    case LANG_ARABIC:
    case LANG_HEBREW:
    case LANG_FARSI:
    case LANG_URDU:
    case LANG_SYRIAC:
    case LANG_DIVEHI:
        return true;
    default:
        return false;
    }
}
