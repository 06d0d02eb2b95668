// Published-property descriptions: kinds, type names, typed accessors, defaults and stored flags.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

class TObject;
class TClassInfo;

enum class TTypeKind : uint8_t {
    Unknown,
    Integer,
    Char,
    Enumeration,
    Float,
    String,
    Set,
    Class,
    Method,
    Variant,
    Interface,
};

// A method pointer: the handler's code and the object it runs on. Form files keep handler names
// here (Code points at the stored name), script event bridges their entry and bridge object.
struct TMethod {
    void *Code = nullptr;
    void *Data = nullptr;
    bool IsAssigned() const { return Code != nullptr; }
    friend bool operator==(const TMethod &, const TMethod &) = default;
};
using TNotifyEvent = TMethod;

// The value of a Variant property.
struct TVarValue {
    enum class TKind : uint8_t { Empty, Null, Integer, Float, String, Boolean };
    TKind Kind = TKind::Empty;
    int64_t Int = 0; // Integer, and Boolean as 0 or 1
    double Float = 0;
    std::string Str;
    friend bool operator==(const TVarValue &, const TVarValue &) = default;
};

// The member names of an enumeration type, which also name the elements of set types over it.
class TEnumInfo {
public:
    TEnumInfo(std::string typeName, std::vector<std::string> names);
    const std::string &TypeName() const { return FTypeName; }
    int Count() const { return static_cast<int>(FNames.size()); }
    // The name of an ordinal value; empty when out of range.
    const std::string &Name(int64_t value) const;
    // The ordinal of a name, ignoring letter case; -1 when the type has no such member.
    int Find(std::string_view name) const;

private:
    std::string FTypeName;
    std::vector<std::string> FNames;
};

const TEnumInfo &BooleanEnumInfo();

// One published property. Ordinal kinds (integer, char, enumeration, set as a bit mask where bit n
// is the element of ordinal n) share the Ord accessors; the other kinds have their own pair.
// A missing setter makes the property read-only.
struct TPropInfo {
    TPropInfo(std::string_view name, TTypeKind kind, std::string_view typeName);

    std::string Name;
    TTypeKind Kind;
    std::string TypeName; // "Integer", "Boolean", "string", "TAlign", "TNotifyEvent", "TFont", ...
    const TEnumInfo *EnumInfo = nullptr; // enumeration members, or the elements of a set
    const TClassInfo &(*PropClassFn)() = nullptr; // class kind: the declared class
    int64_t DefaultValue = 0; // ordinal kinds: the value that is not written to form files
    bool HasDefault = false;
    bool Stored = true;
    bool (*StoredFn)(const TObject *) = nullptr;

    int64_t (*GetOrd)(const TObject *) = nullptr;
    void (*SetOrd)(TObject *, int64_t) = nullptr;
    double (*GetFloat)(const TObject *) = nullptr;
    void (*SetFloat)(TObject *, double) = nullptr;
    std::string (*GetStr)(const TObject *) = nullptr;
    void (*SetStr)(TObject *, const std::string &) = nullptr;
    TObject *(*GetObj)(const TObject *) = nullptr;
    void (*SetObj)(TObject *, TObject *) = nullptr;
    TMethod (*GetMethod)(const TObject *) = nullptr;
    void (*SetMethod)(TObject *, const TMethod &) = nullptr;
    TVarValue (*GetVar)(const TObject *) = nullptr;
    void (*SetVar)(TObject *, const TVarValue &) = nullptr;
    void *(*GetIntf)(const TObject *) = nullptr;
    void (*SetIntf)(TObject *, void *) = nullptr;

    const TClassInfo *PropClass() const { return PropClassFn ? &PropClassFn() : nullptr; }
    bool IsOrdinal() const;
    bool IsWritable() const;
    bool IsBoolean() const { return Kind == TTypeKind::Enumeration && TypeName == "Boolean"; }

    // Table modifiers: VlIntProp<...>("Tag").WithDefault(0).
    TPropInfo WithDefault(int64_t value) const;
    TPropInfo NoDefault() const;
    TPropInfo NotStored() const;
    TPropInfo StoredWhen(bool (*storedFn)(const TObject *)) const;
};

// Typed access by description; a kind mismatch or a read-only property raises EPropertyError.
int64_t GetOrdProp(const TObject *instance, const TPropInfo &prop);
void SetOrdProp(TObject *instance, const TPropInfo &prop, int64_t value);
double GetFloatProp(const TObject *instance, const TPropInfo &prop);
void SetFloatProp(TObject *instance, const TPropInfo &prop, double value);
std::string GetStrProp(const TObject *instance, const TPropInfo &prop);
void SetStrProp(TObject *instance, const TPropInfo &prop, const std::string &value);
TObject *GetObjectProp(const TObject *instance, const TPropInfo &prop);
void SetObjectProp(TObject *instance, const TPropInfo &prop, TObject *value);
TMethod GetMethodProp(const TObject *instance, const TPropInfo &prop);
void SetMethodProp(TObject *instance, const TPropInfo &prop, const TMethod &value);
TVarValue GetVariantProp(const TObject *instance, const TPropInfo &prop);
void SetVariantProp(TObject *instance, const TPropInfo &prop, const TVarValue &value);
void *GetInterfaceProp(const TObject *instance, const TPropInfo &prop);
void SetInterfaceProp(TObject *instance, const TPropInfo &prop, void *value);

