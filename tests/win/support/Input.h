// Real input for the Windows tests: pointer moves and buttons through SendInput, keys posted
// the way the keyboard driver queues them, modifiers held in this thread's key state.
#pragma once

#include "framework/Forms.h"

#include <functional>
#include <initializer_list>

// Shows the form, makes it the foreground window and waits until it is.
void ShowAndActivate(TCustomForm& form);

// The pointer to a screen point, or to a point of a control's client area.
void MoveCursorTo(TPoint screen);
void MoveCursorOver(TControl& control, int x, int y);
// Moves the cursor there, again every quarter second, until `done` holds: other programs on
// the same Wine server share the cursor and may move it meanwhile.
bool MoveCursorUntil(TPoint screen, const std::function<bool()>& done, int timeoutMs = 3000);
// A mouse button event (MOUSEEVENTF_LEFTDOWN and so on) at the cursor.
void SendMouseButton(DWORD flag);

// Keys go through the message loop, which other programs on the same Wine server cannot take
// away. Holds the modifiers in this thread's key state while the scope lives.
class THeldModifiers {
public:
    explicit THeldModifiers(std::initializer_list<WORD> modifiers);
    ~THeldModifiers();
    THeldModifiers(const THeldModifiers&) = delete;
    THeldModifiers& operator=(const THeldModifiers&) = delete;

private:
    BYTE saved_[256];
};
// Posts one key transition to the window (system keys while Alt is held).
void PostKey(HWND window, WORD vk, bool up = false);
// Posts key down and key up to the window with the focus.
void PostKeyStroke(WORD vk);
// Holds the modifiers, posts the key stroke and handles every message that follows from it.
void PressKey(WORD vk, std::initializer_list<WORD> modifiers = {});
