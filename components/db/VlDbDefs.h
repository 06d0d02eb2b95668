// TFieldDefs and TIndexDefs: what a data set knows of its columns and indexes, read from the
// engine when it opens, or filled by a script before TTable.CreateTable.
#pragma once

#include "VlDbTypes.h"

#include "rtl/VlObject.h"

#include <memory>
#include <string>
#include <vector>

class TFieldDef : public TObject {
    VL_CLASS(TFieldDef)
    std::string Name;
    TFieldType DataType = ftUnknown;
    int Size = 0;
    bool Required = false;
    int FieldNo = 0;
};

class TFieldDefs : public TObject {
    VL_CLASS(TFieldDefs)
    int Count() const { return static_cast<int>(FItems.size()); }
    // Raises EListError "List index out of bounds (%d)".
    TFieldDef *Items(int index) const;
    TFieldDef *Add(const std::string &name, TFieldType type, int size = 0, bool required = false);
    // Letter case ignored; -1 / null when absent.
    int IndexOf(const std::string &name) const;
    TFieldDef *Find(const std::string &name) const;
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TFieldDef>> FItems;
};

// Bits of TIndexOptions.
enum TIndexOption { ixPrimary, ixUnique, ixDescending, ixCaseInsensitive, ixExpression };
using TIndexOptions = uint32_t;
const TEnumInfo &IndexOptionEnumInfo();

class TIndexDef : public TObject {
    VL_CLASS(TIndexDef)
    std::string Name;
    std::string Fields;  // field names separated by ';'
    TIndexOptions Options = 0;
};

class TIndexDefs : public TObject {
    VL_CLASS(TIndexDefs)
    int Count() const { return static_cast<int>(FItems.size()); }
    TIndexDef *Items(int index) const;
    TIndexDef *Add(const std::string &name, const std::string &fields, TIndexOptions options);
    int IndexOf(const std::string &name) const;
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TIndexDef>> FItems;
};

// "A;B" -> {"A", "B"}, blanks around the names dropped.
std::vector<std::string> SplitFieldNames(const std::string &names);
