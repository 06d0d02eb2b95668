// The missing members answer with the name of the class that lists them, found from the target's
// class upwards, so that a descendant's object names the member as its base class declares it.
#include "VlInterpreterMissingMembers.h"

#include "VlInterpreterBindingTable.h"

#include "rtl/VlClassInfo.h"
#include "rtl/VlNameCompare.h"

#include <map>
#include <string>
#include <utility>

namespace {

std::map<std::pair<const TClassInfo *, std::string>, std::string> &Features()
{
    static std::map<std::pair<const TClassInfo *, std::string>, std::string> features;
    return features;
}

std::string FeatureOf(const TVlInterpreterArgs &args)
{
    const std::string name = VlLowerName(args.Identifier);
    for (const TClassInfo *cls = VlSelfClass(args); cls; cls = cls->ClassParent()) {
        const auto found = Features().find({cls, name});
        if (found != Features().end())
            return found->second;
    }
    return args.Identifier;
}

void MissingGet(TVlValue &, TVlInterpreterArgs &args) { VlNotImplemented(FeatureOf(args)); }
void MissingSet(const TVlValue &, TVlInterpreterArgs &args) { VlNotImplemented(FeatureOf(args)); }

} // namespace

void VlRegisterMissingMembers(TVlInterpreterAdapter &adapter, const char *unitName,
                              std::span<const TVlMissingMembers> classes)
{
    for (const TVlMissingMembers &c : classes) {
        const TClassInfo &info = c.Info();
        std::vector<TVlMemberBinding> members;
        for (const char *name : c.Getters)
            members.push_back(VlGet(name, MissingGet, "*"));
        for (const char *name : c.Setters)
            members.push_back(VlSet(name, MissingSet));
        for (const TVlMemberBinding &m : members)
            Features()[{&info, VlLowerName(m.Name)}] = info.ClassName() + "." + m.Name;
        VlRegisterMembers(adapter, unitName, info, members);
    }
}
