// Registry of integer constant names per property type.
#include "VlIntegerConsts.h"

#include "VlNameCompare.h"

#include <unordered_map>

namespace {

using TIdentMaps = std::unordered_map<std::string, std::vector<TIdentMapEntry>, TNameHash, TNameEqual>;

TIdentMaps &Maps()
{
    static TIdentMaps maps;
    return maps;
}

} // namespace

void RegisterIntegerConsts(std::string_view typeName, const std::vector<TIdentMapEntry> &map)
{
    auto &entries = Maps()[std::string(typeName)];
    entries.insert(entries.end(), map.begin(), map.end());
}

bool IdentToInt(std::string_view typeName, std::string_view ident, int64_t &value)
{
    auto found = Maps().find(typeName);
    if (found == Maps().end())
        return false;
    for (const TIdentMapEntry &entry : found->second)
        if (VlSameName(entry.first, ident)) {
            value = entry.second;
            return true;
        }
    return false;
}

bool IntToIdent(std::string_view typeName, int64_t value, std::string &ident)
{
    auto found = Maps().find(typeName);
    if (found == Maps().end())
        return false;
    for (const TIdentMapEntry &entry : found->second)
        if (entry.second == value) {
            ident = entry.first;
            return true;
        }
    return false;
}
