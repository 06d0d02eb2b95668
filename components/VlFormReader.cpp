// Reading component trees from binary form streams.
#include "VlFormReader.h"

#include "VlClassRegistry.h"
#include "VlCollection.h"
#include "VlExceptions.h"
#include "VlFormLimitError.h"
#include "VlIntegerConsts.h"
#include "VlNameCompare.h"
#include "VlStreams.h"

namespace {

[[noreturn]] void InvalidValue()
{
    throw EReadError("Invalid property value");
}

std::vector<std::string> SplitPath(const std::string &path)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t dot = path.find('.', start);
        parts.push_back(path.substr(start, dot - start));
        if (dot == std::string::npos)
            return parts;
        start = dot + 1;
    }
}

// Raises EFormLimitError unless the component found for an inherited object lies inside the
// object being read: taking one from elsewhere would move it there, or make an ancestor of that
// object its own descendant.
void CheckAdoption(TComponent *component, TComponent *reading)
{
    if (!component->HasParent() || !reading)
        return;
    const auto fail = [&] {
        throw EFormLimitError(VlSprintf("Inherited component %s is not inside %s", component->Name().c_str(),
                                        reading->Name().c_str()));
    };
    for (TComponent *p = reading; p; p = p->GetParentComponent())
        if (p == component)
            fail();
    TComponent *parent = component->GetParentComponent();
    while (parent && parent != reading)
        parent = parent->GetParentComponent();
    if (component->GetParentComponent() && !parent)
        fail();
}

} // namespace

void TFormReader::ReadSignature()
{
    char signature[4];
    if (Stream().Remaining() < 4)
        throw EReadError("Invalid stream format");
    Read(signature, 4);
    if (std::string_view(signature, 4) != "TPF0")
        throw EReadError("Invalid stream format");
}

std::string TFormReader::UniqueRootName(const std::string &name) const
{
    TComponent *owner = FRoot->Owner();
    if (!owner || !owner->FindComponent(name) || owner->FindComponent(name) == FRoot)
        return name;
    for (int i = 1;; ++i) {
        const std::string candidate = name + "_" + std::to_string(i);
        if (!owner->FindComponent(candidate))
            return candidate;
    }
}

TComponent *TFormReader::ReadRootComponent(TComponent *root)
{
    ReadSignature();
    if ((PeekByte() & 0xF0) == 0xF0 && (ReadByte() & 2))
        ReadInt64(); // a child position means nothing for the root
    const std::string className = ReadStr();
    const std::string name = ReadStr();
    const bool createdRoot = !root;
    if (!root) {
        TObject *created = GetClass(className).CreateInstance(nullptr);
        root = dynamic_cast<TComponent *>(created);
        if (!root) {
            delete created;
            throw EReadError(VlSprintf("Class %s is not a component", className.c_str()));
        }
    }
    FRoot = root;
    FParent = nullptr;
    FLoaded.clear();
    FFixups.clear();
    root->SetComponentState(csLoading, true);
    root->SetComponentState(csReading, true);
    try {
        if (!name.empty() && IsValidIdent(name))
            root->SetName(UniqueRootName(name));
        FLoaded.push_back(root);
        root->ReadState(*this);
    } catch (...) {
        root->SetComponentState(csReading, false);
        if (createdRoot) {
            delete root;
            throw;
        }
        // What was read stays, so it gets finished like a complete form; the reading error wins.
        for (TComponent *component : FLoaded) {
            component->SetComponentState(csReading, false);
            try {
                component->Loaded();
            } catch (...) {
                component->SetComponentState(csLoading, false);
            }
        }
        throw;
    }
    root->SetComponentState(csReading, false);
    ResolveFixups();
    for (TComponent *component : FLoaded)
        component->Loaded();
    return root;
}

void TFormReader::ReadData(TComponent *instance)
{
    while (!EndOfList())
        ReadProperty(instance);
    ReadListEnd();
    TComponent *oldParent = FParent;
    FParent = instance;
    try {
        while (!EndOfList())
            ReadComponent(FDepth + 1);
        ReadListEnd();
    } catch (...) {
        FParent = oldParent;
        throw;
    }
    FParent = oldParent;
}

