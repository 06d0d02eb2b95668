// TStringList: the string list with storage, sorting, duplicate rules and change events.
#pragma once

#include "VlStrings.h"

#include <functional>
#include <vector>

enum class TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
    VL_CLASS(TStringList)

    using TNotify = std::function<void(TObject *sender)>;
    // compare(list, index1, index2) < 0 when the first comes first.
    using TCompare = std::function<int(TStringList &list, int index1, int index2)>;

    TStringList() = default;
    // Frees the objects when OwnsObjects is set.
    ~TStringList() override;

    int Count() const override { return static_cast<int>(FItems.size()); }
    std::string Get(int index) const override;
    void Put(int index, const std::string &value) override;
    TObject *GetObject(int index) const override;
    void PutObject(int index, TObject *object) override;
    // On a sorted list raises EStringListError "Operation not allowed on sorted list".
    void Insert(int index, const std::string &value) override;
    void Delete(int index) override;
    void Clear() override;
    // Sorted lists insert in order; duplicates follow Duplicates ("String list does not allow
    // duplicates" for dupError, the existing index for dupIgnore).
    int Add(const std::string &value) override;
    void Exchange(int index1, int index2) override;
    int IndexOf(const std::string &value) const override;
    int Capacity() const override { return static_cast<int>(FItems.capacity()); }
    // Raises EStringListError "List capacity out of bounds (%d)" below Count.
    void SetCapacity(int capacity) override;

    // Binary search of a sorted list: true and the index when found, else the insert position.
    bool Find(const std::string &value, int &index) const;
    virtual void Sort();
    void CustomSort(const TCompare &compare);
    bool Sorted() const { return FSorted; }
    void SetSorted(bool value);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates value) { FDuplicates = value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool value);
    bool OwnsObjects() const { return FOwnsObjects; }
    void SetOwnsObjects(bool value) { FOwnsObjects = value; }

    // Raised around every change, and once around a BeginUpdate/EndUpdate batch.
    TNotify OnChange;
    TNotify OnChanging;

protected:
    void SetUpdateState(bool updating) override;
    int CompareStrings(const std::string &a, const std::string &b) const override;
    void Changed();
    void Changing();

private:
    struct TItem {
        std::string Text;
        TObject *Object = nullptr;
    };
    void CheckIndex(int index) const;
    void InsertItem(int index, const std::string &value, TObject *object);

    std::vector<TItem> FItems;
    bool FSorted = false;
    bool FCaseSensitive = false;
    bool FOwnsObjects = false;
    TDuplicates FDuplicates = TDuplicates::dupIgnore;
};
