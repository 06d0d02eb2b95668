// Typed access to published properties through their descriptions.
#include "VlTypInfo.h"

#include "VlExceptions.h"
#include "VlNameCompare.h"
#include "VlObject.h"

TEnumInfo::TEnumInfo(std::string typeName, std::vector<std::string> names)
    : FTypeName(std::move(typeName)), FNames(std::move(names))
{
}

const std::string &TEnumInfo::Name(int64_t value) const
{
    static const std::string empty;
    return (value >= 0 && value < Count()) ? FNames[static_cast<size_t>(value)] : empty;
}

int TEnumInfo::Find(std::string_view name) const
{
    for (size_t i = 0; i < FNames.size(); ++i)
        if (VlSameName(FNames[i], name))
            return static_cast<int>(i);
    return -1;
}

const TEnumInfo &BooleanEnumInfo()
{
    static const TEnumInfo info("Boolean", {"False", "True"});
    return info;
}

TPropInfo::TPropInfo(std::string_view name, TTypeKind kind, std::string_view typeName)
    : Name(name), Kind(kind), TypeName(typeName)
{
}

bool TPropInfo::IsOrdinal() const
{
    return Kind == TTypeKind::Integer || Kind == TTypeKind::Char || Kind == TTypeKind::Enumeration ||
           Kind == TTypeKind::Set;
}

bool TPropInfo::IsWritable() const
{
    return SetOrd || SetFloat || SetStr || SetObj || SetMethod || SetVar || SetIntf;
}

TPropInfo TPropInfo::WithDefault(int64_t value) const
{
    TPropInfo copy(*this);
    copy.DefaultValue = value;
    copy.HasDefault = true;
    return copy;
}

TPropInfo TPropInfo::NoDefault() const
{
    TPropInfo copy(*this);
    copy.HasDefault = false;
    return copy;
}

TPropInfo TPropInfo::NotStored() const
{
    TPropInfo copy(*this);
    copy.Stored = false;
    return copy;
}

TPropInfo TPropInfo::StoredWhen(bool (*storedFn)(const TObject *)) const
{
    TPropInfo copy(*this);
    copy.StoredFn = storedFn;
    return copy;
}

namespace {

[[noreturn]] void RaiseWrongKind(const TPropInfo &prop)
{
    throw EPropertyError(VlSprintf("Invalid property type: %s", prop.TypeName.c_str()));
}

[[noreturn]] void RaiseReadOnly(const TPropInfo &prop)
{
    throw EPropertyError(VlSprintf("Property %s is read only", prop.Name.c_str()));
}

// Resolves the accessor a typed call needs, refusing other kinds and read-only properties.
template <class F>
F Accessor(const TPropInfo &prop, F accessor, bool kindMatches)
{
    if (!kindMatches)
        RaiseWrongKind(prop);
    if (!accessor)
        RaiseReadOnly(prop);
    return accessor;
}

} // namespace

void VlPropDetail::RaiseInvalidClass(const TObject *value)
{
    throw EPropertyError(VlSprintf("Invalid class typecast: %s", value->ClassName().c_str()));
}

int64_t GetOrdProp(const TObject *instance, const TPropInfo &prop)
{
    return Accessor(prop, prop.GetOrd, prop.IsOrdinal())(instance);
}

void SetOrdProp(TObject *instance, const TPropInfo &prop, int64_t value)
{
    auto setter = Accessor(prop, prop.SetOrd, prop.IsOrdinal());
    // Enumerations only take their own members (widget code indexes tables by them); any
    // non-zero Boolean is True; set bits beyond the element type are dropped.
    if (prop.IsBoolean())
        value = value != 0;
    else if (prop.Kind == TTypeKind::Enumeration && prop.EnumInfo && (value < 0 || value >= prop.EnumInfo->Count()))
        throw EPropertyError(VlSprintf("Invalid property value %lld for %s", static_cast<long long>(value), prop.Name.c_str()));
    else if (prop.Kind == TTypeKind::Set && prop.EnumInfo && prop.EnumInfo->Count() < 32)
        value &= (int64_t(1) << prop.EnumInfo->Count()) - 1;
    setter(instance, value);
}

double GetFloatProp(const TObject *instance, const TPropInfo &prop)
{
    return Accessor(prop, prop.GetFloat, prop.Kind == TTypeKind::Float)(instance);
}

