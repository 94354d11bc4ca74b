// The skinned window frame of a form. This unit holds the frame's style and theme, which the
// other skinned components of the form follow (their initial style, the propagation of a
// style to the frame's children, the re-application of a loaded skin file).
#pragma once

#include "framework/Panels.h"
#include "skin/SUIThemes.h"

class TsuiFileTheme;

class TsuiForm : public TCustomPanel {
    VFC_CLASS(TsuiForm, TCustomPanel)
    explicit TsuiForm(TComponent* owner);
    ~TsuiForm() override;

    TsuiUIStyle UIStyle() const { return uiStyle_; }
    void SetUIStyle(TsuiUIStyle style);
    TsuiFileTheme* FileTheme() const { return fileTheme_; }
    void SetFileTheme(TsuiFileTheme* theme);
    bool UIStyleAutoUpdateSub() const { return autoUpdateSub_; }
    void SetUIStyleAutoUpdateSub(bool v) { autoUpdateSub_ = v; }
    // Repaints the host window's frame; the title bar asks for it after it drew a caption
    // section. The frame draws no non-client parts of its own yet.
    virtual void RepaintFrame() {}

    // What the main menu shown in the frame's menu bar asks of the frame: buttons made anew
    // from the top-level items, their captions and enabled states copied, the bar's font taken
    // from the menu. Nothing until the frame has a menu bar.
    virtual void RebuildMenuBar() {}
    virtual void RefreshMenuBarItems() {}
    virtual void ApplyMenuBarFont() {}

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TsuiUIStyle uiStyle_ = DeepBlue;
    TsuiFileTheme* fileTheme_ = nullptr;
    bool autoUpdateSub_ = false;
};