TComponent *TFormReader::ReadComponent(int depth)
{
    if (depth > VlMaxFormNesting)
        throw EReadError("Too deeply nested values");
    uint8_t flags = 0;
    int64_t position = -1;
    if ((PeekByte() & 0xF0) == 0xF0) {
        flags = ReadByte() & 0x0F;
        if (flags & 2)
            position = ReadInt64();
    }
    const std::string className = ReadStr();
    const std::string name = ReadStr();

    TComponent *component = (flags & 1) && !name.empty() ? Owner()->FindComponent(name) : nullptr;
    if (component)
        CheckAdoption(component, FParent);
    if (!component) {
        TObject *created = GetClass(className).CreateInstance(Owner());
        component = dynamic_cast<TComponent *>(created);
        if (!component) {
            delete created;
            throw EReadError(VlSprintf("Class %s is not a component", className.c_str()));
        }
        try {
            std::string newName = name;
            if (OnSetName)
                OnSetName(*this, component, newName);
            component->SetName(newName);
        } catch (...) {
            delete component;
            throw;
        }
    }
    component->SetComponentState(csLoading, true);
    component->SetComponentState(csReading, true);
    FLoaded.push_back(component);
    if (component->HasParent() && FParent)
        component->SetParentComponent(FParent);
    if (position >= 0 && FParent)
        FParent->SetChildOrder(component, static_cast<int>(position));
    const int oldDepth = FDepth;
    FDepth = depth;
    try {
        component->ReadState(*this);
    } catch (...) {
        FDepth = oldDepth;
        component->SetComponentState(csReading, false);
        throw;
    }
    FDepth = oldDepth;
    component->SetComponentState(csReading, false);
    return component;
}

void TFormReader::ReadProperty(TComponent *instance)
{
    ReadGuarded(instance, instance, ReadStr());
}

void TFormReader::ReadGuarded(TPersistent *target, TComponent *instance, const std::string &path)
{
    const int64_t valueStart = Stream().Position();
    try {
        ReadPropertyPath(target, path, instance);
    } catch (const EFormLimitError &) {
        throw;  // the file asks for too much: reading stops
    } catch (const std::exception &error) {
        // The property is skipped; skipping a damaged stream raises its own error.
        Stream().SetPosition(valueStart);
        SkipValue();
        if (OnPropertyError)
            OnPropertyError(instance, path, error.what());
    }
}

void TFormReader::ReadPropertyPath(TPersistent *target, const std::string &path, TComponent *instance)
{
    // Follow "Font.Name" through class properties; what cannot be followed may still be a
    // property that the object defines itself ("Glyph.Data").
    const std::vector<std::string> parts = SplitPath(path);
    size_t i = 0;
    for (; i + 1 < parts.size(); ++i) {
        const TPropInfo *prop = target->ClassInfo()->FindProperty(parts[i]);
        auto *next = prop && prop->Kind == TTypeKind::Class ? dynamic_cast<TPersistent *>(GetObjectProp(target, *prop)) : nullptr;
        if (!next)
            break;
        target = next;
    }
    if (i + 1 == parts.size()) {
        if (const TPropInfo *prop = target->ClassInfo()->FindProperty(parts.back())) {
            ReadPropValue(target, *prop, instance);
            return;
        }
    }
    FPropName.clear();
    for (size_t k = i; k < parts.size(); ++k)
        FPropName += (k > i ? "." : "") + parts[k];
    target->DefineProperties(*this);
    if (!FPropName.empty()) {
        FPropName.clear();
        throw EReadError(VlSprintf("Property %s does not exist", path.c_str()));
    }
}

