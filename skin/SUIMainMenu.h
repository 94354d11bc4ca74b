// The main menu of a form in the look of a skin style. The skinned frame on the form shows its
// top-level items in a menu bar; the menu tells the frame when its items or its font change.
#pragma once

#include "skin/SkinnedMenuItems.h"

class TsuiForm;

class TsuiMainMenu : public TsuiSkinnedMenu<TMainMenu> {
    VFC_CLASS(TsuiMainMenu, TsuiSkinnedMenu<TMainMenu>)
    // Takes the style of the skinned frame on the owner form and clears the form's own menu.
    explicit TsuiMainMenu(TComponent* owner);
    ~TsuiMainMenu() override;

    // The assigned list; none while the menu's own check-mark list stands in for it.
    TCustomImageList* Images() const override;
    // None puts the own check-mark list back, so that the items stay owner-drawn.
    void SetImages(TCustomImageList* images) override;

    // The frame that shows this menu in its menu bar (set by the frame, not stored).
    TsuiForm* Form() const { return form_; }
    void SetForm(TsuiForm* form);

protected:
    void MenuChanged(TMenuItem* source, bool rebuild) override;
    void Notification(TComponent* component, TOperation operation) override;
    void ItemHandlersAttached() override;
    void UseSystemFontChanged() override;

private:
    bool OwnerIsForm() const;

    std::unique_ptr<TImageList> checkMarks_;
    TsuiForm* form_ = nullptr;
};
