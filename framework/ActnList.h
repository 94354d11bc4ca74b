// Actions: one command with a caption and an enabled, visible and checked state, shared by the
// controls that link to it through their Action property. Linked controls follow its changes;
// their clicks execute it. An action list groups actions; stored layouts keep them inside it.
#pragma once

#include "framework/Classes.h"
#include "framework/Events.h"

#include <string>
#include <vector>

class TControl;
class TActionList;

class TAction : public TComponent {
    VFC_CLASS(TAction, TComponent)
    explicit TAction(TComponent* owner);
    ~TAction() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Checked() const { return checked_; }
    void SetChecked(bool checked);

    TNotifyEvent OnExecute;
    // Runs OnExecute with the action as sender; false when disabled or without a handler.
    virtual bool Execute();

    // The list the action belongs to, or none; not owned (the form owns both).
    TActionList* ActionList() const { return list_; }
    void SetActionList(TActionList* list);
    void SetParentComponent(TComponent* parent) override;
    TComponent* GetParentComponent() const override;

    // The controls linked to this action (kept by TControl::SetAction).
    int ClientCount() const { return static_cast<int>(clients_.size()); }
    void AddClient(TControl* control);
    void RemoveClient(TControl* control);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TActionList;
    // Tells every linked control.
    void Changed();

    std::string caption_;
    bool enabled_ = true;
    bool visible_ = true;
    bool checked_ = false;
    std::vector<TControl*> clients_;
    TActionList* list_ = nullptr;
};

class TActionList : public TComponent {
    VFC_CLASS(TActionList, TComponent)
    explicit TActionList(TComponent* owner) : TComponent(owner) {}
    ~TActionList() override;

    int ActionCount() const { return static_cast<int>(actions_.size()); }
    TAction* Actions(int index) const { return actions_.at(index); }

private:
    friend class TAction;
    std::vector<TAction*> actions_;
};

// Makes the action classes known to stored layouts.
void RegisterActionClasses(TClassRegistry& registry);
