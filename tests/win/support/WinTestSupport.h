// The support library of the Windows tests (vfc_win_test_support), which every Windows test
// program links: waiting and message pumping, real input, pixels, a window procedure tap, a
// recording shell, message-box answers, visibility steps, scratch folders, environment and window
// bounds.
#pragma once

#include "tests/win/support/DialogWatcher.h"
#include "tests/win/support/EnvironmentScope.h"
#include "tests/win/support/Input.h"
#include "tests/win/support/Pixels.h"
#include "tests/win/support/Pump.h"
#include "tests/win/support/RecordingShell.h"
#include "tests/win/support/ScratchFolder.h"
#include "tests/win/support/VisibilityLog.h"
#include "tests/win/support/WindowBounds.h"
#include "tests/win/support/WindowProcTap.h"

#include <algorithm>
#include <iterator>

template <class Container, class Value> bool Contains(const Container& c, const Value& v) {
    return std::find(std::begin(c), std::end(c), v) != std::end(c);
}
