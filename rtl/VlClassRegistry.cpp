// Case-insensitive class registry.
#include "VlClassRegistry.h"

#include "VlExceptions.h"

#include <algorithm>
#include <string>
#include <unordered_map>

namespace {

struct TRegistry {
    std::unordered_map<std::string, const TClassInfo *, TNameHash, TNameEqual> ByName;
    std::vector<const TClassInfo *> Ordered;
};

TRegistry &Registry()
{
    static TRegistry registry;
    return registry;
}

} // namespace

void RegisterClass(const TClassInfo &cls)
{
    TRegistry &registry = Registry();
    auto found = registry.ByName.find(std::string_view(cls.ClassName()));
    if (found != registry.ByName.end()) {
        if (found->second == &cls)
            return;
        throw EFilerError(VlSprintf("A class named %s already exists", cls.ClassName().c_str()));
    }
    registry.ByName.emplace(cls.ClassName(), &cls);
    registry.Ordered.push_back(&cls);
}

void RegisterClasses(std::initializer_list<const TClassInfo *> classes)
{
    for (const TClassInfo *cls : classes)
        RegisterClass(*cls);
}

void UnRegisterClass(const TClassInfo &cls)
{
    TRegistry &registry = Registry();
    auto found = registry.ByName.find(std::string_view(cls.ClassName()));
    if (found == registry.ByName.end() || found->second != &cls)
        return;
    registry.ByName.erase(found);
    registry.Ordered.erase(std::find(registry.Ordered.begin(), registry.Ordered.end(), &cls));
}

const TClassInfo *FindClass(std::string_view className)
{
    const TRegistry &registry = Registry();
    auto found = registry.ByName.find(className);
    return found == registry.ByName.end() ? nullptr : found->second;
}

const TClassInfo &GetClass(std::string_view className)
{
    if (const TClassInfo *cls = FindClass(className))
        return *cls;
    throw EClassNotFound("Class " + std::string(className) + " not found");
}

std::vector<const TClassInfo *> RegisteredClasses()
{
    return Registry().Ordered;
}
