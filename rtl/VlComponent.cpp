// TComponent: naming, ownership, free notifications and the streaming hooks' defaults.
#include "VlComponent.h"

#include "VlExceptions.h"
#include "VlFiler.h"
#include "VlNameCompare.h"

#include <algorithm>

VL_IMPLEMENT_CLASS(TComponent, TPersistent, "Classes",
                   VlStrProp<&TComponent::Name, &TComponent::SetName>("Name", "TComponentName").NotStored(),
                   VlIntProp<&TComponent::Tag, &TComponent::SetTag>("Tag").WithDefault(0))

bool IsValidIdent(std::string_view name)
{
    auto isAlpha = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
    if (name.empty() || !isAlpha(name.front()))
        return false;
    return std::all_of(name.begin() + 1, name.end(), [&](char c) { return isAlpha(c) || (c >= '0' && c <= '9'); });
}

TComponent::TComponent(TComponent *owner)
{
    if (owner)
        owner->InsertComponent(this);
}

TComponent::~TComponent()
{
    Destroying();
    // A notified component may remove itself or others from the list; take one at a time.
    while (!FFreeNotifies.empty()) {
        TComponent *other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        auto &back = other->FFreeNotifies;
        back.erase(std::remove(back.begin(), back.end(), this), back.end());
        other->Notification(this, TOperation::opRemove);
    }
    DestroyComponents();
    if (FOwner)
        FOwner->RemoveComponent(this);
}

void TComponent::Destroying()
{
    if (HasState(csDestroying))
        return;
    FComponentState |= csDestroying;
    for (TComponent *component : FComponents)
        component->Destroying();
}

void TComponent::SetName(const std::string &name)
{
    if (FName == name)
        return;
    if (!name.empty() && !IsValidIdent(name))
        throw EComponentError(VlSprintf("'%s' is not a valid component name", name.c_str()));
    if (FOwner)
        FOwner->ValidateRename(this, FName, name);
    else
        ValidateRename(nullptr, FName, name);
    FName = name;
}

void TComponent::ValidateRename(TComponent *component, const std::string &currentName,
                                const std::string &newName) const
{
    if (!component || newName.empty() || VlSameName(currentName, newName))
        return;
    TComponent *existing = FindComponent(newName);
    if (existing && existing != component)
        throw EComponentError(VlSprintf("A component named %s already exists", newName.c_str()));
}

TComponent *TComponent::Components(int index) const
{
    if (index < 0 || index >= ComponentCount())
        throw EListError(VlSprintf("List index out of bounds (%d)", index));
    return FComponents[static_cast<size_t>(index)];
}

int TComponent::ComponentIndex() const
{
    if (!FOwner)
        return -1;
    auto &list = FOwner->FComponents;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TComponent::SetComponentIndex(int index)
{
    if (!FOwner)
        return;
    auto &list = FOwner->FComponents;
    const int count = static_cast<int>(list.size());
    index = std::clamp(index, 0, count - 1);
    const int current = ComponentIndex();
    if (current == index)
        return;
    list.erase(list.begin() + current);
    list.insert(list.begin() + index, this);
}

TComponent *TComponent::FindComponent(std::string_view name) const
{
    if (name.empty())
        return nullptr;
    for (TComponent *component : FComponents)
        if (VlSameName(component->FName, name))
            return component;
    return nullptr;
}

void TComponent::InsertComponent(TComponent *component)
{
    if (!component || component->FOwner == this)
        return;
    ValidateRename(component, std::string(), component->FName);
    if (component->FOwner)
        component->FOwner->RemoveComponent(component);
    Insert(component);
    if (HasState(csDesigning))
        component->SetDesigning(true);
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent *component)
{
    if (!component || component->FOwner != this)
        return;
    Notification(component, TOperation::opRemove);
    Remove(component);
}

void TComponent::Insert(TComponent *component)
{
    FComponents.push_back(component);
    component->FOwner = this;
}

void TComponent::Remove(TComponent *component)
{
    FComponents.erase(std::remove(FComponents.begin(), FComponents.end(), component), FComponents.end());
    component->FOwner = nullptr;
}

void TComponent::DestroyComponents()
{
    while (!FComponents.empty()) {
        TComponent *component = FComponents.back();
        Remove(component);
        delete component;
    }
}

void TComponent::SetComponentState(TComponentStateFlag flag, bool on)
{
    if (on)
        FComponentState |= flag;
    else
        FComponentState &= ~static_cast<uint32_t>(flag);
}

void TComponent::SetDesigning(bool value)
{
    SetComponentState(csDesigning, value);
    for (TComponent *component : FComponents)
        component->SetDesigning(value);
}

void TComponent::FreeNotification(TComponent *component)
{
    if (!component || component == this)
        return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end()) {
        FFreeNotifies.push_back(component);
        component->FFreeNotifies.push_back(this);
    }
}

void TComponent::RemoveFreeNotification(TComponent *component)
{
    if (!component)
        return;
    FFreeNotifies.erase(std::remove(FFreeNotifies.begin(), FFreeNotifies.end(), component), FFreeNotifies.end());
    auto &back = component->FFreeNotifies;
    back.erase(std::remove(back.begin(), back.end(), this), back.end());
}

void TComponent::Notification(TComponent *component, TOperation operation)
{
    if (operation == TOperation::opRemove && component)
        RemoveFreeNotification(component);
    // Owned components hear about insertions and removals in their owner too.
    for (size_t i = FComponents.size(); i-- > 0;)
        if (i < FComponents.size())
            FComponents[i]->Notification(component, operation);
}

void TComponent::GetChildren(const TGetChildProc &proc, TComponent *root)
{
    if (root != this)
        return;
    for (TComponent *component : std::vector<TComponent *>(FComponents))
        if (!component->HasParent())
            proc(component);
}

void TComponent::SetParentComponent(TComponent *)
{
}

void TComponent::SetChildOrder(TComponent *, int)
{
}

void TComponent::Loaded()
{
    SetComponentState(csLoading, false);
}

void TComponent::ReadState(TReader &reader)
{
    reader.ReadData(this);
}

void TComponent::WriteState(TWriter &writer)
{
    writer.WriteData(this);
}
