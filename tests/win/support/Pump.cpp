#include "tests/win/support/Pump.h"

#include "framework/Forms.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
// The longest single wait for a message: short enough for the X11 driver to deliver its events.
constexpr ULONGLONG kMessageWaitMs = 10;
} // namespace

int RunUiTests(int argc, char** argv) {
    return RunUiTests(argc, argv, nullptr);
}

int RunUiTests(int argc, char** argv, void (*registerClasses)(TClassRegistry&)) {
    ::testing::InitGoogleTest(&argc, argv);
    const TComApartment com;
    Application->Initialize();
    if (registerClasses)
        registerClasses(Application->Classes());
    return RUN_ALL_TESTS();
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    for (;;) {
        Application->ProcessMessages();
        if (done())
            return true;
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline)
            return false;
        const DWORD wait = static_cast<DWORD>(std::min(deadline - now, kMessageWaitMs));
        MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT);
    }
}

void PumpPending() {
    Application->ProcessMessages();
}
