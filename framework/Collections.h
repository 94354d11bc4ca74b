// Collections: ordered lists of persistent items owned by a component (or another persistent
// object), stored with their owner's layout as `Name = < item ... end ... >`. A collection knows
// one item class and makes its items itself; any change of an item or of the list reaches the
// collection's Update.
#pragma once

#include "framework/Classes.h"

#include <vector>

class TCollection;

class TCollectionItem : public TPersistent {
    VFC_CLASS(TCollectionItem, TPersistent)
    // Joins the collection at its end.
    explicit TCollectionItem(TCollection* collection);
    // Leaves the collection.
    ~TCollectionItem() override;
    TCollectionItem(const TCollectionItem&) = delete;
    TCollectionItem& operator=(const TCollectionItem&) = delete;

    TCollection* Collection() const { return collection_; }
    int Index() const;

protected:
    // Tells the collection that this item changed.
    void Changed();

private:
    friend class TCollection;
    TCollection* collection_;
};

class TCollection : public TPersistent {
    VFC_CLASS(TCollection, TPersistent)
    ~TCollection() override;
    TCollection(const TCollection&) = delete;
    TCollection& operator=(const TCollection&) = delete;

    // The object the collection belongs to (for naming and storing).
    TPersistent* Owner() const { return owner_; }
    int Count() const { return static_cast<int>(items_.size()); }
    TCollectionItem* Item(int index) const { return items_.at(static_cast<size_t>(index)); }
    // Appends a new item of the collection's item class.
    TCollectionItem* AddItem();
    void Delete(int index);
    void Clear();

    // Updates are reported once, when the outermost EndUpdate comes.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();

    // From another collection: empties this one, then adds one item per source item and
    // assigns it from that item, in order. Assigning a collection to itself changes nothing.
    void Assign(const TPersistent* source) override;

protected:
    TCollection(TPersistent* owner, TCollectionItem* (*makeItem)(TCollection*));
    // After an item changed (item) or items came or went (nullptr).
    virtual void Update(TCollectionItem* item);

private:
    friend class TCollectionItem;
    void Changed(TCollectionItem* item);

    TPersistent* owner_;
    TCollectionItem* (*makeItem_)(TCollection*);
    std::vector<TCollectionItem*> items_;
    int updateCount_ = 0;
};

// The item factory of a collection of Item.
template <class Item> TCollectionItem* MakeCollectionItem(TCollection* collection) {
    return new Item(collection);
}
