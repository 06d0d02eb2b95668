// TList.
#include "VlList.h"

#include "VlExceptions.h"

#include <algorithm>

VL_IMPLEMENT_CLASS(TList, TObject, "Classes")

void TList::CheckIndex(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(VlSprintf("List index out of bounds (%d)", index));
}

void *TList::Items(int index) const
{
    CheckIndex(index);
    return FItems[static_cast<size_t>(index)];
}

void TList::SetItems(int index, void *item)
{
    CheckIndex(index);
    FItems[static_cast<size_t>(index)] = item;
}

int TList::Add(void *item)
{
    FItems.push_back(item);
    return Count() - 1;
}

void TList::Insert(int index, void *item)
{
    if (index < 0 || index > Count())
        throw EListError(VlSprintf("List index out of bounds (%d)", index));
    FItems.insert(FItems.begin() + index, item);
}

void TList::Delete(int index)
{
    CheckIndex(index);
    FItems.erase(FItems.begin() + index);
}

int TList::Remove(void *item)
{
    const int index = IndexOf(item);
    if (index >= 0)
        Delete(index);
    return index;
}

void *TList::Extract(void *item)
{
    return Remove(item) >= 0 ? item : nullptr;
}

int TList::IndexOf(const void *item) const
{
    auto found = std::find(FItems.begin(), FItems.end(), item);
    return found == FItems.end() ? -1 : static_cast<int>(found - FItems.begin());
}

void TList::Exchange(int index1, int index2)
{
    CheckIndex(index1);
    CheckIndex(index2);
    std::swap(FItems[static_cast<size_t>(index1)], FItems[static_cast<size_t>(index2)]);
}

void TList::Move(int currentIndex, int newIndex)
{
    if (currentIndex == newIndex)
        return;
    CheckIndex(currentIndex);
    CheckIndex(newIndex);
    void *item = FItems[static_cast<size_t>(currentIndex)];
    FItems.erase(FItems.begin() + currentIndex);
    FItems.insert(FItems.begin() + newIndex, item);
}

void *TList::First() const
{
    if (FItems.empty())
        throw EListError("List is empty");
    return FItems.front();
}

void *TList::Last() const
{
    if (FItems.empty())
        throw EListError("List is empty");
    return FItems.back();
}

void TList::Pack()
{
    FItems.erase(std::remove(FItems.begin(), FItems.end(), nullptr), FItems.end());
}

void TList::Sort(const std::function<int(void *, void *)> &compare)
{
    std::stable_sort(FItems.begin(), FItems.end(), [&](void *a, void *b) { return compare(a, b) < 0; });
}

void TList::SetCapacity(int capacity)
{
    if (capacity < Count())
        throw EListError(VlSprintf("List capacity out of bounds (%d)", capacity));
    FItems.reserve(static_cast<size_t>(capacity));
}
