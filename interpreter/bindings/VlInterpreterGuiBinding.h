// Host routines of the window-framework units made from member pointers, the class tables read by
// one loop, and the conversions they share.
//
//     VlMethod<&TControl::BringToFront>("BringToFront")    a method; arguments converted from Values
//     VlMethod<&TControl::ClientWidth>("ClientWidth")      a property read the same way
//     VlWriter<&TControl::SetClientWidth>("ClientWidth")   a setter: the value slot is its argument
//     VlIndexed<&TListBox::Selected>("Selected")           an array property: indexes from Values
//     VlIndexedWriter<&TListBox::SetSelected>("Selected")  the indexes, then the value slot
// Arguments and results convert by C++ type: bool, integers and enumerations, uint32_t sets,
// char, floating point, std::string (CP1251), TPoint and TRect records, objects of the rtl tree.
#pragma once

#include "VlInterpreterBindingTable.h"
#include "VlInterpreterGuiApplication.h"
#include "VlInterpreterWindowsRecords.h"

#include "components/VlCanvas.h"
#include "components/VlControls.h"
#include "rtl/VlObject.h"

#include <initializer_list>
#include <span>
#include <string>
#include <vector>
#include <tuple>
#include <type_traits>
#include <utility>

namespace VlGui {

template <class M>
struct TMember;
template <class C, class R, class... A>
struct TMember<R (C::*)(A...)> {
    using Class = C;
    using Result = R;
    using Args = std::tuple<std::remove_cvref_t<A>...>;
    static constexpr int Arity = sizeof...(A);
    static constexpr bool IsData = false;
};
template <class C, class R, class... A>
struct TMember<R (C::*)(A...) const> : TMember<R (C::*)(A...)> {};
template <class C, class R, class... A>
struct TMember<R (C::*)(A...) noexcept> : TMember<R (C::*)(A...)> {};
template <class C, class R, class... A>
struct TMember<R (C::*)(A...) const noexcept> : TMember<R (C::*)(A...)> {};
template <class C, class T>
    requires(!std::is_function_v<T>)
struct TMember<T C::*> {
    using Class = C;
    using Result = T;
    using Args = std::tuple<>;
    static constexpr int Arity = 0;
    static constexpr bool IsData = true;
};

// "." once per parameter.
constexpr const char *Dots(int count)
{
    return "................................." + (33 - count);
}

template <class T>
constexpr bool IsObjectPointer = std::is_pointer_v<T> && std::is_base_of_v<TObject, std::remove_cv_t<std::remove_pointer_t<T>>>;

template <class T>
T FromValue(const TVlValue &v)
{
    if constexpr (std::is_same_v<T, bool>) {
        return ValueToBoolean(v);
    } else if constexpr (std::is_same_v<T, std::string>) {
        return ValueToString(v);
    } else if constexpr (std::is_same_v<T, char>) {
        const std::string text = ValueToString(v);
        return text.empty() ? '\0' : text[0];
    } else if constexpr (std::is_floating_point_v<T>) {
        return static_cast<T>(ValueToDouble(v));
    } else if constexpr (std::is_enum_v<T>) {
        return static_cast<T>(ValueToInteger(v));
    } else if constexpr (std::is_same_v<T, uint32_t>) {
        return ValueToSet(v);  // the widget set's set types are 32-bit masks
    } else if constexpr (std::is_integral_v<T>) {
        return static_cast<T>(ValueToInteger(v));
    } else if constexpr (std::is_same_v<T, TPoint>) {
        TPoint p;
        VlValueToPoint(v, p.X, p.Y);
        return p;
    } else if constexpr (std::is_same_v<T, TRect>) {
        TRect r;
        VlValueToRect(v, r.Left, r.Top, r.Right, r.Bottom);
        return r;
    } else if constexpr (IsObjectPointer<T>) {
        return VlArgAs<std::remove_cv_t<std::remove_pointer_t<T>>>(v);
    } else {
        static_assert(sizeof(T) == 0, "no conversion from a script value");
    }
}

template <class T>
TVlValue ToValue(const TVlInterpreterArgs &a, const T &value)
{
    if constexpr (std::is_same_v<T, bool>) {
        return TVlValue::Boolean(value);
    } else if constexpr (std::is_same_v<T, std::string>) {
        return TVlValue::String(value);
    } else if constexpr (std::is_same_v<T, char>) {
        return TVlValue::String(std::string(1, value));
    } else if constexpr (std::is_floating_point_v<T>) {
        return TVlValue::Double(static_cast<double>(value));
    } else if constexpr (std::is_enum_v<T>) {
        return TVlValue::Integer(static_cast<int32_t>(value));
    } else if constexpr (std::is_same_v<T, uint32_t>) {
        return SetToValue(value);
    } else if constexpr (std::is_integral_v<T>) {
        return TVlValue::Integer(static_cast<int32_t>(value));
    } else if constexpr (std::is_same_v<T, TPoint>) {
        return VlPointValue(&a, value.X, value.Y);
    } else if constexpr (std::is_same_v<T, TRect>) {
        return VlRectValue(&a, value.Left, value.Top, value.Right, value.Bottom);
    } else if constexpr (IsObjectPointer<T>) {
        return ObjectToValue(const_cast<void *>(static_cast<const void *>(value)));
    } else {
        static_assert(sizeof(T) == 0, "no conversion to a script value");
    }
}

template <class T>
using TArg = std::remove_cvref_t<T>;

template <auto M, size_t... I>
void Invoke(TVlValue &r, TVlInterpreterArgs &a, std::index_sequence<I...>)
{
    using Info = TMember<decltype(M)>;
    auto *self = VlSelf<typename Info::Class>(a);
    if constexpr (Info::IsData)
        r = ToValue(a, self->*M);
    else if constexpr (std::is_void_v<typename Info::Result>)
        (self->*M)(FromValue<std::tuple_element_t<I, typename Info::Args>>(a.Values[I])...);
    else
        r = ToValue(a, TArg<typename Info::Result>((self->*M)(FromValue<std::tuple_element_t<I, typename Info::Args>>(a.Values[I])...)));
}

template <auto M>
void Call(TVlValue &r, TVlInterpreterArgs &a)
{
    Invoke<M>(r, a, std::make_index_sequence<TMember<decltype(M)>::Arity>{});
}

// The indexes come from Values, the last parameter from the value slot.
template <auto M, size_t... I>
void InvokeWriter(const TVlValue &v, TVlInterpreterArgs &a, std::index_sequence<I...>)
{
    using Info = TMember<decltype(M)>;
    auto *self = VlSelf<typename Info::Class>(a);
    if constexpr (Info::IsData)
        self->*M = FromValue<TArg<typename Info::Result>>(v);
    else
        (self->*M)(FromValue<std::tuple_element_t<I, typename Info::Args>>(a.Values[I])...,
                   FromValue<std::tuple_element_t<Info::Arity - 1, typename Info::Args>>(v));
}

template <auto M>
void Write(const TVlValue &v, TVlInterpreterArgs &a)
{
    using Info = TMember<decltype(M)>;
    if constexpr (Info::IsData)
        InvokeWriter<M>(v, a, std::index_sequence<>{});
    else
        InvokeWriter<M>(v, a, std::make_index_sequence<Info::Arity - 1>{});
}

template <auto M>
constexpr int WriterIndexes()
{
    using Info = TMember<decltype(M)>;
    if constexpr (Info::IsData)
        return 0;
    else
        return Info::Arity - 1;
}

} // namespace VlGui

