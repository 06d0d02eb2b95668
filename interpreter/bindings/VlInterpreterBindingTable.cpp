// The registration loops over binding tables and the shared host routine helpers.
#include "VlInterpreterBindingTable.h"

#include "interpreter/VlInterpreterError.h"
#include "rtl/VlObject.h"

namespace {

// Parameter kinds and count of a parameter string.
struct TParams {
    int Count = 0;
    uint16_t Kinds[VlMaxArgs] = {};
};

TParams ParseParams(const char *params)
{
    TParams p;
    if (params[0] == '*') {
        p.Count = -1;
        return p;
    }
    for (const char *c = params; *c && p.Count < VlMaxArgs; ++c) {
        uint16_t kind = varEmpty;
        switch (*c) {
        case 'v': kind = varEmpty | varByRef; break;
        case 'i': kind = varInteger; break;
        case 's': kind = varString; break;
        default: break;
        }
        p.Kinds[p.Count++] = kind;
    }
    return p;
}

} // namespace

void VlRegisterFunctions(TVlInterpreterAdapter &adapter, const char *unitName,
                         std::span<const TVlFunctionBinding> functions)
{
    for (const TVlFunctionBinding &f : functions) {
        TParams p = ParseParams(f.Params);
        adapter.AddHostFunction(unitName, f.Name, f.Func, p.Count, TVlKinds(p.Kinds, VlMaxArgs), varEmpty);
    }
}

void VlRegisterMembers(TVlInterpreterAdapter &adapter, const TClassInfo &cls,
                       std::span<const TVlMemberBinding> members)
{
    VlRegisterMembers(adapter, cls.UnitName().c_str(), cls, members);
}

void VlRegisterMembers(TVlInterpreterAdapter &adapter, const char *unitName, const TClassInfo &cls,
                       std::span<const TVlMemberBinding> members)
{
    TVlHostClass c = &cls;
    // The entry just added is the last of its list (lists are sorted only on lookup).
    auto mark = [unitName](auto &list) { list.back()->UnitName = unitName; };
    for (const TVlMemberBinding &m : members) {
        TParams p = ParseParams(m.Params);
        TVlKinds kinds(p.Kinds, VlMaxArgs);
        switch (m.Kind) {
        case TVlMemberKind::Getter:
            adapter.AddGetter(c, m.Name, m.Get, p.Count, kinds, varEmpty);
            mark(adapter.Getters);
            break;
        case TVlMemberKind::Setter:
            adapter.AddSetter(c, m.Name, m.Set, p.Count, kinds);
            mark(adapter.Setters);
            break;
        case TVlMemberKind::IndexedGetter:
            adapter.AddIndexedGetter(c, m.Name, m.Get, p.Count, kinds, varEmpty);
            mark(adapter.IndexedGetters);
            break;
        case TVlMemberKind::IndexedSetter:
            adapter.AddIndexedSetter(c, m.Name, m.Set, p.Count, kinds);
            mark(adapter.IndexedSetters);
            break;
        case TVlMemberKind::DefaultGetter:
            adapter.AddDefaultGetter(c, m.Get, p.Count, kinds, varEmpty);
            mark(adapter.DefaultGetters);
            break;
        case TVlMemberKind::DefaultSetter:
            adapter.AddDefaultSetter(c, m.Set, p.Count, kinds);
            mark(adapter.DefaultSetters);
            break;
        }
    }
}

void VlRegisterIntConstants(TVlInterpreterAdapter &adapter, const char *unitName,
                            std::span<const TVlIntConstant> constants)
{
    for (const TVlIntConstant &c : constants)
        adapter.AddConstant(unitName, c.Name, TVlValue::Integer(c.Value));
}

void VlRegisterClass(TVlInterpreterAdapter &adapter, const char *unitName, const TClassInfo &cls)
{
    adapter.AddClassType(unitName, &cls, cls.ClassName());
}

TObject *VlSelfObject(const TVlInterpreterArgs &args)
{
    if (args.ObjType != varVlObject || !args.Obj)
        VlRaiseInvalidCast();
    return VlLiveObject(args.Obj);
}

TObject *VlLiveObject(void *object, const std::string &member)
{
    if (object && !VlIsLiveObject(object))
        throw EVlRuntimeError("EAccessViolation", member.empty() ? std::string("Access violation: invalid object")
                                                                 : "Access violation: member '" + member + "' of invalid object");
    return static_cast<TObject *>(object);
}

const TClassInfo *VlSelfClass(const TVlInterpreterArgs &args)
{
    if (args.ObjType == varVlClass && args.Obj)
        return static_cast<const TClassInfo *>(args.Obj);
    return VlSelfObject(args)->ClassInfo();
}

TVlValue VlObjectValue(TObject *object)
{
    return ObjectToValue(object);
}

TObject *VlArgObject(const TVlValue &value)
{
    switch (value.Kind()) {
    case varVlObject:
        return static_cast<TObject *>(ValueToObject(value));
    case varEmpty:
    case varNull:
        return nullptr;
    case varVlPointer:
        if (!ValueToPointer(value))
            return nullptr;
        break;
    case varInteger:
    case varSmallint:
    case varByte:
        if (value.RawInteger() == 0)
            return nullptr;
        break;
    default:
        break;
    }
    VlRaiseInvalidCast();
}

bool VlObjectIsA(const TObject *object, const TClassInfo &cls)
{
    return object && object->InheritsFrom(cls);
}

void VlRaiseInvalidCast()
{
    throw EVlRuntimeError("EInvalidCast", "Invalid class typecast");
}

void VlNotImplemented(const std::string &feature)
{
    RaiseError(erInternal, -1, feature + "not implemented");
}

void VlRaiseRuntime(const char *className, const std::string &message)
{
    throw EVlRuntimeError(className, message);
}

void VlCheckArgCount(const TVlInterpreterArgs &args, int minCount, int maxCount)
{
    if (args.Count > maxCount)
        RaiseError(erTooManyParams, -1);
    if (args.Count < minCount)
        RaiseError(erNotEnoughParams, -1);
}
