#include "framework/Collections.h"

#include <algorithm>

VFC_DESCRIBE(TCollectionItem) {
    (void)b;
}

TCollectionItem::TCollectionItem(TCollection* collection) : collection_(collection) {
    if (collection_)
        collection_->items_.push_back(this);
}

TCollectionItem::~TCollectionItem() {
    if (!collection_)
        return;
    auto& items = collection_->items_;
    items.erase(std::remove(items.begin(), items.end(), this), items.end());
    collection_->Changed(nullptr);
}

int TCollectionItem::Index() const {
    if (!collection_)
        return -1;
    const auto& items = collection_->items_;
    return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::Changed() {
    if (collection_)
        collection_->Changed(this);
}

VFC_DESCRIBE(TCollection) {
    (void)b;
}

TCollection::TCollection(TPersistent* owner, TCollectionItem* (*makeItem)(TCollection*))
    : owner_(owner), makeItem_(makeItem) {}

TCollection::~TCollection() {
    ++updateCount_; // nothing is reported while the collection goes
    for (TCollectionItem* item : items_) {
        item->collection_ = nullptr;
        delete item;
    }
}

TCollectionItem* TCollection::AddItem() {
    TCollectionItem* item = makeItem_(this);
    Changed(nullptr);
    return item;
}

void TCollection::Delete(int index) {
    delete Item(index);
}

void TCollection::Clear() {
    if (items_.empty())
        return;
    BeginUpdate();
    while (!items_.empty())
        delete items_.back();
    EndUpdate();
}

void TCollection::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0)
        Update(nullptr);
}

void TCollection::Assign(const TPersistent* source) {
    auto* other = As<TCollection>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this)
        return;
    BeginUpdate();
    try {
        Clear();
        for (TCollectionItem* from : other->items_)
            AddItem()->Assign(from);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Changed(TCollectionItem* item) {
    if (updateCount_ == 0)
        Update(item);
}