void SetFloatProp(TObject *instance, const TPropInfo &prop, double value)
{
    Accessor(prop, prop.SetFloat, prop.Kind == TTypeKind::Float)(instance, value);
}

std::string GetStrProp(const TObject *instance, const TPropInfo &prop)
{
    return Accessor(prop, prop.GetStr, prop.Kind == TTypeKind::String)(instance);
}

void SetStrProp(TObject *instance, const TPropInfo &prop, const std::string &value)
{
    Accessor(prop, prop.SetStr, prop.Kind == TTypeKind::String)(instance, value);
}

TObject *GetObjectProp(const TObject *instance, const TPropInfo &prop)
{
    return Accessor(prop, prop.GetObj, prop.Kind == TTypeKind::Class)(instance);
}

void SetObjectProp(TObject *instance, const TPropInfo &prop, TObject *value)
{
    Accessor(prop, prop.SetObj, prop.Kind == TTypeKind::Class)(instance, value);
}

TMethod GetMethodProp(const TObject *instance, const TPropInfo &prop)
{
    return Accessor(prop, prop.GetMethod, prop.Kind == TTypeKind::Method)(instance);
}

void SetMethodProp(TObject *instance, const TPropInfo &prop, const TMethod &value)
{
    Accessor(prop, prop.SetMethod, prop.Kind == TTypeKind::Method)(instance, value);
}

TVarValue GetVariantProp(const TObject *instance, const TPropInfo &prop)
{
    return Accessor(prop, prop.GetVar, prop.Kind == TTypeKind::Variant)(instance);
}

void SetVariantProp(TObject *instance, const TPropInfo &prop, const TVarValue &value)
{
    Accessor(prop, prop.SetVar, prop.Kind == TTypeKind::Variant)(instance, value);
}

void *GetInterfaceProp(const TObject *instance, const TPropInfo &prop)
{
    return Accessor(prop, prop.GetIntf, prop.Kind == TTypeKind::Interface)(instance);
}

void SetInterfaceProp(TObject *instance, const TPropInfo &prop, void *value)
{
    Accessor(prop, prop.SetIntf, prop.Kind == TTypeKind::Interface)(instance, value);
}

bool IsStoredProp(const TObject *instance, const TPropInfo &prop)
{
    if (!prop.Stored)
        return false;
    return prop.StoredFn ? prop.StoredFn(instance) : true;
}

bool IsDefaultPropValue(const TObject *instance, const TPropInfo &prop)
{
    switch (prop.Kind) {
    case TTypeKind::Integer:
    case TTypeKind::Char:
    case TTypeKind::Enumeration:
    case TTypeKind::Set:
        return prop.HasDefault && prop.GetOrd(instance) == prop.DefaultValue;
    case TTypeKind::Float:
        return prop.GetFloat(instance) == 0;
    case TTypeKind::String:
        return prop.GetStr(instance).empty();
    case TTypeKind::Method:
        return !prop.GetMethod(instance).IsAssigned();
    case TTypeKind::Variant:
        return prop.GetVar(instance).Kind == TVarValue::TKind::Empty;
    case TTypeKind::Interface:
        return prop.GetIntf(instance) == nullptr;
    case TTypeKind::Class:
    case TTypeKind::Unknown:
        return false;
    }
    return false;
}

std::string SetToString(const TEnumInfo &elements, uint32_t mask, bool brackets)
{
    std::string text;
    for (int i = 0; i < elements.Count() && i < 32; ++i) {
        if (!(mask & (1u << i)))
            continue;
        if (!text.empty())
            text += ',';
        text += elements.Name(i);
    }
    return brackets ? "[" + text + "]" : text;
}

uint32_t StringToSet(const TEnumInfo &elements, std::string_view text)
{
    auto trim = [](std::string_view s) {
        while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
            s.remove_prefix(1);
        while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
            s.remove_suffix(1);
        return s;
    };
    text = trim(text);
    if (!text.empty() && text.front() == '[')
        text.remove_prefix(1);
    if (!text.empty() && text.back() == ']')
        text.remove_suffix(1);
    uint32_t mask = 0;
    while (!trim(text).empty()) {
        const size_t comma = text.find(',');
        const std::string_view element = trim(text.substr(0, comma));
        const int ordinal = elements.Find(element);
        if (ordinal < 0 || ordinal >= 32)
            throw EPropertyError("Invalid property element: " + std::string(element));
        mask |= 1u << ordinal;
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    return mask;
}
