// Small controls and a form class made for the framework tests: a windowed control that
// records the messages it sees and paints itself in one colour, and a form with published
// handlers for stored layouts.
#pragma once

#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/StdCtrls.h"

#include <string>
#include <vector>

// Messages seen by controls, in order, as "name:message".
struct TMessageLog {
    std::vector<std::string> Entries;
    void Add(const std::string& who, UINT msg);
    // The entries of one control, messages only.
    std::vector<UINT> Of(const std::string& who) const;
    std::vector<UINT> Raw;
    std::vector<std::string> Who;
};

class TProbeControl : public TCustomControl {
    VFC_CLASS(TProbeControl, TCustomControl)
    explicit TProbeControl(TComponent* owner);

    // Messages of interest are written here (keys, dialog keys and characters, focus).
    TMessageLog* Log = nullptr;
    // Answer to CM_DIALOGKEY: 1 swallows Enter and Escape before the focused control.
    LRESULT DialogKeyAnswer = 0;
    // Answer to WM_GETDLGCODE.
    LRESULT DialogCode = 0;
    TColor PaintColor = clBlack;

    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
};

// A form class with handlers that stored layouts bind events to by name.
class TLayoutTestForm : public TForm {
    VFC_CLASS(TLayoutTestForm, TForm)
    explicit TLayoutTestForm(TComponent* owner) : TForm(owner) {}

    void FirstClick(TObject* Sender);
    void PictureDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    std::vector<TObject*> ClickSenders;
    std::vector<TMouseButton> PictureButtons;
};

void RegisterProbeClasses(TClassRegistry& classes);
