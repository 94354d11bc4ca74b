#include "skin/SUIForm.h"

#include "skin/SUIMgr.h"

VFC_DESCRIBE(TsuiForm) {
    b.Property("FileTheme", &TsuiForm::FileTheme, &TsuiForm::SetFileTheme);
    b.Property("UIStyle", &TsuiForm::UIStyle, &TsuiForm::SetUIStyle);
    b.Property("UIStyleAutoUpdateSub", &TsuiForm::UIStyleAutoUpdateSub,
               &TsuiForm::SetUIStyleAutoUpdateSub)
        .WithDefault(false);
}

TsuiForm::TsuiForm(TComponent* owner) : TCustomPanel(owner) {
    SetBevelOuter(bvNone);
    SetAlign(alClient);
}

TsuiForm::~TsuiForm() {
    if (fileTheme_)
        fileTheme_->RemoveFreeNotification(this);
}

void TsuiForm::SetUIStyle(TsuiUIStyle style) {
    uiStyle_ = style;
    if (autoUpdateSub_)
        PropagateStyle(this, uiStyle_, fileTheme_);
    Invalidate();
}

void TsuiForm::SetFileTheme(TsuiFileTheme* theme) {
    if (fileTheme_)
        fileTheme_->RemoveFreeNotification(this);
    fileTheme_ = theme;
    if (theme)
        theme->FreeNotification(this);
    SetUIStyle(uiStyle_);
}

void TsuiForm::Notification(TComponent* component, TOperation operation) {
    TCustomPanel::Notification(component, operation);
    if (operation == opRemove && component == fileTheme_) {
        fileTheme_ = nullptr;
        SetUIStyle(uiStyle_);
    }
}