template <auto M>
constexpr TVlMemberBinding VlMethod(const char *name)
{
    return {TVlMemberKind::Getter, name, &VlGui::Call<M>, nullptr, VlGui::Dots(VlGui::TMember<decltype(M)>::Arity)};
}
template <auto M>
constexpr TVlMemberBinding VlWriter(const char *name)
{
    return {TVlMemberKind::Setter, name, nullptr, &VlGui::Write<M>, ""};
}
template <auto M>
constexpr TVlMemberBinding VlIndexed(const char *name)
{
    return {TVlMemberKind::IndexedGetter, name, &VlGui::Call<M>, nullptr, VlGui::Dots(VlGui::TMember<decltype(M)>::Arity)};
}
template <auto M>
constexpr TVlMemberBinding VlIndexedWriter(const char *name)
{
    return {TVlMemberKind::IndexedSetter, name, nullptr, &VlGui::Write<M>, VlGui::Dots(VlGui::WriterIndexes<M>())};
}
template <auto M>
constexpr TVlMemberBinding VlDefaultReader()
{
    return {TVlMemberKind::DefaultGetter, "", &VlGui::Call<M>, nullptr, VlGui::Dots(VlGui::TMember<decltype(M)>::Arity)};
}
template <auto M>
constexpr TVlMemberBinding VlDefaultWriter()
{
    return {TVlMemberKind::DefaultSetter, "", nullptr, &VlGui::Write<M>, VlGui::Dots(VlGui::WriterIndexes<M>())};
}
// A member that is registered but raises error 2 "<feature>not implemented".
#define VL_NOT_IMPLEMENTED(Name, Feature) \
    VlGet(Name, +[](TVlValue &, TVlInterpreterArgs &) { VlNotImplemented(Feature); }, "*")

// One class of a unit: its members, and whether scripts may construct it ("Create" is added: with an
// owner argument for components, without arguments for other classes).
enum class TVlCreate : uint8_t { None, Plain, WithOwner };
struct TVlClassBinding {
    const TClassInfo &(*Info)();
    std::span<const TVlMemberBinding> Members;
    TVlCreate Create = TVlCreate::None;
};

// AddClassType, "Create" and the members of each class, in table order (base classes first:
// default properties are searched in list order).
void VlRegisterClassTable(TVlInterpreterAdapter &adapter, const char *unitName,
                          std::span<const TVlClassBinding> classes);
// The members of enumeration types as Integer constants of their ordinals ("psSolid" 0, ...).
void VlRegisterEnumConstants(TVlInterpreterAdapter &adapter, const char *unitName,
                             std::initializer_list<const TEnumInfo *> types);
// Named values (the colour, cursor and character-set lists) as Integer constants.
void VlRegisterNamedConstants(TVlInterpreterAdapter &adapter, const char *unitName,
                              const std::vector<std::pair<std::string, int32_t>> &values);

// "Create" as registered by the class table: a new object of the class value (or of an object's
// class), owned by the component given, after making sure the Qt application exists.
void VlCreateObject(TVlValue &r, TVlInterpreterArgs &a);
