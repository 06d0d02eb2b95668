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
    // Total digits of a BCD column (0: the engine's choice); Size holds the decimals then.
    int Precision = 0;
    // TFieldAttributes bits other than faRequired, which is Required.
    uint32_t Attributes = 0;
};

// Bits of TFieldAttributes.
enum TFieldAttribute { faHiddenCol, faReadonly, faRequired, faLink, faUnNamed, faFixed };
const TEnumInfo &FieldAttributeEnumInfo();

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
    // EDatabaseError "Index '%s' not found".
    TIndexDef *Find(const std::string &name) const;
    // The first index whose leading fields are these (';' between names): null when none, or
    // EDatabaseError "No index for fields '%s'" (FindIndexForFields).
    TIndexDef *GetIndexForFields(const std::string &fields, bool caseInsensitive) const;
    TIndexDef *FindIndexForFields(const std::string &fields) const;
    // Raises EListError for an index out of range.
    void Delete(int index)
    {
        Items(index);
        FItems.erase(FItems.begin() + index);
    }
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TIndexDef>> FItems;
};

// "A;B" -> {"A", "B"}, blanks around the names dropped.
std::vector<std::string> SplitFieldNames(const std::string &names);