// Whether the property goes into form files at all (its stored flag or stored function).
bool IsStoredProp(const TObject *instance, const TPropInfo &prop);
// Whether the current value equals the default, so that a form writer leaves it out: ordinals
// with a declared default, empty strings, zero floats, nil references, unassigned handlers and
// Empty variants. Class properties are never "default" here: the writer descends into them.
bool IsDefaultPropValue(const TObject *instance, const TPropInfo &prop);

// "[akLeft, akTop]"-style text of a set mask (with or without brackets), and its inverse; an
// unknown element name raises EPropertyError "Invalid property element: %s".
std::string SetToString(const TEnumInfo &elements, uint32_t mask, bool brackets = true);
uint32_t StringToSet(const TEnumInfo &elements, std::string_view text);

namespace VlPropDetail {

template <class M>
struct TMemberOf;
template <class C, class M>
struct TMemberOf<M C::*> {
    using Class = C;
};
template <auto Member>
using TClassOf = typename TMemberOf<decltype(Member)>::Class;

template <class S>
struct TSetterArg;
template <class C, class R, class A>
struct TSetterArg<R (C::*)(A)> {
    using Type = std::decay_t<A>;
};
template <class C, class R, class A>
struct TSetterArg<R (C::*)(A) noexcept> {
    using Type = std::decay_t<A>;
};
template <class C, class M>
    requires(!std::is_function_v<M>)
struct TSetterArg<M C::*> {
    using Type = M;
};
template <auto Set>
using TArgOf = typename TSetterArg<decltype(Set)>::Type;

// Getters and setters may be member functions or data members; the table is built inside the
// class's own StaticClassInfo(), so private members are reachable.
template <auto Get>
decltype(auto) Read(const TObject *instance)
{
    auto *self = static_cast<TClassOf<Get> *>(const_cast<TObject *>(instance));
    return std::invoke(Get, self);
}

template <auto Set, class V>
void Write(TObject *instance, V &&value)
{
    auto *self = static_cast<TClassOf<Set> *>(instance);
    if constexpr (std::is_member_object_pointer_v<decltype(Set)>)
        self->*Set = std::forward<V>(value);
    else
        std::invoke(Set, self, std::forward<V>(value));
}

template <auto Set>
constexpr bool IsReadOnly = std::is_null_pointer_v<decltype(Set)>;

[[noreturn]] void RaiseInvalidClass(const TObject *value);

template <auto Get>
int64_t GetOrd(const TObject *o) { return static_cast<int64_t>(Read<Get>(o)); }
template <auto Set>
void SetOrd(TObject *o, int64_t v) { Write<Set>(o, static_cast<TArgOf<Set>>(v)); }
template <auto Get>
double GetFloat(const TObject *o) { return static_cast<double>(Read<Get>(o)); }
template <auto Set>
void SetFloat(TObject *o, double v) { Write<Set>(o, static_cast<TArgOf<Set>>(v)); }
template <auto Get>
std::string GetStr(const TObject *o) { return std::string(Read<Get>(o)); }
template <auto Set>
void SetStr(TObject *o, const std::string &v) { Write<Set>(o, v); }
template <auto Get>
TObject *GetObj(const TObject *o) { return Read<Get>(o); }
template <auto Set>
void SetObj(TObject *o, TObject *v)
{
    using TTarget = std::remove_pointer_t<TArgOf<Set>>;
    auto *typed = dynamic_cast<TTarget *>(v);
    if (v && !typed)
        RaiseInvalidClass(v);
    Write<Set>(o, typed);
}
template <auto Get>
TMethod GetMethod(const TObject *o) { return Read<Get>(o); }
template <auto Set>
void SetMethod(TObject *o, const TMethod &v) { Write<Set>(o, v); }
template <auto Get>
TVarValue GetVar(const TObject *o) { return Read<Get>(o); }
template <auto Set>
void SetVar(TObject *o, const TVarValue &v) { Write<Set>(o, v); }
template <auto Get>
void *GetIntf(const TObject *o) { return Read<Get>(o); }
template <auto Set>
void SetIntf(TObject *o, void *v) { Write<Set>(o, static_cast<TArgOf<Set>>(v)); }

template <auto Get, auto Set>
void BindOrd(TPropInfo &p)
{
    p.GetOrd = &GetOrd<Get>;
    if constexpr (!IsReadOnly<Set>)
        p.SetOrd = &SetOrd<Set>;
}

} // namespace VlPropDetail

// Property table builders. Get/Set: member functions or data members; Set may be nullptr.

