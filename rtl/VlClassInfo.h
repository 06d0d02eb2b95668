// Class metadata: name, parent, unit, factory and the published properties with a fast name lookup.
#pragma once

#include "VlNameCompare.h"
#include "VlTypInfo.h"

#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class TObject;
class TComponent;

// Creates an instance; components receive their owner, other classes ignore it.
using TObjectFactory = TObject *(*)(TComponent *owner);

// The published properties of a class, made when they are first asked for (see TClassInfo).
class TPropTable {
public:
    using TBuild = std::vector<TPropInfo> (*)();
    explicit TPropTable(TBuild build) : Build(build) {}
    TBuild Build;
};

class TClassInfo {
public:
    // parent is null only for TObject; properties are the class's own published ones.
    TClassInfo(std::string_view className, const TClassInfo *parent, std::string_view unitName,
               TObjectFactory factory, std::vector<TPropInfo> properties);
    // The same, with the property table made on first use.
    TClassInfo(std::string_view className, const TClassInfo *parent, std::string_view unitName,
               TObjectFactory factory, TPropTable properties);
    TClassInfo(const TClassInfo &) = delete;
    TClassInfo &operator=(const TClassInfo &) = delete;

    const std::string &ClassName() const { return FClassName; }
    const TClassInfo *ClassParent() const { return FParent; }
    const std::string &UnitName() const { return FUnitName; }
    TObjectFactory Factory() const { return FFactory; }

    // True for this class and every class derived from it; constant time.
    bool InheritsFrom(const TClassInfo *ancestor) const
    {
        return ancestor && ancestor->FDepth <= FDepth && FAncestors[ancestor->FDepth] == ancestor;
    }

    // The published property of that name (letter case ignored), inherited ones included; a
    // class that redeclares an inherited property replaces it. Null when there is none.
    const TPropInfo *FindProperty(std::string_view name) const;
    // Every published property, ancestors' first, in declaration order.
    const std::vector<const TPropInfo *> &Properties() const
    {
        std::call_once(FBuilt, [this] { BuildLookup(); });
        return FProperties;
    }
    const std::vector<TPropInfo> &OwnProperties() const
    {
        std::call_once(FBuilt, [this] { BuildLookup(); });
        return FOwnProperties;
    }

    // Raises EInvalidOperation for classes without a factory (abstract ones).
    TObject *CreateInstance(TComponent *owner) const;

private:
    std::string FClassName;
    const TClassInfo *FParent;
    std::string FUnitName;
    TObjectFactory FFactory;
    // The property tables are made on first use: most classes of the process never have a property
    // looked up, and start-up need not pay for them.
    void BuildLookup() const;
    TPropTable::TBuild FBuild = nullptr;
    mutable std::once_flag FBuilt;
    mutable std::vector<TPropInfo> FOwnProperties;
    mutable std::vector<const TPropInfo *> FProperties;
    mutable std::unordered_map<std::string_view, const TPropInfo *, TNameHash, TNameEqual> FLookup;
    std::vector<const TClassInfo *> FAncestors; // TObject first, this class last
    size_t FDepth;
};
