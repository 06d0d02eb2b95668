// Items of the published properties and events of a component, edited in place.
#pragma once

#include "VlInspectorItem.h"
#include "rtl/VlTypInfo.h"

#include <functional>

class TComponent;
class TPersistent;
class TVlInspectorModel;

// How event properties show and take handler names (the designer keeps the names).
struct TVlInspectorMethodNames {
    std::function<QString(const TMethod &method)> NameOf;
    std::function<TMethod(const QString &name)> MethodOf;
};

// One published property of an object (a component, or a sub-object such as its Font).
class TVlInspectorPropData : public TVlInspectorData {
public:
    // `owner` is where component references are looked up (the designed form).
    TVlInspectorPropData(TPersistent *instance, const TPropInfo &prop, TComponent *owner, TVlInspectorMethodNames names);

    TPersistent *Instance() const { return FInstance; }
    const TPropInfo &Prop() const { return FProp; }
    TVlInspectorEditKind EditKind() const override;
    QString Value() const override;
    QString EditText() const override;
    // Checks the text for the property's type before taking it; refusals say why.
    void SetValue(const QString &text) override;
    QStringList Choices() const override;
    bool IsReadOnly() const override;
    bool IsModified() const override;
    // The object behind a class property (Font, Items), null for other kinds.
    TObject *ObjectValue() const;

private:
    TPersistent *FInstance;
    const TPropInfo &FProp;
    TComponent *FOwner;
    TVlInspectorMethodNames FNames;
};

// The component's name, validated as component names are.
class TVlInspectorNameData : public TVlInspectorData {
public:
    explicit TVlInspectorNameData(TComponent *component);
    TVlInspectorEditKind EditKind() const override { return TVlInspectorEditKind::Text; }
    QString Value() const override;
    void SetValue(const QString &text) override;
    bool IsModified() const override { return true; }

private:
    TComponent *FComponent;
};

// Fills a category with the component's name, its published properties (sub-objects such as
// Font with their own properties beneath them) and then its events, in declaration order.
void AddComponentItems(TVlInspectorModel &model, TVlInspectorItem *category, TComponent *component,
                       const TVlInspectorMethodNames &names);
