#include "framework/ActnList.h"
#include "framework/Controls.h"

#include <algorithm>

VFC_DESCRIBE(TActionList) {
    (void)b;
}

TActionList::~TActionList() {
    Destroying();
    for (TAction* a : actions_)
        a->list_ = nullptr;
}

VFC_DESCRIBE(TAction) {
    b.Property("Caption", &TAction::Caption, &TAction::SetCaption);
    b.Property("Enabled", &TAction::Enabled, &TAction::SetEnabled).WithDefault(true);
    b.Property("Visible", &TAction::Visible, &TAction::SetVisible).WithDefault(true);
    b.Property("Checked", &TAction::Checked, &TAction::SetChecked).WithDefault(false);
    b.Field("OnExecute", &TAction::OnExecute);
}

TAction::TAction(TComponent* owner) : TComponent(owner) {}

TAction::~TAction() {
    Destroying();
    SetActionList(nullptr);
    // The controls learn of the end through their free notification and drop the link.
}

void TAction::SetCaption(const std::string& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    Changed();
}

void TAction::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Changed();
}

void TAction::SetVisible(bool visible) {
    if (visible == visible_)
        return;
    visible_ = visible;
    Changed();
}

void TAction::SetChecked(bool checked) {
    if (checked == checked_)
        return;
    checked_ = checked;
    Changed();
}

void TAction::SetActionList(TActionList* list) {
    if (list == list_)
        return;
    if (list_)
        std::erase(list_->actions_, this);
    list_ = list;
    if (list)
        list->actions_.push_back(this);
}

void TAction::SetParentComponent(TComponent* parent) {
    if (auto* list = As<TActionList>(parent))
        SetActionList(list);
}

TComponent* TAction::GetParentComponent() const {
    return list_;
}

bool TAction::Execute() {
    if (!enabled_ || !OnExecute)
        return false;
    OnExecute(this);
    return true;
}

void TAction::AddClient(TControl* control) {
    if (std::find(clients_.begin(), clients_.end(), control) == clients_.end())
        clients_.push_back(control);
}

void TAction::RemoveClient(TControl* control) {
    clients_.erase(std::remove(clients_.begin(), clients_.end(), control), clients_.end());
}

void TAction::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    // A linked control that goes without unlinking first (it unlinks in its destructor).
    if (operation == opRemove)
        std::erase_if(clients_,
                      [&](TControl* c) { return static_cast<TComponent*>(c) == component; });
}

void TAction::Changed() {
    // Copy: a control may unlink itself while it follows the change.
    const std::vector<TControl*> snapshot = clients_;
    for (TControl* c : snapshot)
        if (std::find(clients_.begin(), clients_.end(), c) != clients_.end())
            c->ActionChange(*this);
}

void RegisterActionClasses(TClassRegistry& registry) {
    registry.Register(TActionList::StaticClass());
    registry.Register(TAction::StaticClass());
}
