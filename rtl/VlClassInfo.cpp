// Class metadata construction and property lookup.
#include "VlClassInfo.h"

#include "VlExceptions.h"

TClassInfo::TClassInfo(std::string_view className, const TClassInfo *parent, std::string_view unitName,
                       TObjectFactory factory, std::vector<TPropInfo> properties)
    : FClassName(className), FParent(parent), FUnitName(unitName), FFactory(factory),
      FOwnProperties(std::move(properties))
{
    if (parent)
        FAncestors = parent->FAncestors;
    FAncestors.push_back(this);
    FDepth = FAncestors.size() - 1;
}

TClassInfo::TClassInfo(std::string_view className, const TClassInfo *parent, std::string_view unitName,
                       TObjectFactory factory, TPropTable properties)
    : TClassInfo(className, parent, unitName, factory, std::vector<TPropInfo>())
{
    FBuild = properties.Build;
}

void TClassInfo::BuildLookup() const
{
    if (FBuild)
        FOwnProperties = FBuild();
    if (FParent) {
        FProperties = FParent->Properties();
        FLookup = FParent->FLookup;
    }
    for (const TPropInfo &prop : FOwnProperties) {
        auto found = FLookup.find(std::string_view(prop.Name));
        if (found != FLookup.end()) {
            for (const TPropInfo *&slot : FProperties)
                if (slot == found->second)
                    slot = &prop;
            FLookup.erase(found);
        } else {
            FProperties.push_back(&prop);
        }
        FLookup.emplace(std::string_view(prop.Name), &prop);
    }
}

const TPropInfo *TClassInfo::FindProperty(std::string_view name) const
{
    std::call_once(FBuilt, [this] { BuildLookup(); });
    auto found = FLookup.find(name);
    return found == FLookup.end() ? nullptr : found->second;
}

TObject *TClassInfo::CreateInstance(TComponent *owner) const
{
    if (!FFactory)
        throw EInvalidOperation(VlSprintf("Cannot create an instance of abstract class %s", FClassName.c_str()));
    return FFactory(owner);
}
