#include "ProbeControls.h"

void TMessageLog::Add(const std::string& who, UINT msg) {
    Entries.push_back(who + ":" + std::to_string(msg));
    Raw.push_back(msg);
    Who.push_back(who);
}

std::vector<UINT> TMessageLog::Of(const std::string& who) const {
    std::vector<UINT> out;
    for (size_t i = 0; i < Raw.size(); ++i)
        if (Who[i] == who)
            out.push_back(Raw[i]);
    return out;
}

VFC_DESCRIBE(TProbeControl) {
    (void)b;
}

TProbeControl::TProbeControl(TComponent* owner) : TCustomControl(owner) {
    SetTabStop(true);
    SetBounds(0, 0, 40, 30);
}

void TProbeControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case WM_SETFOCUS:
        if (Log)
            Log->Add(Name(), m.Msg);
        break;
    default:
        break;
    }
    if (m.Msg == CM_DIALOGKEY && DialogKeyAnswer) {
        m.Result = DialogKeyAnswer;
        return;
    }
    if (m.Msg == WM_GETDLGCODE) {
        m.Result = DialogCode;
        return;
    }
    TCustomControl::WndProc(m);
}

void TProbeControl::Paint() {
    Canvas()->Brush()->SetStyle(bsSolid);
    Canvas()->Brush()->SetColor(PaintColor);
    Canvas()->FillRect(ClientRect());
}

VFC_DESCRIBE(TLayoutTestForm) {
    b.Method<&TLayoutTestForm::FirstClick, TNotifyEvent>("FirstClick");
    b.Method<&TLayoutTestForm::PictureDown, TMouseEvent>("PictureDown");
}

void TLayoutTestForm::FirstClick(TObject* sender) {
    ClickSenders.push_back(sender);
}

void TLayoutTestForm::PictureDown(TObject*, TMouseButton button, TShiftState, int, int) {
    PictureButtons.push_back(button);
}

void RegisterProbeClasses(TClassRegistry& classes) {
    classes.Register(TImage::StaticClass());
    classes.Register(TLabel::StaticClass());
    classes.Register(TProbeControl::StaticClass());
    classes.Register(TLayoutTestForm::StaticClass());
}
