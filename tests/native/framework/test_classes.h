// Small component classes for exercising type information, ownership and stored layouts.
#pragma once

#include "framework/Classes.h"

#include <string>
#include <vector>

enum TShape { shCircle, shSquare, shTriangle };
enum TEdge { edLeft, edTop, edRight, edBottom };
template <> const TEnumInfo& EnumInfoOf<TShape>();
template <> const TEnumInfo& EnumInfoOf<TEdge>();

class TPen2 : public TPersistent {
    VFC_CLASS(TPen2, TPersistent)
    std::string Name() const { return name_; }
    void SetName(const std::string& n) { name_ = n; }
    int Width() const { return width_; }
    void SetWidth(int w) { width_ = w; }
    bool AssignResource(const std::string& name) override {
        name_ = "resource:" + name;
        return true;
    }
    void Assign(const TPersistent* source) override {
        auto* p = As<TPen2>(source);
        if (!p)
            TPersistent::Assign(source);
        name_ = p->name_;
        width_ = p->width_;
    }

private:
    std::string name_;
    int width_ = 1;
};

// Records what happens to it in a log owned by the test.
class TWidget : public TComponent {
    VFC_CLASS(TWidget, TComponent)
    explicit TWidget(TComponent* owner) : TComponent(owner) {}
    ~TWidget() override {
        if (log)
            log->push_back("destroy " + Name() + (HasState(csDestroying) ? " destroying" : ""));
    }

    int Size() const { return size_; }
    void SetSize(int v) { size_ = v; }
    bool Active() const { return active_; }
    void SetActive(bool v) { active_ = v; }
    std::string Text() const { return text_; }
    void SetText(const std::string& t) { text_ = t; }
    TShape Shape() const { return shape_; }
    void SetShape(TShape s) { shape_ = s; }
    TSet<TEdge> Edges() const { return edges_; }
    void SetEdges(TSet<TEdge> e) { edges_ = e; }
    TPen2* Pen() const { return const_cast<TPen2*>(&pen_); }
    void SetPen(TPen2* p) { pen_.Assign(p); }
    TWidget* Buddy() const { return buddy_; }
    void SetBuddy(TWidget* b) {
        if (buddy_)
            buddy_->RemoveFreeNotification(this);
        buddy_ = b;
        if (b)
            b->FreeNotification(this);
    }
    int ReadOnlyValue() const { return 7; }

    TNotifyEvent OnPing;
    TEvent<void(TObject*, int)> OnCount;
    std::vector<std::string>* log = nullptr;
    bool loadingSeenBySetParent = false;

    void Ping(TObject* sender) {
        if (log)
            log->push_back("ping " + Name() + " from " + static_cast<TComponent*>(sender)->Name());
    }
    void Count(TObject*, int n) {
        if (log)
            log->push_back("count " + std::to_string(n));
    }

    void SetParentComponent(TComponent* parent) override {
        loadingSeenBySetParent = HasState(csLoading);
        parentComponent = parent;
    }
    TComponent* parentComponent = nullptr;

protected:
    void Notification(TComponent* component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (log)
            log->push_back(Name() + (operation == opInsert ? " sees insert of " : " sees removal of ") +
                           component->Name());
        if (operation == opRemove && component == buddy_)
            buddy_ = nullptr;
    }
    void Loaded() override {
        TComponent::Loaded();
        if (log)
            log->push_back("loaded " + Name());
    }

private:
    int size_ = 0;
    bool active_ = false;
    std::string text_;
    TShape shape_ = shCircle;
    TSet<TEdge> edges_;
    TPen2 pen_;
    TWidget* buddy_ = nullptr;
};

// A descendant that redeclares Size with a default and adds a property.
class TBigWidget : public TWidget {
    VFC_CLASS(TBigWidget, TWidget)
    explicit TBigWidget(TComponent* owner) : TWidget(owner) {}
    int Extra() const { return extra_; }
    void SetExtra(int v) { extra_ = v; }

private:
    int extra_ = 0;
};
