// Field and index definitions.
#include "VlDbDefs.h"

#include "VlDbField.h"

#include "rtl/VlExceptions.h"
#include "rtl/VlNameCompare.h"

VL_IMPLEMENT_CLASS(TFieldDef, TObject, "Db")
VL_IMPLEMENT_CLASS(TFieldDefs, TObject, "Db")
VL_IMPLEMENT_CLASS(TIndexDef, TObject, "Db")
VL_IMPLEMENT_CLASS(TIndexDefs, TObject, "Db")

const TEnumInfo &IndexOptionEnumInfo()
{
    static const TEnumInfo info("TIndexOption", {"ixPrimary", "ixUnique", "ixDescending", "ixCaseInsensitive",
                                                 "ixExpression"});
    return info;
}

const TEnumInfo &FieldAttributeEnumInfo()
{
    static const TEnumInfo info("TFieldAttribute", {"faHiddenCol", "faReadonly", "faRequired", "faLink", "faUnNamed",
                                                    "faFixed"});
    return info;
}

namespace {

[[noreturn]] void RaiseIndex(int index)
{
    throw EListError(VlSprintf("List index out of bounds (%d)", index));
}

} // namespace

TFieldDef *TFieldDefs::Items(int index) const
{
    if (index < 0 || index >= Count())
        RaiseIndex(index);
    return FItems[size_t(index)].get();
}

TFieldDef *TFieldDefs::Add(const std::string &name, TFieldType type, int size, bool required)
{
    auto def = std::make_unique<TFieldDef>();
    def->Name = name;
    def->DataType = type;
    def->Size = size;
    def->Required = required;
    def->FieldNo = Count() + 1;
    FItems.push_back(std::move(def));
    return FItems.back().get();
}

int TFieldDefs::IndexOf(const std::string &name) const
{
    for (int i = 0; i < Count(); ++i)
        if (VlSameName(FItems[size_t(i)]->Name, name))
            return i;
    return -1;
}

TFieldDef *TFieldDefs::Find(const std::string &name) const
{
    const int i = IndexOf(name);
    return i < 0 ? nullptr : FItems[size_t(i)].get();
}

TIndexDef *TIndexDefs::Items(int index) const
{
    if (index < 0 || index >= Count())
        RaiseIndex(index);
    return FItems[size_t(index)].get();
}

TIndexDef *TIndexDefs::Add(const std::string &name, const std::string &fields, TIndexOptions options)
{
    auto def = std::make_unique<TIndexDef>();
    def->Name = name;
    def->Fields = fields;
    def->Options = options;
    FItems.push_back(std::move(def));
    return FItems.back().get();
}

int TIndexDefs::IndexOf(const std::string &name) const
{
    for (int i = 0; i < Count(); ++i)
        if (VlSameName(FItems[size_t(i)]->Name, name))
            return i;
    return -1;
}

TIndexDef *TIndexDefs::Find(const std::string &name) const
{
    const int i = IndexOf(name);
    if (i < 0)
        DatabaseError("Index '" + name + "' not found");
    return FItems[size_t(i)].get();
}

TIndexDef *TIndexDefs::GetIndexForFields(const std::string &fields, bool caseInsensitive) const
{
    const std::vector<std::string> wanted = SplitFieldNames(fields);
    for (const auto &index : FItems) {
        if (caseInsensitive && !(index->Options & (1u << ixCaseInsensitive)))
            continue;
        const std::vector<std::string> has = SplitFieldNames(index->Fields);
        if (wanted.size() <= has.size()
            && std::equal(wanted.begin(), wanted.end(), has.begin(), [](const std::string &a, const std::string &b) {
                   return VlSameName(a, b);
               }))
            return index.get();
    }
    return nullptr;
}

TIndexDef *TIndexDefs::FindIndexForFields(const std::string &fields) const
{
    TIndexDef *index = GetIndexForFields(fields, false);
    if (!index)
        DatabaseError("No index for fields '" + fields + "'");
    return index;
}

std::vector<std::string> SplitFieldNames(const std::string &names)
{
    std::vector<std::string> result;
    size_t start = 0;
    while (start <= names.size()) {
        size_t end = names.find(';', start);
        if (end == std::string::npos)
            end = names.size();
        std::string name = names.substr(start, end - start);
        const size_t first = name.find_first_not_of(" \t");
        const size_t last = name.find_last_not_of(" \t");
        if (first != std::string::npos)
            result.push_back(name.substr(first, last - first + 1));
        start = end + 1;
    }
    return result;
}
