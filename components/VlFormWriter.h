// TFormWriter: writes a root component and its children as a binary form stream.
#pragma once

#include "VlComponent.h"
#include "VlFiler.h"

#include <functional>
#include <string>

class TFormWriter : public TWriter {
public:
    // The form-file name of a handler; empty leaves the event out.
    using TGetMethodName = std::function<std::string(TComponent *instance, const TPropInfo &prop, const TMethod &method)>;

    explicit TFormWriter(TStream &stream) : TWriter(stream) {}

    // "TPF0", then root with its stored non-default published properties, its defined
    // properties, and, nested, the children its GetChildren reports (recursively).
    void WriteRootComponent(TComponent *root);
    // The same with another component deciding which children belong (the components it owns),
    // as when a designer copies a control of its form together with the controls inside it.
    void WriteRootComponent(TComponent *root, TComponent *lookupRoot);
    void WriteData(TComponent *instance) override;

    TComponent *Root() const { return FRoot; }
    TGetMethodName OnGetMethodName;

private:
    void WriteComponent(TComponent *component);
    void WriteProperties(TPersistent *target, TComponent *instance, int depth);
    void WriteProperty(TPersistent *target, const TPropInfo &prop, TComponent *instance, int depth);
    void WriteCollection(TPersistent *collection, TComponent *instance, int depth);
    std::string ReferenceName(TComponent *component) const;

    TComponent *FRoot = nullptr;
};

// The binary form stream of root and its children (those that lookupRoot owns, when given).
std::string WriteComponentToBinary(TComponent *root, const TFormWriter::TGetMethodName &getMethodName = nullptr,
                                   TComponent *lookupRoot = nullptr);
