// Puts itself in front of a control's window procedure: every message is shown to `Filter`
// first, which returns true to swallow it; otherwise the previous procedure gets it.
// The previous procedure comes back when the tap goes.
#pragma once

#include "framework/Controls.h"

#include <functional>

class TWindowProcTap {
public:
    using Filter = std::function<bool(TMessage&)>;
    TWindowProcTap(TControl& control, Filter filter);
    ~TWindowProcTap();
    TWindowProcTap(const TWindowProcTap&) = delete;
    TWindowProcTap& operator=(const TWindowProcTap&) = delete;

private:
    void Proc(TMessage& message);
    TControl& control_;
    Filter filter_;
    TWndMethod previous_;
};
