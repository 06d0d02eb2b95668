// TFormReader: builds a component tree from a binary form stream through the class registry and metadata.
#pragma once

#include "VlComponent.h"
#include "VlFiler.h"

#include <functional>
#include <string>
#include <vector>

class TFormReader : public TReader {
public:
    // Turns a handler name of the form file into a method pointer for the property; an empty
    // result leaves the property unassigned. Script forms store the name and return its address.
    using TFindMethod = std::function<TMethod(TFormReader &reader, TComponent *instance, const TPropInfo &prop,
                                              const std::string &handlerName)>;
    // Told about each property that could not be applied (and was skipped).
    using TPropertyError = std::function<void(TComponent *instance, const std::string &propName,
                                              const std::string &message)>;

    // May change the name a nested component is given (a designer pasting controls makes names unique).
    using TSetName = std::function<void(TFormReader &reader, TComponent *component, std::string &name)>;

    explicit TFormReader(TStream &stream) : TReader(stream) {}

    // Reads a "TPF0" stream. With a root, the stream's root class name is ignored, the root's
    // properties are applied to it and its name is taken over (made unique within its owner);
    // without one, the root is created from its class with no owner. Nested objects are created
    // with the root as owner and their enclosing object as parent. An unknown class raises
    // EClassNotFound; a property that cannot be applied is skipped. Components read before an
    // error stay. Loaded() runs on every component read once the whole stream is in.
    TComponent *ReadRootComponent(TComponent *root);

    void ReadData(TComponent *instance) override;

    TComponent *Root() const { return FRoot; }
    // The owner of nested components: the root unless set before reading.
    TComponent *Owner() const { return FOwner ? FOwner : FRoot; }
    void SetOwner(TComponent *owner) { FOwner = owner; }
    TFindMethod OnFindMethod;
    TPropertyError OnPropertyError;
    TSetName OnSetName;

private:
    struct TFixup {
        TComponent *Instance;
        TPersistent *Target;
        const TPropInfo *Prop;
        std::string Name;
    };

    void ReadSignature();
    TComponent *ReadComponent(int depth);
    void ReadProperty(TComponent *instance);
    void ReadGuarded(TPersistent *target, TComponent *instance, const std::string &path);
    void ReadPropertyPath(TPersistent *target, const std::string &path, TComponent *instance);
    void ReadPropValue(TPersistent *target, const TPropInfo &prop, TComponent *instance);
    void ReadCollection(TPersistent *collection, TComponent *instance);
    void ResolveFixups();
    std::string UniqueRootName(const std::string &name) const;

    TComponent *FRoot = nullptr;
    TComponent *FOwner = nullptr;
    TComponent *FParent = nullptr;
    int FDepth = 0;
    std::vector<TComponent *> FLoaded;
    std::vector<TFixup> FFixups;
};

// Reads a binary form stream ("TPF0" + object) into root (or a new root when null).
TComponent *ReadComponentFromBinary(std::string_view binary, TComponent *root,
                                    const TFormReader::TFindMethod &findMethod = nullptr);
