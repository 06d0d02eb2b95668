// Members of host classes that have no counterpart here, registered from name lists: a script that
// reads, writes or calls one gets error 2 "<Class>.<Member>not implemented" rather than an unknown name.
#pragma once

#include "interpreter/VlInterpreterAdapter.h"
#include "rtl/VlClassInfo.h"

#include <span>
#include <vector>

// A class scripts know by name only (nothing here makes objects of it), for its missing members.
#define VL_NAMED_CLASS(Function, Name, Parent, UnitName)                                                     \
    const TClassInfo &Function()                                                                             \
    {                                                                                                        \
        static const TClassInfo info(Name, &Parent::StaticClassInfo(), UnitName, nullptr, std::vector<TPropInfo>{}); \
        return info;                                                                                         \
    }

struct TVlMissingMembers {
    const TClassInfo &(*Info)();
    std::span<const char *const> Getters;  // methods and readable properties
    std::span<const char *const> Setters;  // writable properties
};

void VlRegisterMissingMembers(TVlInterpreterAdapter &adapter, const char *unitName,
                              std::span<const TVlMissingMembers> classes);
