// A shown borderless form for the framework tests, with probe controls on it.
#pragma once

#include "ProbeControls.h"
#include "tests/win/support/WinTestSupport.h"

#include <gtest/gtest.h>

// One form serves every test of the suite: destroying a shown window costs Wine two seconds
// without a window manager. Each test starts with the form empty, in place and active.
class FormTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        shared = new TForm(Application);
        shared->SetBorderStyle(bsNone);
    }
    static void TearDownTestSuite() {
        shared->Free();
        shared = nullptr;
    }
    void SetUp() override {
        form = shared;
        form->SetBounds(150, 120, 400, 300);
        form->SetColor(clBtnFace);
        form->SetName("");
        form->OnMouseEnter = {};
        form->OnMouseLeave = {};
    }
    void TearDown() override {
        while (form->ComponentCount() > 0)
            form->Components(form->ComponentCount() - 1)->Free();
        PumpPending();
    }
    TProbeControl* AddProbe(const std::string& name, int left, int top) {
        auto* probe = new TProbeControl(form);
        probe->SetName(name);
        probe->SetBounds(left, top, 40, 30);
        probe->SetParent(form);
        probe->Log = &log;
        return probe;
    }

    inline static TForm* shared = nullptr;
    TForm* form = nullptr;
    TMessageLog log;
};
