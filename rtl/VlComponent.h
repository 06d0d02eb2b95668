// TComponent: named, owned objects that form files and the designer create and stream.
#pragma once

#include "VlPersistent.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class TReader;
class TWriter;

// Bits of TComponent::ComponentState().
enum TComponentStateFlag : uint32_t {
    csLoading = 1u << 0,    // between the start of reading and Loaded()
    csReading = 1u << 1,    // its properties are being read
    csWriting = 1u << 2,    // it is being written
    csDestroying = 1u << 3, // its destructor runs
    csDesigning = 1u << 4,  // it sits on a design surface
    csAncestor = 1u << 5,
    csUpdating = 1u << 6,
    csInline = 1u << 7,
};

enum class TOperation { opInsert, opRemove };

using TGetChildProc = std::function<void(TComponent *child)>;

class TComponent : public TPersistent {
    VL_CLASS(TComponent)

    explicit TComponent(TComponent *owner = nullptr);
    // Destroys the owned components (last first), notifies every component that asked for a
    // free notification, and leaves the owner. A derived class whose own teardown would leave
    // owned components dangling (widgets) calls DestroyComponents() in its own destructor first.
    ~TComponent() override;

    const std::string &Name() const { return FName; }
    // Raises EComponentError "'%s' is not a valid component name" for a non-identifier and
    // "A component named %s already exists" for a name taken in the owner (letter case ignored).
    // An empty name is allowed and never clashes.
    virtual void SetName(const std::string &name);

    TComponent *Owner() const { return FOwner; }
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    // Raises EListError "List index out of bounds (%d)".
    TComponent *Components(int index) const;
    // The position in the owner's list; -1 without an owner.
    int ComponentIndex() const;
    void SetComponentIndex(int index);
    // An owned component by name, letter case ignored; null when none.
    TComponent *FindComponent(std::string_view name) const;
    // Takes ownership of component (leaving its previous owner); checks its name as SetName does.
    void InsertComponent(TComponent *component);
    // Gives up ownership without destroying.
    void RemoveComponent(TComponent *component);
    void DestroyComponents();
    // Marks this component as being destroyed (done by the destructor; derived classes may call it earlier).
    void Destroying();

    int Tag() const { return FTag; }
    void SetTag(int value) { FTag = value; }

    uint32_t ComponentState() const { return FComponentState; }
    bool HasState(TComponentStateFlag flag) const { return (FComponentState & flag) != 0; }
    // Used by readers, writers and the designer; csDesigning also spreads to owned components.
    void SetComponentState(TComponentStateFlag flag, bool on);
    void SetDesigning(bool value);

    // After FreeNotification(other), other's Notification(this, opRemove) runs when this component
    // is destroyed, so references between components (PopupMenu, FocusControl) can be cleared.
    void FreeNotification(TComponent *component);
    void RemoveFreeNotification(TComponent *component);
    virtual void Notification(TComponent *component, TOperation operation);
    // Points a reference of this component at another one (or at none); the one referred to
    // tells this one when it is freed, the one referred to before no longer does.
    template <class T>
    void Refer(T *&reference, T *component)
    {
        if (reference)
            reference->RemoveFreeNotification(this);
        reference = component;
        if (component)
            component->FreeNotification(this);
    }

    // Streaming hooks.
    // Calls proc for each child written inside this component in a form file; the default
    // writes the components owned by root that have no parent (HasParent false).
    virtual void GetChildren(const TGetChildProc &proc, TComponent *root);
    virtual bool HasParent() const { return false; }
    virtual TComponent *GetParentComponent() const { return nullptr; }
    // Sets the visual parent a reader found (the object this one is nested in).
    virtual void SetParentComponent(TComponent *parent);
    virtual void SetChildOrder(TComponent *child, int order);
    // Runs once every component of a form has been read: clears csLoading.
    virtual void Loaded();
    // Reading and writing of this component's own data: reader.ReadData(this) by default.
    virtual void ReadState(TReader &reader);
    virtual void WriteState(TWriter &writer);

    std::string GetNamePath() const override { return FName; }
    TPersistent *GetOwner() const override { return FOwner; }

protected:
    virtual void ValidateRename(TComponent *component, const std::string &currentName,
                                const std::string &newName) const;

private:
    void Insert(TComponent *component);
    void Remove(TComponent *component);

    std::string FName;
    TComponent *FOwner = nullptr;
    std::vector<TComponent *> FComponents;
    std::vector<TComponent *> FFreeNotifies;
    int FTag = 0;
    uint32_t FComponentState = 0;
};

// A Pascal identifier: a letter or "_", then letters, digits and "_".
bool IsValidIdent(std::string_view name);
