// Window messages as the framework passes them around, and the framework's own notifications.
#pragma once

#include <windows.h>

#include <cstdint>

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// Framework notifications, sent with Perform between controls (never through Windows).
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0x00;
constexpr UINT CM_DEACTIVATE = CM_BASE + 0x01;
constexpr UINT CM_CANCELMODE = CM_BASE + 0x04;   // WParam: the control taking the focus
constexpr UINT CM_DIALOGKEY = CM_BASE + 0x05;    // WParam: virtual key; Result 1 = handled
constexpr UINT CM_DIALOGCHAR = CM_BASE + 0x06;   // WParam: character; Result 1 = handled
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 0x07; // LParam: the control now focused
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 0x08;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 0x09;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 0x0B;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 0x0C;
constexpr UINT CM_COLORCHANGED = CM_BASE + 0x0D;
constexpr UINT CM_FONTCHANGED = CM_BASE + 0x0E;
constexpr UINT CM_CURSORCHANGED = CM_BASE + 0x0F;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 0x12;
constexpr UINT CM_MOUSEENTER = CM_BASE + 0x13; // LParam: the control entered
constexpr UINT CM_MOUSELEAVE = CM_BASE + 0x14; // LParam: the control left
constexpr UINT CM_MENUCHANGED = CM_BASE + 0x15;
constexpr UINT CM_BUTTONPRESSED = CM_BASE + 0x18;
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 0x19;
constexpr UINT CM_DESIGNHITTEST = CM_BASE + 0x1C; // LParam: point; Result 1 = control takes it
constexpr UINT CM_PARENTSHOWHINTCHANGED = CM_BASE + 0x26;
constexpr UINT CM_RECREATEWND = CM_BASE + 0x33;
constexpr UINT CM_FLOAT = CM_BASE + 0x3A;

// Notifications that Windows sends to a parent, reflected back to the child they concern.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr UINT CN_KEYUP = CN_BASE + WM_KEYUP;
constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;
constexpr UINT CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
constexpr UINT CN_SYSCHAR = CN_BASE + WM_SYSCHAR;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_PARENTNOTIFY = CN_BASE + WM_PARENTNOTIFY;

inline int MessageX(const TMessage& m) { return static_cast<int16_t>(LOWORD(m.LParam)); }
inline int MessageY(const TMessage& m) { return static_cast<int16_t>(HIWORD(m.LParam)); }
inline LPARAM PointToLParam(int x, int y) {
    return static_cast<LPARAM>(MAKELONG(static_cast<WORD>(x), static_cast<WORD>(y)));
}
