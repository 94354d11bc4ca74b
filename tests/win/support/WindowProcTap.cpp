#include "tests/win/support/WindowProcTap.h"

TWindowProcTap::TWindowProcTap(TControl& control, Filter filter)
    : control_(control), filter_(std::move(filter)), previous_(control.WindowProc) {
    control.WindowProc = TWndMethod::Bind<&TWindowProcTap::Proc>(this);
}

TWindowProcTap::~TWindowProcTap() {
    control_.WindowProc = previous_;
}

void TWindowProcTap::Proc(TMessage& message) {
    if (!filter_(message))
        previous_(message);
}
