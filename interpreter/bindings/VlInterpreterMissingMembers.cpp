// The missing members answer with the name of the class that lists them, found from the target's
// class upwards, so that a descendant's object names the member as its base class declares it.
// Only the tables are remembered at registration (start-up stays quick); the error path searches them.
#include "VlInterpreterMissingMembers.h"

#include "VlInterpreterBindingTable.h"

#include "rtl/VlClassInfo.h"
#include "rtl/VlNameCompare.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<std::span<const TVlMissingMembers>> &Tables()
{
    static std::vector<std::span<const TVlMissingMembers>> tables;
    return tables;
}

// The spelling the table gives the name; null when it does not list it.
const char *Listed(std::span<const char *const> names, const std::string &name)
{
    const auto found = std::find_if(names.begin(), names.end(), [&](const char *n) { return VlSameName(n, name); });
    return found == names.end() ? nullptr : *found;
}

std::string FeatureOf(const TVlInterpreterArgs &args, bool setter)
{
    for (const TClassInfo *cls = VlSelfClass(args); cls; cls = cls->ClassParent())
        for (std::span<const TVlMissingMembers> table : Tables())
            for (const TVlMissingMembers &c : table)
                if (&c.Info() == cls)
                    if (const char *name = Listed(setter ? c.Setters : c.Getters, args.Identifier))
                        return cls->ClassName() + "." + name;
    return args.Identifier;
}

void MissingGet(TVlValue &, TVlInterpreterArgs &args) { VlNotImplemented(FeatureOf(args, false)); }
void MissingSet(const TVlValue &, TVlInterpreterArgs &args) { VlNotImplemented(FeatureOf(args, true)); }

} // namespace

void VlRegisterMissingMembers(TVlInterpreterAdapter &adapter, const char *unitName,
                              std::span<const TVlMissingMembers> classes)
{
    std::vector<std::span<const TVlMissingMembers>> &tables = Tables();
    if (std::none_of(tables.begin(), tables.end(), [&](auto t) { return t.data() == classes.data(); }))
        tables.push_back(classes);
    for (const TVlMissingMembers &c : classes) {
        const TClassInfo &info = c.Info();
        for (const char *name : c.Getters) {
            const TVlMemberBinding member = VlGet(name, MissingGet, "*");
            VlRegisterMembers(adapter, unitName, info, {&member, 1});
        }
        for (const char *name : c.Setters) {
            const TVlMemberBinding member = VlSet(name, MissingSet);
            VlRegisterMembers(adapter, unitName, info, {&member, 1});
        }
    }
}
