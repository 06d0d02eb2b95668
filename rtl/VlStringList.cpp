// TStringList.
#include "VlStringList.h"

#include "VlExceptions.h"

#include <algorithm>
#include <numeric>

VL_IMPLEMENT_CLASS(TStringList, TStrings, "Classes")

TStringList::~TStringList()
{
    OnChange = nullptr;
    OnChanging = nullptr;
    if (FOwnsObjects)
        for (TItem &item : FItems)
            delete item.Object;
}

void TStringList::CheckIndex(int index) const
{
    if (index < 0 || index >= Count())
        IndexError(index);
}

void TStringList::Changed()
{
    if (UpdateCount() == 0 && OnChange)
        OnChange(this);
}

void TStringList::Changing()
{
    if (UpdateCount() == 0 && OnChanging)
        OnChanging(this);
}

void TStringList::SetUpdateState(bool updating)
{
    if (updating) {
        if (OnChanging)
            OnChanging(this);
    } else if (OnChange) {
        OnChange(this);
    }
}

void TStringList::SetCapacity(int capacity)
{
    if (capacity < Count())
        Error(VlSprintf("List capacity out of bounds (%d)", capacity));
    FItems.reserve(static_cast<size_t>(capacity));
}

std::string TStringList::Get(int index) const
{
    CheckIndex(index);
    return FItems[static_cast<size_t>(index)].Text;
}

void TStringList::Put(int index, const std::string &value)
{
    if (FSorted)
        Error("Operation not allowed on sorted list");
    CheckIndex(index);
    Changing();
    FItems[static_cast<size_t>(index)].Text = value;
    Changed();
}

TObject *TStringList::GetObject(int index) const
{
    CheckIndex(index);
    return FItems[static_cast<size_t>(index)].Object;
}

void TStringList::PutObject(int index, TObject *object)
{
    CheckIndex(index);
    Changing();
    FItems[static_cast<size_t>(index)].Object = object;
    Changed();
}

void TStringList::Insert(int index, const std::string &value)
{
    if (FSorted)
        Error("Operation not allowed on sorted list");
    if (index < 0 || index > Count())
        IndexError(index);
    InsertItem(index, value, nullptr);
}

void TStringList::InsertItem(int index, const std::string &value, TObject *object)
{
    Changing();
    FItems.insert(FItems.begin() + index, TItem{value, object});
    Changed();
}

void TStringList::Delete(int index)
{
    CheckIndex(index);
    Changing();
    TObject *object = FItems[static_cast<size_t>(index)].Object;
    FItems.erase(FItems.begin() + index);
    if (FOwnsObjects)
        delete object;
    Changed();
}

void TStringList::Clear()
{
    if (FItems.empty())
        return;
    Changing();
    std::vector<TItem> items;
    items.swap(FItems);
    if (FOwnsObjects)
        for (TItem &item : items)
            delete item.Object;
    Changed();
}

int TStringList::Add(const std::string &value)
{
    if (!FSorted) {
        const int index = Count();
        InsertItem(index, value, nullptr);
        return index;
    }
    int index = 0;
    if (Find(value, index)) {
        switch (FDuplicates) {
        case TDuplicates::dupIgnore:
            return index;
        case TDuplicates::dupError:
            Error("String list does not allow duplicates");
        case TDuplicates::dupAccept:
            break;
        }
    }
    InsertItem(index, value, nullptr);
    return index;
}

void TStringList::Exchange(int index1, int index2)
{
    CheckIndex(index1);
    CheckIndex(index2);
    Changing();
    std::swap(FItems[static_cast<size_t>(index1)], FItems[static_cast<size_t>(index2)]);
    Changed();
}

int TStringList::CompareStrings(const std::string &a, const std::string &b) const
{
    if (FCaseSensitive)
        return a.compare(b);
    return VlCompareText(a, b);
}

int TStringList::IndexOf(const std::string &value) const
{
    if (!FSorted)
        return TStrings::IndexOf(value);
    int index = 0;
    return Find(value, index) ? index : -1;
}

bool TStringList::Find(const std::string &value, int &index) const
{
    // With duplicates the first equal entry is reported, so Add keeps equal items together.
    int low = 0, high = Count() - 1;
    bool found = false;
    while (low <= high) {
        const int middle = (low + high) / 2;
        const int comparison = CompareStrings(FItems[static_cast<size_t>(middle)].Text, value);
        if (comparison < 0) {
            low = middle + 1;
        } else {
            high = middle - 1;
            if (comparison == 0) {
                found = true;
                if (FDuplicates != TDuplicates::dupAccept)
                    low = middle;
            }
        }
    }
    index = low;
    return found;
}

void TStringList::Sort()
{
    CustomSort([](TStringList &list, int a, int b) { return list.CompareStrings(list.FItems[static_cast<size_t>(a)].Text, list.FItems[static_cast<size_t>(b)].Text); });
}

void TStringList::CustomSort(const TCompare &compare)
{
    if (Count() < 2)
        return;
    Changing();
    // The comparison sees indexes into the unsorted list; sort a permutation, then apply it.
    std::vector<int> order(FItems.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(*this, a, b) < 0; });
    std::vector<TItem> sorted;
    sorted.reserve(FItems.size());
    for (int index : order)
        sorted.push_back(std::move(FItems[static_cast<size_t>(index)]));
    FItems.swap(sorted);
    Changed();
}

void TStringList::SetSorted(bool value)
{
    if (FSorted == value)
        return;
    if (value)
        Sort();
    FSorted = value;
}

void TStringList::SetCaseSensitive(bool value)
{
    if (FCaseSensitive == value)
        return;
    FCaseSensitive = value;
    if (FSorted)
        Sort();
}
