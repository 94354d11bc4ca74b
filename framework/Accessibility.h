// What accessibility clients (screen readers) learn of a windowed control: an accessible object
// of the window with the name, description and role the control gives, its state and place.
#pragma once

#include <windows.h>

#include <string>

struct TAccessibleText {
    std::string Name;        // empty: the control answers nothing of its own
    std::string Description; // empty: none
    long Role = 0;           // ROLE_SYSTEM_...; 0: a client area
};

// The answer to WM_GETOBJECT for the window's client object (OBJID_CLIENT) carrying `text`;
// 0 (let the default handling answer) for other objects or when no object can be made.
// Needs COM on the calling thread (TComApartment).
LRESULT AnswerAccessibleObject(HWND window, WPARAM wParam, LPARAM objectId,
                               const TAccessibleText& text);

// COM for the life of this object on the calling thread (CoInitializeEx, apartment threaded),
// for the accessibility answers and the shell.
class TComApartment {
public:
    TComApartment();
    ~TComApartment();
    TComApartment(const TComApartment&) = delete;
    TComApartment& operator=(const TComApartment&) = delete;

private:
    bool initialized_;
};
