// The class-table loop of the window-framework units and their shared constructor.
#include "VlInterpreterGuiBinding.h"

#include "VlInterpreterGuiApplication.h"

#include "rtl/VlComponent.h"

void VlCreateObject(TVlValue &r, TVlInterpreterArgs &a)
{
    VlEnsureGuiApplication();
    const TClassInfo *cls = VlSelfClass(a);
    TComponent *owner = a.Count > 0 ? VlArgAs<TComponent>(a.Values[0]) : nullptr;
    r = VlObjectValue(cls->CreateInstance(owner));
}

void VlRegisterClassTable(TVlInterpreterAdapter &adapter, const char *unitName, std::span<const TVlClassBinding> classes)
{
    static const TVlMemberBinding plain[] = {VlGet("Create", VlCreateObject)};
    static const TVlMemberBinding withOwner[] = {VlGet("Create", VlCreateObject, ".")};
    for (const TVlClassBinding &c : classes) {
        const TClassInfo &info = c.Info();
        VlRegisterClass(adapter, unitName, info);
        if (c.Create == TVlCreate::Plain)
            VlRegisterMembers(adapter, unitName, info, plain);
        else if (c.Create == TVlCreate::WithOwner)
            VlRegisterMembers(adapter, unitName, info, withOwner);
        VlRegisterMembers(adapter, unitName, info, c.Members);
    }
}

void VlRegisterEnumConstants(TVlInterpreterAdapter &adapter, const char *unitName,
                             std::initializer_list<const TEnumInfo *> types)
{
    for (const TEnumInfo *type : types)
        for (int i = 0; i < type->Count(); ++i)
            adapter.AddConstant(unitName, type->Name(i), TVlValue::Integer(i));
}

void VlRegisterNamedConstants(TVlInterpreterAdapter &adapter, const char *unitName,
                              const std::vector<std::pair<std::string, int32_t>> &values)
{
    for (const auto &[name, value] : values)
        adapter.AddConstant(unitName, name, TVlValue::Integer(value));
}
