// Binding tables (name, parameters, host routine) read by one loop, and the helpers host routines share.
//
// A parameter string has one letter per parameter: '.' any kind (the routine converts), 'v' a
// by-reference parameter of any kind, 'i' Integer, 's' String; "*" accepts any number of
// arguments unchecked.
#pragma once

#include "interpreter/VlInterpreterAdapter.h"

#include <cstdint>
#include <span>
#include <string>

class TObject;
class TClassInfo;

struct TVlFunctionBinding {
    const char *Name;
    THostGetProc Func;
    const char *Params;
};

enum class TVlMemberKind : uint8_t {
    Getter, Setter, IndexedGetter, IndexedSetter, DefaultGetter, DefaultSetter
};

struct TVlMemberBinding {
    TVlMemberKind Kind;
    const char *Name;  // ignored for default getters and setters
    THostGetProc Get;  // getters
    THostSetProc Set;  // setters
    const char *Params;
};

struct TVlIntConstant {
    const char *Name;
    int32_t Value;
};

void VlRegisterFunctions(TVlInterpreterAdapter &adapter, const char *unitName,
                         std::span<const TVlFunctionBinding> functions);
// Members are listed under the class's own unit, or under unitName when given.
void VlRegisterMembers(TVlInterpreterAdapter &adapter, const TClassInfo &cls,
                       std::span<const TVlMemberBinding> members);
void VlRegisterMembers(TVlInterpreterAdapter &adapter, const char *unitName, const TClassInfo &cls,
                       std::span<const TVlMemberBinding> members);
void VlRegisterIntConstants(TVlInterpreterAdapter &adapter, const char *unitName,
                            std::span<const TVlIntConstant> constants);
// AddClassType under the class's own name.
void VlRegisterClass(TVlInterpreterAdapter &adapter, const char *unitName, const TClassInfo &cls);

// Shorthands for the member tables.
constexpr TVlMemberBinding VlGet(const char *name, THostGetProc get, const char *params = "")
{
    return {TVlMemberKind::Getter, name, get, nullptr, params};
}
constexpr TVlMemberBinding VlSet(const char *name, THostSetProc set, const char *params = "")
{
    return {TVlMemberKind::Setter, name, nullptr, set, params};
}
constexpr TVlMemberBinding VlIndexedGet(const char *name, THostGetProc get, const char *params = ".")
{
    return {TVlMemberKind::IndexedGetter, name, get, nullptr, params};
}
constexpr TVlMemberBinding VlIndexedSet(const char *name, THostSetProc set, const char *params = ".")
{
    return {TVlMemberKind::IndexedSetter, name, nullptr, set, params};
}
constexpr TVlMemberBinding VlDefaultGet(THostGetProc get, const char *params = ".")
{
    return {TVlMemberKind::DefaultGetter, "", get, nullptr, params};
}
constexpr TVlMemberBinding VlDefaultSet(THostSetProc set, const char *params = ".")
{
    return {TVlMemberKind::DefaultSetter, "", nullptr, set, params};
}

// Host routine helpers ------------------------------------------------------------------------

// The target object of a member access; raises EInvalidCast "Invalid class typecast" when the
// target is not an object of class T (a class value, a record, nothing).
template <class T>
T *VlSelf(const TVlInterpreterArgs &args);
TObject *VlSelfObject(const TVlInterpreterArgs &args);
// The target class of a constructor call (a class value), or the class of the target object.
const TClassInfo *VlSelfClass(const TVlInterpreterArgs &args);

// An Object value for a host object (nil for nullptr).
TVlValue VlObjectValue(TObject *object);
// The object held by an argument: nullptr for nil, Null, Empty or 0; raises EInvalidCast for
// values that hold no object, or an object that is not a T.
TObject *VlArgObject(const TVlValue &value);
template <class T>
T *VlArgAs(const TVlValue &value);

// The object a script value points at; nullptr for nullptr. Raises EAccessViolation
// "Access violation: member '<member>' of invalid object" ("Access violation: invalid object"
// without a member) when the address is no live object: a typecast integer or a freed object.
TObject *VlLiveObject(void *object, const std::string &member = {});

// Raises error 2 "Internal interpreter error: <feature>not implemented".
[[noreturn]] void VlNotImplemented(const std::string &feature);
// Raises the library error a script sees as an exception of class `className`.
[[noreturn]] void VlRaiseRuntime(const char *className, const std::string &message);
// The caller's argument count check for routines registered with "*".
void VlCheckArgCount(const TVlInterpreterArgs &args, int minCount, int maxCount);

// Implementation of the templates.
[[noreturn]] void VlRaiseInvalidCast();
bool VlObjectIsA(const TObject *object, const TClassInfo &cls);

template <class T>
T *VlSelf(const TVlInterpreterArgs &args)
{
    TObject *object = VlSelfObject(args);
    if (!VlObjectIsA(object, T::StaticClassInfo()))
        VlRaiseInvalidCast();
    return static_cast<T *>(object);
}

template <class T>
T *VlArgAs(const TVlValue &value)
{
    TObject *object = VlLiveObject(VlArgObject(value));
    if (object && !VlObjectIsA(object, T::StaticClassInfo()))
        VlRaiseInvalidCast();
    return static_cast<T *>(object);
}
