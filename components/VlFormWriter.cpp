// Writing component trees as binary form streams: only stored, non-default published properties.
#include "VlFormWriter.h"

#include "VlCollection.h"
#include "VlExceptions.h"
#include "VlIntegerConsts.h"
#include "VlStreams.h"

namespace {

// Sub-objects (Font, Items) may own sub-objects; deeper chains are taken for cycles.
constexpr int MaxSubObjectDepth = 8;

} // namespace

void TFormWriter::WriteRootComponent(TComponent *root)
{
    WriteRootComponent(root, root);
}

void TFormWriter::WriteRootComponent(TComponent *root, TComponent *lookupRoot)
{
    FRoot = lookupRoot;
    Write("TPF0", 4);
    WriteComponent(root);
}

void TFormWriter::WriteComponent(TComponent *component)
{
    component->SetComponentState(csWriting, true);
    try {
        WriteStr(component->ClassName());
        WriteStr(component->Name());
        component->WriteState(*this);
    } catch (...) {
        component->SetComponentState(csWriting, false);
        throw;
    }
    component->SetComponentState(csWriting, false);
}

void TFormWriter::WriteData(TComponent *instance)
{
    WriteProperties(instance, instance, 0);
    WriteListEnd();
    instance->GetChildren([this](TComponent *child) { WriteComponent(child); }, FRoot);
    WriteListEnd();
}

void TFormWriter::WriteProperties(TPersistent *target, TComponent *instance, int depth)
{
    for (const TPropInfo *prop : target->ClassInfo()->Properties())
        if (IsStoredProp(target, *prop))
            WriteProperty(target, *prop, instance, depth);
    target->DefineProperties(*this);
}

std::string TFormWriter::ReferenceName(TComponent *component) const
{
    if (component == FRoot)
        return component->Name();
    if (component->Owner() == FRoot)
        return component->Name();
    if (component->Owner() && !component->Owner()->Name().empty())
        return component->Owner()->Name() + "." + component->Name();
    return component->Name();
}

void TFormWriter::WriteProperty(TPersistent *target, const TPropInfo &prop, TComponent *instance, int depth)
{
    if (prop.Kind == TTypeKind::Class) {
        TObject *value = GetObjectProp(target, prop);
        if (!value)
            return;
        if (auto *component = dynamic_cast<TComponent *>(value)) {
            // A reference to another component, written by name.
            if (!prop.SetObj || component->Name().empty())
                return;
            WriteStr(FPropPath + prop.Name);
            WriteIdent(ReferenceName(component));
        } else if (auto *collection = dynamic_cast<TCollection *>(value)) {
            if (collection->Count() == 0)
                return;
            WriteStr(FPropPath + prop.Name);
            WriteCollection(collection, instance, depth);
        } else if (auto *persistent = dynamic_cast<TPersistent *>(value); persistent && depth < MaxSubObjectDepth) {
            const std::string oldPath = FPropPath;
            FPropPath += prop.Name + ".";
            try {
                WriteProperties(persistent, instance, depth + 1);
            } catch (...) {
                FPropPath = oldPath;
                throw;
            }
            FPropPath = oldPath;
        }
        return;
    }
    if (!prop.IsWritable() || IsDefaultPropValue(target, prop))
        return;
    const std::string name = FPropPath + prop.Name;
    switch (prop.Kind) {
    case TTypeKind::Integer: {
        const int64_t value = GetOrdProp(target, prop);
        std::string ident;
        WriteStr(name);
        if (IntToIdent(prop.TypeName, value, ident))
            WriteIdent(ident);
        else
            WriteInteger(value);
        return;
    }
    case TTypeKind::Char:
        WriteStr(name);
        WriteChar(static_cast<char>(GetOrdProp(target, prop)));
        return;
    case TTypeKind::Enumeration: {
        const int64_t value = GetOrdProp(target, prop);
        WriteStr(name);
        if (prop.IsBoolean())
            WriteBoolean(value != 0);
        else
            WriteIdent(prop.EnumInfo ? prop.EnumInfo->Name(value) : std::to_string(value));
        return;
    }
    case TTypeKind::Set:
        WriteStr(name);
        WriteSet(*prop.EnumInfo, static_cast<uint32_t>(GetOrdProp(target, prop)));
        return;
    case TTypeKind::Float: {
        const double value = GetFloatProp(target, prop);
        WriteStr(name);
        if (prop.TypeName == "Single")
            WriteSingle(static_cast<float>(value));
        else if (prop.TypeName == "Currency")
            WriteCurrency(value);
        else if (prop.TypeName == "TDateTime" || prop.TypeName == "TDate" || prop.TypeName == "TTime")
            WriteDate(value);
        else
            WriteFloat(value);
        return;
    }
    case TTypeKind::String:
        WriteStr(name);
        WriteString(GetStrProp(target, prop));
        return;
    case TTypeKind::Method: {
        const std::string handler = OnGetMethodName ? OnGetMethodName(instance, prop, GetMethodProp(target, prop)) : "";
        if (handler.empty())
            return;
        WriteStr(name);
        WriteIdent(handler);
        return;
    }
    case TTypeKind::Variant:
        WriteStr(name);
        WriteVariant(GetVariantProp(target, prop));
        return;
    case TTypeKind::Interface:
    case TTypeKind::Class:
    case TTypeKind::Unknown:
        return;
    }
}

void TFormWriter::WriteCollection(TPersistent *target, TComponent *instance, int depth)
{
    auto *collection = static_cast<TCollection *>(target);
    const std::string oldPath = FPropPath;
    FPropPath.clear();
    try {
        WriteValue(TValueType::vaCollection);
        for (int i = 0; i < collection->Count(); ++i) {
            WriteListBegin();
            WriteProperties(collection->Items(i), instance, depth + 1);
            WriteListEnd();
        }
        WriteListEnd();
    } catch (...) {
        FPropPath = oldPath;
        throw;
    }
    FPropPath = oldPath;
}

std::string WriteComponentToBinary(TComponent *root, const TFormWriter::TGetMethodName &getMethodName,
                                   TComponent *lookupRoot)
{
    TStringStream stream;
    TFormWriter writer(stream);
    writer.OnGetMethodName = getMethodName;
    writer.WriteRootComponent(root, lookupRoot ? lookupRoot : root);
    return stream.DataString();
}
