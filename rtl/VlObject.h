// TObject, the root of the metadata-carrying class tree, and the macros that declare a class's metadata.
#pragma once

#include "VlClassInfo.h"

#include <type_traits>

class TComponent;

class TObject {
public:
    TObject();
    TObject(const TObject &) = delete;
    TObject &operator=(const TObject &) = delete;
    virtual ~TObject();

    static const TClassInfo &StaticClassInfo();
    virtual const TClassInfo *ClassInfo() const { return &StaticClassInfo(); }

    const std::string &ClassName() const { return ClassInfo()->ClassName(); }
    // "is": an instance of the class or of a class derived from it.
    bool InheritsFrom(const TClassInfo &cls) const { return ClassInfo()->InheritsFrom(&cls); }
    template <class T>
    bool Is() const
    {
        return InheritsFrom(T::StaticClassInfo());
    }
};

// Whether the address is a TObject constructed and not yet destroyed: lets callers holding an
// untrusted pointer (a typecast integer, a freed object) refuse it instead of dereferencing it.
bool VlIsLiveObject(const void *address);

// The published property of an object's class by name (letter case ignored); null if none.
inline const TPropInfo *GetPropInfo(const TObject *instance, std::string_view name)
{
    return instance->ClassInfo()->FindProperty(name);
}

template <class T>
TObjectFactory VlFactoryFor()
{
    if constexpr (std::is_abstract_v<T>)
        return nullptr;
    else if constexpr (std::is_constructible_v<T, TComponent *>)
        return [](TComponent *owner) -> TObject * { return new T(owner); };
    else if constexpr (std::is_default_constructible_v<T>)
        return [](TComponent *) -> TObject * { return new T(); };
    else
        return nullptr;
}

// In the class body (leaves the access at public):   VL_CLASS(TButton)
#define VL_CLASS(Class)                                   \
public:                                                   \
    static const TClassInfo &StaticClassInfo();           \
    const TClassInfo *ClassInfo() const override { return &StaticClassInfo(); }

// In the class's .cpp, with the published properties as the trailing arguments:
//   VL_IMPLEMENT_CLASS(TButton, TWinControl, "StdCtrls",
//       VlStrProp<&TButton::Caption, &TButton::SetCaption>("Caption", "TCaption"),
//       VlBoolProp<&TButton::Default, &TButton::SetDefault>("Default", false))
// The table is built inside the class's own member function, so private members are usable; it
// is built when a property is first looked up.
#define VL_IMPLEMENT_CLASS(Class, Parent, UnitName, ...)                                                 \
    const TClassInfo &Class::StaticClassInfo()                                                            \
    {                                                                                                     \
        static const TClassInfo info(#Class, &Parent::StaticClassInfo(), UnitName, VlFactoryFor<Class>(), \
                                     TPropTable([] { return std::vector<TPropInfo>{__VA_ARGS__}; }));     \
        return info;                                                                                      \
    }