void TFormReader::ReadPropValue(TPersistent *target, const TPropInfo &prop, TComponent *instance)
{
    switch (prop.Kind) {
    case TTypeKind::Integer: {
        int64_t value = 0;
        if (NextValue() == TValueType::vaIdent) {
            const std::string ident = ReadIdent();
            if (!IdentToInt(prop.TypeName, ident, value))
                InvalidValue();
        } else {
            value = ReadInt64();
        }
        SetOrdProp(target, prop, value);
        return;
    }
    case TTypeKind::Char: {
        const TValueType type = NextValue();
        const int64_t value = (type == TValueType::vaInt8 || type == TValueType::vaInt16 || type == TValueType::vaInt32)
                                  ? ReadInteger()
                                  : static_cast<unsigned char>(ReadChar());
        SetOrdProp(target, prop, value);
        return;
    }
    case TTypeKind::Enumeration: {
        const int ordinal = prop.EnumInfo ? prop.EnumInfo->Find(ReadIdent()) : -1;
        if (ordinal < 0)
            InvalidValue();
        SetOrdProp(target, prop, ordinal);
        return;
    }
    case TTypeKind::Set:
        if (!prop.EnumInfo)
            InvalidValue();
        SetOrdProp(target, prop, ReadSet(*prop.EnumInfo));
        return;
    case TTypeKind::Float:
        SetFloatProp(target, prop, static_cast<double>(ReadFloat()));
        return;
    case TTypeKind::String:
        SetStrProp(target, prop, ReadString());
        return;
    case TTypeKind::Variant:
        SetVariantProp(target, prop, ReadVariant());
        return;
    case TTypeKind::Method: {
        const std::string handler = ReadIdent();
        if (handler == "nil" || handler == "Null") {
            SetMethodProp(target, prop, TMethod());
            return;
        }
        if (OnFindMethod)
            SetMethodProp(target, prop, OnFindMethod(*this, instance, prop, handler));
        return;
    }
    case TTypeKind::Class: {
        const TValueType type = NextValue();
        if (type == TValueType::vaCollection) {
            ReadCollection(dynamic_cast<TPersistent *>(GetObjectProp(target, prop)), instance);
        } else if (type == TValueType::vaNil) {
            ReadValue();
            SetObjectProp(target, prop, nullptr);
        } else if (type == TValueType::vaIdent) {
            // A reference to a component that may be read later: resolved at the end.
            FFixups.push_back({instance, target, &prop, ReadIdent()});
        } else {
            InvalidValue();
        }
        return;
    }
    case TTypeKind::Interface:
    case TTypeKind::Unknown:
        break;
    }
    InvalidValue();
}

void TFormReader::ReadCollection(TPersistent *target, TComponent *instance)
{
    auto *collection = dynamic_cast<TCollection *>(target);
    if (!collection)
        InvalidValue();
    CheckValue(TValueType::vaCollection);
    collection->BeginUpdate();
    try {
        collection->Clear();
        while (!EndOfList()) {
            const TValueType next = NextValue();
            if (next == TValueType::vaInt8 || next == TValueType::vaInt16 || next == TValueType::vaInt32)
                ReadInteger(); // the item's order; items are added in stream order
            ReadListBegin();
            if (collection->Count() >= VlMaxFormListItems)
                throw EFormLimitError(VlSprintf("A collection holds more than %d items", VlMaxFormListItems));
            TCollectionItem *item = collection->Add();
            while (!EndOfList())
                ReadGuarded(item, instance, ReadStr());
            ReadListEnd();
        }
        ReadListEnd();
    } catch (...) {
        collection->EndUpdate();
        throw;
    }
    collection->EndUpdate();
}

void TFormReader::ResolveFixups()
{
    for (const TFixup &fixup : FFixups) {
        TComponent *found = nullptr;
        const size_t dot = fixup.Name.find('.');
        if (dot == std::string::npos) {
            found = VlSameName(fixup.Name, FRoot->Name()) ? FRoot : Owner()->FindComponent(fixup.Name);
            if (!found && Owner() != FRoot)
                found = FRoot->FindComponent(fixup.Name);
        } else if (VlSameName(fixup.Name.substr(0, dot), FRoot->Name())) {
            found = FRoot->FindComponent(fixup.Name.substr(dot + 1));
        }
        if (!found)
            continue; // a component of another form: left unassigned
        try {
            SetObjectProp(fixup.Target, *fixup.Prop, found);
        } catch (const Exception &error) {
            if (OnPropertyError)
                OnPropertyError(fixup.Instance, fixup.Prop->Name, error.Message());
        }
    }
    FFixups.clear();
}

TComponent *ReadComponentFromBinary(std::string_view binary, TComponent *root, const TFormReader::TFindMethod &findMethod)
{
    TStringStream stream{std::string(binary)};
    TFormReader reader(stream);
    reader.OnFindMethod = findMethod;
    return reader.ReadRootComponent(root);
}
