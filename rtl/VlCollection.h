// TCollection and TCollectionItem: owned lists of uniform items (status bar panels, list columns).
#pragma once

#include "VlPersistent.h"

#include <string>
#include <vector>

class TCollection;

class TCollectionItem : public TPersistent {
    VL_CLASS(TCollectionItem)

    explicit TCollectionItem(TCollection *collection = nullptr);
    // Leaves its collection.
    ~TCollectionItem() override;

    TCollection *Collection() const { return FCollection; }
    // Moves the item into another collection (or out of any, with null).
    void SetCollection(TCollection *collection);
    int Index() const;
    void SetIndex(int index);
    // A number unique within the collection, never reused.
    int ID() const { return FID; }
    virtual std::string GetDisplayName() const { return ClassName(); }
    std::string GetNamePath() const override;
    TPersistent *GetOwner() const override;

protected:
    // Tells the collection that this item (or, with allItems, every item) changed.
    void Changed(bool allItems);

private:
    friend class TCollection;
    TCollection *FCollection = nullptr;
    int FID = 0;
};

class TCollection : public TPersistent {
    VL_CLASS(TCollection)

    // itemClass must derive from TCollectionItem and have a factory; owner names the collection.
    explicit TCollection(const TClassInfo &itemClass, TPersistent *owner = nullptr);
    ~TCollection() override;

    const TClassInfo &ItemClass() const { return *FItemClass; }
    int Count() const { return static_cast<int>(FItems.size()); }
    // Raises EListError "List index out of bounds (%d)".
    TCollectionItem *Items(int index) const;
    TCollectionItem *Add();
    TCollectionItem *Insert(int index);
    void Delete(int index);
    void Clear();
    TCollectionItem *FindItemID(int id) const;
    // Copies the items of another collection by assigning item to item.
    void Assign(const TPersistent *source) override;

    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    TPersistent *GetOwner() const override { return FOwner; }
    // The owner's path and the property that holds the collection ("Form1.StatusBar1.Panels").
    std::string GetNamePath() const override;
    void SetPropName(const std::string &propName) { FPropName = propName; }

protected:
    // Called after changes (item null: many items); suppressed between BeginUpdate and EndUpdate.
    virtual void Update(TCollectionItem *item);

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem *item);
    void RemoveItem(TCollectionItem *item);
    void Changed();

    const TClassInfo *FItemClass;
    TPersistent *FOwner;
    std::string FPropName;
    std::vector<TCollectionItem *> FItems;
    int FNextID = 0;
    int FUpdateCount = 0;
};
