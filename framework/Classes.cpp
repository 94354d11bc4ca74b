#include "framework/Classes.h"

#include <algorithm>

const TClassInfo& TObject::StaticClass() {
    static const TClassInfo info("TObject", nullptr);
    return info;
}

const char* TObject::ClassName() const {
    return ClassInfo().Name();
}

VFC_DESCRIBE(TPersistent) {
    (void)b;
}

void TPersistent::Assign(const TPersistent* source) {
    throw EPropertyError(std::string("cannot assign ") + (source ? source->ClassName() : "nil") +
                         " to " + ClassName());
}

bool TPersistent::AssignResource(const std::string&) {
    return false;
}

bool TPersistent::LoadData(const std::vector<uint8_t>&) {
    return false;
}

bool TPersistent::SaveData(std::vector<uint8_t>&) const {
    return false;
}

VFC_DESCRIBE(TComponent) {
    b.Property("Name", &TComponent::Name, &TComponent::SetName).NotStored();
    b.Field("Tag", &TComponent::Tag).WithDefault(0);
}

TComponent::TComponent(TComponent* owner) {
    if (owner)
        owner->InsertComponent(this);
}

TComponent::~TComponent() {
    Destroying();
    // Tell everybody who holds a reference to us across owners.
    while (!freeNotifies_.empty()) {
        TComponent* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        auto& back = other->freeNotifies_;
        back.erase(std::remove(back.begin(), back.end(), this), back.end());
        other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (owner_)
        owner_->RemoveComponent(this);
}

void TComponent::Free() {
    delete this;
}

void TComponent::Destroying() {
    if (HasState(csDestroying))
        return;
    SetState(csDestroying, true);
    for (TComponent* c : components_)
        c->Destroying();
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* c = components_.back();
        components_.pop_back();
        c->owner_ = nullptr;
        delete c;
    }
}

void TComponent::SetName(const std::string& name) {
    if (name == name_)
        return;
    if (!name.empty() && owner_) {
        TComponent* clash = owner_->FindComponent(name);
        if (clash && clash != this)
            throw EPropertyError("a component named " + name + " already exists");
    }
    name_ = name;
}

int TComponent::ComponentIndex() const {
    if (!owner_)
        return -1;
    auto& list = owner_->components_;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty())
        return nullptr;
    for (TComponent* c : components_)
        if (SameText(c->name_, name))
            return c;
    return nullptr;
}

void TComponent::SetDesigning(bool designing) {
    SetState(csDesigning, designing);
    for (TComponent* c : components_)
        c->SetDesigning(designing);
}

void TComponent::InsertComponent(TComponent* component) {
    if (component->owner_)
        component->owner_->RemoveComponent(component);
    components_.push_back(component);
    component->owner_ = this;
    NotifyAll(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    auto it = std::find(components_.begin(), components_.end(), component);
    if (it == components_.end())
        return;
    if (!HasState(csDestroying))
        NotifyAll(component, opRemove);
    it = std::find(components_.begin(), components_.end(), component);
    if (it != components_.end())
        components_.erase(it);
    component->owner_ = nullptr;
}

void TComponent::NotifyAll(TComponent* component, TOperation operation) {
    Notification(component, operation);
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this)
        return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
        freeNotifies_.push_back(component);
    if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
        component->freeNotifies_.end())
        component->freeNotifies_.push_back(this);
    SetState(csFreeNotification, true);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (!component)
        return;
    freeNotifies_.erase(std::remove(freeNotifies_.begin(), freeNotifies_.end(), component),
                        freeNotifies_.end());
    auto& back = component->freeNotifies_;
    back.erase(std::remove(back.begin(), back.end(), this), back.end());
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    // The owner passes every insertion and removal on to all its components.
    if (operation == opRemove && component)
        RemoveFreeNotification(component);
    // Copy: a handler may remove components while we walk.
    std::vector<TComponent*> snapshot = components_;
    for (TComponent* c : snapshot)
        if (c != component &&
            std::find(components_.begin(), components_.end(), c) != components_.end())
            c->Notification(component, operation);
}

void TComponent::BeginLoading() {
    SetState(csLoading, true);
    SetState(csReading, true);
}

void TComponent::Loaded() {
    SetState(csLoading, false);
    SetState(csReading, false);
}

void TComponent::SetParentComponent(TComponent*) {}
