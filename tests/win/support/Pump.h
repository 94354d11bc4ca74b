// Waiting in the Windows tests: the application's messages handled until a condition holds,
// or a plain wait on another thread's progress. Every wait has a timeout.
#pragma once

#include <windows.h>

#include <functional>

class TClassRegistry;

constexpr int kPumpTimeoutMs = 5000;

// Initialises the application object once, then runs every test of the program.
int RunUiTests(int argc, char** argv);
// The same, registering a test program's own layout classes once the application object is
// initialised.
int RunUiTests(int argc, char** argv, void (*registerClasses)(TClassRegistry&));

// Handles the application's messages until `done` holds; false when `timeoutMs` passed first.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = kPumpTimeoutMs);
// Handles every message waiting now.
void PumpPending();

// Waits for a condition that another thread or process makes true, handling no messages;
// false after the timeout.
template <class Condition> bool WaitFor(Condition condition, DWORD timeoutMs = 10000) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() >= deadline)
            return false;
        Sleep(10);
    }
    return true;
}
