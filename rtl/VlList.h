// TList: an ordered list of untyped pointers with Pascal's index checks.
#pragma once

#include "VlObject.h"

#include <functional>
#include <vector>

class TList : public TObject {
    VL_CLASS(TList)

    TList() = default;
    int Count() const { return static_cast<int>(FItems.size()); }
    // Raises EListError "List index out of bounds (%d)" for indexes outside 0..Count-1.
    void *Items(int index) const;
    void SetItems(int index, void *item);
    int Add(void *item);
    void Insert(int index, void *item);
    void Delete(int index);
    // Removes the first occurrence; its former index, or -1.
    int Remove(void *item);
    void *Extract(void *item);
    int IndexOf(const void *item) const;
    void Clear() { FItems.clear(); }
    void Exchange(int index1, int index2);
    void Move(int currentIndex, int newIndex);
    // Raises EListError "List is empty" when there are no items.
    void *First() const;
    void *Last() const;
    // Removes the nil items.
    void Pack();
    // compare(a, b) < 0 when a comes first.
    void Sort(const std::function<int(void *, void *)> &compare);
    int Capacity() const { return static_cast<int>(FItems.capacity()); }
    // Raises EListError "List capacity out of bounds (%d)" when below Count.
    void SetCapacity(int capacity);

private:
    void CheckIndex(int index) const;
    std::vector<void *> FItems;
};
