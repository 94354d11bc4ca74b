#include "skin/SUIMainMenu.h"

#include "framework/Forms.h"
#include "skin/SUIForm.h"
#include "skin/SUIMgr.h"

VFC_DESCRIBE(TsuiMainMenu) {
    b.Property("Images", &TsuiMainMenu::Images, &TsuiMainMenu::SetImages);
    DescribeSkinnedMenu(b);
}

TsuiMainMenu::TsuiMainMenu(TComponent* owner)
    : TsuiSkinnedMenu<TMainMenu>(owner, nullptr, false), checkMarks_(CreateCheckMarkList()) {
    SetCheckMarks(checkMarks_.get());
    TMenu::SetImages(checkMarks_.get());
    if (auto* form = As<TCustomForm>(owner); form && form->HandleAllocated())
        SetMenu(form->Handle(), nullptr); // the frame's menu bar shows this menu instead
}

TsuiMainMenu::~TsuiMainMenu() {
    Destroying();
    SetForm(nullptr);
    TMenu::SetImages(nullptr); // before the own list goes
}

TCustomImageList* TsuiMainMenu::Images() const {
    TCustomImageList* images = TMenu::Images();
    return images == checkMarks_.get() ? nullptr : images;
}

void TsuiMainMenu::SetImages(TCustomImageList* images) {
    TMenu::SetImages(images ? images : checkMarks_.get());
}

void TsuiMainMenu::SetForm(TsuiForm* form) {
    if (form == form_)
        return;
    if (form_)
        form_->RemoveFreeNotification(this);
    form_ = form;
    if (form_)
        form_->FreeNotification(this);
}

bool TsuiMainMenu::OwnerIsForm() const {
    return As<TCustomForm>(Owner()) != nullptr;
}

void TsuiMainMenu::MenuChanged(TMenuItem* source, bool rebuild) {
    TsuiSkinnedMenu<TMainMenu>::MenuChanged(source, rebuild);
    if (!OwnerIsForm() || !form_ || HasState(csDestroying))
        return;
    form_->RefreshMenuBarItems();
    if (Owner()->HasState(csDesigning) && !Owner()->HasState(csLoading))
        form_->RebuildMenuBar();
}

void TsuiMainMenu::Notification(TComponent* component, TOperation operation) {
    TsuiSkinnedMenu<TMainMenu>::Notification(component, operation);
    if (operation != opRemove || !component)
        return;
    if (component == form_)
        form_ = nullptr;
    // An assigned list that went leaves the own list standing in again.
    if (!TMenu::Images() && !HasState(csDestroying) && checkMarks_)
        TMenu::SetImages(checkMarks_.get());
}

void TsuiMainMenu::ItemHandlersAttached() {
    if (form_)
        form_->RebuildMenuBar();
}

void TsuiMainMenu::UseSystemFontChanged() {
    if (form_)
        form_->ApplyMenuBarFont();
}
