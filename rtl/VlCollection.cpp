// TCollection and TCollectionItem.
#include "VlCollection.h"

#include "VlExceptions.h"

#include <algorithm>
#include <iterator>

VL_IMPLEMENT_CLASS(TCollectionItem, TPersistent, "Classes")
VL_IMPLEMENT_CLASS(TCollection, TPersistent, "Classes")

TCollectionItem::TCollectionItem(TCollection *collection)
{
    SetCollection(collection);
}

TCollectionItem::~TCollectionItem()
{
    SetCollection(nullptr);
}

void TCollectionItem::SetCollection(TCollection *collection)
{
    if (FCollection == collection)
        return;
    if (FCollection)
        FCollection->RemoveItem(this);
    if (collection)
        collection->InsertItem(this);
}

int TCollectionItem::Index() const
{
    if (!FCollection)
        return -1;
    auto &items = FCollection->FItems;
    return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int index)
{
    const int current = Index();
    if (current < 0 || current == index || index < 0)
        return;
    auto &items = FCollection->FItems;
    index = std::min(index, static_cast<int>(items.size()) - 1);
    items.erase(items.begin() + current);
    items.insert(items.begin() + index, this);
    Changed(true);
}

std::string TCollectionItem::GetNamePath() const
{
    if (!FCollection)
        return ClassName();
    return FCollection->GetNamePath() + "[" + std::to_string(Index()) + "]";
}

TPersistent *TCollectionItem::GetOwner() const
{
    return FCollection;
}

void TCollectionItem::Changed(bool allItems)
{
    if (FCollection && FCollection->FUpdateCount == 0)
        FCollection->Update(allItems ? nullptr : this);
}

TCollection::TCollection(const TClassInfo &itemClass, TPersistent *owner)
    : FItemClass(&itemClass), FOwner(owner)
{
    if (!itemClass.InheritsFrom(&TCollectionItem::StaticClassInfo()))
        throw EInvalidOperation(VlSprintf("%s is not a collection item class", itemClass.ClassName().c_str()));
}

TCollection::~TCollection()
{
    FUpdateCount = 1; // no change notifications while tearing down
    Clear();
}

TCollectionItem *TCollection::Items(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(VlSprintf("List index out of bounds (%d)", index));
    return FItems[static_cast<size_t>(index)];
}

TCollectionItem *TCollection::Add()
{
    TObject *object = FItemClass->CreateInstance(nullptr);
    auto *item = static_cast<TCollectionItem *>(object);
    item->SetCollection(this);
    return item;
}

TCollectionItem *TCollection::Insert(int index)
{
    TCollectionItem *item = Add();
    item->SetIndex(index);
    return item;
}

void TCollection::Delete(int index)
{
    delete Items(index);
}

void TCollection::Clear()
{
    if (FItems.empty())
        return;
    BeginUpdate();
    while (!FItems.empty())
        delete FItems.back();
    EndUpdate();
}

TCollectionItem *TCollection::FindItemID(int id) const
{
    for (TCollectionItem *item : FItems)
        if (item->FID == id)
            return item;
    return nullptr;
}

void TCollection::Assign(const TPersistent *source)
{
    const auto *other = dynamic_cast<const TCollection *>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this)
        return;
    BeginUpdate();
    try {
        Clear();
        for (const TCollectionItem *item : other->FItems)
            Add()->Assign(item);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TCollection::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0)
        Changed();
}

std::string TCollection::GetNamePath() const
{
    if (!FOwner || FPropName.empty())
        return ClassName();
    const std::string ownerPath = FOwner->GetNamePath();
    return ownerPath.empty() ? FPropName : ownerPath + "." + FPropName;
}

void TCollection::Update(TCollectionItem *)
{
}

void TCollection::InsertItem(TCollectionItem *item)
{
    FItems.push_back(item);
    item->FCollection = this;
    item->FID = FNextID++;
    Changed();
}

void TCollection::RemoveItem(TCollectionItem *item)
{
    // Searched from the end: Clear removes the last item each time, which keeps it linear.
    const auto found = std::find(FItems.rbegin(), FItems.rend(), item);
    if (found != FItems.rend())
        FItems.erase(std::next(found).base());
    item->FCollection = nullptr;
    Changed();
}

void TCollection::Changed()
{
    if (FUpdateCount == 0)
        Update(nullptr);
}