// Integer properties carry no default unless .WithDefault() gives one, so they are always written.
template <auto Get, auto Set = nullptr>
TPropInfo VlIntProp(std::string_view name, std::string_view typeName = "Integer")
{
    TPropInfo p(name, TTypeKind::Integer, typeName);
    VlPropDetail::BindOrd<Get, Set>(p);
    return p;
}

template <auto Get, auto Set = nullptr>
TPropInfo VlBoolProp(std::string_view name, bool defaultValue)
{
    TPropInfo p(name, TTypeKind::Enumeration, "Boolean");
    p.EnumInfo = &BooleanEnumInfo();
    VlPropDetail::BindOrd<Get, Set>(p);
    return p.WithDefault(defaultValue ? 1 : 0);
}

template <auto Get, auto Set = nullptr>
TPropInfo VlCharProp(std::string_view name, char defaultValue = 0)
{
    TPropInfo p(name, TTypeKind::Char, "Char");
    VlPropDetail::BindOrd<Get, Set>(p);
    return p.WithDefault(static_cast<unsigned char>(defaultValue));
}

template <auto Get, auto Set = nullptr>
TPropInfo VlEnumProp(std::string_view name, const TEnumInfo &members, int64_t defaultValue)
{
    TPropInfo p(name, TTypeKind::Enumeration, members.TypeName());
    p.EnumInfo = &members;
    VlPropDetail::BindOrd<Get, Set>(p);
    return p.WithDefault(defaultValue);
}

template <auto Get, auto Set = nullptr>
TPropInfo VlSetProp(std::string_view name, std::string_view typeName, const TEnumInfo &elements,
                    uint32_t defaultMask)
{
    TPropInfo p(name, TTypeKind::Set, typeName);
    p.EnumInfo = &elements;
    VlPropDetail::BindOrd<Get, Set>(p);
    return p.WithDefault(defaultMask);
}

// Float type names decide the form-file encoding: "Single", "Currency", "TDateTime"/"TDate"/
// "TTime", anything else as extended.
template <auto Get, auto Set = nullptr>
TPropInfo VlFloatProp(std::string_view name, std::string_view typeName = "Double")
{
    TPropInfo p(name, TTypeKind::Float, typeName);
    p.GetFloat = &VlPropDetail::GetFloat<Get>;
    if constexpr (!VlPropDetail::IsReadOnly<Set>)
        p.SetFloat = &VlPropDetail::SetFloat<Set>;
    return p;
}

template <auto Get, auto Set = nullptr>
TPropInfo VlStrProp(std::string_view name, std::string_view typeName = "string")
{
    TPropInfo p(name, TTypeKind::String, typeName);
    p.GetStr = &VlPropDetail::GetStr<Get>;
    if constexpr (!VlPropDetail::IsReadOnly<Set>)
        p.SetStr = &VlPropDetail::SetStr<Set>;
    return p;
}

// A reference to an object: a persistent sub-object (Font, Items) whose own properties are
// streamed as "Font.Name", or a component reference streamed by name.
template <auto Get, auto Set = nullptr>
TPropInfo VlClassProp(std::string_view name, std::string_view typeName)
{
    using TValue = std::remove_cvref_t<decltype(VlPropDetail::Read<Get>(nullptr))>;
    TPropInfo p(name, TTypeKind::Class, typeName);
    p.PropClassFn = &std::remove_pointer_t<TValue>::StaticClassInfo;
    p.GetObj = &VlPropDetail::GetObj<Get>;
    if constexpr (!VlPropDetail::IsReadOnly<Set>)
        p.SetObj = &VlPropDetail::SetObj<Set>;
    return p;
}

template <auto Get, auto Set = nullptr>
TPropInfo VlMethodProp(std::string_view name, std::string_view typeName = "TNotifyEvent")
{
    TPropInfo p(name, TTypeKind::Method, typeName);
    p.GetMethod = &VlPropDetail::GetMethod<Get>;
    if constexpr (!VlPropDetail::IsReadOnly<Set>)
        p.SetMethod = &VlPropDetail::SetMethod<Set>;
    return p;
}

template <auto Get, auto Set = nullptr>
TPropInfo VlVariantProp(std::string_view name, std::string_view typeName = "Variant")
{
    TPropInfo p(name, TTypeKind::Variant, typeName);
    p.GetVar = &VlPropDetail::GetVar<Get>;
    if constexpr (!VlPropDetail::IsReadOnly<Set>)
        p.SetVar = &VlPropDetail::SetVar<Set>;
    return p;
}

template <auto Get, auto Set = nullptr>
TPropInfo VlInterfaceProp(std::string_view name, std::string_view typeName)
{
    TPropInfo p(name, TTypeKind::Interface, typeName);
    p.GetIntf = &VlPropDetail::GetIntf<Get>;
    if constexpr (!VlPropDetail::IsReadOnly<Set>)
        p.SetIntf = &VlPropDetail::SetIntf<Set>;
    return p;
}
